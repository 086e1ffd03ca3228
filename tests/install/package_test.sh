#!/usr/bin/env bash
# Makes the Debian package with cpack and checks it: its name, the files it
# holds, the run-time dependencies it declares, and no error from lintian.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/korvix-package-test.XXXXXX")
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out") > "$work/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$work/cpack.log")"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb="$work/out/korvix_${version}_$(dpkg --print-architecture).deb"
[ -s "$deb" ] || fail "no $(basename "$deb"): $(ls "$work/out")"

dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's:^\./:/:' > "$work/contents"
for file in /usr/bin/korvix /usr/bin/kvxtool /usr/bin/daqsim /usr/share/korvix/help/index.html \
  /usr/share/korvix/help/DataWindow.htm /usr/share/korvix/samples/Demo.kvx /usr/share/korvix/samples/demo-modules.txt \
  /usr/share/applications/korvix.desktop /usr/share/mime/packages/korvix.xml \
  /usr/share/icons/hicolor/scalable/apps/korvix.svg /usr/share/man/man1/korvix.1.gz /usr/share/man/man1/kvxtool.1.gz \
  /usr/share/man/man1/daqsim.1.gz /usr/share/doc/korvix/copyright /usr/share/doc/korvix/changelog.gz; do
  grep -qx "$file" "$work/contents" || fail "the package lacks $file"
done
# Every help page of the sources, and nothing the install step stages.
for page in "$(dirname "$0")"/../../help/*; do
  grep -qx "/usr/share/korvix/help/$(basename "$page")" "$work/contents" || fail "the package lacks $(basename "$page")"
done
grep -v '^/usr/' "$work/contents" && fail "the package holds files outside /usr"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libcurl4 libpulse0 fonts-liberation qt6-qpa-plugins; do
  grep -qE "(^|, )$package( |,|$)" <<< "$depends" || fail "Depends lacks $package: $depends"
done

lintian --fail-on error "$deb" > "$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
echo "PASS: $(basename "$deb"), $(wc -l < "$work/contents") entries; lintian: $(grep -c . "$work/lintian.log" || true) lines"
cat "$work/lintian.log"
