#!/usr/bin/env bash
# Starts the real binary on a real X server (Xvfb) and checks that its window is mapped with
# its title and a client area of 331 x 268. Usage: x11_smoke.sh BINARY
set -euo pipefail
binary=$1
title="Tresk Interest Calculator"
scratch=$(mktemp -d)
xvfb="" app=""
cleanup() {
    # A kill that finds its process gone must not end the clean-up and leave Xvfb behind: it
    # would hold the test's output open, and the test runner waits for it forever.
    set +e
    [[ -n $app ]] && kill "$app" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# -noreset: the server resets when its last client leaves, and one that connects meanwhile (the
# window manager, the program) is turned away.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
[[ -s $scratch/display ]] || { echo "Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"

mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb "$binary" 2>"$scratch/app.log" &
app=$!
info=""
for _ in $(seq 150); do
    info=$(xwininfo -name "$title" 2>/dev/null || true)
    grep -q "Map State: IsViewable" <<<"$info" && break
    sleep 0.1
done
grep -q "Map State: IsViewable" <<<"$info" || {
    echo "no window titled '$title' was mapped"
    cat "$scratch/app.log"
    exit 1
}
width=$(sed -n 's/^ *Width: //p' <<<"$info")
height=$(sed -n 's/^ *Height: //p' <<<"$info")
echo "mapped '$title': client area $width x $height"
[[ $width == 331 && $height == 268 ]]
kill -0 "$app"
