<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BackgroundPictures</name>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>Impossibile conservare %1: %2</translation>
    </message>
</context>
<context>
    <name>BuildPreflight</name>
    <message>
        <source>%1: %2 pixels per inch</source>
        <extracomment>A picture in a list of those that would print blurry: %1 is its place (&quot;Cover&quot;, &quot;January&quot;), %2 the pixels per inch it would print at.</extracomment>
        <translation>%1: %2 pixel per pollice</translation>
    </message>
    <message>
        <source>These pictures are too small for their place and would print blurry (at least %1 pixels per inch look sharp):</source>
        <translation>Queste immagini sono troppo piccole per il loro spazio e verrebbero stampate sfocate (risultano nitide da %1 pixel per pollice):</translation>
    </message>
    <message>
        <source>The entries of these months are too long to fit on the month&apos;s page; the month would run onto the next page:</source>
        <translation>Le voci di questi mesi sono troppo lunghe per la pagina del mese; il mese continuerebbe sulla pagina successiva:</translation>
    </message>
    <message>
        <source>Make the calendar anyway?</source>
        <translation>Creare comunque il calendario?</translation>
    </message>
</context>
<context>
    <name>CalendarChanges</name>
    <message>
        <source>the safety copy %1 could not be written: %2</source>
        <translation>non è stato possibile scrivere la copia di sicurezza %1: %2</translation>
    </message>
</context>
<context>
    <name>CalendarDesigns</name>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Wall calendar</source>
        <translation>Calendario da parete</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Caldo</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Sobrio</translation>
    </message>
</context>
<context>
    <name>CalendarEntryStore</name>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>non è possibile scrivere il file delle impostazioni %1</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation>il file delle impostazioni %1 è danneggiato</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>non è stato possibile scriverlo</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 does not end in a known suffix: use %2.</source>
        <translation>%1 non termina con un’estensione nota: usa %2.</translation>
    </message>
</context>
<context>
    <name>CalendarOptions</name>
    <message>
        <source>Our family&apos;s birthdays</source>
        <extracomment>The title printed on a calendar&apos;s cover unless the person writes their own.</extracomment>
        <translation>I compleanni della nostra famiglia</translation>
    </message>
</context>
<context>
    <name>CalendarTemplate</name>
    <message>
        <source>The %1 calendar template is missing from the program.</source>
        <translation>Nel programma manca il modello di calendario %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--paper needs a paper size: %1</source>
        <translation>--paper richiede un formato di carta: %1</translation>
    </message>
    <message>
        <source>unknown paper size &apos;%1&apos;: use %2</source>
        <translation>formato di carta sconosciuto «%1»: usa %2</translation>
    </message>
    <message>
        <source>--date-order needs an order: dmy or mdy</source>
        <translation>--date-order richiede un ordine: dmy o mdy</translation>
    </message>
    <message>
        <source>unknown date order &apos;%1&apos;: use dmy or mdy</source>
        <translation>ordine di data sconosciuto «%1»: usa dmy o mdy</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione sconosciuta «%1»</translation>
    </message>
    <message>
        <source>--import needs at least one file</source>
        <translation>--import richiede almeno un file</translation>
    </message>
    <message>
        <source>--paper goes with --export</source>
        <translation>--paper va con --export</translation>
    </message>
    <message>
        <source>--date-order goes with --import</source>
        <translation>--date-order va con --import</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 richiede un nome di file</translation>
    </message>
    <message>
        <source>Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |
                --import [--date-order ORDER] FILE…]
</source>
        <translation>Uso: daybloom [--export FILE [--paper FORMATO] | --export-dates FILE |
              --import [--date-order ORDINE] FILE…]
</translation>
    </message>
    <message>
        <source>Makes a printable calendar of the family&apos;s dates.

Without options the main window opens.

</source>
        <translation>Crea un calendario stampabile con le date della famiglia.

Senza opzioni si apre la finestra principale.

</translation>
    </message>
    <message>
        <source>  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper
                  rather than the paper chosen in the window (or, until one is
                  chosen, the paper usual in the locale)
</source>
        <translation>  --paper FORMATO  con --export: impagina il calendario su carta letter, a4 o a5
                  invece che su quella scelta nella finestra (o, finché non se
                  ne sceglie una, su quella in uso nel paese)
</translation>
    </message>
    <message>
        <source>  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or
                  calendar (.ics) files to the stored entries, without a window,
                  and print what was added and what was skipped
</source>
        <translation>  --import FILE…  aggiunge alle annotazioni salvate, senza finestra, le date di
                  file di contatti (.vcf), fogli di calcolo (.csv) o calendari
                  (.ics), e indica cosa è stato aggiunto e cosa è stato saltato
</translation>
    </message>
    <message>
        <source>  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day
                  first) or mdy (month first); without it a file that could be
                  read either way is refused
</source>
        <translation>  --date-order ORDINE  con --import: legge date come 04/05/1990 come dmy
                  (prima il giorno) o mdy (prima il mese); senza questa opzione
                  un file leggibile in entrambi i modi viene rifiutato
</translation>
    </message>
    <message>
        <source>  -h, --help      show this help and exit
  -v, --version   show the version and exit

</source>
        <translation>  -h, --help      mostra questo aiuto ed esce
  -v, --version   mostra la versione ed esce

</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a
file cannot be read (the cause is printed); 2 for a command line that is not
understood.
</source>
        <translation>Stato di uscita: 0 se va tutto bene; 1 se non si possono scrivere il calendario o
le date o non si può leggere un file (la causa viene indicata); 2 per una riga di
comando non capita.
</translation>
    </message>
    <message>
        <source>  --export FILE   build the calendar from the stored entries, without a window,
                  and write FILE in the format of its suffix:
%1                  The stored entries are read, never changed.
</source>
        <translation>  --export FILE   crea il calendario dalle annotazioni salvate, senza finestra,
                  e scrive FILE nel formato della sua estensione:
%1                  Le annotazioni salvate vengono lette, mai modificate.
</translation>
    </message>
    <message>
        <source>--design needs a design: %1</source>
        <translation>--design richiede un modello: %1</translation>
    </message>
    <message>
        <source>--year needs a year from %1 to %2, or every</source>
        <translation>--year richiede un anno da %1 a %2, oppure every</translation>
    </message>
    <message>
        <source>--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE</source>
        <translation>--picture richiede un posto e un file: cover=FILE, 1=FILE … 12=FILE</translation>
    </message>
    <message>
        <source>unknown design &apos;%1&apos;: use %2</source>
        <translation>modello sconosciuto «%1»: usa %2</translation>
    </message>
    <message>
        <source>--design goes with --export</source>
        <translation>--design va con --export</translation>
    </message>
    <message>
        <source>--year goes with --export</source>
        <translation>--year va con --export</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture va con --export</translation>
    </message>
    <message>
        <source>       daybloom --export FILE [--design NAME] [--year YEAR] [--picture PLACE=FILE]…
</source>
        <translation>     daybloom --export FILE [--design NOME] [--year ANNO] [--picture POSTO=FILE]…
</translation>
    </message>
    <message>
        <source>  --design NAME   with --export: the calendar&apos;s design rather than the one chosen in
                  the window: %1
</source>
        <translation>  --design NOME   con --export: il modello del calendario invece di quello scelto
                  nella finestra: %1
</translation>
    </message>
    <message>
        <source>  --year YEAR     with --export: the calendar for that year, with weekdays, ages and
                  milestones, or every for the calendar of every year, rather than
                  the edition chosen in the window
</source>
        <translation>  --year ANNO     con --export: il calendario di quell&apos;anno, con giorni della
                  settimana, età e ricorrenze importanti, oppure every per il
                  calendario perpetuo, invece dell&apos;edizione scelta nella finestra
</translation>
    </message>
    <message>
        <source>  --picture PLACE=FILE
                  with --export: the picture of a place (cover, or 1 to 12 for the
                  months) for this calendar only; given again for each place
</source>
        <translation>  --picture POSTO=FILE
                  con --export: l&apos;immagine di un posto (cover, o da 1 a 12 per i
                  mesi) solo per questo calendario; da ripetere per ogni posto
</translation>
    </message>
    <message>
        <source>  --export-dates FILE
                  write every day that holds an entry to FILE, for calendar
                  programs (.ics: a yearly all-day event per day, and one for each
                  part that gives its year, starting in that year) or spreadsheets
                  (.csv: the columns Month, Day, Entry and Year)
</source>
        <translation>  --export-dates FILE
                  scrivere ogni giorno con una voce in FILE, per i programmi di
                  calendario (.ics: un evento annuale di un giorno intero per giorno, e
                  uno per ogni parte che indica il suo anno, a partire da quell&apos;anno) o
                  i fogli di calcolo (.csv: le colonne Month, Day, Entry e Year)
</translation>
    </message>
</context>
<context>
    <name>CsvDatesReader</name>
    <message>
        <source>the file holds no rows of names and dates</source>
        <translation>il file non contiene righe di nomi e date</translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation>non è una data</translation>
    </message>
    <message>
        <source>has no four-digit year</source>
        <translation>non ha un anno di quattro cifre</translation>
    </message>
    <message>
        <source>is not a real calendar day</source>
        <translation>non è un vero giorno del calendario</translation>
    </message>
    <message>
        <source>row %1: not a month, a day and an entry</source>
        <translation>riga %1: non è un mese, un giorno e un’annotazione</translation>
    </message>
    <message>
        <source>the file ends inside quotes, so the row is cut short</source>
        <translation>il file finisce dentro le virgolette, quindi la riga è troncata</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>nessun nome</translation>
    </message>
    <message>
        <source>a date of no type</source>
        <translation>una data senza tipo</translation>
    </message>
    <message>
        <source>: no date</source>
        <translation>: nessuna data</translation>
    </message>
    <message>
        <source>the dates could be read as month/day or as day/month, such as %1</source>
        <translation>le date si possono leggere come mese/giorno o come giorno/mese, ad esempio %1</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a year</source>
        <translation>riga %1: «%2» non è un anno</translation>
    </message>
</context>
<context>
    <name>DamagedSettingsRescue</name>
    <message>
        <source>The settings file %1 could not be read cleanly.</source>
        <translation>Non è stato possibile leggere correttamente il file delle impostazioni %1.</translation>
    </message>
    <message>
        <source> It could not be copied aside (%1), so it was left as it is.</source>
        <translation> Non è stato possibile metterlo da parte (%1), quindi è rimasto com’era.</translation>
    </message>
    <message>
        <source> A copy of it as it was is kept as %1.</source>
        <translation> Una copia di com’era è conservata come %1.</translation>
    </message>
    <message>
        <source> A clean settings file could not be written (%1).</source>
        <translation> Non è stato possibile scrivere un file delle impostazioni pulito (%1).</translation>
    </message>
    <message>
        <source>Entries recovered: %1. </source>
        <translation>Annotazioni recuperate: %1. </translation>
    </message>
    <message>
        <source>They are shown and stored in a new, clean settings file.</source>
        <translation>Sono visualizzate e salvate in un nuovo file delle impostazioni pulito.</translation>
    </message>
    <message>
        <source>They are shown but not saved yet.</source>
        <translation>Sono visualizzate ma non ancora salvate.</translation>
    </message>
    <message>
        <source> Some days are written in it more than once (%1): the last text written for each is used.</source>
        <translation> Alcuni giorni vi compaiono più di una volta (%1): per ciascuno si usa l’ultimo testo scritto.</translation>
    </message>
</context>
<context>
    <name>DateExporter</name>
    <message>
        <source>1 day</source>
        <translation>1 giorno</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>The entries of %1 are written to %2.</source>
        <translation>Le annotazioni di %1 sono state scritte in %2.</translation>
    </message>
</context>
<context>
    <name>DateFileReader</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossibile importare %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>è una pipe, non un file</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>non è un file</translation>
    </message>
    <message>
        <source>at over %1 MB it is too large to be a contacts or calendar file</source>
        <translation>con oltre %1 MB è troppo grande per essere un file di contatti o di calendario</translation>
    </message>
    <message>
        <source>contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)</source>
        <translation>schede di contatto (.vcf), righe di foglio di calcolo (.csv, .tsv, .txt) o eventi di calendario (.ics)</translation>
    </message>
    <message>
        <source>it is none of %1</source>
        <translation>non contiene %1</translation>
    </message>
</context>
<context>
    <name>DateImport</name>
    <message>
        <source>%1: %2; no order was chosen</source>
        <translation>%1: %2; non è stato scelto nessun ordine</translation>
    </message>
    <message>
        <source>no dates found in %1</source>
        <translation>nessuna data trovata in %1</translation>
    </message>
</context>
<context>
    <name>DateImporter</name>
    <message>
        <source>In %1 %2.

Is 04/05/1990 April 5 or May 4?</source>
        <translation>In %1 %2.

Il 04/05/1990 è il 5 aprile o il 4 maggio?</translation>
    </message>
    <message>
        <source>April 5 (Month First)</source>
        <translation>5 aprile (prima il mese)</translation>
    </message>
    <message>
        <source>May 4 (Day First)</source>
        <translation>4 maggio (prima il giorno)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>Importa date</translation>
    </message>
    <message>
        <source>

Add them to the calendar?</source>
        <translation>

Aggiungerle al calendario?</translation>
    </message>
    <message>
        <source>Dates imported</source>
        <translation>Date importate</translation>
    </message>
    <message>
        <source>Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</source>
        <translation>Contatti e calendari (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Reading %1 (file %2 of %3)…</source>
        <translation>Lettura di %1 (file %2 di %3)…</translation>
    </message>
    <message>
        <source>Working out what the dates change…</source>
        <translation>Calcolo di ciò che le date cambiano…</translation>
    </message>
    <message>
        <source>Reading the files…</source>
        <translation>Lettura dei file…</translation>
    </message>
</context>
<context>
    <name>DatesExport</name>
    <message>
        <source>%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.</source>
        <translation>%1 non termina con un’estensione nota: usa .ics per i programmi di calendario o .csv per i fogli di calcolo.</translation>
    </message>
    <message>
        <source>The calendar holds no entries, so there are no dates to export.</source>
        <translation>Il calendario non contiene annotazioni, quindi non ci sono date da esportare.</translation>
    </message>
</context>
<context>
    <name>DayBox</name>
    <message>
        <source>Control characters (invisible codes) were left out.</source>
        <translation>I caratteri di controllo (codici invisibili) sono stati omessi.</translation>
    </message>
    <message>
        <source>A day&apos;s box holds at most %1 characters: the rest was left out.</source>
        <translation>La casella di un giorno contiene al massimo %1 caratteri: il resto è stato omesso.</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Calendar Design</source>
        <translation>Stile del calendario</translation>
    </message>
    <message>
        <source>Choose how the printed calendar looks. Each picture shows a design&apos;s first pages on your paper (%1).</source>
        <translation>Scegli l&apos;aspetto del calendario stampato. Ogni immagine mostra le prime pagine di uno stile sulla tua carta (%1).</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Disegno in corso…</translation>
    </message>
    <message>
        <source>Use this design</source>
        <translation>Usa questo stile</translation>
    </message>
    <message>
        <source>Drawing the designs&apos; pictures…</source>
        <translation>Disegno delle immagini degli stili…</translation>
    </message>
    <message>
        <source>Some pictures could not be drawn; the designs can still be chosen.
%1</source>
        <translation>Alcune immagini non sono state disegnate; gli stili si possono comunque scegliere.
%1</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>The office laid out no page.</source>
        <translation>La suite per ufficio non ha impaginato alcuna pagina.</translation>
    </message>
</context>
<context>
    <name>DocumentCopy</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>the office wrote nothing</source>
        <translation>la suite per ufficio non ha scritto nulla</translation>
    </message>
</context>
<context>
    <name>DocumentFormats</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>File Word (*.doc)</translation>
    </message>
    <message>
        <source>Word 97-2003</source>
        <translation>Word 97-2003</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Word 2007-365 Files (*.docx)</source>
        <translation>File Word 2007-365 (*.docx)</translation>
    </message>
    <message>
        <source>Word 2007-365</source>
        <translation>Word 2007-365</translation>
    </message>
    <message>
        <source>OpenDocument Text Files (*.odt)</source>
        <translation>File di testo OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>OpenDocument Text</source>
        <translation>testo OpenDocument</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>the pages of %1 could not be read</source>
        <translation>non è stato possibile leggere le pagine di %1</translation>
    </message>
    <message>
        <source>the printer %1 refused the job</source>
        <translation>la stampante %1 ha rifiutato il lavoro</translation>
    </message>
    <message>
        <source>the printer %1 did not take the job</source>
        <translation>la stampante %1 non ha preso il lavoro</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>The entry for %1 could not be saved: %2.</source>
        <translation>Non è stato possibile salvare l’annotazione del %1: %2.</translation>
    </message>
    <message>
        <source>The text stays in its box. Every further change tries again, and the unsaved entries are saved as soon as the settings file can be written.</source>
        <translation>Il testo resta nella sua casella. A ogni nuova modifica si riprova, e le annotazioni non salvate verranno salvate appena sarà possibile scrivere il file delle impostazioni.</translation>
    </message>
</context>
<context>
    <name>EntryYears</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>What a calendar for one year makes of a year in an entry: %1 is the count of years, %2 the calendar&apos;s year (&quot;71 in 2027&quot;).</extracomment>
        <translation>%1 nel %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>alla riga %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Invia una schermata di questo messaggio per e-mail a %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>ExportLook</name>
    <message>
        <source>the %1 design has no place for a picture of %2</source>
        <translation>il modello %1 non ha posto per un&apos;immagine di %2</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>c’è una cartella con quel nome</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>è un dispositivo, non un file</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>è una pipe, non un file</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>è un socket, non un file</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>i suoi collegamenti girano in tondo</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la cartella %1 non esiste</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>è di sola lettura</translation>
    </message>
    <message>
        <source> (it links to %1)</source>
        <translation> (rimanda a %1)</translation>
    </message>
    <message>
        <source>%1 is a link another user made in the shared folder %2, and such a link is not followed</source>
        <translation>%1 è un collegamento creato da un altro utente nella cartella condivisa %2, e un collegamento simile non viene seguito</translation>
    </message>
    <message>
        <source>it is one of this program&apos;s own files</source>
        <translation>è uno dei file propri di questo programma</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la cartella %1 è di sola lettura</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossibile scrivere %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2.

Are you sure you wish to overwrite %2 ?</source>
        <translation>%1 è un collegamento a %2.

Vuoi davvero sovrascrivere %2?</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Vuoi davvero sovrascrivere %1?</translation>
    </message>
    <message>
        <source>it is a link another user made in the shared folder %1, and such a link is not followed</source>
        <translation>è un collegamento creato da un altro utente nella cartella condivisa %1, e un collegamento simile non viene seguito</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Cannot open %1 for writing: %2</source>
        <translation>Impossibile aprire %1 in scrittura: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crea il calendario</translation>
    </message>
    <message>
        <source>Makes the calendar document from the entries and shows its pages</source>
        <translation>Crea il documento del calendario dalle annotazioni e ne mostra le pagine</translation>
    </message>
    <message>
        <source>Clear/Reset Calendar</source>
        <translation>Svuota il calendario</translation>
    </message>
    <message>
        <source>Empties the entries of all 366 days</source>
        <translation>Svuota le annotazioni di tutti i 366 giorni</translation>
    </message>
    <message>
        <source>Load Sample/Example Amounts</source>
        <translation>Carica esempi</translation>
    </message>
    <message>
        <source>Writes eight example entries</source>
        <translation>Scrive otto annotazioni di esempio</translation>
    </message>
    <message>
        <source>Calendar cleared</source>
        <translation>Calendario svuotato</translation>
    </message>
    <message>
        <source>Sample entries loaded</source>
        <translation>Esempi caricati</translation>
    </message>
    <message>
        <source>%1: Ctrl+Z takes it back.</source>
        <translation>%1: Ctrl+Z lo annulla.</translation>
    </message>
    <message>
        <source>%1: taken back (Ctrl+Shift+Z does it again).</source>
        <translation>%1: annullato (Ctrl+Maiusc+Z lo ripristina).</translation>
    </message>
    <message>
        <source>%1: done again.</source>
        <translation>%1: ripristinato.</translation>
    </message>
    <message>
        <source>Save Entries</source>
        <translation>Salva le annotazioni</translation>
    </message>
    <message>
        <source>Settings Files (*.ini)</source>
        <translation>File delle impostazioni (*.ini)</translation>
    </message>
    <message>
        <source>Export Dates</source>
        <translation>Esporta date</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>File di calendario (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)</source>
        <translation>File di foglio di calcolo (*.csv)</translation>
    </message>
    <message>
        <source>Family dates.ics</source>
        <translation>Date di famiglia.ics</translation>
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
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Indietro</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Salva come file Word</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Shows the page larger (Ctrl++)</source>
        <translation>Mostra la pagina più grande (Ctrl++)</translation>
    </message>
    <message>
        <source>Shows the page smaller (Ctrl+-)</source>
        <translation>Mostra la pagina più piccola (Ctrl+-)</translation>
    </message>
    <message>
        <source>Saves the calendar as a document or PDF (Ctrl+S)</source>
        <translation>Salva il calendario come documento o PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Goes back to the entries (Esc)</source>
        <translation>Torna alle annotazioni (Esc)</translation>
    </message>
    <message>
        <source>There is no calendar to print.</source>
        <translation>Non c’è nessun calendario da stampare.</translation>
    </message>
    <message>
        <source>no office is available to lay the pages out</source>
        <translation>nessuna suite per ufficio è disponibile per impaginare</translation>
    </message>
    <message>
        <source>Daybloom calendar</source>
        <translation>Calendario Daybloom</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1.</source>
        <translation>Non è stato possibile stampare il calendario: %1.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Pagina/e</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva il file</translation>
    </message>
    <message>
        <source>No office is available to write the document.</source>
        <translation>Nessuna suite per ufficio è disponibile per scrivere il documento.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Salva come…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Riduci</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>The environment variable HOME is not set, and your user account names no home folder: the settings file is %1.</source>
        <translation>La variabile d’ambiente HOME non è impostata e il suo account utente non indica alcuna cartella personale: il file delle impostazioni è %1.</translation>
    </message>
    <message>
        <source>The environment variable HOME is not set: the home folder of your user account, %1, is used.</source>
        <translation>La variabile d’ambiente HOME non è impostata: viene usata la cartella personale del suo account utente, %1.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>the file holds no calendar events</source>
        <translation>il file non contiene eventi di calendario</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 Birthday</source>
        <extracomment>An imported birthday as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Compleanno di %1</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <extracomment>An imported anniversary as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Anniversario di %1</translation>
    </message>
    <message>
        <source>%1: no such day</source>
        <translation>%1: questo giorno non esiste</translation>
    </message>
    <message>
        <source>
… and %1 more.</source>
        <translation>
… e altri %1.</translation>
    </message>
    <message>
        <source>%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).</source>
        <translation>%1 nuove annotazioni in %2 giorni, di cui %3 contengono già del testo (il nuovo testo va in coda).</translation>
    </message>
    <message>
        <source>No dates found.</source>
        <translation>Nessuna data trovata.</translation>
    </message>
    <message>
        <source>Nothing new to add: every date is in the calendar already.</source>
        <translation>Niente di nuovo da aggiungere: tutte le date sono già nel calendario.</translation>
    </message>
    <message>
        <source>Nothing can be added.</source>
        <translation>Non si può aggiungere nulla.</translation>
    </message>
    <message>
        <source>Left out, as the day&apos;s text would be over %1 characters</source>
        <translation>Tralasciate, perché il testo del giorno supererebbe i %1 caratteri</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltate</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Non letti</translation>
    </message>
    <message>
        <source> Control characters (invisible codes) were left out of %1 of them.</source>
        <translation> I caratteri di controllo (codici invisibili) sono stati omessi in %1 di esse.</translation>
    </message>
    <message>
        <source>Entries already in the calendar that get their year: %1.</source>
        <translation>Annotazioni già presenti nel calendario che ricevono il loro anno: %1.</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Errore 842001. Non è stato possibile creare un’istanza normale di Word.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Assicurati che Word sia installato su questo computer.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Apri Word normalmente e verifica che si apra subito un documento vuoto, senza finestre che si intromettano (come quella di ripristino dei file di Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Verifica che, facendo doppio clic su un file DOC o DOCX, Word si apra normalmente senza messaggi che lo interrompano.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Questo programma supporta tutte le versioni di Word, tranne le rare edizioni Word Starter e Student.</translation>
    </message>
    <message>
        <source>Cause: %1</source>
        <translation>Causa: %1</translation>
    </message>
</context>
<context>
    <name>KeepsakeCommands</name>
    <message>
        <source>The design could not be stored: %1</source>
        <translation>Impossibile salvare lo stile: %1</translation>
    </message>
    <message>
        <source>Build anyway</source>
        <translation>Crea comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Import dates…</source>
        <translation>&amp;Importa date…</translation>
    </message>
    <message>
        <source>&amp;Export dates…</source>
        <translation>&amp;Esporta date…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>&amp;Ripeti: %1</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendario</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>&amp;Paper size</source>
        <translation>Formato &amp;carta</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Formato carta</translation>
    </message>
    <message>
        <source>The paper size could not be stored: %1</source>
        <translation>Non è stato possibile salvare il formato carta: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The language changes when the program starts again.</source>
        <translation>La lingua cambierà al prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>The language could not be stored: %1</source>
        <translation>Non è stato possibile salvare la lingua: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>The user guide could not be opened here. In a terminal, type: man daybloom</source>
        <translation>La guida non può essere aperta qui. In un terminale, digiti: man daybloom</translation>
    </message>
    <message>
        <source>%1
Version %2

Free software under the MIT licence.</source>
        <translation>%1
Versione %2

Software libero con licenza MIT.</translation>
    </message>
    <message>
        <source>&amp;Design…</source>
        <translation>&amp;Stile…</translation>
    </message>
    <message>
        <source>P&amp;ictures…</source>
        <translation>&amp;Immagini…</translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>silver wedding</source>
        <translation>nozze d&apos;argento</translation>
    </message>
    <message>
        <source>pearl wedding</source>
        <translation>nozze di perla</translation>
    </message>
    <message>
        <source>ruby wedding</source>
        <translation>nozze di rubino</translation>
    </message>
    <message>
        <source>golden wedding</source>
        <translation>nozze d&apos;oro</translation>
    </message>
    <message>
        <source>diamond wedding</source>
        <translation>nozze di diamante</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>The ordinal of one (&quot;1st&quot;), as in &quot;1st anniversary&quot;.</extracomment>
        <translation>1º</translation>
    </message>
    <message>
        <source>%1st</source>
        <extracomment>Ordinals: %1 is a count that ends in 1 but not 11 (&quot;21st&quot;, &quot;101st&quot;).</extracomment>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>Ordinals: %1 is a count that ends in 2 but not 12 (&quot;22nd&quot;).</extracomment>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>Ordinals: %1 is a count that ends in 3 but not 13 (&quot;23rd&quot;).</extracomment>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Ordinals: %1 is any other count (&quot;70th&quot;, &quot;11th&quot;).</extracomment>
        <translation>%1º</translation>
    </message>
    <message>
        <source>%1 birthday</source>
        <extracomment>A round birthday: %1 is its ordinal (&quot;70th birthday&quot;).</extracomment>
        <translation>%1 compleanno</translation>
    </message>
    <message>
        <source>%1 anniversary</source>
        <extracomment>A wedding anniversary worth celebrating: %1 is its ordinal (&quot;10th anniversary&quot;).</extracomment>
        <translation>%1 anniversario di matrimonio</translation>
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
        <translation>Pagina %1 di %2, zoom %3%</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Impossibile creare la cartella %1.</translation>
    </message>
    <message>
        <source>The picture cannot be kept in %1: %2</source>
        <translation>Impossibile conservare l&apos;immagine in %1: %2</translation>
    </message>
</context>
<context>
    <name>PicturePlaceView</name>
    <message>
        <source>Choose…</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Scegli un&apos;immagine per %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the picture of %1</source>
        <translation>Rimuovi l&apos;immagine di %1</translation>
    </message>
    <message>
        <source>No picture yet.
Drop one here.</source>
        <translation>Ancora nessuna immagine.
Rilasciane una qui.</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>Cover</source>
        <extracomment>The calendar&apos;s cover page, as a place for a picture.</extracomment>
        <translation>Copertina</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Cannot use %1 as a picture: %2</source>
        <translation>Impossibile usare %1 come immagine: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is a damaged HEIC picture (%1)</source>
        <translation>è un&apos;immagine HEIC danneggiata (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 pixels</source>
        <translation>è troppo grande: %1 pixel</translation>
    </message>
    <message>
        <source>it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)</source>
        <translation>non è un&apos;immagine che il programma sa leggere (JPEG, PNG, WebP, TIFF, BMP o HEIC)</translation>
    </message>
    <message>
        <source>the picture is damaged: it ends before its last part</source>
        <translation>l&apos;immagine è danneggiata: finisce prima della sua ultima parte</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>l&apos;immagine è danneggiata: %1</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Calendar Pictures</source>
        <translation>Immagini del calendario</translation>
    </message>
    <message>
        <source>The design %1 prints a picture on its cover and with every month. Choose a picture or drop one on its place. The program keeps its own copy: moving or deleting your file loses nothing.</source>
        <translation>Lo stile %1 stampa un&apos;immagine sulla copertina e con ogni mese. Scegli un&apos;immagine o rilasciala nel suo spazio. Il programma ne conserva una copia: spostare o eliminare il tuo file non fa perdere nulla.</translation>
    </message>
    <message>
        <source>The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). The pictures you choose here are kept for them.</source>
        <translation>Lo stile scelto, %1, non mostra immagini; questi stili le mostrano: %2 (Calendario ▸ Stile…). Le immagini scelte qui vengono conservate per loro.</translation>
    </message>
    <message>
        <source>&amp;Title on the cover:</source>
        <translation>&amp;Titolo in copertina:</translation>
    </message>
    <message>
        <source>Choose a Picture for %1</source>
        <translation>Scegli un&apos;immagine per %1</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>The picture of %1 could not be removed: %2</source>
        <translation>Impossibile rimuovere l&apos;immagine di %1: %2</translation>
    </message>
    <message>
        <source>Preparing the pictures…</source>
        <translation>Preparazione delle immagini…</translation>
    </message>
    <message>
        <source>Preparing %1 for %2 (%3 of %4)…</source>
        <translation>Preparazione di %1 per %2 (%3 di %4)…</translation>
    </message>
    <message>
        <source>Not every picture could be used; the others are kept.

%1</source>
        <translation>Non tutte le immagini sono utilizzabili; le altre sono conservate.

%1</translation>
    </message>
    <message>
        <source>The cover&apos;s title could not be stored: %1</source>
        <translation>Impossibile salvare il titolo della copertina: %1</translation>
    </message>
    <message>
        <source>There are no places left after %1 for %2 of the pictures; they were left out.</source>
        <translation>Non restano spazi dopo %1 per %2 delle immagini; sono state tralasciate.</translation>
    </message>
</context>
<context>
    <name>SampleEntries</name>
    <message>
        <source>Ruth Birthday</source>
        <translation>Compleanno di Ruth</translation>
    </message>
    <message>
        <source>Brian Birthday</source>
        <translation>Compleanno di Brian</translation>
    </message>
    <message>
        <source>John Birthday</source>
        <translation>Compleanno di John</translation>
    </message>
    <message>
        <source>Grampa Birthday</source>
        <translation>Compleanno del nonno</translation>
    </message>
    <message>
        <source>Elvis Anniversary</source>
        <translation>Anniversario di Elvis</translation>
    </message>
    <message>
        <source>Mary Birthday</source>
        <translation>Compleanno di Mary</translation>
    </message>
    <message>
        <source>Nancy Birthday</source>
        <translation>Compleanno di Nancy</translation>
    </message>
    <message>
        <source>Mom Birthday</source>
        <translation>Compleanno della mamma</translation>
    </message>
</context>
<context>
    <name>SpaceCheckedSave</name>
    <message>
        <source>The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).</source>
        <translation>Impossibile salvare il calendario in %1: sul suo disco non è rimasto abbastanza spazio libero (%2 liberi su %3).</translation>
    </message>
</context>
<context>
    <name>StartupEntries</name>
    <message>
        <source>Changes to the calendar cannot be saved: %1.</source>
        <translation>Non è possibile salvare le modifiche al calendario: %1.</translation>
    </message>
    <message>
        <source>The stored entries are shown. Every change stays in its box and is saved as soon as the settings file can be written.</source>
        <translation>Sono visualizzate le annotazioni salvate. Ogni modifica resta nella sua casella e verrà salvata appena sarà possibile scrivere il file delle impostazioni.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2.</source>
        <translation>Non è possibile usare la cartella temporanea %1: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>it cannot be made private</source>
        <translation>non è possibile renderla privata</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>non è possibile scriverci</translation>
    </message>
    <message>
        <source>there is no space left on its disk</source>
        <translation>non c’è più spazio sul suo disco</translation>
    </message>
    <message>
        <source>A private folder of your own is used instead: %1.</source>
        <translation>Al suo posto viene usata una cartella privata tutta sua: %1.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>The program cannot go on and ends.</source>
        <translation>Il programma non può proseguire e termina.</translation>
    </message>
    <message>
        <source>an error of an unknown kind</source>
        <translation>un errore di tipo sconosciuto</translation>
    </message>
</context>
<context>
    <name>UnsavedEntriesCheck</name>
    <message>
        <source>Retry</source>
        <translation>Riprova</translation>
    </message>
    <message>
        <source>Save to Another File...</source>
        <translation>Salva in un altro file...</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Chiudi comunque</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Unsaved entries: %1. They could not be saved because %2.</source>
        <translation>Annotazioni non salvate: %1. Non è stato possibile salvarle perché %2.</translation>
    </message>
    <message>
        <source>&quot;Retry&quot; tries the settings file again. &quot;Save to Another File...&quot; saves all entries to a file you choose, which can later replace the settings file. &quot;Close Anyway&quot; loses the unsaved entries.</source>
        <translation>«Riprova» tenta di nuovo con il file delle impostazioni. «Salva in un altro file...» salva tutte le annotazioni in un file a tua scelta, che in seguito può sostituire il file delle impostazioni. «Chiudi comunque» perde le annotazioni non salvate.</translation>
    </message>
    <message>
        <source>The entries could not be saved to %1: %2.</source>
        <translation>Non è stato possibile salvare le annotazioni in %1: %2.</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Application Error</source>
        <translation>Errore dell’applicazione</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>: no birthday or anniversary</source>
        <translation>: nessun compleanno né anniversario</translation>
    </message>
    <message>
        <source>: no name</source>
        <translation>: nessun nome</translation>
    </message>
    <message>
        <source>the file holds no contact cards</source>
        <translation>il file non contiene schede di contatto</translation>
    </message>
</context>
<context>
    <name>WindowSetup</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
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
        <translation>&amp;Anno</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>&amp;Every year</source>
        <translation>&amp;Ogni anno</translation>
    </message>
    <message>
        <source>The year could not be stored: %1</source>
        <translation>Impossibile salvare l&apos;anno: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;daybloom --help&apos; for more information.</source>
        <translation>Prova «daybloom --help» per maggiori informazioni.</translation>
    </message>
</context>
</TS>
