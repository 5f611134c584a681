#!/usr/bin/env bash
# The showcase driven end to end with real X input under a virtual display: text typed into the
# text box, both buttons clicked, the View menu opened with Alt+V and with the mouse to flip its
# check mark, the File menu opened with the mouse to ask a question that is answered "No" in the
# message box, and the program closed from the menu with Alt+F; then a second run closed with
# the window's close button. Each step waits for the line the showcase logs for it; at the end
# the whole log and the exit codes are checked. A program started with no display must say so
# and fail. Pictures of the window, its menu open and the message box, are kept.
#
# Usage: showcase_e2e.sh <showcase program> <screenshot folder>
set -uo pipefail
PROGRAM=$1
SHOTS=$2
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
# shellcheck source=showcase_session.sh
source "$HERE/showcase_session.sh"
trap 'end_showcase_session; rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM HUP  # a signal ends the script through the EXIT trap too

# In the sanitizer build: what system libraries leak is theirs to fix, not this test's to report.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/../support/lsan.supp:print_suppressions=0"

MISSING=$(missing_tools | tr '\n' ' ')
if [ -n "$MISSING" ]; then
    echo "SKIP: not installed: $MISSING(./test.sh installs them)"
    exit 77
fi

# Where things are, in the showcase window's coordinates (ShowcaseForm.cpp places the controls
# in its client area, which starts below the 20-pixel menu bar; drop-down items are 22 pixels
# tall, below a 1-pixel border).
TEXT_BOX=(184 49)
GREET=(314 49)
COLOUR=(398 49)
FILE_TITLE=(18 10)
VIEW_TITLE=(58 10)
FIRST_ITEM_ROW=32
LOG=$WORK/events

expect_no_display_message() {
    local code=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$WORK" "$PROGRAM" \
        >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err" || code=$?
    [ "$code" -eq 2 ] || fail "with no display the exit code is $code, not 2"
    [ "$(wc -l <"$WORK/nodisplay.err")" -eq 1 ] &&
        grep -qE '^showcase: cannot open a display \(.+\): is DISPLAY set\?$' "$WORK/nodisplay.err" ||
        fail "with no display stderr should be one line saying so; it was: $(cat "$WORK/nodisplay.err")"
    echo "ok: no display: $(cat "$WORK/nodisplay.err")"
}

# open_menu_with_mouse <window> <title x> <title y>: clicks the title, waits for the drop-down.
open_menu_with_mouse() {
    local before
    before=$(visible_windows)
    click "$1" "$2" "$3"
    poll_until 10 has_visible_windows $((before + 1)) || fail "no drop-down appeared under the title at $2,$3"
}

shoot() {
    import -window root "$SHOTS/$1" || fail "cannot take the screenshot $1"
    echo "screenshot: $SHOTS/$1"
}

answer_question_no() {
    local box WIDTH HEIGHT X Y SCREEN WINDOW
    box=$(window_named "Astrovex question")
    [ -n "$box" ] || fail "the message box did not appear"
    shoot showcase-question.png
    # The box's buttons sit at its bottom right, "No" last: 88 by 26, 12 pixels from the right edge.
    eval "$(xdotool getwindowgeometry --shell "$box")"
    click "$box" $((WIDTH - 56)) $((HEIGHT - 25))
    wait_for_log "$LOG" "message box: no"
}

run_every_element() {
    start_showcase "$PROGRAM" "$LOG"
    wait_for_log "$LOG" ready
    local window
    window=$(window_named "Astrovex showcase")
    [ -n "$window" ] || fail "the showcase window did not appear"

    click "$window" "${TEXT_BOX[@]}"
    xdotool type --delay 20 "Orlo"
    click "$window" "${GREET[@]}"
    wait_for_log "$LOG" "click Greet: Orlo"
    click "$window" "${COLOUR[@]}"
    wait_for_log "$LOG" "click Colour: green"

    xdotool key alt+v m
    wait_for_log "$LOG" "moving square: off"
    open_menu_with_mouse "$window" "${VIEW_TITLE[@]}"
    click "$window" $((VIEW_TITLE[0] + 30)) "$FIRST_ITEM_ROW"
    wait_for_log "$LOG" "moving square: on"

    open_menu_with_mouse "$window" "${FILE_TITLE[@]}"
    shoot showcase-menu.png
    click "$window" $((FILE_TITLE[0] + 30)) "$FIRST_ITEM_ROW"
    answer_question_no

    # The window manager gives the focus back to the window once the box has gone.
    xdotool windowactivate --sync "$window"
    xdotool key alt+f x
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "the showcase ended with exit code $EXIT_CODE"
}

check_whole_log() {
    local expected
    expected=$(printf '%s\n' "moving square: on" "ready" "typed: Orlo" "click Greet: Orlo" "click Colour: green" \
        "moving square: off" "moving square: on" "message box: no" "menu: exit" "close" "exit: 0")
    [ "$(cat "$LOG")" = "$expected" ] ||
        fail "the event log differs:$(diff <(echo "$expected") "$LOG" | sed 's/^/\n  /')"
    echo "ok: every element, closed from the menu"
}

close_with_close_button() {
    start_showcase "$PROGRAM" "$LOG"
    wait_for_log "$LOG" ready
    click_close_button "$(window_named "Astrovex showcase")"
    wait_for_log "$LOG" close
    wait_for_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "closed with the close button, the showcase ended with exit code $EXIT_CODE"
    [ "$(tail -n 1 "$LOG")" = "exit: 0" ] || fail "the last line logged was $(tail -n 1 "$LOG")"
    echo "ok: closed with the window's close button"
}

mkdir -p "$SHOTS" || fail "cannot make $SHOTS"
expect_no_display_message
start_x_session
run_every_element
check_whole_log
close_with_close_button
echo "showcase end to end: passed"
