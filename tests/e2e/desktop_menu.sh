#!/usr/bin/env bash
# The program's own menu on the real program: started in a window
# (ZAFIREL_WINDOWED) on a 1280x1024 screen it is a 1024x768 window at scale 1;
# F11 makes it full screen at the scale that fills it (1.25), a right click and the menu's "Full screen" entry
# make it a window again, F11 goes back; the main menu stays on show
# throughout. Checked with xwininfo and screenshots.
# Usage: desktop_menu.sh ZAFIREL_EXECUTABLE DISC_FOLDER
# With ZAFIREL_E2E_SHOTS=folder the screenshots of the menu, the preferences
# and the keys window are kept there.
EXE=$1 DISC=$2
SCREEN=1280x1024
export ZAFIREL_WINDOWED=1
source "$(dirname "$0")/common.sh"

hub=""
geometry() {
  [ -n "$hub" ] || hub=$(xdotool search --pid "$app" --name '^ZAFIREL$' | head -n1)
  xwininfo -id "$hub" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d\n", w, h, x, y}'
}
keep() { [ -n "${ZAFIREL_E2E_SHOTS:-}" ] && convert "$shot" "$ZAFIREL_E2E_SHOTS/$1.png" || true; }
# The colour of one pixel of the last screenshot.
pixel() { convert "$shot" -format "%[pixel:p{$1,$2}]" info:; }
# The main menu at scale S, its display's corner at X,Y of the screen.
menu_at() { scale=$1 offx=$2 offy=$3; wait_for_menu; }
expect_window() {
  local g; g=$(geometry)
  [ "$g" = "1024x768+0+0" ] || fail "$1: the hub is $g, not a 1024x768 window at 0,0"
  menu_at 1 0 0
}
expect_full() {
  local g; g=$(geometry)
  [ "$g" = "1280x1024+0+0" ] || fail "$1: the hub is $g, not the whole screen"
  menu_at 1.25 0 32
  [ "$(pixel 600 10)" = "srgb(0,0,0)" ] || fail "$1: no black above the display"
  [ "$(pixel 600 1015)" = "srgb(0,0,0)" ] || fail "$1: no black below the display"
}

expect_window "started with ZAFIREL_WINDOWED=1"
keep window
xdotool key F11
sleep 1
expect_full "after F11"

# Right click, the program's menu, its first entry: Full screen (ticked).
xdotool mousemove 600 500 click 3
sleep 0.7
shoot
keep menu
xdotool key Down Return
sleep 1
expect_window "after the menu's Full screen entry"
xdotool key F11
sleep 1
expect_full "after F11 again"
tr -d '\r' <"$work/config/zafirel/zafirel.conf" | grep -qx 'windowed=false' ||
  fail "the choice was not kept: $(cat "$work/config/zafirel/zafirel.conf")"

if [ -n "${ZAFIREL_E2E_SHOTS:-}" ]; then
  xdotool key F1; sleep 1; shoot; keep keys; xdotool key Escape; sleep 0.5
  xdotool key ctrl+comma; sleep 1; shoot; keep preferences; xdotool key Escape; sleep 0.5
fi
quit_with_keys
echo "window and full screen switched; Ctrl+Q ended the program in $quit_ms ms"
