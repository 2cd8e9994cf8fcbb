#!/usr/bin/env bash
# An error at start-up (a settings value that is no number) shows its box
# above the full-screen window, where the user sees it and can close it: the
# box is the top-most of the program's windows, its pixels are on the screen,
# and once it is closed the start goes on into the main menu.
# Usage: start_box.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
before_start() {
  mkdir -p "$work/config/zafirel/c"
  printf '[settings]\r\nsettings_lang=\xff\xfe\r\n' >"$work/config/zafirel/c/quran_setting.ini"
}
source "$(dirname "$0")/common.sh"

box=""
for i in $(seq 50); do
  sleep 0.2
  alive
  box=$(boxes | tail -n1)
  [ -n "$box" ] && break
done
[ -n "$box" ] || fail "no error box appeared"
read -r id geometry <<<"$box"
echo "error box $id at $geometry"
# Nothing of the program lies above it.
top=$(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' |
  while read -r w; do
    xdotool search --pid "$app" 2>/dev/null | grep -qx "$((w))" || continue
    xwininfo -id "$w" | grep -q 'Map State: IsViewable' && { echo "$w"; break; }
  done)
[ "$((top))" = "$((id))" ] || fail "the error box $id lies under window $top"
# Its pixels are what the screen shows: the light face of a message box, not
# the black hub or the intro behind it.
shoot
IFS='x+' read -r w h x y <<<"$geometry"
light=$(convert "$shot" -crop "$((w / 2))x$((h / 4))+$((x + w / 4))+$((y + h - h / 4 - 4))" \
  +repage -colorspace gray -format '%[fx:mean]' info:)
below 0.5 "$light" || fail "the error box is not on the screen (mean brightness $light)"
grep -q "is not a valid integer value" "$work/app.log" || fail "the box does not tell the error"

# It takes the keyboard: Enter closes it, and the start goes on.
xdotool key Return
sleep 0.5
[ -z "$(boxes)" ] || fail "the box did not close with Enter"
wait_for_menu
quit_with_keys
