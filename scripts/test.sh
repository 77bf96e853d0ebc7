#!/usr/bin/env bash
# Quick start: installs what is missing, then configures, builds and tests the
# three builds of CMakePresets.json one after the other: the normal one, the
# one with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# target's (clang). Finally checks the code's format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export CMAKE_BUILD_PARALLEL_LEVEL="$(nproc)" CTEST_PARALLEL_LEVEL="$(nproc)"
for preset in default sanitize fuzz; do
  # The window's tests need a display; Xvfb gives them one.
  xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset "$preset"
done
scripts/check-format.sh
