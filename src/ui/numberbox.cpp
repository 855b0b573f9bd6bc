#include "ui/numberbox.h"

#include <QKeyEvent>
#include <QTimer>

NumberBox::NumberBox(bool digitsOnly, QWidget *parent) : QLineEdit(parent), m_digitsOnly(digitsOnly)
{
}

void NumberBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void NumberBox::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    const bool digit = text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9';
    if (m_digitsOnly && printable && !digit) {
        event->accept(); // dropped, as a typed character that is not a digit
        return;
    }
    QLineEdit::keyPressEvent(event);
}
