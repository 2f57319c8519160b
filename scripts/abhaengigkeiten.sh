#!/usr/bin/env bash
# Installs the Debian packages that building and testing Kolvaro needs,
# but only those that are missing. With package names it installs those
# instead (the fuzzing and timing scripts name what only they need).
#
#   scripts/abhaengigkeiten.sh [PAKET...]
set -euo pipefail
pakete=("$@")
((${#pakete[@]})) || pakete=(g++ make cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
        libhowardhinnant-date-dev tzdata units python3
        fonts-dejavu-core clang-format
        dpkg-dev desktop-file-utils appstream groff-base lintian)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
  echo "Installiere: ${fehlend[*]}"
  sudo_=""
  [[ $(id -u) -ne 0 ]] && sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
