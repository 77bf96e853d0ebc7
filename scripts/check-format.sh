#!/usr/bin/env bash
# Checks that every C++ file is formatted as .clang-format says, and lists
# those that are not. With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
format="${CLANG_FORMAT:-clang-format}"
mapfile -t files < <(find bench engine fuzz intro tests tools ui -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
  exec "$format" -i "${files[@]}"
fi
"$format" --dry-run --Werror "${files[@]}"
