#pragma once

#include "ui/prompts.h"

#include <QList>
#include <QStringList>

namespace TestSupport {

// Answers questions from a queue (Yes when empty) and records every box.
class FakePrompts : public Prompts
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
        bool question;
    };

    bool askYesNo(QWidget *, const QString &text, Icon icon) override
    {
        shown.append({text, icon, true});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void inform(QWidget *, const QString &text, Icon icon) override { shown.append({text, icon, false}); }

    QStringList texts() const
    {
        QStringList result;
        for (const Shown &s : shown)
            result.append(s.text);
        return result;
    }

    QList<bool> answers; // true = Yes
    QList<Shown> shown;
};

} // namespace TestSupport
