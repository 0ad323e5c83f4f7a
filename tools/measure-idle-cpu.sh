#!/usr/bin/env bash
# Measures the CPU time of a solo game that waits for its first move: starts
# the program without parameters (under xvfb-run when there is no display),
# lets it settle, then reads its user+system CPU ticks over a window and
# prints the share of one core.
#
#   tools/measure-idle-cpu.sh [seconds]     (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
exe=${TAVLIX_EXE:-build/tavlix}
[ -x "$exe" ] || { echo "build the program first (./run.sh or ./test.sh)"; exit 1; }

# A private copy so settings and tally files of a real install stay untouched,
# and a private runtime directory so a running copy does not interfere.
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/tavlix"
mkdir -m 700 "$work/run"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  XDG_RUNTIME_DIR="$work/run" xvfb-run -a "$work/tavlix" >/dev/null 2>&1 &
else
  XDG_RUNTIME_DIR="$work/run" "$work/tavlix" >/dev/null 2>&1 &
fi
sleep 5
pid=$(pgrep -n -f "^$work/tavlix" || true)
[ -n "$pid" ] || { echo "the program did not start"; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")
sleep "$seconds"
after=$(ticks "$pid")
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "idle CPU over %d s: %.2f%% of one core (%d ticks)\n", s, 100 * t / hz / s, t }'
