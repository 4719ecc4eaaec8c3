<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BackgroundPictures</name>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>%1 kon niet worden bewaard: %2</translation>
    </message>
</context>
<context>
    <name>BuildPreflight</name>
    <message>
        <source>%1: %2 pixels per inch</source>
        <extracomment>A picture in a list of those that would print blurry: %1 is its place (&quot;Cover&quot;, &quot;January&quot;), %2 the pixels per inch it would print at.</extracomment>
        <translation>%1: %2 pixels per inch</translation>
    </message>
    <message>
        <source>These pictures are too small for their place and would print blurry (at least %1 pixels per inch look sharp):</source>
        <translation>Deze afbeeldingen zijn te klein voor hun plek en zouden wazig worden afgedrukt (vanaf %1 pixels per inch zijn ze scherp):</translation>
    </message>
    <message>
        <source>The entries of these months are too long to fit on the month&apos;s page; the month would run onto the next page:</source>
        <translation>De items van deze maanden zijn te lang voor de pagina van de maand; de maand zou doorlopen op de volgende pagina:</translation>
    </message>
    <message>
        <source>Make the calendar anyway?</source>
        <translation>De kalender toch maken?</translation>
    </message>
</context>
<context>
    <name>CalendarChanges</name>
    <message>
        <source>the safety copy %1 could not be written: %2</source>
        <translation>de reservekopie %1 kon niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>CalendarDesigns</name>
    <message>
        <source>Classic</source>
        <translation>Klassiek</translation>
    </message>
    <message>
        <source>Wall calendar</source>
        <translation>Wandkalender</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Rustig</translation>
    </message>
</context>
<context>
    <name>CalendarEntryStore</name>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>het instellingenbestand %1 kan niet worden geschreven</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation>het instellingenbestand %1 is beschadigd</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>het kon niet worden geschreven</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is geen map</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 does not end in a known suffix: use %2.</source>
        <translation>%1 heeft geen bekende extensie: gebruik %2.</translation>
    </message>
</context>
<context>
    <name>CalendarOptions</name>
    <message>
        <source>Our family&apos;s birthdays</source>
        <extracomment>The title printed on a calendar&apos;s cover unless the person writes their own.</extracomment>
        <translation>De verjaardagen van onze familie</translation>
    </message>
</context>
<context>
    <name>CalendarTemplate</name>
    <message>
        <source>The %1 calendar template is missing from the program.</source>
        <translation>Het kalendersjabloon %1 ontbreekt in het programma.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--paper needs a paper size: %1</source>
        <translation>--paper heeft een papierformaat nodig: %1</translation>
    </message>
    <message>
        <source>unknown paper size &apos;%1&apos;: use %2</source>
        <translation>onbekend papierformaat &apos;%1&apos;: gebruik %2</translation>
    </message>
    <message>
        <source>--date-order needs an order: dmy or mdy</source>
        <translation>--date-order heeft een volgorde nodig: dmy of mdy</translation>
    </message>
    <message>
        <source>unknown date order &apos;%1&apos;: use dmy or mdy</source>
        <translation>onbekende datumvolgorde &apos;%1&apos;: gebruik dmy of mdy</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>onbekende optie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--import needs at least one file</source>
        <translation>--import heeft minstens één bestand nodig</translation>
    </message>
    <message>
        <source>--paper goes with --export</source>
        <translation>--paper hoort bij --export</translation>
    </message>
    <message>
        <source>--date-order goes with --import</source>
        <translation>--date-order hoort bij --import</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 heeft een bestandsnaam nodig</translation>
    </message>
    <message>
        <source>Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |
                --import [--date-order ORDER] FILE…]
</source>
        <translation>Gebruik: daybloom [--export BESTAND [--paper FORMAAT] | --export-dates BESTAND |
                  --import [--date-order VOLGORDE] BESTAND…]
</translation>
    </message>
    <message>
        <source>Makes a printable calendar of the family&apos;s dates.

Without options the main window opens.

</source>
        <translation>Maakt een afdrukbare kalender met de datums van de familie.

Zonder opties opent het hoofdvenster.

</translation>
    </message>
    <message>
        <source>  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper
                  rather than the paper chosen in the window (or, until one is
                  chosen, the paper usual in the locale)
</source>
        <translation>  --paper FORMAAT  met --export: de kalender opmaken op letter-, a4- of
                  a5-papier in plaats van het papier dat in het venster is
                  gekozen (of, zolang er geen is gekozen, het gangbare papier)
</translation>
    </message>
    <message>
        <source>  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or
                  calendar (.ics) files to the stored entries, without a window,
                  and print what was added and what was skipped
</source>
        <translation>  --import BESTAND…  de datums uit contacten (.vcf), spreadsheets (.csv) of
                  agenda&apos;s (.ics) zonder venster aan de opgeslagen notities
                  toevoegen en tonen wat is toegevoegd en wat is overgeslagen
</translation>
    </message>
    <message>
        <source>  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day
                  first) or mdy (month first); without it a file that could be
                  read either way is refused
</source>
        <translation>  --date-order VOLGORDE  met --import: datums als 04/05/1990 lezen als dmy (dag
                  eerst) of mdy (maand eerst); zonder deze optie wordt een
                  bestand geweigerd dat op beide manieren te lezen is
</translation>
    </message>
    <message>
        <source>  -h, --help      show this help and exit
  -v, --version   show the version and exit

</source>
        <translation>  -h, --help      deze hulp tonen en afsluiten
  -v, --version   de versie tonen en afsluiten

</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a
file cannot be read (the cause is printed); 2 for a command line that is not
understood.
</source>
        <translation>Afsluitstatus: 0 bij succes; 1 als de kalender of de datums niet kunnen worden
geschreven of een bestand niet kan worden gelezen (de oorzaak wordt getoond); 2
voor een opdrachtregel die niet wordt begrepen.
</translation>
    </message>
    <message>
        <source>  --export FILE   build the calendar from the stored entries, without a window,
                  and write FILE in the format of its suffix:
%1                  The stored entries are read, never changed.
</source>
        <translation>  --export BESTAND  de kalender maken van de opgeslagen notities, zonder venster,
                  en BESTAND schrijven in de indeling van de extensie:
%1                  De opgeslagen notities worden gelezen, nooit gewijzigd.
</translation>
    </message>
    <message>
        <source>--design needs a design: %1</source>
        <translation>--design heeft een ontwerp nodig: %1</translation>
    </message>
    <message>
        <source>--year needs a year from %1 to %2, or every</source>
        <translation>--year heeft een jaar van %1 tot %2 nodig, of every</translation>
    </message>
    <message>
        <source>--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE</source>
        <translation>--picture heeft een plaats en een bestand nodig: cover=BESTAND, 1=BESTAND … 12=BESTAND</translation>
    </message>
    <message>
        <source>unknown design &apos;%1&apos;: use %2</source>
        <translation>onbekend ontwerp &apos;%1&apos;: gebruik %2</translation>
    </message>
    <message>
        <source>--design goes with --export</source>
        <translation>--design hoort bij --export</translation>
    </message>
    <message>
        <source>--year goes with --export</source>
        <translation>--year hoort bij --export</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture hoort bij --export</translation>
    </message>
    <message>
        <source>       daybloom --export FILE [--design NAME] [--year YEAR] [--picture PLACE=FILE]…
</source>
        <translation>         daybloom --export BESTAND [--design NAAM] [--year JAAR] [--picture PLAATS=BESTAND]…
</translation>
    </message>
    <message>
        <source>  --design NAME   with --export: the calendar&apos;s design rather than the one chosen in
                  the window: %1
</source>
        <translation>  --design NAAM   met --export: het ontwerp van de kalender in plaats van het in
                  het venster gekozen: %1
</translation>
    </message>
    <message>
        <source>  --year YEAR     with --export: the calendar for that year, with weekdays, ages and
                  milestones, or every for the calendar of every year, rather than
                  the edition chosen in the window
</source>
        <translation>  --year JAAR     met --export: de kalender voor dat jaar, met weekdagen, leeftijden
                  en mijlpalen, of every voor de eeuwigdurende kalender, in plaats
                  van de in het venster gekozen uitgave
</translation>
    </message>
    <message>
        <source>  --picture PLACE=FILE
                  with --export: the picture of a place (cover, or 1 to 12 for the
                  months) for this calendar only; given again for each place
</source>
        <translation>  --picture PLAATS=BESTAND
                  met --export: de foto van een plaats (cover, of 1 tot 12 voor de
                  maanden) alleen voor deze kalender; per plaats opnieuw opgeven
</translation>
    </message>
    <message>
        <source>  --export-dates FILE
                  write every day that holds an entry to FILE, for calendar
                  programs (.ics: a yearly all-day event per day, and one for each
                  part that gives its year, starting in that year) or spreadsheets
                  (.csv: the columns Month, Day, Entry and Year)
</source>
        <translation>  --export-dates BESTAND
                  elke dag met een notitie naar BESTAND schrijven, voor agenda-
                  programma&apos;s (.ics: een jaarlijkse afspraak van een hele dag per dag,
                  en een voor elk deel met een jaar, vanaf dat jaar) of rekenbladen
                  (.csv: de kolommen Month, Day, Entry en Year)
</translation>
    </message>
</context>
<context>
    <name>CsvDatesReader</name>
    <message>
        <source>the file holds no rows of names and dates</source>
        <translation>het bestand bevat geen rijen met namen en datums</translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation>is geen datum</translation>
    </message>
    <message>
        <source>has no four-digit year</source>
        <translation>heeft geen jaartal van vier cijfers</translation>
    </message>
    <message>
        <source>is not a real calendar day</source>
        <translation>is geen echte kalenderdag</translation>
    </message>
    <message>
        <source>row %1: not a month, a day and an entry</source>
        <translation>rij %1: geen maand, dag en notitie</translation>
    </message>
    <message>
        <source>the file ends inside quotes, so the row is cut short</source>
        <translation>het bestand eindigt binnen aanhalingstekens, dus de rij is afgekapt</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>geen naam</translation>
    </message>
    <message>
        <source>a date of no type</source>
        <translation>een datum zonder soort</translation>
    </message>
    <message>
        <source>: no date</source>
        <translation>: geen datum</translation>
    </message>
    <message>
        <source>the dates could be read as month/day or as day/month, such as %1</source>
        <translation>de datums zijn te lezen als maand/dag of als dag/maand, zoals %1</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a year</source>
        <translation>rij %1: ‘%2’ is geen jaartal</translation>
    </message>
</context>
<context>
    <name>DamagedSettingsRescue</name>
    <message>
        <source>The settings file %1 could not be read cleanly.</source>
        <translation>Het instellingenbestand %1 kon niet goed worden gelezen.</translation>
    </message>
    <message>
        <source> It could not be copied aside (%1), so it was left as it is.</source>
        <translation> Het kon niet apart worden gezet (%1) en is daarom gelaten zoals het was.</translation>
    </message>
    <message>
        <source> A copy of it as it was is kept as %1.</source>
        <translation> Een kopie zoals het was, is bewaard als %1.</translation>
    </message>
    <message>
        <source> A clean settings file could not be written (%1).</source>
        <translation> Een schoon instellingenbestand kon niet worden geschreven (%1).</translation>
    </message>
    <message>
        <source>Entries recovered: %1. </source>
        <translation>Herstelde notities: %1. </translation>
    </message>
    <message>
        <source>They are shown and stored in a new, clean settings file.</source>
        <translation>Ze worden getoond en opgeslagen in een nieuw, schoon instellingenbestand.</translation>
    </message>
    <message>
        <source>They are shown but not saved yet.</source>
        <translation>Ze worden getoond, maar zijn nog niet opgeslagen.</translation>
    </message>
    <message>
        <source> Some days are written in it more than once (%1): the last text written for each is used.</source>
        <translation> Sommige dagen staan er meer dan eens in (%1): voor elke dag wordt de laatst geschreven tekst gebruikt.</translation>
    </message>
</context>
<context>
    <name>DateExporter</name>
    <message>
        <source>1 day</source>
        <translation>1 dag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dagen</translation>
    </message>
    <message>
        <source>The entries of %1 are written to %2.</source>
        <translation>De notities van %1 zijn geschreven naar %2.</translation>
    </message>
</context>
<context>
    <name>DateFileReader</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kan niet worden geïmporteerd: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>het is een pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>het is geen bestand</translation>
    </message>
    <message>
        <source>at over %1 MB it is too large to be a contacts or calendar file</source>
        <translation>met meer dan %1 MB is het te groot voor een contacten- of agendabestand</translation>
    </message>
    <message>
        <source>contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)</source>
        <translation>contactkaarten (.vcf), spreadsheetrijen (.csv, .tsv, .txt) of agenda-afspraken (.ics)</translation>
    </message>
    <message>
        <source>it is none of %1</source>
        <translation>het bevat geen %1</translation>
    </message>
</context>
<context>
    <name>DateImport</name>
    <message>
        <source>%1: %2; no order was chosen</source>
        <translation>%1: %2; er is geen volgorde gekozen</translation>
    </message>
    <message>
        <source>no dates found in %1</source>
        <translation>geen datums gevonden in %1</translation>
    </message>
</context>
<context>
    <name>DateImporter</name>
    <message>
        <source>In %1 %2.

Is 04/05/1990 April 5 or May 4?</source>
        <translation>In %1 %2.

Is 04/05/1990 5 april of 4 mei?</translation>
    </message>
    <message>
        <source>April 5 (Month First)</source>
        <translation>5 april (maand eerst)</translation>
    </message>
    <message>
        <source>May 4 (Day First)</source>
        <translation>4 mei (dag eerst)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>Datums importeren</translation>
    </message>
    <message>
        <source>

Add them to the calendar?</source>
        <translation>

Toevoegen aan de kalender?</translation>
    </message>
    <message>
        <source>Dates imported</source>
        <translation>Datums geïmporteerd</translation>
    </message>
    <message>
        <source>Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</source>
        <translation>Contacten en agenda’s (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Reading %1 (file %2 of %3)…</source>
        <translation>%1 wordt gelezen (bestand %2 van %3)…</translation>
    </message>
    <message>
        <source>Working out what the dates change…</source>
        <translation>Nagaan wat de datums veranderen…</translation>
    </message>
    <message>
        <source>Reading the files…</source>
        <translation>De bestanden worden gelezen…</translation>
    </message>
</context>
<context>
    <name>DatesExport</name>
    <message>
        <source>%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.</source>
        <translation>%1 heeft geen bekende extensie: gebruik .ics voor agendaprogramma’s of .csv voor spreadsheets.</translation>
    </message>
    <message>
        <source>The calendar holds no entries, so there are no dates to export.</source>
        <translation>De kalender bevat geen notities, dus er zijn geen datums om te exporteren.</translation>
    </message>
</context>
<context>
    <name>DayBox</name>
    <message>
        <source>Control characters (invisible codes) were left out.</source>
        <translation>Besturingstekens (onzichtbare codes) zijn weggelaten.</translation>
    </message>
    <message>
        <source>A day&apos;s box holds at most %1 characters: the rest was left out.</source>
        <translation>Het vak van een dag bevat hoogstens %1 tekens: de rest is weggelaten.</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Calendar Design</source>
        <translation>Kalenderontwerp</translation>
    </message>
    <message>
        <source>Choose how the printed calendar looks. Each picture shows a design&apos;s first pages on your paper (%1).</source>
        <translation>Kies hoe de afgedrukte kalender eruitziet. Elke afbeelding toont de eerste pagina&apos;s van een ontwerp op uw papier (%1).</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Bezig met tekenen…</translation>
    </message>
    <message>
        <source>Use this design</source>
        <translation>Dit ontwerp gebruiken</translation>
    </message>
    <message>
        <source>Drawing the designs&apos; pictures…</source>
        <translation>De afbeeldingen van de ontwerpen worden getekend…</translation>
    </message>
    <message>
        <source>Some pictures could not be drawn; the designs can still be chosen.
%1</source>
        <translation>Sommige afbeeldingen konden niet worden getekend; de ontwerpen kunnen toch worden gekozen.
%1</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>The office laid out no page.</source>
        <translation>Het kantoorpakket heeft geen pagina opgemaakt.</translation>
    </message>
</context>
<context>
    <name>DocumentCopy</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kan niet worden gelezen: %2</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>the office wrote nothing</source>
        <translation>het kantoorpakket heeft niets geschreven</translation>
    </message>
</context>
<context>
    <name>DocumentFormats</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word-bestanden (*.doc)</translation>
    </message>
    <message>
        <source>Word 97-2003</source>
        <translation>Word 97-2003</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Word 2007-365 Files (*.docx)</source>
        <translation>Word 2007-365-bestanden (*.docx)</translation>
    </message>
    <message>
        <source>Word 2007-365</source>
        <translation>Word 2007-365</translation>
    </message>
    <message>
        <source>OpenDocument Text Files (*.odt)</source>
        <translation>OpenDocument-tekstbestanden (*.odt)</translation>
    </message>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument-tekst</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>the pages of %1 could not be read</source>
        <translation>de pagina’s van %1 konden niet worden gelezen</translation>
    </message>
    <message>
        <source>the printer %1 refused the job</source>
        <translation>de printer %1 heeft de opdracht geweigerd</translation>
    </message>
    <message>
        <source>the printer %1 did not take the job</source>
        <translation>de printer %1 heeft de opdracht niet aangenomen</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>The entry for %1 could not be saved: %2.</source>
        <translation>De notitie voor %1 kon niet worden opgeslagen: %2.</translation>
    </message>
    <message>
        <source>The text stays in its box. Every further change tries again, and the unsaved entries are saved as soon as the settings file can be written.</source>
        <translation>De tekst blijft in zijn vak. Bij elke volgende wijziging wordt het opnieuw geprobeerd, en de niet-opgeslagen notities worden opgeslagen zodra het instellingenbestand weer kan worden geschreven.</translation>
    </message>
</context>
<context>
    <name>EntryYears</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>What a calendar for one year makes of a year in an entry: %1 is the count of years, %2 the calendar&apos;s year (&quot;71 in 2027&quot;).</extracomment>
        <translation>%1 in %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>op regel %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Stuur een schermafbeelding van dit bericht per e-mail naar %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>ExportLook</name>
    <message>
        <source>the %1 design has no place for a picture of %2</source>
        <translation>het ontwerp %1 heeft geen plaats voor een foto van %2</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>er staat een map met die naam in de weg</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>het is een apparaat, geen bestand</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>het is een pipe, geen bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>het is een socket, geen bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>de koppelingen ervan gaan in een kringetje rond</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>de map %1 bestaat niet</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>het is alleen-lezen</translation>
    </message>
    <message>
        <source> (it links to %1)</source>
        <translation> (het verwijst naar %1)</translation>
    </message>
    <message>
        <source>%1 is a link another user made in the shared folder %2, and such a link is not followed</source>
        <translation>%1 is een koppeling die een andere gebruiker in de gedeelde map %2 heeft gemaakt, en zo’n koppeling wordt niet gevolgd</translation>
    </message>
    <message>
        <source>it is one of this program&apos;s own files</source>
        <translation>het is een van de eigen bestanden van dit programma</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>het is van een andere gebruiker</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>de map %1 is alleen-lezen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kan niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2.

Are you sure you wish to overwrite %2 ?</source>
        <translation>%1 is een koppeling naar %2.

Weet je zeker dat je %2 wilt overschrijven?</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Weet je zeker dat je %1 wilt overschrijven?</translation>
    </message>
    <message>
        <source>it is a link another user made in the shared folder %1, and such a link is not followed</source>
        <translation>het is een koppeling die een andere gebruiker in de gedeelde map %1 heeft gemaakt, en zo’n koppeling wordt niet gevolgd</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Cannot open %1 for writing: %2</source>
        <translation>%1 kan niet worden geopend om te schrijven: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Kalender maken</translation>
    </message>
    <message>
        <source>Makes the calendar document from the entries and shows its pages</source>
        <translation>Maakt van de notities het kalenderdocument en toont de pagina’s</translation>
    </message>
    <message>
        <source>Clear/Reset Calendar</source>
        <translation>Kalender leegmaken</translation>
    </message>
    <message>
        <source>Empties the entries of all 366 days</source>
        <translation>Maakt de notities van alle 366 dagen leeg</translation>
    </message>
    <message>
        <source>Load Sample/Example Amounts</source>
        <translation>Voorbeelden laden</translation>
    </message>
    <message>
        <source>Writes eight example entries</source>
        <translation>Vult acht voorbeeldnotities in</translation>
    </message>
    <message>
        <source>Calendar cleared</source>
        <translation>Kalender leeggemaakt</translation>
    </message>
    <message>
        <source>Sample entries loaded</source>
        <translation>Voorbeelden geladen</translation>
    </message>
    <message>
        <source>%1: Ctrl+Z takes it back.</source>
        <translation>%1: Ctrl+Z maakt het ongedaan.</translation>
    </message>
    <message>
        <source>%1: taken back (Ctrl+Shift+Z does it again).</source>
        <translation>%1: ongedaan gemaakt (Ctrl+Shift+Z doet het opnieuw).</translation>
    </message>
    <message>
        <source>%1: done again.</source>
        <translation>%1: opnieuw gedaan.</translation>
    </message>
    <message>
        <source>Save Entries</source>
        <translation>Notities opslaan</translation>
    </message>
    <message>
        <source>Settings Files (*.ini)</source>
        <translation>Instellingenbestanden (*.ini)</translation>
    </message>
    <message>
        <source>Export Dates</source>
        <translation>Datums exporteren</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>Agendabestanden (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)</source>
        <translation>Spreadsheetbestanden (*.csv)</translation>
    </message>
    <message>
        <source>Family dates.ics</source>
        <translation>Familiedatums.ics</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Inzoomen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uitzoomen</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Terug</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Opslaan als Word-bestand</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina’s</translation>
    </message>
    <message>
        <source>Shows the page larger (Ctrl++)</source>
        <translation>Toont de pagina groter (Ctrl++)</translation>
    </message>
    <message>
        <source>Shows the page smaller (Ctrl+-)</source>
        <translation>Toont de pagina kleiner (Ctrl+-)</translation>
    </message>
    <message>
        <source>Saves the calendar as a document or PDF (Ctrl+S)</source>
        <translation>Slaat de kalender op als document of pdf (Ctrl+S)</translation>
    </message>
    <message>
        <source>Goes back to the entries (Esc)</source>
        <translation>Terug naar de notities (Esc)</translation>
    </message>
    <message>
        <source>There is no calendar to print.</source>
        <translation>Er is geen kalender om af te drukken.</translation>
    </message>
    <message>
        <source>no office is available to lay the pages out</source>
        <translation>er is geen kantoorpakket beschikbaar om de pagina’s op te maken</translation>
    </message>
    <message>
        <source>Daybloom calendar</source>
        <translation>Daybloom-kalender</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1.</source>
        <translation>De kalender kon niet worden afgedrukt: %1.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Pagina(’s)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Bestand opslaan</translation>
    </message>
    <message>
        <source>No office is available to write the document.</source>
        <translation>Er is geen kantoorpakket beschikbaar om het document te schrijven.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Klaar.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>Op&amp;slaan als…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>The environment variable HOME is not set, and your user account names no home folder: the settings file is %1.</source>
        <translation>De omgevingsvariabele HOME is niet ingesteld en uw gebruikersaccount noemt geen persoonlijke map: het instellingenbestand is %1.</translation>
    </message>
    <message>
        <source>The environment variable HOME is not set: the home folder of your user account, %1, is used.</source>
        <translation>De omgevingsvariabele HOME is niet ingesteld: de persoonlijke map van uw gebruikersaccount, %1, wordt gebruikt.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>the file holds no calendar events</source>
        <translation>het bestand bevat geen agenda-afspraken</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 Birthday</source>
        <extracomment>An imported birthday as it goes into the calendar: %1 is the name.</extracomment>
        <translation>%1 jarig</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <extracomment>An imported anniversary as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Trouwdag %1</translation>
    </message>
    <message>
        <source>%1: no such day</source>
        <translation>%1: die dag bestaat niet</translation>
    </message>
    <message>
        <source>
… and %1 more.</source>
        <translation>
… en nog %1.</translation>
    </message>
    <message>
        <source>%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).</source>
        <translation>%1 nieuwe notities op %2 dagen, waarvan er %3 al tekst bevatten (de nieuwe tekst komt erachter).</translation>
    </message>
    <message>
        <source>No dates found.</source>
        <translation>Geen datums gevonden.</translation>
    </message>
    <message>
        <source>Nothing new to add: every date is in the calendar already.</source>
        <translation>Niets nieuws om toe te voegen: alle datums staan al in de kalender.</translation>
    </message>
    <message>
        <source>Nothing can be added.</source>
        <translation>Er kan niets worden toegevoegd.</translation>
    </message>
    <message>
        <source>Left out, as the day&apos;s text would be over %1 characters</source>
        <translation>Weggelaten, omdat de tekst van de dag langer zou worden dan %1 tekens</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Overgeslagen</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Niet gelezen</translation>
    </message>
    <message>
        <source> Control characters (invisible codes) were left out of %1 of them.</source>
        <translation> Bij %1 daarvan zijn besturingstekens (onzichtbare codes) weggelaten.</translation>
    </message>
    <message>
        <source>Entries already in the calendar that get their year: %1.</source>
        <translation>Notities die al in de kalender staan en hun jaar krijgen: %1.</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Fout 842001. Er kon geen gewone instantie van Word worden gemaakt.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Controleer of Word op deze computer is geïnstalleerd.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Open Word zoals gewoonlijk en controleer of er meteen een leeg document verschijnt, zonder tussenkomend venster (zoals een venster voor het herstellen van Word-bestanden).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Controleer of Word gewoon opent als je dubbelklikt op een DOC- of DOCX-bestand, zonder tussenkomende meldingen.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Dit programma ondersteunt alle versies van Word, behalve de zeldzame edities Word Starter en Student.</translation>
    </message>
    <message>
        <source>Cause: %1</source>
        <translation>Oorzaak: %1</translation>
    </message>
</context>
<context>
    <name>KeepsakeCommands</name>
    <message>
        <source>The design could not be stored: %1</source>
        <translation>Het ontwerp kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>Build anyway</source>
        <translation>Toch maken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>&amp;Import dates…</source>
        <translation>Datums &amp;importeren…</translation>
    </message>
    <message>
        <source>&amp;Export dates…</source>
        <translation>Datums &amp;exporteren…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;doen</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>Opnieuw &amp;doen: %1</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Kalender</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>&amp;Paper size</source>
        <translation>&amp;Papierformaat</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformaat</translation>
    </message>
    <message>
        <source>The paper size could not be stored: %1</source>
        <translation>Het papierformaat kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Systeem</translation>
    </message>
    <message>
        <source>The language changes when the program starts again.</source>
        <translation>De taal verandert wanneer het programma opnieuw start.</translation>
    </message>
    <message>
        <source>The language could not be stored: %1</source>
        <translation>De taal kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>The user guide could not be opened here. In a terminal, type: man daybloom</source>
        <translation>De handleiding kan hier niet worden geopend. Typ in een terminal: man daybloom</translation>
    </message>
    <message>
        <source>%1
Version %2

Free software under the MIT licence.</source>
        <translation>%1
Versie %2

Vrije software onder de MIT-licentie.</translation>
    </message>
    <message>
        <source>&amp;Design…</source>
        <translation>&amp;Ontwerp…</translation>
    </message>
    <message>
        <source>P&amp;ictures…</source>
        <translation>A&amp;fbeeldingen…</translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>silver wedding</source>
        <translation>zilveren bruiloft</translation>
    </message>
    <message>
        <source>pearl wedding</source>
        <translation>parelen bruiloft</translation>
    </message>
    <message>
        <source>ruby wedding</source>
        <translation>robijnen bruiloft</translation>
    </message>
    <message>
        <source>golden wedding</source>
        <translation>gouden bruiloft</translation>
    </message>
    <message>
        <source>diamond wedding</source>
        <translation>diamanten bruiloft</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>The ordinal of one (&quot;1st&quot;), as in &quot;1st anniversary&quot;.</extracomment>
        <translation>1e</translation>
    </message>
    <message>
        <source>%1st</source>
        <extracomment>Ordinals: %1 is a count that ends in 1 but not 11 (&quot;21st&quot;, &quot;101st&quot;).</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>Ordinals: %1 is a count that ends in 2 but not 12 (&quot;22nd&quot;).</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>Ordinals: %1 is a count that ends in 3 but not 13 (&quot;23rd&quot;).</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Ordinals: %1 is any other count (&quot;70th&quot;, &quot;11th&quot;).</extracomment>
        <translation>%1e</translation>
    </message>
    <message>
        <source>%1 birthday</source>
        <extracomment>A round birthday: %1 is its ordinal (&quot;70th birthday&quot;).</extracomment>
        <translation>%1 verjaardag</translation>
    </message>
    <message>
        <source>%1 anniversary</source>
        <extracomment>A wedding anniversary worth celebrating: %1 is its ordinal (&quot;10th anniversary&quot;).</extracomment>
        <translation>%1 trouwdag</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A day in a message: %1 is the month&apos;s name, %2 the day of the month (&quot;April 13&quot;).</extracomment>
        <translation>%2 %1</translation>
    </message>
</context>
<context>
    <name>PageViewport</name>
    <message>
        <source>Page %1 of %2, zoom %3 %</source>
        <translation>Pagina %1 van %2, zoom %3%</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>De map %1 kan niet worden aangemaakt.</translation>
    </message>
    <message>
        <source>The picture cannot be kept in %1: %2</source>
        <translation>De afbeelding kan niet in %1 worden bewaard: %2</translation>
    </message>
</context>
<context>
    <name>PicturePlaceView</name>
    <message>
        <source>Choose…</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Een afbeelding kiezen voor %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Remove the picture of %1</source>
        <translation>De afbeelding van %1 verwijderen</translation>
    </message>
    <message>
        <source>No picture yet.
Drop one here.</source>
        <translation>Nog geen afbeelding.
Sleep er hier een heen.</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>Cover</source>
        <extracomment>The calendar&apos;s cover page, as a place for a picture.</extracomment>
        <translation>Omslag</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Cannot use %1 as a picture: %2</source>
        <translation>%1 kan niet als afbeelding worden gebruikt: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a damaged HEIC picture (%1)</source>
        <translation>het is een beschadigde HEIC-afbeelding (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 pixels</source>
        <translation>het is te groot: %1 pixels</translation>
    </message>
    <message>
        <source>it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)</source>
        <translation>het is geen afbeelding die het programma kan lezen (JPEG, PNG, WebP, TIFF, BMP of HEIC)</translation>
    </message>
    <message>
        <source>the picture is damaged: it ends before its last part</source>
        <translation>de afbeelding is beschadigd: ze houdt op voor haar laatste deel</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>de afbeelding is beschadigd: %1</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Calendar Pictures</source>
        <translation>Kalenderafbeeldingen</translation>
    </message>
    <message>
        <source>The design %1 prints a picture on its cover and with every month. Choose a picture or drop one on its place. The program keeps its own copy: moving or deleting your file loses nothing.</source>
        <translation>Het ontwerp %1 drukt een afbeelding af op de omslag en bij elke maand. Kies een afbeelding of sleep er een naar haar plek. Het programma bewaart een eigen kopie: uw bestand verplaatsen of verwijderen kost niets.</translation>
    </message>
    <message>
        <source>The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). The pictures you choose here are kept for them.</source>
        <translation>Het gekozen ontwerp, %1, toont geen afbeeldingen; deze ontwerpen tonen ze wel: %2 (Kalender ▸ Ontwerp…). De afbeeldingen die u hier kiest, worden voor hen bewaard.</translation>
    </message>
    <message>
        <source>&amp;Title on the cover:</source>
        <translation>&amp;Titel op de omslag:</translation>
    </message>
    <message>
        <source>Choose a Picture for %1</source>
        <translation>Een afbeelding kiezen voor %1</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>The picture of %1 could not be removed: %2</source>
        <translation>De afbeelding van %1 kon niet worden verwijderd: %2</translation>
    </message>
    <message>
        <source>Preparing the pictures…</source>
        <translation>De afbeeldingen worden voorbereid…</translation>
    </message>
    <message>
        <source>Preparing %1 for %2 (%3 of %4)…</source>
        <translation>%1 wordt voorbereid voor %2 (%3 van %4)…</translation>
    </message>
    <message>
        <source>Not every picture could be used; the others are kept.

%1</source>
        <translation>Niet elke afbeelding kon worden gebruikt; de andere zijn bewaard.

%1</translation>
    </message>
    <message>
        <source>The cover&apos;s title could not be stored: %1</source>
        <translation>De titel van de omslag kon niet worden opgeslagen: %1</translation>
    </message>
    <message>
        <source>There are no places left after %1 for %2 of the pictures; they were left out.</source>
        <translation>Na %1 is er geen plek meer voor %2 van de afbeeldingen; ze zijn weggelaten.</translation>
    </message>
</context>
<context>
    <name>SampleEntries</name>
    <message>
        <source>Ruth Birthday</source>
        <translation>Ruth jarig</translation>
    </message>
    <message>
        <source>Brian Birthday</source>
        <translation>Brian jarig</translation>
    </message>
    <message>
        <source>John Birthday</source>
        <translation>John jarig</translation>
    </message>
    <message>
        <source>Grampa Birthday</source>
        <translation>Opa jarig</translation>
    </message>
    <message>
        <source>Elvis Anniversary</source>
        <translation>Trouwdag Elvis</translation>
    </message>
    <message>
        <source>Mary Birthday</source>
        <translation>Mary jarig</translation>
    </message>
    <message>
        <source>Nancy Birthday</source>
        <translation>Nancy jarig</translation>
    </message>
    <message>
        <source>Mom Birthday</source>
        <translation>Mama jarig</translation>
    </message>
</context>
<context>
    <name>SpaceCheckedSave</name>
    <message>
        <source>The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).</source>
        <translation>De kalender kan niet in %1 worden opgeslagen: er is niet genoeg ruimte meer vrij op de schijf (%2 vrij op %3).</translation>
    </message>
</context>
<context>
    <name>StartupEntries</name>
    <message>
        <source>Changes to the calendar cannot be saved: %1.</source>
        <translation>Wijzigingen in de kalender kunnen niet worden opgeslagen: %1.</translation>
    </message>
    <message>
        <source>The stored entries are shown. Every change stays in its box and is saved as soon as the settings file can be written.</source>
        <translation>De opgeslagen notities worden getoond. Elke wijziging blijft in haar vak en wordt opgeslagen zodra het instellingenbestand weer kan worden geschreven.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2.</source>
        <translation>De tijdelijke map %1 kan niet worden gebruikt: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>hij is van een andere gebruiker</translation>
    </message>
    <message>
        <source>it cannot be made private</source>
        <translation>hij kan niet privé worden gemaakt</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>er kan niet in worden geschreven</translation>
    </message>
    <message>
        <source>there is no space left on its disk</source>
        <translation>er is geen ruimte meer op de schijf</translation>
    </message>
    <message>
        <source>A private folder of your own is used instead: %1.</source>
        <translation>In plaats daarvan wordt een eigen privémap gebruikt: %1.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>The program cannot go on and ends.</source>
        <translation>Het programma kan niet verder en wordt afgesloten.</translation>
    </message>
    <message>
        <source>an error of an unknown kind</source>
        <translation>een fout van onbekende aard</translation>
    </message>
</context>
<context>
    <name>UnsavedEntriesCheck</name>
    <message>
        <source>Retry</source>
        <translation>Opnieuw proberen</translation>
    </message>
    <message>
        <source>Save to Another File...</source>
        <translation>In ander bestand opslaan...</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Toch sluiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Unsaved entries: %1. They could not be saved because %2.</source>
        <translation>Niet-opgeslagen notities: %1. Ze konden niet worden opgeslagen, omdat %2.</translation>
    </message>
    <message>
        <source>&quot;Retry&quot; tries the settings file again. &quot;Save to Another File...&quot; saves all entries to a file you choose, which can later replace the settings file. &quot;Close Anyway&quot; loses the unsaved entries.</source>
        <translation>„Opnieuw proberen” probeert het instellingenbestand nog eens. „In ander bestand opslaan...” slaat alle notities op in een bestand naar keuze, dat later het instellingenbestand kan vervangen. „Toch sluiten” gooit de niet-opgeslagen notities weg.</translation>
    </message>
    <message>
        <source>The entries could not be saved to %1: %2.</source>
        <translation>De notities konden niet worden opgeslagen in %1: %2.</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Application Error</source>
        <translation>Programmafout</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>: no birthday or anniversary</source>
        <translation>: geen verjaardag of trouwdag</translation>
    </message>
    <message>
        <source>: no name</source>
        <translation>: geen naam</translation>
    </message>
    <message>
        <source>the file holds no contact cards</source>
        <translation>het bestand bevat geen contactkaarten</translation>
    </message>
</context>
<context>
    <name>WindowSetup</name>
    <message>
        <source>Menu bar</source>
        <translation>Menubalk</translation>
    </message>
</context>
<context>
    <name>YearEdition</name>
    <message>
        <source>Feb 29: %1</source>
        <extracomment>February 29&apos;s entry, printed on February 28 in a common year: %1 is the entry.</extracomment>
        <translation>29 feb: %1</translation>
    </message>
</context>
<context>
    <name>YearMenu</name>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jaar</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jaar</translation>
    </message>
    <message>
        <source>&amp;Every year</source>
        <translation>&amp;Elk jaar</translation>
    </message>
    <message>
        <source>The year could not be stored: %1</source>
        <translation>Het jaar kon niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;daybloom --help&apos; for more information.</source>
        <translation>Probeer &apos;daybloom --help&apos; voor meer informatie.</translation>
    </message>
</context>
</TS>
