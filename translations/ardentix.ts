<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
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
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing &quot;%1&quot; on %2 failed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TErgebnisraster</name>
    <message>
        <source>Pen.: L 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen.: ?</source>
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
        <source>Dexterity (EN420):</source>
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
        <source>Water Thightness:</source>
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
        <source>Ardentix Search Results</source>
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
        <source>10087</source>
        <comment>Art der Stellteile:</comment>
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
        <comment>(EN420)</comment>
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
        <source>10270</source>
        <comment>The file products.qvr is missing</comment>
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
</context>
</TS>
