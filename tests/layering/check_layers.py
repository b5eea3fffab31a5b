#!/usr/bin/env python3
"""Fails when a layer reaches one it may not.

usage: check_layers.py ROOT        checks the tree at ROOT against tests/layering/layers.txt
       check_layers.py --self-test checks that a tree with forbidden arrows is refused

Reads every #include "X/..." (and Qt include) of src/, tests/ and fuzz/, every
target_link_libraries and every test program's LIBS in their CMakeLists.txt, and prints each
forbidden arrow with the file that draws it.
"""

import pathlib
import re
import sys
import tempfile

SOURCE_SUFFIXES = {".h", ".hpp", ".cpp", ".cc"}
QUOTED_INCLUDE = re.compile(r'^[ \t]*#[ \t]*include[ \t]+"([A-Za-z0-9_]+)/', re.M)
QT_INCLUDE = re.compile(r"^[ \t]*#[ \t]*include[ \t]+<Q[A-Za-z]", re.M)
LINK_CALL = re.compile(r"\btarget_link_libraries\s*\(([^)]*)\)", re.S)
TARGET_CALL = re.compile(r"\b(?:add_library|add_executable|zorvane_test_program)\s*\(\s*([A-Za-z0-9_${}-]+)", re.S)
TEST_PROGRAM = re.compile(r"\bzorvane_test_program\s*\(\s*([A-Za-z0-9_-]+)([^)]*)\)", re.S)
CMAKE_KEYWORDS = {"PUBLIC", "PRIVATE", "INTERFACE", "SOURCES", "LIBS"}


class Table:
    def __init__(self, text):
        self.direct = {}
        self.exceptions = {}
        for line in text.splitlines():
            words = line.split("#", 1)[0].split()
            if not words:
                continue
            if words[0] == "exception":
                self.exceptions.setdefault(words[1], set()).update(words[2:])
            else:
                self.direct[words[0]] = set(words[1:])
        self.allowed = {layer: self._reach(layer) for layer in self.direct}

    def _reach(self, layer):
        seen, todo = set(), [layer]
        while todo:
            for below in self.direct.get(todo.pop(), ()):
                if below not in seen:
                    seen.add(below)
                    todo.append(below)
        return seen | {layer}

    def is_layer(self, name):
        return name in self.direct or name == "qt"

    def may(self, layer, target, who):
        return target in self.allowed[layer] or target in self.exceptions.get(who, ())


def layer_of(rel, table):
    """The layer a file belongs to: src/<layer>/, tests/<layer>/ or fuzz/."""
    parts = rel.parts
    if parts[0] == "fuzz":
        return "fuzz"
    if parts[0] in ("src", "tests") and len(parts) > 2 and table.is_layer(parts[1]):
        return parts[1]
    if parts[0] == "tests" and len(parts) > 2 and parts[1] == "fuzz":
        return "fuzz"
    return None


def check_includes(root, table, problems):
    for top in ("src", "tests", "fuzz"):
        for path in sorted((root / top).rglob("*")):
            if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
                continue
            rel = path.relative_to(root)
            if rel.parts[0] == "src" and len(rel.parts) > 2 and not table.is_layer(rel.parts[1]):
                problems.append(f"{rel}: src/{rel.parts[1]} has no row in the layer table")
                continue
            layer = layer_of(rel, table)
            if layer is None:
                continue
            text = path.read_text(encoding="utf-8")
            reached = [(m.start(), m.group(1)) for m in QUOTED_INCLUDE.finditer(text) if table.is_layer(m.group(1))]
            reached += [(m.start(), "qt") for m in QT_INCLUDE.finditer(text)]
            for pos, target in sorted(reached):
                if not table.may(layer, target, rel.as_posix()):
                    line = text.count("\n", 0, pos) + 1
                    problems.append(f"{rel}:{line}: {layer} may not include {target}")


def cmake_files(root):
    for top in ("src", "tests", "fuzz"):
        yield from sorted((root / top).rglob("CMakeLists.txt"))
    yield root / "CMakeLists.txt"


def target_layers(root, table):
    """Each target defined under src/<layer>/ or fuzz/ belongs to that layer; test programs
    named test_<layer> to theirs."""
    owners = {}
    for path in cmake_files(root):
        layer = layer_of(path.relative_to(root), table)
        for name in TARGET_CALL.findall(path.read_text(encoding="utf-8")):
            test_layer = name[len("test_"):] if name.startswith("test_") else None
            if test_layer and table.is_layer(test_layer):
                owners[name] = test_layer
            elif layer:
                owners[name] = layer
    return owners


def linked_layer(item, owners, table):
    if item.startswith("Qt6::") or item.startswith("Qt::"):
        return "qt"
    return owners.get(item)


def check_links(root, table, problems):
    owners = target_layers(root, table)
    for path in cmake_files(root):
        rel = path.relative_to(root)
        text = path.read_text(encoding="utf-8")
        calls = [(m.start(), m.group(1).split()) for m in LINK_CALL.finditer(text)]
        for m in TEST_PROGRAM.finditer(text):
            words = m.group(2).split()
            libs = words[words.index("LIBS") + 1:] if "LIBS" in words else []
            calls.append((m.start(), [m.group(1)] + libs))
        for pos, words in calls:
            if not words or words[0] not in owners:
                continue
            who = words[0]
            for item in words[1:]:
                if item in CMAKE_KEYWORDS:
                    continue
                target = linked_layer(item, owners, table)
                if target and not table.may(owners[who], target, who):
                    line = text.count("\n", 0, pos) + 1
                    problems.append(f"{rel}:{line}: {who} ({owners[who]}) may not link {item} ({target})")


def check(root):
    table = Table((root / "tests" / "layering" / "layers.txt").read_text(encoding="utf-8"))
    problems = []
    check_includes(root, table, problems)
    check_links(root, table, problems)
    return problems


def self_test():
    """A tree drawing three forbidden arrows must be refused with each file named."""
    table = (pathlib.Path(__file__).parent / "layers.txt").read_text(encoding="utf-8")
    files = {
        "tests/layering/layers.txt": table,
        "src/core/icon.h": '#include "encoders/png.h"\n#include "platform/reader.h"\n',
        "src/encoders/png.h": '#include "bitmap/bitmap.h"\n\n#include "core/icon.h"\n',
        "src/platform/reader.h": "#include <QString>\n",
        "src/core/CMakeLists.txt": "add_library(core STATIC icon.cpp)\ntarget_link_libraries(core PUBLIC encoders)\n",
        "src/encoders/CMakeLists.txt": "add_library(encoders STATIC png.cpp)\n",
        "src/platform/CMakeLists.txt": "add_library(platform STATIC reader.cpp)\n",
        "src/export/CMakeLists.txt": "add_library(export STATIC x.cpp)\ntarget_link_libraries(export\n  PUBLIC core Qt6::Gui)\n",
        "src/extra/thing.h": "",
        "CMakeLists.txt": "",
    }
    expected = [
        "src/encoders/png.h:3: encoders may not include core",
        "src/extra/thing.h: src/extra has no row in the layer table",
        "src/platform/reader.h:1: platform may not include qt",
        "src/export/CMakeLists.txt:2: export (export) may not link Qt6::Gui (qt)",
    ]
    with tempfile.TemporaryDirectory() as tmp:
        root = pathlib.Path(tmp)
        for name, text in files.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text, encoding="utf-8")
        problems = check(root)
    if sorted(problems) != sorted(expected):
        print("expected:", *expected, "found:", *problems, sep="\n  ")
        return 1
    return 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) != 2:
        print(__doc__)
        return 2
    problems = check(pathlib.Path(argv[1]))
    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
