#!/usr/bin/env bash
# `make screenshots`: one PNG of each page of the main window, taken under Wine on a virtual
# screen, into screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != --inside ]; then
    mkdir -p screenshots
    exec cmake/under-wine.sh build/wine-run "$0" --inside
fi

# Inside Wine's environment: page_tour.exe shows a page, says "page N", and waits for a line.
names=(erase-settings settings startup shredder help)
coproc tour { wine build/windows/bin/page_tour.exe 2>/dev/null; }
while read -r word page <&"${tour[0]}"; do
    page=${page%$'\r'}
    [ "$word" = page ] || { echo "page tour: $word $page" >&2; exit 1; }
    file="screenshots/page-$page-${names[$page]}.png"
    import -window root "$file"
    echo "$file"
    echo next >&"${tour[1]}"
done
