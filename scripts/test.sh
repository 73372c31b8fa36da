#!/usr/bin/env bash
# Builds everything and runs every test: the fuzzers briefly, the native suites, then the Windows
# suites under Wine. Exits non-zero when any part fails; CTest's summary of the Windows run is last.
set -uo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh || exit 1
failed=0
step() { "$@" || failed=1; }

step bash scripts/fuzz.sh "${VELMOR_FUZZ_SECONDS:-60}"
step cmake --preset native
step cmake --build --preset native
step ctest --preset native
step cmake --preset windows
step cmake --build --preset windows
step ctest --preset windows
exit $failed
