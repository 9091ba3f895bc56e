#include "support/TestSupport.h"

#include "widgets/CImageButton.h"
#include "widgets/ImageDialog.h"

#include <QPainter>

namespace {

QString picture(const QString& name, const QSize& size, const QColor& colour)
{
    const QString path = TestSupport::freshDir("pictures-" + name) + "/" + name + ".png";
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(path);
    return path;
}

void sendMove(QWidget* widget, const QPoint& local, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::NoButton,
                     buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

class TestImageCtrl : public QObject
{
    Q_OBJECT
private slots:
    void takesTheSizeOfItsPicture();
    void refusesPicturesOfAnotherSize();
    void refusesAMissingPicture();
    void frameStripGivesOneFrameWidth();
    void completedClickRaisesBothSignals();
    void releaseOutsideCancelsTheClick();
    void disabledShowsDisabledOrNormalPicture();
    void dialogIsDraggedOnlyWhenMoveable();
    void dialogBackgroundFixesItsSize();
};

void TestImageCtrl::takesTheSizeOfItsPicture()
{
    CImageButton button;
    QVERIFY(button.SetBackGround(":/nwu/Back1", ":/nwu/Back2", ":/nwu/Back3", QString(), "Back"));
    QCOMPARE(button.size(), QPixmap(":/nwu/Back1").size());
    QCOMPARE(button.currentPicture(), QString(":/nwu/Back1"));
}

void TestImageCtrl::refusesPicturesOfAnotherSize()
{
    CImageButton button;
    const QString a = picture("a", QSize(40, 20), Qt::red);
    const QString b = picture("b", QSize(40, 20), Qt::green);
    const QString odd = picture("odd", QSize(41, 20), Qt::blue);
    QVERIFY(button.SetBackGround(a, b, b, QString(), "first", QString(), 3));
    QVERIFY(!button.SetBackGround(b, odd, b, QString(), "second", QString(), 5));
    QCOMPARE(button.normalPicture(), a);
    QCOMPARE(button.text(), QString("first"));
    QCOMPARE(button.textStyle(), 3);
}

void TestImageCtrl::refusesAMissingPicture()
{
    CImageButton button;
    button.resize(30, 30);
    QVERIFY(!button.SetBackGround(":/nwu/no-such-picture", QString(), QString(), QString()));
    QCOMPARE(button.size(), QSize(30, 30));
    button.grab(); // painting an empty control must not fail
}

void TestImageCtrl::frameStripGivesOneFrameWidth()
{
    CImageButton button;
    button.SetBackGround(picture("strip", QSize(400, 30), Qt::gray), 4, "strip", 3);
    QCOMPARE(button.size(), QSize(100, 30));
    int frame = -1;
    button.setEnabled(false);
    button.currentPicture(&frame);
    QCOMPARE(frame, 3);
    button.SetBackGround(picture("strip3", QSize(300, 30), Qt::gray), 3, "strip", 3);
    button.currentPicture(&frame);
    QCOMPARE(frame, 0); // a strip without a disabled frame shows frame 0
}

void TestImageCtrl::completedClickRaisesBothSignals()
{
    CImageButton button;
    button.SetBackGround(":/nwu/OK1", ":/nwu/OK2", ":/nwu/OK3", QString(), "OK");
    QStringList order;
    connect(&button, qOverload<bool>(&CImageButton::clicked), [&](bool checked) {
        order << QString("clicked(%1)").arg(checked);
    });
    connect(&button, qOverload<>(&CImageButton::clicked), [&] { order << "clicked()"; });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(order, QStringList({"clicked(1)", "clicked()"}));
}

void TestImageCtrl::releaseOutsideCancelsTheClick()
{
    CImageButton button;
    button.SetBackGround(":/nwu/OK1", ":/nwu/OK2", ":/nwu/OK3", QString(), "OK");
    QSignalSpy clicks(&button, qOverload<>(&CImageButton::clicked));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    sendMove(&button, QPoint(button.width() + 20, 5), Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(button.width() + 20, 5));
    QCOMPARE(clicks.count(), 0);
}

void TestImageCtrl::disabledShowsDisabledOrNormalPicture()
{
    CImageButton plain;
    plain.SetBackGround(":/nwu/Back1", ":/nwu/Back2", ":/nwu/Back3", QString(), "Back");
    plain.setEnabled(false);
    QCOMPARE(plain.currentPicture(), QString(":/nwu/Back1"));

    CImageButton stop;
    stop.SetBackGround(":/nwu/Stop1", ":/nwu/Stop2", ":/nwu/Stop3", ":/nwu/Stop4", "Stop");
    stop.setEnabled(false);
    QCOMPARE(stop.currentPicture(), QString(":/nwu/Stop4"));
}

void TestImageCtrl::dialogIsDraggedOnlyWhenMoveable()
{
    ImageDialog dialog;
    dialog.SetBackGround(":/nwu/commdialogbg");
    dialog.move(50, 50);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto drag = [&dialog] {
        QTest::mousePress(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(100, 40));
        sendMove(&dialog, QPoint(130, 60), Qt::LeftButton);
        QTest::mouseRelease(&dialog, Qt::LeftButton, Qt::NoModifier, QPoint(130, 60));
    };
    drag();
    QCOMPARE(dialog.pos(), QPoint(50, 50));
    dialog.SetMoveable(true);
    drag();
    QCOMPARE(dialog.pos(), QPoint(80, 70));
}

void TestImageCtrl::dialogBackgroundFixesItsSize()
{
    ImageDialog dialog;
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.windowTitle(), QString("Quillmere"));
    dialog.SetBackGround(":/nwu/about_us");
    QCOMPARE(dialog.size(), QSize(595, 356));
    dialog.SetBackGround(":/nwu/no-such-picture");
    QCOMPARE(dialog.size(), QSize(595, 356));
    QCOMPARE(dialog.BackGround(), QString(":/nwu/about_us"));
}

QUILLMERE_TEST_MAIN(TestImageCtrl)
#include "tst_imagectrl.moc"
