#!/usr/bin/env bash
# Photographs the program on a virtual display.
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default /tmp/korveld-shots)
#       The start screen of the real binary, then the help topic, pop-up, contents, search and the
#       missing-file message, the capacity worksheet before and after Calculate, and the selection
#       worksheet with its results and bleed dialogs, by tools/screenshots.
#   scripts/screenshots.sh --docs [OUTPUT_FOLDER]   (default docs/)
#       The README's pictures: start screen, the capacity worksheet with its answer, the whole
#       1024x768 screen with the selection worksheet and its results dialog under a window
#       manager, the results dialog and the operating-window chart.
#
# KORVELD_SCALE=2 photographs at 200 % (QT_SCALE_FACTOR). Needs imagemagick besides the packages of
# the build (xvfb, openbox): KORVELD_EXTRA_PACKAGES="imagemagick" scripts/install-deps.sh
set -euo pipefail
cd "$(dirname "$0")/.."
docs=0
if [[ "${1:-}" == "--docs" ]]; then
    docs=1
    shift
fi
if [[ $docs -eq 1 ]]; then
    out=$(realpath -m "${1:-docs}")
else
    out=$(realpath -m "${1:-/tmp/korveld-shots}")
fi
mkdir -p "$out"
export QT_SCALE_FACTOR="${KORVELD_SCALE:-1}"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target korveld korveld_screenshots >/dev/null
shots=build/tools/screenshots/korveld_screenshots

if [[ $docs -eq 1 ]]; then
    # A 1024x768 screen under a window manager, as a small laptop shows the program.
    tests/app/run_under_window_manager.sh "$shots" docs "$out" "$PWD/build/app"
    exit 0
fi

xvfb-run -a -s "-screen 0 2560x2048x24" bash -c '
    set -euo pipefail
    out=$1
    build/app/korveld &
    pid=$!
    sleep 3
    import -window root "$out/korveld_start_screen.png"
    echo "wrote $out/korveld_start_screen.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    for scenes in help capacity selection; do
        "$2" "$scenes" "$out" "$PWD/build/app"
    done
' _ "$out" "$shots"
