#include "ui/updown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(QLineEdit *buddy, QWidget *parent, int maximum)
    : QWidget(parent), m_buddy(buddy), m_maximum(maximum)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto *button = new QToolButton(this);
        button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, up ? &UpDown::stepUp : &UpDown::stepDown);
        layout->addWidget(button);
    }
}

void UpDown::step(int delta)
{
    bool ok = false;
    const qint64 current = m_buddy->text().trimmed().toLongLong(&ok);
    const qint64 next = (ok ? current : 0) + delta;
    const qint64 clamped = std::clamp<qint64>(next, 0, m_maximum);
    m_buddy->setText(QString::number(clamped));
}
