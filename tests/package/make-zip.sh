#!/usr/bin/env bash
# Makes the Windows ZIP from the build tree with cpack and checks that it holds what the README
# says, in one folder named after the package: both programs, the engine DLL (its functions
# exported under their plain names), both databases with their notice, the help page, the licence
# and read-me, and the headers, import library, CMake package and pkg-config file for other
# programs.
# Usage: make-zip.sh BUILD_DIR OUT_DIR OBJDUMP   (OUT_DIR receives Quorvane-<version>-win64.zip
# or -win32.zip, as the build's pointer width says)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
objdump=$3
name=make-zip
# shellcheck source=tests/package/cpack-into.sh
source "$here/cpack-into.sh" ZIP
zips=("$out"/Quorvane-*-win*.zip)
[ "${#zips[@]}" -eq 1 ] && [ -f "${zips[0]}" ] || fail "expected one Quorvane-<version>-win*.zip, got: ${zips[*]}"
zip=${zips[0]}
top=$(basename "$zip" .zip)
case $("$objdump" -f "$build/bin/quorvane-region.dll") in
  *pei-i386*) [[ $top == *-win32 ]] || fail "$top holds 32-bit programs" ;;
  *pei-x86-64*) [[ $top == *-win64 ]] || fail "$top holds 64-bit programs" ;;
  *) fail "cannot tell the DLL's processor" ;;
esac

cmake -E tar xf "$zip"
for f in quorvane.exe quorvane-batch.exe quorvane-region.dll ip2region.db ip2region.db.NOTICE \
    region6.db help/index.html LICENSE.txt README.txt include/quorvane/region.h \
    include/quorvane/region_db.h lib/libquorvane-region.dll.a \
    lib/cmake/QuorvaneRegion/QuorvaneRegionConfig.cmake lib/pkgconfig/quorvane-region.pc; do
  [ -s "$top/$f" ] || fail "$top/$f is missing"
done
cmp -s "$top/ip2region.db" "$build/bin/ip2region.db" || fail "the database differs from the build's"
if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the engine's functions"
fi
echo "make-zip: $(basename "$zip") holds everything"
