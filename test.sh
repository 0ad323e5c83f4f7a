#!/usr/bin/env bash
# Sets everything up, builds and runs the whole test suite; exits with the
# suite's status.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
export QT_QPA_PLATFORM=offscreen
cd "$TAVLIX_BUILD_DIR"
exec ctest -j2 --output-on-failure
