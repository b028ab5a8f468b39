<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Simulatore di PLC in linguaggio ladder</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 marcia</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 arresto</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 nastro</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentatore</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 spintore</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 ingresso</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 allo spintore</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 esteso</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 retratto</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 a fine nastro</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Codice ladder del PLC</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 appartiene al set di istruzioni esteso: attiva Set di istruzioni esteso nel menu Opzioni.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 di %2 punti</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: non è un file di programma Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>Intervallo INDIRIZZO</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>INDIRIZZO di sola lettura</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Indirizzo non scrivibile alla riga %1.<byte value="xd"/>
I relè speciali (da 253.00 a 255.15), i timer e i contatori sono di sola lettura</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Indirizzo fuori intervallo alla riga %1.<byte value="xd"/>
Indirizzi validi: da 0.00 a 255.15, da W0.00 a W99.15, da HR0.00 a HR19.15, da AR0.00 a AR15.15, da TR0 a TR7, da TIM 0 a TIM 127, da CNT 0 a CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>Intervallo CONTATORE</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>Valore impostato CONTATORE</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Contatore fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Contatore fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Valore impostato del contatore troppo alto alla riga %1.<byte value="xd"/>
Intervallo valido: da #0 a #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Errore alla riga %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Set di istruzioni esteso</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Versione di Rungbox incompatibile</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>File Rungbox non valido</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME senza il suo JMP alla riga %1.<byte value="xd"/>
Chiudi ogni JMP N con JME N, prima i salti interni</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP senza un JME dopo di esso alla riga %1.<byte value="xd"/>
Chiudi ogni JMP N con JME N, prima i salti interni</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>Coppie di SALTO</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>Coppie di SALTO</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>Intervallo SALTO</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Numero di salto fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>La riga %1 contiene un timer TIMH: il confronto e la dimostrazione fanno avanzare i timer in decimi di secondo, non in centesimi, quindi non possono esplorare esattamente questo programma.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>La riga %1 è scritta per il set di istruzioni esteso: attiva Set di istruzioni esteso nel menu Opzioni.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>La riga %1 legge l&apos;impulso di clock %2: il confronto e la dimostrazione avanzano per cicli e tick dei timer, non per millisecondi del clock, quindi non possono esplorare esattamente questo programma.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>La riga %1 usa parole di dati: il confronto e la dimostrazione esplorano solo programmi a bit, quindi non possono esplorare esattamente questo programma.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>La riga %1 usa il set di istruzioni esteso; il programma resta esteso.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>END non trovato. Errore all&apos;avvio della SIMULAZIONE ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>Riga OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>Intervallo OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERANDO di sola lettura</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Operando non scrivibile alla riga %1.<byte value="xd"/>
Le costanti, i canali da 253 a 255, da DM6144 a DM6599 e i valori correnti sono di sola lettura</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operando fuori intervallo alla riga %1.<byte value="xd"/>
Operandi validi: canali da 0 a 255, da W0 a W99, da HR0 a HR19, da AR0 a AR15, da DM0000 a DM1023, da DM6144 a DM6599, da TIM 0 a TIM 127, da CNT 0 a CNT 127, da #0000 a #FFFF, da &amp;0 a &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Codice ladder del PLC</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>Intervallo RELÈ</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relè fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>Intervallo VALORE IMPOSTATO</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>Intervallo SCORRIMENTO</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Valore impostato fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da #0000 a #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Registro a scorrimento fuori intervallo alla riga %1.<byte value="xd"/>
LOCATION e ### devono indicare bit di una stessa area</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>Intervallo TIMER</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>Valore impostato TIMER</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>Numero TIMER/CONTATORE</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Il file termina alla riga END: il testo delle righe dopo END non è stato salvato.<byte value="xd"/>
Spostalo sopra END per mantenerlo nel file.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Il codice ladder è stato modificato.<byte value="xd"/>
Vuoi salvare il codice ladder?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Impossibile leggere i nomi in %1: (%2) %3<byte value="xd"/>
Il salvataggio del programma lascia quel file invariato.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>I nomi non sono stati salvati: %1 non è stato letto per intero al caricamento del programma, e il salvataggio lo lascia invariato.<byte value="xd"/>
Salva il programma con un altro nome per mantenere i nomi accanto a esso.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Il programma non ha una riga END: non può avviarsi.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Lo script non ha test ed è stato eseguito fino alla fine.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Lo script non ha test e si è fermato: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Lo script è stato rifiutato: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Non c&apos;è spazio per le righe incollate: spingerebbero il programma oltre la riga 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Queste righe di %1 sono state saltate; il salvataggio del programma lascia quel file invariato:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Terzo operando mancante sotto la riga %1.<byte value="xd"/>
ADD e SUB prendono la parola del risultato nella riga successiva, con la cella del codice vuota</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Timer e contatore condividono un numero alla riga %1.<byte value="xd"/>
Un numero è di un timer o di un contatore, non di entrambi</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Timer fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Timer fuori intervallo alla riga %1.<byte value="xd"/>
Intervallo valido: da 0 a 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Valore impostato del timer troppo alto alla riga %1.<byte value="xd"/>
Intervallo valido: da #0 a #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Nessuna proprietà.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Il programma non può avviarsi.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Pacchetto di esercizi</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>File PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Consegna Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Immagine SVG o PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 telecomando</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 finecorsa aperto</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 chiuso</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocellula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 arresto</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>CODICE</translation>
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
        <translation>Un indirizzo è un numero, TIM o CNT seguito da un numero, oppure un nome.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Contatto in parallelo alla selezione (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Contatto in serie dopo la selezione (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Blocco contatore: un nuovo ramo con conteggio e reset (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Bobina DIFD: attiva per un ciclo quando la sua condizione si disattiva (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Bobina DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Elimina la selezione (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END non ha indirizzo</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END resta in fondo</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END resta: un programma termina con esso</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Blocco timer veloce, valore impostato in centesimi (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Interblocco: un ramo IL e il suo ILC dopo questo ramo (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Salto: un ramo JMP e il suo JME dopo questo ramo (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Blocco KEEP: un nuovo ramo con set e reset (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT su un contatto, OUT in OUT NOT e viceversa (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Nuovo ramo dopo questo: un contatto e una bobina OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Bobina OUT, in parallelo alle uscite del ramo (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallelo</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Bobina RSET: disattiva il suo bit (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Blocco contatore reversibile: un nuovo ramo con incremento, decremento e reset (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Ramo</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Bobina SET: attiva il suo bit (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Blocco registro a scorrimento: un nuovo ramo con dati, clock e reset (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Blocco timer (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>un blocco KEEP richiede due ingressi: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>una diramazione che non alimenta alcuna uscita (un ponte tra diramazioni)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>un ponte tra diramazioni: un contatto in parallelo a un&apos;uscita</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>una bobina ha un solo ingresso</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>un contatto dopo un&apos;uscita sulla stessa diramazione</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>un contatto legge un relè, un timer o un contatore</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>un contatore richiede due ingressi: conteggio, reset</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>un contatore o un registro a scorrimento deve essere la prima uscita dopo la condizione del suo ramo</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>un contatore reversibile richiede tre ingressi: incremento, decremento, reset</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>un ramo richiede un contatto prima delle sue uscite</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>un ramo senza uscita</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>un registro a scorrimento richiede tre ingressi: dati, clock, reset</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>un relè speciale non può essere scritto</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>indirizzo fuori intervallo</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>l&apos;indirizzo di un&apos;uscita è un relè</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>numero di salto fuori intervallo (da 0 a 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>spazio esaurito: il programma supererebbe la riga 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>nessun ramo con cui scambiare</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>non è un&apos;uscita</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nessuna selezione</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>solo un contatto o una bobina OUT ha una forma NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>solo un timer, un contatore o un registro a scorrimento ha un valore impostato</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>solo i contatti vanno in parallelo</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>solo i programmi estesi hanno questa istruzione o questo indirizzo</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>solo i programmi estesi hanno questa istruzione</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>solo l&apos;ultima diramazione dopo le uscite può proseguire con contatti</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operando fuori intervallo</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>fine registro fuori intervallo (da 0 a 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>relè fuori intervallo (da 0 a 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>seleziona un contatto o un&apos;uscita</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>seleziona un contatto</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>seleziona una sequenza di elementi in serie</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>valore impostato fuori intervallo (da #0 a #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>valore impostato fuori intervallo (da #0 a #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>valore impostato fuori intervallo (da #0000 a #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>gli appunti non contengono righe di codice</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>gli appunti non contengono rami che il diagramma possa disegnare</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(nessun END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 arrivo ingresso</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 pulsante avanti</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 pulsante</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 pulsante pedonale</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 auto nord</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 pulsante indietro</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 pulsante biglietto</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 avanti</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 N-S rosso</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 alza ingresso</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 marcia</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 indietro</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 N-S giallo</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 alza uscita</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 marcia</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 insegna COMPLETO</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 stella</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 N-S verde</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 valvola di scarico</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 E-O rosso</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 triangolo</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 allarme</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 E-O giallo</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 spia marcia</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 E-O verde</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 spia sovraccarico</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 pedoni verde</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 pedoni rosso</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 posti, auto in ingresso da sinistra, in uscita a destra</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 auto sud</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 ingresso superato</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 arresto (NC: on = non premuto)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 auto est</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 arrivo uscita</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 sovraccarico OK (NC: on = regolare)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 auto ovest</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 uscita superata</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 motore in rotazione</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 in marcia</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 ingresso su</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 scattata</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 ingresso giù</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 in marcia</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 uscita su</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 scattata</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 conferma</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 uscita giù</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → ingresso 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Sbarra abbassata su un&apos;auto</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Entrambe le pompe avviate entro 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Scatola caricata su un&apos;altra scatola</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Scatola bloccata allo spintore</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parcheggio</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Auto entra</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Auto esce</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Auto all&apos;interno (reali)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Verdi in conflitto</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Nastro trasportatore</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>E-O</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Ingresso →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Uscita →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 SCATTATO</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 sovraccarico</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Insegna COMPLETO errata per oltre 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>COMPLETO</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Guasti</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Cancello chiuso sull&apos;auto</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Da verde a rosso senza giallo</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cancello</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Ingressi</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 avanti  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 indietro  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 stella  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 triangolo  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Più auto all&apos;interno che posti</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Avviatore motore</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motore contro un finecorsa chiuso per oltre 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motore comandato in entrambi i sensi</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Uscite</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Sovraccarico</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Pedoni: arrivano a caso</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Pedoni: solo al clic su Pedoni</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Pedoni</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Programma (CNT 0)</translation>
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
        <translation>Pompa a secco sotto il livello minimo-minimo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Invertito durante la rotazione</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>In marcia dopo lo scatto</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Ancora in marcia dopo lo scatto per sovraccarico</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In marcia</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Cortocircuito K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Cortocircuito: K1 e K2 chiusi insieme</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Stallo</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Stella e triangolo chiusi insieme</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Stella e triangolo chiusi</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Fermo: avvia l&apos;esecuzione per far funzionare la macchina.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Serbatoio e pompe</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Serbatoio traboccato</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Biglietto</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Incrocio semaforico</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Scatto 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Scatto 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Pompa scattata lasciata comandata</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Verde pedonale con un verde in conflitto</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Pedoni</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Attenzione: auto in attesa da oltre 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>arrivo 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>arrivo 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>sbarra su un&apos;auto</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>sbarra 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>sbarra 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>entrambe le pompe avviate insieme</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>auto secondo il conteggio di CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>verdi in conflitto</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>scarico</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>av</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>carico bloccato</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>più auto che posti</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>senza giallo</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>su 12 posti</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>troppo pieno</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>superato 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>superato 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>pompato</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>ind</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>funzionamento a secco</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>insegna 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>insegna errata</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>biglietto</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>scattata, comandata</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>attesa oltre 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>verde pedonale su un verde</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>pedoni</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>avvolgimenti: triangolo</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>avvolgimenti: diretto</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>avvolgimenti: in cortocircuito</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>avvolgimenti: stella</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Un commento non contiene tabulazioni né a capo.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Un commento deve essere testo UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nome non può essere vuoto.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Un nome contiene solo lettere, cifre e _, e inizia con una lettera.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Prima dai un nome all&apos;indirizzo.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Indirizzo inesistente.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Non è un indirizzo: un relè da 0 a 20000, TIM da 0 a 7 o CNT da 0 a 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>tutti i test superati</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non iniziato</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>impossibile disegnare l&apos;immagine</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Pagina %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schema a contatti</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Operando</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>Val. imp.</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
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
        <translation>troncato: completo da %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>nessuna registrazione</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>ciclo %1</translation>
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
        <translation>Registrazione non attiva: premi Registra, poi esegui.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nessuna registrazione.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Registrazione: la prossima esecuzione viene registrata.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Scrivi prima il segnale da rimuovere.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>un indirizzo di relè (da 0 a 20000) o un nome: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parcheggio</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Nastro trasportatore</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Copia link di condivisione</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copia questo link:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Esempi</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Set di istruzioni esteso</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Set di istruzioni esteso</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cancello</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schema a contatti</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra dei menu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Avviatore motore</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link di condivisione</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Serbatoio e pompe</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Il link a questo programma è negli appunti.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>L&apos;esecuzione è stata messa in pausa mentre la pagina era nascosta.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Incrocio semaforico</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Test nascosto: si vede solo il risultato</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Verifica di nuovo</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Verifica con script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verifica con script</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Fai doppio clic su un test fallito per vederne l&apos;esecuzione nel diagramma temporale</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Atteso</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Ottenuto</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>L&apos;esecuzione del test fallito scelto in un diagramma temporale</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagramma temporale: %1 fallito</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagramma temporale</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Verifica con script...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verifica con script</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Confronta con programma...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Dimostra proprietà...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Impossibile leggere lo script del link.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 di %2 test visibili superati</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Torna al programma iniziale.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Chiudi pacchetto di esercizi</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Chiudi pacchetto</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Scarica un unico file con il tuo lavoro su tutti gli esercizi, da consegnare</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Elenco esercizi</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Esercizi</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Tornare al programma iniziale di &quot;%1&quot;? Il lavoro svolto andrà perso.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Consegna</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Apri pacchetto di esercizi...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Apri pacchetto di esercizi</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>I pacchetti si aprono solo dal sito di questa pagina.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reimposta esercizio</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Esegui i test visibili di questo esercizio sul tuo programma</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>La memoria del browser non conserva altro: il tuo lavoro su questo pacchetto potrebbe non essere conservato per la prossima visita. Consegnalo o salvalo.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Il pacchetto del link non è sul sito di questa pagina: si apre solo un percorso come #pack=packs/week3/.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Impossibile scaricare il pacchetto %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Il pacchetto è troppo grande.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Il sito ha risposto %1 per %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Impossibile aprire questo pacchetto di esercizi:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Impossibile aprire questo pacchetto di esercizi: è troppo grande.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Questo pacchetto è troppo grande per riaprirsi da solo alla prossima visita: riaprilo dal suo file.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Il tuo lavoro è scaricato come %1: consegna quel file.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>tutti i test visibili superati</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modificato</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non iniziato</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: non è una parola (da #0000 a #FFFF, da &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Punto di interruzione (fai clic sul punto per rimuoverlo)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Punto di interruzione alla riga %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabella DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Tabella DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forza a 0</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forza a 1</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forza parola</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzato</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Formato di %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>On/Finito</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Testo dei registri</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Valore della parola di registro</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Parole di registro</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registri</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Rilascia parola</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascia</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Riprendi</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Val. imp.</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Passo: istruzione</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Passo: ciclo</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Passo: tick</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Attiva/disattiva punto di interruzione</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Tabella di osservazione</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Tabella di osservazione</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Osserva:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Osserva</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Valore della parola</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Confronta con programma</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Controesempio (un ciclo per millisecondo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Esplora</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Esplorazione...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Proprietà</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Dimostra proprietà</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Dimostra</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Rifiutato.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Salva script...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagramma temporale</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Scrivi le proprietà, poi Dimostra.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Codice ladder</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schema a contatti</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Schema a contatti con flusso di corrente</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schema a contatti</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Ramo %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Indirizzo...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Copia ramo</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Copia il ramo della selezione (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Elimina ramo</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Elimina il ramo della selezione</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Modifica l&apos;indirizzo della selezione (Invio)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Sposta ramo giù</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Sposta ramo su</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Sposta giù il ramo della selezione</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Sposta su il ramo della selezione</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Incolla rami</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Incolla i rami dopo il ramo della selezione (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Ripeti (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Rami</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Valore impostato</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annulla (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 telecomando</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 marcia</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 finecorsa aperto</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 arresto</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 nastro</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentatore</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 chiuso</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 ingresso</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 allo spintore</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocellula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 arresto</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 a fine nastro</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Un&apos;auto arriva o riparte</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Scatole caricate %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Nastro trasportatore</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Guasti</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Cancello aperto al %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cancello</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motore in chiusura</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motore comandato in ENTRAMBI i sensi</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motore fermo</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motore in apertura</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marcia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Fermo: avvia l&apos;esecuzione per far funzionare la macchina.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>nastro</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiuso</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>contenitore finale: alte %1, basse %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentatore</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aperto</translation>
    </message>
    <message>
        <source>short</source>
        <translation>bassa</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>contenitore laterale: alte %1, basse %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Indirizzo da nominare</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Commento di %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nome di %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Tabella dei nomi</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>È pronta una nuova versione di Rungbox: si aprirà al prossimo avvio di Rungbox.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>CONTATORE</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contatore %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INGRESSO</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Ingresso %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>USCITA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulazione</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Avvia o arresta la simulazione</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interruttore %1</translation>
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
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schema a contatti</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Riga</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listato</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nome e commento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Programma stampato</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Il programma non ha nomi.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Programma senza titolo</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Un&apos;altra scheda di Rungbox ha conservato il suo programma per la prossima visita. Il programma di questa scheda verrà conservato di nuovo quando lo modifichi.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Il browser non conserva nulla per questa pagina: questo programma non verrà conservato per la prossima visita. Salvalo con File &gt; Salva con nome.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>La memoria del browser è piena: questo programma non verrà conservato per la prossima visita. Salvalo con File &gt; Salva con nome.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Il programma conservato da una visita precedente non è leggibile e non c&apos;è spazio per metterlo da parte: questa scheda non conserva nulla al suo posto.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Il programma conservato da una visita precedente non è leggibile. È messo da parte nella memoria del browser come &quot;%1&quot;; questa pagina parte con un programma vuoto.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Chiudi il diagramma temporale</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Scarica il diagramma come immagine PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Scarica il diagramma come immagine SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Scarica la registrazione come file VCD (value change dump)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Esporta diagramma temporale come PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Esporta diagramma temporale come SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Esporta diagramma temporale come VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Registra i segnali durante l&apos;esecuzione</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostra metà del tempo sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostra tutta la registrazione sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Mostra questo segnale</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostra il doppio del tempo sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Smetti di registrare questo segnale</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Il segnale da aggiungere o rimuovere: un indirizzo di relè (da 0 a 20000) o un nome: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valori dei timer in tick invece che in secondi</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagramma temporale</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Diagramma temporale: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Diagramma temporale</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Diagr. temporale</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Forme d&apos;onda: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Forme d&apos;onda</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avanti</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom indietro</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>segnale, es. 2000 o tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Mostra gli strumenti di disegno</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Arresta l&apos;esecuzione per disegnare</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Scrivi nella cella</translation>
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
        <translation>Test nascosto: si vede solo il risultato</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Verifica con script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verifica con script</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Fai doppio clic su un test fallito per vederne l&apos;esecuzione nel diagramma temporale</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Atteso</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Ottenuto</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Impossibile leggere lo script %1: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagramma temporale: %1 fallito</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallito</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superato</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Verifica con script...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Scatole caricate %1, sul nastro %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marcia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>nastro</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>scatola bloccata all&apos;ingresso</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>scatola bloccata allo spintore</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>contenitore finale</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>esteso</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentatore</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>retratto</translation>
    </message>
    <message>
        <source>short</source>
        <translation>bassa</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>contenitore laterale</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>alte %1
basse %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>alta</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>Tabella &amp;DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Debug</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>Re&amp;gistri</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Tabella di &amp;osservazione</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registri</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Passo: &amp;istruzione</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Passo: &amp;ciclo</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Passo: &amp;tick</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>&amp;Attiva/disattiva punto di interruzione</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: non è una parola (da #0000 a #FFFF, da &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabella DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># una proprietà per riga, sui relè dopo ogni ciclo</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Dimostra</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Salva script...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagramma &amp;temporale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Confronta con programma</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Controesempio (un ciclo per millisecondo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Fatto.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Esplorazione...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Nessuna proprietà.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Dimostra proprietà</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Rifiutato.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Il programma non può avviarsi.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Scrivi le proprietà, poi Dimostra.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Confronta con programma...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Dimostra proprietà...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>CONTATORE</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contatore %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INGRESSO</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Ingresso %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Interruttore d&apos;ingresso</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Codice ladder</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Spia</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Caricamento </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>USCITA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Uscita %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulazione</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Avvia o arresta la simulazione (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Avvia o arresta la simulazione</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interruttore %1</translation>
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
        <translation>1000 apri</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 chiudi</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 luce</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Cancello aperto al %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motore in chiusura</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motore comandato in ENTRAMBI i sensi</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motore fermo</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motore in apertura</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Telecomando</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arresto</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>clic:
un&apos;auto
arriva</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>chiuso</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>cancello chiuso sull&apos;auto</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>motore contro un finecorsa</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aperto</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Indirizzo...	Invio</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Copia ramo	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Elimina ramo</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Sposta ramo giù</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Sposta ramo su</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Incolla rami	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>indirizzo</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Schema a contatti</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>Esporta sc&amp;hema...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Esporta schema</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Impossibile scrivere lo schema in %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schema a contatti</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>La lingua cambierà al prossimo avvio di Rungbox.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>Nastro &amp;trasportatore </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Cancello</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modulo</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Avviatore motore</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>Serbatoio e &amp;pompe</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>n&amp;essuna</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>Parc&amp;heggio</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>&amp;Incrocio semaforico</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carica</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Codice ladder del PLC</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Avvia o arresta</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salva con no&amp;me</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Guasti</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Fermo: avvia l&apos;esecuzione per far funzionare la macchina.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nomi</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commento</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomi</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nome %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>Set di istruzioni &amp;esteso</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Set di istruzioni esteso</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (test visibili)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>C&amp;onsegna...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>&amp;Pacchetto esercizi</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Pacchetto di esercizi</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Esercizio</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Tornare al programma iniziale di %1?<byte value="xd"/>
Il lavoro svolto su questo esercizio andrà perso.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Consegna...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>&amp;Apri pacchetto di esercizi...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reimposta esercizio</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Impossibile registrare la verifica:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Impossibile aprire il pacchetto di esercizi %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Impossibile salvare la consegna:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Impossibile ripristinare il programma iniziale di %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Impossibile conservare il lavoro su %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>Stam&amp;pa...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(nessun file)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Esporta P&amp;DF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>Impossibile salvare il PDF:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Forza parola</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzato</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascia</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Diagramma temporale</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Esporta diagramma temporale come &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Esporta diagramma temporale come &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Adatta</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Registra i segnali durante l&apos;esecuzione</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registra</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Diagramma temporale Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostra metà del tempo sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostra tutta la registrazione sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostra il doppio del tempo sulla larghezza della finestra</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Il segnale da aggiungere o rimuovere: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valori dei timer in tick invece che in secondi</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagramma temporale</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Diagr. temporale</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>File VCD (value change dump)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avanti</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom indietro</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>segnale, es. 2000 o tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: non è una parola (da #0000 a #FFFF, da &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forza a 0</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forza a 1</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forza parola</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzato</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Come appare la parola selezionata: esadecimale, BCD o decimale</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>On/Finito</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Rilascia</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Val. imp.</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valore</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Osserva:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Osserva</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
</context>
</TS>
