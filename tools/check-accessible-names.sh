#!/usr/bin/env bash
# Checks over AT-SPI that the main window's controls carry the accessible
# names screen readers and desktop automation look for. Starts the built
# program in a solo game on a private X server and a private session bus,
# walks the window's accessibility tree and reports every expected name
# that is missing.
#
#   tools/check-accessible-names.sh [build-dir] [name...]
#
# Without names it looks for the start button, the menu items and the board.
# Needs: xvfb-run (xvfb, xauth), dbus-run-session (dbus), the AT-SPI bus
# (at-spi2-core) and Python's pyatspi (Debian: python3-pyatspi). Exit status
# 0 when every name was found, 1 otherwise.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-$ROOT/build}
shift || true
NAMES=("$@")
if ((${#NAMES[@]} == 0)); then
  NAMES=("Start Game" "Board" "Just Watch" "Exit" "Play Sounds" "Spy List" "About" "Turn arrow")
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR=$WORK HOME=$WORK
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1

run_checks() {
  # The AT-SPI registry comes up on the private session bus on demand.
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  "$BUILD/tavlix" >"$WORK/tavlix.log" 2>&1 &
  local game=$!
  local status=0
  python3 - "$@" <<'PY' || status=$?
import sys, time
import pyatspi

wanted = set(sys.argv[1:])
found = set()

def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        name = node.name
    except Exception:
        return
    if name:
        found.add(name)
    for i in range(node.childCount):
        try:
            walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            pass

deadline = time.time() + 30
while time.time() < deadline:
    found.clear()
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower().startswith("tavlix"):
            walk(app)
    if wanted <= found:
        break
    time.sleep(1)

missing = sorted(wanted - found)
for name in sorted(wanted):
    print(("ok      " if name in found else "MISSING ") + name)
sys.exit(1 if missing else 0)
PY
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  return $status
}
export -f run_checks
export BUILD WORK
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c 'run_checks "$@"' run_checks "${NAMES[@]}"
