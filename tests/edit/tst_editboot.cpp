#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/EditImages.h"
#include "support/ModalAnswerer.h"

#include <QStandardPaths>

using namespace TestSupport;

// The saved copy of an isolinux image must boot like the original: both
// reach isolinux's prompt on the serial port.
class TestEditBoot : public QObject
{
    Q_OBJECT

private slots:
    void savedCopyBootsToTheSamePrompt()
    {
        if (QStandardPaths::findExecutable("qemu-system-x86_64").isEmpty())
            QSKIP("qemu-system-x86 not installed");
        const QString dir = freshDir("editboot");
        const QString iso = EditImages::buildIsolinuxImage(dir);
        if (iso.isEmpty())
            QSKIP("isolinux not installed");

        QWidget window;
        window.resize(860, 580);
        auto* page = new CPage4;
        page->setParent(&window);
        page->InitializeUI();
        window.show();
        {
            ModalAnswerer answerer({ModalAnswerer::typePath(iso)});
            page->OnLoadISO();
            QVERIFY(waitUntil([&] { return page->isListed() && !page->isExtracting(); }, 30000));
        }
        const QString copy = dir + "/copy.iso";
        {
            ModalAnswerer answerer({ModalAnswerer::typePath(copy), ModalAnswerer::clickButton("btnok")});
            page->OnSave();
            QVERIFY(waitUntil([&] { return !page->isSaving() && answerer.allAnswered(); }, 60000));
            QVERIFY(answerer.texts().join('|').contains("Save ISO file successfully!"));
        }

        const QString prompt = "boot:";
        const QString original = EditImages::bootSerialOutput(iso, prompt, 25000);
        QVERIFY2(original.contains("ISOLINUX") && original.contains(prompt), qPrintable(original));
        const QString saved = EditImages::bootSerialOutput(copy, prompt, 25000);
        QVERIFY2(saved.contains("ISOLINUX") && saved.contains(prompt), qPrintable(saved));
    }
};

QUILLMERE_TEST_MAIN(TestEditBoot)
#include "tst_editboot.moc"
