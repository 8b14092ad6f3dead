"""ZIP records written byte by byte, for the corpus generator
(tests/corpus/make-corpus) and the fuzzing seeds (tests/fuzz/make_seeds.py).

Deflate data comes from the small fixed-Huffman encoder below rather than
from zlib, whose output differs between versions, so that what is written is
the same on every machine.
"""

import struct
import zlib

# 12:34:56 on 15 March 2024, as a DOS time and date.
DOS_TIME = (12 << 11) | (34 << 5) | (56 // 2)
DOS_DATE = ((2024 - 1980) << 9) | (3 << 5) | 15

UNIX_FILE = 0o100644 << 16
UNIX_LINK = 0o120777 << 16
UNIX_DIR = (0o040755 << 16) | 0x10
MADE_BY_UNIX = (3 << 8) | 30

SIG_LOCAL = 0x04034B50
SIG_CENTRAL = 0x02014B50
SIG_END = 0x06054B50
SIG_DESCRIPTOR = 0x08074B50


# ---- Deflate with the fixed Huffman codes -------------------------------

class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.bits = 0

    def put(self, value, count):
        """Low bit first, as deflate packs its fields."""
        self.acc |= value << self.bits
        self.bits += count
        while self.bits >= 8:
            self.out.append(self.acc & 0xFF)
            self.acc >>= 8
            self.bits -= 8

    def put_code(self, code, length):
        """Huffman codes go most significant bit first."""
        self.put(int(format(code, '0%db' % length)[::-1], 2), length)

    def finish(self):
        if self.bits:
            self.out.append(self.acc & 0xFF)
        self.acc = self.bits = 0
        return bytes(self.out)


def fixed_literal(w, symbol):
    if symbol < 144:
        w.put_code(0x30 + symbol, 8)
    elif symbol < 256:
        w.put_code(0x190 + symbol - 144, 9)
    elif symbol < 280:
        w.put_code(symbol - 256, 7)
    else:
        w.put_code(0xC0 + symbol - 280, 8)


LENGTH_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115,
               131, 163, 195, 227, 258]
LENGTH_EXTRA = [0] * 8 + [1] * 4 + [2] * 4 + [3] * 4 + [4] * 4 + [5] * 4 + [0]


def fixed_match(w, length):
    """A match of `length` (3 to 258) at distance 1: a run of the last byte."""
    i = max(k for k in range(len(LENGTH_BASE)) if LENGTH_BASE[k] <= length)
    fixed_literal(w, 257 + i)
    w.put(length - LENGTH_BASE[i], LENGTH_EXTRA[i])
    w.put_code(0, 5)   # distance code 0: distance 1


def deflate(data):
    """One final fixed-Huffman block; runs of a byte become distance-1 matches."""
    w = BitWriter()
    w.put(1, 1)   # final
    w.put(1, 2)   # fixed codes
    i = 0
    while i < len(data):
        fixed_literal(w, data[i])
        j = i + 1
        while j < len(data) and data[j] == data[i]:
            j += 1
        run = j - i - 1
        while run >= 3:
            n = min(run, 258)
            if run - n in (1, 2):
                n -= 3
            fixed_match(w, n)
            run -= n
        for _ in range(run):
            fixed_literal(w, data[i])
        i = j
    fixed_literal(w, 256)
    return w.finish()


# ---- Records ------------------------------------------------------------

def crc(data):
    return zlib.crc32(data) & 0xFFFFFFFF


def extra_block(block_id, data):
    return struct.pack('<HH', block_id, len(data)) + data


def zip64_block(*values):
    return extra_block(0x0001, b''.join(struct.pack('<Q', v) for v in values))


def local_header(name, method, crc32, packed, unpacked, flags=0, extra=b'', version=20, stamp=(DOS_TIME, DOS_DATE)):
    return struct.pack('<IHHHHHIIIHH', SIG_LOCAL, version, flags, method, stamp[0], stamp[1], crc32, packed,
                       unpacked, len(name), len(extra)) + name + extra


def central_header(name, method, crc32, packed, unpacked, offset, flags=0, extra=b'', version=20,
                   attributes=UNIX_FILE, made_by=MADE_BY_UNIX, comment=b'', stamp=(DOS_TIME, DOS_DATE)):
    return struct.pack('<IHHHHHHIIIHHHHHII', SIG_CENTRAL, made_by, version, flags, method, stamp[0], stamp[1],
                       crc32, packed, unpacked, len(name), len(extra), len(comment), 0, 0, attributes,
                       offset) + name + extra + comment


def end_record(entries, cd_size, cd_offset, comment=b''):
    return struct.pack('<IHHHHIIH', SIG_END, 0, 0, entries, entries, cd_size, cd_offset, len(comment)) + comment


class Member:
    """One member as a sound writer would store it, with hooks for lying."""

    def __init__(self, name, data=b'', method=0, descriptor=None, kind='file', zip64=None, **overrides):
        self.name = name.encode() if isinstance(name, str) else name
        self.data = data.encode() if isinstance(data, str) else data
        self.method = method
        self.packed = deflate(self.data) if method == 8 else self.data
        self.crc = crc(self.data)
        # None, 'signed', 'unsigned' or 'wide' (signed, 64-bit sizes)
        self.descriptor = descriptor
        self.kind = kind
        # None, 'local' (ZIP64 block in the local header only) or 'both'
        self.zip64 = zip64
        self.o = overrides

    def get(self, key, default):
        return self.o.get(key, default)

    def local(self):
        flags = self.get('flags', 0x0008 if self.descriptor else 0)
        name = self.get('local_name', self.name)
        method = self.get('local_method', self.method)
        packed, unpacked, crc32 = len(self.packed), len(self.data), self.crc
        if self.descriptor:
            packed = unpacked = crc32 = 0
        extra = self.get('local_extra', b'')
        version = 20
        if self.zip64:
            extra = zip64_block(unpacked, packed) + extra
            packed = unpacked = 0xFFFFFFFF
            version = 45
        return local_header(name, method, self.get('local_crc', crc32), self.get('local_packed', packed),
                            self.get('local_unpacked', unpacked), flags, extra, version,
                            self.get('stamp', (DOS_TIME, DOS_DATE)))

    def descriptor_bytes(self):
        crc32 = self.get('descriptor_crc', self.crc)
        if self.descriptor == 'signed':
            return struct.pack('<IIII', SIG_DESCRIPTOR, crc32, len(self.packed), len(self.data))
        if self.descriptor == 'unsigned':
            return struct.pack('<III', crc32, len(self.packed), len(self.data))
        if self.descriptor == 'wide':
            return struct.pack('<IIQQ', SIG_DESCRIPTOR, crc32, len(self.packed), len(self.data))
        return b''

    def central(self, offset):
        flags = self.get('flags', 0x0008 if self.descriptor else 0)
        packed, unpacked = self.get('central_packed', len(self.packed)), self.get('central_unpacked', len(self.data))
        extra = self.get('central_extra', b'')
        version = 20
        if self.zip64 == 'both' or self.descriptor == 'wide':
            extra = zip64_block(unpacked, packed) + extra
            packed = unpacked = 0xFFFFFFFF
            version = 45
        attributes = {'file': UNIX_FILE, 'link': UNIX_LINK, 'dir': UNIX_DIR}[self.kind]
        return central_header(self.get('central_name', self.name), self.method, self.get('central_crc', self.crc),
                              packed, unpacked, offset, flags, extra, version, attributes,
                              stamp=self.get('stamp', (DOS_TIME, DOS_DATE)))


def build(members, stub=b'', comment=b'', junk=b'', quote_offsets=True, count=None, size_change=0):
    """Local parts, the directory, the end record. With a stub in front the
    offsets count from the start of the archive, not of the file, unless
    `quote_offsets` is False. A member's `before` bytes go in front of its
    local header; one with `central=False` has no directory entry. `count`
    is the end record's entry count, if not the true one; `size_change` is
    added to the directory's size it records."""
    out = bytearray(stub)
    base = 0 if not quote_offsets else len(stub)
    offsets = []
    for m in members:
        out += m.get('before', b'')
        offsets.append(len(out) - base)
        out += m.local() + m.get('stored_bytes', m.packed) + m.descriptor_bytes()
    cd_offset = len(out)
    listed = [(m, offset) for m, offset in zip(members, offsets) if m.get('central', True)]
    for m, offset in listed:
        out += m.central(offset)
    out += end_record(len(listed) if count is None else count, len(out) - cd_offset + size_change, cd_offset - base,
                      comment)
    return bytes(out + junk)


def unicode_path(name, stands_for):
    """The Info-ZIP Unicode path field: `name` in UTF-8 for the header name `stands_for`."""
    return extra_block(0x7075, b'\x01' + struct.pack('<I', crc(stands_for)) + name.encode())
