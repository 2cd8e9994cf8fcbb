#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the Quran reader from the main menu,
# clicks the search button of its go-to panel, types a word that only the
# last pages hold, searches with Enter, opens the first hit from the keyboard
# (Tab to the list, Enter), and checks from screenshots that the reader then
# shows that page: the shown page matches page 604's picture, not page 1's.
# Usage: quran_search.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

remote=$(dirname "$(find "$DISC" -ipath '*/graphic/remote/1/remote.ini' | head -n1)")
pictures=$(dirname "$(find "$DISC" -ipath '*/graphic/quran_pic/1.jpg' | head -n1)")
[ -f "$(find "$DISC" -ipath '*/data/11' | head -n1)" ] || fail "no aya text file (data/11) on $DISC"

wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 1)
click_at $((left + width / 2)) $((top + height / 2))

# The 800 by 600 reader is centred in the 1024 by 768 display; its page
# picture lies at 49,33 in the page panel at 256,70; the go-to panel at 640,80.
page="280x437+$((112 + 256 + 49))+$((84 + 70 + 33))"
difference() {  # RMSE of the shown page against page picture $1
  convert "$shot" -crop "$page" +repage "$work/page.png"
  (compare -metric RMSE "$work/page.png" "$pictures/$1.jpg" null: 2>&1 || true) |
    sed -n 's/.*(\(.*\)).*/\1/p'
}
for i in $(seq 30); do
  sleep 0.5
  alive
  shoot || continue
  d1=$(difference 1)
  awk -v d="$d1" 'BEGIN { exit !(d != "" && d < 0.15) }' && break
done
awk -v d="$d1" 'BEGIN { exit !(d != "" && d < 0.15) }' || fail "the reader did not show page 1 ($d1)"
echo "reader on page 1 (difference $d1)"

read -r left top width height < <(button "$remote" 1)
click_at $((112 + 640 + left + width / 2)) $((84 + 80 + top + height / 2))
sleep 1
alive
xdotool type --delay 80 "الفلق"
xdotool key Return
sleep 1
xdotool key Tab Return

for i in $(seq 30); do
  sleep 0.5
  alive
  shoot || continue
  d604=$(difference 604)
  d1=$(difference 1)
  if awk -v a="$d604" -v b="$d1" 'BEGIN { exit !(a != "" && a < 0.15 && a < b) }'; then
    echo "the reader moved to page 604 (difference $d604, to page 1 $d1) after $i polls"
    if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
    exit 0
  fi
done
fail "the reader did not move to the hit's page (to 604: ${d604:-none}, to 1: ${d1:-none})"
