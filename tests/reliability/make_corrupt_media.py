#!/usr/bin/env python3
"""Writes a corpus of damaged media files into a folder, one per line of
the printed table "<file name>\t<what is wrong with it>".

   make_corrupt_media.py <folder> <good.wav> <good.mp4> <good.jpg> <good.png>

The good files are cut, broken or imitated to make the damaged ones."""
import os
import random
import struct
import sys
import zlib

folder, wav, mp4, jpg, png = sys.argv[1:6]
random.seed(20261211)
table = []


def write(name, data, what):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)
    table.append((name, what))


def read(path):
    with open(path, "rb") as f:
        return f.read()


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


media_suffixes = ["mp3", "wav", "avi", "mpg", "mp4", "wmv", "mov", "mid", "rm", "dat", "vob",
                  "jpg", "bmp", "gif", "png", "tif"]
for suffix in media_suffixes:
    write(f"empty.{suffix}", b"", "zero length")
    write(f"noise.{suffix}", random.randbytes(8192), "random bytes")
    write(f"text.{suffix}", "这不是媒体文件\nnot a media file\n".encode() * 20, "text")

good_wav, good_mp4, good_jpg, good_png = read(wav), read(mp4), read(jpg), read(png)
write("header-only.wav", good_wav[:44], "a WAV header and no samples")
write("cut.wav", good_wav[:len(good_wav) // 3], "a WAV cut to a third")
write("cut.mp4", good_mp4[:len(good_mp4) // 2], "an MP4 cut in half")
write("cut-1k.mp4", good_mp4[:1024], "an MP4 cut after 1 KB")
moov = good_mp4.find(b"moov")
write("no-index.mp4", good_mp4[:moov] + b"free" + good_mp4[moov + 4:] if moov > 0 else good_mp4[:100],
      "an MP4 whose index atom is renamed")
mdat = good_mp4.find(b"mdat")
broken = bytearray(good_mp4)
for i in range(mdat + 64, min(len(broken), mdat + 64 + 4096)):
    broken[i] = random.randrange(256)
write("garbled-frames.mp4", bytes(broken), "an MP4 with 4 KB of its frames overwritten")
write("cut.jpg", good_jpg[:len(good_jpg) // 2], "a JPEG cut in half")
write("cut.png", good_png[:len(good_png) // 2], "a PNG cut in half")
ihdr = struct.pack(">IIBBBBB", 60000, 60000, 8, 2, 0, 0, 0)
write("huge.png", b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr) +
      png_chunk(b"IDAT", zlib.compress(b"\0" * 1000)) + png_chunk(b"IEND", b""),
      "a PNG declaring 60000 x 60000 pixels")
bmp_header = b"BM" + struct.pack("<IHHI", 54, 0, 0, 54) + struct.pack("<IiiHHIIiiII", 40, 50000, 50000, 1, 24, 0, 0, 0, 0, 0, 0)
write("huge.bmp", bmp_header, "a BMP declaring 50000 x 50000 pixels and holding none")
write("gif-header.gif", b"GIF89a" + struct.pack("<HH", 65535, 65535) + b"\0\0\0", "a GIF header of 65535 x 65535 and nothing else")
write("empty.qmx", b"", "an empty list file")
write("nowhere.cue", b'FILE "missing.bin" BINARY\r\n  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n',
      "a cue sheet pointing to a missing bin")

for name, what in table:
    print(f"{name}\t{what}")
