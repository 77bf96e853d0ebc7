#!/usr/bin/env bash
# Configures and builds ZeF in build/ with the default preset of
# CMakePresets.json (extra arguments go to CMake's configure step).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default "$@"
cmake --build --preset default -j"$(nproc)"
