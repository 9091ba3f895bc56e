#include "support/TestSupport.h"

#include "services/Util.h"
#include "shell/Languages.h"
#include "shell/MainWindow.h"
#include "widgets/CImageButton.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QStringList forms; // one per plural form; one for an ordinary text
    bool finished = false;
};

QString catalogueCode(int menuIndex)
{
    const QString file = Languages::menuEntry(menuIndex).file; // "/translations/qt_xx.qm"
    return file.mid(file.lastIndexOf('_') + 1).chopped(3);
}

// The text of a <translation> element, or the texts of its <numerusform>
// elements when the message has plural forms.
QStringList readForms(QXmlStreamReader& xml)
{
    QString text;
    QStringList forms;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
            break;
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
            forms << xml.readElementText();
        else if (xml.isCharacters())
            text += xml.text();
    }
    return forms.isEmpty() ? QStringList{text} : forms;
}

QList<Entry> readCatalogue(const QString& path)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            entry = Entry{context, QString(), QStringList(), false};
        } else if (xml.name() == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            entry.finished = xml.attributes().value("type").isEmpty();
            entry.forms = readForms(xml);
            entries << entry;
        }
    }
    if (xml.hasError())
        entries.clear();
    return entries;
}

QString edges(const QString& text)
{
    static const QRegularExpression leading("^[ \\n]*"), trailing("[ \\n]*$");
    return leading.match(text).captured() + '|' + trailing.match(text).captured();
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression("%(\\d+|n)").globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

bool hasAccelerator(const QString& text)
{
    QString plain = text;
    plain.remove("&&");
    return plain.contains(QRegularExpression("&\\w", QRegularExpression::UseUnicodePropertiesOption));
}

// What a finished translation fails to keep of its source, or nothing.
QString shapeProblem(const QString& source, const QString& translation)
{
    if (edges(source) != edges(translation))
        return "leading or trailing blanks";
    if (source.count('\n') != translation.count('\n'))
        return "line breaks";
    if (placeholders(source) != placeholders(translation))
        return "placeholders";
    if (hasAccelerator(source) && !hasAccelerator(translation))
        return "accelerator";
    return QString();
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void finishedEntriesKeepTheShapeOfTheirSource_data();
    void finishedEntriesKeepTheShapeOfTheirSource();
    void englishEntriesAreTheirSourcesOrCorrections();
    void englishCorrections_data();
    void englishCorrections();
    void sentencesEndInAStop_data();
    void sentencesEndInAStop();
    void compiledCataloguesTranslateTheHomeWindow_data();
    void compiledCataloguesTranslateTheHomeWindow();
    void languageMenuRelabelsTheHomeWindow();
};

void TestTranslations::finishedEntriesKeepTheShapeOfTheirSource_data()
{
    QTest::addColumn<QString>("code");
    for (int i = 0; i < Languages::count(); ++i)
        QTest::newRow(qPrintable(catalogueCode(i))) << catalogueCode(i);
}

void TestTranslations::finishedEntriesKeepTheShapeOfTheirSource()
{
    QFETCH(QString, code);
    const QList<Entry> entries =
        readCatalogue(QString(QUILLMERE_SOURCE_DIR) + "/resources/translations/qt_" + code + ".ts");
    QVERIFY2(!entries.isEmpty(), "the catalogue is missing, empty or not well-formed");
    QStringList problems;
    for (const Entry& entry : entries) {
        if (!entry.finished)
            continue;
        for (const QString& form : entry.forms) {
            const QString problem = shapeProblem(entry.source, form);
            if (!problem.isEmpty())
                problems << QString("%1 %2: %3 -> %4").arg(entry.context, problem, entry.source, form);
        }
        if (entry.forms.isEmpty() || entry.forms.contains(QString()))
            problems << QString("%1: finished but empty: %2").arg(entry.context, entry.source);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// Source texts that stay as the code has them while the English catalogue
// shows them corrected.
static const QMap<QString, QString>& correctedEnglish()
{
    static const QMap<QString, QString> corrections{
        {"ISO9660 Jolet", "ISO9660 Joliet"},
        {"Please visit offical site: ", "Please visit the official site: "},
        {"Please select one row in the table list first", "Please select one row in the table list first."},
        {"Please select one type", "Please select one type."},
        {"Please select the files or folders you want to extract",
         "Please select the files or folders you want to extract."},
        {"Export Successfully !", "Exported successfully!"},
        {"Copying files! Please wait a few seconds..", "Copying files. Please wait a few seconds..."},
        {"Please drag the icon to Application folder first!", "Please drag the icon to the Applications folder first!"},
        {"Total Size : 0 KB", "Total Size: 0 KB"},
        {"Max Size : 5 GB", "Max Size: 5 GB"},
        {"The USB disk is under formating...", "Formatting the USB drive..."},
        {"make usb drive bootable...", "Making the USB drive bootable..."},
        {"Burning Successfully...", "The USB drive was burned successfully."},
        {"Burning disc successfully.", "The disc was burned successfully."},
        {"Burn Failed! Do as following:\n1.Try to burn again.\n2.Change another USB drive or DVD.",
         "Burn failed! Try the following:\n1. Burn again.\n2. Use another USB drive or DVD."},
        {"Please insert your USB drive to computer", "Please insert your USB drive into the computer."},
        {"Insufficient space on disk, please change a large-capacity USB or CD/DVD.",
         "Not enough space on the drive. Please use a larger USB drive or CD/DVD."},
        {"Process the wim file larger than 4 GB...", "Processing the WIM file larger than 4 GB..."},
        {"Burning the USB disk...", "Burning the USB drive..."},
        {"Please select the iso file to save", "Please select a CD/DVD drive."},
        {"Please select the iso file to save.", "Please choose the ISO file to save."},
        {"Copy CD/DVD successfully!", "The CD/DVD was copied successfully!"},
    };
    return corrections;
}

void TestTranslations::englishEntriesAreTheirSourcesOrCorrections()
{
    const QList<Entry> entries = readCatalogue(QString(QUILLMERE_SOURCE_DIR) + "/resources/translations/qt_en.ts");
    QVERIFY(!entries.isEmpty());
    for (const Entry& entry : entries) {
        if (!entry.finished)
            continue;
        for (const QString& form : entry.forms)
            QCOMPARE(form, correctedEnglish().value(entry.source, entry.source));
    }
}

void TestTranslations::englishCorrections_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("shown");
    for (auto it = correctedEnglish().cbegin(); it != correctedEnglish().cend(); ++it)
        QTest::newRow(qPrintable(it.key())) << it.key() << it.value();
}

void TestTranslations::englishCorrections()
{
    QFETCH(QString, source);
    QFETCH(QString, shown);
    QTranslator translator;
    QVERIFY(translator.load(Util::GetCurrentExePath() + "/translations/qt_en.qm"));
    const QList<Entry> entries = readCatalogue(QString(QUILLMERE_SOURCE_DIR) + "/resources/translations/qt_en.ts");
    QString context;
    for (const Entry& entry : entries) {
        if (entry.source == source)
            context = entry.context;
    }
    QVERIFY2(!context.isEmpty(), "the source text is no longer in the catalogue");
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), shown);
}

void TestTranslations::sentencesEndInAStop_data()
{
    QTest::addColumn<QString>("code");
    for (int i = 0; i < Languages::count(); ++i)
        QTest::newRow(qPrintable(catalogueCode(i))) << catalogueCode(i);
}

// A text that English shows as a sentence ends in a stop in every language.
void TestTranslations::sentencesEndInAStop()
{
    QFETCH(QString, code);
    const QList<Entry> entries =
        readCatalogue(QString(QUILLMERE_SOURCE_DIR) + "/resources/translations/qt_" + code + ".ts");
    QVERIFY(!entries.isEmpty());
    static const QRegularExpression stop(QString::fromUtf8("[.!?。！？…]$"));
    QStringList problems;
    for (const Entry& entry : entries) {
        const QString english = correctedEnglish().value(entry.source, entry.source).trimmed();
        if (!entry.finished || !english.contains(stop))
            continue;
        for (const QString& form : entry.forms) {
            if (!form.trimmed().contains(stop))
                problems << entry.context + ": " + form;
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

void TestTranslations::compiledCataloguesTranslateTheHomeWindow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("english");
    for (int i = 0; i < Languages::count(); ++i)
        QTest::newRow(qPrintable(catalogueCode(i))) << Languages::menuEntry(i).file << (i == 0);
}

void TestTranslations::compiledCataloguesTranslateTheHomeWindow()
{
    QFETCH(QString, file);
    QFETCH(bool, english);
    QTranslator translator;
    QVERIFY2(translator.load(Util::GetCurrentExePath() + file), qPrintable(file));
    const char* captions[] = {"Burn", "Extract", "Create", "Edit", "Copy Disk", "Help(&H)", "Exit(&E)"};
    for (const char* caption : captions) {
        const QString translated = translator.translate("MainWindow", caption);
        QVERIFY2(!translated.isEmpty(), caption);
        if (english)
            QCOMPARE(translated, QString(caption));
        else
            QVERIFY2(translated != QString(caption), caption);
    }
    // Shortcut texts and the help address stay as they are in every language.
    QCOMPARE(translator.translate("MainWindow", "CTRL+H"), QString("CTRL+H"));
    QCOMPARE(translator.translate("MainWindow", "https://quillmere.app/help"), QString("https://quillmere.app/help"));
}

void TestTranslations::languageMenuRelabelsTheHomeWindow()
{
    MainWindow window;
    auto* burn = window.findChild<CImageButton*>("burn");
    auto* edit = window.findChild<CImageButton*>("edit");
    window.onGerman();
    QCOMPARE(burn->text(), QString("Brennen"));
    QCOMPARE(edit->secondText().count('\n'), 2);
    window.onChinese();
    QCOMPARE(burn->text(), QString::fromUtf8("刻录"));
    window.onEnglish();
    QCOMPARE(burn->text(), QString("Burn"));
    QCOMPARE(edit->secondText(), QString("\n Add, delete, rename \n content in ISO file"));
}

QUILLMERE_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
