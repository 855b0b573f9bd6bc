#pragma once

#include <QAction>
#include <QKeySequence>
#include <QMenu>

// Adds an entry named `objectName` to `menu`; its triggered() runs `handler`.
template <typename Receiver, typename Handler>
QAction *addMenuEntry(QMenu *menu, const char *objectName, const QString &caption,
                      Receiver *receiver, Handler handler, const QKeySequence &shortcut = {})
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(shortcut);
    QObject::connect(action, &QAction::triggered, receiver, [receiver, handler] { (receiver->*handler)(); });
    return action;
}
