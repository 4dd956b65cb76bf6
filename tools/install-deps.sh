#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (run as root).
# Quick when everything is already there: apt is asked only for missing packages.
set -euo pipefail
packages=(
    cmake g++ clang make pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libmariadb-dev mariadb-server mariadb-client
    libzint-dev libcurl4-openssl-dev
    googletest libgtest-dev
    pdftk-java poppler-utils qpdf
    python3 python3-dbfread python3-pyftpdlib
    xvfb xauth xdg-utils imagemagick
    fonts-dejavu-core fonts-dejavu-extra fonts-liberation2
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # The packaged server must not start on the system port; ours run privately.
    if [ ! -e /usr/sbin/policy-rc.d ]; then
        printf '#!/bin/sh\nexit 101\n' >/usr/sbin/policy-rc.d
        chmod +x /usr/sbin/policy-rc.d
        trap 'rm -f /usr/sbin/policy-rc.d' EXIT
    fi
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
