#!/usr/bin/env bash
# Floods a hosting copy of the program with chatter sounds from one
# connection and measures what another player hears: the host relays at
# most one chatter sound per connection every 2 seconds, drops the rest,
# and keeps the flooding connection. Also prints the host's CPU share while
# the flood lasts.
#
#   tools/measure-sound-flood.sh [seconds]     (default 10)
#
# Binds port 7772 (the game's port): no other copy may be hosting.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-10}
exe=${TAVLIX_EXE:-build/tavlix}
[ -x "$exe" ] || { echo "build the program first (./run.sh or ./test.sh)"; exit 1; }
export LC_ALL=C
ff=$'\xff'

# A private copy so settings and tally files of a real install stay untouched,
# and a private runtime directory so a running copy does not interfere.
work=$(mktemp -d)
pid=""
flooder=""
trap '[ -n "$flooder" ] && kill "$flooder" 2>/dev/null; [ -n "$pid" ] && kill "$pid" 2>/dev/null; wait 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/tavlix"
mkdir -m 700 "$work/run"
(cd "$work" && XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen exec ./tavlix Host 127.0.0.1 true >/dev/null 2>&1) &
pid=$!
# Waits for the listener (port 7772 is 1E5C in /proc/net/tcp, 0A listening),
# then a moment more: the hosting player's own client takes seat 1 first.
for _ in $(seq 50); do
    grep -q ':1E5C 00000000:0000 0A' /proc/net/tcp && break
    sleep 0.2
done
sleep 1

# Connects on descriptor $1 and logs in as $2; the seat number goes to
# $seat. (Not in a subshell: the descriptor must stay open here.)
login() {
    local fd=$1 name=$2 greeting=""
    eval "exec $fd<>/dev/tcp/127.0.0.1/7772"
    IFS= read -r -d "$ff" -t 5 -u "$fd" greeting || { echo "no greeting from the host"; exit 1; }
    seat=${greeting#CMD_sendlogininfo+}
    printf 'CMD_logininfo+%s+1.0.0+%s%s' "$seat" "$name" "$ff" >&"$fd"
}
login 3 Listener
login 4 Flooder
flood=$seat

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")

# The flood: sound requests as fast as the shell writes them.
(
    sent=0
    end=$((SECONDS + seconds))
    while [ $SECONDS -lt $end ]; do
        printf 'CMD_playasound+%s+wave5+%s' "$flood" "$ff" >&4
        sent=$((sent + 1))
    done
    echo "$sent" > "$work/sent"
) &
flooder=$!

# The listener notes the time of every sound it hears from the flooder.
start=$EPOCHREALTIME
: > "$work/heard"
alive=yes
until_t=$(awk -v s="$start" -v d="$seconds" 'BEGIN { printf "%.6f", s + d + 1 }')
while awk -v now="$EPOCHREALTIME" -v u="$until_t" 'BEGIN { exit !(now < u) }'; do
    message=""
    if IFS= read -r -d "$ff" -t 1 -u 3 message; then
        case $message in
            "CMD_playasound+$flood+"*) echo "$EPOCHREALTIME" >> "$work/heard" ;;
            "CMD_playerdisconnected+$flood+"*) alive=no ;;
        esac
    fi
done
wait "$flooder" || true
flooder=""
after=$(ticks "$pid")

sent=$(cat "$work/sent" 2>/dev/null || echo 0)
awk -v sent="$sent" -v s="$seconds" -v t=$((after - before)) -v hz="$hz" -v alive="$alive" '
    { if (NR > 1) { gap = $1 - last; if (min == "" || gap < min) min = gap } last = $1; n++ }
    END {
        printf "flood of %d s: %d sound requests sent, %d heard by another player\n", s, sent, n
        if (n > 1) printf "shortest gap between sounds heard: %.3f s\n", min
        printf "host CPU during the flood: %.1f%% of one core; flooding connection still open: %s\n", 100 * t / hz / s, alive
    }' "$work/heard"
