#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the Quran reader from the main menu with
# a real click, and checks from screenshots that the red marks on the page
# follow the recitation: they appear, then move to another place on the page
# twice, as ayas 1 and 2 end.
# Usage: quran_reads.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

# Where button 1 of the main menu lies.
b1=$(sed -n 's/^[bB]1=\(.*\)\r\?$/\1/p' "$menu/main.ini" | head -n1)
left=$((10#$(echo "${b1:0:3}" | tr -d ' '))) top=$((10#$(echo "${b1:5:3}" | tr -d ' ')))
up=$(find "$menu" -ipath '*/buttons/up/01.jpg' | head -n1)
size=$(identify -format '%w %h' "$up")
width=${size% *} height=${size#* }

wait_for_menu
sleep 0.5  # the menu shows its buttons 200 ms after it appears

xdotool mousemove $((left + width / 2)) $((top + height / 2))
sleep 0.2
xdotool click 1

# The page picture lies at 49,33 in the page panel at 256,70 of the 800 by
# 600 viewer, which is centred in the 1024 by 768 display.
page="280x437+$((112 + 256 + 49))+$((84 + 70 + 33))"
# Bounding box and count of the marked (red) pixels on the page: "WxH+X+Y N".
marks() {
  convert "$work/shot.png" -crop "$page" +repage -fuzz 40% \
    -fill black +opaque red -fill white -opaque red "$work/mask.png"
  local count box
  count=$(convert "$work/mask.png" -format '%[fx:round(mean*w*h)]' info:)
  box=$(convert "$work/mask.png" -format '%@' info:)
  echo "$box $count"
}

# Three different marks in turn: aya 1, then 2 and 3 after each aya's end.
seen=()
for i in $(seq 100); do
  sleep 0.3
  alive
  shoot || continue
  read -r box count < <(marks)
  [ "$count" -gt 30 ] || continue
  if [ ${#seen[@]} -eq 0 ] || [ "${seen[-1]%% *}" != "$box" ]; then
    seen+=("$box $count")
    echo "marks at $box ($count red pixels) at poll $i"
  fi
  [ ${#seen[@]} -ge 3 ] && break
done
[ ${#seen[@]} -ge 3 ] || fail "the red marks did not move on twice (seen: ${seen[*]:-none})"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "the marks followed the recitation"
