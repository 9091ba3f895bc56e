#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "services/Util.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"
#include "support/PickInFileDialog.h"
#include "widgets/CImageButton.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTranslator>

using namespace TestSupport;

namespace {

const QStringList kButtons{"loadiso", "add", "export_2", "rename", "delete_2", "new_2", "back", "save"};

struct PageTexts
{
    QStringList captions;
    QStringList columns;
    QString placeholder;
    QStringList menu;
};

PageTexts textsOf(CPage4* page)
{
    PageTexts texts;
    for (const QString& name : kButtons)
        texts.captions << page->findChild<CImageButton*>(name)->text();
    QTableWidget* list = EditPageDriver::table(page);
    for (int column = 0; column < list->columnCount(); ++column)
        texts.columns << list->horizontalHeaderItem(column)->text();
    texts.placeholder = page->findChild<QLineEdit*>("search")->placeholderText();
    for (QAction* entry : page->findChild<QMenu*>()->actions())
        texts.menu << entry->text();
    return texts;
}

// Lets the language change reach every widget.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Answers any dialog by closing it; counts as an answer.
ModalAnswerer::Answer closeAnything()
{
    return [](QWidget* modal) {
        QTimer::singleShot(0, modal, [modal] { modal->close(); });
        return true;
    };
}

} // namespace

class TestEditLanguage : public QObject
{
    Q_OBJECT

private:
    EditPageDriver m_Driver;
    QString m_Iso;
    QTranslator m_German;

    QAction* menuEntry(CPage4* page, int index) { return page->findChild<QMenu*>()->actions().value(index); }

private slots:
    void initTestCase()
    {
        m_Iso = EditImages::buildIsolinuxImage(freshDir("iso-language"));
        if (m_Iso.isEmpty())
            QSKIP("isolinux not installed");
        QVERIFY(m_German.load(Util::GetCurrentExePath() + "/translations/qt_de.qm"));
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_German);
        settle();
    }

    void captionsFollowTheLanguage()
    {
        CPage4* page = m_Driver.openPage();
        const PageTexts english = textsOf(page);
        QCOMPARE(english.captions,
                 (QStringList{"Load ISO", "Add", "Export", "Rename", "Delete", "New", "Back", "Save"}));
        QCOMPARE(english.columns, (QStringList{"File Name", " Size", "Type", "Time"}));
        QCOMPARE(english.placeholder, QString("Search"));
        QCOMPARE(english.menu, (QStringList{"Add(&A)", "Export(&E)", "Rename(&R)", "Delete(&D)", "New(&N)"}));

        QCoreApplication::installTranslator(&m_German);
        settle();
        const PageTexts german = textsOf(page);
        QCOMPARE(german.captions, (QStringList{"ISO laden", QString::fromUtf8("Hinzufügen"), "Exportieren",
                                               "Umbenennen", QString::fromUtf8("Löschen"), "Neu",
                                               QString::fromUtf8("Zurück"), "Speichern"}));
        QCOMPARE(german.columns, (QStringList{"Dateiname", QString::fromUtf8(" Größe"), "Typ", "Datum"}));
        QCOMPARE(german.placeholder, QString("Suchen"));
        QCOMPARE(german.menu, (QStringList{QString::fromUtf8("&Hinzufügen"), "&Exportieren", "&Umbenennen",
                                           QString::fromUtf8("&Löschen"), "&Neu"}));

        QCoreApplication::removeTranslator(&m_German);
        settle();
        const PageTexts back = textsOf(page);
        QCOMPARE(back.captions, english.captions);
        QCOMPARE(back.columns, english.columns);
        QCOMPARE(back.menu, english.menu);
    }

    // After a change of language the menu is made anew; each entry must
    // still reach its own operation, and only once.
    void retranslatedMenuKeepsItsOperations()
    {
        CPage4* page = m_Driver.openPage();
        QVERIFY(m_Driver.load(page, m_Iso));
        QCoreApplication::installTranslator(&m_German);
        settle();
        QCOMPARE(page->findChild<QMenu*>()->actions().size(), 5);

        {
            ModalAnswerer answerer({ModalAnswerer::clickButton("btnok"), closeAnything()});
            menuEntry(page, 1)->trigger();
            QCOMPARE(answerer.answered(), 1);
            QCOMPARE(answerer.lastText(),
                     QString::fromUtf8("Bitte wählen Sie zuerst Dateien oder Ordner in der Liste aus."));
        }
        EditPageDriver::tick(page, "old.txt");
        {
            ModalAnswerer answerer({ModalAnswerer::typeAndAccept("renamed.txt"), closeAnything()});
            menuEntry(page, 2)->trigger();
            QCOMPARE(answerer.answered(), 1);
        }
        QCOMPARE(EditPageDriver::rowOf(page, "old.txt"), -1);
        const int renamed = EditPageDriver::rowOf(page, "renamed.txt");
        QVERIFY(renamed >= 0);
        QVERIFY(EditPageDriver::isChecked(page, renamed));
        {
            ModalAnswerer answerer({closeAnything()});
            menuEntry(page, 3)->trigger();
            QCOMPARE(answerer.answered(), 0);
        }
        QCOMPARE(EditPageDriver::rowOf(page, "renamed.txt"), -1);

        const QString added = writeFile(freshDir("language-add") + "/added.txt", "added\n");
        {
            ModalAnswerer answerer({pickInFileDialog({added}), closeAnything()});
            menuEntry(page, 0)->trigger();
            QCOMPARE(answerer.answered(), 1);
        }
        QVERIFY(EditPageDriver::rowOf(page, "added.txt") >= 0);

        const QStringList rows = EditPageDriver::rowNames(page);
        {
            ModalAnswerer answerer({closeAnything()});
            menuEntry(page, 4)->trigger();
            QCOMPARE(answerer.answered(), 0);
        }
        QCOMPARE(EditPageDriver::rowNames(page), rows);
    }
};

QUILLMERE_TEST_MAIN(TestEditLanguage)
#include "tst_editlanguage.moc"
