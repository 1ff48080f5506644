#!/bin/sh
# Runs bus_check.py against the program given, as a screen reader would meet
# it: inside an X server of its own and a private D-Bus session, where the
# accessibility bus starts on demand.
set -eu
program="$1"
here="$(cd "$(dirname "$0")" && pwd)"

# The server writes the display it took into this file, and keeps its screen
# in a file of the folder beside it, where the check reads what is drawn.
display_file="${TMPDIR:-/tmp}/halvex-bus-display.$$"
screen_folder="${TMPDIR:-/tmp}/halvex-bus-screen.$$"
mkdir -p "$screen_folder"
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$screen_folder" -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$display_file" "$screen_folder"' EXIT
# A loaded machine may take a while to start it: wait up to a minute, and
# never fall back to whatever display the environment names.
for _ in $(seq 600); do
  [ -s "$display_file" ] && break
  kill -0 "$server" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$display_file" ]; then
  if kill -0 "$server" 2>/dev/null; then
    echo "run_on_bus.sh: Xvfb gave no display within a minute" >&2
  else
    echo "run_on_bus.sh: Xvfb ended without giving a display" >&2
  fi
  exit 1
fi
DISPLAY=":$(cat "$display_file")"
HALVEX_BUS_SCREEN="$screen_folder/Xvfb_screen0"
export DISPLAY HALVEX_BUS_SCREEN
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# Debian's own Python, where python3-pyatspi lives.
dbus-run-session -- /usr/bin/python3 "$here/bus_check.py" "$program"
