#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and runs the example plan.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/tools/zef-plan --utf8 -C examples
