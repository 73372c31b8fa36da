#!/usr/bin/env bash
# wine-env.sh start|stop STATE_DIR: the Wine environment of one test run (a CTest fixture).
set -euo pipefail
. "$(dirname "$0")/wine-lib.sh"
WINE_STATE=$(realpath -m "$2")  # Wine needs an absolute prefix
case $1 in
    start) wine_env_stop 2>/dev/null || true; wine_env_start ;;
    stop) wine_env_stop ;;
    *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
