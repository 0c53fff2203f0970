#!/usr/bin/env bash
# Installs what is missing, builds Tembrel (optimised) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [ -x build/default/bin/tembrel ]; then
  exec build/default/bin/tembrel "$@"
fi
echo "Built everything; the desktop window is not part of this version yet."
echo "The command-line front end is ready: build/default/bin/tembrel-cli --help"
