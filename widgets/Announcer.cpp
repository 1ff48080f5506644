#include "widgets/Announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace {

// A window system gives the focus back to a window soon after its dialog
// closes; news kept longer would come long after what it tells.
constexpr int kLongestWaitMs = 1000;

std::function<void(QWidget *, const QString &)> &newsListener()
{
    static std::function<void(QWidget *, const QString &)> listener;
    return listener;
}

} // namespace

void Announcer::announce(QWidget *within, const QString &news)
{
    if (!within || news.isEmpty())
        return;
    QWidget *window = within->window();
    while (QWidget *owner = window->parentWidget())
        window = owner->window();
    auto *announcer = window->findChild<Announcer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->tell(news);
}

Announcer::Announcer(QWidget *window) : QWidget(window), m_longestWait(new QTimer(this))
{
    setObjectName(QStringLiteral("announcer"));
    // Hidden for good: a notification shown with its window would be spoken then.
    hide();
    m_longestWait->setSingleShot(true);
    m_longestWait->setInterval(kLongestWaitMs);
    connect(m_longestWait, &QTimer::timeout, this, &Announcer::tellWaiting);
    window->installEventFilter(this);
}

void Announcer::tell(const QString &news)
{
    m_waiting = news;
    // A window that has lost the focus to a dialog gets it back from the window
    // system after the dialog has closed; the focus it restores is spoken then.
    if (focusHere())
        tellWaiting();
    else
        m_longestWait->start();
}

bool Announcer::focusHere() const
{
    // A dialog just closed keeps the focus, hidden, until the window system moves it.
    const QWidget *active = QApplication::activeWindow();
    if (!active || !active->isVisible())
        return false;
    for (const QWidget *owner = active; owner; owner = owner->parentWidget()) {
        if (owner == window())
            return true;
    }
    return false;
}

bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    // Queued: the activation gives the focus back after this event.
    if (watched == window() && event->type() == QEvent::WindowActivate && !m_waiting.isEmpty())
        QMetaObject::invokeMethod(this, &Announcer::tellWaiting, Qt::QueuedConnection);
    return QWidget::eventFilter(watched, event);
}

void Announcer::tellWaiting()
{
    if (m_waiting.isEmpty())
        return;
    m_longestWait->stop();
    m_news = std::exchange(m_waiting, QString());
    if (newsListener())
        newsListener()(window(), m_news);
    if (!QAccessible::isActive())
        return;
    // The new name first, for readers that keep the names they have read; then
    // the notification appears, which is what a reader speaks.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void setNewsListener(std::function<void(QWidget *window, const QString &news)> listener)
{
    newsListener() = std::move(listener);
}
