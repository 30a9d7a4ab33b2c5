<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Chart</name>
    <message>
        <source>alle</source>
        <translation>all</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>%1 erwartet eine ganze Zahl, nicht „%2“.</source>
        <translation>%1 expects a whole number, not “%2”.</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 liegen, nicht %4.</source>
        <translation>%1 must lie between %2 and %3, not %4.</translation>
    </message>
    <message>
        <source>die drei Markenwerte (Texte wie in den Eingabefeldern; -- davor, wenn einer mit - beginnt)</source>
        <translation>the three stamp values (texts as typed into the boxes; -- before them if one begins with -)</translation>
    </message>
    <message>
        <source>Ausgabedatei; die Endung wählt das Format: .png, .svg oder .pdf</source>
        <translation>output file; its extension chooses the format: .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>linker Rand des Streifens, ganzer Betrag 0 bis 999 (Vorgabe 0)</source>
        <translation>left edge of the strip, a whole amount from 0 to 999 (default 0)</translation>
    </message>
    <message>
        <source>rechter Rand des Streifens, ganzer Betrag 1 bis 1000 (Vorgabe 1000)</source>
        <translation>right edge of the strip, a whole amount from 1 to 1000 (default 1000)</translation>
    </message>
    <message>
        <source>Keine Ausgabedatei angegeben (-o DATEI).</source>
        <translation>No output file given (-o FILE).</translation>
    </message>
    <message>
        <source>Genau drei Markenwerte erwartet, %1 angegeben.</source>
        <translation>Exactly three stamp values expected, %1 given.</translation>
    </message>
    <message>
        <source>--from muss kleiner als --to sein.</source>
        <translation>--from must be less than --to.</translation>
    </message>
    <message>
        <source>Unbekanntes Dateiformat: %1 (erlaubt sind .png, .svg und .pdf).</source>
        <translation>Unknown file format: %1 (allowed are .png, .svg and .pdf).</translation>
    </message>
    <message>
        <source>Das Bild würde %1 × %2 Pixel groß werden, zu groß für PNG (höchstens %3 Pixel hoch und 64 Mio. Pixel); bitte --width verkleinern, mit --from/--to mehr Beträge in einen Streifen nehmen oder SVG oder PDF wählen.</source>
        <translation>The image would be %1 × %2 pixels, too large for PNG (at most %3 pixels high and 64 million pixels); please make --width smaller, put more amounts into one strip with --from/--to, or choose SVG or PDF.</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>Speicherkontingent erschöpft</source>
        <translation>disk quota exceeded</translation>
    </message>
    <message>
        <source>Dateisystem nur lesbar</source>
        <translation>read-only file system</translation>
    </message>
    <message>
        <source>das ist ein Verzeichnis</source>
        <translation>it is a directory</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden (%2).</source>
        <translation>The file “%1” cannot be written (%2).</translation>
    </message>
    <message>
        <source>Das Verzeichnis „%1“ gibt es nicht.</source>
        <translation>The directory “%1” does not exist.</translation>
    </message>
    <message>
        <source>Frankierungsproblem mit 3 Marken: N = xA + yB + zC</source>
        <translation>Postage problem with 3 stamps: N = xA + yB + zC</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht erzeugt werden.</source>
        <translation>The file “%1” could not be made.</translation>
    </message>
    <message>
        <source>Zeichnet das Diagramm für die Markenwerte A, B, C als Arbeitsblatt, mit demselben Code wie das Fenster.
Ohne --from und --to: die Beträge 0 bis 1000 in zehn Streifen untereinander.
Exit-Code 0: geschrieben; 1: falscher Aufruf oder nicht schreibbar; 2: Markenwerte abgelehnt.</source>
        <translation>Draws the chart for the stamp values A, B, C as a worksheet, with the same code as the window.
Without --from and --to: the amounts 0 to 1000 in ten strips, one below the other.
Exit code 0: written; 1: wrong call or not writable; 2: stamp values refused.</translation>
    </message>
    <message>
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Breite in Pixeln, 200 bis 20000 (Vorgabe 1600)</source>
        <translation>width in pixels, 200 to 20000 (default 1600)</translation>
    </message>
</context>
<context>
    <name>Start</name>
    <message>
        <source>Markenwert %1 = „%2“ geht nicht: erlaubt sind ganze Zahlen von 1 bis %3.</source>
        <translation>Stamp value %1 = “%2” cannot be used: only whole numbers from 1 to %3 are allowed.</translation>
    </message>
    <message>
        <source>Hilfe: %1 --help
</source>
        <translation>Help: %1 --help
</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1%2</source>
        <translation>Unknown option: %1%2</translation>
    </message>
    <message>
        <source>Keine Anzeige gefunden: Das Fenster braucht eine grafische Sitzung (DISPLAY oder WAYLAND_DISPLAY).</source>
        <translation>No display found: the window needs a graphical session (DISPLAY or WAYLAND_DISPLAY).</translation>
    </message>
</context>
</TS>
