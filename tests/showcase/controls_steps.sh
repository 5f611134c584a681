# shellcheck shell=bash
# What a person does with the showcase's second form, started on its own (--controls), and the
# lines its event log gains for each action: shared by controls_e2e.sh, which checks our
# platform's lines, and compare_with_wine.sh, which compares them with the real platform's.
#
# A step is "<action>|<expected lines, separated by ;>", the lines being what the real platform's
# controls make the form log (a press on a slider ends its change twice: at the release and when
# the capture goes). Two clicks in a row at the same point are apart by more than the double-click
# distance when they are not meant as a double click: a slow build may take them as one. Points are in the form's client
# coordinates (ControlsForm.cpp places the controls; list rows are 20 pixels, below a 2-pixel
# edge). Actions:
#   click X Y, dclick X Y, shiftclick X Y, ctrlclick X Y   the left button at a point
#   drag X1 Y1 X2 Y2                                       pressed at one point, released at the other
#   wheel X Y down|up                                      one notch of the wheel over a point
#   key K...                                               keys as xdotool names them
#   type TEXT                                              characters typed
CONTROLS_STEPS=(
    "click 10 11|toolbar: lock on"
    "click 143 50|tabs: change refused"
    "click 10 11|toolbar: lock off"
    "click 65 11|toolbar: hard"
    "click 42 11|toolbar: easy"
    "click 118 11|toolbar: speed"
    "click 136 11|toolbar: speed menu"
    "click 42 89|sound: checked"
    "click 42 117|music: checked"
    "click 42 117|music: indeterminate"
    "click 42 117|music: unchecked"
    "key space|music: checked"
    "click 112 169|fruit: selection Banana"
    "key Down|fruit: selection Cherry"
    "key End|fruit: selection Grape"
    "key Home|fruit: selection apple"
    "type d|fruit: selection date"
    "dclick 72 169|fruit: selection Banana;fruit: double click Banana"
    "wheel 72 169 down|"
    "click 72 149|fruit: selection date"
    "click 262 89|"
    "click 262 114|colour: selection Red"
    "key Down|colour: selection Green"
    "key alt+Down|"
    "key Down|colour: selection Green"
    "key Return|"
    "click 242 121|"
    "type Tor|city: edit T;city: edit To;city: edit Tor"
    "key alt+Down|"
    "key Down|city: selection Roma"
    "key Return|"
    "click 143 50|tabs: page Numbers"
    "click 194 113|volume: value 10;volume: end 10;volume: end 10"
    "key Right|volume: value 11;volume: end 11"
    "key Next|volume: value 21;volume: end 21"
    "key Home|volume: value 0;volume: end 0"
    "drag 41 113 264 113|volume: value 100;volume: end 100;volume: end 100"
    "click 172 147|count: step to 4;count: value 4"
    "click 172 159|count: step to 3;count: value 3"
    "click 124 153|"
    "key End shift+Home|"
    "type 7x|count: value 7"
    "key Up|count: step to 8;count: value 8"
    "key Up|count: step to 9 refused"
    "click 278 98|lights: checked"
    "click 298 131|rooms: selection Kitchen"
    "shiftclick 298 171|rooms: selection Kitchen Hall Attic"
    "ctrlclick 298 151|rooms: selection Kitchen Attic"
    "click 233 50|tabs: page Dates"
    "click 54 89|"
    "key Up|day: changed 2024-02-28"
    "key Up|day: changed 2024-02-29"
    "key Up|day: changed 2024-02-01"
    "click 138 89|day: drop down"
    "click 206 148|day: changed 2024-02-02;day: close up"
    "click 459 89|calendar: selection 2024-03-27"
    "click 428 126|calendar: selection 2024-03-01;calendar: chosen 2024-03-01"
    "click 95 11|toolbar: back to the 27th"
    "click 54 89|"
    "key ctrl+shift+Tab|tabs: page Numbers"
    "key ctrl+Tab|tabs: page Dates"
    "click 544 355|done: click;close"
)

# perform_step <left> <top> <action...>: the action, on the form whose client area starts at
# (left, top) on the screen.
perform_step() {
    local left=$1 top=$2 kind=$3
    shift 3
    case $kind in
    click) xdotool mousemove $((left + $1)) $((top + $2)) click 1 ;;
    dclick) xdotool mousemove $((left + $1)) $((top + $2)) click --repeat 2 --delay 80 1 ;;
    shiftclick) xdotool mousemove $((left + $1)) $((top + $2)) keydown shift click 1 keyup shift ;;
    ctrlclick) xdotool mousemove $((left + $1)) $((top + $2)) keydown ctrl click 1 keyup ctrl ;;
    drag)
        xdotool mousemove $((left + $1)) $((top + $2)) mousedown 1 sleep 0.1 \
            mousemove $((left + $3)) $((top + $4)) sleep 0.1 mouseup 1 ;;
    wheel) xdotool mousemove $((left + $1)) $((top + $2)) click "$([ "$3" = up ] && echo 4 || echo 5)" ;;
    key) xdotool key --delay 60 "$@" ;;
    type) xdotool type --delay 60 "$*" ;;
    *) echo "unknown action: $kind" >&2; return 1 ;;
    esac
}
