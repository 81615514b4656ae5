#!/usr/bin/env bash
# Prepares a Wine prefix in which the Windows programs look as they do on a Chinese Windows:
#   scripts/wine-prefix.sh PREFIX
# then start a program with Wine's 64-bit loader, which starts 32-bit programs too:
#   WINEPREFIX=PREFIX /usr/lib/wine/wine64 build/windows/bin/quorvane.exe
#
# Why: a fresh prefix has no font with Chinese characters, so every menu, caption and message is
# a row of boxes; the fonts the dialogs ask for (Tahoma, MS Shell Dlg, ...) are linked here to
# WenQuanYi Micro Hei (fonts-wqy-microhei), as Windows links its own CJK fonts. The caption
# buttons are drawn with the Marlett symbol font, which Debian ships apart (fonts-wine): without
# it they show as "0 1 r". And the plain `wine` command is Wine's 32-bit loader once wine32:i386
# is installed: it cannot start a 64-bit program ("could not load kernel32.dll").
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX}
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine)
[ -x "$server" ] || server=$(command -v wineserver)

for font in /usr/share/fonts/truetype/wqy/wqy-microhei.ttc /usr/share/wine/fonts/marlett.ttf; do
  if [ ! -f "$font" ]; then
    echo "wine-prefix: $font is missing (run scripts/install-deps.sh)" >&2
    exit 1
  fi
done

if [ -f "$prefix/.quorvane-fonts" ]; then
  exit 0
fi
"$wine" wineboot -i >/dev/null 2>&1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# regedit wants UTF-16 with a byte-order mark; a hex(7) value is a list of UTF-16 strings.
link=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' | iconv -f UTF-8 -t UTF-16LE |
       od -An -tx1 -v | tr -s ' \n' ',' | sed 's/^,//; s/,$//')
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
    printf '"%s"=hex(7):%s\r\n' "$face" "$link"
  done
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$work/fontlink.reg"
"$wine" regedit /S "$work/fontlink.reg" >/dev/null 2>&1
# Wine finds fonts in the prefix's Fonts folder whatever its build's data folder is.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
# The programs started next read the links only from a server started after them.
"$server" -k >/dev/null 2>&1 || true
"$server" -w >/dev/null 2>&1 || true
touch "$prefix/.quorvane-fonts"
echo "wine-prefix: $prefix is ready"
