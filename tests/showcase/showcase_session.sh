# shellcheck shell=bash
# The showcase on the virtual X display of ../support/x_session.sh (sourced, not run, by the
# showcase's scripts): started with its event log, waited for line by line, and ended by
# end_showcase_session, which the caller traps on EXIT.
#
# The caller sets WORK (a scratch folder) before calling anything here.

# shellcheck source=../support/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/x_session.sh"

SHOWCASE_PID=""

end_showcase_session() {
    stop_pid "$SHOWCASE_PID"
    SHOWCASE_PID=""
    end_x_session
}

# start_showcase <program> <log file>: starts it in the background, its event log in the file.
start_showcase() {
    : >"$2"
    SDL_AUDIODRIVER=dummy SHOWCASE_LOG="$2" "$1" >"$WORK/showcase.out" 2>"$WORK/showcase.err" &
    SHOWCASE_PID=$!
}

# wait_for_log <log file> <line>: until the event log holds exactly that line.
wait_for_log() {
    poll_until 10 grep -qxF -- "$2" "$1" ||
        fail "the showcase never logged '$2'; it logged:"$'\n'"$(sed 's/^/  /' "$1")"$'\n'"its errors: $(tail -n 20 "$WORK/showcase.err")"
}

# wait_for_exit: waits for the showcase to end by itself and sets EXIT_CODE to its exit code.
wait_for_exit() {
    poll_until 10 process_gone "$SHOWCASE_PID" || fail "the showcase did not end"
    EXIT_CODE=0
    wait "$SHOWCASE_PID" || EXIT_CODE=$?
    SHOWCASE_PID=""
    [ "$EXIT_CODE" -eq 0 ] || echo "the showcase ended with exit code $EXIT_CODE; its errors: $(tail -n 20 "$WORK/showcase.err")" >&2
}

# How many of the showcase's windows are visible: a drop-down menu or a message box adds one.
visible_windows() { xdotool search --onlyvisible --pid "$SHOWCASE_PID" 2>/dev/null | wc -l; }
has_visible_windows() { [ "$(visible_windows)" -eq "$1" ]; }
