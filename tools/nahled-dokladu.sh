#!/usr/bin/env bash
# Renders every page of the printed mixture document of demo documents to PNG, to look at:
#     tools/nahled-dokladu.sh [output dir] [document number ...]
# (default: build-nahled/nahled, documents 2026100001 2026200001 2026200002). A private
# server with the demo company runs on 127.0.0.1:${SMESI_NAHLED_PORT:-33398} meanwhile.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-nahled/nahled}")
shift || true
doklady=("$@")
[ ${#doklady[@]} -gt 0 ] || doklady=(2026100001 2026200001 2026200002)
port=${SMESI_NAHLED_PORT:-33398}
build=$root/build-nahled
client=$(command -v mariadb || command -v mysql)

cmake -S "$root" -B "$build" -DSMESI_TESTS=OFF -DSMESI_NASTROJE=ON >/dev/null
cmake --build "$build" --target tisk_dokladu -j"$(nproc)" >/dev/null

server=$(mktemp -d)
trap '"$root/tools/mariadb-private.sh" stop "$server" >/dev/null 2>&1 || true; rm -rf "$server"' EXIT
"$root/tools/mariadb-private.sh" start "$server" "$port" >/dev/null
"$client" --no-defaults -h127.0.0.1 -P"$port" -uroot -e "create database kavlin"
for f in suite.sql demo.sql; do
    "$client" --no-defaults -h127.0.0.1 -P"$port" -uroot --default-character-set=utf8mb4 kavlin \
        <"$root/sql/$f"
done

mkdir -p "$out"
cd "$out"
for d in "${doklady[@]}"; do
    QT_QPA_PLATFORM=offscreen "$build/tools/tisk_dokladu" 127.0.0.1 "$port" kavlin "$d" "$d.pdf"
    pdftoppm -r 110 -png "$d.pdf" "$d"
done
ls "$out"/*.png
