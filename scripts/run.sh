#!/usr/bin/env bash
# Builds Orvanta and starts it from the repository, with the bundled dictionaries.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -DORVANTA_BUILD_TESTS=OFF >/dev/null
# Everything that `cmake --install build` installs, the command line included.
cmake --build build --parallel "$(nproc)"
exec build/ui/orvanta "$@"
