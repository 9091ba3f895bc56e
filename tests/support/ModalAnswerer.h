#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

// Answers the modal dialogs that the code under test opens with exec(), so
// that no test blocks. Answers are used in order: each polls the active
// modal widget until it accepts it (returns true), then the next answer
// waits for the next dialog. The texts of every answered dialog's labels
// are kept for assertions.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    using Answer = std::function<bool(QWidget* modal)>;

    explicit ModalAnswerer(QList<Answer> answers = {}, QObject* parent = nullptr);
    void add(const Answer& answer) { m_Answers.append(answer); }

    // Once every answer is used, a further dialog run with exec() (not a
    // progress dialog, which is only shown) is closed at once and its text
    // kept in unexpected(), so that a test fails instead of waiting.
    void closeUnexpected() { m_CloseUnexpected = true; }
    QStringList unexpected() const { return m_Unexpected; }

    int answered() const { return m_Answered; }
    bool allAnswered() const { return m_Answers.isEmpty(); }
    QStringList texts() const { return m_Texts; }
    QString lastText() const { return m_Texts.value(m_Texts.size() - 1); }

    // Clicks the visible picture button or push button with this object
    // name; with a class name, only in a dialog of exactly that class.
    static Answer clickButton(const QString& objectName, const QString& className = QString());
    // Picks a path in a file dialog and accepts it (several for a dialog
    // that takes files and folders together).
    static Answer chooseFile(const QString& path);
    static Answer chooseFiles(const QStringList& paths);
    static Answer cancelFileDialog();
    // Types the full path into a file dialog's name field and presses its
    // accept button, as a user may; works before the dialog has listed
    // the folder.
    static Answer typePath(const QString& path);
    // Types a text into the dialog's line edit and clicks its OK button.
    static Answer typeAndAccept(const QString& text);

private:
    void poll();

    QList<Answer> m_Answers;
    QStringList m_Texts;
    QStringList m_Unexpected;
    bool m_CloseUnexpected = false;
    QTimer m_Timer;
    int m_Answered = 0;
};
