#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libqt6sql6-sqlite libsqlite3-dev libqt6sql6-psql libqt6sql6-odbc unixodbc-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev libxlsxwriter-dev
    postgresql sqlite3 poppler-utils unzip
    odbc-postgresql libsqliteodbc
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" != 0 ]; then
    echo "Eksik paketler: ${missing[*]}" >&2
    echo "Kurmak için bu komutu root olarak çalıştırın." >&2
    exit 1
fi

echo "Kuruluyor: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
