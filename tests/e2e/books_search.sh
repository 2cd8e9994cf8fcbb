#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the hadith reader from the main menu,
# opens its search, types two words the sample disc plants ("زبرجد" and
# "كهرمان", together only in book 55, topic 7), joins them with "and", chooses
# every book, searches, opens the first hit, copies it, and checks that the
# clipboard holds that topic's title, a line feed and its text.
# Usage: books_search.sh ZAFIREL_EXECUTABLE DISC_FOLDER
# Exits with 77 (skipped) when the disc has no hadith books.
EXE=$1 DISC=$2
bookst=$(find "$DISC" -ipath '*/data/bookst' | head -n1)
if [ -z "$bookst" ]; then
  echo "no hadith books on $DISC: skipped"
  exit 77
fi
source "$(dirname "$0")/common.sh"

data=$(dirname "$bookst")
reader=$(dirname "$(find "$DISC" -ipath '*/graphic/hadith/1/hadith.ini' | head -n1)")
search=$(dirname "$(find "$DISC" -ipath '*/graphic/hadiths/1/hadiths.ini' | head -n1)")
[ -d "$reader" ] && [ -d "$search" ] || fail "no hadith reader or search skin on $DISC"

# Clicks button N of the layout in folder F on an 800 by 600 screen, which
# the program centres in its 1024 by 768 display.
press() {
  local left top width height
  read -r left top width height < <(button "$1" "$2")
  click_at $((112 + left + width / 2)) $((84 + top + height / 2))
}
# The bytes of record N of indexed text file F, at most M of them.
record() {
  local at=$((($2 - 1) * 10)) offset length
  offset=$(od -An -t u4 -j $((at + 2)) -N 4 "$1" | tr -d ' ')
  length=$(od -An -t u4 -j $((at + 6)) -N 4 "$1" | tr -d ' ')
  [ "${3:-0}" -gt 0 ] && [ "$length" -gt "$3" ] && length=$3
  dd if="$1" iflag=skip_bytes,count_bytes skip="$offset" count="$length" bs=65536 status=none
}

wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 3)
click_at $((left + width / 2)) $((top + height / 2))
sleep 2
alive
press "$reader" 6
sleep 1.5
alive
# The first word box has the focus; Tab leads to the second and to "and".
xdotool type --delay 80 "زبرجد"
xdotool key Tab
xdotool type --delay 80 "كهرمان"
xdotool key Tab space
press "$search" 3
press "$search" 1
sleep 3
press "$search" 7
sleep 1.5
alive
press "$reader" 8
sleep 0.5

t55=$(find "$data" -maxdepth 1 -iname '55t' | head -n1)
d55=$(find "$data" -maxdepth 1 -iname '55d' | head -n1)
{
  record "$t55" 7 100 | iconv -f CP1256 -t UTF-8
  printf '\n'
  record "$d55" 7 | iconv -f CP1256 -t UTF-8 | sed -z 's/\r\n/\n/g; s/\r/\n/g'
} >"$work/expected.txt"
xclip -o -selection clipboard >"$work/clipboard.txt" 2>/dev/null || true
shoot
if ! cmp -s "$work/expected.txt" "$work/clipboard.txt"; then
  echo "--- expected:"; head -c 400 "$work/expected.txt"; echo
  echo "--- clipboard:"; head -c 400 "$work/clipboard.txt"; echo
  fail "the clipboard does not hold book 55, topic 7"
fi
grep -q "زبرجد" "$work/clipboard.txt" && grep -q "كهرمان" "$work/clipboard.txt" ||
  fail "the copied topic lacks a searched word"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "book 55, topic 7 found, opened and copied ($(wc -c <"$work/clipboard.txt") bytes)"
