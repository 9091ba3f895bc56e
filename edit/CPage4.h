#pragma once

#include <QSet>

#include "edit/BootLayout.h"
#include "edit/FileOp.h"
#include "edit/HybridPlan.h"
#include "edit/VolumeIdentity.h"
#include "model/CTree.h"
#include "model/ListingReader.h"
#include "widgets/ImageDialog.h"

#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <memory>

class CFileCopy;
class FolderLoopGuard;
class CImageButton;
class CLineEdit;
class CProgressDialog;
class CRunCommandThread;
class QMenu;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class SCheckBoxHeaderView;
class WorkFolder;
struct RunResult;

// The Edit page: loads an image (listing it into m_Tree while unpacking it
// into the page's own working folder), lets the user add, export, rename
// and delete its content, and saves a new image that boots like the one
// loaded.
class CPage4 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage4(QWidget* parent = nullptr);
    ~CPage4() override;

    virtual void InitializeUI();
    virtual void RefreshTable();
    virtual void LoadFiles(Item* item, QTreeWidget* widget, QTreeWidgetItem* parent);

    void SetEnabled(bool enabled);
    void AddFileOpTasks(QString src, QString dst, int type);
    void AddSubDir(Item* parent, QString dirPath, QTreeWidgetItem* parentTreeItem, FolderLoopGuard& guard);

    // The folder the image is unpacked into, with a trailing "/"; empty
    // before the first load.
    QString workFolder() const;
    QString bootImageFile() const;
    bool isExtracting() const { return m_ExtractThread != nullptr; }
    bool isSaving() const { return m_CreateThread != nullptr; }
    bool isListed() const { return m_CurrentItem != nullptr; }
    CTree& tree() { return m_Tree; }
    Item* currentItem() const { return m_CurrentItem; }
    QString savePath() const { return m_SavePath; }
    QStringList lastSaveArguments() const { return m_SaveArguments; }
    CProgressDialog* progressDialog() const { return m_ProgressDialog; }
    CFileCopy* fileCopy() const { return m_FileCopy; }
    // Whether the image has changes that no save has written yet.
    bool isModified() const { return m_Modified; }
    const BootLayout& bootLayout() const { return m_Boot; }

public slots:
    void OnLoadISO();
    void OnAdd();
    void OnExport();
    void OnRename();
    void OnDelete();
    void OnNew();
    void OnSave();
    void StopCreate();
    void slotSelectAll(bool bChecked);
    void OnSearch();
    virtual void OnUnzipFinished();
    virtual void OnLineOutput(QString line);
    void OnListingOutput(const QByteArray& bytes);
    virtual void OnExtractOutput(QString line);
    virtual void OnExtractFinished();
    void OnCreateOutput(QString line);
    void OnCreateFinished();
    virtual void OnTreeCurrentChanged();
    virtual void OnListViewDoubleClicked();
    virtual void OnListViewClicked(QTableWidgetItem* pItem);
    virtual void RefreshTreeWidget();
    void OnListContextMenuRequest(QPoint pos);
    void updateUI();

protected:
    void changeEvent(QEvent* qe) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void OnListingEnded();

private:
    // What follows a save that was asked for before leaving the image.
    enum class AfterSave { Nothing, Close, Load };

    // Where a table row keeps the entry it shows.
    static constexpr int EntryRole = Qt::UserRole + 1;

    void buildForm();
    void connectForm();
    void fillMenu();
    void startListing();
    void startExtraction();
    void stopExtraction();
    void releaseImage();
    QString unpackingFailure(const RunResult& result) const;
    void dropBootPseudoFolder();
    QList<Item*> checkedEntries() const;
    Item* entryOfRow(int row) const;
    QTreeWidgetItem* treeItemOf(Item* item) const;
    bool refuseOutsidePath(const Item* entry);
    bool refuseUnhandled(const Item* entry);
    bool markNamesMissingOnDisk(const QSet<QString>& renamedTo);
    void markEntriesMissingOnDisk(Item* folder, const QSet<QString>& renamedTo);
    static bool takesFromImage(const QList<Item*>& entries);
    void appendAddedRow(const Item& entry);
    bool waitForExtraction();
    bool waitForCopier();
    bool changesFailed();
    void runSave(const QString& output);
    void startSaveStep(const QString& program, const QStringList& arguments);
    void endSave(bool succeeded);
    bool keepsChanges(AfterSave next);
    bool confirmBootDelete(const QList<Item*>& entries);
    void fitNameColumn();

    QString m_IsoPath;
    Item* m_CurrentItem = nullptr;
    CTree m_Tree;
    ListingReader m_Listing{m_Tree};
    CFileCopy* m_FileCopy = nullptr;
    CRunCommandThread* m_ListThread = nullptr;
    CRunCommandThread* m_ExtractThread = nullptr;
    CRunCommandThread* m_CreateThread = nullptr;
    QList<FileOp> m_PendingOps;
    int m_ExtractProgress = 0;
    QStringList m_ExtractErrors;
    bool m_ExtractFailed = false;
    bool m_bStop = false;
    bool m_Exporting = false;
    CProgressDialog* m_ProgressDialog = nullptr;
    QMenu* m_Menu = nullptr;
    SCheckBoxHeaderView* m_HeaderView = nullptr;
    QString m_SavePath;
    QString m_PartialPath;
    QStringList m_SaveArguments;
    QStringList m_SaveOutput;
    QElapsedTimer m_SaveProgressShown; // when the bar last took mkisofs's value
    std::unique_ptr<WorkFolder> m_WorkFolder;
    BootLayout m_Boot;
    VolumeIdentity m_Volume;
    bool m_HasBootRecord = false; // the loaded image has a master boot record
    HybridPlan m_Hybrid;
    bool m_HybridRunning = false;
    bool m_Modified = false;
    AfterSave m_AfterSave = AfterSave::Nothing;

    CImageButton* m_LoadIso = nullptr;
    CImageButton* m_Add = nullptr;
    CImageButton* m_Export = nullptr;
    CImageButton* m_Rename = nullptr;
    CImageButton* m_Delete = nullptr;
    CImageButton* m_New = nullptr;
    CImageButton* m_Back = nullptr;
    CImageButton* m_Save = nullptr;
    CLineEdit* m_Search = nullptr;
    QTreeWidget* m_TreeWidget = nullptr;
    QTableWidget* m_List = nullptr;
};
