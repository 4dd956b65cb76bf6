#!/usr/bin/env bash
# Builds the program, starts a private MariaDB with the demo company (its data survive in
# .demo/ of the checkout), lays out a suite directory and starts smesi in it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
demo="$root/.demo"
port=${SMESI_DEMO_PORT:-33406}
build="$root/build-demo"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSMESI_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"

"$root/tools/mariadb-private.sh" start "$demo/db" "$port"
client=(mariadb --no-defaults -h127.0.0.1 -P"$port" -uroot --default-character-set=utf8mb4)
if [ ! -f "$demo/db/loaded" ]; then
    "${client[@]}" -e "create database if not exists kavlin; create database if not exists vortek"
    "${client[@]}" kavlin <"$root/sql/suite.sql"
    "${client[@]}" kavlin <"$root/sql/demo.sql"
    "${client[@]}" vortek <"$root/sql/directory.sql"
    touch "$demo/db/loaded"
    echo "demo database loaded"
fi

suite="$demo/suite"
prog="$suite/smesi"
mkdir -p "$prog"
cmake --install "$build" --prefix "$prog" >/dev/null
# The suite's other programs, as stand-ins, so the module menu and the views work.
for m in ardo belt cirk dumo efta fols hurn ilka jemb; do
    ln -sf "$root/tools/zaznam-volani.sh" "$prog/$m.exe"
done
ln -sf "$root/tools/grem.exe" "$prog/grem.exe"
mkdir -p "$prog/data"
[ -f "$prog/data/KOTR.DBF" ] || cp "$root/tools/KOTR.DBF" "$prog/data/KOTR.DBF"
# The suite's shared file lies one level above the program directory.
if [ ! -f "$suite/Kavlin05.ini" ]; then
    printf '[LogON]\r\nIP=127.0.0.1\r\nSQLport=%s\r\nDatabase=kavlin\r\nUser=root\r\nPassword=\r\nCisloPC=01\r\nICO=-\r\n[Kavlin]\r\nPassword=\r\n' "$port" >"$suite/Kavlin05.ini"
fi
if [ ! -f "$prog/smesi.ini" ]; then
    printf '[TFmozno]\r\nEditIP_Text=127.0.0.1\r\nEditpodnik_Text=0126\r\nsuiCheckBoxTestVerze_Checked=False\r\nsuiCheckBoxPotvrzovat_Checked=True\r\n[TForm1]\r\nLabel1_Caption=10\r\n' >"$prog/smesi.ini"
fi
if [ "${SMESI_DEMO_JEN_PRIPRAVA:-}" = 1 ]; then
    exit 0
fi
cd "$prog"
exec ./smesi "$@"
