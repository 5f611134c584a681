#!/usr/bin/env bash
# The game played end to end with real X input under a virtual display, checked by what its
# window shows: regions of screenshots are compared with the shipped pictures, or their pixels
# of one colour counted. Never a golden picture of the whole screen: the field is random.
#
#   play         the title screen with its blinking prompt; G starts level 1 with the ship, the
#                status line and the field where they belong; Space fires, Left moves the ship,
#                P pauses and resumes, N shows the level picture and then level 2; the Opzioni
#                menu flips the joystick's check mark; File / Esci ends the program with 0.
#   leaderboard  with no leaderboard yet: three times, the ship is steered under the asteroid
#                nearest to it, found in a screenshot, and flown up into it, so the three
#                lives go in seconds whatever the field holds; the name typed in the
#                Classifica window is the file's one line, a key goes back to the title, which now shows the line; the frame's
#                close button ends the program with 0.
#   desktop      two games to their end with the fire key held: the Classifica window is the
#                window manager's active window, transient for the game, with no minimize or
#                maximize; the held key typed nothing, one click on OK records the name typed;
#                Alt+F4 at the second one closes only it and the game is recorded.
#   start        from a folder without the pictures: the "Errore" box, Enter, exit code 1; and
#                with no display at all, one line on stderr and exit code 2.
#
# Screenshots are kept in the screenshot folder as game-*.png (game-failure-<run>.png when a
# step fails).
#
# Usage: game_e2e.sh <game program> <picture folder> <screenshot folder> <play|leaderboard|desktop|start>
set -uo pipefail
# Absolute: the game runs from working folders of its own.
PROGRAM=$(readlink -f "$1")
IMAGES=$(readlink -f "$2")
SHOTS=$3
RUN=$4
HERE=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
FAILURE_SHOT=game-failure-$RUN.png
GAME_PID=""
# shellcheck source=../../support/x_session.sh
source "$HERE/../../support/x_session.sh"
trap 'stop_pid "$GAME_PID"; end_x_session; rm -rf "$WORK"' EXIT
trap 'exit 1' INT TERM HUP  # a signal ends the script through the EXIT trap too

# In the sanitizer build: what system libraries leak is theirs to fix, not this test's to report.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$HERE/../../support/lsan.supp:print_suppressions=0"

MISSING=$( (missing_tools; for tool in convert compare identify; do command -v "$tool" >/dev/null || echo "$tool"; done) | tr '\n' ' ')
if [ -n "$MISSING" ]; then
    echo "SKIP: not installed: $MISSING(./test.sh installs them)"
    exit 77
fi

TITLE="Astrovex Sparatutto spaziale arcade: abbatti gli UFO!"
FIELD_HEIGHT=600
# Where the ship starts: centred on the bottom edge of the field.
SHIP=(368 485)
SHIP_MIDDLE=$((SHIP[0] + 32))
SHIP_SIZE=64x115

# ---- The game's process ----

# start_game <working folder> <data folder>: the game runs from the folder, its leaderboard
# under the data folder, which exists as a user's does: the game makes only its own folders in it.
start_game() {
    mkdir -p "$2" || fail "cannot make the data folder $2"
    (cd "$1" && XDG_DATA_HOME="$2" SDL_AUDIODRIVER=dummy exec "$PROGRAM") >"$WORK/game.out" 2>"$WORK/game.err" &
    GAME_PID=$!
}

game_running() { ! process_gone "$GAME_PID"; }

# Waits for the game to end by itself and sets EXIT_CODE.
wait_for_game_exit() {
    poll_until 10 process_gone "$GAME_PID" || fail "the game did not end; $(game_errors)"
    EXIT_CODE=0
    wait "$GAME_PID" || EXIT_CODE=$?
    GAME_PID=""
}
# The end of what the game wrote on stderr, for a failure's message.
game_errors() { echo "its errors: $(tail -n 20 "$WORK/game.err")"; }

# The game's main window: WINDOW, and CLIENT_TOP, where its 800 by 600 field starts below the
# menu bar inside it.
# The window shows as soon as it is made and takes its final size, an 800x600 field below the
# menu bar, a moment later: wait for that.
find_game_window() {
    WINDOW=$(window_named "$TITLE")
    [ -n "$WINDOW" ] || fail "the game window did not appear; $(game_errors)"
    poll_until 10 game_window_fits_the_field ||
        fail "the game window is $(xwininfo -id "$WINDOW" | grep -E 'Width|Height' | tr -s ' \n' ' '): no room for an 800x600 field below a menu bar"
    CLIENT_TOP=$(($(xwininfo -id "$WINDOW" | awk '/Height:/ {print $NF}') - FIELD_HEIGHT))
}
game_window_fits_the_field() {
    local width height
    width=$(xwininfo -id "$WINDOW" | awk '/Width:/ {print $NF}')
    height=$(xwininfo -id "$WINDOW" | awk '/Height:/ {print $NF}')
    [ "$width" -eq 800 ] && [ "$height" -gt "$FIELD_HEIGHT" ]
}

# How many of the game's windows are visible: a drop-down menu or the name form adds one.
game_windows() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | wc -l; }
has_game_windows() { [ "$(game_windows)" -eq "$1" ]; }
# The game's visible window that is not the main one.
other_game_window() { xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | grep -vx "$WINDOW" | head -n 1; }

# ---- Pictures ----

# grab <name>: the game window as it is now, in $WORK/<name>.png.
grab() { import -window "$WINDOW" "$WORK/$1.png" 2>"$WORK/import.err" || fail "cannot take a screenshot: $(cat "$WORK/import.err")"; }
# keep <name> [<artefact name>]: the last picture of that name becomes an artefact.
keep() {
    local kept=$SHOTS/game-${2:-$1}.png
    cp "$WORK/$1.png" "$kept" || fail "cannot keep the screenshot $1"
    echo "screenshot: $kept"
}
# A whole-screen picture, kept at once: for windows of the game other than the main one.
shoot_screen() {
    import -window root "$SHOTS/game-$1.png" || fail "cannot take the screenshot $1"
    echo "screenshot: $SHOTS/game-$1.png"
}

# field <x> <y> <width> <height>: the geometry of that block of the field in a window
# screenshot; picture <x> <y> <width> <height>: the same block in a picture file.
field() { echo "$3x$4+$1+$(($2 + CLIENT_TOP))"; }
picture() { echo "$3x$4+$1+$2"; }

# count_differing <image> <geometry> <image> <geometry>: sets DIFFERING to how many pixels of the
# two blocks differ.
count_differing() {
    DIFFERING=$(compare -metric AE "$1[$2]" "$3[$4]" null: 2>&1)
    [[ $DIFFERING =~ ^[0-9]+$ ]] || fail "cannot compare $1[$2] with $3[$4]: $DIFFERING"
}
same_block() { count_differing "$@" && [ "$DIFFERING" -eq 0 ]; }

# count_colour <image> <geometry> <colour> [<fuzz>]: sets COUNT to how many pixels of the block
# have that colour (not black), exactly or within the fuzz distance (for example 30%).
count_colour() {
    COUNT=$(convert "$1[$2]" -alpha off -fuzz "${4:-0}" -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:int(mean*w*h+0.5)]' info: 2>&1)
    [[ $COUNT =~ ^[0-9]+$ ]] || fail "cannot count the $3 pixels of $1[$2]: $COUNT"
}

# count_plus_signs <image> <geometry>: sets COUNT to how many white 3 by 3 plus signs with black
# corners the block holds: the ship's bullet, a shape no picture of the game has.
count_plus_signs() {
    COUNT=$(convert "$1[$2]" -alpha off -fill black +opaque white \
        -morphology HitAndMiss '3x3: 0,1,0 1,1,1 0,1,0' -format '%[fx:int(mean*w*h+0.5)]' info: 2>&1)
    [[ $COUNT =~ ^[0-9]+$ ]] || fail "cannot look for plus signs in $1[$2]: $COUNT"
}

# ship_over_field <x> <y> <file>: the ship as the game draws it there on an empty field, its
# black pixels letting the field show through.
ship_over_field() {
    convert "$IMAGES/blank.bmp" -crop "$SHIP_SIZE+$1+$2" +repage \( "$IMAGES/player.bmp" -transparent black \) \
        -composite "$3" || fail "cannot draw the expected ship"
}

# ---- Keys and the mouse ----

focus_game() { xdotool windowactivate --sync "$WINDOW" >/dev/null 2>&1 || fail "cannot focus the game window"; }

# hold <key> / release <key>: the game reads held keys once a frame, so a tap could fall between
# two frames; holding a key lets at least one frame see it.
hold() { xdotool keydown "$1"; }
release() { xdotool keyup "$1"; }

# open_menu <Alt key>: opens a menu of the bar from the keyboard and waits for its drop-down.
open_menu() {
    local before
    before=$(game_windows)
    xdotool key "alt+$1"
    poll_until 10 has_game_windows $((before + 1)) || fail "Alt+$1 opened no drop-down"
    DROP_DOWN=$(other_game_window)
}

# ---- Waiting for what the window shows ----

# Each takes a new screenshot; a poll repeats them until they hold.

title_shown() { grab title && same_block "$WORK/title.png" "$(field 0 30 800 210)" "$IMAGES/logo.bmp" "$(picture 0 30 800 210)"; }
# The prompt's text in one colour over its blue bar.
prompt_in() {
    grab "prompt-$1" || return 1
    # The text's anti-aliased edges count too: a thin face has few pixels of the pure colour.
    count_colour "$WORK/prompt-$1.png" "$(field 480 570 320 20)" "$2" 35%
    [ "$COUNT" -ge 50 ] || return 1
    count_colour "$WORK/prompt-$1.png" "$(field 480 570 320 20)" "rgb(0,0,255)"
    [ "$COUNT" -ge 4000 ]
}
# The top 20 rows of the field: a white bar, which holds a leaderboard line.
leaderboard_line_shown() {
    grab title-leaderboard || return 1
    same_block "$WORK/title-leaderboard.png" "$(field 0 30 800 210)" "$IMAGES/logo.bmp" "$(picture 0 30 800 210)" || return 1
    count_colour "$WORK/title-leaderboard.png" "$(field 0 0 800 20)" white
    [ "$COUNT" -ge 8000 ]
}
# The status line's texts: white pixels in its left, middle and right parts.
status_line_shown() {
    local part
    for part in 0 300 600; do
        count_colour "$1" "$(field "$part" 0 200 20)" white 35%
        [ "$COUNT" -ge 20 ] || return 1
    done
}
# Level 1 as it starts: the ship at its place, the status line, the lower left of the field
# empty (the asteroids start at the top, the UFOs in the upper third).
level_started() {
    grab level1 || return 1
    same_block "$WORK/level1.png" "$(field "${SHIP[@]}" 64 115)" "$WORK/ship-at-start.png" "$SHIP_SIZE+0+0" || return 1
    status_line_shown "$WORK/level1.png" || return 1
    same_block "$WORK/level1.png" "$(field 0 350 300 250)" "$IMAGES/blank.bmp" "$(picture 0 350 300 250)"
}
# A bullet in the column above the middle of the ship's top edge, below the status line.
bullet_above_ship() {
    grab fired || return 1
    local column
    column=$(field $((SHIP[0] + 32 - 5)) 21 13 $((SHIP[1] - 21)))
    count_plus_signs "$WORK/fired.png" "$column"
    [ "$COUNT" -gt "$PLUS_SIGNS_OF_FIELD" ]
}
ship_left_its_place() {
    grab moving || return 1
    ! same_block "$WORK/moving.png" "$(field "${SHIP[@]}" 64 115)" "$WORK/ship-at-start.png" "$SHIP_SIZE+0+0"
}
# ship_found_left_of_start <screenshot>: sets SHIP_X to where the ship is on its starting row,
# left of its start, whole and on an empty field; false when it is nowhere there.
ship_found_left_of_start() {
    for ((SHIP_X = SHIP[0] - 2; SHIP_X >= 0; SHIP_X -= 2)); do
        ship_over_field "$SHIP_X" "${SHIP[1]}" "$WORK/ship-moved.png"
        same_block "$1" "$(field "$SHIP_X" "${SHIP[1]}" 64 115)" "$WORK/ship-moved.png" "$SHIP_SIZE+0+0" && return 0
    done
    return 1
}
# Still level 1 and in play, not behind a picture: the status line's right part as it started.
level1_status() { same_block "$1" "$(field 600 0 200 20)" "$WORK/level1.png" "$(field 600 0 200 20)"; }
# two_shots_300ms_apart <name>: sets DIFFERING to how many pixels of the field changed between
# them.
two_shots_300ms_apart() {
    grab "$1-a" || return 1
    sleep 0.3
    grab "$1-b" || return 1
    count_differing "$WORK/$1-a.png" "$(field 0 0 800 600)" "$WORK/$1-b.png" "$(field 0 0 800 600)"
}
frozen() { two_shots_300ms_apart paused && [ "$DIFFERING" -eq 0 ] && level1_status "$WORK/paused-a.png"; }
moving_again() { two_shots_300ms_apart resumed && [ "$DIFFERING" -gt 0 ] && level1_status "$WORK/resumed-b.png"; }
# The level picture covers the whole field (the top-left corner holds the game's own markers).
level_picture_shown() {
    grab level-picture && same_block "$WORK/level-picture.png" "$(field 0 1 800 599)" "$IMAGES/livello.bmp" "$(picture 0 1 800 599)"
}
replay_picture_shown() {
    grab replay && same_block "$WORK/replay.png" "$(field 0 1 800 599)" "$IMAGES/replay.bmp" "$(picture 0 1 800 599)"
}
# Level 2 is played: the status line is back and its right part ("Level: 2") is not level 1's.
level2_started() {
    grab level2 || return 1
    status_line_shown "$WORK/level2.png" && ! level1_status "$WORK/level2.png"
}
name_form_open() { xdotool search --onlyvisible --name '^Classifica$' >/dev/null 2>&1; }
name_form_gone() { ! name_form_open; }

# ---- Steering the ship into an asteroid ----

# differing_runs <image> <x> <y> <width> <height>: the runs of columns of that block of the
# field in which the screenshot differs from the empty field, one "first last" line each, left
# to right, in field coordinates.
differing_runs() {
    convert "$1[$(field "$2" "$3" "$4" "$5")]" +repage "$IMAGES/blank.bmp[$(picture "$2" "$3" "$4" "$5")]" +repage \
        -compose difference -composite -colorspace gray -threshold 0 -scale "${4}x1!" -threshold 0 -depth 8 txt:- |
        awk -F'[,:]' -v left="$2" '
            /^#/ { next }
            /#FFFFFF/ { if (first == "") first = $1; last = $1; next }
            first != "" { print first + left, last + left; first = "" }
            END { if (first != "") print first + left, last + left }'
}

# nearest_asteroid_centre <screenshot>: sets TARGET to the middle column of the object above the
# ship's starting row nearest to the ship's middle; false when there is none. A run that starts
# within a UFO's width of the left edge is left out: it may be a UFO coming in.
nearest_asteroid_centre() {
    local first last centre best=""
    while read -r first last; do
        [ "$first" -ge 40 ] || continue
        centre=$(((first + last) / 2))
        if [ -z "$best" ] || [ $(((centre - SHIP_MIDDLE) ** 2)) -lt $(((best - SHIP_MIDDLE) ** 2)) ]; then best=$centre; fi
    done < <(differing_runs "$1" 0 20 800 $((SHIP[1] - 20)))
    [ -n "$best" ] && TARGET=$best
}

# ship_centre: sets SHIP_CENTRE to the ship's middle column on its starting row, from a new
# screenshot; false when the rows there do not hold the ship alone (it was hit, or something
# passes by).
ship_centre() {
    grab aiming || return 1
    local runs first last
    runs=$(differing_runs "$WORK/aiming.png" 0 "${SHIP[1]}" 800 $((FIELD_HEIGHT - SHIP[1])))
    [ "$(wc -l <<<"$runs")" -eq 1 ] || return 1
    read -r first last <<<"$runs"
    [ $((last - first)) -lt 64 ] || return 1
    SHIP_CENTRE=$(((first + last) / 2))
}

# ship_reached <direction> <column>: the ship's middle is 24 pixels short of the column or
# beyond it that way: a screenshot shows where the ship was some frames ago, and the key comes
# up after it; or the ship is no longer to be seen alone, and moving it on would do no good.
ship_reached() {
    ship_centre || return 0
    if [ "$1" = Right ]; then [ "$SHIP_CENTRE" -ge $(($2 - 24)) ]; else [ "$SHIP_CENTRE" -le $(($2 + 24)) ]; fi
}

# steer_under <column>: moves the ship along its row until its middle is within 24 pixels of
# the column, inside the 34 at which the ship and an asteroid there touch; a few tries, as a
# busy machine may let it overshoot.
steer_under() {
    local direction
    for _ in 1 2 3; do
        ship_centre || return 0
        [ $((($1 - SHIP_CENTRE) ** 2)) -gt 576 ] || return 0
        direction=Right
        [ "$1" -lt "$SHIP_CENTRE" ] && direction=Left
        hold "$direction"
        poll_until 10 ship_reached "$direction" "$1"
        release "$direction"
    done
}

# The part of the status line that says how many lives are left.
lives_part() { field 300 0 200 20; }

# level_back: the level plays again after a life lost, with a life less: the status line is
# there, no longer the one the last life started with, and no picture covers the field. The ship
# may have left its place already, when the replay picture went by between two screenshots.
level_back() {
    grab level || return 1
    status_line_shown "$WORK/level.png" || return 1
    ! same_block "$WORK/level.png" "$(lives_part)" "$WORK/level1.png" "$(lives_part)" || return 1
    ! same_block "$WORK/level.png" "$(field 0 1 800 599)" "$IMAGES/replay.bmp" "$(picture 0 1 800 599)" || return 1
    mv "$WORK/level.png" "$WORK/level1.png"
}

# life_lost: the replay picture is up (kept as replay.png the first time), or the Classifica
# window, or the level plays again with a life less: a screenshot may miss the replay picture
# on a busy machine, the count of lives stays.
life_lost() {
    name_form_open && return 0
    grab life || return 1
    if same_block "$WORK/life.png" "$(field 0 1 800 599)" "$IMAGES/replay.bmp" "$(picture 0 1 800 599)"; then
        [ -n "$REPLAY_SEEN" ] || { cp "$WORK/life.png" "$WORK/replay.png" && keep replay; }
        REPLAY_SEEN=yes
        return 0
    fi
    ! same_block "$WORK/life.png" "$(lives_part)" "$WORK/level1.png" "$(lives_part)" && status_line_shown "$WORK/life.png"
}

# lose_a_life: with a level in play (its screenshot in level1.png), the ship moves along its row
# until it stands under the asteroid nearest to it, then flies up into it: an asteroid falls
# straight down, so the ship meets it within seconds whatever the field holds. A ship that is
# not on its row any more just flies up, and at the top runs into a UFO sooner or later.
lose_a_life() {
    nearest_asteroid_centre "$WORK/level1.png" && steer_under "$TARGET"
    hold Up
    poll_until 180 life_lost || fail "the ship lost no life in 3 minutes"
    release Up
}

# lose_every_life: from the start of level 1 until the Classifica window opens, a life at a
# time; the first two show the replay picture.
lose_every_life() {
    REPLAY_SEEN=""
    poll_until 10 level_started || fail "G did not start level 1 with the ship at ${SHIP[*]}, the status line and an empty field below"
    local life
    for life in 1 2 3; do
        lose_a_life
        [ "$life" -eq 3 ] || name_form_open || poll_until 10 level_back ||
            fail "the level did not play again with a life less after life $life was lost"
    done
    poll_until 10 name_form_open || fail "the Classifica window did not open after three lives lost"
    [ -n "$REPLAY_SEEN" ] || fail "no life lost showed replay.bmp over the field"
    echo "ok: a life lost shows the replay picture"
}

# ---- The runs ----

# play_folder <name>: a working folder of its own beside the game's pictures.
play_folder() {
    mkdir -p "$WORK/$1" && ln -s "$IMAGES" "$WORK/$1/images_games" || fail "cannot make the working folder $1"
}

check_title_screen() {
    poll_until 10 title_shown || fail "the title screen never showed logo.bmp (first 800x210 below row 30 differ by $DIFFERING pixels)"
    keep title
    # The notice line is yellow text over the logo, which has next to no yellow there; the
    # text's anti-aliased edges count too, as a thin face has more of them than of pure yellow.
    local logo_yellow
    count_colour "$IMAGES/logo.bmp" "$(picture 210 245 400 30)" "rgb(255,255,0)" 35%
    logo_yellow=$COUNT
    count_colour "$WORK/title.png" "$(field 210 245 400 30)" "rgb(255,255,0)" 35%
    [ "$COUNT" -ge $((logo_yellow + 50)) ] || fail "the notice line is not yellow: $COUNT yellow pixels, the logo has $logo_yellow"
    poll_until 5 prompt_in red "rgb(255,0,0)" || fail "the prompt never showed red text on its blue bar"
    keep prompt-red
    poll_until 5 prompt_in white white || fail "the prompt never turned white on its blue bar"
    keep prompt-white
    echo "ok: the title screen, its notice line and the blinking prompt"
}

play_level_1() {
    ship_over_field "${SHIP[@]}" "$WORK/ship-at-start.png"
    focus_game
    xdotool type g
    poll_until 10 level_started || fail "G did not start level 1 with the ship at ${SHIP[*]}, the status line and an empty field below"
    keep level1
    echo "ok: level 1 started"

    # Firing first, while the ship is still where it started.
    count_plus_signs "$IMAGES/blank.bmp" "$(picture $((SHIP[0] + 32 - 5)) 21 13 $((SHIP[1] - 21)))"
    PLUS_SIGNS_OF_FIELD=$COUNT
    hold space
    poll_until 10 bullet_above_ship || fail "Space fired no bullet above the ship"
    release space
    keep fired
    echo "ok: Space fires"

    hold Left
    poll_until 5 ship_left_its_place || fail "holding Left did not move the ship"
    release Left
    # A frame or two for the last step of the move.
    sleep 0.1
    grab moved
    keep moved
    level1_status "$WORK/moved.png" || fail "the ship moved but the status line changed: a life lost?"
    ship_found_left_of_start "$WORK/moved.png" || fail "the ship is not on its row left of where it started"
    echo "ok: Left moves the ship (by $((SHIP[0] - SHIP_X)) pixels)"

    xdotool type p
    poll_until 5 frozen || fail "P did not pause the game: $DIFFERING pixels changed in 300 ms"
    keep paused-a
    keep paused-b
    xdotool type p
    poll_until 5 moving_again || fail "P did not resume the game"
    keep resumed-b
    echo "ok: P pauses and resumes"

    xdotool type n
    poll_until 3 level_picture_shown || fail "N did not show livello.bmp over the field (it differs by $DIFFERING pixels)"
    keep level-picture
    poll_until 5 level2_started || fail "level 2 did not start after the level picture"
    keep level2
    echo "ok: N shows the level picture, then level 2"
}

# The joystick item's check mark, seen on its drop-down: set once, cleared again.
toggle_joystick() {
    # Paused, the ship cannot be hit meanwhile and end the game.
    xdotool type p
    poll_until 5 paused_in_level2 || fail "P did not pause level 2"
    open_menu o
    import -window "$DROP_DOWN" "$WORK/menu-unchecked.png" || fail "cannot take a screenshot of the Opzioni menu"
    keep menu-unchecked
    xdotool key a
    poll_until 5 has_game_windows 1 || fail "A did not close the Opzioni menu"
    open_menu o
    import -window "$DROP_DOWN" "$WORK/menu-checked.png" || fail "cannot take a screenshot of the Opzioni menu"
    keep menu-checked
    # Only the mark changes, left of the item's text.
    local width height
    width=$(identify -format %w "$WORK/menu-checked.png")
    height=$(identify -format %h "$WORK/menu-checked.png")
    same_block "$WORK/menu-unchecked.png" "$((width - 30))x$height+30+0" "$WORK/menu-checked.png" "$((width - 30))x$height+30+0" ||
        fail "the Opzioni menu changed beyond its check mark ($DIFFERING pixels)"
    count_differing "$WORK/menu-unchecked.png" "30x$height+0+0" "$WORK/menu-checked.png" "30x$height+0+0"
    [ "$DIFFERING" -gt 0 ] || fail "Abilita Joystick shows no check mark after A"
    xdotool key a
    poll_until 5 has_game_windows 1 || fail "A did not close the Opzioni menu"
    open_menu o
    import -window "$DROP_DOWN" "$WORK/menu-unchecked-again.png" || fail "cannot take a screenshot of the Opzioni menu"
    keep menu-unchecked-again
    same_block "$WORK/menu-unchecked.png" "${width}x$height+0+0" "$WORK/menu-unchecked-again.png" "${width}x$height+0+0" ||
        fail "a second A did not clear the check mark ($DIFFERING pixels differ from before)"
    xdotool key Escape
    poll_until 5 has_game_windows 1 || fail "Escape did not close the Opzioni menu"
    echo "ok: Opzioni / Abilita Joystick sets and clears its check mark"
}
paused_in_level2() { two_shots_300ms_apart paused2 && [ "$DIFFERING" -eq 0 ] && status_line_shown "$WORK/paused2-a.png"; }

exit_from_menu() {
    open_menu f
    xdotool key e
    wait_for_game_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "File / Esci ended the game with exit code $EXIT_CODE; $(game_errors)"
    echo "ok: File / Esci ends the game with 0"
}

run_play() {
    play_folder play
    start_game "$WORK/play" "$WORK/play-data"
    find_game_window
    check_title_screen
    play_level_1
    toggle_joystick
    exit_from_menu
}

run_leaderboard() {
    play_folder leaderboard
    local data=$WORK/leaderboard-data
    start_game "$WORK/leaderboard" "$data"
    find_game_window
    poll_until 10 title_shown || fail "the title screen did not appear"
    # With no leaderboard the first blink leaves the logo's top rows as they are.
    poll_until 5 prompt_in red "rgb(255,0,0)" || fail "the prompt never blinked red"
    same_block "$WORK/prompt-red.png" "$(field 3 0 797 20)" "$IMAGES/logo.bmp" "$(picture 3 0 797 20)" ||
        fail "with no leaderboard the top rows of the title are not the logo's ($DIFFERING pixels differ)"
    keep prompt-red title-no-leaderboard
    echo "ok: no leaderboard line on the title with no leaderboard"

    ship_over_field "${SHIP[@]}" "$WORK/ship-at-start.png"
    focus_game
    xdotool type g
    local started=$SECONDS
    lose_every_life
    echo "ok: three lives lost in $((SECONDS - started)) s"
    local form
    form=$(window_named Classifica)
    [ "$(xwininfo -id "$form" | awk '/Width:/ {print $NF}')x$(xwininfo -id "$form" | awk '/Height:/ {print $NF}')" = 244x128 ] ||
        fail "the Classifica window's client area is not 244x128 (a 250x150 tool window): $(xwininfo -id "$form" | grep -E 'Width|Height' | tr -s ' \n' ' ')"
    grab game-over
    same_block "$WORK/game-over.png" "$(field 0 30 800 150)" "$IMAGES/gameover.bmp" "$(picture 0 30 800 150)" ||
        fail "gameover.bmp is not shown behind the Classifica window ($DIFFERING pixels differ)"
    shoot_screen name-form
    echo "ok: the third life lost shows gameover.bmp and the Classifica window"

    # The window has the focus in its name field: the name is typed straight away.
    xdotool type --delay 30 mario
    xdotool key Return
    poll_until 10 name_form_gone || fail "Enter did not close the Classifica window"
    local file=$data/Astrovex/Score/Classifica.txt
    expect_one_line "$file" '00000000 MARIO        Level 1' "the leaderboard file is not one line for MARIO"
    echo "ok: the name is on the leaderboard"

    back_to_title
    poll_until 10 leaderboard_line_shown || fail "the title screen shows no leaderboard line (a white bar in its top rows)"
    keep title-leaderboard
    echo "ok: a key goes back to the title, which shows the leaderboard line"

    click_close_button "$WINDOW"
    wait_for_game_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "closed with the close button, the game ended with exit code $EXIT_CODE; $(game_errors)"
    echo "ok: the close button ends the game with 0"
}

# expect_one_line <file> <line> <failure>: the leaderboard file appears and holds just that line.
expect_one_line() {
    poll_until 5 test -s "$1" || fail "no leaderboard file at $1; $(game_errors)"
    cmp -s "$1" <(printf '%s\r\n' "$2") || fail "$3: $(od -c "$1" | head -n 5)"
}

back_to_title() {
    focus_game
    xdotool type x
    poll_until 10 title_shown || fail "a key after the game over did not bring back the title screen"
}

# play_to_game_over: from the title, a game whose ship is held at the top with the fire key
# down until the Classifica window opens; the keys stay down through the last hit.
play_to_game_over() {
    focus_game
    xdotool type g
    hold Up
    hold space
    poll_until 180 name_form_open || fail "the Classifica window did not open within 3 minutes"
    release Up
    release space
    FORM=$(window_named Classifica)
    [ -n "$FORM" ] || fail "the Classifica window is not visible"
}

# The window manager's view of the name form: the window it shows as active, whom the form
# belongs to, and which of the frame's buttons it has.
check_form_on_the_desktop() {
    local active transient allowed
    poll_until 5 form_is_desktops_active_window ||
        fail "the desktop's active window is $(xprop -root _NET_ACTIVE_WINDOW), not the Classifica window ($FORM)"
    transient=$(xprop -id "$FORM" WM_TRANSIENT_FOR | awk '{print $NF}')
    [ "$((transient))" -eq "$((WINDOW))" ] || fail "the Classifica window is transient for '$transient', not the game's window"
    allowed=$(xprop -id "$FORM" _NET_WM_ALLOWED_ACTIONS)
    case $allowed in
    *MINIMIZE* | *MAXIMIZE* | *RESIZE*) fail "the Classifica window may be minimized, maximized or resized: $allowed" ;;
    esac
    xprop -id "$FORM" _MOTIF_WM_HINTS | grep -q '= 0x3, 0x24,' ||
        fail "the Classifica window's Motif hints allow more than moving and closing: $(xprop -id "$FORM" _MOTIF_WM_HINTS)"
    echo "ok: the Classifica window is the desktop's active window, transient for the game, with no minimize or maximize"
}
form_is_desktops_active_window() {
    local active
    active=$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')
    [ "$((active))" -eq "$((FORM))" ]
}

# Two games to their end on a real desktop: the name form is the active window there; typed
# keys reach it and the fire key held through the last hit typed nothing; one click on OK
# records the name; in the second game Alt+F4 closes only the form and the score is recorded
# under that name all the same.
run_desktop() {
    play_folder desktop
    local data=$WORK/desktop-data
    local file=$data/Astrovex/Score/Classifica.txt
    start_game "$WORK/desktop" "$data"
    find_game_window
    poll_until 10 title_shown || fail "the title screen did not appear"

    play_to_game_over
    check_form_on_the_desktop
    xdotool type --delay 30 ab
    local width height
    width=$(xwininfo -id "$FORM" | awk '/Width:/ {print $NF}')
    height=$(xwininfo -id "$FORM" | awk '/Height:/ {print $NF}')
    # The OK button sits right of the middle of the second row (35 to 60 pixels down).
    click "$FORM" $((width / 2 + 40)) 47
    poll_until 10 name_form_gone || fail "one click on OK did not close the Classifica window"
    expect_one_line "$file" '00000000 AB           Level 1' \
        "the leaderboard is not one line for AB (the held fire key must type nothing)"
    echo "ok: one click on OK records the name typed, and the held fire key typed nothing"

    back_to_title
    play_to_game_over
    poll_until 5 form_is_desktops_active_window || fail "the second Classifica window is not the desktop's active window"
    xdotool key alt+F4
    poll_until 10 name_form_gone || fail "Alt+F4 did not close the Classifica window"
    game_running || fail "Alt+F4 at the Classifica window ended the game; $(game_errors)"
    poll_until 5 eval '[ "$(wc -l <"$file")" -eq 2 ]' || fail "the second game was not recorded: $(od -c "$file" | head -n 5)"
    echo "ok: Alt+F4 at the Classifica window closes only it, and the game is recorded"

    click_close_button "$WINDOW"
    wait_for_game_exit
    [ "$EXIT_CODE" -eq 0 ] || fail "closed with the close button, the game ended with exit code $EXIT_CODE; $(game_errors)"
}

expect_no_display_message() {
    local code=0
    mkdir -p "$WORK/runtime"
    (cd "$WORK/play" && exec env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$WORK/runtime" "$PROGRAM") \
        >"$WORK/nodisplay.out" 2>"$WORK/nodisplay.err" || code=$?
    [ "$code" -eq 2 ] || fail "with no display the exit code is $code, not 2"
    [ "$(wc -l <"$WORK/nodisplay.err")" -eq 1 ] && grep -q '^astrovex: cannot open a display' "$WORK/nodisplay.err" ||
        fail "with no display stderr should be one line saying so; it was: $(cat "$WORK/nodisplay.err")"
    echo "ok: no display: $(cat "$WORK/nodisplay.err")"
}

run_start() {
    play_folder play
    expect_no_display_message
    start_x_session
    mkdir -p "$WORK/no-pictures"
    start_game "$WORK/no-pictures" "$WORK/start-data"
    local box
    box=$(window_named Errore)
    [ -n "$box" ] || fail "no Errore box appeared without the pictures; $(game_errors)"
    shoot_screen error-box
    game_running || fail "the game ended while its Errore box was up"
    xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool key Return
    wait_for_game_exit
    [ "$EXIT_CODE" -eq 1 ] || fail "without the pictures the exit code is $EXIT_CODE, not 1; $(game_errors)"
    echo "ok: without the pictures, the Errore box and exit code 1"
}

mkdir -p "$SHOTS" || fail "cannot make $SHOTS"
# A failure's picture from an earlier run would tell of a failure this one did not have.
rm -f "${SHOTS:?}/$FAILURE_SHOT"
case $RUN in
play) start_x_session && run_play ;;
leaderboard) start_x_session && run_leaderboard ;;
desktop) start_x_session && run_desktop ;;
start) run_start ;;
*) fail "unknown run '$RUN': play, leaderboard, desktop or start" ;;
esac
echo "game end to end, $RUN: passed"
