#pragma once

#include "FakeTool.h"
#include "ModalAnswerer.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class CPage5;

// Drives Copy Disk pages. The fakes print recorded macOS output: "drutil"
// lists the USB DVD writer /dev/disk4 and "mount" names a folder of the
// test with a blank in its name as its disc. Where a fake is left out, the
// application's own disk tools do the work. One driver per test function.
class CopyDiskPageDriver
{
public:
    enum class Tools { Fakes, RealHdiutil, RealTools };
    explicit CopyDiskPageDriver(Tools tools = Tools::Fakes);

    std::unique_ptr<FakeTool> drutil; // empty where the real tool runs
    std::unique_ptr<FakeTool> mount;
    std::unique_ptr<FakeTool> hdiutil;

    QString discFolder() const { return m_DiscFolder; }
    // The recorded mount table with this line added.
    static QByteArray mountTable(const QString& line);

    // A page inside a window the size of the home window, its drive list read.
    CPage5* openPage();
    // Puts output in the page's field, clicks Start, answers the dialogs in
    // order, closes any further one and waits for the end of the copy.
    // Returns the texts of every dialog shown, the unexpected ones last.
    QStringList copy(CPage5* page, const QString& output, const QList<ModalAnswerer::Answer>& answers);

    // "PATH SIZE" of every entry of an image as "7z l" lists it, sorted.
    static QStringList imageContent(const QString& image);

private:
    QWidget m_Window;
    QString m_DiscFolder;
};
