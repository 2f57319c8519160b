#!/usr/bin/env bash
# Runs the libFuzzer targets of fuzz/: builds them with clang in build-fuzz,
# runs each for SEKUNDEN (default 600) from its corpus, merges what it found
# into fuzz/korpus/<target> (minimised: only inputs that add coverage) and
# keeps a crash in fuzz/absturz/<target>. At the end one line per target:
# executions, new corpus entries, findings. Exits with 1 when a target found
# something; the test command replays both folders from then on.
#
#   scripts/fuzzen.sh [SEKUNDEN] [ZIEL...]
set -euo pipefail
cd "$(dirname "$0")/.."

sekunden="${1:-600}"
[[ "$sekunden" =~ ^[0-9]+$ ]] || { echo "Aufruf: scripts/fuzzen.sh [SEKUNDEN] [ZIEL...]" >&2; exit 2; }
(($# > 0)) && shift
mapfile -t alle < <(sed -n 's/^set(KOLVARO_FUZZZIELE \(.*\))$/\1/p' fuzz/CMakeLists.txt | tr ' ' '\n')
ziele=("$@")
((${#ziele[@]})) || ziele=("${alle[@]}")
for z in "${ziele[@]}"; do
  [[ " ${alle[*]} " == *" $z "* ]] || { echo "Unbekanntes Ziel: $z (bekannt: ${alle[*]})" >&2; exit 2; }
done

# libFuzzer is in the compiler runtime package, which clang only recommends.
scripts/abhaengigkeiten.sh clang libclang-rt-dev cmake make

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVARO_FUZZ=ON -DKOLVARO_GUI=OFF \
  -DKOLVARO_TESTS=OFF -DKOLVARO_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target kolvaro_daten "${ziele[@]/#/fuzz_}"

hoechstens=200

# The corpus stays small. libFuzzer's merge takes the inputs smallest first
# and keeps every one that adds a feature; here the order is chosen instead:
# the hand-written seeds (names not made by libFuzzer) first, which always
# stay, then the others largest first, and in two more rounds those that
# brought the most new edges first. What still brings a new edge stays, up
# to $hoechstens files. The edges come from libFuzzer's merge step run on
# a control file of our own, which it works through in the given order.
korpus_waehlen() {
  local fuzzer="$1" arbeit="$2" korpus="$3" neu="$4"
  {
    find "$korpus" -maxdepth 1 -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}' | sort
    find "$korpus" "$neu" -maxdepth 1 -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}' -printf '%s %p\n' |
      sort -rn | cut -d' ' -f2-
  } >"$arbeit/liste"
  local runde versuch anzahl
  for runde in 1 2 3; do
    anzahl="$(wc -l <"$arbeit/liste")"
    { echo "$anzahl"; echo 0; cat "$arbeit/liste"; } >"$arbeit/merge.ctl"
    # An input that crashes the step ends it; the next call goes on behind it.
    for ((versuch = 0; versuch <= anzahl; versuch++)); do
      "$fuzzer" -merge_inner=1 -use_counters=0 -timeout=25 -merge_control_file="$arbeit/merge.ctl" \
        >"$arbeit/merge.log" 2>&1 && break
    done
    awk -v saat="$arbeit/saat" -v rest="$arbeit/rest" '
      function libfuzzer_name(p,  b) { b = p; sub(/.*\//, "", b); return length(b) == 40 && b ~ /^[0-9a-f]+$/ }
      NR == 1 { n = $1; next }
      NR == 2 { next }
      NR <= n + 2 { pfad[NR - 3] = $0; if (!libfuzzer_name($0)) print $0 > saat; next }
      $1 == "COV" && NF > 2 && libfuzzer_name(pfad[$2]) { print NF - 2, pfad[$2] > rest }' "$arbeit/merge.ctl"
    touch "$arbeit/saat" "$arbeit/rest"
    { cat "$arbeit/saat"; sort -s -rn -k1,1 "$arbeit/rest" | cut -d' ' -f2-; } >"$arbeit/liste"
    rm -f "$arbeit/saat" "$arbeit/rest"
  done
  head -n "$hoechstens" "$arbeit/liste"
}

# A crash stops libFuzzer; the target is run again for the rest of its
# time. A crash of the same kind as one before (same sanitizer report or
# property, also one kept by an earlier call) is not kept twice; while it
# is not fixed, it takes its share of the time.
zeilen=()
gefunden=0
for z in "${ziele[@]}"; do
  fuzzer="build-fuzz/fuzz/fuzz_$z"
  korpus="fuzz/korpus/$z"
  absturz="fuzz/absturz/$z"
  mkdir -p "$korpus" "$absturz"
  arbeit="$(mktemp -d)"
  mkdir "$arbeit/neu"
  echo "== $z: $sekunden s"
  rest="$sekunden"
  ausfuehrungen=0
  funde=0
  signaturen=()
  # The crashes kept before count as known: their kind is not kept again.
  while IFS= read -r -d '' alt_artefakt; do
    if "$fuzzer" -timeout=25 "$alt_artefakt" >"$arbeit/log" 2>&1; then
      echo "(behoben: $alt_artefakt)"
    else
      signaturen+=("$(grep -m1 '^Eigenschaft verletzt' "$arbeit/log" || grep -m1 '^SUMMARY' "$arbeit/log" || echo unbekannt)")
    fi
  done < <(find "$absturz" -maxdepth 1 -type f ! -name '.*' ! -name README.md -print0)
  while ((rest > 0)); do
    beginn="$SECONDS"
    # New inputs go into the first folder; crashes next to the target's others.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 "$fuzzer" -max_total_time="$rest" \
      -print_final_stats=1 -timeout=25 -artifact_prefix="$absturz/" "$arbeit/neu" "$korpus" >"$arbeit/log" 2>&1 || true
    dauer=$((SECONDS - beginn))
    rest=$((rest - (dauer > 0 ? dauer : 1)))
    n="$(sed -n 's/^stat::number_of_executed_units: *//p' "$arbeit/log" | tail -1)"
    ausfuehrungen=$((ausfuehrungen + ${n:-0}))
    artefakt="$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$arbeit/log" | tail -1)"
    [[ -n "$artefakt" ]] || break
    signatur="$(grep -m1 '^Eigenschaft verletzt' "$arbeit/log" || grep -m1 '^SUMMARY' "$arbeit/log" || echo unbekannt)"
    if [[ " ${signaturen[*]-} " == *" $signatur "* ]]; then
      rm -f "$artefakt"
      continue
    fi
    signaturen+=("$signatur")
    funde=$((funde + 1))
    echo "-- Fund: $artefakt"
    grep -E -m1 -A30 '^==[0-9]+==ERROR|^Eigenschaft verletzt|runtime error' "$arbeit/log" || tail -30 "$arbeit/log"
  done

  mkdir "$arbeit/gewaehlt"
  korpus_waehlen "$fuzzer" "$arbeit" "$korpus" "$arbeit/neu" | while IFS= read -r datei; do
    cp "$datei" "$arbeit/gewaehlt/"
  done
  alt="$(find "$korpus" -maxdepth 1 -type f | wc -l)"
  neu="$(find "$arbeit/gewaehlt" -type f | wc -l)"
  ((neu > 0)) || { echo "Keine Eingabe von $z gewaehlt" >&2; exit 1; }
  find "$korpus" -maxdepth 1 -type f -delete
  cp -a "$arbeit/gewaehlt/." "$korpus/"

  ((funde == 0)) || gefunden=1
  zeilen+=("$(printf '%-18s %12d Ausfuehrungen  Korpus %4d -> %4d  Funde %d' "$z" "$ausfuehrungen" "$alt" "$neu" "$funde")")
  rm -rf "$arbeit"
done

echo
printf '%s\n' "${zeilen[@]}"
if ((gefunden)); then
  echo "Funde liegen in fuzz/absturz/<Ziel>/; scripts/testen.sh wiederholt sie."
  exit 1
fi
