#!/usr/bin/env bash
# Installs the Debian packages that building and testing need, only when one
# is missing, so that a second run costs a few milliseconds.
# Usage: install-deps.sh [test|demo|cups]
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config lld
          libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libgl-dev libcurl4-openssl-dev libpulse-dev fonts-liberation python3
          python3-aiosmtpd poppler-utils zbar-tools openssl
          socat python3-pyftpdlib)
demo=(xvfb xauth imagemagick)
case "${1:-test}" in
  demo) packages+=("${demo[@]}") ;;
  # The script tests run the program and type into its windows; the install
  # tests check the desktop entry and the Debian package.
  test) packages+=("${demo[@]}" xdotool clang-format desktop-file-utils lintian) ;;
  cups) packages+=(cups-daemon cups-client) ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
