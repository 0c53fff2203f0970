#!/usr/bin/env bash
# Installs what is missing, builds Tembrel for release and makes the Debian
# package build/package/tembrel_<version>_<architecture>.deb, then checks it
# with lintian: errors fail; warnings and notes are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
rm -f build/package/tembrel_*.deb
cmake --workflow --preset package
package=$(ls build/package/tembrel_*.deb)
echo "Checking $package with lintian"
lintian --fail-on error --display-info --pedantic "$package"
