#include "support/TestSupport.h"

#include "shell/Languages.h"

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    void startupChoice_data();
    void startupChoice();
    void menuOrderAndNumbers();
    void unknownNumbersMarkEnglish();
    void askpassScripts();
};

void TestLanguages::startupChoice_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("country");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("number");

    QTest::newRow("English") << int(QLocale::English) << int(QLocale::UnitedStates)
                             << "/translations/qt_en.qm" << 31;
    QTest::newRow("Chinese") << int(QLocale::Chinese) << int(QLocale::China) << "/translations/qt_zh.qm" << 25;
    QTest::newRow("Japanese") << int(QLocale::Japanese) << int(QLocale::Japan) << "/translations/qt_ja.qm"
                              << 59;
    QTest::newRow("French in Canada") << int(QLocale::French) << int(QLocale::Canada)
                                      << "/translations/qt_fr.qm" << 37;
    QTest::newRow("German") << int(QLocale::German) << int(QLocale::Austria) << "/translations/qt_de.qm" << 42;
    QTest::newRow("Spanish") << int(QLocale::Spanish) << int(QLocale::Mexico) << "/translations/qt_es.qm"
                             << 111;
    QTest::newRow("Portuguese") << int(QLocale::Portuguese) << int(QLocale::Brazil)
                                << "/translations/qt_pt.qm" << 91;
    QTest::newRow("Polish") << int(QLocale::Polish) << int(QLocale::Poland) << "/translations/qt_pl.qm" << 90;
    QTest::newRow("Italian") << int(QLocale::Italian) << int(QLocale::Italy) << "/translations/qt_it.qm" << 58;
    QTest::newRow("Russian") << int(QLocale::Russian) << int(QLocale::Russia) << "/translations/qt_ru.qm" << 96;
    QTest::newRow("Dutch in the Netherlands") << int(QLocale::Dutch) << int(QLocale::Netherlands)
                                              << "/translations/qt_nl.qm" << 151;
    QTest::newRow("Swedish") << int(QLocale::Swedish) << int(QLocale::Sweden) << "/translations/qt_sv.qm"
                             << 114;
    // The Dutch row tests the country, not the language.
    QTest::newRow("Dutch in Belgium") << int(QLocale::Dutch) << int(QLocale::Belgium)
                                      << "/translations/qt_en.qm" << 0;
    QTest::newRow("English in the Netherlands") << int(QLocale::English) << int(QLocale::Netherlands)
                                                << "/translations/qt_en.qm" << 31;
    QTest::newRow("Frisian in the Netherlands") << int(QLocale::WesternFrisian) << int(QLocale::Netherlands)
                                                << "/translations/qt_nl.qm" << 151;
    QTest::newRow("Korean") << int(QLocale::Korean) << int(QLocale::SouthKorea) << "/translations/qt_en.qm"
                            << 0;
}

void TestLanguages::startupChoice()
{
    QFETCH(int, language);
    QFETCH(int, country);
    QFETCH(QString, file);
    QFETCH(int, number);
    const QLocale locale{QLocale::Language(language), QLocale::Country(country)};
    const LanguageChoice choice = Languages::forLocale(locale);
    QCOMPARE(choice.file, file);
    QCOMPARE(choice.number, number);
}

void TestLanguages::menuOrderAndNumbers()
{
    const QStringList texts = QString::fromUtf8("English|中文|日本語|Français|Deutsch|Español|Português|"
                                                "Polski|Italiano|Русский|Nederlands|Svenska").split('|');
    const QList<int> numbers{31, 25, 59, 37, 42, 111, 91, 90, 58, 96, 151, 114};
    const QStringList codes{"en", "zh", "ja", "fr", "de", "es", "pt", "pl", "it", "ru", "nl", "sv"};
    QCOMPARE(Languages::count(), 12);
    for (int i = 0; i < 12; ++i) {
        QCOMPARE(Languages::ownName(i), texts[i]);
        QCOMPARE(Languages::menuEntry(i).number, numbers[i]);
        QCOMPARE(Languages::indexOf(numbers[i]), i);
        QCOMPARE(Languages::menuEntry(i).file, "/translations/qt_" + codes[i] + ".qm");
    }
}

void TestLanguages::unknownNumbersMarkEnglish()
{
    QCOMPARE(Languages::indexOf(0), 0);
    QCOMPARE(Languages::indexOf(7), 0);
}

void TestLanguages::askpassScripts()
{
    QCOMPARE(Languages::askpassScript(114), QString("askpass_sv.js"));
    QCOMPARE(Languages::askpassScript(151), QString("askpass_nl.js"));
    QCOMPARE(Languages::askpassScript(25), QString("askpass_zh.js"));
    QCOMPARE(Languages::askpassScript(31), QString("askpass.js"));
    QCOMPARE(Languages::askpassScript(0), QString("askpass.js"));
    QCOMPARE(Languages::askpassScript(7), QString("askpass.js"));
}

QUILLMERE_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
