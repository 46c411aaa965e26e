"""Windows bitmap (BMP) and icon (ICO) files, written and read with the standard library only.

Pixels are passed in top-down rows: a list of palette indices for the palette formats, a list
of (r, g, b) tuples for 24-bit pictures. Files are written bottom-up with a BITMAPINFOHEADER,
each row padded to a multiple of four bytes.
"""

import struct

FILE_HEADER = struct.Struct("<2sIHHI")
INFO_HEADER = struct.Struct("<IiiHHIIiiII")
ICON_DIR = struct.Struct("<HHH")
ICON_ENTRY = struct.Struct("<BBBBHHII")
PELS_PER_METRE = 2835  # 72 dots per inch


def row_stride(width, bits):
    return (width * bits + 31) // 32 * 4


def _pack_row(values, bits, stride):
    """One row of pixel values packed at `bits` per pixel (1, 4 or 8), padded to `stride`."""
    if bits == 8:
        out = bytes(values)
    else:
        per_byte = 8 // bits
        out = bytearray()
        for start in range(0, len(values), per_byte):
            byte = 0
            for i, value in enumerate(values[start:start + per_byte]):
                byte |= value << (8 - bits * (i + 1))
            out.append(byte)
        out = bytes(out)
    return out.ljust(stride, b"\0")


def _palette_bytes(palette, count):
    colours = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in colours)


def _pixel_bytes(width, height, pixels, bits):
    stride = row_stride(width, bits)
    rows = []
    for y in range(height):
        row = pixels[y * width:(y + 1) * width]
        if bits == 24:
            packed = b"".join(bytes((b, g, r)) for r, g, b in row).ljust(stride, b"\0")
        else:
            packed = _pack_row(row, bits, stride)
        rows.append(packed)
    return b"".join(reversed(rows))


def bmp_bytes(width, height, pixels, bits, palette=()):
    """A complete .bmp file: 4 or 8 bits per pixel with `palette`, or 24 bits without."""
    if bits not in (4, 8, 24):
        raise ValueError(f"unsupported depth {bits}")
    colours = 1 << bits if bits <= 8 else 0
    if len(palette) > colours:
        raise ValueError(f"{len(palette)} colours do not fit in {bits} bits")
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the size")
    table = _palette_bytes(palette, colours) if colours else b""
    data = _pixel_bytes(width, height, pixels, bits)
    offset = FILE_HEADER.size + INFO_HEADER.size + len(table)
    head = FILE_HEADER.pack(b"BM", offset + len(data), 0, 0, offset)
    info = INFO_HEADER.pack(INFO_HEADER.size, width, height, 1, bits, 0, len(data),
                            PELS_PER_METRE, PELS_PER_METRE, colours, 0)
    return head + info + table + data


def ico_bytes(images):
    """A complete .ico file of 16-colour images.

    `images` is a list of (size, indices, palette, transparent): a square image `size` pixels
    wide, top-down palette indices, up to 16 (r, g, b) colours, and top-down booleans that mark
    the pixels the AND mask lets the desktop show through.
    """
    blobs = []
    for size, indices, palette, transparent in images:
        xor = _pixel_bytes(size, size, indices, 4)
        mask = _pixel_bytes(size, size, [1 if t else 0 for t in transparent], 1)
        info = INFO_HEADER.pack(INFO_HEADER.size, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                                0, 0, 0, 0)
        blobs.append((size, info + _palette_bytes(palette, 16) + xor + mask))
    offset = ICON_DIR.size + ICON_ENTRY.size * len(blobs)
    out = [ICON_DIR.pack(0, 1, len(blobs))]
    for size, blob in blobs:
        out.append(ICON_ENTRY.pack(size % 256, size % 256, 16, 0, 1, 4, len(blob), offset))
        offset += len(blob)
    out.extend(blob for _, blob in blobs)
    return b"".join(out)


class Bitmap:
    """A .bmp file read back: its header fields, palette and pixel colours."""

    def __init__(self, data):
        if len(data) < FILE_HEADER.size + INFO_HEADER.size:
            raise ValueError("too short for a bitmap")
        magic, file_size, _, _, offset = FILE_HEADER.unpack_from(data, 0)
        if magic != b"BM":
            raise ValueError("no 'BM' signature")
        if file_size != len(data):
            raise ValueError(f"header says {file_size} bytes, file has {len(data)}")
        (self.header_size, self.width, self.height, planes, self.bits, self.compression,
         _, _, _, self.colours_used, _) = INFO_HEADER.unpack_from(data, FILE_HEADER.size)
        if self.header_size != INFO_HEADER.size:
            raise ValueError(f"header of {self.header_size} bytes, not a BITMAPINFOHEADER")
        if planes != 1 or self.compression != 0:
            raise ValueError("not an uncompressed single-plane bitmap")
        count = self.colours_used or (1 << self.bits if self.bits <= 8 else 0)
        start = FILE_HEADER.size + INFO_HEADER.size
        self.palette = [(data[i + 2], data[i + 1], data[i])
                        for i in range(start, start + 4 * count, 4)]
        self.bottom_up = self.height > 0
        self.height = abs(self.height)
        self.stride = row_stride(self.width, self.bits)
        if offset + self.stride * self.height > len(data):
            raise ValueError("pixel data runs past the end of the file")
        self._data = data
        self._offset = offset

    def pixel(self, x, y):
        """The (r, g, b) colour at (x, y), y counted from the top."""
        row = self.height - 1 - y if self.bottom_up else y
        base = self._offset + row * self.stride
        if self.bits == 24:
            b, g, r = self._data[base + 3 * x:base + 3 * x + 3]
            return (r, g, b)
        if self.bits == 8:
            return self.palette[self._data[base + x]]
        if self.bits == 4:
            byte = self._data[base + x // 2]
            return self.palette[byte >> 4 if x % 2 == 0 else byte & 15]
        raise ValueError(f"reading {self.bits}-bit pixels is not supported")


def read_icon_entries(data):
    """The images of an .ico file as dicts of their directory and header fields."""
    reserved, kind, count = ICON_DIR.unpack_from(data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    entries = []
    for i in range(count):
        w, h, colours, _, planes, bits, size, offset = ICON_ENTRY.unpack_from(
            data, ICON_DIR.size + i * ICON_ENTRY.size)
        if offset + size > len(data):
            raise ValueError(f"image {i} runs past the end of the file")
        fields = INFO_HEADER.unpack_from(data, offset)
        entries.append({
            "width": w or 256, "height": h or 256, "colours": colours, "bits": bits,
            "bytes": size, "header_size": fields[0], "header_width": fields[1],
            "header_height": fields[2], "header_bits": fields[4],
        })
    return entries
