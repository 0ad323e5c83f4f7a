#!/usr/bin/env bash
# Shared set-up of run.sh, test.sh and CI: installs the Debian packages that
# are missing (apt-get is skipped when everything is there), configures the
# build directory once and builds. Quick and silent when nothing changed;
# otherwise one line per step, with the details in the build directory.
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
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
  libgtest-dev
  libcurl4-openssl-dev libjpeg62-turbo-dev
  libnatpmp-dev libminiupnpc-dev
  libasio-dev systemd
  iproute2 nftables miniupnpd-nftables miniupnpc natpmpc
  dbus avahi-daemon avahi-utils libavahi-client-dev
  xvfb xauth fonts-liberation
  desktop-file-utils appstream dpkg-dev lintian
  python3
  pulseaudio pulseaudio-utils
)

# One line per step; apt-get's and the first configure's output go to
# $TAVLIX_BUILD_DIR/setup.log and are shown only when the step fails.
tavlix_install_packages() {
  local missing=() p
  for p in "${TAVLIX_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  mkdir -p "$TAVLIX_BUILD_DIR"
  local log="$TAVLIX_BUILD_DIR/setup.log"
  local noun=packages
  ((${#missing[@]} == 1)) && noun=package
  echo "Installing ${#missing[@]} Debian $noun (output in $log) ..."
  if ! { echo "Installing: ${missing[*]}" &&
         "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q &&
         "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
       } >"$log" 2>&1 </dev/null; then
    cat "$log" >&2
    echo "Installing the Debian packages failed (the output above is in $log)." >&2
    return 1
  fi
}

# Builds quietly: the progress goes to $TAVLIX_BUILD_DIR/build.log. A build
# that has something to do says so in one line; one that fails shows its
# compiler and linker messages (everything but the progress lines).
tavlix_build() {
  if [ ! -f "$TAVLIX_BUILD_DIR/CMakeCache.txt" ]; then
    echo "Configuring the build in $TAVLIX_BUILD_DIR ..."
    mkdir -p "$TAVLIX_BUILD_DIR"
    local setuplog="$TAVLIX_BUILD_DIR/setup.log" output configured=0
    # shellcheck disable=SC2086
    output=$(cmake -S "$TAVLIX_ROOT" -B "$TAVLIX_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${TAVLIX_CMAKE_ARGS:-} 2>&1) ||
      configured=$?
    printf '%s\n' "$output" >>"$setuplog"
    if [ "$configured" -ne 0 ]; then
      printf '%s\n' "$output" >&2
      echo "Configuring the build failed (the output above is in $setuplog)." >&2
      return "$configured"
    fi
  fi
  local log="$TAVLIX_BUILD_DIR/build.log" status=0
  cmake --build "$TAVLIX_BUILD_DIR" -j"$(nproc)" 2>&1 | tavlix_announce_work "$log" || status=$?
  if [ "$status" -ne 0 ]; then
    grep -Ev '^\[ *[0-9]+%\] |^gmake(\[[0-9]+\])?: (Entering|Leaving) directory|^Consolidate compiler generated dependencies' "$log" >&2 || true
    echo "The build failed (the whole output is in $log)." >&2
    return "$status"
  fi
}

# Copies its input to the log and prints one line when the first compile or
# link step appears (the code generators' checks run on every build).
tavlix_announce_work() {
  local said=0 line
  : >"$1"
  while IFS= read -r line; do
    printf '%s\n' "$line" >>"$1"
    if [ "$said" -eq 0 ] && [[ "$line" =~ (Building\ CXX|Linking\ CXX) ]]; then
      echo "Building Tavlix (progress in $1) ..."
      said=1
    fi
  done
}

tavlix_install_packages
tavlix_build
