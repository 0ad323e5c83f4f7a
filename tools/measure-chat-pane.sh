#!/usr/bin/env bash
# Measures what a chat line costs as the chat pane's history grows: 10,000
# lines from two seats that alternate their colours, time per line for each
# thousand. The last thousand should cost less than twice the first; the
# script fails otherwise.
#
#   tools/measure-chat-pane.sh [lines]     (default 10000)
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
cmake --build "$TAVLIX_BUILD_DIR" --target tavlix_chatpane_bench >/dev/null
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$TAVLIX_BUILD_DIR/tools/benchmarks/tavlix_chatpane_bench" "$@"
fi
exec "$TAVLIX_BUILD_DIR/tools/benchmarks/tavlix_chatpane_bench" "$@"
