#include "ui/prompts.h"

#include "settings/productinfo.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

bool MessageBoxPrompts::askYesNo(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(ProductInfo::kTitle), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompts::inform(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), QString::fromLatin1(ProductInfo::kTitle), text, QMessageBox::Ok, parent);
    box.exec();
}
