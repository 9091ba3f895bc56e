#include "support/TestSupport.h"

#include "shell/Languages.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"
#include "widgets/CommDialog.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTranslator>

using namespace TestSupport;

namespace {

struct Text {
    const char* context;
    const char* source;
    QString translation;
};

// Builds a catalogue with the toolkit's own compiler from a small source.
void buildCatalogue(const QString& folder, const QString& code, const QList<Text>& texts)
{
    QString ts = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"" +
                 code + "\">\n";
    for (const Text& t : texts)
        ts += QString("<context><name>%1</name><message><source>%2</source><translation>%3</translation>"
                      "</message></context>\n")
                  .arg(t.context, QString(t.source).toHtmlEscaped(), t.translation.toHtmlEscaped());
    ts += "</TS>\n";
    const QString source = writeFile(folder + "/src/qt_" + code + ".ts", ts.toUtf8());
    const QString target = folder + "/translations/qt_" + code + ".qm";
    QDir().mkpath(folder + "/translations");
    int exitCode = -1;
    const QByteArray output = runTool(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lrelease",
                                      {source, "-qm", target}, &exitCode);
    if (exitCode != 0 || !QFile::exists(target))
        qFatal("lrelease failed: %s", output.constData());
}

QString caption(MainWindow& window, const char* name)
{
    return window.findChild<CImageButton*>(name)->text();
}

QAction* languageEntry(MainWindow& window, const QString& text)
{
    QMenu* help = window.menuBar()->actions().first()->menu();
    for (QAction* entry : help->actions().first()->menu()->actions())
        if (entry->text() == text)
            return entry;
    return nullptr;
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace

class TestLanguageSwitch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startupLanguageComesFromTheLocale();
    void switchRetranslatesWindowAndDialogs();
    void missingCatalogueFallsBackToTheStartupLanguage();
    void switchingToTheSameLanguageChangesNothing();
    void everySwitchSetsItsNumber();
    void menuShowsTheNewLanguageAfterItsRebuild();

private:
    QString m_Folder;
    QTranslator* m_Startup = nullptr;
};

void TestLanguageSwitch::initTestCase()
{
    m_Folder = freshDir("catalogues");
    buildCatalogue(m_Folder, "de",
                   {{"MainWindow", "Burn", "Brennen"},
                    {"MainWindow", "Extract", "Extrahieren"},
                    {"MainWindow", "Help", "Hilfe"},
                    {"CommDialog", "NO", "NEIN"},
                    {"CommDialog", "OK", "OK-de"},
                    {"CProgressDialog", "Stop", "Anhalten"}});
    // Swedish lacks some texts: those come from the start-up catalogue.
    buildCatalogue(m_Folder, "sv",
                   {{"MainWindow", "Burn", QString::fromUtf8("Bränn")},
                    {"MainWindow", "Help", QString::fromUtf8("Hjälp")},
                    {"CommDialog", "NO", "NEJ"}});
    QVERIFY(!QFile::exists(m_Folder + "/translations/qt_fr.qm"));
    Languages::setCatalogueFolder(m_Folder);
}

void TestLanguageSwitch::init()
{
    // Start-up as on a German system.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    golbalLangue = 0;
    m_Startup = new QTranslator;
    Startup::chooseLanguage(*m_Startup);
    QApplication::installTranslator(m_Startup);
}

void TestLanguageSwitch::cleanup()
{
    QApplication::removeTranslator(m_Startup);
    delete m_Startup;
    m_Startup = nullptr;
    QLocale::setDefault(QLocale::c());
    settle();
}

void TestLanguageSwitch::startupLanguageComesFromTheLocale()
{
    QCOMPARE(golbalLangue, 42);
    QVERIFY(!m_Startup->isEmpty());
    MainWindow window;
    QCOMPARE(caption(window, "burn"), QString("Brennen"));
    QCOMPARE(caption(window, "create"), QString("Create"));
}

void TestLanguageSwitch::switchRetranslatesWindowAndDialogs()
{
    MainWindow window;
    window.show();
    CommDialog message;
    auto* progress = new CProgressDialog(&window); // owned and hidden, like a page's
    QCOMPARE(message.findChild<CImageButton*>("btncancel")->text(), QString("NEIN"));

    languageEntry(window, "Svenska")->trigger();
    QCOMPARE(golbalLangue, 114);
    QCOMPARE(Languages::askpassScript(golbalLangue), QString("askpass_sv.js"));
    QCOMPARE(caption(window, "burn"), QString::fromUtf8("Bränn"));
    QCOMPARE(caption(window, "extract"), QString("Extrahieren"));
    QVERIFY(waitUntil([&] { return message.findChild<CImageButton*>("btncancel")->text() == "NEJ"; }, 2000));
    QCOMPARE(message.findChild<CImageButton*>("btnok")->text(), QString("OK-de"));
    QCOMPARE(progress->findChild<CImageButton*>("btncancel")->text(), QString("Anhalten"));
    // Dialogs made after the switch start in the new language.
    CommDialog later;
    QCOMPARE(later.findChild<CImageButton*>("btncancel")->text(), QString("NEJ"));
}

void TestLanguageSwitch::missingCatalogueFallsBackToTheStartupLanguage()
{
    MainWindow window;
    CommDialog message;
    window.onSwitzerland();
    QVERIFY(waitUntil([&] { return message.findChild<CImageButton*>("btncancel")->text() == "NEJ"; }, 2000));

    window.onFrench();
    QCOMPARE(golbalLangue, 37);
    QCOMPARE(caption(window, "burn"), QString("Brennen"));
    QCOMPARE(caption(window, "create"), QString("Create"));
    QVERIFY(waitUntil([&] { return message.findChild<CImageButton*>("btncancel")->text() == "NEIN"; }, 2000));

    window.onNetherlands();
    QCOMPARE(golbalLangue, 151);
    QCOMPARE(Languages::askpassScript(golbalLangue), QString("askpass_nl.js"));
    QCOMPARE(caption(window, "burn"), QString("Brennen"));
}

void TestLanguageSwitch::switchingToTheSameLanguageChangesNothing()
{
    MainWindow window;
    CommDialog message;
    window.onSwitzerland();
    settle();
    const QStringList before{caption(window, "burn"), caption(window, "extract"),
                             message.findChild<CImageButton*>("btncancel")->text()};
    window.onSwitzerland();
    settle();
    const QStringList after{caption(window, "burn"), caption(window, "extract"),
                            message.findChild<CImageButton*>("btncancel")->text()};
    QCOMPARE(after, before);
    QCOMPARE(golbalLangue, 114);
}

void TestLanguageSwitch::everySwitchSetsItsNumber()
{
    MainWindow window;
    const QStringList entries = QString::fromUtf8("English|中文|日本語|Français|Deutsch|Español|Português|"
                                                  "Polski|Italiano|Русский|Nederlands|Svenska").split('|');
    const QList<int> numbers{31, 25, 59, 37, 42, 111, 91, 90, 58, 96, 151, 114};
    for (int i = 0; i < entries.size(); ++i) {
        QAction* entry = languageEntry(window, entries[i]);
        QVERIFY2(entry, qPrintable(entries[i]));
        entry->trigger();
        QCOMPARE(golbalLangue, numbers[i]);
    }
}

void TestLanguageSwitch::menuShowsTheNewLanguageAfterItsRebuild()
{
    MainWindow window;
    window.show();
    QCOMPARE(window.menuBar()->actions().first()->menu()->title(), QString("Hilfe"));
    window.onSwitzerland();
    settle();
    QCOMPARE(window.menuBar()->actions().first()->menu()->title(), QString("Hilfe"));
    QTest::mouseClick(window.findChild<CImageButton*>("menu"), Qt::LeftButton);
    QMenu* rebuilt = window.menuBar()->actions().first()->menu();
    rebuilt->close();
    QCOMPARE(rebuilt->title(), QString::fromUtf8("Hjälp"));
}

QUILLMERE_TEST_MAIN(TestLanguageSwitch)
#include "tst_languageswitch.moc"
