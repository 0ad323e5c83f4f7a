#!/usr/bin/env bash
# Builds the Debian packages from a build folder (tavlix, and orvellobbyd
# with the meeting service), checks them with lintian, installs them on this
# machine with apt-get (as root), starts /usr/games/tavlix under xvfb-run for
# a solo game and ends it with SIGTERM, checks the service's systemd unit
# (systemd-analyze verify, and its exposure rating offline) and starts the
# service as the unit would, then removes the packages again, so the machine
# is left as it was. Fails when lintian reports any error or warning, when a
# package does not build or install, the game does not stay up, log in, or
# end cleanly, or the service does not serve and end cleanly.
#
#   tools/package-check.sh [build folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
export DEBIAN_FRONTEND=noninteractive

(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/tavlix_${version}_$(dpkg --print-architecture).deb"
servicedeb="$build/orvellobbyd_${version}_$(dpkg --print-architecture).deb"
for d in "$deb" "$servicedeb"; do
  [ -f "$d" ] || { echo "no package at $d"; exit 1; }
  echo "Package $d; it depends on:"
  dpkg-deb -f "$d" Depends | tr ',' '\n' | sed 's/^ */  /'
done
if dpkg-deb -f "$deb" Depends Recommends | grep -q orvellobbyd; then
  echo "the game's package depends on the service"
  exit 1
fi

# Debian's own checker, without overrides: errors and warnings fail the
# check; notes at the info level (hardening flags of the build) are shown.
if ! lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" "$servicedeb"; then
  echo "lintian found errors or warnings in $deb or $servicedeb"
  exit 1
fi
echo "lintian accepts $deb and $servicedeb."

scratch=$(mktemp -d)
cleanup() {
  [ -n "${service_pid:-}" ] && kill "$service_pid" 2>/dev/null
  apt-get remove -y -qq tavlix orvellobbyd >/dev/null 2>&1 || true
  rm -rf "$scratch" /var/lib/orvellobbyd
}
trap cleanup EXIT
timeout 600 apt-get install -y -qq "./$deb" "./$servicedeb"
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

# The service, as systemd would start it from its unit (this machine runs no
# systemd): the unit is verified and rated offline, then its own ExecStart
# line runs as an unprivileged user of its own, with the unit's file limit,
# umask and state folder, in a network namespace of its own (port 7773).
unit=/usr/lib/systemd/system/orvellobbyd.service
test -x /usr/sbin/orvellobbyd -a -f /usr/share/man/man8/orvellobbyd.8.gz -a -f "$unit"
systemd-analyze verify "$unit"
exposure=$(systemd-analyze security --offline=true "$unit" 2>/dev/null | sed -n 's/.*Overall exposure level for orvellobbyd.service: \([0-9.]*\).*/\1/p')
echo "systemd-analyze security --offline=true rates the unit's exposure $exposure."
awk -v e="$exposure" 'BEGIN { exit !(e != "" && e <= 2.0) }' || { echo "exposure above 2.0"; exit 1; }
exec_start=$(sed -n 's/^ExecStart=//p' "$unit")
state=/var/lib/$(sed -n 's/^StateDirectory=//p' "$unit")
nofile=$(sed -n 's/^LimitNOFILE=//p' "$unit")
umask_value=$(sed -n 's/^UMask=//p' "$unit")
service_uid=61873
install -d -m 0700 -o "$service_uid" -g "$service_uid" "$state"
cat >"$scratch/service.sh" <<SERVICE
ip link set lo up
# The unit's file limit, or the hard limit where this machine allows less.
ulimit -n $nofile 2>/dev/null || ulimit -n \$(ulimit -Hn)
umask $umask_value
STATE_DIRECTORY=$state setpriv --reuid=$service_uid --regid=$service_uid --clear-groups --no-new-privs $exec_start 2>"$scratch/service.log" &
pid=\$!
# A hosting copy registers and gets its code; the key file is made once.
for _ in \$(seq 1 50); do grep -qs "listening on 0.0.0.0:7773" "$scratch/service.log" && break; sleep 0.1; done
exec 3<>/dev/tcp/127.0.0.1/7773
printf 'HOST name=Ann game=tavlix version=$version players=1 watchers=0 free=5 state=waiting round=0 locked=0 visibility=invite\n' >&3
read -r -t 5 answer <&3
echo "\$answer"
kill -TERM \$pid
read -r -t 5 refusal <&3
read -r -t 5 refusal2 <&3
echo "\$refusal \$refusal2"
wait \$pid
SERVICE
output=$(timeout 60 unshare -n bash "$scratch/service.sh") || { echo "the service did not end cleanly"; cat "$scratch/service.log"; exit 1; }
cat "$scratch/service.log"
grep -q "^REGISTERED code=+" <<<"$output" || { echo "the service did not register a table: $output"; exit 1; }
grep -q "ERR shutting-down" <<<"$output" || { echo "the service did not end in order: $output"; exit 1; }
grep -q "made a new key in $state/key" "$scratch/service.log" || { echo "no key made in $state"; exit 1; }
grep -q "listening on \[::\]:7773" "$scratch/service.log" || { echo "not listening on IPv6"; exit 1; }
[ "$(stat -c '%u %a' "$state/key")" = "$service_uid 600" ] || { echo "the key file is not the service's own"; exit 1; }
echo "The installed service ran from its unit's ExecStart, served a host and ended cleanly on SIGTERM."
