<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
