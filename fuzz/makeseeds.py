#!/usr/bin/env python3
"""Writes the seed corpora in fuzz/corpus/: real wire traffic, profiles as a
player might have them, the shipped wait cursor and about-box clip, and small
variants of each.
Run from the top of the tree; the output is committed."""

import os
import shutil
import struct

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")


def write(target, name, data):
    folder = os.path.join(ROOT, target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data if isinstance(data, bytes) else data.encode("utf-8"))


# ---- Wire streams: one byte n, n read lengths, then the stream -------------

FLEET = ("####.###.."
         ".........."
         "###.##.##."
         ".........."
         "##.#.#.#.."
         ".........."
         "#........."
         ".........."
         ".........."
         "..........")


def name_msg(name):
    return bytes([2]) + name + b"\0"


def fleet_msg():
    return bytes([5]) + bytes(3 if c == "#" else 1 for c in FLEET) + b"\0"


def shot_msg(row, col):
    return bytes([4, row + 1, col + 1, 0])


def signal(kind):
    return bytes([kind, 0])


def stream(cuts, body):
    return bytes([len(cuts)]) + bytes(cuts) + body


server_start = name_msg(b"Anna") + bytes([6, 1, 0]) + signal(3) + fleet_msg() + signal(1)
play = b"".join(shot_msg(r, c) for r, c in [(0, 0), (4, 7), (9, 9), (2, 5)])
cyrillic = name_msg("Игрок".encode("cp1251"))

write("netparse", "game_one_read", stream([], server_start + play + signal(7)))
write("netparse", "game_byte_by_byte", stream([1], cyrillic + fleet_msg() + signal(1) + play))
write("netparse", "game_odd_cuts", stream([3, 0, 7, 101], server_start + play))
write("netparse", "long_name_then_shot", stream([100], name_msg(b"x" * 300) + shot_msg(3, 3)))
write("netparse", "busy_mid_read", stream([5], signal(1) + signal(8) + shot_msg(1, 1) + signal(1)))
write("netparse", "out_of_step", stream([2, 9], b"\0\0" + bytes([9, 200, 4, 0, 0]) + fleet_msg()[:50]))


def ext_msg(kind, body):
    return bytes([0xF6, kind, len(body) >> 8, len(body) & 0xFF]) + body


SIGN = bytes([0xF5, 0x9A])
write("netparse", "chat_after_sign", stream([7, 3], signal(1) + SIGN + ext_msg(1, "Anna\nПривет <b>".encode()) + shot_msg(2, 2)))
write("netparse", "chat_over_long", stream([200], SIGN + ext_msg(1, b"\xff\x01" * 700) + ext_msg(9, b"") + signal(7)))

# ---- Sessions: a set-up byte, then steps (see fuzz_session.cpp) ------------

def partner(body):
    """Step 6: the partner's bytes, at most 255 at a time."""
    out = b""
    for i in range(0, len(body), 255):
        part = body[i:i + 255]
        out += bytes([6, len(part)]) + part
    return out


def shots(cells):
    return b"".join(shot_msg(c // 10, c % 10) for c in cells)


DECKS = [i for i, c in enumerate(FLEET) if c == "#"]
setup = fleet_msg() + name_msg(b"Rival") + signal(1)
# Server: opens, names, takes the client's set-up, then both sides shoot.
write("session", "server_game", bytes([3, 0, 1]) + partner(setup)
      + b"".join(bytes([2, c]) for c in range(90, 100)) + partner(shots(DECKS)))
# Client: the server's opening and set-up, our name, then a battle we win.
write("session", "client_game", bytes([2]) + partner(signal(7) + signal(3) + bytes([6, 1, 0]))
      + bytes([1]) + partner(setup) + partner(shots([99]))
      + b"".join(bytes([2, c]) for c in DECKS))
# Two openings before the client answers; a stale answer, then the real one.
write("session", "two_openings", bytes([1, 0, 1, 0, 1]) + partner(setup + setup))
# A new connection and a refused fleet in the middle of it all.
write("session", "reconnect_and_forgery", bytes([1, 0, 4, 0, 1]) + partner(bytes([5]) + bytes([1] * 100) + b"\0"))

# ---- Profiles ---------------------------------------------------------------

write("profile", "first_run", "[Options]\n")
write("profile", "typical", """[Options]
Level=2
English=1
Tradition=1
Sound=0
CompDelay=300
Name=Anna
CurServer=192.168.0.7
Server1=192.168.0.7
Server2=gamebox
[Records]
count=3
N0=Anna
w0=990
l0=997
s0=950
N1=Boris
w1=998
l1=995
s1=1005
N2=Игрок
w2=1000
l2=999
s2=1010
""")
full = ["[Records]", "count=10"]
for i in range(10):
    full += [f"N{i}=P{i}", f"w{i}={995 - i}", f"l{i}=998", f"s{i}={960 + 5 * i}"]
full += ["[Play]", "L3=Newcomer", "W3=Newcomer", "W3=Newcomer", "W2=Newcomer", "W1=P9",
         "L1=Other", "W9=P0"]
write("profile", "full_table_and_games", "\n".join(full) + "\n")
write("profile", "hand_edited", """[Options]
Level=7
English=5
CompDelay=-1
Name=
Server1=alpha
Server2=alpha
Server4=never read
[Records]
count=99
N0=
w0=12
N1=Same
w1=2147483647
l1=-2147483648
s1= 17
N2=Same
s2=oops
N3=Last
[Play]
W3=Same
L0=Last
W2=
""")

# ---- Animated cursors -------------------------------------------------------


def chunk(tag, body):
    pad = b"\0" if len(body) & 1 else b""
    return tag + struct.pack("<I", len(body)) + body + pad


def cursor_image(hot_x, hot_y, kind=2):
    payload = b"\x28" + b"\0" * 5
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hot_x, hot_y, len(payload), 22)
    return struct.pack("<HHH", 0, kind, 1) + entry + payload


def ani(frames, steps, flags, rate=None, seq=None, extra=b""):
    header = struct.pack("<9I", 36, len(frames), steps, 0, 0, 0, 0, 6, flags)
    body = b"ACON" + chunk(b"anih", header)
    if rate is not None:
        body += chunk(b"rate", struct.pack(f"<{len(rate)}I", *rate))
    if seq is not None:
        body += chunk(b"seq ", struct.pack(f"<{len(seq)}I", *seq))
    body += extra
    body += chunk(b"LIST", b"fram" + b"".join(chunk(b"icon", f) for f in frames))
    return b"RIFF" + struct.pack("<I", len(body)) + body


shipped = os.path.join(os.path.dirname(ROOT), "..", "Data", "APPSTART.ANI")
os.makedirs(os.path.join(ROOT, "anifile"), exist_ok=True)
shutil.copyfile(shipped, os.path.join(ROOT, "anifile", "appstart"))
two = [cursor_image(3, 4), cursor_image(31, 0)]
write("anifile", "two_frames_plain", ani(two, 2, 1))
write("anifile", "sequence_and_rates", ani(two, 3, 3, rate=[3, 4, 5], seq=[1, 0, 1]))
write("anifile", "icons_with_info", ani([cursor_image(0, 0, kind=1)], 1, 1,
                                        extra=chunk(b"LIST", b"INFOINAM" + struct.pack("<I", 3) + b"Odd")))

# ---- About-box clips --------------------------------------------------------


def avi(width, height, bits, compression, frames, palette=(), stream=b"vids", extra=b"", rec=False):
    avih = struct.pack("<14I", 100000, 0, 0, 0x10, len(frames), 0, 2, 0, width, abs(height), 0, 0, 0, 0)
    strh = stream + struct.pack("<11I", 0, 0, 0, 0, 1, 12, 0, len(frames), 0, 0, 0)
    strf = struct.pack("<IiiHHIIIIII", 40, width, height, 1, bits, compression, 0, 0, 0, len(palette), 0)
    strf += b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    hdrl = b"hdrl" + chunk(b"avih", avih) + chunk(b"LIST", b"strl" + chunk(b"strh", strh) + chunk(b"strf", strf))
    hdrl += chunk(b"LIST", b"strl" + chunk(b"strh", b"auds" + bytes(44)) + chunk(b"strf", bytes(16)))
    body = b"".join(chunk(b"00dc", f) for f in frames) + extra
    movi = b"movi" + (chunk(b"LIST", b"rec " + body) if rec else body)
    riff = b"AVI " + chunk(b"LIST", hdrl) + chunk(b"LIST", movi) + chunk(b"idx1", bytes(16))
    return b"RIFF" + struct.pack("<I", len(riff)) + riff


four = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255)]


def first_frames(clip, count):
    """The shipped film cut to its first frames: its own headers, palette and
    run-length data, small enough to mutate quickly."""
    riff = clip[12:]
    out, at = b"", 0
    while at + 8 <= len(riff):
        tag, size = riff[at:at + 4], struct.unpack("<I", riff[at + 4:at + 8])[0]
        body = riff[at + 8:at + 8 + size]
        at += 8 + size + (size & 1)
        if tag == b"LIST" and body[:4] == b"movi":
            frames, inner = [], 4
            while inner + 8 <= len(body) and len(frames) < count:
                length = struct.unpack("<I", body[inner + 4:inner + 8])[0]
                frames.append(body[inner:inner + 8 + length + (length & 1)])
                inner += 8 + length + (length & 1)
            body = b"movi" + b"".join(frames)
        if tag != b"idx1":
            out += chunk(tag, body)
    return b"RIFF" + struct.pack("<I", len(out) + 4) + b"AVI " + out


with open(os.path.join(os.path.dirname(ROOT), "..", "Data", "Tidebolt.avi"), "rb") as f:
    write("avifile", "tidebolt_first_frames", first_frames(f.read(), 2))
write("avifile", "rgb24_bottom_up", avi(2, 2, 24, 0, [bytes([0, 0, 255, 255, 255, 255, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0])]))
write("avifile", "rgb32_top_down_two_frames", avi(2, -2, 32, 0, [bytes(16), bytes(range(16))]))
write("avifile", "rgb16_and_sound", avi(2, 1, 16, 0, [bytes([0xe0, 0x03, 0x00, 0x7c])],
                                          extra=chunk(b"01wb", bytes(8))))
write("avifile", "palette8_in_rec_list", avi(2, 2, 8, 0, [bytes([3, 0, 0, 0, 1, 2, 0, 0])], four, rec=True))
write("avifile", "rle8_runs_jumps_dropped", avi(4, 2, 8, 1, [bytes([4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 3, 2, 0, 1]),
                                                             bytes([0, 2, 2, 1, 2, 3, 0, 1]), b""], four))
write("avifile", "rle4_runs", avi(4, 2, 4, 2, [bytes([4, 0x12, 0, 0, 0, 4, 0x31, 0x02, 0, 1])], four))


# ---- Sound files: the head of a shipped sound and small variants -------------

def wav(rate, channels, bits, samples, fmt_tag=1, extra=b""):
    frame = channels * bits // 8
    fmt = struct.pack("<HHIIHH", fmt_tag, channels, rate, rate * frame, frame, bits)
    out = b"fmt " + struct.pack("<I", len(fmt)) + fmt + extra
    out += b"data" + struct.pack("<I", len(samples)) + samples + (b"\0" if len(samples) & 1 else b"")
    return b"RIFF" + struct.pack("<I", len(out) + 4) + b"WAVE" + out


with open(os.path.join(os.path.dirname(ROOT), "..", "Data", "Crash.wav"), "rb") as f:
    head = f.read()
write("wavclip", "crash_head", wav(22050, 1, 16, head[44:44 + 400]))
write("wavclip", "u8_stereo_torn_frame", wav(8000, 2, 8, bytes(range(9))))
write("wavclip", "list_chunk_before_data", wav(44100, 1, 16, bytes(8), extra=b"LIST\x04\x00\x00\x00INFO"))
write("wavclip", "compressed", wav(22050, 1, 4, bytes(16), fmt_tag=17))
