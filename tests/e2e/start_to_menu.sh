#!/usr/bin/env bash
# Starts the real program and checks from a screenshot that the main menu is
# shown after the intro.
# Usage: start_to_menu.sh ZAFIREL_EXECUTABLE DISC_FOLDER
EXE=$1 DISC=$2
source "$(dirname "$0")/common.sh"
wait_for_menu
