#!/usr/bin/env bash
# How long the real program takes to end, after each kind of use: from the
# Ctrl+Q key or the click on an exit button to the end of the process, with
# the real media device under Xvfb. Prints one line per kind of use with the
# times of each round in milliseconds.
# Usage: bench/quit_time.sh ZAFIREL_EXECUTABLE DISC_FOLDER [ROUNDS]
# With SHOTS=folder, the screen before each end is kept there as <use>.png;
# USES="use:how ..." measures only those (how: ctrl+q, menu16 or reader1).
EXE=$(realpath "$1") DISC=$(realpath "$2") ROUNDS=${3:-3}
e2e=$(dirname "$(realpath "$0")")/../tests/e2e

# Points of the 1024 by 768 display: the reader lies at 112,84, its go-to
# panel at 640,80 inside it, the sura index over it.
menu_button() { read -r x y < <(button_centre "$menu" "$1") && click_at "$x" "$y"; }
reader() { menu_button 1 && sleep 3; }
reader_button() { click_at $((112 + 8 + 35 + ($1 - 1) * 76)) 653; }
sura_index() { click_at 429 119 && sleep 1; }       # the reader's index label

use_menu() { :; }
use_reciting() { reader; }
use_sura_chosen() { reader && sura_index && click_at 706 522 && sleep 2; }
use_sura_just_chosen() { reader && sura_index && click_at 706 522 && sleep 0.1; }
use_reader_just_opened() { menu_button 1 && sleep 0.3; }
use_sura_index_open() { reader && sura_index; }
use_panel_typed() {
  reader && click_at 823 436 && xdotool type --delay 100 5 && xdotool key Return && sleep 2
}
use_settings_saved() {
  menu_button 13 && sleep 1
  read -r x y < <(button_centre "$(skin_folder settings)" 1)
  click_at $((112 + x)) $((84 + y)) && sleep 1
}
use_about_open() { menu_button 15 && sleep 1; }
use_menu_after_reading() { reader && reader_button 3 && sleep 1; }

# One round: start, wait for the menu, use, end; prints the milliseconds.
round() {
  local use=$1 how=$2
  (
    source "$e2e/common.sh" >/dev/null
    wait_for_menu >/dev/null
    sleep 0.5
    "use_$use"
    if [ -n "${SHOTS:-}" ]; then shoot && convert "$shot" "$SHOTS/$use.png"; fi
    case $how in
      ctrl+q) quit_with_keys ;;
      *)
        # An exit button: the pointer is moved first, the time runs from the click.
        if [ "$how" = menu16 ]; then read -r x y < <(button_centre "$menu" 16); else
          x=$((112 + 8 + 35)) y=653; fi
        xdotool mousemove "$(sx "$x")" "$(sy "$y")"
        sleep 0.3
        start=$(date +%s%N)
        xdotool click 1
        for _ in $(seq 500); do kill -0 "$app" 2>/dev/null || break; sleep 0.01; done
        quit_ms=$((($(date +%s%N) - start) / 1000000))
        wait "$app" || true
        app=""
        ;;
    esac
    echo "$quit_ms"
  )
}

rows=${USES:-"menu:ctrl+q menu:menu16 reciting:ctrl+q reciting:reader1 reader_just_opened:ctrl+q
  reader_just_opened:reader1 sura_chosen:ctrl+q sura_just_chosen:ctrl+q sura_index_open:ctrl+q
  panel_typed:ctrl+q settings_saved:ctrl+q about_open:ctrl+q menu_after_reading:menu16"}
for row in $rows; do
  use=${row%:*} how=${row#*:}
  times=()
  for _ in $(seq "$ROUNDS"); do times+=("$(round "$use" "$how")"); done
  printf '%-20s %-9s %s ms\n' "$use" "$how" "${times[*]}"
done
