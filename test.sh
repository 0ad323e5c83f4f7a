#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite; exits with the
# suite's status.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
export QT_QPA_PLATFORM=offscreen
# A runtime folder of the tests' own (mode 0700, as the desktop makes one):
# Qt needs one, and no test meets the sockets and locks of a game that the
# user is playing meanwhile.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
cd "$TAVLIX_BUILD_DIR"
# The lab tests build real networks and need root; elsewhere they skip, and
# the closing lines say which and why. TAVLIX_REQUIRE_LABS=1 (CI, as root)
# fails the run when one skipped.
report="$XDG_RUNTIME_DIR/ctest.xml"
status=0
ctest -j2 --output-on-failure --output-junit "$report" "$@" || status=$?
ctest -N -L lab >"$XDG_RUNTIME_DIR/labs.txt"
require=()
[ "${TAVLIX_REQUIRE_LABS:-0}" = 1 ] && require=(--require-labs)
python3 "$TAVLIX_ROOT/tools/test-summary.py" "$report" "$XDG_RUNTIME_DIR/labs.txt" "${require[@]}" || status=1
exit "$status"
