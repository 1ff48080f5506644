#pragma once

// The splash window: the product picture in a lowered bevel, borderless and
// centred on the desktop, shown while the program starts. The window paints
// both itself: it has no child widgets to make, lay out and paint in turn.

#include <QPixmap>
#include <QWidget>

class TfrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    const QPixmap &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};
