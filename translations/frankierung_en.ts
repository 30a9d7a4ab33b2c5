<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>AccessibleSummary</name>
    <message>
        <source>Markenwerte %1, %2 und %3. </source>
        <translation>Stamp values %1, %2 and %3. </translation>
    </message>
    <message>
        <source>Stabil ab: A, B %1; B, C %2; C, A %3. </source>
        <translation>Stable from: A, B %1; B, C %2; C, A %3. </translation>
    </message>
    <message>
        <source>Keine Grenze bis 1000 sicher, ab der jede Zahl mit allen drei Werten darstellbar ist. </source>
        <translation>No bound up to 1000 is certain from which every amount can be paid with all three values. </translation>
    </message>
    <message>
        <source>Jede Zahl ab %1 ist mit allen drei Werten darstellbar. </source>
        <translation>Every amount from %1 on can be paid with all three values. </translation>
    </message>
    <message>
        <source>Nicht darstellbar bis %1: %2.</source>
        <translation>Cannot be paid up to %1: %2.</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
</context>
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
        <source>DATEI</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>%1 ist mehrmals angegeben; bitte nur einmal.</source>
        <translation>%1 is given more than once; please give it only once.</translation>
    </message>
    <message>
        <source>Zeichnet ein Arbeitsblatt zu den Markenwerten A, B, C mit demselben Code wie das Fenster: A4 hoch, mit Titel, einer Zeile für Name, Klasse und Datum und der Aufgabe.
Arten (--art): diagramm (das Diagramm), uebung (für die Klasse: die Zeilen der Paare und „alle“ leer), loesung (das Diagramm mit Grenzen, größter Lücke und allen Lücken), warum (das Bild der Reste mit der Erklärung), warum-leer (das Bild der Reste zum Ausfüllen).
Ohne --from und --to: die Beträge ab 0 in Streifen zu 100, bis nach der größten Lücke eine Folge frankierbarer Beträge zu sehen ist, so lang wie der kleinste Wert; bei einem gemeinsamen Teiler der Werte bis 1000.
PDF: eine A4-Seite für jede Seite des Blattes. PNG und SVG: ein Bild mit allen Seiten untereinander.
Exit-Code 0: geschrieben; 1: falscher Aufruf oder nicht schreibbar; 2: Markenwerte abgelehnt.</source>
        <translation>Draws a worksheet for the stamp values A, B, C with the same code as the window: A4 portrait, with a title, a line for name, class and date, and the task.
Kinds (--art): diagramm (the chart), uebung (for the class: the rows of the pairs and “all” empty), loesung (the chart with the bounds, the largest gap and all gaps), warum (the picture of the remainders with the explanation), warum-leer (the picture of the remainders to fill in).
Without --from and --to: the amounts from 0 in strips of 100, until after the largest gap a run of payable amounts as long as the smallest value shows; when the values share a divisor, up to 1000.
PDF: one A4 page for each page of the sheet. PNG and SVG: one image with all pages one below the other.
Exit code 0: written; 1: wrong call or not writable; 2: stamp values refused.</translation>
    </message>
    <message>
        <source>diagramm, uebung, loesung, warum oder warum-leer (Vorgabe diagramm)</source>
        <translation>diagramm, uebung, loesung, warum or warum-leer (default diagramm)</translation>
    </message>
    <message>
        <source>ART</source>
        <translation>KIND</translation>
    </message>
    <message>
        <source>erster Betrag des Streifens, 0 bis 999 (Vorgabe 0)</source>
        <translation>first amount of the strip, 0 to 999 (default 0)</translation>
    </message>
    <message>
        <source>letzter Betrag des Streifens, 1 bis 1000 (Vorgabe 1000)</source>
        <translation>last amount of the strip, 1 to 1000 (default 1000)</translation>
    </message>
    <message>
        <source>Breite einer Seite im PNG-Bild in Pixeln, 200 bis 20000 (Vorgabe 1600); SVG und PDF haben A4-Größe</source>
        <translation>width of a page in the PNG image in pixels, 200 to 20000 (default 1600); SVG and PDF are A4 sized</translation>
    </message>
    <message>
        <source>ohne die Zeile für Name, Klasse und Datum</source>
        <translation>without the line for name, class and date</translation>
    </message>
    <message>
        <source>die Zeilen auf grauem Grund wie im Fenster (Vorgabe: weiß, spart Tinte)</source>
        <translation>the rows on a grey ground as in the window (default: white, which saves ink)</translation>
    </message>
    <message>
        <source>Unbekannte Art: „%1“ (erlaubt sind diagramm, uebung, loesung, warum und warum-leer).</source>
        <translation>Unknown kind: “%1” (allowed are diagramm, uebung, loesung, warum and warum-leer).</translation>
    </message>
    <message>
        <source>Das Bild würde %1 × %2 Pixel groß werden, zu groß für PNG (höchstens %3 Pixel hoch und 64 Mio. Pixel); bitte --width verkleinern oder SVG oder PDF wählen.</source>
        <translation>The image would be %1 × %2 pixels, too large for PNG (at most %3 pixels high and 64 million pixels); please reduce --width or choose SVG or PDF.</translation>
    </message>
</context>
<context>
    <name>PictureCommands</name>
    <message>
        <source>Nicht gespeichert</source>
        <translation>Not saved</translation>
    </message>
    <message>
        <source>Nicht gedruckt</source>
        <translation>Not printed</translation>
    </message>
    <message>
        <source>Der Drucker hat den Auftrag nicht angenommen.</source>
        <translation>The printer did not accept the job.</translation>
    </message>
</context>
<context>
    <name>RemainderLegend</name>
    <message>
        <source>frankierbar</source>
        <translation>payable</translation>
    </message>
    <message>
        <source>kleinster frankierbarer Betrag</source>
        <translation>smallest payable amount</translation>
    </message>
    <message>
        <source>größte Lücke: %1</source>
        <translation>largest gap: %1</translation>
    </message>
</context>
<context>
    <name>RemainderPicture</name>
    <message>
        <source>Rest %1</source>
        <translation>remainder %1</translation>
    </message>
</context>
<context>
    <name>RemainderTable</name>
    <message>
        <source>… %1 weitere</source>
        <translation>… %1 more</translation>
    </message>
    <message>
        <source>Rest</source>
        <translation>Remainder</translation>
    </message>
    <message>
        <source>kleinster Betrag</source>
        <translation>smallest amount</translation>
    </message>
    <message>
        <source>Marken</source>
        <translation>Stamps</translation>
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
    <message>
        <source> (kein Platz mehr auf dem Datenträger)</source>
        <translation> (no space left on the device)</translation>
    </message>
    <message>
        <source> (die Standardausgabe ist geschlossen)</source>
        <translation> (standard output is closed)</translation>
    </message>
    <message>
        <source>%1: Die Ausgabe konnte nicht geschrieben werden%2.
</source>
        <translation>%1: The output could not be written%2.
</translation>
    </message>
</context>
<context>
    <name>WhyWording</name>
    <message>
        <source>Alle drei Werte sind durch 2 teilbar: nur gerade Beträge lassen sich frankieren, ungerade nie.</source>
        <translation>All three values are divisible by 2: only even amounts can be paid, odd ones never.</translation>
    </message>
    <message>
        <source>Alle drei Werte sind durch %1 teilbar: nur Vielfache von %1 lassen sich frankieren, andere Beträge nie.</source>
        <translation>All three values are divisible by %1: only multiples of %1 can be paid, other amounts never.</translation>
    </message>
    <message>
        <source>Geteilt durch %1 sind die Werte %2, %3 und %4 mit der größten Lücke %5; mal %1 genommen ist das %6.</source>
        <translation>Divided by %1 the values are %2, %3 and %4 with the largest gap %5; times %1 that is %6.</translation>
    </message>
    <message>
        <source>Geteilt durch %1 sind die Werte %2, %3 und %4; einer davon ist 1.</source>
        <translation>Divided by %1 the values are %2, %3 and %4; one of them is 1.</translation>
    </message>
    <message>
        <source>Ein Wert ist %1: Mit Marken zu %1 lässt sich jeder Betrag frankieren, es gibt keine Lücke.</source>
        <translation>One value is %1: with stamps of %1 every amount can be paid, there is no gap.</translation>
    </message>
    <message>
        <source>Ein Wert ist 2: Mit Marken zu 2 lässt sich jeder gerade Betrag frankieren, unter ihnen gibt es keine Lücke.</source>
        <translation>One value is 2: with stamps of 2 every even amount can be paid, there is no gap among them.</translation>
    </message>
    <message>
        <source>Ein Wert ist %1: Mit Marken zu %1 lässt sich jedes Vielfache von %1 frankieren, unter ihnen gibt es keine Lücke.</source>
        <translation>One value is %1: with stamps of %1 every multiple of %1 can be paid, there is no gap among them.</translation>
    </message>
    <message>
        <source>Der kleinste Wert ist %1. Wir ordnen die Beträge nach ihrem Rest beim Teilen durch %1 in %2 Spalten: Rest %3.</source>
        <translation>The smallest value is %1. We arrange the amounts by their remainder when divided by %1 in %2 columns: remainder %3.</translation>
    </message>
    <message>
        <source>Der kleinste Wert ist %1. Wir ordnen die geraden Beträge nach ihrem Rest beim Teilen durch %1 in %2 Spalten: Rest %3.</source>
        <translation>The smallest value is %1. We arrange the even amounts by their remainder when divided by %1 in %2 columns: remainder %3.</translation>
    </message>
    <message>
        <source>Der kleinste Wert ist %1. Wir ordnen die Vielfachen von %4 nach ihrem Rest beim Teilen durch %1 in %2 Spalten: Rest %3.</source>
        <translation>The smallest value is %1. We arrange the multiples of %4 by their remainder when divided by %1 in %2 columns: remainder %3.</translation>
    </message>
    <message>
        <source>Geht ein Betrag, dann auch jeder weitere seiner Spalte: mit je einer Marke zu %1 mehr.</source>
        <translation>If an amount can be paid, so can every further amount of its column: with one more stamp of %1 each time.</translation>
    </message>
    <message>
        <source>In jeder Spalte entscheidet also ihr kleinster frankierbarer Betrag: Von ihm an geht jeder Betrag der Spalte, vor ihm keiner.</source>
        <translation>So in each column its smallest payable amount decides: from it on every amount of the column can be paid, before it none.</translation>
    </message>
    <message>
        <source>Die kleinsten frankierbaren Beträge der Spalten sind %1. Der größte von ihnen ist %2.</source>
        <translation>The smallest payable amounts of the columns are %1. The largest of them is %2.</translation>
    </message>
    <message>
        <source>%2 bei Rest %1</source>
        <translation>%2 for remainder %1</translation>
    </message>
    <message>
        <source>Rest %1: %2</source>
        <translation>remainder %1: %2</translation>
    </message>
    <message>
        <source>Die kleinsten frankierbaren Beträge der %1 Spalten stehen in der Übersicht; der größte von ihnen ist %2 = %3 mit Rest %4.</source>
        <translation>The smallest payable amounts of the %1 columns are in the overview; the largest of them is %2 = %3 with remainder %4.</translation>
    </message>
    <message>
        <source>Also ist %1 − %2 = %3 der größte Betrag, der sich nicht frankieren lässt. Von %4 bis %1 gehen %5 Beträge in Folge, einer aus jeder Spalte: Ab %4 geht jeder Betrag.</source>
        <translation>So %1 − %2 = %3 is the largest amount that cannot be paid. From %4 to %1, %5 amounts in a row can be paid, one from each column: from %4 on every amount can.</translation>
    </message>
    <message>
        <source>Also ist %1 − %2 = %3 der größte gerade Betrag, der sich nicht frankieren lässt. Von %4 bis %1 gehen %5 gerade Beträge in Folge, einer aus jeder Spalte: Ab %4 geht jeder gerade Betrag.</source>
        <translation>So %1 − %2 = %3 is the largest even amount that cannot be paid. From %4 to %1, %5 even amounts in a row can be paid, one from each column: from %4 on every even amount can.</translation>
    </message>
    <message>
        <source>Also ist %1 − %2 = %3 das größte Vielfache von %6, das sich nicht frankieren lässt. Von %4 bis %1 gehen %5 Vielfache von %6 in Folge, eines aus jeder Spalte: Ab %4 geht jedes Vielfache von %6.</source>
        <translation>So %1 − %2 = %3 is the largest multiple of %6 that cannot be paid. From %4 to %1, %5 multiples of %6 in a row can be paid, one from each column: from %4 on every multiple of %6 can.</translation>
    </message>
    <message>
        <source>Anzahl der Beträge, die sich nicht frankieren lassen: %1.</source>
        <translation>Number of amounts that cannot be paid: %1.</translation>
    </message>
    <message>
        <source>Anzahl der geraden Beträge, die sich nicht frankieren lassen: %1 (dazu alle ungeraden).</source>
        <translation>Number of even amounts that cannot be paid: %1 (and every odd one).</translation>
    </message>
    <message>
        <source>Anzahl der Vielfachen von %2, die sich nicht frankieren lassen: %1 (dazu alle anderen Beträge).</source>
        <translation>Number of multiples of %2 that cannot be paid: %1 (and every other amount).</translation>
    </message>
    <message>
        <source>%1 ist darstellbar, zum Beispiel %1 = %2.</source>
        <translation>%1 can be paid, for example %1 = %2.</translation>
    </message>
    <message>
        <source>%1 ist nicht darstellbar: %1 hat beim Teilen durch %2 den Rest %3, und der kleinste Betrag mit Rest %3 ist %4.</source>
        <translation>%1 cannot be paid: divided by %2, %1 leaves the remainder %3, and the smallest payable amount with remainder %3 is %4.</translation>
    </message>
    <message>
        <source>%1 ist nicht darstellbar: %1 ist nicht durch %2 teilbar, alle drei Werte aber schon.</source>
        <translation>%1 cannot be paid: %1 is not divisible by %2, but all three values are.</translation>
    </message>
    <message>
        <source>Kein Betrag zum Prüfen: Der Text ist leer.</source>
        <translation>No amount to check: the text is empty.</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl.</source>
        <translation>“%1” is not a number.</translation>
    </message>
    <message>
        <source>„%1“ ist keine ganze Zahl; Beträge sind ganze Zahlen.</source>
        <translation>“%1” is not a whole number; amounts are whole numbers.</translation>
    </message>
    <message>
        <source>„%1“ ist negativ; Beträge sind nie kleiner als 0.</source>
        <translation>“%1” is negative; amounts are never below 0.</translation>
    </message>
    <message>
        <source>„%1“ ist zu groß; geprüft werden Beträge bis %2.</source>
        <translation>“%1” is too large; amounts up to %2 are checked.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Lehrprogramm zum Frankierungsproblem: Welche Beträge N lassen sich als N = xA + yB + zC
mit ganzen x, y, z ≥ 0 frankieren? Dazu gelten die Optionen von Qt, etwa -platform NAME
und -reverse (siehe --help-all).</source>
        <translation>A teaching tool for the postage stamp problem: which amounts N can be paid as N = xA + yB + zC
with whole x, y, z ≥ 0? Qt&apos;s own options work too, such as -platform NAME
and -reverse (see --help-all).</translation>
    </message>
    <message>
        <source>Unerwartetes Argument: %1
</source>
        <translation>Unexpected argument: %1
</translation>
    </message>
    <message>
        <source>QT_SCALE_FACTOR=%1: Faktoren unter 1 zeichnet Qt nur zum Teil, das Fenster nimmt den Faktor 1.
</source>
        <translation>QT_SCALE_FACTOR=%1: Qt paints factors below 1 only in part, the window takes the factor 1.
</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Klasse:</source>
        <translation>Class:</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>%1 und %2 ab %3 jeder Betrag</source>
        <translation>%1 and %2 every amount from %3</translation>
    </message>
    <message>
        <source>%1 und %2 ab %3 jedes Vielfache von %4</source>
        <translation>%1 and %2 every multiple of %4 from %3</translation>
    </message>
    <message>
        <source>Diagramm</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Übung</source>
        <translation>Exercise</translation>
    </message>
    <message>
        <source>Lösung</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Warum?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Warum? zum Ausfüllen</source>
        <translation>Why? to fill in</translation>
    </message>
    <message>
        <source>Frankierung mit %1, %2 und %3</source>
        <translation>Postage with %1, %2 and %3</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>Antwort:</source>
        <translation>Answer:</translation>
    </message>
    <message>
        <source>Die Beträge stehen nach ihrem Rest beim Teilen durch %1 in Spalten.</source>
        <translation>The amounts stand in columns by their remainder when divided by %1.</translation>
    </message>
    <message>
        <source>Lies im Diagramm ab, welche Beträge man mit Marken zu %1, %2 und %3 bezahlen kann: in den oberen Zeilen mit einer Sorte, darunter mit zwei Sorten, in der untersten Zeile mit allen drei.</source>
        <translation>Read from the chart which amounts can be paid with stamps of %1, %2 and %3: in the top rows with one kind, below them with two kinds, in the bottom row with all three.</translation>
    </message>
    <message>
        <source>Male in der untersten Zeile jeden Betrag an, den man mit allen drei Marken bezahlen kann. Welches ist der größte Betrag, den man nicht bezahlen kann?</source>
        <translation>In the bottom row, colour every amount that can be paid with all three stamps. Which is the largest amount that cannot be paid?</translation>
    </message>
    <message>
        <source>Warum kann man %1 nicht bezahlen, jeden größeren Betrag aber schon?</source>
        <translation>Why can %1 not be paid, but every larger amount can?</translation>
    </message>
    <message>
        <source>Welche Beträge kann man bezahlen, und warum?</source>
        <translation>Which amounts can be paid, and why?</translation>
    </message>
    <message>
        <source>Male jeden Betrag an, den man bezahlen kann, und schreibe unter jede Spalte die Marken für ihren kleinsten Betrag.</source>
        <translation>Colour every amount that can be paid, and write under each column the stamps for its smallest amount.</translation>
    </message>
    <message>
        <source>Trage zu jedem Rest den kleinsten Betrag ein, den man bezahlen kann, und die Marken dazu.</source>
        <translation>For each remainder, write down the smallest amount that can be paid, and its stamps.</translation>
    </message>
    <message>
        <source>Welches ist der größte Betrag, den man nicht bezahlen kann?</source>
        <translation>Which is the largest amount that cannot be paid?</translation>
    </message>
    <message>
        <source>Welches ist das größte Vielfache von %1, das man nicht bezahlen kann?</source>
        <translation>Which is the largest multiple of %1 that cannot be paid?</translation>
    </message>
    <message>
        <source>Der größte Betrag, den man nicht bezahlen kann, ist %1. Ab %2 kann man jeden Betrag bezahlen.</source>
        <translation>The largest amount that cannot be paid is %1. From %2 on every amount can be paid.</translation>
    </message>
    <message>
        <source>Man kann jeden Betrag bezahlen.</source>
        <translation>Every amount can be paid.</translation>
    </message>
    <message>
        <source>Alle drei Werte sind durch %1 teilbar: Man kann nur Vielfache von %1 bezahlen.</source>
        <translation>All three values are divisible by %1: only multiples of %1 can be paid.</translation>
    </message>
    <message>
        <source>Das größte Vielfache von %1, das man nicht bezahlen kann, ist %2; ab %3 geht jedes.</source>
        <translation>The largest multiple of %1 that cannot be paid is %2; from %3 on every one can.</translation>
    </message>
    <message>
        <source>Jedes Vielfache von %1 kann man bezahlen.</source>
        <translation>Every multiple of %1 can be paid.</translation>
    </message>
    <message>
        <source>Diese %1 Beträge kann man nicht bezahlen: %2.</source>
        <translation>These %1 amounts cannot be paid: %2.</translation>
    </message>
    <message>
        <source>Bis %1 kann man diese Beträge nicht bezahlen: %2.</source>
        <translation>Up to %1 these amounts cannot be paid: %2.</translation>
    </message>
    <message>
        <source>Diese %1 Vielfachen von %2 kann man nicht bezahlen: %3.</source>
        <translation>These %1 multiples of %2 cannot be paid: %3.</translation>
    </message>
    <message>
        <source>Bis %1 kann man diese Vielfachen von %2 nicht bezahlen: %3.</source>
        <translation>Up to %1 these multiples of %2 cannot be paid: %3.</translation>
    </message>
    <message>
        <source>Mit zwei Sorten: %1; %2; %3.</source>
        <translation>With two kinds: %1; %2; %3.</translation>
    </message>
</context>
<context>
    <name>frankierung::ChartBoard</name>
    <message>
        <source>Diagramm der darstellbaren Zahlen</source>
        <translation>Chart of the amounts that can be paid</translation>
    </message>
    <message>
        <source>Bildlauf des Diagramms</source>
        <translation>Scrolling the chart</translation>
    </message>
    <message>
        <source>Briefmarke für Markenwert %1</source>
        <translation>Stamp for stamp value %1</translation>
    </message>
    <message>
        <source>Wert der Briefmarke %1</source>
        <translation>Value of stamp %1</translation>
    </message>
    <message>
        <source>Geduld bitte, Rechnu
ng läuft
</source>
        <translation>Please wait, calcula
tion running
</translation>
    </message>
    <message>
        <source>Rechenhinweis</source>
        <translation>Calculation notice</translation>
    </message>
    <message>
        <source>Obere 3 Zeilen: Nur einen Markenwert verwenden</source>
        <translation>Top 3 rows: use only one stamp value</translation>
    </message>
    <message>
        <source>Mittlere 3 Zeilen: Nur zwei Markenwerte verwenden</source>
        <translation>Middle 3 rows: use only two stamp values</translation>
    </message>
    <message>
        <source>Untere Zeile: Alle drei Markenwerte verwenden</source>
        <translation>Bottom row: use all three stamp values</translation>
    </message>
    <message>
        <source>Bedienung: Eingabe der Markenwerte unter dem Posthorn, dann auf &apos;zeigen&apos; klicken.</source>
        <translation>How to: enter the stamp values under the post horn, then click &apos;show&apos;.</translation>
    </message>
</context>
<context>
    <name>frankierung::DialogHintLine</name>
    <message>
        <source>Hinweiszeile</source>
        <translation>Hint line</translation>
    </message>
</context>
<context>
    <name>frankierung::FullScreenMode</name>
    <message>
        <source>Vollbild</source>
        <translation>Full screen</translation>
    </message>
</context>
<context>
    <name>frankierung::HintLine</name>
    <message>
        <source>Wert - 1</source>
        <translation>Value - 1</translation>
    </message>
    <message>
        <source>Wert + 1</source>
        <translation>Value + 1</translation>
    </message>
    <message>
        <source>Wert eingeben</source>
        <translation>Enter a value</translation>
    </message>
    <message>
        <source>Graphik aufbauen, Grenzen berechnen</source>
        <translation>Draw the chart, work out the bounds</translation>
    </message>
    <message>
        <source>Einige Darstellungen für N = xA + yB + zC anzeigen</source>
        <translation>Show some representations N = xA + yB + zC</translation>
    </message>
    <message>
        <source>Die darzustellende Zahl kann auch direkt hier eingegeben werden.</source>
        <translation>The amount to represent can also be typed in here.</translation>
    </message>
    <message>
        <source>Beispiele für Zahldarstellungen</source>
        <translation>Examples of representations</translation>
    </message>
    <message>
        <source>Lückenlose Darstellung der Vielfachen des ggT dieser zwei Zahlen ab ...</source>
        <translation>Every multiple of the gcd of these two values can be paid from ...</translation>
    </message>
    <message>
        <source>Jede Zahl ab ... ist mit den drei Markenwerten darstellbar.</source>
        <translation>Every amount from ... on can be paid with the three stamp values.</translation>
    </message>
    <message>
        <source>Verwendete Markenwerte</source>
        <translation>Stamp values used</translation>
    </message>
    <message>
        <source>Nur diese Markenwerte verwenden</source>
        <translation>Use only these stamp values</translation>
    </message>
    <message>
        <source>Posthorn</source>
        <translation>Post horn</translation>
    </message>
    <message>
        <source>Eingabefeld</source>
        <translation>Input area</translation>
    </message>
    <message>
        <source>Hinweiszeile</source>
        <translation>Hint line</translation>
    </message>
</context>
<context>
    <name>frankierung::LogColumn</name>
    <message>
        <source>Beschriftung N =</source>
        <translation>Caption N =</translation>
    </message>
    <message>
        <source>darzustellende Zahl</source>
        <translation>Amount to represent</translation>
    </message>
    <message>
        <source>darzustellende Zahl wählen</source>
        <translation>choose the amount to represent</translation>
    </message>
    <message>
        <source>Protokoll der Darstellungen</source>
        <translation>Log of representations</translation>
    </message>
    <message>
        <source>Protokoll leeren</source>
        <translation>Clear the log</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Represent</translation>
    </message>
    <message>
        <source>Darstellungen anzeigen</source>
        <translation>Show representations</translation>
    </message>
</context>
<context>
    <name>frankierung::MainWindow</name>
    <message>
        <source>Frankierungsproblem mit 3 Marken:     N = xA + yB + zC</source>
        <translation>Postage problem with 3 stamps:     N = xA + yB + zC</translation>
    </message>
    <message>
        <source>Programm beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Tafel wischen</source>
        <translation>Wipe board</translation>
    </message>
    <message>
        <source>Alles</source>
        <translation>Everything</translation>
    </message>
    <message>
        <source>Notizen</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Hauptbereich</source>
        <translation>Main area</translation>
    </message>
    <message>
        <source>Legende und Eingabebereich</source>
        <translation>Legend and input area</translation>
    </message>
    <message>
        <source>Posthorn</source>
        <translation>Post horn</translation>
    </message>
    <message>
        <source>Markenwerte und Grenzen</source>
        <translation>Stamp values and bounds</translation>
    </message>
    <message>
        <source>zeigen</source>
        <translation>show</translation>
    </message>
    <message>
        <source>zeigen: Graphik aufbauen, Grenzen berechnen</source>
        <translation>show: draw the chart, work out the bounds</translation>
    </message>
    <message>
        <source>löschen</source>
        <translation>clear</translation>
    </message>
    <message>
        <source>Graphik und Protokoll löschen</source>
        <translation>Clear chart and log</translation>
    </message>
    <message>
        <source>Programmiert von</source>
        <translation>Programmed by</translation>
    </message>
    <message>
        <source>  (Auswahl zur Darstellung durch Anklicken)</source>
        <translation>  (click to choose it for representing)</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Notiz zurücknehmen</source>
        <translation>Undo note</translation>
    </message>
    <message>
        <source>Notiz wiederherstellen</source>
        <translation>Redo note</translation>
    </message>
    <message>
        <source>Tafel speichern …</source>
        <translation>Save board …</translation>
    </message>
    <message>
        <source>Tafel drucken …</source>
        <translation>Print board …</translation>
    </message>
    <message>
        <source>Tafel speichern</source>
        <translation>Save board</translation>
    </message>
    <message>
        <source>Tafel</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>PNG-Bild, sichtbarer Teil (*.png)</source>
        <translation>PNG image, part in view (*.png)</translation>
    </message>
    <message>
        <source>PNG-Bild, ganze Tafel von 0 bis 1000 (*.png)</source>
        <translation>PNG image, whole board from 0 to 1000 (*.png)</translation>
    </message>
    <message>
        <source>PDF-Dokument, sichtbarer Teil (*.pdf)</source>
        <translation>PDF document, part in view (*.pdf)</translation>
    </message>
    <message>
        <source>PDF-Dokument, ganze Tafel von 0 bis 1000 (*.pdf)</source>
        <translation>PDF document, whole board from 0 to 1000 (*.pdf)</translation>
    </message>
    <message>
        <source>Warum?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Arbeitsblatt …</source>
        <translation>Worksheet …</translation>
    </message>
</context>
<context>
    <name>frankierung::PairPanels</name>
    <message>
        <source>Beschriftung %1</source>
        <translation>Caption %1</translation>
    </message>
    <message>
        <source>Paarfeld %1</source>
        <translation>Pair panel %1</translation>
    </message>
    <message>
        <source>Grenze für das Paar %1</source>
        <translation>Bound for the pair %1</translation>
    </message>
    <message>
        <source>stabil ab</source>
        <translation>stable from</translation>
    </message>
    <message>
        <source>Grenze für alle drei Markenwerte</source>
        <translation>Bound for all three stamp values</translation>
    </message>
    <message>
        <source>jede Zahl ab</source>
        <translation>every amount from</translation>
    </message>
    <message>
        <source>%1 ist zu groß für eine Zahl.</source>
        <translation>%1 is too large for a number.</translation>
    </message>
    <message>
        <source>Grenze %1 fehlt – bitte zuerst „zeigen“ klicken.</source>
        <translation>Bound %1 is missing – please click “show” first.</translation>
    </message>
    <message>
        <source>%1 ist leer.</source>
        <translation>%1 is empty.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl.</source>
        <translation>%1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>%1 ist leer – erlaubt sind ganze Zahlen von 0 bis %2.</source>
        <translation>%1 is empty – only whole numbers from 0 to %2 are allowed.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl – erlaubt sind ganze Zahlen von 0 bis %3.</source>
        <translation>%1: “%2” is not a number – only whole numbers from 0 to %3 are allowed.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine ganze Zahl – erlaubt sind ganze Zahlen von 0 bis %3.</source>
        <translation>%1: “%2” is not a whole number – only whole numbers from 0 to %3 are allowed.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist zu klein – erlaubt sind ganze Zahlen von 0 bis %3.</source>
        <translation>%1: “%2” is too small – only whole numbers from 0 to %3 are allowed.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist zu groß – erlaubt sind ganze Zahlen von 0 bis %3.</source>
        <translation>%1: “%2” is too large – only whole numbers from 0 to %3 are allowed.</translation>
    </message>
    <message>
        <source>ggT =%1,  kgV =%2,  %3 =%4</source>
        <translation>gcd =%1,  lcm =%2,  %3 =%4</translation>
    </message>
    <message>
        <source>ggT =%1,  kgV =%2,  %3: keine Schranke (alle drei durch %4 teilbar)</source>
        <translation>gcd =%1,  lcm =%2,  %3: no bound (all three divisible by %4)</translation>
    </message>
</context>
<context>
    <name>frankierung::RunController</name>
    <message>
        <source>Markenwert nicht zulässig</source>
        <translation>Stamp value not allowed</translation>
    </message>
</context>
<context>
    <name>frankierung::StampInputs</name>
    <message>
        <source>%1: „%2“ ist zu groß zum Erhöhen.</source>
        <translation>%1: “%2” is too large to step up.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist zu groß zum Verringern.</source>
        <translation>%1: “%2” is too large to step down.</translation>
    </message>
    <message>
        <source>Markenwert %1</source>
        <translation>Stamp value %1</translation>
    </message>
    <message>
        <source>Markenwert eingeben</source>
        <translation>enter a stamp value</translation>
    </message>
    <message>
        <source>Plus-Knopf für Markenwert %1</source>
        <translation>Plus button for stamp value %1</translation>
    </message>
    <message>
        <source>Minus-Knopf für Markenwert %1</source>
        <translation>Minus button for stamp value %1</translation>
    </message>
    <message>
        <source>Beschriftung %1</source>
        <translation>Caption %1</translation>
    </message>
</context>
<context>
    <name>frankierung::WhyWindow</name>
    <message>
        <source>Warum?</source>
        <translation>Why?</translation>
    </message>
    <message>
        <source>Bild der Restklassen</source>
        <translation>Picture of the remainder classes</translation>
    </message>
    <message>
        <source>Tabelle der Restklassen</source>
        <translation>Table of the remainder classes</translation>
    </message>
    <message>
        <source>Erklärung</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>Warum? – %1, %2, %3</source>
        <translation>Why? – %1, %2, %3</translation>
    </message>
    <message>
        <source>Spalten nach dem Rest beim Teilen durch %1, mit dem kleinsten frankierbaren Betrag: %2.</source>
        <translation>Columns by the remainder when divided by %1, with the smallest payable amount: %2.</translation>
    </message>
    <message>
        <source>Größte Lücke: %1.</source>
        <translation>Largest gap: %1.</translation>
    </message>
</context>
<context>
    <name>frankierung::WorksheetDialog</name>
    <message>
        <source>Arbeitsblatt</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>selbst wählen: von</source>
        <translation>choose: from</translation>
    </message>
    <message>
        <source>bis</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Zeile für Name, Klasse und Datum</source>
        <translation>Line for name, class and date</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>Bereich:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>Speichern …</source>
        <translation>Save …</translation>
    </message>
    <message>
        <source>Drucken …</source>
        <translation>Print …</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vorschau des Arbeitsblatts</source>
        <translation>Preview of the worksheet</translation>
    </message>
    <message>
        <source>Das Diagramm, die Übung für die Klasse, ihre Lösung, die Erklärung mit den Resten oder deren leere Fassung zum Ausfüllen</source>
        <translation>The chart, the exercise for the class, its solution, the explanation by remainders or its blank version to fill in</translation>
    </message>
    <message>
        <source>Ohne Haken die Vorgabe: von 0 bis kurz nach der größten Lücke, ohne größte Lücke bis %1</source>
        <translation>Unticked the default: from 0 to a little after the largest gap, without a largest gap up to %1</translation>
    </message>
    <message>
        <source>Erster Betrag des Streifens, 0 bis %1</source>
        <translation>First amount of the strip, 0 to %1</translation>
    </message>
    <message>
        <source>Letzter Betrag des Streifens, 1 bis %1</source>
        <translation>Last amount of the strip, 1 to %1</translation>
    </message>
    <message>
        <source>Die Zeile „Name: ___ Klasse: ___ Datum: ___“ unter dem Titel</source>
        <translation>The line “Name: ___ Class: ___ Date: ___” below the title</translation>
    </message>
    <message>
        <source>So wird das Blatt gedruckt: jede Seite ganz, die Seiten untereinander</source>
        <translation>This is how the sheet prints: each page whole, the pages one below the other</translation>
    </message>
    <message>
        <source>Als PDF (jede Seite A4), PNG oder SVG speichern</source>
        <translation>Save as PDF (each page A4), PNG or SVG</translation>
    </message>
    <message>
        <source>Auf einem Drucker ausgeben</source>
        <translation>Print on a printer</translation>
    </message>
    <message>
        <source>Das Fenster schließen; beim nächsten Öffnen folgt es wieder den Markenwerten</source>
        <translation>Close the window; opened again, it follows the stamp values again</translation>
    </message>
    <message>
        <source>„von“ muss kleiner als „bis“ sein.</source>
        <translation>“from” must be less than “to”.</translation>
    </message>
    <message>
        <source>1 Seite A4</source>
        <translation>1 page A4</translation>
    </message>
    <message>
        <source>%1 Seiten A4</source>
        <translation>%1 pages A4</translation>
    </message>
    <message>
        <source>Arbeitsblatt speichern</source>
        <translation>Save worksheet</translation>
    </message>
    <message>
        <source>PDF-Dokument, jede Seite eine A4-Seite (*.pdf)</source>
        <translation>PDF document, each page an A4 page (*.pdf)</translation>
    </message>
    <message>
        <source>PNG-Bild, alle Seiten untereinander in einem Bild (*.png)</source>
        <translation>PNG image, all pages one below the other in one image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik, alle Seiten untereinander in einem Bild (*.svg)</source>
        <translation>SVG image, all pages one below the other in one image (*.svg)</translation>
    </message>
</context>
</TS>
