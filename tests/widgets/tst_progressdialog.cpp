#include "support/TestSupport.h"

#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"

#include <QLabel>
#include <QProgressBar>

class TestProgressDialog : public QObject
{
    Q_OBJECT
private slots:
    void layout();
    void percentText_data();
    void percentText();
    void valuesOutsideTheRangeStayWithinIt();
    void busyBarShowsZero();
    void completeAtTheMaximum();
    void stopHidesAndAsksToCancel();
    void disabledStopDoesNothing();
};

void TestProgressDialog::layout()
{
    CProgressDialog dialog;
    QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
    dialog.show();
    QVERIFY(!dialog.findChild<CImageButton*>("btnclose")->isVisible());
    QVERIFY(!dialog.findChild<CImageButton*>("btnok")->isVisible());
    auto* stop = dialog.findChild<CImageButton*>("btncancel");
    QVERIFY(stop->isVisible());
    QCOMPARE(stop->pos(), QPoint(325, 140));
    QCOMPARE(stop->text(), QString("Stop"));
    QCOMPARE(stop->normalPicture(), QString(":/nwu/Stop1"));
    auto* bar = dialog.findChild<QProgressBar*>();
    QCOMPARE(bar->geometry(), QRect(40, 100, 360, 20));
    QCOMPARE(bar->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(bar->styleSheet().contains("QProgressBar::chunk { border: none; background: rgb(0, 160, 230); }"));
    QCOMPARE(dialog.findChild<QLabel*>("label")->geometry(), QRect(40, 60, 340, 25));
    dialog.SetText("Extracting files...");
    QCOMPARE(dialog.text(), QString("Extracting files..."));
}

void TestProgressDialog::percentText_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole percent") << 0 << 100 << 45 << "45%";
    QTest::newRow("full") << 0 << 100 << 100 << "100%";
    QTest::newRow("a third") << 0 << 3 << 1 << "33.33%";
    QTest::newRow("hundredths") << 0 << 10000 << 1234 << "12.34%";
    QTest::newRow("tenth keeps two decimals") << 0 << 10000 << 1250 << "12.50%";
    QTest::newRow("offset range") << 100 << 200 << 150 << "50%";
    QTest::newRow("empty") << 0 << 100 << 0 << "0%";
}

void TestProgressDialog::percentText()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, value);
    QFETCH(QString, text);
    CProgressDialog dialog;
    dialog.SetRange(minimum, maximum);
    dialog.SetValue(value);
    QCOMPARE(dialog.progressText(), text);
    QCOMPARE(dialog.findChild<QProgressBar*>()->text(), text);
}

void TestProgressDialog::valuesOutsideTheRangeStayWithinIt()
{
    CProgressDialog dialog;
    dialog.SetRange(0, 100);
    dialog.SetValue(40);
    dialog.SetValue(250);
    QCOMPARE(dialog.progressText(), QString("100%"));
    dialog.SetValue(-5);
    QCOMPARE(dialog.progressText(), QString("0%"));
}

void TestProgressDialog::busyBarShowsZero()
{
    CProgressDialog dialog;
    dialog.SetUnfinished();
    auto* bar = dialog.findChild<QProgressBar*>();
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 0);
    for (int value : {0, 7, 500}) {
        dialog.SetValue(value);
        QCOMPARE(dialog.progressText(), QString("0%"));
    }
}

void TestProgressDialog::completeAtTheMaximum()
{
    CProgressDialog dialog;
    dialog.SetRange(0, 10000);
    dialog.SetValue(9999);
    QVERIFY(!dialog.IsComplete());
    dialog.SetValue(10000);
    QVERIFY(dialog.IsComplete());
}

void TestProgressDialog::stopHidesAndAsksToCancel()
{
    CProgressDialog dialog;
    QSignalSpy cancelled(&dialog, &CProgressDialog::SigCancel);
    dialog.show();
    QTest::mouseClick(dialog.findChild<CImageButton*>("btncancel"), Qt::LeftButton);
    QCOMPARE(cancelled.count(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestProgressDialog::disabledStopDoesNothing()
{
    CProgressDialog dialog;
    QSignalSpy cancelled(&dialog, &CProgressDialog::SigCancel);
    dialog.show();
    dialog.DisableCancel();
    auto* stop = dialog.findChild<CImageButton*>("btncancel");
    QVERIFY(!stop->isEnabled());
    QCOMPARE(stop->text(), QString("Stop"));
    QCOMPARE(stop->currentPicture(), QString(":/nwu/Stop4"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(cancelled.count(), 0);
    QVERIFY(dialog.isVisible());
}

QUILLMERE_TEST_MAIN(TestProgressDialog)
#include "tst_progressdialog.moc"
