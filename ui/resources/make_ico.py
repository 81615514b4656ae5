#!/usr/bin/env python3
"""Packs the rendered PNG icons into quorvane.ico, the Windows program's icon group.

Nine images: the seven sizes in 32-bit colour (256 stored as PNG, the others as bitmaps, which
every version of the system reads), and 32 and 16 again in 256 colours for displays and tools
that ask for fewer colours. Run by hand when the PNGs change (see render_icons.cc):
    python3 make_ico.py icons/ icons/quorvane.ico
The result is committed."""
import struct
import sys
import zlib

SIZES_32BIT = (256, 128, 64, 48, 32, 24, 16)
SIZES_8BIT = (32, 16)


def read_png_rgba(path):
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat, width, height = 8, b"", 0, 0
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert (depth, colour, interlace) == (8, 6, 0), "8-bit RGBA, not interlaced"
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, prev, i = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[i], bytearray(raw[i + 1:i + 1 + stride])
        i += 1 + stride
        for x in range(stride):
            a = line[x - 4] if x >= 4 else 0
            b = prev[x]
            c = prev[x - 4] if x >= 4 else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + pred) & 255
        rows.append(bytes(line))
        prev = line
    return width, height, rows, data


def and_mask(size, rows):
    stride = ((size + 31) // 32) * 4
    out = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x in range(size):
            if row[x * 4 + 3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def bitmap_32(size, rows):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(
        bytes(b for x in range(size) for b in (row[x * 4 + 2], row[x * 4 + 1], row[x * 4], row[x * 4 + 3]))
        for row in reversed(rows))
    return header + pixels + and_mask(size, rows)


def palette_256():
    # A 6x7x6 colour cube plus greys: enough for an icon seen at 16 and 32 pixels.
    colours = [(r * 51, g * 255 // 6, b * 51) for r in range(6) for g in range(7) for b in range(6)]
    colours += [(v, v, v) for v in range(0, 256, 256 // (256 - len(colours)))][:256 - len(colours)]
    return colours


def bitmap_8(size, rows):
    palette = palette_256()
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    stride = (size + 3) // 4 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x in range(size):
            r, g, b, a = row[x * 4:x * 4 + 4]
            if a < 128:
                continue
            line[x] = min(range(len(palette)), key=lambda k: (palette[k][0] - r) ** 2 +
                          (palette[k][1] - g) ** 2 + (palette[k][2] - b) ** 2)
        pixels += bytes(line)
    return header + table + pixels + and_mask(size, rows)


def main(folder, output):
    images = []
    for size in SIZES_32BIT:
        width, height, rows, png = read_png_rgba(f"{folder}/quorvane-{size}.png")
        assert width == height == size
        images.append((size, 32, 0, png if size == 256 else bitmap_32(size, rows)))
    for size in SIZES_8BIT:
        _, _, rows, _ = read_png_rgba(f"{folder}/quorvane-{size}.png")
        images.append((size, 8, 256, bitmap_8(size, rows)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, colours, body in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, 1, bits,
                           len(body), offset)
        offset += len(body)
    out += b"".join(body for *_, body in images)
    open(output, "wb").write(out)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
