#!/usr/bin/env bash
# Applies the committed .clang-format to every C++ source of the project;
# with --pruefen it changes nothing and fails when a file is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t dateien < <(git ls-files '*.cpp' '*.h')
if [[ "${1:-}" == "--pruefen" ]]; then
  clang-format --dry-run --Werror "${dateien[@]}"
  echo "Alle ${#dateien[@]} Quelldateien sind formatiert."
else
  clang-format -i "${dateien[@]}"
fi
