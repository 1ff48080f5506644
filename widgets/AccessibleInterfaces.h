#pragma once

// What screen readers, voice control and switch access see of our widgets,
// where Qt's own view falls short:
// - a clickable label is a link, opened by its action as by a click;
// - the cylinder gauge is a progress bar with its value, 0 to 100;
// - a side-bar group's header says whether the group is expanded or collapsed;
// - the announcer a window tells its news through is a notification named by it;
// - a check box's action is a click: the program hears it as the user's choice,
//   where Qt's own action would only toggle the box.
// Installed once for the application; later calls do nothing.

#include <QVariant>

#include <functional>

class QObject;

void installAccessibleInterfaces();

// Tells screen readers, when one listens, that the widget's value changed.
void announceValueChange(QObject *widget, const QVariant &value);
// Also tells `listener` of every announcement, for as long as it is set (tests listen here).
void setAnnouncementListener(std::function<void(QObject *, const QVariant &)> listener);
