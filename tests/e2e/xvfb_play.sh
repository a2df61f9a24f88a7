#!/bin/sh
# One real game on a virtual X display, driven with xdotool as a player
# would: a click ends the intro, the Setup tab and "Sharp Pixels", Start Game,
# a key the game once dropped ends the title card, a putt with real pointer
# motion, F12 for a screenshot, Escape back to the launch window. Checks the
# game's own pictures (written on Scroll Lock in test runs), the screenshot
# and the stored settings. The launch window's controls are clicked where
# CONTROLS (a program printing the control table: name, caption, x, y) puts
# them.
#   xvfb_play.sh GAME_DIR WORK_DIR CONTROLS
# Exit 77 (skipped) only where no X server can start.
set -u
game=$1
work=$2
controls=$3
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; [ -f "$work/game.log" ] && cat "$work/game.log"; exit 1; }

command -v Xvfb >/dev/null 2>&1 || skip "Xvfb is not installed"
command -v xdotool >/dev/null 2>&1 || fail "xdotool is not installed (scripts/setup.sh installs it)"
[ -x "$game/fairglade" ] && [ -f "$game/gui.dxg" ] || fail "the game and its content are not built in $game"

rm -rf "$work"
mkdir -p "$work/shots"
"$controls" >"$work/controls.txt" || fail "no control table from $controls"
display=""
for n in $(seq 91 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
done
[ -n "$display" ] || skip "no free X display number"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
gamepid=""
trap 'kill $gamepid $xvfb 2>/dev/null' EXIT
for i in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X$display" ] || skip "no X server could start: $(cat "$work/xvfb.log")"

export DISPLAY=":$display" SDL_AUDIODRIVER=dummy FG_TEST_SHOTS="$work/shots" XDG_PICTURES_DIR="$work/pictures"
"$game/fairglade" --windowed --settings "$work/settings" >"$work/game.log" 2>&1 &
gamepid=$!
win=""
for i in $(seq 100); do
  win=$(xdotool search --name "Fairglade" 2>/dev/null | head -1)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || fail "no game window"

click() { xdotool mousemove --window "$win" "$1" "$2"; sleep 0.15; xdotool click 1; sleep 0.4; }
shot() { xdotool key Scroll_Lock; sleep 0.4; }
# The middle of a control, by name (and caption, for the tabs).
at() {
  awk -F'\t' -v n="$1" -v c="${2-}" '$1 == n && (c == "" || $2 == c) { print $3, $4; found = 1; exit }
    END { exit !found }' "$work/controls.txt"
}
press() { pos=$(at "$@") || fail "no control \"$*\" in the launch window's table"; click $pos; }

# The intro keeps the pointer parked in the window's last pixel once it
# handles input; the launch window leaves it where it is put.
parked() {
  eval "$(xdotool getwindowgeometry --shell "$win" | sed 's/^/win_/')"
  eval "$(xdotool getmouselocation --shell)"
  [ "$((X - win_X))" -eq 639 ] && [ "$((Y - win_Y))" -eq 479 ]
}
# Moves the pointer into the window until the intro has parked it twice (its
# start parks it once, its input handling again), or a number of tries.
parks=0
for i in $(seq 60); do
  xdotool mousemove --window "$win" 200 300
  sleep 0.25
  parked && parks=$((parks + 1))
  [ "$parks" -ge 2 ] && break
done
[ "$parks" -ge 2 ] || fail "the intro never parked the pointer"
xdotool click 1        # at the parked pointer: the click lands inside the window and ends the intro
for i in $(seq 40); do
  xdotool mousemove --window "$win" 200 300
  sleep 0.25
  parked || break
done
parked && fail "the click did not end the intro"
shot                   # 1: the launch window
press menutab Setup
press sharppixels
press menutab Game
press launch           # Start Game
sleep 2
shot                   # 2: the title card
xdotool key period     # a key the old key table dropped
sleep 2
shot                   # 3: play, the ball at rest in the middle of the view
xdotool mousemove --window "$win" 320 240
sleep 0.2
xdotool mousedown 1
for i in 1 2 3 4 5 6 7 8 9 10; do xdotool mousemove_relative -- 4 3; sleep 0.03; done
xdotool mouseup 1
sleep 1.5
shot                   # 4: after the putt
xdotool key F12        # the player's own screenshot
sleep 0.3
xdotool key Escape
sleep 1.5
shot                   # 5: the launch window again
kill "$gamepid" 2>/dev/null
wait "$gamepid" 2>/dev/null

for n in 1 2 3 4 5; do [ -s "$work/shots/shot$n.png" ] || fail "shot$n.png was not written"; done
# The launch window's own picture (its controls are drawn over it by the
# platform, not into it) is the same before and after a game.
cmp -s "$work/shots/shot1.png" "$work/shots/shot5.png" ||
  fail "the first and last pictures differ: the click did not end the intro, or Escape did not lead back"
cmp -s "$work/shots/shot1.png" "$work/shots/shot2.png" && fail "Start Game showed no title card"
cmp -s "$work/shots/shot2.png" "$work/shots/shot3.png" && fail "the key did not end the title card"
cmp -s "$work/shots/shot3.png" "$work/shots/shot4.png" && fail "the putt changed nothing"
ls "$work/pictures/Fairglade/"fairglade-*.png >/dev/null 2>&1 || fail "F12 saved no screenshot"
key="$work/settings/Software/Brackwater/Fairglade Beta 3"
grep -q "dword:1" "$key/RunOnce/RunOnce" 2>/dev/null || fail "Start Game stored no settings"
grep -q "dword:1" "$key/SharpPixels/SharpPixels" 2>/dev/null || fail "Sharp Pixels was not stored"
echo "PASSED"
