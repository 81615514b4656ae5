#!/usr/bin/env bash
# Remakes docs/screenshot-windows.png: quorvane.exe's window under Wine on a virtual X display,
# with a few addresses resolved, in a prefix made by scripts/wine-prefix.sh (the dialog fonts
# linked to a CJK font, Marlett for the caption buttons). Needs xvfb and python3 (to write the PNG).
# Usage: tools/screenshot/make-win32-screenshot.sh [BUILD_DIR]   (default build/windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
work=$(mktemp -d)
display=:${QUORVANE_SCREENSHOT_DISPLAY:-57}
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export WINEPREFIX=$build/wine-prefix-x11 WINEDEBUG=-all DISPLAY=$display
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
trap '/usr/lib/wine/wineserver64 -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

"$root/scripts/wine-prefix.sh" "$WINEPREFIX" >/dev/null

# A virtual desktop: Wine draws the caption and frame itself, as Windows would.
/usr/lib/wine/wine64 explorer /desktop=quorvane,1024x768 "$build/bin/quorvane-win32-screenshot.exe" \
  "$(/usr/lib/wine/wine64 winepath -w "$work/window.bmp" 2>/dev/null)" >/dev/null 2>&1
python3 - "$work/window.bmp" "$root/docs/screenshot-windows.png" <<'PY'
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
offset, = struct.unpack_from("<I", data, 10)
width, height = struct.unpack_from("<ii", data, 18)
stride = (width * 3 + 3) & ~3
rows = []
for y in range(height - 1, -1, -1):
    row = data[offset + y * stride: offset + y * stride + width * 3]
    rows.append(b"\0" + bytes(b for i in range(0, len(row), 3) for b in (row[i + 2], row[i + 1], row[i])))
def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
open(sys.argv[2], "wb").write(png)
PY
echo "make-screenshot: wrote docs/screenshot-windows.png"
