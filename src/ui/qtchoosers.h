#pragma once

#include "platform/choosers.h"

#include <QPointer>
#include <QWidget>

// The choosers as Qt's standard dialogs, modal over `parent`.
class QtChoosers : public Choosers
{
public:
    explicit QtChoosers(QWidget *parent) : m_parent(parent) {}

    std::optional<QColor> chooseColor() override;
    std::optional<QString> chooseOpenFile(const QString &filter) override;
    std::optional<QString> chooseFolder(const QString &title) override;

    // "Bitmap Image|*.bmp|JPEG Image|*.jpg" as Qt writes it:
    // "Bitmap Image (*.bmp);;JPEG Image (*.jpg)". A description without a
    // pattern is dropped.
    static QString qtFilter(const QString &filter);

private:
    QPointer<QWidget> m_parent;
};
