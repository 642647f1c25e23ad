#!/usr/bin/env bash
# Sets up what is missing, builds with warnings as errors and runs every test, then does the same
# with AddressSanitizer and UndefinedBehaviorSanitizer; then checks the installed program and its
# Debian package, and the core built for Windows under Wine.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

for preset in ci asan; do
  echo "=== $preset: build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "=== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done

scripts/check-packaging.sh build/ci
scripts/check-windows-core.sh
