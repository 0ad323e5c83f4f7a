#!/usr/bin/env bash
# Regenerates the desktop icons under assets/icons/hicolor/ from the game's
# tile art (tools/icons/makeicons.cpp). Run it after changing TileArt and
# commit the pictures it writes.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/setup.sh
cmake --build "$TAVLIX_BUILD_DIR" --target tavlix_makeicons
QT_QPA_PLATFORM=offscreen "$TAVLIX_BUILD_DIR/tools/icons/tavlix_makeicons" assets/icons/hicolor
