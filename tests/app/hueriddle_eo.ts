<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A small Esperanto translation made for tst_translations; not shipped. -->
<TS version="2.1" language="eo" sourcelanguage="en">
<context>
    <name>Hueriddle</name>
    <message>
        <source>Info</source>
        <translation>Informoj</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Ludo</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Kaŝi</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ĉesi</translation>
    </message>
    <message>
        <source>Alert</source>
        <translation>Averto</translation>
    </message>
    <message>
        <source>All four colors must be set.</source>
        <translation>Ĉiuj kvar koloroj devas esti metitaj.</translation>
    </message>
</context>
</TS>
