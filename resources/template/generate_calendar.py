#!/usr/bin/env python3
"""Builds the calendar template: twelve month tables on six Letter pages.

Writes the calendar as LibreOffice flat ODF text (calendar.fodt) and converts it with
a private, headless LibreOffice into the Word 97-2003 template calendar.dot that the
program embeds.

    python3 generate_calendar.py [--outdir DIR] [--soffice PATH] [--fodt-only]

Layout notes that matter for Word export:
- The cells have no top or bottom padding: with LibreOffice's default padding every
  month outgrows its column and the calendar takes twelve pages instead of six.
- A paragraph that holds nothing but a column break loses the break on Word export
  (it is merged into the paragraph mark after the table); one space keeps it.
- Page breaks are exported as "page break before" on the paragraph that follows.
"""

import argparse
import os
import pathlib
import shutil
import signal
import subprocess
import sys
import tempfile
from xml.sax.saxutils import escape

# The calendar is not tied to a year: February always has its 29th.
MONTHS = [
    ("January", 31), ("February", 29), ("March", 31), ("April", 30),
    ("May", 31), ("June", 30), ("July", 31), ("August", 31),
    ("September", 30), ("October", 31), ("November", 30), ("December", 31),
]

NO_BREAK_SPACE = "\u00a0"
CONVERSION_TIMEOUT_SECONDS = 180

# Lengths in points: 374 twips = 18.7 pt, 108 twips = 5.4 pt.
ROW_MIN_HEIGHT = "18.7pt"
CELL_SIDE_PADDING = "5.4pt"
CELL_BORDER = "0.5pt solid #000000"

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


def meta():
    return (
        "<office:meta>"
        "<dc:title>Daybloom calendar</dc:title>"
        "<dc:subject>Family dates and keepsakes</dc:subject>"
        "<dc:description>Twelve month tables, two months per Letter page.</dc:description>"
        "<meta:initial-creator>Daybloom</meta:initial-creator>"
        "<dc:creator>Daybloom</dc:creator>"
        "<dc:language>en-US</dc:language>"
        "</office:meta>")


def common_styles():
    # "Standard" is exported as Word's "Normal"; typed entries take it.
    return (
        "<office:styles>"
        '<style:default-style style:family="paragraph">'
        '<style:paragraph-properties fo:margin-top="0in" fo:margin-bottom="0in"'
        ' fo:hyphenation-ladder-count="no-limit" style:writing-mode="lr-tb"/>'
        '<style:text-properties style:font-name="Times New Roman" fo:font-size="12pt"'
        ' style:font-name-asian="MS Mincho" style:font-size-asian="12pt"'
        ' style:font-name-complex="Times New Roman" style:font-size-complex="12pt"'
        ' fo:language="en" fo:country="US" fo:hyphenate="false"/>'
        "</style:default-style>"
        '<style:default-style style:family="table">'
        '<style:table-properties table:border-model="collapsing"/>'
        "</style:default-style>"
        '<style:style style:name="Standard" style:family="paragraph" style:class="text">'
        '<style:paragraph-properties fo:margin-top="0in" fo:margin-bottom="0in"/>'
        '<style:text-properties style:font-name="Times New Roman" fo:font-size="12pt"/>'
        "</style:style>"
        '<style:style style:name="Month_20_Name" style:display-name="Month Name"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        '<style:paragraph-properties fo:text-align="center"/>'
        '<style:text-properties style:font-name="Arial" fo:font-size="20pt"'
        ' fo:font-weight="bold"/>'
        "</style:style>"
        '<style:style style:name="Day_20_Number" style:display-name="Day Number"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        '<style:text-properties fo:font-size="14pt" fo:font-weight="bold"/>'
        "</style:style>"
        # Word's usual style for comment balloons; it brings Tahoma into the font list.
        '<style:style style:name="Balloon_20_Text" style:display-name="Balloon Text"'
        ' style:family="paragraph" style:parent-style-name="Standard">'
        '<style:text-properties style:font-name="Tahoma" fo:font-size="8pt"/>'
        "</style:style>"
        "</office:styles>")


def automatic_styles():
    cell_properties = (
        f'fo:border="{CELL_BORDER}" fo:padding-left="{CELL_SIDE_PADDING}"'
        f' fo:padding-right="{CELL_SIDE_PADDING}" fo:padding-top="0in"'
        ' fo:padding-bottom="0in" style:vertical-align="top"')
    return (
        "<office:automatic-styles>"
        '<style:style style:name="MonthTable" style:family="table">'
        '<style:table-properties style:width="3in" table:align="left"'
        ' fo:margin-left="0in" fo:margin-top="0in" fo:margin-bottom="0in"/>'
        "</style:style>"
        '<style:style style:name="DayColumn" style:family="table-column">'
        '<style:table-column-properties style:column-width="0.5in"/>'
        "</style:style>"
        '<style:style style:name="EntryColumn" style:family="table-column">'
        '<style:table-column-properties style:column-width="2.5in"/>'
        "</style:style>"
        '<style:style style:name="CalendarRow" style:family="table-row">'
        f'<style:table-row-properties style:min-row-height="{ROW_MIN_HEIGHT}"'
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
        '<style:page-layout style:name="LetterTwoColumns">'
        '<style:page-layout-properties fo:page-width="8.5in" fo:page-height="11in"'
        ' style:print-orientation="portrait" fo:margin-left="0.75in"'
        ' fo:margin-right="0.75in" fo:margin-top="1in" fo:margin-bottom="1in">'
        '<style:columns fo:column-count="2" fo:column-gap="1in"/>'
        "</style:page-layout-properties>"
        "</style:page-layout>"
        "</office:automatic-styles>")


def master_styles():
    # No header and no footer.
    return ('<office:master-styles><style:master-page style:name="Standard"'
            ' style:page-layout-name="LetterTwoColumns"/></office:master-styles>')


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


def flat_odf():
    namespaces = " ".join(f'xmlns:{prefix}="{uri}"' for prefix, uri in NAMESPACES.items())
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<office:document {namespaces} office:version="1.3"'
            ' office:mimetype="application/vnd.oasis.opendocument.text">'
            + "\n".join([meta(), font_face_decls(), common_styles(), automatic_styles(),
                         master_styles(), body()])
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
    extension = target_filter.split(":", 1)[0]
    target = pathlib.Path(outdir) / (pathlib.Path(source).stem + "." + extension)
    if target.exists():
        target.unlink()
    run_office(soffice, ["--convert-to", target_filter, "--outdir", str(outdir), str(source)],
               profile_dir)
    if not target.is_file():
        raise RuntimeError(f"LibreOffice wrote no {target.name} from {source}")
    return target


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--outdir", default=str(here), help="where calendar.fodt and .dot go")
    parser.add_argument("--soffice", default=shutil.which("soffice") or "soffice")
    parser.add_argument("--fodt-only", action="store_true", help="skip the conversion")
    options = parser.parse_args()

    outdir = pathlib.Path(options.outdir).resolve()
    outdir.mkdir(parents=True, exist_ok=True)
    fodt = outdir / "calendar.fodt"
    fodt.write_text(flat_odf(), encoding="utf-8")
    print(f"wrote {fodt}")
    if options.fodt_only:
        return 0

    with tempfile.TemporaryDirectory(prefix="daybloom-template-") as work:
        profile = pathlib.Path(work) / "profile"
        dot = convert(options.soffice, fodt, "dot:MS Word 97 Vorlage", work, profile)
        shutil.copyfile(dot, outdir / "calendar.dot")
    print(f"wrote {outdir / 'calendar.dot'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
