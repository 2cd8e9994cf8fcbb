#!/usr/bin/env bash
# Fails when a C++ file is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' 2>/dev/null || true)
[ -z "$files" ] && exit 0
bad=$(echo "$files" | xargs clang-format --dry-run 2>&1 | grep -c 'warning:' || true)
if [ "$bad" != "0" ]; then
  echo "clang-format: $bad places are not formatted; run: git ls-files '*.cpp' '*.h' | xargs clang-format -i" >&2
  echo "$files" | xargs clang-format --dry-run 2>&1 | grep 'warning:' | head -20 >&2
  exit 1
fi
