#!/bin/sh
# Prints the line and branch coverage of the programs and support/ after the
# coverage workflow (cmake --workflow --preset coverage) ran the suite, and
# fails below 99% of lines or 97% of branches. A branch that only an input file
# changed while it is read can take is marked GCOVR_EXCL_BR_LINE: the stress
# test of such files takes it only when its timing allows.
# Usage: tests/coverage.sh [BUILD_DIR]   (build/coverage by default)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/coverage}
command -v gcovr >/dev/null || {
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq gcovr >/dev/null
}
exec gcovr --root . --object-directory "$build" \
  --filter 'arrays/' --filter 'words/' --filter 'letters/' --filter 'searches/' \
  --filter 'grid/' --filter 'formulas/' --filter 'support/' \
  --exclude-directories '.*/CMakeFiles/[0-9.]+/CompilerId.*' \
  --exclude-unreachable-branches --exclude-throw-branches \
  --print-summary --fail-under-line 99 --fail-under-branch 97
