#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks it with lintian,
# installs it on this machine with apt-get (as root), starts
# /usr/games/tavlix under xvfb-run for a solo game, ends it with SIGTERM and
# removes the package again, so the machine is left as it was. Fails when
# lintian reports any error or warning, when the package does not build or
# install, or the game does not stay up, log in, or end cleanly.
#
#   tools/package-check.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export DEBIAN_FRONTEND=noninteractive

(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/tavlix_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package at $deb"; exit 1; }
echo "Package $deb; it depends on:"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ */  /'

# Debian's own checker, without overrides: errors and warnings fail the
# check; notes at the info level (hardening flags of the build) are shown.
if ! lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb"; then
  echo "lintian found errors or warnings in $deb"
  exit 1
fi
echo "lintian accepts $deb."

scratch=$(mktemp -d)
cleanup() {
  apt-get remove -y -qq tavlix >/dev/null 2>&1 || true
  rm -rf "$scratch"
}
trap cleanup EXIT
timeout 600 apt-get install -y -qq "./$deb"
test -x /usr/games/tavlix
test -x /usr/games/orvellobby
test -f /usr/share/man/man6/tavlix.6.gz -a -f /usr/share/man/man6/orvellobby.6.gz
desktop-file-validate /usr/share/applications/com.orvelsoftware.Tavlix.desktop

# The game runs under a private home, data folder and runtime folder, and a
# small script inside the X server's session starts it, watches it and ends
# it: it must still run after 5 seconds, have logged in by then (its
# settings file holds Help=2, in the per-user data folder), and end with
# status 0 on SIGTERM.
mkdir -p "$scratch/home" "$scratch/run" && chmod 700 "$scratch/run"
cat >"$scratch/smoke.sh" <<'SMOKE'
/usr/games/tavlix &
game=$!
for _ in $(seq 1 20); do
  grep -qs Help=2 "$XDG_DATA_HOME/Tavlix/orvellobby.ini" && break
  sleep 0.5
done
sleep 2
kill -0 "$game" 2>/dev/null || { echo "tavlix ended by itself"; wait "$game"; exit 1; }
grep -qs Help=2 "$XDG_DATA_HOME/Tavlix/orvellobby.ini" || { echo "tavlix did not log in"; kill -KILL "$game"; exit 1; }
kill -TERM "$game"
wait "$game"
SMOKE
if ! HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_RUNTIME_DIR="$scratch/run" \
    timeout 120 xvfb-run -a -s "-screen 0 1024x768x24" bash "$scratch/smoke.sh"; then
  echo "The installed game did not run and end cleanly."
  exit 1
fi
test -f "$scratch/data/Tavlix/Tavlixtally.tld" || { echo "no tally written at exit"; exit 1; }
if ls /usr/games/orvellobby.ini /usr/games/Tavlixtally.tld >/dev/null 2>&1; then
  echo "the installed game wrote into /usr/games"
  exit 1
fi
echo "The installed game started, logged in and ended cleanly on SIGTERM."
