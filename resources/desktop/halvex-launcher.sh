#!/bin/sh
# Starts Halvex from the folder that keeps it together with its help and its
# licence agreement.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/halvex/halvex" "$@"
