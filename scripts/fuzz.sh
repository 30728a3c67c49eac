#!/usr/bin/env bash
# Builds the fuzzers (clang-14, AddressSanitizer, UndefinedBehaviorSanitizer) and runs
# each for SECONDS, one target at a time (in one process unless KALVO_FUZZ_JOBS says more),
# starting from its committed corpus.
# Prints per target the executions, speed, coverage and findings; exits 1 on a finding.
#
#   scripts/fuzz.sh SECONDS [TARGET ...]     targets: engine reports stat resistor cli fieldsolver
#
# KALVO_FUZZ_RUNS=N ends a target's run after N executions if that comes first.
# KALVO_FUZZ_JOBS=J runs J processes of each target side by side on the shared corpus
# (each to N/J executions); the figures printed are their sums, coverage their maximum.
# The grown corpora are kept in $KALVO_FUZZ_DIR/corpus/TARGET (default build-fuzz
# beside the source tree) and continue in the next run; findings are written to
# $KALVO_FUZZ_DIR/findings/TARGET, full logs to $KALVO_FUZZ_DIR/logs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${KALVO_FUZZ_DIR:-$root/build-fuzz}
all_targets=(engine reports stat resistor cli fieldsolver)

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: scripts/fuzz.sh SECONDS [TARGET ...]  (targets: ${all_targets[*]})" >&2
    exit 2
fi
seconds=$1
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all_targets[@]}")

"$root/scripts/install-packages.sh" clang-14 libclang-rt-14-dev cmake make qt6-base-dev libeigen3-dev
CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKALVO_BUILD_FUZZERS=ON -DKALVO_SANITIZE=ON -DKALVO_BUILD_GUI=OFF -DKALVO_BUILD_BENCH=OFF \
    -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}" >/dev/null

# The dictionary of a target, if it has one.
dictionary() {
    case $1 in
        engine | reports) echo "$root/fuzz/dict/engine.dict" ;;
        stat) echo "$root/fuzz/dict/stat.dict" ;;
        cli) echo "$root/fuzz/dict/cli.dict" ;;
    esac
}

# The number after the last occurrence of LABEL in a log, 0 if there is none.
last_number() {
    local number
    number=$(grep -o "$1 *[0-9]*" "$2" | tail -1 | sed "s/^$1 *//" || true)
    echo "${number:-0}"
}

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build/logs"
printf '%-9s %8s %12s %8s %7s %8s %8s\n' target seconds executions exec/s cov features findings
status=0
jobs=${KALVO_FUZZ_JOBS:-1}
runs=${KALVO_FUZZ_RUNS:--1}
[ "$runs" -lt 0 ] || runs=$(((runs + jobs - 1) / jobs))
for target in "${targets[@]}"; do
    corpus=$build/corpus/$target
    findings=$build/findings/$target
    stamp=$(date +%Y%m%d-%H%M%S)
    mkdir -p "$corpus" "$findings"
    dict=$(dictionary "$target")
    logs=()
    for ((job = 1; job <= jobs; ++job)); do
        log=$build/logs/$target-$stamp$([ "$jobs" -eq 1 ] || echo "-$job").log
        logs+=("$log")
        "$build/bin/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
            -print_final_stats=1 -runs="$runs" -artifact_prefix="$findings/" ${dict:+-dict="$dict"} \
            "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1 &
    done
    wait
    executions=0 speed=0 coverage=0 features=0
    for log in "${logs[@]}"; do
        executions=$((executions + $(last_number 'stat::number_of_executed_units: ' "$log")))
        speed=$((speed + $(last_number 'stat::average_exec_per_sec: ' "$log")))
        log_coverage=$(last_number 'cov: ' "$log")
        log_features=$(last_number 'ft: ' "$log")
        [ "$log_coverage" -le "$coverage" ] || coverage=$log_coverage
        [ "$log_features" -le "$features" ] || features=$log_features
    done
    found=$(find "$findings" -type f | wc -l)
    printf '%-9s %8s %12s %8s %7s %8s %8s\n' "$target" "$seconds" "$executions" "$speed" \
        "$coverage" "$features" "$found"
    [ "$found" -eq 0 ] || status=1
done
exit $status
