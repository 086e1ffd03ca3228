#!/usr/bin/env bash
# Checks the formatting, builds everything with warnings as errors and runs
# every test: once as shipped (with the widget tests on the offscreen
# platform), once under the address and undefined-behaviour sanitizers, and
# the tests that start threads once more under the thread sanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

bash scripts/format.sh --check

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=ON -DKORVIX_BENCHMARKS=ON \
  -DKORVIX_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVIX_GUI=ON -DKORVIX_SANITIZE=ON \
  -DKORVIX_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure --timeout 600

cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=OFF -DKORVIX_TSAN=ON \
  -DKORVIX_WERROR=ON
cmake --build build-tsan -j "$jobs" --target korvix_thread_tests
TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp" \
  ctest --test-dir build-tsan -j "$jobs" -L threads --output-on-failure --timeout 600

# The fuzz targets, a few seconds each, where clang is there to build them.
if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=OFF -DKORVIX_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-fuzz -j "$jobs" --target project_load_fuzzer profile_read_fuzzer daqsim_config_fuzzer \
    receive_fuzzer make_fuzz_corpus
  corpus=$(mktemp -d "${TMPDIR:-/tmp}/korvix-fuzz.XXXXXX")
  trap 'rm -rf "$corpus"' EXIT
  mkdir "$corpus/project" "$corpus/profile" "$corpus/daqsim" "$corpus/receive"
  build-fuzz/fuzz/make_fuzz_corpus "$corpus/project"
  cp fuzz/corpus/*.kvx "$corpus/project/"
  printf '[Configuration]\nTransmitTimeout=60000\n\n[Ports]\nCOM1=/dev/ttyUSB0\n' >"$corpus/profile/seed.ini"
  printf 'module A-C delay 5\n  RD counter 0 9\n  RT sine 15 25 20000 2\nmodule p\n  fault talk\n' \
    >"$corpus/daqsim/seed.txt"
  build-fuzz/fuzz/project_load_fuzzer -max_total_time=5 -rss_limit_mb=4096 "$corpus/project"
  build-fuzz/fuzz/profile_read_fuzzer -max_total_time=3 "$corpus/profile"
  printf 'A23.5\rB?\r' >"$corpus/receive/seed.txt"
  build-fuzz/fuzz/daqsim_config_fuzzer -max_total_time=3 "$corpus/daqsim"
  build-fuzz/fuzz/receive_fuzzer -max_total_time=3 "$corpus/receive"
fi
