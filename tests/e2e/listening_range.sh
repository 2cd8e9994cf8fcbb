#!/usr/bin/env bash
# Starts the real program under Xvfb with the real media device (audio to the
# null output) and a range of three ayas (1:2 to 1:4) recited twice, then
# stopped. From libmpv's own log it checks the sequence of files and
# positions: the recording of sura 1 opened at 1:1 and played on through
# 1:2..1:4, opened again at the start of 1:2 for the second round, and once
# more at the start of 1:2 where the recitation stops; nothing after that.
# Usage: listening_range.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
before_start() {
  mkdir -p "$work/config/zafirel"
  cat >"$work/config/zafirel/zafirel.conf" <<'CONF'
[start]
at_menu=true

[recitation]
range_from=1:2
range_to=1:4
range_count=2
range_then_stop=true
CONF
  export ZAFIREL_MPV_LOG=cplayer=debug
}
source "$(dirname "$0")/common.sh"

wait_for_menu
sleep 0.5
read -r bx by < <(button_centre "$menu" 1)
click_at "$bx" "$by"

# Loads of the recording and the seeks that follow them, as libmpv logs them.
events() { grep -aoE 'Run command: (loadfile|seek)[^]]*' "$work/app.log" | sed -E \
  -e 's/.*loadfile.*url="([^"]*)".*/load \1/' \
  -e 's/.*loadfile.*args=\[([^,]*),.*/load \1/' \
  -e 's/.*seek.*target="([^"]*)".*/seek \1/' \
  -e 's/.*seek.*args=\[([^,]*),.*/seek \1/'; }
loads() { events | grep -c '^load' || true; }

for i in $(seq 120); do
  sleep 0.5
  alive
  [ "$(loads)" -ge 3 ] && break
done
sleep 3 # the recitation has stopped: nothing more is loaded
mapfile -t seen < <(events)
printf '  %s\n' "${seen[@]}"
files=$(events | sed -n 's/^load //p' | sort -u)
[ "$(loads)" = 3 ] || fail "expected 3 loads of the recording, saw $(loads)"
[ "$(echo "$files" | wc -l)" = 1 ] && [[ $files == */001.mp3 ]] ||
  fail "expected only sura 1's recording, saw: $files"
# The seek after each load: 1:1 from 0, then twice the start of 1:2.
mapfile -t starts < <(events | awk '/^load/ { l = 1; next } l && /^seek/ { print $2; l = 0 }')
[ "${#starts[@]}" = 3 ] || fail "expected a start position after each load: ${starts[*]:-none}"
awk -v a="${starts[0]}" -v b="${starts[1]}" -v c="${starts[2]}" \
  'BEGIN { exit !(a + 0 == 0 && b + 0 > 0 && b == c) }' ||
  fail "the rounds did not start at 1:1, then twice at 1:2: ${starts[*]}"
if grep -q "^ZAFIREL:" "$work/app.log"; then fail "an error box was shown"; fi
echo "the range was recited twice from ${starts[1]} s and stopped there"
quit_with_keys
