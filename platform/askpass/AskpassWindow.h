#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTranslator;

// The window in which the user gives the administrator password that sudo
// asks for: a message, a password field, OK and Cancel.
class AskpassWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AskpassWindow(QWidget* parent = nullptr);
    QString password() const;

    // Loads the catalogue of the language that the program's name stands
    // for ("askpass_de.js": German) from the folder; false for English or
    // a name that stands for no language.
    static bool loadLanguage(QTranslator& translator, const QString& programName, const QString& catalogueFolder);

private:
    QLabel* m_Message;
    QLineEdit* m_Password;
    QPushButton* m_Ok;
    QPushButton* m_Cancel;
};
