#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted as .clang-format says.
#   scripts/format-check.sh        (clang-format -i FILE... fixes them)
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
else
    find . \( -path './build*' -o -path './.git' \) -prune -o \
        \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format --dry-run --Werror
fi
