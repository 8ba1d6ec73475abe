#!/usr/bin/env python3
"""Writes the seed inputs of the decoder fuzz targets (keypad/, touch/).

Layout: one mode byte, then operations: an op byte ((length - 1) | 0x40 to
decode afterwards | 0x80 for a tick) followed by the payload. The touch
dispatcher mode reads one decision byte per delivered touch right after the
payload of the decoding operation (0 hit, 1 edge miss, 2/3 throw, 4 flush).
"""
import os

DECODE, TICK = 0x40, 0x80
HERE = os.path.dirname(os.path.abspath(__file__))


def ops(*parts):
    out = bytearray()
    for payload, flags, *extra in parts:
        payload = bytes(payload)
        for i in range(0, len(payload), 64):
            piece = payload[i:i + 64]
            last = i + 64 >= len(payload)
            out.append((len(piece) - 1) | (flags if last else 0))
            out += piece
        for e in extra:
            out += bytes(e)
    return bytes(out)


def write(folder, name, mode, body):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(bytes([mode]) + body)


def key(code):
    return b"$," + code + b",\r\n"


def touch(rx, ry):
    return bytes([0xA1, rx >> 7, rx & 0x7F, ry >> 7, ry & 0x7F, 0x41])


codes = [b"01", b"02", b"03", b"04", b"05", b"06", b"07", b"08", b"09", b"10", b"11", b"12",
         b"13", b"14", b"15", b"1M", b"2M", b"3M", b"4M", b"5M", b"6M", b"7M", b"1A", b"7A"]

write("keypad", "up_frame", 0, ops((b"$,08,", DECODE)))
write("keypad", "up_frame_prefix", 0, ops((b"$XY,08,\r\n", DECODE | TICK)))
write("keypad", "split_frame", 0, ops((b"$,0", DECODE), (b"8,\r\n", DECODE | TICK)))
write("keypad", "all_codes", 0, ops(*[(key(c), DECODE | (TICK if i % 3 == 2 else 0))
                                      for i, c in enumerate(codes)]))
write("keypad", "two_up_one_tick", 0, ops((key(b"08") + key(b"08"), DECODE | TICK)))
write("keypad", "brightness", 0, ops((key(b"3M"), DECODE), (key(b"7A"), DECODE | TICK)))
write("keypad", "long_field", 0, ops((b"$,12" + b"9" * 700 + b",", DECODE), (key(b"09"), DECODE)))
write("keypad", "dollar_last", 0, ops((b"$,02,$", DECODE), (b",03,", DECODE | TICK)))
write("keypad", "garbage_then_key", 0, ops((bytes(range(256)), DECODE), (key(b"10"), DECODE)))
write("keypad", "flood", 1, ops(*[(key(b"09") * 12, 0) for _ in range(30)], (key(b"01"), DECODE)))

write("touch", "example_frame", 0, ops((touch(1984, 0), DECODE)))
write("touch", "split_frames", 0, ops((touch(100, 200)[:3], DECODE), (touch(100, 200)[3:] + touch(2047, 2047), DECODE)))
write("touch", "no_end_byte", 0, ops((bytes([0xA1, 1, 2, 3, 4, 5]) + touch(1984, 0), DECODE)))
write("touch", "long_frame", 0, ops((bytes([0xA1, 0x0F, 0x40, 0, 0]) + bytes(range(1, 12)) + b"\x41", DECODE)))
write("touch", "corrupt", 0, ops((bytes([0xA1, 0x7F, 0x7F, 0x7F, 0x7F, 0x41, 0xA1, 0x80, 0, 0, 0, 0x41]), DECODE)))
write("touch", "hit_flush", 1, ops((touch(1984, 0) + touch(10, 10) + touch(20, 20), DECODE | TICK, [0]),
                                   (touch(30, 30), DECODE | TICK, [0])))
write("touch", "lockout_two", 3, ops(*[(touch(500, 500), DECODE | TICK, [0]) for _ in range(8)]))
write("touch", "edge_miss", 1, ops((touch(1000, 1000) + touch(5, 2000), DECODE, [1, 1])))
write("touch", "exceptions", 1, ops((touch(1, 1) + touch(2, 2), DECODE, [2]), (b"\x00", DECODE, [3])))
write("touch", "password_flush", 1, ops((touch(700, 900) + touch(800, 900), DECODE, [4])))
write("touch", "flood", 5, ops(*[(touch(i * 7, i * 11) * 10, 0) for i in range(40)], (touch(3, 3), DECODE, [0])))
