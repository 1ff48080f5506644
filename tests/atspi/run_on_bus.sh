#!/bin/sh
# Runs bus_check.py against the program given, as a screen reader would meet
# it: inside an X server of its own and a private D-Bus session, where the
# accessibility bus starts on demand.
set -eu
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"

# The server writes the display it took into this file.
display_file="${TMPDIR:-/tmp}/halvex-bus-display.$$"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 50); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
DISPLAY=":$(cat "$display_file")"
export DISPLAY
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# Debian's own Python, where python3-pyatspi lives.
dbus-run-session -- /usr/bin/python3 "$here/bus_check.py" "$program"
