#!/usr/bin/env bash
# Creates (or checks) the demo database on the embedded SQLite default.
set -euo pipefail
build=${1:-build}
db=${2:-$build/demo.sqlite}
"$build/apps/quvhesap/quvhesap" init-db --db "$db"
echo "Demo veritabanı: $db"
