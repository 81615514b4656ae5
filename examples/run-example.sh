#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and builds the example clients against the
# installed engine twice, once through pkg-config and once through find_package(QuorvaneRegion),
# then runs both on small databases of both families (ip2region.db made by quorvane-dbmake,
# region6.db by the tests' quorvane-test-db6make) and checks every line they print.
# Usage: examples/run-example.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: examples/run-example.sh BUILD_DIR}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

pc=$(find "$prefix" -name quorvane-region.pc -path '*/pkgconfig/*' | head -n 1)
[ -n "$pc" ] || { echo "run-example: quorvane-region.pc was not installed" >&2; exit 1; }
export PKG_CONFIG_PATH="$(dirname "$pc")"
libdir=$(pkg-config --variable=libdir quorvane-region)
for example in region_lookup region_db_lookup; do
  cc -std=c99 -Wall -Wextra -Werror -pedantic "$here/$example.c" \
    $(pkg-config --cflags --libs quorvane-region) -Wl,-rpath,"$libdir" -o "$work/$example"
done

# The same client through the CMake package.
mkdir -p "$work/cmake-client"
cat >"$work/cmake-client/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(RegionClient C)
find_package(QuorvaneRegion 1.0 REQUIRED)
add_executable(region_lookup "$here/region_lookup.c")
target_link_libraries(region_lookup PRIVATE Quorvane::region)
add_executable(region_db_lookup "$here/region_db_lookup.c")
target_link_libraries(region_db_lookup PRIVATE Quorvane::region)
CMAKE
cmake -S "$work/cmake-client" -B "$work/cmake-client/build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/cmake-client/build" >/dev/null

dbmake="$prefix/bin/quorvane-dbmake"
[ -x "$dbmake" ] || dbmake="$build/bin/quorvane-dbmake"
[ -x "$dbmake" ] || { echo "run-example: quorvane-dbmake not found in $prefix/bin or $build/bin" >&2; exit 1; }
cat >"$work/ranges.txt" <<'RANGES'
0.0.0.0,0.255.255.255,保留|0|0|0|0
1.0.0.0,1.0.0.255,澳大利亚|0|0|0|0
1.0.1.0,1.0.3.255,中国|0|福建省|福州市|电信
8.8.8.0,8.8.8.255,美国|0|加利福尼亚|0|谷歌
RANGES
"$dbmake" "$work/ranges.txt" "$work/ip2region.db"
db6make="$build/bin/quorvane-test-db6make"
[ -x "$db6make" ] || { echo "run-example: $db6make not found (build the tests)" >&2; exit 1; }
cat >"$work/ranges6.txt" <<'RANGES'
::,1fff:ffff:ffff:ffff:ffff:ffff:ffff:ffff,保留|0|0|0|0
2001:4860::,2001:4860:ffff:ffff:ffff:ffff:ffff:ffff,美国|0|加利福尼亚|0|谷歌
2409:8000::,2409:8000:ffff:ffff:ffff:ffff:ffff:ffff,中国|0|北京|北京市|移动
RANGES
"$db6make" "$work/ranges6.txt" "$work/region6.db"

expected() {
  local address=$1 rest=$2
  for strategy in memory binary btree; do
    if [ "$rest" = "-" ]; then echo "$address $strategy -"; else echo "$address $strategy $rest"; fi
  done
}
{
  expected 1.0.2.7 "3 中国|0|福建省|福州市|电信"
  expected 8.8.8.8 "4 美国|0|加利福尼亚|0|谷歌"
  expected 1.0.0.0 "2 澳大利亚|0|0|0|0"
  expected 0.255.255.255 "1 保留|0|0|0|0"
  expected 9.9.9.9 "-"
} >"$work/expected.txt"

status=0
for client in "$work/region_lookup" "$work/cmake-client/build/region_lookup"; do
  "$client" "$work/ip2region.db" 1.0.2.7 8.8.8.8 1.0.0.0 0.255.255.255 9.9.9.9 >"$work/actual.txt"
  if ! diff -u "$work/expected.txt" "$work/actual.txt"; then
    echo "run-example: $client printed unexpected lines" >&2
    status=1
  fi
done
# The database interface: one line per address of either family, and refusals that say why.
printf '%s\n' "1.0.2.7 3 中国|0|福建省|福州市|电信" "2409:8000::1 3 中国|0|北京|北京市|移动" \
  "8.8.8.8 4 美国|0|加利福尼亚|0|谷歌" "2001:4860:4860::8888 2 美国|0|加利福尼亚|0|谷歌" \
  "::ffff:8.8.8.8 4 美国|0|加利福尼亚|0|谷歌" "::1 1 保留|0|0|0|0" "9.9.9.9 -" "2001:db8::1 -" \
  "1.2.3 -" "[::1] -" >"$work/expected-db.txt"
head -c 9000 /dev/zero >"$work/zero.db"
refuses() {  # refuses CLIENT REASON ARGUMENTS...: the client exits 1 and says REASON
  local client=$1 reason=$2
  shift 2
  if "$client" "$@" 2>"$work/refusal.txt" || ! grep -q "$reason" "$work/refusal.txt"; then
    echo "run-example: $client $* did not fail with \"$reason\"" >&2
    return 1
  fi
}
for client in "$work/region_db_lookup" "$work/cmake-client/build/region_db_lookup"; do
  "$client" "$work/ip2region.db" "$work/region6.db" 1.0.2.7 2409:8000::1 8.8.8.8 \
    2001:4860:4860::8888 ::ffff:8.8.8.8 ::1 9.9.9.9 2001:db8::1 1.2.3 "[::1]" >"$work/actual-db.txt"
  if ! diff -u "$work/expected-db.txt" "$work/actual-db.txt"; then
    echo "run-example: $client printed unexpected lines" >&2
    status=1
  fi
  refuses "$client" "cannot use .*zero.db: not a region database" "$work/zero.db" - 1.0.2.7 ||
    status=1
  refuses "$client" "cannot use .*zero.db: not a region database" - "$work/zero.db" ::1 || status=1
  refuses "$client" "region6.db is no IPv4 database" "$work/region6.db" - ::1 || status=1
  refuses "$client" "ip2region.db is no IPv6 database" - "$work/ip2region.db" ::1 || status=1
done
# The same client on the bundled IPv6 database alone, when the build has one: a carrier of China,
# an address without data, and an IPv4 address, which finds nothing without an IPv4 database.
db6="$prefix/bin/region6.db"
[ -f "$db6" ] || db6="$build/bin/region6.db"
if [ -f "$db6" ]; then
  for client in "$work/region_db_lookup" "$work/cmake-client/build/region_db_lookup"; do
    "$client" - "$db6" 240e:4c:4008::1 fe80::1 1.0.2.7 >"$work/actual-db6.txt"
    if ! grep -q "^240e:4c:4008::1 [0-9]* 中国|0|.*|电信$" "$work/actual-db6.txt" ||
       ! grep -q "^fe80::1 [0-9]* 0|0|0|0|链路本地地址$" "$work/actual-db6.txt" ||
       ! grep -qx "1.0.2.7 -" "$work/actual-db6.txt"; then
      echo "run-example: $client answered unexpectedly from region6.db:" >&2
      cat "$work/actual-db6.txt" >&2
      status=1
    fi
  done
fi
[ "$status" -eq 0 ] && echo "run-example: the installed engine answered as expected (pkg-config and CMake clients)"
exit "$status"
