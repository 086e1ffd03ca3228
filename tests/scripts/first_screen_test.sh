#!/usr/bin/env bash
# Runs scripts/first-screen.sh, the README's first screen built in the real
# program against the module simulator, and checks the live value it ends
# with: the data log holds the Data Window's readings, converted by its
# formula from the simulator's 15 to 25 degrees Celsius.
# Usage: first_screen_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/../.."

work=$(mktemp -d "${TMPDIR:-/tmp}/korvix-first-screen-test.XXXXXX")
cleanup() {
  scratch=$(sed -n 's/^Scratch folder: //p' "$work/run.log" 2> /dev/null || true)
  [ -n "$scratch" ] && rm -rf "$scratch"
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  cat "$work/run.log" >&2 || true
  exit 1
}

KORVIX_BUILD_DIR="$build" timeout 180 bash scripts/first-screen.sh --shot "$work/shot.png" > "$work/run.log" 2>&1 ||
  fail "first-screen.sh ended with $?"
scratch=$(sed -n 's/^Scratch folder: //p' "$work/run.log")
[ -s "$work/shot.png" ] || fail "no picture was taken"
log="$scratch/DataLog.txt"
[ "$(head -n1 "$log" | tr -d '\r')" = Temp ] || fail "the data log has no Temp column: $(head -n3 "$log")"
records=$(tail -n +2 "$log" | tr -d '\r')
[ "$(wc -l <<< "$records")" -ge 2 ] || fail "fewer than two readings were logged: $records"
# 15 to 25 degrees Celsius are 59 to 77 degrees Fahrenheit.
awk '!($1 ~ /^[0-9]+(\.[0-9]+)?$/ && $1 >= 59 && $1 <= 77) { bad = 1 } END { exit bad }' <<< "$records" ||
  fail "a logged reading is not a converted temperature: $records"
echo "PASS: $(wc -l <<< "$records") live readings, the last $(tail -n1 <<< "$records") F"
