#!/usr/bin/env bash
# Installs what is missing, builds the program and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF
cmake --build build -j"$(nproc)"
exec build/src/gui/quorvane-draft "$@"
