#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and starts ZeF in a working
# folder (default ~/ZeF) that gets the example files if it has none of its own.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
folder="${1:-$HOME/ZeF}"
cd "$repo"
scripts/install-deps.sh
scripts/build.sh
mkdir -p "$folder"
for name in arm.txt rekrut.txt; do
  # The player's own files are never overwritten.
  [ -e "$folder/$name" ] || cp "examples/$name" "$folder/$name"
done
cd "$folder"
exec "$repo/build/ui/zef"
