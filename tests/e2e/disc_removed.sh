#!/usr/bin/env bash
# The disc taken away while a book is open: its folder (a copy of the disc,
# made of links) is renamed. One error box says the disc was removed, however
# long the stars keep asking for their pictures; with the disc back, Escape
# closes the box and Escape again goes back to the main menu.
# Usage: disc_removed.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 SOURCE_DISC=$2
copy=$(mktemp -d)
DISC=$copy/disc
mkdir -p "$DISC" && cp -rs "$(realpath "$SOURCE_DISC")/." "$DISC/"
source "$(dirname "$0")/common.sh"
trap 'cleanup; rm -rf "$copy"' EXIT

reader=$(dirname "$(find "$DISC" -ipath '*/graphic/hadith/1/hadith.ini' | head -n1)")
[ -d "$reader" ] || fail "no hadith reader skin on $DISC"
convert "$reader/hadith.jpg" -crop 400x40+300+10 +repage "$work/reader_band.png"

wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 3)
click_at $((left + width / 2)) $((top + height / 2))
wait_for 400x40+412+94 "$work/reader_band.png" "the hadith reader" 20

mv "$DISC" "$DISC.gone"
most=0
for i in $(seq 20); do  # 6 s: twenty ticks of the stars
  sleep 0.3
  alive
  n=$(boxes | wc -l)
  [ "$n" -gt "$most" ] && most=$n
done
n=$(grep -c "The disc was removed" "$work/app.log" || true)
echo "with the disc gone: at most $most box(es) open, $(grep -c '^ZAFIREL: ' "$work/app.log" || true) shown"
[ "$most" = 1 ] || fail "$most error boxes open at once, not one"
[ "$n" = 1 ] || fail "the disc's removal was told $n times"
[ "$(grep -c '^ZAFIREL: ' "$work/app.log")" = 1 ] || fail "other boxes were shown as well"

mv "$DISC.gone" "$DISC"
xdotool key Escape
sleep 0.5
[ -z "$(boxes)" ] || fail "Escape did not close the box"
xdotool key Escape
wait_for_menu
[ -z "$(boxes)" ] || fail "a box came up on the way back to the menu"
quit_with_keys
