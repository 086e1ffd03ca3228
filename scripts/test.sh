#!/usr/bin/env bash
# Builds everything and runs every test: once as shipped (with the widget
# tests on the offscreen platform) and once for the core under the address
# and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=ON -DKORVIX_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVIX_GUI=OFF -DKORVIX_SANITIZE=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure --timeout 600
