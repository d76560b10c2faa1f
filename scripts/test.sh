#!/usr/bin/env bash
# Builds and runs every test: the normal build (GCC), then the same tests
# under AddressSanitizer and UndefinedBehaviorSanitizer (clang), then the fuzz
# targets (clang, libFuzzer) for a short fixed time each.
set -euo pipefail
cd "$(dirname "$0")/.."

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/ccache}"
export CTEST_OUTPUT_ON_FAILURE=1
jobs=$(nproc)

echo "== build and test (RelWithDebInfo)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
ctest --test-dir build -j"$jobs"

# The sanitizer build uses clang, so every configuration of CI also shows
# that clang builds the whole project.
echo "== build and test with AddressSanitizer + UndefinedBehaviorSanitizer (clang)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCORVANTA_SANITIZE=ON -DCORVANTA_BENCH=OFF \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
cmake --build build-asan
ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}" \
UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
  ctest --test-dir build-asan -j"$jobs"

if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  echo "== fuzz targets (clang + libFuzzer)"
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANTA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
  cmake --build build-fuzz --target fuzzers
  scripts/run-fuzzers.sh build-fuzz "${FUZZ_SECONDS:-60}"
fi

echo "== all tests passed"
