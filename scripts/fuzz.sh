#!/usr/bin/env bash
# Builds the fuzz preset (clang, ASan + UBSan, libFuzzer) and fuzzes the region search engine for
# the given number of seconds, starting from a seed corpus made at run time.
# Usage: scripts/fuzz.sh SECONDS      Exits non-zero when the fuzzer finds a fault; the input
# that caused it is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
jobs=${QUORVANE_JOBS:-2}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target region_fuzzer region_fuzz_seeds

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build/fuzz/bin/region_fuzz_seeds "$corpus"
mkdir -p build/fuzz/artifacts
# Databases need more than the default 4 KiB input: the header index alone is 8 KiB.
build/fuzz/bin/region_fuzzer -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix=build/fuzz/artifacts/ "$corpus"
