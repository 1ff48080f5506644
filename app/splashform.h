#pragma once

// The splash window: the product picture in a lowered bevel, borderless and
// centred on the desktop, shown while the program starts.

#include <QWidget>

class TfrmSplash : public QWidget {
    Q_OBJECT

public:
    explicit TfrmSplash(QWidget *parent = nullptr);
};
