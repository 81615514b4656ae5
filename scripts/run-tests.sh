#!/usr/bin/env bash
# Builds and runs every test: the full build with CTest, the core again under ASan+UBSan and
# under TSan, a short fuzz run, and a program that loads the installed engine library.
# Usage: scripts/run-tests.sh   (from anywhere; needs scripts/install-deps.sh to have run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${QUORVANE_JOBS:-$(nproc)}
fuzz_seconds=${QUORVANE_FUZZ_SECONDS:-60}

step() { printf '\n==== %s ====\n' "$*"; }

step "default build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
step "default tests"
ctest --preset default

step "ASan + UBSan build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan

step "TSan build and tests"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan

if [ -x scripts/fuzz.sh ]; then
  step "fuzz (${fuzz_seconds} s)"
  scripts/fuzz.sh "$fuzz_seconds"
fi

if [ -x examples/run-example.sh ]; then
  step "example client against the installed library"
  examples/run-example.sh build/default
fi

echo
echo "all test stages passed"
