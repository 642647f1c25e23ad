#!/usr/bin/env bash
# Writes the example curves of data/examples with the program's own wizard and curve rules, from the
# shipped ignition descriptions and limits. The files are committed; run this again after changing
# tools/examples/ExampleCurves.cpp or the shipped descriptions (a test fails until then).
#
# Usage: scripts/generate-example-curves.sh [BUILD_DIR]   (default: build/ci, configured if missing)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/ci}
[ -f "$build_dir/build.ninja" ] || cmake --preset ci
cmake --build "$build_dir" --target curvedesk-make-examples
mkdir -p data/examples
"$build_dir/bin/curvedesk-make-examples" data data/examples
