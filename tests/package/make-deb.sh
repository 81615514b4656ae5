#!/usr/bin/env bash
# Makes the .deb from the build tree with cpack, as a packager would, and checks what a Debian or
# Ubuntu user gets from it without installing it: the Depends field, every file in its standard
# place, and quorvane-batch resolving a file from the unpacked tree.
# Usage: make-deb.sh BUILD_DIR OUT_DIR   (OUT_DIR receives quorvane_<version>_<arch>.deb)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
out=$2
name=make-deb
# shellcheck source=tests/package/cpack-into.sh
source "$here/cpack-into.sh" DEB
debs=("$out"/quorvane_*_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one quorvane_<version>_<arch>.deb, got: ${debs[*]}"
deb=${debs[0]}
[ "$(dpkg-deb -f "$deb" Package)" = quorvane ] || fail "package name"
[[ "$(basename "$deb")" == "quorvane_$(dpkg-deb -f "$deb" Version)_$(dpkg --print-architecture).deb" ]] ||
  fail "file name $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-wqy-microhei qt6-translations-l10n; do
  grep -q "\b$need\b" <<<"$depends" || fail "Depends lacks $need"
done

dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' >contents
for path in /usr/bin/quorvane /usr/bin/quorvane-batch \
    /usr/lib/quorvane/quorvane /usr/lib/quorvane/quorvane-batch \
    /usr/lib/quorvane/ip2region.db /usr/lib/quorvane/ip2region.db.NOTICE \
    /usr/lib/quorvane/help/index.html \
    /usr/share/applications/quorvane.desktop \
    /usr/share/icons/hicolor/48x48/apps/quorvane.png \
    /usr/share/icons/hicolor/scalable/apps/quorvane.svg \
    /usr/include/quorvane/region.h /usr/lib/pkgconfig/quorvane-region.pc \
    /usr/lib/cmake/QuorvaneRegion/QuorvaneRegionConfig.cmake \
    /usr/share/man/man1/quorvane-batch.1.gz /usr/share/man/man1/quorvane.1.gz \
    /usr/share/man/man1/quorvane-dbmake.1.gz /usr/share/man/man1/quorvane-dbcheck.1.gz \
    /usr/bin/quorvane-dbbuild /usr/share/man/man1/quorvane-dbbuild.1.gz \
    /usr/share/quorvane/places.tsv /usr/share/quorvane/countries-zh.json \
    /usr/share/doc/quorvane/copyright /usr/share/doc/quorvane/README.zh.txt; do
  grep -qx "$path" contents || fail "$path is not in the package"
done
# Every program on the PATH has its man page.
for program in $(grep '^/usr/bin/.' contents); do
  grep -qx "/usr/share/man/man1/${program##*/}.1.gz" contents || fail "no man page for $program"
done
# Nothing outside /usr, and no test or build leftovers.
if grep -v '^/usr/' contents | grep -v '^/$' | grep -q .; then fail "files outside /usr"; fi
if grep -Eq 'test|bench|\.a$' contents; then fail "test, benchmark or static library files packed"; fi

dpkg-deb -x "$deb" root
printf '8.8.8.8\r\nnot an address\r\n' >in.txt
root/usr/bin/quorvane-batch in.txt out.txt >/dev/null
grep -q '^8\.8\.8\.8,[^,]' out.txt || fail "unpacked quorvane-batch did not resolve 8.8.8.8: $(cat out.txt)"
echo "make-deb: $(basename "$deb") ok"
