#!/usr/bin/env bash
# Checks the dependency direction of the libraries: the link graph that
# `cmake --graphviz` writes must have no cycle, and the Qt-free libraries
# (common, rules, records, settings, lobbyd) must link no Qt. Prints the project's
# own arrows and exits non-zero on a violation.
#
#   tools/check-dependencies.sh [build directory]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
graph=$(mktemp -d)
trap 'rm -rf "$graph"' EXIT
cmake -S . -B "$build" --graphviz="$graph/deps.dot" >/dev/null

# Lines such as:  "node2" -> "node15"  // tavlix_shell -> tavlix_chat
edges=$(sed -n 's|.*// \(tavlix_[a-z_]*\) -> \([A-Za-z0-9_:]*\)$|\1 \2|p' "$graph/deps.dot" \
  | grep -v '_tests\|_bench\|_fuzz\|testsupport' | sort -u)
grep ' tavlix_' <<<"$edges" | awk '{ print "  " $1 " -> " $2 }'

status=0
if ! tsort <<<"$(grep ' tavlix_' <<<"$edges")" >/dev/null 2>"$graph/cycle"; then
  echo "A cycle in the library graph:" >&2
  cat "$graph/cycle" >&2
  status=1
fi
if grep -E '^tavlix_(common|rules|records|settings|lobbyd) Qt6::' <<<"$edges" >&2; then
  echo "A Qt-free library links Qt (above)." >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "No cycle; the Qt-free libraries link no Qt."
exit "$status"
