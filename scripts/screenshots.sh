#!/usr/bin/env bash
# Photographs the program on a virtual display: the start screen of the real binary, then the help
# topic, pop-up, contents, search and the missing-file message, the capacity worksheet before and
# after Calculate, and the selection worksheet with its results and bleed dialogs, through three
# small drivers.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default /tmp/korveld-shots)
# Needs xvfb and imagemagick: KORVELD_EXTRA_PACKAGES="xvfb imagemagick" scripts/install-deps.sh
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-/tmp/korveld-shots}")
mkdir -p "$out"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target korveld korveld_screenshots korveld_capacity_screenshots \
    korveld_selection_screenshots >/dev/null

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -euo pipefail
    out=$1
    build/app/korveld &
    pid=$!
    sleep 3
    import -window root "$out/korveld_start_screen.png"
    echo "wrote $out/korveld_start_screen.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    build/tests/app/korveld_screenshots "$out" "$PWD/build/app"
    build/tests/app/korveld_capacity_screenshots "$out" "$PWD/build/app"
    build/tests/app/korveld_selection_screenshots "$out" "$PWD/build/app"
' _ "$out"
