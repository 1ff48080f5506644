#pragma once

// A label whose news a screen reader speaks: exposed as a notification, and
// announce() tells the reader to present it now, as it does when a
// notification appears. A sighted user sees an ordinary label.

#include <QLabel>

class AnnouncedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void announce();
};
