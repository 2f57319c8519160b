#!/usr/bin/env bash
# Times one conversion of kolvaro-cli against GNU units and against starting
# a process that does nothing, side by side in one hyperfine run. Builds
# kolvaro-cli as it is installed (Release) in build-bench and installs
# hyperfine and units when they are missing; both are needed here only.
#
#   bench/kommandozeile.sh [LAEUFE]     (default 500 runs per command)
#
# Prints hyperfine's table and the ratio kolvaro-cli / units; the table also
# goes to build-bench/kommandozeile.md.
set -euo pipefail
cd "$(dirname "$0")/.."

laeufe="${1:-500}"
[[ "$laeufe" =~ ^[0-9]+$ ]] || { echo "Aufruf: bench/kommandozeile.sh [LAEUFE]" >&2; exit 2; }

scripts/abhaengigkeiten.sh hyperfine units

cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKOLVARO_GUI=OFF -DKOLVARO_TESTS=OFF -DKOLVARO_BENCH=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target kolvaro-cli >/dev/null

cli="$PWD/build-bench/kolvaro-cli --daten $PWD/build-bench/daten"
# The same question to both: how much is a length in kilometres.
$cli umrechnen Länge Kilometer 1 >/dev/null
units -1 -t '1 mile' km >/dev/null

# -N: no shell between hyperfine and the program, so that /bin/true is the
# cost of starting a process and nothing else.
hyperfine -N --warmup 50 --min-runs "$laeufe" --export-markdown build-bench/kommandozeile.md \
  --export-csv build-bench/kommandozeile.csv \
  "$cli umrechnen Länge Kilometer 1" \
  "units -1 -t '1 mile' km" \
  "/bin/true"

echo
cat build-bench/kommandozeile.md
# The CSV's second column is the mean in seconds, one row per command.
awk -F, 'NR > 1 { mittel[NR - 1] = $2 }
  END { printf "\nkolvaro-cli / units: %.2f  (ohne den Prozessstart: %.2f)\n",
        mittel[1] / mittel[2], (mittel[1] - mittel[3]) / (mittel[2] - mittel[3]) }' build-bench/kommandozeile.csv
