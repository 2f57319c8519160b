#!/usr/bin/env bash
# Times the start of the window program against a bare Qt main window and
# the same window with a menu and a line of text, side by side in one run
# under Xvfb: from the process start until the main window
# is mapped and drawn (hyperfine), and the resident memory at that moment.
# Both programs are built for this (Release, in build-fensterstart) so that
# they end by themselves once their window is mapped; the shipped program has
# no such hook. Installs Xvfb and hyperfine when they are missing.
#
#   bench/fensterstart.sh [LAEUFE]     (default 100 runs per program)
#
# Prints hyperfine's table, the memory table and the ratios of Kolvaro to
# each yardstick; the tables also go to build-fensterstart/fensterstart.md.
set -euo pipefail
cd "$(dirname "$0")/.."

laeufe="${1:-100}"
[[ "$laeufe" =~ ^[0-9]+$ ]] || { echo "Aufruf: bench/fensterstart.sh [LAEUFE]" >&2; exit 2; }

scripts/abhaengigkeiten.sh xvfb hyperfine

bau="$PWD/build-fensterstart"
cmake -S . -B "$bau" -DCMAKE_BUILD_TYPE=Release -DKOLVARO_TESTS=OFF -DKOLVARO_BENCH=ON >/dev/null
cmake --build "$bau" -j"$(nproc)" --target kolvaro_fensterstart kolvaro_leeres_fenster >/dev/null

tmp="$(mktemp -d)"
xvfb=""
aufraeumen() {
  [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap aufraeumen EXIT

# The shipped data with an empty password, as after a first start confirmed
# without one: no dialog comes before the window. Settings and caches go to
# the temporary home, so every run starts alike and nothing of the user's is read.
mkdir -p "$tmp/daten" "$tmp/heim"
mkdir -m 700 "$tmp/laufzeit"
cp "$bau"/daten/* "$tmp/daten/"
printf '\r\n' >"$tmp/daten/STOFFW10.NFO"
export HOME="$tmp/heim" XDG_CONFIG_HOME="$tmp/heim/.config" XDG_CACHE_HOME="$tmp/heim/.cache" \
  XDG_DATA_HOME="$tmp/heim/.local/share" XDG_RUNTIME_DIR="$tmp/laufzeit"

# Xvfb picks a free display number and writes it to the pipe.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/anzeige" 2>"$tmp/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [[ -s "$tmp/anzeige" ]] && break; sleep 0.1; done
[[ -s "$tmp/anzeige" ]] || { echo "Xvfb startet nicht:" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$tmp/anzeige")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

kolvaro="$bau/bench/kolvaro_fensterstart"
leer="$bau/bench/kolvaro_leeres_fenster"
cd "$tmp/daten"
"$kolvaro" && "$leer" && "$leer" --text || { echo "Ein Programm endet nicht sauber." >&2; exit 1; }

hyperfine -N --warmup 10 --runs "$laeufe" --export-markdown "$bau/fensterstart.md" \
  --export-csv "$bau/fensterstart.csv" -n kolvaro "$kolvaro" -n "leeres Qt-Fenster" "$leer" \
  -n "Qt-Fenster mit Text" "$leer --text"

# Memory: the runs alternate, as the timing's do.
for _ in $(seq 20); do
  KOLVARO_FENSTERSTART_SPEICHER="$tmp/kolvaro.kb" "$kolvaro"
  KOLVARO_FENSTERSTART_SPEICHER="$tmp/leer.kb" "$leer"
  KOLVARO_FENSTERSTART_SPEICHER="$tmp/text.kb" "$leer" --text
done
median() { sort -n "$1" | awk '{ w[NR] = $1 } END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'; }
mk="$(median "$tmp/kolvaro.kb")"
ml="$(median "$tmp/leer.kb")"
mt="$(median "$tmp/text.kb")"
{
  echo
  echo "| Programm | Speicher beim Zeigen (Median von 20, MB) |"
  echo "|:---|---:|"
  awk -v k="$mk" -v l="$ml" -v t="$mt" 'BEGIN { printf "| kolvaro | %.1f |\n| leeres Qt-Fenster | %.1f |\n| Qt-Fenster mit Text | %.1f |\n", k / 1024, l / 1024, t / 1024 }'
} >>"$bau/fensterstart.md"

echo
cat "$bau/fensterstart.md"
# The CSV's second column is the mean in seconds, the fourth the median, one row per program.
awk -F, -v k="$mk" -v l="$ml" -v t="$mt" 'NR > 1 { mittel[NR - 1] = $2; median[NR - 1] = $4 }
  END { printf "\nkolvaro / leeres Qt-Fenster: Zeit %.2f (Median %.2f), Speicher %.2f\n",
        mittel[1] / mittel[2], median[1] / median[2], k / l
        printf "kolvaro / Qt-Fenster mit Text: Zeit %.2f (Median %.2f), Speicher %.2f\n",
        mittel[1] / mittel[3], median[1] / median[3], k / t }' "$bau/fensterstart.csv"
