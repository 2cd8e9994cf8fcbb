#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the commentary reader from the main menu
# with a real click, and checks from screenshots that the commentary text is
# shown, that the red marks on the page follow the recitation, and that a
# click on the last aya of the page moves the marks there.
# Usage: commentary_reads.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

# Where button 2 of the main menu lies.
b2=$(sed -n 's/^[bB]2=\(.*\)\r\?$/\1/p' "$menu/main.ini" | head -n1)
left=$((10#$(echo "${b2:0:3}" | tr -d ' '))) top=$((10#$(echo "${b2:5:3}" | tr -d ' ')))
up=$(find "$menu" -ipath '*/buttons/up/02.jpg' | head -n1)
size=$(identify -format '%w %h' "$up")
width=${size% *} height=${size#* }

# The rectangle of aya 7 of sura 1 in the aya map: 13-byte records (sura,
# aya, page, left, top, width, height) from the offset in sura 1's entry.
cutaya=$(find "$DISC" -ipath '*/data/cutaya' | head -n1)
u16() { od -An -tu2 -j "$1" -N 2 "$cutaya" | tr -d ' '; }
offset=$(od -An -tu4 -j 1 -N 4 "$cutaya" | tr -d ' ')
for k in $(seq 0 20); do
  record=$((offset + 13 * k))
  [ "$(u16 $((record + 1)))" = 7 ] && break
done
aya7_x=$(( $(u16 $((record + 5))) + $(u16 $((record + 9))) / 2 ))
aya7_y=$(( $(u16 $((record + 7))) + $(u16 $((record + 11))) / 2 ))

wait_for_menu
sleep 0.5  # the menu shows its buttons 200 ms after it appears
xdotool mousemove $((left + width / 2)) $((top + height / 2))
sleep 0.2
xdotool click 1

# The page picture lies at 49,33 in the page panel at 400,38 of the 800 by
# 600 reader, which is centred in the 1024 by 768 display; the text box at
# 50,70 in the text panel at 18,38.
page_x=$((112 + 400 + 49)) page_y=$((84 + 38 + 33))
page="280x437+$page_x+$page_y"
text="286x370+$((112 + 18 + 50))+$((84 + 38 + 70))"
# Dark pixels (letters) in the text box.
letters() {
  convert "$shot" -crop "$text" +repage -threshold 40% -negate \
    -format '%[fx:round(mean*w*h)]' info:
}

follow_marks 2
[ "$(letters)" -gt 200 ] || fail "no commentary text is shown"

# A click on aya 7 moves the marks over the point clicked.
xdotool mousemove $((page_x + aya7_x)) $((page_y + aya7_y))
sleep 0.2
xdotool click 1
inside=""
for i in $(seq 20); do
  sleep 0.3
  shoot || continue
  read -r box count < <(marks)
  w=${box%%x*} rest=${box#*x}; h=${rest%%+*}; rest=${rest#*+}; x=${rest%%+*}; y=${rest#*+}
  if [ "$count" -gt 30 ] && [ "$aya7_x" -ge "$x" ] && [ "$aya7_x" -le $((x + w)) ] &&
     [ "$aya7_y" -ge "$y" ] && [ "$aya7_y" -le $((y + h)) ]; then
    inside=$box
    break
  fi
done
[ -n "$inside" ] || fail "the marks did not move to the aya clicked ($aya7_x,$aya7_y; last $box)"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "the commentary reader followed the recitation and the click (marks at $inside)"
