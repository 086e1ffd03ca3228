#!/usr/bin/env python3
"""Checks that the source folders layer as docs/structure.md draws them.

Three checks, each failure printed on a line of its own:
- the drawing in docs/structure.md shows every library but the test helpers,
  and its table states the link lines of the CMakeLists.txt files;
- every link runs to a library on a lower level of the drawing there;
- every `#include "x/..."` of a library's file names a header of the same
  library or of one it links, directly or through others.

A header belongs to the library that builds the source file of its name, or
else to the library its folder's CMakeLists.txt defines first.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
SRC = ROOT / "src"
DOC = ROOT / "docs" / "structure.md"

# Names the drawing and the table use for libraries other than korvix_<name>.
DOC_NAMES = {
    "render/chart": "korvix_render_chart",
    "render/gauges": "korvix_render_gauges",
    "render/controls": "korvix_render_controls",
    "page (src/render)": "korvix_page",
    "render (src/render: the drawing core)": "korvix_render",
    "korvix (src/ui/main.cpp)": "korvix",
}


def doc_name(name):
    name = name.strip()
    return DOC_NAMES.get(name, "korvix" if name == "korvix" else "korvix_" + name)


def cmake_commands(text, command):
    for match in re.finditer(command + r"\(([^)]*)\)", re.sub(r"#[^\n]*", "", text)):
        yield match.group(1).split()


def read_cmake():
    """Returns the sources and the links of each library, and each folder's first library."""
    sources, links, folder_library = {}, {}, {}
    for cmake in sorted(SRC.rglob("CMakeLists.txt")):
        folder = cmake.parent
        text = cmake.read_text()
        for words in cmake_commands(text, "add_(?:library|executable)"):
            name = words[0]
            sources.setdefault(name, set())
            links.setdefault(name, set())
            if "INTERFACE" not in words[1:2]:
                folder_library.setdefault(folder, name)
            sources[name] |= {(folder / w).resolve() for w in words[1:] if w.endswith(".cpp")}
        for words in cmake_commands(text, "target_sources"):
            sources[words[0]] |= {(folder / w).resolve() for w in words[1:] if w.endswith(".cpp")}
        for words in cmake_commands(text, "target_link_libraries"):
            links[words[0]] |= {w for w in words[1:] if w.startswith("korvix_")}
    return sources, links, folder_library


def read_doc():
    """Returns the level of each library in the drawing and the links of the table."""
    text = DOC.read_text()
    drawing = text.split("```")[1]
    levels = {}
    for line in drawing.splitlines():
        match = re.match(r"\s*(\d+)\s+(.*)", line)
        if not match:
            continue
        # A library an arrow on its row points to sits just below the row.
        for below, part in enumerate(match.group(2).split("──▶")):
            for name in re.split(r"\s{2,}|◀──", part):
                name = name.strip()
                if re.fullmatch(r"[a-z/]+(?: \([^)]*\))?", name):
                    levels[doc_name(name)] = int(match.group(1)) - below / 2
    table = {}
    for line in text.splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 2 or cells[0] in ("library", "---") or not line.startswith("|"):
            continue
        if "everything" in cells[1]:
            continue
        linked = {doc_name(n) for n in re.sub(r"[\[\]]", "", cells[1]).split(",")
                  if n.strip() not in ("—", "") and not n.strip().startswith(("Qt", "everything"))}
        for name in cells[0].split(","):
            table[doc_name(name)] = linked
    return levels, table


def closure(links, name):
    seen, todo = set(), [name]
    while todo:
        for linked in links.get(todo.pop(), ()):
            if linked not in seen:
                seen.add(linked)
                todo.append(linked)
    return seen


def main():
    sources, links, folder_library = read_cmake()
    levels, table = read_doc()
    faults = []

    for name, linked in sorted(table.items()):
        if name not in links:
            faults.append(f"docs/structure.md: {name} is no library")
        elif links[name] != linked:
            faults.append(f"docs/structure.md: {name} links {sorted(links[name])}, the table says {sorted(linked)}")
    for name, linked in sorted(links.items()):
        if name not in levels and not name.endswith(("_fakes", "_test_main")):
            faults.append(f"docs/structure.md: the drawing lacks {name}")
        if name in levels:
            for target in sorted(linked):
                if target in levels and levels[target] >= levels[name]:
                    faults.append(f"{name} (level {levels[name]:g}) links {target} (level {levels[target]:g})")

    owner = {}
    for name, files in sources.items():
        for cpp in files:
            owner[cpp.with_suffix(".h")] = name
            owner[cpp] = name
    def library_of(path):
        if path in owner:
            return owner[path]
        for folder in path.parents:
            if folder in folder_library:
                return folder_library[folder]
        return None

    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp") or "testing" in path.parts:
            continue
        library = library_of(path.resolve())
        allowed = {library} | closure(links, library)
        for number, line in enumerate(path.read_text().splitlines(), 1):
            match = re.match(r'\s*#\s*include\s+"([^"]+/[^"]+)"', line)
            if not match:
                continue
            target = library_of((SRC / match.group(1)).resolve())
            if target not in allowed:
                faults.append(f"{path.relative_to(ROOT)}:{number}: {library} includes {match.group(1)} of {target}")

    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
