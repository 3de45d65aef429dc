#!/usr/bin/env bash
# Starts the real binary as a native Wayland client of weston, checks that its window is mapped
# with its title and has the keyboard, then has the compositor maximise it and make it
# fullscreen through weston's own key bindings, and checks that the program survives both and
# fills the space it was given; then does the same to a notice. The program's windows, their
# sizes and which has the keyboard are read as a screen reader reads them, over AT-SPI; what the
# compositor shows, from its output. Neither depends on how a release's libraries print traces.
# Weston runs on its x11 backend inside Xvfb: the headless backend has no keyboard to press.
# Usage: wayland_smoke.sh BINARY [SCREENSHOT_DIR]
set -euo pipefail
if [[ -z ${TRESK_ATSPI_SESSION:-} ]]; then
    exec env TRESK_ATSPI_SESSION=1 dbus-run-session -- "$0" "$@"
fi
binary=$1 shots=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
title="Tresk Interest Calculator"
scratch=$(mktemp -d /tmp/wl-smoke.XXXXXX)
runtime=$scratch/runtime socket=tresk-wl-$$
xvfb="" weston="" app="" bus="" watched=""
cleanup() {
    set +e
    [[ -n $app ]] && kill "$app" 2>/dev/null
    [[ -n $bus ]] && kill "$bus" 2>/dev/null
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
# Prints the program's shown windows, one a line: role, name, WIDTHxHEIGHT, active or inactive.
windows() { /usr/bin/python3 "$here/atspi_windows.py" "$(basename "$binary")" 2>/dev/null || true; }
fail() {
    echo "$1"
    grep -h -m 3 -E 'error|fatal' "$scratch/app.log" "$scratch/weston.log" 2>/dev/null || true
    echo "windows: $(windows | paste -s -d ';')"
    exit 1
}
# Polls "$@" for up to 10 s; gives up early when the process being waited on has gone.
await() {
    local deadline=$((SECONDS + 10))
    while ((SECONDS < deadline)); do
        "$@" && return 0
        kill -0 "$watched" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Displays :51 to :59 keep clear of a developer's own session.
for n in $(seq 51 59); do
    Xvfb ":$n" -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
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

# The desktop fades in from black at start-up, which would darken the screenshots. A background
# and a panel of colours of their own tell how much of them a window leaves to be seen.
background=1F8F3F panel=8F1F6F screen=800x600
printf '[shell]\nstartup-animation=none\nbackground-color=0xff%s\npanel-color=0xff%s\n' \
    "$background" "$panel" >"$scratch/weston.ini"
weston --config="$scratch/weston.ini" --backend=x11-backend.so --use-pixman \
    --width="${screen%x*}" --height="${screen#*x}" --socket="$socket" --idle-time=0 \
    --log="$scratch/weston.log" \
    </dev/null >/dev/null 2>&1 &
weston=$! watched=$!
await test -S "$runtime/$socket" || fail "weston did not start"
await xdotool search --class weston >"$scratch/output" || fail "weston opened no X window"
output=$(head -n 1 "$scratch/output")
# Weston only hears the keyboard while its X window has the focus; without a window manager
# nothing else gives it.
timeout 5 xdotool windowfocus --sync "$output"
export WAYLAND_DISPLAY=$socket
# Counts the pixels of the compositor's output that show the given colour.
showing() {
    import -window "$output" png:- 2>/dev/null |
        convert png:- -alpha off -fill black +opaque "#$1" -fill white -opaque "#$1" \
            -format '%[fx:round(mean*w*h)]' info:
}
# How much of the background the desktop shows before any window.
drawn() { desktop=$(showing "$background") && ((desktop > 0)); }
await drawn || fail "weston showed no desktop"

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
bus=$!
env -u DISPLAY QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" \
    2>"$scratch/app.log" &
app=$! watched=$!

# Keys by their X keycodes, so that each arrives as the key pressed, whatever the keymap adds.
declare -A keycode=([super]=133 [shift]=50 [m]=58 [f]=41 [Tab]=23 [Return]=36)
press() {
    local codes=() key
    for key in ${1//+/ }; do codes+=("${keycode[$key]}"); done
    xdotool key --clearmodifiers "$(IFS=+; echo "${codes[*]}")"
}

main_window() { windows | grep -v -E '^(alert|dialog)' | grep -m 1 -F $'\t'"$title"$'\t'; }
mapped() {
    size=$(main_window | cut -f 3) && [[ -n $size ]] && (($(showing "$background") < desktop))
}
focused() { main_window | grep -q $'\tactive$'; }
await mapped || fail "no window titled '$title' was shown"
seen="mapped '$title' at $size"
await focused || fail "the window did not get the keyboard focus"

# Each request is answered by a configure of a new size, which the program takes. Weston
# disconnects a maximised window whose next frame has any other size; a fullscreen one may stay
# smaller, on a black curtain, but should not. So maximised, the window hides all the
# background; fullscreen, the panel as well, and it is as large as the output.
resized() { [[ $(main_window | cut -f 3) != "$size" ]]; }
covers() { (($(showing "$hidden") == 0 && $(showing "$background") == 0)); }
for request in maximised:super+shift+m:$background fullscreen:super+shift+f:$panel; do
    IFS=: read -r state keys hidden <<<"$request"
    press "$keys"
    await resized || fail "$seen; the window kept its size after the $state request"
    await covers || {
        kill -0 "$app" 2>/dev/null && program=running || program=gone
        fail "$seen; $state at $(main_window | cut -f 3), the desktop still shows, program $program"
    }
    size=$(main_window | cut -f 3)
    [[ $state != fullscreen || $size == "$screen" ]] || fail "$seen; fullscreen at $size"
    seen+=", $state at $size"
    [[ -z $shots ]] || import -window root "$shots/wayland_$state.png"
done

# A notice is a window of its own: Tab out of the empty year list opens one, which must take a
# maximised size as well, and close again on Enter.
count() { windows | wc -l; }
notice_shown() { (($(count) > 1)); }
notice_gone() { (($(count) == 1)); }
# The keys go to whichever window has the keyboard: wait until the notice has it.
notice() { windows | grep -m 1 -E '^(alert|dialog)'$'\t'; }
notice_active() { notice | grep -q $'\tactive$'; }
notice_resized() { [[ $(notice | cut -f 3) != "$notice_size" ]]; }
press Tab
await notice_shown || fail "$seen; no notice opened"
await notice_active || fail "$seen; the notice did not get the keyboard"
notice_size=$(notice | cut -f 3)
press super+shift+m
await notice_resized || fail "$seen; the notice kept its size $notice_size when maximised"
press Return
await notice_gone || fail "$seen; the notice did not close after being maximised"
seen+=", a maximised notice"
kill -0 "$app" || fail "$seen; the program has gone"
echo "$seen; still running"
