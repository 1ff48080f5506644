#pragma once

// The help window: the help book's contents on the left, its text on the right;
// links are followed inside it. The focus entering the contents is at a section,
// the first unless one was chosen. A book that cannot be read says so in the window.
// Escape or Ctrl+W closes it. It opens for the English help only, so it speaks English.

#include <QMainWindow>

class QListWidget;
class QTextBrowser;

class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *owner = nullptr);

    // Loads the book and shows it at its contents.
    void showBook(const QString &path);

    QListWidget *contents() const { return m_contents; }
    QTextBrowser *text() const { return m_text; }

private:
    QListWidget *m_contents;
    QTextBrowser *m_text;
};
