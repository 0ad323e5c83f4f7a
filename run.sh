#!/usr/bin/env bash
# Sets everything up and starts Tavlix with the given parameters
# (none: a solo game against the computer).
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): running under xvfb-run."
  exec xvfb-run -a "$TAVLIX_BUILD_DIR/tavlix" "$@"
fi
exec "$TAVLIX_BUILD_DIR/tavlix" "$@"
