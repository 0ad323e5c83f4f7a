#!/usr/bin/env bash
# Renders assets/lobby.jpg, the picture of the lobby download window: a few
# matching tiles on the blue board under the launcher's name. The JPEG is
# committed; run this after changing tools/lobbypicture/lobbypicture.cpp.
#
#   TAVLIX_BUILD_DIR   build directory (default: build, configured already)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TAVLIX_BUILD_DIR:-build}
cmake --build "$build" --target tavlix_lobbypicture
QT_QPA_PLATFORM=offscreen "$build/tools/lobbypicture/tavlix_lobbypicture" assets/lobby.jpg
echo "wrote assets/lobby.jpg"
