#include "widgets/IndexedAction.h"

#include "widgets/ImageList.h"

IndexedAction::IndexedAction(const QString &text, const ImageList &images, QObject *parent)
    : QAction(text, parent)
    , m_images(images)
{
    setIcon(m_images.icon(m_imageIndex));
}

void IndexedAction::setImageIndex(int index)
{
    m_imageIndex = index;
    setIcon(m_images.icon(index));
}

void IndexedAction::setChosen(bool chosen)
{
    if (chosen == m_chosen)
        return;
    m_chosen = chosen;
    emit changed();
}
