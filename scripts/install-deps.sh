#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Quorvane needs.
# Safe to run again: apt-get skips what is already there. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  dpkg-dev                         # dpkg-shlibdeps: the Depends of the .deb that cpack makes
  clang libclang-rt-dev            # libFuzzer and the sanitizer runtimes
  clang-format clang-tidy          # scripts/check-style.sh
  libgtest-dev libgmock-dev libbenchmark-dev
  libmaxminddb-dev                 # the IPv6 lookup benchmark's reference (bench/region)
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  qt6-svg-dev                      # renders the SVG icon source
  fonts-wqy-microhei               # without a CJK font every Chinese character is a box
  xz-utils                         # unpacks the bundled database at build time
  xvfb xauth                       # a real X display for screenshots and smoke runs
  openbox                          # a window manager, so screenshots show the window frame
  postgresql-15 postgresql-server-dev-15   # the SQL extension, the servers its tests start, postgres_fdw
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix   # the Windows programs (posix threads)
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix       # the 32-bit Windows programs
  wine wine64                      # runs the Windows programs' tests
  wine32:i386                      # Wine's 32-bit half, for the 32-bit programs (needs i386)
  fonts-wine                       # Marlett: the caption buttons of windows under Wine
  locales                          # localedef, for the Chinese locale of the Windows tests
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

# The Windows tests run once in a Chinese locale: Wine takes it from the Unix locale, which must
# exist, or Wine cannot spell Chinese file names on the Unix side.
chinese_locale() {
  if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    $sudo localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -eq 0 ]; then
  chinese_locale
  echo "install-deps: everything is already installed"
  exit 0
fi
export DEBIAN_FRONTEND=noninteractive
# wine32:i386 comes from Debian's i386 architecture, which a 64-bit system must be told to use.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
chinese_locale
