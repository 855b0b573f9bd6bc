#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>

// The one updating line on standard error while a count runs: files, pages,
// files per second and the folder being searched.
class Progress
{
    Q_DECLARE_TR_FUNCTIONS(Progress)

public:
    explicit Progress(bool enabled);
    // Redraws the line, at most a few times a second.
    void update(qint64 files, qint64 pages, const QString &folder);
    // Removes the line (before output reaches the same terminal, and at the end).
    void clear();

private:
    bool m_enabled;
    bool m_shown = false;
    QElapsedTimer m_sinceStart;
    QElapsedTimer m_sinceDraw;
};
