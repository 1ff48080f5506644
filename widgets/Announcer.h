#pragma once

// How a window tells a screen reader the outcome of what was just done, where
// the focus does not go: once, as a notification named by the news. Each main
// window has one announcer, a hidden child that nothing ever shows, so that no
// page shown and no window opened speaks old news again, and empty news is
// never sent; its dialogs tell their news through it, since a reader says a
// dialog's title before each notification inside the dialog. News waits for
// the focus to settle: a screen reader speaks a focus change as it comes,
// cutting whatever it was saying.

#include <QString>
#include <QWidget>

#include <functional>

class QTimer;

class Announcer : public QWidget {
    Q_OBJECT

public:
    // Tells a screen reader `news` from the main window of `within`; nothing for no news.
    static void announce(QWidget *within, const QString &news);

    // The last news told.
    const QString &news() const { return m_news; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit Announcer(QWidget *window);

    // Now, when the window or one of its dialogs has the focus; else once the window system gives it back.
    void tell(const QString &news);
    void tellWaiting();
    bool focusHere() const;

    QString m_news;
    QString m_waiting;
    QTimer *m_longestWait;
};

// Also tells `listener` of every news as it is told, and from which main
// window, for as long as it is set (tests listen here).
void setNewsListener(std::function<void(QWidget *window, const QString &news)> listener);
