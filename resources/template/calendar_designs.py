"""The keepsake designs: what each looks like (data) and how a design is laid out on a
paper (a few layout functions), written as flat ODF.

Every design keeps the structure the builder fills: twelve month tables in calendar
order, a heading row spanning the table, then one row a day with the day number in
cell 1 and the entry in cell 2. What differs is the page plan, the typefaces, the
palette, the rules between the days and, for a design with pictures, a picture place
above every month and a cover page.

All text is set with an exact line height and every row is exactly one line plus its
padding and rule, so a page's geometry is known here without laying it out: how much
room a month leaves (spare lines) and how wide an entry's line is are computed from the
same numbers that write the template, and go into the manifest the program reads.
"""

import base64
import dataclasses
import math
from xml.sax.saxutils import escape

from ornament import OrnamentPalette, ornament_png

MONTH_NAMES = ["January", "February", "March", "April", "May", "June", "July", "August",
               "September", "October", "November", "December"]
MONTH_DAYS = [31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]  # February keeps its 29th
POINTS_PER_MM = 72 / 25.4
COVER_TITLE = "Our family's birthdays"
# Kept free below every month and on the cover against rounding in the office's layout.
SAFETY_POINTS = 2.0
# Paragraphs that only separate the tables or carry a break have this line height.
SPACER_LINE = 3.0
# The cover keeps room for its title on two lines, as a translation may need.
COVER_TITLE_LINES = 2


def spare_lines(slack, line, first_line):
    """Extra entry lines a month takes before it outgrows its page or column, however
    they fall: a day's first extra line costs first_line, every further one a line."""
    room = slack - SAFETY_POINTS
    if room < first_line:
        return 0
    return 1 + math.floor((room - first_line) / line)


def twips(points):
    """Lengths are rounded to twentieths of a point, the unit Word stores them in, so
    nothing moves when a template goes through Word's format and back."""
    return round(points * 20) / 20


def pt(points):
    return f"{twips(points):g}pt"


@dataclasses.dataclass(frozen=True)
class Typeface:
    family: str   # as fontconfig knows it
    package: str  # the Debian package that brings it


@dataclasses.dataclass(frozen=True)
class Look:
    """One kind of text, sized for Letter and A4 (A5 scales it)."""
    family: str
    size: float             # points
    line: float             # exact line height, points
    colour: str
    weight: str = "normal"
    italic: bool = False
    capitals: bool = False
    tracking: float = 0.0   # extra space between letters, points
    align: str = "start"

    def scaled(self, factor):
        return dataclasses.replace(
            self, size=max(7.0, round(self.size * factor * 2) / 2),
            line=twips(self.line * factor), tracking=twips(self.tracking * factor))


@dataclasses.dataclass(frozen=True)
class Accent:
    """How a milestone's words stand out inside an entry (character style "Milestone")."""
    colour: str
    weight: str = "normal"
    italic: bool = False


@dataclasses.dataclass(frozen=True)
class Margins:
    top: float       # millimetres
    bottom: float
    side: float
    type_scale: float = 1.0


@dataclasses.dataclass(frozen=True)
class Design:
    name: str
    typefaces: tuple
    month: Look                     # the month's name in the heading row
    day: Look                       # "Day Number"
    entry: Look                     # the entries and the default paragraph style
    weekend_colour: str             # "Weekend Day Number": the day number set off
    milestone: Accent
    rule: str                       # the line under each day, e.g. "0.5pt solid #c0c0c0"
    heading_rule: str               # the line under the month's name
    heading_gap: float              # points between the month's name and its rule
    day_fill: str                   # background of the day-number column, or ""
    day_column: float               # millimetres, on Letter and A4; holds "31 Wed"
    cell_padding: float             # points left and right in a day cell
    spare_lines: int                # lines a 31-day month keeps free for wrapped entries
    plan: str                       # "month-pages" or "two-months-a-page"
    margins: dict                   # paper name -> Margins
    column_gap: float = 0.0         # millimetres, two months a page
    cover: bool = False
    pictures: bool = False
    row_padding: float = 0.0        # with pictures, points above and below an entry's line
                                    # (the picture takes the rest); without, the rows
                                    # share the page
    picture_gap: float = 0.0        # millimetres between a month's picture and its name
    title: Look = None              # the cover's title and year
    year: Look = None
    ornament: OrnamentPalette = None

    def file_name(self, paper):
        """One template serves both editions: every day column holds "31 Wed"."""
        return f"calendar-{self.name}" + ("" if paper.name == "letter" else f"-{paper.name}") \
            + ".dot"


# --- the designs, in menu order after classic ------------------------------------------

# Teal hills under a low sun; clear sans type that reads from across a room.
WALL = Design(
    name="wall",
    typefaces=(Typeface("Lato", "fonts-lato"), Typeface("Lato Light", "fonts-lato")),
    month=Look("Lato Light", 32, 38, "#2e5a5c", capitals=True, tracking=4),
    day=Look("Lato", 9, 11, "#2e5a5c", weight="bold", align="center"),
    entry=Look("Lato", 9, 11, "#2b3033"),
    weekend_colour="#c0603c", milestone=Accent("#c0603c", weight="bold"),
    rule="0.5pt solid #c9d6d4", heading_rule="1pt solid #2e5a5c", heading_gap=3,
    day_fill="", day_column=16, cell_padding=4, spare_lines=3,
    plan="month-pages",
    margins={"letter": Margins(12, 11, 15), "a4": Margins(14, 13, 15),
             "a5": Margins(9, 9, 10, 0.8)},
    cover=True, pictures=True, row_padding=0.75, picture_gap=5,
    title=Look("Lato Light", 34, 42, "#2b3033", align="center"),
    year=Look("Lato", 18, 26, "#c0603c", tracking=6, align="center"),
    ornament=OrnamentPalette("#f4eee6", "#f6dcc8", "#e1e8e4", "#e8a27c",
                             ("#c3d3d0", "#93b3af", "#5f8b88", "#467472")),
)

# Cream and terracotta with a Garamond: a birthday book, one month a page.
WARM = Design(
    name="warm",
    typefaces=(Typeface("EB Garamond 12", "fonts-ebgaramond"),),
    month=Look("EB Garamond 12", 40, 46, "#a4532f", italic=True, align="center"),
    day=Look("EB Garamond 12", 12.5, 15, "#7a4a2a", align="center"),
    entry=Look("EB Garamond 12", 12.5, 15, "#3a2a20"),
    weekend_colour="#b5542d", milestone=Accent("#a4532f", italic=True),
    rule="0.5pt solid #e3d2bc", heading_rule="0.75pt solid #c9a27e", heading_gap=8,
    day_fill="#f8efe2", day_column=20, cell_padding=6, spare_lines=3,
    plan="month-pages",
    margins={"letter": Margins(18, 12, 24), "a4": Margins(20, 14, 24),
             "a5": Margins(12, 9, 14, 0.8)},
)

# Hairlines and no fills: the least ink, two months a page.
QUIET = Design(
    name="quiet",
    typefaces=(Typeface("Open Sans", "fonts-open-sans"),
               Typeface("Open Sans Light", "fonts-open-sans")),
    month=Look("Open Sans Light", 18, 24, "#333333"),
    day=Look("Open Sans Light", 8.5, 11, "#555555"),
    entry=Look("Open Sans Light", 8.5, 11, "#222222"),
    weekend_colour="#3f6e8c", milestone=Accent("#3f6e8c", weight="bold"),
    rule="0.25pt solid #9a9a9a", heading_rule="0.5pt solid #333333", heading_gap=3,
    day_fill="", day_column=14, cell_padding=3, spare_lines=3,
    plan="two-months-a-page",
    margins={"letter": Margins(16, 16, 16), "a4": Margins(16, 16, 15),
             "a5": Margins(10, 10, 9, 0.8)},
    column_gap=12,
)

DESIGNS = (WALL, WARM, QUIET)


# --- one design on one paper: every length the template and the manifest use ---------

def border_width(border):
    return float(border.split()[0].removesuffix("pt")) if border else 0.0


@dataclasses.dataclass(frozen=True)
class Layout:
    design: Design
    paper: object          # generate_calendar.Paper: name, page size
    width: float           # page, points
    height: float

    @property
    def frame(self):
        return self.design.margins[self.paper.name]

    def look(self, look):
        return look.scaled(self.frame.type_scale)

    @property
    def top(self):
        return twips(self.frame.top * POINTS_PER_MM)

    @property
    def bottom(self):
        return twips(self.frame.bottom * POINTS_PER_MM)

    @property
    def side(self):
        return twips(self.frame.side * POINTS_PER_MM)

    @property
    def columns(self):
        return 2 if self.design.plan == "two-months-a-page" else 1

    @property
    def column_gap(self):
        return twips(self.design.column_gap * POINTS_PER_MM)

    @property
    def table_width(self):
        text = self.width - 2 * self.side
        return twips((text - (self.columns - 1) * self.column_gap) / self.columns)

    @property
    def day_column(self):
        return twips(self.design.day_column * POINTS_PER_MM * self.frame.type_scale)

    @property
    def entry_column(self):
        return twips(self.table_width - self.day_column)

    @property
    def cell_padding(self):
        return twips(self.design.cell_padding * self.frame.type_scale)

    @property
    def entry_width(self):
        """Where an entry's text wraps: the entry cell less its padding."""
        return twips(self.entry_column - 2 * self.cell_padding)

    @property
    def region_height(self):
        """The height one month has: its page, or its column."""
        return twips(self.height - self.top - self.bottom)

    @property
    def heading_gap(self):
        return twips(self.design.heading_gap * self.frame.type_scale)

    @property
    def heading_height(self):
        month = self.look(self.design.month)
        return twips(month.line + self.heading_gap + border_width(self.design.heading_rule))

    @property
    def line(self):
        return self.look(self.design.entry).line

    def spacers(self):
        """Separating paragraphs a month's region holds: the one that opens the page or
        column (a month's picture opens its page instead) and the one after the table that
        carries a column break or ends the document."""
        return 1 if self.design.pictures else 2

    def room_for_days(self):
        """What a month's region leaves for its day rows (and picture) after its heading,
        its separating paragraphs and the spare lines a 31-day month keeps."""
        return (self.region_height - self.heading_height - self.spacers() * SPACER_LINE
                - self.design.spare_lines * self.line - SAFETY_POINTS)

    @property
    def row_padding(self):
        """Above and below an entry's line: a design's own beside a picture (which takes
        the rest of the page), otherwise what the room leaves to each of 31 rows."""
        if self.design.pictures:
            return twips(self.design.row_padding * self.frame.type_scale)
        spare = self.room_for_days() / 31 - self.line - border_width(self.design.rule)
        return math.floor(spare / 2 * 20) / 20

    @property
    def row_height(self):
        return twips(self.line + 2 * self.row_padding + border_width(self.design.rule))

    @property
    def picture_gap(self):
        return twips(self.design.picture_gap * POINTS_PER_MM * self.frame.type_scale)

    @property
    def picture_width(self):
        return self.table_width

    @property
    def picture_height(self):
        """A month's picture takes what 31 day rows leave of the room."""
        if not self.design.pictures:
            return 0.0
        return math.floor((self.room_for_days() - 31 * self.row_height - self.picture_gap)
                          * 20) / 20

    @property
    def cover_picture_height(self):
        """The cover's picture takes what its title and the year leave, with a gap below
        the picture, two above the title and one above the year."""
        title = self.look(self.design.title)
        year = self.look(self.design.year)
        below = (self.picture_gap * 4 + COVER_TITLE_LINES * title.line + year.line
                 + SPACER_LINE + SAFETY_POINTS)
        return math.floor((self.region_height - below) * 20) / 20

    def fixed_height(self):
        """What a month's region holds besides its day rows."""
        height = self.heading_height + self.spacers() * SPACER_LINE
        if self.design.pictures:
            height += self.picture_height + self.picture_gap
        return height

    def month_height(self, month):
        return self.fixed_height() + MONTH_DAYS[month] * self.row_height

    def spare_lines(self):
        """Extra entry lines each month takes before it outgrows its page or column."""
        return [spare_lines(self.region_height - self.month_height(m), self.line, self.line)
                for m in range(12)]

    def pages(self):
        return (1 if self.design.cover else 0) + 12 // self.columns

    def picture_places(self):
        """Printed sizes in millimetres, as the program crops photos to them."""
        if not self.design.pictures:
            return None
        mm = lambda points: round(points / POINTS_PER_MM, 2)  # noqa: E731
        places = {"month": [mm(self.picture_width), mm(self.picture_height)]}
        if self.design.cover:
            places = {"cover": [mm(self.picture_width), mm(self.cover_picture_height)], **places}
        return places


# --- flat ODF --------------------------------------------------------------------------

def text_properties(look):
    attributes = [f'style:font-name="{look.family}"', f'fo:font-size="{pt(look.size)}"',
                  f'style:font-size-complex="{pt(look.size)}"',
                  f'fo:color="{look.colour}"', f'fo:font-weight="{look.weight}"',
                  f'fo:font-style="{"italic" if look.italic else "normal"}"']
    if look.capitals:
        attributes.append('fo:text-transform="uppercase"')
    if look.tracking:
        attributes.append(f'fo:letter-spacing="{pt(look.tracking)}"')
    return f"<style:text-properties {' '.join(attributes)}/>"


def paragraph_style(name, display, look, parent="Standard", space_above=0.0):
    return (f'<style:style style:name="{name}" style:display-name="{display}"'
            f' style:family="paragraph" style:parent-style-name="{parent}">'
            f'<style:paragraph-properties fo:line-height="{pt(look.line)}"'
            f' fo:text-align="{look.align}" fo:margin-top="{pt(space_above)}"'
            ' fo:margin-bottom="0pt"/>'
            + text_properties(look) + "</style:style>")


def font_faces(layout):
    families = {t.family for t in layout.design.typefaces}
    return "<office:font-face-decls>" + "".join(
        f'<style:font-face style:name="{family}" svg:font-family="&apos;{family}&apos;"'
        ' style:font-family-generic="swiss" style:font-pitch="variable"/>'
        for family in sorted(families)) + "</office:font-face-decls>"


def styles(layout):
    design = layout.design
    entry, day = layout.look(design.entry), layout.look(design.day)
    month = layout.look(design.month)
    weekend = dataclasses.replace(day, colour=design.weekend_colour)
    spacer = dataclasses.replace(entry, size=7.0, line=SPACER_LINE)
    parts = [
        "<office:styles>",
        '<style:default-style style:family="paragraph">'
        '<style:paragraph-properties fo:margin-top="0pt" fo:margin-bottom="0pt"'
        ' fo:hyphenation-ladder-count="no-limit" style:writing-mode="lr-tb"/>'
        f'<style:text-properties style:font-name="{entry.family}" fo:font-size="{pt(entry.size)}"'
        f' style:font-name-complex="{entry.family}" style:font-size-complex="{pt(entry.size)}"'
        ' fo:language="en" fo:country="US" fo:hyphenate="false"/>'
        "</style:default-style>",
        '<style:default-style style:family="table">'
        '<style:table-properties table:border-model="collapsing"/></style:default-style>',
        # "Standard" is Word's "Normal"; the entries are typed in it.
        '<style:style style:name="Standard" style:family="paragraph" style:class="text">'
        f'<style:paragraph-properties fo:line-height="{pt(entry.line)}"'
        ' fo:margin-top="0pt" fo:margin-bottom="0pt"/>'
        + text_properties(entry) + "</style:style>",
        paragraph_style("Month_20_Name", "Month Name", month),
        paragraph_style("Day_20_Number", "Day Number", day),
        paragraph_style("Weekend_20_Day_20_Number", "Weekend Day Number", weekend,
                        parent="Day_20_Number"),
        paragraph_style("Day_20_Entry", "Day Entry", entry),
        paragraph_style("Spacer", "Spacer", spacer),
        '<style:style style:name="Milestone" style:family="text">'
        f'<style:text-properties fo:color="{design.milestone.colour}"'
        f' fo:font-weight="{design.milestone.weight}"'
        f' fo:font-style="{"italic" if design.milestone.italic else "normal"}"/>'
        "</style:style>",
    ]
    if design.pictures:
        # A picture's paragraph holds no text: its mark is tiny so that the line is as
        # high as the picture.
        parts.append('<style:style style:name="Picture" style:display-name="Picture"'
                     ' style:family="paragraph" style:parent-style-name="Standard">'
                     '<style:paragraph-properties fo:line-height="100%" fo:margin-top="0pt"'
                     f' fo:margin-bottom="{pt(layout.picture_gap)}" fo:text-align="start"/>'
                     '<style:text-properties fo:font-size="2pt"/></style:style>')
        parts.append('<style:style style:name="Ornament" style:family="graphic">'
                     '<style:graphic-properties style:vertical-pos="top"'
                     ' style:vertical-rel="baseline" fo:padding="0pt" fo:border="none"'
                     ' style:wrap="none"/></style:style>')
    if design.cover:
        title, year = layout.look(design.title), layout.look(design.year)
        parts.append(paragraph_style("Cover_20_Title", "Cover Title", title,
                                     space_above=layout.picture_gap * 2))
        parts.append(paragraph_style("Cover_20_Year", "Cover Year", year,
                                     space_above=layout.picture_gap))
    parts.append("</office:styles>")
    return "".join(parts)


def cell_properties(padding_top, padding_bottom, padding_side, bottom_border, fill=""):
    background = f' fo:background-color="{fill}"' if fill else ""
    return ('<style:table-cell-properties fo:border-left="none" fo:border-right="none"'
            f' fo:border-top="none" fo:border-bottom="{bottom_border or "none"}"'
            f' fo:padding-left="{pt(padding_side)}" fo:padding-right="{pt(padding_side)}"'
            f' fo:padding-top="{pt(padding_top)}" fo:padding-bottom="{pt(padding_bottom)}"'
            f' style:vertical-align="top"{background}/>')


def automatic_styles(layout):
    design = layout.design
    columns = ""
    if layout.columns > 1:
        columns = (f'<style:columns fo:column-count="{layout.columns}"'
                   f' fo:column-gap="{pt(layout.column_gap)}"/>')
    return (
        "<office:automatic-styles>"
        '<style:style style:name="MonthTable" style:family="table">'
        f'<style:table-properties style:width="{pt(layout.table_width)}" table:align="left"'
        ' fo:margin-left="0pt" fo:margin-top="0pt" fo:margin-bottom="0pt"/></style:style>'
        '<style:style style:name="DayColumn" style:family="table-column">'
        f'<style:table-column-properties style:column-width="{pt(layout.day_column)}"/>'
        "</style:style>"
        '<style:style style:name="EntryColumn" style:family="table-column">'
        f'<style:table-column-properties style:column-width="{pt(layout.entry_column)}"/>'
        "</style:style>"
        '<style:style style:name="HeadingRow" style:family="table-row">'
        f'<style:table-row-properties style:min-row-height="{pt(layout.heading_height)}"'
        ' fo:keep-together="always"/></style:style>'
        '<style:style style:name="DayRow" style:family="table-row">'
        f'<style:table-row-properties style:min-row-height="{pt(layout.row_height)}"'
        ' fo:keep-together="always"/></style:style>'
        '<style:style style:name="HeadingCell" style:family="table-cell">'
        + cell_properties(0, layout.heading_gap, 0, design.heading_rule) + "</style:style>"
        '<style:style style:name="DayCell" style:family="table-cell">'
        + cell_properties(layout.row_padding, layout.row_padding, layout.cell_padding,
                          design.rule, design.day_fill) + "</style:style>"
        '<style:style style:name="EntryCell" style:family="table-cell">'
        + cell_properties(layout.row_padding, layout.row_padding, layout.cell_padding,
                          design.rule) + "</style:style>"
        '<style:style style:name="PageBreak" style:family="paragraph"'
        ' style:parent-style-name="Spacer">'
        '<style:paragraph-properties fo:break-before="page"/></style:style>'
        '<style:style style:name="ColumnBreak" style:family="paragraph"'
        ' style:parent-style-name="Spacer">'
        '<style:paragraph-properties fo:break-before="column"/></style:style>'
        + ('<style:style style:name="PictureOnNewPage" style:family="paragraph"'
           ' style:parent-style-name="Picture">'
           '<style:paragraph-properties fo:break-before="page"/></style:style>'
           if design.pictures else "")
        + '<style:page-layout style:name="Page">'
        f'<style:page-layout-properties fo:page-width="{pt(layout.width)}"'
        f' fo:page-height="{pt(layout.height)}" style:print-orientation="portrait"'
        f' fo:margin-left="{pt(layout.side)}" fo:margin-right="{pt(layout.side)}"'
        f' fo:margin-top="{pt(layout.top)}" fo:margin-bottom="{pt(layout.bottom)}">'
        + columns + "</style:page-layout-properties></style:page-layout>"
        "</office:automatic-styles>"
        '<office:master-styles><style:master-page style:name="Standard"'
        ' style:page-layout-name="Page"/></office:master-styles>')


def cell(cell_style, paragraph_style, text="", spanned=1):
    span = f' table:number-columns-spanned="{spanned}"' if spanned > 1 else ""
    return (f'<table:table-cell table:style-name="{cell_style}" office:value-type="string"{span}>'
            f'<text:p text:style-name="{paragraph_style}">{escape(text)}</text:p>'
            "</table:table-cell>")


def month_table(month):
    rows = ['<table:table-row table:style-name="HeadingRow">'
            + cell("HeadingCell", "Month_20_Name", MONTH_NAMES[month], spanned=2)
            + "<table:covered-table-cell/></table:table-row>"]
    rows += ['<table:table-row table:style-name="DayRow">'
             + cell("DayCell", "Day_20_Number", str(day)) + cell("EntryCell", "Day_20_Entry")
             + "</table:table-row>" for day in range(1, MONTH_DAYS[month] + 1)]
    return (f'<table:table table:name="{MONTH_NAMES[month]}" table:style-name="MonthTable">'
            '<table:table-column table:style-name="DayColumn"/>'
            '<table:table-column table:style-name="EntryColumn"/>\n'
            + "\n".join(rows) + "</table:table>")


def picture(layout, bookmark, height, month, paragraph_style):
    """A paragraph holding one ornament picture as a character, inside its bookmark."""
    image = ornament_png(layout.design.ornament, layout.picture_width / POINTS_PER_MM,
                         height / POINTS_PER_MM, month)
    return (f'<text:p text:style-name="{paragraph_style}">'
            f'<text:bookmark-start text:name="{bookmark}"/>'
            f'<draw:frame draw:style-name="Ornament" draw:name="{bookmark}"'
            ' text:anchor-type="as-char" draw:z-index="0"'
            f' svg:width="{pt(layout.picture_width)}" svg:height="{pt(height)}">'
            '<draw:image><office:binary-data>'
            + base64.b64encode(image).decode("ascii")
            + "</office:binary-data></draw:image></draw:frame>"
            f'<text:bookmark-end text:name="{bookmark}"/></text:p>')


def cover(layout):
    return [picture(layout, "CoverPicture", layout.cover_picture_height, 0, "Picture"),
            '<text:p text:style-name="Cover_20_Title"><text:bookmark-start text:name="CoverTitle"/>'
            + escape(COVER_TITLE) + '<text:bookmark-end text:name="CoverTitle"/></text:p>',
            '<text:p text:style-name="Cover_20_Year">'
            '<text:bookmark text:name="CoverYear"/></text:p>']


def body(layout):
    """The paragraphs and tables of the main text. A month page opens with its picture or
    a spacer that carries the page break; two months a page separate their tables as
    Word keeps column breaks (see generate_calendar.body)."""
    design = layout.design
    parts = cover(layout) if design.cover else []
    for month in range(12):
        opens_document = month == 0 and not parts
        if design.pictures:
            parts.append(picture(layout, f"MonthPicture{month + 1}", layout.picture_height,
                                 month + 1, "Picture" if opens_document else "PictureOnNewPage"))
        elif opens_document:
            parts.append('<text:p text:style-name="Spacer"/>')
        elif layout.columns == 1 or month % 2 == 0:
            parts.append('<text:p text:style-name="PageBreak"/>')
        else:
            parts.append('<text:p text:style-name="Spacer"/>')
            parts.append('<text:p text:style-name="ColumnBreak"><text:s/></text:p>')
        parts.append(month_table(month))
    parts.append('<text:p text:style-name="Spacer"/>')
    return "<office:body><office:text>\n" + "\n".join(parts) + "\n</office:text></office:body>"


NAMESPACES = {
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "style": "urn:oasis:names:tc:opendocument:xmlns:style:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "draw": "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0",
    "fo": "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0",
    "svg": "urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0",
    "dc": "http://purl.org/dc/elements/1.1/",
    "meta": "urn:oasis:names:tc:opendocument:xmlns:meta:1.0",
}


def flat_odf(layout):
    namespaces = " ".join(f'xmlns:{prefix}="{uri}"' for prefix, uri in NAMESPACES.items())
    meta = ("<office:meta><dc:title>Daybloom calendar</dc:title>"
            "<dc:subject>Family dates and keepsakes</dc:subject>"
            f"<dc:description>The {layout.design.name} design on {layout.paper.label}"
            " paper.</dc:description>"
            "<meta:initial-creator>Daybloom</meta:initial-creator><dc:creator>Daybloom</dc:creator>"
            "<dc:language>en-US</dc:language></office:meta>")
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<office:document {namespaces} office:version="1.3"'
            ' office:mimetype="application/vnd.oasis.opendocument.text">'
            + "\n".join([meta, font_faces(layout), styles(layout), automatic_styles(layout),
                         body(layout)])
            + "</office:document>\n")
