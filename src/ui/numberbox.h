#pragma once

#include <QLineEdit>

// A text box for a whole number: its whole text is selected when it gets
// the focus. With digitsOnly, characters other than 0-9 are dropped however
// they arrive (typed or pasted); Backspace and editing keys still work.
class NumberBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberBox(bool digitsOnly, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
};
