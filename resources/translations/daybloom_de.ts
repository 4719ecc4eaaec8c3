<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BackgroundPictures</name>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>%1 konnte nicht aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>BuildPreflight</name>
    <message>
        <source>%1: %2 pixels per inch</source>
        <extracomment>A picture in a list of those that would print blurry: %1 is its place (&quot;Cover&quot;, &quot;January&quot;), %2 the pixels per inch it would print at.</extracomment>
        <translation>%1: %2 Pixel pro Zoll</translation>
    </message>
    <message>
        <source>These pictures are too small for their place and would print blurry (at least %1 pixels per inch look sharp):</source>
        <translation>Diese Bilder sind für ihren Platz zu klein und würden unscharf gedruckt (ab %1 Pixel pro Zoll wirken sie scharf):</translation>
    </message>
    <message>
        <source>The entries of these months are too long to fit on the month&apos;s page; the month would run onto the next page:</source>
        <translation>Die Einträge dieser Monate sind zu lang für die Seite des Monats; der Monat würde auf die nächste Seite übergehen:</translation>
    </message>
    <message>
        <source>Make the calendar anyway?</source>
        <translation>Den Kalender trotzdem erstellen?</translation>
    </message>
</context>
<context>
    <name>CalendarChanges</name>
    <message>
        <source>the safety copy %1 could not be written: %2</source>
        <translation>die Sicherheitskopie %1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CalendarDesigns</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
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
        <translation>Schlicht</translation>
    </message>
</context>
<context>
    <name>CalendarEntryStore</name>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>die Einstellungsdatei %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation>die Einstellungsdatei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>sie konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 does not end in a known suffix: use %2.</source>
        <translation>%1 hat keine bekannte Endung: verwenden Sie %2.</translation>
    </message>
</context>
<context>
    <name>CalendarOptions</name>
    <message>
        <source>Our family&apos;s birthdays</source>
        <extracomment>The title printed on a calendar&apos;s cover unless the person writes their own.</extracomment>
        <translation>Die Geburtstage unserer Familie</translation>
    </message>
</context>
<context>
    <name>CalendarTemplate</name>
    <message>
        <source>The %1 calendar template is missing from the program.</source>
        <translation>Die Kalendervorlage für %1 fehlt im Programm.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--paper needs a paper size: %1</source>
        <translation>--paper braucht ein Papierformat: %1</translation>
    </message>
    <message>
        <source>unknown paper size &apos;%1&apos;: use %2</source>
        <translation>unbekanntes Papierformat „%1“: verwenden Sie %2</translation>
    </message>
    <message>
        <source>--date-order needs an order: dmy or mdy</source>
        <translation>--date-order braucht eine Reihenfolge: dmy oder mdy</translation>
    </message>
    <message>
        <source>unknown date order &apos;%1&apos;: use dmy or mdy</source>
        <translation>unbekannte Datumsreihenfolge „%1“: verwenden Sie dmy oder mdy</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>--import needs at least one file</source>
        <translation>--import braucht mindestens eine Datei</translation>
    </message>
    <message>
        <source>--paper goes with --export</source>
        <translation>--paper gehört zu --export</translation>
    </message>
    <message>
        <source>--date-order goes with --import</source>
        <translation>--date-order gehört zu --import</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |
                --import [--date-order ORDER] FILE…]
</source>
        <translation>Aufruf: daybloom [--export DATEI [--paper FORMAT] | --export-dates DATEI |
                 --import [--date-order FOLGE] DATEI…]
</translation>
    </message>
    <message>
        <source>Makes a printable calendar of the family&apos;s dates.

Without options the main window opens.

</source>
        <translation>Erstellt einen druckbaren Kalender mit den Terminen der Familie.

Ohne Optionen öffnet sich das Hauptfenster.

</translation>
    </message>
    <message>
        <source>  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper
                  rather than the paper chosen in the window (or, until one is
                  chosen, the paper usual in the locale)
</source>
        <translation>  --paper FORMAT  mit --export: den Kalender auf letter-, a4- oder a5-Papier
                  setzen statt auf dem im Fenster gewählten (oder, solange keins
                  gewählt ist, auf dem im Land üblichen)
</translation>
    </message>
    <message>
        <source>  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or
                  calendar (.ics) files to the stored entries, without a window,
                  and print what was added and what was skipped
</source>
        <translation>  --import DATEI… die Termine aus Kontakten (.vcf), Tabellen (.csv) oder
                  Kalendern (.ics) ohne Fenster zu den gespeicherten Einträgen
                  hinzufügen und ausgeben, was hinzukam und was übersprungen wurde
</translation>
    </message>
    <message>
        <source>  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day
                  first) or mdy (month first); without it a file that could be
                  read either way is refused
</source>
        <translation>  --date-order FOLGE  mit --import: Daten wie 04/05/1990 als dmy (Tag zuerst)
                  oder mdy (Monat zuerst) lesen; ohne diese Option wird eine
                  Datei abgelehnt, die sich auf beide Arten lesen ließe
</translation>
    </message>
    <message>
        <source>  -h, --help      show this help and exit
  -v, --version   show the version and exit

</source>
        <translation>  -h, --help      diese Hilfe zeigen und beenden
  -v, --version   die Version zeigen und beenden

</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a
file cannot be read (the cause is printed); 2 for a command line that is not
understood.
</source>
        <translation>Rückgabewert: 0 bei Erfolg; 1, wenn der Kalender oder die Termine nicht
geschrieben oder eine Datei nicht gelesen werden kann (die Ursache wird
ausgegeben); 2 für eine nicht verstandene Befehlszeile.
</translation>
    </message>
    <message>
        <source>  --export FILE   build the calendar from the stored entries, without a window,
                  and write FILE in the format of its suffix:
%1                  The stored entries are read, never changed.
</source>
        <translation>  --export DATEI  den Kalender aus den gespeicherten Einträgen ohne Fenster
                  erstellen und DATEI im Format ihrer Endung schreiben:
%1                  Die gespeicherten Einträge werden nur gelesen.
</translation>
    </message>
    <message>
        <source>--design needs a design: %1</source>
        <translation>--design braucht eine Gestaltung: %1</translation>
    </message>
    <message>
        <source>--year needs a year from %1 to %2, or every</source>
        <translation>--year braucht ein Jahr von %1 bis %2 oder every</translation>
    </message>
    <message>
        <source>--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE</source>
        <translation>--picture braucht einen Platz und eine Datei: cover=DATEI, 1=DATEI … 12=DATEI</translation>
    </message>
    <message>
        <source>unknown design &apos;%1&apos;: use %2</source>
        <translation>unbekannte Gestaltung „%1“: verwenden Sie %2</translation>
    </message>
    <message>
        <source>--design goes with --export</source>
        <translation>--design gehört zu --export</translation>
    </message>
    <message>
        <source>--year goes with --export</source>
        <translation>--year gehört zu --export</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture gehört zu --export</translation>
    </message>
    <message>
        <source>       daybloom --export FILE [--design NAME] [--year YEAR] [--picture PLACE=FILE]…
</source>
        <translation>        daybloom --export DATEI [--design NAME] [--year JAHR] [--picture PLATZ=DATEI]…
</translation>
    </message>
    <message>
        <source>  --design NAME   with --export: the calendar&apos;s design rather than the one chosen in
                  the window: %1
</source>
        <translation>  --design NAME   mit --export: die Gestaltung des Kalenders statt der im Fenster
                  gewählten: %1
</translation>
    </message>
    <message>
        <source>  --year YEAR     with --export: the calendar for that year, with weekdays, ages and
                  milestones, or every for the calendar of every year, rather than
                  the edition chosen in the window
</source>
        <translation>  --year JAHR     mit --export: der Kalender für dieses Jahr, mit Wochentagen, Altern
                  und runden Jubiläen, oder every für den immerwährenden Kalender,
                  statt der im Fenster gewählten Ausgabe
</translation>
    </message>
    <message>
        <source>  --picture PLACE=FILE
                  with --export: the picture of a place (cover, or 1 to 12 for the
                  months) for this calendar only; given again for each place
</source>
        <translation>  --picture PLATZ=DATEI
                  mit --export: das Bild eines Platzes (cover, oder 1 bis 12 für die
                  Monate) nur für diesen Kalender; für jeden Platz erneut angeben
</translation>
    </message>
    <message>
        <source>  --export-dates FILE
                  write every day that holds an entry to FILE, for calendar
                  programs (.ics: a yearly all-day event per day, and one for each
                  part that gives its year, starting in that year) or spreadsheets
                  (.csv: the columns Month, Day, Entry and Year)
</source>
        <translation>  --export-dates DATEI
                  jeden Tag mit einem Eintrag in DATEI schreiben, für Kalender-
                  programme (.ics: ein jährlicher ganztägiger Termin pro Tag und einer
                  für jeden Teil mit Jahr, der in diesem Jahr beginnt) oder Tabellen
                  (.csv: die Spalten Month, Day, Entry und Year)
</translation>
    </message>
</context>
<context>
    <name>CsvDatesReader</name>
    <message>
        <source>the file holds no rows of names and dates</source>
        <translation>die Datei enthält keine Zeilen mit Namen und Daten</translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation>ist kein Datum</translation>
    </message>
    <message>
        <source>has no four-digit year</source>
        <translation>hat keine vierstellige Jahreszahl</translation>
    </message>
    <message>
        <source>is not a real calendar day</source>
        <translation>ist kein echter Kalendertag</translation>
    </message>
    <message>
        <source>row %1: not a month, a day and an entry</source>
        <translation>Zeile %1: nicht Monat, Tag und Eintrag</translation>
    </message>
    <message>
        <source>the file ends inside quotes, so the row is cut short</source>
        <translation>die Datei endet innerhalb von Anführungszeichen, die Zeile ist daher abgeschnitten</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>a date of no type</source>
        <translation>ein Datum ohne Art</translation>
    </message>
    <message>
        <source>: no date</source>
        <translation>: kein Datum</translation>
    </message>
    <message>
        <source>the dates could be read as month/day or as day/month, such as %1</source>
        <translation>die Daten lassen sich als Monat/Tag oder als Tag/Monat lesen, etwa %1</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a year</source>
        <translation>Zeile %1: „%2“ ist keine Jahreszahl</translation>
    </message>
</context>
<context>
    <name>DamagedSettingsRescue</name>
    <message>
        <source>The settings file %1 could not be read cleanly.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht einwandfrei gelesen werden.</translation>
    </message>
    <message>
        <source> It could not be copied aside (%1), so it was left as it is.</source>
        <translation> Sie konnte nicht beiseitegelegt werden (%1) und blieb daher, wie sie ist.</translation>
    </message>
    <message>
        <source> A copy of it as it was is kept as %1.</source>
        <translation> Eine Kopie im alten Zustand ist unter %1 aufbewahrt.</translation>
    </message>
    <message>
        <source> A clean settings file could not be written (%1).</source>
        <translation> Eine saubere Einstellungsdatei konnte nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>Entries recovered: %1. </source>
        <translation>Gerettete Einträge: %1. </translation>
    </message>
    <message>
        <source>They are shown and stored in a new, clean settings file.</source>
        <translation>Sie werden angezeigt und in einer neuen, sauberen Einstellungsdatei gespeichert.</translation>
    </message>
    <message>
        <source>They are shown but not saved yet.</source>
        <translation>Sie werden angezeigt, sind aber noch nicht gespeichert.</translation>
    </message>
    <message>
        <source> Some days are written in it more than once (%1): the last text written for each is used.</source>
        <translation> Manche Tage stehen mehrfach darin (%1): Für jeden wird der zuletzt geschriebene Text verwendet.</translation>
    </message>
</context>
<context>
    <name>DateExporter</name>
    <message>
        <source>1 day</source>
        <translation>1 Tag</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>The entries of %1 are written to %2.</source>
        <translation>Die Einträge von %1 sind in %2 geschrieben.</translation>
    </message>
</context>
<context>
    <name>DateFileReader</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>%1 kann nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>es ist keine Datei</translation>
    </message>
    <message>
        <source>at over %1 MB it is too large to be a contacts or calendar file</source>
        <translation>mit über %1 MB ist sie zu groß für eine Kontakt- oder Kalenderdatei</translation>
    </message>
    <message>
        <source>contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)</source>
        <translation>Kontaktkarten (.vcf), Tabellenzeilen (.csv, .tsv, .txt) oder Kalendertermine (.ics)</translation>
    </message>
    <message>
        <source>it is none of %1</source>
        <translation>sie enthält keine %1</translation>
    </message>
</context>
<context>
    <name>DateImport</name>
    <message>
        <source>%1: %2; no order was chosen</source>
        <translation>%1: %2; es wurde keine Reihenfolge gewählt</translation>
    </message>
    <message>
        <source>no dates found in %1</source>
        <translation>keine Termine in %1 gefunden</translation>
    </message>
</context>
<context>
    <name>DateImporter</name>
    <message>
        <source>In %1 %2.

Is 04/05/1990 April 5 or May 4?</source>
        <translation>In %1 %2.

Ist 04/05/1990 der 5. April oder der 4. Mai?</translation>
    </message>
    <message>
        <source>April 5 (Month First)</source>
        <translation>5. April (Monat zuerst)</translation>
    </message>
    <message>
        <source>May 4 (Day First)</source>
        <translation>4. Mai (Tag zuerst)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>Termine importieren</translation>
    </message>
    <message>
        <source>

Add them to the calendar?</source>
        <translation>

Zum Kalender hinzufügen?</translation>
    </message>
    <message>
        <source>Dates imported</source>
        <translation>Termine importiert</translation>
    </message>
    <message>
        <source>Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</source>
        <translation>Kontakte und Kalender (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Reading %1 (file %2 of %3)…</source>
        <translation>%1 wird gelesen (Datei %2 von %3)…</translation>
    </message>
    <message>
        <source>Working out what the dates change…</source>
        <translation>Es wird ermittelt, was die Termine ändern…</translation>
    </message>
    <message>
        <source>Reading the files…</source>
        <translation>Die Dateien werden gelesen…</translation>
    </message>
</context>
<context>
    <name>DatesExport</name>
    <message>
        <source>%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.</source>
        <translation>%1 hat keine bekannte Endung: verwenden Sie .ics für Kalenderprogramme oder .csv für Tabellen.</translation>
    </message>
    <message>
        <source>The calendar holds no entries, so there are no dates to export.</source>
        <translation>Der Kalender enthält keine Einträge, es gibt also keine Termine zu exportieren.</translation>
    </message>
</context>
<context>
    <name>DayBox</name>
    <message>
        <source>Control characters (invisible codes) were left out.</source>
        <translation>Steuerzeichen (unsichtbare Codes) wurden weggelassen.</translation>
    </message>
    <message>
        <source>A day&apos;s box holds at most %1 characters: the rest was left out.</source>
        <translation>Das Feld eines Tages fasst höchstens %1 Zeichen: Der Rest wurde weggelassen.</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Calendar Design</source>
        <translation>Kalendergestaltung</translation>
    </message>
    <message>
        <source>Choose how the printed calendar looks. Each picture shows a design&apos;s first pages on your paper (%1).</source>
        <translation>Wählen Sie, wie der gedruckte Kalender aussieht. Jedes Bild zeigt die ersten Seiten einer Gestaltung auf Ihrem Papier (%1).</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Wird gezeichnet…</translation>
    </message>
    <message>
        <source>Use this design</source>
        <translation>Diese Gestaltung verwenden</translation>
    </message>
    <message>
        <source>Drawing the designs&apos; pictures…</source>
        <translation>Die Bilder der Gestaltungen werden gezeichnet…</translation>
    </message>
    <message>
        <source>Some pictures could not be drawn; the designs can still be chosen.
%1</source>
        <translation>Einige Bilder konnten nicht gezeichnet werden; die Gestaltungen lassen sich trotzdem wählen.
%1</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>The office laid out no page.</source>
        <translation>Das Office hat keine Seite gesetzt.</translation>
    </message>
</context>
<context>
    <name>DocumentCopy</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>the office wrote nothing</source>
        <translation>das Office-Programm hat nichts geschrieben</translation>
    </message>
</context>
<context>
    <name>DocumentFormats</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Word-Dateien (*.doc)</translation>
    </message>
    <message>
        <source>Word 97-2003</source>
        <translation>Word 97-2003</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Word 2007-365 Files (*.docx)</source>
        <translation>Word-2007-365-Dateien (*.docx)</translation>
    </message>
    <message>
        <source>Word 2007-365</source>
        <translation>Word 2007-365</translation>
    </message>
    <message>
        <source>OpenDocument Text Files (*.odt)</source>
        <translation>OpenDocument-Textdateien (*.odt)</translation>
    </message>
    <message>
        <source>OpenDocument Text</source>
        <translation>OpenDocument-Text</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>the pages of %1 could not be read</source>
        <translation>die Seiten von %1 konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>the printer %1 refused the job</source>
        <translation>der Drucker %1 hat den Auftrag abgelehnt</translation>
    </message>
    <message>
        <source>the printer %1 did not take the job</source>
        <translation>der Drucker %1 hat den Auftrag nicht angenommen</translation>
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
        <translation>Der Eintrag für den %1 konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The text stays in its box. Every further change tries again, and the unsaved entries are saved as soon as the settings file can be written.</source>
        <translation>Der Text bleibt in seinem Feld. Bei jeder weiteren Änderung wird es erneut versucht, und die ungespeicherten Einträge werden gespeichert, sobald die Einstellungsdatei wieder geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>EntryYears</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>What a calendar for one year makes of a year in an entry: %1 is the count of years, %2 the calendar&apos;s year (&quot;71 in 2027&quot;).</extracomment>
        <translation>%1 im Jahr %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Bitte schicken Sie ein Bildschirmfoto dieser Meldung per E-Mail an %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ExportLook</name>
    <message>
        <source>the %1 design has no place for a picture of %2</source>
        <translation>die Gestaltung %1 hat keinen Platz für ein Bild von %2</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein gleichnamiger Ordner ist im Weg</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es ist ein Gerät, keine Datei</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es ist eine Pipe, keine Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es ist ein Socket, keine Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ihre Verknüpfungen führen im Kreis</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source> (it links to %1)</source>
        <translation> (sie verweist auf %1)</translation>
    </message>
    <message>
        <source>%1 is a link another user made in the shared folder %2, and such a link is not followed</source>
        <translation>%1 ist eine Verknüpfung, die ein anderer Benutzer im gemeinsamen Ordner %2 angelegt hat, und einer solchen wird nicht gefolgt</translation>
    </message>
    <message>
        <source>it is one of this program&apos;s own files</source>
        <translation>sie gehört zu den eigenen Dateien dieses Programms</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>der Ordner %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2.

Are you sure you wish to overwrite %2 ?</source>
        <translation>%1 ist eine Verknüpfung auf %2.

Möchten Sie %2 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Möchten Sie %1 wirklich überschreiben?</translation>
    </message>
    <message>
        <source>it is a link another user made in the shared folder %1, and such a link is not followed</source>
        <translation>sie ist eine Verknüpfung, die ein anderer Benutzer im gemeinsamen Ordner %1 angelegt hat, und einer solchen wird nicht gefolgt</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Cannot open %1 for writing: %2</source>
        <translation>%1 kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Kalender erstellen</translation>
    </message>
    <message>
        <source>Makes the calendar document from the entries and shows its pages</source>
        <translation>Erstellt aus den Einträgen das Kalenderdokument und zeigt seine Seiten</translation>
    </message>
    <message>
        <source>Clear/Reset Calendar</source>
        <translation>Kalender leeren</translation>
    </message>
    <message>
        <source>Empties the entries of all 366 days</source>
        <translation>Leert die Einträge aller 366 Tage</translation>
    </message>
    <message>
        <source>Load Sample/Example Amounts</source>
        <translation>Beispiele laden</translation>
    </message>
    <message>
        <source>Writes eight example entries</source>
        <translation>Trägt acht Beispieleinträge ein</translation>
    </message>
    <message>
        <source>Calendar cleared</source>
        <translation>Kalender geleert</translation>
    </message>
    <message>
        <source>Sample entries loaded</source>
        <translation>Beispiele geladen</translation>
    </message>
    <message>
        <source>%1: Ctrl+Z takes it back.</source>
        <translation>%1: Strg+Z macht es rückgängig.</translation>
    </message>
    <message>
        <source>%1: taken back (Ctrl+Shift+Z does it again).</source>
        <translation>%1: rückgängig gemacht (Strg+Umschalt+Z stellt es wieder her).</translation>
    </message>
    <message>
        <source>%1: done again.</source>
        <translation>%1: wiederhergestellt.</translation>
    </message>
    <message>
        <source>Save Entries</source>
        <translation>Einträge speichern</translation>
    </message>
    <message>
        <source>Settings Files (*.ini)</source>
        <translation>Einstellungsdateien (*.ini)</translation>
    </message>
    <message>
        <source>Export Dates</source>
        <translation>Termine exportieren</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)</source>
        <translation>Tabellendateien (*.csv)</translation>
    </message>
    <message>
        <source>Family dates.ics</source>
        <translation>Familientermine.ics</translation>
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
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Als Word-Datei speichern</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Shows the page larger (Ctrl++)</source>
        <translation>Zeigt die Seite größer (Strg++)</translation>
    </message>
    <message>
        <source>Shows the page smaller (Ctrl+-)</source>
        <translation>Zeigt die Seite kleiner (Strg+-)</translation>
    </message>
    <message>
        <source>Saves the calendar as a document or PDF (Ctrl+S)</source>
        <translation>Speichert den Kalender als Dokument oder PDF (Strg+S)</translation>
    </message>
    <message>
        <source>Goes back to the entries (Esc)</source>
        <translation>Zurück zu den Einträgen (Esc)</translation>
    </message>
    <message>
        <source>There is no calendar to print.</source>
        <translation>Es gibt keinen Kalender zum Drucken.</translation>
    </message>
    <message>
        <source>no office is available to lay the pages out</source>
        <translation>kein Office-Programm steht bereit, um die Seiten zu setzen</translation>
    </message>
    <message>
        <source>Daybloom calendar</source>
        <translation>Daybloom-Kalender</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1.</source>
        <translation>Der Kalender konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Seite(n)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>No office is available to write the document.</source>
        <translation>Kein Office-Programm steht bereit, um das Dokument zu schreiben.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Speichern unter …</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken …</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>The environment variable HOME is not set, and your user account names no home folder: the settings file is %1.</source>
        <translation>Die Umgebungsvariable HOME ist nicht gesetzt, und Ihr Benutzerkonto nennt keinen Persönlichen Ordner: Die Einstellungsdatei ist %1.</translation>
    </message>
    <message>
        <source>The environment variable HOME is not set: the home folder of your user account, %1, is used.</source>
        <translation>Die Umgebungsvariable HOME ist nicht gesetzt: Der Persönliche Ordner Ihres Benutzerkontos, %1, wird verwendet.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>the file holds no calendar events</source>
        <translation>die Datei enthält keine Kalendertermine</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 Birthday</source>
        <extracomment>An imported birthday as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Geburtstag %1</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <extracomment>An imported anniversary as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Hochzeitstag %1</translation>
    </message>
    <message>
        <source>%1: no such day</source>
        <translation>%1: diesen Tag gibt es nicht</translation>
    </message>
    <message>
        <source>
… and %1 more.</source>
        <translation>
… und %1 weitere.</translation>
    </message>
    <message>
        <source>%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).</source>
        <translation>%1 neue Einträge an %2 Tagen, von denen %3 schon Text enthalten (der neue Text kommt dahinter).</translation>
    </message>
    <message>
        <source>No dates found.</source>
        <translation>Keine Termine gefunden.</translation>
    </message>
    <message>
        <source>Nothing new to add: every date is in the calendar already.</source>
        <translation>Nichts Neues hinzuzufügen: Alle Termine stehen schon im Kalender.</translation>
    </message>
    <message>
        <source>Nothing can be added.</source>
        <translation>Es kann nichts hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Left out, as the day&apos;s text would be over %1 characters</source>
        <translation>Ausgelassen, weil der Text des Tages über %1 Zeichen lang würde</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Nicht gelesen</translation>
    </message>
    <message>
        <source> Control characters (invisible codes) were left out of %1 of them.</source>
        <translation> Aus %1 davon wurden Steuerzeichen (unsichtbare Codes) weggelassen.</translation>
    </message>
    <message>
        <source>Entries already in the calendar that get their year: %1.</source>
        <translation>Einträge im Kalender, die ihr Jahr bekommen: %1.</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Fehler 842001. Eine normale Instanz von Word konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Bitte stellen Sie sicher, dass Word auf diesem Computer installiert ist.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Bitte öffnen Sie Word wie gewohnt und prüfen Sie, ob sofort ein leeres Dokument erscheint, ohne dass ein anderes Fenster dazwischenkommt (etwa eines zur Wiederherstellung von Word-Dateien).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Bitte prüfen Sie, ob sich Word beim Doppelklick auf eine DOC- oder DOCX-Datei normal öffnet, ohne störende Meldungen.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Dieses Programm unterstützt alle Versionen von Word außer den seltenen Ausgaben Word Starter und Student.</translation>
    </message>
    <message>
        <source>Cause: %1</source>
        <translation>Ursache: %1</translation>
    </message>
</context>
<context>
    <name>KeepsakeCommands</name>
    <message>
        <source>The design could not be stored: %1</source>
        <translation>Die Gestaltung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Build anyway</source>
        <translation>Trotzdem erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>&amp;Import dates…</source>
        <translation>Daten &amp;importieren …</translation>
    </message>
    <message>
        <source>&amp;Export dates…</source>
        <translation>Daten &amp;exportieren …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>&amp;Wiederholen: %1</translation>
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
        <translation>&amp;Papierformat</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Papierformat</translation>
    </message>
    <message>
        <source>The paper size could not be stored: %1</source>
        <translation>Das Papierformat konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>The language changes when the program starts again.</source>
        <translation>Die Sprache wechselt beim nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>The language could not be stored: %1</source>
        <translation>Die Sprache konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>The user guide could not be opened here. In a terminal, type: man daybloom</source>
        <translation>Die Anleitung lässt sich hier nicht öffnen. Geben Sie in einem Terminal ein: man daybloom</translation>
    </message>
    <message>
        <source>%1
Version %2

Free software under the MIT licence.</source>
        <translation>%1
Version %2

Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>&amp;Design…</source>
        <translation>&amp;Gestaltung…</translation>
    </message>
    <message>
        <source>P&amp;ictures…</source>
        <translation>&amp;Bilder…</translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>silver wedding</source>
        <translation>Silberhochzeit</translation>
    </message>
    <message>
        <source>pearl wedding</source>
        <translation>Perlenhochzeit</translation>
    </message>
    <message>
        <source>ruby wedding</source>
        <translation>Rubinhochzeit</translation>
    </message>
    <message>
        <source>golden wedding</source>
        <translation>goldene Hochzeit</translation>
    </message>
    <message>
        <source>diamond wedding</source>
        <translation>diamantene Hochzeit</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>The ordinal of one (&quot;1st&quot;), as in &quot;1st anniversary&quot;.</extracomment>
        <translation>1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <extracomment>Ordinals: %1 is a count that ends in 1 but not 11 (&quot;21st&quot;, &quot;101st&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>Ordinals: %1 is a count that ends in 2 but not 12 (&quot;22nd&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>Ordinals: %1 is a count that ends in 3 but not 13 (&quot;23rd&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Ordinals: %1 is any other count (&quot;70th&quot;, &quot;11th&quot;).</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 birthday</source>
        <extracomment>A round birthday: %1 is its ordinal (&quot;70th birthday&quot;).</extracomment>
        <translation>%1 Geburtstag</translation>
    </message>
    <message>
        <source>%1 anniversary</source>
        <extracomment>A wedding anniversary worth celebrating: %1 is its ordinal (&quot;10th anniversary&quot;).</extracomment>
        <translation>%1 Hochzeitstag</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A day in a message: %1 is the month&apos;s name, %2 the day of the month (&quot;April 13&quot;).</extracomment>
        <translation>%2. %1</translation>
    </message>
</context>
<context>
    <name>PageViewport</name>
    <message>
        <source>Page %1 of %2, zoom %3 %</source>
        <translation>Seite %1 von %2, Zoom %3 %</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The picture cannot be kept in %1: %2</source>
        <translation>Das Bild kann nicht in %1 aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>PicturePlaceView</name>
    <message>
        <source>Choose…</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Ein Bild für %1 auswählen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the picture of %1</source>
        <translation>Das Bild von %1 entfernen</translation>
    </message>
    <message>
        <source>No picture yet.
Drop one here.</source>
        <translation>Noch kein Bild.
Hier eines ablegen.</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>Cover</source>
        <extracomment>The calendar&apos;s cover page, as a place for a picture.</extracomment>
        <translation>Titelseite</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Cannot use %1 as a picture: %2</source>
        <translation>%1 kann nicht als Bild verwendet werden: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a damaged HEIC picture (%1)</source>
        <translation>es ist ein beschädigtes HEIC-Bild (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 pixels</source>
        <translation>es ist zu groß: %1 Pixel</translation>
    </message>
    <message>
        <source>it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)</source>
        <translation>es ist kein Bild, das das Programm lesen kann (JPEG, PNG, WebP, TIFF, BMP oder HEIC)</translation>
    </message>
    <message>
        <source>the picture is damaged: it ends before its last part</source>
        <translation>das Bild ist beschädigt: es endet vor seinem letzten Teil</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>das Bild ist beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Calendar Pictures</source>
        <translation>Kalenderbilder</translation>
    </message>
    <message>
        <source>The design %1 prints a picture on its cover and with every month. Choose a picture or drop one on its place. The program keeps its own copy: moving or deleting your file loses nothing.</source>
        <translation>Die Gestaltung %1 druckt ein Bild auf dem Deckblatt und zu jedem Monat. Wählen Sie ein Bild aus oder legen Sie es auf seinem Platz ab. Das Programm bewahrt eine eigene Kopie auf: Wenn Sie Ihre Datei verschieben oder löschen, geht nichts verloren.</translation>
    </message>
    <message>
        <source>The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). The pictures you choose here are kept for them.</source>
        <translation>Die gewählte Gestaltung, %1, zeigt keine Bilder; diese Gestaltungen zeigen sie: %2 (Kalender ▸ Gestaltung…). Die hier gewählten Bilder werden für sie aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Title on the cover:</source>
        <translation>&amp;Titel auf dem Deckblatt:</translation>
    </message>
    <message>
        <source>Choose a Picture for %1</source>
        <translation>Ein Bild für %1 auswählen</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The picture of %1 could not be removed: %2</source>
        <translation>Das Bild von %1 konnte nicht entfernt werden: %2</translation>
    </message>
    <message>
        <source>Preparing the pictures…</source>
        <translation>Die Bilder werden vorbereitet…</translation>
    </message>
    <message>
        <source>Preparing %1 for %2 (%3 of %4)…</source>
        <translation>%1 wird für %2 vorbereitet (%3 von %4)…</translation>
    </message>
    <message>
        <source>Not every picture could be used; the others are kept.

%1</source>
        <translation>Nicht jedes Bild konnte verwendet werden; die anderen sind aufbewahrt.

%1</translation>
    </message>
    <message>
        <source>The cover&apos;s title could not be stored: %1</source>
        <translation>Der Titel des Deckblatts konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>There are no places left after %1 for %2 of the pictures; they were left out.</source>
        <translation>Nach %1 ist kein Platz mehr für %2 der Bilder; sie wurden weggelassen.</translation>
    </message>
</context>
<context>
    <name>SampleEntries</name>
    <message>
        <source>Ruth Birthday</source>
        <translation>Geburtstag Ruth</translation>
    </message>
    <message>
        <source>Brian Birthday</source>
        <translation>Geburtstag Brian</translation>
    </message>
    <message>
        <source>John Birthday</source>
        <translation>Geburtstag John</translation>
    </message>
    <message>
        <source>Grampa Birthday</source>
        <translation>Geburtstag Opa</translation>
    </message>
    <message>
        <source>Elvis Anniversary</source>
        <translation>Hochzeitstag Elvis</translation>
    </message>
    <message>
        <source>Mary Birthday</source>
        <translation>Geburtstag Mary</translation>
    </message>
    <message>
        <source>Nancy Birthday</source>
        <translation>Geburtstag Nancy</translation>
    </message>
    <message>
        <source>Mom Birthday</source>
        <translation>Geburtstag Mama</translation>
    </message>
</context>
<context>
    <name>SpaceCheckedSave</name>
    <message>
        <source>The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).</source>
        <translation>Der Kalender kann nicht in %1 gespeichert werden: Auf seinem Datenträger ist nicht mehr genug Platz frei (%2 frei auf %3).</translation>
    </message>
</context>
<context>
    <name>StartupEntries</name>
    <message>
        <source>Changes to the calendar cannot be saved: %1.</source>
        <translation>Änderungen am Kalender können nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The stored entries are shown. Every change stays in its box and is saved as soon as the settings file can be written.</source>
        <translation>Die gespeicherten Einträge werden angezeigt. Jede Änderung bleibt in ihrem Feld und wird gespeichert, sobald die Einstellungsdatei wieder geschrieben werden kann.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2.</source>
        <translation>Der temporäre Ordner %1 kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>er gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>it cannot be made private</source>
        <translation>er kann nicht privat gemacht werden</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>er ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>there is no space left on its disk</source>
        <translation>auf seinem Datenträger ist kein Platz mehr frei</translation>
    </message>
    <message>
        <source>A private folder of your own is used instead: %1.</source>
        <translation>Stattdessen wird ein eigener privater Ordner verwendet: %1.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>The program cannot go on and ends.</source>
        <translation>Das Programm kann nicht fortfahren und wird beendet.</translation>
    </message>
    <message>
        <source>an error of an unknown kind</source>
        <translation>ein Fehler unbekannter Art</translation>
    </message>
</context>
<context>
    <name>UnsavedEntriesCheck</name>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Save to Another File...</source>
        <translation>In andere Datei speichern...</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unsaved entries: %1. They could not be saved because %2.</source>
        <translation>Nicht gespeicherte Einträge: %1. Sie konnten nicht gespeichert werden, weil %2.</translation>
    </message>
    <message>
        <source>&quot;Retry&quot; tries the settings file again. &quot;Save to Another File...&quot; saves all entries to a file you choose, which can later replace the settings file. &quot;Close Anyway&quot; loses the unsaved entries.</source>
        <translation>„Wiederholen“ versucht es noch einmal mit der Einstellungsdatei. „In andere Datei speichern...“ speichert alle Einträge in einer Datei Ihrer Wahl, die später die Einstellungsdatei ersetzen kann. „Trotzdem schließen“ verwirft die nicht gespeicherten Einträge.</translation>
    </message>
    <message>
        <source>The entries could not be saved to %1: %2.</source>
        <translation>Die Einträge konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Application Error</source>
        <translation>Programmfehler</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>: no birthday or anniversary</source>
        <translation>: kein Geburtstag und kein Hochzeitstag</translation>
    </message>
    <message>
        <source>: no name</source>
        <translation>: kein Name</translation>
    </message>
    <message>
        <source>the file holds no contact cards</source>
        <translation>die Datei enthält keine Kontaktkarten</translation>
    </message>
</context>
<context>
    <name>WindowSetup</name>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
</context>
<context>
    <name>YearEdition</name>
    <message>
        <source>Feb 29: %1</source>
        <extracomment>February 29&apos;s entry, printed on February 28 in a common year: %1 is the entry.</extracomment>
        <translation>29. Feb.: %1</translation>
    </message>
</context>
<context>
    <name>YearMenu</name>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Jahr</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;Every year</source>
        <translation>&amp;Jedes Jahr</translation>
    </message>
    <message>
        <source>The year could not be stored: %1</source>
        <translation>Das Jahr konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;daybloom --help&apos; for more information.</source>
        <translation>Mehr dazu mit „daybloom --help“.</translation>
    </message>
</context>
</TS>
