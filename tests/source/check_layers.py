#!/usr/bin/env python3
"""Fails when a library source file includes a header of a higher layer, or of a
sibling of its own layer.

The layers, bottom up: types/, crypto/, io/, then imagefile/ and dc9/ side by
side, frame/, resource/. A file may include headers of its own folder and of the
layers below it. imagefile/ and dc9/ are siblings: the same rank, and neither
includes the other; what they share lives below them. crypto/ and io/ need
nothing of each other (io/ moves bytes, crypto/ hands its output to a caller's
write function and reads no file); io/ is placed above crypto/ so that file
access sits next to the file formats it serves. The public header vek.h belongs
to frame/, which implements it.

Usage: check_layers.py <source root>
"""
import pathlib
import re
import sys

# Bottom up; the folders of one entry are siblings.
LAYERS = [("types",), ("crypto",), ("io",), ("imagefile", "dc9"), ("frame",), ("resource",)]
RANK = {name: rank for rank, names in enumerate(LAYERS) for name in names}
HEADER_LAYER = {"vek.h": "frame"}  # the public header, by its include name

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE = {".h", ".hpp", ".cpp", ".cc", ".c", ".inc", ".rc"}


def layer_of(included, own_layer):
    """The layer of an included path, None for a path outside the library."""
    if included in HEADER_LAYER:
        return HEADER_LAYER[included]
    top = included.split("/", 1)[0]
    if "/" not in included:
        return own_layer  # a sibling header of the same folder
    return top if top in RANK else None


def main():
    root = pathlib.Path(sys.argv[1])
    faults = []
    checked = 0
    for layer in RANK:
        folder = root / layer
        if not folder.is_dir():
            continue
        for path in sorted(folder.rglob("*")):
            if path.suffix not in SOURCE or not path.is_file():
                continue
            checked += 1
            name = path.relative_to(root).as_posix()
            text = path.read_text(encoding="utf-8", errors="replace")
            for match in INCLUDE.finditer(text):
                included = match.group(1)
                line = text.count("\n", 0, match.start()) + 1
                target = layer_of(included, layer)
                if target is None:
                    faults.append(f"{name}:{line}: includes \"{included}\", which is no library layer")
                elif RANK[target] > RANK[layer]:
                    faults.append(f"{name}:{line}: {layer}/ includes \"{included}\" of the higher layer {target}/")
                elif RANK[target] == RANK[layer] and target != layer:
                    faults.append(f"{name}:{line}: {layer}/ includes \"{included}\" of its sibling {target}/")
    for fault in faults:
        print(fault)
    if checked == 0:
        print(f"no library source found under {root}")
        return 1
    print(f"{checked} files checked, {len(faults)} upward or sideways includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
