# shellcheck shell=bash
# Shared by the end-to-end scripts, the showcase's and the game's (sourced, not run): a virtual
# X display with a window manager on it, real input to the windows there, and waiting by
# polling, never by guessing a delay. What start_x_session starts is ended by end_x_session,
# which the caller traps on EXIT.
#
# The caller sets WORK (a scratch folder) before calling anything here, and may set FAILURE_SHOT
# to name the picture a failure keeps (failure.png by default).

XVFB_PID=""
WM_PID=""

# Says what went wrong and ends the script; with SHOTS set, keeps a picture of the screen then.
fail() {
    echo "FAIL: $*" >&2
    local shot="${SHOTS:-}/${FAILURE_SHOT:-failure.png}"
    if [ -n "${SHOTS:-}" ] && [ -n "${DISPLAY:-}" ] && import -window root "$shot" 2>/dev/null; then
        echo "the screen at the failure: $shot" >&2
    fi
    exit 1
}

# poll_until <seconds> <command...>: runs the command every 50 ms until it succeeds; false
# when the time runs out first.
poll_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

# The tools the scripts need; the missing ones are printed.
missing_tools() {
    local tool
    for tool in Xvfb xdpyinfo xwininfo xprop openbox xdotool import; do
        command -v "$tool" >/dev/null || echo "$tool"
    done
}

display_number_known() { grep -q '^[0-9]' "$WORK/display" 2>/dev/null; }
display_answers() { xdpyinfo >/dev/null 2>&1; }

# Starts Xvfb on a display number it picks itself (so parallel runs never collide), then the
# window manager, which gives windows their frame and close button and moves the focus to a
# new window as a desktop does.
start_x_session() {
    # The shell truncates the file only once Xvfb has forked: an old number must not be read.
    # Without -noreset the server resets whenever its last client leaves, and a client that
    # connects meanwhile (the window manager, right after xdpyinfo) is turned away.
    rm -f "$WORK/display"
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    poll_until 10 display_number_known || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    poll_until 10 display_answers || fail "Xvfb does not answer on $DISPLAY: $(cat "$WORK/xvfb.log")"
    # The start-up command runs once openbox manages windows; one mapped earlier might never be.
    rm -f "$WORK/wm-ready"
    openbox --sm-disable --startup "touch $WORK/wm-ready" >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    poll_until 10 test -e "$WORK/wm-ready" || fail "the window manager did not start: $(cat "$WORK/openbox.log")"
}

# Gone, or a zombie waiting to be reaped by `wait`.
process_gone() { [ ! -e "/proc/$1" ] || [ "$(sed -E 's/^.*\) ([A-Za-z]).*$/\1/' "/proc/$1/stat" 2>/dev/null)" = Z ]; }

# Ends one process this script started: politely first, then for sure.
stop_pid() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null
    poll_until 3 process_gone "$1" || kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

end_x_session() {
    stop_pid "$WM_PID"
    stop_pid "$XVFB_PID"
    WM_PID=""
    XVFB_PID=""
}

# The one visible window with this exact title (waits up to 10 s for it).
window_named() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# click <window> <x> <y>: a real left click at (x, y) inside the window.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# click_close_button <window>: a click on the close button of the frame the window manager
# draws, the rightmost button of its title bar.
click_close_button() {
    local left top width extents right titleHeight
    left=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $NF}')
    top=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $NF}')
    width=$(xwininfo -id "$1" | awk '/Width:/ {print $NF}')
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r _ right titleHeight _ <<<"$extents"
    xdotool mousemove $((left + width + right - 10)) $((top - titleHeight / 2)) click 1
}
