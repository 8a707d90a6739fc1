#!/usr/bin/env python3
"""Writes the fuzzers' starting files for WAV files, image packs and sound
packs into tests/fuzz/seeds/. Each is a small, valid file of its kind, so the
fuzzers begin inside the readers' accepting paths. The BMP seeds come from
other programs and are not written here.

Run it from anywhere; it rewrites the same bytes every time."""
import math
import os
import struct

SEEDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")


def write(fuzzer, name, data):
    folder = os.path.join(SEEDS, fuzzer)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def fmt_head(tag, channels, rate, bits, cb_size=0, align=None, per_second=None):
    """The 18-byte format head: tag .. cbSize. PCM works out its own block
    size and byte rate."""
    if align is None:
        align = channels * bits // 8
    if per_second is None:
        per_second = rate * align
    return struct.pack("<HHIIHHH", tag, channels, rate, per_second, align, bits, cb_size)


def tone(frames, channels, bits, period=16):
    """A sine, both channels alike, as PCM sample bytes."""
    out = bytearray()
    for i in range(frames):
        v = math.sin(2 * math.pi * i / period)
        for _ in range(channels):
            if bits == 8:
                out.append(128 + int(round(100 * v)))
            else:
                out += struct.pack("<h", int(round(20000 * v)))
    return bytes(out)


def chunk(tag, body):
    pad = b"\0" if len(body) & 1 else b""
    return tag + struct.pack("<I", len(body)) + body + pad


def riff_wave(*chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def wav_seeds():
    # The plain 16-byte format chunk most writers use.
    write("fuzz_wav", "pcm8-mono-11025.wav",
          riff_wave(chunk(b"fmt ", fmt_head(1, 1, 11025, 8)[:16]), chunk(b"data", tone(96, 1, 8))))
    # An 18-byte format chunk, and an odd-sized chunk with its pad byte before the data.
    write("fuzz_wav", "pcm16-stereo-22050-list.wav",
          riff_wave(chunk(b"fmt ", fmt_head(1, 2, 22050, 16)),
                    chunk(b"LIST", b"INFOISFT\x05\0\0\0vex\0\0"),
                    chunk(b"data", tone(64, 2, 16))))
    # The data chunk first, the format chunk behind it.
    write("fuzz_wav", "pcm16-mono-44100-data-first.wav",
          riff_wave(chunk(b"data", tone(80, 1, 16, period=10)), chunk(b"fmt ", fmt_head(1, 1, 44100, 16))))
    # A compressed format: its extra bytes travel with the format block.
    write("fuzz_wav", "adpcm-mono-extra-bytes.wav",
          riff_wave(chunk(b"fmt ", fmt_head(0x11, 1, 8000, 4, 2, align=256, per_second=4055) + struct.pack("<H", 505)),
                    chunk(b"data", bytes(range(0, 256, 2)))))


def image_entry(name, w, h, pixel):
    """u16 width, u16 height, the name and its 0 byte, then 0RRRRRGGGGGBBBBB pixels, top row first."""
    out = struct.pack("<HH", w, h) + name.encode() + b"\0"
    for y in range(h):
        for x in range(w):
            r, g, b = pixel(x, y)
            out += struct.pack("<H", (r & 31) << 10 | (g & 31) << 5 | (b & 31))
    return out


def imagepack_seeds():
    write("fuzz_imagepack", "one-4x3.pak", image_entry("A.BMP", 4, 3, lambda x, y: (x * 10, y * 15, 31 - x * 10)))
    # The first entry is loaded by its own name; A.BMP is found behind it.
    write("fuzz_imagepack", "two-entries.pak",
          image_entry("SHIP.BMP", 8, 8, lambda x, y: (31, 31, 31) if abs(x - 3.5) < y / 2 else (0, 0, 0)) +
          image_entry("A.BMP", 3, 2, lambda x, y: (x * 15, 0, y * 31)))
    write("fuzz_imagepack", "dot-1x1.pak", image_entry("DOT.BMP", 1, 1, lambda x, y: (31, 16, 0)))


def sound_entry(name, head, samples):
    """u32 dataSize, the name and its 0 byte, u32 formatSize, the format block, the samples."""
    return struct.pack("<I", len(samples)) + name.encode() + b"\0" + struct.pack("<I", len(head)) + head + samples


def stream_samples(head, seconds, loop):
    """A tone long enough to stream, its last four bytes set so the fuzzer's
    loop offset (read from the end of the file) is `loop`."""
    channels, bits = struct.unpack_from("<H", head, 2)[0], struct.unpack_from("<H", head, 14)[0]
    rate = struct.unpack_from("<I", head, 4)[0]
    data = bytearray(tone(rate * seconds, channels, bits, period=4))
    data[-4:] = struct.pack("<I", loop)
    return bytes(data)


def soundpack_seeds():
    write("fuzz_soundpack", "one-short.pak", sound_entry("A.WAV", fmt_head(1, 1, 11025, 8), tone(120, 1, 8)))
    # An empty entry as the writer leaves for an unreadable WAV, a 16-bit
    # stereo sound, then A.WAV.
    write("fuzz_soundpack", "three-entries.pak",
          sound_entry("GONE.WAV", b"", b"") +
          sound_entry("SHOT.WAV", fmt_head(1, 2, 22050, 16), tone(48, 2, 16)) +
          sound_entry("A.WAV", fmt_head(1, 1, 8000, 8), tone(64, 1, 8, period=8)))
    # Five seconds and more stream through the ring; at 100 Hz that stays
    # small. An odd-sized file is played looping, an even-sized one once.
    head = fmt_head(1, 1, 100, 8)
    write("fuzz_soundpack", "stream-looping.pak", sound_entry("LOOP.WAV", head, stream_samples(head, 6, 200)))
    head = fmt_head(1, 2, 100, 16)
    write("fuzz_soundpack", "stream-once.pak", sound_entry("ONCE1.WAV", head, stream_samples(head, 5, 320)))


if __name__ == "__main__":
    wav_seeds()
    imagepack_seeds()
    soundpack_seeds()
