// extract/: the Extract page (CPage2) and what only it needs.
// May include services/, model/ and widgets/; never another page's folder.
#pragma once

#include "model/CTree.h"
#include "extract/ReplaceChoices.h"
#include "model/ListingReader.h"
#include "widgets/ImageDialog.h"

#include <QStringList>
#include <QTemporaryFile>
#include <memory>

class CProgressDialog;
class ExtractArguments;
class CRunCommandThread;
class ExtractPageForm;
class QMenu;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
class SCheckBoxHeaderView;

// The Extract page: lists an ISO image with the archive tool, shows it as a
// folder tree and a table of the current folder, and extracts the ticked
// entries of that folder to the top of a folder the user chooses.
class CPage2 : public ImageDialog
{
    Q_OBJECT
public:
    explicit CPage2(QWidget* parent = nullptr);
    ~CPage2() override;

    virtual void InitializeUI();
    virtual void RefreshTable();
    virtual void LoadFiles(Item* item, QTreeWidget* widget, QTreeWidgetItem* parent);

    // The row below node (node itself first) that carries item.
    static QTreeWidgetItem* GetTreeWidgetItemByData(QTreeWidgetItem* node, Item* item);

    // Lists the image at path; false, with nothing changed, when there is
    // no such file.
    bool OpenImage(const QString& path);

    // For tests and the screenshot tool.
    CTree& tree() { return m_Tree; }
    Item* currentItem() const { return m_CurrentItem; }
    CProgressDialog* progressDialog() const { return m_ProgressDialog; }
    QMenu* menu() const { return m_Menu; }
    bool isListing() const { return m_ListThread != nullptr; }
    bool isExtracting() const { return m_ExtractThread != nullptr; }
    QString isoPath() const { return m_IsoPath; }

public slots:
    virtual void OnLoadISO();
    virtual void OnBack();
    virtual void OnExtract();
    virtual void OnStopExtract();
    virtual void OnUnzipFinished();
    virtual void OnLineOutput(QString line);
    virtual void OnTreeCurrentChanged();
    virtual void OnListViewDoubleClicked();
    virtual void OnListContextMenuRequest(QPoint pos);
    virtual void OnExtractOutput(QString line);
    virtual void OnExtractFinished();
    virtual void RefreshTreeWidget();
    void OnListViewClicked(QTableWidgetItem* pItem);
    void slotSelectAll(bool bChecked);
    void updateUI();

signals:
    // Raised when a listing run has ended, complete or not.
    void listingEnded(bool complete);
    // Raised when an extraction run has been dealt with, after its notice.
    void extractionEnded(bool succeeded);

protected:
    void changeEvent(QEvent* qe) override;

private slots:
    void OnListingOutput(const QByteArray& bytes);
    void OnListingProcessEnded();

private:
    void StartListing(const QString& isoPath);
    void SetListingBusy(bool busy);
    void ClearViews();
    bool StartExtraction(const QString& destination);
    bool askAboutSameNamedFiles(const QList<const Item*>& entries, const QString& destination);
    void FinishExtraction(bool succeeded, const QString& failure, const QStringList& kept = {});
    void excludeStrayEntries(const Item& folder, ExtractArguments& arguments);
    static bool writeListFile(QTemporaryFile* file, const QByteArray& text);

    ExtractPageForm* ui = nullptr;
    Item* m_CurrentItem = nullptr;
    QString m_IsoPath;
    QString m_DestDir;
    QString m_CurrentPrefix;
    QStringList m_SelectedNames;
    QString m_StagingDir;
    QStringList m_ExtractErrors;
    // Ticked entries left out of the run (Item::CanBeHandled).
    QStringList m_Refused;
    // What the user chose for files the destination already holds.
    ReplaceChoices m_ReplaceChoices;
    // The entries named to the tool, for the run's length.
    std::unique_ptr<QTemporaryFile> m_ListFile;
    std::unique_ptr<QTemporaryFile> m_ExcludeFile;
    CProgressDialog* m_ProgressDialog = nullptr;
    CRunCommandThread* m_ExtractThread = nullptr;
    CRunCommandThread* m_ListThread = nullptr;
    QMenu* m_Menu = nullptr;
    SCheckBoxHeaderView* m_HeaderView = nullptr;
    bool m_bInListing = false;
    CTree m_Tree;
    ListingReader m_Listing{m_Tree};
};
