"""The cost of one call through the package, against the same export called through plain ctypes.

    python3 python/bench_calls.py [--library PATH] [--rounds N] [--calls N]

The call is vek.Conv_HexaToDec("FFFF", 0). The reference is what a plain ctypes
caller writes: the export with its argument and result types set once, called
with a bytes argument and an output buffer made beforehand. Both run on one
thread, alternately, round by round; the figures are the lowest per-call times
(thread CPU time) and the median of the rounds' ratios. The bare call (the
export without argument types, as the package itself calls it once it has
checked the arguments) is shown for comparison.

The library is the package's own choice (VEK_LIBRARY, else the one beside the
package, else the system's), or --library.
"""
import argparse
import ctypes
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import vek  # noqa: E402  (the package beside this script)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--library", help="the library file (default: as the package finds it)")
    parser.add_argument("--rounds", type=int, default=41)
    parser.add_argument("--calls", type=int, default=5000, help="calls per round and side")
    options = parser.parse_args()
    if options.library:
        vek.load(options.library)
    path = vek.library().path

    loader = ctypes.WinDLL if sys.platform == "win32" else ctypes.CDLL
    typed = loader(path).vek_Conv_HexaToDec
    typed.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.c_char_p, ctypes.c_int]
    typed.restype = ctypes.c_short
    bare = loader(path)["vek_Conv_HexaToDec"]
    bare.restype = ctypes.c_short
    buffer = ctypes.create_string_buffer(1024)
    package = vek.Conv_HexaToDec
    if package("FFFF", 0) != "65535" or typed(b"FFFF", 0, buffer, 1024) != -1 or buffer.value != b"65535":
        sys.exit("Conv_HexaToDec(FFFF) did not give 65535")
    n = options.calls

    def plain():
        start = time.thread_time_ns()
        for _ in range(n):
            typed(b"FFFF", 0, buffer, 1024)
        return (time.thread_time_ns() - start) / n

    def plain_bare():
        start = time.thread_time_ns()
        for _ in range(n):
            bare(b"FFFF", 0, buffer, 1024)
        return (time.thread_time_ns() - start) / n

    def through_package():
        start = time.thread_time_ns()
        for _ in range(n):
            package("FFFF", 0)
        return (time.thread_time_ns() - start) / n

    plains, bares, packages, ratios = [], [], [], []
    for _ in range(options.rounds):
        p, b, v = plain(), plain_bare(), through_package()
        plains.append(p)
        bares.append(b)
        packages.append(v)
        ratios.append(v / p)
    print(f"library: {path}")
    print(f"python: {sys.version.split()[0]}")
    print(f"plain_ctypes_ns_per_call: {min(plains):.0f}")
    print(f"bare_ctypes_ns_per_call: {min(bares):.0f}")
    print(f"package_ns_per_call: {min(packages):.0f}")
    print(f"ratio_package_over_plain_ctypes: {statistics.median(ratios):.2f}")


if __name__ == "__main__":
    main()
