<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Simulador de PLC con lógica ladder</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 marcha</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 paro</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 cinta</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentador</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 empujador</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrada</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 en empujador</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 extendido</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 retraído</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 al final</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Código ladder del PLC</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 pertenece al juego de instrucciones ampliado: active Juego de instrucciones ampliado en el menú Opciones.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 de %2 puntos</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: no es un archivo de programa de Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>Rango de DIRECCIÓN</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>DIRECCIÓN de solo lectura</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>No se puede escribir en la dirección en la línea %1.<byte value="xd"/>
Los relés especiales (253.00 a 255.15), los temporizadores y los contadores son de solo lectura</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Dirección fuera de rango en la línea %1.<byte value="xd"/>
Direcciones válidas: 0.00 a 255.15, W0.00 a W99.15, HR0.00 a HR19.15, AR0.00 a AR15.15, TR0 a TR7, TIM 0 a TIM 127, CNT 0 a CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>Rango de CONTADOR</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>Valor de consigna del CONTADOR</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Contador fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Contador fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>El valor de consigna del contador es demasiado alto en la línea %1.<byte value="xd"/>
Rango válido: #0 a #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Error en la línea %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Juego de instrucciones ampliado</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Versión de Rungbox incompatible</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Archivo de Rungbox no válido</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME sin su JMP en la línea %1.<byte value="xd"/>
Cierre cada JMP N con JME N, primero los saltos internos</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP sin un JME después en la línea %1.<byte value="xd"/>
Cierre cada JMP N con JME N, primero los saltos internos</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>Pares de SALTO</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>Pares de SALTO</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>Rango de SALTO</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Número de salto fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>La línea %1 tiene un temporizador TIMH: Comparar y Demostrar avanzan los temporizadores en décimas de segundo, no en centésimas, así que no pueden explorar este programa con exactitud.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>La línea %1 está escrita para el juego de instrucciones ampliado: active Juego de instrucciones ampliado en el menú Opciones.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>La línea %1 lee el pulso de reloj %2: Comparar y Demostrar avanzan por ciclos y tics de temporizador, no por los milisegundos del reloj, así que no pueden explorar este programa con exactitud.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>La línea %1 usa palabras de datos: Comparar y Demostrar solo exploran programas de bits, así que no pueden explorar este programa con exactitud.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>La línea %1 usa el juego de instrucciones ampliado; el programa sigue siendo ampliado.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>No se encontró END. Error al iniciar la SIMULACIÓN ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>Línea de OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>Rango de OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERANDO de solo lectura</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>No se puede escribir en el operando en la línea %1.<byte value="xd"/>
Las constantes, los canales 253 a 255, DM6144 a DM6599 y los valores actuales son de solo lectura</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operando fuera de rango en la línea %1.<byte value="xd"/>
Operandos válidos: canales 0 a 255, W0 a W99, HR0 a HR19, AR0 a AR15, DM0000 a DM1023, DM6144 a DM6599, TIM 0 a TIM 127, CNT 0 a CNT 127, #0000 a #FFFF, &amp;0 a &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Código ladder del PLC</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>Rango de RELÉ</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relé fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>Rango de VALOR DE CONSIGNA</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>Rango de DESPLAZAMIENTO</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Valor de consigna fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: #0000 a #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Registro de desplazamiento fuera de rango en la línea %1.<byte value="xd"/>
LOCATION y ### deben designar bits de una misma área</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>Rango de TEMPORIZADOR</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>Valor de consigna del TEMPORIZADOR</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>Número de TEMPORIZADOR/CONTADOR</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>El archivo termina en la línea END: el texto de las líneas posteriores a END no se guardó.<byte value="xd"/>
Muévalo por encima de END para conservarlo en el archivo.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>El código ladder ha cambiado.<byte value="xd"/>
¿Desea guardar el código ladder?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>No se pudieron leer los nombres de %1: (%2) %3<byte value="xd"/>
Al guardar el programa, ese archivo queda tal como está.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Los nombres no se guardaron: %1 no se leyó completo al cargar el programa, y al guardar se deja tal como está.<byte value="xd"/>
Guarde el programa con otro nombre para conservar los nombres junto a él.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>El programa no tiene línea END: no puede iniciarse.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>El script no tiene pruebas y se ejecutó hasta el final.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>El script no tiene pruebas y se detuvo: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>El script fue rechazado: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>No hay espacio para las líneas pegadas: llevarían el programa más allá de la línea 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Se omitieron estas líneas de %1; al guardar el programa ese archivo queda tal como está:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Falta el tercer operando debajo de la línea %1.<byte value="xd"/>
ADD y SUB toman su palabra de resultado en la línea siguiente, con la celda de código vacía</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Un temporizador y un contador comparten número en la línea %1.<byte value="xd"/>
Un número es de un temporizador o de un contador, no de ambos</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Temporizador fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Temporizador fuera de rango en la línea %1.<byte value="xd"/>
Rango válido: 0 a 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>El valor de consigna del temporizador es demasiado alto en la línea %1.<byte value="xd"/>
Rango válido: #0 a #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Ninguna propiedad.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>El programa no puede iniciarse.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Paquete de ejercicios</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Archivo PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Entrega de Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Imagen SVG o PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 mando a distancia</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 final de apertura</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 cerrado</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocélula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 paro</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>CÓDIGO</translation>
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
        <translation>Una dirección es un número, TIM o CNT y un número, o un nombre.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Contacto en paralelo con la selección (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Contacto en serie tras la selección (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Bloque contador: un renglón nuevo con conteo y reset (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Bobina DIFD: activa un ciclo cuando su condición cae (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Bobina DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Eliminar la selección (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END no tiene dirección</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END queda al final</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END se queda: un programa termina con él</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Bloque temporizador de alta velocidad, valor de consigna en centésimas (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Enclavamiento: un renglón IL y su ILC tras este renglón (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Salto: un renglón JMP y su JME tras este renglón (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Bloque KEEP: un renglón nuevo con set y reset (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT en un contacto, OUT a OUT NOT y viceversa (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Renglón nuevo tras este: un contacto y una bobina OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Bobina OUT, en paralelo con las salidas del renglón (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralelo</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Bobina RSET: desactiva su bit (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Bloque contador reversible: un renglón nuevo con incremento, decremento y reset (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Renglón</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Bobina SET: activa su bit (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Bloque registro de desplazamiento: un renglón nuevo con datos, reloj y reset (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Bloque temporizador (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>un bloque KEEP necesita dos entradas: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>una rama que no alimenta ninguna salida (un puente entre ramas)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>un puente entre ramas: un contacto en paralelo con una salida</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>una bobina tiene una entrada</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>un contacto tras una salida en la misma rama</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>un contacto lee un relé, un temporizador o un contador</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>un contador necesita dos entradas: conteo, reset</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>un contador o registro de desplazamiento debe ser la primera salida tras la condición de su renglón</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>un contador reversible necesita tres entradas: incremento, decremento, reset</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>un renglón necesita un contacto antes de sus salidas</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>un renglón sin salida</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>un registro de desplazamiento necesita tres entradas: datos, reloj, reset</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>un relé especial no se puede escribir</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>dirección fuera de rango</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>la dirección de una salida es un relé</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>número de salto fuera de rango (0 a 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>no hay espacio: el programa pasaría de la línea 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>no hay renglón con el que intercambiar</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>no es una salida</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nada seleccionado</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>solo un contacto o una bobina OUT tiene forma NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>solo un temporizador, un contador o un registro de desplazamiento tiene valor de consigna</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>solo los contactos van en paralelo</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>solo los programas ampliados tienen esta instrucción o dirección</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>solo los programas ampliados tienen esta instrucción</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>solo la última rama tras las salidas puede seguir a través de contactos</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operando fuera de rango</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>fin de registro fuera de rango (0 a 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>relé fuera de rango (0 a 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>seleccione un contacto o una salida</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>seleccione un contacto</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>seleccione una secuencia de elementos en serie</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>valor de consigna fuera de rango (#0 a #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>valor de consigna fuera de rango (#0 a #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>valor de consigna fuera de rango (#0000 a #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>el portapapeles no contiene líneas de código</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>el portapapeles no contiene renglones que el diagrama pueda dibujar</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(sin END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 llegada a entrada</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 pulsador adelante</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 pulsador</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 pulsador peatones</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 coche norte</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 pulsador atrás</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 pulsador de tique</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 adelante</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 N-S rojo</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 subir entrada</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 marcha</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 atrás</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 N-S ámbar</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 subir salida</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 marcha</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 letrero COMPLETO</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 estrella</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 N-S verde</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 válvula de vaciado</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 E-O rojo</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 triángulo</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarma</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 E-O ámbar</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 piloto en marcha</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 E-O verde</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 piloto sobrecarga</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 cruzar</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 no cruzar</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 plazas, los coches entran por la izquierda y salen por la derecha</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 coche sur</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 entrada pasada</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 paro (NC: on = no pulsado)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 coche este</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 llegada a salida</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 sobrecarga OK (NC: on = correcto)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 coche oeste</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 salida pasada</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 motor girando</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 en marcha</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 entrada arriba</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 disparado</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 entrada abajo</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 en marcha</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 salida arriba</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 disparado</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 reconocer</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 salida abajo</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → entrada 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Reconocer</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Barrera bajada sobre un coche</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Ambas bombas arrancadas en menos de 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Caja alimentada sobre otra caja</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Caja atascada en el empujador</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Aparcamiento</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Entra coche</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Sale coche</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Coches dentro (real)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Verdes en conflicto</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Cinta transportadora</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>E-O</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Entrada →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Salida →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 DISPARADO</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 sobrecarga</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Letrero COMPLETO erróneo más de 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>COMPLETO</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Portón cerrado sobre el coche</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>De verde a rojo sin ámbar</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portón de casa</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 adelante  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 atrás  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 estrella  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 triángulo  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Más coches dentro que plazas</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Arrancador de motor</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motor contra un final cerrado más de 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motor accionado en ambos sentidos</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Sobrecarga</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Peatones: llegan al azar</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Peatones: solo al pulsar Cruzar</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Peatones</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Programa (CNT 0)</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>Bomba 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>Bomba 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>Bomba en seco por debajo del mínimo-mínimo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rearme</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Invertido mientras giraba</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>En marcha tras disparo</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Sigue en marcha tras un disparo por sobrecarga</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Cortocircuito K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Cortocircuito: K1 y K2 cerrados a la vez</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Estrella y triángulo cerrados a la vez</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Estrella y triángulo cerrados</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Paro</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Detenido: inicie la ejecución para manejar la máquina.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Depósito y bombas</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Desbordamiento del depósito</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Tique</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Cruce con semáforos</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Disparo 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Disparo 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Bomba disparada aún activada</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Cruzar con un verde en conflicto</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Cruzar</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Aviso: los coches esperaron más de 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>llegada 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>llegada 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>barrera sobre un coche</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>barrera 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>barrera 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>ambas bombas arrancadas a la vez</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>coches según cuenta CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>verdes en conflicto</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>vaciado</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>adel.</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>carga atascada</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>más coches que plazas</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>sin ámbar</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>de 12 plazas</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>desbordamiento</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>pasado 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>pasado 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>bombeado</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>atrás</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>en seco</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>letrero 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>letrero erróneo</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>tique</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>disparada, activada</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>espera de más de 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>cruzar con verde</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>cruzar</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>devanados: triángulo</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>devanados: arranque directo</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>devanados: cortocircuito</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>devanados: estrella</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Un comentario no contiene tabulaciones ni saltos de línea.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Un comentario debe ser texto UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Un nombre solo contiene letras, dígitos y _, y empieza por una letra.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Primero dé un nombre a la dirección.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>No existe esa dirección.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>No es una dirección: un relé de 0 a 20000, TIM 0 a 7 o CNT 0 a 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>todas las pruebas superadas</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>sin empezar</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>no se pudo dibujar la imagen</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Página %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Operando</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>Consigna</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
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
        <translation>descartado: completo desde %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>nada registrado</translation>
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
        <translation>Sin registrar: pulse Registrar y luego ejecute.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nada registrado.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Registrando: se registra la próxima ejecución.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Escriba primero la señal que quitar.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>una dirección de relé (0 a 20000) o un nombre: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Aparcamiento</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Cinta transportadora</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Copiar enlace para compartir</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copie este enlace:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depurar</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Juego de instrucciones ampliado</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Juego de instrucciones ampliado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portón de casa</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Arrancador de motor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Enlace para compartir</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Depósito y bombas</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>El enlace a este programa está en el portapapeles.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>La ejecución se pausó mientras la página estaba oculta.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Cruce con semáforos</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Una prueba oculta: solo se muestra su resultado</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Comprobar de nuevo</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Comprobar con script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Comprobar con script</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Haga doble clic en una prueba fallida para ver la ejecución en el diagrama de tiempos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtenido</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>La ejecución de la prueba fallida elegida en un diagrama de tiempos</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagrama de tiempos: %1 fallida</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tiempos</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superada</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Comprobar con script...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Comprobar con script</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Comparar con programa...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Demostrar propiedades...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>No se puede leer el script del enlace.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 de %2 pruebas visibles superadas</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Volver al programa inicial.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Cerrar paquete de ejercicios</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Cerrar paquete</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Descargue un archivo con su trabajo de todos los ejercicios, para entregarlo</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Lista de ejercicios</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Ejercicios</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>¿Volver al programa inicial de &quot;%1&quot;? Se perderá su trabajo en él.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Abrir paquete de ejercicios...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Abrir paquete de ejercicios</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Los paquetes solo se abren desde el propio sitio de esta página.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reiniciar ejercicio</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Ejecutar las pruebas visibles de este ejercicio con su programa</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>El almacenamiento del navegador no admite más datos: puede que su trabajo en este paquete no se conserve para la próxima visita. Entréguelo o guárdelo.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>El paquete del enlace no está en el sitio de esta página: solo se abre una ruta como #pack=packs/week3/.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>No se puede descargar el paquete %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>El paquete es demasiado grande.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>El sitio respondió %1 para %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>No se puede abrir este paquete de ejercicios:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>No se puede abrir este paquete de ejercicios: es demasiado grande.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Este paquete es demasiado grande para abrirse de nuevo por sí solo en su próxima visita: vuelva a abrirlo desde su archivo.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Su trabajo se descarga como %1: entregue ese archivo.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>todas las pruebas visibles superadas</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>sin empezar</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: no es una palabra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Punto de interrupción (haga clic en el punto para quitarlo)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Punto de interrupción en la línea %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabla DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Tabla DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forzar a OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forzar a ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forzar palabra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzado</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Formato de %1</translation>
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
        <translation>ON/Fin</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Texto del registro</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Valor de palabra del registro</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Palabras de registro</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Liberar palabra</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Consigna</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Paso de instrucción</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Paso de ciclo</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Paso de tic</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Alternar punto de interrupción</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Tabla de inspección</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Tabla de inspección</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Inspeccionar:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Inspección</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Valor de palabra</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparar con programa</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contraejemplo (un ciclo por milisegundo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Explorar</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Explorando...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Demostrar propiedades</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Demostrar</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Rechazado.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Guardar script...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tiempos</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Escriba las propiedades y pulse Demostrar.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Código ladder</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Diagrama ladder con flujo de corriente</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Renglón %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Dirección...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Copiar renglón</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Copiar el renglón de la selección (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Eliminar renglón</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Eliminar el renglón de la selección</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Editar la dirección de la selección (Intro)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Bajar renglón</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Subir renglón</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Bajar el renglón de la selección</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Subir el renglón de la selección</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Pegar renglones</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Pegar renglones después del renglón de la selección (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Rehacer (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Renglones</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Valor de consigna</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 mando a distancia</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 marcha</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 final de apertura</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 paro</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 cinta</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentador</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 cerrado</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrada</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 en empujador</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocélula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 paro</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 al final</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Llega un coche, o sigue adelante</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Cajas alimentadas %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Coche</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Cinta transportadora</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portón abierto al %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portón de casa</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor cerrando</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor accionado en AMBOS sentidos</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor parado</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor abriendo</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marcha</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Paro</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Detenido: inicie la ejecución para manejar la máquina.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>cinta</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>contenedor final: altas %1, bajas %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentador</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>short</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>contenedor lateral: altas %1, bajas %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>alta</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Dirección a nombrar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Comentario de %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nombre de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Tabla de nombres</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Hay una nueva versión de Rungbox lista: se abrirá la próxima vez que se inicie Rungbox.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>CONTADOR</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contador %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ENTRADA</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Iniciar o detener la simulación</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interruptor %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPORIZ.</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
</context>
<context>
    <name>page.print</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listado</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nombre y comentario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Programa impreso</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>El programa no tiene nombres.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Programa sin título</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Otra pestaña de Rungbox guardó su programa para la próxima visita. El programa de esta pestaña se guardará de nuevo cuando lo modifique.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>El navegador no guarda nada para esta página: este programa no se conservará para la próxima visita. Guárdelo con Archivo &gt; Guardar como.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>El almacenamiento del navegador está lleno: este programa no se conservará para la próxima visita. Guárdelo con Archivo &gt; Guardar como.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>No se pudo leer el programa guardado en una visita anterior y no hay espacio para apartarlo: esta pestaña no guarda nada encima de él.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>No se pudo leer el programa guardado en una visita anterior. Se ha apartado en el almacenamiento del navegador como &quot;%1&quot;; esta página empieza con un programa vacío.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Cerrar el diagrama de tiempos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Descargar el diagrama como imagen PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Descargar el diagrama como imagen SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Descargar el registro como volcado de cambios de valor (VCD)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Exportar tiempos como PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Exportar tiempos como SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Exportar tiempos como VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Registrar las señales durante la ejecución</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostrar la mitad del tiempo en la ventana</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostrar todo el registro en la ventana</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Mostrar esta señal</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostrar el doble de tiempo en la ventana</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Señal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Dejar de registrar esta señal</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>La señal que añadir o quitar: una dirección de relé (0 a 20000) o un nombre: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tics</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valores de los temporizadores en tics en lugar de segundos</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tiempos</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Diagrama de tiempos: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Diagrama de tiempos</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Formas de onda: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Formas de onda</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>señal, p. ej. 2000 o tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Mostrar las herramientas de dibujo</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Detenga la ejecución para dibujar</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Escribir en la celda</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::About</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckDialog</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Una prueba oculta: solo se muestra su resultado</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Comprobar con script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Comprobar con script</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Haga doble clic en una prueba fallida para ver la ejecución en el diagrama de tiempos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtenido</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script de Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>No se pudo leer el script %1: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagrama de tiempos: %1 fallida</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Cuándo</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallida</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>superada</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>Comp&amp;robar con script...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Cajas alimentadas %1, en la cinta %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marcha</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Paro</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>cinta</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>caja atascada en la entrada</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>caja atascada en el empujador</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>contenedor final</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>extendido</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentador</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>retraído</translation>
    </message>
    <message>
        <source>short</source>
        <translation>baja</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>contenedor lateral</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>altas %1
bajas %2</translation>
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
        <translation>Tabla &amp;DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Depurar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>Re&amp;gistros</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Tabla de i&amp;nspección</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registros</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Paso de &amp;instrucción</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Paso de &amp;ciclo</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Paso de &amp;tic</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>&amp;Alternar punto de interrupción</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: no es una palabra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabla DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># una propiedad por línea, sobre los relés tras cada ciclo</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Demostrar</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Guardar script...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagrama de &amp;tiempos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparar con programa</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contraejemplo (un ciclo por milisegundo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Explorando...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Ninguna propiedad.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Demostrar propiedades</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Rechazado.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script de Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>El programa no puede iniciarse.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Escriba las propiedades y pulse Demostrar.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>Com&amp;parar con programa...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Demostrar propiedades...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>CONTADOR</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Contador %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ENTRADA</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrada %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Interruptor de entrada</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Código ladder</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Piloto</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Cargando </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Salida %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulación</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Iniciar o detener la simulación (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Iniciar o detener la simulación</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interruptor %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPORIZ.</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporizador %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 abrir</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 cerrar</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 luz</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portón abierto al %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor cerrando</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor accionado en AMBOS sentidos</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor parado</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor abriendo</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Mando</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Paro</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>clic:
llega
un coche</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>cerrado</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>portón cerrado sobre el coche</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>motor contra un final</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abierto</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Dirección...	Intro</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Copiar renglón	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Eliminar renglón</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Bajar renglón</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Subir renglón</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Pegar renglones	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>dirección</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>Diagrama &amp;ladder</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>Exportar &amp;diagrama...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Exportar diagrama</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>No se pudo escribir el diagrama en %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>El idioma cambiará la próxima vez que se inicie Rungbox.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Cinta transportadora </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Portón de casa</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Arrancador de motor</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Depósito y bombas</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;ninguno</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>Apa&amp;rcamiento</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>Cr&amp;uce con semáforos</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Código ladder del PLC</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Marcha o paro</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Guardar c&amp;omo</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Detenido: inicie la ejecución para manejar la máquina.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nombres</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nombre %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>Juego de instrucciones &amp;ampliado</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Juego de instrucciones ampliado</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (pruebas visibles)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>&amp;Entregar...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>&amp;Paquete de ejercicios</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Paquete de ejercicios</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Ejercicio</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>¿Volver al programa inicial de %1?<byte value="xd"/>
Se perderá su trabajo en este ejercicio.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Entregar...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Abrir &amp;paquete de ejercicios...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reiniciar ejercicio</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>No se pudo registrar la comprobación:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>No se pudo abrir el paquete de ejercicios %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>No se pudo guardar la entrega:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>No se pudo restaurar el programa inicial de %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>No se pudo conservar el trabajo en %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(sin archivo)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exportar PD&amp;F...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>No se pudo guardar el PDF:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Forzar palabra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzado</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagrama de &amp;tiempos</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Exportar tiempos como &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Exportar tiempos como &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Registrar las señales durante la ejecución</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Registrar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Diagrama de tiempos de Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostrar la mitad del tiempo en la ventana</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostrar todo el registro en la ventana</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostrar el doble de tiempo en la ventana</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>La señal que añadir o quitar: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tics</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valores de los temporizadores en tics en lugar de segundos</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tiempos</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Tiempos</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Volcado de cambios de valor</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>señal, p. ej. 2000 o tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: no es una palabra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forzar a OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forzar a ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forzar palabra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forzado</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Cómo se muestra la palabra seleccionada: hexadecimal, BCD o decimal</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/Fin</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Consigna</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Inspeccionar:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Inspección</translation>
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
