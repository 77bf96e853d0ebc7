#!/usr/bin/env bash
# Quick start: installs what is missing, then configures, builds and tests the
# three builds of CMakePresets.json one after the other: the normal one, the
# one with AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz
# target's (clang). Then the Windows builds and their packages: the 64-bit
# one with its tests under Wine, the 32-bit one only built; the 64-bit
# zef-plan against the Linux one on random plans, and the 64-bit packages
# installed and uninstalled under Wine. Finally checks the code's format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

export CMAKE_BUILD_PARALLEL_LEVEL="$(nproc)" CTEST_PARALLEL_LEVEL="$(nproc)"
for preset in default sanitize fuzz; do
  # The window's tests need a display; Xvfb gives them one.
  xvfb-run -a -s "-screen 0 1280x1024x24" cmake --workflow --preset "$preset"
done
cmake --workflow --preset windows-x64
# Running 32-bit Windows programs needs Debian's wine32, which brings 168 i386
# packages and upgrades system ones: the 32-bit build is only built here (its
# test preset, windows-x86, runs where a 32-bit Wine is installed).
cmake --preset windows-x86 && cmake --build --preset windows-x86 && cpack --preset windows-x86
# Each run draws other plans; a difference names its seed and plan number.
python3 tests/cli/random_plans.py 300 "$(date +%s)" build/tools/zef-plan build-windows-x64/tests/cli/zef-plan.sh
sh tests/packaging/windows_packages_test.sh build-windows-x64/ZeF-*-win64.zip build-windows-x64/ZeF-*-win64.exe . \
  build-windows-x64/tests/win32/zef_probe.exe
scripts/check-format.sh
