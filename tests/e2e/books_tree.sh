#!/usr/bin/env bash
# Opens the hadith reader of the real program and chooses topics in its
# tree with the mouse (the first, the fifth, then the third); the screenshot
# must show one marked row only, the one chosen last.
# Usage: books_tree.sh ZAFIREL_EXECUTABLE DISC_FOLDER [SCREEN, e.g. 1920x1080]
EXE=$1 DISC=$2 SCREEN=${3:-1024x768}
source "$(dirname "$0")/common.sh"

wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 3)
click_at $((left + width / 2)) $((top + height / 2))
sleep 2
alive

# The tree lies at (220, 125) of the 800 by 600 screen, centred in the
# display; its rows are 27 pixels high, the book's title first. Topics 1, 5
# and 3 are chosen, rows apart from each other.
tree_x=$((112 + 220)) tree_y=$((84 + 125)) tree_w=195 tree_h=404
row_y() { echo $((tree_y + 27 * $1 + 13)); }
for topic in 1 5 3; do
  click_at $((tree_x + 120)) "$(row_y "$topic")"
  sleep 0.7
done
alive
shoot

# The rows of the tree painted in the selection's blue, as bands of screen
# lines of which a tenth or more is that blue.
convert "$shot" -crop "$(sz "$tree_w")x$(sz "$tree_h")+$(sx "$tree_x")+$(sy "$tree_y")" +repage \
  -fuzz 12% -fill white -opaque '#308cc6' -fill black +opaque white \
  -resize "1x$(sz "$tree_h")!" -depth 8 -colorspace gray txt:- >"$work/lines.txt"
bands=$(awk -F'[,:() ]+' -v top="$(sy "$tree_y")" '
  NR > 1 { marked = $4 > 25
           if (marked && !inside) start = $2
           if (!marked && inside) printf "%d-%d ", top + start, top + $2 - 1
           inside = marked }
  END { if (inside) printf "%d-%d ", top + start, top + $2 }' "$work/lines.txt")
echo "marked rows on screen lines: ${bands:-none}"
want=$(sy "$(row_y 3)")
read -r -a found <<<"$bands"
[ "${#found[@]}" = 1 ] ||
  fail "the tree shows ${#found[@]} marked rows (${bands:-none}), not only the chosen one"
awk -v band="${found[0]}" -v y="$want" 'BEGIN { split(band, b, "-"); exit !(b[1] <= y && y <= b[2]) }' ||
  fail "the marked row (${found[0]}) is not the chosen one (line $want)"
echo "only the chosen topic is marked"
