#!/usr/bin/env bash
# Runs quorvane-batch (Linux) and quorvane-batch.exe (under Wine) over the same list and the
# bundled database and fails unless both write the same bytes.
# Usage: scripts/compare-windows-batch.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
linux=$(cd "${1:?usage: compare-windows-batch.sh LINUX_BUILD WINDOWS_BUILD}" && pwd)
windows=$(cd "${2:?usage: compare-windows-batch.sh LINUX_BUILD WINDOWS_BUILD}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Addresses spread over the whole space, with a mark, blank and malformed lines and a last line
# without a break.
{
  printf '\xEF\xBB\xBF'
  for i in $(seq 0 4999); do
    printf '%d.%d.%d.%d\r\n' $(((i * 53) % 256)) $(((i * 97) % 256)) $(((i * 31) % 256)) $((i % 256))
  done
  printf '\r\n 8.8.8.8 \r\nhello\r\n999.1.1.1\r\n114.114.114.114'
} >"$work/list.txt"

"$linux/bin/quorvane-batch" --db "$linux/bin/ip2region.db" "$work/list.txt" "$work/linux.txt" >/dev/null
# Both read the same database file; the Windows command finds it beside itself.
"$here/wine-run.sh" "$windows/wine-prefix" "$windows/bin/quorvane-batch.exe" \
  "$work/list.txt" "$work/windows.txt" >/dev/null
cmp "$work/linux.txt" "$work/windows.txt"
cmp "$linux/bin/ip2region.db" "$windows/bin/ip2region.db"
echo "compare-windows-batch: $(wc -l <"$work/linux.txt") lines, identical bytes"
