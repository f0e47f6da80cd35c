#!/usr/bin/env bash
# Runs a command under Wine, in a Wine prefix of the build tree, on a virtual screen of its own.
#   under-wine.sh <state-dir> [--screen-if-no-display] <command> [args...]
# WINEPREFIX, HOME and XDG_DATA_HOME all point into <state-dir>: under Wine the Recycle Bin is
# the Linux user's trash and some profile folders link into the home folder, and what runs
# here really erases.
set -euo pipefail

state=$(mkdir -p "$1" && cd "$1" && pwd); shift
own_screen=1
if [ "${1:-}" = "--screen-if-no-display" ]; then
    shift
    [ -n "${DISPLAY:-}" ] && own_screen=0
fi

export WINEPREFIX="$state/prefix" HOME="$state/home" XDG_DATA_HOME="$state/home/.local/share"
export WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$HOME" "$XDG_DATA_HOME"

xvfb_pid=""
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ "$own_screen" = 1 ]; then
    # The first free display number from 90 on.
    n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "under-wine: creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # Wine draws the window frames itself, so windows look whole even without a window manager.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
fi

"$@"
