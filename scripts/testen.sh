#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Kolvaro with every
# warning an error and runs every test: once as a normal build (core,
# command line, data and GUI tests, then the installation and the Debian
# package), once with AddressSanitizer and UndefinedBehaviorSanitizer (core
# and command line).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/abhaengigkeiten.sh
scripts/formatieren.sh --pruefen
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVARO_BENCH=ON -DKOLVARO_WARNUNGEN_ALS_FEHLER=ON >/dev/null
cmake --build build-test -j"$jobs"
(cd build-test && ctest --output-on-failure -j"$jobs")
scripts/installtest.sh build-test

cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug -DKOLVARO_SANITIZE=ON -DKOLVARO_GUI=OFF -DKOLVARO_BENCH=OFF \
  -DKOLVARO_WARNUNGEN_ALS_FEHLER=ON >/dev/null
cmake --build build-san -j"$jobs"
(cd build-san && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs")
