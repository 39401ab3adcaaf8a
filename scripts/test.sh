#!/usr/bin/env bash
# Builds everything (installing what it needs) and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
