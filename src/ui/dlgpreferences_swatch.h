#pragma once

#include <QColor>
#include <QWidget>

// A small square filled with a colour. It keeps the colour value itself, not
// the colour it paints, so a system colour stays a system colour until it is
// replaced: it is the dialog's only copy of that setting.
class ColorSwatch : public QWidget
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    qint32 value() const { return m_value; }
    void setValue(qint32 value);

    // What the square shows; invalid for a system colour with no counterpart here.
    QColor color() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_value = 0;
};
