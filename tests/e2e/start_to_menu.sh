#!/usr/bin/env bash
# Starts the real program and checks from screenshots that the logo is shown
# centred on black after the intro, then the main menu, centred on the screen
# however large it is, and that a click lands on the button drawn under it.
# Usage: start_to_menu.sh ZAFIREL_EXECUTABLE DISC_FOLDER [SCREEN, e.g. 1920x1080]
EXE=$1 DISC=$2 SCREEN=${3:-1024x768}
source "$(dirname "$0")/common.sh"

# The logo: 824 by 591, in the middle of the black display.
logo=$(dirname "$0")/../../src/shell/assets/logo.jpg
wait_for 824x591+100+88 "$logo" "logo" 30
border=$(convert "$shot" -crop "$(($(sx 100) - 1))x$(sy 768)+0+0" +repage \
  -format '%[fx:maxima]' info:)
below "$border" 0.1 || fail "the logo is not on black (brightest beside it: $border)"

wait_for_menu
# The menu fills the screen's height or width and is centred on it: the part
# of the screen that is not black.
read -r w h x y < <(convert "$shot" -bordercolor black -border 1 -fuzz 3% -trim \
  -format '%w %h %[fx:page.x-1] %[fx:page.y-1]\n' info:)
want="$(sz 1024) $(sz 768) $offx $offy"
echo "menu drawn at ${w}x${h}+$x+$y, expected ${want// /,}"
awk -v got="$w $h $x $y" -v want="$want" 'BEGIN {
  split(got, g, " "); split(want, e, " ")
  for (i = 1; i <= 4; i++) if (g[i] - e[i] > 2 || e[i] - g[i] > 2) exit 1 }' ||
  fail "the menu is not centred"

# Button 13 opens the settings screen, 800 by 600 in the middle of the display.
sleep 0.5  # the menu shows its buttons 200 ms after it appears
settings=$(skin_folder settings)
convert "$settings/settings.jpg" -crop 800x60+0+0 +repage "$work/settings_band.png"
read -r bx by < <(button_centre "$menu" 13)
click_at "$bx" "$by"
wait_for 800x60+112+84 "$work/settings_band.png" "settings screen" 10
