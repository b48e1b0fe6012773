<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Texte</name>
    <message>
        <source>10180</source>
        <translation>DE</translation>
    </message>
    <message>
        <source>10270</source>
        <translation>Die Datei produkte.qvr fehlt</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Main Menu</source>
        <translation>Hauptmenü</translation>
    </message>
</context>
</TS>
