#!/usr/bin/env bash
# Builds the README's first screen in the real program, step by step as a
# user would, against the module simulator: maps COM1 in Port Selection,
# places a Data Window, gives it an ID Label, a polling command and a formula
# on its own value, sets up a data log and starts the Run-Loop. It runs on an
# X server of its own, saves a picture of the screen with the live value
# (docs/first-screen.png unless told otherwise) and prints the scratch folder,
# which holds the data log and is kept.
# Usage: first-screen.sh [--shot FILE]   (KORVIX_BUILD_DIR names the build)
set -euo pipefail
cd "$(dirname "$0")/.."

shot=$(realpath -m docs/first-screen.png)
if [ "${1:-}" = --shot ] && [ $# -ge 2 ]; then shot=$(realpath -m "$2"); fi
build=$(realpath -m "${KORVIX_BUILD_DIR:-build}")
for program in "$build/src/ui/korvix" "$build/tools/daqsim/daqsim"; do
  [ -x "$program" ] || { echo "Build $program first (see the README)." >&2; exit 1; }
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/korvix-first-screen.XXXXXX")
echo "Scratch folder: $scratch"
x_server=""
simulator=""
korvix=""
stop() {
  local pid
  for pid in "$korvix" "$simulator" "$x_server"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2> /dev/null || true
      wait "$pid" 2> /dev/null || true
    fi
  done
}
trap stop EXIT
fail() {
  echo "first-screen: $*" >&2
  exit 1
}

. scripts/x-session.sh
start_x_server "$scratch"

# The simulator's modules: A answers "RT" with a temperature of 15 to 25.
link="$scratch/daqsim"
"$build/tools/daqsim/daqsim" --config Samples/demo-modules.txt --link "$link" > "$scratch/daqsim.log" 2>&1 &
simulator=$!
for _ in $(seq 100); do
  [ -e "$link" ] && break
  sleep 0.05
done
[ -e "$link" ] || fail "the module simulator did not start: $(cat "$scratch/daqsim.log")"

# A profile of its own, without a port mapped; the versions seen keep the
# first-run dialogs away.
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
mkdir -p "$XDG_CONFIG_HOME/Korvix"
printf '[Configuration]\nInfoVersion=15.3\nDemoVersion=8.1\nUpdateAvailable=NEVER\n' > "$XDG_CONFIG_HOME/Korvix/Korvix.ini"

# The data log is written in the program's current directory.
(cd "$scratch" && exec "$build/src/ui/korvix") > "$scratch/korvix.log" 2>&1 &
korvix=$!
timeout 30 xdotool search --sync --onlyvisible --name ' - Korvix$' > /dev/null || fail "the program's window did not appear"

# Communicate > Port Selection: COM1 is the simulator's device.
focus ' - Korvix$'
keys alt+c Return
focus '^Port Selection$'
keys Tab ctrl+a
type_text "$link"
keys Return

open_new_data_window "$scratch"

# Its fields from the OK button on: Cancel, Delete, Prefix, Suffix, ID Label
# and polling command ("RT" to module A); then the number bases, Multiplier,
# Offset and Lookup Table to the Math Formula, which opens its own dialog.
# The formula names the object's own value, the reply in degrees Celsius.
keys Tab Tab Tab ctrl+a
type_text Temp
keys Tab ctrl+a
type_text F
keys Tab ctrl+a
type_text Temp
keys Tab
type_text ART
keys Tab Tab Tab Tab Tab Tab
focus '^Math Conversion Properties$'
type_text '{Temp} * 9 / 5 + 32'
keys Tab Return
focus '^Data Window Properties$'
keys Return

# Run-Loop > Data Logging (the menu's last entry): every second, the Data
# Window's value (the last of the available fields) into DataLog.txt.
focus ' - Korvix$'
keys alt+r Up Return
focus '^Data Logging Properties$'
keys ctrl+a
type_text 1
keys Tab Up Tab Tab Tab Tab End Tab space Return

# Run-Loop > Start Run Loop, and a few seconds of values.
focus ' - Korvix$'
keys alt+r Return
for _ in $(seq 100); do
  [ "$(wc -l < "$scratch/DataLog.txt" 2> /dev/null || echo 0)" -ge 4 ] && break
  sleep 0.1
done
[ -s "$scratch/DataLog.txt" ] || fail "no data log was written"
mkdir -p "$(dirname "$shot")"
window=$(xdotool search --onlyvisible --name ' - Korvix$' | head -n1)
import -window "$window" png:- | convert - -crop 560x230+0+0 +repage "$shot"
echo "Saved $shot; the data log is $scratch/DataLog.txt"
