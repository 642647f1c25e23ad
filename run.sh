#!/usr/bin/env bash
# Sets up what is missing, builds the release preset and starts the program with the shipped data.
# Arguments go to the program (a curve file to open); --compact starts the compact edition.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

program=curvedesk
args=()
for arg in "$@"; do
  if [ "$arg" = "--compact" ]; then program=curvedesk_compact; else args+=("$arg"); fi
done
exec "build/release/bin/$program" "${args[@]}"
