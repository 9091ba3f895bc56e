#include "support/OwnAppFolder.h"

#include "edit/CPage4.h"
#include "services/IsohybridTool.h"
#include "support/BurnImages.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"

#include <QStandardPaths>

using namespace TestSupport;

namespace {
const QString kIpxe = "/usr/lib/ipxe/ipxe.iso";
const QString kPrompt = "boot:";
} // namespace

// An image that boots from a USB stick (a master boot record, often a GPT,
// in its first sectors) is saved as one that does too, booted here in QEMU
// as a hard disk; an image that did not stays without. Runs in a folder of
// its own: one row puts a failing isohybrid in the place of the real one.
class TestEditHybrid : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Dir;
    QMap<QString, QString> m_Images;

    // True when the image boots as a hard disk: isolinux's prompt on the
    // serial port, or iPXE, which only prints to the screen, in its DHCP
    // request.
    static bool bootsAsHardDisk(const QString& iso, bool ipxe)
    {
        if (ipxe)
            return BurnImages::bootSends(iso, "iPXE", 60000);
        const QString serial = EditImages::bootSerialOutput(iso, kPrompt, 25000, true);
        return serial.contains("ISOLINUX") && serial.contains(kPrompt);
    }

private slots:
    void initTestCase()
    {
        m_Dir = freshDir("edithybrid");
        m_Images["plain"] = EditImages::buildIsolinuxImage(freshDir("hybrid-plain"));
        m_Images["bios"] = EditImages::makeHybrid(EditImages::buildIsolinuxImage(freshDir("hybrid-bios")), false);
        m_Images["uefi"] = EditImages::makeHybrid(EditImages::buildIsolinuxUefiImage(freshDir("hybrid-uefi")), true);
        m_Images["ipxe"] = QFile::exists(kIpxe) ? kIpxe : QString();
    }

    void copyBootsAsTheOriginalDoes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("summary"); // the copy's system area, as xorriso sums it up
        QTest::newRow("not hybrid: stays so") << "plain" << "";
        QTest::newRow("isolinux hybrid") << "bios" << "MBR isohybrid cyl-align-on";
        QTest::newRow("isolinux hybrid with GPT and UEFI entry") << "uefi" << "MBR isohybrid cyl-align-on GPT";
        // ipxe.iso's own record has no GPT; the copy gets one for its UEFI entry.
        QTest::newRow("ipxe.iso") << "ipxe" << "MBR isohybrid cyl-align-on GPT";
    }

    void copyBootsAsTheOriginalDoes()
    {
        QFETCH(QString, name);
        QFETCH(QString, summary);
        const QString iso = m_Images.value(name);
        if (iso.isEmpty())
            QSKIP("isolinux, syslinux-utils or ipxe is not installed");
        if (!BurnImages::qemuMissing(false).isEmpty())
            QSKIP(qPrintable(BurnImages::qemuMissing(false)));
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, iso));
        const QString copy = m_Dir + "/" + name + "-copy.iso";
        QVERIFY(m_Driver.save(page, copy).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::systemAreaSummary(copy), summary);
        if (name != "ipxe")
            QCOMPARE(EditImages::systemAreaSummary(copy), EditImages::systemAreaSummary(iso));
        const bool hybrid = !summary.isEmpty();
        QCOMPARE(bootsAsHardDisk(iso, name == "ipxe"), hybrid);
        QCOMPARE(bootsAsHardDisk(copy, name == "ipxe"), hybrid);
    }

    // An image whose first boot entry is gone or not isolinux is saved
    // without a record, as before.
    void copyWithoutIsolinuxIsSaved()
    {
        const QString iso = m_Images.value("bios");
        if (iso.isEmpty())
            QSKIP("isolinux or syslinux-utils is not installed");
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, iso));
        EditPageDriver::tick(page, "isolinux");
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "CommDialog")});
        page->OnDelete();
        QVERIFY(waitUntil([&] { return answerer.allAnswered(); }));
        const QString copy = m_Dir + "/without-isolinux.iso";
        QVERIFY(m_Driver.save(page, copy).join('|').contains("Save ISO file successfully!"));
        QCOMPARE(EditImages::systemAreaSummary(copy), QString());
    }

    void failedRecordFailsTheSave()
    {
        const QString iso = m_Images.value("bios");
        if (iso.isEmpty())
            QSKIP("isolinux or syslinux-utils is not installed");
        const QString tool = IsohybridTool::program();
        const QString real = QFileInfo(tool).canonicalFilePath();
        QVERIFY(QFile::remove(tool));
        writeFile(tool, "#!/bin/sh\necho \"isohybrid: $1: could not write the boot record\" >&2\nexit 1\n");
        QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, iso));
        const QString copy = m_Dir + "/failed.iso";
        const QStringList texts = m_Driver.save(page, copy);
        QFile::remove(tool);
        QFile::link(real, tool);
        const QString shown = texts.join('|');
        QVERIFY2(!shown.contains("successfully"), qPrintable(shown));
        QVERIFY2(shown.contains("could not write the boot record") && shown.contains("USB stick"), qPrintable(shown));
        QVERIFY(!QFileInfo::exists(copy));
        QVERIFY(!QFileInfo::exists(copy + ".part"));
    }
};

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestEditHybrid)
#include "tst_edithybrid.moc"
