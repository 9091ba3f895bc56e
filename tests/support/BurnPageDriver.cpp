#include "BurnPageDriver.h"

#include "TestSupport.h"
#include "burn/CBurnDialog.h"
#include "widgets/CImageButton.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace TestSupport;

namespace {

const char kListing[] = "macos/diskutil-list-usb-apfs.txt"; // /dev/disk2 is the USB stick

} // namespace

BurnPageDriver::BurnPageDriver()
{
    m_Window.resize(860, 580);
    m_Window.show();
    m_ImageFolder = freshDir("mounted-image");
    diskutil.onFixture("list", sharedFixture(kListing));
    drutil.onFixture("status", sharedFixture("macos/drutil-status-usb-dvd.txt"));
    hdiutil.on("mount *", {"/dev/disk9          \t                               \t" + m_ImageFolder.toUtf8() + "\n"});
    hdiutil.on("unmount *", {});
    sync.otherwise({});
    sudo.otherwise({});
    setStick(qint64(16008609792));
    FakeTool::clearJournal();
}

QByteArray BurnPageDriver::stickInfo(const QString& device, qint64 size, bool removable, const QString& mountPoint)
{
    QString info = QString::fromUtf8(readFile(sharedFixture("macos/diskutil-info-usb-partition.txt")));
    info.replace("/dev/disk3s1", device);
    info.replace(QRegularExpression("\\(\\d+ Bytes\\)"), QString("(%1 Bytes)").arg(size));
    info.replace("Mount Point:              /Volumes/yhy", "Mount Point:              " + mountPoint);
    if (!removable)
        info.replace("Removable Media:          Removable", "Removable Media:          Fixed");
    return info.toUtf8();
}

void BurnPageDriver::setStick(qint64 size, const QString& mountPoint)
{
    m_Volume = mountPoint.isEmpty() ? freshDir("Volumes") + "/NONAME" : mountPoint;
    QDir().mkpath(m_Volume);
    diskutil.on("info /dev/disk2", {stickInfo("/dev/disk2", size)});
    diskutil.on("info /dev/disk2s1", {stickInfo("/dev/disk2s1", size, true, m_Volume)});
    diskutil.on("partitionDisk *", {"Started partitioning on disk2\nFinished partitioning on disk2\n"});
    diskutil.on("unmountDisk *", {"Unmount of all volumes on disk2 was successful\n"});
}

CBurnDialog* BurnPageDriver::openPage()
{
    auto* page = new CBurnDialog(&m_Window);
    page->setParent(&m_Window);
    page->move(1, 107);
    page->show();
    return page;
}

QStringList BurnPageDriver::burnUsb(CBurnDialog* page, const QString& iso, const QList<ModalAnswerer::Answer>& answers)
{
    page->form().rusb->setChecked(true);
    FakeTool::clearJournal(); // the lists were read again
    return clickBurn(page, iso, answers);
}

QStringList BurnPageDriver::clickBurn(CBurnDialog* page, const QString& iso, const QList<ModalAnswerer::Answer>& answers)
{
    page->form().isofile->setText(iso);
    ModalAnswerer answerer(answers);
    answerer.closeUnexpected();
    QTest::mouseClick(page->form().burn, Qt::LeftButton);
    waitUntil([&] { return !page->isBurning(); }, 60000);
    return answerer.texts() + answerer.unexpected();
}

QList<ModalAnswerer::Answer> BurnPageDriver::confirmAndClose()
{
    return {ModalAnswerer::clickButton("btnok"), ModalAnswerer::clickButton("btnok")};
}

QStringList BurnPageDriver::journal()
{
    QStringList calls;
    for (const QStringList& call : FakeTool::journal())
        calls << call.join(' ');
    return calls;
}
