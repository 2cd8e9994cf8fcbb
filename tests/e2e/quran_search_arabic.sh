#!/usr/bin/env bash
# The Arabic-aware search end to end: with the option on in the preferences
# file (search/arabicAware), the program under Xvfb opens the Quran reader,
# the search from its go-to panel, gets إبراهيم typed, opens the first hit
# from the keyboard (2:124, on page 19) and checks from screenshots that the
# reader shows page 19. The simple spelling of the disc's text writes ابراهيم,
# which the exact search finds as well; only the Arabic-aware search finds
# the word typed with its hamza (the exact search finds nothing, and Enter
# on the empty list would leave the reader on page 1).
# Usage: quran_search_arabic.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
before_start() {
  mkdir -p "$work/config/zafirel"
  printf '[search]\narabicAware=true\n' >"$work/config/zafirel/zafirel.conf"
}
source "$(dirname "$0")/common.sh"

remote=$(dirname "$(find "$DISC" -ipath '*/graphic/remote/1/remote.ini' | head -n1)")
pictures=$(dirname "$(find "$DISC" -ipath '*/graphic/quran_pic/1.jpg' | head -n1)")
[ -f "$(find "$DISC" -ipath '*/data/11' | head -n1)" ] || fail "no aya text file (data/11) on $DISC"

wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 1)
click_at $((left + width / 2)) $((top + height / 2))

# The reader's page picture on the screen (see quran_search.sh).
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

read -r left top width height < <(button "$remote" 1)
click_at $((112 + 640 + left + width / 2)) $((84 + 80 + top + height / 2))
sleep 1
alive
xdotool type --delay 80 "إبراهيم"
xdotool key Return
sleep 1
xdotool key Tab Return

for i in $(seq 30); do
  sleep 0.5
  alive
  shoot || continue
  d19=$(difference 19)
  d1=$(difference 1)
  if awk -v a="$d19" -v b="$d1" 'BEGIN { exit !(a != "" && a < 0.15 && a < b) }'; then
    echo "the reader moved to page 19, 2:124 (difference $d19, to page 1 $d1) after $i polls"
    if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
    exit 0
  fi
done
fail "the reader did not move to 2:124's page (to 19: ${d19:-none}, to 1: ${d1:-none})"
