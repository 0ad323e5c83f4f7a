#!/usr/bin/env bash
# Builds the game and the benchmark programs into build-bench/ and runs every
# benchmark. Each prints one table whose figures are measured side by side in
# the same run, so a busy machine weighs on both sides alike:
#
#   1. start-up: exec to the main window mapped under Xvfb, against an empty
#      QMainWindow program;
#   2. move latency: a joined client's CMD_placetile until its CMD_heplace,
#      against a one-byte loopback round trip to the same host process;
#   3. relay throughput: chat lines spread over eight logged-in clients,
#      against the 100 lines a second of one line per 10 ms tick;
#   4. compressor: the tally coder on 1, 8 and 64 MiB grid texts, against
#      lz4 -1 on the same bytes;
#   5. idle CPU: a solo game and a hosting copy with eight idle clients,
#      against an empty QMainWindow program over the same seconds;
#   6. memory: the host's resident memory after start and after 50 games.
#
#   tools/bench.sh            (the tables also go to build-bench/bench-report.md)
#
# Never part of the test suite. Sections 1 and 5 run the real program, which
# listens on TCP port 7772: no other copy may be hosting meanwhile.
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

TAVLIX_BUILD_DIR=build-bench
TAVLIX_CMAKE_ARGS="-DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF"
[ -f build-bench/CMakeCache.txt ] && cmake -S . -B build-bench -DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF >/dev/null
# shellcheck source=setup.sh
source tools/setup.sh
# What only the benchmarks need: lz4 to compare with, xev to see windows
# being mapped, stdbuf to read xev line by line.
TAVLIX_PACKAGES=(lz4 x11-utils coreutils xvfb xauth)
tavlix_install_packages

bin=$PWD/build-bench
tools=$bin/bench
report=$bin/bench-report.md
work=$(mktemp -d)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
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

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
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
    local line t0 t1="" pid
    coproc XEV { exec stdbuf -oL xev -root -event substructure 2>/dev/null; }
    sleep 0.3
    t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 &
    pid=$!
    while IFS= read -r -t 30 line <&"${XEV[0]}"; do
        [[ $line == MapNotify* ]] && { t1=$EPOCHREALTIME; break; }
    done
    kill "$XEV_PID" 2>/dev/null || true
    sleep 0.5
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wait "$XEV_PID" 2>/dev/null || true
    [ -n "$t1" ] && awk -v a="$t0" -v b="$t1" 'BEGIN { printf "%.1f\n", (b - a) * 1000 }'
}
echo
echo "## 1. Start-up: exec to main window mapped (Xvfb)"
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
empty=$(median < "$work/start-empty")
game=$(median < "$work/start-game")
echo "| program | runs | median ms | all runs ms |"
echo "|---|---|---|---|"
echo "| empty QMainWindow | $runs | $empty | $(paste -sd' ' "$work/start-empty") |"
echo "| tavlix (solo game) | $runs | $game | $(paste -sd' ' "$work/start-game") |"
awk -v g="$game" -v e="$empty" 'BEGIN { printf "| ratio | | %.2fx (goal: at most 2x) | |\n", g / e }'

# 2. Move latency -----------------------------------------------------------
echo
echo "## 2. Move latency over loopback"
echo
echo "The host (the game's own TServer, without windows) runs the pauses after a placement and the computer's"
echo "thinking time through its tick handlers 20 ms after they are armed instead of seconds later; seats 1 and 2"
echo "are raw clients that place their best tile as soon as they get the turn."
echo
"$tools/tavlix_benchclients" latency --samples 500 --host "$tools/tavlix_benchhost" \
    --host-arg=--fast --host-arg=--pause-ms=20 --host-arg=--echo

# 3. Relay throughput -------------------------------------------------------
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

# 4. Compressor ---------------------------------------------------------------
echo
echo "## 4. Compressor: the tally coder against lz4 -1 on the same grid text"
echo
echo "Both in memory, best of several runs (lz4's own benchmark mode, lz4 -b1)."
echo
echo "| grid text | tally coder MB/s | coder ratio | lz4 -1 MB/s | lz4 ratio | coder / lz4 speed (goal >= 0.5) |"
echo "|---|---|---|---|---|---|"
for mib in 1 8 64; do
    read -r coder_speed coder_ratio < <("$tools/tavlix_benchcoder" "$mib" "$work/grid$mib.txt")
    read -r lz4_speed lz4_ratio < <(lz4 -b1 -i2 "$work/grid$mib.txt" 2>&1 | tr '\r' '\n' | grep -- '->' | tail -1 |
        sed -E 's/.*\(([0-9.]+)\), *([0-9.]+) MB\/s.*/\2 \1/')
    awk -v m="$mib" -v cs="$coder_speed" -v cr="$coder_ratio" -v ls="$lz4_speed" -v lr="$lz4_ratio" \
        'BEGIN { printf "| %d MiB | %.0f | %.2f | %.0f | %.2f | %.2fx |\n", m, cs, cr, ls, lr, cs / ls }'
    rm -f "$work/grid$mib.txt"
done

# 5. Idle CPU -----------------------------------------------------------------
echo
echo "## 5. Idle CPU over 20 s, side by side with an empty QMainWindow program"
echo
idle_row() {
    # $1 label, $2 pid of the program, $3 pid of the empty window
    local a0 b0 a1 b1
    a0=$(ticks "$2"); b0=$(ticks "$3")
    sleep 20
    a1=$(ticks "$2"); b1=$(ticks "$3")
    awk -v l="$1" -v a=$((a1 - a0)) -v b=$((b1 - b0)) -v hz="$hz" \
        'BEGIN { printf "| %s | %.2f%% (%d ticks) | %.2f%% (%d ticks) |\n", l, 100 * a / hz / 20, a, 100 * b / hz / 20, b }'
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
"$tools/tavlix_benchclients" idle --port 7772 --clients 8 --seconds 30 > "$work/idle-clients" &
clients=$!
pids+=("$clients")
for _ in $(seq 100); do grep -q ready "$work/idle-clients" 2>/dev/null && break; sleep 0.1; done
sleep 2
idle_row "hosting copy with 8 idle clients" "$hosting" "$empty_pid"
wait "$clients" || echo "(some idle client lost its connection)"
kill "$hosting" "$empty_pid"
wait "$hosting" "$empty_pid" 2>/dev/null || true

# 6. Memory -------------------------------------------------------------------
echo
echo "## 6. Memory: the host's RSS over 50 games of 3 rounds"
echo
echo "The game's host without windows (TServer), pauses run through at once; raw clients in seats 1 and 3,"
echo "the host's computer player in seat 2."
echo
"$tools/tavlix_benchclients" games --clients 2 --computer --games 50 --rounds 3 --every 10 \
    --host "$tools/tavlix_benchhost" --host-arg=--fast
echo
echo "Load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
