#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the include graph of src/ against the layers of src/CMakeLists.txt.

The folders under src/ are libraries, listed in src/CMakeLists.txt from the
bottom up.  A file may include headers of its own folder and of folders
listed before it, never of a folder listed after it.  The folders listed
before the line "# With Qt:" include no Qt header.  No files include each
other in a circle (a header and its .cpp count as one).  The README's
drawing of the layers (between the markers below) must be the one this
script draws from the includes; `--drawing` prints it.  Prints every finding
and exits 1 when there is any.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
README = ROOT / "README.md"
DRAWING_START = "<!-- layers: drawn by scripts/check-layers.py --drawing -->"
DRAWING_END = "<!-- end of the layers -->"
SRC = ROOT / "src"
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.MULTILINE)


def layers():
    """The folders in their order, and which of them are Qt-free."""
    order, qt_free, with_qt = [], set(), False
    for line in (SRC / "CMakeLists.txt").read_text().splitlines():
        if line.startswith("# With Qt"):
            with_qt = True
        found = re.match(r"\s*add_subdirectory\((\w+)\)", line)
        if found:
            order.append(found.group(1))
            if not with_qt:
                qt_free.add(found.group(1))
    return {folder: rank for rank, folder in enumerate(order)}, qt_free


def unit(path):
    """A header and its source file are one unit: "window/form1"."""
    return str(path.relative_to(SRC).with_suffix(""))


def main():
    rank, qt_free = layers()
    findings, edges, uses = [], {}, set()
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        folder = path.relative_to(SRC).parts[0]
        if folder not in rank:
            findings.append(f"{path.relative_to(ROOT)}: folder '{folder}' is not listed in src/CMakeLists.txt")
            continue
        for kind, name in INCLUDE.findall(path.read_text(encoding="utf-8")):
            if kind == "<" and folder in qt_free and re.match(r"Q[A-Za-z]*(/|$)", name):
                findings.append(f"{path.relative_to(ROOT)}: the Qt-free folder '{folder}' includes <{name}>")
            if kind != '"' or not (SRC / name).is_file():
                continue
            target = name.split("/")[0]
            if rank.get(target, -1) > rank[folder]:
                findings.append(f"{path.relative_to(ROOT)}: includes \"{name}\" from '{target}', a layer above '{folder}'")
            if target != folder:
                uses.add((folder, target))
            if unit(SRC / name) != unit(path):
                edges.setdefault(unit(path), set()).add(unit(SRC / name))
    findings += circles(edges)
    drawn = drawing(rank, qt_free, uses)
    if "--drawing" in sys.argv:
        print(drawn)
        return 0
    if f"{DRAWING_START}\n{drawn}\n{DRAWING_END}" not in README.read_text(encoding="utf-8"):
        findings.append("README.md: the drawing of the layers is not the one of the code (scripts/check-layers.py --drawing)")
    for finding in findings:
        print(finding)
    print(f"layers: {len(rank)} folders, {len(findings)} findings")
    return 1 if findings else 0


def drawing(rank, qt_free, uses):
    """A Mermaid flowchart: each folder over the folders it includes, the
    Qt-free ones in a box of their own."""
    def below(folder):
        return sorted({used for user, used in uses if user == folder}, key=rank.get)

    lines = ["```mermaid", "flowchart TB"]
    order = sorted(rank, key=rank.get, reverse=True)
    lines += [f"  {folder}" for folder in order if folder not in qt_free]
    lines.append("  subgraph qt_free [without Qt]")
    lines += [f"    {folder}" for folder in order if folder in qt_free]
    lines.append("  end")
    for folder in order:
        for used in below(folder):
            lines.append(f"  {folder} --> {used}")
    lines.append("```")
    return "\n".join(lines)


def circles(edges):
    """One finding per circle found by a depth-first search."""
    found, state = [], {}

    def visit(node, path):
        state[node] = "open"
        for following in sorted(edges.get(node, ())):
            if state.get(following) == "open":
                circle = path[path.index(following):] + [following]
                found.append("files include each other in a circle: " + " -> ".join(circle))
            elif following not in state:
                visit(following, path + [following])
        state[node] = "done"

    for node in sorted(edges):
        if node not in state:
            visit(node, [node])
    return found


if __name__ == "__main__":
    sys.exit(main())
