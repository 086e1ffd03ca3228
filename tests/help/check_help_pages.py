#!/usr/bin/env python3
"""Checks the help pages in help/ against the program and against each other.

topics: every topic the program opens has a page, and every page is either
        opened by a topic or linked from the start page. The topics are the
        names of HTML files in the sources but the files the program writes
        itself (OTHER_HTML).
links:  every link of every page leads to a page in help/, and a link with
        "#name" to an id or name that page has; nothing leads outside.

Usage: check_help_pages.py topics|links SOURCE_DIR
Each fault is printed on a line of its own; the exit status is 1 for any.
"""
import html.parser
import pathlib
import re
import sys
import urllib.parse

START_PAGE = "index.html"
TOPIC = re.compile(r'"([A-Za-z0-9_-]+\.html?)"')
# The web log's pages, local, remote and the test upload's.
OTHER_HTML = {"KorvixWebLog.html", "WebLog.html", "korvixweblogtestfile.html"}


class Page(html.parser.HTMLParser):
    def __init__(self, text):
        super().__init__(convert_charrefs=True)
        self.links = []  # (tag, target)
        self.anchors = set()
        self.feed(text)

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        for key in ("id", "name") if tag == "a" else ("id",):
            if attrs.get(key):
                self.anchors.add(attrs[key])
        for key in ("href", "src"):
            if attrs.get(key) is not None:
                self.links.append((tag, attrs[key]))


def read_pages(helpdir):
    return {path.name: Page(path.read_bytes().decode("latin-1"))
            for path in sorted(helpdir.iterdir()) if path.suffix in (".htm", ".html")}


def code_topics(srcdir):
    topics = {}
    for path in sorted(srcdir.rglob("*")):
        if path.suffix in (".cpp", ".h"):
            for topic in TOPIC.findall(path.read_text(encoding="latin-1")):
                if topic not in OTHER_HTML:
                    topics.setdefault(topic, path.relative_to(srcdir.parent))
    return topics


def check_topics(root):
    faults = []
    pages = read_pages(root / "help")
    topics = code_topics(root / "src")
    if not topics:
        faults.append("no help topic found in the sources")
    for topic, where in sorted(topics.items()):
        if topic not in pages:
            faults.append(f"{where} opens the topic {topic}, which has no page in help/")
    if START_PAGE not in pages:
        faults.append(f"help/ has no start page {START_PAGE}")
    linked = {urllib.parse.urlsplit(target).path for _, target in pages.get(START_PAGE, Page("")).links}
    for name in sorted(pages):
        if name != START_PAGE and name not in topics and name not in linked:
            faults.append(f"help/{name} is opened by no topic and not linked from the start page")
    return faults


def check_links(root):
    faults = []
    helpdir = root / "help"
    pages = read_pages(helpdir)
    if not pages:
        faults.append("help/ holds no page")
    for name, page in pages.items():
        for tag, target in page.links:
            parts = urllib.parse.urlsplit(target)
            where = f"help/{name}: <{tag}> {target!r}"
            if parts.scheme or parts.netloc or "/" in parts.path or parts.path in ("..", "."):
                faults.append(f"{where} leads outside the help folder")
                continue
            file = parts.path or name
            if not (helpdir / file).is_file():
                faults.append(f"{where} leads to {file}, which is not in help/")
            elif parts.fragment and (file not in pages or parts.fragment not in pages[file].anchors):
                faults.append(f"{where}: {file} has no anchor {parts.fragment!r}")
    return faults


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in ("topics", "links"):
        print(__doc__, file=sys.stderr)
        return 2
    root = pathlib.Path(sys.argv[2])
    faults = (check_topics if sys.argv[1] == "topics" else check_links)(root)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
