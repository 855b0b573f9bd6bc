#include "ui/lazytooltip.h"

#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace {

class LazyToolTip : public QObject
{
public:
    LazyToolTip(QWidget *widget, std::function<QString()> text)
        : QObject(widget), m_widget(widget), m_text(std::move(text))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_widget || event->type() != QEvent::ToolTip)
            return false;
        const QString text = m_text();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), text, m_widget);
        return true;
    }

private:
    QWidget *m_widget;
    std::function<QString()> m_text;
};

} // namespace

void setLazyToolTip(QWidget *widget, std::function<QString()> text)
{
    new LazyToolTip(widget, std::move(text));
}
