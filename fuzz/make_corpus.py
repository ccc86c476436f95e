#!/usr/bin/env python3
"""Writes the small seed files of fuzz/corpus/<target>/: valid pictures of each variant."""
import os
import struct
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def save(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# ---- TGA: 18-byte header, optional colour map, pixels ----
def tga(kind, bits, w, h, pixels, cmap=b"", cmap_bits=0, descriptor=0x20):
    cmap_len = len(cmap) // (cmap_bits // 8) if cmap_bits else 0
    head = struct.pack("<BBBHHBHHHHBB", 0, 1 if cmap else 0, kind, 0, cmap_len, cmap_bits,
                       0, 0, w, h, bits, descriptor)
    return head + cmap + pixels


def tga_seeds():
    px24 = bytes(range(36))
    save("tga", "raw24.tga", tga(2, 24, 4, 3, px24))
    save("tga", "raw24_bottom.tga", tga(2, 24, 4, 3, px24, descriptor=0))
    save("tga", "raw32.tga", tga(2, 32, 2, 2, bytes(range(16)), descriptor=0x28))
    save("tga", "raw16.tga", tga(2, 16, 2, 2, bytes(range(8))))
    save("tga", "grey.tga", tga(3, 8, 3, 2, bytes([0, 50, 100, 150, 200, 250])))
    palette = bytes([0, 0, 255, 0, 255, 0, 255, 0, 0])
    save("tga", "mapped.tga", tga(1, 8, 3, 1, bytes([2, 1, 0]), palette, 24))
    # run-length: a run of 4, then 2 literals, then a run of 6
    rle = bytes([0x83, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9, 0x85, 10, 11, 12])
    save("tga", "rle24.tga", tga(10, 24, 4, 3, rle))
    save("tga", "rle_mapped.tga", tga(9, 8, 4, 1, bytes([0x83, 1]), palette, 24))


# ---- BMP: file header, BITMAPINFOHEADER, colour table, rows padded to 4 bytes ----
def bmp(bits, w, h, rows, table=b"", compression=0, colours=0):
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, compression, len(rows), 2835, 2835,
                       colours, 0)
    offset = 14 + len(info) + len(table)
    return b"BM" + struct.pack("<IHHI", offset + len(rows), 0, 0, offset) + info + table + rows


def bmp_seeds():
    save("bmp", "rgb24.bmp", bmp(24, 3, 2, bytes(range(24))))
    save("bmp", "rgb24_topdown.bmp", bmp(24, 3, -2, bytes(range(24))))
    save("bmp", "rgb32.bmp", bmp(32, 2, 2, bytes(range(16))))
    save("bmp", "rgb16.bmp", bmp(16, 2, 2, bytes(range(8))))
    grey = b"".join(bytes([i, i, i, 0]) for i in range(0, 256, 64))
    save("bmp", "pal8.bmp", bmp(8, 3, 2, bytes([0, 1, 2, 0, 3, 2, 1, 0]), grey, colours=4))
    save("bmp", "pal4.bmp", bmp(4, 4, 1, bytes([0x01, 0x23, 0, 0]), grey, colours=4))
    save("bmp", "pal1.bmp", bmp(1, 9, 1, bytes([0xA5, 0x80, 0, 0]), grey[:8], colours=2))
    rle8 = bytes([3, 1, 0, 0, 0, 3, 2, 2, 3, 0, 0, 0, 1])  # runs, a literal run, end marks
    save("bmp", "rle8.bmp", bmp(8, 3, 2, rle8, grey, compression=1, colours=4))


# ---- Wavefront RLA: 740-byte big-endian header, offsets, run-length channels ----
def rla(w, h, channels, lines):
    head = bytearray(740)
    for at in (0, 8):
        struct.pack_into(">hhhh", head, at, 0, w - 1, 0, h - 1)
    struct.pack_into(">hhh", head, 20, channels, 1, 0)
    struct.pack_into(">h", head, 26, -2)
    struct.pack_into(">hh", head, 658, 8, 0)
    struct.pack_into(">h", head, 662, 8)
    body, offsets, at = b"", b"", 740 + 4 * h
    for line in lines:
        offsets += struct.pack(">i", at)
        for chan in line:
            body += struct.pack(">H", len(chan)) + chan
            at += 2 + len(chan)
    return bytes(head) + offsets + body


def rla_seeds():
    lines = [[bytes([0xFD, 1, 4, 7]), bytes([0xFD, 2, 5, 8]), bytes([0xFD, 3, 6, 9]),
              bytes([0x02, 255])],
             [bytes([0x01, 10, 0xFF, 200]), bytes([0x01, 20, 0xFF, 0]),
              bytes([0x01, 30, 0xFF, 5]), bytes([0x02, 255])]]
    save("rla", "rgb_matte.rla", rla(3, 2, 3, lines))
    save("rla", "grey.rla", rla(4, 1, 1, [[bytes([0x03, 77]), bytes([0x03, 255])]]))


# ---- Autodesk Animator PIC/CEL ----
def pic_seeds():
    palette = bytes((i * 7) % 64 for i in range(768))
    pixels = bytes((x * 5 + y) % 256 for y in range(4) for x in range(5))
    head = struct.pack("<HhhhhBBI16x", 0x9119, 5, 4, 0, 0, 8, 0, len(pixels))
    save("pic", "header.cel", head + palette + pixels)
    screen = bytes((i % 320) % 250 for i in range(64000))
    save("pic", "screen.pic", screen + palette)


# ---- EMF: header and records of every kind the renderer plays ----
def record(kind, payload):
    return struct.pack("<II", kind, 8 + len(payload)) + payload


def words(*values):
    return struct.pack("<%dI" % len(values), *(v & 0xFFFFFFFF for v in values))


def dib_record(kind, x, y, w, h, bits, table, rows):
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(rows), 0, 0, len(table) // 4, 0)
    info += table
    if kind == 81:  # STRETCHDIBITS
        fixed = words(0, 0, 0, 0, x, y, 0, 0, w, abs(h), 80, len(info), 80 + len(info),
                      len(rows), 0, 0x00CC0020, w * 2, abs(h) * 2)
    else:  # BITBLT
        fixed = words(0, 0, 0, 0, x, y, w, abs(h), 0x00CC0020, 0, 0) + struct.pack(
            "<6f", 1, 0, 0, 1, 0, 0) + words(0xFFFFFF, 0, 100, len(info), 100 + len(info),
                                             len(rows))
    return record(kind, fixed + info + rows)


def emf(records):
    """Frame 400 x 300 hundredths of a millimetre at 10 pixels a millimetre: 40 x 30 pixels."""
    body = b"".join(records) + record(14, words(0, 16, 20))
    head = words(1, 88, 0, 0, 39, 29, 0, 0, 400, 300, 0x464D4520, 0x10000, 88 + len(body),
                 len(records) + 2, 8, 0, 0, 0, 1000, 1000, 100, 100)  # 8 object handles
    return head + body


def emf_seeds():
    text = "Tessella".encode("utf-16-le")
    font = words(-12, 0, 0, 0, 700) + bytes([1, 0, 0, 0, 0, 0, 0, 0]) + \
        "DejaVu Sans".encode("utf-16-le").ljust(64, b"\0")
    shapes = [
        record(39, words(1, 0, 0x0000FF, 0)), record(37, words(1)),
        record(38, words(2, 0, 3, 0, 0xFF0000)), record(37, words(2)),
        record(43, words(2, 3, 20, 15)), record(42, words(5, 5, 30, 25)),
        record(44, words(1, 1, 15, 12, 4, 4)),
        record(86, words(0, 0, 20, 20, 3) + struct.pack("<6h", 0, 0, 20, 0, 0, 20)),
        record(87, words(0, 0, 20, 20, 3) + struct.pack("<6h", 0, 29, 39, 0, 20, 20)),
        record(85, words(0, 0, 20, 20, 4) + struct.pack("<8h", 0, 0, 10, 30, 20, -5, 39, 29)),
        record(91, words(0, 0, 30, 30, 2, 6, 3, 3) +
               struct.pack("<12h", 0, 0, 9, 0, 0, 9, 20, 20, 29, 20, 20, 29)),
        record(27, words(0, 0)), record(54, words(39, 29)),
        record(15, words(1, 1, 0x00FF00)),
        record(45, words(0, 0, 20, 20, 20, 10, 0, 10)), record(47, words(10, 10, 30, 30, 30, 20, 20, 10)),
        record(46, words(0, 10, 20, 30, 20, 20, 0, 20)),
    ]
    state = [
        record(33, b""), record(17, words(8)), record(9, words(100, 100)),
        record(11, words(40, 30)), record(10, words(-10, 0)), record(12, words(2, 2)),
        record(39, words(3, 2, 0x808080, 4)), record(37, words(3)), record(18, words(1)),
        record(19, words(2)), record(43, words(0, 0, 50, 50)), record(34, words(-1)),
        record(37, words(0x80000008)), record(37, words(0x80000002)),
        record(35, struct.pack("<6f", 0.8, 0.6, -0.6, 0.8, 5, 2)), record(43, words(5, 5, 15, 10)),
        record(36, struct.pack("<6f", 1, 0, 0, 1, 0, 0) + words(1)),
        record(17, words(2)), record(43, words(0, -10, 50, -60)), record(17, words(1)),
        record(30, words(2, 2, 30, 25)), record(29, words(10, 10, 15, 15)),
        record(42, words(0, 0, 39, 29)), record(75, words(0, 5)),
    ]
    paths = [
        record(59, b""), record(27, words(3, 3)), record(54, words(30, 5)),
        record(88, words(0, 0, 0, 0, 3) + struct.pack("<6h", 30, 20, 20, 25, 5, 20)),
        record(61, b""), record(60, b""), record(63, words(0, 0, 39, 29)),
        record(95, words(4, 0, 0, 0, 0, 0x00010000 | 0x200 | 1, 4, 0, 0x00FF00, 0, 0)),
        record(37, words(4)), record(4, words(0, 0, 39, 29, 3, 0, 0, 39, 29, 0, 29)),
        record(40, words(4)),
    ]
    text_records = [
        record(82, words(5) + font), record(37, words(5)), record(24, words(0x0000FF)),
        record(25, words(0x00FFFF)), record(22, words(24)),
        record(84, words(0, 0, 39, 29, 1) + struct.pack("<ff", 1, 1) +
               words(2, 20, len(text) // 2, 76, 2, 0, 0, 39, 29, 0) + text),
    ]
    rows24 = bytes([255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0])
    pal = bytes([0, 0, 0, 0, 0, 0, 255, 0])
    bitmaps = [
        dib_record(81, 10, 10, 2, 2, 24, b"", rows24),
        dib_record(81, 0, 0, 3, -1, 8, pal, bytes([1, 0, 1, 0])),
        dib_record(76, 20, 5, 2, 2, 32, b"", bytes(range(16))),
        record(76, words(0, 0, 0, 0, 1, 1, 5, 5, 0x00F00021, 0, 0) +
               struct.pack("<6f", 1, 0, 0, 1, 0, 0) + words(0, 0, 0, 0, 0, 0)),
    ]
    save("emf", "shapes.emf", emf(shapes))
    save("emf", "state.emf", emf(shapes[:4] + state))
    save("emf", "paths.emf", emf(paths))
    save("emf", "text.emf", emf(text_records))
    save("emf", "bitmaps.emf", emf(bitmaps))
    save("emf", "all.emf", emf(shapes + state + paths + text_records + bitmaps))


# ---- DDS, KTX2 and .astc: one small level of each coding the reader knows ----
def dds(w, h, pixel_flags, four_cc=b"\0\0\0\0", bits=0, masks=(0, 0, 0, 0), data=b"", mips=1):
    head = struct.pack("<4sIIIIIII44xII4sI4I5I", b"DDS ", 124, 0x21007, h, w, 0, 0, mips, 32,
                       pixel_flags, four_cc, bits, *masks, 0x1000, 0, 0, 0, 0)
    return head + data


def ktx2(vk_format, w, h, data):
    dfd = struct.pack("<I", 28) + bytes(24)
    dfd_at = 80 + 24
    head = b"\xabKTX 20\xbb\r\n\x1a\n" + struct.pack(
        "<13I2Q", vk_format, 1, w, h, 0, 0, 1, 1, 0, dfd_at, len(dfd), 0, 0, 0, 0)
    index = struct.pack("<3Q", dfd_at + len(dfd), len(data), len(data))
    return head + index + dfd + data


def gpu_seeds():
    bc1 = bytes([0x1F, 0, 0, 0xF8, 0xFF, 0, 0x55, 0])
    bc4 = bytes([255, 0, 1, 2, 0, 0, 0, 0])
    save("gpu", "bc1.dds", dds(4, 4, 0x4, b"DXT1", data=bc1))
    save("gpu", "bc1_mips.dds", dds(4, 4, 0x4, b"DXT1", data=bc1 * 3, mips=3))
    save("gpu", "bc2.dds", dds(5, 3, 0x4, b"DXT3", data=(bytes([0x80] + [0xFF] * 7) + bc1) * 2))
    save("gpu", "bc3.dds", dds(4, 4, 0x4, b"DXT5", data=bc4 + bc1))
    save("gpu", "bc5.dds", dds(4, 4, 0x4, b"ATI2", data=bc4 + bc4))
    save("gpu", "bgr.dds", dds(2, 2, 0x40, bits=24, masks=(0xFF0000, 0xFF00, 0xFF, 0),
                              data=bytes(range(12))))
    save("gpu", "bgra.dds", dds(2, 1, 0x41, bits=32,
                               masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000), data=bytes(range(8))))
    save("gpu", "dx10.dds", dds(4, 4, 0x4, b"DX10", data=struct.pack("<5I", 71, 3, 0, 1, 0) + bc1))
    save("gpu", "bc1.ktx2", ktx2(134, 4, 4, bc1))
    save("gpu", "rgba.ktx2", ktx2(43, 2, 1, bytes(range(8))))
    save("gpu", "bc5.ktx2", ktx2(141, 4, 4, bc4 + bc4))
    save("gpu", "astc.ktx2", ktx2(158, 4, 4, bytes(range(16))))
    save("gpu", "six.astc", struct.pack("<I3B", 0x5CA1AB13, 6, 6, 1) +
         (7).to_bytes(3, "little") + (5).to_bytes(3, "little") + (1).to_bytes(3, "little") +
         bytes(range(32)))


# ---- ICO and CUR: a directory of one entry, then a bitmap of twice the height (colours, then
# the 1-bit mask) ----
def icon(kind, bits, colours, mask):
    bitmap = struct.pack("<IiiHHIIiiII", 40, 2, 2, 1, bits, 0, 0, 0, 0, 0, 0) + colours + mask
    fields = struct.pack("<HH", 1, 32) if kind == 1 else struct.pack("<HH", 0, 0)
    return (struct.pack("<HHH", 0, kind, 1) + bytes([2, 1, 0, 0]) + fields +
            struct.pack("<II", len(bitmap), 22) + bitmap)


def icon_seeds():
    save("icon", "alpha32.ico", icon(1, 32, bytes([30, 30, 200, 100, 56, 34, 12, 0]), bytes(4)))
    save("icon", "masked24.cur", icon(2, 24, bytes([30, 30, 200, 56, 34, 12, 0, 0]),
                                      bytes([0x40, 0, 0, 0])))


if __name__ == "__main__":
    tga_seeds()
    bmp_seeds()
    rla_seeds()
    pic_seeds()
    emf_seeds()
    gpu_seeds()
    icon_seeds()
    sys.exit(0)
