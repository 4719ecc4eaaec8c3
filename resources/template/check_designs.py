#!/usr/bin/env python3
"""Checks every design's templates for one paper with a real, private LibreOffice.

    python3 check_designs.py [--paper letter|a4|a5] [--keep DIR]

Takes the templates designs.json names for the paper (the plain calendar's too) and runs
each conversion once for all of them, so a paper costs a handful of office sessions:
- the manifest is the one generate_calendar.py writes, and every font it lists is a
  family fontconfig knows, installed by the package named;
- opened as a new document, saved as .doc and reopened, and saved as .docx and reopened:
  twelve month tables in calendar order, each a heading row with the English month name
  spanning the table and one row a day, the day number in cell 1 in "Day Number" and
  cell 2 empty; "Weekend Day Number" and "Milestone" wherever a year edition is made
  from the template; a cover's title and year bookmarks, and one as-character picture of
  the manifest's size in every picture bookmark, above its month;
- laid out: the manifest's page count and every month on its page (and column); the
  same count with one entry on every day, in the perpetual and the year edition (the
  widest weekday beside every day number, the longest month heading with its year, a
  long cover title and the year), each entry, weekday and heading on one line, every
  font embedded and one the manifest lists, no text under 7 pt;
- the manifest's spare lines: every month keeps its last day on its page (or column)
  with its spare lines used, and loses it with three more; an entry a little narrower than
  the manifest's entry line stays on one line, one a little wider wraps.

Needs soffice, pdfinfo, pdftotext and pdffonts (poppler-utils), fc-match and fc-list
(fontconfig) and dpkg. Exits non-zero with a list of the failed checks.
"""

import argparse
import json
import pathlib
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.dont_write_bytecode = True  # keep the source folder clean
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from calendar_designs import COVER_TITLE, MONTH_DAYS, MONTH_NAMES  # noqa: E402
from check_template import (Checker, ReloadedDocument, keep_files, page_info,  # noqa: E402
                            paragraph_text, q, rows_of)
from generate_calendar import PAPERS, convert_all, day_label, manifest, points  # noqa: E402

# What the builder writes into a year edition, in the six languages the program speaks.
WEEKDAYS = ("Mon Tue Wed Thu Fri Sat Sun", "Mo. Di. Mi. Do. Fr. Sa. So.",
            "lun. mar. mer. jeu. ven. sam. dim.", "lun mar mié jue vie sáb dom",
            "lun mar mer gio ven sab dom", "ma di wo do vr za zo")
MONTHS_IN_LANGUAGES = [MONTH_NAMES] + [names.split() for names in (
    "Januar Februar März April Mai Juni Juli August September Oktober November Dezember",
    "janvier février mars avril mai juin juillet août septembre octobre novembre décembre",
    "enero febrero marzo abril mayo junio julio agosto septiembre octubre noviembre diciembre",
    "gennaio febbraio marzo aprile maggio giugno luglio agosto settembre ottobre novembre"
    " dicembre",
    "januari februari maart april mei juni juli augustus september oktober november december")]
YEAR = "2027"
LONG_TITLE = "Die Geburtstage unserer Familie"
# One line a day, longest first: each template is filled with the longest that fits.
ENTRIES = ("Grandma Rosemarie Birthday (1956)", "Rosemarie Birthday (1956)", "Mom Birthday (1956)")
EXCEEDING = 3  # lines beyond a month's spare lines that must not fit
PROBE_WORDS = ("Birthday", "Anniversary", "Grandma", "Rosemarie", "Wedding")


# --- font metrics: advance widths from the font file, as a line is measured -------------

class FontMetrics:
    """Advance widths of a TrueType or OpenType font, read from its cmap and hmtx tables."""

    def __init__(self, pattern):
        path = subprocess.run(["fc-match", "-f", "%{file}", pattern], check=True,
                              capture_output=True, text=True).stdout
        data = pathlib.Path(path).read_bytes()
        tables = {}
        for index in range(struct.unpack(">H", data[4:6])[0]):
            tag, _, offset, length = struct.unpack(">4sIII", data[12 + 16 * index:28 + 16 * index])
            tables[tag.decode("latin-1")] = data[offset:offset + length]
        self.units = struct.unpack(">H", tables["head"][18:20])[0]
        metrics = struct.unpack(">H", tables["hhea"][34:36])[0]
        hmtx = tables["hmtx"]
        self.advances = [struct.unpack(">H", hmtx[4 * i:4 * i + 2])[0] for i in range(metrics)]
        self.glyphs = self._character_map(tables["cmap"])

    @staticmethod
    def _character_map(cmap):
        """Character code to glyph from the Unicode subtable (format 4 or 12)."""
        def numbers(data, at, count, kind="H"):
            return struct.unpack(f">{count}{kind}", data[at:at + count * struct.calcsize(kind)])

        glyphs = {}
        for index in range(numbers(cmap, 2, 1)[0]):
            platform, encoding, offset = struct.unpack(">HHI", cmap[4 + 8 * index:12 + 8 * index])
            if (platform, encoding) not in ((3, 1), (3, 10), (0, 3), (0, 4)):
                continue
            table = cmap[offset:]
            if numbers(table, 0, 1)[0] == 4:
                segments = numbers(table, 6, 1)[0] // 2
                ends = numbers(table, 14, segments)
                starts = numbers(table, 16 + 2 * segments, segments)
                deltas = numbers(table, 16 + 4 * segments, segments, "h")
                range_base = 16 + 6 * segments
                range_offsets = numbers(table, range_base, segments)
                for s in range(segments):
                    for code in range(starts[s], min(ends[s], 0x2FFF) + 1):
                        if range_offsets[s] == 0:
                            glyphs[code] = (code + deltas[s]) & 0xFFFF
                            continue
                        at = range_base + 2 * s + range_offsets[s] + 2 * (code - starts[s])
                        glyph = numbers(table, at, 1)[0]
                        glyphs[code] = (glyph + deltas[s]) & 0xFFFF if glyph else 0
            elif numbers(table, 0, 1)[0] == 12:
                for group in range(numbers(table, 12, 1, "I")[0]):
                    start, end, first = numbers(table, 16 + 12 * group, 3, "I")
                    for code in range(start, min(end, 0x2FFF) + 1):
                        glyphs[code] = first + code - start
        return glyphs

    def width(self, text, size):
        """Points, without kerning (which only ever narrows a line here by a little)."""
        units = 0
        for character in text:
            glyph = self.glyphs.get(ord(character), 0)
            units += self.advances[min(glyph, len(self.advances) - 1)]
        return units * size / self.units


# --- reading a template -----------------------------------------------------------------

class Template:
    """One template file and what the manifest says of it."""

    def __init__(self, design, paper_name, file_name, editions):
        self.design = design
        self.geometry = design["papers"][paper_name]
        self.file_name = file_name
        self.stem = pathlib.Path(file_name).stem
        self.editions = editions

    @property
    def classic(self):
        return self.design["name"] == "classic"

    def day_text(self, day):
        return day_label(day) if self.classic else str(day)

    @property
    def columns(self):
        """Months a page: what the page count leaves after the cover."""
        return 12 // (self.geometry["pages"] - (1 if self.design["cover"] else 0))

    def expected_place(self, month):
        """(page, column) where a month's heading belongs; column 0 is the left one."""
        return (2 if self.design["cover"] else 1) + month // self.columns, month % self.columns


def style_names(document, family, name):
    """The display names of a style and the styles it is based on."""
    names = []
    while name:
        style = document.styles.get((family, name))
        if style is None:
            break
        names.append(style.get(q("style:display-name")) or name.replace("_20_", " "))
        name = style.get(q("style:parent-style-name"))
    return names


def main_text(document):
    """The paragraphs and tables of the main text in order; a document read from Word's
    format keeps its columns in a section."""
    nodes = []
    for node in document.root.find(q("office:body")).find(q("office:text")):
        nodes.extend(list(node) if node.tag == q("text:section") else [node])
    return nodes


def main_tables(document):
    return [node for node in main_text(document) if node.tag == q("table:table")]


def check_structure(check, template, document, label):
    tables = main_tables(document)
    check.expect(len(tables) == 12 and len(list(document.root.iter(q("table:table")))) == 12,
                 f"{label}: {len(tables)} month tables")
    for month, table in enumerate(tables[:12]):
        where = f"{label} {MONTH_NAMES[month]}"
        columns = sum(int(column.get(q("table:number-columns-repeated"), "1"))
                      for column in table.iter(q("table:table-column")))
        rows = rows_of(table)
        if not check.expect(columns == 2 and len(rows) == MONTH_DAYS[month] + 1,
                            f"{where}: {columns} columns, {len(rows)} rows"):
            continue
        heading = rows[0].findall(q("table:table-cell"))
        check.expect(len(heading) == 1 and heading[0].get(q("table:number-columns-spanned")) == "2"
                     and paragraph_text(heading[0].find(q("text:p"))) == MONTH_NAMES[month],
                     f"{where}: heading row is not one spanning cell with the month's name")
        for day, row in enumerate(rows[1:], 1):
            cells = row.findall(q("table:table-cell"))
            paragraphs = [cell.find(q("text:p")) for cell in cells]
            if not check.expect(len(cells) == 2 and None not in paragraphs,
                                f"{where} day {day}: {len(cells)} cells"):
                break
            texts = [paragraph_text(p) for p in paragraphs]
            styles = style_names(document, "paragraph", paragraphs[0].get(q("text:style-name")))
            if not check.expect(texts == [template.day_text(day), ""] and "Day Number" in styles,
                                f"{where} day {day}: cells {texts} in {styles}"):
                break
    paragraph_styles = {n for (family, name) in document.styles if family == "paragraph"
                        for n in style_names(document, family, name)[:1]}
    text_styles = {n for (family, name) in document.styles if family == "text"
                   for n in style_names(document, family, name)[:1]}
    needed = {"Day Number"} | ({"Weekend Day Number"} if "dated" in template.editions else set())
    check.expect(needed <= paragraph_styles,
                 f"{label}: paragraph styles {needed - paragraph_styles} missing")
    if "dated" in template.editions:
        check.expect("Milestone" in text_styles, f"{label}: no character style Milestone")
    check_bookmarks(check, template, document, tables, label)


def bookmark_span(document, name):
    """(paragraph, the nodes between the bookmark's start and end, their text), or None."""
    for paragraph in document.root.iter(q("text:p")):
        children = list(paragraph)
        for index, node in enumerate(children):
            if node.get(q("text:name")) != name:
                continue
            if node.tag == q("text:bookmark"):
                return paragraph, [], ""
            if node.tag != q("text:bookmark-start"):
                continue
            nodes, text = [], node.tail or ""
            for other in children[index + 1:]:
                if other.tag == q("text:bookmark-end") and other.get(q("text:name")) == name:
                    return paragraph, nodes, text
                nodes.append(other)
                if other.tag != q("draw:frame"):
                    text += "".join(other.itertext())
                text += other.tail or ""
    return None


def check_bookmarks(check, template, document, tables, label):
    design = template.design
    if design["cover"]:
        title = bookmark_span(document, "CoverTitle")
        check.expect(title is not None and title[2] == COVER_TITLE,
                     f"{label}: CoverTitle holds {title and title[2]!r}")
        year = bookmark_span(document, "CoverYear")
        check.expect(year is not None and paragraph_text(year[0]).strip() == "",
                     f"{label}: no CoverYear bookmark in an empty paragraph")
    if not design["pictures"]:
        return
    places = template.geometry["picturePlaces"]
    body = main_text(document)
    names = ([("CoverPicture", "cover", None)] if design["cover"] else []) + [
        (f"MonthPicture{m + 1}", "month", m) for m in range(12)]
    for name, place, month in names:
        span = bookmark_span(document, name)
        frames = [node for node in span[1] if node.tag == q("draw:frame")] if span else []
        if not check.expect(len(frames) == 1 and not span[2].strip(),
                            f"{label}: {name} does not span exactly one picture"):
            continue
        frame = frames[0]
        size = [millimetres(frame.get(q("svg:width"))), millimetres(frame.get(q("svg:height")))]
        check.expect(frame.get(q("text:anchor-type")) == "as-char"
                     and frame.find(q("draw:image")) is not None
                     and all(abs(a - b) < 0.2 for a, b in zip(size, places[place])),
                     f"{label}: {name} is {size} mm, not an as-character picture of"
                     f" {places[place]} mm")
        if month is not None:
            position = body.index(span[0]) if span[0] in body else -1
            after = body.index(tables[month - 1]) if month else -1
            check.expect(after < position < body.index(tables[month]),
                         f"{label}: {name} is not above its month")


def millimetres(length):
    number, unit = re.fullmatch(r"(-?[0-9.]+)(in|cm|mm|pt)", length).groups()
    return float(number) * {"in": 25.4, "cm": 10.0, "mm": 1.0, "pt": 25.4 / 72}[unit]


# --- filling a template as the builder would ----------------------------------------------

class Filling:
    """A copy of an opened template with text typed into its cells and bookmarks."""

    def __init__(self, fodt):
        source = pathlib.Path(fodt).read_text(encoding="utf-8")
        for prefix, uri in re.findall(r'xmlns:([\w-]+)="([^"]+)"',
                                      re.search(r"<office:document\b[^>]*>", source).group(0)):
            ET.register_namespace(prefix, uri)
        self.document = ReloadedDocument(fodt)
        self.tree = ET.ElementTree(self.document.root)
        self.tables = main_tables(self.document)

    def cell(self, month, row, column):
        paragraph = rows_of(self.tables[month])[row].findall(q("table:table-cell"))[column] \
            .find(q("text:p"))
        for child in list(paragraph):
            paragraph.remove(child)
        paragraph.text = ""
        return paragraph

    def entry(self, month, day, *lines, milestone=None):
        """Lines of an entry, the words milestone (if given) in the "Milestone" style."""
        paragraph = self.cell(month, day, 1)
        paragraph.text = lines[0]
        if milestone:
            paragraph.text, _, rest = lines[0].partition(milestone)
            span = ET.SubElement(paragraph, q("text:span"), {q("text:style-name"): "Milestone"})
            span.text, span.tail = milestone, rest
        for line in lines[1:]:
            ET.SubElement(paragraph, q("text:line-break")).tail = line

    def day_number(self, month, day, text, weekend):
        paragraph = self.cell(month, day, 0)
        paragraph.text = text
        if weekend:
            paragraph.set(q("text:style-name"), "Weekend_20_Day_20_Number")

    def heading(self, month, text):
        self.cell(month, 0, 0).text = text

    def bookmark(self, name, text):
        span = bookmark_span(self.document, name)
        if span is None:
            return
        for node in span[0].iter():
            if node.get(q("text:name")) == name and node.tag in (q("text:bookmark"),
                                                                  q("text:bookmark-start")):
                node.tail = text + (node.tail or "")[len(span[2]):]

    def write(self, target):
        self.tree.write(target, encoding="UTF-8", xml_declaration=True)
        return target


def probe_text(metrics, size, target, start, end, wider):
    """start, realistic words and end: the widest text narrower than target points, or
    (wider) the narrowest text wider than it, to within a narrow letter."""
    words = [start]
    while metrics.width(" ".join(words + [PROBE_WORDS[len(words) % 5], end]), size) <= target:
        words.append(PROBE_WORDS[len(words) % 5])
    words.append("")
    while metrics.width(" ".join(words + [end]) + "i", size) <= target:
        words[-1] += "i"
    if wider:
        words[-1] += "i"
    return " ".join(word for word in words + [end] if word)


class Fills:
    """The documents a template is filled into, and what each must show."""

    def __init__(self, template, opened, work):
        self.template = template
        self.opened = opened
        self.work = work
        line = template.geometry["entryLine"]
        self.entry_metrics = FontMetrics(line["font"])
        self.entry_size = line["sizePt"]
        fits = [e for e in ENTRIES if self.width(e) <= 0.97 * line["widthPt"]]
        self.entry_text = fits[0] if fits else ENTRIES[-1]
        day_style = ReloadedDocument(opened)
        font = day_style.property("paragraph", "Day_20_Number", "style:text-properties",
                                  "style:font-name")
        family = next((face.get(q("svg:font-family")).strip("'")
                       for face in day_style.root.iter(q("style:font-face"))
                       if face.get(q("style:name")) == font), font)
        weight = day_style.property("paragraph", "Day_20_Number", "style:text-properties",
                                    "fo:font-weight") or "normal"
        self.day_metrics = FontMetrics(family + (":bold" if weight == "bold" else ""))
        self.day_size = float(day_style.property("paragraph", "Day_20_Number",
                                                 "style:text-properties",
                                                 "fo:font-size").removesuffix("pt"))

    def width(self, text):
        return self.entry_metrics.width(text, self.entry_size)

    @property
    def headings(self):
        """Each month's longest name in the six languages, with the year."""
        return [max((language[month] for language in MONTHS_IN_LANGUAGES), key=len) + " " + YEAR
                for month in range(12)]

    def name(self, variant):
        return self.work / f"{self.template.stem}--{variant}.fodt"

    def widest_label(self, day):
        labels = [f"{day} {weekday}" for names in WEEKDAYS for weekday in names.split()]
        return max(labels, key=lambda label: self.day_metrics.width(label, self.day_size))

    def edition(self, edition):
        filling = Filling(self.opened)
        dated = edition == "dated"
        for month, days in enumerate(MONTH_DAYS):
            if dated:
                filling.heading(month, self.headings[month])
            for day in range(1, days + 1):
                if dated:
                    filling.day_number(month, day, self.widest_label(day),
                                       weekend=day % 7 in (2, 3))
                    text = self.entry_text.replace("(1956)", "(70)")
                    filling.entry(month, day, text, milestone="(70)" if day % 5 == 0 else None)
                else:
                    filling.entry(month, day, self.entry_text)
        if dated:
            filling.bookmark("CoverTitle", LONG_TITLE)
            filling.bookmark("CoverYear", YEAR)
        return filling.write(self.name(edition))

    def spare(self, more):
        """Every month's spare lines (and more) in its first day; a mark on its last day."""
        filling = Filling(self.opened)
        for month, days in enumerate(MONTH_DAYS):
            extra = self.template.geometry["spareLines"][month] + more
            filling.entry(month, 1, "Spare lines", *(["extra"] * extra))
            filling.entry(month, days, f"Endmark{month + 1:02d}")
        return filling.write(self.name(f"spare{more}"))

    def widths(self):
        """January 2 a little narrower than the entry line, January 3 a little wider (by
        2 %, more than the kerning the office applies and the measure here leaves out)."""
        width = self.template.geometry["entryLine"][
            "datedWidthPt" if self.template.editions == {"dated"} else "widthPt"]
        filling = Filling(self.opened)
        filling.entry(0, 2, probe_text(self.entry_metrics, self.entry_size, 0.98 * width,
                                       "Fitstart", "Fitend", wider=False))
        filling.entry(0, 3, probe_text(self.entry_metrics, self.entry_size, 1.02 * width,
                                       "Wrapstart", "Wrapend", wider=True))
        return filling.write(self.name("widths"))


# --- reading the laid-out pages ----------------------------------------------------------

def pdf_words(pdf):
    """(page, xMin, yMin, text) of every word, in reading order."""
    html = subprocess.run(["pdftotext", "-bbox", str(pdf), "-"], check=True,
                          capture_output=True, text=True).stdout
    words = []
    for page, content in enumerate(re.findall(r"<page .*?</page>", html, re.S), 1):
        for x, y, word in re.findall(
                r'<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>', content):
            words.append((page, float(x), float(y), word.replace("&amp;", "&")))
    return words


class Layout:
    """The words of a laid-out calendar by page, column and line."""

    def __init__(self, template, pdf, page_width):
        self.columns = template.columns
        self.page_width = page_width
        self.words = pdf_words(pdf)
        grouped = {}
        for page, x, y, word in self.words:
            column = self.column(x)
            key = next((k for k in grouped if k[:2] == (page, column) and abs(k[2] - y) < 1.0),
                       (page, column, y))
            grouped.setdefault(key, []).append((x, word))
        self.lines = [((page, column), [word for _, word in sorted(line)])
                      for (page, column, _), line in grouped.items()]

    def column(self, x):
        return 0 if self.columns == 1 or x < self.page_width / 2 else 1

    def places_of_word(self, text):
        """(page, column) of every word that is text."""
        return [(page, self.column(x)) for page, x, _, word in self.words if word == text]

    def places_of_line(self, text):
        """(page, column) of every line that reads text, however its letters are spaced."""
        return [place for place, line in self.lines
                if "".join(line).lower() == text.replace(" ", "").lower()]


def check_months_placed(check, template, pdf, page_width, label):
    layout = Layout(template, pdf, page_width)
    for month, name in enumerate(MONTH_NAMES):
        found = layout.places_of_line(name)
        check.expect(found == [template.expected_place(month)],
                     f"{label}: {name} at (page, column) {found}")


def check_pages(check, template, pdf, label, expected=None):
    pages, _ = page_info(pdf)
    expected = expected or template.geometry["pages"]
    check.expect(pages == expected, f"{label}: {pages} pages, not {expected}")
    return pages


def check_fonts(check, template, pdf, label):
    """Every font embedded and one of the design's; returns the families found."""
    listing = subprocess.run(["pdffonts", str(pdf)], check=True, capture_output=True,
                             text=True).stdout.splitlines()[2:]
    known = {}
    for line in subprocess.run(["fc-list", ":", "postscriptname", "family"], check=True,
                               capture_output=True, text=True).stdout.splitlines():
        families, _, name = line.partition(":postscriptname=")
        known[name.replace("-", "")] = set(families.split(","))
    families = {f["family"] for f in template.design["fonts"]}
    used = set()
    for line in listing:
        name, embedded = line.split()[0].split("+")[-1], line.split()[-5]
        check.expect(embedded == "yes", f"{label}: font {name} is not embedded")
        font_families = known.get(name.replace("-", ""), set())
        check.expect(font_families & families, f"{label}: font {name} is not one the design lists")
        used |= font_families & families
    return used


def check_filled(check, template, fills, pdf, edition, page_width):
    label = f"{template.stem} {edition} edition filled"
    check_pages(check, template, pdf, label)
    if edition == "perpetual":
        check_months_placed(check, template, pdf, page_width, label)
    layout = Layout(template, pdf, page_width)
    lines = [line for _, line in layout.lines]
    first, last = fills.entry_text.split()[0], fills.entry_text.split()[-1]
    if edition == "dated":
        last = "(70)"
    whole = sum(1 for line in lines for i, word in enumerate(line)
                if word == first and last in line[i:])
    check.expect(whole == 366, f"{label}: {whole} of 366 entries on one line")
    if edition == "dated":
        weekdays = {weekday for names in WEEKDAYS for weekday in names.split()}
        labelled = sum(1 for line in lines for a, b in zip(line, line[1:])
                       if a.isdigit() and b in weekdays)
        check.expect(labelled == 366, f"{label}: {labelled} of 366 weekdays beside their day")
        headed = sum(len(layout.places_of_line(heading)) for heading in fills.headings)
        check.expect(headed == 12, f"{label}: {headed} of 12 headings with the year on one line")
        if template.design["cover"]:
            check.expect(len(layout.places_of_line(YEAR)) == 1, f"{label}: the cover shows no year")
    return check_fonts(check, template, pdf, label)


def check_spare(check, template, pdf, page_width, fits):
    """With its spare lines used the calendar keeps its pages and every month its last
    day; three lines more (the room a month leaves is rounded down to whole lines, and a
    trailing empty paragraph may give way first) push every month's last day on."""
    label = f"{template.stem} spare lines {'used' if fits else f'exceeded by {EXCEEDING}'}"
    if fits:
        check_pages(check, template, pdf, label)
    layout = Layout(template, pdf, page_width)
    for month in range(12):
        heading = layout.places_of_line(MONTH_NAMES[month])
        mark = layout.places_of_word(f"Endmark{month + 1:02d}")
        stays = len(heading) == 1 and heading == mark
        check.expect(stays == fits, f"{label}: {MONTH_NAMES[month]} starts at {heading} and ends"
                     f" at {mark}")


def check_widths(check, template, pdf, page_width):
    lines = [line for _, line in Layout(template, pdf, page_width).lines]
    for start, end, one_line in (("Fitstart", "Fitend", True), ("Wrapstart", "Wrapend", False)):
        together = any(start in line and end in line for line in lines)
        check.expect(together == one_line, f"{template.stem}: an entry {start[:-5].lower()}s"
                     f" the entry line {'but wraps' if one_line else 'but stays on one line'}")


def check_minimum_size(check, document_file, label):
    """No text under 7 pt: the size of every paragraph and span that holds text."""
    document = ReloadedDocument(document_file)
    for node in document.root.find(q("office:body")).iter():
        if node.tag not in (q("text:p"), q("text:span")) or not (node.text or "").strip():
            continue
        family = "paragraph" if node.tag == q("text:p") else "text"
        size = document.property(family, node.get(q("text:style-name")),
                                 "style:text-properties", "fo:font-size")
        if size is None and family == "text":
            continue  # a span takes its paragraph's size
        size = size or document.root.find(f".//{q('style:default-style')}/"
                                          f"{q('style:text-properties')}").get(q("fo:font-size"))
        if not check.expect(float(size.removesuffix("pt")) >= 7,
                            f"{label}: '{node.text.strip()}' is set in {size}"):
            return


# --- the manifest -----------------------------------------------------------------------

def check_manifest(check, shipped):
    check.expect(shipped == manifest(), "designs.json is not what generate_calendar.py writes")
    for design in shipped["designs"]:
        for font in design["fonts"]:
            families = subprocess.run(["fc-list", f":family={font['family']}", "file"],
                                      capture_output=True, text=True).stdout.split()
            if not check.expect(families, f"{design['name']}: fontconfig knows no family"
                                f" {font['family']}"):
                continue
            owner = subprocess.run(["dpkg", "-S", families[0].rstrip(":")],
                                   capture_output=True, text=True).stdout.split(":")[0]
            check.expect(owner == font["package"], f"{design['name']}: {font['family']} comes"
                         f" from {owner}, not {font['package']}")


# --- one paper --------------------------------------------------------------------------

def templates_of(shipped, paper_name):
    templates = {}
    for design in shipped["designs"]:
        for edition, file_name in design["papers"][paper_name]["templates"].items():
            if file_name in templates:
                templates[file_name].editions.add(edition)
            else:
                templates[file_name] = Template(design, paper_name, file_name, {edition})
    return list(templates.values())


def check_paper(check, paper, here, soffice, work):
    shipped = json.loads((here / "designs.json").read_text(encoding="utf-8"))
    check_manifest(check, shipped)
    templates = templates_of(shipped, paper.name)
    page_width = points(paper.page_width)
    folders = {name: work / name for name in ("dot", "opened", "filled", "saved", "docx",
                                              "reopened", "pdf")}
    for folder in folders.values():
        folder.mkdir()
    profile = work / "profile"

    def office(sources, target_filter, folder):
        return convert_all(soffice, sources, target_filter, folders[folder], profile)

    dots = []
    for template in templates:
        dots.append(folders["dot"] / template.file_name)
        shutil.copyfile(here / template.file_name, dots[-1])
    opened = office(dots, "fodt", "opened")

    filled, expectations = [], []
    for template, document in zip(templates, opened):
        check_structure(check, template, ReloadedDocument(document), f"{template.stem} opened")
        fills = Fills(template, document, folders["filled"])
        for edition in sorted(template.editions):
            filled.append(fills.edition(edition))
            expectations.append((template, "edition", edition, fills))
            check_minimum_size(check, filled[-1], f"{template.stem} {edition} edition")
        for more, fits in ((0, True), (EXCEEDING, False)):
            filled.append(fills.spare(more))
            expectations.append((template, "spare", fits, fills))
        filled.append(fills.widths())
        expectations.append((template, "widths", None, fills))

    saved = office(dots + filled, "doc:MS Word 97", "saved")
    saved_templates = []
    for template, document in zip(templates, saved):
        saved_templates.append(document.rename(document.with_name(template.stem + "--saved.doc")))
    docx = [document.rename(document.with_name(document.stem + "--docx.docx")) for document
            in office(saved_templates, "docx:MS Word 2007 XML", "docx")]
    reopened = office(saved_templates + docx, "fodt", "reopened")
    for index, template in enumerate(templates):
        check_structure(check, template, ReloadedDocument(reopened[index]),
                        f"{template.stem} saved as .doc and reopened")
        check_structure(check, template, ReloadedDocument(reopened[len(templates) + index]),
                        f"{template.stem} saved as .docx and reopened")

    pdfs = office(dots + saved_templates + saved[len(templates):], "pdf", "pdf")
    for index, template in enumerate(templates):
        check_pages(check, template, pdfs[index], f"{template.stem} laid out")
        check_months_placed(check, template, pdfs[index], page_width, f"{template.stem} laid out")
        check_pages(check, template, pdfs[len(templates) + index],
                    f"{template.stem} saved as .doc and reopened")
    used = {}
    for (template, kind, detail, fills), pdf in zip(expectations, pdfs[2 * len(templates):]):
        if kind == "edition":
            used.setdefault(template.stem, set()).update(
                check_filled(check, template, fills, pdf, detail, page_width))
        elif kind == "spare":
            check_spare(check, template, pdf, page_width, detail)
        else:
            check_widths(check, template, pdf, page_width)
    for template in templates:
        families = {f["family"] for f in template.design["fonts"]}
        check.expect(used.get(template.stem) == families,
                     f"{template.stem}: uses {used.get(template.stem)}, the manifest lists"
                     f" {families}")


def main():
    here = pathlib.Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--paper", choices=list(PAPERS), default="letter")
    parser.add_argument("--soffice", default=shutil.which("soffice") or "soffice")
    parser.add_argument("--keep", help="copy the intermediate files into this folder")
    options = parser.parse_args()

    paper = PAPERS[options.paper]
    check = Checker()
    with tempfile.TemporaryDirectory(prefix="daybloom-designs-") as work_name:
        work = pathlib.Path(work_name)
        check_paper(check, paper, here, options.soffice, work)
        keep_files(work, options.keep)
    return check.report(f"{paper.label} design check")


if __name__ == "__main__":
    sys.exit(main())
