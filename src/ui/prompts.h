#pragma once

#include <QString>

class QWidget;

// The program's message boxes, titled with the product name. Behind an
// interface so tests answer them instead of a person.
class Prompts
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    virtual ~Prompts() = default;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text, Icon icon = Icon::Question) = 0;
    // A message with an OK button.
    virtual void inform(QWidget *parent, const QString &text, Icon icon = Icon::None) = 0;
};

class MessageBoxPrompts : public Prompts
{
public:
    bool askYesNo(QWidget *parent, const QString &text, Icon icon) override;
    void inform(QWidget *parent, const QString &text, Icon icon) override;
};
