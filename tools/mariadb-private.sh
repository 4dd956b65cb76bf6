#!/usr/bin/env bash
# Starts or stops a private MariaDB server on loopback, data in a folder of our own.
#   mariadb-private.sh start <datadir> <port>   (extra port = port + 1)
#   mariadb-private.sh stop  <datadir>
# The server runs as the calling user (root on the CI machine) and never touches the
# system's own MariaDB instance.
set -euo pipefail
cmd=${1:?start|stop}
dir=$(realpath -m "${2:?datadir}")
port=${3:-33306}

mysqld_bin=$(command -v mariadbd || command -v mysqld || echo /usr/sbin/mariadbd)
install_bin=$(command -v mariadb-install-db || command -v mysql_install_db)
client=$(command -v mariadb || command -v mysql)

case "$cmd" in
start)
    mkdir -p "$dir"
    if [ -f "$dir/pid" ] && kill -0 "$(cat "$dir/pid")" 2>/dev/null; then
        echo "server already running in $dir"
        exit 0
    fi
    if [ ! -d "$dir/data/mysql" ]; then
        "$install_bin" --user="$(id -un)" --datadir="$dir/data" \
            --auth-root-authentication-method=normal --skip-test-db >"$dir/install.log" 2>&1
    fi
    # extra_port gives a second listener for the alternate-port start.
    "$mysqld_bin" --no-defaults --user="$(id -un)" --datadir="$dir/data" \
        --port="$port" --extra-port=$((port + 1)) --bind-address=127.0.0.1 \
        --socket="$dir/sock" --pid-file="$dir/pid" --log-error="$dir/error.log" \
        --character-set-server=utf8mb4 --collation-server=utf8mb4_czech_ci \
        --innodb-buffer-pool-size=256M --innodb-flush-log-at-trx-commit=2 \
        --skip-name-resolve --max-connections=200 &
    for _ in $(seq 1 120); do
        if "$client" --no-defaults -h127.0.0.1 -P"$port" -uroot -e 'select 1' >/dev/null 2>&1; then
            echo "server up on 127.0.0.1:$port"
            exit 0
        fi
        sleep 0.25
    done
    echo "server did not start; see $dir/error.log" >&2
    tail -20 "$dir/error.log" >&2 || true
    exit 1
    ;;
stop)
    if [ -f "$dir/pid" ]; then
        pid=$(cat "$dir/pid")
        kill "$pid" 2>/dev/null || true
        for _ in $(seq 1 120); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.25
        done
    fi
    echo "server stopped"
    ;;
*)
    echo "usage: $0 start|stop <datadir> [port]" >&2
    exit 2
    ;;
esac
