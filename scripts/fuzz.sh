#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz in build-fuzz/ (clang, ASan and UBSan, every library instrumented)
# and runs each for SECONDS (default 60) on its seed corpus, printing executions and coverage per harness.
# New inputs go to build-fuzz/fuzz-work/<harness>/, crashes to build-fuzz/fuzz-work/<harness>-crashes/; the
# corpus in the repo is only read. Exits non-zero when a harness found a crash.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --full
seconds=${1:-60}
build_dir=${ORVIK_FUZZ_BUILD_DIR:-build-fuzz}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Fuzz "-DCMAKE_CXX_FLAGS_FUZZ=-O1 -gline-tables-only" \
  -DCMAKE_CXX_COMPILER=clang++ -DORVIK_FUZZ=ON -DORVIK_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build_dir" --target orvik_fuzzers make_database_seeds --parallel "${ORVIK_FUZZ_JOBS:-$(nproc)}"

corpus=tests/fuzz/corpus
work=$build_dir/fuzz-work
export QT_QPA_PLATFORM=offscreen
status=0
printf '%-16s %12s %8s %8s  %s\n' harness executions cov features result
for harness in "$build_dir"/tests/fuzz/fuzz_*; do
  [ -f "$harness" ] && [ -x "$harness" ] || continue
  name=${harness##*/fuzz_}
  mkdir -p "$work/$name" "$work/$name-crashes" "$corpus/$name"
  log=$work/$name.log
  result=ok
  "$harness" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/$name-crashes/" "$work/$name" "$corpus/$name" >"$log" 2>&1 || { result="CRASH, see $log"; status=1; }
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' "$log" | tail -1)
  features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' "$log" | tail -1)
  printf '%-16s %12s %8s %8s  %s\n' "$name" "${executions:-?}" "${coverage:-?}" "${features:-?}" "$result"
done
exit $status
