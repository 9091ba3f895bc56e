#pragma once

#include "widgets/CommDialog.h"

class QLineEdit;

// Asks for one line of text, such as the name of a new folder.
class CInputDialog : public CommDialog
{
    Q_OBJECT
public:
    explicit CInputDialog(QWidget* parent = nullptr);

    void SetInput(const QString& text);
    QString GetInput() const;

protected:
    void retranslate() override;

private:
    QLineEdit* m_Input = nullptr;
};
