#!/usr/bin/env bash
# Prints a label through a real CUPS server: a private cupsd on a local
# socket with one raw queue that writes into a file, the label check run
# against it, then the server stopped. Your own print settings stay
# untouched. As root: installs cups-daemon and cups-client when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KORVIX_BUILD_DIR:-build}

bash scripts/install-deps.sh cups
cmake --build "$build" --target label_cups_check

scratch=$(mktemp -d /tmp/korvix-cups-XXXXXX)
chmod 755 "$scratch"
mkdir -p "$scratch"/{spool,tmp,cache,state,out,ppd,bin/backend}
# The print system's own helpers, and a backend that copies each job into
# the file its device names.
for part in /usr/lib/cups/*; do
  [ "$(basename "$part")" = backend ] || ln -s "$part" "$scratch/bin/"
done
cat > "$scratch/bin/backend/tofile" <<'BACKEND'
#!/bin/sh
if [ $# -eq 0 ]; then
  echo 'direct tofile "Unknown" "A file"'
  exit 0
fi
cat "${6:-/dev/stdin}" > "${DEVICE_URI#tofile:}"
BACKEND
chmod 700 "$scratch/bin/backend/tofile"
cat > "$scratch/cups-files.conf" <<CONF
ServerRoot $scratch
ServerBin $scratch/bin
RequestRoot $scratch/spool
TempDir $scratch/tmp
CacheDir $scratch/cache
StateDir $scratch/state
ErrorLog $scratch/error_log
AccessLog $scratch/access_log
PageLog $scratch/page_log
CONF
cat > "$scratch/cupsd.conf" <<CONF
Listen $scratch/cups.sock
LogLevel warn
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$scratch/cupsd.conf" -s "$scratch/cups-files.conf" &
cupsd_pid=$!
cleanup() {
  kill "$cupsd_pid" 2>/dev/null || true
  wait "$cupsd_pid" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

export CUPS_SERVER="$scratch/cups.sock"
for _ in $(seq 50); do
  [ -S "$CUPS_SERVER" ] && break
  sleep 0.1
done
lpadmin -p KorvixLabel -E -v "tofile:$scratch/out/label.pdf" 2>/dev/null
cupsenable KorvixLabel
cupsaccept KorvixLabel

KORVIX_CUPS_PRINTER=KorvixLabel KORVIX_CUPS_OUTPUT="$scratch/out/label.pdf" QT_QPA_PLATFORM=offscreen \
  "$build/tests/qtdraw/label_cups_check"
