#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the desktop program need, only those
# that are missing.
set -euo pipefail
packages=(cmake g++ make pkg-config libsqlite3-dev libsqlitecpp-dev libfmt-dev libcli11-dev
          qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev sqlite3 xvfb xauth
          libcurl4-openssl-dev libcpp-httplib-dev libssl-dev openssl qt6-charts-dev dpkg-dev
          nlohmann-json3-dev python3 libboost-dev libzip-dev libexpat1-dev libfreexl-dev
          libqrencode-dev chromium)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
