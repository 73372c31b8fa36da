# Shared by the run script, the test fixture and the emulator wrapper: one Wine environment
# (prefix, persistent wineserver, virtual display) kept in a state folder of the build tree.
# Source it, then set WINE_STATE to that folder.

# Debian's wine64 package puts its programs here, not on PATH.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
WINE_TEST_USER=velmortest
WINE_TZ=Europe/Moscow

wine_user() {
    # Wine as root opens read-only files for writing; run as an ordinary user instead.
    if [ "$(id -u)" -eq 0 ] && [ "${VELMOR_WINE_AS_ROOT:-0}" != 1 ]; then echo "$WINE_TEST_USER"; else id -un; fi
}

as_wine_user() {
    local user; user=$(wine_user)
    if [ "$user" = "$(id -un)" ]; then "$@"; else
        setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups -- "$@"
    fi
}

wine_exports() {
    export WINEPREFIX="$WINE_STATE/prefix" WINEDEBUG=-all WINEARCH=win64
    export WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$WINE_STATE/home"
    export TZ="${VELMOR_TZ:-$WINE_TZ}"
    if [ -f "$WINE_STATE/display" ]; then export DISPLAY=":$(cat "$WINE_STATE/display")"; fi
}

# The test user must reach the build tree's programs: open the way to it where it is closed.
grant_test_user_access() {
    local dir
    dir=$(cd "$WINE_STATE/.." && pwd)
    while [ "$dir" != / ]; do
        if ! as_wine_user test -x "$dir"; then
            echo "wine: letting $(wine_user) pass through $dir (chmod o+x)" >&2
            chmod o+x "$dir"
        fi
        dir=$(dirname "$dir")
    done
    as_wine_user test -r "$WINE_STATE/.." || chmod -R go+rX "$WINE_STATE/.."
}

wine_prefix_init() {
    mkdir -p "$WINE_STATE/home"
    local user; user=$(wine_user)
    if [ "$user" != "$(id -un)" ]; then
        chown "$user:" "$WINE_STATE" "$WINE_STATE/home"
        grant_test_user_access
    fi
    if [ ! -f "$WINE_STATE/prefix/system.reg" ]; then
        echo "wine: creating the prefix in $WINE_STATE/prefix (once)" >&2
        ( wine_exports; as_wine_user "$WINE" wineboot -i >/dev/null 2>&1; as_wine_user "$WINESERVER" -w )
        [ -f "$WINE_STATE/prefix/system.reg" ] || { echo "wine: could not create the prefix" >&2; return 1; }
        # Xvfb has no window manager: unmanaged windows spare the 2-second wait for one on
        # every hide.
        ( wine_exports; as_wine_user "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed \
              /t REG_SZ /d N /f >/dev/null 2>&1; as_wine_user "$WINESERVER" -w )
    fi
}

# A CD-ROM drive R: for the tests, whose paths the program refuses: a dosdevices link and the
# drive's type, in place before Wine's mount manager starts and reads them.
wine_cdrom_init() {
    local link="$WINE_STATE/prefix/dosdevices/r:"
    [ -L "$link" ] && return 0
    mkdir -p "$WINE_STATE/cdrom"
    echo disc > "$WINE_STATE/cdrom/disc.txt"
    chmod -R go+rX "$WINE_STATE/cdrom"
    ln -s ../../cdrom "$link"
    ( wine_exports; as_wine_user "$WINE" reg add 'HKLM\Software\Wine\Drives' /v r: /t REG_SZ /d cdrom \
          /f >/dev/null 2>&1; as_wine_user "$WINESERVER" -w )
}

xvfb_start() {
    local n
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        echo $! > "$WINE_STATE/xvfb.pid"
        local i
        for i in $(seq 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && { echo "$n" > "$WINE_STATE/display"; chmod 644 "$WINE_STATE/display"; return 0; }
            kill -0 "$(cat "$WINE_STATE/xvfb.pid")" 2>/dev/null || break
            sleep 0.05
        done
    done
    echo "wine: could not start Xvfb" >&2
    return 1
}

xvfb_stop() {
    if [ -f "$WINE_STATE/xvfb.pid" ]; then
        kill "$(cat "$WINE_STATE/xvfb.pid")" 2>/dev/null || true
        rm -f "$WINE_STATE/xvfb.pid" "$WINE_STATE/display"
    fi
}

wine_env_start() {
    mkdir -p "$WINE_STATE"
    wine_prefix_init
    wine_cdrom_init
    xvfb_start
    # Persistent server: each later Wine start costs milliseconds instead of seconds.
    ( wine_exports; as_wine_user "$WINESERVER" -p >/dev/null 2>&1 < /dev/null
      # The first program starts Wine's background services, which keep its output open: let
      # them start here, on /dev/null, not holding the pipe of whichever test comes first.
      as_wine_user "$WINE" cmd /c exit >/dev/null 2>&1 < /dev/null )
    touch "$WINE_STATE/running"
}

wine_env_stop() {
    ( wine_exports; as_wine_user "$WINESERVER" -k >/dev/null 2>&1 || true )
    xvfb_stop
    rm -f "$WINE_STATE/running"
}
