#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need, and only those missing.
set -euo pipefail

packages=(
    build-essential
    cmake
    pkg-config
    libgtest-dev
    libgmock-dev
    libbenchmark-dev
    nlohmann-json3-dev
    zlib1g-dev
    qt6-base-dev
    fonts-dejavu-core
    xvfb
    poppler-utils
    xauth
    clang
    libclang-rt-14-dev
    help2man
    dpkg-dev
    file
    desktop-file-utils
    appstream
    shared-mime-info
    qt6-translations-l10n
    lintian
    devscripts
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
