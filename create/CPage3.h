// create/: the Create page (CPage3) and what only it needs.
// May include services/, model/ and widgets/; never another page's folder.
#pragma once

#include "create/CPage3Form.h"
#include "services/MkisofsArgs.h"
#include "create/PartialImage.h"
#include "create/StagingLog.h"
#include "model/CTree.h"
#include "services/WorkFolder.h"
#include "widgets/ImageDialog.h"

#include <QModelIndex>
#include <QStringList>

class CFileCopy;
class FolderLoopGuard;
class CProgressDialog;
class CRunCommandThread;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

// The Create page: the user collects files and folders into a tree that
// mirrors the future image, while every entry is copied in the background
// into the page's own staging folder; Create ISO makes the image from that
// folder with mkisofs.
class CPage3 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage3(QWidget* parent = nullptr);
    ~CPage3() override;

    static void del(QTreeWidgetItem* row);

    // For tests and the screenshot tool.
    const CPage3Form& form() const { return m_Form; }
    CTree& tree() { return m_Tree; }
    CFileCopy* fileCopy() const { return m_FileCopy; }
    CProgressDialog* progressDialog() const { return m_ProgressDialog; }
    QString stageDir() const { return m_StageDir; }
    QString outputPath() const { return m_OutputPath; }
    bool isCreating() const { return m_CreateThread != nullptr; }
    QStringList lastArguments() const { return m_LastArguments; }
    // Whether the staging folder holds the collection (or the copier is
    // filling it); false once an image was made or the page was left.
    bool isStaged() const { return m_Staged; }

    // The size gauge's value for a total: its share of 5 GiB, at most 100.
    static int gaugeValue(qint64 total);

public slots:
    void OnAddFile();
    void OnAddDir();
    void OnRemove();
    void OnCreate();
    void StopCreate();
    void OnCreateOutput(QString line);
    void OnCreateFinished();
    void OnTreeClicked(QModelIndex index);
    void OnListContextMenuRequest(QPoint pos);
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectForm();
    void retranslateForm();
    void buildMenu();
    QTreeWidgetItem* selectedRow() const;
    void addFile(const QString& file, const QString& prefix, QTreeWidgetItem* destination);
    void addDir(const QString& dir, const QString& prefix, QTreeWidgetItem* destination);
    void InnerAddDir(Item* parent, QString dirPath, QTreeWidgetItem* parentRow, QTreeWidget* widget,
                     FolderLoopGuard& guard);
    void RefreshTotalSize();

    bool checkBeforeCreate(MkisofsArgs::ImageType* type);
    bool acceptShortenedNames();
    void dropStaging();
    void restage();
    bool selectedType(MkisofsArgs::ImageType* type) const;
    bool waitForStaging();
    bool stagingFailed();
    void startCreation(MkisofsArgs::ImageType type);
    void endRun();
    void discardImage();
    bool putImageInPlace();
    void reportFailure(const QString& why);

    CPage3Form m_Form;
    CTree m_Tree;
    WorkFolder m_WorkFolder{"create"}; // outlives the copier: declared before it
    CFileCopy* m_FileCopy = nullptr;
    QString m_StageDir;
    CProgressDialog* m_ProgressDialog = nullptr;
    CRunCommandThread* m_CreateThread = nullptr;
    QString m_OutputPath;
    QMenu* m_Menu = nullptr;

    bool m_Waiting = false;        // waiting for the staging copy
    bool m_StopRequested = false;  // Stop pressed while waiting
    PartialImage m_Image;          // the image the running creation writes, beside the output
    QStringList m_RunLines;        // the running creation's last lines
    QStringList m_LastArguments;
    StagingLog m_StagingLog;
    bool m_Staged = true;
};
