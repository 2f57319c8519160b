#!/usr/bin/env bash
# Installs a built tree into a temporary root, as a user or a package would
# get it, and checks it: every file in place, kolvaro-cli finding its data
# through the installed layout alone (no --daten, first run copying the data
# for the user), the desktop entry, the metainfo and the manual pages valid
# and complete, and the Debian package built from the same tree holding the
# same files with its dependencies, stripped and hardened, and lintian
# finding no error and no warning in it. Nothing is installed on the machine.
#
#   scripts/installtest.sh [BUILD_DIRECTORY]     (default: build-test)
set -euo pipefail
cd "$(dirname "$0")/.."
bau="$(realpath "${1:-build-test}")"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

pruefungen=0
fehler=0
# pruefe TEXT COMMAND...: one check; a failure is counted and named, the run goes on.
pruefe() {
  local was="$1"
  shift
  pruefungen=$((pruefungen + 1))
  if ! "$@"; then
    echo "FEHLER: $was" >&2
    fehler=$((fehler + 1))
  fi
}
enthaelt() { grep -qxF -- "$2" <<<"$1"; }  # the text holds this whole line
leer() { [[ ! -s "$1" ]] || { cat "$1" >&2; false; }; }
still() { "$@" >"$tmp/still.log" 2>&1 || { cat "$tmp/still.log" >&2; false; }; }  # output only on failure

version="$(sed -n 's/^#define KOLVARO_VERSION "\(.*\)"$/\1/p' "$bau/version/kolvaro_version.h")"
[[ -n "$version" ]] || { echo "FEHLER: keine Version in $bau/version/kolvaro_version.h" >&2; exit 1; }
app=de.ostravin.Kolvaro
erwartet=(
  usr/bin/kolvaro
  usr/bin/kolvaro-cli
  usr/share/kolvaro/daten/Gruppen.nfo
  usr/share/applications/$app.desktop
  usr/share/icons/hicolor/scalable/apps/$app.svg
  usr/share/metainfo/$app.metainfo.xml
  usr/share/man/man1/kolvaro-cli.1.gz
  usr/share/man/man1/kolvaro.1.gz
  usr/share/doc/kolvaro/copyright
)
# Only in the package: what Debian's tools read.
nur_im_paket=(
  usr/share/doc/kolvaro/changelog.Debian.gz
  usr/share/lintian/overrides/kolvaro
)

# ---- the staged installation ----
wurzel="$tmp/wurzel"
DESTDIR="$wurzel" cmake --install "$bau" --prefix /usr >"$tmp/install.log"
for datei in "${erwartet[@]}"; do pruefe "installiert: /$datei" test -f "$wurzel/$datei"; done
for programm in kolvaro kolvaro-cli; do
  pruefe "/usr/bin/$programm ist ausführbar" test -x "$wurzel/usr/bin/$programm"
  pruefe "/usr/bin/$programm findet alle Bibliotheken" bash -c "! ldd '$wurzel/usr/bin/$programm' 2>&1 | grep -q 'not found'"
done
# One C++ runtime in the process: the shared one, which the time-zone library needs too.
pruefe "kolvaro-cli lädt die C-Bibliothek und die geteilte C++-Laufzeit" \
  bash -c "ldd '$wurzel/usr/bin/kolvaro-cli' | grep -q 'libc\.so' && ldd '$wurzel/usr/bin/kolvaro-cli' | grep -q 'libstdc++'"
# Exactly the data built from the sources: nothing a run of the program left in the build tree.
quelle="$tmp/quelle"
"$bau/kolvaro-datenbau" bauen datenquellen "$quelle" >/dev/null
pruefe "die installierten Daten sind die aus datenquellen/ gebauten" diff -r "$quelle" "$wurzel/usr/share/kolvaro/daten"

# kolvaro-cli as a user runs it: in a directory without data, with a fresh
# home, so that only the installed layout can lead it to the data.
cli_lauf() {  # BINARY HOME ARGUMENT... -> output in $tmp/aus, errors in $tmp/fehler
  local programm="$1" heim="$2"
  shift 2
  mkdir -p "$heim" "$tmp/leer"
  (cd "$tmp/leer" && env -u XDG_DATA_HOME HOME="$heim" "$programm" "$@" >"$tmp/aus" 2>"$tmp/fehler")
}
"$bau/kolvaro-cli" --daten "$quelle" umrechnen Länge Kilometer 1 >"$tmp/gebaut"
pruefe "die gebaute kolvaro-cli rechnet 1 km in Meter" grep -qxP '1\.000,0+\tMeter\tSI-Einheit' "$tmp/gebaut"
installiert_pruefen() {  # WHAT BINARY
  local was="$1" programm="$2" heim="$tmp/heim-$1"
  pruefe "$was: kolvaro-cli ohne --daten läuft" cli_lauf "$programm" "$heim" umrechnen Länge Kilometer 1
  pruefe "$was: keine Meldung" leer "$tmp/fehler"
  pruefe "$was: dieselbe Umrechnung wie auf den gebauten Daten" cmp -s "$tmp/gebaut" "$tmp/aus"
  pruefe "$was: der erste Lauf kopiert die Daten ins Datenverzeichnis des Benutzers" \
    test -f "$heim/.local/share/Ostravin/Kolvaro/Gruppen.nfo"
  pruefe "$was: kolvaro-cli zeitzonen liest die Zeitzonen des Systems" cli_lauf "$programm" "$heim" zeitzonen \
    --zone Europe/Berlin "01.07.2026 12:00"
  pruefe "$was: New York im Sommer" grep -qP '^America/New_York\t01\.07\.2026 06:00\tUTC-04:00\tEDT\t' "$tmp/aus"
  cli_lauf "$programm" "$heim" --version || true
  pruefe "$was: kolvaro-cli --version" enthaelt "$(cat "$tmp/aus")" "kolvaro-cli $version"
}
installiert_pruefen "Installation" "$wurzel/usr/bin/kolvaro-cli"

# ---- desktop entry and metainfo ----
desktop="$wurzel/usr/share/applications/$app.desktop"
desktop-file-validate "$desktop" >"$tmp/desktop.log" 2>&1 || true
# Hints (several main categories) are allowed; errors and warnings are not.
pruefe "desktop-file-validate" bash -c "! grep -E 'error|warning' '$tmp/desktop.log' >&2"
pruefe "die Desktop-Datei startet kolvaro mit dem Symbol" \
  bash -c "grep -qx 'Exec=kolvaro' '$desktop' && grep -qx 'Icon=$app' '$desktop'"
pruefe "appstreamcli validate" still appstreamcli validate --no-net "$wurzel/usr/share/metainfo/$app.metainfo.xml"
pruefe "das Symbol ist ein SVG-Bild" grep -q '<svg ' "$wurzel/usr/share/icons/hicolor/scalable/apps/$app.svg"

# ---- the manual pages: no groff warning, every command and option of --help ----
for programm in kolvaro kolvaro-cli; do
  zcat "$wurzel/usr/share/man/man1/$programm.1.gz" >"$tmp/$programm.1"
  groff -k -man -Tutf8 -ww -z "$tmp/$programm.1" 2>"$tmp/groff.log" || echo "groff ist gescheitert" >>"$tmp/groff.log"
  pruefe "groff setzt die Handbuchseite $programm(1) ohne Warnung" leer "$tmp/groff.log"
done
seite="$(groff -k -man -Tutf8 -P-cbu "$tmp/kolvaro.1" 2>/dev/null)"
for abschnitt in ÜBERSICHT BESCHREIBUNG DATEIEN "SIEHE AUCH"; do
  pruefe "kolvaro(1) hat den Abschnitt $abschnitt" grep -qx "$abschnitt" <<<"$seite"
done
pruefe "kolvaro(1) trägt die Version" grep -qF "Kolvaro $version" <<<"$seite"
seite="$(groff -k -man -Tutf8 -P-cbu "$tmp/kolvaro-cli.1" 2>/dev/null)"
hilfe="$("$wurzel/usr/bin/kolvaro-cli" --help)"
mapfile -t befehle < <(sed -n 's/^  \([a-z]\+\)\( .*\)\?$/\1/p' <<<"$hilfe")
pruefe "--help nennt die Befehle" test "${#befehle[@]}" -ge 11
for befehl in "${befehle[@]}"; do
  pruefe "die Handbuchseite beschreibt den Befehl $befehl" grep -qE "^ {7}$befehl( |$)" <<<"$seite"
done
mapfile -t optionen < <(grep -oE -- '--[a-z]+' <<<"$hilfe" | sort -u)
for option in "${optionen[@]}"; do
  pruefe "die Handbuchseite nennt $option" grep -qF -- "$option" <<<"$seite"
done
for abschnitt in ÜBERSICHT BEFEHLE OPTIONEN EXIT-STATUS DATEIEN; do
  pruefe "die Handbuchseite hat den Abschnitt $abschnitt" grep -qx "$abschnitt" <<<"$seite"
done
pruefe "die Handbuchseite trägt die Version" grep -qF "Kolvaro $version" <<<"$seite"

# ---- the Debian package ----
if cpack -G DEB -B "$tmp/paket" --config "$bau/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1; then
  deb="$tmp/paket/kolvaro_${version}-1_$(dpkg --print-architecture).deb"
  pruefe "cpack baut $(basename "$deb")" test -f "$deb"
  inhalt="$(dpkg-deb -c "$deb" | awk '{print $6}')"
  for datei in "${erwartet[@]}" "${nur_im_paket[@]}"; do pruefe "im Paket: /$datei" enthaelt "$inhalt" "./$datei"; done
  pruefe "im Paket: alle Datendateien" test "$(grep -c '^\./usr/share/kolvaro/daten/.' <<<"$inhalt")" \
    -eq "$(find "$quelle" -type f | wc -l)"
  depends="$(dpkg-deb -f "$deb" Depends)"
  echo "Depends: $depends"
  pruefe "Depends nennt libqt6widgets6" grep -q 'libqt6widgets6' <<<"$depends"
  pruefe "Depends nennt libstdc++6" grep -q 'libstdc++6' <<<"$depends"
  for feld in "Package: kolvaro" "Version: $version-1" "Section: science" "Maintainer: Ostravin <kolvaro@ostravin.de>"; do
    pruefe "Steuerdatei: $feld" enthaelt "$(dpkg-deb -I "$deb")" " $feld"
  done
  dpkg-deb -x "$deb" "$tmp/deb"
  pruefe "der neueste Eintrag in changelog.Debian ist die Version des Pakets" \
    grep -q "^kolvaro ($version-1) " <(zcat "$tmp/deb/usr/share/doc/kolvaro/changelog.Debian.gz")
  for programm in kolvaro kolvaro-cli; do
    pruefe "im Paket: $programm ist gestrippt" bash -c "! readelf -S '$tmp/deb/usr/bin/$programm' | grep -qE ' \.(symtab|debug_info|comment) '"
    pruefe "im Paket: $programm hat einen schreibgeschützten Relokationsbereich" \
      bash -c "readelf -lW '$tmp/deb/usr/bin/$programm' | grep -q GNU_RELRO"
  done
  pruefe "im Paket: kolvaro bindet alle Symbole beim Start" \
    bash -c "readelf -dW '$tmp/deb/usr/bin/kolvaro' | grep -qE 'FLAGS.*BIND_NOW|FLAGS_1.*NOW'"
  # Errors and warnings fail the run (exit code); the hardening hints lintian
  # gives only as information are checked by name. A second run lists the
  # overridden tags too: with them shown lintian counts them for its exit
  # code. As root lintian wants to be told that this is meant.
  lintian_als=()
  [[ $(id -u) -ne 0 ]] || lintian_als=(--allow-root)
  pruefe "lintian: kein Fehler, keine Warnung" \
    still lintian "${lintian_als[@]}" --fail-on error,warning "$deb"
  lintian "${lintian_als[@]}" -I --show-overrides "$deb" >"$tmp/lintian.log" 2>&1 || true
  echo "lintian:"
  sed 's/^/  /' "$tmp/lintian.log"
  pruefe "lintian: keine Hinweise zur Härtung" bash -c "! grep -E '(hardening|unstripped|unneeded-section)' '$tmp/lintian.log' >&2"
  pruefe "lintian: jede Ausnahme trifft" bash -c "! grep -E '(unused|mismatched)-override' '$tmp/lintian.log' >&2"
  installiert_pruefen "Paket" "$tmp/deb/usr/bin/kolvaro-cli"
else
  cat "$tmp/cpack.log" >&2
  pruefe "cpack -G DEB" false
fi

echo "Installationstest: $pruefungen Prüfungen, $fehler fehlgeschlagen."
((fehler == 0))
