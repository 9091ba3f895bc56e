// The password prompt that sudo runs as its askpass program. Reached as
// translations/askpass.js, translations/askpass_de.js, ... (links to this
// program), it speaks the language its name stands for, with the texts of
// the application's catalogues. Prints the password on standard output;
// Cancel or closing the window prints nothing and ends with status 1.
#include "platform/askpass/AskpassWindow.h"

#include <QApplication>
#include <QTranslator>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTranslator translator;
    const QString name = QString::fromLocal8Bit(argv[0]);
    if (AskpassWindow::loadLanguage(translator, name, QCoreApplication::applicationDirPath() + "/translations"))
        QApplication::installTranslator(&translator);
    AskpassWindow window;
    if (window.exec() != QDialog::Accepted)
        return 1;
    const QByteArray password = window.password().toUtf8() + "\n";
    fwrite(password.constData(), 1, size_t(password.size()), stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}
