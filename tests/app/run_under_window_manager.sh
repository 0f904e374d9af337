#!/usr/bin/env bash
# Runs a test program on a virtual 1024x768 X screen managed by openbox, as a desktop shows the
# program: the tests of what only a real X server and window manager do (stacking, minimising,
# window frames, panels) run there.
#   run_under_window_manager.sh PROGRAM [ARGS...]
# Exits 77 (skipped) with the reason when Xvfb or openbox is missing; scripts/install-deps.sh
# installs both.
set -euo pipefail
for tool in Xvfb openbox xprop xdotool; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "skipped: $tool is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
wm_pid=
cleanup() {
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself, so parallel runs do not collide. -noreset keeps the server
# up between clients, which openbox needs to connect reliably.
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
if [[ ! -s "$work/display" ]]; then
    echo "Xvfb did not start:"
    cat "$work/xvfb.log"
    exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.05
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "openbox did not start:"
    cat "$work/openbox.log"
    exit 1
fi

# Under AddressSanitizer: libxkbcommon-x11 copies key names out of the X server's reply with
# strndup and a length, from a buffer without a closing NUL; the strict string check reads that as
# an overflow though strndup stops at the length. The check stays on for the rest of the suite.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi
QT_QPA_PLATFORM=xcb "$@"
