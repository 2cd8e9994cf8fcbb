#!/usr/bin/env bash
# Starts the real program under Xvfb with the real media device (null audio)
# and checks from screenshots that the remembrances show the first text by
# themselves, that a rule title clicked in the recitation rules turns red,
# and that Escape leads back to the main menu from both.
# Usage: readings.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

# Clicks main-menu button n in its middle.
click_menu() {
  local b left top
  b=$(sed -n "s/^[bB]$1=\(.*\)\r\?$/\1/p" "$menu/main.ini" | head -n1)
  left=$((10#$(echo "${b:0:3}" | tr -d ' '))) top=$((10#$(echo "${b:5:3}" | tr -d ' ')))
  xdotool mousemove $((left + 60)) $((top + 40))
  sleep 0.2
  xdotool click 1
}
# The 800 by 600 screens are centred in the 1024 by 768 display.
at() { echo "$(($1 + 112)) $(($2 + 84))"; }
# Pixels of a region (WxH+X+Y of the 800 by 600 screen) within a fuzz of a colour.
count() {
  local x=${1#*+} ; local y=${x#*+}; x=${x%+*}
  convert "$shot" -crop "${1%%+*}+$((x + 112))+$((y + 84))" +repage -alpha set \
    -fuzz "$3" -transparent "$2" -alpha extract -negate -format '%[fx:round(mean*w*h)]' info:
}
back_to_menu() {
  xdotool key Escape
  wait_for_menu
  sleep 0.5
}

wait_for_menu
sleep 0.5
click_menu 10
# The text's title and phrase are maroon on the pane.
text=0
for i in $(seq 20); do
  sleep 0.3
  alive
  shoot || continue
  text=$(count 300x380+145+120 '#800000' 25%)
  [ "$text" -gt 200 ] && break
done
[ "$text" -gt 200 ] || fail "the first remembrance was not shown ($text text pixels)"
echo "the first remembrance is shown ($text text pixels)"
back_to_menu

click_menu 6
sleep 1.5
read -r x y < <(at 616 177)
xdotool mousemove "$x" "$y"
sleep 0.2
xdotool click 1
sleep 0.8
shoot
red=$(count 186x40+523+157 red 30%)
[ "$red" -gt 50 ] || fail "the second rule title did not turn red ($red red pixels)"
echo "the chosen rule title is red ($red red pixels)"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
back_to_menu
