#!/usr/bin/env bash
# Starts the real program under Xvfb on a disc, with the real media device
# (audio to the null output), and waits until a screenshot shows the main
# menu: the band above the buttons must match the disc's main background.
# Usage: start_to_menu.sh ZAFIREL_EXECUTABLE DISC_FOLDER
set -euo pipefail
exe=$1
disc=$2
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody else uses.
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do
  xdpyinfo -display "$display" >/dev/null 2>&1 && break
  sleep 0.1
done

export DISPLAY=$display
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
ZAFIREL_DISC=$disc ZAFIREL_AUDIO=null "$exe" >"$work/app.log" 2>&1 &
app=$!

ref=$(find "$disc" -ipath '*/graphic/main/1/main.jpg' | head -n1)
[ -n "$ref" ] || { echo "no main background on $disc"; exit 1; }
convert "$ref" -crop 1024x140+0+0 +repage "$work/ref.png"

# Intro video, logo (5 s), then the menu: allow up to a minute.
for i in $(seq 60); do
  sleep 1
  if ! kill -0 "$app" 2>/dev/null; then
    echo "the program ended early:"; cat "$work/app.log"; exit 1
  fi
  import -display "$display" -window root "$work/shot.png" 2>/dev/null || continue
  convert "$work/shot.png" -crop 1024x140+0+0 +repage "$work/band.png"
  rmse=$( (compare -metric RMSE "$work/band.png" "$work/ref.png" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p')
  if awk -v r="$rmse" 'BEGIN { exit !(r != "" && r < 0.02) }'; then
    echo "main menu shown after ${i} s (band difference $rmse)"
    exit 0
  fi
done
echo "the main menu did not appear; last band difference: ${rmse:-none}"
cat "$work/app.log"
exit 1
