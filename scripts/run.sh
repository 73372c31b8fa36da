#!/usr/bin/env bash
# Builds velmor.exe and starts it under Wine. Without a display it starts a virtual one, saves a
# screenshot of the window after start-up, closes the program and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target velmor
exe=$PWD/build/windows/src/ui/velmor.exe

. scripts/wine-lib.sh
# The program runs as whoever starts it, in a prefix of its own.
export VELMOR_WINE_AS_ROOT=1
WINE_STATE=$PWD/build/windows/wine-run
# Dates and numbers as the program's Russian users see them (VELMOR_LANG chooses another).
export LANG=${VELMOR_LANG:-ru_RU.UTF-8} LC_ALL=${VELMOR_LANG:-ru_RU.UTF-8}
mkdir -p "$WINE_STATE"
wine_prefix_init

if [ -n "${DISPLAY:-}" ]; then
    ( wine_exports; export DISPLAY; exec "$WINE" "$exe" )
    exit $?
fi

echo "run: no display; starting a virtual one (Xvfb)"
trap 'wine_env_stop' EXIT
wine_env_start
wine_exports
# Wine's own desktop window gives the program's window a frame and caption in the picture.
desktop=/desktop=velmor,1024x768
velmor_running() { pgrep -f '^[^ ]*velmor\.exe$' >/dev/null; }
"$WINE" explorer "$desktop" "$exe" &
program=$!
timeout 30 xdotool search --sync --onlyvisible --name 'Wine' >/dev/null || {
    echo "run: the window did not appear" >&2; exit 1; }
for _ in $(seq 100); do velmor_running && break; sleep 0.1; done
sleep 2 # let the window paint before the picture is taken
shot=$PWD/build/windows/screenshot.png
import -window root "$shot"
echo "run: window shown; screenshot saved to $shot"
# As the user's close box would: taskkill without /f asks the window to close.
# It must run on the same Wine desktop to see the window.
"$WINE" explorer "$desktop" taskkill /im velmor.exe >/dev/null 2>&1 || true
for _ in $(seq 100); do velmor_running || break; sleep 0.1; done
if velmor_running; then echo "run: the program did not close; ending it" >&2; fi
kill "$program" 2>/dev/null || true
echo "run: closed"
