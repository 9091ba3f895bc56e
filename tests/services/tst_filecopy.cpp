#include "support/TestSupport.h"

#include "services/CFileCopy.h"
#include "services/CLocker.h"
#include "services/Util.h"

#include <QDir>
#include <mutex>
#include <thread>

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    void init() { Util::copyedsize = 0; }
    void lockerLocksUnlocksAndRelocks();
    void copiesFilesAndFoldersInOrder();
    void deletesAndRenames();
    void removeTaskWithdrawsOnlyAWaitingTask();
    void removeTaskNeverTouchesTheTaskInProgressNorTheNext();
    void leftBytesCountEverythingQueuedLessWhatIsWritten();
    void twoCopiersCountTheirOwnBytes();
    void failuresNameThePathUntilTakenOrRemoved();
    void drainedComesWhenIdleWithTheFailuresKept();
    void stopWhileIdleEndsAtOnce();
    void stopDuringALongCopyEndsAfterThatCopy();

private:
    static QString bigFile(const QString& dir, qint64 size);
    static bool drained(CFileCopy& copier) { return TestSupport::waitUntil([&] { return !copier.IsBusy(); }, 30000); }
};

QString TestFileCopy::bigFile(const QString& dir, qint64 size)
{
    const QString path = dir + "/big.bin";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.resize(size); // sparse: cheap on disk, real bytes to copy
    return path;
}

void TestFileCopy::lockerLocksUnlocksAndRelocks()
{
    std::mutex mutex;
    // Asked from another thread: a std::mutex may not be tried by its holder.
    const auto freeElsewhere = [&mutex] {
        bool taken = false;
        std::thread([&] {
            taken = mutex.try_lock();
            if (taken)
                mutex.unlock();
        }).join();
        return taken;
    };
    {
        CLocker locker(mutex);
        QVERIFY(locker.IsLocked());
        QVERIFY(!freeElsewhere());
        locker.Unlock();
        QVERIFY(!locker.IsLocked());
        QVERIFY(freeElsewhere());
        locker.Lock();
        QVERIFY(!freeElsewhere());
    }
    QVERIFY(freeElsewhere()); // released at the end of the scope
}

void TestFileCopy::copiesFilesAndFoldersInOrder()
{
    const QString src = TestSupport::freshDir("copy-src");
    const QString dst = TestSupport::freshDir("copy-dst");
    TestSupport::writeFile(src + "/D/b.txt", "bee");
    TestSupport::writeFile(src + "/D/S/c.txt", "sea");
    TestSupport::writeFile(src + "/a file.txt", "ay");
    CFileCopy copier;
    copier.AddTask(src + "/D", dst, CFileCopy::Copy);
    copier.AddTask(src + "/a file.txt", dst + "/new/place/a file.txt", CFileCopy::Copy);
    // Queued after the copy: proves the order, first in first out.
    copier.AddTask(dst + "/D/b.txt", dst + "/D/moved.txt", CFileCopy::Rename);
    QVERIFY(drained(copier));
    QCOMPARE(TestSupport::readFile(dst + "/D/S/c.txt"), QByteArray("sea"));
    QCOMPARE(TestSupport::readFile(dst + "/D/moved.txt"), QByteArray("bee"));
    QVERIFY(!QFileInfo::exists(dst + "/D/b.txt"));
    QCOMPARE(TestSupport::readFile(dst + "/new/place/a file.txt"), QByteArray("ay"));
    QCOMPARE(TestSupport::readFile(src + "/D/b.txt"), QByteArray("bee")); // sources untouched
}

void TestFileCopy::deletesAndRenames()
{
    const QString dir = TestSupport::freshDir("delete-rename");
    TestSupport::writeFile(dir + "/tree/x/y.txt", "y");
    TestSupport::writeFile(dir + "/single.txt", "s");
    TestSupport::writeFile(dir + "/folder/z.txt", "z");
    CFileCopy copier;
    copier.AddTask(dir + "/tree", QString(), CFileCopy::Delete);
    copier.AddTask(dir + "/single.txt", QString(), CFileCopy::Delete);
    copier.AddTask(dir + "/folder", dir + "/renamed", CFileCopy::Rename);
    copier.AddTask(dir + "/nothing here", QString(), CFileCopy::Delete); // a failed task is simply done
    copier.AddTask(dir + "/renamed/z.txt", dir + "/z.txt", 7);             // unknown type: nothing
    QVERIFY(drained(copier));
    QVERIFY(!QFileInfo::exists(dir + "/tree"));
    QVERIFY(!QFileInfo::exists(dir + "/single.txt"));
    QCOMPARE(TestSupport::readFile(dir + "/renamed/z.txt"), QByteArray("z"));
    QVERIFY(!QFileInfo::exists(dir + "/z.txt"));
}

void TestFileCopy::removeTaskWithdrawsOnlyAWaitingTask()
{
    const QString src = TestSupport::freshDir("withdraw-src");
    const QString dst = TestSupport::freshDir("withdraw-dst");
    const QString big = bigFile(src, 200 << 20);
    TestSupport::writeFile(src + "/a.txt", "a");
    TestSupport::writeFile(src + "/b.txt", "b");
    CFileCopy copier;
    copier.AddTask(big, dst + "/big.bin", CFileCopy::Copy); // keeps the worker busy
    copier.AddTask(src + "/a.txt", dst + "/one/a.txt", CFileCopy::Copy);
    copier.AddTask(src + "/a.txt", dst + "/two/a.txt", CFileCopy::Copy);
    copier.AddTask(src + "/b.txt", dst + "/b.txt", CFileCopy::Copy);
    copier.RemoveTask(src + "/none.txt");              // no such task: nothing changes
    copier.RemoveTask(src + "/a.txt", dst + "/two/a.txt"); // by source and destination
    copier.RemoveTask(src + "/b.txt");                 // the first with this source
    QVERIFY(drained(copier));
    QVERIFY(QFileInfo::exists(dst + "/one/a.txt"));
    QVERIFY(!QFileInfo::exists(dst + "/two/a.txt"));
    QVERIFY(!QFileInfo::exists(dst + "/b.txt"));
    QCOMPARE(QFileInfo(dst + "/big.bin").size(), qint64(200 << 20));
}

void TestFileCopy::removeTaskNeverTouchesTheTaskInProgressNorTheNext()
{
    const QString src = TestSupport::freshDir("race-src");
    const QString dst = TestSupport::freshDir("race-dst");
    const QString big = bigFile(src, 200 << 20);
    TestSupport::writeFile(src + "/next.txt", "next");
    CFileCopy copier;
    copier.AddTask(big, dst + "/big.bin", CFileCopy::Copy);
    copier.AddTask(src + "/next.txt", dst + "/next.txt", CFileCopy::Copy);
    QVERIFY(TestSupport::waitUntil([&] { return copier.CopiedBytes() > 0; }));
    copier.RemoveTask(big); // the task in progress: out of reach
    QVERIFY(drained(copier));
    QCOMPARE(QFileInfo(dst + "/big.bin").size(), qint64(200 << 20));
    QCOMPARE(TestSupport::readFile(dst + "/next.txt"), QByteArray("next"));
}

void TestFileCopy::leftBytesCountEverythingQueuedLessWhatIsWritten()
{
    const QString src = TestSupport::freshDir("left-src");
    const QString dst = TestSupport::freshDir("left-dst");
    TestSupport::writeFile(src + "/ten.txt", "0123456789");
    TestSupport::writeFile(src + "/D/a.txt", "12345");
    TestSupport::writeFile(src + "/D/.hidden", "not counted");
    CFileCopy copier;
    QCOMPARE(copier.GetLeftTaskBytes(), qint64(0));
    copier.AddTask(src + "/ten.txt", dst + "/ten.txt", CFileCopy::Copy);
    QVERIFY(drained(copier));
    QCOMPARE(copier.GetLeftTaskBytes(), qint64(-10)); // what the last task wrote
    QCOMPARE(qint64(Util::copyedsize), qint64(0));    // counted by the copier alone

    const QString big = bigFile(src, 150 << 20);
    copier.AddTask(big, dst + "/big.bin", CFileCopy::Copy);
    copier.AddTask(src + "/D", dst, CFileCopy::Copy);
    copier.AddTask(src + "/ten.txt", QString(), CFileCopy::Delete); // counted until done
    const qint64 queued = (150 << 20) + 5 + 10;
    const qint64 first = copier.GetLeftTaskBytes();
    QVERIFY(first > 0 && first <= queued);
    // The count the first task left stays until the worker takes the next:
    // wait for the big copy's own bytes.
    qint64 during = 0;
    QVERIFY(TestSupport::waitUntil([&] {
        during = copier.GetLeftTaskBytes();
        return copier.IsBusy() && during < queued;
    }));
    QVERIFY(during > 0);
    QVERIFY(drained(copier));
    QVERIFY(copier.GetLeftTaskBytes() <= 0);
    QVERIFY(!QFileInfo::exists(src + "/ten.txt"));
}

void TestFileCopy::twoCopiersCountTheirOwnBytes()
{
    const QString src = TestSupport::freshDir("two-src");
    const QString dst = TestSupport::freshDir("two-dst");
    const QString big = bigFile(src, 200 << 20);
    TestSupport::writeFile(src + "/ten.txt", "0123456789");
    CFileCopy busy;
    busy.AddTask(big, dst + "/big.bin", CFileCopy::Copy);
    QVERIFY(TestSupport::waitUntil([&] { return busy.CopiedBytes() > 0; }));
    CFileCopy other;
    other.AddTask(src + "/ten.txt", dst + "/ten.txt", CFileCopy::Copy);
    QVERIFY(drained(other));
    QCOMPARE(other.GetLeftTaskBytes(), qint64(-10));
    QVERIFY(busy.IsBusy());
    const qint64 left = busy.GetLeftTaskBytes();
    QVERIFY(left > 0 && left < (200 << 20));
    QVERIFY(drained(busy));
    QCOMPARE(busy.GetLeftTaskBytes(), -qint64(200 << 20));
}

void TestFileCopy::failuresNameThePathUntilTakenOrRemoved()
{
    const QString src = TestSupport::freshDir("fail-src");
    const QString dst = TestSupport::freshDir("fail-dst");
    TestSupport::writeFile(src + "/F/ok.txt", "ok");
    QVERIFY(QFile::link("/proc/self/mem", src + "/F/unreadable")); // fails to read from offset 0
    CFileCopy copier;
    copier.AddTask(src + "/missing.txt", dst + "/missing.txt", CFileCopy::Copy);
    copier.AddTask(src + "/F", dst, CFileCopy::Copy);
    copier.AddTask(dst + "/none", dst + "/other", CFileCopy::Rename);
    copier.AddTask(dst + "/not there", QString(), CFileCopy::Delete); // nothing to remove: no failure
    QVERIFY(drained(copier));
    QCOMPARE(TestSupport::readFile(dst + "/F/ok.txt"), QByteArray("ok")); // the copy went on
    const QList<CFileCopy::Failure> failures = copier.Failures();
    QCOMPARE(failures.size(), 3);
    QCOMPARE(failures[0].report.kind, FileReport::Missing);
    QCOMPARE(failures[0].report.path, src + "/missing.txt");
    QCOMPARE(failures[1].report.path, src + "/F/unreadable");
    QCOMPARE(failures[1].target, dst + "/F");
    QCOMPARE(failures[2].report.path, dst + "/none");

    copier.AddTask(dst + "/F", QString(), CFileCopy::Delete); // what failed there is gone
    QVERIFY(drained(copier));
    QCOMPARE(copier.FailureCount(), 2);
    QCOMPARE(copier.TakeFailures(1).first().report.path, dst + "/none");
    QCOMPARE(copier.TakeFailures().first().target, dst + "/missing.txt");
    QCOMPARE(copier.FailureCount(), 0);
}

// A page's wait ends at Drained(): by then the copier must be idle and the
// last task's failure kept, or the page would wait on or miss the failure.
void TestFileCopy::drainedComesWhenIdleWithTheFailuresKept()
{
    const QString dir = TestSupport::freshDir("drained");
    TestSupport::writeFile(dir + "/a.txt", "a");
    CFileCopy copier;
    std::mutex mutex;
    QList<QPair<bool, int>> seen; // busy and failures, as each Drained() found them
    connect(
        &copier, &CFileCopy::Drained, &copier,
        [&] {
            const QPair<bool, int> state(copier.IsBusy(), copier.FailureCount());
            CLocker locker(mutex);
            seen.append(state);
        },
        Qt::DirectConnection);
    copier.AddTask(dir + "/a.txt", dir + "/b.txt", CFileCopy::Copy);
    copier.AddTask(dir + "/b.txt", QString(), CFileCopy::Delete);
    copier.AddTask(dir + "/missing.txt", dir + "/c.txt", CFileCopy::Copy);
    QVERIFY(TestSupport::waitUntil([&] {
        CLocker locker(mutex);
        return !seen.isEmpty() && seen.last().second == 1;
    }));
    CLocker locker(mutex);
    for (const auto& state : qAsConst(seen))
        QVERIFY(!state.first);
}

void TestFileCopy::stopWhileIdleEndsAtOnce()
{
    CFileCopy copier;
    QVERIFY(TestSupport::waitUntil([&] { return copier.isRunning(); }));
    copier.stop();
    QVERIFY(copier.wait(2000));
    QVERIFY(copier.isFinished());
}

void TestFileCopy::stopDuringALongCopyEndsAfterThatCopy()
{
    const QString src = TestSupport::freshDir("stop-src");
    const QString dst = TestSupport::freshDir("stop-dst");
    const QString big = bigFile(src, 200 << 20);
    TestSupport::writeFile(src + "/after.txt", "after");
    CFileCopy copier;
    copier.AddTask(big, dst + "/big.bin", CFileCopy::Copy);
    copier.AddTask(src + "/after.txt", dst + "/after.txt", CFileCopy::Copy);
    QVERIFY(TestSupport::waitUntil([&] { return copier.CopiedBytes() > 0; }));
    copier.stop();
    QVERIFY(copier.wait(30000));
    QCOMPARE(QFileInfo(dst + "/big.bin").size(), qint64(200 << 20)); // finished, not cut off
    QVERIFY(!QFileInfo::exists(dst + "/after.txt"));                  // left undone
}

QUILLMERE_TEST_MAIN(TestFileCopy)
#include "tst_filecopy.moc"
