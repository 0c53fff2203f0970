#!/usr/bin/env bash
# Installs what is missing, builds Tembrel with its tests and runs every test
# (all but the long exhaustive checks, which have their own preset: see README).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default
