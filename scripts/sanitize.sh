#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UBSan (-fno-sanitize-recover:
# the first report ends the process) in build-asan and runs the whole test
# suite, the widget tests included on the offscreen platform. Fails when a
# test fails or when any sanitizer report appears in the output at all.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
build="${ORVANTA_ASAN_BUILD_DIR:-build-asan}"

cmake -S . -B "$build" -DORVANTA_SANITIZE=ON -DORVANTA_BUILD_TESTS=ON \
    -DORVANTA_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

cd "$build"
log="$PWD/sanitize-ctest.log"
status=0
ctest --output-on-failure --parallel "$(nproc)" --timeout 900 --output-log "$log" || status=$?
if grep -nE 'ERROR: (AddressSanitizer|LeakSanitizer)|runtime error:' "$log"; then
    echo "sanitize.sh: sanitizer reports above (full log: $log)" >&2
    exit 1
fi
exit $status
