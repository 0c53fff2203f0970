#!/usr/bin/env bash
# Installs what is missing, builds Tembrel (optimised) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
exec build/default/bin/tembrel "$@"
