#!/usr/bin/env bash
# Installs what is missing, builds Tembrel (optimised) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ ! -x build/default/bin/tembrel ]; then
  echo "The desktop program was not built (TEMBREL_BUILD_GUI is off);" >&2
  echo "the command-line front end is build/default/bin/tembrel-cli --help" >&2
  exit 1
fi
exec build/default/bin/tembrel "$@"
