#!/usr/bin/env bash
# Checks over AT-SPI that the main window's controls carry the accessible
# names screen readers and desktop automation look for. Starts the built
# program in a solo game on a private X server and a private session bus,
# walks the window's accessibility tree and reports every expected name
# that is missing.
#
#   tools/check-accessible-names.sh [build-dir] [name...]
#
# A name may be given as "role=name" ("push button=Start Game") to ask for
# that role too. Without names it looks for the start button, some menu
# items, the turn arrow, the board and a hand tile.
# Needs: xvfb-run (xvfb, xauth), dbus-run-session (dbus), the AT-SPI bus
# (at-spi2-core) and Debian's Python with pyatspi (python3-pyatspi, run as
# /usr/bin/python3). Exit status
# 0 when every name was found, 1 otherwise.
set -euo pipefail

SELF=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")

run_checks() {
  # The AT-SPI registry comes up on the private session bus on demand.
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  "$BUILD/tavlix" >"$WORK/tavlix.log" 2>&1 &
  local game=$!
  local status=0
  /usr/bin/python3 - "$@" <<'PY' || status=$?
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
        try:
            found.add(node.getRoleName() + "=" + name)
        except Exception:
            pass
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

# Inside the private bus and X server: run the checks.
if [ "${1:-}" = "--inside" ]; then
  shift
  run_checks "$@"
  exit
fi

ROOT=$(cd "$(dirname "$SELF")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
shift || true
NAMES=("$@")
if ((${#NAMES[@]} == 0)); then
  NAMES=("push button=Start Game" "menu item=Start Game" "Board" "Just Watch" "Exit" "Play Sounds" "Spy List"
         "About" "Turn arrow" "Tile 1: empty" "Show Fitting Cells")
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR=$WORK HOME=$WORK BUILD WORK
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash "$SELF" --inside "${NAMES[@]}"
