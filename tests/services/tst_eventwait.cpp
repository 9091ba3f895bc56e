#include "support/TestSupport.h"

#include "services/EventWait.h"

#include <QTimer>

class TestEventWait : public QObject
{
    Q_OBJECT

private slots:
    // The pages' waits end when the extraction or the copier ends, not
    // at the next tick: a wait with a deadline far off ends with the event
    // that makes its condition true (else this test runs into its time-out).
    void endsWhenAnEventMakesTheConditionTrue()
    {
        bool ended = false;
        QTimer::singleShot(20, [&] { ended = true; });
        EventWait::upTo(10 * 60 * 1000, [&] { return ended; });
        QVERIFY(ended);
    }

    void handlesEventsUntilTheTimeIsUp()
    {
        int delivered = 0;
        QTimer::singleShot(0, [&] { ++delivered; });
        QTimer::singleShot(0, [&] { ++delivered; });
        EventWait::upTo(50, [] { return false; });
        QCOMPARE(delivered, 2);
    }
};

QUILLMERE_TEST_MAIN(TestEventWait)
#include "tst_eventwait.moc"
