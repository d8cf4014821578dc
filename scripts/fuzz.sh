#!/usr/bin/env bash
# Builds the fuzz targets and runs each in turn, one process at a time, for longer than the tests
# do: on its own working corpus, kept from run to run in the build folder, plus the committed
# seeds. Prints how many inputs each target ran; an input that fails a target is kept and named.
#   scripts/fuzz.sh [seconds per target, 60 unless given]
set -euo pipefail
seconds="${1:-60}"
TSY_NATIVE_ONLY=1 source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
native="$TSY_BUILD/native"
read -r -a targets < "$native/fuzz_targets.txt"

failed=()
summary=()
for name in "${targets[@]}"; do
  corpus="$native/fuzzing/$name/corpus"
  findings="$native/fuzzing/$name/findings"
  log="$native/fuzzing/$name/log"
  mkdir -p "$corpus" "$findings"
  echo "== $name, $seconds s"
  status=0
  "$native/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
    -artifact_prefix="$findings/" "$corpus" "$TSY_ROOT/tests/fuzz/corpus/$name" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\)$/\1/p' "$log" | tail -n 1)
  summary+=("$(printf '%-14s %12s executions  %6s inputs in its corpus' "$name" "${runs:-?}" \
    "$(find "$corpus" -type f | wc -l)")")
  if [ "$status" != 0 ]; then
    failed+=("$name")
    echo "   failed (exit $status): see $log and $findings"
  fi
done

echo "== Executions"
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" != 0 ]; then
  echo "Failed: ${failed[*]}"
  exit 1
fi
