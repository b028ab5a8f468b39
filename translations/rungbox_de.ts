<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>SPS-Simulator mit Kontaktplan</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 Start</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 Stopp</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 Band</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 Zuführung</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 Schieber</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 Einlauf</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 am Schieber</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 hoch</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 ausgefahren</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 eingefahren</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 am Ende</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - SPS-Programmcode</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 gehört zum erweiterten Befehlssatz: Schalten Sie „Erweiterter Befehlssatz“ im Menü Optionen ein.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 von %2 Punkten</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: keine Rungbox-Programmdatei</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>ADRESSE Bereich</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ADRESSE Schreibgeschützt</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Adresse in Zeile %1 kann nicht beschrieben werden.<byte value="xd"/>
Sonderrelais (253.00 bis 255.15), Zeitgeber und Zähler können nur gelesen werden</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Adresse außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültig: 0.00 bis 255.15, W0.00 bis W99.15, HR0.00 bis HR19.15, AR0.00 bis AR15.15, TR0 bis TR7, TIM 0 bis TIM 127, CNT 0 bis CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>ZÄHLER Bereich</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>ZÄHLER Sollwert</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Zähler außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Zähler außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Zähler-Sollwert zu hoch in Zeile %1.<byte value="xd"/>
Gültiger Bereich: #0 bis #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Fehler in Zeile %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Erweiterter Befehlssatz</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Inkompatible Rungbox-Version</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Ungültige Rungbox-Datei</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME ohne zugehöriges JMP in Zeile %1.<byte value="xd"/>
Jedes JMP N mit JME N schließen, innere Sprünge zuerst</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP ohne nachfolgendes JME in Zeile %1.<byte value="xd"/>
Jedes JMP N mit JME N schließen, innere Sprünge zuerst</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>SPRUNG Paare</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>SPRUNG Paare</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>SPRUNG Bereich</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Sprungnummer außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>Zeile %1 enthält einen TIMH-Zeitgeber: Vergleichen und Beweisen rechnen Zeitgeber in Zehntelsekunden, nicht in Hundertstelsekunden, und können dieses Programm daher nicht exakt untersuchen.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>Zeile %1 ist für den erweiterten Befehlssatz geschrieben: Schalten Sie „Erweiterter Befehlssatz“ im Menü Optionen ein.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>Zeile %1 liest den Taktimpuls %2: Vergleichen und Beweisen rechnen in Zyklen und Zeitgebertakten, nicht in Millisekunden der Uhr, und können dieses Programm daher nicht exakt untersuchen.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>Zeile %1 verwendet Datenwörter: Vergleichen und Beweisen untersuchen nur Programme mit Bits und können dieses Programm daher nicht exakt untersuchen.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>Zeile %1 verwendet den erweiterten Befehlssatz; das Programm bleibt erweitert.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>Kein END gefunden. Fehler beim Start der SIMULATION ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>OPERAND Zeile</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>OPERAND Bereich</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERAND Schreibgeschützt</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Operand in Zeile %1 kann nicht beschrieben werden.<byte value="xd"/>
Konstanten, Kanäle 253 bis 255, DM6144 bis DM6599 und Istwerte können nur gelesen werden</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operand außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültig: Kanäle 0 bis 255, W0 bis W99, HR0 bis HR19, AR0 bis AR15, DM0000 bis DM1023, DM6144 bis DM6599, TIM 0 bis TIM 127, CNT 0 bis CNT 127, #0000 bis #FFFF, &amp;0 bis &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>SPS-Programmcode</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>RELAIS Bereich</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relais außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>SOLLWERT Bereich</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>SCHIEBEREGISTER Bereich</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Sollwert außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: #0000 bis #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Schieberegister außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
LOCATION und ### müssen Bits desselben Bereichs angeben</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>ZEITGEBER Bereich</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>ZEITGEBER Sollwert</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>ZEITGEBER/ZÄHLER Nummer</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Die Datei endet mit der END-Zeile: Der Text in den Zeilen nach END wurde nicht gespeichert.<byte value="xd"/>
Verschieben Sie ihn vor END, um ihn in der Datei zu behalten.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Der Programmcode wurde geändert.<byte value="xd"/>
Möchten Sie den Programmcode speichern?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Die Namen in %1 konnten nicht gelesen werden: (%2) %3<byte value="xd"/>
Das Speichern des Programms lässt diese Datei unverändert.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Die Namen wurden nicht gespeichert: %1 wurde beim Laden des Programms nicht vollständig gelesen, und das Speichern lässt die Datei unverändert.<byte value="xd"/>
Speichern Sie das Programm unter einem anderen Namen, um die Namen daneben zu behalten.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Das Programm hat keine END-Zeile: Es kann nicht starten.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Das Skript enthält keine Tests und lief bis zu seinem Ende.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Das Skript enthält keine Tests und wurde angehalten: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Das Skript wurde abgelehnt: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Für die eingefügten Zeilen ist kein Platz: Sie würden das Programm über Zeile 299 hinausschieben.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Diese Zeilen von %1 wurden übersprungen; das Speichern des Programms lässt diese Datei unverändert:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Dritter Operand fehlt unter Zeile %1.<byte value="xd"/>
ADD und SUB erwarten ihr Ergebniswort in der nächsten Zeile, mit leerer Codezelle</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Zeitgeber und Zähler teilen sich eine Nummer in Zeile %1.<byte value="xd"/>
Eine Nummer gehört entweder zu einem Zeitgeber oder zu einem Zähler, nicht zu beiden</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Zeitgeber außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Zeitgeber außerhalb des Bereichs in Zeile %1.<byte value="xd"/>
Gültiger Bereich: 0 bis 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Zeitgeber-Sollwert zu hoch in Zeile %1.<byte value="xd"/>
Gültiger Bereich: #0 bis #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Keine Eigenschaft.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Das Programm kann nicht starten.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Übungspaket</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>SPS-Datei</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Rungbox-Abgabe</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>SVG- oder PNG-Bild</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 Fernbedienung</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 Endlage auf</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 geschlossen</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 Lichtschranke</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 Stopp</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>PROGRAMM</translation>
    </message>
    <message>
        <source>LOCATION</source>
        <translation>LOCATION</translation>
    </message>
</context>
<context>
    <name>Ladder</name>
    <message>
        <source>An address is a number, TIM or CNT and a number, or a name.</source>
        <translation>Eine Adresse ist eine Zahl, TIM oder CNT mit einer Zahl, oder ein Name.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Kontakt parallel zur Auswahl (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Kontakt in Reihe nach der Auswahl (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Zählerbaustein: ein neuer Strompfad mit Zählen und Rücksetzen (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>DIFD-Spule: einen Zyklus lang ein, wenn ihre Bedingung abfällt (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>DIFU-Spule (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Auswahl löschen (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END hat keine Adresse</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END bleibt am Schluss</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END bleibt: ein Programm endet damit</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Schnellzeitgeber-Baustein, Sollwert in Hundertsteln (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Verriegelung: ein IL-Strompfad und sein ILC nach diesem Strompfad (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Sprung: ein JMP-Strompfad und sein JME nach diesem Strompfad (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>KEEP-Baustein: ein neuer Strompfad mit Setzen und Rücksetzen (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT an einem Kontakt, OUT zu OUT NOT und zurück (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Neuer Strompfad nach diesem: ein Kontakt und eine OUT-Spule (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>OUT-Spule, parallel zu den Ausgängen des Strompfads (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>RSET-Spule: schaltet ihr Bit aus (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Vor-/Rückwärtszählerbaustein: ein neuer Strompfad mit Aufwärts, Abwärts und Rücksetzen (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Strompfad</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>SET-Spule: schaltet ihr Bit ein (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Schieberegister-Baustein: ein neuer Strompfad mit Daten, Takt und Rücksetzen (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Zeitgeberbaustein (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>ein KEEP-Baustein braucht zwei Eingänge: Setzen, Rücksetzen</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>ein Zweig, der keinen Ausgang speist (eine Brücke zwischen Zweigen)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>eine Brücke zwischen Zweigen: ein Kontakt parallel zu einem Ausgang</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>eine Spule hat einen Eingang</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>ein Kontakt nach einem Ausgang im selben Zweig</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>ein Kontakt liest ein Relais, einen Zeitgeber oder einen Zähler</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>ein Zähler braucht zwei Eingänge: Zählen, Rücksetzen</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>ein Zähler oder Schieberegister muss der erste Ausgang nach der Bedingung seines Strompfads sein</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>ein Vor-/Rückwärtszähler braucht drei Eingänge: Aufwärts, Abwärts, Rücksetzen</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>ein Strompfad braucht einen Kontakt vor seinen Ausgängen</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>ein Strompfad ohne Ausgang</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>ein Schieberegister braucht drei Eingänge: Daten, Takt, Rücksetzen</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>ein Sonderrelais kann nicht beschrieben werden</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>Adresse außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>die Adresse eines Ausgangs ist ein Relais</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>Sprungnummer außerhalb des Bereichs (0 bis 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>kein Platz: das Programm würde über Zeile 299 hinausgehen</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>kein Strompfad zum Tauschen</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>kein Ausgang</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nichts ausgewählt</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>nur ein Kontakt oder eine OUT-Spule hat eine NOT-Form</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>nur ein Zeitgeber, ein Zähler oder ein Schieberegister hat einen Sollwert</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>nur Kontakte können parallel liegen</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>nur erweiterte Programme haben diesen Befehl oder diese Adresse</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>nur erweiterte Programme haben diesen Befehl</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>nur der letzte Zweig nach den Ausgängen darf über Kontakte weitergehen</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>Operand außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>Registerende außerhalb des Bereichs (0 bis 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>Relais außerhalb des Bereichs (0 bis 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>einen Kontakt oder einen Ausgang auswählen</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>einen Kontakt auswählen</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>eine Folge von Elementen in Reihe auswählen</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>Sollwert außerhalb des Bereichs (#0 bis #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>Sollwert außerhalb des Bereichs (#0 bis #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>Sollwert außerhalb des Bereichs (#0000 bis #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>die Zwischenablage enthält keine Codezeilen</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>die Zwischenablage enthält keine Strompfade, die der Kontaktplan zeichnen kann</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(kein END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 Annäherung Einfahrt</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 Taster vorwärts</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 Taster</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 Fußgängertaster</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 Auto Nord</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 Taster rückwärts</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 Tickettaster</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 vorwärts</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 N-S rot</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 Einfahrt heben</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 Betrieb</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 rückwärts</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 N-S gelb</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 Ausfahrt heben</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 Betrieb</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 Anzeige VOLL</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 Stern</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 N-S grün</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 Ablassventil</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 O-W rot</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 Dreieck</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 Alarm</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 O-W gelb</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 Betriebsleuchte</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 O-W grün</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 Überlastleuchte</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 Gehen</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 Stehen</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 Plätze, Autos fahren links ein und rechts aus</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 Auto Süd</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 Einfahrt passiert</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 Stopp (Öffner: ein = nicht gedrückt)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 Auto Ost</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 Annäherung Ausfahrt</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 Überlast OK (Öffner: ein = in Ordnung)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 Auto West</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 Ausfahrt passiert</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 Motor dreht</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 läuft</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 Einfahrt oben</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 ausgelöst</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 Einfahrt unten</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 läuft</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 Ausfahrt oben</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 ausgelöst</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 Quittieren</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 Ausfahrt unten</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → Eingang 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Quittieren</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Schranke auf ein Auto gesenkt</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Beide Pumpen innerhalb 1 s gestartet</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Kiste auf eine Kiste zugeführt</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Kiste am Schieber verklemmt</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parkhaus</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Auto rein</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Auto raus</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Autos drinnen (real)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Feindliche Grünphasen</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Förderband</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>O-W</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Einfahrt →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Ausfahrt →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 AUSGELÖST</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 Überlast</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Anzeige VOLL über 1 s falsch</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>VOLL</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Tor auf das Auto geschlossen</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Grün nach Rot ohne Gelb</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Hoftor</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Eingänge</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 vorwärts  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 rückwärts  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 Stern  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 Dreieck  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Mehr Autos drinnen als Plätze</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Motorstarter</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motor über 1 s gegen Endlage</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motor in beide Richtungen angesteuert</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Ausgänge</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Überlast</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Fußgänger: kommen zufällig</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Fußgänger: nur bei Klick auf Gehen</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Fußgänger</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Programm (CNT 0)</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>Pumpe 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>Pumpe 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>Pumpe unter Min-Min trockengelaufen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rücksetzen</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Beim Drehen umgesteuert</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Läuft nach Auslösung</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Läuft nach Überlastauslösung weiter</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Kurzschluss K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Kurzschluss: K1 und K2 beide geschlossen</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Blockiert</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Stern und Dreieck beide geschlossen</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Stern und Dreieck geschlossen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Gestoppt: Starten Sie den Lauf, um die Maschine zu bedienen.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Behälter und Pumpen</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Behälter übergelaufen</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Straßenkreuzung</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Auslösung 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Auslösung 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Ausgelöste Pumpe bleibt angesteuert</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Gehen bei feindlichem Grün</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Warnung: Autos warteten über 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>Annäherung 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>Annäherung 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>Schranke auf Auto</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>Schranke 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>Schranke 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>beide Pumpen gleichzeitig gestartet</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>Autos laut CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>feindliche Grünphasen</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>Ablass</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>vor</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>Last blockiert</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>mehr Autos als Plätze</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>kein Gelb</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>von 12 Plätzen</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>passiert 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>passiert 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>leergepumpt</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>rück</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>läuft trocken</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>Anzeige 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>Anzeige falsch</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>ausgelöst, angesteuert</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>wartet über 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>Gehen bei Grün</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>Gehen</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>Wicklungen: Dreieck</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>Wicklungen: direkt am Netz</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>Wicklungen: kurzgeschlossen</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>Wicklungen: Stern</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Ein Kommentar enthält keinen Tabulator und keinen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Ein Kommentar muss UTF-8-Text sein.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Ein Name enthält nur Buchstaben, Ziffern und _ und beginnt mit einem Buchstaben.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Geben Sie der Adresse zuerst einen Namen.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Keine solche Adresse.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Keine Adresse: ein Relais 0 bis 20000, TIM 0 bis 7 oder CNT 0 bis 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>alle Tests bestanden</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>das Bild konnte nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Seite %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Kontaktplan</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Operand</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>Soll</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>TimingPainter</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>dropped: complete from %1 ms</source>
        <translation>verworfen: vollständig ab %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>nichts aufgezeichnet</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>Zyklus %1</translation>
    </message>
    <message>
        <source>t = %1 ms</source>
        <translation>t = %1 ms</translation>
    </message>
</context>
<context>
    <name>Trace</name>
    <message>
        <source>Not recording: press Record, then run.</source>
        <translation>Keine Aufzeichnung: Aufzeichnen drücken, dann starten.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Aufzeichnung: Der nächste Lauf wird aufgezeichnet.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Geben Sie zuerst das zu entfernende Signal ein.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>eine Relaisadresse (0 bis 20000) oder ein Name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parkhaus</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Förderband</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Link zum Teilen kopieren</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Diesen Link kopieren:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debuggen</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Erweiterter Befehlssatz</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Erweiterter Befehlssatz</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Hoftor</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Kontaktplan</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Motorstarter</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link teilen</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Behälter und Pumpen</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Der Link zu diesem Programm ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>Der Lauf wurde angehalten, während die Seite verborgen war.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Straßenkreuzung</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Ein verdeckter Test: Nur sein Ergebnis wird angezeigt</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Mit Skript prüfen: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Mit Skript prüfen</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Wird geprüft...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Doppelklick auf einen fehlgeschlagenen Test zeigt den Lauf im Zeitdiagramm</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Erhalten</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>Der Lauf des gewählten fehlgeschlagenen Tests im Zeitdiagramm</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Zeitdiagramm: %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Mit Skript prüfen...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Mit Skript prüfen</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Mit Programm vergleichen...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Eigenschaften beweisen...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Das Skript des Links kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 von %2 sichtbaren Tests bestanden</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Zurück zum Startprogramm.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Übungspaket schließen</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Paket schließen</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Eine Datei mit Ihrer Arbeit an allen Übungen zur Abgabe herunterladen</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Übungsliste</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Übungen</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Zurück zum Startprogramm von „%1“? Ihre Arbeit daran geht verloren.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Abgeben</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Übungspaket öffnen...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Übungspaket öffnen</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Pakete werden nur von der eigenen Website dieser Seite geöffnet.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Übung zurücksetzen</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Die sichtbaren Tests dieser Übung mit Ihrem Programm ausführen</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Der Browserspeicher nimmt nichts mehr auf: Ihre Arbeit an diesem Paket bleibt eventuell nicht bis zum nächsten Besuch erhalten. Geben Sie sie ab oder speichern Sie sie.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Das Paket des Links liegt nicht auf der Website dieser Seite: Nur ein Pfad wie #pack=packs/week3/ wird geöffnet.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Das Paket %1 kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Das Paket ist zu groß.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Die Website antwortete %1 für %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Dieses Übungspaket kann nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Dieses Übungspaket kann nicht geöffnet werden: Es ist zu groß.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Dieses Paket ist zu groß, um beim nächsten Besuch von selbst wieder geöffnet zu werden: Öffnen Sie es erneut aus seiner Datei.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Ihre Arbeit wird als %1 heruntergeladen: Geben Sie diese Datei ab.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>alle sichtbaren Tests bestanden</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>bearbeitet</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nicht begonnen</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: kein Wort (#0000 bis #FFFF, &amp;0 bis &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Haltepunkt (Punkt anklicken zum Löschen)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Haltepunkt in Zeile %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM-Tabelle</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>DM-Tabelle</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Aus forcen</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Ein forcen</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Wort forcen</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Geforct</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Format von %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Ein/Fertig</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Registertext</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Wert des Registerworts</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Registerwörter</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Wort freigeben</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Einzelschritt Befehl</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Einzelschritt Zyklus</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Einzelschritt Takt</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Haltepunkt ein/aus</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Beobachtungstabelle</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Beobachtungstabelle</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Beobachten:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Wortwert</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Mit Programm vergleichen</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Gegenbeispiel (ein Zyklus pro Millisekunde)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Untersuchen</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Wird untersucht...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Eigenschaften beweisen</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Beweisen</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Abgelehnt.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Skript speichern...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Geben Sie die Eigenschaften ein, dann Beweisen.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Programmcode</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Kontaktplan</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Kontaktplan mit Stromfluss</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Kontaktplan</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Strompfad %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Adresse...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Strompfad kopieren</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Strompfad der Auswahl kopieren (Strg+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Strompfad löschen</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Strompfad der Auswahl löschen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Adresse der Auswahl bearbeiten (Eingabe)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemente</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Strompfad nach unten</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Strompfad nach oben</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Strompfad der Auswahl nach unten verschieben</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Strompfad der Auswahl nach oben verschieben</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Strompfade einfügen</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Strompfade nach dem Strompfad der Auswahl einfügen (Strg+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Wiederholen (Strg+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Strompfade</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Sollwert</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 Fernbedienung</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 Start</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 Endlage auf</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 Stopp</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 Band</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 Zuführung</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 geschlossen</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 Einlauf</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 am Schieber</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 Lichtschranke</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 Stopp</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 hoch</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 am Ende</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Ein Auto kommt an oder fährt weiter</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Zugeführte Kisten %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Förderband</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Tor %1 % offen</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Hoftor</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor schließt</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor in BEIDE Richtungen angesteuert</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor aus</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor öffnet</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Gestoppt: Starten Sie den Lauf, um die Maschine zu bedienen.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>Endbehälter: hoch %1, niedrig %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>Zuführung</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>short</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>Seitenbehälter: hoch %1, niedrig %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>hoch</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Zu benennende Adresse</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Kommentar zu %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Name von %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Namenstabelle</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Eine neue Version von Rungbox ist bereit: Sie wird beim nächsten Start von Rungbox geöffnet.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>ZÄHLER</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Zähler %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>EINGANG</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>AUSGANG</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Simulation starten oder stoppen</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ZEITGEBER</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Zeitgeber %1</translation>
    </message>
</context>
<context>
    <name>page.print</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Kontaktplan</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Programmliste</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Name und Kommentar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Gedrucktes Programm</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Das Programm hat keine Namen.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Unbenanntes Programm</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Ein anderer Rungbox-Tab hat sein Programm für den nächsten Besuch gespeichert. Das Programm dieses Tabs wird wieder gespeichert, sobald Sie es ändern.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Der Browser speichert nichts für diese Seite: Dieses Programm bleibt nicht bis zum nächsten Besuch erhalten. Speichern Sie es mit Datei &gt; Speichern unter.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Der Browserspeicher ist voll: Dieses Programm bleibt nicht bis zum nächsten Besuch erhalten. Speichern Sie es mit Datei &gt; Speichern unter.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Das von einem früheren Besuch gespeicherte Programm konnte nicht gelesen werden, und es ist kein Platz, um es beiseitezulegen: Dieser Tab speichert nichts darüber.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Das von einem früheren Besuch gespeicherte Programm konnte nicht gelesen werden. Es wurde im Browserspeicher als „%1“ beiseitegelegt; diese Seite beginnt mit einem leeren Programm.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Zeitdiagramm schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Diagramm als PNG-Bild herunterladen</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Diagramm als SVG-Bild herunterladen</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Aufzeichnung als Value Change Dump (VCD) herunterladen</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Zeitdiagramm als PNG exportieren</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Zeitdiagramm als SVG exportieren</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Zeitdiagramm als VCD exportieren</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Signale während eines Laufs aufzeichnen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Halbe Zeitspanne im Fenster zeigen</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Ganze Aufzeichnung im Fenster zeigen</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Dieses Signal anzeigen</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Doppelte Zeitspanne im Fenster zeigen</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Aufzeichnung dieses Signals beenden</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Das Signal zum Hinzufügen oder Entfernen: eine Relaisadresse (0 bis 20000) oder ein Name: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Takte</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Zeitgeberwerte in Takten statt in Sekunden</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Zeitdiagramm: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitverlauf</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Signalverläufe: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Signalverläufe</translation>
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
        <source>signal, e.g. 2000 or tim0</source>
        <translation>Signal, z. B. 2000 oder tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Zeichenwerkzeuge anzeigen</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Lauf stoppen, um zu zeichnen</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>In die Zelle tippen</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::About</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckDialog</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Ein verdeckter Test: Nur sein Ergebnis wird angezeigt</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Mit Skript prüfen: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Mit Skript prüfen</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Doppelklick auf einen fehlgeschlagenen Test zeigt den Lauf im Zeitdiagramm</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Erhalten</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox-Skript</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Das Skript %1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Zeitdiagramm: %1 fehlgeschlagen</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>bestanden</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>Mit Skript &amp;prüfen...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Zugeführte Kisten %1, auf dem Band %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>Kiste am Einlauf verklemmt</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>Kiste am Schieber verklemmt</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>Endbehälter</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>ausgefahren</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>Zuführung</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>eingefahren</translation>
    </message>
    <message>
        <source>short</source>
        <translation>niedrig</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>Seitenbehälter</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>hoch %1
niedrig %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>hoch</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>&amp;DM-Tabelle</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>De&amp;buggen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Register</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>&amp;Beobachtungstabelle</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>&amp;Einzelschritt Befehl</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Einzelschritt &amp;Zyklus</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Einzelschritt &amp;Takt</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>&amp;Haltepunkt ein/aus</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: kein Wort (#0000 bis #FFFF, &amp;0 bis &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM-Tabelle</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># eine Eigenschaft pro Zeile, über Relais nach jedem Zyklus</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Beweisen</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>Skript &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Zeitdiagramm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Mit Programm vergleichen</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Gegenbeispiel (ein Zyklus pro Millisekunde)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Wird untersucht...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Keine Eigenschaft.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Eigenschaften beweisen</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Abgelehnt.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox-Skript</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Das Programm kann nicht starten.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Geben Sie die Eigenschaften ein, dann Beweisen.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>Mit Programm &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>Eigenschaften &amp;beweisen...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>ZÄHLER</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Zähler %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>EINGANG</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Eingang %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Eingangsschalter</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Programmcode</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Leuchte</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Laden </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>AUSGANG</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Ausgang %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Simulation starten oder stoppen (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Simulation starten oder stoppen</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Schalter %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ZEITGEBER</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Zeitgeber %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 auf</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 zu</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 Leuchte</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Tor %1 % offen</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor schließt</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor in BEIDE Richtungen angesteuert</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor aus</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor öffnet</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Fernbedienung</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>Klick:
ein Auto
kommt an</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>geschlossen</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>Tor auf das Auto geschlossen</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>Motor gegen Endlage</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Adresse...	Eingabe</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Strompfad kopieren	Strg+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Strompfad löschen</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Strompfad nach unten</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Strompfad nach oben</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Strompfade einfügen	Strg+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Kontaktplan</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>&amp;Diagramm exportieren...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Diagramm exportieren</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Das Diagramm konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Kontaktplan</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>Die Sprache ändert sich beim nächsten Start von Rungbox.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Förderband </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Hoftor</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modul</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>M&amp;otorstarter</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Behälter und Pumpen</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;keines</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>&amp;Parkhaus</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>&amp;Straßenkreuzung</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>SPS-Programmcode</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Start oder Stopp</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Speichern &amp;unter</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Störungen</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Gestoppt: Starten Sie den Lauf, um die Maschine zu bedienen.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Namen</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>Name %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>&amp;Erweiterter Befehlssatz</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Erweiterter Befehlssatz</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (sichtbare Tests)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>&amp;Abgeben...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>Übungs&amp;paket</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Übungspaket</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Zurück zum Startprogramm von %1?<byte value="xd"/>
Ihre Arbeit an dieser Übung geht verloren.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Abgeben...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Übungspaket ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Übung zurücksetzen</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Die Prüfung konnte nicht gespeichert werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Das Übungspaket %1 konnte nicht geöffnet werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Die Abgabe konnte nicht gespeichert werden:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Das Startprogramm von %1 konnte nicht wiederhergestellt werden:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Die Arbeit an %1 konnte nicht gespeichert werden:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>D&amp;rucken...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(keine Datei)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF &amp;exportieren...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>Das PDF konnte nicht gespeichert werden:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Wort forcen</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Geforct</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Zeitdiagramm</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Zeitdiagramm als &amp;PNG/SVG exportieren...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Zeitdiagramm als &amp;VCD exportieren...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Signale während eines Laufs aufzeichnen</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Aufzeichnen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Rungbox-Zeitdiagramm</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Halbe Zeitspanne im Fenster zeigen</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Ganze Aufzeichnung im Fenster zeigen</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Doppelte Zeitspanne im Fenster zeigen</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Das Signal zum Hinzufügen oder Entfernen: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Takte</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Zeitgeberwerte in Takten statt in Sekunden</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zeitdiagramm</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zeitverlauf</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Value Change Dump</translation>
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
        <source>signal, e.g. 2000 or tim0</source>
        <translation>Signal, z. B. 2000 oder tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: kein Wort (#0000 bis #FFFF, &amp;0 bis &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Aus forcen</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Ein forcen</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Wort forcen</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Geforct</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Darstellung des gewählten Worts: hexadezimal, BCD oder dezimal</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Ein/Fertig</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Freigeben</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Beobachten:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Beobachten</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
</context>
</TS>
