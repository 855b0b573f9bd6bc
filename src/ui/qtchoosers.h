#pragma once

#include "platform/choosers.h"

#include <QString>

// The choosers as Qt's standard dialogs, modal over their owner.
class QtChoosers : public Choosers
{
public:
    std::optional<QColor> chooseColor(QWidget *owner) override;
    std::optional<QString> chooseOpenFile(QWidget *owner, const QString &filter) override;
    std::optional<QString> chooseFolder(QWidget *owner, const QString &title) override;

    // "Bitmap Image|*.bmp|JPEG Image|*.jpg" as Qt writes it:
    // "Bitmap Image (*.bmp);;JPEG Image (*.jpg)". A description without a
    // pattern is dropped.
    static QString qtFilter(const QString &filter);
};
