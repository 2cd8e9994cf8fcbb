#!/usr/bin/env bash
# Brings the sample disc in as an ISO image: the image is made with xorriso,
# `zafirel --import` copies it into the user's discs and the program starts on
# that copy (no ZAFIREL_DISC) to the main menu.
# Usage: import_iso.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
command -v xorriso >/dev/null || { echo "xorriso is not installed"; exit 77; }
PROGRAM_DISC=""
before_start() {
  export XDG_DATA_HOME=$work/data
  rm -rf "$work/data" # a retried start imports afresh
  xorriso -as mkisofs -quiet -J -R -V ZAFIREL_SAMPLE -o "$work/disc.iso" "$DISC" 2>"$work/xorriso.log" ||
    { cat "$work/xorriso.log"; exit 1; }
  PROGRAM_ARGS="--import $work/disc.iso"
}
source "$(dirname "$0")/common.sh"

wait_for_menu
imported=$work/data/zafirel/discs/ZAFIREL_SAMPLE
[ -d "$imported/velk_quran" ] || fail "no imported disc in $imported"
grep -q "Imported into $imported" "$work/app.log" || fail "the import was not told"
grep -q "folder=$imported" "$work/config/zafirel/zafirel.conf" ||
  fail "the imported disc is not the chosen one: $(cat "$work/config/zafirel/zafirel.conf")"
# Every file came in, byte for byte.
diff -r --exclude=.zafirel-import "$DISC" "$imported" >/dev/null || fail "the copy differs from the disc"
ls -A "$work/data/zafirel/discs" | grep -q '^\.' && fail "a temporary folder was left"
echo "imported and started on $imported"
