#include "ui/numberbox.h"

#include <QTimer>
#include <QValidator>

namespace {

// Keeps the digits 0-9 of whatever reaches the box and drops the rest.
class DigitsOnly : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        QString digits;
        int newPos = 0;
        for (int i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c >= u'0' && c <= u'9') {
                digits += c;
                if (i < pos)
                    ++newPos;
            }
        }
        input = digits;
        pos = newPos;
        return Acceptable;
    }
};

} // namespace

NumberBox::NumberBox(bool digitsOnly, QWidget *parent) : QLineEdit(parent)
{
    if (digitsOnly)
        setValidator(new DigitsOnly(this));
}

void NumberBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // After the click that gave the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
