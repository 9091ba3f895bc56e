#include "support/TestSupport.h"

#include "services/Util.h"
#include "support/ModalAnswerer.h"
#include "widgets/CFileDialog.h"
#include "widgets/CLineEdit.h"
#include "widgets/CMyComboBox.h"

#include <QAbstractItemView>
#include <QListView>
#include <QTreeView>

using namespace TestSupport;

class TestInputWidgets : public QObject
{
    Q_OBJECT
private slots:
    void imageAreaFollowsThePosition();
    void onlyNormalImageHidesWhileFocused();
    void hoverImageUnderTheCursor();
    void clicksOnTheImageAndReturnAnnounce();
    void mouseDoesNotMoveTheTextCursor();
    void comboAnnouncesLeftPressBeforeOpening();
    void fileDialogIsBuiltForSeveralEntries();
    void choosesTwoFoldersAndAFileTogether();
    void choosesSeveralFolders();
    void cancelledChoiceIsEmpty();
};

void TestInputWidgets::imageAreaFollowsThePosition()
{
    CLineEdit edit;
    edit.resize(200, 27);
    edit.SetImage(":/nwu/zoom", QString(), QString(), QPoint(7, 7));
    QCOMPARE(edit.getRect(), QRect(7, 7, 13, 13));
    edit.SetImage(":/nwu/zoom", QString(), QString(), QPoint(-20, 7));
    QCOMPARE(edit.getRect(), QRect(180, 7, 13, 13));
    edit.SetImage(":/nwu/zoom", QString(), QString(), QPoint(-20, -7));
    QCOMPARE(edit.getRect(), QRect(180, 20, 13, 13));
}

void TestInputWidgets::onlyNormalImageHidesWhileFocused()
{
    QWidget window;
    auto* edit = new CLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    edit->resize(200, 27);
    edit->SetImage(":/nwu/zoom", QString(), QString(), QPoint(7, 7));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QCOMPARE(edit->currentImage(), QString(":/nwu/zoom"));
    edit->setFocus();
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->currentImage(), QString());
    edit->SetImage(":/nwu/zoom", ":/nwu/rchecked", QString(), QPoint(7, 7));
    QCOMPARE(edit->currentImage(), QString(":/nwu/rchecked"));
}

void TestInputWidgets::hoverImageUnderTheCursor()
{
    CLineEdit edit;
    edit.resize(200, 27);
    edit.SetImage(":/nwu/zoom", ":/nwu/rchecked", ":/nwu/runchecked", QPoint(-20, 7));
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QCursor::setPos(edit.mapToGlobal(QPoint(5, 5)));
    QCOMPARE(edit.currentImage(), QString(":/nwu/zoom"));
    QCursor::setPos(edit.mapToGlobal(edit.getRect().center()));
    QCOMPARE(edit.currentImage(), QString(":/nwu/rchecked"));
}

void TestInputWidgets::clicksOnTheImageAndReturnAnnounce()
{
    CLineEdit edit;
    edit.resize(200, 27);
    edit.SetImage(":/nwu/zoom", QString(), QString(), QPoint(-20, 7));
    edit.show();
    QSignalSpy clicked(&edit, &CLineEdit::OnClicked);
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(40, 13));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, edit.getRect().center());
    QCOMPARE(clicked.count(), 1);
    QTest::keyClicks(&edit, "grub");
    QCOMPARE(edit.text(), QString("grub"));
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicked.count(), 1);
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(clicked.count(), 2);
}

void TestInputWidgets::mouseDoesNotMoveTheTextCursor()
{
    CLineEdit edit;
    edit.resize(200, 27);
    edit.setText("a long search text");
    edit.setCursorPosition(0);
    edit.show();
    QTest::mouseClick(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(120, 13));
    QCOMPARE(edit.cursorPosition(), 0);
    QTest::mousePress(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(20, 13));
    QTest::mouseMove(&edit, QPoint(150, 13));
    QTest::mouseRelease(&edit, Qt::LeftButton, Qt::NoModifier, QPoint(150, 13));
    QVERIFY(!edit.hasSelectedText());
}

void TestInputWidgets::comboAnnouncesLeftPressBeforeOpening()
{
    CMyComboBox combo;
    combo.addItems({"disk2", "disk3"});
    combo.resize(200, 25);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QList<bool> listOpenWhenAnnounced;
    connect(&combo, &CMyComboBox::dropdownclicked, [&] { listOpenWhenAnnounced << combo.view()->isVisible(); });
    QTest::mousePress(&combo, Qt::RightButton, Qt::NoModifier, QPoint(50, 12));
    QTest::mouseRelease(&combo, Qt::RightButton, Qt::NoModifier, QPoint(50, 12));
    QVERIFY(listOpenWhenAnnounced.isEmpty());
    QTest::mousePress(&combo, Qt::LeftButton, Qt::NoModifier, QPoint(50, 12));
    QCOMPARE(listOpenWhenAnnounced, QList<bool>{false});
    QVERIFY(waitUntil([&] { return combo.view()->isVisible(); }, 2000));
    combo.hidePopup();
}

void TestInputWidgets::fileDialogIsBuiltForSeveralEntries()
{
    CFileDialog withFiles(nullptr, true);
    CFileDialog foldersOnly(nullptr, false);
    QCOMPARE(int(withFiles.filter()), 0x6003);
    QCOMPARE(int(foldersOnly.filter()), 0x6001);
    QVERIFY(withFiles.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(withFiles.findChild<QListView*>("listView")->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(withFiles.findChild<QTreeView*>()->selectionMode(), QAbstractItemView::ExtendedSelection);
}

void TestInputWidgets::choosesTwoFoldersAndAFileTogether()
{
    const QString dir = freshDir("choose files");
    QDir().mkpath(dir + "/first folder");
    QDir().mkpath(dir + "/-second");
    writeFile(dir + "/notes ü.txt", "n");
    writeFile(dir + "/not chosen.txt", "x");
    const QStringList wanted{dir + "/first folder", dir + "/-second", dir + "/notes ü.txt"};
    ModalAnswerer answerer({ModalAnswerer::chooseFiles(wanted)});
    QStringList chosen = Util::GetDirsAndFilesDialog(nullptr);
    QCOMPARE(answerer.answered(), 1);
    chosen.sort();
    QStringList expected = wanted;
    expected.sort();
    QCOMPARE(chosen, expected);
}

void TestInputWidgets::choosesSeveralFolders()
{
    const QString dir = freshDir("choose folders");
    QDir().mkpath(dir + "/a");
    QDir().mkpath(dir + "/b c");
    QDir().mkpath(dir + "/d");
    const QStringList wanted{dir + "/a", dir + "/b c"};
    ModalAnswerer answerer({ModalAnswerer::chooseFiles(wanted)});
    QStringList chosen = Util::GetDirsDialog(nullptr);
    chosen.sort();
    QCOMPARE(chosen, wanted);
}

void TestInputWidgets::cancelledChoiceIsEmpty()
{
    ModalAnswerer answerer({ModalAnswerer::cancelFileDialog(), ModalAnswerer::cancelFileDialog(),
                            ModalAnswerer::cancelFileDialog()});
    QVERIFY(Util::GetDirsAndFilesDialog(nullptr).isEmpty());
    QVERIFY(Util::GetOpenFileDialog(nullptr, "Disc images (*.iso)").isEmpty());
    QVERIFY(Util::GetSaveDialog(nullptr, "Disc images (*.iso)").isEmpty());
    QCOMPARE(answerer.answered(), 3);
}

QUILLMERE_TEST_MAIN(TestInputWidgets)
#include "tst_inputwidgets.moc"
