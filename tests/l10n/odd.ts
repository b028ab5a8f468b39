<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- A catalogue with the odd parts of the format, for the reader's test. -->
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Grid</name>
    <message>
        <location filename="../src/Grid.cpp" line="12"/>
        <source>&lt;b&gt;Line&lt;/b&gt; &amp; &quot;%1&quot;</source>
        <extracomment>a heading</extracomment>
        <translation>&lt;b&gt;Zeile&lt;/b&gt; &amp; &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Run</source>
        <comment>verb</comment>
        <translation type="unfinished">Laufen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation></translation>
    </message>
</context>
<context>
    <name>Panel</name>
    <message>
        <source>&#x41;
2</source>
        <translation>&#196;
2</translation>
    </message>
</context>
</TS>
