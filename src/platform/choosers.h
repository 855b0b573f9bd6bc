#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// The modal choosers the dialogs open: a colour chooser, a file chooser and a
// folder browser. Each returns the user's choice, or nothing on a cancel or a
// failure. Each opens modal over `owner`, the dialog that asks. Dialogs hold
// one of these so tests answer without a window.
class Choosers
{
public:
    virtual ~Choosers() = default;

    virtual std::optional<QColor> chooseColor(QWidget *owner) = 0;
    // `filter` lists description and pattern alternately, separated by "|":
    // "Bitmap Image|*.bmp|JPEG Image|*.jpg". The answer is a full path.
    virtual std::optional<QString> chooseOpenFile(QWidget *owner, const QString &filter) = 0;
    // A folder browser captioned `title`; the answer is the folder's path.
    virtual std::optional<QString> chooseFolder(QWidget *owner, const QString &title) = 0;
};
