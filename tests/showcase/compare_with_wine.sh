#!/usr/bin/env bash
# Drives the showcase's second form on our platform and the same form built for Windows on the
# real platform's controls (under Wine) with the same real X input (controls_steps.sh), and
# compares their event logs line for line. Prints the lines that differ and "equal: N/M".
# Exits 0 when every line is equal, 1 when some differ, 77 (skipped) when Wine is not there.
#
# Usage: compare_with_wine.sh <showcase program> <showcase.exe> [screenshot folder]
set -uo pipefail
PROGRAM=$1
WINDOWS_PROGRAM=$2
SHOTS=${3:-}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
# shellcheck source=showcase_session.sh
source "$HERE/showcase_session.sh"
# shellcheck source=controls_steps.sh
source "$HERE/controls_steps.sh"
# A prefix of its own: a Wine server already running for another prefix or display would show
# the windows there.
export WINEPREFIX=$WORK/wine
trap 'WINEPREFIX=$WORK/wine wineserver -k 2>/dev/null; end_showcase_session; rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM HUP

if ! command -v wine >/dev/null; then
    echo "SKIP: Wine is not installed, so there is no real platform to compare with"
    exit 77
fi
[ -f "$WINDOWS_PROGRAM" ] || { echo "SKIP: no Windows build of the showcase at $WINDOWS_PROGRAM"; exit 77; }
MISSING=$(missing_tools | tr '\n' ' ')
[ -z "$MISSING" ] || { echo "SKIP: not installed: $MISSING"; exit 77; }

LEFT=100
TOP=100

# Until the log has not grown for half a second: the program has done what the action made it do.
settle() {
    local size last=-1 steady=0
    for _ in $(seq 100); do
        size=$(wc -l <"$1")
        if [ "$size" = "$last" ]; then
            steady=$((steady + 1))
            [ "$steady" -ge 10 ] && return 0
        else
            steady=0
            last=$size
        fi
        sleep 0.05
    done
}

# drive <log> <name> <command...>: starts the program, performs every step, waits for its end.
drive() {
    local log=$1 name=$2 step
    shift 2
    : >"$log"
    SDL_AUDIODRIVER=dummy WINEDEBUG=-all SHOWCASE_LOG="$log" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err" &
    SHOWCASE_PID=$!
    # The Windows build ends its lines with a carriage return.
    poll_until 60 grep -qE $'^ready\r?$' "$log" || fail "$name: the form never said it was ready: $(tail -n 5 "$WORK/$name.err")"
    xdotool windowactivate --sync "$(window_named "Astrovex showcase: controls")" 2>/dev/null
    settle "$log"
    local last=$((${#CONTROLS_STEPS[@]} - 1)) i
    for i in "${!CONTROLS_STEPS[@]}"; do
        # The picture shows every control used, before the last step closes the form.
        [ "$i" -eq "$last" ] && [ -n "$SHOTS" ] && import -window root -crop 620x400+90+90 "$SHOTS/controls-$name.png"
        step=${CONTROLS_STEPS[$i]}
        # shellcheck disable=SC2086
        perform_step "$LEFT" "$TOP" ${step%%|*}
        settle "$log"
    done
    poll_until 20 process_gone "$SHOWCASE_PID" || { stop_pid "$SHOWCASE_PID"; echo "$name: did not end by itself"; }
    SHOWCASE_PID=""
    tr -d '\r' <"$log" >"$log.clean"
}

start_x_session
[ -n "$SHOTS" ] && mkdir -p "$SHOTS"
# Making the prefix takes a while; done before the clock of the first step starts.
WINEDEBUG=-all wineboot --init >"$WORK/wineboot.log" 2>&1 || fail "wineboot failed: $(tail -n 5 "$WORK/wineboot.log")"
drive "$WORK/ours.log" ours "$PROGRAM" --controls
drive "$WORK/wine.log" wine wine "$WINDOWS_PROGRAM" --controls

total=$(($(wc -l <"$WORK/ours.log.clean") > $(wc -l <"$WORK/wine.log.clean") ? $(wc -l <"$WORK/ours.log.clean") : $(wc -l <"$WORK/wine.log.clean")))
different=$(diff "$WORK/wine.log.clean" "$WORK/ours.log.clean" | grep -c '^[<>]' || true)
if [ "$different" -gt 0 ]; then
    echo "the logs differ (< the real platform, > ours):"
    diff "$WORK/wine.log.clean" "$WORK/ours.log.clean" | sed 's/^/  /'
fi
equal=$(comm -12 <(nl -ba -nln "$WORK/wine.log.clean" | tr '\t' ' ') <(nl -ba -nln "$WORK/ours.log.clean" | tr '\t' ' ') | wc -l)
echo "equal: $equal/$total"
[ "$equal" -eq "$total" ]
