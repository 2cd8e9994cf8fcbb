#!/usr/bin/env bash
# The keyboard on the real program: the arrow keys move the main menu's focus
# picture in screen order, Enter opens the focused screen, Tab and Space work
# the settings check boxes, Escape saves and closes the settings screen and
# Ctrl+Q ends the program; checked from screenshots and the settings file.
# Usage: keys.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

# Whether button N of the menu shows its focus picture.
focused() {
  local x y w h
  read -r x y < <(button_centre "$menu" "$1")
  read -r w h < <(identify -format '%w %h\n' "$menu/buttons/focus/$(printf %02d "$1").jpg")
  below "$(differs_from "${w}x${h}+$((x - w / 2))+$((y - h / 2))" \
    "$menu/buttons/focus/$(printf %02d "$1").jpg")" 0.03
}
press() {
  xdotool key "$@"
  sleep 0.5
  alive
  shoot
}

wait_for_menu
sleep 0.5  # the menu shows its buttons 200 ms after it appears
press Down
focused 1 || fail "Down did not focus the first button"
# Four rows of four from the right: Left goes on to button 2, Down to 6.
press Left Down
focused 6 || fail "Left and Down did not reach button 6"
focused 1 && fail "button 1 kept its focus picture"
press Down Down Right Return
settings=$(skin_folder settings)
convert "$settings/settings.jpg" -crop 800x60+0+0 +repage "$work/settings_band.png"
below "$(differs_from 800x60+112+84 "$work/settings_band.png")" 0.03 ||
  fail "Enter on button 13 did not open the settings screen"
press Tab space Escape
tr -d '\r' <"$work/config/zafirel/c/quran_setting.ini" | grep -qx 'settings_doaa=1' ||
  fail "the first box was not saved unticked"
wait_for_menu

quit_with_keys
echo "Ctrl+Q ended the program in $quit_ms ms"
