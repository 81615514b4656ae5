#!/usr/bin/env bash
# The tree's one style: clang-format (root .clang-format) over every C and C++ file in git, and
# clang-tidy's naming and braces checks (root .clang-tidy) over the sources as a build compiles
# them, their headers included.
#   scripts/check-style.sh [BUILD_DIR]   the format check, then the clang-tidy checks over what the
#       Linux build (default build/default) compiles: the product, the database tools and the
#       pipeline, the tests and the benchmarks.
#   scripts/check-style.sh --windows BUILD_DIR   the clang-tidy checks over what only the MinGW-w64
#       build compiles (ui/win32/, tests/ui/win32/, the win32_ screenshot program, the *_win
#       platform files).
#   scripts/check-style.sh --fuzz BUILD_DIR   the clang-tidy checks over fuzz/ as the clang fuzz
#       build compiles it.
# Left to the format check alone: the layering probes (they fail to compile on purpose) and the
# PostgreSQL module (built by PGXS, PostgreSQL's own names).
# The build must be configured: the check reads its compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=linux
case ${1:-} in
  --windows) mode=windows; shift ;;
  --fuzz) mode=fuzz; shift ;;
esac
build=${1:-build/default}
jobs=${QUORVANE_JOBS:-$(nproc)}
extra=()

case $mode in
  linux)
    echo "check-style: clang-format"
    git ls-files -z '*.c' '*.cc' '*.h' | xargs -0 clang-format --dry-run --Werror
    files="^$PWD/(batch|bench|examples|files|region|tests/(?!layering/)[^/]+|tools|ui)/"
    ;;
  windows)
    files="^$PWD/.*(_win(_test)?\.cc|/win32/[^/]*\.(c|cc)|/win32_[^/]*\.cc)$"
    ;;
  fuzz)
    files="^$PWD/fuzz/"
    ;;
esac

echo "check-style: clang-tidy naming and braces ($mode, $build)"
if [ ! -f "$build/compile_commands.json" ]; then
  echo "check-style: $build/compile_commands.json is missing; configure that build first" >&2
  exit 2
fi
if [ "$mode" = windows ]; then
  # clang parses for the cross compiler's target, with that compiler's C++ library and system
  # headers but its own built-in ones (GCC's intrinsics headers do not parse under clang).
  # grep stops at the first command itself: a "| head" would end it with SIGPIPE mid-file, which
  # pipefail turns into a failure of the whole check.
  cxx=$(grep -m 1 -o '"command": "[^ "]*-g++[^ "]*' "$build/compile_commands.json" |
    sed 's/^"command": "//')
  target=$(basename "$cxx")
  extra+=("-extra-arg=--target=${target%%-g++*}")
  while read -r dir; do
    dir=$(readlink -f "$dir")
    case $dir in
      */lib/gcc/*/include | */lib/gcc/*/include-fixed) ;;
      *) extra+=("-extra-arg=-isystem$dir") ;;
    esac
  done < <("$cxx" -xc++ -E -v - </dev/null 2>&1 |
    sed -n '/#include <...> search starts here/,/End of search list/p' | grep '^ /')
fi
# Only our own sources: generated files (moc, resources) live under the build folder. grep drops
# the noise only; the verdict is run-clang-tidy's own exit status.
set +e
run-clang-tidy -quiet -p "$build" -j "$jobs" "${extra[@]}" "$files" 2>&1 |
  grep -vE '^[0-9]+ warnings? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^$'
status=${PIPESTATUS[0]}
set -e
exit "$status"
