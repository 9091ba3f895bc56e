#pragma once

#include "burn/BurnPageForm.h"
#include "services/DriveListParser.h"
#include "widgets/ImageDialog.h"

#include <QElapsedTimer>
#include <QHash>
#include <QProcess>
#include <QStringList>

class CProgressDialog;
class CRunCommandThread;
class MountedImage;
struct UsbBurnJob;

// The Burn page: writes an ISO image to a USB drive (erased, partitioned,
// formatted, made bootable with syslinux, filled with the image's content)
// or burns it to a disc in an optical drive. The drive lists are read from
// the system's disk tools whenever they may have changed.
class CBurnDialog : public ImageDialog
{
    Q_OBJECT
public:
    explicit CBurnDialog(QWidget* parent = nullptr);
    ~CBurnDialog() override;

    // Whether the device is a removable USB disk that is not an optical
    // drive ("diskutil info"); size, when given, receives its byte count.
    bool CheckDiskIsUSB(QString device, qint64* size = nullptr);

    // The display text of the optical entry current before the last
    // rebuild, on any page.
    static QString dvdCurrent;

    // For tests and the screenshot tool.
    const BurnPageForm& form() const { return m_Form; }
    CProgressDialog* progressDialog() const { return m_ProgressDialog; }
    bool isBurning() const { return m_Burning; }

public slots:
    void onBrowser();
    void onBurn();
    void onBack();
    void InitializeUSBAndDVDComboBox(int type = 0);
    void OnRadioSelected();
    void OnRefresh();
    void OnVolumeLabTextChange(QString text);
    void OnMBRSelect();
    void onerror(QProcess::ProcessError error);
    void onLineOutput(QString line);
    void onUSBLineOutput(QString line);
    void onDVDBurnFinished();
    void onDVDBurnOutput(QString line);
    void onUSBBurnOutput(QString line);
    void onUSBFinished();
    void updateUI();
    void getParameterlist(QStringList& qstrlist, QString usbdrive, QString mntpoint);

signals:
    // A burn has ended and its closing message has been answered.
    void burnEnded(bool succeeded);

protected:
    void changeEvent(QEvent* qe) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectForm();
    void retranslateForm();
    void rebuildUsbList();
    void rebuildOpticalList();
    void runListing(const QString& program, const QStringList& args, void (CBurnDialog::*onLine)(QString));

    void burnUsb(UsbBurnJob& job);
    bool checkUsbTarget(UsbBurnJob& job);
    bool isStillListedDrive(const QString& drive);
    bool runUsbSteps(UsbBurnJob& job);
    bool partition(const UsbBurnJob& job);
    bool findVolume(UsbBurnJob& job);
    bool unmountDrive(const UsbBurnJob& job);
    bool makeBootable(const UsbBurnJob& job);
    bool writeBootConfig(const UsbBurnJob& job);
    bool copyContent(const UsbBurnJob& job);
    bool splitWim(const UsbBurnJob& job);
    void syncDisks();
    bool fail(const QString& step, const QString& toolLine);

    void burnDisc(const QString& iso);
    void showFailure();
    void endBurn(bool succeeded, const QString& success);

    BurnPageForm m_Form;
    CProgressDialog* m_ProgressDialog = nullptr;
    CRunCommandThread* m_BurnThread = nullptr;
    CRunCommandThread* m_WimThread = nullptr;
    DriveListParser::StatusState m_DriveStatus;
    QHash<QString, qint64> m_ListedUsb; // device -> size when listed
    bool m_Refreshing = false;
    bool m_Burning = false;
    QString m_FailedStep;
    QString m_FailureLine;
    QStringList m_DiscLines;
    QStringList m_CopyErrors;
    QElapsedTimer m_CopyTimer;
    qint64 m_CopyBytes = 0;
};
