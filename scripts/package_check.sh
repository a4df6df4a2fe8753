#!/usr/bin/env bash
# Builds the Debian package and checks it as an estimator's machine gets it: its contents, lintian
# (an error fails), the menu entry; then installed: the version, a new data folder, the totals of
# the installed office sample; then removed again, with nothing of it left in /usr. Needs root
# (CI runs as root); the build folder is the first argument (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"

cmake --build "$build" --target package
deb="$(ls "$build"/torvanel_*_amd64.deb | head -n 1)"
version="$(sed -n 's/^project(Torvanel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
echo "Checking $deb"

contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/bin/torvanel ./usr/share/applications/torvanel.desktop \
    ./usr/share/icons/hicolor/scalable/apps/torvanel.svg ./usr/share/icons/hicolor/48x48/apps/torvanel.png \
    ./usr/share/man/man1/torvanel.1.gz ./usr/share/doc/torvanel/copyright \
    ./usr/share/doc/torvanel/changelog.Debian.gz; do
    if ! grep -qx "$file" <<<"$contents"; then
        echo "The package lacks $file" >&2
        exit 1
    fi
done
lintian --fail-on error "$deb"
desktop-file-validate packaging/torvanel.desktop

dpkg -i "$deb"
data="$(mktemp -d)"
trap 'rm -rf "$data"' EXIT
test "$(/usr/bin/torvanel --version)" = "torvanel $version"
/usr/bin/torvanel --data-root "$data/Torvanel" init
/usr/bin/torvanel --data-root "$data/Torvanel" project open "$data/Torvanel/Data/サンプル事務所棟.tkd"
/usr/bin/torvanel --data-root "$data/Torvanel" totals --table steel >"$data/steel.txt"
grep -q '^A	合計' "$data/steel.txt"
dpkg -r torvanel
left="$(find /usr -iname '*torvanel*' -print)"
if [ -n "$left" ]; then
    echo "Left in /usr after removal: $left" >&2
    exit 1
fi
echo "The package installs, runs and removes cleanly."
