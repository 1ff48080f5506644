#pragma once

// An action whose icon is the image of an image list chosen by index.

#include <QAction>

class ImageList;

class IndexedAction : public QAction {
    Q_OBJECT

public:
    IndexedAction(const QString &text, const ImageList &images, QObject *parent);

    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

private:
    const ImageList &m_images;
    int m_imageIndex = -1;
};
