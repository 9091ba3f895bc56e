#include "support/TestSupport.h"

#include "shell/Languages.h"
#include "shell/MainWindow.h"
#include "support/ModalAnswerer.h"
#include "shell/Startup.h"
#include "widgets/CImageButton.h"

#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void controlsSitAtTheirPlaces_data();
    void controlsSitAtTheirPlaces();
    void windowIsFixedAndTitled();
    void captionsAndStyles();
    void menuIsRebuiltOnEachClick();
    void languageMenuMarksTheCurrentLanguage_data();
    void languageMenuMarksTheCurrentLanguage();
    void helpWithoutBrowserShowsTheAddress_data();
    void helpWithoutBrowserShowsTheAddress();
    void exitShortcutClosesTheWindow();
    void windowIsDraggedByItsBackground();
    void refusesToRunFromDiskImage();
};

void TestMainWindow::controlsSitAtTheirPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("close") << "close" << QRect(10, 9, 12, 12);
    QTest::newRow("min") << "min" << QRect(30, 9, 12, 12);
    QTest::newRow("menu") << "menu" << QRect(775, 16, 28, 13);
    QTest::newRow("burn") << "burn" << QRect(40, 120, 518, 220);
    QTest::newRow("extract") << "extract" << QRect(570, 120, 249, 220);
    QTest::newRow("create") << "create" << QRect(40, 350, 252, 219);
    QTest::newRow("edit") << "edit" << QRect(307, 350, 252, 219);
    QTest::newRow("copy") << "copy" << QRect(570, 350, 249, 219);
    QTest::newRow("help") << "help" << QRect(699, 40, 46, 46);
}

void TestMainWindow::controlsSitAtTheirPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    MainWindow window;
    window.show();
    auto* control = window.findChild<CImageButton*>(name);
    QVERIFY(control);
    const QRect inWindow(control->mapTo(&window, QPoint(0, 0)), control->size());
    QCOMPARE(inWindow, geometry);
}

void TestMainWindow::windowIsFixedAndTitled()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(860, 580));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QCOMPARE(window.windowTitle(), QString("Quillmere"));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
}

void TestMainWindow::captionsAndStyles()
{
    MainWindow window;
    auto* edit = window.findChild<CImageButton*>("edit");
    QCOMPARE(edit->text(), QString("Edit"));
    QCOMPARE(edit->secondText(), QString("\n Add, delete, rename \n content in ISO file"));
    QCOMPARE(edit->textStyle(), 1);
    QCOMPARE(window.findChild<CImageButton*>("help")->textStyle(), 2);
    QCOMPARE(window.findChild<CImageButton*>("close")->textStyle(), 3);
    QCOMPARE(window.findChild<CImageButton*>("burn")->secondText(),
             QString("Make bootable USB or DVD/CD from ISO"));
}

static QMenu* helpMenu(MainWindow& window)
{
    const QList<QAction*> actions = window.menuBar()->actions();
    return actions.isEmpty() ? nullptr : actions.first()->menu();
}

void TestMainWindow::menuIsRebuiltOnEachClick()
{
    MainWindow window;
    window.show();
    QMenu* first = helpMenu(window);
    QVERIFY(first);
    QCOMPARE(first->title(), QString("Help"));
    QPointer<QMenu> firstGuard(first);

    QTest::mouseClick(window.findChild<CImageButton*>("menu"), Qt::LeftButton);
    QMenu* second = helpMenu(window);
    QVERIFY(second);
    QVERIFY(firstGuard.isNull()); // the previous menu is deleted
    second->close();

    const QList<QAction*> entries = second->actions();
    QCOMPARE(entries.size(), 5);
    QCOMPARE(entries[0]->text(), QString("Language(&L)"));
    QCOMPARE(entries[1]->text(), QString("Help(&H)"));
    QCOMPARE(entries[1]->shortcut(), QKeySequence("CTRL+H"));
    QCOMPARE(entries[2]->text(), QString("About Us(&U)"));
    QCOMPARE(entries[2]->shortcut(), QKeySequence("CTRL+U"));
    QVERIFY(entries[3]->isSeparator());
    QCOMPARE(entries[4]->text(), QString("Exit(&E)"));
    QCOMPARE(entries[4]->shortcut(), QKeySequence("CTRL+E"));

    QStringList languages;
    for (QAction* a : entries[0]->menu()->actions())
        languages << a->text();
    QCOMPARE(languages, QString::fromUtf8("English|中文|日本語|Français|Deutsch|Español|Português|Polski|"
                                          "Italiano|Русский|Nederlands|Svenska").split('|'));
}

static QStringList checkedLanguages(MainWindow& window)
{
    QStringList checked;
    for (QAction* entry : helpMenu(window)->actions().first()->menu()->actions()) {
        if (entry->isChecked())
            checked << entry->text();
    }
    return checked;
}

void TestMainWindow::languageMenuMarksTheCurrentLanguage_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("rebuild");
    // The mark moves at once, and a rebuilt menu keeps it.
    QTest::newRow("German") << "Deutsch" << false;
    QTest::newRow("Japanese, menu rebuilt") << QString::fromUtf8("日本語") << true;
    QTest::newRow("Russian") << QString::fromUtf8("Русский") << false;
    QTest::newRow("back to English, menu rebuilt") << "English" << true;
}

void TestMainWindow::languageMenuMarksTheCurrentLanguage()
{
    QFETCH(QString, entry);
    QFETCH(bool, rebuild);
    MainWindow window;
    window.show();
    QAction* chosen = nullptr;
    for (QAction* action : helpMenu(window)->actions().first()->menu()->actions()) {
        if (action->text() == entry)
            chosen = action;
    }
    QVERIFY(chosen);
    chosen->trigger();
    if (rebuild) {
        QTest::mouseClick(window.findChild<CImageButton*>("menu"), Qt::LeftButton);
        helpMenu(window)->close();
    }
    QCOMPARE(checkedLanguages(window), QStringList{entry});
    // The names stay in their own scripts whatever the interface language.
    QCOMPARE(helpMenu(window)->actions().first()->menu()->actions().at(1)->text(), QString::fromUtf8("中文"));
}

void TestMainWindow::helpWithoutBrowserShowsTheAddress_data()
{
    QTest::addColumn<bool>("browser");
    QTest::newRow("a browser opens the page") << true;
    QTest::newRow("no browser: the address is shown") << false;
}

void TestMainWindow::helpWithoutBrowserShowsTheAddress()
{
    QFETCH(bool, browser);
    UrlRecorder recorder;
    // The off-screen platform has no browser; a handler stands in for one.
    if (browser)
        QDesktopServices::setUrlHandler("https", &recorder, "open");
    MainWindow window;
    window.show();
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok")});
    QTest::mouseClick(window.findChild<CImageButton*>("help"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    if (browser) {
        QCOMPARE(recorder.urls, QList<QUrl>{QUrl("https://quillmere.app/help")});
        QCOMPARE(answerer.answered(), 0);
    } else {
        QCOMPARE(answerer.answered(), 1);
        QVERIFY2(answerer.lastText().contains("https://quillmere.app/help"), qPrintable(answerer.lastText()));
    }
}

void TestMainWindow::exitShortcutClosesTheWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(TestSupport::waitUntil([&] { return !window.isVisible(); }, 2000));
}

void TestMainWindow::windowIsDraggedByItsBackground()
{
    MainWindow window;
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* background = window.centralWidget();
    const QPoint start(300, 90); // a free spot of the title band
    QTest::mousePress(background, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(40, 25)),
                     QPointF(background->mapToGlobal(start + QPoint(40, 25))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(background, &move);
    QTest::mouseRelease(background, Qt::LeftButton, Qt::NoModifier, start + QPoint(40, 25));
    QCOMPARE(window.pos(), QPoint(140, 125));
}

void TestMainWindow::refusesToRunFromDiskImage()
{
    QVERIFY(Startup::isOnDiskImage("/Volumes/Quillmere/Quillmere.app/Contents/MacOS"));
    QVERIFY(Startup::isOnDiskImage("/Volumes"));
    QVERIFY(!Startup::isOnDiskImage("/volumes/Quillmere"));
    QVERIFY(!Startup::isOnDiskImage("/Applications/Quillmere.app/Contents/MacOS"));
}

QUILLMERE_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
