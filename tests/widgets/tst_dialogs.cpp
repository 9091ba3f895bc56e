#include "support/TestSupport.h"

#include "services/Util.h"
#include "shell/MainWindow.h"
#include "support/ModalAnswerer.h"
#include "widgets/CAboutusDialog.h"
#include "widgets/CImageButton.h"
#include "widgets/CInputDialog.h"
#include "widgets/CommDialog.h"
#include "widgets/CProgressDialog.h"
#include "widgets/GerneralDialog.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

// Records the addresses handed to the desktop instead of opening them.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

namespace {

CImageButton* button(QWidget* dialog, const char* name)
{
    return dialog->findChild<CImageButton*>(name);
}

QRect geometryOf(QWidget* dialog, const char* name)
{
    QWidget* child = dialog->findChild<QWidget*>(name);
    return child ? child->geometry() : QRect();
}

// Runs one answer against the dialog that exec() shows.
ModalAnswerer::Answer inspectThenClick(std::function<void(QWidget*)> inspect, const QString& buttonName)
{
    return [inspect, buttonName](QWidget* modal) {
        inspect(modal);
        return ModalAnswerer::clickButton(buttonName)(modal);
    };
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void messageDialogLayout();
    void messageButtonsGiveTheirResults_data();
    void messageButtonsGiveTheirResults();
    void showErrorWrapsAndCentresOk();
    void showOpenStaysOpenAfterOpeningTheFolder();
    void showChooseReturnsTheAnswer();
    void inputIsTrimmedAndSelected();
    void inputIsTypedAndConfirmedWithReturn();
    void noticePlacesItsButtons();
    void noticeButtonsEndIt();
    void aboutDialogShowsProductAndSite();
    void aboutEntryOpensTheAboutDialog();
    void dialogsOfAPageAreWindowsOverIt();

private:
    UrlRecorder m_Recorder;
};

void TestDialogs::init()
{
    m_Recorder.urls.clear();
    QDesktopServices::setUrlHandler("file", &m_Recorder, "open");
    QDesktopServices::setUrlHandler("https", &m_Recorder, "open");
}

void TestDialogs::cleanup()
{
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
}

void TestDialogs::messageDialogLayout()
{
    CommDialog dialog;
    QCOMPARE(dialog.size(), QSize(420, 188));
    QCOMPARE(dialog.windowTitle(), QString("Quillmere"));
    QVERIFY(dialog.isModal());
    QVERIFY(dialog.IsMoveable());
    QCOMPARE(dialog.BackGround(), QString(":/nwu/commdialogbg"));
    QCOMPARE(geometryOf(&dialog, "btnok"), QRect(80, 140, 91, 21));
    QCOMPARE(geometryOf(&dialog, "btncancel"), QRect(260, 140, 91, 21));
    QCOMPARE(geometryOf(&dialog, "btnclose").topLeft(), QPoint(5, 5));
    QCOMPARE(geometryOf(&dialog, "label"), QRect(40, 70, 351, 61));
    QCOMPARE(button(&dialog, "btnok")->text(), QString("OK"));
    QCOMPARE(button(&dialog, "btnok")->normalPicture(), QString(":/nwu/OK1"));
    QCOMPARE(button(&dialog, "btncancel")->text(), QString("NO"));
    QCOMPARE(button(&dialog, "btncancel")->normalPicture(), QString(":/nwu/NO_1"));
    QCOMPARE(button(&dialog, "btnclose")->normalPicture(), QString(":/nwu/osxclose1"));
    auto* label = dialog.findChild<QLabel*>("label");
    QCOMPARE(label->styleSheet(), QString("font:13px;\ncolor:#606060;"));
    QVERIFY(!label->wordWrap());
    dialog.SetText("Some text");
    QCOMPARE(label->text(), QString("Some text"));
}

void TestDialogs::messageButtonsGiveTheirResults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "btnok" << 1;
    QTest::newRow("NO") << "btncancel" << 0;
    QTest::newRow("close") << "btnclose" << 0;
}

void TestDialogs::messageButtonsGiveTheirResults()
{
    QFETCH(QString, name);
    QFETCH(int, result);
    CommDialog dialog;
    dialog.SetText("Continue?");
    ModalAnswerer answerer({ModalAnswerer::clickButton(name, "CommDialog")});
    QCOMPARE(dialog.exec(), result);
    QCOMPARE(answerer.lastText(), QString("Continue?"));
}

void TestDialogs::showErrorWrapsAndCentresOk()
{
    bool wraps = false;
    bool cancelVisible = true;
    QPoint okPosition;
    ModalAnswerer answerer({inspectThenClick(
        [&](QWidget* modal) {
            wraps = modal->findChild<QLabel*>("label")->wordWrap();
            cancelVisible = button(modal, "btncancel")->isVisible();
            okPosition = button(modal, "btnok")->pos();
        },
        "btnok")});
    Util::ShowError("The image could not be read. Choose another file.");
    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(answerer.lastText(), QString("The image could not be read. Choose another file."));
    QVERIFY(wraps);
    QVERIFY(!cancelVisible);
    QCOMPARE(okPosition, QPoint((420 - 91) / 2, 140));
}

void TestDialogs::showOpenStaysOpenAfterOpeningTheFolder()
{
    const QString folder = TestSupport::freshDir("open me #1 'ä'");
    QString caption;
    QWidget* first = nullptr;
    bool stillOpen = false;
    ModalAnswerer answerer;
    answerer.add(inspectThenClick(
        [&](QWidget* modal) {
            first = modal;
            caption = button(modal, "btncancel")->text();
        },
        "btncancel"));
    answerer.add([&](QWidget* modal) {
        if (m_Recorder.urls.isEmpty())
            return false;
        stillOpen = modal == first && modal->isVisible();
        return ModalAnswerer::clickButton("btnok")(modal);
    });
    Util::ShowOpen("The files were extracted.", folder);
    QCOMPARE(answerer.answered(), 2);
    QCOMPARE(caption, QString("Open Folder"));
    QVERIFY(stillOpen);
    QCOMPARE(m_Recorder.urls, QList<QUrl>{QUrl::fromLocalFile(folder)});
    QCOMPARE(m_Recorder.urls.first().toLocalFile(), folder);
}

void TestDialogs::showChooseReturnsTheAnswer()
{
    QString background;
    bool wraps = false;
    ModalAnswerer answerer({inspectThenClick(
                                [&](QWidget* modal) {
                                    background = static_cast<CommDialog*>(modal)->BackGround();
                                    wraps = modal->findChild<QLabel*>("label")->wordWrap();
                                },
                                "btnok"),
                            ModalAnswerer::clickButton("btncancel"), ModalAnswerer::clickButton("btnclose")});
    QCOMPARE(Util::ShowChoose(":/nwu/format_usb", "Erase the drive?"), 1);
    QCOMPARE(background, QString(":/nwu/format_usb"));
    QVERIFY(wraps);
    QCOMPARE(Util::ShowChoose(":/nwu/format_usb", "Erase the drive?"), 0);
    QCOMPARE(Util::ShowChoose(":/nwu/format_usb", "Erase the drive?"), 0);
}

void TestDialogs::inputIsTrimmedAndSelected()
{
    CInputDialog dialog;
    auto* edit = dialog.findChild<QLineEdit*>();
    QVERIFY(edit);
    QCOMPARE(edit->geometry(), QRect(40, 100, 360, 20));
    QCOMPARE(geometryOf(&dialog, "label"), QRect(40, 60, 340, 25));
    QCOMPARE(dialog.text(), QString("Please input the name:"));
    dialog.SetInput("  new folder  ");
    QCOMPARE(edit->text(), QString("new folder"));
    QCOMPARE(edit->selectedText(), QString("new folder"));
    edit->setText("  x  ");
    QCOMPARE(dialog.GetInput(), QString("x"));
}

void TestDialogs::inputIsTypedAndConfirmedWithReturn()
{
    CInputDialog dialog;
    dialog.SetInput("old");
    ModalAnswerer answerer({[](QWidget* modal) {
        auto* edit = modal->findChild<QLineEdit*>();
        QTimer::singleShot(0, edit, [edit] {
            // Typing replaces the selected old name.
            QTest::keyClicks(edit, "  My data ");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        return true;
    }});
    QCOMPARE(dialog.exec(), 1);
    QCOMPARE(dialog.GetInput(), QString("My data"));

    ModalAnswerer cancel({ModalAnswerer::clickButton("btncancel")});
    QCOMPARE(dialog.exec(), 0);
}

void TestDialogs::noticePlacesItsButtons()
{
    GerneralDialog dialog;
    QCOMPARE(dialog.size(), QSize(400, 300));
    QCOMPARE(geometryOf(&dialog, "label"), QRect(60, 40, 301, 101));
    dialog.SetBackGround(":/nwu/insert_usb", "Please insert a USB drive.");
    auto* label = dialog.findChild<QLabel*>("label");
    QVERIFY(label->wordWrap());
    QCOMPARE(label->font().pixelSize(), 12);
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(83, 81, 81));
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(geometryOf(&dialog, "btnclose").topLeft(), QPoint(5, 5));
    dialog.AddOK(123, 0);
    QCOMPARE(button(&dialog, "btnok")->size(), QSize(100, 30));
    QCOMPARE(button(&dialog, "btnok")->pos(), QPoint(150, 133));
    QCOMPARE(button(&dialog, "btnok")->text(), QString("OK"));
    dialog.AddNo(123, 220);
    QCOMPARE(button(&dialog, "btncancel")->pos(), QPoint(220, 133));
    QCOMPARE(button(&dialog, "btncancel")->text(), QString("NO"));
}

void TestDialogs::noticeButtonsEndIt()
{
    const QStringList names{"btnok", "btncancel", "btnclose"};
    const QList<int> results{1, 0, 0};
    for (int i = 0; i < names.size(); ++i) {
        GerneralDialog dialog;
        dialog.SetBackGround(":/nwu/burn-fails", "Burning failed.");
        dialog.AddOK(123, 60);
        dialog.AddNo(123, 240);
        dialog.show();
        ModalAnswerer answerer({ModalAnswerer::clickButton(names[i], "GerneralDialog")});
        QCOMPARE(dialog.exec(), results[i]);
        QVERIFY(!dialog.isVisible());
    }
}

void TestDialogs::aboutDialogShowsProductAndSite()
{
    CAboutusDialog dialog;
    QCOMPARE(dialog.size(), QSize(595, 356));
    QCOMPARE(dialog.windowTitle(), QString("About Quillmere"));
    QCOMPARE(dialog.BackGround(), QString(":/nwu/about_us"));
    QVERIFY(dialog.IsMoveable());
    QVERIFY(button(&dialog, "close"));
    for (const char* name : {"label_first", "label_rights", "label_url"}) {
        auto* label = dialog.findChild<QLabel*>(name);
        QVERIFY2(label, name);
        QVERIFY(!label->text().isEmpty());
        QCOMPARE(label->styleSheet(), QString("QLabel { color : black; background-color : white; }"));
    }
    QVERIFY(dialog.findChild<QLabel*>("label_first")->wordWrap());
    QCOMPARE(dialog.findChild<QLabel*>("label_first")->font().family(), QString("Microsoft YaHei"));
    auto* url = dialog.findChild<QLabel*>("label_url");
    QVERIFY(url->text().startsWith("Please visit offical site: "));
    QVERIFY(url->text().contains("https://quillmere.app"));
    QCOMPARE(dialog.findChild<QLabel*>("label_version")->text(), QString("Version " QUILLMERE_VERSION));
    emit url->linkActivated("https://quillmere.app");
    QCOMPARE(m_Recorder.urls, QList<QUrl>{QUrl("https://quillmere.app")});
    // Without a browser the address is shown instead.
    QDesktopServices::unsetUrlHandler("https");
    {
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "CommDialog")});
        emit url->linkActivated("https://quillmere.app");
        QVERIFY(answerer.allAnswered());
        QVERIFY(answerer.lastText().contains("https://quillmere.app"));
    }
    dialog.show();
    QTest::mouseClick(button(&dialog, "close"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

void TestDialogs::aboutEntryOpensTheAboutDialog()
{
    MainWindow window;
    window.show();
    QString className;
    bool hasParent = true;
    ModalAnswerer answerer({inspectThenClick(
        [&](QWidget* modal) {
            className = modal->metaObject()->className();
            hasParent = modal->parentWidget() != nullptr;
        },
        "close")});
    QAction* entry = nullptr;
    for (QAction* action : window.menuBar()->actions().first()->menu()->actions())
        if (action->text() == "About Us(&U)")
            entry = action;
    QVERIFY(entry);
    entry->trigger();
    QCOMPARE(answerer.answered(), 1);
    QCOMPARE(className, QString("CAboutusDialog"));
    QVERIFY(!hasParent);
}

void TestDialogs::dialogsOfAPageAreWindowsOverIt()
{
    QWidget mainWindow;
    auto* page = new ImageDialog(&mainWindow);
    page->setParent(&mainWindow); // embedded, as the home window does with its pages
    QVERIFY(!page->isWindow());
    GerneralDialog notice(page);
    CommDialog message(page);
    CInputDialog input(page);
    auto* progress = new CProgressDialog(page);
    for (QWidget* dialog : QList<QWidget*>{&notice, &message, &input, progress}) {
        QVERIFY2(dialog->isWindow(), dialog->metaObject()->className());
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(dialog->parentWidget(), page);
    }
    notice.SetBackGround(":/nwu/select_files_extract", "Please select files to extract.");
    notice.AddOK(123, 0);
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "GerneralDialog")});
    notice.show();
    QCOMPARE(notice.exec(), 1);
}

QUILLMERE_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
