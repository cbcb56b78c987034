<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ComboBoxEdit</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>DataLabels</name>
    <message>
        <source>Data Labels</source>
        <translation>Datenbeschriftungen</translation>
    </message>
    <message>
        <source>Show Node Labels</source>
        <translation>Knotenbeschriftungen anzeigen</translation>
    </message>
    <message>
        <source>Show Index Value</source>
        <translation>Indexwert anzeigen</translation>
    </message>
    <message>
        <source>Show Dependent Variable Value</source>
        <translation>Wert der abhängigen Variablen anzeigen</translation>
    </message>
    <message>
        <source>Show X,Y Value Pair</source>
        <translation>X,Y-Wertepaar anzeigen</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Auslassen</translation>
    </message>
    <message>
        <source>By Index</source>
        <translation>Nach Index</translation>
    </message>
    <message>
        <source>By Distance (%)</source>
        <translation>Nach Abstand (%)</translation>
    </message>
    <message>
        <source>Show Variable Value:</source>
        <translation>Variablenwert anzeigen:</translation>
    </message>
    <message>
        <source>Show Cell Labels</source>
        <translation>Zellbeschriftungen anzeigen</translation>
    </message>
    <message>
        <source>Index Skip</source>
        <translation>Indexschritt</translation>
    </message>
    <message>
        <source>Color Text by Zone/Map</source>
        <translation>Text nach Zone/Zuordnung färben</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Some Color</source>
        <translation>Eine Farbe</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Number Format...</source>
        <translation>Zahlenformat...</translation>
    </message>
    <message>
        <source>Include Text Box</source>
        <translation>Mit Textrahmen</translation>
    </message>
    <message>
        <source>Label Points</source>
        <translation>Punkte beschriften</translation>
    </message>
    <message>
        <source>Color Text by &amp;Map</source>
        <translation>Text nach &amp;Zuordnung färben</translation>
    </message>
    <message>
        <source>Label Points and Cells</source>
        <translation>Punkte und Zellen beschriften</translation>
    </message>
    <message>
        <source>Color &amp;Text by &amp;Zone</source>
        <translation>&amp;Text nach &amp;Zone färben</translation>
    </message>
    <message>
        <source>fgrid</source>
        <translation>fgrid</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>pt.</source>
        <translation>Pt.</translation>
    </message>
    <message>
        <source>axis%</source>
        <translation>Achse%</translation>
    </message>
    <message>
        <source>Sho&amp;w Theta,R Value Pair</source>
        <translation>Theta,R-&amp;Wertepaar anzeigen</translation>
    </message>
    <message>
        <source>Sho&amp;w X,Y Value Pair</source>
        <translation>X,Y-&amp;Wertepaar anzeigen</translation>
    </message>
</context>
<context>
    <name>DynamicLineMapTextEdit</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Zone name</source>
        <translation>Zonenname</translation>
    </message>
    <message>
        <source>Zone number</source>
        <translation>Zonennummer</translation>
    </message>
    <message>
        <source>Dependent variable name</source>
        <translation>Name der abhängigen Variablen</translation>
    </message>
    <message>
        <source>Dependent variable number</source>
        <translation>Nummer der abhängigen Variablen</translation>
    </message>
    <message>
        <source>Independent variable name</source>
        <translation>Name der unabhängigen Variablen</translation>
    </message>
    <message>
        <source>Independent variable number</source>
        <translation>Nummer der unabhängigen Variablen</translation>
    </message>
    <message>
        <source>Map number</source>
        <translation>Zuordnungsnummer</translation>
    </message>
    <message>
        <source>X-Axis number</source>
        <translation>Nummer der X-Achse</translation>
    </message>
    <message>
        <source>Y-Axis number</source>
        <translation>Nummer der Y-Achse</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export &amp;format:</source>
        <translation>Export&amp;format:</translation>
    </message>
    <message>
        <source>AVI</source>
        <translation>AVI</translation>
    </message>
    <message>
        <source>EPS</source>
        <translation>EPS</translation>
    </message>
    <message>
        <source>PNG</source>
        <translation>PNG</translation>
    </message>
    <message>
        <source>WMF</source>
        <translation>WMF</translation>
    </message>
    <message>
        <source>&amp;Color</source>
        <translation>Fa&amp;rbe</translation>
    </message>
    <message>
        <source>&amp;Region</source>
        <translation>&amp;Bereich</translation>
    </message>
    <message>
        <source>Current Frame</source>
        <translation>Aktueller Rahmen</translation>
    </message>
    <message>
        <source>All Frames</source>
        <translation>Alle Rahmen</translation>
    </message>
    <message>
        <source>Work Area</source>
        <translation>Arbeitsbereich</translation>
    </message>
    <message>
        <source>&amp;Use width of image on screen</source>
        <translation>Bildschirmbreite &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Enter width:</source>
        <translation>Breite &amp;eingeben:</translation>
    </message>
    <message>
        <source>&amp;Antialiasing</source>
        <translation>&amp;Kantenglättung</translation>
    </message>
    <message>
        <source>&amp;Supersample factor (2-16):</source>
        <translation>&amp;Supersampling-Faktor (2-16):</translation>
    </message>
    <message>
        <source>Con&amp;vert to 256 colors</source>
        <translation>In 256 Farben &amp;umwandeln</translation>
    </message>
    <message>
        <source>Use &amp;multiple color tables</source>
        <translation>&amp;Mehrere Farbtabellen verwenden</translation>
    </message>
    <message>
        <source>&amp;Image type:</source>
        <translation>Bild&amp;typ:</translation>
    </message>
    <message>
        <source>True Color</source>
        <translation>Echtfarben</translation>
    </message>
    <message>
        <source>JPEG</source>
        <translation>JPEG</translation>
    </message>
    <message>
        <source>256 Colors</source>
        <translation>256 Farben</translation>
    </message>
    <message>
        <source>A&amp;nimation speed (frames/sec): </source>
        <translation>A&amp;nimationsgeschwindigkeit (Bilder/s): </translation>
    </message>
    <message>
        <source>Enc&amp;oding</source>
        <translation>K&amp;odierung</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Quality (1-100):</source>
        <translation>Qualität (1-100):</translation>
    </message>
    <message>
        <source>Smaller File
Lower Quality</source>
        <translation>Kleinere Datei
Geringere Qualität</translation>
    </message>
    <message>
        <source>Larger File
Better Quality</source>
        <translation>Größere Datei
Bessere Qualität</translation>
    </message>
    <message>
        <source>Optimize for Speed</source>
        <translation>Auf Geschwindigkeit optimieren</translation>
    </message>
    <message>
        <source>Optimize for File Size</source>
        <translation>Auf Dateigröße optimieren</translation>
    </message>
    <message>
        <source>F&amp;orce extra sorting for all 3D frames</source>
        <translation>Zusätzliche S&amp;ortierung für alle 3D-Rahmen erzwingen</translation>
    </message>
    <message>
        <source>Render type:</source>
        <translation>Darstellungsart:</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>&amp;Vector</source>
        <translation>&amp;Vektor</translation>
    </message>
    <message>
        <source>&amp;Region:</source>
        <translation>Be&amp;reich:</translation>
    </message>
    <message>
        <source>Re&amp;solution (dpi):</source>
        <translation>&amp;Auflösung (dpi):</translation>
    </message>
    <message>
        <source>E&amp;xtra precision:</source>
        <translation>Zusätzliche &amp;Genauigkeit:</translation>
    </message>
    <message>
        <source>EPS preview image settings</source>
        <translation>Einstellungen des EPS-Vorschaubilds</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>TIFF</source>
        <translation>TIFF</translation>
    </message>
    <message>
        <source>EPSIV2</source>
        <translation>EPSIV2</translation>
    </message>
    <message>
        <source>FrameMaker</source>
        <translation>FrameMaker</translation>
    </message>
    <message>
        <source>&amp;Depth:</source>
        <translation>T&amp;iefe:</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>1-Bit Gray</source>
        <translation>1-Bit-Graustufen</translation>
    </message>
    <message>
        <source>4-Bit Gray</source>
        <translation>4-Bit-Graustufen</translation>
    </message>
    <message>
        <source>8-Bit Gray</source>
        <translation>8-Bit-Graustufen</translation>
    </message>
    <message>
        <source>Widt&amp;h:</source>
        <translation>Br&amp;eite:</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Raster Metafile</source>
        <translation>Raster-Metadatei</translation>
    </message>
    <message>
        <source>Raster Metafiles</source>
        <translation>Raster-Metadateien</translation>
    </message>
    <message>
        <source>TIFF Files</source>
        <translation>TIFF-Dateien</translation>
    </message>
    <message>
        <source>EPS Files</source>
        <translation>EPS-Dateien</translation>
    </message>
    <message>
        <source>WMF Files</source>
        <translation>WMF-Dateien</translation>
    </message>
    <message>
        <source>PNG Files</source>
        <translation>PNG-Dateien</translation>
    </message>
    <message>
        <source>AVI Files</source>
        <translation>AVI-Dateien</translation>
    </message>
    <message>
        <source>JPEG Files</source>
        <translation>JPEG-Dateien</translation>
    </message>
    <message>
        <source>Flash</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>FLASH Files</source>
        <translation>FLASH-Dateien</translation>
    </message>
    <message>
        <source>MPEG-4</source>
        <translation>MPEG-4</translation>
    </message>
    <message>
        <source>MPEG-4 Files</source>
        <translation>MPEG-4-Dateien</translation>
    </message>
</context>
<context>
    <name>FontSelect</name>
    <message>
        <source>Select Font</source>
        <translation>Schriftart wählen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>Size By</source>
        <translation>Größe in</translation>
    </message>
    <message>
        <source>&amp;Points</source>
        <translation>&amp;Punkt</translation>
    </message>
    <message>
        <source>F&amp;rame %</source>
        <translation>&amp;Rahmen-%</translation>
    </message>
    <message>
        <source>&amp;Axis %</source>
        <translation>&amp;Achsen-%</translation>
    </message>
    <message>
        <source>&amp;Grid</source>
        <translation>&amp;Gitter</translation>
    </message>
    <message>
        <source>&amp;Height</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Tiny</source>
        <translation>Winzig</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Riesig</translation>
    </message>
</context>
<context>
    <name>ListBox</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
</context>
<context>
    <name>MapSelectionByPattern</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Selection &amp;criteria:</source>
        <translation>Auswahl&amp;kriterien:</translation>
    </message>
    <message>
        <source>Selects the maps whose names match this regular expression, in any case: inlet matches every name that contains inlet, ^inlet the names that begin with it, inlet|outlet both. With Groups, the text is a group number.</source>
        <translation>Wählt die Einträge, deren Namen zu diesem regulären Ausdruck passen, ohne Rücksicht auf Groß- und Kleinschreibung: inlet passt zu jedem Namen, der inlet enthält, ^inlet zu den Namen, die damit beginnen, inlet|outlet zu beiden. Bei Gruppen ist der Text eine Gruppennummer.</translation>
    </message>
    <message>
        <source>Regular expression, any case</source>
        <translation>Regulärer Ausdruck, Groß-/Kleinschreibung egal</translation>
    </message>
    <message>
        <source>&amp;Zones</source>
        <translation>&amp;Zonen</translation>
    </message>
    <message>
        <source>&amp;Groups</source>
        <translation>&amp;Gruppen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>Not a valid regular expression: %1 (at character %2).</source>
        <translation>Kein gültiger regulärer Ausdruck: %1 (bei Zeichen %2).</translation>
    </message>
</context>
<context>
    <name>PrintSetupDialog</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>PostScript</source>
        <translation>PostScript</translation>
    </message>
    <message>
        <source>Print Setup...</source>
        <translation>Druckeinrichtung...</translation>
    </message>
    <message>
        <source>Send Output to File</source>
        <translation>Ausgabe in Datei schreiben</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>Render Options</source>
        <translation>Darstellungsoptionen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Force Extra Sorting for All 3D Frames</source>
        <translation>Zusätzliche Sortierung für alle 3D-Rahmen erzwingen</translation>
    </message>
    <message>
        <source>Render Type:</source>
        <translation>Darstellungsart:</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Resolution (dpi)</source>
        <translation>Auflösung (dpi)</translation>
    </message>
</context>
<context>
    <name>StyleColumn</name>
    <message>
        <source>Use
Lighting</source>
        <translation>Beleuchtung
verwenden</translation>
    </message>
    <message>
        <source>Show
Contour</source>
        <translation>Kontur
zeigen</translation>
    </message>
    <message>
        <source>Contour
Type</source>
        <translation>Kontur-
typ</translation>
    </message>
    <message>
        <source>Flood
By</source>
        <translation>Füllung
nach</translation>
    </message>
    <message>
        <source>Lines
By</source>
        <translation>Linien
nach</translation>
    </message>
    <message>
        <source>Line
Color</source>
        <translation>Linien-
farbe</translation>
    </message>
    <message>
        <source>Show
Edges</source>
        <translation>Kanten
zeigen</translation>
    </message>
    <message>
        <source>Edge
Type</source>
        <translation>Kanten-
typ</translation>
    </message>
    <message>
        <source>Edge
Color</source>
        <translation>Kanten-
farbe</translation>
    </message>
    <message>
        <source>Line
Thickness</source>
        <translation>Linien-
stärke</translation>
    </message>
    <message>
        <source>I-Index
Border</source>
        <translation>I-Index-
Rand</translation>
    </message>
    <message>
        <source>J-Index
Border</source>
        <translation>J-Index-
Rand</translation>
    </message>
    <message>
        <source>K-Index
Border</source>
        <translation>K-Index-
Rand</translation>
    </message>
    <message>
        <source>Lighting
Effect</source>
        <translation>Beleuchtungs-
effekt</translation>
    </message>
    <message>
        <source>Use Surface
Translucency</source>
        <translation>Transluzenz
verwenden</translation>
    </message>
    <message>
        <source>Surface
Translucency</source>
        <translation>Oberflächen-
transluzenz</translation>
    </message>
    <message>
        <source>Use Value
Blanking</source>
        <translation>Wertausblendung
verwenden</translation>
    </message>
    <message>
        <source>Show
Mesh</source>
        <translation>Gitter
zeigen</translation>
    </message>
    <message>
        <source>Mesh
Type</source>
        <translation>Gitter-
typ</translation>
    </message>
    <message>
        <source>Mesh
Color</source>
        <translation>Gitter-
farbe</translation>
    </message>
    <message>
        <source>Points
to Plot</source>
        <translation>Darzustellende
Punkte</translation>
    </message>
    <message>
        <source>Index
Skip</source>
        <translation>Index-
schritt</translation>
    </message>
    <message>
        <source>Show
Scatter</source>
        <translation>Streusymbole
zeigen</translation>
    </message>
    <message>
        <source>Symbol
Shape</source>
        <translation>Symbol-
form</translation>
    </message>
    <message>
        <source>Scatter
Size</source>
        <translation>Streusymbol-
größe</translation>
    </message>
    <message>
        <source>Outline
Color</source>
        <translation>Umriss-
farbe</translation>
    </message>
    <message>
        <source>Fill
Mode</source>
        <translation>Füll-
modus</translation>
    </message>
    <message>
        <source>Fill
Color</source>
        <translation>Füll-
farbe</translation>
    </message>
    <message>
        <source>Show
Shade</source>
        <translation>Schattierung
zeigen</translation>
    </message>
    <message>
        <source>Shade
Color</source>
        <translation>Schattierungs-
farbe</translation>
    </message>
    <message>
        <source>Surfaces
to Plot</source>
        <translation>Darzustellende
Flächen</translation>
    </message>
    <message>
        <source>I-Plane
Range</source>
        <translation>I-Ebenen-
bereich</translation>
    </message>
    <message>
        <source>J-Plane
Range</source>
        <translation>J-Ebenen-
bereich</translation>
    </message>
    <message>
        <source>K-Plane
Range</source>
        <translation>K-Ebenen-
bereich</translation>
    </message>
    <message>
        <source>Show
Vector</source>
        <translation>Vektor
zeigen</translation>
    </message>
    <message>
        <source>Vector
Type</source>
        <translation>Vektor-
typ</translation>
    </message>
    <message>
        <source>Vector
Tangents</source>
        <translation>Vektor-
tangenten</translation>
    </message>
    <message>
        <source>Head
Style</source>
        <translation>Pfeilspitzen-
stil</translation>
    </message>
    <message>
        <source>Show
Iso-Surfaces</source>
        <translation>Isoflächen
zeigen</translation>
    </message>
    <message>
        <source>Show
Slices</source>
        <translation>Schnitte
zeigen</translation>
    </message>
    <message>
        <source>Show
Streamtraces</source>
        <translation>Stromlinien
zeigen</translation>
    </message>
    <message>
        <source>Show
Bars</source>
        <translation>Balken
zeigen</translation>
    </message>
    <message>
        <source>Bar
Direction</source>
        <translation>Balken-
richtung</translation>
    </message>
    <message>
        <source>Bar
Size</source>
        <translation>Balken-
größe</translation>
    </message>
    <message>
        <source>Curve
Type</source>
        <translation>Kurven-
typ</translation>
    </message>
    <message>
        <source>Dependent
Variable</source>
        <translation>Abhängige
Variable</translation>
    </message>
    <message>
        <source>Curve
Points</source>
        <translation>Kurven-
punkte</translation>
    </message>
    <message>
        <source>Curve
Setting</source>
        <translation>Kurven-
einstellung</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Show in
Legend</source>
        <translation>In Legende
zeigen</translation>
    </message>
    <message>
        <source>Theta
Variable</source>
        <translation>Theta-
Variable</translation>
    </message>
    <message>
        <source>Radius
Variable</source>
        <translation>Radius-
Variable</translation>
    </message>
    <message>
        <source>X-Axis
Variable</source>
        <translation>X-Achsen-
Variable</translation>
    </message>
    <message>
        <source>Y-Axis
Variable</source>
        <translation>Y-Achsen-
Variable</translation>
    </message>
    <message>
        <source>Which
X-Axis</source>
        <translation>Welche
X-Achse</translation>
    </message>
    <message>
        <source>Which
Y-Axis</source>
        <translation>Welche
Y-Achse</translation>
    </message>
    <message>
        <source>Show
Error Bars</source>
        <translation>Fehlerbalken
zeigen</translation>
    </message>
    <message>
        <source>Error Bar
Variable</source>
        <translation>Fehlerbalken-
variable</translation>
    </message>
    <message>
        <source>Error Bar
Type</source>
        <translation>Fehlerbalken-
typ</translation>
    </message>
    <message>
        <source>Error Bar
Spacing</source>
        <translation>Fehlerbalken-
abstand</translation>
    </message>
    <message>
        <source>Error Bar
Color</source>
        <translation>Fehlerbalken-
farbe</translation>
    </message>
    <message>
        <source>Error Bar
Size</source>
        <translation>Fehlerbalken-
größe</translation>
    </message>
    <message>
        <source>Varying
Index</source>
        <translation>Laufender
Index</translation>
    </message>
    <message>
        <source>I-Index
Range</source>
        <translation>I-Index-
bereich</translation>
    </message>
    <message>
        <source>J-Index
Range</source>
        <translation>J-Index-
bereich</translation>
    </message>
    <message>
        <source>K-Index
Range</source>
        <translation>K-Index-
bereich</translation>
    </message>
    <message>
        <source>Show
Lines</source>
        <translation>Linien
zeigen</translation>
    </message>
    <message>
        <source>Line
Pattern</source>
        <translation>Linien-
muster</translation>
    </message>
    <message>
        <source>Pattern
Length</source>
        <translation>Muster-
länge</translation>
    </message>
    <message>
        <source>Show
Symbols</source>
        <translation>Symbole
zeigen</translation>
    </message>
    <message>
        <source>Symbol
Size</source>
        <translation>Symbol-
größe</translation>
    </message>
    <message>
        <source>Symbol
Spacing</source>
        <translation>Symbol-
abstand</translation>
    </message>
    <message>
        <source>Draw all</source>
        <translation>Alle zeichnen</translation>
    </message>
    <message>
        <source>D=%1%</source>
        <translation>A=%1%</translation>
    </message>
    <message>
        <source>I=%1</source>
        <translation>I=%1</translation>
    </message>
</context>
<context>
    <name>StyleEnumeration</name>
    <message>
        <source>Wire frame</source>
        <translation>Drahtgitter</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Überlagert</translation>
    </message>
    <message>
        <source>Hidden line</source>
        <translation>Verdeckte Linien</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dash dot</source>
        <translation>Strichpunkt</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Long dash</source>
        <translation>Langer Strich</translation>
    </message>
    <message>
        <source>Dash dot dot</source>
        <translation>Strich-Punkt-Punkt</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Flood</source>
        <translation>Füllung</translation>
    </message>
    <message>
        <source>Lines and flood</source>
        <translation>Linien und Füllung</translation>
    </message>
    <message>
        <source>Average cell flood</source>
        <translation>Zellmittelwert-Füllung</translation>
    </message>
    <message>
        <source>Primary value flood</source>
        <translation>Primärwert-Füllung</translation>
    </message>
    <message>
        <source>Tail at point</source>
        <translation>Ende am Punkt</translation>
    </message>
    <message>
        <source>Head at point</source>
        <translation>Spitze am Punkt</translation>
    </message>
    <message>
        <source>Anchor at midpoint</source>
        <translation>Mitte am Punkt</translation>
    </message>
    <message>
        <source>Head only</source>
        <translation>Nur Spitze</translation>
    </message>
    <message>
        <source>Plain</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source>Hollow</source>
        <translation>Hohl</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>Gradient</source>
        <translation>Gradient</translation>
    </message>
    <message>
        <source>Right triangle</source>
        <translation>Dreieck rechts</translation>
    </message>
    <message>
        <source>Left triangle</source>
        <translation>Dreieck links</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Raute</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Sphere</source>
        <translation>Kugel</translation>
    </message>
    <message>
        <source>Octahedron</source>
        <translation>Oktaeder</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Specific color</source>
        <translation>Bestimmte Farbe</translation>
    </message>
    <message>
        <source>Line color</source>
        <translation>Linienfarbe</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Borders</source>
        <translation>Ränder</translation>
    </message>
    <message>
        <source>Creases</source>
        <translation>Knicke</translation>
    </message>
    <message>
        <source>Borders and creases</source>
        <translation>Ränder und Knicke</translation>
    </message>
    <message>
        <source>Min only</source>
        <translation>Nur Min.</translation>
    </message>
    <message>
        <source>Max only</source>
        <translation>Nur Max.</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Beide</translation>
    </message>
    <message>
        <source>Surface nodes</source>
        <translation>Oberflächenknoten</translation>
    </message>
    <message>
        <source>All nodes</source>
        <translation>Alle Knoten</translation>
    </message>
    <message>
        <source>Surface cell centers</source>
        <translation>Oberflächen-Zellmittelpunkte</translation>
    </message>
    <message>
        <source>All cell centers</source>
        <translation>Alle Zellmittelpunkte</translation>
    </message>
    <message>
        <source>All connected nodes</source>
        <translation>Alle verbundenen Knoten</translation>
    </message>
    <message>
        <source>Boundary cell faces</source>
        <translation>Randzellflächen</translation>
    </message>
    <message>
        <source>Exposed cell faces</source>
        <translation>Freiliegende Zellflächen</translation>
    </message>
    <message>
        <source>I-Planes</source>
        <translation>I-Ebenen</translation>
    </message>
    <message>
        <source>J-Planes</source>
        <translation>J-Ebenen</translation>
    </message>
    <message>
        <source>K-Planes</source>
        <translation>K-Ebenen</translation>
    </message>
    <message>
        <source>IJ-Planes</source>
        <translation>IJ-Ebenen</translation>
    </message>
    <message>
        <source>JK-Planes</source>
        <translation>JK-Ebenen</translation>
    </message>
    <message>
        <source>IK-Planes</source>
        <translation>IK-Ebenen</translation>
    </message>
    <message>
        <source>IJK-Planes</source>
        <translation>IJK-Ebenen</translation>
    </message>
    <message>
        <source>All surfaces</source>
        <translation>Alle Flächen</translation>
    </message>
    <message>
        <source>Paneled</source>
        <translation>Facettiert</translation>
    </message>
    <message>
        <source>Gouraud</source>
        <translation>Gouraud</translation>
    </message>
    <message>
        <source>By independent variable</source>
        <translation>Nach unabhängiger Variable</translation>
    </message>
    <message>
        <source>By dependent variable</source>
        <translation>Nach abhängiger Variable</translation>
    </message>
    <message>
        <source>Always</source>
        <translation>Immer</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>y=f(x)</source>
        <translation>y=f(x)</translation>
    </message>
    <message>
        <source>x=f(y)</source>
        <translation>x=f(y)</translation>
    </message>
    <message>
        <source>R=f(Theta)</source>
        <translation>R=f(Theta)</translation>
    </message>
    <message>
        <source>Theta=f(R)</source>
        <translation>Theta=f(R)</translation>
    </message>
    <message>
        <source>Vertical (y=f(x))</source>
        <translation>Vertikal (y=f(x))</translation>
    </message>
    <message>
        <source>Horizontal (x=f(y))</source>
        <translation>Horizontal (x=f(y))</translation>
    </message>
    <message>
        <source>Line segment</source>
        <translation>Liniensegmente</translation>
    </message>
    <message>
        <source>Exponential fit</source>
        <translation>Exponentielle Anpassung</translation>
    </message>
    <message>
        <source>Power fit</source>
        <translation>Potenzanpassung</translation>
    </message>
    <message>
        <source>Spline</source>
        <translation>Spline</translation>
    </message>
    <message>
        <source>Parametric spline</source>
        <translation>Parametrischer Spline</translation>
    </message>
    <message>
        <source>Extended</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>I-Varying</source>
        <translation>I-laufend</translation>
    </message>
    <message>
        <source>J-Varying</source>
        <translation>J-laufend</translation>
    </message>
    <message>
        <source>K-Varying</source>
        <translation>K-laufend</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>(Greek)</source>
        <translation>(Griechisch)</translation>
    </message>
    <message>
        <source>(Math)</source>
        <translation>(Mathematik)</translation>
    </message>
    <message>
        <source>(User)</source>
        <translation>(Benutzer)</translation>
    </message>
</context>
<context>
    <name>StyleMenu</name>
    <message>
        <source>Select the error bar variable</source>
        <translation>Wählen Sie die Fehlerbalkenvariable</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Enter...</source>
        <translation>Eingeben...</translation>
    </message>
    <message>
        <source>Enter the distance in frame units</source>
        <translation>Geben Sie den Abstand in Rahmeneinheiten ein</translation>
    </message>
    <message>
        <source>Distance [%]</source>
        <translation>Abstand [%]</translation>
    </message>
    <message>
        <source>Enter the I-Index skipping</source>
        <translation>Geben Sie die I-Index-Schrittweite ein</translation>
    </message>
    <message>
        <source>I-Skip</source>
        <translation>I-Schritt</translation>
    </message>
    <message>
        <source>Select Zone...</source>
        <translation>Zone wählen...</translation>
    </message>
    <message>
        <source>Select Variable...</source>
        <translation>Variable wählen...</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>No skip</source>
        <translation>Ohne Auslassung</translation>
    </message>
    <message>
        <source>Enter Index Skipping</source>
        <translation>Index-Schrittweite eingeben</translation>
    </message>
    <message>
        <source>&amp;I skip</source>
        <translation>&amp;I-Schritt</translation>
    </message>
    <message>
        <source>&amp;J skip</source>
        <translation>&amp;J-Schritt</translation>
    </message>
    <message>
        <source>&amp;K skip</source>
        <translation>&amp;K-Schritt</translation>
    </message>
    <message>
        <source>Enter skip...</source>
        <translation>Schrittweite eingeben...</translation>
    </message>
    <message>
        <source>Enter Range</source>
        <translation>Bereich eingeben</translation>
    </message>
    <message>
        <source>&amp;Begin</source>
        <translation>&amp;Anfang</translation>
    </message>
    <message>
        <source>&amp;End</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>Enter range...</source>
        <translation>Bereich eingeben...</translation>
    </message>
    <message>
        <source>Choose the variable</source>
        <translation>Wählen Sie die Variable</translation>
    </message>
    <message>
        <source>Draw all</source>
        <translation>Alle zeichnen</translation>
    </message>
    <message>
        <source>I skip=%1</source>
        <translation>I-Schritt=%1</translation>
    </message>
    <message>
        <source>Distance=%1</source>
        <translation>Abstand=%1</translation>
    </message>
    <message>
        <source>Enter index...</source>
        <translation>Index eingeben...</translation>
    </message>
    <message>
        <source>Enter distance...</source>
        <translation>Abstand eingeben...</translation>
    </message>
</context>
<context>
    <name>StyleSize</name>
    <message>
        <source>Enter the value for the line pattern length</source>
        <translation>Geben Sie die Musterlänge der Linie ein</translation>
    </message>
    <message>
        <source>Line Pattern Length [%]</source>
        <translation>Musterlänge der Linie [%]</translation>
    </message>
    <message>
        <source>Enter the value for the line thickness</source>
        <translation>Geben Sie die Linienstärke ein</translation>
    </message>
    <message>
        <source>Line Thickness [%]</source>
        <translation>Linienstärke [%]</translation>
    </message>
    <message>
        <source>Enter the size of scatter symbols in frame units</source>
        <translation>Geben Sie die Größe der Streusymbole in Rahmeneinheiten ein</translation>
    </message>
    <message>
        <source>Size [%]</source>
        <translation>Größe [%]</translation>
    </message>
    <message>
        <source>Enter the size of symbols in frame units</source>
        <translation>Geben Sie die Symbolgröße in Rahmeneinheiten ein</translation>
    </message>
    <message>
        <source>Enter the width of the bars in frame units</source>
        <translation>Geben Sie die Balkenbreite in Rahmeneinheiten ein</translation>
    </message>
    <message>
        <source>Enter the size of error bars in frame units</source>
        <translation>Geben Sie die Größe der Fehlerbalken in Rahmeneinheiten ein</translation>
    </message>
</context>
<context>
    <name>ValueFormat</name>
    <message>
        <source>Specify Number Format</source>
        <translation>Zahlenformat festlegen</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Ganzzahl</translation>
    </message>
    <message>
        <source>Float</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>Exponent</source>
        <translation>Exponent</translation>
    </message>
    <message>
        <source>Best Float</source>
        <translation>Bestes Gleitkomma</translation>
    </message>
    <message>
        <source>Range Best Float</source>
        <translation>Bestes Gleitkomma im Bereich</translation>
    </message>
    <message>
        <source>Superscript</source>
        <translation>Hochgestellt</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>Precision</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Custom Set</source>
        <translation>Eigener Satz</translation>
    </message>
    <message>
        <source>Show Decimal on Whole Numbers</source>
        <translation>Dezimaltrennzeichen bei ganzen Zahlen</translation>
    </message>
    <message>
        <source>Remove Leading Zeros</source>
        <translation>Führende Nullen entfernen</translation>
    </message>
    <message>
        <source>Show Sign on Negative Numbers</source>
        <translation>Vorzeichen bei negativen Zahlen</translation>
    </message>
    <message>
        <source>Prefix</source>
        <translation>Präfix</translation>
    </message>
    <message>
        <source>Suffix</source>
        <translation>Suffix</translation>
    </message>
    <message>
        <source>Use Same Prefix/Suffix for Zero Values</source>
        <translation>Gleiches Präfix/Suffix für Nullwerte</translation>
    </message>
    <message>
        <source>Use Same Prefix/Suffix for Negative Values</source>
        <translation>Gleiches Präfix/Suffix für negative Werte</translation>
    </message>
    <message>
        <source>Zero Value</source>
        <translation>Nullwert</translation>
    </message>
    <message>
        <source>Negative Number</source>
        <translation>Negative Zahl</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Legende:</translation>
    </message>
    <message>
        <source>year (00-99)</source>
        <translation>Jahr (00-99)</translation>
    </message>
    <message>
        <source>year (1800-9999)</source>
        <translation>Jahr (1800-9999)</translation>
    </message>
    <message>
        <source>month (01-12)</source>
        <translation>Monat (01-12)</translation>
    </message>
    <message>
        <source>month name (Jan-Dec)</source>
        <translation>Monatsname (Jan-Dez)</translation>
    </message>
    <message>
        <source>day (01-31)</source>
        <translation>Tag (01-31)</translation>
    </message>
    <message>
        <source>day name (Sun-Sat)</source>
        <translation>Wochentag (So-Sa)</translation>
    </message>
    <message>
        <source>hours (00-23)</source>
        <translation>Stunden (00-23)</translation>
    </message>
    <message>
        <source>minutes (00-59)</source>
        <translation>Minuten (00-59)</translation>
    </message>
    <message>
        <source>seconds (00-59)</source>
        <translation>Sekunden (00-59)</translation>
    </message>
    <message>
        <source>hundreths of a second</source>
        <translation>Hundertstelsekunden</translation>
    </message>
    <message>
        <source>SuperScript</source>
        <translation>Hochgestellt</translation>
    </message>
    <message>
        <source>Time/Date</source>
        <translation>Zeit/Datum</translation>
    </message>
</context>
<context>
    <name>ZoneStyle</name>
    <message>
        <source>Zone Style</source>
        <translation>Zonenstil</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Contour</source>
        <translation>Kontur</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Streusymbole</translation>
    </message>
    <message>
        <source>Shade</source>
        <translation>Schattierung</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Kanten</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Surfaces</source>
        <translation>Flächen</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <source>Definitions</source>
        <translation>Definitionen</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>Error Bars</source>
        <translation>Fehlerbalken</translation>
    </message>
    <message>
        <source>Bar Charts</source>
        <translation>Balkendiagramme</translation>
    </message>
    <message>
        <source>Indices</source>
        <translation>Indizes</translation>
    </message>
    <message>
        <source>C&amp;reate Map...</source>
        <translation>Zuordnung &amp;erstellen...</translation>
    </message>
    <message>
        <source>Copy &amp;Map</source>
        <translation>Zuordnung &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Delete Map</source>
        <translation>Zuordnung &amp;löschen</translation>
    </message>
    <message>
        <source>To &amp;Top</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>To &amp;Bottom</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>S&amp;election criteria:</source>
        <translation>Aus&amp;wahlkriterien:</translation>
    </message>
    <message>
        <source>Mapping Style</source>
        <translation>Zuordnungsstil</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>Linemap Delete</source>
        <translation>Zuordnungen löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to 
delete the selected mappings?</source>
        <translation>Sollen die ausgewählten Zuordnungen
wirklich gelöscht werden?</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::ExportDialog</name>
    <message>
        <source>Select Export File</source>
        <translation>Exportdatei wählen</translation>
    </message>
    <message>
        <source>Unable to render offscreen image</source>
        <translation>Das Bild kann nicht außerhalb des Bildschirms gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::PrintingDialog</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>No printer found</source>
        <translation>Kein Drucker gefunden</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Color PostScript Files</source>
        <translation>Farb-PostScript-Dateien</translation>
    </message>
    <message>
        <source>PostScript Files</source>
        <translation>PostScript-Dateien</translation>
    </message>
    <message>
        <source>Print to File</source>
        <translation>In Datei drucken</translation>
    </message>
    <message>
        <source>This application cannot print: it has no printing manager.</source>
        <translation>Diese Anwendung kann nicht drucken: Ihr fehlt die Druckverwaltung.</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::actions::CurveFitSettingsAction</name>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::actions::EnterASCIICharacterAction</name>
    <message>
        <source>&amp;Character...</source>
        <translation>&amp;Zeichen...</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::actions::MapActivateAction</name>
    <message>
        <source>Activate</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Show selected only</source>
        <translation>Nur ausgewählte anzeigen</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::actions::MapRenameAction</name>
    <message>
        <source>Rename line map</source>
        <translation>Zuordnung umbenennen</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldContourModel</name>
    <message>
        <source>unassigned</source>
        <translation>nicht zugewiesen</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldEffects3DModel</name>
    <message>
        <source>Enter...</source>
        <translation>Eingeben...</translation>
    </message>
    <message>
        <source>Enter the surface translucency percentage.</source>
        <translation>Geben Sie die Transluzenz der Oberfläche in Prozent ein.</translation>
    </message>
    <message>
        <source>Surface Translucency</source>
        <translation>Oberflächentransluzenz</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldScatterModel</name>
    <message>
        <source>By: %1</source>
        <translation>Nach: %1</translation>
    </message>
    <message>
        <source>Select variable...</source>
        <translation>Variable wählen...</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::FieldStaticAreaModel</name>
    <message>
        <source>Zone
Number</source>
        <translation>Zonen-
nummer</translation>
    </message>
    <message>
        <source>Zone
Name</source>
        <translation>Zonen-
name</translation>
    </message>
    <message>
        <source>Group
Number</source>
        <translation>Gruppen-
nummer</translation>
    </message>
    <message>
        <source>Show
Zone</source>
        <translation>Zone
zeigen</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::LineCurvesModel</name>
    <message>
        <source>Linear fit</source>
        <translation>Lineare Anpassung</translation>
    </message>
    <message>
        <source>Polynomial fit</source>
        <translation>Polynomanpassung</translation>
    </message>
    <message>
        <source>Order=%1</source>
        <translation>Ordnung=%1</translation>
    </message>
    <message>
        <source>Points range=%1,%2</source>
        <translation>Punktbereich=%1,%2</translation>
    </message>
    <message>
        <source>Weighting variable=%1</source>
        <translation>Gewichtungsvariable=%1</translation>
    </message>
    <message>
        <source>Clamped: D1=%1, D2=%2</source>
        <translation>Eingespannt: D1=%1, D2=%2</translation>
    </message>
    <message>
        <source>Enter the number of points used to draw the curve</source>
        <translation>Geben Sie die Anzahl der Punkte ein, mit denen die Kurve gezeichnet wird</translation>
    </message>
    <message>
        <source>Number of Points</source>
        <translation>Anzahl der Punkte</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::LineDefinitionsModel</name>
    <message>
        <source>N/A</source>
        <translation>k. A.</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::LineErrorBarsModel</name>
    <message>
        <source>&lt;Undef&gt;</source>
        <translation>&lt;undefiniert&gt;</translation>
    </message>
</context>
<context>
    <name>kestrix::sdk::ui::dialogs::zonestyle::intern::models::LineStaticAreaModel</name>
    <message>
        <source>Map
Number</source>
        <translation>Zuordnungs-
nummer</translation>
    </message>
    <message>
        <source>Map
Name</source>
        <translation>Zuordnungs-
name</translation>
    </message>
    <message>
        <source>Show
Map</source>
        <translation>Zuordnung
zeigen</translation>
    </message>
</context>
</TS>
