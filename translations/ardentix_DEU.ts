<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Chemiebericht</name>
    <message>
        <source>Explanation</source>
        <translation>Erläuterung</translation>
    </message>
    <message>
        <source>Permeation</source>
        <translation>Permeation</translation>
    </message>
    <message>
        <source>Level a:</source>
        <translation>Stufe a:</translation>
    </message>
    <message>
        <source>0 min. &lt;= x &lt; 5 min.</source>
        <translation>0 min &lt;= x &lt; 5 min</translation>
    </message>
    <message>
        <source>Level 1:</source>
        <translation>Stufe 1:</translation>
    </message>
    <message>
        <source>10 min. &lt;= x &lt; 30 min.</source>
        <translation>10 min &lt;= x &lt; 30 min</translation>
    </message>
    <message>
        <source>Level 3:</source>
        <translation>Stufe 3:</translation>
    </message>
    <message>
        <source>60 min. &lt;= x &lt; 120 min.</source>
        <translation>60 min &lt;= x &lt; 120 min</translation>
    </message>
    <message>
        <source>Level 5:</source>
        <translation>Stufe 5:</translation>
    </message>
    <message>
        <source>240 min. &lt;= x &lt; 480 min.</source>
        <translation>240 min &lt;= x &lt; 480 min</translation>
    </message>
    <message>
        <source>Level b:</source>
        <translation>Stufe b:</translation>
    </message>
    <message>
        <source>5 min. &lt;= x &lt; 10 min.</source>
        <translation>5 min &lt;= x &lt; 10 min</translation>
    </message>
    <message>
        <source>Level 2:</source>
        <translation>Stufe 2:</translation>
    </message>
    <message>
        <source>30 min. &lt;= x &lt; 60 min.</source>
        <translation>30 min &lt;= x &lt; 60 min</translation>
    </message>
    <message>
        <source>Level 4:</source>
        <translation>Stufe 4:</translation>
    </message>
    <message>
        <source>120 min. &lt;= x &lt; 240 min.</source>
        <translation>120 min &lt;= x &lt; 240 min</translation>
    </message>
    <message>
        <source>Level 6:</source>
        <translation>Stufe 6:</translation>
    </message>
    <message>
        <source>&gt;= 480 min.</source>
        <translation>&gt;= 480 min</translation>
    </message>
    <message>
        <source>Degradation</source>
        <translation>Degradation</translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>(+) = level 5–6</source>
        <translation>(+) = Stufe 5–6</translation>
    </message>
    <message>
        <source>(-) = level 0–2, a, b</source>
        <translation>(-) = Stufe 0–2, a, b</translation>
    </message>
    <message>
        <source>(0) = level 3–4</source>
        <translation>(0) = Stufe 3–4</translation>
    </message>
    <message>
        <source>(Z) = destroyed</source>
        <translation>(Z) = zerstört</translation>
    </message>
    <message>
        <source>Penetration</source>
        <translation>Penetration</translation>
    </message>
    <message>
        <source>Level 2 = AQL value 1,5</source>
        <translation>Stufe 2 = AQL-Wert 1,5</translation>
    </message>
    <message>
        <source>Level 1 = AQL value 4</source>
        <translation>Stufe 1 = AQL-Wert 4</translation>
    </message>
    <message>
        <source>Natural</source>
        <translation>Natur-</translation>
    </message>
    <message>
        <source>Latex I</source>
        <translation>latex I</translation>
    </message>
    <message>
        <source>Latex II</source>
        <translation>latex II</translation>
    </message>
    <message>
        <source>Chloro-</source>
        <translation>Chloro-</translation>
    </message>
    <message>
        <source>pren</source>
        <translation>pren</translation>
    </message>
    <message>
        <source>Nitrile I</source>
        <translation>Nitril I</translation>
    </message>
    <message>
        <source>Nitrile II</source>
        <translation>Nitril II</translation>
    </message>
    <message>
        <source>Nitrile III</source>
        <translation>Nitril III</translation>
    </message>
    <message>
        <source>Viton</source>
        <translation>Viton</translation>
    </message>
    <message>
        <source>Butyl I</source>
        <translation>Butyl I</translation>
    </message>
    <message>
        <source>Butyl II</source>
        <translation>Butyl II</translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation>Ardentix-Suchergebnisse</translation>
    </message>
    <message>
        <source>Overall length:</source>
        <translation>Gesamtlänge:</translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation>Temperaturbeständigkeit:</translation>
    </message>
    <message>
        <source>Touch Sensitivity:</source>
        <translation>Tastgefühl:</translation>
    </message>
    <message>
        <source>Cotton lining:</source>
        <translation>Baumwollfutter:</translation>
    </message>
    <message>
        <source>Mechanical resistance:</source>
        <translation>Mechanische Beständigkeit:</translation>
    </message>
    <message>
        <source>chemical</source>
        <translation>Chemikalie</translation>
    </message>
    <message>
        <source>phys. state</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>(EN 16523-1; levels a and b are QVR&apos;s own sub-levels below EN level 1)</source>
        <translation>(EN 16523-1; die Stufen a und b sind QVR-eigene Unterstufen unter der EN-Stufe 1)</translation>
    </message>
    <message>
        <source>Degradation (EN ISO 374-4) is tested apart from penetration and permeation.</source>
        <translation>Die Degradation (EN ISO 374-4) wird getrennt von Penetration und Permeation geprüft.</translation>
    </message>
    <message>
        <source>EN ISO 374-1:2016+A1:2018 requires it for each chemical a glove is certified for</source>
        <translation>EN ISO 374-1:2016+A1:2018 verlangt sie für jede Chemikalie, für die ein Handschuh</translation>
    </message>
    <message>
        <source>and its result to be reported. As a degraded glove is useless, QVR only recommends</source>
        <translation>zertifiziert ist, samt Ergebnis. Da ein degradierter Handschuh unbrauchbar ist, empfiehlt</translation>
    </message>
    <message>
        <source>gloves which swell less than 15% in the testing chemical.</source>
        <translation>QVR nur Handschuhe, die in der Prüfchemikalie um weniger als 15 % quellen.</translation>
    </message>
    <message>
        <source>Level 3 = AQL value 0,65 (the share of defective gloves a batch sample may show)</source>
        <translation>Stufe 3 = AQL-Wert 0,65 (der Anteil fehlerhafter Handschuhe, den eine Stichprobe zeigen darf)</translation>
    </message>
    <message>
        <source>Leak tests to EN ISO 374-2, as EN ISO 374-1:2016+A1:2018 requires; all QVR gloves meet level 3,</source>
        <translation>Dichtheitsprüfung nach EN ISO 374-2, wie EN ISO 374-1:2016+A1:2018 sie verlangt;</translation>
    </message>
    <message>
        <source>thus level values are not explicitly listed in above table.</source>
        <translation>alle QVR-Handschuhe erfüllen Stufe 3 nach EN 374-1:2003, daher sind die Stufen oben nicht eigens aufgeführt.</translation>
    </message>
</context>
<context>
    <name>Chemiesuche</name>
    <message>
        <source>Missing or wrong database files!</source>
        <translation>Datenbankdateien fehlen oder sind fehlerhaft!</translation>
    </message>
</context>
<context>
    <name>Druckdienst</name>
    <message>
        <source>Save printout as PDF</source>
        <translation>Ausdruck als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; on %2 failed.</source>
        <translation>Das Drucken von „%1“ auf %2 ist fehlgeschlagen.</translation>
    </message>
</context>
<context>
    <name>Druckvorschau</name>
    <message>
        <source>Print Preview - %1</source>
        <translation>Druckvorschau – %1</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>Seite einrichten ...</translation>
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
        <source>Fit Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Alle Seiten</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>Mechbericht</name>
    <message>
        <source>- No / minimal hazards</source>
        <translation>- Keine / minimale Gefährdungen</translation>
    </message>
    <message>
        <source>- Standard / Normal loading</source>
        <translation>- Standard / normale Belastung</translation>
    </message>
    <message>
        <source>- Cut special</source>
        <translation>- Besondere Schnittgefahr</translation>
    </message>
    <message>
        <source>- Heat (more than 50°C)</source>
        <translation>- Hitze (über 50 °C)</translation>
    </message>
    <message>
        <source>- High loading</source>
        <translation>- Hohe Belastung</translation>
    </message>
    <message>
        <source>- Dry work environment</source>
        <translation>- Trockene Arbeitsumgebung</translation>
    </message>
    <message>
        <source>- Work environment with liquids (no chemicals)</source>
        <translation>- Arbeitsumgebung mit Flüssigkeiten (keine Chemikalien)</translation>
    </message>
    <message>
        <source>- Partial moist work environment</source>
        <translation>- Teilweise feuchte Arbeitsumgebung</translation>
    </message>
    <message>
        <source>- Low cut protection</source>
        <translation>- Geringer Schnittschutz</translation>
    </message>
    <message>
        <source>- Medium cut protection</source>
        <translation>- Mittlerer Schnittschutz</translation>
    </message>
    <message>
        <source>- High cut protection</source>
        <translation>- Hoher Schnittschutz</translation>
    </message>
    <message>
        <source>- Suitable for food processing</source>
        <translation>- Für Lebensmittel geeignet</translation>
    </message>
    <message>
        <source>- Breathable</source>
        <translation>- Atmungsaktiv</translation>
    </message>
    <message>
        <source>- Latex free</source>
        <translation>- Latexfrei</translation>
    </message>
    <message>
        <source>- Suit</source>
        <translation>- Passform</translation>
    </message>
    <message>
        <source>- Suitable for fat/oil handling</source>
        <translation>- Für Umgang mit Fett/Öl geeignet</translation>
    </message>
    <message>
        <source>- Length:</source>
        <translation>- Länge:</translation>
    </message>
    <message>
        <source>- Grip:</source>
        <translation>- Griffigkeit:</translation>
    </message>
    <message>
        <source>- Dexterity:</source>
        <translation>- Fingerfertigkeit:</translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation>Ardentix-Suchergebnisse</translation>
    </message>
    <message>
        <source>(Mechanical Protection)</source>
        <translation>(Mechanischer Schutz)</translation>
    </message>
    <message>
        <source>Search criteria:</source>
        <translation>Suchkriterien:</translation>
    </message>
    <message>
        <source>Gloves, according to search criterias: </source>
        <translation>Handschuhe gemäß den Suchkriterien: </translation>
    </message>
</context>
<context>
    <name>Planaufnahme</name>
    <message>
        <source>%1 (%2) added to the glove plan.</source>
        <translation>%1 (%2) wurde in den Handschutzplan aufgenommen.</translation>
    </message>
    <message>
        <source>Choose a glove in the list first.</source>
        <translation>Wählen Sie zuerst einen Handschuh in der Liste.</translation>
    </message>
    <message>
        <source>%1 (%2) is already in the glove plan.</source>
        <translation>%1 (%2) steht schon im Handschutzplan.</translation>
    </message>
</context>
<context>
    <name>TErgebnistabelle</name>
    <message>
        <source>Pen.: L 3</source>
        <translation>Pen.: St. 3</translation>
    </message>
    <message>
        <source>Pen.: ?</source>
        <translation>Pen.: ?</translation>
    </message>
    <message>
        <source>Not suitable for %1</source>
        <translation>Nicht geeignet für %1</translation>
    </message>
    <message>
        <source>Product code</source>
        <translation>Artikelnummer</translation>
    </message>
    <message>
        <source>Glove</source>
        <translation>Handschuh</translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>%1: permeation</source>
        <translation>%1: Permeation</translation>
    </message>
    <message>
        <source>%1: swelling</source>
        <translation>%1: Quellung</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Ardentix</source>
        <translation>Ardentix</translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Find the Right Glove</source>
        <translation>Den richtigen Handschuh finden</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Produktinformation</translation>
    </message>
    <message>
        <source>Search for Chemical Protection</source>
        <translation>Suche nach Chemikalienschutz</translation>
    </message>
    <message>
        <source>Search for Mechanical Protection</source>
        <translation>Suche nach mechanischem Schutz</translation>
    </message>
    <message>
        <source>Glove Plan</source>
        <translation>Handschutzplan</translation>
    </message>
    <message>
        <source>Forms and Orders</source>
        <translation>Formulare und Bestellungen</translation>
    </message>
    <message>
        <source>Hazard Analysis</source>
        <translation>Gefährdungsbeurteilung</translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation>Gefährdungsanalyse</translation>
    </message>
    <message>
        <source>Individual Production</source>
        <translation>Sonderanfertigung</translation>
    </message>
    <message>
        <source>Sample Request</source>
        <translation>Musteranforderung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>CE-Information</source>
        <translation>CE-Informationen</translation>
    </message>
    <message>
        <source>QVR-Information</source>
        <translation>QVR-Informationen</translation>
    </message>
    <message>
        <source>Usage instructions</source>
        <translation>Gebrauchshinweise</translation>
    </message>
    <message>
        <source>Your partner at QVR</source>
        <translation>Ihr Partner bei QVR</translation>
    </message>
    <message>
        <source>Leather/Nitrile Comparison</source>
        <translation>Vergleich Leder/Nitril</translation>
    </message>
    <message>
        <source>Quality Concept</source>
        <translation>Qualitätskonzept</translation>
    </message>
    <message>
        <source>Protective Glove Concept</source>
        <translation>Schutzhandschuhkonzept</translation>
    </message>
    <message>
        <source>Glove dictionary</source>
        <translation>Handschuh-Lexikon</translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation>Druckereinstellungen</translation>
    </message>
    <message>
        <source>Ardentix 3.2 · Quorvane GmbH</source>
        <translation>Ardentix 3.2 · Quorvane GmbH</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Open page in Html Browser</source>
        <translation>Seite im HTML-Browser öffnen</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Quorvane-Logo</translation>
    </message>
    <message>
        <source>Ardentix, the protective glove advisor</source>
        <translation>Ardentix, der Schutzhandschuh-Berater</translation>
    </message>
    <message>
        <source>Ardentix opens glove plans (.PLN), hazard assessments (.GBN) and risk assessments (.GAN). Not opened:
%1</source>
        <translation>Ardentix öffnet Handschutzpläne (.PLN), Gefährdungsbeurteilungen (.GBN) und Gefährdungsanalysen (.GAN). Nicht geöffnet:
%1</translation>
    </message>
    <message>
        <source>Your details…</source>
        <translation>Ihre Angaben…</translation>
    </message>
    <message>
        <source>Your name and address…</source>
        <translation>Name und Anschrift…</translation>
    </message>
    <message>
        <source>Distributor code…</source>
        <translation>Händlercode…</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Open %1 documents, each in a window of its own?</source>
        <translation>%1 Dokumente öffnen, jedes in einem eigenen Fenster?</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Request for samples</source>
        <translation>Musteranforderung</translation>
    </message>
    <message>
        <source>To which address should requested sample be sent?</source>
        <translation>An welche Adresse sollen die angeforderten Muster gesendet werden?</translation>
    </message>
    <message>
        <source>Name/Company:</source>
        <translation>Name/Firma:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Postal Code/City:</source>
        <translation>PLZ / Ort:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>For the attention of:</source>
        <translation>Zu Händen:</translation>
    </message>
    <message>
        <source>Choose the Art. No. now</source>
        <translation>Wählen Sie jetzt die Artikelnummer</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Menge:</translation>
    </message>
    <message>
        <source>Article No.:</source>
        <translation>Artikelnummer:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Quantity, line 1</source>
        <translation>Menge, Zeile 1</translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation>1 Paar</translation>
    </message>
    <message>
        <source>2 pair</source>
        <translation>2 Paar</translation>
    </message>
    <message>
        <source>3 pair</source>
        <translation>3 Paar</translation>
    </message>
    <message>
        <source>4 pair</source>
        <translation>4 Paar</translation>
    </message>
    <message>
        <source>5 pair</source>
        <translation>5 Paar</translation>
    </message>
    <message>
        <source>Article No., line 1</source>
        <translation>Artikelnummer, Zeile 1</translation>
    </message>
    <message>
        <source>Length, line 1</source>
        <translation>Länge, Zeile 1</translation>
    </message>
    <message>
        <source>Quantity, line 2</source>
        <translation>Menge, Zeile 2</translation>
    </message>
    <message>
        <source>Article No., line 2</source>
        <translation>Artikelnummer, Zeile 2</translation>
    </message>
    <message>
        <source>Length, line 2</source>
        <translation>Länge, Zeile 2</translation>
    </message>
    <message>
        <source>Quantity, line 3</source>
        <translation>Menge, Zeile 3</translation>
    </message>
    <message>
        <source>Article No., line 3</source>
        <translation>Artikelnummer, Zeile 3</translation>
    </message>
    <message>
        <source>Length, line 3</source>
        <translation>Länge, Zeile 3</translation>
    </message>
    <message>
        <source>Note: Please limit the number of samples to 5 pair per style</source>
        <translation>Hinweis: Bitte fordern Sie höchstens 5 Paar je Modell an</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Individual Production</source>
        <translation>Sonderanfertigung</translation>
    </message>
    <message>
        <source>For gloves out of our knitted range (Cut and Heat Protection) you could define your individual production. Your individual request on the glove can be printed out.</source>
        <translation>Für Handschuhe aus unserem Strickprogramm (Schnitt- und Hitzeschutz) können Sie eine Sonderanfertigung festlegen. Ihre Anfrage zum Handschuh können Sie ausdrucken.</translation>
    </message>
    <message>
        <source>Glove properties</source>
        <translation>Handschuheigenschaften</translation>
    </message>
    <message>
        <source>Abrasion Resistance:</source>
        <translation>Abriebfestigkeit:</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation>Stufe 4</translation>
    </message>
    <message>
        <source>Cut Resistance:</source>
        <translation>Schnittfestigkeit:</translation>
    </message>
    <message>
        <source>Level 0</source>
        <translation>Stufe 0</translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation>Stufe 5</translation>
    </message>
    <message>
        <source>Puncture Resistance:</source>
        <translation>Durchstichfestigkeit:</translation>
    </message>
    <message>
        <source>Coating Material:</source>
        <translation>Beschichtungsmaterial:</translation>
    </message>
    <message>
        <source>Latex</source>
        <translation>Latex</translation>
    </message>
    <message>
        <source>Nitrile</source>
        <translation>Nitril</translation>
    </message>
    <message>
        <source>PU</source>
        <translation>PU</translation>
    </message>
    <message>
        <source>Leather</source>
        <translation>Leder</translation>
    </message>
    <message>
        <source>PVC</source>
        <translation>PVC</translation>
    </message>
    <message>
        <source>Knitting Material:</source>
        <translation>Strickmaterial:</translation>
    </message>
    <message>
        <source>Cotton</source>
        <translation>Baumwolle</translation>
    </message>
    <message>
        <source>Polyamide</source>
        <translation>Polyamid</translation>
    </message>
    <message>
        <source>Polyester</source>
        <translation>Polyester</translation>
    </message>
    <message>
        <source>Kevlar</source>
        <translation>Kevlar</translation>
    </message>
    <message>
        <source>Dyneema</source>
        <translation>Dyneema</translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation>Carbon</translation>
    </message>
    <message>
        <source>Steel</source>
        <translation>Stahl</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Extended cuffs:</source>
        <translation>Verlängerte Stulpe:</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Dots on both sides:</source>
        <translation>Noppen beidseitig:</translation>
    </message>
    <message>
        <source>Fingers</source>
        <translation>Finger</translation>
    </message>
    <message>
        <source>Finger segments present:</source>
        <translation>Vorhandene Fingerglieder:</translation>
    </message>
    <message>
        <source>Sealed Finger Tips:</source>
        <translation>Beschichtete Fingerkuppen:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Thumb:</source>
        <translation>Daumen:</translation>
    </message>
    <message>
        <source>Index Finger:</source>
        <translation>Zeigefinger:</translation>
    </message>
    <message>
        <source>Middle Finger:</source>
        <translation>Mittelfinger:</translation>
    </message>
    <message>
        <source>Ring Finger:</source>
        <translation>Ringfinger:</translation>
    </message>
    <message>
        <source>Little Finger:</source>
        <translation>Kleiner Finger:</translation>
    </message>
    <message>
        <source>Hand with the chosen finger segments</source>
        <translation>Hand mit den gewählten Fingergliedern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1, segment %2</source>
        <translation>%1, Glied %2</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Product Information</source>
        <translation>Produktinformation</translation>
    </message>
    <message>
        <source>Mechanical Protective Gloves</source>
        <translation>Mechanische Schutzhandschuhe</translation>
    </message>
    <message>
        <source>Cut / Heat Protection</source>
        <translation>Schnitt-/Hitzeschutz</translation>
    </message>
    <message>
        <source>Electro Protective Gloves</source>
        <translation>Elektroschutzhandschuhe</translation>
    </message>
    <message>
        <source>Chemical Protective Gloves</source>
        <translation>Chemikalienschutzhandschuhe</translation>
    </message>
    <message>
        <source>Cold Protective Gloves</source>
        <translation>Kälteschutzhandschuhe</translation>
    </message>
    <message>
        <source>Household Gloves</source>
        <translation>Haushaltshandschuhe</translation>
    </message>
    <message>
        <source>Disposable Gloves</source>
        <translation>Einweghandschuhe</translation>
    </message>
    <message>
        <source>Product Protection</source>
        <translation>Produktschutz</translation>
    </message>
    <message>
        <source>All gloves listed in Glove Plan</source>
        <translation>Alle Handschuhe im Handschutzplan</translation>
    </message>
    <message>
        <source>Complete List of Gloves</source>
        <translation>Vollständige Handschuhliste</translation>
    </message>
    <message>
        <source>Product List</source>
        <translation>Produktliste</translation>
    </message>
    <message>
        <source>Product name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Show selected glove</source>
        <translation>Gewählten Handschuh anzeigen</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>No picture available</source>
        <translation>Kein Bild vorhanden</translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation>Artikelnummer:</translation>
    </message>
    <message>
        <source>Colour: </source>
        <translation>Farbe: </translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation>Größen:</translation>
    </message>
    <message>
        <source>Material:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Design:</source>
        <translation>Ausführung:</translation>
    </message>
    <message>
        <source>Overall Length:</source>
        <translation>Gesamtlänge:</translation>
    </message>
    <message>
        <source>Total Thickness:</source>
        <translation>Gesamtdicke:</translation>
    </message>
    <message>
        <source>Packing Unit / Pairs per Size:</source>
        <translation>Verpackungseinheit / Paar je Größe:</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>Physical Data</source>
        <translation>Physikalische Daten</translation>
    </message>
    <message>
        <source>Abrasion Resistance (EN388):</source>
        <translation>Abriebfestigkeit (EN 388):</translation>
    </message>
    <message>
        <source>Cut Resistance (EN388):</source>
        <translation>Schnittfestigkeit (EN 388):</translation>
    </message>
    <message>
        <source>Tear Resistance (EN388):</source>
        <translation>Weiterreißfestigkeit (EN 388):</translation>
    </message>
    <message>
        <source>Puncture Resistance (EN388):</source>
        <translation>Durchstichfestigkeit (EN 388):</translation>
    </message>
    <message>
        <source>(EN60903)</source>
        <translation>(EN 60903)</translation>
    </message>
    <message>
        <source>Tear Resistance:</source>
        <translation>Reißfestigkeit:</translation>
    </message>
    <message>
        <source>Elongation at Tear</source>
        <translation>Reißdehnung</translation>
    </message>
    <message>
        <source>Mechanical Perforation Resistance:</source>
        <translation>Mechanische Durchstichfestigkeit:</translation>
    </message>
    <message>
        <source>Remaining Stretching:</source>
        <translation>Bleibende Dehnung:</translation>
    </message>
    <message>
        <source>Ozone Resistance:</source>
        <translation>Ozonbeständigkeit:</translation>
    </message>
    <message>
        <source>Cold flexibility:</source>
        <translation>Kälteflexibilität:</translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation>Temperaturbeständigkeit:</translation>
    </message>
    <message>
        <source>Heat Protection Properties</source>
        <translation>Hitzeschutzeigenschaften</translation>
    </message>
    <message>
        <source>(EN407)</source>
        <translation>(EN 407)</translation>
    </message>
    <message>
        <source>Burning Behaviour:</source>
        <translation>Brennverhalten:</translation>
    </message>
    <message>
        <source>Contact Heat:</source>
        <translation>Kontaktwärme:</translation>
    </message>
    <message>
        <source>Convective Heat:</source>
        <translation>Konvektive Hitze:</translation>
    </message>
    <message>
        <source>Radiation Heat:</source>
        <translation>Strahlungswärme:</translation>
    </message>
    <message>
        <source>Small splashes of liquid metal:</source>
        <translation>Kleine Spritzer flüssigen Metalls:</translation>
    </message>
    <message>
        <source>High  quantity of liquid metal:</source>
        <translation>Große Mengen flüssigen Metalls:</translation>
    </message>
    <message>
        <source>Electric Protection Properties</source>
        <translation>Elektrische Schutzeigenschaften</translation>
    </message>
    <message>
        <source>Test Voltage:</source>
        <translation>Prüfspannung:</translation>
    </message>
    <message>
        <source>Working Voltage:</source>
        <translation>Arbeitsspannung:</translation>
    </message>
    <message>
        <source>Leakage current:</source>
        <translation>Leckstrom:</translation>
    </message>
    <message>
        <source>Cold Protection Properties</source>
        <translation>Kälteschutzeigenschaften</translation>
    </message>
    <message>
        <source>(EN511)</source>
        <translation>(EN 511)</translation>
    </message>
    <message>
        <source>Convective Cold:</source>
        <translation>Konvektive Kälte:</translation>
    </message>
    <message>
        <source>Contact Cold:</source>
        <translation>Kontaktkälte:</translation>
    </message>
    <message>
        <source>Resistance to Sun Light (UV):</source>
        <translation>UV-Beständigkeit (Sonnenlicht):</translation>
    </message>
    <message>
        <source>Cold Flexibility:</source>
        <translation>Kälteflexibilität:</translation>
    </message>
    <message>
        <source>Temperature Resistance:</source>
        <translation>Temperaturbeständigkeit:</translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation>Zum Handschutzplan hinzufügen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Previous Menu</source>
        <translation>Vorheriges Menü</translation>
    </message>
    <message>
        <source>Level X</source>
        <translation>Stufe X</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Stufe %1</translation>
    </message>
    <message>
        <source> Mpa</source>
        <translation> MPa</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> N/mm</source>
        <translation> N/mm</translation>
    </message>
    <message>
        <source> (kV)AC</source>
        <translation> (kV) AC</translation>
    </message>
    <message>
        <source> (kV)</source>
        <translation> (kV)</translation>
    </message>
    <message>
        <source> (mA)</source>
        <translation> (mA)</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Dexterity (EN ISO 21420):</source>
        <translation>Fingerfertigkeit (EN ISO 21420):</translation>
    </message>
    <message>
        <source>Water Tightness:</source>
        <translation>Wasserdichtheit:</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Search for the right chemical protection</source>
        <translation>Suche nach dem richtigen Chemikalienschutz</translation>
    </message>
    <message>
        <source>Criteria 1: Chemical resistance</source>
        <translation>Kriterium 1: Chemikalienbeständigkeit</translation>
    </message>
    <message>
        <source>Choose one or more chemicals, which the selected glove should be resistant to:</source>
        <translation>Wählen Sie eine oder mehrere Chemikalien, gegen die der Handschuh beständig sein soll:</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Type to find a name</source>
        <translation>Zum Suchen einen Namen eingeben</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Gaseous</source>
        <translation>Gasförmig</translation>
    </message>
    <message>
        <source>Search by CAS no.</source>
        <translation>Suche nach CAS-Nr.</translation>
    </message>
    <message>
        <source>CAS no.:</source>
        <translation>CAS-Nr.:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Suchergebnis:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation>-&gt;</translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation>&lt;-</translation>
    </message>
    <message>
        <source>Selected Chemical / Mixture:</source>
        <translation>Gewählte Chemikalie / Gemisch:</translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation>Hotline</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Criteria 2:</source>
        <translation>Kriterium 2:</translation>
    </message>
    <message>
        <source>Other glove requirements</source>
        <translation>Weitere Anforderungen an den Handschuh</translation>
    </message>
    <message>
        <source>Total length:</source>
        <translation>Gesamtlänge:</translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation>Temperaturbeständigkeit:</translation>
    </message>
    <message>
        <source>Touch Sensitivity:</source>
        <translation>Tastgefühl:</translation>
    </message>
    <message>
        <source>(Flock) lining:</source>
        <translation>Baumwollfutter:</translation>
    </message>
    <message>
        <source>Mechanical Resistance:</source>
        <translation>Mechanische Beständigkeit:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Search Results:</source>
        <translation>Suchergebnisse:</translation>
    </message>
    <message>
        <source>The list shows all suitable chemical protective gloves. 
The most suitable glove stands on top. 
The gloves are graded to the highest permeation time. 
In case of gloves with same permeation value the one 
with the higher swelling resistance will be listed first. 
Should the chosen gloves still have the same value 
(permeation and swelling), the glove with the lower 
price category will be favored.
Gloves that fail a chosen chemical (a red cell) are 
marked &quot;Not suitable for …&quot; and listed after all others.

Permeation level for breakthrough time:

  L1 : 10 min
  L2 : 30 min
  L3 : 60 min
  L4 : 120 min
  L5 : 240 min
  L6 : 480 min</source>
        <translation>Die Liste zeigt alle geeigneten Chemikalienschutz-
handschuhe. Der am besten geeignete steht oben. 
Die Handschuhe sind nach der längsten Durchbruchzeit 
geordnet. Bei gleicher Permeationsstufe steht der 
Handschuh mit der höheren Quellbeständigkeit vorn. 
Haben die Handschuhe dann noch denselben Wert 
(Permeation und Quellung), wird der Handschuh mit 
der niedrigeren Preiskategorie bevorzugt.
Handschuhe, die einer gewählten Chemikalie nicht 
standhalten (rote Zelle), sind mit „Nicht geeignet 
für …“ markiert und stehen nach allen anderen.

Permeationsstufe für die Durchbruchzeit:

  Stufe 1: 10 min
  Stufe 2: 30 min
  Stufe 3: 60 min
  Stufe 4: 120 min
  Stufe 5: 240 min
  Stufe 6: 480 min</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Produktinformation</translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation>Zum Handschutzplan hinzufügen</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Ergebnisse drucken</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Search Results: no match found!</source>
        <translation>Suchergebnis: kein Treffer</translation>
    </message>
    <message>
        <source>Search Result: several substances have this number; choose one:</source>
        <translation>Suchergebnis: Mehrere Stoffe haben diese Nummer; bitte einen wählen:</translation>
    </message>
    <message>
        <source>Substances with this CAS number</source>
        <translation>Stoffe mit dieser CAS-Nummer</translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation>Ardentix-Suchergebnisse</translation>
    </message>
    <message>
        <source>Find a chemical, solid</source>
        <translation>Chemikalie suchen, fest</translation>
    </message>
    <message>
        <source>Chemicals, solid</source>
        <translation>Chemikalien, fest</translation>
    </message>
    <message>
        <source>Find a chemical, liquid</source>
        <translation>Chemikalie suchen, flüssig</translation>
    </message>
    <message>
        <source>Chemicals, liquid</source>
        <translation>Chemikalien, flüssig</translation>
    </message>
    <message>
        <source>Find a chemical, gaseous</source>
        <translation>Chemikalie suchen, gasförmig</translation>
    </message>
    <message>
        <source>Chemicals, gaseous</source>
        <translation>Chemikalien, gasförmig</translation>
    </message>
    <message>
        <source>Selected Chemical / Mixture</source>
        <translation>Gewählte Chemikalie / Gemisch</translation>
    </message>
    <message>
        <source>Requirements for chemical protective gloves</source>
        <translation>Anforderungen an Chemikalienschutzhandschuhe</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erläuterung</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Suchergebnisse</translation>
    </message>
    <message>
        <source>&gt;=300</source>
        <translation>&gt;=300</translation>
    </message>
    <message>
        <source>&gt;=350</source>
        <translation>&gt;=350</translation>
    </message>
    <message>
        <source>&gt;=400</source>
        <translation>&gt;=400</translation>
    </message>
    <message>
        <source>&gt;=600</source>
        <translation>&gt;=600</translation>
    </message>
    <message>
        <source>Unimportant</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>&gt;=230</source>
        <translation>&gt;=230</translation>
    </message>
    <message>
        <source>&gt;=140</source>
        <translation>&gt;=140</translation>
    </message>
    <message>
        <source>&gt;=130</source>
        <translation>&gt;=130</translation>
    </message>
    <message>
        <source>&gt;=120</source>
        <translation>&gt;=120</translation>
    </message>
    <message>
        <source>&gt;=110</source>
        <translation>&gt;=110</translation>
    </message>
    <message>
        <source>&gt;=100</source>
        <translation>&gt;=100</translation>
    </message>
    <message>
        <source>&gt;=90</source>
        <translation>&gt;=90</translation>
    </message>
    <message>
        <source>&gt;=80</source>
        <translation>&gt;=80</translation>
    </message>
    <message>
        <source>&gt;=70</source>
        <translation>&gt;=70</translation>
    </message>
    <message>
        <source>&gt;=60</source>
        <translation>&gt;=60</translation>
    </message>
    <message>
        <source>&gt;=50</source>
        <translation>&gt;=50</translation>
    </message>
    <message>
        <source>&gt;=40</source>
        <translation>&gt;=40</translation>
    </message>
    <message>
        <source>&gt;=30</source>
        <translation>&gt;=30</translation>
    </message>
    <message>
        <source>&gt;=20</source>
        <translation>&gt;=20</translation>
    </message>
    <message>
        <source>&gt;=10</source>
        <translation>&gt;=10</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Gering</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation>Jersey</translation>
    </message>
    <message>
        <source>Level 4–6</source>
        <translation>Stufe 4–6</translation>
    </message>
    <message>
        <source>Level 2–3 or limited swelling resistance</source>
        <translation>Stufe 2–3 oder bedingte Quellbeständigkeit</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 0, not resistant or destroyed: unsuitable</source>
        <translation>Stufe 0, nicht beständig oder zerstört: ungeeignet</translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation>Nicht geprüft</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Export Search Results</source>
        <translation>Suchergebnis exportieren</translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation>Tabellendateien (*.csv)</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Search for Mechanical Protection</source>
        <translation>Suche nach mechanischem Schutz</translation>
    </message>
    <message>
        <source>Search for the right QVR-Protective Glove against mechanical hazards</source>
        <translation>Suche nach dem richtigen QVR-Schutzhandschuh gegen mechanische Gefährdungen</translation>
    </message>
    <message>
        <source>What is the primary hazard ?</source>
        <translation>Was ist die Hauptgefährdung?</translation>
    </message>
    <message>
        <source>What kind of work environment ?</source>
        <translation>Welche Arbeitsumgebung?</translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation>Hotline</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Search for the right QVR-Protective Glove against mechanical Hazards</source>
        <translation>Suche nach dem richtigen QVR-Schutzhandschuh gegen mechanische Gefährdungen</translation>
    </message>
    <message>
        <source>You selected &apos;Cut Special&apos; as a main field of risk. This requires some further definition</source>
        <translation>Sie haben „Besondere Schnittgefahr“ als Hauptgefährdung gewählt. Dafür sind weitere Angaben nötig.</translation>
    </message>
    <message>
        <source>Low cut protection</source>
        <translation>Geringer Schnittschutz</translation>
    </message>
    <message>
        <source>Medium cut protection</source>
        <translation>Mittlerer Schnittschutz</translation>
    </message>
    <message>
        <source>High cut protection</source>
        <translation>Hoher Schnittschutz</translation>
    </message>
    <message>
        <source>Examples for low cut protection:
Packing, Handling, Transport...</source>
        <translation>Beispiele für geringen Schnittschutz:
Verpacken, Handhabung, Transport ...</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Basic requirements:</source>
        <translation>Grundanforderungen:</translation>
    </message>
    <message>
        <source>Length:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Grip:</source>
        <translation>Griffigkeit:</translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation>Fingerfertigkeit:</translation>
    </message>
    <message>
        <source>Special requirements:</source>
        <translation>Besondere Anforderungen:</translation>
    </message>
    <message>
        <source>Suitable for food handling and processing</source>
        <translation>Für Umgang mit und Verarbeitung von Lebensmitteln geeignet</translation>
    </message>
    <message>
        <source>Naturally breathing</source>
        <translation>Atmungsaktiv</translation>
    </message>
    <message>
        <source>Latex free</source>
        <translation>Latexfrei</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Passform</translation>
    </message>
    <message>
        <source>Suitable for use with grease and oils</source>
        <translation>Für Umgang mit Fetten und Ölen geeignet</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search Results:</source>
        <translation>Suchergebnisse:</translation>
    </message>
    <message>
        <source>This list contains gloves according to the search criterias. You could add the gloves you have chosen to your glove plan or access detailed product information.</source>
        <translation>Diese Liste enthält die Handschuhe gemäß den Suchkriterien. Sie können die gewählten Handschuhe Ihrem Handschutzplan hinzufügen oder ausführliche Produktinformationen aufrufen.</translation>
    </message>
    <message>
        <source>Matching gloves</source>
        <translation>Passende Handschuhe</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>Produktinformation</translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation>Zum Handschutzplan hinzufügen</translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation>Ergebnisse drucken</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation>Ardentix-Suchergebnisse</translation>
    </message>
    <message>
        <source>no / light danger</source>
        <translation>keine / geringe Gefährdung</translation>
    </message>
    <message>
        <source>standard / normal strain</source>
        <translation>Standard / normale Belastung</translation>
    </message>
    <message>
        <source>special cut hazard</source>
        <translation>besondere Schnittgefahr</translation>
    </message>
    <message>
        <source>heat (over 50°C / 122°F)</source>
        <translation>Hitze (über 50 °C)</translation>
    </message>
    <message>
        <source>high strain</source>
        <translation>hohe Belastung</translation>
    </message>
    <message>
        <source>Dry working environments</source>
        <translation>Trockene Arbeitsumgebung</translation>
    </message>
    <message>
        <source>With liquids (not chemicals)</source>
        <translation>Mit Flüssigkeiten (keine Chemikalien)</translation>
    </message>
    <message>
        <source>Partially damp</source>
        <translation>Teilweise feucht</translation>
    </message>
    <message>
        <source>300 mm</source>
        <translation>300 mm</translation>
    </message>
    <message>
        <source>400 mm</source>
        <translation>400 mm</translation>
    </message>
    <message>
        <source>600 mm</source>
        <translation>600 mm</translation>
    </message>
    <message>
        <source>Unimportant</source>
        <translation>Beliebig</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Best possible</source>
        <translation>Bestmöglich</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source> (one time glove)</source>
        <translation> (Einweghandschuh)</translation>
    </message>
    <message>
        <source> (already in glove plan)</source>
        <translation> (bereits im Handschutzplan)</translation>
    </message>
    <message>
        <source>Examples for medium cut protection
Glas/Porcelain, sheet metal, Assembly work...</source>
        <translation>Beispiele für mittleren Schnittschutz:
Glas/Porzellan, Blech, Montagearbeiten ...</translation>
    </message>
    <message>
        <source>Examples for high cut protection:
press tool, cutting knife, metal parts with edge...</source>
        <translation>Beispiele für hohen Schnittschutz:
Stanzwerkzeuge, Schneidmesser, scharfkantige Metallteile ...</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Hotline:</source>
        <translation>Hotline:</translation>
    </message>
    <message>
        <source>We will be pleased to help you in any question about hand protection</source>
        <translation>Gern helfen wir Ihnen bei allen Fragen zum Handschutz</translation>
    </message>
    <message>
        <source>Protective Glove Manufacturer:</source>
        <translation>Schutzhandschuh-Hersteller:</translation>
    </message>
    <message>
        <source>Quorvane GmbH</source>
        <translation>Quorvane GmbH</translation>
    </message>
    <message>
        <source>Internet:</source>
        <translation>Internet:</translation>
    </message>
    <message>
        <source>Your local partner:</source>
        <translation>Ihr Händler:</translation>
    </message>
    <message>
        <source>Change distributor code</source>
        <translation>Händlercode ändern</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation>Hotline</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Glove Plan</source>
        <translation>Handschutzplan</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Address line 1</source>
        <translation>Adresszeile 1</translation>
    </message>
    <message>
        <source>Address line 2</source>
        <translation>Adresszeile 2</translation>
    </message>
    <message>
        <source>Address line 3</source>
        <translation>Adresszeile 3</translation>
    </message>
    <message>
        <source>Add:</source>
        <translation>Hinzufügen:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Save Glove Plan</source>
        <translation>Handschutzplan speichern</translation>
    </message>
    <message>
        <source>Load Glove Plan</source>
        <translation>Handschutzplan laden</translation>
    </message>
    <message>
        <source>These product codes are not in the catalogue; their columns were left out: %1</source>
        <translation>Diese Artikelnummern stehen nicht im Katalog; ihre Spalten wurden ausgelassen: %1</translation>
    </message>
    <message>
        <source>Glove plans (*.PLN *.pln)</source>
        <translation>Handschutzpläne (*.PLN *.pln)</translation>
    </message>
    <message>
        <source>%1, %2 (code %3)</source>
        <translation>%1, %2 (Code %3)</translation>
    </message>
    <message>
        <source>Address line %1</source>
        <translation>Adresszeile %1</translation>
    </message>
    <message>
        <source>%1 (code %2), note &quot;%3&quot;</source>
        <translation>%1 (Code %2), Notiz „%3“</translation>
    </message>
    <message>
        <source>%1: %2 Nothing was saved.</source>
        <translation>%1: %2 Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Work areas</source>
        <translation>Arbeitsbereiche</translation>
    </message>
    <message>
        <source>Areas of practice</source>
        <translation>Einsatzbereiche</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>The glove plan is empty: there is nothing to print.</source>
        <translation>Der Handschutzplan ist leer: Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation>Neuer Plan</translation>
    </message>
    <message>
        <source>Glove plan</source>
        <translation>Handschutzplan</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Hazard Assessment</source>
        <translation>Gefährdungsbeurteilung</translation>
    </message>
    <message>
        <source>Hazard Analysis</source>
        <translation>Gefährdungsbeurteilung</translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation>Hotline</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Postal Code / City:</source>
        <translation>PLZ / Ort:</translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Company  / Department:</source>
        <translation>Firma / Abteilung:</translation>
    </message>
    <message>
        <source>Work Area:</source>
        <translation>Arbeitsbereich:</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Tätigkeit:</translation>
    </message>
    <message>
        <source>Participants of Hazard Analysis:</source>
        <translation>Teilnehmer der Gefährdungsbeurteilung:</translation>
    </message>
    <message>
        <source>Manager / Head of Department:</source>
        <translation>Vorgesetzter / Abteilungsleiter:</translation>
    </message>
    <message>
        <source>Employee:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>Plant committee:</source>
        <translation>Betriebsrat:</translation>
    </message>
    <message>
        <source>Safety officer:</source>
        <translation>Sicherheitsbeauftragter:</translation>
    </message>
    <message>
        <source>Plant doctor:</source>
        <translation>Betriebsarzt:</translation>
    </message>
    <message>
        <source>Safety advisor:</source>
        <translation>Fachkraft für Arbeitssicherheit:</translation>
    </message>
    <message>
        <source>HSE / OSHA/ Safety inspector:</source>
        <translation>Aufsichtsperson (BG):</translation>
    </message>
    <message>
        <source>Person responsible:</source>
        <translation>Verantwortlicher:</translation>
    </message>
    <message>
        <source>Governmental Authority:</source>
        <translation>Arbeitsschutzbehörde:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Anlagen:</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Hazard organisational Assessment</source>
        <translation>Organisatorische Gefährdungsbeurteilung</translation>
    </message>
    <message>
        <source>Title of the assessment</source>
        <translation>Titel der Beurteilung</translation>
    </message>
    <message>
        <source>Consultation required</source>
        <translation>Beratung erforderlich</translation>
    </message>
    <message>
        <source>Measures are sufficient</source>
        <translation>Maßnahmen sind ausreichend</translation>
    </message>
    <message>
        <source>Details for completion:</source>
        <translation>Angaben zur Erledigung:</translation>
    </message>
    <message>
        <source>Who:</source>
        <translation>Wer:</translation>
    </message>
    <message>
        <source>When:</source>
        <translation>Wann:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Possible Hazard / Strain</source>
        <translation>Mögliche Gefährdung / Belastung</translation>
    </message>
    <message>
        <source>tech. / org. / personal measures:</source>
        <translation>Techn. / org. / persönliche Maßnahmen:</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation>Tätigkeit %1</translation>
    </message>
    <message>
        <source>Task %1: %2</source>
        <translation>Tätigkeit %1: %2</translation>
    </message>
    <message>
        <source>Work area %1, task %2, %3</source>
        <translation>Arbeitsbereich %1, Tätigkeit %2, %3</translation>
    </message>
    <message>
        <source>Hazard assessments (*.GBN)</source>
        <translation>Gefährdungsbeurteilungen (*.GBN)</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>%1 laden</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Risk Assessment</source>
        <translation>Gefährdungsanalyse</translation>
    </message>
    <message>
        <source>Name of Analysis:</source>
        <translation>Bezeichnung der Analyse:</translation>
    </message>
    <message>
        <source>Preparation date:</source>
        <translation>Erstellungsdatum:</translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation>Hotline</translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation>QVR-Hotline</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Postal Code / City:</source>
        <translation>PLZ / Ort:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Area of Business:</source>
        <translation>Branche:</translation>
    </message>
    <message>
        <source>Work Area:</source>
        <translation>Arbeitsbereich:</translation>
    </message>
    <message>
        <source>Work Place:</source>
        <translation>Arbeitsplatz:</translation>
    </message>
    <message>
        <source>Employee:</source>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>Description of Work:</source>
        <translation>Tätigkeitsbeschreibung:</translation>
    </message>
    <message>
        <source>1. Chemical/Biological Hazards:</source>
        <translation>1. Chemische/biologische Gefährdungen:</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation>Flüssig</translation>
    </message>
    <message>
        <source>Gaseous</source>
        <translation>Gasförmig</translation>
    </message>
    <message>
        <source>Trade Name:</source>
        <translation>Handelsname:</translation>
    </message>
    <message>
        <source>Chemical Description:</source>
        <translation>Chemische Bezeichnung:</translation>
    </message>
    <message>
        <source>Working Conditions:</source>
        <translation>Arbeitsbedingungen:</translation>
    </message>
    <message>
        <source>Maximum Contact Time:</source>
        <translation>Maximale Kontaktzeit:</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>Electrostatic dissipation required:</source>
        <translation>Elektrostatische Ableitung nötig:</translation>
    </message>
    <message>
        <source>Work in Medical Areas:</source>
        <translation>Arbeit im medizinischen Bereich:</translation>
    </message>
    <message>
        <source>Further Comments:</source>
        <translation>Weitere Anmerkungen:</translation>
    </message>
    <message>
        <source>2. Mechanical Hazards:</source>
        <translation>2. Mechanische Gefährdungen:</translation>
    </message>
    <message>
        <source>Cut:</source>
        <translation>Schnitt:</translation>
    </message>
    <message>
        <source>Puncture:</source>
        <translation>Stich:</translation>
    </message>
    <message>
        <source>Abrasion:</source>
        <translation>Abrieb:</translation>
    </message>
    <message>
        <source>Rotating parts:</source>
        <translation>Rotierende Teile:</translation>
    </message>
    <message>
        <source>3. Thermal Hazards:</source>
        <translation>3. Thermische Gefährdungen:</translation>
    </message>
    <message>
        <source>Radiant heat:</source>
        <translation>Strahlungswärme:</translation>
    </message>
    <message>
        <source>Sparks:</source>
        <translation>Funken:</translation>
    </message>
    <message>
        <source>Liquid Metal Splashes:</source>
        <translation>Spritzer flüssigen Metalls:</translation>
    </message>
    <message>
        <source>Contact Cold:</source>
        <translation>Kontaktkälte:</translation>
    </message>
    <message>
        <source>Cold environment:</source>
        <translation>Kalte Umgebung:</translation>
    </message>
    <message>
        <source>4. Electricity:</source>
        <translation>4. Elektrizität:</translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation>Spannung:</translation>
    </message>
    <message>
        <source>Volt</source>
        <translation>Volt</translation>
    </message>
    <message>
        <source>Explosion zone:</source>
        <translation>Ex-Zone:</translation>
    </message>
    <message>
        <source>Electrical contact:</source>
        <translation>Elektrischer Kontakt:</translation>
    </message>
    <message>
        <source>Electrostatic Charging:</source>
        <translation>Elektrostatische Aufladung:</translation>
    </message>
    <message>
        <source>5. Radiation:</source>
        <translation>5. Strahlung:</translation>
    </message>
    <message>
        <source>Please contact manufacturer!</source>
        <translation>Bitte wenden Sie sich an den Hersteller!</translation>
    </message>
    <message>
        <source>6.Vibration:</source>
        <translation>6. Vibration:</translation>
    </message>
    <message>
        <source>Vibrating Tools</source>
        <translation>Vibrierende Werkzeuge</translation>
    </message>
    <message>
        <source>Vibrating Work Place</source>
        <translation>Vibrierender Arbeitsplatz</translation>
    </message>
    <message>
        <source>Type of Tool:</source>
        <translation>Art des Werkzeugs:</translation>
    </message>
    <message>
        <source>Type of Machine:</source>
        <translation>Art der Maschine:</translation>
    </message>
    <message>
        <source>7. Other details:</source>
        <translation>7. Weitere Angaben:</translation>
    </message>
    <message>
        <source>Glove Size:</source>
        <translation>Handschuhgröße:</translation>
    </message>
    <message>
        <source>Glove Length:</source>
        <translation>Handschuhlänge:</translation>
    </message>
    <message>
        <source>Wearing Time:</source>
        <translation>Tragedauer:</translation>
    </message>
    <message>
        <source>Under arm protection</source>
        <translation>Unterarmschutz</translation>
    </message>
    <message>
        <source>Upper arm protection</source>
        <translation>Oberarmschutz</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Anmerkungen:</translation>
    </message>
    <message>
        <source>Type of Controls:</source>
        <translation>Art der Stellteile:</translation>
    </message>
    <message>
        <source>Risk assessments (*.GAN)</source>
        <translation>Gefährdungsanalysen (*.GAN)</translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation>%1 speichern</translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation>%1 laden</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Your details</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>They fill in the address fields of the glove plan and of the forms.</source>
        <translation>Sie werden in die Adressfelder des Handschutzplans und der Formulare übernommen.</translation>
    </message>
    <message>
        <source>Name/Company:</source>
        <translation>Name/Firma:</translation>
    </message>
    <message>
        <source>Street:</source>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>Postal Code/City:</source>
        <translation>PLZ / Ort:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>THtmlViewer</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation>Datei nicht gefunden: </translation>
    </message>
</context>
<context>
    <name>Texte</name>
    <message>
        <source>10000</source>
        <comment>Swell.:resistant</comment>
        <translation>Quell.: beständig</translation>
    </message>
    <message>
        <source>10001</source>
        <comment>Swell.:not resist.</comment>
        <translation>Quell.: unbest.</translation>
    </message>
    <message>
        <source>10002</source>
        <comment>Swell.:limited</comment>
        <translation>Quell.: bedingt</translation>
    </message>
    <message>
        <source>10003</source>
        <comment>Swell.:destroyed</comment>
        <translation>Quell.: zerstört</translation>
    </message>
    <message>
        <source>10004</source>
        <comment>Swell.:Smple destr.</comment>
        <translation>Quell.: Probe zerst.</translation>
    </message>
    <message>
        <source>10005</source>
        <comment>Swell.: ?</comment>
        <translation>Quell.: ?</translation>
    </message>
    <message>
        <source>10006</source>
        <comment>Perm.: L 0</comment>
        <translation>Perm.: St. 0</translation>
    </message>
    <message>
        <source>10007</source>
        <comment>Perm.: L 1</comment>
        <translation>Perm.: St. 1</translation>
    </message>
    <message>
        <source>10008</source>
        <comment>Perm.: L 2</comment>
        <translation>Perm.: St. 2</translation>
    </message>
    <message>
        <source>10009</source>
        <comment>Perm.: L 3</comment>
        <translation>Perm.: St. 3</translation>
    </message>
    <message>
        <source>10010</source>
        <comment>Perm.: L 4</comment>
        <translation>Perm.: St. 4</translation>
    </message>
    <message>
        <source>10011</source>
        <comment>Perm.: L 5</comment>
        <translation>Perm.: St. 5</translation>
    </message>
    <message>
        <source>10012</source>
        <comment>Perm.: L 6</comment>
        <translation>Perm.: St. 6</translation>
    </message>
    <message>
        <source>10013</source>
        <comment>Perm.: ?</comment>
        <translation>Perm.: ?</translation>
    </message>
    <message>
        <source>10015</source>
        <comment>Error!</comment>
        <translation>Fehler!</translation>
    </message>
    <message>
        <source>10016</source>
        <comment>solid</comment>
        <translation>fest</translation>
    </message>
    <message>
        <source>10017</source>
        <comment>liquid</comment>
        <translation>flüssig</translation>
    </message>
    <message>
        <source>10018</source>
        <comment>gaseous</comment>
        <translation>gasförmig</translation>
    </message>
    <message>
        <source>10019</source>
        <comment>Areas of practice:</comment>
        <translation>Einsatzbereiche:</translation>
    </message>
    <message>
        <source>10020</source>
        <comment>Work areas:</comment>
        <translation>Arbeitsbereiche:</translation>
    </message>
    <message>
        <source>10021</source>
        <comment>The file tab.qvr is missing.</comment>
        <translation>Die Datei tab.qvr fehlt.</translation>
    </message>
    <message>
        <source>10024</source>
        <comment>Your distributor:</comment>
        <translation>Ihr Händler:</translation>
    </message>
    <message>
        <source>10025</source>
        <comment>Date: </comment>
        <translation>Datum: </translation>
    </message>
    <message>
        <source>10026</source>
        <comment>Address:</comment>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>10027</source>
        <comment>Quorvane GmbH</comment>
        <translation>Quorvane GmbH</translation>
    </message>
    <message>
        <source>10028</source>
        <comment>Am Lederhof 14</comment>
        <translation>Am Lederhof 14</translation>
    </message>
    <message>
        <source>10029</source>
        <comment>D-57392 Halvern</comment>
        <translation>D-57392 Halvern</translation>
    </message>
    <message>
        <source>10030</source>
        <comment>Tel.: </comment>
        <translation>Tel.: </translation>
    </message>
    <message>
        <source>10031</source>
        <comment>  Fax.: </comment>
        <translation>  Fax: </translation>
    </message>
    <message>
        <source>10032</source>
        <comment>Tel.: +49 2972 9061-0  Fax.: +49 2972 9061-99</comment>
        <translation>Tel.: +49 2972 9061-0  Fax: +49 2972 9061-99</translation>
    </message>
    <message>
        <source>10033</source>
        <comment>eMail.: </comment>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>10034</source>
        <comment>  Internet: </comment>
        <translation>  Internet: </translation>
    </message>
    <message>
        <source>10035</source>
        <comment>eMail.: info@quorvane.de  Internet: www.quorvane.de</comment>
        <translation>E-Mail: info@quorvane.de  Internet: www.quorvane.de</translation>
    </message>
    <message>
        <source>10036</source>
        <comment>File not found!</comment>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>10037</source>
        <comment>Name of analysis:</comment>
        <translation>Bezeichnung der Analyse:</translation>
    </message>
    <message>
        <source>10038</source>
        <comment>Preparation date:</comment>
        <translation>Erstellungsdatum:</translation>
    </message>
    <message>
        <source>10039</source>
        <comment>Name:</comment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>10040</source>
        <comment>Street:</comment>
        <translation>Straße:</translation>
    </message>
    <message>
        <source>10041</source>
        <comment>City and postal code:</comment>
        <translation>PLZ / Ort:</translation>
    </message>
    <message>
        <source>10042</source>
        <comment>Telephone number:</comment>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>10043</source>
        <comment>Type of business:</comment>
        <translation>Branche:</translation>
    </message>
    <message>
        <source>10044</source>
        <comment>Work area:</comment>
        <translation>Arbeitsbereich:</translation>
    </message>
    <message>
        <source>10045</source>
        <comment>Work place:</comment>
        <translation>Arbeitsplatz:</translation>
    </message>
    <message>
        <source>10046</source>
        <comment>Employee:</comment>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>10047</source>
        <comment>Job description:</comment>
        <translation>Tätigkeitsbeschreibung:</translation>
    </message>
    <message>
        <source>10048</source>
        <comment>chemical-biological hazards:</comment>
        <translation>Chemische/biologische Gefährdungen:</translation>
    </message>
    <message>
        <source>10049</source>
        <comment>Solid:</comment>
        <translation>Fest:</translation>
    </message>
    <message>
        <source>10050</source>
        <comment>Liquid:</comment>
        <translation>Flüssig:</translation>
    </message>
    <message>
        <source>10051</source>
        <comment>Gaseous:</comment>
        <translation>Gasförmig:</translation>
    </message>
    <message>
        <source>10052</source>
        <comment>Trade name:</comment>
        <translation>Handelsname:</translation>
    </message>
    <message>
        <source>10053</source>
        <comment>Chemical description:</comment>
        <translation>Chemische Bezeichnung:</translation>
    </message>
    <message>
        <source>10054</source>
        <comment>Working conditions:</comment>
        <translation>Arbeitsbedingungen:</translation>
    </message>
    <message>
        <source>10055</source>
        <comment>Maximum contact time:</comment>
        <translation>Maximale Kontaktzeit:</translation>
    </message>
    <message>
        <source>10056</source>
        <comment>Temperature:</comment>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>10057</source>
        <comment>Electrostatic dissipation required:</comment>
        <translation>Elektrostatische Ableitung nötig:</translation>
    </message>
    <message>
        <source>10058</source>
        <comment>Work in medical areas:</comment>
        <translation>Arbeit im medizinischen Bereich:</translation>
    </message>
    <message>
        <source>10059</source>
        <comment>Further comments:</comment>
        <translation>Weitere Anmerkungen:</translation>
    </message>
    <message>
        <source>10060</source>
        <comment>Yes</comment>
        <translation>Ja</translation>
    </message>
    <message>
        <source>10061</source>
        <comment>No</comment>
        <translation>Nein</translation>
    </message>
    <message>
        <source>10062</source>
        <comment>Mechanical hazards:</comment>
        <translation>Mechanische Gefährdungen:</translation>
    </message>
    <message>
        <source>10063</source>
        <comment>Cut:</comment>
        <translation>Schnitt:</translation>
    </message>
    <message>
        <source>10064</source>
        <comment>Puncture:</comment>
        <translation>Stich:</translation>
    </message>
    <message>
        <source>10065</source>
        <comment>Abrasion:</comment>
        <translation>Abrieb:</translation>
    </message>
    <message>
        <source>10066</source>
        <comment>Rotating parts:</comment>
        <translation>Rotierende Teile:</translation>
    </message>
    <message>
        <source>10067</source>
        <comment>Thermic hazards:</comment>
        <translation>Thermische Gefährdungen:</translation>
    </message>
    <message>
        <source>10068</source>
        <comment>Temperature:</comment>
        <translation>Temperatur:</translation>
    </message>
    <message>
        <source>10069</source>
        <comment>Radiant heat:</comment>
        <translation>Strahlungswärme:</translation>
    </message>
    <message>
        <source>10070</source>
        <comment>Sparks:</comment>
        <translation>Funken:</translation>
    </message>
    <message>
        <source>10071</source>
        <comment>Liquid metal splashes:</comment>
        <translation>Spritzer flüssigen Metalls:</translation>
    </message>
    <message>
        <source>10072</source>
        <comment>Contact cold:</comment>
        <translation>Kontaktkälte:</translation>
    </message>
    <message>
        <source>10073</source>
        <comment>Cold environment:</comment>
        <translation>Kalte Umgebung:</translation>
    </message>
    <message>
        <source>10074</source>
        <comment>Electricity:</comment>
        <translation>Elektrizität:</translation>
    </message>
    <message>
        <source>10075</source>
        <comment>Electrical contact:</comment>
        <translation>Elektrischer Kontakt:</translation>
    </message>
    <message>
        <source>10076</source>
        <comment>Electrostatic charging:</comment>
        <translation>Elektrostatische Aufladung:</translation>
    </message>
    <message>
        <source>10077</source>
        <comment>Voltage:</comment>
        <translation>Spannung:</translation>
    </message>
    <message>
        <source>10078</source>
        <comment>Explosion zone:</comment>
        <translation>Ex-Zone:</translation>
    </message>
    <message>
        <source>10079</source>
        <comment>Work area:</comment>
        <translation>Arbeitsbereich:</translation>
    </message>
    <message>
        <source>10080</source>
        <comment>Radiation:</comment>
        <translation>Strahlung:</translation>
    </message>
    <message>
        <source>10081</source>
        <comment>Please contact manufacturer:</comment>
        <translation>Bitte Hersteller kontaktieren:</translation>
    </message>
    <message>
        <source>10082</source>
        <comment>Vibration:</comment>
        <translation>Vibration:</translation>
    </message>
    <message>
        <source>10083</source>
        <comment>Vibrating tools:</comment>
        <translation>Vibrierende Werkzeuge:</translation>
    </message>
    <message>
        <source>10084</source>
        <comment>Vibrating work place:</comment>
        <translation>Vibrierender Arbeitsplatz:</translation>
    </message>
    <message>
        <source>10085</source>
        <comment>Type of tool:</comment>
        <translation>Art des Werkzeugs:</translation>
    </message>
    <message>
        <source>10086</source>
        <comment>Type of machine:</comment>
        <translation>Art der Maschine:</translation>
    </message>
    <message>
        <source>10088</source>
        <comment>Further information:</comment>
        <translation>Weitere Angaben:</translation>
    </message>
    <message>
        <source>10089</source>
        <comment>Under arm protection:</comment>
        <translation>Unterarmschutz:</translation>
    </message>
    <message>
        <source>10090</source>
        <comment>Upper arm protection:</comment>
        <translation>Oberarmschutz:</translation>
    </message>
    <message>
        <source>10091</source>
        <comment>Glove size:</comment>
        <translation>Handschuhgröße:</translation>
    </message>
    <message>
        <source>10092</source>
        <comment>Glove length:</comment>
        <translation>Handschuhlänge:</translation>
    </message>
    <message>
        <source>10093</source>
        <comment>Wearing time:</comment>
        <translation>Tragedauer:</translation>
    </message>
    <message>
        <source>10094</source>
        <comment>Comments:</comment>
        <translation>Anmerkungen:</translation>
    </message>
    <message>
        <source>10095</source>
        <comment>Three missing joints</comment>
        <translation>Drei Glieder fehlen</translation>
    </message>
    <message>
        <source>10096</source>
        <comment>Two missing joints</comment>
        <translation>Zwei Glieder fehlen</translation>
    </message>
    <message>
        <source>10097</source>
        <comment>One missing joint</comment>
        <translation>Ein Glied fehlt</translation>
    </message>
    <message>
        <source>10098</source>
        <comment>All joints present</comment>
        <translation>Alle Glieder vorhanden</translation>
    </message>
    <message>
        <source>10099</source>
        <comment>QVR Protective Gloves</comment>
        <translation>QVR-Schutzhandschuhe</translation>
    </message>
    <message>
        <source>10100</source>
        <comment>Individual production</comment>
        <translation>Sonderanfertigung</translation>
    </message>
    <message>
        <source>10101</source>
        <comment>Glove properties:</comment>
        <translation>Handschuheigenschaften:</translation>
    </message>
    <message>
        <source>10102</source>
        <comment>Abrasion resistance:</comment>
        <translation>Abriebfestigkeit:</translation>
    </message>
    <message>
        <source>10103</source>
        <comment>Cut resistance:</comment>
        <translation>Schnittfestigkeit:</translation>
    </message>
    <message>
        <source>10104</source>
        <comment>Puncture resistance:</comment>
        <translation>Durchstichfestigkeit:</translation>
    </message>
    <message>
        <source>10105</source>
        <comment>Coating material:</comment>
        <translation>Beschichtungsmaterial:</translation>
    </message>
    <message>
        <source>10106</source>
        <comment>Knitting material:</comment>
        <translation>Strickmaterial:</translation>
    </message>
    <message>
        <source>10107</source>
        <comment>Colour:</comment>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>10108</source>
        <comment>Waistband lengthening:</comment>
        <translation>Stulpenverlängerung:</translation>
    </message>
    <message>
        <source>10109</source>
        <comment> cm</comment>
        <translation> cm</translation>
    </message>
    <message>
        <source>10110</source>
        <comment>Dots on both sides</comment>
        <translation>Noppen beidseitig</translation>
    </message>
    <message>
        <source>10111</source>
        <comment>Thumb:</comment>
        <translation>Daumen:</translation>
    </message>
    <message>
        <source>10112</source>
        <comment>Index finger:</comment>
        <translation>Zeigefinger:</translation>
    </message>
    <message>
        <source>10113</source>
        <comment>Middle finger:</comment>
        <translation>Mittelfinger:</translation>
    </message>
    <message>
        <source>10114</source>
        <comment>Ring finger:</comment>
        <translation>Ringfinger:</translation>
    </message>
    <message>
        <source>10115</source>
        <comment>Little finger:</comment>
        <translation>Kleiner Finger:</translation>
    </message>
    <message>
        <source>10116</source>
        <comment>Sealed fingertips</comment>
        <translation>Beschichtete Fingerkuppen</translation>
    </message>
    <message>
        <source>10117</source>
        <comment>The current changes will be cancelled! Continue?</comment>
        <translation>Die aktuellen Änderungen gehen verloren! Fortfahren?</translation>
    </message>
    <message>
        <source>10118</source>
        <comment>Warning!</comment>
        <translation>Achtung!</translation>
    </message>
    <message>
        <source>10119</source>
        <comment>Organisational assessment</comment>
        <translation>Organisatorische Gefährdungsbeurteilung</translation>
    </message>
    <message>
        <source>10120</source>
        <comment>Company / Department:</comment>
        <translation>Firma / Abteilung:</translation>
    </message>
    <message>
        <source>10121</source>
        <comment>Work area:</comment>
        <translation>Arbeitsbereich:</translation>
    </message>
    <message>
        <source>10122</source>
        <comment>Task:</comment>
        <translation>Tätigkeit:</translation>
    </message>
    <message>
        <source>10123</source>
        <comment>The risk assessment was supervised by:</comment>
        <translation>Die Beurteilung wurde begleitet von:</translation>
    </message>
    <message>
        <source>10124</source>
        <comment>Participants of hazard assessment:</comment>
        <translation>Teilnehmer der Gefährdungsbeurteilung:</translation>
    </message>
    <message>
        <source>10125</source>
        <comment>Manager / supervisor:</comment>
        <translation>Vorgesetzter / Abteilungsleiter:</translation>
    </message>
    <message>
        <source>10126</source>
        <comment>Employee:</comment>
        <translation>Mitarbeiter:</translation>
    </message>
    <message>
        <source>10127</source>
        <comment>Plant committee:</comment>
        <translation>Betriebsrat:</translation>
    </message>
    <message>
        <source>10128</source>
        <comment>Safety officer:</comment>
        <translation>Sicherheitsbeauftragter:</translation>
    </message>
    <message>
        <source>10129</source>
        <comment>Plant doctor:</comment>
        <translation>Betriebsarzt:</translation>
    </message>
    <message>
        <source>10130</source>
        <comment>HSE/OSHA/Safety Inspector:</comment>
        <translation>Aufsichtsperson (BG):</translation>
    </message>
    <message>
        <source>10131</source>
        <comment>Person Responsible:</comment>
        <translation>Verantwortlicher:</translation>
    </message>
    <message>
        <source>10132</source>
        <comment>Governmental Authority:</comment>
        <translation>Arbeitsschutzbehörde:</translation>
    </message>
    <message>
        <source>10133</source>
        <comment>Person Responsible:</comment>
        <translation>Verantwortlicher:</translation>
    </message>
    <message>
        <source>10134</source>
        <comment>Safety officer:</comment>
        <translation>Fachkraft für Arbeitssicherheit:</translation>
    </message>
    <message>
        <source>10135</source>
        <comment>Enclosures</comment>
        <translation>Anlagen</translation>
    </message>
    <message>
        <source>10136</source>
        <comment>The work areas</comment>
        <translation>Die Arbeitsbereiche</translation>
    </message>
    <message>
        <source>10137</source>
        <comment>Task:</comment>
        <translation>Tätigkeit:</translation>
    </message>
    <message>
        <source>10138</source>
        <comment>Consultation required:</comment>
        <translation>Beratung erforderlich:</translation>
    </message>
    <message>
        <source>10139</source>
        <comment>Measures are sufficient:</comment>
        <translation>Maßnahmen ausreichend:</translation>
    </message>
    <message>
        <source>10140</source>
        <comment>Details for completion:</comment>
        <translation>Angaben zur Erledigung:</translation>
    </message>
    <message>
        <source>10141</source>
        <comment>Who:</comment>
        <translation>Wer:</translation>
    </message>
    <message>
        <source>10142</source>
        <comment>When:</comment>
        <translation>Wann:</translation>
    </message>
    <message>
        <source>10143</source>
        <comment>Possible hazard:</comment>
        <translation>Mögliche Gefährdung:</translation>
    </message>
    <message>
        <source>10144</source>
        <comment>Measures:</comment>
        <translation>Maßnahmen:</translation>
    </message>
    <message>
        <source>10148</source>
        <comment>(EN374)</comment>
        <translation>(EN 374)</translation>
    </message>
    <message>
        <source>10149</source>
        <comment>(EN60903)</comment>
        <translation>(EN 60903)</translation>
    </message>
    <message>
        <source>10150</source>
        <comment>(EN388)</comment>
        <translation>(EN 388)</translation>
    </message>
    <message>
        <source>10152</source>
        <comment>(EN511)</comment>
        <translation>(EN 511)</translation>
    </message>
    <message>
        <source>10153</source>
        <comment>(EN407)</comment>
        <translation>(EN 407)</translation>
    </message>
    <message>
        <source>10154</source>
        <comment>(EN407+388)</comment>
        <translation>(EN 407 + EN 388)</translation>
    </message>
    <message>
        <source>10155</source>
        <comment>Very good</comment>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>10156</source>
        <comment>Good</comment>
        <translation>Gut</translation>
    </message>
    <message>
        <source>10157</source>
        <comment>Medium</comment>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>10158</source>
        <comment>Low</comment>
        <translation>Gering</translation>
    </message>
    <message>
        <source>10159</source>
        <comment>Very good (Max -40°C)</comment>
        <translation>Sehr gut (max. −40 °C)</translation>
    </message>
    <message>
        <source>10160</source>
        <comment>Good (Max -30°C)</comment>
        <translation>Gut (max. −30 °C)</translation>
    </message>
    <message>
        <source>10161</source>
        <comment>Medium (Max -20°C)</comment>
        <translation>Mittel (max. −20 °C)</translation>
    </message>
    <message>
        <source>10162</source>
        <comment>Low (Max -10°C)</comment>
        <translation>Gering (max. −10 °C)</translation>
    </message>
    <message>
        <source>10163</source>
        <comment>Very good (max 230°C)</comment>
        <translation>Sehr gut (max. 230 °C)</translation>
    </message>
    <message>
        <source>10164</source>
        <comment>Very good (max 140°C)</comment>
        <translation>Sehr gut (max. 140 °C)</translation>
    </message>
    <message>
        <source>10165</source>
        <comment>Good (max 130°C)</comment>
        <translation>Gut (max. 130 °C)</translation>
    </message>
    <message>
        <source>10166</source>
        <comment>Good (max 120°C)</comment>
        <translation>Gut (max. 120 °C)</translation>
    </message>
    <message>
        <source>10167</source>
        <comment>Medium (max 110°C)</comment>
        <translation>Mittel (max. 110 °C)</translation>
    </message>
    <message>
        <source>10168</source>
        <comment>Medium (max 100°C)</comment>
        <translation>Mittel (max. 100 °C)</translation>
    </message>
    <message>
        <source>10169</source>
        <comment>Low (max 90°C)</comment>
        <translation>Gering (max. 90 °C)</translation>
    </message>
    <message>
        <source>10170</source>
        <comment>Low (max 80°C)</comment>
        <translation>Gering (max. 80 °C)</translation>
    </message>
    <message>
        <source>10171</source>
        <comment>Low (max 70°C)</comment>
        <translation>Gering (max. 70 °C)</translation>
    </message>
    <message>
        <source>10180</source>
        <comment>EN</comment>
        <translation>DE</translation>
    </message>
    <message>
        <source>10181</source>
        <comment>Category </comment>
        <translation>Kategorie </translation>
    </message>
    <message>
        <source>10182</source>
        <comment>All gloves providing protection against chemical risks.</comment>
        <translation>Alle Handschuhe, die vor chemischen Risiken schützen.</translation>
    </message>
    <message>
        <source>10183</source>
        <comment>Cut and heat protective gloves.</comment>
        <translation>Schnitt- und Hitzeschutzhandschuhe.</translation>
    </message>
    <message>
        <source>10184</source>
        <comment>Contains the QVR-cold protective gloves</comment>
        <translation>Enthält die QVR-Kälteschutzhandschuhe</translation>
    </message>
    <message>
        <source>10185</source>
        <comment>Mechanical protective gloves: all gloves bearing the EN388-hammer-pictogram or the CE-label and which are signed as protective gloves against mechanical hazards.</comment>
        <translation>Mechanische Schutzhandschuhe: alle Handschuhe mit dem Hammer-Piktogramm nach EN 388 oder der CE-Kennzeichnung, die als Schutzhandschuhe gegen mechanische Gefährdungen ausgewiesen sind.</translation>
    </message>
    <message>
        <source>10186</source>
        <comment>Household gloves</comment>
        <translation>Haushaltshandschuhe</translation>
    </message>
    <message>
        <source>10187</source>
        <comment>Gloves, protecting against electric hazards.</comment>
        <translation>Handschuhe zum Schutz vor elektrischen Gefährdungen.</translation>
    </message>
    <message>
        <source>10188</source>
        <comment>All listed glove styles.</comment>
        <translation>Alle aufgeführten Handschuhmodelle.</translation>
    </message>
    <message>
        <source>10189</source>
        <comment>QVR protective glove</comment>
        <translation>QVR-Schutzhandschuh</translation>
    </message>
    <message>
        <source>10190</source>
        <comment>Product Specification</comment>
        <translation>Produktspezifikation</translation>
    </message>
    <message>
        <source>10191</source>
        <comment>Physical Data</comment>
        <translation>Physikalische Daten</translation>
    </message>
    <message>
        <source>10192</source>
        <comment>Electric tension strength</comment>
        <translation>Elektrische Spannungsfestigkeit</translation>
    </message>
    <message>
        <source>10193</source>
        <comment>All gloves actually listed in the glove plan</comment>
        <translation>Alle derzeit im Handschutzplan aufgeführten Handschuhe</translation>
    </message>
    <message>
        <source>10194</source>
        <comment>Areas of use:</comment>
        <translation>Einsatzbereiche:</translation>
    </message>
    <message>
        <source>10195</source>
        <comment>Work areas:</comment>
        <translation>Arbeitsbereiche:</translation>
    </message>
    <message>
        <source>10196</source>
        <comment>Disposable gloves</comment>
        <translation>Einweghandschuhe</translation>
    </message>
    <message>
        <source>10197</source>
        <comment>All gloves suitable for product protection.</comment>
        <translation>Alle für den Produktschutz geeigneten Handschuhe.</translation>
    </message>
    <message>
        <source>10198</source>
        <comment>Quorvane GmbH</comment>
        <translation>Quorvane GmbH</translation>
    </message>
    <message>
        <source>10199</source>
        <comment>Fax: +49 2972 9061-99</comment>
        <translation>Fax: +49 2972 9061-99</translation>
    </message>
    <message>
        <source>10200</source>
        <comment>Am Lederhof 14</comment>
        <translation>Am Lederhof 14</translation>
    </message>
    <message>
        <source>10201</source>
        <comment>D-57392 Halvern</comment>
        <translation>D-57392 Halvern</translation>
    </message>
    <message>
        <source>10202</source>
        <comment>Sample order</comment>
        <translation>Musteranforderung</translation>
    </message>
    <message>
        <source>10203</source>
        <comment>via Ardentix 3.2</comment>
        <translation>über Ardentix 3.2</translation>
    </message>
    <message>
        <source>10204</source>
        <comment>Dear Sirs,</comment>
        <translation>Sehr geehrte Damen und Herren,</translation>
    </message>
    <message>
        <source>10205</source>
        <comment>please send us the following samples:</comment>
        <translation>bitte senden Sie uns folgende Muster:</translation>
    </message>
    <message>
        <source>10206</source>
        <comment>    Article-No. </comment>
        <translation>    Art.-Nr. </translation>
    </message>
    <message>
        <source>10207</source>
        <comment>   Length: </comment>
        <translation>   Länge: </translation>
    </message>
    <message>
        <source>10208</source>
        <comment>Delivery should be sent to the above mentioned address to the attention of </comment>
        <translation>Bitte liefern Sie an die oben genannte Anschrift zu Händen von </translation>
    </message>
    <message>
        <source>10209</source>
        <translation>Mit freundlichen Grüßen</translation>
    </message>
    <message>
        <source>10239</source>
        <comment>Please enter your distributor code:</comment>
        <translation>Bitte geben Sie Ihren Händlercode ein:</translation>
    </message>
    <message>
        <source>10240</source>
        <comment>The file with necessary data is missing. Process will be interrupted.</comment>
        <translation>Die Datei mit den notwendigen Daten fehlt. Der Vorgang wird abgebrochen.</translation>
    </message>
    <message>
        <source>10241</source>
        <comment>Phone: </comment>
        <translation>Telefon: </translation>
    </message>
    <message>
        <source>10242</source>
        <comment>FAX: </comment>
        <translation>Fax: </translation>
    </message>
    <message>
        <source>10243</source>
        <comment>eMail: </comment>
        <translation>E-Mail: </translation>
    </message>
    <message>
        <source>10255</source>
        <comment>Code: </comment>
        <translation>Art.-Nr.: </translation>
    </message>
    <message>
        <source>10256</source>
        <comment>Name: </comment>
        <translation>Name: </translation>
    </message>
    <message>
        <source>10257</source>
        <comment>Material: </comment>
        <translation>Material: </translation>
    </message>
    <message>
        <source>10258</source>
        <comment>Length: </comment>
        <translation>Länge: </translation>
    </message>
    <message>
        <source>10259</source>
        <comment>Sizes: </comment>
        <translation>Größen: </translation>
    </message>
    <message>
        <source>10260</source>
        <comment>QVR-Glove Plan</comment>
        <translation>QVR-Handschutzplan</translation>
    </message>
    <message>
        <source>10261</source>
        <comment>Page </comment>
        <translation>Seite </translation>
    </message>
    <message>
        <source>10262</source>
        <comment> of </comment>
        <translation> von </translation>
    </message>
    <message>
        <source>10263</source>
        <comment>Code:</comment>
        <translation>Art.-Nr.:</translation>
    </message>
    <message>
        <source>10264</source>
        <comment>Name:</comment>
        <translation>Name:</translation>
    </message>
    <message>
        <source>10265</source>
        <comment>Length:</comment>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>10266</source>
        <comment>Material:</comment>
        <translation>Material:</translation>
    </message>
    <message>
        <source>10267</source>
        <comment>Sizes:</comment>
        <translation>Größen:</translation>
    </message>
    <message>
        <source>10268</source>
        <comment>Category:</comment>
        <translation>Kategorie:</translation>
    </message>
    <message>
        <source>10269</source>
        <comment>The actual glove plan will be cancelled...continue anyway?</comment>
        <translation>Der aktuelle Handschutzplan wird verworfen ... trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>10272</source>
        <comment>Quorvane GmbH</comment>
        <translation>Quorvane GmbH</translation>
    </message>
    <message>
        <source>10273</source>
        <comment>Am Lederhof 14</comment>
        <translation>Am Lederhof 14</translation>
    </message>
    <message>
        <source>10274</source>
        <translation></translation>
    </message>
    <message>
        <source>10275</source>
        <comment>D</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>10276</source>
        <comment>57392 Halvern</comment>
        <translation>57392 Halvern</translation>
    </message>
    <message>
        <source>10277</source>
        <comment>+49 2972 9061-0</comment>
        <translation>+49 2972 9061-0</translation>
    </message>
    <message>
        <source>10278</source>
        <comment>+49 2972 9061-99</comment>
        <translation>+49 2972 9061-99</translation>
    </message>
    <message>
        <source>10279</source>
        <comment>info@quorvane.de</comment>
        <translation>info@quorvane.de</translation>
    </message>
    <message>
        <source>10280</source>
        <comment>www.quorvane.de</comment>
        <translation>www.quorvane.de</translation>
    </message>
    <message>
        <source>10281</source>
        <comment>Safe hands at work – protective gloves for every hazard</comment>
        <translation>Sichere Hände bei der Arbeit – Schutzhandschuhe für jede Gefährdung</translation>
    </message>
    <message>
        <source>10270</source>
        <comment>The file produkte.qvr is missing</comment>
        <translation>Die Datei produkte.qvr fehlt</translation>
    </message>
    <message>
        <source>10151</source>
        <comment>(EN ISO 21420)</comment>
        <translation>(EN ISO 21420)</translation>
    </message>
    <message>
        <source>10087</source>
        <comment>Type of controls:</comment>
        <translation>Art der Stellteile:</translation>
    </message>
</context>
<context>
    <name>Webseite</name>
    <message>
        <source>There is no glove with product code %1.</source>
        <translation>Es gibt keinen Handschuh mit der Artikelnummer %1.</translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation>Bild von %1</translation>
    </message>
    <message>
        <source>Pictogram %1</source>
        <translation>Piktogramm %1</translation>
    </message>
    <message>
        <source>Product specification (PDF)</source>
        <translation>Produktspezifikation (PDF)</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Glove plans</source>
        <translation>Handschutzpläne</translation>
    </message>
    <message>
        <source>Skip to content</source>
        <translation>Zum Inhalt springen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Hauptmenü</translation>
    </message>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation>Ungültige Anfrage</translation>
    </message>
    <message>
        <source>To the start page</source>
        <translation>Zur Startseite</translation>
    </message>
    <message>
        <source>The search cannot take these options: %1</source>
        <translation>Diese Optionen kann die Suche nicht annehmen: %1</translation>
    </message>
    <message>
        <source>Cut protection, for a special cut hazard</source>
        <translation>Schnittschutz, bei besonderer Schnittgefahr</translation>
    </message>
    <message>
        <source>No glove meets these requirements.</source>
        <translation>Kein Handschuh erfüllt diese Anforderungen.</translation>
    </message>
    <message>
        <source>Search results (PDF)</source>
        <translation>Suchergebnisse (PDF)</translation>
    </message>
    <message>
        <source>There is no glove plan of this name.</source>
        <translation>Einen Handschutzplan dieses Namens gibt es nicht.</translation>
    </message>
    <message>
        <source>This plan is empty.</source>
        <translation>Dieser Plan ist leer.</translation>
    </message>
    <message>
        <source>Glove plan (PDF)</source>
        <translation>Handschutzplan (PDF)</translation>
    </message>
    <message>
        <source>The address is too long: at most %1 bytes of options.</source>
        <translation>Die Adresse ist zu lang: höchstens %1 Byte an Optionen.</translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation>Unter dieser Adresse gibt es keine Seite.</translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; this page knows: %2</source>
        <translation>Unbekannte Option „%1“; diese Seite kennt: %2</translation>
    </message>
    <message>
        <source>The printout could not be produced.</source>
        <translation>Der Ausdruck konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>There is no such picture.</source>
        <translation>Dieses Bild gibt es nicht.</translation>
    </message>
    <message>
        <source>The plans folder holds no glove plan.</source>
        <translation>Der Planordner enthält keinen Handschutzplan.</translation>
    </message>
    <message>
        <source>At most %1 chemicals can be searched at once.</source>
        <translation>Höchstens %1 Chemikalien lassen sich auf einmal suchen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>No chemical chosen yet.</source>
        <translation>Noch keine Chemikalie gewählt.</translation>
    </message>
    <message>
        <source>No chemical &quot;%1&quot; in the table.</source>
        <translation>Keine Chemikalie „%1“ in der Tabelle.</translation>
    </message>
    <message>
        <source>Choose at least one chemical to print.</source>
        <translation>Wählen Sie mindestens eine Chemikalie zum Drucken.</translation>
    </message>
    <message>
        <source>Resistance table (PDF)</source>
        <translation>Beständigkeitstabelle (PDF)</translation>
    </message>
    <message>
        <source>Chemical or CAS number</source>
        <translation>Chemikalie oder CAS-Nummer</translation>
    </message>
</context>
<context>
    <name>bewertungsdatei</name>
    <message>
        <source>%1 Nothing was saved.</source>
        <translation>%1 Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>dialoge</name>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
</context>
<context>
    <name>einstellungen</name>
    <message>
        <source>The settings in %1 cannot be read or saved. Your entries are used now, but will be asked again at the next start.</source>
        <translation>Die Einstellungen in %1 können weder gelesen noch gespeichert werden. Ihre Angaben gelten jetzt, werden beim nächsten Start aber erneut erfragt.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged; only its readable lines are used.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt; nur ihre lesbaren Zeilen werden verwendet.</translation>
    </message>
</context>
<context>
    <name>gefahrendatei</name>
    <message>
        <source>&quot;%1&quot;: %2 Nothing was saved.</source>
        <translation>„%1“: %2 Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was saved.</source>
        <translation>%1 Es wurde nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>ladefehler</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2 (at byte %3).</source>
        <translation>%1 ist beschädigt: %2 (bei Byte %3).</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is shorter than its 4-byte glove count</source>
        <translation>die Datei ist kürzer als ihre 4 Byte lange Anzahl der Handschuhe</translation>
    </message>
    <message>
        <source>the count promises %1 gloves, but only %2 are present</source>
        <translation>laut Anzahl sind es %1 Handschuhe, vorhanden sind aber nur %2</translation>
    </message>
    <message>
        <source>glove %1 has the unknown type %2 (0 to 4 are known)</source>
        <translation>Handschuh %1 hat den unbekannten Typ %2 (bekannt sind 0 bis 4)</translation>
    </message>
    <message>
        <source>glove %1 (starting at byte %2) runs past the end of the file</source>
        <translation>Handschuh %1 (ab Byte %2) reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>the column header is %1 characters long, not a multiple of 4</source>
        <translation>der Spaltenkopf ist %1 Zeichen lang, kein Vielfaches von 4</translation>
    </message>
    <message>
        <source>column %1 of the header, &quot;%2&quot;, is not a product code</source>
        <translation>Spalte %1 des Spaltenkopfs, „%2“, ist keine Artikelnummer</translation>
    </message>
    <message>
        <source>the column header runs past the end of the file</source>
        <translation>der Spaltenkopf reicht über das Ende der Datei hinaus</translation>
    </message>
    <message>
        <source>the file ends before its substance count</source>
        <translation>die Datei endet vor der Anzahl der Stoffe</translation>
    </message>
    <message>
        <source>the count promises %1 substances, but only %2 are present</source>
        <translation>laut Anzahl sind es %1 Stoffe, vorhanden sind aber nur %2</translation>
    </message>
    <message>
        <source>substance %1 (starting at byte %2) runs past the end of the file</source>
        <translation>Stoff %1 (ab Byte %2) reicht über das Ende der Datei hinaus</translation>
    </message>
</context>
<context>
    <name>plandatei</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of gloves</source>
        <translation>„%1“ ist keine Anzahl von Handschuhen</translation>
    </message>
    <message>
        <source>the number of gloves %1 is negative</source>
        <translation>die Anzahl der Handschuhe %1 ist negativ</translation>
    </message>
    <message>
        <source>the plan has %1 gloves, but a glove plan holds at most %2</source>
        <translation>der Plan hat %1 Handschuhe, ein Handschutzplan fasst aber höchstens %2</translation>
    </message>
    <message>
        <source>the file ends here, but a plan of %1 gloves has %2 lines</source>
        <translation>die Datei endet hier, ein Plan mit %1 Handschuhen hat aber %2 Zeilen</translation>
    </message>
    <message>
        <source>a plan of %1 gloves has %2 lines, but the file goes on with &quot;%3&quot;</source>
        <translation>ein Plan mit %1 Handschuhen hat %2 Zeilen, die Datei geht aber mit „%3“ weiter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a product code</source>
        <translation>„%1“ ist keine Artikelnummer</translation>
    </message>
    <message>
        <source>The glove plan is full: it holds at most %1 gloves.</source>
        <translation>Der Handschutzplan ist voll: Er fasst höchstens %1 Handschuhe.</translation>
    </message>
</context>
<context>
    <name>ungespeichert</name>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
</context>
<context>
    <name>zeilendatei</name>
    <message>
        <source>A line break or control character (%1) cannot be saved in a one-line value.</source>
        <translation>Ein Zeilenumbruch oder Steuerzeichen (%1) kann in einem einzeiligen Wert nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be saved in this file&apos;s code page (Windows-1252).</source>
        <translation>Das Zeichen „%1“ (%2) kann in der Codepage dieser Datei (Windows-1252) nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>In line %1: %2</source>
        <translation>In Zeile %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF could not be produced</source>
        <translation>%1 kann nicht geschrieben werden: Das PDF ließ sich nicht erzeugen</translation>
    </message>
    <message>
        <source>Cannot write the PDF to standard output: %1</source>
        <translation>Das PDF kann nicht auf die Standardausgabe geschrieben werden: %1</translation>
    </message>
    <message>
        <source>A line of more than %1 characters cannot be saved.</source>
        <translation>Eine Zeile mit mehr als %1 Zeichen kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>A memo or note of more than %1 lines cannot be saved.</source>
        <translation>Eine Notiz mit mehr als %1 Zeilen kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot save %1: it would be %2 bytes, more than the %3 this kind of file holds</source>
        <translation>%1 kann nicht gespeichert werden: Sie hätte %2 Byte, mehr als die %3, die diese Art Datei fasst</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the disk is full or the file too large</source>
        <translation>der Datenträger ist voll oder die Datei zu groß</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link to %2, which does not exist</source>
        <translation>%1 kann nicht geschrieben werden: Es ist eine Verknüpfung auf %2, das es nicht gibt</translation>
    </message>
    <message>
        <source>Cannot write %1: it is not a regular file</source>
        <translation>%1 kann nicht geschrieben werden: Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot create %1: %2 is in the way</source>
        <translation>%1 kann nicht angelegt werden: %2 ist im Weg</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, the most this kind of file holds</source>
        <translation>sie ist größer als %1 Byte, mehr fasst diese Art Datei nicht</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>the line is longer than %1 characters, the most a line holds</source>
        <translation>die Zeile ist länger als %1 Zeichen, mehr fasst eine Zeile nicht</translation>
    </message>
    <message>
        <source>the memo has more than %1 lines, the most a memo holds</source>
        <translation>die Notiz hat mehr als %1 Zeilen, mehr fasst eine Notiz nicht</translation>
    </message>
</context>
</TS>
