#pragma once

#include <QString>
#include <QUrl>

class DesktopServices;
class Prompts;
class QWidget;

// Whether the desktop can open `url`; when no application is set up for it,
// says so ("No application is set up to open `shown`.") instead of letting
// the click pass in silence.
bool desktopCanOpen(DesktopServices &desktop, Prompts &prompts, QWidget *parent, const QUrl &url,
                    const QString &shown);
