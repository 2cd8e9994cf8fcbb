#!/usr/bin/env bash
# Installs ZAFIREL into a temporary prefix and starts the installed program
# under Xvfb into the main menu. Then starts it on a folder without a disc: it
# must say so in one box and on standard error, and end with a non-zero status
# once the box is closed. Last, without ZAFIREL_DISC, it must find the user's
# sample disc by itself.
# Usage: install.sh BUILD_DIR DISC_FOLDER
set -euo pipefail
BUILD=$1 DISC=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$BUILD" --prefix "$prefix" >/dev/null
for f in bin/zafirel bin/zafirel-sample-disc share/applications/zafirel.desktop \
  share/icons/hicolor/48x48/apps/zafirel.png share/icons/hicolor/256x256/apps/zafirel.png; do
  [ -s "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
grep -qx 'Exec=zafirel' "$prefix/share/applications/zafirel.desktop" ||
  { echo "the menu entry does not start zafirel"; exit 1; }
icon=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/256x256/apps/zafirel.png")
[ "$icon" = 256x256 ] || { echo "the 256x256 icon is $icon"; exit 1; }
# The generator answers under its installed name.
usage=$("$prefix/bin/zafirel-sample-disc" --help 2>&1 || true)
grep -q usage <<<"$usage" || { echo "zafirel-sample-disc --help: $usage"; exit 1; }

EXE=$prefix/bin/zafirel
source "$(dirname "$0")/common.sh"
trap 'cleanup; rm -rf "$prefix"' EXIT
wait_for_menu
kill "$app" && wait "$app" 2>/dev/null || true

# No disc in the folder ZAFIREL_DISC names.
mkdir "$work/empty"
ZAFIREL_DISC=$work/empty "$EXE" >"$work/app.log" 2>&1 &
app=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^ZAFIREL$' | head -n1) ||
  fail "no box about the missing disc"
sleep 0.5
shoot
alive
xdotool windowfocus --sync "$box" key Return
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "the program did not end after the box"
wait "$app" || status=$?
app=""
[ "$status" -ne 0 ] || fail "the program ended with status 0 without a disc"
for words in "No disc was found in $work/empty" "ZAFIREL_DISC names it" "zafirel-sample-disc"; do
  grep -qF "$words" "$work/app.log" || fail "standard error does not say: $words"
done
echo "without a disc: one box, the same words on standard error, status $status"

# Without ZAFIREL_DISC it finds the user's sample disc by itself.
mkdir -p "$work/data/zafirel"
ln -s "$(realpath "$DISC")" "$work/data/zafirel/disc"
env -u ZAFIREL_DISC XDG_DATA_HOME="$work/data" ZAFIREL_EXIT_AFTER_FIRST_FRAME=1 \
  ZAFIREL_AUDIO=null timeout 30 "$EXE" >"$work/app.log" 2>&1 ||
  fail "the installed program did not start on the sample disc in \$XDG_DATA_HOME"
echo "without ZAFIREL_DISC: started on the sample disc in \$XDG_DATA_HOME"
