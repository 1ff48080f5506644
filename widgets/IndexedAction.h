#pragma once

// An action whose icon is the image of an image list chosen by index, and
// which may be the one chosen among its kind (the page shown, the unit, the
// language). The two mostly go together, but not always: the design can put a
// marker where the choice is not.

#include <QAction>

class ImageList;

class IndexedAction : public QAction {
    Q_OBJECT

public:
    IndexedAction(const QString &text, const ImageList &images, QObject *parent);

    int imageIndex() const { return m_imageIndex; }
    void setImageIndex(int index);

    bool isChosen() const { return m_chosen; }
    void setChosen(bool chosen);

private:
    const ImageList &m_images;
    int m_imageIndex = -1;
    bool m_chosen = false;
};
