#!/usr/bin/env bash
# Builds Orvanta and starts it from the repository, with the bundled dictionaries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -DORVANTA_BUILD_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target orvanta
exec build/ui/orvanta "$@"
