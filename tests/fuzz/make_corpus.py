#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz corpus: the reader's edge cases by name."""
import random
import sys
from pathlib import Path


def lines(*values, end="\n"):
    return "".join(f"{v}{end}" for v in values).encode()


def seeds():
    rnd = random.Random(5)
    ramp = [str(i) for i in range(200)]
    yield "empty", b""
    yield "five-lines", lines(3, 10, 20.5, 15, 12)
    yield "no-final-newline", b"3\n10\n20.5\n15\n12"
    yield "crlf", lines(3, 10, 20.5, 15, 12, end="\r\n")
    yield "cr-only", lines(3, 10, 20.5, 15, 12, end="\r")
    yield "bom", b"\xef\xbb\xbf" + lines(3, 10, 20.5, 15, 12)
    yield "count-fraction", lines("200.7", *ramp)
    yield "count-exponent", lines("2e2", *ramp)
    yield "count-3.9", lines("3.9", 1, 2, 3, 4, 5)
    yield "count-minus-0.9", lines("-0.9", 7, 8)
    yield "count-negative", lines(-2, 1, 2, 3)
    yield "count-zero", lines(0, 42, 43)
    yield "count-none", lines("abc", 5, 6)
    for count in ["3999", "4000", "5000", "2147483647", "2147483648", "-2147483648",
                  "-2147483649", "1e10", "-1e10", "99999999999999999999", "1e39", "-1e39", "nan", "inf"]:
        yield f"count-{count}-few-lines", lines(count, 1, 2, 3)
    yield "count-3999-full", lines(3999, *[(i * 7) % 1000 for i in range(4000)])
    yield "count-4000-full", lines(4000, *[i % 50 for i in range(4001)])
    yield "beyond-float", lines(6, "1e39", "-1e39", "1e-50", "3.4028236e38", "-3.4028236e38", "1e-46", "1e4000")
    yield "edge-float-max", lines(12, *(["3.4028235e38"] * 13))
    yield "edge-float-lowest", lines(12, *(["-3.4028235e38"] * 13))
    yield "edge-int-overflow", lines(12, *(["2147483647"] * 6 + ["-2147483648"] * 7))
    yield "edge-huge-sums", lines(20, *(["1e30"] * 21))
    yield "non-numbers", lines(8, "abc", "", "   ", "1,5", "  7", "12.5 word", "1e3", "0x1p3", "+-3")
    yield "nan-inf-words", lines(5, "nan", "inf", "-inf", "infinity", "NAN", "1e")
    yield "nul-bytes", b"4\n1\x002\n3\n\x00\n5\n"
    yield "line-255", ("7" + " " * 254 + "\n").encode() + lines(1, 2, 3, 4, 5, 6, 7, 8)
    yield "line-256", ("7" + " " * 255 + "\n").encode() + lines(1, 2, 3, 4, 5, 6, 7, 8)
    yield "line-300", lines(7, 1, "2" + "0" * 299, 3, 4, 5, 6, 7)
    yield "line-255-crlf", ("7" + " " * 253 + "\r\n").encode() + lines(1, 2, 3, 4, 5, 6, 7, 8)
    yield "long-number", lines(4, "1" * 250, "0." + "0" * 250 + "1", "9" * 40, 2, 3)
    yield "negative-samples", lines(20, *[-(i * 37 % 500) for i in range(21)])
    yield "small-counts", lines(4, 10, 20, 30, 40, 50)
    yield "count-8", lines(8, *[10 * (i + 1) for i in range(9)])
    yield "count-11", lines(11, *range(12))
    yield "binary-noise", bytes(rnd.randrange(256) for _ in range(600))
    yield "binary-noise-digits", bytes(rnd.choice(b"0123456789.-+eE \n\r\t") for _ in range(800))
    yield "utf16", lines(3, 10, 20, 30).decode().encode("utf-16")


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).with_name("corpus"))
    out.mkdir(parents=True, exist_ok=True)
    for name, data in seeds():
        (out / f"seed-{name}").write_bytes(data)


if __name__ == "__main__":
    main()
