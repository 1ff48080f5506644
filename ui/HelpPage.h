#pragma once

// The page tsHelp: the help in the window, for the languages the help book
// is not written in.

#include <QWidget>

class HelpPage : public QWidget {
    Q_OBJECT

public:
    explicit HelpPage(QWidget *parent = nullptr);
};
