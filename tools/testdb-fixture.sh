#!/usr/bin/env bash
# CTest fixture: a fresh private server for one test run, with the directory
# database loaded once (tests use their own company databases next to it).
set -euo pipefail
cmd=${1:?setup|cleanup}
dir=${2:?dir}
port=${3:?port}
sqldir=${4:-}
here=$(dirname "$0")
client=$(command -v mariadb || command -v mysql)
case "$cmd" in
setup)
    "$here/mariadb-private.sh" stop "$dir" >/dev/null 2>&1 || true
    rm -rf "$dir"
    "$here/mariadb-private.sh" start "$dir" "$port"
    "$client" --no-defaults -h127.0.0.1 -P"$port" -uroot --default-character-set=utf8mb4 \
        -e "create database vortek; create user 'vortek'@'%' identified by '${SMESI_ADRESAR_HESLO:-}'; grant select on vortek.* to 'vortek'@'%';"
    if [ -f "$sqldir/directory.sql" ]; then
        "$client" --no-defaults -h127.0.0.1 -P"$port" -uroot --default-character-set=utf8mb4 vortek <"$sqldir/directory.sql"
    fi
    ;;
cleanup)
    "$here/mariadb-private.sh" stop "$dir"
    rm -rf "$dir"
    ;;
esac
