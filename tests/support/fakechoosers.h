#pragma once

#include "platform/choosers.h"

#include <QList>
#include <QStringList>

namespace TestSupport {

// Choosers that answer from queues the test fills; an empty optional is a
// cancel, and so is a question asked with its queue empty. Every question is
// recorded with its filter or title, and its owner.
class FakeChoosers : public Choosers
{
public:
    std::optional<QColor> chooseColor(QWidget *owner) override
    {
        owners << owner;
        ++colorRequests;
        return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.takeFirst();
    }

    std::optional<QString> chooseOpenFile(QWidget *owner, const QString &filter) override
    {
        owners << owner;
        fileFilters << filter;
        return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.takeFirst();
    }

    std::optional<QString> chooseFolder(QWidget *owner, const QString &title) override
    {
        owners << owner;
        folderTitles << title;
        return folderAnswers.isEmpty() ? std::nullopt : folderAnswers.takeFirst();
    }

    QList<std::optional<QColor>> colorAnswers;
    QList<std::optional<QString>> fileAnswers;
    QList<std::optional<QString>> folderAnswers;

    int colorRequests = 0;
    QStringList fileFilters;
    QStringList folderTitles;
    QList<QWidget *> owners;
};

} // namespace TestSupport
