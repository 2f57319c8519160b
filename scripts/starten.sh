#!/usr/bin/env bash
# Installs what is missing, builds Kolvaro and starts it on the freshly built data.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOLVARO_TESTS=OFF -DKOLVARO_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
# Started in the build's data directory, Kolvaro reads and writes the files there.
cd build/daten
exec ../kolvaro "$@"
