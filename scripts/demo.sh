#!/usr/bin/env bash
# Builds the program and runs it. Without a display it runs under a virtual
# one; pass "--shot FILE" to save a picture of the screen and exit.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh demo
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVIX_GUI=ON
cmake --build build -j "$(nproc)" --target korvix

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/ui/korvix "$@"
fi
echo "No display: running under Xvfb."
exec xvfb-run -a -s "-screen 0 1280x800x24" build/src/ui/korvix "$@"
