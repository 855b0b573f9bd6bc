#!/usr/bin/env python3
"""Writes a folder tree of small TIFF files (and some others) for benchmarks.

    make_corpus.py OUTPUT [COUNT] [--seed N]

About 1,000 folders up to 6 deep hold COUNT files (default 50,000): TIFFs of
1 to 1,000 pages (most of them small) in classic little- and big-endian and
BigTIFF form, with the directories after or before the image data, some with
a thumbnail directory in the main chain; plus text, JPEG and PDF files, a
few broken .tif files, and a handful written by tiffcp or ImageMagick when
they are installed. The same seed gives the same tree. Prints the expected
page total (thumbnails are not pages) and directory total of the TIFFs.
"""

import argparse
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile

FOLDERS = 1000
MAX_DEPTH = 6
MAX_PAGES = 1000
SIDE = 4  # pixels; every strip is SIDE * SIDE bytes

TAG_NEW_SUBFILE_TYPE = 254
TAG_WIDTH = 256
TAG_LENGTH = 257
TAG_BITS = 258
TAG_COMPRESSION = 259
TAG_PHOTOMETRIC = 262
TAG_STRIP_OFFSETS = 273
TAG_SAMPLES = 277
TAG_ROWS_PER_STRIP = 278
TAG_STRIP_BYTE_COUNTS = 279
SHORT, LONG, LONG8 = 3, 4, 16


class TiffForm:
    def __init__(self, big_endian, bigtiff):
        self.order = ">" if big_endian else "<"
        self.bigtiff = bigtiff
        self.header_size = 16 if bigtiff else 8
        self.offset_code = "Q" if bigtiff else "I"
        self.offset_type = LONG8 if bigtiff else LONG

    def header(self, first_ifd):
        magic = b"MM" if self.order == ">" else b"II"
        if self.bigtiff:
            return magic + struct.pack(self.order + "HHHQ", 43, 8, 0, first_ifd)
        return magic + struct.pack(self.order + "HI", 42, first_ifd)

    def ifd_size(self, entries):
        if self.bigtiff:
            return 8 + 20 * entries + 8
        return 2 + 12 * entries + 4

    def ifd(self, fields, next_ifd):
        o = self.order
        if self.bigtiff:
            out = [struct.pack(o + "Q", len(fields))]
            for tag, kind, value in fields:
                code = {SHORT: "H6x", LONG: "I4x", LONG8: "Q"}[kind]
                out.append(struct.pack(o + "HHQ" + code, tag, kind, 1, value))
            out.append(struct.pack(o + "Q", next_ifd))
        else:
            out = [struct.pack(o + "H", len(fields))]
            for tag, kind, value in fields:
                code = {SHORT: "H2x", LONG: "I"}[kind]
                out.append(struct.pack(o + "HHI" + code, tag, kind, 1, value))
            out.append(struct.pack(o + "I", next_ifd))
        return b"".join(out)


def page_fields(form, strip_offset, subfile_type):
    fields = [
        (TAG_WIDTH, SHORT, SIDE),
        (TAG_LENGTH, SHORT, SIDE),
        (TAG_BITS, SHORT, 8),
        (TAG_COMPRESSION, SHORT, 1),
        (TAG_PHOTOMETRIC, SHORT, 1),
        (TAG_STRIP_OFFSETS, form.offset_type, strip_offset),
        (TAG_SAMPLES, SHORT, 1),
        (TAG_ROWS_PER_STRIP, SHORT, SIDE),
        (TAG_STRIP_BYTE_COUNTS, form.offset_type, SIDE * SIDE),
    ]
    if subfile_type:
        fields.insert(0, (TAG_NEW_SUBFILE_TYPE, LONG, subfile_type))
    return fields


def tiff_bytes(form, subfile_types, directories_first, shade):
    """A TIFF with one directory per entry of subfile_types."""
    strip = bytes([shade]) * (SIDE * SIDE)
    sizes = [form.ifd_size(len(page_fields(form, 0, t))) for t in subfile_types]
    count = len(subfile_types)
    if directories_first:
        ifd_offsets, at = [], form.header_size
        for size in sizes:
            ifd_offsets.append(at)
            at += size
        strip_offsets = [at + i * len(strip) for i in range(count)]
    else:  # strip, directory, strip, directory... as most writers do
        ifd_offsets, strip_offsets, at = [], [], form.header_size
        for size in sizes:
            strip_offsets.append(at)
            ifd_offsets.append(at + len(strip))
            at += len(strip) + size
    parts = [form.header(ifd_offsets[0])]
    ifds = []
    for i, subfile_type in enumerate(subfile_types):
        next_ifd = ifd_offsets[i + 1] if i + 1 < count else 0
        ifds.append(form.ifd(page_fields(form, strip_offsets[i], subfile_type), next_ifd))
    if directories_first:
        parts += ifds + [strip] * count
    else:
        for ifd in ifds:
            parts += [strip, ifd]
    return b"".join(parts)


def random_tiff(rng):
    """Bytes, pages and directories of a random valid TIFF."""
    pages = min(MAX_PAGES, int(rng.paretovariate(1.3)))
    form = TiffForm(big_endian=rng.random() < 0.3, bigtiff=rng.random() < 0.2)
    subfile_types = [2 if pages > 1 else 0] * pages
    if rng.random() < 0.05:
        subfile_types.insert(1, 1)  # a thumbnail after the first page
    data = tiff_bytes(form, subfile_types, rng.random() < 0.3, rng.randrange(256))
    return data, pages, len(subfile_types)


def broken_tiff(rng):
    good, _, _ = random_tiff(rng)
    kind = rng.randrange(4)
    if kind == 0:
        return b""
    if kind == 1:
        return b"XX" + good[2:]
    if kind == 2:
        return good[:5]
    first = struct.pack("<I", len(good) + 1000)  # first directory past the end
    return b"II*\0" + first + good[8:] if good[:2] == b"II" else b"II*\0" + first


def other_file(rng, index):
    kind = rng.randrange(3)
    if kind == 0:
        return "notes_%05d.txt" % index, b"scan log line\n" * rng.randrange(1, 50)
    if kind == 1:
        return "photo_%05d.jpg" % index, b"\xff\xd8\xff\xe0" + rng.randbytes(rng.randrange(64, 2048))
    return "doc_%05d.pdf" % index, b"%PDF-1.4\n" + rng.randbytes(rng.randrange(64, 2048))


def make_folders(rng, root):
    folders = [(root, 0)]
    while len(folders) < FOLDERS:
        parent, depth = rng.choice(folders)
        if depth >= MAX_DEPTH:
            continue
        path = os.path.join(parent, "folder_%04d" % len(folders))
        os.mkdir(path)
        folders.append((path, depth + 1))
    return [path for path, _ in folders]


def tool_written(folders, rng, count):
    """A few files from real TIFF writers: (path, pages) of those made."""
    made = []
    with tempfile.TemporaryDirectory() as scratch:
        sample = os.path.join(scratch, "sample.tif")
        with open(sample, "wb") as out:
            out.write(tiff_bytes(TiffForm(False, False), [2, 2, 2], False, 7))
        for i in range(count):
            target = os.path.join(rng.choice(folders), "tool_%02d.tif" % i)
            if i % 2 == 0 and shutil.which("tiffcp"):
                command, pages = ["tiffcp", "-c", "lzw", sample, target], 3
            elif shutil.which("convert"):
                command, pages = ["convert", "-size", "8x8", "xc:gray", "xc:white", target], 2
            else:
                continue
            if subprocess.run(command, capture_output=True).returncode == 0:
                made.append((target, pages))
    return made


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output")
    parser.add_argument("count", type=int, nargs="?", default=50000)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    if os.path.exists(args.output) and os.listdir(args.output):
        sys.exit("%s exists and is not empty" % args.output)
    os.makedirs(args.output, exist_ok=True)
    rng = random.Random(args.seed)
    folders = make_folders(rng, args.output)
    tools = tool_written(folders, rng, 6)
    totals = {"tiff": 0, "pages": sum(p for _, p in tools), "directories": sum(p for _, p in tools),
              "broken": 0, "other": 0}
    extensions = [".tif"] * 8 + [".tiff", ".TIF"]
    for index in range(args.count - len(tools)):
        folder = rng.choice(folders)
        roll = rng.random()
        if roll < 0.85:
            data, pages, directories = random_tiff(rng)
            name = "scan_%05d%s" % (index, rng.choice(extensions))
            totals["tiff"] += 1
            totals["pages"] += pages
            totals["directories"] += directories
        elif roll < 0.995:
            name, data = other_file(rng, index)
            totals["other"] += 1
        else:
            name, data = "broken_%05d.tif" % index, broken_tiff(rng)
            totals["broken"] += 1
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)
    print("folders %d, TIFFs %d (+%d by tools), broken .tif %d, other files %d"
          % (len(folders), totals["tiff"], len(tools), totals["broken"], totals["other"]))
    print("expected pages %d, directories %d" % (totals["pages"], totals["directories"]))


if __name__ == "__main__":
    main()
