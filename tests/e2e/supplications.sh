#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the supplications (main menu button 8)
# with a real click, starts supplication 1 and checks from screenshots that
# the round picture changes photo at least twice while nothing is drawn
# outside its circle: the corners of the picture's square show the screen's
# own background all along.
# Usage: supplications.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

# Left, top, width and height of button n of the skin in folder $1.
button() {
  local folder=$1 n=$2 ini value up
  ini=$(find "$folder" -maxdepth 1 -iname '*.ini' | head -n1)
  value=$(sed -n "s/^[bB]$n=\(.*\)\r\?$/\1/p" "$ini" | head -n1)
  up=$(find "$folder" -ipath "*/buttons/up/$(printf %02d "$n").jpg" | head -n1)
  echo "$((10#$(echo "${value:0:3}" | tr -d ' '))) $((10#$(echo "${value:5:3}" | tr -d ' '))) $(identify -format '%w %h' "$up")"
}
click_at() {
  xdotool mousemove "$1" "$2"
  sleep 0.2
  xdotool click 1
}

wait_for_menu
sleep 0.5  # the menu shows its buttons 200 ms after it appears
read -r left top width height < <(button "$menu" 8)
click_at $((left + width / 2)) $((top + height / 2))

# The 800 by 600 screen is centred in the 1024 by 768 display.
x0=112 y0=84
doaa=$(dirname "$(find "$DISC" -ipath '*/graphic/doaa/1/doaa.jpg' | head -n1)")
[ -d "$doaa" ] || fail "no supplications skin on $DISC"
# The four corners of the picture's square (79,103, 402 by 402) that lie
# outside its circle, on the screen and in the background picture.
corners=("24x24+82+106" "24x24+454+106" "24x24+82+476" "24x24+454+476")
for i in 0 1 2 3; do
  convert "$doaa/doaa.jpg" -crop "${corners[$i]}" +repage "$work/ref$i.png"
done
outside_differs() {
  local i w h x y difference
  for i in 0 1 2 3; do
    IFS='x+' read -r w h x y <<<"${corners[$i]}"
    convert "$shot" -crop "${w}x${h}+$((x0 + x))+$((y0 + y))" +repage "$work/c$i.png"
    difference=$(rmse "$work/c$i.png" "$work/ref$i.png")
    if awk -v r="$difference" 'BEGIN { exit !(r == "" || r > 0.01) }'; then
      echo "corner ${corners[$i]} differs from the background ($difference)"
      return 0
    fi
  done
  return 1
}

# Wait for the screen: a corner of the picture's square as in the background.
for i in $(seq 40); do
  sleep 0.25
  alive
  shoot || continue
  outside_differs >/dev/null || break
done
# The middle of the circle, reduced to a few colours: a picture that shows
# in two shots running is a settled one (a transition changes every frame).
middle="160x160+$((x0 + 200))+$((y0 + 223))"
signature() { convert "$shot" -crop "$middle" +repage -scale 4x4! -depth 3 -format '%#' info:; }
sleep 0.5
shoot
settled=("$(signature)")  # the resting picture
read -r left top width height < <(button "$doaa" 1)
click_at $((x0 + left + width / 2)) $((y0 + top + height / 2))

# Photo 1, then a random one 2 s after its transition.
last=""
for i in $(seq 60); do
  sleep 0.25
  alive
  shoot || continue
  why=$(outside_differs) && fail "drawn outside the circle: $why"
  sig=$(signature)
  if [ "$sig" = "$last" ] && [ "${settled[-1]}" != "$sig" ]; then
    settled+=("$sig")
    echo "a new picture settled at poll $i"
  fi
  last=$sig
  [ ${#settled[@]} -ge 3 ] && break
done
[ ${#settled[@]} -ge 3 ] || fail "the round picture did not settle on two photos (${#settled[@]} pictures)"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "the round picture changed photo within its circle"
