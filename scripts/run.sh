#!/usr/bin/env bash
# Opens the program on its data folder; without a display it lays the data folder down and says where.
set -euo pipefail
exe="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    "$exe" init
    root="${TORVANEL_DATA_ROOT:-$HOME/Torvanel}"
    echo "No display found: the window cannot open here."
    echo "The data folder is ready at: $root"
    echo "Start the program on a desktop with: $exe"
    exit 0
fi
exec "$exe"
