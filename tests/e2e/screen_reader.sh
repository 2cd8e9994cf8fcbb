#!/usr/bin/env bash
# A screen reader's view of the real program over the AT-SPI bus: the main
# menu's picture buttons are push buttons with their names, and the Quran
# reader's page says where the reader stands and holds the aya's text.
# Runs in its own D-Bus session with its own accessibility bus.
# Usage: screen_reader.sh ZAFIREL_EXECUTABLE DISC_FOLDER
if [ -z "${ZAFIREL_E2E_SESSION:-}" ]; then
  exec env ZAFIREL_E2E_SESSION=1 dbus-run-session -- "$0" "$@"
fi
EXE=$1 DISC=$2
export LC_ALL=C.UTF-8
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
source "$(dirname "$0")/common.sh"
trap 'cleanup; kill "$bus" 2>/dev/null || true' EXIT

# Walks the program's tree; prints one "role<TAB>name<TAB>description" a line,
# and the text of the reader's page.
walk() {
  /usr/bin/python3 - "$app" <<'PY'
import sys, pyatspi
pid = int(sys.argv[1])
def visit(o, depth=0):
    if o is None or depth > 40:
        return
    try:
        print("%s\t%s\t%s" % (o.getRoleName(), o.name, o.description))
        if o.name == "صفحة المصحف":
            text = o.queryText()
            print("page text\t%s" % text.getText(0, text.characterCount))
    except Exception:
        return
    for i in range(o.childCount):
        visit(o.getChildAtIndex(i), depth + 1)
for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.get_process_id() == pid:
        visit(app)
PY
}

wait_for_menu
sleep 1 # the menu shows its buttons 200 ms after it appears
alive
walk >"$work/menu.txt"
buttons=$(grep -c '^push button' "$work/menu.txt" || true)
[ "$buttons" -ge 16 ] || fail "the menu shows $buttons push buttons: $(cat "$work/menu.txt")"
unnamed=$(awk -F'\t' '$1 == "push button" && $2 == ""' "$work/menu.txt" | wc -l)
[ "$unnamed" -eq 0 ] || fail "$unnamed buttons without a name"
for name in "القرآن الكريم" "التفسير" "الإعدادات" "خروج"; do
  grep -qP "^push button\t$name\t" "$work/menu.txt" || fail "no button named $name"
done

# The Quran reader from the keyboard: the first button, then Enter.
xdotool key Down Return
for i in $(seq 50); do
  sleep 0.3
  walk >"$work/reader.txt"
  grep -qP '\tسورة [^،]+، الآية \d+، الصفحة 1، الجزء 1$' "$work/reader.txt" && break
done
grep -qP '^(label|static)\tصفحة المصحف\tسورة [^،]+، الآية \d+، الصفحة 1، الجزء 1$' \
  "$work/reader.txt" || fail "the reader's page does not say where it stands: $(cat "$work/reader.txt")"
grep -qP "^push button\tالآية التالية\t" "$work/reader.txt" || fail "no button named Next aya"
grep -qP '^page text\t\p{Arabic}' "$work/reader.txt" || fail "the page does not hold the aya's text"
quit_with_keys
echo "ok: $buttons named buttons on the menu; the reader says where it stands"
