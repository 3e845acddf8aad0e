#!/usr/bin/env bash
# Builds Orvanta with its tests and runs every test. ORVANTA_WERROR=ON (as in
# CI) makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
cmake -S . -B build-test -DORVANTA_BUILD_TESTS=ON -DORVANTA_BUILD_BENCHMARKS=ON \
    -DORVANTA_WERROR="${ORVANTA_WERROR:-OFF}" >/dev/null
cmake --build build-test --parallel "$(nproc)"
cd build-test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
