#include "support/TestSupport.h"

#include "platform/askpass/AskpassWindow.h"
#include "services/Util.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>

// The password prompt sudo runs: its language from its name, the password
// handed over on OK, nothing on Cancel.
class TestAskpass : public QObject
{
    Q_OBJECT
private slots:
    void everyLanguageHasItsPrompt_data();
    void everyLanguageHasItsPrompt();
    void okGivesThePassword();
    void cancelGivesNothing();

private:
    QString translations() const { return Util::GetCurrentExePath() + "/translations"; }
};

void TestAskpass::everyLanguageHasItsPrompt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("English") << "askpass.js" << "Administrator Password" << "Cancel";
    QTest::newRow("German") << "askpass_de.js" << "Administratorpasswort" << "Abbrechen";
    QTest::newRow("Chinese") << "askpass_zh.js" << QString::fromUtf8("管理员密码") << QString::fromUtf8("取消");
    QTest::newRow("Swedish") << "askpass_sv.js" << QString::fromUtf8("Administratörslösenord") << "Avbryt";
    QTest::newRow("Dutch") << "askpass_nl.js" << "Beheerderswachtwoord" << "Annuleren";
    QTest::newRow("Russian") << "askpass_ru.js" << QString::fromUtf8("Пароль администратора")
                             << QString::fromUtf8("Отмена");
}

void TestAskpass::everyLanguageHasItsPrompt()
{
    QFETCH(QString, name);
    // Installed as sudo runs it: an executable in the translations folder.
    const QFileInfo program(translations() + "/" + name);
    QVERIFY2(program.isExecutable(), qPrintable(program.filePath()));
    QCOMPARE(program.canonicalFilePath(), QFileInfo(Util::GetCurrentExePath() + "/../app/quillmere-askpass")
                                              .canonicalFilePath());
    QTranslator translator;
    QCOMPARE(AskpassWindow::loadLanguage(translator, program.filePath(), translations()), name != "askpass.js");
    QApplication::installTranslator(&translator);
    AskpassWindow window;
    QTEST(window.windowTitle(), "title");
    QTEST(window.findChild<QPushButton*>("cancel")->text(), "cancel");
    QVERIFY(!window.findChild<QLabel*>("message")->text().isEmpty());
    QApplication::removeTranslator(&translator);
}

void TestAskpass::okGivesThePassword()
{
    AskpassWindow window;
    window.show();
    QLineEdit* field = window.findChild<QLineEdit*>("password");
    QCOMPARE(field->echoMode(), QLineEdit::Password);
    QTest::keyClicks(field, "s3cret & 'more'");
    QTest::mouseClick(window.findChild<QPushButton*>("ok"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Accepted));
    QCOMPARE(window.password(), QString("s3cret & 'more'"));

    // Return in the field is OK too.
    AskpassWindow second;
    second.show();
    QTest::keyClicks(second.findChild<QLineEdit*>("password"), "abc");
    QTest::keyClick(second.findChild<QLineEdit*>("password"), Qt::Key_Return);
    QCOMPARE(second.result(), int(QDialog::Accepted));
}

void TestAskpass::cancelGivesNothing()
{
    AskpassWindow window;
    window.show();
    QTest::keyClicks(window.findChild<QLineEdit*>("password"), "typed");
    QTest::mouseClick(window.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    QCOMPARE(window.result(), int(QDialog::Rejected));
    AskpassWindow closed;
    closed.show();
    QTest::keyClick(&closed, Qt::Key_Escape);
    QCOMPARE(closed.result(), int(QDialog::Rejected));
}

QUILLMERE_TEST_MAIN(TestAskpass)
#include "tst_askpass.moc"
