#pragma once

// State changes that screen readers on the AT-SPI bus listen for and Qt's
// bridge does not send. Qt 6.4's bridge (AtSpiAdaptor::notify) forwards one
// state of a state-change event: checked, else a window's active, else
// enabled, else focused; "expanded" and "collapsed" never reach the bus. They
// are sent here as the bridge sends its own: on its connection to the
// accessibility bus, from the path it gives the object, so that a reader finds
// the object it knows. Nothing is sent where no bridge runs.

class QObject;

// Tells the bus that `state` ("expanded", "collapsed"…) of the object's accessible is now on or off.
void sendBusStateChange(QObject *object, const char *state, bool on);
