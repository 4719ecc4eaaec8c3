#!/usr/bin/env python3
"""Builds the calendar templates of every design and the manifest that describes them.

Writes each calendar as LibreOffice flat ODF text (calendar.fodt) and converts it with
a private, headless LibreOffice into the Word 97-2003 template (calendar.dot) that the
program embeds, one per design, paper and, where the day column has to be wider for
weekdays, edition; designs.json, the manifest, names them and gives the geometry the
program needs to know about each.

    python3 generate_calendar.py [--design classic|wall|warm|quiet|all]
                                 [--paper letter|a4|a5|all] [--outdir DIR]
                                 [--soffice PATH] [--fodt-only]

The classic design is the plain calendar: two month tables a page, one in each column,
and rows as high as the page allows: a column holds the month's table and three one-line
paragraphs (the one before the table, the one after it and the carrier of the break), so
the row height is what is left of the column's height for the 31 day rows, less a
little. Letter has the names calendar.*, A4 and A5 calendar-a4.* and calendar-a5.*; its
dated edition (calendar-dated*.dot) has a day column wide enough for "31 Wed". The other
designs are data in calendar_designs.py.

Layout notes that matter for Word export:
- The cells have no top or bottom padding: with LibreOffice's default padding every
  month outgrows its column and the calendar takes twelve pages instead of six.
- A paragraph that holds nothing but a column break loses the break on Word export
  (it is merged into the paragraph mark after the table); one space keeps it.
- Page breaks are exported as "page break before" on the paragraph that follows.
"""

import argparse
import dataclasses
import json
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import calendar_designs  # noqa: E402

# The calendar is not tied to a year: February always has its 29th.
MONTHS = [
    ("January", 31), ("February", 29), ("March", 31), ("April", 30),
    ("May", 31), ("June", 30), ("July", 31), ("August", 31),
    ("September", 30), ("October", 31), ("November", 30), ("December", 31),
]

NO_BREAK_SPACE = "\u00a0"
CONVERSION_TIMEOUT_SECONDS = 180

# 108 twips = 5.4 pt.
CELL_SIDE_PADDING = "5.4pt"
CELL_BORDER = "0.5pt solid #000000"


@dataclasses.dataclass(frozen=True)
class Paper:
    """A paper size and the calendar's layout on it. Lengths carry their unit."""
    name: str          # the program's name for it: letter, a4, a5
    label: str         # as people write it
    page_width: str
    page_height: str
    side_margin: str
    top_margin: str    # also the bottom margin
    day_column: str
    entry_column: str  # the column gap is what the page's width leaves
    row_height: str    # the minimum height of every row
    text_size: str     # entries and the paragraphs between the tables
    day_size: str
    month_size: str
    layout_name: str
    edition: str = "perpetual"  # "dated": weekdays beside the day numbers

    def file_stem(self):
        stem = "calendar-dated" if self.edition == "dated" else "calendar"
        return stem if self.name == "letter" else f"{stem}-{self.name}"

    def table_width(self):
        return add_lengths(self.day_column, self.entry_column)

    def column_gap(self):
        return add_lengths(self.page_width, self.side_margin, self.side_margin, self.table_width(),
                           self.table_width(), signs=(1, -1, -1, -1, -1))


PAPERS = {paper.name: paper for paper in (
    # 374 twips = 18.7 pt.
    Paper("letter", "Letter", "8.5in", "11in", "0.75in", "1in", "0.5in", "2.5in", "18.7pt",
          "12pt", "14pt", "20pt", "LetterTwoColumns"),
    Paper("a4", "A4", "210mm", "297mm", "18mm", "25mm", "13mm", "64mm", "20.4pt",
          "12pt", "14pt", "20pt", "A4TwoColumns"),
    Paper("a5", "A5", "148mm", "210mm", "10mm", "15mm", "10mm", "48mm", "14.7pt",
          "10pt", "11pt", "16pt", "A5TwoColumns"),
)}


# The dated edition: "31 Wed" in the bold day number on one line, the entries narrower.
DATED_PAPERS = {name: dataclasses.replace(PAPERS[name], edition="dated", day_column=day,
                                          entry_column=entry)
                for name, day, entry in (("letter", "0.85in", "2.15in"),
                                         ("a4", "22mm", "55mm"),
                                         ("a5", "18mm", "40mm"))}

# The year edition sets weekends and milestones off in the classic calendar's red.
CLASSIC_ACCENT = "#c00000"
# Liberation Serif, which stands in for Times New Roman with the same metrics, sets a
# line 1.15 times its size in a Word document (ascent, descent and the line gap).
CLASSIC_LINE_PER_SIZE = 1.15
# A laid-out month's page or column holds the table and two one-line paragraphs: the
# one before it and the one after it (a column break moves the next one on).
CLASSIC_PARAGRAPHS_PER_COLUMN = 2


def add_lengths(*lengths, signs=None):
    """The sum of lengths of one unit, written in that unit ("0.5in" + "2.5in" = "3in")."""
    parsed = [re.fullmatch(r"([0-9.]+)([a-z]+)", length).groups() for length in lengths]
    units = {unit for _, unit in parsed}
    if len(units) != 1:
        raise ValueError(f"lengths of different units: {lengths}")
    signs = signs or (1,) * len(lengths)
    total = sum(sign * float(number) for sign, (number, _) in zip(signs, parsed))
    return f"{round(total, 3):g}{units.pop()}"

FONT_FACES = [
    ("Times New Roman", "roman", "variable"),
    ("Symbol", "roman", "variable"),
    ("Arial", "swiss", "variable"),
    ("MS Mincho", "modern", "fixed"),
    ("Tahoma", "swiss", "variable"),
]

NAMESPACES = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "dc": "http://purl.org/dc/elements/1.1/",
    "meta": "urn:oasis:names:tc:opendocument:xmlns:meta:1.0",
}


def day_label(day):
    """The printed day number; one-digit days are padded to line up with two-digit ones."""
    return (NO_BREAK_SPACE * 2 + str(day)) if day < 10 else str(day)


def font_face_decls():
    faces = "".join(
        f'<style:font-face style:name="{name}" svg:font-family="&apos;{name}&apos;"'
        f' style:font-family-generic="{generic}" style:font-pitch="{pitch}"/>'
        for name, generic, pitch in FONT_FACES)
    return f"<office:font-face-decls>{faces}</office:font-face-decls>"


def meta(paper):
    return (
        "<office:meta>"
        "<dc:title>Daybloom calendar</dc:title>"
        "<dc:subject>Family dates and keepsakes</dc:subject>"
        f"<dc:description>Twelve month tables, two months per {paper.label} page.</dc:description>"
        "<meta:initial-creator>Daybloom</meta:initial-creator>"
        "<dc:creator>Daybloom</dc:creator>"
        "<dc:language>en-US</dc:language>"
        "</office:meta>")


def common_styles(paper):
    # "Standard" is exported as Word's "Normal"; typed entries take it.
    return (
        "<office:styles>"
        '<style:default-style style:family="paragraph">'
        '<style:paragraph-properties fo:margin-top="0in" fo:margin-bottom="0in"'
        ' fo:hyphenation-ladder-count="no-limit" style:writing-mode="lr-tb"/>'
        '<style:text-properties style:font-name="Times New Roman"'
        f' fo:font-size="{paper.text_size}"'
        f' style:font-name-asian="MS Mincho" style:font-size-asian="{paper.text_size}"'
        ' style:font-name-complex="Times New Roman"'
        f' style:font-size-complex="{paper.text_size}"'
        ' fo:language="en" fo:country="US" fo:hyphenate="false"/>'
        "</style:default-style>"
        '<style:default-style style:family="table">'
        '<style:table-properties table:border-model="collapsing"/>'
        "</style:default-style>"
        '<style:style style:name="Standard" style:family="paragraph" style:class="text">'
        '<style:paragraph-properties fo:margin-top="0in" fo:margin-bottom="0in"/>'
        '<style:text-properties style:font-name="Times New Roman"'
        f' fo:font-size="{paper.text_size}"/>'
        "</style:style>"
        '<style:style style:name="Month_20_Name" style:display-name="Month Name"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        '<style:paragraph-properties fo:text-align="center"/>'
        '<style:text-properties style:font-name="Arial"'
        f' fo:font-size="{paper.month_size}"'
        ' fo:font-weight="bold"/>'
        "</style:style>"
        '<style:style style:name="Day_20_Number" style:display-name="Day Number"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        f'<style:text-properties fo:font-size="{paper.day_size}" fo:font-weight="bold"/>'
        "</style:style>"
        # Word's usual style for comment balloons; it brings Tahoma into the font list.
        '<style:style style:name="Balloon_20_Text" style:display-name="Balloon Text"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        '<style:text-properties style:font-name="Tahoma" fo:font-size="8pt"/>'
        "</style:style>"
        + (dated_styles() if paper.edition == "dated" else "")
        + "</office:styles>")


def dated_styles():
    """What the builder sets in a year edition: weekend days and milestones in red."""
    return (
        '<style:style style:name="Weekend_20_Day_20_Number"'
        ' style:display-name="Weekend Day Number" style:family="paragraph"'
        ' style:parent-style-name="Day_20_Number">'
        f'<style:text-properties fo:color="{CLASSIC_ACCENT}"/></style:style>'
        '<style:style style:name="Milestone" style:family="text">'
        f'<style:text-properties fo:color="{CLASSIC_ACCENT}" fo:font-weight="bold"/>'
        "</style:style>")


def automatic_styles(paper):
    cell_properties = (
        f'fo:border="{CELL_BORDER}" fo:padding-left="{CELL_SIDE_PADDING}"'
        f' fo:padding-right="{CELL_SIDE_PADDING}" fo:padding-top="0in"'
        ' fo:padding-bottom="0in" style:vertical-align="top"')
    return (
        "<office:automatic-styles>"
        '<style:style style:name="MonthTable" style:family="table">'
        f'<style:table-properties style:width="{paper.table_width()}" table:align="left"'
        ' fo:margin-left="0in" fo:margin-top="0in" fo:margin-bottom="0in"/>'
        "</style:style>"
        '<style:style style:name="DayColumn" style:family="table-column">'
        f'<style:table-column-properties style:column-width="{paper.day_column}"/>'
        "</style:style>"
        '<style:style style:name="EntryColumn" style:family="table-column">'
        f'<style:table-column-properties style:column-width="{paper.entry_column}"/>'
        "</style:style>"
        '<style:style style:name="CalendarRow" style:family="table-row">'
        f'<style:table-row-properties style:min-row-height="{paper.row_height}"'
        ' fo:keep-together="auto"/>'
        "</style:style>"
        '<style:style style:name="CalendarCell" style:family="table-cell">'
        f"<style:table-cell-properties {cell_properties}/>"
        "</style:style>"
        '<style:style style:name="ColumnBreak" style:family="paragraph"'
        ' style:parent-style-name="Standard">'
        '<style:paragraph-properties fo:break-before="column"/>'
        "</style:style>"
        '<style:style style:name="PageBreak" style:family="paragraph"'
        ' style:parent-style-name="Standard">'
        '<style:paragraph-properties fo:break-before="page"/>'
        "</style:style>"
        f'<style:page-layout style:name="{paper.layout_name}">'
        f'<style:page-layout-properties fo:page-width="{paper.page_width}"'
        f' fo:page-height="{paper.page_height}"'
        f' style:print-orientation="portrait" fo:margin-left="{paper.side_margin}"'
        f' fo:margin-right="{paper.side_margin}" fo:margin-top="{paper.top_margin}"'
        f' fo:margin-bottom="{paper.top_margin}">'
        f'<style:columns fo:column-count="2" fo:column-gap="{paper.column_gap()}"/>'
        "</style:page-layout-properties>"
        "</style:page-layout>"
        "</office:automatic-styles>")


def master_styles(paper):
    # No header and no footer.
    return ('<office:master-styles><style:master-page style:name="Standard"'
            f' style:page-layout-name="{paper.layout_name}"/></office:master-styles>')


def cell(paragraph_style, text="", spanned_columns=1):
    span = f' table:number-columns-spanned="{spanned_columns}"' if spanned_columns > 1 else ""
    return (f'<table:table-cell table:style-name="CalendarCell" office:value-type="string"{span}>'
            f'<text:p text:style-name="{paragraph_style}">{escape(text)}</text:p>'
            "</table:table-cell>")


def month_table(number, name, days):
    header = ('<table:table-row table:style-name="CalendarRow">'
              + cell("Month_20_Name", name, spanned_columns=2)
              + "<table:covered-table-cell/></table:table-row>\n")
    day_rows = "".join(
        '<table:table-row table:style-name="CalendarRow">'
        + cell("Day_20_Number", day_label(day)) + cell("Standard")
        + "</table:table-row>\n"
        for day in range(1, days + 1))
    return (f'<table:table table:name="Table{number}" table:style-name="MonthTable">'
            '<table:table-column table:style-name="DayColumn"/>'
            '<table:table-column table:style-name="EntryColumn"/>\n'
            + header + day_rows + "</table:table>")


def body():
    parts = ['<text:p text:style-name="Standard"/>']
    for index, (name, days) in enumerate(MONTHS):
        parts.append(month_table(index + 1, name, days))
        parts.append('<text:p text:style-name="Standard"/>')
        if index + 1 == len(MONTHS):
            break
        # The first month of a page ends its column, the second its page.
        if index % 2 == 0:
            # Word export writes a column break in place of the paragraph mark before
            # it, so the break needs an empty carrier paragraph of its own to keep the
            # empty paragraph after the table. The break paragraph holds one space
            # (text:s: a bare leading space is dropped on reading) so that the break
            # survives export; it comes out as "column break, space".
            parts.append('<text:p text:style-name="Standard"/>')
            parts.append('<text:p text:style-name="ColumnBreak"><text:s/></text:p>')
        else:
            # Page breaks export as "page break before" on this paragraph.
            parts.append('<text:p text:style-name="PageBreak"/>')
    return "<office:body><office:text>\n" + "\n".join(parts) + "\n</office:text></office:body>"


def flat_odf(paper):
    namespaces = " ".join(f'xmlns:{prefix}="{uri}"' for prefix, uri in NAMESPACES.items())
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<office:document {namespaces} office:version="1.3"'
            ' office:mimetype="application/vnd.oasis.opendocument.text">'
            + "\n".join([meta(paper), font_face_decls(), common_styles(paper),
                         automatic_styles(paper), master_styles(paper), body()])
            + "</office:document>\n")


def run_office(soffice, arguments, profile_dir):
    """Runs one headless conversion in a private profile; the office always ends."""
    command = [soffice, f"-env:UserInstallation={pathlib.Path(profile_dir).as_uri()}",
               "--headless", "--norestore", "--nologo", "--nodefault", *arguments]
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True, text=True)
    try:
        output, _ = process.communicate(timeout=CONVERSION_TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        raise RuntimeError(f"LibreOffice did not finish within {CONVERSION_TIMEOUT_SECONDS} s: "
                           + " ".join(arguments))
    finally:
        # soffice forks soffice.bin into the same session; make sure nothing stays behind.
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
    if process.returncode != 0:
        raise RuntimeError(f"LibreOffice failed ({process.returncode}): {output.strip()}")
    return output


def convert(soffice, source, target_filter, outdir, profile_dir):
    """Converts source with a LibreOffice filter ('dot:MS Word 97 Vorlage') into outdir."""
    return convert_all(soffice, [source], target_filter, outdir, profile_dir)[0]


def convert_all(soffice, sources, target_filter, outdir, profile_dir):
    """Converts every source with one filter in one office session; the targets in order."""
    extension = target_filter.split(":", 1)[0]
    targets = [pathlib.Path(outdir) / (pathlib.Path(source).stem + "." + extension)
               for source in sources]
    for target in targets:
        if target.exists():
            target.unlink()
    run_office(soffice, ["--convert-to", target_filter, "--outdir", str(outdir),
                         *map(str, sources)], profile_dir)
    for source, target in zip(sources, targets):
        if not target.is_file():
            raise RuntimeError(f"LibreOffice wrote no {target.name} from {source}")
    return targets


# --- the manifest ----------------------------------------------------------------------

def points(length):
    """A length such as "0.5in", "13mm" or "18.7pt" in points."""
    number, unit = re.fullmatch(r"([0-9.]+)([a-z]+)", length).groups()
    return float(number) * {"in": 72.0, "mm": 72 / 25.4, "pt": 1.0}[unit]


def classic_geometry(paper, dated_paper):
    """The plain calendar's entry in the manifest. Its rows are taller than a line, so a
    day's first extra line costs only what the second line adds beyond the row."""
    line = points(paper.text_size) * CLASSIC_LINE_PER_SIZE
    border = points(CELL_BORDER.split()[0])
    row = points(paper.row_height)
    heading = max(row, points(paper.month_size) * CLASSIC_LINE_PER_SIZE + 2 * border)
    column = points(paper.page_height) - 2 * points(paper.top_margin)
    fixed = CLASSIC_PARAGRAPHS_PER_COLUMN * line + heading + border
    spare = [calendar_designs.spare_lines(column - fixed - days * row, line,
                                          2 * line + border - row)
             for days in calendar_designs.MONTH_DAYS]

    def entry_width(edition_paper):
        return calendar_designs.twips(points(edition_paper.entry_column)
                                      - 2 * points(CELL_SIDE_PADDING) - border)

    return {
        "templates": {"perpetual": paper.file_stem() + ".dot",
                      "dated": dated_paper.file_stem() + ".dot"},
        "pages": 6,
        "entryLine": {"widthPt": entry_width(paper), "datedWidthPt": entry_width(dated_paper),
                      "font": "Liberation Serif", "sizePt": points(paper.text_size)},
        "spareLines": spare,
    }


def design_geometry(layout):
    entry = layout.look(layout.design.entry)
    geometry = {
        "templates": {"perpetual": layout.design.file_name(layout.paper),
                      "dated": layout.design.file_name(layout.paper)},
        "pages": layout.pages(),
    }
    if layout.design.pictures:
        geometry["picturePlaces"] = layout.picture_places()
    geometry["entryLine"] = {"widthPt": layout.entry_width, "datedWidthPt": layout.entry_width,
                             "font": entry.family, "sizePt": entry.size}
    geometry["spareLines"] = layout.spare_lines()
    return geometry


def manifest():
    """Every design in menu order, the plain calendar first, with what the program needs
    to know of each on each paper."""
    classic = {
        "name": "classic", "cover": False, "pictures": False,
        # The template names Times New Roman and Arial; these stand in with their metrics.
        "fonts": [{"family": "Liberation Serif", "package": "fonts-liberation2"},
                  {"family": "Liberation Sans", "package": "fonts-liberation2"}],
        "papers": {name: classic_geometry(PAPERS[name], DATED_PAPERS[name]) for name in PAPERS},
    }
    designs = [{
        "name": design.name, "cover": design.cover, "pictures": design.pictures,
        "fonts": [{"family": t.family, "package": t.package} for t in design.typefaces],
        "papers": {name: design_geometry(design_layout(design, PAPERS[name]))
                   for name in PAPERS},
    } for design in calendar_designs.DESIGNS]
    return {"designs": [classic, *designs]}


def manifest_json(data):
    """Indented JSON with each list of numbers on one line."""
    text = json.dumps(data, indent=2)
    return re.sub(r"\[\s+([-0-9.,\s]+?)\s+\]",
                  lambda match: "[" + ", ".join(number.strip() for number
                                                in match.group(1).split(",")) + "]",
                  text) + "\n"


def design_layout(design, paper):
    return calendar_designs.Layout(design, paper, points(paper.page_width),
                                   points(paper.page_height))


# --- generation ------------------------------------------------------------------------

def flat_documents(design_name, paper_name):
    """(file stem, flat ODF text) of every template asked for."""
    names = list(PAPERS) if paper_name == "all" else [paper_name]
    documents = []
    if design_name in ("classic", "all"):
        for name in names:
            for paper in (PAPERS[name], DATED_PAPERS[name]):
                documents.append((paper.file_stem(), flat_odf(paper)))
    for design in calendar_designs.DESIGNS:
        if design_name in (design.name, "all"):
            for name in names:
                layout = design_layout(design, PAPERS[name])
                documents.append((pathlib.Path(design.file_name(PAPERS[name])).stem,
                                  calendar_designs.flat_odf(layout)))
    return documents


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--design", default="all",
                        choices=["classic", *(d.name for d in calendar_designs.DESIGNS), "all"])
    parser.add_argument("--paper", choices=[*PAPERS, "all"], default="all")
    parser.add_argument("--outdir", default=str(here), help="where the .fodt and .dot go")
    parser.add_argument("--soffice", default=shutil.which("soffice") or "soffice")
    parser.add_argument("--fodt-only", action="store_true", help="skip the conversion")
    options = parser.parse_args()

    outdir = pathlib.Path(options.outdir).resolve()
    outdir.mkdir(parents=True, exist_ok=True)
    manifest_file = outdir / "designs.json"
    manifest_file.write_text(manifest_json(manifest()), encoding="utf-8")
    print(f"wrote {manifest_file}")
    fodts = []
    for stem, text in flat_documents(options.design, options.paper):
        fodts.append(outdir / (stem + ".fodt"))
        fodts[-1].write_text(text, encoding="utf-8")
        print(f"wrote {fodts[-1]}")
    if options.fodt_only:
        return 0
    with tempfile.TemporaryDirectory(prefix="daybloom-template-") as work:
        profile = pathlib.Path(work) / "profile"
        for dot in convert_all(options.soffice, fodts, "dot:MS Word 97 Vorlage", work, profile):
            shutil.copyfile(dot, outdir / dot.name)
            print(f"wrote {outdir / dot.name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
