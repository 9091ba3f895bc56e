#include "support/TestSupport.h"

// The picture generator is a build tool of its own; its template rules are
// compiled in here to be tested directly.
#include "resources/picturegen/Expression.cpp"
#include "resources/picturegen/TemplateExpander.cpp"

namespace {

bool evaluate(const QString& text, double* result)
{
    const QMap<QString, double> names{{"w", 100}, {"h", 30}};
    return Expression::evaluate(
        text,
        [&names](const QString& name, double* value) {
            if (!names.contains(name))
                return false;
            *value = names.value(name);
            return true;
        },
        result);
}

QString expand(const QString& text, const QMap<QString, QString>& values, int state = 0,
               bool* ok = nullptr, QString* error = nullptr)
{
    TemplateExpander expander(QDir(TestSupport::freshDir("templates")), values, state);
    QString result;
    const bool expanded = expander.expand(text, &result);
    if (ok)
        *ok = expanded;
    if (error)
        *error = expander.error();
    return result;
}

} // namespace

class TestPicturegen : public QObject
{
    Q_OBJECT
private slots:
    void expressionsFollowArithmetic();
    void badExpressionsAreRefused();
    void numbersAreWrittenForSvg();
    void valuesTakeTheAlternativeOfTheirState();
    void placeholdersNestAndComputeOverValues();
    void includedFilesAreExpandedToo();
    void unresolvedPlaceholdersAndLoopsFail();
};

void TestPicturegen::expressionsFollowArithmetic()
{
    double value = 0;
    QVERIFY(evaluate("w-2", &value));
    QCOMPARE(value, 98.0);
    QVERIFY(evaluate("w/2-30", &value));
    QCOMPARE(value, 20.0);
    QVERIFY(evaluate(" (w - h) * 2 ", &value));
    QCOMPARE(value, 140.0);
    QVERIFY(evaluate("-h/4+1.5", &value));
    QCOMPARE(value, -6.0);
    QVERIFY(evaluate("2*-3", &value));
    QCOMPARE(value, -6.0);
}

void TestPicturegen::badExpressionsAreRefused()
{
    double value = 7;
    QVERIFY(!evaluate("w/0", &value));
    QVERIFY(!evaluate("depth*2", &value));
    QVERIFY(!evaluate("w-", &value));
    QVERIFY(!evaluate("(w", &value));
    QVERIFY(!evaluate("w h", &value));
    QVERIFY(!evaluate("", &value));
    QCOMPARE(value, 7.0);
}

void TestPicturegen::numbersAreWrittenForSvg()
{
    QCOMPARE(Expression::format(49.5), QString("49.5"));
    QCOMPARE(Expression::format(12.0), QString("12"));
    QCOMPARE(Expression::format(1.0 / 3), QString("0.333"));
    QCOMPARE(Expression::format(-0.0001), QString("0"));
    QCOMPARE(Expression::format(1e7), QString("10000000"));
}

void TestPicturegen::valuesTakeTheAlternativeOfTheirState()
{
    const QMap<QString, QString> values{{"fill", "#111|#222|#333"}, {"ink", "#FFF"}};
    QCOMPARE(expand("${fill} ${ink}", values, 0), QString("#111 #FFF"));
    QCOMPARE(expand("${fill} ${ink}", values, 2), QString("#333 #FFF"));
    // States beyond the alternatives take the last one.
    QCOMPARE(expand("${fill}", values, 3), QString("#333"));
}

void TestPicturegen::placeholdersNestAndComputeOverValues()
{
    const QMap<QString, QString> values{
        {"w", "91"}, {"radius", "6"}, {"face", "${green}|${dark}"}, {"green", "#62BB97"}, {"dark", "#3E9272"},
        {"inset", "${radius}"}};
    QCOMPARE(expand("<path d=\"M${radius} 1.5 H${w-radius}\"/>", values),
             QString("<path d=\"M6 1.5 H85\"/>"));
    QCOMPARE(expand("${face}", values, 1), QString("#3E9272"));
    // A value that is itself a placeholder still counts as a number.
    QCOMPARE(expand("${inset*2}", values), QString("12"));
    // Braces that are no placeholder stay as they are.
    QCOMPARE(expand("a{b} ${radius} }", values), QString("a{b} 6 }"));
}

void TestPicturegen::includedFilesAreExpandedToo()
{
    const QString folder = TestSupport::freshDir("included");
    TestSupport::writeFile(folder + "/icons/disc.svg", "<circle r=\"${r}\" stroke=\"${ink}\"/>");
    const QMap<QString, QString> values{{"icon", "@icons/disc.svg|@icons/missing.svg"}, {"r", "27"},
                                        {"ink", "#62BB97|#FFFFFF"}};
    TemplateExpander normal(QDir(folder), values, 0);
    QString result;
    QVERIFY(normal.expand("<g>${icon}</g>", &result));
    QCOMPARE(result, QString("<g><circle r=\"27\" stroke=\"#62BB97\"/></g>"));

    TemplateExpander hover(QDir(folder), values, 1);
    QVERIFY(!hover.expand("<g>${icon}</g>", &result));
    QVERIFY2(hover.error().contains("icons/missing.svg"), qPrintable(hover.error()));
}

void TestPicturegen::unresolvedPlaceholdersAndLoopsFail()
{
    bool ok = true;
    QString error;
    expand("<rect width=\"${width}\"/>", {{"w", "10"}}, 0, &ok, &error);
    QVERIFY(!ok);
    QVERIFY2(error.contains("${width}"), qPrintable(error));

    expand("${a}", {{"a", "${b}"}, {"b", "${a}"}}, 0, &ok, &error);
    QVERIFY(!ok);
    QVERIFY2(error.contains("loop"), qPrintable(error));
}

QUILLMERE_TEST_MAIN(TestPicturegen)
#include "tst_picturegen.moc"
