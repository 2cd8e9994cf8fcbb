#!/usr/bin/env bash
# Opens the hadith reader of the real program, prints its first topic with
# no printer installed and measures the PDF that takes its place: the body's
# 16-pixel text must be 12 points on paper (a word's box 12 to 18 points
# high), on A4 or Letter, with the words read back whole.
# Usage: books_print.sh ZAFIREL_EXECUTABLE DISC_FOLDER [SCREEN, e.g. 1920x1080]
EXE=$1 DISC=$2 SCREEN=${3:-1024x768}
# The PDF goes to the documents folder of a home of the test's own.
HOME=$(mktemp -d)
export HOME LC_ALL=C.UTF-8
trap 'rm -rf "$HOME"' EXIT
source "$(dirname "$0")/common.sh"
trap 'cleanup; rm -rf "$HOME"' EXIT

reader=$(dirname "$(find "$DISC" -ipath '*/graphic/hadith/1/hadith.ini' | head -n1)")
[ -d "$reader" ] || fail "no hadith reader skin on $DISC"
wait_for_menu
sleep 0.5
read -r left top width height < <(button "$menu" 3)
click_at $((left + width / 2)) $((top + height / 2))
sleep 2
alive
read -r left top width height < <(button "$reader" 7)
click_at $((112 + left + width / 2)) $((84 + top + height / 2))
for i in $(seq 50); do
  pdf=$(find "$HOME" -name '*.pdf' | head -n1)
  [ -n "$pdf" ] && break
  sleep 0.2
done
[ -n "$pdf" ] || fail "no PDF was written"
sleep 0.5
alive

read -r pw ph < <(pdfinfo "$pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\).*/\1 \2/p')
heights=$(pdftotext -bbox "$pdf" - | sed -n 's/.*yMin="\([0-9.]*\)".*yMax="\([0-9.]*\)".*/\1 \2/p' |
  awk '{ print $2 - $1 }' | sort -n)
median=$(awk '{ h[NR] = $1 } END { print h[int((NR + 1) / 2)] }' <<<"$heights")
echo "$(basename "$pdf"): page ${pw}x${ph} pt, median word box ${median} pt"
awk -v w="$pw" 'BEGIN { exit !((w > 594 && w < 596) || (w > 611 && w < 613)) }' ||
  fail "the page is neither A4 nor Letter (${pw} pt wide)"
awk -v m="$median" 'BEGIN { exit !(m >= 12 && m <= 18) }' ||
  fail "the body prints ${median} pt high, not at its size on screen"
d55=$(find "$DISC" -ipath '*/data/55d' | head -n1)
first=$(dd if="$d55" iflag=skip_bytes,count_bytes skip="$(od -An -t u4 -j 2 -N 4 "$d55" | tr -d ' ')" \
  count=400 status=none | iconv -f CP1256 -t UTF-8 -c | head -n1 | awk '{ print $1, $2, $3 }')
pdftotext "$pdf" - | python3 -c 'import sys, unicodedata; print(unicodedata.normalize("NFKC", sys.stdin.read()))' \
  >"$work/text.txt"
grep -qF "$first" "$work/text.txt" || fail "the words \"$first\" do not come back whole from the PDF"
echo "the topic printed at its size on screen; \"$first\" reads back whole"
