#!/usr/bin/env bash
# The window scales its contents while running: started in a 1024x768 window
# on a 1280x1024 screen without a window manager, the hub is resized to
# 1280x960 from outside (as a user's drag would); once the resize has settled
# the main menu fills the window at scale 1.25 and a click on a button at its
# scaled place opens its section. F11 then fills the screen at the same scale,
# centred on black, and F11 again gives back the 1280x960 window, whose size
# is kept at the end.
# Usage: window_scale.sh ZAFIREL_EXECUTABLE DISC_FOLDER
# With ZAFIREL_E2E_SHOTS=folder the screenshots are kept there.
EXE=$1 DISC=$2
SCREEN=1280x1024
export ZAFIREL_WINDOWED=1
source "$(dirname "$0")/common.sh"

hub=$(xdotool search --pid "$app" --name '^ZAFIREL$' | head -n1)
geometry() {
  xwininfo -id "$hub" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%dx%d+%d+%d\n", w, h, x, y}'
}
keep() { [ -n "${ZAFIREL_E2E_SHOTS:-}" ] && convert "$shot" "$ZAFIREL_E2E_SHOTS/$1.png" || true; }
# The part of the screen that is not black, "W H X Y", against the display
# at the current scale and place.
drawn() { convert "$shot" -bordercolor black -border 1 -fuzz 3% -trim \
  -format '%w %h %[fx:page.x-1] %[fx:page.y-1]\n' info:; }
expect_drawn() {
  local got want
  got=$(drawn) want="$(sz 1024) $(sz 768) $offx $offy"
  echo "$1: menu drawn at $got, expected $want"
  awk -v got="$got" -v want="$want" 'BEGIN {
    split(got, g, " "); split(want, e, " ")
    for (i = 1; i <= 4; i++) if (g[i] - e[i] > 2 || e[i] - g[i] > 2) exit 1 }' ||
    fail "$1: the menu does not fill its place"
}

scale=1 offx=0 offy=0
wait_for_menu
[ "$(geometry)" = "1024x768+0+0" ] || fail "the hub is $(geometry), not a 1024x768 window"
sleep 0.5 # the menu shows its buttons 200 ms after it appears
shoot
expect_drawn "at the start"
keep start

xdotool windowsize "$hub" 1280 960
scale=1.25
wait_for 1024x140+0+0 "$work/ref.png" "main menu at scale 1.25" 10
[ "$(geometry)" = "1280x960+0+0" ] || fail "the hub is $(geometry), not the 1280x960 window"
sleep 0.5
shoot
expect_drawn "after the resize"
keep resized

# F11: full screen at the fitting scale (1.25), centred on black; F11 again:
# the 1280x960 window at the same scale.
xdotool key F11
offy=32
wait_for 1024x140+0+0 "$work/ref.png" "main menu full screen" 10
[ "$(geometry)" = "1280x1024+0+0" ] || fail "full screen: the hub is $(geometry)"
sleep 0.5
shoot
expect_drawn "full screen"
keep full
xdotool key F11
offy=0
wait_for 1024x140+0+0 "$work/ref.png" "main menu in the window again" 10
[ "$(geometry)" = "1280x960+0+0" ] || fail "back in a window: the hub is $(geometry)"

# A click at button 13's scaled place opens the settings screen (800 by 600
# in the middle of the display), drawn at the same scale.
sleep 0.5
settings=$(skin_folder settings)
convert "$settings/settings.jpg" -crop 800x60+0+0 +repage "$work/settings_band.png"
read -r bx by < <(button_centre "$menu" 13)
click_at "$bx" "$by"
wait_for 800x60+112+84 "$work/settings_band.png" "settings screen at scale 1.25" 10
keep settings
quit_with_keys
# The window's size in screen pixels is kept for the next start.
conf=$(tr -d '\r' <"$work/config/zafirel/zafirel.conf")
grep -qx 'width=1280' <<<"$conf" && grep -qx 'height=960' <<<"$conf" ||
  fail "the window's size was not kept: $conf"
echo "the window scaled to its size and back; Ctrl+Q ended the program in $quit_ms ms"
