#!/usr/bin/env bash
# Installs a Debian package of Tembrel, checks that the installed programs run
# from a clean state (outside the build tree, with an empty configuration
# folder) and find their data file, manuals, icons and completions, then
# removes the package again.
#   scripts/check-package.sh build/package/tembrel_9.98_amd64.deb
set -euo pipefail
package=$(realpath "$1")
version=$(dpkg-deb --field "$package" Version)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

fail() { echo "check-package: $*" >&2; exit 1; }

# The holidays library reads the user's iCalendar files with libical: the
# package must depend on it (dpkg-shlibdeps finds it in the executables).
# Each output is taken whole before it is searched: "grep -q" stops reading at
# the first match, and a writer still writing then dies of SIGPIPE, which
# pipefail reports as a failure.
depends=$(dpkg-deb --field "$package" Depends)
grep -q 'libical' <<<"$depends" || fail "the package does not depend on libical"

"${sudo_cmd[@]}" apt-get install -y -qq "$package" >/dev/null
trap '"${sudo_cmd[@]}" apt-get remove -y -qq tembrel >/dev/null' EXIT

clean=$(mktemp -d)
cd "$clean"
export XDG_CONFIG_HOME="$clean/config"

echo "tembrel-cli: a conversion, --help, --version, the manual page"
[ "$(/usr/bin/tembrel-cli -1 2008-01-15 --second-cal ISO)" = "2008-01-15 CE = 2008-W03-2 ISO, Tuesday" ] ||
  fail "the installed tembrel-cli converts wrongly"
help=$(/usr/bin/tembrel-cli --help)
grep -q '^Usage: tembrel-cli' <<<"$help" || fail "no usage from --help"
[ "$(/usr/bin/tembrel-cli -1 2024-12-20 -2 2025-01-10 --weekdays-only --holidays DE-BY --terse)" = \
  "2024-12-20 CE to 2025-01-10 CE = 11 days" ] || fail "the installed tembrel-cli misses the holiday rules"
version_report=$(/usr/bin/tembrel-cli --version)
grep -qF " $version" <<<"$version_report" || fail "--version does not say $version"
[ "$(man -w tembrel-cli)" = /usr/share/man/man1/tembrel-cli.1.gz ] || fail "man -w tembrel-cli"
[ "$(man -w tembrel)" = /usr/share/man/man1/tembrel.1.gz ] || fail "man -w tembrel"

echo "The files the programs and the desktop read"
for file in /usr/share/tembrel/vrn_text.dat /usr/share/tembrel/holidays.dat \
            /usr/share/tembrel/doc/manual.en.html /usr/share/tembrel/doc/manual.de.html \
            /usr/share/doc/tembrel/manual.en.html /usr/share/doc/tembrel/copyright \
            /usr/share/applications/tembrel.desktop \
            /usr/share/metainfo/org.example.norvane.tembrel.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/tembrel.svg \
            /usr/share/bash-completion/completions/tembrel-cli \
            /usr/share/zsh/vendor-completions/_tembrel-cli \
            /usr/share/fish/vendor_completions.d/tembrel-cli.fish; do
  [ -f "$file" ] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/tembrel.png" ] || fail "no $size px icon"
done

echo "tembrel: started offscreen, asked to stop by SIGTERM"
QT_QPA_PLATFORM=offscreen /usr/bin/tembrel &
pid=$!
# Started means: it has set up its handler for SIGTERM (bit 15 of SigCgt).
catching=0
for _ in $(seq 300); do
  kill -0 "$pid" 2>/dev/null || fail "the installed tembrel ended by itself"
  mask=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status")
  if (((16#$mask >> 14) & 1)); then catching=1; break; fi
  sleep 0.1
done
[ "$catching" -eq 1 ] || fail "the installed tembrel did not start within 30 s"
sleep 1
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "tembrel ended with status $status"
[ -s "$XDG_CONFIG_HOME/tembrel/vrn.usr" ] || fail "tembrel wrote no settings file"

cd /
rm -rf "$clean"
echo "Removing the package"
trap - EXIT
"${sudo_cmd[@]}" apt-get remove -y -qq tembrel >/dev/null
[ ! -e /usr/bin/tembrel ] && [ ! -e /usr/share/tembrel ] || fail "files left after removal"
echo "The package installs, runs and removes cleanly"
