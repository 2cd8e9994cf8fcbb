#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc with the real media device
# (audio to the null output), opens the Quran reader from the main menu with
# a real click, and checks from screenshots that the red marks on the page
# follow the recitation: they appear, then move to another place on the page
# twice, as ayas 1 and 2 end. Ctrl+Q then ends the program and keeps the
# reading position.
# Usage: quran_reads.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"

wait_for_menu
sleep 0.5  # the menu shows its buttons 200 ms after it appears
read -r bx by < <(button_centre "$menu" 1)
click_at "$bx" "$by"

# The page picture lies at 49,33 in the page panel at 256,70 of the 800 by
# 600 viewer, which is centred in the 1024 by 768 display.
page="280x437+$((112 + 256 + 49))+$((84 + 70 + 33))"

# Three different marks in turn: aya 1, then 2 and 3 after each aya's end.
follow_marks 3
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "the marks followed the recitation"

quit_with_keys
setting() { tr -d '\r' <"$work/config/zafirel/c/quran_setting.ini" | sed -n "s/^$1=//p"; }
sura=$(setting settings_enter_sora) aya=$(setting settings_enter_aya)
[ "$sura" = 1 ] && [ "${aya:-0}" -ge 3 ] ||
  fail "Ctrl+Q kept ${sura:-none}:${aya:-none}, not the aya recited"
echo "Ctrl+Q kept the position $sura:$aya in $quit_ms ms"
