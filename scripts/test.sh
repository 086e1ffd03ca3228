#!/usr/bin/env bash
# Checks the formatting and the layering of the libraries, builds everything
# with warnings as errors and runs every test: once as shipped (with the
# widget tests on the offscreen platform), once under the address and
# undefined-behaviour sanitizers, and the tests that start threads once more
# under the thread sanitizer.
#
# Most tests wait on peers, serial lines and timers and leave cores idle, so
# the later stages' builds run beside the earlier stages, one after another,
# on otherwise idle CPU time only, so that they never hold up a test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

bash scripts/format.sh --check
/usr/bin/python3 scripts/check-layers.py

have_clang=false
command -v clang++ >/dev/null && have_clang=true

# Nobody reads variables in a debugger here: line tables alone keep the
# sanitizers' stack traces readable, and compiling takes about a quarter less
# CPU time than with full debug information.
debug_info=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DCMAKE_CXX_FLAGS_DEBUG="-g1")
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=ON -DKORVIX_BENCHMARKS=ON \
  -DKORVIX_WERROR=ON "${debug_info[@]}"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVIX_GUI=ON -DKORVIX_SANITIZE=ON \
  -DKORVIX_WERROR=ON "${debug_info[@]}"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=OFF -DKORVIX_TSAN=ON \
  -DKORVIX_WERROR=ON "${debug_info[@]}"
# The fuzz targets, a few seconds each, where clang is there to build them.
if $have_clang; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=OFF -DKORVIX_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
fi

# A background build starts when the one started before it has ended, in a
# process group of its own so that a failing stage stops it whole; its output
# goes to ci-build.log in its build folder. A new session is also a new
# scheduling group where the kernel groups sessions, sharing the CPU evenly
# with the foreground whatever its own priority, so the group is niced too.
idle=(chrt --idle 0)
"${idle[@]}" true 2>/dev/null || idle=(nice -n 19)
declare -A build_pid
previous_build=""
background_build() {
  local dir=$1
  shift
  setsid --wait bash -c 'if [ -n "$1" ]; then tail --pid="$1" -f /dev/null; fi
                  shift
                  echo 19 >/proc/self/autogroup 2>/dev/null || true
                  exec "$@"' \
    _ "$previous_build" "${idle[@]}" cmake --build "$dir" -j "$jobs" "$@" >"$dir/ci-build.log" 2>&1 &
  previous_build=$!
  build_pid[$dir]=$!
}
await_build() {
  local status=0
  wait "${build_pid[$1]}" || status=$?
  unset "build_pid[$1]"
  cat "$1/ci-build.log"
  return "$status"
}
corpus=""
cleanup() {
  local pid
  for pid in "${build_pid[@]}"; do kill -- "-$pid" 2>/dev/null || true; done
  if [ -n "$corpus" ]; then rm -rf "$corpus"; fi
}
trap cleanup EXIT

background_build build-sanitize
background_build build-tsan --target korvix_thread_tests
if $have_clang; then
  background_build build-fuzz --target project_load_fuzzer profile_read_fuzzer daqsim_config_fuzzer \
    receive_fuzzer make_fuzz_corpus
fi

cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs" --output-on-failure --timeout 600

await_build build-sanitize
ctest --test-dir build-sanitize -j "$jobs" --output-on-failure --timeout 600

await_build build-tsan
TSAN_OPTIONS="suppressions=$PWD/tests/tsan.supp" \
  ctest --test-dir build-tsan -j "$jobs" -L threads --output-on-failure --timeout 600

if $have_clang; then
  await_build build-fuzz
  corpus=$(mktemp -d "${TMPDIR:-/tmp}/korvix-fuzz.XXXXXX")
  mkdir "$corpus/project" "$corpus/profile" "$corpus/daqsim" "$corpus/receive"
  build-fuzz/fuzz/make_fuzz_corpus "$corpus/project"
  cp fuzz/corpus/*.kvx "$corpus/project/"
  printf '[Configuration]\nTransmitTimeout=60000\n\n[Ports]\nCOM1=/dev/ttyUSB0\n' >"$corpus/profile/seed.ini"
  printf 'module A-C delay 5\n  RD counter 0 9\n  RT sine 15 25 20000 2\nmodule p\n  fault talk\n' \
    >"$corpus/daqsim/seed.txt"
  # Without a length the fuzzer would cut the full-limits project to 1 MiB.
  build-fuzz/fuzz/project_load_fuzzer -max_total_time=5 -rss_limit_mb=4096 \
    -max_len="$(stat -c %s "$corpus/project/full-limits.kvx")" "$corpus/project"
  build-fuzz/fuzz/profile_read_fuzzer -max_total_time=3 "$corpus/profile"
  printf 'A23.5\rB?\r' >"$corpus/receive/seed.txt"
  build-fuzz/fuzz/daqsim_config_fuzzer -max_total_time=3 "$corpus/daqsim"
  build-fuzz/fuzz/receive_fuzzer -max_total_time=3 "$corpus/receive"
fi
