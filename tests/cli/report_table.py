#!/usr/bin/env python3
"""Reads a report of tarvolo-cli as any HTML reader would and prints what
its tables hold: one line per statement, per item and per line left out.

    report_table.py REPORT.html

Prints "statement ACCOUNT CURRENCY credits=N with=N filled=N message=N
without=N", then "item FILE-LINE STATUS VS | PAIRING | WARNINGS" for each of
its items, and "left-out FILE-LINE" for each line left out. Fails on markup
that does not close what it opens, and on any script."""
import sys
from html.parser import HTMLParser

VOID = {"meta", "br", "link", "img", "hr", "input"}


class Report(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.open = []
        self.rows = []  # (kind, attributes, [cell texts])
        self.headings = []
        self.row = None
        self.cell = None
        self.heading = None
        self.faults = []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "script":
            self.faults.append("script")
        if tag not in VOID:
            self.open.append(tag)
        if tag == "tr":
            self.row = (attrs.get("class", ""), attrs, [])
        elif tag in ("td", "th") and self.row is not None:
            self.cell = []
        elif tag == "h2":
            self.heading = []
        elif tag == "br" and self.cell is not None:
            self.cell.append(" / ")

    def handle_endtag(self, tag):
        if not self.open or self.open[-1] != tag:
            self.faults.append("</%s> closes %s" % (tag, self.open[-1:] or "nothing"))
            return
        self.open.pop()
        if tag in ("td", "th") and self.row is not None and self.cell is not None:
            self.row[2].append("".join(self.cell).strip())
            self.cell = None
        elif tag == "tr" and self.row is not None:
            self.rows.append(self.row)
            self.row = None
        elif tag == "h2":
            self.headings.append("".join(self.heading))
            self.rows.append(("heading", {}, ["".join(self.heading)]))
            self.heading = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell.append(data)
        if self.heading is not None:
            self.heading.append(data)


def main():
    with open(sys.argv[1], "rb") as f:
        raw = f.read()
    if b'<meta charset="windows-1250">' not in raw:
        print("fault: no charset")
        return 1
    report = Report()
    report.feed(raw.decode("cp1250"))
    report.close()
    if report.open:
        report.faults.append("left open: " + " ".join(report.open))
    for fault in report.faults:
        print("fault:", fault)
    in_pairing = False
    for kind, attrs, cells in report.rows:
        if kind == "heading" and cells[0].startswith("Výpis účtu "):
            words = cells[0].split()
            statement = "statement %s %s" % (words[2], words[4])
        elif kind == "" and cells and cells[0] == "Příchozí platby" and len(cells) == 5:
            in_pairing = True
        elif in_pairing:
            in_pairing = False
            print(statement, "credits=%s with=%s filled=%s message=%s without=%s" % tuple(cells))
        elif kind.startswith("item"):
            line = "item %s %s %s | %s | %s" % (cells[0].replace(", ", "-"),
                                                attrs.get("data-status"), cells[4], cells[8],
                                                cells[9])
            print(line.rstrip())
        elif kind == "left-out":
            print("left-out", cells[0].replace(", ", "-"))
    return 1 if report.faults else 0


sys.exit(main())
