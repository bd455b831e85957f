#!/bin/bash
# fuzz/run.sh BUILD SECONDS: runs every fuzz target of BUILD for SECONDS over its corpus in
# fuzz/corpus/<target>, one after the other. What a run adds to the corpus goes to
# BUILD/found/<target>; what of it reaches code the corpus does not is kept with
#   BUILD/<target>_fuzzer -merge=1 fuzz/corpus/<target> BUILD/found/<target>
# An input that breaks a target is kept as BUILD/crash-<target>-* and fails the run. Prints one line
# per target: its runs, its time and what it found.
set -uo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
for target in settings places numbers calendar html ics; do
  found="$build/found/$target"
  log="$build/logs/$target.log"
  mkdir -p "$found" "$build/logs"
  "$build/${target}_fuzzer" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/crash-$target-" "$found" \
    "$here/corpus/$target" >"$log" 2>&1
  result=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
  added=$(find "$found" -type f | wc -l)
  if [ "$result" -eq 0 ]; then
    echo "$target: ${runs:-?} runs in ${took:-?} s, no failure, $added new inputs in $found"
  else
    echo "$target: FAILED (exit $result), see $log:"
    grep -E 'check failed|ERROR|runtime error|SUMMARY|Test unit written' "$log" | head -5
    status=1
  fi
done
exit $status
