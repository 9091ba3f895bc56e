#include "CopyDiskPageDriver.h"

#include "TestSupport.h"
#include "copydisk/CPage5.h"
#include "services/Util.h"
#include "widgets/CImageButton.h"

#include <QFile>
#include <QLineEdit>

using namespace TestSupport;

namespace {

// The application's disk tools, on PATH behind the fakes.
void putDiskToolsOnPath()
{
    const QByteArray tools = QFile::encodeName(Util::GetCurrentExePath() + "/disktools");
    const QByteArray fakes = QFile::encodeName(FakeTool::folder()) + ":";
    QByteArray path = qgetenv("PATH");
    if (!path.split(':').contains(tools))
        qputenv("PATH", path.startsWith(fakes) ? fakes + tools + ":" + path.mid(fakes.size()) : tools + ":" + path);
}

} // namespace

CopyDiskPageDriver::CopyDiskPageDriver(Tools tools)
{
    putDiskToolsOnPath();
    m_Window.resize(860, 580);
    m_Window.show();
    m_DiscFolder = freshDir("Volumes") + "/MY DISC";
    writeFile(m_DiscFolder + "/README.TXT", "read me\n");
    writeFile(m_DiscFolder + "/setup/data.bin", QByteArray(300000, 'd'));
    if (tools != Tools::RealTools) {
        drutil = std::make_unique<FakeTool>("drutil");
        drutil->onFixture("status", sharedFixture("macos/drutil-status-usb-dvd.txt"));
        mount = std::make_unique<FakeTool>("mount");
        mount->on("", {mountTable("/dev/disk4 on " + m_DiscFolder + " (cd9660, local, nodev, nosuid, read-only)\n")});
    }
    if (tools == Tools::Fakes)
        hdiutil = std::make_unique<FakeTool>("hdiutil");
}

QByteArray CopyDiskPageDriver::mountTable(const QString& line)
{
    return readFile(sharedFixture("macos/mount-cd-and-system.txt")) + line.toUtf8();
}

CPage5* CopyDiskPageDriver::openPage()
{
    auto* page = new CPage5(&m_Window);
    page->move(1, 107);
    page->show();
    waitUntil([page] { return !page->isListing(); });
    return page;
}

QStringList CopyDiskPageDriver::copy(CPage5* page, const QString& output, const QList<ModalAnswerer::Answer>& answers)
{
    page->form().lineEdit->setText(output);
    ModalAnswerer answerer(answers);
    answerer.closeUnexpected();
    QTest::mouseClick(page->form().start, Qt::LeftButton);
    waitUntil([&] { return !page->isCopying() && answerer.allAnswered(); }, 60000);
    waitUntil([] { return !QApplication::activeModalWidget(); }, 2000);
    return answerer.texts() + answerer.unexpected();
}

QStringList CopyDiskPageDriver::imageContent(const QString& image)
{
    QStringList content;
    QString path;
    for (const QString& line : QString::fromUtf8(runTool("7z", {"l", "-slt", image})).split('\n')) {
        if (line.startsWith("Path = "))
            path = line.mid(7);
        else if (line.startsWith("Size = ") && path != image)
            content << (path + " " + line.mid(7)).trimmed();
    }
    content.sort();
    return content;
}
