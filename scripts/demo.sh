#!/usr/bin/env bash
# Shows the demo project live: installs what is missing, builds, starts the
# module simulator, points COM1 at it through a scratch profile and opens a
# copy of Samples/Demo.kvx in the scratch folder, which starts its Run-Loop by
# itself. The scratch folder, with the data log and whatever the user saved,
# is kept afterwards. Without a display it runs under Xvfb; "--shot FILE"
# saves a picture of the screen after a few seconds and exits.
set -euo pipefail
cd "$(dirname "$0")/.."

args=()
while [ $# -gt 0 ]; do
  if [ "$1" = --shot ] && [ $# -ge 2 ]; then
    # The program runs in the scratch folder; the picture goes where asked.
    args+=(--shot "$(realpath -m "$2")")
    shift 2
  else
    args+=("$1")
    shift
  fi
done

bash scripts/install-deps.sh demo
build=$(realpath -m "${KORVIX_BUILD_DIR:-build}")
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=ON > /dev/null
fi
cmake --build "$build" -j "$(nproc)" --target korvix daqsim

scratch=$(mktemp -d "${TMPDIR:-/tmp}/korvix-demo.XXXXXX")
echo "Scratch folder: $scratch"
link="$scratch/daqsim"
simulator=""
cleanup() {
  if [ -n "$simulator" ]; then
    kill "$simulator" 2> /dev/null || true
    wait "$simulator" 2> /dev/null || true
  fi
  rm -f "$link"
  echo "The data log and the demo project as saved are kept in $scratch"
}
trap cleanup EXIT

# The program saves where it opened from; the shipped sample changes only
# through tools/demo_project.
cp Samples/Demo.kvx "$scratch/Demo.kvx"

"$build/tools/daqsim/daqsim" --config Samples/demo-modules.txt --link "$link" > "$scratch/daqsim.log" 2>&1 &
simulator=$!
for _ in $(seq 100); do
  [ -e "$link" ] && break
  sleep 0.05
done
if [ ! -e "$link" ]; then
  echo "The module simulator did not start:" >&2
  cat "$scratch/daqsim.log" >&2
  exit 1
fi

# A profile of its own, so the user's settings stay as they are; the
# versions seen keep the first-run dialogs from covering the page.
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
mkdir -p "$XDG_CONFIG_HOME/Korvix"
cat > "$XDG_CONFIG_HOME/Korvix/Korvix.ini" << PROFILE
[Configuration]
InfoVersion=15.3
DemoVersion=8.1
UpdateAvailable=NEVER
[Ports]
COM1=$link
PROFILE

# The data log of the demo is written in the scratch folder.
cd "$scratch"
program=("$build/src/ui/korvix" "$scratch/Demo.kvx" "${args[@]}")
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "${program[@]}"
else
  echo "No display: running under Xvfb."
  xvfb-run -a -s "-screen 0 1280x800x24" "${program[@]}"
fi
