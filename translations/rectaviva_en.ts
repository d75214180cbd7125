<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>Form1</name>
    <message>
        <source>Idioma</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
