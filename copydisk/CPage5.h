#pragma once

#include "copydisk/CPage5Form.h"
#include "copydisk/CopyTarget.h"
#include "services/DriveListParser.h"
#include "services/RunResult.h"
#include "widgets/ImageDialog.h"

#include <QStringList>

class CProgressDialog;
class CRunCommandThread;

// The Copy Disk page: lists the optical drives ("drutil status"), finds the
// mount point of the chosen drive's disc ("mount") and has "hdiutil
// makehybrid" write an ISO 9660 + Joliet image of it to the chosen file;
// Eject ejects the chosen drive's disc.
class CPage5 : public ImageDialog
{
    Q_OBJECT
public:
    // With a parent, the drive list follows the parent's sigdrivechange().
    explicit CPage5(QWidget* parent = nullptr);
    ~CPage5() override;

    // The drive list's text before it was last rebuilt, shared by every
    // page: a rebuilt list (or a new page) shows that drive again.
    static QString dvdCurrent;

    // For tests and the screenshot tool.
    const CPage5Form& form() const { return m_Form; }
    CProgressDialog* progressDialog() const { return m_ProgressDialog; }
    QString mountPoint() const { return m_MountPoint; }
    bool isListing() const { return m_ListThread != nullptr; }
    bool isCopying() const { return m_CreateThread != nullptr; }
    bool isEjecting() const { return m_EjectThread != nullptr; }
    // Where the running copy writes until it is complete.
    QString writePath() const { return m_Target.writePath(); }

public slots:
    void OnBrowser();
    void OnStart();
    void OnEject();
    void InitializeDVDComboBox();
    void onLineOutput(QString line);
    void OnReadLineOutput(QString line);
    void OnReadFinished();
    void StopCreate();
    void onMountPointLineOutput(QString line);
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;

private slots:
    void onListFinished();
    void onEjectFinished();

private:
    void retranslateForm();
    QString chosenDevice() const;
    bool findMountPoint();
    bool startCopy(const QString& output);
    void endCopy(const RunResult& result);
    // What the user is told of a failed hdiutil run: its own error line,
    // else how it ended.
    static QString failureReason(const RunResult& result, const QStringList& lines);

    CPage5Form m_Form;
    CProgressDialog* m_ProgressDialog = nullptr;
    QString m_MountPoint;
    QString m_CurrentDevice;          // the drive of the copy being started
    DriveListParser::StatusState m_DriveStatus;
    CRunCommandThread* m_ListThread = nullptr;
    CRunCommandThread* m_CreateThread = nullptr;
    CRunCommandThread* m_EjectThread = nullptr;
    bool m_Starting = false;          // Start is waiting for the mount table
    CopyTarget m_Target;
    QStringList m_CopyLines;          // the running copy's last lines
    QStringList m_EjectLines;
};
