#pragma once

#include <QLineEdit>

// A text box for a whole number: its whole text is selected when it gets
// the focus. With digitsOnly, typed characters other than 0-9 are dropped
// (Backspace and editing keys still work).
class NumberBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberBox(bool digitsOnly, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_digitsOnly;
};
