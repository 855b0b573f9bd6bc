#pragma once

#include <QString>

#include <functional>

class QWidget;

// Gives `widget` a tooltip worked out only when the user hovers: `text` runs
// then (a sum over a million rows costs nothing until asked for); an empty
// text shows none.
void setLazyToolTip(QWidget *widget, std::function<QString()> text);
