#!/usr/bin/env bash
# Installs what the tests need, builds with AddressSanitizer and UndefinedBehaviorSanitizer,
# and runs every test (ctest starts and stops the private database server itself).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DSMESI_SANITIZE=ON -DSMESI_TESTS=ON
cmake --build "$build" -j"$(nproc)"
cd "$build"
ctest --output-on-failure -j2 --timeout 600
