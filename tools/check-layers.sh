#!/usr/bin/env python3
# Fails on any #include in src/ that runs upward or sideways between the layers the README
# lists under "The code": a folder includes from itself and from the lines below its own.
import pathlib
import re
import sys

root = pathlib.Path(__file__).resolve().parent.parent
readme = (root / "README.md").read_text(encoding="utf-8")
block = re.search(r"<!-- layers -->\n(.*?)<!-- /layers -->", readme, re.S)
if not block:
    sys.exit("check-layers: README.md has no <!-- layers --> list")
lines = [line.split() for line in block.group(1).splitlines() if line.strip()]
# Top line first: a higher rank is a lower layer.
rank = {folder: i for i, line in enumerate(lines) for folder in line}

include = re.compile(r'^\s*#\s*include\s+"([^/"]+)/')
faults = []
for path in sorted((root / "src").rglob("*")):
    if path.suffix not in (".h", ".cpp", ".in") or not path.is_file():
        continue
    rel = path.relative_to(root / "src")
    folder = rel.parts[0]
    if folder not in rank:
        faults.append(f"src/{rel}: folder {folder}/ is in no layer of README.md")
        continue
    for number, text in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        m = include.match(text)
        if not m or m.group(1) == folder:
            continue
        target = m.group(1)
        where = f"src/{rel}:{number}: {folder}/ includes {target}/"
        if target not in rank:
            faults.append(f"{where}, a folder in no layer of README.md")
        elif rank[target] < rank[folder]:
            faults.append(f"{where}, a layer above it")
        elif rank[target] == rank[folder]:
            faults.append(f"{where}, a sibling on its layer")

for fault in faults:
    print(fault, file=sys.stderr)
if faults:
    sys.exit(f"check-layers: {len(faults)} include(s) against the layer order in README.md")
print(f"check-layers: the includes of src/ keep to the {len(lines)} layers")
