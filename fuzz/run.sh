#!/usr/bin/env bash
# Builds every libFuzzer target and runs each for SECONDS (default 30), one
# after another, starting from the committed seeds in fuzz/corpus/<name> and
# keeping what it finds in fuzz/corpus-work/<name> (not committed).
#   fuzz/run.sh [SECONDS] [TARGET...]     e.g. fuzz/run.sh 600 fuzz_sentence
# ORVANTA_FUZZ_NO_BUILD=1 skips the build (for runs started side by side).
# Exits non-zero when a target reports a finding; the input that caused it
# is kept under fuzz/corpus-work/artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-30}"
shift || true
build="${ORVANTA_FUZZ_BUILD_DIR:-$root/build-fuzz}"

if [ "${ORVANTA_FUZZ_NO_BUILD:-0}" != 1 ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DORVANTA_BUILD_FUZZERS=ON \
        -DORVANTA_BUILD_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --parallel "$(nproc)" --target fuzzers
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for exe in "$build"/fuzz/fuzz_*; do
        [ -x "$exe" ] && [ -f "$exe" ] && targets+=("$(basename "$exe")")
    done
fi

work="$root/fuzz/corpus-work"
mkdir -p "$work/artifacts" "$work/logs"
status=0
summary=()
for target in "${targets[@]}"; do
    name="${target#fuzz_}"
    mkdir -p "$work/$name"
    options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=3072 -max_len=65536
             -print_final_stats=1 -artifact_prefix="$work/artifacts/$target-")
    [ -f "$root/fuzz/$name.dict" ] && options+=(-dict="$root/fuzz/$name.dict")
    seeds=()
    [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
    log="$work/logs/$target.log"
    echo "== $target: ${seconds}s"
    if "$build/fuzz/$target" "${options[@]}" "$work/$name" "${seeds[@]}" >"$log" 2>&1; then
        result=ok
    else
        result=FINDING
        status=1
        grep -E 'invariant broken|ERROR|SUMMARY|Test unit written' "$log" | head -20 || true
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    last="$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+' || true)"
    summary+=("$(printf '%-16s %-8s runs: %-10s %s' "$target" "$result" "${runs:-?}" "$last")")
done
printf '%s\n' "${summary[@]}"
exit $status
