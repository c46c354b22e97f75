"""Packs the files a game's page fetches as it starts, so that they come small from any host, compressing or not.

usage: pack_site_file.py WORD_LIST PACKED            a word list (.dll), packed as GAME/NAME.words
       pack_site_file.py --program WASM PACKED       the program's WebAssembly, as GAME/GAME.wasm.packed
       (- for either file reads standard input or writes standard output)

Most hosts compress neither a .dll nor a .wasm. Packed, Pebblix's dictionary of 654,561 bytes goes
as about 92 KB and its program of about 130 KB as about 40 KB. The page's port inflates both
(port/inflate.js: the browser's own inflating where it has it, else its own) and unpacks a word list
into the very bytes of the file (port/word_lists.js), which the game reads as the desktop reads the
file itself. Both are raw DEFLATE, as zlib writes it at its best compression; the program is
deflated as it is, a word list in this form first:

- one byte, the line end: 1 when every line ends with CR LF, 0 when lines end with LF alone;
- then each line of the file without its line end, the piece after the last line end included
  (empty when the file ends with one): one byte, how many bytes it shares with the line before
  (at most 255), then its other bytes, then LF. A line holds no LF, so LF ends it.

Any bytes pack and unpack whole; a sorted list of words packs smallest.
"""

import sys
import zlib

MOST_SHARED = 255


def deflate(data):
    """Raw DEFLATE at zlib's best compression."""
    compressor = zlib.compressobj(9, zlib.DEFLATED, -15, 9)
    return compressor.compress(data) + compressor.flush()


def pack(data):
    """The packed form of a word list's bytes."""
    crlf = data.count(b"\n") == data.count(b"\r\n")
    lines = data.split(b"\r\n" if crlf else b"\n")
    coded = bytearray([1 if crlf else 0])
    previous = b""
    for line in lines:
        shared = 0
        most = min(len(line), len(previous), MOST_SHARED)
        while shared < most and line[shared] == previous[shared]:
            shared += 1
        coded.append(shared)
        coded += line[shared:]
        coded += b"\n"
        previous = line
    return deflate(bytes(coded))


def main():
    arguments = sys.argv[1:]
    program = arguments[:1] == ["--program"]
    if program:
        arguments = arguments[1:]
    if len(arguments) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    source, target = arguments
    if source == "-":
        data = sys.stdin.buffer.read()
    else:
        with open(source, "rb") as words:
            data = words.read()
    packed = deflate(data) if program else pack(data)
    if target == "-":
        sys.stdout.buffer.write(packed)
    else:
        with open(target, "wb") as out:
            out.write(packed)
    return 0


if __name__ == "__main__":
    sys.exit(main())
