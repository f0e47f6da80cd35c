#!/usr/bin/env bash
# `make run`: starts Calvorin.exe under Wine. On a desktop it runs until you close it; with no
# display it runs on a virtual screen, saves a screenshot and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=build/windows/bin/Calvorin.exe
if [ -n "${DISPLAY:-}" ]; then
    exec cmake/under-wine.sh build/wine-run --screen-if-no-display wine "$exe"
fi
mkdir -p screenshots
cmake/under-wine.sh build/wine-run bash -c '
    wine "$0" & program=$!
    xdotool search --sync --onlyvisible --name "Calvorin 1.0" >/dev/null
    sleep 2
    import -window root screenshots/calvorin.png
    echo "make run: no display here, so Calvorin ran on a virtual screen; see screenshots/calvorin.png"
    wineserver -k
    wait $program 2>/dev/null || true
' "$exe"
