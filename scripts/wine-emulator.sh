#!/usr/bin/env bash
# wine-emulator.sh STATE_DIR program.exe [args]: runs a Windows program of the build under Wine
# (CMake's cross-compiling emulator). Uses the running environment of the test run, or starts
# one for this call alone.
set -euo pipefail
. "$(dirname "$0")/wine-lib.sh"
WINE_STATE=$(realpath -m "$1"); shift  # Wine needs an absolute prefix
if [ ! -f "$WINE_STATE/running" ]; then
    wine_env_start
    trap wine_env_stop EXIT
fi
wine_exports
status=0
as_wine_user "$WINE" "$@" || status=$?
exit $status
