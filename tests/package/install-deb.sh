#!/usr/bin/env bash
# Installs the .deb that make-deb.sh made with apt-get, runs quorvane-batch from the PATH, and
# removes the package with dpkg -r, checking that every file it brought is gone. This changes the
# machine's /usr, so it runs only as root and only where QUORVANE_PACKAGE_INSTALL_TEST=1 says the
# machine is a throwaway one (CI sets it); elsewhere it reports itself skipped (exit 77).
# Usage: install-deb.sh OUT_DIR
set -euo pipefail
if [ "$(id -u)" -ne 0 ] || [ "${QUORVANE_PACKAGE_INSTALL_TEST:-}" != 1 ]; then
  echo "install-deb: skipped (needs root and QUORVANE_PACKAGE_INSTALL_TEST=1 on a throwaway machine)"
  exit 77
fi
fail() { echo "install-deb: $*" >&2; exit 1; }
out=$(cd "$1" && pwd)
debs=("$out"/quorvane_*_*.deb)
[ -f "${debs[0]}" ] || fail "no package in $out"
if dpkg-query -W -f='${Status}' quorvane 2>/dev/null | grep -q "install ok installed"; then
  fail "a quorvane package is installed already; not touching it"
fi
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq --no-install-recommends "${debs[0]}" >"$out/apt.log" 2>&1 ||
  { cat "$out/apt.log" >&2; fail "apt-get install failed"; }
dpkg -L quorvane | sort >"$out/installed"
trap 'dpkg -r quorvane >/dev/null 2>&1 || true' EXIT

work=$(mktemp -d)
printf '8.8.8.8\r\n1.2.3.4\r\n' >"$work/in.txt"
[ "$(command -v quorvane-batch)" = /usr/bin/quorvane-batch ] || fail "quorvane-batch is not on the PATH"
(cd "$work" && env -i PATH=/usr/bin:/bin quorvane-batch in.txt out.txt >/dev/null)
grep -q '^8\.8\.8\.8,[^,]' "$work/out.txt" || fail "installed quorvane-batch: $(cat "$work/out.txt")"
[ "$(wc -l <"$work/out.txt")" -eq 2 ] || fail "expected two result lines"
pkg-config --exists quorvane-region 2>/dev/null || [ ! -x /usr/bin/pkg-config ] || fail "pkg-config does not find quorvane-region"
rm -rf "$work"

dpkg -r quorvane >/dev/null
trap - EXIT
left=()
while read -r path; do
  # Folders shared with other packages (/usr, /usr/share/...) stay; files and links must go.
  if [ -e "$path" ] || [ -L "$path" ]; then
    [ -d "$path" ] && [ ! -L "$path" ] && continue
    left+=("$path")
  fi
done <"$out/installed"
[ "${#left[@]}" -eq 0 ] || fail "left after dpkg -r: ${left[*]}"
[ ! -d /usr/lib/quorvane ] || fail "/usr/lib/quorvane is left after dpkg -r"
echo "install-deb: installed, ran from the PATH, removed without a trace"
