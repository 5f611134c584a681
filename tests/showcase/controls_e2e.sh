#!/usr/bin/env bash
# The showcase's second form driven end to end with real X input under a virtual display:
# check boxes clicked and toggled with Space, a sorted list clicked, double-clicked, scrolled
# with the wheel and moved through with the keys, both combo boxes opened and picked from with
# the mouse and the keys, text typed into the editable one, the slider paged with a click,
# stepped with the keys and dragged end to end, the numeric box's arrows clicked, a number typed
# (a letter refused) and stepped with the Up key until the form refuses a step, and a check box
# and a multiple-selection list inside the panel; then Tab to the Done button and Space. After
# each action the script waits for exactly the lines the form logs for it (controls_steps.sh);
# at the end the whole log and the exit code are checked. Pictures are kept.
#
# Usage: controls_e2e.sh <showcase program> <screenshot folder>
set -uo pipefail
PROGRAM=$1
SHOTS=$2
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
# shellcheck source=showcase_session.sh
source "$HERE/showcase_session.sh"
# shellcheck source=controls_steps.sh
source "$HERE/controls_steps.sh"
trap 'end_showcase_session; rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM HUP

export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/../support/lsan.supp:print_suppressions=0"
FAILURE_SHOT=controls-failure.png

MISSING=$(missing_tools | tr '\n' ' ')
if [ -n "$MISSING" ]; then
    echo "SKIP: not installed: $MISSING(./test.sh installs them)"
    exit 77
fi

LOG=$WORK/events
# The frameless form stands here on the screen (ControlsForm.h).
LEFT=100
TOP=100

shoot() {
    import -window root -crop 620x400+90+90 "$SHOTS/$1" || fail "cannot take the screenshot $1"
    echo "screenshot: $SHOTS/$1"
}

# run_step <step>: performs it and waits for each line it should log, in order.
run_step() {
    local action=${1%%|*} lines=${1#*|} before line expected_count
    before=$(wc -l <"$LOG")
    # shellcheck disable=SC2086
    perform_step "$LEFT" "$TOP" $action || fail "cannot perform '$action'"
    expected_count=$before
    IFS=';' read -r -a expected <<<"$lines"
    for line in "${expected[@]}"; do
        expected_count=$((expected_count + 1))
        poll_until 10 log_has_lines "$expected_count" ||
            fail "after '$action' the form never logged '$line'; it logged:"$'\n'"$(sed 's/^/  /' "$LOG")"
        [ "$(sed -n "${expected_count}p" "$LOG")" = "$line" ] ||
            fail "after '$action' the form logged '$(sed -n "${expected_count}p" "$LOG")', not '$line'"
    done
    echo "ok: $action"
}

log_has_lines() { [ "$(wc -l <"$LOG")" -ge "$1" ]; }

start_x_session
mkdir -p "$SHOTS" || fail "cannot make $SHOTS"
: >"$LOG"
SDL_AUDIODRIVER=dummy SHOWCASE_LOG="$LOG" "$PROGRAM" --controls >"$WORK/showcase.out" 2>"$WORK/showcase.err" &
SHOWCASE_PID=$!
wait_for_log "$LOG" ready
window=$(window_named "Astrovex showcase: controls")
[ -n "$window" ] || fail "the controls form did not appear"
xdotool windowactivate --sync "$window" 2>/dev/null
shoot controls.png
for step in "${CONTROLS_STEPS[@]}"; do
    case $step in
    "click 544 355|"*) shoot controls-used.png ;;
    esac
    run_step "$step"
done
wait_for_exit
[ "$EXIT_CODE" -eq 0 ] || fail "the controls form ended with exit code $EXIT_CODE"
[ "$(tail -n 1 "$LOG")" = "exit: 0" ] || fail "the last line logged was $(tail -n 1 "$LOG")"
echo "controls end to end: passed"
