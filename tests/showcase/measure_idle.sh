#!/usr/bin/env bash
# Measures how much CPU the showcase takes while nothing happens: under a virtual display, with
# the moving square stopped (View > Moving square, chosen with Alt+V, M), over a quiet spell.
# The figure is the whole process's user and system time, from /proc, over the wall time.
# A measurement for people, not a test: it prints the figure and fails only if it cannot measure.
#
# Usage: measure_idle.sh <showcase program> [seconds, default 10]
set -uo pipefail
PROGRAM=$1
SPELL=${2:-10}
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
# shellcheck source=showcase_session.sh
source "$HERE/showcase_session.sh"
trap 'end_showcase_session; rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM HUP  # a signal ends the script through the EXIT trap too

# User plus system time of all its threads in clock ticks: fields 14 and 15 of its stat,
# counted after the name in brackets.
cpu_ticks() { sed -E 's/^.*\) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
# The same in nanoseconds, from the scheduler's count for each thread: finer than a tick.
cpu_nanoseconds() { cat /proc/"$1"/task/*/schedstat | awk '{sum += $1} END {print sum}'; }

start_x_session
LOG=$WORK/events
start_showcase "$PROGRAM" "$LOG"
wait_for_log "$LOG" ready
WINDOW=$(window_named "Astrovex showcase")
xdotool windowactivate --sync "$WINDOW"
xdotool key alt+v m
wait_for_log "$LOG" "moving square: off"
sleep 1  # lets the last repaint and the menu's closing settle before the spell starts

TICKS_PER_SECOND=$(getconf CLK_TCK)
ticksBefore=$(cpu_ticks "$SHOWCASE_PID")
nanosecondsBefore=$(cpu_nanoseconds "$SHOWCASE_PID")
started=$(date +%s.%N)
sleep "$SPELL" &
wait $!  # unlike a plain sleep, lets a signal end the script at once
ticksAfter=$(cpu_ticks "$SHOWCASE_PID")
nanosecondsAfter=$(cpu_nanoseconds "$SHOWCASE_PID")
ended=$(date +%s.%N)
awk -v t="$((ticksAfter - ticksBefore))" -v hz="$TICKS_PER_SECOND" -v ns="$((nanosecondsAfter - nanosecondsBefore))" \
    -v s="$started" -v e="$ended" 'BEGIN {
    wall = e - s
    printf "idle CPU of the showcase over %.2f s: %d ticks of 1/%d s (%.2f%% of one core); " \
           "scheduler time %.1f ms (%.3f%% of one core)\n", wall, t, hz, 100 * t / hz / wall, ns / 1e6, ns / 1e7 / wall
}'
xdotool key alt+f x
wait_for_exit
