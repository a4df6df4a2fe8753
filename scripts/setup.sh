#!/usr/bin/env bash
# Installs the Debian 12 packages that the build, the tests and the program need, when missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build make
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
    libbenchmark-dev libxlsxwriter-dev
    poppler-utils unzip xvfb xauth
    librsvg2-bin dpkg-dev lintian desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "Missing packages and no root rights: install them as root: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
