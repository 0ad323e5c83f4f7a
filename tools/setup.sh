#!/usr/bin/env bash
# Shared set-up of run.sh, test.sh and CI: installs the Debian packages that
# are missing (apt-get is skipped when everything is there), configures the
# build directory once and builds. Quick when nothing changed.
#
#   TAVLIX_BUILD_DIR   build directory (default: build)
#   TAVLIX_CMAKE_ARGS  extra arguments for the first configure
set -euo pipefail

TAVLIX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TAVLIX_BUILD_DIR=${TAVLIX_BUILD_DIR:-build}
case "$TAVLIX_BUILD_DIR" in /*) ;; *) TAVLIX_BUILD_DIR="$TAVLIX_ROOT/$TAVLIX_BUILD_DIR" ;; esac

TAVLIX_PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-multimedia-dev libgl-dev
  libgtest-dev
  libcurl4-openssl-dev libjpeg62-turbo-dev
  xvfb xauth fonts-liberation
  desktop-file-utils appstream dpkg-dev
  python3
  pulseaudio pulseaudio-utils
)

tavlix_install_packages() {
  local missing=() p
  for p in "${TAVLIX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing Debian packages: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tavlix_build() {
  if [ ! -f "$TAVLIX_BUILD_DIR/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    cmake -S "$TAVLIX_ROOT" -B "$TAVLIX_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TAVLIX_CMAKE_ARGS:-} >/dev/null
  fi
  cmake --build "$TAVLIX_BUILD_DIR" -j"$(nproc)"
}

tavlix_install_packages
tavlix_build
