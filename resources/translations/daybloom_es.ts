<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BackgroundPictures</name>
    <message>
        <source>%1 could not be kept: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>BuildPreflight</name>
    <message>
        <source>%1: %2 pixels per inch</source>
        <extracomment>A picture in a list of those that would print blurry: %1 is its place (&quot;Cover&quot;, &quot;January&quot;), %2 the pixels per inch it would print at.</extracomment>
        <translation>%1: %2 píxeles por pulgada</translation>
    </message>
    <message>
        <source>These pictures are too small for their place and would print blurry (at least %1 pixels per inch look sharp):</source>
        <translation>Estas imágenes son demasiado pequeñas para su lugar y se imprimirían borrosas (se ven nítidas desde %1 píxeles por pulgada):</translation>
    </message>
    <message>
        <source>The entries of these months are too long to fit on the month&apos;s page; the month would run onto the next page:</source>
        <translation>Las entradas de estos meses son demasiado largas para la página del mes; el mes pasaría a la página siguiente:</translation>
    </message>
    <message>
        <source>Make the calendar anyway?</source>
        <translation>¿Crear el calendario de todos modos?</translation>
    </message>
</context>
<context>
    <name>CalendarChanges</name>
    <message>
        <source>the safety copy %1 could not be written: %2</source>
        <translation>no se pudo escribir la copia de seguridad %1: %2</translation>
    </message>
</context>
<context>
    <name>CalendarDesigns</name>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Wall calendar</source>
        <translation>Calendario de pared</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálido</translation>
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
        <translation>no se puede escribir el archivo de configuración %1</translation>
    </message>
    <message>
        <source>the settings file %1 is damaged</source>
        <translation>el archivo de configuración %1 está dañado</translation>
    </message>
    <message>
        <source>it could not be written</source>
        <translation>no se pudo escribir</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
</context>
<context>
    <name>CalendarExport</name>
    <message>
        <source>%1 does not end in a known suffix: use %2.</source>
        <translation>%1 no termina en una extensión conocida: use %2.</translation>
    </message>
</context>
<context>
    <name>CalendarOptions</name>
    <message>
        <source>Our family&apos;s birthdays</source>
        <extracomment>The title printed on a calendar&apos;s cover unless the person writes their own.</extracomment>
        <translation>Los cumpleaños de nuestra familia</translation>
    </message>
</context>
<context>
    <name>CalendarTemplate</name>
    <message>
        <source>The %1 calendar template is missing from the program.</source>
        <translation>Falta en el programa la plantilla de calendario %1.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>--paper needs a paper size: %1</source>
        <translation>--paper necesita un tamaño de papel: %1</translation>
    </message>
    <message>
        <source>unknown paper size &apos;%1&apos;: use %2</source>
        <translation>tamaño de papel desconocido «%1»: use %2</translation>
    </message>
    <message>
        <source>--date-order needs an order: dmy or mdy</source>
        <translation>--date-order necesita un orden: dmy o mdy</translation>
    </message>
    <message>
        <source>unknown date order &apos;%1&apos;: use dmy or mdy</source>
        <translation>orden de fecha desconocido «%1»: use dmy o mdy</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>--import needs at least one file</source>
        <translation>--import necesita al menos un archivo</translation>
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
        <translation>%1 necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>Usage: daybloom [--export FILE [--paper SIZE] | --export-dates FILE |
                --import [--date-order ORDER] FILE…]
</source>
        <translation>Uso: daybloom [--export ARCHIVO [--paper TAMAÑO] | --export-dates ARCHIVO |
              --import [--date-order ORDEN] ARCHIVO…]
</translation>
    </message>
    <message>
        <source>Makes a printable calendar of the family&apos;s dates.

Without options the main window opens.

</source>
        <translation>Crea un calendario imprimible con las fechas de la familia.

Sin opciones se abre la ventana principal.

</translation>
    </message>
    <message>
        <source>  --paper SIZE    with --export: lay the calendar out on letter, a4 or a5 paper
                  rather than the paper chosen in the window (or, until one is
                  chosen, the paper usual in the locale)
</source>
        <translation>  --paper TAMAÑO  con --export: componer el calendario en papel letter, a4 o a5
                  en lugar del elegido en la ventana (o, mientras no se elija
                  ninguno, el habitual en el país)
</translation>
    </message>
    <message>
        <source>  --import FILE…  add the dates of contacts (.vcf), spreadsheet (.csv) or
                  calendar (.ics) files to the stored entries, without a window,
                  and print what was added and what was skipped
</source>
        <translation>  --import ARCHIVO…  añadir a las entradas guardadas, sin ventana, las fechas de
                  archivos de contactos (.vcf), hojas de cálculo (.csv) o
                  calendarios (.ics), e indicar qué se añadió y qué se omitió
</translation>
    </message>
    <message>
        <source>  --date-order ORDER  with --import: read dates such as 04/05/1990 as dmy (day
                  first) or mdy (month first); without it a file that could be
                  read either way is refused
</source>
        <translation>  --date-order ORDEN  con --import: leer fechas como 04/05/1990 como dmy (día
                  primero) o mdy (mes primero); sin esta opción se rechaza un
                  archivo que pueda leerse de las dos maneras
</translation>
    </message>
    <message>
        <source>  -h, --help      show this help and exit
  -v, --version   show the version and exit

</source>
        <translation>  -h, --help      mostrar esta ayuda y salir
  -v, --version   mostrar la versión y salir

</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 when the calendar or the dates cannot be written or a
file cannot be read (the cause is printed); 2 for a command line that is not
understood.
</source>
        <translation>Estado de salida: 0 si todo va bien; 1 si no se pueden escribir el calendario o
las fechas o no se puede leer un archivo (se indica la causa); 2 si no se
entiende la línea de órdenes.
</translation>
    </message>
    <message>
        <source>  --export FILE   build the calendar from the stored entries, without a window,
                  and write FILE in the format of its suffix:
%1                  The stored entries are read, never changed.
</source>
        <translation>  --export ARCHIVO  crear el calendario con las entradas guardadas, sin ventana,
                  y escribir ARCHIVO en el formato de su extensión:
%1                  Las entradas guardadas se leen, nunca se modifican.
</translation>
    </message>
    <message>
        <source>--design needs a design: %1</source>
        <translation>--design necesita un diseño: %1</translation>
    </message>
    <message>
        <source>--year needs a year from %1 to %2, or every</source>
        <translation>--year necesita un año de %1 a %2, o every</translation>
    </message>
    <message>
        <source>--picture needs a place and a file: cover=FILE, 1=FILE … 12=FILE</source>
        <translation>--picture necesita un lugar y un archivo: cover=ARCHIVO, 1=ARCHIVO … 12=ARCHIVO</translation>
    </message>
    <message>
        <source>unknown design &apos;%1&apos;: use %2</source>
        <translation>diseño desconocido «%1»: use %2</translation>
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
        <translation>     daybloom --export ARCHIVO [--design NOMBRE] [--year AÑO] [--picture LUGAR=ARCHIVO]…
</translation>
    </message>
    <message>
        <source>  --design NAME   with --export: the calendar&apos;s design rather than the one chosen in
                  the window: %1
</source>
        <translation>  --design NOMBRE con --export: el diseño del calendario en lugar del elegido en
                  la ventana: %1
</translation>
    </message>
    <message>
        <source>  --year YEAR     with --export: the calendar for that year, with weekdays, ages and
                  milestones, or every for the calendar of every year, rather than
                  the edition chosen in the window
</source>
        <translation>  --year AÑO      con --export: el calendario de ese año, con días de la semana,
                  edades y aniversarios señalados, o every para el calendario
                  perpetuo, en lugar de la edición elegida en la ventana
</translation>
    </message>
    <message>
        <source>  --picture PLACE=FILE
                  with --export: the picture of a place (cover, or 1 to 12 for the
                  months) for this calendar only; given again for each place
</source>
        <translation>  --picture LUGAR=ARCHIVO
                  con --export: la imagen de un lugar (cover, o 1 a 12 para los
                  meses) solo para este calendario; se repite para cada lugar
</translation>
    </message>
    <message>
        <source>  --export-dates FILE
                  write every day that holds an entry to FILE, for calendar
                  programs (.ics: a yearly all-day event per day, and one for each
                  part that gives its year, starting in that year) or spreadsheets
                  (.csv: the columns Month, Day, Entry and Year)
</source>
        <translation>  --export-dates ARCHIVO
                  escribir cada día con una entrada en ARCHIVO, para programas de
                  calendario (.ics: un evento anual de día completo por día, y uno por
                  cada parte que da su año, que empieza ese año) u hojas de cálculo
                  (.csv: las columnas Month, Day, Entry y Year)
</translation>
    </message>
</context>
<context>
    <name>CsvDatesReader</name>
    <message>
        <source>the file holds no rows of names and dates</source>
        <translation>el archivo no tiene filas de nombres y fechas</translation>
    </message>
    <message>
        <source>is not a date</source>
        <translation>no es una fecha</translation>
    </message>
    <message>
        <source>has no four-digit year</source>
        <translation>no tiene un año de cuatro cifras</translation>
    </message>
    <message>
        <source>is not a real calendar day</source>
        <translation>no es un día real del calendario</translation>
    </message>
    <message>
        <source>row %1: not a month, a day and an entry</source>
        <translation>fila %1: no es un mes, un día y una entrada</translation>
    </message>
    <message>
        <source>the file ends inside quotes, so the row is cut short</source>
        <translation>el archivo termina dentro de unas comillas, así que la fila queda cortada</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>a date of no type</source>
        <translation>una fecha sin tipo</translation>
    </message>
    <message>
        <source>: no date</source>
        <translation>: sin fecha</translation>
    </message>
    <message>
        <source>the dates could be read as month/day or as day/month, such as %1</source>
        <translation>las fechas pueden leerse como mes/día o como día/mes, por ejemplo %1</translation>
    </message>
    <message>
        <source>row %1: &quot;%2&quot; is not a year</source>
        <translation>fila %1: «%2» no es un año</translation>
    </message>
</context>
<context>
    <name>DamagedSettingsRescue</name>
    <message>
        <source>The settings file %1 could not be read cleanly.</source>
        <translation>El archivo de configuración %1 no se pudo leer correctamente.</translation>
    </message>
    <message>
        <source> It could not be copied aside (%1), so it was left as it is.</source>
        <translation> No se pudo apartar una copia (%1), así que se ha dejado como estaba.</translation>
    </message>
    <message>
        <source> A copy of it as it was is kept as %1.</source>
        <translation> Se guarda una copia tal como estaba en %1.</translation>
    </message>
    <message>
        <source> A clean settings file could not be written (%1).</source>
        <translation> No se pudo escribir un archivo de configuración limpio (%1).</translation>
    </message>
    <message>
        <source>Entries recovered: %1. </source>
        <translation>Entradas recuperadas: %1. </translation>
    </message>
    <message>
        <source>They are shown and stored in a new, clean settings file.</source>
        <translation>Se muestran y se guardan en un archivo de configuración nuevo y limpio.</translation>
    </message>
    <message>
        <source>They are shown but not saved yet.</source>
        <translation>Se muestran, pero aún no se han guardado.</translation>
    </message>
    <message>
        <source> Some days are written in it more than once (%1): the last text written for each is used.</source>
        <translation> Algunos días aparecen en él más de una vez (%1): para cada uno se usa el último texto escrito.</translation>
    </message>
</context>
<context>
    <name>DateExporter</name>
    <message>
        <source>1 day</source>
        <translation>1 día</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>The entries of %1 are written to %2.</source>
        <translation>Las entradas de %1 se han escrito en %2.</translation>
    </message>
</context>
<context>
    <name>DateFileReader</name>
    <message>
        <source>Cannot import %1: %2</source>
        <translation>No se puede importar %1: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>at over %1 MB it is too large to be a contacts or calendar file</source>
        <translation>con más de %1 MB es demasiado grande para ser un archivo de contactos o de calendario</translation>
    </message>
    <message>
        <source>contact cards (.vcf), spreadsheet rows (.csv, .tsv, .txt) or calendar events (.ics)</source>
        <translation>fichas de contacto (.vcf), filas de hoja de cálculo (.csv, .tsv, .txt) o eventos de calendario (.ics)</translation>
    </message>
    <message>
        <source>it is none of %1</source>
        <translation>no contiene %1</translation>
    </message>
</context>
<context>
    <name>DateImport</name>
    <message>
        <source>%1: %2; no order was chosen</source>
        <translation>%1: %2; no se eligió ningún orden</translation>
    </message>
    <message>
        <source>no dates found in %1</source>
        <translation>no se encontraron fechas en %1</translation>
    </message>
</context>
<context>
    <name>DateImporter</name>
    <message>
        <source>In %1 %2.

Is 04/05/1990 April 5 or May 4?</source>
        <translation>En %1, %2.

¿El 04/05/1990 es el 5 de abril o el 4 de mayo?</translation>
    </message>
    <message>
        <source>April 5 (Month First)</source>
        <translation>5 de abril (mes primero)</translation>
    </message>
    <message>
        <source>May 4 (Day First)</source>
        <translation>4 de mayo (día primero)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import Dates</source>
        <translation>Importar fechas</translation>
    </message>
    <message>
        <source>

Add them to the calendar?</source>
        <translation>

¿Añadirlas al calendario?</translation>
    </message>
    <message>
        <source>Dates imported</source>
        <translation>Fechas importadas</translation>
    </message>
    <message>
        <source>Contacts and Calendars (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</source>
        <translation>Contactos y calendarios (*.vcf *.vcard *.csv *.tsv *.txt *.ics *.ical)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Reading %1 (file %2 of %3)…</source>
        <translation>Leyendo %1 (archivo %2 de %3)…</translation>
    </message>
    <message>
        <source>Working out what the dates change…</source>
        <translation>Calculando qué cambian las fechas…</translation>
    </message>
    <message>
        <source>Reading the files…</source>
        <translation>Leyendo los archivos…</translation>
    </message>
</context>
<context>
    <name>DatesExport</name>
    <message>
        <source>%1 does not end in a known suffix: use .ics for calendar programs or .csv for spreadsheets.</source>
        <translation>%1 no termina en una extensión conocida: use .ics para programas de calendario o .csv para hojas de cálculo.</translation>
    </message>
    <message>
        <source>The calendar holds no entries, so there are no dates to export.</source>
        <translation>El calendario no tiene entradas, así que no hay fechas que exportar.</translation>
    </message>
</context>
<context>
    <name>DayBox</name>
    <message>
        <source>Control characters (invisible codes) were left out.</source>
        <translation>Se omitieron los caracteres de control (códigos invisibles).</translation>
    </message>
    <message>
        <source>A day&apos;s box holds at most %1 characters: the rest was left out.</source>
        <translation>La casilla de un día admite como máximo %1 caracteres: se omitió el resto.</translation>
    </message>
</context>
<context>
    <name>DesignDialog</name>
    <message>
        <source>Calendar Design</source>
        <translation>Diseño del calendario</translation>
    </message>
    <message>
        <source>Choose how the printed calendar looks. Each picture shows a design&apos;s first pages on your paper (%1).</source>
        <translation>Elija el aspecto del calendario impreso. Cada imagen muestra las primeras páginas de un diseño en su papel (%1).</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Dibujando…</translation>
    </message>
    <message>
        <source>Use this design</source>
        <translation>Usar este diseño</translation>
    </message>
    <message>
        <source>Drawing the designs&apos; pictures…</source>
        <translation>Dibujando las imágenes de los diseños…</translation>
    </message>
    <message>
        <source>Some pictures could not be drawn; the designs can still be chosen.
%1</source>
        <translation>Algunas imágenes no se pudieron dibujar; los diseños se pueden elegir igualmente.
%1</translation>
    </message>
</context>
<context>
    <name>DesignPictures</name>
    <message>
        <source>The office laid out no page.</source>
        <translation>La suite ofimática no maquetó ninguna página.</translation>
    </message>
</context>
<context>
    <name>DocumentCopy</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>the office wrote nothing</source>
        <translation>la suite ofimática no escribió nada</translation>
    </message>
</context>
<context>
    <name>DocumentFormats</name>
    <message>
        <source>Word Files (*.doc)</source>
        <translation>Archivos de Word (*.doc)</translation>
    </message>
    <message>
        <source>Word 97-2003</source>
        <translation>Word 97-2003</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>PDF</source>
        <translation>PDF</translation>
    </message>
    <message>
        <source>Word 2007-365 Files (*.docx)</source>
        <translation>Archivos de Word 2007-365 (*.docx)</translation>
    </message>
    <message>
        <source>Word 2007-365</source>
        <translation>Word 2007-365</translation>
    </message>
    <message>
        <source>OpenDocument Text Files (*.odt)</source>
        <translation>Archivos de texto OpenDocument (*.odt)</translation>
    </message>
    <message>
        <source>OpenDocument Text</source>
        <translation>texto OpenDocument</translation>
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
        <translation>no se pudieron leer las páginas de %1</translation>
    </message>
    <message>
        <source>the printer %1 refused the job</source>
        <translation>la impresora %1 rechazó el trabajo</translation>
    </message>
    <message>
        <source>the printer %1 did not take the job</source>
        <translation>la impresora %1 no aceptó el trabajo</translation>
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
        <translation>No se pudo guardar la entrada del %1: %2.</translation>
    </message>
    <message>
        <source>The text stays in its box. Every further change tries again, and the unsaved entries are saved as soon as the settings file can be written.</source>
        <translation>El texto se queda en su casilla. Cada cambio vuelve a intentarlo, y las entradas sin guardar se guardarán en cuanto se pueda escribir el archivo de configuración.</translation>
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
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>Please email screenshot of this message to %1</source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ExportLook</name>
    <message>
        <source>the %1 design has no place for a picture of %2</source>
        <translation>el diseño %1 no tiene lugar para una imagen de %2</translation>
    </message>
</context>
<context>
    <name>FileReplacement</name>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre</translation>
    </message>
    <message>
        <source>it is a device, not a file</source>
        <translation>es un dispositivo, no un archivo</translation>
    </message>
    <message>
        <source>it is a pipe, not a file</source>
        <translation>es una tubería, no un archivo</translation>
    </message>
    <message>
        <source>it is a socket, not a file</source>
        <translation>es un socket, no un archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>its links lead round in a circle</source>
        <translation>sus enlaces forman un círculo</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source> (it links to %1)</source>
        <translation> (apunta a %1)</translation>
    </message>
    <message>
        <source>%1 is a link another user made in the shared folder %2, and such a link is not followed</source>
        <translation>%1 es un enlace que otro usuario creó en la carpeta compartida %2, y un enlace así no se sigue</translation>
    </message>
    <message>
        <source>it is one of this program&apos;s own files</source>
        <translation>es uno de los archivos propios de este programa</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <translation>la carpeta %1 es de solo lectura</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>No se puede escribir %1: %2.</translation>
    </message>
    <message>
        <source>%1 is a link to %2.

Are you sure you wish to overwrite %2 ?</source>
        <translation>%1 es un enlace a %2.

¿Seguro que quiere sobrescribir %2?</translation>
    </message>
    <message>
        <source>Are you sure you wish to overwrite %1 ?</source>
        <translation>¿Seguro que quiere sobrescribir %1?</translation>
    </message>
    <message>
        <source>it is a link another user made in the shared folder %1, and such a link is not followed</source>
        <translation>es un enlace que otro usuario creó en la carpeta compartida %1, y un enlace así no se sigue</translation>
    </message>
</context>
<context>
    <name>FileRoutines</name>
    <message>
        <source>Cannot open %1 for writing: %2</source>
        <translation>No se puede abrir %1 para escribir: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Start Creating Template</source>
        <translation>Crear el calendario</translation>
    </message>
    <message>
        <source>Makes the calendar document from the entries and shows its pages</source>
        <translation>Crea el documento del calendario con las entradas y muestra sus páginas</translation>
    </message>
    <message>
        <source>Clear/Reset Calendar</source>
        <translation>Vaciar el calendario</translation>
    </message>
    <message>
        <source>Empties the entries of all 366 days</source>
        <translation>Vacía las entradas de los 366 días</translation>
    </message>
    <message>
        <source>Load Sample/Example Amounts</source>
        <translation>Cargar ejemplos</translation>
    </message>
    <message>
        <source>Writes eight example entries</source>
        <translation>Escribe ocho entradas de ejemplo</translation>
    </message>
    <message>
        <source>Calendar cleared</source>
        <translation>Calendario vaciado</translation>
    </message>
    <message>
        <source>Sample entries loaded</source>
        <translation>Ejemplos cargados</translation>
    </message>
    <message>
        <source>%1: Ctrl+Z takes it back.</source>
        <translation>%1: Ctrl+Z lo deshace.</translation>
    </message>
    <message>
        <source>%1: taken back (Ctrl+Shift+Z does it again).</source>
        <translation>%1: deshecho (Ctrl+Mayús+Z lo rehace).</translation>
    </message>
    <message>
        <source>%1: done again.</source>
        <translation>%1: rehecho.</translation>
    </message>
    <message>
        <source>Save Entries</source>
        <translation>Guardar las entradas</translation>
    </message>
    <message>
        <source>Settings Files (*.ini)</source>
        <translation>Archivos de configuración (*.ini)</translation>
    </message>
    <message>
        <source>Export Dates</source>
        <translation>Exportar fechas</translation>
    </message>
    <message>
        <source>Calendar Files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
    <message>
        <source>Spreadsheet Files (*.csv)</source>
        <translation>Archivos de hoja de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>Family dates.ics</source>
        <translation>Fechas familiares.ics</translation>
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
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Volver</translation>
    </message>
    <message>
        <source>Save Results To Word File</source>
        <translation>Guardar como archivo de Word</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Shows the page larger (Ctrl++)</source>
        <translation>Muestra la página más grande (Ctrl++)</translation>
    </message>
    <message>
        <source>Shows the page smaller (Ctrl+-)</source>
        <translation>Muestra la página más pequeña (Ctrl+-)</translation>
    </message>
    <message>
        <source>Saves the calendar as a document or PDF (Ctrl+S)</source>
        <translation>Guarda el calendario como documento o PDF (Ctrl+S)</translation>
    </message>
    <message>
        <source>Goes back to the entries (Esc)</source>
        <translation>Vuelve a las entradas (Esc)</translation>
    </message>
    <message>
        <source>There is no calendar to print.</source>
        <translation>No hay ningún calendario que imprimir.</translation>
    </message>
    <message>
        <source>no office is available to lay the pages out</source>
        <translation>no hay ninguna suite ofimática disponible para componer las páginas</translation>
    </message>
    <message>
        <source>Daybloom calendar</source>
        <translation>Calendario de Daybloom</translation>
    </message>
    <message>
        <source>The calendar could not be printed: %1.</source>
        <translation>No se pudo imprimir el calendario: %1.</translation>
    </message>
    <message>
        <source>Page(s)</source>
        <translation>Página(s)</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar el archivo</translation>
    </message>
    <message>
        <source>No office is available to write the document.</source>
        <translation>No hay ninguna suite ofimática disponible para escribir el documento.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Listo.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Save as…</source>
        <translation>&amp;Guardar como…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>&amp;Reducir</translation>
    </message>
</context>
<context>
    <name>HomeFolder</name>
    <message>
        <source>The environment variable HOME is not set, and your user account names no home folder: the settings file is %1.</source>
        <translation>La variable de entorno HOME no está definida y su cuenta de usuario no indica ninguna carpeta personal: el archivo de configuración es %1.</translation>
    </message>
    <message>
        <source>The environment variable HOME is not set: the home folder of your user account, %1, is used.</source>
        <translation>La variable de entorno HOME no está definida: se usa la carpeta personal de su cuenta de usuario, %1.</translation>
    </message>
</context>
<context>
    <name>ICalendarReader</name>
    <message>
        <source>the file holds no calendar events</source>
        <translation>el archivo no tiene eventos de calendario</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>%1 Birthday</source>
        <extracomment>An imported birthday as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Cumpleaños de %1</translation>
    </message>
    <message>
        <source>%1 Anniversary</source>
        <extracomment>An imported anniversary as it goes into the calendar: %1 is the name.</extracomment>
        <translation>Aniversario de %1</translation>
    </message>
    <message>
        <source>%1: no such day</source>
        <translation>%1: ese día no existe</translation>
    </message>
    <message>
        <source>
… and %1 more.</source>
        <translation>
… y %1 más.</translation>
    </message>
    <message>
        <source>%1 new entries on %2 days, %3 of which already hold text (the new text goes after it).</source>
        <translation>%1 entradas nuevas en %2 días, %3 de los cuales ya tienen texto (el texto nuevo va detrás).</translation>
    </message>
    <message>
        <source>No dates found.</source>
        <translation>No se encontraron fechas.</translation>
    </message>
    <message>
        <source>Nothing new to add: every date is in the calendar already.</source>
        <translation>Nada nuevo que añadir: todas las fechas ya están en el calendario.</translation>
    </message>
    <message>
        <source>Nothing can be added.</source>
        <translation>No se puede añadir nada.</translation>
    </message>
    <message>
        <source>Left out, as the day&apos;s text would be over %1 characters</source>
        <translation>Omitidas, porque el texto del día pasaría de %1 caracteres</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitidas</translation>
    </message>
    <message>
        <source>Not read</source>
        <translation>No leídos</translation>
    </message>
    <message>
        <source> Control characters (invisible codes) were left out of %1 of them.</source>
        <translation> Se omitieron caracteres de control (códigos invisibles) en %1 de ellas.</translation>
    </message>
    <message>
        <source>Entries already in the calendar that get their year: %1.</source>
        <translation>Entradas ya presentes en el calendario que reciben su año: %1.</translation>
    </message>
</context>
<context>
    <name>IsInstalled</name>
    <message>
        <source>Error 842001. A normal instance of Word could not be created.</source>
        <translation>Error 842001. No se pudo crear una instancia normal de Word.</translation>
    </message>
    <message>
        <source>1. Please make sure Word is installed on this computer.</source>
        <translation>1. Asegúrese de que Word está instalado en este equipo.</translation>
    </message>
    <message>
        <source>2. Please open Word normally and make sure a blank document opens immediately without any interrupting window (such as an Word file recovery window).</source>
        <translation>2. Abra Word de la forma habitual y compruebe que se abre enseguida un documento en blanco, sin ninguna ventana de por medio (como una de recuperación de archivos de Word).</translation>
    </message>
    <message>
        <source>3. Please make sure that when you double-click on a DOC or DOCX file that Word opens normally without any interrupting messages.</source>
        <translation>3. Compruebe que, al hacer doble clic en un archivo DOC o DOCX, Word se abre con normalidad y sin mensajes de por medio.</translation>
    </message>
    <message>
        <source>4. All versions of Word are supported by this software except for the rare Word Starter and Student editions.</source>
        <translation>4. Este programa admite todas las versiones de Word, salvo las poco comunes ediciones Word Starter y Student.</translation>
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
        <translation>No se pudo guardar el diseño: %1</translation>
    </message>
    <message>
        <source>Build anyway</source>
        <translation>Crear de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>&amp;Import dates…</source>
        <translation>&amp;Importar fechas…</translation>
    </message>
    <message>
        <source>&amp;Export dates…</source>
        <translation>&amp;Exportar fechas…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Undo: %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>&amp;Redo: %1</source>
        <translation>&amp;Rehacer: %1</translation>
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
        <translation>Tamaño del &amp;papel</translation>
    </message>
    <message>
        <source>Paper size</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>The paper size could not be stored: %1</source>
        <translation>No se pudo guardar el tamaño del papel: %1</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>The language changes when the program starts again.</source>
        <translation>El idioma cambiará la próxima vez que se inicie el programa.</translation>
    </message>
    <message>
        <source>The language could not be stored: %1</source>
        <translation>No se pudo guardar el idioma: %1</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>User &amp;guide</source>
        <translation>&amp;Guía de uso</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>The user guide could not be opened here. In a terminal, type: man daybloom</source>
        <translation>La guía de uso no se puede abrir aquí. En una terminal, escriba: man daybloom</translation>
    </message>
    <message>
        <source>%1
Version %2

Free software under the MIT licence.</source>
        <translation>%1
Versión %2

Software libre bajo la licencia MIT.</translation>
    </message>
    <message>
        <source>&amp;Design…</source>
        <translation>&amp;Diseño…</translation>
    </message>
    <message>
        <source>P&amp;ictures…</source>
        <translation>&amp;Imágenes…</translation>
    </message>
</context>
<context>
    <name>Milestones</name>
    <message>
        <source>silver wedding</source>
        <translation>bodas de plata</translation>
    </message>
    <message>
        <source>pearl wedding</source>
        <translation>bodas de perla</translation>
    </message>
    <message>
        <source>ruby wedding</source>
        <translation>bodas de rubí</translation>
    </message>
    <message>
        <source>golden wedding</source>
        <translation>bodas de oro</translation>
    </message>
    <message>
        <source>diamond wedding</source>
        <translation>bodas de diamante</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>The ordinal of one (&quot;1st&quot;), as in &quot;1st anniversary&quot;.</extracomment>
        <translation>1.º</translation>
    </message>
    <message>
        <source>%1st</source>
        <extracomment>Ordinals: %1 is a count that ends in 1 but not 11 (&quot;21st&quot;, &quot;101st&quot;).</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>Ordinals: %1 is a count that ends in 2 but not 12 (&quot;22nd&quot;).</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>Ordinals: %1 is a count that ends in 3 but not 13 (&quot;23rd&quot;).</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>Ordinals: %1 is any other count (&quot;70th&quot;, &quot;11th&quot;).</extracomment>
        <translation>%1.º</translation>
    </message>
    <message>
        <source>%1 birthday</source>
        <extracomment>A round birthday: %1 is its ordinal (&quot;70th birthday&quot;).</extracomment>
        <translation>%1 cumpleaños</translation>
    </message>
    <message>
        <source>%1 anniversary</source>
        <extracomment>A wedding anniversary worth celebrating: %1 is its ordinal (&quot;10th anniversary&quot;).</extracomment>
        <translation>%1 aniversario de boda</translation>
    </message>
</context>
<context>
    <name>MonthNames</name>
    <message>
        <source>%1 %2</source>
        <extracomment>A day in a message: %1 is the month&apos;s name, %2 the day of the month (&quot;April 13&quot;).</extracomment>
        <translation>%2 de %1</translation>
    </message>
</context>
<context>
    <name>PageViewport</name>
    <message>
        <source>Page %1 of %2, zoom %3 %</source>
        <translation>Página %1 de %2, zoom %3 %</translation>
    </message>
</context>
<context>
    <name>PictureLibrary</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>The picture cannot be kept in %1: %2</source>
        <translation>No se puede guardar la imagen en %1: %2</translation>
    </message>
</context>
<context>
    <name>PicturePlaceView</name>
    <message>
        <source>Choose…</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>Choose a picture for %1</source>
        <translation>Elegir una imagen para %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove the picture of %1</source>
        <translation>Quitar la imagen de %1</translation>
    </message>
    <message>
        <source>No picture yet.
Drop one here.</source>
        <translation>Aún no hay imagen.
Suelte una aquí.</translation>
    </message>
</context>
<context>
    <name>PicturePlaces</name>
    <message>
        <source>Cover</source>
        <extracomment>The calendar&apos;s cover page, as a place for a picture.</extracomment>
        <translation>Portada</translation>
    </message>
</context>
<context>
    <name>PictureReader</name>
    <message>
        <source>Cannot use %1 as a picture: %2</source>
        <translation>No se puede usar %1 como imagen: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a damaged HEIC picture (%1)</source>
        <translation>es una imagen HEIC dañada (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 pixels</source>
        <translation>es demasiado grande: %1 píxeles</translation>
    </message>
    <message>
        <source>it is not a picture the program can read (JPEG, PNG, WebP, TIFF, BMP or HEIC)</source>
        <translation>no es una imagen que el programa pueda leer (JPEG, PNG, WebP, TIFF, BMP o HEIC)</translation>
    </message>
    <message>
        <source>the picture is damaged: it ends before its last part</source>
        <translation>la imagen está dañada: termina antes de su última parte</translation>
    </message>
    <message>
        <source>the picture is damaged: %1</source>
        <translation>la imagen está dañada: %1</translation>
    </message>
</context>
<context>
    <name>PicturesDialog</name>
    <message>
        <source>Calendar Pictures</source>
        <translation>Imágenes del calendario</translation>
    </message>
    <message>
        <source>The design %1 prints a picture on its cover and with every month. Choose a picture or drop one on its place. The program keeps its own copy: moving or deleting your file loses nothing.</source>
        <translation>El diseño %1 imprime una imagen en la portada y con cada mes. Elija una imagen o suéltela en su lugar. El programa guarda su propia copia: mover o borrar su archivo no pierde nada.</translation>
    </message>
    <message>
        <source>The chosen design, %1, shows no pictures; these designs show them: %2 (Calendar ▸ Design…). The pictures you choose here are kept for them.</source>
        <translation>El diseño elegido, %1, no muestra imágenes; estos diseños las muestran: %2 (Calendario ▸ Diseño…). Las imágenes que elija aquí se guardan para ellos.</translation>
    </message>
    <message>
        <source>&amp;Title on the cover:</source>
        <translation>&amp;Título de la portada:</translation>
    </message>
    <message>
        <source>Choose a Picture for %1</source>
        <translation>Elegir una imagen para %1</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The picture of %1 could not be removed: %2</source>
        <translation>No se pudo quitar la imagen de %1: %2</translation>
    </message>
    <message>
        <source>Preparing the pictures…</source>
        <translation>Preparando las imágenes…</translation>
    </message>
    <message>
        <source>Preparing %1 for %2 (%3 of %4)…</source>
        <translation>Preparando %1 para %2 (%3 de %4)…</translation>
    </message>
    <message>
        <source>Not every picture could be used; the others are kept.

%1</source>
        <translation>No se pudieron usar todas las imágenes; las demás se conservan.

%1</translation>
    </message>
    <message>
        <source>The cover&apos;s title could not be stored: %1</source>
        <translation>No se pudo guardar el título de la portada: %1</translation>
    </message>
    <message>
        <source>There are no places left after %1 for %2 of the pictures; they were left out.</source>
        <translation>No quedan lugares después de %1 para %2 de las imágenes; se omitieron.</translation>
    </message>
</context>
<context>
    <name>SampleEntries</name>
    <message>
        <source>Ruth Birthday</source>
        <translation>Cumpleaños de Ruth</translation>
    </message>
    <message>
        <source>Brian Birthday</source>
        <translation>Cumpleaños de Brian</translation>
    </message>
    <message>
        <source>John Birthday</source>
        <translation>Cumpleaños de John</translation>
    </message>
    <message>
        <source>Grampa Birthday</source>
        <translation>Cumpleaños del abuelo</translation>
    </message>
    <message>
        <source>Elvis Anniversary</source>
        <translation>Aniversario de Elvis</translation>
    </message>
    <message>
        <source>Mary Birthday</source>
        <translation>Cumpleaños de Mary</translation>
    </message>
    <message>
        <source>Nancy Birthday</source>
        <translation>Cumpleaños de Nancy</translation>
    </message>
    <message>
        <source>Mom Birthday</source>
        <translation>Cumpleaños de mamá</translation>
    </message>
</context>
<context>
    <name>SpaceCheckedSave</name>
    <message>
        <source>The calendar cannot be saved in %1: there is not enough space left on its disk (%2 free on %3).</source>
        <translation>No se puede guardar el calendario en %1: no queda suficiente espacio libre en su disco (%2 libres en %3).</translation>
    </message>
</context>
<context>
    <name>StartupEntries</name>
    <message>
        <source>Changes to the calendar cannot be saved: %1.</source>
        <translation>No se pueden guardar los cambios del calendario: %1.</translation>
    </message>
    <message>
        <source>The stored entries are shown. Every change stays in its box and is saved as soon as the settings file can be written.</source>
        <translation>Se muestran las entradas guardadas. Cada cambio se queda en su casilla y se guardará en cuanto se pueda escribir el archivo de configuración.</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <source>The temporary folder %1 cannot be used: %2.</source>
        <translation>No se puede usar la carpeta temporal %1: %2.</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>it cannot be made private</source>
        <translation>no se puede hacer privada</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>no se puede escribir en ella</translation>
    </message>
    <message>
        <source>there is no space left on its disk</source>
        <translation>no queda espacio en su disco</translation>
    </message>
    <message>
        <source>A private folder of your own is used instead: %1.</source>
        <translation>En su lugar se usa una carpeta privada propia: %1.</translation>
    </message>
</context>
<context>
    <name>UnexpectedError</name>
    <message>
        <source>The program cannot go on and ends.</source>
        <translation>El programa no puede continuar y se cierra.</translation>
    </message>
    <message>
        <source>an error of an unknown kind</source>
        <translation>un error de tipo desconocido</translation>
    </message>
</context>
<context>
    <name>UnsavedEntriesCheck</name>
    <message>
        <source>Retry</source>
        <translation>Reintentar</translation>
    </message>
    <message>
        <source>Save to Another File...</source>
        <translation>Guardar en otro archivo...</translation>
    </message>
    <message>
        <source>Close Anyway</source>
        <translation>Cerrar de todos modos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Unsaved entries: %1. They could not be saved because %2.</source>
        <translation>Entradas sin guardar: %1. No se pudieron guardar porque %2.</translation>
    </message>
    <message>
        <source>&quot;Retry&quot; tries the settings file again. &quot;Save to Another File...&quot; saves all entries to a file you choose, which can later replace the settings file. &quot;Close Anyway&quot; loses the unsaved entries.</source>
        <translation>«Reintentar» vuelve a probar con el archivo de configuración. «Guardar en otro archivo...» guarda todas las entradas en un archivo que usted elija, que más tarde puede sustituir al archivo de configuración. «Cerrar de todos modos» pierde las entradas sin guardar.</translation>
    </message>
    <message>
        <source>The entries could not be saved to %1: %2.</source>
        <translation>No se pudieron guardar las entradas en %1: %2.</translation>
    </message>
</context>
<context>
    <name>UserMessages</name>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>VCardReader</name>
    <message>
        <source>: no birthday or anniversary</source>
        <translation>: sin cumpleaños ni aniversario</translation>
    </message>
    <message>
        <source>: no name</source>
        <translation>: sin nombre</translation>
    </message>
    <message>
        <source>the file holds no contact cards</source>
        <translation>el archivo no tiene fichas de contacto</translation>
    </message>
</context>
<context>
    <name>WindowSetup</name>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
</context>
<context>
    <name>YearEdition</name>
    <message>
        <source>Feb 29: %1</source>
        <extracomment>February 29&apos;s entry, printed on February 28 in a common year: %1 is the entry.</extracomment>
        <translation>29 feb.: %1</translation>
    </message>
</context>
<context>
    <name>YearMenu</name>
    <message>
        <source>&amp;Year</source>
        <translation>&amp;Año</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>&amp;Every year</source>
        <translation>&amp;Todos los años</translation>
    </message>
    <message>
        <source>The year could not be stored: %1</source>
        <translation>No se pudo guardar el año: %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;daybloom --help&apos; for more information.</source>
        <translation>Pruebe «daybloom --help» para más información.</translation>
    </message>
</context>
</TS>
