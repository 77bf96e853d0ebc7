#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and runs the whole test suite,
# then again with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_tests() {
  # The window's tests need a display; Xvfb gives them one.
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir "$1" --output-on-failure -j"$(nproc)"
}

ZEF_BUILD_DIR=build scripts/build.sh -DZEF_SANITIZE=OFF
run_tests build

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ZEF_BUILD_DIR=build-sanitize scripts/build.sh -DZEF_SANITIZE=ON -DZEF_BUILD_BENCHMARKS=OFF
run_tests build-sanitize
