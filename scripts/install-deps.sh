#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Tembrel need.
# Idempotent and quiet: when everything is present it prints nothing and asks
# for nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ pkg-config
  # desktop program (Qt 6 Widgets), its fonts, and Qt's own translations for the
  # words the toolkit writes itself (the Yes and No of a question in German)
  qt6-base-dev libgl-dev fonts-liberation2 qt6-translations-l10n
  # the user's holiday calendars (iCalendar files)
  libical-dev
  # tembrel-cli's JSON output
  nlohmann-json3-dev
  # tests, benchmarks, fuzzing
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  # window screenshots under a virtual display; calendars to compare month grids with
  xvfb xauth ncal
  # references for public holidays and working-day counts
  python3-workalendar python3-numpy
  # the world's calendars are compared with ICU's (a test-time reference only)
  python3 python3-icu
  # the desktop entry checker
  desktop-file-utils
  # manual pages, icons, the Debian package and its checks; the shells whose
  # completions the tests run
  scdoc librsvg2-bin dpkg-dev file lintian appstream man-db zsh fish
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
