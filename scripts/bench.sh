#!/usr/bin/env bash
# Runs every benchmark executable in the given folder.
set -euo pipefail
dir="$1"
status=0
for b in "$dir"/bench_*; do
    [ -f "$b" ] && [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" || status=1
done
exit $status
