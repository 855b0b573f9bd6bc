#pragma once

#include <QDialog>

class QTimer;

// The splash window: shown modally at start-up, closed only by its timer.
class frmSplash : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kDisplayMilliseconds = 3000;

    explicit frmSplash(int displayMilliseconds = kDisplayMilliseconds, QWidget *parent = nullptr);

    QTimer *Timer1 = nullptr;

    // True once the timer has fired and the splash has gone.
    bool isDone() const { return m_closing; }

Q_SIGNALS:
    // Emitted once, when the timer has fired and the splash is going away.
    void finished_Timer1();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void Timer1_Timer();
    bool m_closing = false;
};
