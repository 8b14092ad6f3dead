"""Archives of formats other than ZIP built to escape their target or fill the
disk, for the tests of engine/otherformats, the corpus test and the fuzzing
seeds (tests/fuzz/make_seeds.py).

    hostilearchives.py DIR OUTSIDE [--no-bombs]

writes them into DIR; OUTSIDE is the absolute folder beside the target that
the absolute names and links aim at. Python's tarfile writes any name, type
and mode it is given, zipfile any name; cpio and ar are put together by
hand.
"""

import gzip
import io
import lzma
import os
import sys
import tarfile
import zipfile

BOMB_SIZE = 32 << 20


def hostile_tar(outside):
    """The tar every other hostile archive is measured against: traversal,
    an absolute name, links out and files written through them, a hard link
    to /etc/passwd and one to nothing, a device, a FIFO, a set-id file and an
    empty name."""
    out = io.BytesIO()
    with tarfile.open(fileobj=out, mode='w') as t:
        def add(name, kind=tarfile.REGTYPE, data=b'x', link='', mode=0o644):
            info = tarfile.TarInfo(name)
            info.type, info.linkname, info.mode = kind, link, mode
            info.size = len(data) if kind == tarfile.REGTYPE else 0
            t.addfile(info, io.BytesIO(data) if kind == tarfile.REGTYPE else None)
        add('../escape.txt')
        add(outside + '/absolute.txt')
        add('up', tarfile.SYMTYPE, link='../../')
        add('abs', tarfile.SYMTYPE, link=outside)
        add('abs/through.txt')
        add('sub/inside', tarfile.SYMTYPE, link='..')
        add('sub/inside/through.txt')
        add('pre/through.txt')
        add('passwd', tarfile.LNKTYPE, link='/etc/passwd')
        add('notextracted', tarfile.LNKTYPE, link='nothing/here')
        add('dev', tarfile.CHRTYPE)
        add('fifo', tarfile.FIFOTYPE)
        add('suid', data=b'#!/bin/sh\n', mode=0o6755)
        add('', data=b'nameless')
    return out.getvalue()


def bomb_tar():
    """One member of BOMB_SIZE zeros, which compresses to next to nothing."""
    out = io.BytesIO()
    with tarfile.open(fileobj=out, mode='w') as t:
        info = tarfile.TarInfo('bomb')
        info.size = BOMB_SIZE
        t.addfile(info, io.BytesIO(bytes(BOMB_SIZE)))
    return out.getvalue()


def cpio(members):
    """The "new" portable cpio format (070701); each member is (name, mode,
    data), a link's data being its target."""
    out = bytearray()
    for inode, (name, mode, data) in enumerate(members + [('TRAILER!!!', 0, b'')], 1):
        encoded = name.encode() + b'\0'
        fields = (inode, mode, 0, 0, 1, 0, len(data), 0, 0, 0, 0, len(encoded), 0)
        out += b'070701' + b''.join(b'%08X' % f for f in fields) + encoded
        out += bytes(-len(out) % 4) + data
        out += bytes(-len(out) % 4)
    return bytes(out)


def hostile_cpio(outside):
    return cpio([('../escape.txt', 0o100644, b'x'), (outside + '/absolute.txt', 0o100644, b'x'),
                 ('abs', 0o120777, outside.encode()), ('abs/through.txt', 0o100644, b'x'),
                 ('dev', 0o020644, b''), ('fifo', 0o010644, b''), ('suid', 0o106755, b'#!/bin/sh\n')])


def huge_name_cpio():
    """A cpio header that gives a name of 2 GiB, for which libarchive would
    set aside that much memory before reading it."""
    fields = (1, 0o100644, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0x7FFFFFF0, 0)
    return b'070701' + b''.join(b'%08X' % f for f in fields) + b'a' * 4096


def ar(members):
    """A System V ar archive with names of up to 15 bytes; each member is
    (name, data)."""
    out = bytearray(b'!<arch>\n')
    for name, data in members:
        out += b'%-16s%-12d%-6d%-6d%-8o%-10d`\n' % ((name + '/').encode(), 0, 0, 0, 0o100644, len(data))
        out += data + b'\n' * (len(data) % 2)
    return bytes(out)


def hostile_zip(outside):
    """A ZIP of traversal, an absolute name and a link out with a file
    written through it, to be compressed: a compressed ZIP is read by
    libarchive as it streams, not by our ZIP engine."""
    out = io.BytesIO()
    with zipfile.ZipFile(out, 'w') as z:
        for name in ('../escape.txt', outside + '/absolute.txt'):
            z.writestr(zipfile.ZipInfo(name), b'x')
        link = zipfile.ZipInfo('abs')
        link.external_attr = 0o120777 << 16
        z.writestr(link, outside.encode())
        z.writestr(zipfile.ZipInfo('abs/through.txt'), b'x')
    return out.getvalue()


def write_all(directory, outside, bombs=True):
    """Writes the hostile archives, and the bombs unless told not to; returns
    their names."""
    plain = hostile_tar(outside)
    archives = {
        'hostile.tar': plain,
        'hostile.tar.gz': gzip.compress(plain, mtime=0),
        'hostile.tar.xz': lzma.compress(plain),
        'hostile.cpio': hostile_cpio(outside),
        'huge-name.cpio': huge_name_cpio(),
        'hostile.zip.gz': gzip.compress(hostile_zip(outside), mtime=0),
    }
    if bombs:
        bomb = bomb_tar()
        archives['bomb.tar.gz'] = gzip.compress(bomb, mtime=0)
        archives['bomb.tar.xz'] = lzma.compress(bomb)
    for name, data in archives.items():
        with open(os.path.join(directory, name), 'wb') as f:
            f.write(data)
    return sorted(archives)


if __name__ == '__main__':
    write_all(sys.argv[1], sys.argv[2], bombs='--no-bombs' not in sys.argv[3:])
