#pragma once

// A list of equally sized images picked by index, as the side bar's markers;
// index -1 (or any index outside the list) stands for no image.

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>

class ImageList {
public:
    explicit ImageList(QSize size);

    QSize size() const { return m_size; }
    int add(const QPixmap &image);
    // The image at the index, or a transparent one, so that texts stay aligned.
    QIcon icon(int index) const;

private:
    QSize m_size;
    QList<QIcon> m_icons;
    QIcon m_none;
};
