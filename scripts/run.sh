#!/usr/bin/env bash
# Opens the program on its data folder; without a display it lays the data folder down and says where.
set -euo pipefail
exe="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    "$exe" init
    root="${TORVANEL_DATA_ROOT:-$HOME/Torvanel}"
    echo "画面(ディスプレイ)がないため、ウィンドウは開けません。"
    echo "データフォルダを用意しました: $root"
    echo "デスクトップで次のコマンドを実行すると画面が開きます: $exe"
    exit 0
fi
exec "$exe"
