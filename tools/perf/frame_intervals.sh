#!/usr/bin/env bash
# Measures the game's frames from outside it on a real display: a uprobe on the frame handler's
# entry and return (perf), for SECONDS of play with fire held and the ship sweeping. Prints the
# intervals between frame starts and the frames' own durations (median, 99th percentile, max)
# and every interval over 25 ms. Needs root (perf probes), perf, xdotool and a display.
#   DISPLAY=:84 tools/perf/frame_intervals.sh [build/release/game/astrovex] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/../.."
BIN=$(realpath "${1:-build/release/game/astrovex}"); SECONDS_OF_PLAY=${2:-60}
WORK=$(mktemp -d); trap 'rm -rf "$WORK"' EXIT
ADDR=$(nm "$BIN" | awk '/ _ZN6MyGame8FormMain6OnTickEv$/{print "0x"$1}')
perf probe -q -d 'probe_astrovex:*' 2>/dev/null || true
perf probe -q -x "$BIN" -a "tick=$ADDR"
perf probe -q -x "$BIN" -a "tickret=$ADDR%return"
export SDL_AUDIODRIVER=dummy HOME=$WORK
"$BIN" & GAME=$!
sleep 2
W=$(xdotool search --onlyvisible --name '^Astrovex Sparatutto' | tail -1)
xdotool windowfocus --sync "$W"; xdotool key g; sleep 1
perf record -q -e 'probe_astrovex:tick' -e 'probe_astrovex:tickret__return' -p "$GAME" -o "$WORK/perf.data" -- sleep "$SECONDS_OF_PLAY" &
RECORD=$!
xdotool keydown space
END=$((SECONDS + SECONDS_OF_PLAY))
while [ $SECONDS -lt $END ]; do
  xdotool keydown Left; sleep 0.8; xdotool keyup Left; xdotool keydown Right; sleep 0.8; xdotool keyup Right
done
xdotool keyup space
wait $RECORD || true
kill $GAME; wait $GAME 2>/dev/null || true
perf probe -q -d 'probe_astrovex:*'
perf script -i "$WORK/perf.data" -F time,event 2>/dev/null | python3 -c '
import sys
starts, lengths, last = [], [], None
for line in sys.stdin:
    t, event = line.split()[0].rstrip(":"), line.split()[1]
    t = float(t) * 1000
    if "tickret" in event:
        if last is not None: lengths.append(t - last)
    else:
        starts.append(t); last = t
gaps = [b - a for a, b in zip(starts, starts[1:])]
def show(name, xs):
    xs = sorted(xs)
    if not xs: print(name, "none"); return
    print("%s: %d, median %.2f ms, p99 %.2f ms, max %.2f ms" % (name, len(xs), xs[len(xs)//2], xs[int(len(xs)*0.99)], xs[-1]))
show("intervals between frames", gaps)
show("frame durations", lengths)
print("intervals over 25 ms:", ["%.1f" % g for g in gaps if g > 25])
'
