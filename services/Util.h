#pragma once

#include <QDateTime>
#include <QIcon>
#include <QMap>
#include <QString>
#include <QStringList>
#include <atomic>

class QDataStream;
struct FileReport;
class QWidget;

// Static services shared by every page: application folders, the log,
// short shell calls, file and dialog utilities, the boot image reader.
// The implementation is split by concern over several files:
//   Util.cpp          folders, log, short commands, cursor
//   UtilDialogs.cpp   file dialogs and message boxes
//   UtilFiles.cpp     copying, removing and measuring files and folders
//   UtilText.cpp      size and time texts
//   UtilIcons.cpp     per-extension icons and type names
//   UtilDisk.cpp      disk size and mount point queries, file manager
//   edit/UtilBoot.cpp El Torito boot image extraction
class Util
{
public:
    // Folders, log and short commands.
    static QString GetCurrentExePath();
    static QString GetTempDir();
    static void WriteLog(const QString& message);
    // True while the log's switch file exists; callers that write many
    // lines at once ask once and skip WriteLog when it is off.
    static bool IsLogEnabled();
    // exitCode, when given, receives the program's exit code (-1 when it
    // could not start or crashed).
    static QString callexternapp(const QString& program, const QString& arguments, int* exitCode = nullptr);
    static bool WriteMulLinesToFile(const QStringList& lines, const QString& path);
    static void SetCursorBusy();
    static void RestoreCursor();
    static QString& UserFolder();

    // File dialogs (empty result when cancelled).
    static QString GetOpenFileDialog(QWidget* parent, const QString& filter);
    static QStringList GetOpenFilesDialog(QWidget* parent);
    static QString GetDirDialog(QWidget* parent);
    static QStringList GetDirsDialog(QWidget* parent);
    static QStringList GetDirsAndFilesDialog(QWidget* parent);
    static QString GetSaveDialog(QWidget* parent, const QString& filter);

    // Message boxes.
    static void ShowError(const QString& text);
    static void ShowOpen(const QString& text, const QString& folder);
    static int ShowChoose(const QString& image, const QString& text);

    // Files, folders and disks.
    static bool IsFileExists(const QString& path);
    static void RemoveFile(const QString& path);
    static void RemoveDir(const QString& path, bool unused = false);
    // Makes a folder of the program's own (data, working folders) that only
    // the user can enter: created 0700, and one the user owns is narrowed
    // to 0700. False when it is no folder.
    static bool MakePrivateFolder(const QString& path);
    // The copies write each chunk to the report's counter (copyedsize
    // without one) and note there the first path that failed and why. A
    // folder copy goes on past a failing entry and returns false at the end.
    static bool FileCopy(const QString& source, const QString& destination, FileReport* report = nullptr);
    static bool DirCopy(const QString& source, const QString& destination, FileReport* report = nullptr);
    static bool DirCopy2(const QString& source, const QString& destination, FileReport* report = nullptr);
    static qint64 DirSize(const QString& path);
    // The output of "diskutil info DEVICE" (Latin-1, up to the first zero
    // byte); empty when it could not run or did not end within 30 s.
    static QString DiskInfo(const QString& device);
    static qint64 DiskSpaceTotal(const QString& device);
    static QString GetMountPoint(const QString& device);
    static void OpenExplorer(QWidget* parent, const QString& path);

    // Texts and icons.
    static QString QT2String(const QDateTime& time);
    static QString SizeToString(qint64 bytes);
    static QString ReplaceBlank(const QString& text);
    static QIcon GetExtensionIcon(const QString& name);
    static QString GetExtensionString(const QString& name);
    static QString Extension(const QString& name);

    // El Torito boot image.
    static bool BootExtract(const QString& isoPath, const QString& outPath);
    static void ProcessEntry(QString& outPath, QDataStream& stream, unsigned char* entry);
    static int Read(QDataStream& stream, int offset, int size, void* buffer);
    static void WriteData(QString& path, void* data, int size);

    // Bytes written since the last reset by copies made without a report
    // of their own; each CFileCopy counts its tasks' bytes itself.
    static std::atomic<qint64> copyedsize;
    static QMap<QString, QIcon> m_Icons;
    static QMap<QString, QString> m_Types;
};
