#!/usr/bin/env bash
# Runs every fuzz target for a bounded time: fuzz/run.sh <build dir> [seconds].
# Seeds come from fuzz/corpus/<target>/ (read only), the words worth trying
# from fuzz/<target>.dict where there is one; what the fuzzer learns
# goes to <build dir>/corpus/<target>/. A failing input is saved as
# <build dir>/artifacts/<target>-crash-... and ends the run with an error.
set -euo pipefail
build=${1:?usage: fuzz/run.sh <build dir> [seconds]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
targets=(parse_number format_total select_size add_object add_aperture parts_file)

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts"
for t in "${targets[@]}"; do
  mkdir -p "$build/corpus/$t"
  dict=()
  [[ -f "$here/$t.dict" ]] && dict=(-dict="$here/$t.dict")
  echo "fuzz_$t: ${seconds}s"
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "${dict[@]}" \
    -artifact_prefix="$build/artifacts/$t-" \
    "$build/corpus/$t" "$here/corpus/$t" 2>"$build/fuzz_$t.log" \
    || { tail -n 60 "$build/fuzz_$t.log"; echo "fuzz_$t failed; input in $build/artifacts/"; exit 1; }
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$build/fuzz_$t.log" | tr '\n' ' '
  echo
done
