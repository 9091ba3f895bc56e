#include "support/TestSupport.h"

#include "targets/FuzzDiskInfo.cpp"
#include "targets/FuzzElTorito.cpp"
#include "targets/FuzzIsoDirectory.cpp"
#include "targets/FuzzListing.cpp"
#include "targets/FuzzProgress.cpp"

#include <QDir>
#include <functional>

// Every input kept in tests/fuzz/corpus/<target>/ (what scripts/fuzz found
// and minimised, and every input that once crashed a target) is fed again
// to the same target function: a crash found once stays found.
class TestFuzzReplay : public QObject
{
    Q_OBJECT
private slots:
    void replaysTheCorpus_data();
    void replaysTheCorpus();
};

namespace {

const QMap<QString, std::function<void(const uint8_t*, size_t)>>& targets()
{
    static const QMap<QString, std::function<void(const uint8_t*, size_t)>> all{
        {"eltorito", fuzzElTorito}, {"isodirectory", fuzzIsoDirectory}, {"listing", fuzzListing},
        {"progress", fuzzProgress}, {"diskinfo", fuzzDiskInfo}};
    return all;
}

} // namespace

void TestFuzzReplay::replaysTheCorpus_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("input");
    for (const QString& target : targets().keys()) {
        const QString folder = QString(QUILLMERE_SOURCE_DIR) + "/tests/fuzz/corpus/" + target;
        const QStringList inputs = QDir(folder).entryList(QDir::Files, QDir::Name);
        QVERIFY2(!inputs.isEmpty(), qPrintable(folder));
        for (const QString& input : inputs)
            QTest::newRow(qPrintable(target + "/" + input)) << target << folder + "/" + input;
    }
}

void TestFuzzReplay::replaysTheCorpus()
{
    QFETCH(QString, target);
    QFETCH(QString, input);
    const QByteArray bytes = TestSupport::readFile(input);
    targets().value(target)(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
}

QUILLMERE_TEST_MAIN(TestFuzzReplay)
#include "tst_fuzzreplay.moc"
