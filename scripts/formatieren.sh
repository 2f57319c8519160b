#!/usr/bin/env bash
# Applies the committed .clang-format to every C++ source of the project;
# with --pruefen it changes nothing and fails when a file is not formatted.
# Another major version of clang-format formats differently, so only the one
# the sources are formatted with may judge them. Works in a git checkout
# (the files git tracks) and in an unpacked copy of the sources alike.
set -euo pipefail
cd "$(dirname "$0")/.."
erwartet=14
version="$(clang-format --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')"
if [[ "$version" != "$erwartet" ]]; then
  echo "formatieren.sh: clang-format $erwartet erwartet, gefunden: $(clang-format --version)" >&2
  exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t dateien < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t dateien < <(find src tests tools fuzz bench -name '*.cpp' -o -name '*.h' | sort)
fi
if [[ "${1:-}" == "--pruefen" ]]; then
  clang-format --dry-run --Werror "${dateien[@]}"
  echo "Alle ${#dateien[@]} Quelldateien sind formatiert."
else
  clang-format -i "${dateien[@]}"
fi
