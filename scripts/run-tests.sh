#!/usr/bin/env bash
# Builds and runs every test: the full build with CTest (the PostgreSQL extension against a
# server of its own among them), the style check, the core again under ASan+UBSan and under
# TSan, a short fuzz run, a program that loads the installed engine library, and the Windows
# programs cross-built with MinGW-w64, 64-bit and 32-bit, and tested under Wine.
# Usage: scripts/run-tests.sh   (from anywhere; needs scripts/install-deps.sh to have run)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=${QUORVANE_JOBS:-$(nproc)}
fuzz_seconds=${QUORVANE_FUZZ_SECONDS:-60}

step() { printf '\n==== %s ====\n' "$*"; }

# Every CTest run's closing line is collected so the end can give one total.
summary=$(mktemp)
trap 'rm -f "$summary"' EXIT
run_ctest() {
  ctest --preset "$1" | tee /dev/stderr | grep -E 'tests passed, [0-9]+ tests failed out of' >>"$summary"
}

step "default build"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
step "default tests"
run_ctest default 2>&1

step "style: clang-format and clang-tidy checks"
scripts/check-style.sh build/default

step "ASan + UBSan build and tests"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
run_ctest asan 2>&1

step "TSan build and tests"
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
run_ctest tsan 2>&1

if [ -x scripts/fuzz.sh ]; then
  step "fuzz (engine ${fuzz_seconds} s; import, MaxMind DB, region6.db readers, IPv6 text $((fuzz_seconds / 3)) s each)"
  scripts/fuzz.sh "$fuzz_seconds" region
  scripts/fuzz.sh $((fuzz_seconds / 3)) import mmdb region6 ipv6
  step "style: clang-tidy checks of the fuzz targets"
  scripts/check-style.sh --fuzz build/fuzz
fi

if [ -x examples/run-example.sh ]; then
  step "example client against the installed library"
  examples/run-example.sh build/default
fi

step "Windows build (MinGW-w64) and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
step "style: clang-tidy checks of the Windows-only sources"
scripts/check-style.sh --windows build/windows
run_ctest windows 2>&1
step "the Windows programs answer as the Linux ones"
scripts/compare-windows.sh build/default build/windows

step "32-bit Windows build (i686 MinGW-w64) and tests under Wine's 32-bit half"
cmake --preset windows-x86 >/dev/null
cmake --build --preset windows-x86 -j "$jobs"
run_ctest windows-x86 2>&1
step "the 32-bit Windows programs answer as the Linux ones"
scripts/compare-windows.sh build/default build/windows-x86

total=$(awk '{n += $NF} END {print n + 0}' "$summary")
echo
echo "all test stages passed (fuzz run, example client and Windows comparison included)"
echo "ctest: ${total} passed, 0 failed"
