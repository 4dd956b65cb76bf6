#!/usr/bin/env bash
# Saves PNGs of the main windows against the demo database (Xvfb): tools/screenshot.sh [dir]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build-demo/snimky}")
SMESI_DEMO_JEN_PRIPRAVA=1 "$root/tools/run-demo.sh"
cmake -S "$root" -B "$root/build-demo" -DSMESI_TESTS=OFF -DSMESI_NASTROJE=ON >/dev/null
cmake --build "$root/build-demo" --target snimky -j"$(nproc)"
cd "$root/.demo/suite/smesi"
xvfb-run -a -s "-screen 0 1400x1000x24" "$root/build-demo/tools/snimky" "$out"
echo "screenshots in $out"
