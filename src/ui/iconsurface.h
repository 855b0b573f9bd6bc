#pragma once

#include <QImage>
#include <QWidget>

// The never-shown 16 x 16 drawing surface for file icons: the search copies
// its current image into the File Name cell of each row.
class IconSurface : public QWidget
{
    Q_OBJECT
public:
    explicit IconSurface(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    void clear() { m_image = QImage(); }
    void draw(const QImage &icon) { m_image = icon; }

private:
    QImage m_image;
};
