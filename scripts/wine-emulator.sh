#!/usr/bin/env bash
# wine-emulator.sh STATE_DIR program.exe [args]: runs a Windows program of the build under Wine
# (CMake's cross-compiling emulator). Uses the running environment of the test run, or starts
# one for this call alone.
set -euo pipefail
. "$(dirname "$0")/wine-lib.sh"
WINE_STATE=$(realpath -m "$1"); shift  # Wine needs an absolute prefix
own_env=
if [ ! -f "$WINE_STATE/running" ]; then
    wine_env_start
    own_env=1
fi
wine_exports
# Rarely, on a freshly made prefix, a program ends at once with a failure and not a line of
# output (seen once in CI, not reproduced): such a start is tried once more. A program that
# ran and failed has printed something and is not run again.
out=$(mktemp)
trap 'rm -f "$out"; [ -z "$own_env" ] || wine_env_stop' EXIT
run() { as_wine_user "$WINE" "$@" | tee "$out"; return "${PIPESTATUS[0]}"; }
status=0
run "$@" || status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ]; then
    echo "wine: $1 ended at start with status $status and no output; starting it once more" >&2
    status=0
    run "$@" || status=$?
fi
exit $status
