#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The status bar with its three keyed panels: "Message", "Files", "Clock".
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    static inline const QString MessageKey = QStringLiteral("Message");
    static inline const QString FilesKey = QStringLiteral("Files");
    static inline const QString ClockKey = QStringLiteral("Clock");

    explicit StatusBar(QWidget *parent = nullptr);

    // Puts `text` into the panel with that key; an unknown key changes nothing.
    void setPanelText(const QString &key, const QString &text);
    QLabel *panel(const QString &key) const;

    // The tooltip rule: over the "Files" panel, its tooltip becomes today's
    // long date, and `note` on a line of its own when there is one. `x` is
    // in status-bar coordinates.
    void pointerMovedTo(int x, const QDate &today);
    void setFilesNote(const QString &note) { m_filesNote = note; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void updateClock();

    QLabel *m_message;
    QLabel *m_files;
    QLabel *m_clock;
    QTimer *m_clockTimer;
    QString m_filesNote;
};
