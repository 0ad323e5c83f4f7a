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
ctest -j2 --output-on-failure
