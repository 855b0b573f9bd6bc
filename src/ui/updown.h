#pragma once

#include <QWidget>

class QLineEdit;

// Up and down arrows beside a number box. Each press steps the whole number
// in the box by one, from 0 upward; the box's text otherwise stays free.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QLineEdit *buddy, QWidget *parent = nullptr);

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);
    QLineEdit *m_buddy;
};
