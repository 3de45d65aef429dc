#!/usr/bin/env bash
# Starts the real binary as a native Wayland client of weston, checks that its window is mapped
# with its title, then has the compositor maximise it and make it fullscreen through weston's
# own key bindings, and checks that the program survives both and draws at the size it was given;
# then does the same to a notice.
# Weston runs on its x11 backend inside Xvfb: the headless backend has no keyboard to press.
# Usage: wayland_smoke.sh BINARY [SCREENSHOT_DIR]
set -euo pipefail
binary=$1 shots=${2:-}
title="Tresk Interest Calculator"
scratch=$(mktemp -d /tmp/wl-smoke.XXXXXX)
runtime=$scratch/runtime socket=tresk-wl-$$
xvfb="" weston="" app="" watched=""
cleanup() {
    set +e
    [[ -n $app ]] && kill "$app" 2>/dev/null
    if [[ -n $weston ]]; then
        # Weston's shell and keyboard clients are its children, not ours.
        helpers=$(cat "/proc/$weston/task/$weston/children" 2>/dev/null)
        kill "$weston" 2>/dev/null
        wait "$weston"
        for pid in $helpers; do kill "$pid" 2>/dev/null; done
    fi
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "$1"
    grep -h -m 3 -E 'error|fatal' "$scratch/app.log" "$scratch/weston.log" 2>/dev/null || true
    exit 1
}
# Polls "$@" for up to 10 s; gives up early when the process being waited on has gone.
await() {
    for _ in $(seq 100); do
        "$@" && return 0
        kill -0 "$watched" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Displays :51 to :59 keep clear of a developer's own session.
for n in $(seq 51 59); do
    Xvfb ":$n" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" \
        2>"$scratch/xvfb.log" &
    xvfb=$! watched=$!
    await test -s "$scratch/display" && break
    kill "$xvfb" 2>/dev/null || true
    xvfb=""
done
[[ -n $xvfb ]] || { echo "Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
display=$(head -n 1 "$scratch/display")
export DISPLAY=":$display" XDG_RUNTIME_DIR=$runtime
mkdir -m 700 "$runtime"

# The desktop fades in from black at start-up, which would darken the screenshots.
printf '[shell]\nstartup-animation=none\n' >"$scratch/weston.ini"
# --debug lets weston-debug read the compositor's own scene graph.
weston --config="$scratch/weston.ini" --debug --backend=x11-backend.so --use-pixman \
    --width=800 --height=600 --socket="$socket" --idle-time=0 --log="$scratch/weston.log" \
    </dev/null >/dev/null 2>&1 &
weston=$! watched=$!
await test -S "$runtime/$socket" || fail "weston did not start"
await xdotool search --class weston >"$scratch/output" || fail "weston opened no X window"
# Weston only hears the keyboard while its X window has the focus; without a window manager
# nothing else gives it.
timeout 5 xdotool windowfocus --sync "$(head -n 1 "$scratch/output")"
export WAYLAND_DISPLAY=$socket

env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 "$binary" 2>"$scratch/app.log" &
app=$! watched=$!

# Prints WIDTHxHEIGHT of the program's mapped window as the compositor sees it.
window_size() {
    weston-debug scene-graph 2>/dev/null | grep -A 1 -F "PID $app, surface ID" |
        grep -A 1 -F "top-level window '$title'" | grep -m 1 -F 'position:' |
        grep -o -E -- '-?[0-9]+' | paste -s -d ' ' |
        { read -r x1 y1 x2 y2 && [[ -n $y2 ]] && echo "$((x2 - x1))x$((y2 - y1))"; }
}
mapped() { size=$(window_size) && [[ -n $size ]]; }
focused() { grep -q -E 'wl_keyboard@[0-9]+\.enter\(' "$scratch/app.log"; }
await mapped || fail "no window titled '$title' was mapped"
seen="mapped '$title' at $size"
await focused || fail "the window did not get the keyboard focus"

# Each request is answered by a configure of a new size. Weston disconnects a maximised window
# whose next frame has any other size; a fullscreen one may stay smaller, but should not.
# Whole lines only: the client's protocol log is written in pieces.
configure='xdg_toplevel@[0-9]+\.configure\([0-9]+, [0-9]+, array\[[0-9]+\]\)'
configures() { grep -c -E "$configure" "$scratch/app.log" || true; }
configured() { (($(configures) > before)); }
resized() { size=$(window_size) && [[ $size == "$wanted" ]]; }
for request in maximised:super+shift+m fullscreen:super+shift+f; do
    state=${request%%:*} before=$(configures)
    xdotool key "${request#*:}"
    await configured || fail "$seen; no configure followed the $state request"
    wanted=$(grep -o -E "$configure" "$scratch/app.log" | tail -n 1 |
        sed 's/.*configure(\([0-9]*\), \([0-9]*\),.*/\1x\2/')
    await resized || {
        kill -0 "$app" 2>/dev/null && program=running || program=gone
        fail "$seen; configured $state at $wanted, then window at ${size:-none}, program $program"
    }
    seen+=", $state at $size"
    [[ -z $shots ]] || import -window root "$shots/wayland_$state.png"
done

# A notice is a window of its own: Tab out of the empty year list opens one, which must take a
# maximised size as well, and close again on Enter.
# Top-level windows only: a pointer's cursor is a surface of the program's too.
windows() {
    weston-debug scene-graph 2>/dev/null | grep -F "PID $app, surface ID" |
        grep -c -F "top-level window" || true
}
notice_shown() { (($(windows) > 1)); }
notice_gone() { (($(windows) == 1)); }
# The keys go to whichever window has the keyboard: wait until the notice has it.
enters() { grep -c -E 'wl_keyboard@[0-9]+\.enter\(' "$scratch/app.log" || true; }
entered() { (($(enters) > entered_before)); }
before=$(configures) entered_before=$(enters)
xdotool key Tab
await notice_shown || fail "$seen; no notice opened"
await configured || fail "$seen; the notice was not configured"
await entered || fail "$seen; the notice did not get the keyboard"
before=$(configures)
xdotool key super+shift+m
await configured || fail "$seen; no configure followed maximising the notice"
xdotool key Return
await notice_gone || fail "$seen; the notice did not close after being maximised"
seen+=", a maximised notice"
kill -0 "$app" || fail "$seen; the program has gone"
echo "$seen; still running"
