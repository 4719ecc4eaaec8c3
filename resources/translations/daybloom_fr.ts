<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BackgroundPictures</name>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>%1 n&apos;a pas pu être conservé : %2</translation>
    </message>
</context>
<context>
    <name>BuildPreflight</name>
    <message>
        <source>%1: %2 pixels per inch</source>
        <extracomment>A picture in a list of those that would print blurry: %1 is its place (&quot;Cover&quot;, &quot;January&quot;), %2 the pixels per inch it would print at.</extracomment>
        <translation>%1 : %2 pixels par pouce</translation>
    </message>
    <message>
        <source>These pictures are too small for their place and would print blurry (at least %1 pixels per inch look sharp):</source>
        <translation>Ces images sont trop petites pour leur emplacement et seraient imprimées floues (elles sont nettes à partir de %1 pixels par pouce) :</translation>
    </message>
    <message>
        <source>The entries of these months are too long to fit on the month&apos;s page; the month would run onto the next page:</source>
        <translation>Les entrées de ces mois sont trop longues pour la page du mois ; le mois déborderait sur la page suivante :</translation>
    </message>
    <message>
        <source>Make the calendar anyway?</source>
        <translation>Créer le calendrier quand même ?</translation>
    </message>
</context>
<context>
    <name>CalendarChanges</name>
    <message>
        <source>the safety copy %1 could not be written: %2</source>
        <translation>la copie de sécurité %1 n&apos;a pas pu être écrite : %2</translation>
    </message>
</context>
<context>
    <name>CalendarDesigns</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Wall calendar</source>
        <translation>Calendrier mural</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaleureux</translation>
    </message>
    <message>
        <source>Quiet</source>
        <translation>Sobre</translation>
    </message>
</context>
<context>
    <name>CalendarEntryStore</name>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>le fichier de réglages %1 ne peut pas être écrit</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation>le fichier de réglages %1 est endommagé</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>il n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 does not end in a known suffix: use %2.</source>
        <translation>%1 ne se termine pas par une extension connue : utilisez %2.</translation>
    </message>
</context>
<context>
    <name>CalendarOptions</name>
    <message>
        <source>Our family&apos;s birthdays</source>
        <extracomment>The title printed on a calendar&apos;s cover unless the person writes their own.</extracomment>
        <translation>Les anniversaires de notre famille</translation>
    </message>
</context>
<context>
    <name>CalendarTemplate</name>
    <message>
        <source>The %1 calendar template is missing from the program.</source>
        <translation>Le modèle de calendrier %1 manque dans le programme.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--paper needs a paper size: %1</source>
        <translation>--paper demande un format de papier : %1</translation>
    </message>
    <message>
        <source>unknown paper size &apos;%1&apos;: use %2</source>
        <translation>format de papier inconnu « %1 » : utilisez %2</translation>
    </message>
    <message>
        <source>--date-order needs an order: dmy or mdy</source>
        <translation>--date-order demande un ordre : dmy ou mdy</translation>
    </message>
    <message>
        <source>unknown date order &apos;%1&apos;: use dmy or mdy</source>
        <translation>ordre de date inconnu « %1 » : utilisez dmy ou mdy</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <source>--import needs at least one file</source>
        <translation>--import demande au moins un fichier</translation>
    </message>
    <message>
        <source>--paper goes with --export</source>
        <translation>--paper va avec --export</translation>
    </message>
    <message>
        <source>--date-order goes with --import</source>
        <translation>--date-order va avec --import</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 demande un nom de fichier</translation>
    </message>
    <message>
        <source>Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |
                --import [--date-order ORDER] FILE…]
</source>
        <translation>Usage : daybloom [--export FICHIER [--paper FORMAT] | --export-dates FICHIER |
                 --import [--date-order ORDRE] FICHIER…]
</translation>
    </message>
    <message>
        <source>Makes a printable calendar of the family&apos;s dates.

Without options the main window opens.

</source>
        <translation>Crée un calendrier imprimable des dates de la famille.

Sans option, la fenêtre principale s&apos;ouvre.

</translation>
    </message>
    <message>
        <source>  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper
                  rather than the paper chosen in the window (or, until one is
                  chosen, the paper usual in the locale)
</source>
        <translation>  --paper FORMAT  avec --export : mettre le calendrier en page sur du papier
                  letter, a4 ou a5 plutôt que sur celui choisi dans la fenêtre
                  (ou, tant qu&apos;aucun n&apos;est choisi, celui d&apos;usage dans le pays)
</translation>
    </message>
    <message>
        <source>  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or
                  calendar (.ics) files to the stored entries, without a window,
                  and print what was added and what was skipped
</source>
        <translation>  --import FICHIER…  ajouter aux entrées enregistrées, sans fenêtre, les dates
                  de fichiers de contacts (.vcf), de tableurs (.csv) ou
                  d&apos;agendas (.ics), et afficher ce qui a été ajouté ou ignoré
</translation>
    </message>
    <message>
        <source>  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day
                  first) or mdy (month first); without it a file that could be
                  read either way is refused
</source>
        <translation>  --date-order ORDRE  avec --import : lire les dates comme 04/05/1990 en dmy
                  (jour d&apos;abord) ou mdy (mois d&apos;abord) ; sans cela, un fichier
                  lisible dans les deux sens est refusé
</translation>
    </message>
    <message>
        <source>  -h, --help      show this help and exit
  -v, --version   show the version and exit

</source>
        <translation>  -h, --help      afficher cette aide et quitter
  -v, --version   afficher la version et quitter

</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a
file cannot be read (the cause is printed); 2 for a command line that is not
understood.
</source>
        <translation>Code de sortie : 0 en cas de réussite ; 1 si le calendrier ou les dates ne peuvent
pas être écrits ou si un fichier ne peut pas être lu (la cause est affichée) ; 2
pour une ligne de commande incomprise.
</translation>
    </message>
    <message>
        <source>  --export FILE   build the calendar from the stored entries, without a window,
                  and write FILE in the format of its suffix:
%1                  The stored entries are read, never changed.
</source>
        <translation>  --export FICHIER  créer le calendrier à partir des entrées enregistrées, sans
                  fenêtre, et écrire FICHIER au format de son extension :
%1                  Les entrées enregistrées sont lues, jamais modifiées.
</translation>
    </message>
    <message>
        <source>--design needs a design: %1</source>
        <translation>--design demande un modèle : %1</translation>
    </message>
    <message>
        <source>--year needs a year from %1 to %2, or every</source>
        <translation>--year demande une année de %1 à %2, ou every</translation>
    </message>
    <message>
        <source>--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE</source>
        <translation>--picture demande un emplacement et un fichier : cover=FICHIER, 1=FICHIER … 12=FICHIER</translation>
    </message>
    <message>
        <source>unknown design &apos;%1&apos;: use %2</source>
        <translation>modèle inconnu « %1 » : utilisez %2</translation>
    </message>
    <message>
        <source>--design goes with --export</source>
        <translation>--design va avec --export</translation>
    </message>
    <message>
        <source>--year goes with --export</source>
        <translation>--year va avec --export</translation>
    </message>
    <message>
        <source>--picture goes with --export</source>
        <translation>--picture va avec --export</translation>
    </message>
    <message>
        <source>       daybloom --export FILE [--design NAME] [--year YEAR] [--picture PLACE=FILE]…
</source>
        <translation>        daybloom --export FICHIER [--design NOM] [--year ANNÉE] [--picture PLACE=FICHIER]…
</translation>
    </message>
    <message>
        <source>  --design NAME   with --export: the calendar&apos;s design rather than the one chosen in
                  the window: %1
</source>
        <translation>  --design NOM    avec --export : le modèle du calendrier plutôt que celui choisi
                  dans la fenêtre : %1
</translation>
    </message>
    <message>
        <source>  --year YEAR     with --export: the calendar for that year, with weekdays, ages and
                  milestones, or every for the calendar of every year, rather than
                  the edition chosen in the window
</source>
        <translation>  --year ANNÉE    avec --export : le calendrier de cette année, avec les jours de la
                  semaine, les âges et les grands anniversaires, ou every pour le
                  calendrier perpétuel, plutôt que l&apos;édition choisie dans la fenêtre
</translation>
    </message>
    <message>
        <source>  --picture PLACE=FILE
                  with --export: the picture of a place (cover, or 1 to 12 for the
                  months) for this calendar only; given again for each place
</source>
        <translation>  --picture PLACE=FICHIER
                  avec --export : l&apos;image d&apos;un emplacement (cover, ou 1 à 12 pour
                  les mois) pour ce calendrier seulement ; à répéter pour chaque place
</translation>
    </message>
    <message>
        <source>  --export-dates FILE
                  write every day that holds an entry to FILE, for calendar
                  programs (.ics: a yearly all-day event per day, and one for each
                  part that gives its year, starting in that year) or spreadsheets
                  (.csv: the columns Month, Day, Entry and Year)
</source>
        <translation>  --export-dates FICHIER
                  écrire chaque jour qui a une entrée dans FICHIER, pour les agendas
                  (.ics : un événement annuel d&apos;une journée par jour, et un par partie
                  qui donne son année, commençant cette année-là) ou les tableurs
                  (.csv : les colonnes Month, Day, Entry et Year)
</translation>
    </message>
</context>
<context>
    <name>CsvDatesReader</name>
    <message>
        <source>the file holds no rows of names and dates</source>
        <translation>le fichier ne contient aucune ligne de noms et de dates</translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation>n&apos;est pas une date</translation>
    </message>
    <message>
        <source>has no four-digit year</source>
        <translation>n&apos;a pas d&apos;année à quatre chiffres</translation>
    </message>
    <message>
        <source>is not a real calendar day</source>
        <translation>n&apos;est pas un vrai jour du calendrier</translation>
    </message>
    <message>
        <source>row %1: not a month, a day and an entry</source>
        <translation>ligne %1 : pas un mois, un jour et une entrée</translation>
    </message>
    <message>
        <source>the file ends inside quotes, so the row is cut short</source>
        <translation>le fichier se termine entre guillemets, la ligne est donc tronquée</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>aucun nom</translation>
    </message>
    <message>
        <source>a date of no type</source>
        <translation>une date sans type</translation>
    </message>
    <message>
        <source>: no date</source>
        <translation> : aucune date</translation>
    </message>
    <message>
        <source>the dates could be read as month/day or as day/month, such as %1</source>
        <translation>les dates peuvent se lire mois/jour ou jour/mois, comme %1</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a year</source>
        <translation>ligne %1 : « %2 » n’est pas une année</translation>
    </message>
</context>
<context>
    <name>DamagedSettingsRescue</name>
    <message>
        <source>The settings file %1 could not be read cleanly.</source>
        <translation>Le fichier de réglages %1 n&apos;a pas pu être lu correctement.</translation>
    </message>
    <message>
        <source> It could not be copied aside (%1), so it was left as it is.</source>
        <translation> Il n&apos;a pas pu être mis de côté (%1) ; il est donc resté tel quel.</translation>
    </message>
    <message>
        <source> A copy of it as it was is kept as %1.</source>
        <translation> Une copie de son état d’origine est conservée sous %1.</translation>
    </message>
    <message>
        <source> A clean settings file could not be written (%1).</source>
        <translation> Un fichier de réglages propre n&apos;a pas pu être écrit (%1).</translation>
    </message>
    <message>
        <source>Entries recovered: %1. </source>
        <translation>Entrées récupérées : %1. </translation>
    </message>
    <message>
        <source>They are shown and stored in a new, clean settings file.</source>
        <translation>Elles sont affichées et enregistrées dans un nouveau fichier de réglages propre.</translation>
    </message>
    <message>
        <source>They are shown but not saved yet.</source>
        <translation>Elles sont affichées mais pas encore enregistrées.</translation>
    </message>
    <message>
        <source> Some days are written in it more than once (%1): the last text written for each is used.</source>
        <translation> Certains jours y figurent plusieurs fois (%1) : pour chacun, le dernier texte écrit est utilisé.</translation>
    </message>
</context>
<context>
    <name>DateExporter</name>
    <message>
        <source>1 day</source>
        <translation>1 jour</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>The entries of %1 are written to %2.</source>
        <translation>Les entrées de %1 sont écrites dans %2.</translation>
    </message>
</context>
<context>
    <name>DateFileReader</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>Impossible d&apos;importer %1 : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>at over %1 MB it is too large to be a contacts or calendar file</source>
        <translation>avec plus de %1 Mo, il est trop gros pour un fichier de contacts ou d&apos;agenda</translation>
    </message>
    <message>
        <source>contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)</source>
        <translation>fiches de contact (.vcf), lignes de tableur (.csv, .tsv, .txt) ou événements d&apos;agenda (.ics)</translation>
    </message>
    <message>
        <source>it is none of %1</source>
        <translation>il ne contient pas de %1</translation>
    </message>
</context>
<context>
    <name>DateImport</name>
    <message>
        <source>%1: %2; no order was chosen</source>
        <translation>%1 : %2 ; aucun ordre n&apos;a été choisi</translation>
    </message>
    <message>
        <source>no dates found in %1</source>
        <translation>aucune date trouvée dans %1</translation>
    </message>
</context>
<context>
    <name>DateImporter</name>
    <message>
        <source>In %1 %2.

Is 04/05/1990 April 5 or May 4?</source>
        <translation>Dans %1, %2.

Le 04/05/1990 est-il le 5 avril ou le 4 mai ?</translation>
    </message>
    <message>
        <source>April 5 (Month First)</source>
        <translation>5 avril (mois en premier)</translation>
    </message>
    <message>
        <source>May 4 (Day First)</source>
        <translation>4 mai (jour en premier)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>Importer des dates</translation>
    </message>
    <message>
        <source>

Add them to the calendar?</source>
        <translation>

Les ajouter au calendrier ?</translation>
    </message>
    <message>
        <source>Dates imported</source>
        <translation>Dates importées</translation>
    </message>
    <message>
        <source>Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</source>
        <translation>Contacts et agendas (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Reading %1 (file %2 of %3)…</source>
        <translation>Lecture de %1 (fichier %2 sur %3)…</translation>
    </message>
    <message>
        <source>Working out what the dates change…</source>
        <translation>Calcul de ce que les dates changent…</translation>
    </message>
    <message>
        <source>Reading the files…</source>
        <translation>Lecture des fichiers…</translation>
    </message>
</context>
<context>
    <name>DatesExport</name>
    <message>
        <source>%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.</source>
        <translation>%1 ne se termine pas par une extension connue : utilisez .ics pour les agendas ou .csv pour les tableurs.</translation>
    </message>
    <message>
        <source>The calendar holds no entries, so there are no dates to export.</source>
        <translation>Le calendrier ne contient aucune entrée : il n&apos;y a donc aucune date à exporter.</translation>
    </message>
</context>
<context>
    <name>DayBox</name>
    <message>
        <source>Control characters (invisible codes) were left out.</source>
        <translation>Les caractères de contrôle (codes invisibles) ont été omis.</translation>
    </message>
    <message>
        <source>A day&apos;s box holds at most %1 characters: the rest was left out.</source>
        <translation>La case d&apos;un jour contient au plus %1 caractères : le reste a été omis.</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Calendar Design</source>
        <translation>Style du calendrier</translation>
    </message>
    <message>
        <source>Choose how the printed calendar looks. Each picture shows a design&apos;s first pages on your paper (%1).</source>
        <translation>Choisissez l&apos;apparence du calendrier imprimé. Chaque image montre les premières pages d&apos;un style sur votre papier (%1).</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Dessin en cours…</translation>
    </message>
    <message>
        <source>Use this design</source>
        <translation>Utiliser ce style</translation>
    </message>
    <message>
        <source>Drawing the designs&apos; pictures…</source>
        <translation>Dessin des images des styles…</translation>
    </message>
    <message>
        <source>Some pictures could not be drawn; the designs can still be chosen.
%1</source>
        <translation>Certaines images n&apos;ont pas pu être dessinées ; les styles peuvent tout de même être choisis.
%1</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>The office laid out no page.</source>
        <translation>La suite bureautique n&apos;a mis en page aucune page.</translation>
    </message>
</context>
<context>
    <name>DocumentCopy</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>the office wrote nothing</source>
        <translation>la suite bureautique n&apos;a rien écrit</translation>
    </message>
</context>
<context>
    <name>DocumentFormats</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Fichiers Word (*.doc)</translation>
    </message>
    <message>
        <source>Word 97-2003</source>
        <translation>Word 97-2003</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Word 2007-365 Files (*.docx)</source>
        <translation>Fichiers Word 2007-365 (*.docx)</translation>
    </message>
    <message>
        <source>Word 2007-365</source>
        <translation>Word 2007-365</translation>
    </message>
    <message>
        <source>OpenDocument Text Files (*.odt)</source>
        <translation>Fichiers texte OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>OpenDocument Text</source>
        <translation>texte OpenDocument</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>DocumentPrinter</name>
    <message>
        <source>the pages of %1 could not be read</source>
        <translation>les pages de %1 n&apos;ont pas pu être lues</translation>
    </message>
    <message>
        <source>the printer %1 refused the job</source>
        <translation>l&apos;imprimante %1 a refusé la tâche</translation>
    </message>
    <message>
        <source>the printer %1 did not take the job</source>
        <translation>l&apos;imprimante %1 n&apos;a pas pris la tâche</translation>
    </message>
</context>
<context>
    <name>EntryPanel</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>EntryWriter</name>
    <message>
        <source>The entry for %1 could not be saved: %2.</source>
        <translation>L&apos;entrée du %1 n&apos;a pas pu être enregistrée : %2.</translation>
    </message>
    <message>
        <source>The text stays in its box. Every further change tries again, and the unsaved entries are saved as soon as the settings file can be written.</source>
        <translation>Le texte reste dans sa case. Chaque nouvelle modification réessaie, et les entrées non enregistrées le seront dès que le fichier de réglages pourra être écrit.</translation>
    </message>
</context>
<context>
    <name>EntryYears</name>
    <message>
        <source>%1 in %2</source>
        <extracomment>What a calendar for one year makes of a year in an entry: %1 is the count of years, %2 the calendar&apos;s year (&quot;71 in 2027&quot;).</extracomment>
        <translation>%1 en %2</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>at line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Merci d&apos;envoyer une capture d&apos;écran de ce message par e-mail à %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ExportLook</name>
    <message>
        <source>the %1 design has no place for a picture of %2</source>
        <translation>le modèle %1 n&apos;a pas de place pour une image de %2</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier de ce nom est dans le chemin</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>c&apos;est un périphérique, pas un fichier</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>c&apos;est un tube, pas un fichier</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>c&apos;est un socket, pas un fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>ses liens tournent en rond</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>il est en lecture seule</translation>
    </message>
    <message>
        <source> (it links to %1)</source>
        <translation> (il pointe vers %1)</translation>
    </message>
    <message>
        <source>%1 is a link another user made in the shared folder %2, and such a link is not followed</source>
        <translation>%1 est un lien créé par un autre utilisateur dans le dossier partagé %2, et un tel lien n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>it is one of this program&apos;s own files</source>
        <translation>c&apos;est un des fichiers propres à ce programme</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>le dossier %1 est en lecture seule</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Impossible d&apos;écrire %1 : %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2.

Are you sure you wish to overwrite %2 ?</source>
        <translation>%1 est un lien vers %2.

Voulez-vous vraiment remplacer %2 ?</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>Voulez-vous vraiment remplacer %1 ?</translation>
    </message>
    <message>
        <source>it is a link another user made in the shared folder %1, and such a link is not followed</source>
        <translation>c&apos;est un lien créé par un autre utilisateur dans le dossier partagé %1, et un tel lien n&apos;est pas suivi</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Cannot open %1 for writing: %2</source>
        <translation>Impossible d&apos;ouvrir %1 en écriture : %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Créer le calendrier</translation>
    </message>
    <message>
        <source>Makes the calendar document from the entries and shows its pages</source>
        <translation>Crée le document du calendrier à partir des entrées et affiche ses pages</translation>
    </message>
    <message>
        <source>Clear/Reset Calendar</source>
        <translation>Vider le calendrier</translation>
    </message>
    <message>
        <source>Empties the entries of all 366 days</source>
        <translation>Vide les entrées des 366 jours</translation>
    </message>
    <message>
        <source>Load Sample/Example Amounts</source>
        <translation>Charger des exemples</translation>
    </message>
    <message>
        <source>Writes eight example entries</source>
        <translation>Inscrit huit entrées d’exemple</translation>
    </message>
    <message>
        <source>Calendar cleared</source>
        <translation>Calendrier vidé</translation>
    </message>
    <message>
        <source>Sample entries loaded</source>
        <translation>Exemples chargés</translation>
    </message>
    <message>
        <source>%1: Ctrl+Z takes it back.</source>
        <translation>%1 : Ctrl+Z annule.</translation>
    </message>
    <message>
        <source>%1: taken back (Ctrl+Shift+Z does it again).</source>
        <translation>%1 : annulé (Ctrl+Maj+Z le refait).</translation>
    </message>
    <message>
        <source>%1: done again.</source>
        <translation>%1 : refait.</translation>
    </message>
    <message>
        <source>Save Entries</source>
        <translation>Enregistrer les entrées</translation>
    </message>
    <message>
        <source>Settings Files (*.ini)</source>
        <translation>Fichiers de réglages (*.ini)</translation>
    </message>
    <message>
        <source>Export Dates</source>
        <translation>Exporter les dates</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>Fichiers d’agenda (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)</source>
        <translation>Fichiers de tableur (*.csv)</translation>
    </message>
    <message>
        <source>Family dates.ics</source>
        <translation>Dates de famille.ics</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Retour</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Enregistrer en fichier Word</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Shows the page larger (Ctrl++)</source>
        <translation>Affiche la page en plus grand (Ctrl++)</translation>
    </message>
    <message>
        <source>Shows the page smaller (Ctrl+-)</source>
        <translation>Affiche la page en plus petit (Ctrl+-)</translation>
    </message>
    <message>
        <source>Saves the calendar as a document or PDF (Ctrl+S)</source>
        <translation>Enregistre le calendrier en document ou en PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Goes back to the entries (Esc)</source>
        <translation>Revient aux entrées (Échap)</translation>
    </message>
    <message>
        <source>There is no calendar to print.</source>
        <translation>Il n&apos;y a pas de calendrier à imprimer.</translation>
    </message>
    <message>
        <source>no office is available to lay the pages out</source>
        <translation>aucune suite bureautique n&apos;est disponible pour mettre les pages en forme</translation>
    </message>
    <message>
        <source>Daybloom calendar</source>
        <translation>Calendrier Daybloom</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1.</source>
        <translation>Le calendrier n&apos;a pas pu être imprimé : %1.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Page(s)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>No office is available to write the document.</source>
        <translation>Aucune suite bureautique n&apos;est disponible pour écrire le document.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Enregistrer sous…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>The environment variable HOME is not set, and your user account names no home folder: the settings file is %1.</source>
        <translation>La variable d’environnement HOME n’est pas définie et votre compte utilisateur n’indique aucun dossier personnel : le fichier de réglages est %1.</translation>
    </message>
    <message>
        <source>The environment variable HOME is not set: the home folder of your user account, %1, is used.</source>
        <translation>La variable d’environnement HOME n’est pas définie : le dossier personnel de votre compte utilisateur, %1, est utilisé.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>the file holds no calendar events</source>
        <translation>le fichier ne contient aucun événement d&apos;agenda</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 Birthday</source>
        <extracomment>An imported birthday as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Anniversaire de %1</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <extracomment>An imported anniversary as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Anniversaire de mariage de %1</translation>
    </message>
    <message>
        <source>%1: no such day</source>
        <translation>%1 : ce jour n’existe pas</translation>
    </message>
    <message>
        <source>
… and %1 more.</source>
        <translation>
… et %1 de plus.</translation>
    </message>
    <message>
        <source>%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).</source>
        <translation>%1 nouvelles entrées sur %2 jours, dont %3 contiennent déjà du texte (le nouveau texte vient à la suite).</translation>
    </message>
    <message>
        <source>No dates found.</source>
        <translation>Aucune date trouvée.</translation>
    </message>
    <message>
        <source>Nothing new to add: every date is in the calendar already.</source>
        <translation>Rien de nouveau à ajouter : toutes les dates sont déjà dans le calendrier.</translation>
    </message>
    <message>
        <source>Nothing can be added.</source>
        <translation>Rien ne peut être ajouté.</translation>
    </message>
    <message>
        <source>Left out, as the day&apos;s text would be over %1 characters</source>
        <translation>Laissées de côté, car le texte du jour dépasserait %1 caractères</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignorées</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>Non lus</translation>
    </message>
    <message>
        <source> Control characters (invisible codes) were left out of %1 of them.</source>
        <translation> Les caractères de contrôle (codes invisibles) ont été omis dans %1 d&apos;entre elles.</translation>
    </message>
    <message>
        <source>Entries already in the calendar that get their year: %1.</source>
        <translation>Entrées déjà dans le calendrier qui reçoivent leur année : %1.</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Erreur 842001. Une instance normale de Word n&apos;a pas pu être créée.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Vérifiez que Word est installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Ouvrez Word normalement et vérifiez qu&apos;un document vierge s&apos;ouvre aussitôt, sans fenêtre qui s&apos;interpose (comme une fenêtre de récupération de fichiers Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Vérifiez qu&apos;un double-clic sur un fichier DOC ou DOCX ouvre Word normalement, sans message qui s&apos;interpose.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Ce logiciel prend en charge toutes les versions de Word, sauf les rares éditions Word Starter et Student.</translation>
    </message>
    <message>
        <source>Cause: %1</source>
        <translation>Cause : %1</translation>
    </message>
</context>
<context>
    <name>KeepsakeCommands</name>
    <message>
        <source>The design could not be stored: %1</source>
        <translation>Le style n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Build anyway</source>
        <translation>Créer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>&amp;Import dates…</source>
        <translation>&amp;Importer des dates…</translation>
    </message>
    <message>
        <source>&amp;Export dates…</source>
        <translation>&amp;Exporter les dates…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>&amp;Rétablir : %1</translation>
    </message>
    <message>
        <source>&amp;Calendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>&amp;Paper size</source>
        <translation>Format du &amp;papier</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>The paper size could not be stored: %1</source>
        <translation>Le format du papier n’a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>The language changes when the program starts again.</source>
        <translation>La langue changera au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>The language could not be stored: %1</source>
        <translation>La langue n’a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>&amp;Guide d’utilisation</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>The user guide could not be opened here. In a terminal, type: man daybloom</source>
        <translation>Le guide d’utilisation ne peut pas être ouvert ici. Dans un terminal, tapez : man daybloom</translation>
    </message>
    <message>
        <source>%1
Version %2

Free software under the MIT licence.</source>
        <translation>%1
Version %2

Logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>&amp;Design…</source>
        <translation>&amp;Style…</translation>
    </message>
    <message>
        <source>P&amp;ictures…</source>
        <translation>&amp;Images…</translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>silver wedding</source>
        <translation>noces d&apos;argent</translation>
    </message>
    <message>
        <source>pearl wedding</source>
        <translation>noces de perle</translation>
    </message>
    <message>
        <source>ruby wedding</source>
        <translation>noces de rubis</translation>
    </message>
    <message>
        <source>golden wedding</source>
        <translation>noces d&apos;or</translation>
    </message>
    <message>
        <source>diamond wedding</source>
        <translation>noces de diamant</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>The ordinal of one (&quot;1st&quot;), as in &quot;1st anniversary&quot;.</extracomment>
        <translation>1er</translation>
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
        <translation>%1 anniversaire</translation>
    </message>
    <message>
        <source>%1 anniversary</source>
        <extracomment>A wedding anniversary worth celebrating: %1 is its ordinal (&quot;10th anniversary&quot;).</extracomment>
        <translation>%1 anniversaire de mariage</translation>
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
        <translation>Page %1 sur %2, zoom %3 %</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The picture cannot be kept in %1: %2</source>
        <translation>L&apos;image ne peut pas être conservée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>PicturePlaceView</name>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Choisir une image pour %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the picture of %1</source>
        <translation>Retirer l&apos;image de %1</translation>
    </message>
    <message>
        <source>No picture yet.
Drop one here.</source>
        <translation>Pas encore d&apos;image.
Déposez-en une ici.</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>Cover</source>
        <extracomment>The calendar&apos;s cover page, as a place for a picture.</extracomment>
        <translation>Couverture</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Cannot use %1 as a picture: %2</source>
        <translation>Impossible d&apos;utiliser %1 comme image : %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a damaged HEIC picture (%1)</source>
        <translation>c&apos;est une image HEIC endommagée (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 pixels</source>
        <translation>elle est trop grande : %1 pixels</translation>
    </message>
    <message>
        <source>it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)</source>
        <translation>ce n&apos;est pas une image que le programme sait lire (JPEG, PNG, WebP, TIFF, BMP ou HEIC)</translation>
    </message>
    <message>
        <source>the picture is damaged: it ends before its last part</source>
        <translation>l&apos;image est endommagée : elle s&apos;arrête avant sa dernière partie</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>l&apos;image est endommagée : %1</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Calendar Pictures</source>
        <translation>Images du calendrier</translation>
    </message>
    <message>
        <source>The design %1 prints a picture on its cover and with every month. Choose a picture or drop one on its place. The program keeps its own copy: moving or deleting your file loses nothing.</source>
        <translation>Le style %1 imprime une image sur la couverture et avec chaque mois. Choisissez une image ou déposez-la sur son emplacement. Le programme en garde sa propre copie : déplacer ou supprimer votre fichier ne fait rien perdre.</translation>
    </message>
    <message>
        <source>The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). The pictures you choose here are kept for them.</source>
        <translation>Le style choisi, %1, n&apos;affiche pas d&apos;images ; ces styles les affichent : %2 (Calendrier ▸ Style…). Les images choisies ici sont conservées pour eux.</translation>
    </message>
    <message>
        <source>&amp;Title on the cover:</source>
        <translation>&amp;Titre de la couverture :</translation>
    </message>
    <message>
        <source>Choose a Picture for %1</source>
        <translation>Choisir une image pour %1</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</source>
        <translation>Images (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The picture of %1 could not be removed: %2</source>
        <translation>L&apos;image de %1 n&apos;a pas pu être retirée : %2</translation>
    </message>
    <message>
        <source>Preparing the pictures…</source>
        <translation>Préparation des images…</translation>
    </message>
    <message>
        <source>Preparing %1 for %2 (%3 of %4)…</source>
        <translation>Préparation de %1 pour %2 (%3 sur %4)…</translation>
    </message>
    <message>
        <source>Not every picture could be used; the others are kept.

%1</source>
        <translation>Toutes les images n&apos;ont pas pu être utilisées ; les autres sont conservées.

%1</translation>
    </message>
    <message>
        <source>The cover&apos;s title could not be stored: %1</source>
        <translation>Le titre de la couverture n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>There are no places left after %1 for %2 of the pictures; they were left out.</source>
        <translation>Il ne reste plus d&apos;emplacement après %1 pour %2 des images ; elles ont été laissées de côté.</translation>
    </message>
</context>
<context>
    <name>SampleEntries</name>
    <message>
        <source>Ruth Birthday</source>
        <translation>Anniversaire de Ruth</translation>
    </message>
    <message>
        <source>Brian Birthday</source>
        <translation>Anniversaire de Brian</translation>
    </message>
    <message>
        <source>John Birthday</source>
        <translation>Anniversaire de John</translation>
    </message>
    <message>
        <source>Grampa Birthday</source>
        <translation>Anniversaire de Papy</translation>
    </message>
    <message>
        <source>Elvis Anniversary</source>
        <translation>Anniversaire de mariage d’Elvis</translation>
    </message>
    <message>
        <source>Mary Birthday</source>
        <translation>Anniversaire de Mary</translation>
    </message>
    <message>
        <source>Nancy Birthday</source>
        <translation>Anniversaire de Nancy</translation>
    </message>
    <message>
        <source>Mom Birthday</source>
        <translation>Anniversaire de Maman</translation>
    </message>
</context>
<context>
    <name>SpaceCheckedSave</name>
    <message>
        <source>The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).</source>
        <translation>Impossible d&apos;enregistrer le calendrier dans %1 : il ne reste pas assez d&apos;espace libre sur son disque (%2 libres sur %3).</translation>
    </message>
</context>
<context>
    <name>StartupEntries</name>
    <message>
        <source>Changes to the calendar cannot be saved: %1.</source>
        <translation>Les modifications du calendrier ne peuvent pas être enregistrées : %1.</translation>
    </message>
    <message>
        <source>The stored entries are shown. Every change stays in its box and is saved as soon as the settings file can be written.</source>
        <translation>Les entrées enregistrées sont affichées. Chaque modification reste dans sa case et sera enregistrée dès que le fichier de réglages pourra être écrit.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2.</source>
        <translation>Le dossier temporaire %1 ne peut pas être utilisé : %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>it cannot be made private</source>
        <translation>il ne peut pas être rendu privé</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>on ne peut pas y écrire</translation>
    </message>
    <message>
        <source>there is no space left on its disk</source>
        <translation>il n’y a plus de place sur son disque</translation>
    </message>
    <message>
        <source>A private folder of your own is used instead: %1.</source>
        <translation>Un dossier privé qui vous est propre est utilisé à la place : %1.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>The program cannot go on and ends.</source>
        <translation>Le programme ne peut pas continuer et s’arrête.</translation>
    </message>
    <message>
        <source>an error of an unknown kind</source>
        <translation>une erreur de nature inconnue</translation>
    </message>
</context>
<context>
    <name>UnsavedEntriesCheck</name>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Save to Another File...</source>
        <translation>Enregistrer dans un autre fichier...</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Unsaved entries: %1. They could not be saved because %2.</source>
        <translation>Entrées non enregistrées : %1. Elles n&apos;ont pas pu être enregistrées, car %2.</translation>
    </message>
    <message>
        <source>&quot;Retry&quot; tries the settings file again. &quot;Save to Another File...&quot; saves all entries to a file you choose, which can later replace the settings file. &quot;Close Anyway&quot; loses the unsaved entries.</source>
        <translation>« Réessayer » retente le fichier de réglages. « Enregistrer dans un autre fichier... » enregistre toutes les entrées dans un fichier de votre choix, qui pourra plus tard remplacer le fichier de réglages. « Fermer quand même » perd les entrées non enregistrées.</translation>
    </message>
    <message>
        <source>The entries could not be saved to %1: %2.</source>
        <translation>Les entrées n&apos;ont pas pu être enregistrées dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l&apos;application</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>: no birthday or anniversary</source>
        <translation> : ni anniversaire ni anniversaire de mariage</translation>
    </message>
    <message>
        <source>: no name</source>
        <translation> : aucun nom</translation>
    </message>
    <message>
        <source>the file holds no contact cards</source>
        <translation>le fichier ne contient aucune fiche de contact</translation>
    </message>
</context>
<context>
    <name>WindowSetup</name>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
</context>
<context>
    <name>YearEdition</name>
    <message>
        <source>Feb 29: %1</source>
        <extracomment>February 29&apos;s entry, printed on February 28 in a common year: %1 is the entry.</extracomment>
        <translation>29 févr. : %1</translation>
    </message>
</context>
<context>
    <name>YearMenu</name>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Année</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>&amp;Every year</source>
        <translation>&amp;Toutes les années</translation>
    </message>
    <message>
        <source>The year could not be stored: %1</source>
        <translation>L&apos;année n&apos;a pas pu être enregistrée : %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;daybloom --help&apos; for more information.</source>
        <translation>Essayez « daybloom --help » pour en savoir plus.</translation>
    </message>
</context>
</TS>
