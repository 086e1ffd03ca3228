#!/usr/bin/env bash
# Runs scripts/demo.sh with "--shot" on an X server of its own, presses
# Ctrl+S in the program's window and checks that the checkout is as it was:
# the demo saves into its scratch folder, never over the shipped sample.
# Usage: demo_save_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/../.."

work=$(mktemp -d "${TMPDIR:-/tmp}/korvix-demo-test.XXXXXX")
server=""
demo=""
cleanup() {
  if [ -n "$demo" ]; then
    kill -- "-$demo" 2> /dev/null || true
    wait "$demo" 2> /dev/null || true
  fi
  if [ -n "$server" ]; then
    kill "$server" 2> /dev/null || true
    wait "$server" 2> /dev/null || true
  fi
  scratch=$(sed -n 's/^Scratch folder: //p' "$work/demo.log" 2> /dev/null || true)
  [ -n "$scratch" ] && rm -rf "$scratch"
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "--- demo.sh said:" >&2
  cat "$work/demo.log" >&2 || true
  exit 1
}

checkout_state() {
  sha1sum Samples/Demo.kvx
  if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then git status --porcelain --untracked-files=all; fi
}
before=$(checkout_state)

# The server picks a free display and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
server=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"
# The test suite runs the widget tests offscreen; this one needs the server.
export QT_QPA_PLATFORM=xcb

# A process group of its own, so that a failure ends the program and the
# simulator with it.
KORVIX_BUILD_DIR="$build" setsid bash scripts/demo.sh --shot "$work/shot.png" > "$work/demo.log" 2>&1 &
demo=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name ' - Korvix$' | head -n1) ||
  fail "the program's window did not appear"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+s

status=0
timeout 60 tail --pid="$demo" -f /dev/null || fail "the demo did not end after its shot"
wait "$demo" || status=$?
demo=""
scratch=$(sed -n 's/^Scratch folder: //p' "$work/demo.log")
[ "$status" -eq 0 ] || fail "demo.sh ended with $status"
[ -s "$work/shot.png" ] || fail "no picture was taken"
[ -d "$scratch" ] || fail "the scratch folder was not kept"
[ -f "$scratch/Demo.kvx" ] || fail "the demo project copy is missing"
# The save happened, with the run's values, in the copy.
cmp -s Samples/Demo.kvx "$scratch/Demo.kvx" && fail "Ctrl+S did not save the copy"
after=$(checkout_state)
[ "$before" = "$after" ] || fail "the checkout changed: $(diff <(echo "$before") <(echo "$after"))"
echo "PASS: saved into $scratch; the checkout is unchanged"
