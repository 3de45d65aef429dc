#!/usr/bin/env bash
# Runs the real binary on Xvfb under openbox with the accessibility bus, and has atspi_check.py
# do the whole job through AT-SPI and the keyboard. Needs nothing running beforehand: it makes
# its own session bus. Given a CHECK of its own, the session runs that instead, which starts the
# program itself: python3 CHECK BINARY ARG...
# Usage: atspi_smoke.sh BINARY [CHECK [ARG...]]
set -euo pipefail
if [[ -z ${TRESK_ATSPI_SESSION:-} ]]; then
    # Where root may, the session gets mounts of its own, so that a check can make a disk and
    # fill it without touching the machine's.
    private=()
    [[ $(id -u) -eq 0 ]] && unshare --mount true 2>/dev/null && private=(unshare --mount)
    exec env TRESK_ATSPI_SESSION=1 "${private[@]}" dbus-run-session -- "$0" "$@"
fi
binary=$1
check=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
pids=()
cleanup() {
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# -noreset: the server resets when its last client leaves, and one that connects meanwhile (the
# window manager, the program) is turned away.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$scratch/display" \
    2>"$scratch/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $scratch/display ]] && break; sleep 0.1; done
[[ -s $scratch/display ]] || { echo "Xvfb did not start"; cat "$scratch/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$scratch/display")"
for _ in $(seq 100); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
# The accessibility bus keeps its socket here rather than in a home shared with other sessions.
mkdir -m 700 "$scratch/runtime"
export XDG_RUNTIME_DIR=$scratch/runtime

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$scratch/bus.log" 2>&1 &
pids+=($!)
openbox --sm-disable 2>"$scratch/openbox.log" &
pids+=($!)
# Windows are activated through the window manager, once it says it can.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break
    sleep 0.1
done
xprop -root _NET_SUPPORTED | grep -q _NET_ACTIVE_WINDOW ||
    { echo "openbox did not start on $DISPLAY"; cat "$scratch/openbox.log"; exit 1; }
if [[ -n $check ]]; then
    status=0
    # -B: the check imports atspi_check.py, and the source folder gets no compiled copy of it.
    /usr/bin/python3 -B "$check" "$binary" "${@:3}" || status=$?
    exit "$status"
fi
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$binary" 2>"$scratch/app.log" &
pids+=($!)
# The window manager does not always focus a window that comes up slowly; a user would click it.
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^Tresk Interest Calculator$" |
    head -n 1)
for _ in $(seq 40); do
    [[ $(xdotool getactivewindow 2>/dev/null) == "$window" ]] && break
    xdotool windowactivate "$window" 2>/dev/null || true
    sleep 0.25
done

status=0
/usr/bin/python3 "$here/atspi_check.py" || status=$?
if [[ $status -ne 0 ]]; then
    echo "--- application"; cat "$scratch/app.log"
    echo "--- accessibility bus"; cat "$scratch/bus.log"
fi
exit "$status"
