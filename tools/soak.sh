#!/usr/bin/env bash
# The soak: one hosting copy (the game's own host, TServer, without windows)
# on a loopback port, and five raw clients that place their best legal tile
# as soon as the host gives them the turn, for 100 games of one round; the
# host's computer player plays seat 2 beside them. The host's pauses (after
# a placement, a seat without a move, between rounds) and the computer's
# thinking time are run through at once by its own tick handlers, so the
# games go as fast as the receive queue's 10 ms tick allows.
#
# Passes when, at the end, the host is alive, every client is still
# connected, the host's RSS has grown by no more than 2 MiB since it
# started, and no client received a message outside the host's catalogue.
#
#   tools/soak.sh [games]      (default 100; ends after 30 minutes at most)
#
# Never part of the test suite; builds into build-bench/ like tools/bench.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
games=${1:-100}

TAVLIX_BUILD_DIR=build-bench
TAVLIX_CMAKE_ARGS="-DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF"
[ -f build-bench/CMakeCache.txt ] && cmake -S . -B build-bench -DTAVLIX_BENCH=ON -DTAVLIX_BUILD_TESTS=OFF >/dev/null
# shellcheck source=setup.sh
source tools/setup.sh

tools=$PWD/build-bench/bench
echo "soak: $games games of 1 round, 5 raw clients and the computer; $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$tools/tavlix_benchclients" games --clients 5 --computer --games "$games" --rounds 1 --every 10 --max-seconds 1800 \
    --host "$tools/tavlix_benchhost" --host-arg=--fast
