#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "support/CraftedImage.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"

#include <QTableWidget>

// Entries whose name on screen is not their name on disk: Delete and Rename
// say so and change nothing, and the saved image keeps them.
class TestEditHostileNames : public QObject
{
    Q_OBJECT
private slots:
    void deleteAndRenameRefuseThem_data();
    void deleteAndRenameRefuseThem();

private:
    EditPageDriver m_Driver;
};

void TestEditHostileNames::deleteAndRenameRefuseThem_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("row");
    // Saving itself changes a carriage return (Joliet gives "_") and fails
    // on bytes that are no UTF-8; only the line feed's entry is compared.
    QTest::addColumn<bool>("compareSaved");
    const QString replacement(QChar(QChar::ReplacementCharacter));
    QTest::newRow("line feed, listed as _") << QByteArray("l\nf") << "l_f" << true;
    QTest::newRow("carriage return") << QByteArray("c\rr") << "c" + replacement + "r" << false;
    QTest::newRow("not UTF-8") << QByteArray("b\xff") << "b" + replacement << false;
}

void TestEditHostileNames::deleteAndRenameRefuseThem()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, row);
    QFETCH(bool, compareSaved);
    CraftedImage image;
    image.addFile({name}, "odd\n");
    image.addFile({"keep.txt"}, "keep\n");
    const QString folder = TestSupport::freshDir("edit-hostile");
    QString error;
    QVERIFY2(image.write(folder + "/in.iso", &error), qPrintable(error));
    CPage4* page = m_Driver.openPage();
    QVERIFY(m_Driver.load(page, folder + "/in.iso"));
    QVERIFY2(EditPageDriver::rowOf(page, row) >= 0, qPrintable(EditPageDriver::rowNames(page).join('|')));
    EditPageDriver::tick(page, row);
    for (const char* action : {"OnDelete", "OnRename"}) {
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok")});
        QMetaObject::invokeMethod(page, action);
        QVERIFY(TestSupport::waitUntil([&] { return answerer.allAnswered(); }, 5000));
        QVERIFY2(answerer.lastText().contains(row), qPrintable(answerer.lastText()));
        QVERIFY(EditPageDriver::rowOf(page, row) >= 0);
    }
    if (compareSaved) {
        const QStringList before = EditImages::contentListing(folder + "/in.iso");
        m_Driver.save(page, folder + "/out.iso");
        QCOMPARE(EditImages::contentListing(folder + "/out.iso"), before);
    }
    delete page;
}

QUILLMERE_TEST_MAIN(TestEditHostileNames)
#include "tst_edithostilenames.moc"
