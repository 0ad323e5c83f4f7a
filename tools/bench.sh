#!/usr/bin/env bash
# Builds the game and the benchmark programs into build-bench/ and runs every
# benchmark. Each prints one table whose figures are measured side by side in
# the same run, so a busy machine weighs on both sides alike:
#
#   1. start-up and memory: exec to the main window mapped under Xvfb, and
#      the resident memory of a solo game at rest, against an empty
#      QMainWindow program (one menu, 772 x 535), with a private PulseAudio
#      server when pulseaudio is installed, as on a desktop;
#   2. move latency: a joined client's CMD_placetile until its CMD_heplace,
#      against a one-byte loopback round trip to the same host process;
#   3. relay throughput: chat lines spread over eight logged-in clients,
#      against the 100 lines a second of one line per 10 ms tick;
#   4. compressor: the tally coder on 1, 8 and 64 MiB grid texts, against
#      lz4 -1 on the same bytes;
#   5. idle CPU: a solo game and a hosting copy with eight idle clients,
#      against an empty QMainWindow program over the same seconds;
#   6. memory: the host's resident memory after start and after 50 games;
#   7. strength: Strong against Classic and against a greedy player over
#      1,000 seeded games each, and Strong's time per move; then one-round
#      games of the Expert against Strong, against Classic and with three
#      Strong seats, two games at a time, and the Expert's CPU time per move.
#   8. lost connection: seconds from a peer's network vanishing to its seat
#      being freed, with the connection settings as shipped (needs root).
#   9. open port: 1,000 connects from one address in 10 s, while a seated
#      player's requests are timed and a player from another address joins;
#      strangers at four addresses that keep within every limit (19 connects
#      a minute, a login and 255 lines behind it) while a seated player's
#      chat echo is timed; 12 addresses holding the table by rotation while
#      a newcomer joins.
#  10. meeting service: orvellobbyd with 10,000 tables and 1,000 relayed
#      pairs of raw clients on loopback addresses, a timed joiner, and 1,000
#      wrong codes from one address in 10 s; its CPU, memory and latencies.
#      Runs alone (tools/bench.sh 10): it holds about 12,000 connections.
#  11. online: in tests/labs' closed homes with the real meeting service, a
#      join by invite code from the program's start to its seat, and a
#      request's round trip over the service's relay against a direct one
#      (needs root).
#
#   tools/bench.sh [N ...]     sections N (default: all); the tables also go
#                              to build-bench/bench-report.md
#
# Never part of the test suite. Sections 1 and 5 run the real program, which
# listens on TCP port 7772: no other copy may be hosting meanwhile.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

if [ -z "${TAVLIX_BENCH_NETNS:-}" ]; then
    TAVLIX_BUILD_DIR=build-bench
    TAVLIX_CMAKE_ARGS="-DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF"
    [ -f build-bench/CMakeCache.txt ] && cmake -S . -B build-bench -DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF >/dev/null
    # shellcheck source=setup.sh
    source tools/setup.sh
    # What only the benchmarks need: lz4 to compare with, xev to see windows
    # being mapped, stdbuf to read xev line by line, unshare and ip for the
    # network of their own below (pulseaudio comes with the tests' packages).
    TAVLIX_PACKAGES=(lz4 x11-utils coreutils xvfb xauth util-linux iproute2)
    tavlix_install_packages
    # The game's port is fixed, and another copy of the game or a test suite
    # on this machine may hold it. As root the measurements run in a network
    # namespace of their own, whose only interface is a loopback where port
    # 7772 is theirs alone.
    if [ "$(id -u)" -eq 0 ]; then
        exec env TAVLIX_BENCH_NETNS=1 unshare -n -- bash -c 'ip link set lo up && exec bash "$0" "$@"' "$0" "$@"
    fi
fi

sections=" ${*:-1 2 3 4 5 6 7 8 9 10 11} "
want() { [[ $sections == *" $1 "* ]]; }

bin=$PWD/build-bench
tools=$bin/bench
report=$bin/bench-report.md
work=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    # Only the listed programs: a bare wait would also wait for the tee of
    # the report, which ends only when this script does.
    ((${#pids[@]})) && wait "${pids[@]}" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A private display for the windows of sections 1 and 5.
exec 5> "$work/display"
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
exec 5>&-
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb

# A private copy of the game (its settings and tally live beside it) and a
# private runtime folder (its one-copy-per-user marker lives there).
game_copy() {
    local dir=$work/game-$1
    mkdir -p "$dir/run"
    chmod 700 "$dir/run"
    cp "$bin/tavlix" "$dir/tavlix"
    echo "$dir"
}

# CPU time of all threads of a process so far, in ns (schedstat's first field).
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%.0f", s }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print 0; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Port 7772 free (nothing listening on 0x1E5C), waiting up to a minute.
wait_port_free() {
    for _ in $(seq 300); do
        grep -q ':1E5C 00000000:0000 0A' /proc/net/tcp || return 0
        sleep 0.2
    done
    echo "port 7772 stays taken by another program" >&2
    return 1
}
wait_port_listening() {
    for _ in $(seq 100); do
        grep -q ':1E5C 00000000:0000 0A' /proc/net/tcp && return 0
        sleep 0.1
    done
    return 1
}

exec > >(tee "$report") 2>&1
echo "# Tavlix benchmarks"
echo
echo "$(date -u '+%Y-%m-%d %H:%M UTC'); $(nproc) cores; load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)."
echo "Figures of one run; every table compares figures taken side by side in that run."

# 1. Start-up ---------------------------------------------------------------
# Milliseconds from exec to the first top-level window mapped, seen by an X
# client that listens to the root window's children.
startup_ms() {
    local line t0 t1="" pid xev cpu=0
    rm -f "$work/xev.fifo"
    mkfifo "$work/xev.fifo"
    stdbuf -oL xev -root -event substructure > "$work/xev.fifo" 2>/dev/null &
    xev=$!
    exec 6< "$work/xev.fifo"
    sleep 0.3
    t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 &
    pid=$!
    while IFS= read -r -t 30 line <&6; do
        [[ $line == MapNotify* ]] && { t1=$EPOCHREALTIME; break; }
    done
    # CPU time of all its threads by then, in ns (the first field of schedstat).
    cpu=$(cpu_ns "$pid" | awk '{ printf "%.1f", $1 / 1e6 }')
    sleep 0.5
    kill "$pid" "$xev" 2>/dev/null || true
    wait "$pid" "$xev" 2>/dev/null || true
    exec 6<&-
    [ -n "$t1" ] && awk -v a="$t0" -v b="$t1" -v c="$cpu" 'BEGIN { printf "%.1f %s\n", (b - a) * 1000, c }'
}
if want 1; then
echo
echo "## 1. Start-up and memory: exec to main window mapped (Xvfb), RSS at rest"
echo
# A sound server of its own with a null sink, so the game loads its
# recordings as it does on a desktop.
if command -v pulseaudio >/dev/null; then
    mkdir -p "$work/pulse"
    HOME=$work/pulse XDG_RUNTIME_DIR=$work/pulse pulseaudio -n --daemonize=no --system=false --exit-idle-time=-1 \
        --use-pid-file=false --disable-shm=yes --load="module-null-sink sink_name=bench_null" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/socket" >/dev/null 2>&1 &
    pids+=($!)
    export PULSE_SERVER=unix:$work/pulse/socket
    for _ in $(seq 50); do [ -S "$work/pulse/socket" ] && break; sleep 0.1; done
    echo "With a private PulseAudio server (null sink)."
else
    echo "Without a sound server (pulseaudio is not installed): the game loads no recordings."
fi
echo
runs=7
: > "$work/start-empty"
: > "$work/start-game"
wait_port_free
for i in $(seq $runs); do
    startup_ms "$tools/tavlix_emptywindow" >> "$work/start-empty"
    dir=$(game_copy "start$i")
    XDG_RUNTIME_DIR=$dir/run startup_ms "$dir/tavlix" >> "$work/start-game"
done
empty=$(cut -d' ' -f1 "$work/start-empty" | median)
game=$(cut -d' ' -f1 "$work/start-game" | median)
empty_cpu=$(cut -d' ' -f2 "$work/start-empty" | median)
game_cpu=$(cut -d' ' -f2 "$work/start-game" | median)
echo "| program | runs | median ms to mapped | median CPU ms by then (all threads) | all runs, ms to mapped |"
echo "|---|---|---|---|---|"
echo "| empty QMainWindow | $runs | $empty | $empty_cpu | $(cut -d' ' -f1 "$work/start-empty" | paste -sd' ') |"
echo "| tavlix (solo game) | $runs | $game | $game_cpu | $(cut -d' ' -f1 "$work/start-game" | paste -sd' ') |"
awk -v g="$game" -v e="$empty" -v gc="$game_cpu" -v ec="$empty_cpu" \
    'BEGIN { printf "| ratio | | %.2fx (goal: at most 1.5x) | %.2fx | |\n", g / e, gc / ec }'

# Resident memory 5 s after the start: the solo game logged in and waiting
# for its first game, the empty window idle; median of 3 each.
rss_kib() {
    local pid
    "$@" >/dev/null 2>&1 &
    pid=$!
    sleep 5
    awk '/^VmRSS:/ { print $2 }' /proc/"$pid"/status
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
: > "$work/rss-empty"
: > "$work/rss-game"
for i in 1 2 3; do
    rss_kib "$tools/tavlix_emptywindow" >> "$work/rss-empty"
    wait_port_free
    dir=$(game_copy "rss$i")
    XDG_RUNTIME_DIR=$dir/run rss_kib "$dir/tavlix" >> "$work/rss-game"
done
rss_empty=$(median < "$work/rss-empty")
rss_game=$(median < "$work/rss-game")
echo
echo "| program at rest after 5 s | median RSS | all runs, KiB |"
echo "|---|---|---|"
echo "| empty QMainWindow | $(awk -v k="$rss_empty" 'BEGIN { printf "%.1f MiB", k / 1024 }') | $(paste -sd' ' "$work/rss-empty") |"
echo "| tavlix (solo game, logged in) | $(awk -v k="$rss_game" 'BEGIN { printf "%.1f MiB", k / 1024 }') | $(paste -sd' ' "$work/rss-game") |"
awk -v g="$rss_game" -v e="$rss_empty" \
    'BEGIN { printf "| difference | +%.1f MiB (goal: at most +12 MiB) | |\n", (g - e) / 1024 }'
unset PULSE_SERVER
fi

# 2. Move latency -----------------------------------------------------------
if want 2; then
echo
echo "## 2. Move latency over loopback"
echo
echo "The host (the game's own TServer, without windows) runs the pauses after a placement and the computer's"
echo "thinking time through its tick handlers 20 ms after they are armed instead of seconds later; seats 1 and 2"
echo "are raw clients that place their best tile as soon as they get the turn."
echo
"$tools/tavlix_benchclients" latency --samples 500 --host "$tools/tavlix_benchhost" \
    --host-arg=--fast --host-arg=--pause-ms=20 --host-arg=--echo
fi

# 3. Relay throughput -------------------------------------------------------
if want 3; then
echo
echo "## 3. Relay throughput: chat lines spread over 8 logged-in raw clients"
echo
echo "Relay limits lifted (the host's clock for them races ahead), to measure the queue itself; each rate for 5 s."
echo "The queue keeps up while its longest length stays at a few lines; past that it grows by the excess every second."
echo
"$tools/tavlix_benchclients" relay --clients 8 --rates 50,80,90,95,100,110,150 --step-seconds 5 \
    --host "$tools/tavlix_benchhost" --host-arg=--free-relay --host-arg=--queue-report
echo
echo "With the relay limits as shipped (each connection: a burst of 5 lines, then 2 a second), the same 8 clients:"
echo
"$tools/tavlix_benchclients" relay --clients 8 --rates 16,40 --step-seconds 10 \
    --host "$tools/tavlix_benchhost" --host-arg=--queue-report
fi

# 4. Compressor ---------------------------------------------------------------
if want 4; then
echo
echo "## 4. Compressor: the tally coder against lz4 -1 on the same grid text"
echo
echo "CPU time (user + system), so that the busy machine's preemptions count for neither side: the coder in"
echo "memory, best of several runs; lz4 -1 as a command from the cached file to /dev/null, the CPU time of as"
echo "many runs of it on an empty file taken off."
echo
echo "| grid text | tally coder MB/s | coder ratio | lz4 -1 MB/s | lz4 ratio | coder / lz4 speed (goal >= 0.5) |"
echo "|---|---|---|---|---|---|"
: > "$work/empty"
# CPU seconds of $2 runs of lz4 -1 on file $1.
lz4_cpu() {
    local TIMEFORMAT='%3U %3S' i
    { time for ((i = 0; i < $2; i++)); do lz4 -1 -q -c "$1" > /dev/null; done; } 2>&1 | awk '{ print $1 + $2 }'
}
for mib in 1 8 64; do
    grid=$work/grid$mib.txt
    read -r coder_speed coder_ratio < <("$tools/tavlix_benchcoder" "$mib" "$grid")
    bytes=$(stat -c %s "$grid")
    n=$(( 64 / mib * 2 ))
    best=""
    for _ in 1 2 3; do
        t=$(lz4_cpu "$grid" "$n")
        e=$(lz4_cpu "$work/empty" "$n")
        best=$(awk -v t="$t" -v e="$e" -v b="$best" 'BEGIN { d = t - e; if (b == "" || d < b) print d; else print b }')
    done
    lz4_speed=$(awk -v s="$bytes" -v n="$n" -v d="$best" 'BEGIN { printf "%.1f", s * n / d / 1e6 }')
    lz4_ratio=$(awk -v s="$bytes" -v c="$(lz4 -1 -q -c "$grid" | wc -c)" 'BEGIN { printf "%.3f", s / c }')
    awk -v m="$mib" -v cs="$coder_speed" -v cr="$coder_ratio" -v ls="$lz4_speed" -v lr="$lz4_ratio" \
        'BEGIN { printf "| %d MiB | %.0f | %.2f | %.0f | %.2f | %.2fx |\n", m, cs, cr, ls, lr, cs / ls }'
    rm -f "$grid"
done
fi

# 5. Idle CPU -----------------------------------------------------------------
if want 5; then
echo
echo "## 5. Idle CPU over 20 s, side by side with an empty QMainWindow program"
echo
idle_row() {
    # $1 label, $2 pid of the program, $3 pid of the empty window
    local a0 b0 a1 b1
    a0=$(cpu_ns "$2"); b0=$(cpu_ns "$3")
    sleep 20
    a1=$(cpu_ns "$2"); b1=$(cpu_ns "$3")
    awk -v l="$1" -v a=$((a1 - a0)) -v b=$((b1 - b0)) \
        'BEGIN { printf "| %s | %.3f%% (%.1f ms) | %.3f%% (%.1f ms) |\n", l, a / 2e8, a / 1e6, b / 2e8, b / 1e6 }'
}
# Whether the listener on port 7772 is a socket of process $1.
listens_on_7772() {
    local inode
    inode=$(awk '$2 ~ /:1E5C$/ && $4 == "0A" { print $10; exit }' /proc/net/tcp)
    [ -n "$inode" ] && ls -l /proc/"$1"/fd 2>/dev/null | grep -q "socket:\[$inode\]"
}
echo "| program waiting | its CPU, share of one core (goal < 0.3%) | empty QMainWindow meanwhile |"
echo "|---|---|---|"
"$tools/tavlix_emptywindow" >/dev/null 2>&1 &
empty_pid=$!
pids+=("$empty_pid")
wait_port_free
dir=$(game_copy idle-solo)
(cd "$dir" && XDG_RUNTIME_DIR=$dir/run exec ./tavlix >/dev/null 2>&1) &
solo=$!
pids+=("$solo")
sleep 5
listens_on_7772 "$solo" || echo "(port 7772 was taken by another program: the solo game could not start)"
idle_row "solo game, waiting for its move" "$solo" "$empty_pid"
kill "$solo"
wait "$solo" 2>/dev/null || true
wait_port_free
dir=$(game_copy idle-host)
(cd "$dir" && XDG_RUNTIME_DIR=$dir/run exec ./tavlix Host 127.0.0.1 true >/dev/null 2>&1) &
hosting=$!
pids+=("$hosting")
wait_port_listening
sleep 2
listens_on_7772 "$hosting" || { echo "port 7772 was taken by another program: no hosting figure"; exit 1; }
"$tools/tavlix_benchclients" idle --port 7772 --clients 8 --seconds 30 > "$work/idle-clients" &
clients=$!
pids+=("$clients")
for _ in $(seq 100); do grep -q ready "$work/idle-clients" 2>/dev/null && break; sleep 0.1; done
sleep 2
idle_row "hosting copy with 8 idle clients" "$hosting" "$empty_pid"
wait "$clients" || echo "(some idle client lost its connection)"
kill "$hosting" "$empty_pid"
wait "$hosting" "$empty_pid" 2>/dev/null || true
fi

# 6. Memory -------------------------------------------------------------------
if want 6; then
echo
echo "## 6. Memory: the host's RSS over 50 games of 3 rounds"
echo
echo "The game's host without windows (TServer), pauses run through at once; raw clients in seats 1 and 3,"
echo "the host's computer player in seat 2."
echo
"$tools/tavlix_benchclients" games --clients 2 --computer --games 50 --rounds 3 --every 10 \
    --host "$tools/tavlix_benchhost" --host-arg=--fast
fi

# 7. Strength -----------------------------------------------------------------
if want 7; then
echo
echo "## 7. Strength: the computer players against each other"
echo
echo "The host's own game flow without windows or sockets; seats 1 and 2 both played by the host's computer, 2 seats,"
echo "3 rounds, pauses run through at once. Each seed is played twice, the players swapping seats. \"greedy\" is a"
echo "bench-only player that takes the most points now (ties to the first placement in board order)."
echo
"$tools/tavlix_benchstrength" --games 1000 --rounds 3
echo
echo "The Expert thinks for real time, so its games are of one round. Two games are played at once, one per core; a"
echo "move's CPU time is that of the thread that chose it. In 4 seats each seed is played four times, the Expert in each"
echo "seat once, and \"first\" means it won the game."
echo
"$tools/tavlix_benchstrength" --rounds 1 --threads 2 --match expert-strong=300 --match expert-classic=100 \
    --match expert-strong4=200
fi

# 8. Lost connection --------------------------------------------------------
if want 8; then
echo
echo "## 8. Lost connection: a peer's network vanishes (no FIN, no reset) until its seat is freed"
echo
if [ "$(id -u)" -ne 0 ]; then
    echo "Skipped: making a network vanish needs root (a veth pair into a namespace of the peer's own)."
else
    echo "The host (TServer) listens on 7772 here; the peer joins over a veth pair from a namespace of its own,"
    echo "whose side of the link is then taken down. Goal: at most 60 s."
    echo
    echo "| table | seconds until the seat is freed |"
    echo "|---|---|"
    peer_ns=tavlix-bench-peer-$$
    for mode in quiet busy; do
        ip netns add "$peer_ns"
        ip link add tbv-h type veth peer name tbv-p netns "$peer_ns"
        ip addr add 10.77.0.1/24 dev tbv-h && ip link set tbv-h up
        ip -n "$peer_ns" addr add 10.77.0.2/24 dev tbv-p && ip -n "$peer_ns" link set tbv-p up
        flag=""
        [ "$mode" = busy ] && flag=--busy
        result=$("$tools/tavlix_benchvanish" "$peer_ns" tbv-p 10.77.0.1 $flag 2>&1 | tail -1) || true
        label="quiet (nothing to send)"
        [ "$mode" = busy ] && label="busy (a chat line relayed to it every second)"
        echo "| $label | ${result#seconds } |"
        ip netns del "$peer_ns"
        ip link del tbv-h 2>/dev/null || true
    done
fi
fi

# 9. Open port ----------------------------------------------------------------
if want 9; then
echo
echo "## 9. An open port: a stranger floods the host with connects"
echo
echo "The host (TServer without windows) on a loopback port. A stranger at 127.0.0.2 opens 1,000 connections over"
echo "10 s and never logs in; the player at 127.0.0.1 asks the host something every 100 ms; halfway through, a player"
echo "at 127.0.0.3 joins."
echo
"$tools/tavlix_benchclients" flood --connects 1000 --seconds 10 --host "$tools/tavlix_benchhost"
echo
echo "### 9b. The patient stranger: within every limit"
echo
echo "Strangers at four addresses (127.0.0.2 to .5) each open 19 connections a minute, one short of the limit, for 30 s;"
echo "each sends CMD_logininfo+0+1.0.0+ and 255 one-byte lines behind it. The seated player at 127.0.0.1 chats every 600 ms."
echo
"$tools/tavlix_benchclients" probe --seconds 30 --host "$tools/tavlix_benchhost"
echo
echo "### 9c. The table held by rotation"
echo
echo "Strangers at 12 addresses each replace their connection every 1.9 s for 20 s while a player sits at 127.0.0.3;"
echo "halfway a newcomer at 127.0.0.4 joins."
echo
"$tools/tavlix_benchclients" rotation --seconds 20 --host "$tools/tavlix_benchhost"
fi

# 10. Meeting service ------------------------------------------------------
if want 10; then
echo
echo "## 10. The meeting service: 10,000 tables, 1,000 relayed pairs, a flood of wrong codes"
echo
echo "orvellobbyd on 127.0.0.1:7773 (as built, default limits); one raw-client program on one Asio loop: 10,000 hosts"
echo "from 1,000 loopback addresses keep their tables and ping every 25 s; 1,000 pairs relayed through the service"
echo "send a 200-byte line each way every second; a joiner joins one table by code five times a second (its host"
echo "dials the relay and sends a byte at once); halfway through, 127.4.0.1 sends 1,000 wrong codes in 10 s. The"
echo "relayed latency is measured from the sender's write to the receiver's read, through the service. For"
echo "comparison, 100 more pairs send the same lines over direct loopback connections, and 100 through a bare"
echo "forwarder process (no protocol, no limits): the least that any relay in a process of its own costs here."
echo
# Every connection is a descriptor, on both sides.
ulimit -n "$(ulimit -Hn)"
"$bin/src/lobbyd/orvellobbyd" --listen 127.0.0.1:7773 2>"$work/lobbyd.log" &
lobbyd=$!
pids+=("$lobbyd")
"$tools/tavlix_benchlobbyd" --forward 7774 &
forwarder=$!
pids+=("$forwarder")
for _ in $(seq 50); do grep -q "listening on" "$work/lobbyd.log" && break; sleep 0.1; done
"$tools/tavlix_benchlobbyd" --port 7773 --service-pid "$lobbyd" --tables 10000 --pairs 1000 --seconds 20 \
    --forwarder-port 7774 2>"$work/benchlobbyd.log" || { echo "the bench clients failed:"; tail -5 "$work/benchlobbyd.log"; }
kill -TERM "$lobbyd" "$forwarder"
wait "$lobbyd" "$forwarder" 2>/dev/null || true
echo
echo "The service's log: $(grep -c . "$work/lobbyd.log") lines; the bench clients: $(grep -c 'lost its connection' "$work/benchlobbyd.log" || true) connections lost."
fi

# 11. Online -------------------------------------------------------------------
if want 11; then
echo
echo "## 11. Online: joining by invite code, and the relay's added latency"
echo
if [ "$(id -u)" -ne 0 ]; then
    echo "Skipped: the closed homes need root (network namespaces)."
else
    echo "tests/labs/closed-homes.sh: Ann hosts behind carrier-grade NAT, Bo's router lets nobody in, orvellobbyd runs"
    echo "on the public server. A join: the real program started in Bo's home with Ann's code (relayed, since nobody"
    echo "reaches Ann) until Ann's host has his name in seat 2; each join with a fresh service. The round trips: a"
    echo "request (\"play again\") until the host's word of it to everyone comes back, 200 each, for a raw player in"
    echo "Ann's home (direct) and one in Bo's home over the relay. Goals: a join within 2 s, the relay adding at most"
    echo "20 ms to a move's way."
    echo
    lab=online$$
    lab=${lab:0:6}
    tests/labs/closed-homes.sh up "$lab" >/dev/null
    lobbyd_pid=""
    start_lobbyd() {
        ip netns exec "$lab-s" "$bin/src/lobbyd/orvellobbyd" --listen 203.0.113.10:7773 >/dev/null 2>&1 &
        lobbyd_pid=$!
        pids+=("$lobbyd_pid")
        sleep 0.5
    }
    # A fresh service for each join: when a relayed joiner closes first, the
    # service of this version reads into a freed buffer (AddressSanitizer:
    # heap-use-after-free in its relay's read) and may crash at the next
    # connection.
    joins=()
    for _ in 1 2 3 4 5; do
        start_lobbyd
        joins+=("$(QT_QPA_PLATFORM=offscreen "$tools/tavlix_benchonline" "$lab" join "$bin/tavlix" 2>/dev/null || echo failed)")
        kill "$lobbyd_pid" 2>/dev/null; wait "$lobbyd_pid" 2>/dev/null || true
    done
    echo "| figure | median | p95 | goal |"
    echo "|---|---|---|---|"
    echo "| join by code, the program's start to its seat (ms; $(printf '%s ' "${joins[@]}")) | $(printf '%s\n' "${joins[@]}" | grep -v failed | median) ms | | at most 2 s |"
    start_lobbyd
    QT_QPA_PLATFORM=offscreen "$tools/tavlix_benchonline" "$lab" latency 2>/dev/null || echo "| (the round trips could not be measured) | | | |"
    kill "$lobbyd_pid" 2>/dev/null; wait "$lobbyd_pid" 2>/dev/null || true
    tests/labs/closed-homes.sh down "$lab"
fi
fi

echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
