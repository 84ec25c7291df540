#!/usr/bin/env python3
"""Copies a UTF-8 C++ source with every non-ASCII character of its narrow
string and character literals written as the octal escapes of its code page
932 bytes, for compilers without -fexec-charset=CP932 (clang accepts only
UTF-8 there). The bytes come from the C library's iconv, the converter GCC's
-fexec-charset uses, so both compilers put the same bytes in the program.
Comments are copied as they are; lines keep their numbers.

    scripts/cp932-literals.py SOURCE OUTPUT

Wide and UTF literals are copied as they are (-fexec-charset leaves them
alone too). Fails on a non-ASCII character it cannot place: in a narrow raw
string, outside literals and comments, or one code page 932 lacks.
"""
import ctypes
import ctypes.util
import os
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.POINTER(ctypes.c_char_p), ctypes.POINTER(ctypes.c_size_t)] * 2

FAILED = ctypes.c_size_t(-1).value
CD = libc.iconv_open(b"CP932", b"UTF-8")


def to_cp932(utf8):
    libc.iconv(CD, None, None, None, None)
    src = ctypes.create_string_buffer(utf8, len(utf8))
    dst = ctypes.create_string_buffer(4 * len(utf8) + 8)
    src_p, src_left = ctypes.c_char_p(ctypes.addressof(src)), ctypes.c_size_t(len(utf8))
    dst_p, dst_left = ctypes.c_char_p(ctypes.addressof(dst)), ctypes.c_size_t(len(dst))
    rc = libc.iconv(CD, ctypes.byref(src_p), ctypes.byref(src_left), ctypes.byref(dst_p), ctypes.byref(dst_left))
    if rc == FAILED or src_left.value != 0:
        return None
    return dst.raw[: len(dst) - dst_left.value]


class Failure(Exception):
    pass


def transcode(data, name):
    out = bytearray()
    i, n, line = 0, len(data), 1

    def fail(why):
        raise Failure(f"{name}:{line}: {why}")

    while i < n:
        c = data[i]
        if data.startswith(b"//", i):
            end = data.find(b"\n", i)
            end = n if end < 0 else end
            out += data[i:end]
            i = end
        elif data.startswith(b"/*", i):
            end = data.find(b"*/", i + 2)
            end = n if end < 0 else end + 2
            line += data.count(b"\n", i, end)
            out += data[i:end]
            i = end
        elif c in b"\"'":
            # The identifier or number just before: a literal's prefix, or a
            # digit separator (1'000).
            start = i
            while start > 0 and (chr(data[start - 1]).isalnum() or data[start - 1] in b"_'."):
                start -= 1
            before = data[start:i]
            if c == ord("'") and before[:1].isdigit():
                out.append(c)
                i += 1
                continue
            raw = before.endswith(b"R") and c == ord('"')
            wide = before in (b"L", b"u", b"U", b"u8", b"LR", b"uR", b"UR", b"u8R")
            if raw:
                delim_end = data.find(b"(", i)
                close = b")" + data[i + 1 : delim_end] + b'"'
                end = data.find(close, delim_end) + len(close)
                body = data[i:end]
                if not wide and any(b >= 0x80 for b in body):
                    fail("non-ASCII text in a raw string")
                line += body.count(b"\n")
                out += body
                i = end
                continue
            out.append(c)
            i += 1
            while i < n and data[i] != c:
                if data[i] == ord("\\"):
                    out += data[i : i + 2]
                    i += 2
                    continue
                if data[i] == ord("\n"):
                    fail("a literal runs to the line's end")
                if data[i] < 0x80:
                    out.append(data[i])
                    i += 1
                    continue
                j = i + 1
                while j < n and 0x80 <= data[j] < 0xC0:
                    j += 1
                if wide:
                    # Not narrow text: -fexec-charset leaves it alone too.
                    out += data[i:j]
                    i = j
                    continue
                encoded = to_cp932(data[i:j])
                if encoded is None:
                    fail(f"{data[i:j].decode('utf-8', 'replace')!r} is not in code page 932")
                out += "".join(f"\\{b:03o}" for b in encoded).encode()
                i = j
            out.append(c)
            i += 1
        else:
            if c >= 0x80:
                fail("non-ASCII text outside literals and comments")
            if c == ord("\n"):
                line += 1
            out.append(c)
            i += 1
    return bytes(out)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    if CD == FAILED or CD is None:
        sys.exit("iconv has no CP932 converter")
    source, output = sys.argv[1], sys.argv[2]
    with open(source, "rb") as f:
        data = f.read()
    try:
        result = transcode(data, source)
    except Failure as failure:
        sys.exit(str(failure))
    os.makedirs(os.path.dirname(output) or ".", exist_ok=True)
    # Rewritten only when changed, so that an unchanged copy is not rebuilt.
    if os.path.exists(output):
        with open(output, "rb") as f:
            if f.read() == result:
                return
    with open(output, "wb") as f:
        f.write(result)


if __name__ == "__main__":
    main()
