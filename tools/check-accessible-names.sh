#!/usr/bin/env bash
# Checks over AT-SPI that the controls carry the accessible names screen
# readers and desktop automation look for. Starts the built program in a
# solo game, and the launcher beside it, on a private X server and a private
# session bus, walks their accessibility trees and reports every expected
# name that is missing, every control a player uses (one that takes the
# focus or can be pressed) without a name, and every value label (a label
# with its role as description) whose name lacks its value.
#
#   tools/check-accessible-names.sh [build-dir] [name...]
#
# A name may be given as "role=name" ("push button=Start Game") to ask for
# that role too, or as "press:name" for a control that offers the press
# action. Without names it looks for the start button, some menu items, the
# turn arrow, the board, the chat, the own score and a pressable hand tile.
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
  # The launcher, when it was built, in a folder of its own so it keeps its
  # settings there.
  local lobby=
  if [ -x "$BUILD/orvellobby" ]; then
    mkdir -p "$WORK/lobby"
    cp "$BUILD/orvellobby" "$WORK/lobby/"
    "$WORK/lobby/orvellobby" >"$WORK/orvellobby.log" 2>&1 &
    lobby=$!
  fi
  local status=0
  /usr/bin/python3 - "$@" <<'PY' || status=$?
import re, sys, time
import pyatspi

wanted = set(sys.argv[1:])
found = set()
faults = set()

# Controls a player uses: what can take the focus or be pressed. Their
# names must not be empty.
USED_ROLES = {"push button", "toggle button", "check box", "radio button", "text", "entry", "password text",
              "combo box", "spin button", "slider", "list", "table", "tree", "tree table", "page tab",
              "menu item", "check menu item", "radio menu item", "menu", "link"}
# A label that carries its role in its description shows a value: its name
# must carry that value, never only the role ("Score of seat 1", "Status").
ROLE_ONLY = re.compile(r"^(Score of seat \d+|Last points of seat \d+|Status|Rounds)$")

def where(node):
    parts = []
    while node is not None and len(parts) < 6:
        try:
            parts.append(node.getRoleName() + (":" + node.name if node.name else ""))
            node = node.parent
        except Exception:
            break
    return " < ".join(parts)

def actions_of(node):
    try:
        action = node.queryAction()
        return [action.getName(i) for i in range(action.nActions)]
    except Exception:
        return []

def walk(node, depth=0):
    if node is None or depth > 40:
        return
    try:
        name = node.name or ""
        role = node.getRoleName()
        description = node.description or ""
        states = node.getState()
        showing = states.contains(pyatspi.STATE_SHOWING)
    except Exception:
        return
    actions = actions_of(node)
    if name:
        found.add(name)
        found.add(role + "=" + name)
        for action in actions:
            found.add(action.lower() + ":" + name)
    if showing:
        used = role in USED_ROLES and (states.contains(pyatspi.STATE_FOCUSABLE) or actions)
        if used and not name.strip():
            faults.add("UNNAMED " + where(node))
        if role == "label" and (ROLE_ONLY.match(name) or (description and name.strip() in ("", description))):
            faults.add("NO VALUE " + where(node) + " (description: " + description + ")")
    for i in range(node.childCount):
        try:
            walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            pass

deadline = time.time() + 30
while time.time() < deadline:
    found.clear()
    faults.clear()
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower().startswith(("tavlix", "orvellobby")):
            walk(app)
    if wanted <= found:
        break
    time.sleep(1)

missing = sorted(wanted - found)
for name in sorted(wanted):
    print(("ok      " if name in found else "MISSING ") + name)
for fault in sorted(faults):
    print(fault)
sys.exit(1 if missing or faults else 0)
PY
  kill "$game" $lobby 2>/dev/null || true
  wait "$game" $lobby 2>/dev/null || true
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
         "About" "Turn arrow" "press:Tile 1: empty" "Show Fitting Cells" "Go to Board" "Chat" "Chat message"
         "push button=Chat pictures" "label=You: 0 points" "label=You: no last points")
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export XDG_RUNTIME_DIR=$WORK HOME=$WORK BUILD WORK
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash "$SELF" --inside "${NAMES[@]}"
