#!/usr/bin/env python3
"""Checks a calendar template with a real, private LibreOffice and independent readers.

    python3 check_template.py [--paper letter|a4|a5] [--template FILE] [--keep DIR]

The template is the paper's own (calendar.dot for Letter, calendar-a4.dot, …) unless
one is named. What it checks:
- laid out to PDF: six pages of the paper's size, the first month of each page in the
  left column and the second in the right one;
- reloaded: the page setup, the twelve tables in document order with their rows, cells,
  texts and cell formatting, and the paragraphs and breaks between them;
- saved as a Word 97 document and reopened: still six pages (export is stable);
- filled: an entry typed into every day cell, saved as .doc, is read back by antiword
  once, in calendar order, beside its day, and the calendar still has six pages; one
  entry long enough to wrap makes its month outgrow the column and adds pages.

Needs soffice, pdfinfo and pdftotext (poppler-utils) and antiword. Exits non-zero with
a list of the failed checks.
"""

import argparse
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from generate_calendar import MONTHS, PAPERS, convert, day_label  # noqa: E402

NS = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "meta": "urn:oasis:names:tc:opendocument:xmlns:meta:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
}
TWIPS_PER_UNIT = {"in": 1440.0, "cm": 1440.0 / 2.54, "mm": 1440.0 / 25.4, "pt": 20.0}
LONG_ENTRY = "Long keepsake note: " + " ".join(f"wrapping{i:02d}" for i in range(60))
LONG_ENTRY_HEAD = "Long keepsake note:"


def q(name):
    prefix, local = name.split(":")
    return f"{{{NS[prefix]}}}{local}"


def twips(length):
    match = re.fullmatch(r"(-?[0-9.]+)(in|cm|mm|pt)", length or "")
    if not match:
        raise ValueError(f"not a length: {length!r}")
    return float(match.group(1)) * TWIPS_PER_UNIT[match.group(2)]


def entry_text(month, day):
    return f"Keepsake {month + 1}/{day}."


class Checker:
    def __init__(self):
        self.failures = []

    def expect(self, condition, what):
        if not condition:
            self.failures.append(what)
        return condition

    def report(self, title):
        """Prints each failure and the verdict; the exit status."""
        for failure in self.failures:
            print("FAIL:", failure)
        print(f"{title}:", "failed" if self.failures else "passed")
        return 1 if self.failures else 0

    def near(self, length, expected_twips, what):
        try:
            value = twips(length)
        except ValueError as error:
            return self.expect(False, f"{what}: {error}")
        return self.expect(abs(value - expected_twips) <= 2,
                           f"{what}: {length} is not {expected_twips} twips")


# --- laid-out pages -------------------------------------------------------------------

def page_info(pdf):
    output = subprocess.run(["pdfinfo", str(pdf)], check=True, capture_output=True,
                            text=True).stdout
    pages = int(re.search(r"^Pages:\s+(\d+)", output, re.M).group(1))
    size = re.search(r"^Page size:\s+([0-9.]+) x ([0-9.]+)", output, re.M)
    return pages, (float(size.group(1)), float(size.group(2)))


def month_positions(pdf):
    """(page, x) of every month name as laid out, in reading order."""
    html = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                          capture_output=True, text=True).stdout
    names = {name for name, _ in MONTHS}
    positions = []
    for page_number, page in enumerate(re.findall(r"<page .*?</page>", html, re.S), 1):
        for x, word in re.findall(r'<word xMin="([0-9.]+)"[^>]*>([^<]*)</word>', page):
            if word in names:
                positions.append((word, page_number, float(x)))
    return positions


def page_points(paper):
    return (twips(paper.page_width) / 20, twips(paper.page_height) / 20)


def check_pages(check, paper, pdf, label):
    pages, size = page_info(pdf)
    points = page_points(paper)
    check.expect(pages == 6, f"{label}: {pages} pages instead of 6")
    check.expect(all(abs(a - b) < 1 for a, b in zip(size, points)),
                 f"{label}: page size {size} is not {paper.label}")
    expected = [(name, index // 2 + 1, index % 2) for index, (name, _) in enumerate(MONTHS)]
    found = [(name, page, 0 if x < points[0] / 2 else 1)
             for name, page, x in month_positions(pdf)]
    check.expect(found == expected, f"{label}: months by (page, column) are {found}")


# --- reloaded structure ---------------------------------------------------------------

class ReloadedDocument:
    def __init__(self, fodt):
        self.root = ET.parse(fodt).getroot()
        self.styles = {}
        for style in self.root.iter(q("style:style")):
            self.styles[(style.get(q("style:family")), style.get(q("style:name")))] = style

    def property(self, family, name, properties, attribute):
        """A style attribute, following parent styles."""
        while name:
            style = self.styles.get((family, name))
            if style is None:
                return None
            node = style.find(q(properties))
            if node is not None and node.get(q(attribute)) is not None:
                return node.get(q(attribute))
            name = style.get(q("style:parent-style-name"))
        return None

    def body(self):
        """Paragraphs and tables of the main text, in document order."""
        text = self.root.find(q("office:body")).find(q("office:text"))
        return [node for node in text if node.tag in (q("text:p"), q("table:table"))]

    def page_layout(self):
        master = self.root.find(f".//{q('style:master-page')}")
        name = master.get(q("style:page-layout-name"))
        for layout in self.root.iter(q("style:page-layout")):
            if layout.get(q("style:name")) == name:
                return master, layout.find(q("style:page-layout-properties"))
        return master, None


def paragraph_text(node):
    text = node.text or ""
    for child in node:
        if child.tag == q("text:s"):
            text += " " * int(child.get(q("text:c"), "1"))
        else:
            text += "".join(child.itertext())
        text += child.tail or ""
    return text


def rows_of(table):
    rows = []
    for row in table.iter(q("table:table-row")):
        rows.extend([row] * int(row.get(q("table:number-rows-repeated"), "1")))
    return rows


def check_page_setup(check, paper, document):
    master, layout = document.page_layout()
    if not check.expect(layout is not None, "reloaded: no page layout"):
        return
    for attribute, length in (("fo:page-width", paper.page_width),
                              ("fo:page-height", paper.page_height),
                              ("fo:margin-left", paper.side_margin),
                              ("fo:margin-right", paper.side_margin),
                              ("fo:margin-top", paper.top_margin),
                              ("fo:margin-bottom", paper.top_margin)):
        check.near(layout.get(q(attribute)), twips(length), f"page {attribute}")
    columns = layout.find(q("style:columns"))
    check.expect(columns is not None and columns.get(q("fo:column-count")) == "2",
                 "page: not two columns")
    if columns is not None:
        check.near(columns.get(q("fo:column-gap")), twips(paper.column_gap()), "page column gap")
    check.expect(master.find(q("style:header")) is None
                 and master.find(q("style:footer")) is None, "page: has a header or footer")
    sections = document.root.iter(q("text:section"))
    check.expect(next(sections, None) is None, "reloaded: has more than one section")


def check_cell_format(check, document, cell, where):
    style = cell.get(q("table:style-name"))
    for side in ("top", "bottom", "left", "right"):
        border = document.property("table-cell", style, "style:table-cell-properties",
                                   f"fo:border-{side}") or document.property(
            "table-cell", style, "style:table-cell-properties", "fo:border")
        check.expect(border is not None and border.split()[1:] == ["solid", "#000000"]
                     and abs(twips(border.split()[0]) - 10) <= 1,
                     f"{where}: {side} border is {border}")
    for side, expected in (("left", 108), ("right", 108), ("top", 0), ("bottom", 0)):
        padding = document.property("table-cell", style, "style:table-cell-properties",
                                    f"fo:padding-{side}") or document.property(
            "table-cell", style, "style:table-cell-properties", "fo:padding")
        check.near(padding, expected, f"{where}: {side} padding")


def check_table(check, paper, document, table, month):
    name, days = MONTHS[month]
    where = name
    widths = [document.property("table-column", column.get(q("table:style-name")),
                                "style:table-column-properties", "style:column-width")
              for column in table.iter(q("table:table-column"))]
    check.expect(len(widths) == 2, f"{where}: {len(widths)} columns")
    for width, expected in zip(widths, (twips(paper.day_column), twips(paper.entry_column))):
        check.near(width, expected, f"{where}: column width")

    rows = rows_of(table)
    if not check.expect(len(rows) == days + 1, f"{where}: {len(rows)} rows, not {days + 1}"):
        return
    for index, row in enumerate(rows):
        height = document.property("table-row", row.get(q("table:style-name")),
                                   "style:table-row-properties", "style:min-row-height")
        check.near(height, twips(paper.row_height), f"{where} row {index + 1}: minimum height")
        cells = row.findall(q("table:table-cell"))
        texts = [paragraph_text(cell.find(q("text:p"))) for cell in cells]
        if index == 0:
            check.expect(len(cells) == 1 and cells[0].get(q("table:number-columns-spanned"))
                         == "2" and texts == [name], f"{where}: header row is {texts}")
            style = cells[0].find(q("text:p")).get(q("text:style-name"))
            font = [document.property("paragraph", style, props, attribute) for props, attribute
                    in (("style:text-properties", "style:font-name"),
                        ("style:text-properties", "fo:font-size"),
                        ("style:text-properties", "fo:font-weight"),
                        ("style:paragraph-properties", "fo:text-align"))]
            check.expect(font == ["Arial", paper.month_size, "bold", "center"],
                         f"{where}: month name formatted {font}")
        else:
            check.expect(texts == [day_label(index), ""],
                         f"{where} row {index + 1}: cells are {texts}")
            if len(cells) == 2:
                number_style = cells[0].find(q("text:p")).get(q("text:style-name"))
                number_font = [document.property("paragraph", number_style,
                                                 "style:text-properties", attribute)
                               for attribute in ("style:font-name", "fo:font-size",
                                                 "fo:font-weight")]
                check.expect(number_font == ["Times New Roman", paper.day_size, "bold"],
                             f"{where} row {index + 1}: day number formatted {number_font}")
                entry_style = cells[1].find(q("text:p")).get(q("text:style-name"))
                check.expect(document.property("paragraph", entry_style,
                                               "style:text-properties", "fo:font-weight")
                             in (None, "normal"), f"{where} row {index + 1}: entry is bold")
        for cell in cells:
            check_cell_format(check, document, cell, f"{where} row {index + 1}")


def expected_body():
    """('p', text, break) and ('table', month) in document order."""
    expected = [("p", "", None)]
    for month in range(len(MONTHS)):
        expected.append(("table", month))
        expected.append(("p", "", None))
        if month + 1 < len(MONTHS):
            expected.append(("p", " ", "column") if month % 2 == 0 else ("p", "", "page"))
    return expected


def check_reloaded(check, paper, fodt):
    document = ReloadedDocument(fodt)
    check.expect(document.root.find(f".//{q('meta:template')}") is not None,
                 "reloaded: not opened as a document based on a template")
    check_page_setup(check, paper, document)
    standard = [document.property("paragraph", "Standard", "style:text-properties", attribute)
                for attribute in ("style:font-name", "fo:font-size")]
    check.expect(standard == ["Times New Roman", paper.text_size], f"default style is {standard}")

    found = []
    tables = []
    for node in document.body():
        if node.tag == q("table:table"):
            found.append(("table", len(tables)))
            tables.append(node)
        else:
            style = node.get(q("text:style-name"))
            found.append(("p", paragraph_text(node), document.property(
                "paragraph", style, "style:paragraph-properties", "fo:break-before")))
    check.expect(found == expected_body(), f"reloaded body is {found}")
    check.expect(len(tables) == 12, f"reloaded: {len(tables)} tables")
    for month, table in enumerate(tables[:12]):
        check_table(check, paper, document, table, month)


# --- filled documents -----------------------------------------------------------------

def fill(fodt, target, entries):
    """Writes a copy of the reloaded document with entries {(month, day): text} typed in."""
    source = pathlib.Path(fodt).read_text(encoding="utf-8")
    root_tag = re.search(r"<office:document\b[^>]*>", source).group(0)
    for prefix, uri in re.findall(r'xmlns:([\w-]+)="([^"]+)"', root_tag):
        ET.register_namespace(prefix, uri)
    tree = ET.parse(fodt)
    document_tables = [node for node in tree.getroot().find(q("office:body"))
                       .find(q("office:text")) if node.tag == q("table:table")]
    for (month, day), text in entries.items():
        rows = rows_of(document_tables[month]) if month < len(document_tables) else []
        cells = rows[day].findall(q("table:table-cell")) if day < len(rows) else []
        if len(cells) == 2:  # a missing cell shows up as a missing entry later
            cells[1].find(q("text:p")).text = text
    tree.write(target, encoding="UTF-8", xml_declaration=True)


def check_antiword(check, doc, entries, label):
    """Every entry once, in calendar order, on the line of its day number."""
    text = subprocess.run(["antiword", "-w", "0", str(doc)], check=True, capture_output=True,
                          text=True).stdout
    lines = [" ".join(line.replace("\u00a0", " ").split()) for line in text.splitlines()]
    positions = []
    for (month, day), entry in sorted(entries.items()):
        hits = [number for number, line in enumerate(lines) if entry in line]
        if check.expect(len(hits) == 1, f"{label}: '{entry}' found {len(hits)} times"):
            check.expect(re.match(rf"\| ?{day} \|", lines[hits[0]]) is not None,
                         f"{label}: '{entry}' is on the line '{lines[hits[0]]}'")
            positions.append(hits[0])
    check.expect(positions == sorted(positions), f"{label}: entries out of calendar order")
    month_lines = [next((number for number, line in enumerate(lines)
                         if line == f"|{name} |"), None) for name, _ in MONTHS]
    check.expect(None not in month_lines and month_lines == sorted(month_lines),
                 f"{label}: month names at lines {month_lines}")


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--paper", choices=list(PAPERS), default="letter")
    parser.add_argument("--template", help="the paper's own template when not given")
    parser.add_argument("--soffice", default=shutil.which("soffice") or "soffice")
    parser.add_argument("--keep", help="copy the intermediate files into this folder")
    options = parser.parse_args()

    paper = PAPERS[options.paper]
    template_file = options.template or str(here / (paper.file_stem() + ".dot"))
    check = Checker()
    with tempfile.TemporaryDirectory(prefix="daybloom-check-") as work_name:
        work = pathlib.Path(work_name)
        profile = work / "profile"
        template = work / "template.dot"
        shutil.copyfile(template_file, template)

        def office(source, target_filter):
            return convert(options.soffice, source, target_filter, work, profile)

        check_pages(check, paper, office(template, "pdf"), "template")
        reloaded = office(template, "fodt")
        check_reloaded(check, paper, reloaded)

        all_days = {(month, day): entry_text(month, day)
                    for month, (_, days) in enumerate(MONTHS) for day in range(1, days + 1)}
        fill(reloaded, work / "filled.fodt", all_days)
        fill(reloaded, work / "long.fodt", {(0, 5): LONG_ENTRY})

        resaved = office(template, "doc:MS Word 97")
        filled = office(work / "filled.fodt", "doc:MS Word 97")
        long_doc = office(work / "long.fodt", "doc:MS Word 97")

        check_pages(check, paper, office(resaved, "pdf"), "saved as .doc and reopened")
        check_pages(check, paper, office(filled, "pdf"), "every day filled")
        check_antiword(check, filled, all_days, "every day filled")
        long_pages, _ = page_info(office(long_doc, "pdf"))
        check.expect(long_pages > 6, f"long entry: {long_pages} pages, the month did not grow")
        check_antiword(check, long_doc, {(0, 5): LONG_ENTRY_HEAD}, "long entry")

        keep_files(work, options.keep)
    return check.report(f"{paper.label} template check")


def keep_files(work, keep):
    """Copies a check's intermediate files (not the office profile) where asked."""
    if keep:
        shutil.copytree(work, keep, dirs_exist_ok=True, ignore=shutil.ignore_patterns("profile"))


if __name__ == "__main__":
    sys.exit(main())
