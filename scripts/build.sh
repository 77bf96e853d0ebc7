#!/usr/bin/env bash
# Configures and builds ZeF in build/ (extra arguments go to CMake).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B "${ZEF_BUILD_DIR:-build}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "${ZEF_BUILD_DIR:-build}" -j"$(nproc)"
