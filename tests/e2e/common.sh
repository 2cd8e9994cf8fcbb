# Shared by the end-to-end tests: starts the real program under its own Xvfb
# on a disc with the real media device (audio to the null output) and waits
# for the main menu. Source it with EXE and DISC set; it defines `work`,
# `display`, `app`, and the functions below.
set -euo pipefail
work=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$1"
  echo "--- program output:"; cat "$work/app.log"
  if [ -f "$work/shot.png" ]; then
    cp "$work/shot.png" "${TMPDIR:-/tmp}/$(basename "$0" .sh)_last.png"
    echo "last screenshot: ${TMPDIR:-/tmp}/$(basename "$0" .sh)_last.png"
  fi
  exit 1
}
alive() { kill -0 "$app" 2>/dev/null || fail "the program ended early"; }
shoot() { import -display "$display" -window root "$work/shot.png" 2>/dev/null; }
# The normalised RMSE difference of two pictures of one size (0 when alike).
rmse() { (compare -metric RMSE "$1" "$2" null: 2>&1 || true) | sed -n 's/.*(\(.*\)).*/\1/p'; }

# Xvfb picks a free display itself and tells its number.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 20 -u "$fd" number || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
display=":$number"
export DISPLAY=$display
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$work/runtime" && chmod 700 "$work/runtime"
: >"$work/app.log"
ZAFIREL_DISC=$DISC ZAFIREL_AUDIO=null "$EXE" >"$work/app.log" 2>&1 &
app=$!

# The main menu's folder; the band above its buttons identifies it.
menu=$(dirname "$(find "$DISC" -ipath '*/graphic/main/1/main.jpg' | head -n1)")
[ -d "$menu" ] || fail "no main menu on $DISC"
convert "$menu/main.jpg" -crop 1024x140+0+0 +repage "$work/ref.png"

# Waits through the intro video and the logo (5 s) for the main menu, up to a minute.
wait_for_menu() {
  local i difference=""
  for i in $(seq 60); do
    sleep 1
    alive
    shoot || continue
    convert "$work/shot.png" -crop 1024x140+0+0 +repage "$work/band.png"
    difference=$(rmse "$work/band.png" "$work/ref.png")
    if awk -v r="$difference" 'BEGIN { exit !(r != "" && r < 0.02) }'; then
      echo "main menu shown after ${i} s (band difference $difference)"
      return 0
    fi
  done
  fail "the main menu did not appear; last band difference: ${difference:-none}"
}
