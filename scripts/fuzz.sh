#!/usr/bin/env bash
# Builds the fuzz preset (clang, ASan + UBSan, libFuzzer) and runs each fuzz target for the given
# number of seconds, starting from its seed corpus in fuzz/corpus/ (read, never written: what the
# run finds goes to a scratch folder). Targets: region (the search engine over arbitrary database
# bytes), import (arbitrary bytes imported as an address list), mmdb (the database pipeline's
# MaxMind DB reader), region6 (the region6.db reader over arbitrary bytes), ipv6 (the IPv6 text
# rule against the system's inet_pton). Without target names all five run.
# Usage: scripts/fuzz.sh SECONDS [TARGET...]   Exits non-zero when a fuzzer finds a fault; the
# input that caused it is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(region import mmdb region6 ipv6)
jobs=${QUORVANE_JOBS:-2}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target "${targets[@]/%/_fuzzer}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p build/fuzz/artifacts
for target in "${targets[@]}"; do
  case $target in
    # Databases need more than the default 4 KiB input: the header index alone is 8 KiB.
    region) max_len=65536 ;;
    # The seeds' region6.db files have tables of at most 64 slices and a few hundred ranges.
    region6) max_len=32768 ;;
    # The longest IPv6 text is 45 characters; some room for blanks around and for junk.
    ipv6) max_len=256 ;;
    *) max_len=16384 ;;
  esac
  mkdir -p "$scratch/$target"
  echo "fuzzing $target for $seconds s"
  # -malloc_limit_mb: a single allocation this large means a size was taken from the input on
  # trust.
  build/fuzz/bin/${target}_fuzzer -max_total_time="$seconds" -max_len="$max_len" \
    -rss_limit_mb=2048 -malloc_limit_mb=512 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/artifacts/ "$scratch/$target" "fuzz/corpus/$target"
done
