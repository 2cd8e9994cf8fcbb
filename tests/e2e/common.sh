# Shared by the end-to-end tests: starts the real program under its own Xvfb
# on a disc with the real media device (audio to the null output) and waits
# for the main menu. Source it with EXE and DISC set (and SCREEN, WxH, for a
# screen other than 1024x768); it defines `work`, `display`, `app`, the place
# of the program's 1024 by 768 display on the screen (`scale`, `offx`, `offy`)
# and the functions below. A script may define `before_start`, run just
# before the program starts (to prepare its files under `work`).
set -euo pipefail
SCREEN=${SCREEN:-1024x768}
work=$(mktemp -d)
shot=$work/shot.ppm # the last screenshot, uncompressed: polls are quick
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$1"
  echo "--- program output:"; cat "$work/app.log"
  if [ -f "$shot" ]; then
    convert "$shot" "${TMPDIR:-/tmp}/$(basename "$0" .sh)_last.png"
    echo "last screenshot: ${TMPDIR:-/tmp}/$(basename "$0" .sh)_last.png"
  fi
  exit 1
}
alive() { kill -0 "$app" 2>/dev/null || fail "the program ended early"; }
shoot() { import -display "$display" -window root "$shot" 2>/dev/null; }
# The normalised RMSE difference of two pictures of one size (0 when alike).
rmse() { (compare -metric RMSE "$1" "$2" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p'; }

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"

# Starts Xvfb, which picks a free display itself and tells its number, and
# the program on it. Xvfb servers that start at the same moment can take the
# same display from each other, so the tests start theirs one at a time: the
# lock is held until the program's window is on the display.
start() {
  local fd number i
  exec {fd}<> <(:)
  Xvfb -displayfd "$fd" -screen 0 "${SCREEN}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  read -r -t 20 -u "$fd" number || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
  display=":$number"
  export DISPLAY=$display
  for i in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool mousemove 0 0 # the pointer rests in a corner, off every button
  : >"$work/app.log"
  if [ "$(type -t before_start)" = function ]; then before_start; fi
  # PROGRAM_DISC (may be empty) instead of DISC, and PROGRAM_ARGS, when a script sets them.
  # shellcheck disable=SC2086
  ZAFIREL_DISC=${PROGRAM_DISC-$DISC} ZAFIREL_AUDIO=null "$EXE" ${PROGRAM_ARGS:-} >"$work/app.log" 2>&1 &
  app=$!
  for i in $(seq 200); do
    xdotool search --pid "$app" >/dev/null 2>&1 && return 0
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}
exec {lock}>"${TMPDIR:-/tmp}/zafirel-e2e-xvfb.lock"
flock -w 120 "$lock" || { echo "another test holds the display lock"; exit 1; }
for attempt in 1 2 3; do
  start && break
  echo "the program did not come up on $display (attempt $attempt):"; cat "$work/app.log"
  kill "$app" "$xvfb" 2>/dev/null || true
  wait "$app" "$xvfb" 2>/dev/null || true
  [ "$attempt" = 3 ] && exit 1
done
flock -u "$lock"

# The program's display is scaled up uniformly to fill the screen and centred.
read -r scale offx offy < <(awk -v s="$SCREEN" 'BEGIN {
  split(s, d, "x"); f = d[1] / 1024; if (d[2] / 768 < f) f = d[2] / 768; if (f < 1) f = 1
  printf "%.6f %d %d\n", f, (d[1] - 1024 * f) / 2, (d[2] - 768 * f) / 2 }')
# Screen pixels of a point or a size on the program's display.
sx() { awk -v v="$1" -v f="$scale" -v o="$offx" 'BEGIN { printf "%d", o + v * f + 0.5 }'; }
sy() { awk -v v="$1" -v f="$scale" -v o="$offy" 'BEGIN { printf "%d", o + v * f + 0.5 }'; }
sz() { awk -v v="$1" -v f="$scale" 'BEGIN { printf "%d", v * f + 0.5 }'; }
# Moves the pointer to a point of the program's display and clicks there.
click_at() {
  xdotool mousemove "$(sx "$1")" "$(sy "$2")"
  sleep 0.2
  xdotool click 1
}
# How far the region WxH+X+Y of the program's display on the last screenshot
# is from a picture file, as a root mean square error of 0..1. Both are
# reduced to an eighth of the region's size first, so that neither the
# scaling nor a pixel of rounding in the placement counts.
differs_from() {
  local region=$1 picture=$2 w h x y small
  IFS='x+' read -r w h x y <<<"$region"
  small="$(((w + 7) / 8))x$(((h + 7) / 8))!"
  convert "$shot" -crop "$(sz "$w")x$(sz "$h")+$(sx "$x")+$(sy "$y")" +repage \
    -resize "$small" "$work/region.png"
  convert "$picture" -resize "$small" "$work/picture.png"
  (compare -metric RMSE "$work/region.png" "$work/picture.png" null: 2>&1 || true) |
    sed -n 's/.*(\(.*\)).*/\1/p'
}
below() { awk -v r="$1" -v l="$2" 'BEGIN { exit !(r != "" && r < l) }'; }

# The picture folder of a skin screen ("main", "quran", ...) in language 1.
skin_folder() { dirname "$(find "$DISC" -ipath "*/graphic/$1/1/$1.jpg" | head -n1)"; }
# The centre of button N of a skin screen, in the screen's own coordinates.
button_centre() {
  local folder=$1 n=$2 value up size
  value=$(sed -n "s/^[bB]$n=\(.*\)\r\?$/\1/p" "$(find "$folder" -maxdepth 1 -iname "*.ini" | head -n1)")
  up=$(find "$folder" -ipath "*/buttons/up/$(printf %02d "$n").jpg" | head -n1)
  size=$(identify -format '%w %h' "$up")
  echo $((10#$(tr -d ' ' <<<"${value:0:3}") + ${size% *} / 2)) \
    $((10#$(tr -d ' ' <<<"${value:5:3}") + ${size#* } / 2))
}

# Ends the program with Ctrl+Q and waits for it to end, up to 5 s; sets
# `quit_ms` to the time it took.
quit_with_keys() {
  local start i
  start=$(date +%s%N)
  xdotool key ctrl+q
  for i in $(seq 500); do kill -0 "$app" 2>/dev/null || break; sleep 0.01; done
  kill -0 "$app" 2>/dev/null && fail "Ctrl+Q did not end the program"
  quit_ms=$((($(date +%s%N) - start) / 1000000))
  wait "$app" || fail "the program ended with an error"
  app=""
}

# The program's windows on the screen other than its full-screen hub (the
# error boxes), one "ID WxH+X+Y" a line, in stacking order from the bottom.
boxes() {
  local id geometry
  xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*/\1/p' | tac |
    while read -r id; do
      xdotool search --pid "$app" 2>/dev/null | grep -qx "$((id))" || continue
      xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
      geometry=$(xwininfo -id "$id" | sed -n 's/^ *-geometry \([0-9x+-]*\).*/\1/p')
      [ "${geometry%%+*}" = "$SCREEN" ] && continue
      echo "$id $geometry"
    done
}

# The main menu's folder; the band above its buttons identifies it.
menu=$(skin_folder main)
[ -d "$menu" ] || fail "no main menu on $DISC"
convert "$menu/main.jpg" -crop 1024x140+0+0 +repage "$work/ref.png"

# Waits for a region of the display to show a picture, up to `seconds`,
# looking at the screen several times a second.
wait_for() {
  local region=$1 picture=$2 what=$3 seconds=${4:-60} rmse=""
  local start=$SECONDS
  while [ $((SECONDS - start)) -lt "$seconds" ]; do
    sleep 0.25
    alive
    shoot || continue
    rmse=$(differs_from "$region" "$picture")
    if below "$rmse" 0.03; then
      echo "$what shown after $((SECONDS - start)) s (difference $rmse)"
      return 0
    fi
  done
  fail "$what did not appear; last difference: ${rmse:-none}"
}

# Waits through the intro video and the logo (5 s) for the main menu, up to a minute.
wait_for_menu() { wait_for 1024x140+0+0 "$work/ref.png" "main menu"; }

# Left, top, width and height of button N of the layout in folder F.
button() {
  local value
  value=$(sed -n "s/^[bB]$2=\(.*\)\r\?$/\1/p" "$1/$(basename "$(dirname "$1")").ini" | head -n1)
  local nn; nn=$(printf '%02d' "$2")
  local size; size=$(identify -format '%w %h' "$(find "$1" -ipath "*/buttons/up/$nn.jpg" | head -n1)")
  echo "$((10#$(echo "${value:0:3}" | tr -d ' '))) $((10#$(echo "${value:5:3}" | tr -d ' '))) $size"
}

# Bounding box and count of the marked (red) pixels of the page in region
# $page of the last screenshot: "WxH+X+Y N".
marks() {
  convert "$shot" -crop "$page" +repage -fuzz 40% \
    -fill black +opaque red -fill white -opaque red "$work/mask.png"
  local count box
  count=$(convert "$work/mask.png" -format '%[fx:round(mean*w*h)]' info:)
  box=$(convert "$work/mask.png" -format '%@' info:)
  echo "$box $count"
}

# Waits until the marks have stood at N different places in turn (the
# recitation moving on), up to 30 s.
follow_marks() {
  local want=$1 i box count
  seen=()
  for i in $(seq 100); do
    sleep 0.3
    alive
    shoot || continue
    read -r box count < <(marks)
    [ "$count" -gt 30 ] || continue
    if [ ${#seen[@]} -eq 0 ] || [ "${seen[-1]%% *}" != "$box" ]; then
      seen+=("$box $count")
      echo "marks at $box ($count red pixels) at poll $i"
    fi
    [ ${#seen[@]} -ge "$want" ] && return 0
  done
  fail "the red marks did not follow the recitation (seen: ${seen[*]:-none})"
}
