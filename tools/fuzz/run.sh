#!/usr/bin/env bash
# Runs every built fuzz target of a fuzz build folder for the given seconds
# (default 60), each on a scratch copy of its seed corpus, and prints each
# target's executions per second. A finding stops the run with status 1; the
# failing input is kept in <build>/fuzz-findings/ (turn it into a regression
# test, then add it to the seed corpus).
#
#   tools/fuzz/run.sh build-fuzz [seconds] [target...]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?usage: tools/fuzz/run.sh <fuzz build folder> [seconds] [target...]}
seconds=${2:-60}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
if ((${#targets[@]} == 0)); then
  for exe in "$build"/tools/fuzz/tavlix_*_fuzz; do
    [ -x "$exe" ] && targets+=("$(basename "$exe" | sed 's/^tavlix_//; s/_fuzz$//')")
  done
fi

findings="$build/fuzz-findings"
mkdir -p "$findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/fuzz/lsan.supp:print_suppressions=0"

status=0
printf '%-10s %10s %12s %8s\n' target seconds "execs/s" result
for target in "${targets[@]}"; do
  exe="$build/tools/fuzz/tavlix_${target}_fuzz"
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp tools/fuzz/corpus/"$target"/* "$corpus/"
  log="$build/fuzz-$target.log"
  result=ok
  options=()
  # The client target keeps one whole program with its windows between
  # inputs; a leak scan of that heap after every input would leave it a few
  # runs a second. Its leaks are the sanitizer suite's to find.
  [ "$target" = client ] && options+=(-detect_leaks=0)
  # The time limit bounds one input; -timeout turns a hang into a finding.
  if ! timeout $((seconds + 120)) "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 "${options[@]}" -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1; then
    result=FINDING
    status=1
  fi
  rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$' || echo "?")
  printf '%-10s %10s %12s %8s\n' "$target" "$seconds" "$rate" "$result"
  if [ "$result" != ok ]; then
    tail -n 40 "$log"
  fi
done
if ((status != 0)); then
  echo "A fuzzer found a failing input; it is saved under $findings/."
fi
exit $status
