#include "widgets/ImageList.h"

ImageList::ImageList(QSize size) : m_size(size)
{
    QPixmap transparent(size);
    transparent.fill(Qt::transparent);
    m_none = QIcon(transparent);
}

int ImageList::add(const QPixmap &image)
{
    m_icons.append(QIcon(image));
    return static_cast<int>(m_icons.size()) - 1;
}

QIcon ImageList::icon(int index) const
{
    return index >= 0 && index < m_icons.size() ? m_icons[index] : m_none;
}
