#!/usr/bin/env bash
# Builds the core library and the core tests for 64-bit Windows with MinGW-w64 and runs each test
# program once under Wine. Windows-only faults (text-mode line ends, renaming over a file, backslash
# paths, file names outside ASCII) live in core code, and this is where they show without a Windows
# machine. Exits non-zero when the build or any test program fails.
#
# Uses build/windows-core (GoogleTest built from Debian's sources, the project, the Wine prefix);
# ccache when it is installed. Needs what scripts/install-deps.sh installs.
set -euo pipefail
cd "$(dirname "$0")/.."

source_dir=$PWD
build_dir=$source_dir/build/windows-core
toolchain=$source_dir/cmake/toolchains/mingw-w64-x86_64.cmake
googletest_source=/usr/src/googletest
wine_loader=/usr/lib/wine/wine64
jobs=$(nproc)

for needed in x86_64-w64-mingw32-g++-posix "$wine_loader"; do
  command -v "$needed" >/dev/null || { echo "missing $needed: run scripts/install-deps.sh" >&2; exit 1; }
done
[ -f "$googletest_source/CMakeLists.txt" ] || { echo "missing $googletest_source: run scripts/install-deps.sh" >&2; exit 1; }

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi

started=$SECONDS

# GoogleTest for Windows, built once from the sources Debian installs.
googletest_prefix=$build_dir/googletest-install
if [ ! -f "$googletest_prefix/lib/cmake/GTest/GTestConfig.cmake" ]; then
  echo "=== windows-core: GoogleTest"
  cmake -S "$googletest_source" -B "$build_dir/googletest" -G Ninja --log-level=WARNING \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$googletest_prefix" \
    "${launcher[@]}" >/dev/null
  cmake --build "$build_dir/googletest" -j "$jobs" >/dev/null
  cmake --install "$build_dir/googletest" >/dev/null
fi

echo "=== windows-core: build"
cmake -S "$source_dir" -B "$build_dir/project" -G Ninja --log-level=WARNING \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug \
  -DCURVEDESK_BUILD_GUI=OFF -DCURVEDESK_BUILD_TESTS=ON -DCURVEDESK_WARNINGS_AS_ERRORS=ON \
  -DGTest_DIR="$googletest_prefix/lib/cmake/GTest" "${launcher[@]}" >/dev/null
cmake --build "$build_dir/project" --target curvedesk_core_tests -j "$jobs"

echo "=== windows-core: test under Wine"
export WINEPREFIX=$build_dir/wine
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer: the tests need neither. No menu entries for the prefix's programs, and
# a home of its own, so that making the prefix leaves the user's desktop and home as they were.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export HOME=$build_dir/home
mkdir -p "$HOME"
# Wine keeps file names on the Linux side in the locale's encoding, which has to be UTF-8 for names
# outside ASCII (C.UTF-8 is always there); Windows programs still get the western ANSI code page,
# Windows-1252, as on most machines the program runs on.
unset LANG LANGUAGE
export LC_ALL=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY

failed=()
while read -r program; do
  [ -n "$program" ] || continue
  name=$(basename "$program" .exe)
  if "$wine_loader" "$program" --gtest_brief=1 </dev/null >"$build_dir/$name.log" 2>&1; then
    echo "$name: passed ($(grep -o '[0-9]* tests\? from [0-9]* test suites\? ran' "$build_dir/$name.log" | head -1))"
  else
    echo "$name: FAILED"
    cat "$build_dir/$name.log"
    failed+=("$name")
  fi
done <"$build_dir/project/core-test-programs.txt"

echo "=== windows-core: $((SECONDS - started)) s"
if [ ${#failed[@]} -ne 0 ]; then
  echo "windows-core: failed: ${failed[*]}" >&2
  exit 1
fi
