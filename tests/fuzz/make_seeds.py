#!/usr/bin/env python3
"""Writes a handful of small archives into DIR as starting points for the
fuzz targets: every compression method the library reads, directories,
links, ZIP64 records, data descriptors, comments and a stub in front; and for
the other formats, tar with its compressions and a sparse entry, cpio, ar,
7z and ISO 9660, sound and hostile, and a compressed ZIP."""

import gzip
import io
import lzma
import os
import shutil
import stat
import subprocess
import sys
import tarfile
import tempfile
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from ziprecords import central_header, crc, end_record, local_header, unicode_path  # noqa: E402
import hostilearchives  # noqa: E402

TEXT = b"orvex archive member data " * 20
# 12:00:00 on 1 January 2025, as a DOS time and date.
SEED_STAMP = (0x6000, 0x5A21)


def with_zipfile(path, members, compression=zipfile.ZIP_DEFLATED, **kwargs):
    with zipfile.ZipFile(path, "w", compression=compression, **kwargs) as z:
        for name, data in members:
            z.writestr(name, data)


def raw_zip(path, members):
    """Records by hand, for what zipfile does not write: other method
    numbers, names it would refuse, chosen extra fields and modes. Each
    member is (name, method, plain, packed) or a dict with those keys and
    optionally extra, mode and made_by."""
    out, central = bytearray(), bytearray()
    for m in members:
        if not isinstance(m, dict):
            m = dict(zip(("name", "method", "plain", "packed"), m))
        name = m["name"].encode() if isinstance(m["name"], str) else m["name"]
        plain, packed, extra = m["plain"], m["packed"], m.get("extra", b"")
        fields = dict(name=name, method=m["method"], crc32=crc(plain), packed=len(packed), unpacked=len(plain),
                      extra=extra, version=63, stamp=SEED_STAMP)
        central += central_header(offset=len(out), attributes=m.get("mode", 0o100644) << 16,
                                  made_by=m.get("made_by", 0x031E), **fields)
        out += local_header(**fields) + packed
    with open(path, "wb") as f:
        f.write(bytes(out + central + end_record(len(members), len(central), len(out))))


def stored(name, data=b"", **kwargs):
    return dict(name=name, method=0, plain=data, packed=data, **kwargs)


def symlink(name, target):
    return stored(name, target.encode(), mode=0o120777)


def main():
    target = sys.argv[1]
    os.makedirs(target, exist_ok=True)
    p = lambda name: os.path.join(target, name)
    tree = [("dir/", b""), ("dir/sub/a.txt", TEXT), ("b.bin", bytes(range(256))), ("empty", b"")]

    with_zipfile(p("stored.zip"), tree, zipfile.ZIP_STORED)
    with_zipfile(p("deflated.zip"), tree)
    with_zipfile(p("bzip2.zip"), tree[:2], zipfile.ZIP_BZIP2)
    with_zipfile(p("lzma.zip"), tree[:2], zipfile.ZIP_LZMA)

    with zipfile.ZipFile(p("zip64.zip"), "w", zipfile.ZIP_DEFLATED, allowZip64=True) as z:
        with z.open("big.txt", "w", force_zip64=True) as f:
            f.write(TEXT)
        z.writestr("small.txt", b"small")

    # Written to a stream that cannot seek back: sizes go to data descriptors.
    class Unseekable(io.RawIOBase):
        def __init__(self):
            self.data = bytearray()
        def writable(self):
            return True
        def write(self, b):
            self.data += b
            return len(b)
    stream = Unseekable()
    with zipfile.ZipFile(stream, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("described.txt", TEXT)
        z.writestr("dir/second.txt", b"second")
    with open(p("descriptor.zip"), "wb") as f:
        f.write(stream.data)
    # Cut short, inside the second member's data and inside the directory:
    # with no end record the members are found by walking the local headers,
    # these by decoding their data to its end.
    second = stream.data.find(b"PK\x03\x04", 4)
    second_data = second + 30 + int.from_bytes(stream.data[second + 26:second + 28], "little")
    for name, cut in (("descriptor-cut-in-member.zip", second_data + 3),
                      ("descriptor-cut-in-directory.zip", stream.data.find(b"PK\x01\x02") + 10)):
        with open(p(name), "wb") as f:
            f.write(stream.data[:cut])

    with zipfile.ZipFile(p("links.zip"), "w") as z:
        z.writestr("dir/file.txt", b"file")
        for name, link in (("dir/link", "file.txt"), ("up", "dir/../dir/file.txt"), ("dir/parent", "../dir")):
            info = zipfile.ZipInfo(name)
            info.create_system = 3
            info.external_attr = (stat.S_IFLNK | 0o777) << 16
            z.writestr(info, link)

    with zipfile.ZipFile(p("comment.zip"), "w") as z:
        z.writestr("c.txt", b"comment follows")
        z.comment = b"PK\x05\x06 looks like an end record inside a comment"
    with zipfile.ZipFile(p("empty.zip"), "w"):
        pass
    with open(p("deflated.zip"), "rb") as f:
        archive = f.read()
    with open(p("stub.zip"), "wb") as f:
        f.write(b"#!/bin/sh\nexit 0\n" + archive)

    raw_zip(p("xz.zip"), [("x.txt", 95, TEXT, lzma.compress(TEXT, format=lzma.FORMAT_XZ))])
    if shutil.which("zstd"):
        packed = subprocess.run(["zstd", "-q", "-c"], input=TEXT, stdout=subprocess.PIPE, check=True).stdout
        raw_zip(p("zstd.zip"), [("z.txt", 93, TEXT, packed)])

    # Names and links the extraction must judge: traversal, absolute and
    # drive prefixes, backslashes, names met twice, a file where a directory
    # goes, links to write through, the Unicode path field, deep nesting.
    raw_zip(p("names.zip"), [stored("../up.txt", b"x"), stored("/abs.txt", b"x"), stored("C:\\drive.txt", b"x"),
                             stored("a\\b\\back.txt", b"x"), stored("./dot/./x", b"x"), stored("dup", b"1"),
                             stored("dup", b"2"), stored("f", b"file"), stored("f/under", b"x"),
                             stored("d/", mode=0o040000), stored("d", b"file over dir")])
    raw_zip(p("links-hostile.zip"), [symlink("l", "sub"), stored("l/through.txt", b"x"), symlink("out", "../x"),
                                     symlink("abs", "/etc"), symlink("sub/up", ".."), symlink("sub/deep/up2", "../../sub"),
                                     stored("sub/up/again.txt", b"x"), symlink("l", "other")])
    raw_zip(p("unicode-path.zip"), [stored("plain.txt", b"u", extra=unicode_path("unicode-\u00e9.txt", b"plain.txt"))])
    raw_zip(p("modes.zip"), [stored("locked/", mode=0o040000), stored("locked/f", b"x", mode=0o100000),
                             stored("suid", b"x", mode=0o104755), stored("dos.txt", b"x", made_by=0x0014),
                             stored("/".join(["n"] * 200) + "/deep.txt", b"x")])

    # Info-ZIP's own extra fields (timestamps, Unix ids) and its directory entries.
    if shutil.which("zip"):
        with tempfile.TemporaryDirectory() as work:
            os.makedirs(os.path.join(work, "t", "d"))
            with open(os.path.join(work, "t", "d", "f.txt"), "wb") as f:
                f.write(TEXT)
            os.symlink("d/f.txt", os.path.join(work, "t", "l"))
            subprocess.run(["zip", "-q", "-r", "-y", os.path.abspath(p("infozip.zip")), "t"], cwd=work, check=True)

    # The methods our own decoders read: archives for the extraction, and each
    # member's data framed for fuzz_decoders (see its head layout).
    legacy = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "legacy-methods")
    for name in ("shrink.zip", "reduce.zip", "implode.zip"):
        if os.path.exists(os.path.join(legacy, name)):
            shutil.copy(os.path.join(legacy, name), p(name))
    if shutil.which("7zz"):
        with tempfile.TemporaryDirectory() as work:
            with open(os.path.join(work, "t.txt"), "wb") as f:
                f.write(TEXT + bytes(range(256)) + TEXT[::-1])
            for name, method in (("deflate64.zip", "Deflate64"), ("ppmd.zip", "PPMd:o=4:mem=1m")):
                subprocess.run(["7zz", "a", "-tzip", "-mm=" + method, os.path.abspath(p(name)), "t.txt"], cwd=work,
                               check=True, stdout=subprocess.DEVNULL)
    decoder_methods = [1, 2, 3, 4, 5, 6, 9, 98]
    for name in ("shrink.zip", "reduce.zip", "implode.zip", "deflate64.zip", "ppmd.zip"):
        if not os.path.exists(p(name)):
            continue
        with zipfile.ZipFile(p(name)) as z, open(p(name), "rb") as f:
            for info in z.infolist():
                f.seek(info.header_offset + 26)
                skip = int.from_bytes(f.read(2), "little") + int.from_bytes(f.read(2), "little")
                f.seek(info.header_offset + 30 + skip)
                packed = f.read(info.compress_size)
                head = bytes([decoder_methods.index(info.compress_type), info.flag_bits & 0xFF,
                              info.file_size & 0xFF, info.file_size >> 8, 0, 15])
                with open(p("decoder-" + name[:-4] + ".bin"), "wb") as out:
                    out.write(head + packed)


    other_formats(p, tree)


def sparse_tar():
    """A pax sparse entry (GNU 1.0: the map leads the data) of 64 MiB
    holding 4 bytes at 1 MiB, the rest holes."""
    out = io.BytesIO()
    with tarfile.open(fileobj=out, mode="w", format=tarfile.PAX_FORMAT) as t:
        sparse_map = b"1\n%d\n4\n" % (1 << 20)
        data = sparse_map + bytes(-len(sparse_map) % 512) + b"data"
        info = tarfile.TarInfo("GNUSparseFile.0/sparse")
        info.size = len(data)
        info.pax_headers = {"GNU.sparse.major": "1", "GNU.sparse.minor": "0", "GNU.sparse.name": "sparse",
                            "GNU.sparse.realsize": str(64 << 20)}
        t.addfile(info, io.BytesIO(data))
    return out.getvalue()


def other_formats(p, tree):
    """Seeds for fuzz_other_formats; each format's reader is chosen by what
    the file begins with, so every format wants one of its own."""
    out = io.BytesIO()
    with tarfile.open(fileobj=out, mode="w") as t:
        for name, data in tree:
            info = tarfile.TarInfo(name.rstrip("/"))
            info.type = tarfile.DIRTYPE if name.endswith("/") else tarfile.REGTYPE
            info.size = len(data)
            t.addfile(info, io.BytesIO(data))
        for name, kind, link in (("dir/link", tarfile.SYMTYPE, "sub/a.txt"), ("hard", tarfile.LNKTYPE, "b.bin")):
            info = tarfile.TarInfo(name)
            info.type, info.linkname = kind, link
            t.addfile(info)
    plain = out.getvalue()
    for name, data in (("sound.tar", plain), ("sound.tar.gz", gzip.compress(plain, mtime=0)),
                       ("sound.tar.xz", lzma.compress(plain)), ("lone.txt.xz", lzma.compress(TEXT)),
                       ("sound.cpio", hostilearchives.cpio([("dir", 0o040755, b""), ("dir/a.txt", 0o100644, TEXT),
                                                            ("link", 0o120777, b"dir/a.txt")])),
                       ("sound.a", hostilearchives.ar([("a.txt", TEXT), ("b.bin", bytes(range(256)))])),
                       ("sparse.tar", sparse_tar())):
        with open(p(name), "wb") as f:
            f.write(data)
    # The decoders that run on a thread of their own: several gzip members
    # (as pigz and cat make), an xz of several blocks and streams with
    # padding, zstd frames, bzip2 streams.
    half = len(plain) // 2
    streams = {"members.tar.gz": gzip.compress(plain[:half], mtime=0) + gzip.compress(plain[half:], mtime=0),
               "streams.tar.xz": b"".join(lzma.compress(plain[i:i + 4096]) for i in range(0, len(plain), 4096))
               + bytes(4)}
    if shutil.which("xz"):
        streams["blocks.tar.xz"] = subprocess.run(["xz", "-T2", "--block-size=2048", "-c"], input=plain,
                                                  stdout=subprocess.PIPE, check=True).stdout
    for tool, name in (("zstd", "frames.tar.zst"), ("bzip2", "streams.tar.bz2")):
        if shutil.which(tool):
            streams[name] = b"".join(subprocess.run([tool, "-q", "-c"], input=part, stdout=subprocess.PIPE,
                                                    check=True).stdout for part in (plain[:half], plain[half:]))
    for name, data in streams.items():
        with open(p(name), "wb") as f:
            f.write(data)
    # No bombs: each execution of one would spend the whole output budget.
    hostilearchives.write_all(p(""), "/tmp/orvex-seed-outside", bombs=False)

    with tempfile.TemporaryDirectory() as work:
        for name, data in tree:
            path = os.path.join(work, "t", name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            if not name.endswith("/"):
                with open(path, "wb") as f:
                    f.write(data)
        if shutil.which("7zz"):
            subprocess.run(["7zz", "a", "-t7z", os.path.abspath(p("sound.7z")), "t"], cwd=work, check=True,
                           stdout=subprocess.DEVNULL)
        iso = next(([tool, "-quiet", "-R", "-o"] for tool in ("genisoimage", "mkisofs") if shutil.which(tool)), None)
        if shutil.which("xorriso"):
            iso = ["xorriso", "-as", "mkisofs", "-quiet", "-R", "-o"]
        if iso:
            subprocess.run(iso + [os.path.abspath(p("sound.iso")), "t"], cwd=work, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


if __name__ == "__main__":
    main()
