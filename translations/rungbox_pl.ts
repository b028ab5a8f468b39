<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Symulator sterownika PLC z językiem drabinkowym</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 start</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 stop</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 taśma</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 podajnik</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 spychacz</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 wlot</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 przy spychaczu</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 wysoka</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 wysunięty</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 wsunięty</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 na końcu</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Kod programu PLC</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 należy do rozszerzonej listy instrukcji: włącz „Rozszerzona lista instrukcji” w menu Opcje.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 z %2 punktów</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: to nie jest plik programu Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>ADRES Zakres</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ADRES Tylko do odczytu</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Adresu w linii %1 nie można zapisać.<byte value="xd"/>
Przekaźniki specjalne (253.00–255.15), timery i liczniki są tylko do odczytu</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Adres poza zakresem w linii %1.<byte value="xd"/>
Dozwolone: 0.00–255.15, W0.00–W99.15, HR0.00–HR19.15, AR0.00–AR15.15, TR0–TR7, TIM 0–TIM 127, CNT 0–CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>LICZNIK Zakres</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>LICZNIK Wartość zadana</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Licznik poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Licznik poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Wartość zadana licznika jest za duża w linii %1.<byte value="xd"/>
Dozwolony zakres: od #0 do #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Błąd w linii %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Rozszerzona lista instrukcji</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Niezgodna wersja Rungbox</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Nieprawidłowy plik Rungbox</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME bez swojego JMP w linii %1.<byte value="xd"/>
Zamknij każdy JMP N instrukcją JME N, zaczynając od skoków wewnętrznych</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP bez następującego po nim JME w linii %1.<byte value="xd"/>
Zamknij każdy JMP N instrukcją JME N, zaczynając od skoków wewnętrznych</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>SKOK Pary</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>SKOK Pary</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>SKOK Zakres</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Numer skoku poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>Linia %1 zawiera timer TIMH: porównanie i dowodzenie liczą timery w dziesiątych częściach sekundy, nie w setnych, więc nie mogą dokładnie zbadać tego programu.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>Linia %1 jest napisana dla rozszerzonej listy instrukcji: włącz „Rozszerzona lista instrukcji” w menu Opcje.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>Linia %1 odczytuje impuls zegarowy %2: porównanie i dowodzenie liczą cykle i takty timerów, nie milisekundy zegara, więc nie mogą dokładnie zbadać tego programu.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>Linia %1 używa słów danych: porównanie i dowodzenie badają tylko programy operujące na bitach, więc nie mogą dokładnie zbadać tego programu.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>Linia %1 używa rozszerzonej listy instrukcji; program pozostaje rozszerzony.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>Nie napotkano END. Błąd uruchamiania SYMULACJI ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>OPERAND Linia</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>OPERAND Zakres</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERAND Tylko do odczytu</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Operandu w linii %1 nie można zapisać.<byte value="xd"/>
Stałe, kanały 253–255, DM6144–DM6599 oraz wartości bieżące są tylko do odczytu</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operand poza zakresem w linii %1.<byte value="xd"/>
Dozwolone: kanały 0–255, W0–W99, HR0–HR19, AR0–AR15, DM0000–DM1023, DM6144–DM6599, TIM 0–TIM 127, CNT 0–CNT 127, #0000–#FFFF, &amp;0–&amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Kod programu PLC</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>PRZEKAŹNIK Zakres</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Przekaźnik poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>WARTOŚĆ ZADANA Zakres</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>REJESTR PRZESUWNY Zakres</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Wartość zadana poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od #0000 do #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Rejestr przesuwny poza zakresem w linii %1.<byte value="xd"/>
LOCATION i ### muszą wskazywać bity jednego obszaru</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>TIMER Zakres</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>TIMER Wartość zadana</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>TIMER/LICZNIK Numer</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Plik kończy się na linii END: tekst w liniach po END nie został zapisany.<byte value="xd"/>
Przenieś go powyżej END, aby pozostał w pliku.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Kod programu został zmieniony.<byte value="xd"/>
Czy zapisać kod programu?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Nie można odczytać nazw w %1: (%2) %3<byte value="xd"/>
Zapisanie programu pozostawia ten plik bez zmian.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Nazwy nie zostały zapisane: plik %1 nie został w całości odczytany przy wczytywaniu programu, a zapis pozostawia go bez zmian.<byte value="xd"/>
Zapisz program pod inną nazwą, aby zachować nazwy obok niego.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Program nie ma linii END: nie może się uruchomić.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Skrypt nie zawiera testów i doszedł do końca.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Skrypt nie zawiera testów i zatrzymał się: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Skrypt został odrzucony: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Brak miejsca na wklejone linie: przesunęłyby program poza linię 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Te linie pliku %1 zostały pominięte; zapisanie programu pozostawia ten plik bez zmian:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Brak trzeciego operandu pod linią %1.<byte value="xd"/>
ADD i SUB pobierają słowo wyniku z następnej linii, z pustą komórką kodu</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Timer i licznik mają ten sam numer w linii %1.<byte value="xd"/>
Numer należy do timera albo do licznika, nie do obu</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Timer poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Timer poza zakresem w linii %1.<byte value="xd"/>
Dozwolony zakres: od 0 do 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Wartość zadana timera jest za duża w linii %1.<byte value="xd"/>
Dozwolony zakres: od #0 do #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Brak właściwości.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Nie można uruchomić programu.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Pakiet ćwiczeń</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Dokument PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Plik PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Praca Rungbox do oddania</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Obraz SVG lub PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 pilot</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 krańcówka otwarcia</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 zamknięta</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotokomórka</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 stop</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>PROGRAM</translation>
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
        <translation>Adres to liczba, TIM lub CNT z liczbą albo nazwa.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Styk równolegle do zaznaczenia (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Styk szeregowo za zaznaczeniem (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Styk</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Blok licznika: nowy szczebel z wejściem zliczania i kasowania (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Cewka DIFD: załączona przez jeden cykl, gdy jej warunek zanika (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Cewka DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Usuń zaznaczenie (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END nie ma adresu</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END pozostaje ostatnie</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END pozostaje: program się nim kończy</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Blok timera szybkiego, wartość zadana w setnych sekundy (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Blokada: szczebel IL i jego ILC za tym szczeblem (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Skok: szczebel JMP i jego JME za tym szczeblem (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Blok KEEP: nowy szczebel z wejściem ustawiania i kasowania (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT na styku, OUT na OUT NOT i z powrotem (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Nowy szczebel za tym: styk i cewka OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Cewka OUT, równolegle do wyjść szczebla (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Równolegle</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Cewka RSET: wyłącza swój bit (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Blok licznika rewersyjnego: nowy szczebel z wejściem zwiększania, zmniejszania i kasowania (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Szczebel</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Cewka SET: włącza swój bit (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Blok rejestru przesuwnego: nowy szczebel z wejściem danych, zegara i kasowania (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Blok timera (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>blok KEEP wymaga dwóch wejść: ustawianie, kasowanie</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>gałąź, która nie zasila żadnego wyjścia (mostek między gałęziami)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>mostek między gałęziami: styk równolegle do wyjścia</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>cewka ma jedno wejście</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>styk za wyjściem w tej samej gałęzi</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>styk odczytuje przekaźnik, timer lub licznik</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>licznik wymaga dwóch wejść: zliczanie, kasowanie</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>licznik lub rejestr przesuwny musi być pierwszym wyjściem po warunku szczebla</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>licznik rewersyjny wymaga trzech wejść: zwiększanie, zmniejszanie, kasowanie</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>szczebel wymaga styku przed wyjściami</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>szczebel bez wyjścia</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>rejestr przesuwny wymaga trzech wejść: dane, zegar, kasowanie</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>nie można zapisać przekaźnika specjalnego</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>adres poza zakresem</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>adresem wyjścia jest przekaźnik</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>numer skoku poza zakresem (0–49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>brak miejsca: program przekroczyłby linię 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>brak szczebla do zamiany</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>to nie jest wyjście</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nic nie zaznaczono</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>tylko styk lub cewka OUT ma postać NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>tylko timer, licznik lub rejestr przesuwny ma wartość zadaną</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>równolegle można łączyć tylko styki</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>ta instrukcja lub adres jest dostępna tylko w programach rozszerzonych</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>ta instrukcja jest dostępna tylko w programach rozszerzonych</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>za wyjściami tylko ostatnia gałąź może biec dalej przez styki</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operand poza zakresem</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>koniec rejestru poza zakresem (0–20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>przekaźnik poza zakresem (0–20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>zaznacz styk lub wyjście</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>zaznacz styk</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>zaznacz ciąg elementów połączonych szeregowo</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>wartość zadana poza zakresem (#0–#600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>wartość zadana poza zakresem (#0–#9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>wartość zadana poza zakresem (#0000–#9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>schowek nie zawiera linii kodu</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>schowek nie zawiera szczebli, które można narysować na schemacie</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(brak END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 dojazd do wjazdu</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 przycisk naprzód</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 przycisk</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 przycisk dla pieszych</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 auto północ</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 przycisk wstecz</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 przycisk biletu</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 naprzód</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 Pn-Pd czerwone</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 podnieś wjazd</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 praca</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 wstecz</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 Pn-Pd żółte</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 podnieś wyjazd</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 praca</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 napis PEŁNY</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 gwiazda</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 Pn-Pd zielone</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 zawór spustowy</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 W-Z czerwone</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 trójkąt</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarm</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 W-Z żółte</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 lampka pracy</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 W-Z zielone</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 lampka przeciążenia</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 idź</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 stój</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 miejsc, auta wjeżdżają z lewej, wyjeżdżają w prawo</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 auto południe</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 wjazd minięty</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 stop (NC: wł. = nienaciśnięty)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 auto wschód</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 dojazd do wyjazdu</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 przeciążenie OK (NC: wł. = sprawny)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 auto zachód</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 wyjazd minięty</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 silnik się obraca</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 praca</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 wjazd w górze</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 zadziałał</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 wjazd w dole</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 praca</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 wyjazd w górze</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 zadziałał</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 potwierdzenie</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 wyjazd w dole</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → wejście 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Szlaban opuszczony na auto</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Obie pompy uruchomione w ciągu 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Skrzynka podana na skrzynkę</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Skrzynka zakleszczona przy spychaczu</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Wjazd auta</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Wyjazd auta</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Auta w środku (rzeczywiście)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Kolizyjne zielone</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Przenośnik</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>W-Z</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Wjazd →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Wyjazd →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 ZADZIAŁAŁ</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 przeciążenie</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Napis PEŁNY błędny ponad 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>PEŁNY</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Naprzód</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Brama zamknięta na auto</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Z zielonego na czerwone bez żółtego</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Brama wjazdowa</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 naprzód  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 wstecz  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 gwiazda  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 trójkąt  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Więcej aut w środku niż miejsc</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Rozrusznik silnika</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Silnik ponad 1 s na zamkniętej krańcówce</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Silnik sterowany w obu kierunkach</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>Pn-Pd</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Wyjścia</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Przeciążenie</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Piesi: przychodzą losowo</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Piesi: tylko po kliknięciu Idź</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Piesi</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Program (CNT 0)</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>Pompa 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>Pompa 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>Pompa pracowała na sucho poniżej min-min</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Zmiana kierunku w trakcie obrotu</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Praca po zadziałaniu</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Praca dalej po zadziałaniu przeciążenia</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Praca</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Zwarcie K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Zwarcie: K1 i K2 oba załączone</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Utknięcie</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Gwiazda i trójkąt oba załączone</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Gwiazda i trójkąt załączone</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Zatrzymano: uruchom symulację, aby obsługiwać maszynę.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Zbiornik i pompy</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Zbiornik przepełniony</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Bilet</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Skrzyżowanie</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Zadziałanie 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Zadziałanie 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Pompa po zadziałaniu nadal sterowana</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Idź przy kolizyjnym zielonym</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Idź</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Ostrzeżenie: auta czekały ponad 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>dojazd 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>dojazd 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>ramię na aucie</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>szlaban 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>szlaban 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>obie pompy uruchomione naraz</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>auta wg CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>kolizyjne zielone</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>spust</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>nap.</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>obciążenie zablokowane</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>więcej aut niż miejsc</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>brak żółtego</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>z 12 miejsc</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>przepełnienie</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>minięty 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>minięty 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>wypompowany</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>wst.</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>praca na sucho</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>napis 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>błędny napis</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>bilet</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>zadziałał, sterowana</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>czeka ponad 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>idź przy zielonym</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>idź</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>uzwojenia: trójkąt</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>uzwojenia: rozruch bezpośredni</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>uzwojenia: zwarte</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>uzwojenia: gwiazda</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Komentarz nie może zawierać tabulacji ani podziału wiersza.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Komentarz musi być tekstem UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Nazwa nie może być pusta.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Nazwa zawiera tylko litery, cyfry i _ oraz zaczyna się od litery.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Najpierw nadaj adresowi nazwę.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Nie ma takiego adresu.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>To nie jest adres: przekaźnik 0–20000, TIM 0–7 lub CNT 0–7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>wszystkie testy zaliczone</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>edytowane</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nierozpoczęte</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>nie można narysować obrazu</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Strona %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Operand</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>Zad.</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
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
        <translation>odrzucono: pełne od %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>nic nie zarejestrowano</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>cykl %1</translation>
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
        <translation>Brak rejestracji: kliknij Rejestruj, a potem uruchom.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nic nie zarejestrowano.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Rejestracja: następne uruchomienie zostanie zarejestrowane.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Najpierw wpisz sygnał do usunięcia.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>adres przekaźnika (0 do 20000) lub nazwa: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Przenośnik</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Kopiuj link do udostępnienia</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Skopiuj ten link:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debugowanie</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Przykłady</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Rozszerzona lista instrukcji</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Rozszerzona lista instrukcji</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Brama wjazdowa</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Rozrusznik silnika</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Udostępnij link</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Zbiornik i pompy</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Link do tego programu jest w schowku.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>Symulacja została wstrzymana, gdy strona była ukryta.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Skrzyżowanie</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Ukryty test: widać tylko jego wynik</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Sprawdź ponownie</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Sprawdź skryptem: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Sprawdź skryptem</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Sprawdzanie...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Kliknij dwukrotnie niezaliczony test, aby zobaczyć jego przebieg na wykresie czasowym</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Oczekiwano</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Otrzymano</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testy</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>Przebieg wybranego niezaliczonego testu na wykresie czasowym</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Wykres czasowy: %1 niezaliczony</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Wykres czasowy</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niezaliczony</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>zaliczony</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Sprawdź skryptem...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Sprawdź skryptem</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Porównaj z programem...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Udowodnij właściwości...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Nie można odczytać skryptu z linku.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>Zaliczone widoczne testy: %1 z %2</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Powrót do programu startowego.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Zamknij pakiet ćwiczeń</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Zamknij pakiet</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Pobierz jeden plik z Twoją pracą nad wszystkimi ćwiczeniami, do oddania</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Lista ćwiczeń</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ćwiczenia</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Wrócić do programu startowego ćwiczenia „%1”? Twoja praca nad nim zostanie utracona.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Oddaj</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Otwórz pakiet ćwiczeń...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Otwórz pakiet ćwiczeń</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Pakiety są otwierane tylko z witryny tej strony.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Resetuj ćwiczenie</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Uruchom widoczne testy tego ćwiczenia na Twoim programie</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Treść</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Pamięć przeglądarki nie przyjmie już nic więcej: Twoja praca nad tym pakietem może nie zostać zachowana do następnej wizyty. Oddaj ją lub zapisz.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Pakiet z linku nie jest na witrynie tej strony: otwierana jest tylko ścieżka taka jak #pack=packs/week3/.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Nie można pobrać pakietu %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Pakiet jest za duży.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Witryna odpowiedziała %1 dla %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Nie można otworzyć tego pakietu ćwiczeń:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Nie można otworzyć tego pakietu ćwiczeń: jest za duży.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Ten pakiet jest za duży, aby przy następnej wizycie otworzył się sam: otwórz go ponownie z pliku.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Twoja praca zostaje pobrana jako %1: oddaj ten plik.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>wszystkie widoczne testy zaliczone</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>edytowane</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>nierozpoczęte</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: to nie jest słowo (#0000 do #FFFF, &amp;0 do &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Punkt przerwania (kliknij kropkę, aby go usunąć)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Punkt przerwania w linii %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabela DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Tabela DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Wymuś wył.</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Wymuś wł.</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Wymuś słowo</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszone</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Format %1</translation>
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
        <translation>Wł./Gotowe</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Tekst rejestrów</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Wartość słowa rejestru</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Słowa rejestrów</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Rejestry</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Zwolnij słowo</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Wznów</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Krok: instrukcja</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Krok: cykl</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Krok: takt</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Przełącz punkt przerwania</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Tabela obserwacji</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Tabela obserwacji</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Obserwuj:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Obserwuj</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Wartość słowa</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słowo</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Porównaj z programem</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Kontrprzykład (jeden cykl na milisekundę)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Badaj</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Badanie...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Właściwości</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Udowodnij właściwości</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Udowodnij</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Odmowa.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Zapisz skrypt...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Wykres czasowy</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Wpisz właściwości, a potem kliknij Udowodnij.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Kod programu</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Schemat drabinkowy z przepływem prądu</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Szczebel %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Adres...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Kopiuj szczebel</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Kopiuj szczebel zaznaczenia (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Usuń szczebel</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Usuń szczebel zaznaczenia</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Rysuj</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Edytuj adres zaznaczenia (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementy</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Szczebel w dół</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Szczebel w górę</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Przesuń szczebel zaznaczenia w dół</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Przesuń szczebel zaznaczenia w górę</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Wklej szczeble</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Wklej szczeble za szczeblem zaznaczenia (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Ponów (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Szczeble</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Wartość zadana</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Cofnij (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 pilot</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 start</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 krańcówka otwarcia</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 stop</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 taśma</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 podajnik</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 zamknięta</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 wlot</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 przy spychaczu</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotokomórka</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 stop</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 wysoka</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 na końcu</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Auto przyjeżdża lub odjeżdża</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Podane skrzynki: %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Przenośnik</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Brama otwarta w %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Brama wjazdowa</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Silnik zamyka</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Silnik sterowany w OBU kierunkach</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Silnik wyłączony</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Silnik otwiera</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Zatrzymano: uruchom symulację, aby obsługiwać maszynę.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>taśma</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięta</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>pojemnik końcowy: wysokie %1, niskie %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>podajnik</translation>
    </message>
    <message>
        <source>open</source>
        <translation>otwarta</translation>
    </message>
    <message>
        <source>short</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>pojemnik boczny: wysokie %1, niskie %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Adres do nazwania</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Komentarz do %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nazwa %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Tabela nazw</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Nowa wersja Rungbox jest gotowa: otworzy się przy następnym uruchomieniu Rungbox.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>LICZNIK</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Licznik %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>WEJŚCIE</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Wejście %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>WYJŚCIE</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Symulacja</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Uruchom lub zatrzymaj symulację</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Przełącznik %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TIMER</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
</context>
<context>
    <name>page.print</name>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linia</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listing</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nazwa i komentarz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Wydruk programu</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Program nie ma nazw.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Program bez nazwy</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Inna karta Rungbox zachowała swój program na następną wizytę. Program tej karty zostanie zachowany ponownie, gdy go zmienisz.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Przeglądarka nic nie zachowuje dla tej strony: ten program nie zostanie zachowany na następną wizytę. Zapisz go przez Plik &gt; Zapisz jako.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Pamięć przeglądarki jest pełna: ten program nie zostanie zachowany na następną wizytę. Zapisz go przez Plik &gt; Zapisz jako.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Nie można odczytać programu zachowanego podczas wcześniejszej wizyty i nie ma miejsca, aby go odłożyć: ta karta nie zachowa niczego w jego miejsce.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Nie można odczytać programu zachowanego podczas wcześniejszej wizyty. Został odłożony w pamięci przeglądarki jako „%1”; strona zaczyna z pustym programem.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Zamknij wykres czasowy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Pobierz wykres jako obraz PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Pobierz wykres jako obraz SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Pobierz zapis jako plik VCD (value change dump)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Eksportuj wykres czasowy jako PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Eksportuj wykres czasowy jako SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Eksportuj wykres czasowy jako VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Rejestruj sygnały w trakcie symulacji</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rejestruj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Pokaż o połowę krótszy czas w oknie</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Pokaż cały zapis w oknie</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Pokaż ten sygnał</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Pokaż dwa razy dłuższy czas w oknie</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sygnał</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Przestań rejestrować ten sygnał</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Sygnał do dodania lub usunięcia: adres przekaźnika (0 do 20000) lub nazwa: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Takty</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Wartości timerów w taktach zamiast w sekundach</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Wykres czasowy</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Wykres czasowy: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Wykres czasowy</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Przebiegi czasowe</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Przebiegi: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Przebiegi</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sygnał, np. 2000 lub tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Rysuj</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Pokaż narzędzia rysowania</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Zatrzymaj symulację, aby rysować</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Pisz w komórce</translation>
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
        <translation>Ukryty test: widać tylko jego wynik</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Sprawdź skryptem: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Sprawdź skryptem</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Kliknij dwukrotnie niezaliczony test, aby zobaczyć jego przebieg na wykresie czasowym</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Oczekiwano</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Otrzymano</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Skrypt Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Nie można odczytać skryptu %1: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Wykres czasowy: %1 niezaliczony</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niezaliczony</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>zaliczony</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Sprawdź skryptem...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Podane skrzynki: %1, na taśmie: %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>taśma</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>skrzynka zakleszczona na wlocie</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>skrzynka zakleszczona przy spychaczu</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>pojemnik końcowy</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>wysunięty</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>podajnik</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>wsunięty</translation>
    </message>
    <message>
        <source>short</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>pojemnik boczny</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>wysokie %1
niskie %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>wysoka</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>&amp;Tabela DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Debugowanie</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Rejestry</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Wznów</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Tabela &amp;obserwacji</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Rejestry</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Krok: &amp;instrukcja</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Krok: &amp;cykl</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Krok: ta&amp;kt</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>Przełącz p&amp;unkt przerwania</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: to nie jest słowo (#0000 do #FFFF, &amp;0 do &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabela DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># jedna właściwość w linii, dla przekaźników po każdym cyklu</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Udowodnij</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Zapisz skrypt...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Wykres czasowy</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Anulowano.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Porównaj z programem</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Kontrprzykład (jeden cykl na milisekundę)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Gotowe.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Badanie...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Brak właściwości.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Udowodnij właściwości</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Odmowa.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Skrypt Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Program nie może się uruchomić.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Wpisz właściwości, a potem kliknij Udowodnij.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Porównaj z programem...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Udowodnij właściwości...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>LICZNIK</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Licznik %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>WEJŚCIE</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Wejście %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Przełącznik wejścia</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Kod programu</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampka</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Wczytywanie </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>WYJŚCIE</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Wyjście %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Symulacja</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Uruchom lub zatrzymaj symulację (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Uruchom lub zatrzymaj symulację</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Przełącznik %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TIMER</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 otwórz</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 zamknij</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 lampa</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Brama otwarta w %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Silnik zamyka</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Silnik sterowany w OBU kierunkach</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Silnik wyłączony</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Silnik otwiera</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>kliknij:
auto
przyjeżdża</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>zamknięta</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>brama zamknięta na auto</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>silnik na krańcówce</translation>
    </message>
    <message>
        <source>open</source>
        <translation>otwarta</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Adres...	Enter</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Kopiuj szczebel	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Usuń szczebel</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Rysuj</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Szczebel w dół</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Szczebel w górę</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Wklej szczeble	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adres</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Schemat drabinkowy</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>&amp;Eksportuj schemat...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Eksportuj schemat</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Nie można zapisać schematu do %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schemat drabinkowy</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Język systemu</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>Język zmieni się przy następnym uruchomieniu Rungbox.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Przenośnik </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>Brama &amp;wjazdowa</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Moduł</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Rozrusznik silnika</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Zbiornik i pompy</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;brak</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>P&amp;arking</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>&amp;Skrzyżowanie</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Wczytaj</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowy</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Kod programu PLC</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Start lub stop</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Zapisz &amp;jako</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Błędy</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Zatrzymano: uruchom symulację, aby obsługiwać maszynę.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nazwy</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentarz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nazwy</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nazwa %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>&amp;Rozszerzona lista instrukcji</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Rozszerzona lista instrukcji</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (widoczne testy)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>Odd&amp;aj...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Sprawdź</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>P&amp;akiet ćwiczeń</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Pakiet ćwiczeń</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ćwiczenie</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Wrócić do programu startowego ćwiczenia %1?<byte value="xd"/>
Twoja praca nad tym ćwiczeniem zostanie utracona.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Oddaj...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>&amp;Otwórz pakiet ćwiczeń...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Resetuj ćwiczenie</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Nie można zapisać wyniku sprawdzenia:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Nie można otworzyć pakietu ćwiczeń %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Nie można zapisać pracy do oddania:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Nie można przywrócić programu startowego ćwiczenia %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Nie można zachować pracy nad %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(brak pliku)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Eksportuj &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>Nie można zapisać pliku PDF:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Wymuś słowo</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszone</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Słowo</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Wykres czasowy</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Eksportuj wykres jako &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Eksportuj wykres jako &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Dopasuj</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Rejestruj sygnały w trakcie symulacji</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rejestruj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Wykres czasowy Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Pokaż o połowę krótszy czas w oknie</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Pokaż cały zapis w oknie</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Pokaż dwa razy dłuższy czas w oknie</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Sygnał do dodania lub usunięcia: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Takty</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Wartości timerów w taktach zamiast w sekundach</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Wykres czasowy</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Przebiegi czasowe</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Value change dump (VCD)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Powiększ</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Pomniejsz</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sygnał, np. 2000 lub tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: to nie jest słowo (#0000 do #FFFF, &amp;0 do &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Wymuś wył.</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Wymuś wł.</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Wymuś słowo</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszone</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Sposób wyświetlania wybranego słowa: szesnastkowo, BCD lub dziesiętnie</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Wł./Gotowe</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Obserwuj:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Obserwuj</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
</context>
</TS>
