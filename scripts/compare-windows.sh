#!/usr/bin/env bash
# The Windows programs answer as the Linux ones: quorvane-batch (Linux) and quorvane-batch.exe
# (under Wine) must write the same bytes for the same list and the bundled database, and the
# example C client, built once with cc against libquorvane-region.so and once with MinGW against
# quorvane-region.dll, must print the same lines.
# The 32-bit build is compared the same way, with the client built by the 32-bit MinGW.
# Usage: scripts/compare-windows.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
linux=$(cd "${1:?usage: compare-windows.sh LINUX_BUILD WINDOWS_BUILD}" && pwd)
windows=$(cd "${2:?usage: compare-windows.sh LINUX_BUILD WINDOWS_BUILD}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Addresses spread over the whole space, IPv6 ones among them (answered from region6.db), with a
# mark, blank and malformed lines and a last line without a break.
{
  printf '\xEF\xBB\xBF'
  for i in $(seq 0 4999); do
    printf '%d.%d.%d.%d\r\n' $(((i * 53) % 256)) $(((i * 97) % 256)) $(((i * 31) % 256)) $((i % 256))
  done
  for i in $(seq 0 1999); do
    printf '2%03x:%x:%x::%x\r\n' $(((i * 7) % 4096)) $(((i * 4099) % 65536)) $((i * 13)) $i
  done
  printf '::ffff:8.8.8.8\r\n[2001:db8::1]\r\n'
  printf '\r\n 8.8.8.8 \r\nhello\r\n999.1.1.1\r\n114.114.114.114'
} >"$work/list.txt"

"$linux/bin/quorvane-batch" --db "$linux/bin/ip2region.db" "$work/list.txt" "$work/linux.txt" >/dev/null
# Both read the same database file; the Windows command finds it beside itself.
"$here/wine-run.sh" "$windows/wine-prefix" "$windows/bin/quorvane-batch.exe" \
  "$work/list.txt" "$work/windows.txt" >/dev/null
cmp "$work/linux.txt" "$work/windows.txt"
cmp "$linux/bin/ip2region.db" "$windows/bin/ip2region.db"
cmp "$linux/bin/region6.db" "$windows/bin/region6.db"
echo "compare-windows: quorvane-batch.exe wrote the same $(wc -l <"$work/linux.txt") lines"

# The C client against each platform's engine library.
client=$here/../examples/region_lookup.c
include=$here/../region/include
cc -std=c99 -Wall -Wextra -Werror -I"$include" "$client" -L"$linux/lib" -lquorvane-region \
  -Wl,-rpath,"$linux/lib" -o "$work/region_lookup"
# The Windows build's own compiler: the DLL's objdump says which.
if i686-w64-mingw32-objdump -f "$windows/bin/quorvane-region.dll" 2>/dev/null | grep -q 'pei-i386'; then
  mingw=i686-w64-mingw32
else
  mingw=x86_64-w64-mingw32
fi
"$mingw-gcc-posix" -std=c99 -Wall -Wextra -Werror -I"$include" "$client" \
  "$windows/lib/libquorvane-region.dll.a" -o "$work/region_lookup.exe"
cp "$windows/bin/quorvane-region.dll" "$work/"
addresses="1.0.2.7 8.8.8.8 114.114.114.114 223.5.5.5 0.0.0.0 255.255.255.255 1.2.3 hello"
# shellcheck disable=SC2086
"$work/region_lookup" "$linux/bin/ip2region.db" $addresses >"$work/client-linux.txt"
# shellcheck disable=SC2086
"$here/wine-run.sh" "$windows/wine-prefix" "$work/region_lookup.exe" \
  "$windows/bin/ip2region.db" $addresses | tr -d '\r' >"$work/client-windows.txt"
diff -u "$work/client-linux.txt" "$work/client-windows.txt"
echo "compare-windows: the C client answers alike through the DLL ($(wc -l <"$work/client-linux.txt") lines)"
