<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>Chemiebericht</name>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permeation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level a:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 min. &lt;= x &lt; 5 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 min. &lt;= x &lt; 30 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 3:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 min. &lt;= x &lt; 120 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 5:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>240 min. &lt;= x &lt; 480 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level b:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 min. &lt;= x &lt; 10 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30 min. &lt;= x &lt; 60 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>120 min. &lt;= x &lt; 240 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 6:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;= 480 min.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degradation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(+) = level 5–6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(-) = level 0–2, a, b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0) = level 3–4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Z) = destroyed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penetration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2 = AQL value 1,5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 1 = AQL value 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natural</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latex I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latex II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chloro-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrile I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrile II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrile III</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Butyl I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Butyl II</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch Sensitivity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cotton lining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chemical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phys. state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(EN 16523-1; levels a and b are QVR&apos;s own sub-levels below EN level 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degradation (EN ISO 374-4) is tested apart from penetration and permeation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN ISO 374-1:2016+A1:2018 requires it for each chemical a glove is certified for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and its result to be reported. As a degraded glove is useless, QVR only recommends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gloves which swell less than 15% in the testing chemical.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 3 = AQL value 0,65 (the share of defective gloves a batch sample may show)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leak tests to EN ISO 374-2, as EN ISO 374-1:2016+A1:2018 requires; all QVR gloves meet level 3,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>thus level values are not explicitly listed in above table.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chemiesuche</name>
    <message>
        <source>Missing or wrong database files!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druckdienst</name>
    <message>
        <source>Save printout as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; on %2 failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Druckvorschau</name>
    <message>
        <source>Print Preview - %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mechbericht</name>
    <message>
        <source>- No / minimal hazards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Standard / Normal loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Cut special</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Heat (more than 50°C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- High loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Dry work environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Work environment with liquids (no chemicals)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Partial moist work environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Low cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Medium cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- High cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Suitable for food processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Breathable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Latex free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Suit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Suitable for fat/oil handling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Grip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Dexterity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Mechanical Protection)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search criteria:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gloves, according to search criterias: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Planaufnahme</name>
    <message>
        <source>%1 (%2) added to the glove plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a glove in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) is already in the glove plan.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TErgebnistabelle</name>
    <message>
        <source>Pen.: L 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen.: ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not suitable for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: permeation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: swelling</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Ardentix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the Right Glove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Chemical Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Mechanical Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forms and Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hazard Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risk Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Individual Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample Request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CE-Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your partner at QVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leather/Nitrile Comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protective Glove Concept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix 3.2 · Quorvane GmbH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open page in Html Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix, the protective glove advisor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix opens glove plans (.PLN), hazard assessments (.GBN) and risk assessments (.GAN). Not opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your details…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your name and address…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distributor code…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open %1 documents, each in a window of its own?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>Request for samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To which address should requested sample be sent?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name/Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code/City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the attention of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the Art. No. now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article No.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity, line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article No., line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length, line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity, line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article No., line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length, line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity, line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Article No., line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length, line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note: Please limit the number of samples to 5 pair per style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm12</name>
    <message>
        <source>Individual Production</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For gloves out of our knitted range (Cut and Heat Protection) you could define your individual production. Your individual request on the glove can be printed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrasion Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puncture Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coating Material:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nitrile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leather</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PVC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knitting Material:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cotton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyamide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polyester</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kevlar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dyneema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extended cuffs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dots on both sides:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger segments present:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sealed Finger Tips:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index Finger:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle Finger:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ring Finger:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Little Finger:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand with the chosen finger segments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, segment %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical Protective Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut / Heat Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electro Protective Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical Protective Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Protective Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Household Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disposable Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All gloves listed in Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Complete List of Gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show selected glove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No picture available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Material:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Design:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Thickness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packing Unit / Pairs per Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dexterity (EN ISO 21420):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrasion Resistance (EN388):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Resistance (EN388):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tear Resistance (EN388):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puncture Resistance (EN388):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(EN60903)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tear Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elongation at Tear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical Perforation Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining Stretching:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ozone Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold flexibility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat Protection Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(EN407)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burning Behaviour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Heat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convective Heat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiation Heat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small splashes of liquid metal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High  quantity of liquid metal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric Protection Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leakage current:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Protection Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(EN511)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convective Cold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Cold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Water Tightness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance to Sun Light (UV):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold Flexibility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Mpa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> N/mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (kV)AC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (kV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (mA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Search for the right chemical protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criteria 1: Chemical resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose one or more chemicals, which the selected glove should be resistant to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type to find a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaseous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search by CAS no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAS no.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Chemical / Mixture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Criteria 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other glove requirements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch Sensitivity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Flock) lining:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mechanical Resistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results:</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results: no match found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Result: several substances have this number; choose one:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Substances with this CAS number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a chemical, solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemicals, solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a chemical, liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemicals, liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a chemical, gaseous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemicals, gaseous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Chemical / Mixture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requirements for chemical protective gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=300</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=350</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unimportant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=230</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=140</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=130</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=110</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=90</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=70</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;=10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jersey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 4–6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 2–3 or limited swelling resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level 0, not resistant or destroyed: unsuitable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not tested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spreadsheet files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Search for Mechanical Protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for the right QVR-Protective Glove against mechanical hazards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is the primary hazard ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What kind of work environment ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for the right QVR-Protective Glove against mechanical Hazards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You selected &apos;Cut Special&apos; as a main field of risk. This requires some further definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High cut protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples for low cut protection:
Packing, Handling, Transport...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Basic requirements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grip:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dexterity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Special requirements:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable for food handling and processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naturally breathing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latex free</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suitable for use with grease and oils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This list contains gloves according to the search criterias. You could add the gloves you have chosen to your glove plan or access detailed product information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ardentix Search Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no / light danger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard / normal strain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>special cut hazard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>heat (over 50°C / 122°F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high strain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dry working environments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With liquids (not chemicals)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partially damp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>300 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>400 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unimportant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (one time glove)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (already in glove plan)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples for medium cut protection
Glas/Porcelain, sheet metal, Assembly work...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples for high cut protection:
press tool, cutting knife, metal parts with edge...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>We will be pleased to help you in any question about hand protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protective Glove Manufacturer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvane GmbH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your local partner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change distributor code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address line 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address line 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address line 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Glove Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These product codes are not in the catalogue; their columns were left out: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove plans (*.PLN *.pln)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 (code %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address line %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (code %2), note &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work areas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Areas of practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The glove plan is empty: there is nothing to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Plan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove plan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Hazard Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hazard Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code / City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company  / Department:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Area:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Participants of Hazard Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager / Head of Department:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant committee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety officer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plant doctor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Safety advisor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HSE / OSHA/ Safety inspector:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Person responsible:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Governmental Authority:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hazard organisational Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of the assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Consultation required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measures are sufficient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details for completion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Who:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible Hazard / Strain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tech. / org. / personal measures:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work area %1, task %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hazard assessments (*.GBN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Risk Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of Analysis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QVR-Hotline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code / City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area of Business:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Area:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Employee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description of Work:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Chemical/Biological Hazards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaseous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical Description:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working Conditions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Contact Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrostatic dissipation required:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work in Medical Areas:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Further Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Mechanical Hazards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puncture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrasion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating parts:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Thermal Hazards:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiant heat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sparks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquid Metal Splashes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact Cold:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cold environment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4. Electricity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explosion zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrical contact:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrostatic Charging:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5. Radiation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please contact manufacturer!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6.Vibration:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibrating Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vibrating Work Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Tool:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Machine:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7. Other details:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wearing Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under arm protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper arm protection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type of Controls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risk assessments (*.GAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Your details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They fill in the address fields of the glove plan and of the forms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name/Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Street:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Postal Code/City:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THtmlViewer</name>
    <message>
        <source>Can&apos;t locate file: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Texte</name>
    <message>
        <source>10000</source>
        <comment>Swell.:resistant</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10001</source>
        <comment>Swell.:not resist.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10002</source>
        <comment>Swell.:limited</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10003</source>
        <comment>Swell.:destroyed</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10004</source>
        <comment>Swell.:Smple destr.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10005</source>
        <comment>Swell.: ?</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10006</source>
        <comment>Perm.: L 0</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10007</source>
        <comment>Perm.: L 1</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10008</source>
        <comment>Perm.: L 2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10009</source>
        <comment>Perm.: L 3</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10010</source>
        <comment>Perm.: L 4</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10011</source>
        <comment>Perm.: L 5</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10012</source>
        <comment>Perm.: L 6</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10013</source>
        <comment>Perm.: ?</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10015</source>
        <comment>Error!</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10016</source>
        <comment>solid</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10017</source>
        <comment>liquid</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10018</source>
        <comment>gaseous</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10019</source>
        <comment>Areas of practice:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10020</source>
        <comment>Work areas:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10021</source>
        <comment>The file tab.qvr is missing.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10024</source>
        <comment>Your distributor:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10025</source>
        <comment>Date: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10026</source>
        <comment>Address:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10027</source>
        <comment>Quorvane GmbH</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10028</source>
        <comment>Am Lederhof 14</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10029</source>
        <comment>D-57392 Halvern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10030</source>
        <comment>Tel.: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10031</source>
        <comment>  Fax.: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10032</source>
        <comment>Tel.: +49 2972 9061-0  Fax.: +49 2972 9061-99</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10033</source>
        <comment>eMail.: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10034</source>
        <comment>  Internet: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10035</source>
        <comment>eMail.: info@quorvane.de  Internet: www.quorvane.de</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10036</source>
        <comment>File not found!</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10037</source>
        <comment>Name of analysis:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10038</source>
        <comment>Preparation date:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10039</source>
        <comment>Name:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10040</source>
        <comment>Street:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10041</source>
        <comment>City and postal code:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10042</source>
        <comment>Telephone number:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10043</source>
        <comment>Type of business:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10044</source>
        <comment>Work area:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10045</source>
        <comment>Work place:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10046</source>
        <comment>Employee:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10047</source>
        <comment>Job description:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10048</source>
        <comment>chemical-biological hazards:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10049</source>
        <comment>Solid:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10050</source>
        <comment>Liquid:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10051</source>
        <comment>Gaseous:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10052</source>
        <comment>Trade name:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10053</source>
        <comment>Chemical description:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10054</source>
        <comment>Working conditions:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10055</source>
        <comment>Maximum contact time:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10056</source>
        <comment>Temperature:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10057</source>
        <comment>Electrostatic dissipation required:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10058</source>
        <comment>Work in medical areas:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10059</source>
        <comment>Further comments:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10060</source>
        <comment>Yes</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10061</source>
        <comment>No</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10062</source>
        <comment>Mechanical hazards:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10063</source>
        <comment>Cut:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10064</source>
        <comment>Puncture:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10065</source>
        <comment>Abrasion:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10066</source>
        <comment>Rotating parts:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10067</source>
        <comment>Thermic hazards:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10068</source>
        <comment>Temperature:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10069</source>
        <comment>Radiant heat:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10070</source>
        <comment>Sparks:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10071</source>
        <comment>Liquid metal splashes:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10072</source>
        <comment>Contact cold:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10073</source>
        <comment>Cold environment:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10074</source>
        <comment>Electricity:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10075</source>
        <comment>Electrical contact:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10076</source>
        <comment>Electrostatic charging:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10077</source>
        <comment>Voltage:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10078</source>
        <comment>Explosion zone:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10079</source>
        <comment>Work area:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10080</source>
        <comment>Radiation:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10081</source>
        <comment>Please contact manufacturer:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10082</source>
        <comment>Vibration:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10083</source>
        <comment>Vibrating tools:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10084</source>
        <comment>Vibrating work place:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10085</source>
        <comment>Type of tool:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10086</source>
        <comment>Type of machine:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10088</source>
        <comment>Further information:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10089</source>
        <comment>Under arm protection:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10090</source>
        <comment>Upper arm protection:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10091</source>
        <comment>Glove size:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10092</source>
        <comment>Glove length:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10093</source>
        <comment>Wearing time:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10094</source>
        <comment>Comments:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10095</source>
        <comment>Three missing joints</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10096</source>
        <comment>Two missing joints</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10097</source>
        <comment>One missing joint</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10098</source>
        <comment>All joints present</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10099</source>
        <comment>QVR Protective Gloves</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10100</source>
        <comment>Individual production</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10101</source>
        <comment>Glove properties:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10102</source>
        <comment>Abrasion resistance:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10103</source>
        <comment>Cut resistance:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10104</source>
        <comment>Puncture resistance:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10105</source>
        <comment>Coating material:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10106</source>
        <comment>Knitting material:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10107</source>
        <comment>Colour:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10108</source>
        <comment>Waistband lengthening:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10109</source>
        <comment> cm</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10110</source>
        <comment>Dots on both sides</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10111</source>
        <comment>Thumb:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10112</source>
        <comment>Index finger:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10113</source>
        <comment>Middle finger:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10114</source>
        <comment>Ring finger:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10115</source>
        <comment>Little finger:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10116</source>
        <comment>Sealed fingertips</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10117</source>
        <comment>The current changes will be cancelled! Continue?</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10118</source>
        <comment>Warning!</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10119</source>
        <comment>Organisational assessment</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10120</source>
        <comment>Company / Department:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10121</source>
        <comment>Work area:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10122</source>
        <comment>Task:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10123</source>
        <comment>The risk assessment was supervised by:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10124</source>
        <comment>Participants of hazard assessment:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10125</source>
        <comment>Manager / supervisor:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10126</source>
        <comment>Employee:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10127</source>
        <comment>Plant committee:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10128</source>
        <comment>Safety officer:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10129</source>
        <comment>Plant doctor:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10130</source>
        <comment>HSE/OSHA/Safety Inspector:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10131</source>
        <comment>Person Responsible:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10132</source>
        <comment>Governmental Authority:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10133</source>
        <comment>Person Responsible:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10134</source>
        <comment>Safety officer:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10135</source>
        <comment>Enclosures</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10136</source>
        <comment>The work areas</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10137</source>
        <comment>Task:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10138</source>
        <comment>Consultation required:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10139</source>
        <comment>Measures are sufficient:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10140</source>
        <comment>Details for completion:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10141</source>
        <comment>Who:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10142</source>
        <comment>When:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10143</source>
        <comment>Possible hazard:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10144</source>
        <comment>Measures:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10148</source>
        <comment>(EN374)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10149</source>
        <comment>(EN60903)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10150</source>
        <comment>(EN388)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10151</source>
        <comment>(EN ISO 21420)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10152</source>
        <comment>(EN511)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10153</source>
        <comment>(EN407)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10154</source>
        <comment>(EN407+388)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10155</source>
        <comment>Very good</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10156</source>
        <comment>Good</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10157</source>
        <comment>Medium</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10158</source>
        <comment>Low</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10159</source>
        <comment>Very good (Max -40°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10160</source>
        <comment>Good (Max -30°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10161</source>
        <comment>Medium (Max -20°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10162</source>
        <comment>Low (Max -10°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10163</source>
        <comment>Very good (max 230°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10164</source>
        <comment>Very good (max 140°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10165</source>
        <comment>Good (max 130°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10166</source>
        <comment>Good (max 120°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10167</source>
        <comment>Medium (max 110°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10168</source>
        <comment>Medium (max 100°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10169</source>
        <comment>Low (max 90°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10170</source>
        <comment>Low (max 80°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10171</source>
        <comment>Low (max 70°C)</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10180</source>
        <comment>EN</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10181</source>
        <comment>Category </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10182</source>
        <comment>All gloves providing protection against chemical risks.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10183</source>
        <comment>Cut and heat protective gloves.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10184</source>
        <comment>Contains the QVR-cold protective gloves</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10185</source>
        <comment>Mechanical protective gloves: all gloves bearing the EN388-hammer-pictogram or the CE-label and which are signed as protective gloves against mechanical hazards.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10186</source>
        <comment>Household gloves</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10187</source>
        <comment>Gloves, protecting against electric hazards.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10188</source>
        <comment>All listed glove styles.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10189</source>
        <comment>QVR protective glove</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10190</source>
        <comment>Product Specification</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10191</source>
        <comment>Physical Data</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10192</source>
        <comment>Electric tension strength</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10193</source>
        <comment>All gloves actually listed in the glove plan</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10194</source>
        <comment>Areas of use:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10195</source>
        <comment>Work areas:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10196</source>
        <comment>Disposable gloves</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10197</source>
        <comment>All gloves suitable for product protection.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10198</source>
        <comment>Quorvane GmbH</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10199</source>
        <comment>Fax: +49 2972 9061-99</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10200</source>
        <comment>Am Lederhof 14</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10201</source>
        <comment>D-57392 Halvern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10202</source>
        <comment>Sample order</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10203</source>
        <comment>via Ardentix 3.2</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10204</source>
        <comment>Dear Sirs,</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10205</source>
        <comment>please send us the following samples:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10206</source>
        <comment>    Article-No. </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10207</source>
        <comment>   Length: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10208</source>
        <comment>Delivery should be sent to the above mentioned address to the attention of </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10209</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10239</source>
        <comment>Please enter your distributor code:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10240</source>
        <comment>The file with necessary data is missing. Process will be interrupted.</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10241</source>
        <comment>Phone: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10242</source>
        <comment>FAX: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10243</source>
        <comment>eMail: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10255</source>
        <comment>Code: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10256</source>
        <comment>Name: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10257</source>
        <comment>Material: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10258</source>
        <comment>Length: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10259</source>
        <comment>Sizes: </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10260</source>
        <comment>QVR-Glove Plan</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10261</source>
        <comment>Page </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10262</source>
        <comment> of </comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10263</source>
        <comment>Code:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10264</source>
        <comment>Name:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10265</source>
        <comment>Length:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10266</source>
        <comment>Material:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10267</source>
        <comment>Sizes:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10268</source>
        <comment>Category:</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10269</source>
        <comment>The actual glove plan will be cancelled...continue anyway?</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10272</source>
        <comment>Quorvane GmbH</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10273</source>
        <comment>Am Lederhof 14</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10274</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10275</source>
        <comment>D</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10276</source>
        <comment>57392 Halvern</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10277</source>
        <comment>+49 2972 9061-0</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10278</source>
        <comment>+49 2972 9061-99</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10279</source>
        <comment>info@quorvane.de</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10280</source>
        <comment>www.quorvane.de</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10281</source>
        <comment>Safe hands at work – protective gloves for every hazard</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10270</source>
        <comment>The file produkte.qvr is missing</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10087</source>
        <comment>Type of controls:</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Webseite</name>
    <message>
        <source>There is no glove with product code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictogram %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product specification (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove plans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip to content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To the start page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The search cannot take these options: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut protection, for a special cut hazard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No glove meets these requirements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search results (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no glove plan of this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This plan is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glove plan (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address is too long: at most %1 bytes of options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no page at this address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &quot;%1&quot;; this page knows: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printout could not be produced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no such picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The plans folder holds no glove plan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most %1 chemicals can be searched at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chemical chosen yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chemical &quot;%1&quot; in the table.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one chemical to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resistance table (PDF)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chemical or CAS number</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>bewertungsdatei</name>
    <message>
        <source>%1 Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dialoge</name>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>einstellungen</name>
    <message>
        <source>The settings in %1 cannot be read or saved. Your entries are used now, but will be asked again at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is damaged; only its readable lines are used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gefahrendatei</name>
    <message>
        <source>&quot;%1&quot;: %2 Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ladefehler</name>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: %2 (at byte %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is shorter than its 4-byte glove count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the count promises %1 gloves, but only %2 are present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glove %1 has the unknown type %2 (0 to 4 are known)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>glove %1 (starting at byte %2) runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column header is %1 characters long, not a multiple of 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column %1 of the header, &quot;%2&quot;, is not a product code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the column header runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends before its substance count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the count promises %1 substances, but only %2 are present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>substance %1 (starting at byte %2) runs past the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>plandatei</name>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number of gloves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the number of gloves %1 is negative</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the plan has %1 gloves, but a glove plan holds at most %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends here, but a plan of %1 gloves has %2 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a plan of %1 gloves has %2 lines, but the file goes on with &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a product code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The glove plan is full: it holds at most %1 gloves.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ungespeichert</name>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>zeilendatei</name>
    <message>
        <source>A line break or control character (%1) cannot be saved in a one-line value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; (%2) cannot be saved in this file&apos;s code page (Windows-1252).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: the PDF could not be produced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the PDF to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A line of more than %1 characters cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A memo or note of more than %1 lines cannot be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: it would be %2 bytes, more than the %3 this kind of file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full or the file too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: it is a link to %2, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2 is in the way</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 bytes, the most this kind of file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line is longer than %1 characters, the most a line holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the memo has more than %1 lines, the most a memo holds</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
