#!/usr/bin/env bash
# Pictures of the start window and the help viewer under a real X server (Xvfb), at 100 % and 150 %
# scaling, for checking that every text is complete. Usage: tools/screenshots.sh <torvanel executable>
# Writes screenshots/*.png (git-ignored) and uses a fresh data folder, so no real data is touched.
set -euo pipefail

exe=$(realpath "${1:?usage: tools/screenshots.sh <torvanel executable>}")
out=screenshots
mkdir -p "$out"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

shoot() { # name scale [extra options]
    local name=$1 scale=$2
    shift 2
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 1600x1200x24" \
        "$exe" --data-root "$data/Torvanel" --screenshot "$out/$name.png" "$@"
    echo "$out/$name.png"
}

# A project, so that the start window shows a project name.
"$exe" --data-root "$data/Torvanel" project new "$data/Torvanel/Data/第二工場増築棟" 2>/dev/null

shoot start-100 1
shoot start-150 1.5
shoot help-100 1 --open-help 0
shoot help-150 1.5 --open-help 0
