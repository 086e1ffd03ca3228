#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR under a prefix of its own and
# runs the installed program there: every file is in its place, the desktop
# entry passes desktop-file-validate, and the installed korvix, driven on an
# X server of its own, finds its help beside itself: Help Files shows the
# start page and F1 in the Data Window dialog shows "DataWindow.htm".
# Usage: installed_tree_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/../.."

work=$(mktemp -d "${TMPDIR:-/tmp}/korvix-install-test.XXXXXX")
x_server=""
korvix=""
cleanup() {
  local pid
  for pid in "$korvix" "$x_server"; do
    if [ -n "$pid" ]; then
      kill "$pid" 2> /dev/null || true
      wait "$pid" 2> /dev/null || true
    fi
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -f "$work/korvix.log" ] && cat "$work/korvix.log" >&2
  exit 1
}

prefix=/opt/korvix-check
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 ||
  fail "the install failed: $(cat "$work/install.log")"
tree="$root$prefix"
for file in bin/korvix bin/kvxtool bin/daqsim share/korvix/help/index.html share/korvix/help/DataWindow.htm \
  share/korvix/samples/Demo.kvx share/korvix/samples/demo-modules.txt share/applications/korvix.desktop \
  share/mime/packages/korvix.xml share/icons/hicolor/scalable/apps/korvix.svg share/man/man1/korvix.1.gz \
  share/man/man1/kvxtool.1.gz share/man/man1/daqsim.1.gz share/doc/korvix/copyright; do
  [ -s "$tree/$file" ] || fail "$prefix/$file was not installed"
done
grep -qx "Exec=\"$prefix/bin/korvix\" %f" "$tree/share/applications/korvix.desktop" ||
  fail "the desktop entry does not start the installed program: $(cat "$tree/share/applications/korvix.desktop")"
desktop-file-validate "$tree/share/applications/korvix.desktop" || fail "desktop-file-validate refused the entry"
for page in index.html DataWindow.htm; do
  cmp -s "help/$page" "$tree/share/korvix/help/$page" || fail "$page is not the one of the sources"
done

# The installed program, in a scratch home, with the versions seen so that
# no first-run dialog covers the page.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" HOME="$work/home"
mkdir -p "$XDG_CONFIG_HOME/Korvix" "$HOME"
printf '[Configuration]\nInfoVersion=15.3\nDemoVersion=8.1\nUpdateAvailable=NEVER\n' > "$XDG_CONFIG_HOME/Korvix/Korvix.ini"
. scripts/x-session.sh
start_x_server "$work"
(cd "$work" && exec "$tree/bin/korvix") > "$work/korvix.log" 2>&1 &
korvix=$!
timeout 30 xdotool search --sync --onlyvisible --name ' - Korvix$' > /dev/null || fail "the program's window did not appear"

# A page shows under its own title.
title_of() { sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$tree/share/korvix/help/$1" | head -n1; }
shown() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$(title_of "$1") - Korvix Help\$" > /dev/null ||
    fail "$2 did not show $1; the windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2> /dev/null)"
}

# F1 in the dialog of a Data Window placed on the empty page.
open_new_data_window "$work"
keys F1
shown DataWindow.htm "F1 in the Data Window Properties dialog"
focus '^Data Window Properties$'
keys Escape

# Help > Help Files, the menu's first entry, in the same window.
focus ' - Korvix$'
keys alt+h Return
shown index.html "Help > Help Files"
[ "$(xdotool search --onlyvisible --name ' - Korvix Help$' | wc -l)" -eq 1 ] || fail "more than one help window is up"

# Not read by the desktop where it stands, the entry the program writes for
# the user is the installed one but for the path it runs from.
user_entry="$XDG_DATA_HOME/applications/korvix.desktop"
[ -f "$user_entry" ] || fail "no entry was written for the user"
grep -qx "Exec=\"$(realpath "$tree/bin/korvix")\" %f" "$user_entry" || fail "the user's entry: $(cat "$user_entry")"
diff <(grep -v '^Exec=' "$tree/share/applications/korvix.desktop") <(grep -v '^Exec=' "$user_entry") ||
  fail "the user's entry differs from the installed one"
cmp -s "$tree/share/mime/packages/korvix.xml" "$XDG_DATA_HOME/mime/packages/korvix.xml" ||
  fail "the user's MIME package differs from the installed one"
echo "PASS: installed below $prefix; the help shows its start page and the Data Window's page"
