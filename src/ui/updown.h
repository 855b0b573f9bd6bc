#pragma once

#include <QWidget>
#include <limits>

class QLineEdit;

// Up and down arrows beside a number box. Each press steps the whole number
// in the box by one, from 0 up to `maximum`; the box's text otherwise stays free.
class UpDown : public QWidget
{
    Q_OBJECT
public:
    UpDown(QLineEdit *buddy, QWidget *parent, int maximum = std::numeric_limits<qint32>::max());

    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

private:
    void step(int delta);
    QLineEdit *m_buddy;
    int m_maximum;
};
