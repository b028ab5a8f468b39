<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Simulador de CLP em lógica ladder</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 partida</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 parada</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 esteira</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentador</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 empurrador</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrada</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 no empurrador</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 avançado</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 recuado</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 no fim</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Código ladder do CLP</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 pertence ao conjunto de instruções estendido: ative Conjunto de instruções estendido no menu Opções.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 de %2 pontos</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: não é um arquivo de programa do Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>Faixa de ENDEREÇO</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ENDEREÇO somente leitura</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Não é possível escrever no endereço na linha %1.<byte value="xd"/>
Relés especiais (253.00 a 255.15), temporizadores e contadores são somente leitura</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Endereço fora da faixa na linha %1.<byte value="xd"/>
Endereços válidos: 0.00 a 255.15, W0.00 a W99.15, HR0.00 a HR19.15, AR0.00 a AR15.15, TR0 a TR7, TIM 0 a TIM 127, CNT 0 a CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>Faixa de CONTADOR</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>Valor de preset do CONTADOR</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Contador fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Contador fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>O valor de preset do contador é alto demais na linha %1.<byte value="xd"/>
Faixa válida: #0 a #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Erro na linha %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Conjunto de instruções estendido</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Versão do Rungbox incompatível</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Arquivo do Rungbox inválido</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME sem o seu JMP na linha %1.<byte value="xd"/>
Feche cada JMP N com JME N, começando pelos saltos internos</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP sem um JME depois dele na linha %1.<byte value="xd"/>
Feche cada JMP N com JME N, começando pelos saltos internos</translation>
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
        <translation>Faixa de SALTO</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Número de salto fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>A linha %1 tem um temporizador TIMH: Comparar e Provar avançam os temporizadores em décimos de segundo, não em centésimos, por isso não conseguem explorar este programa com exatidão.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>A linha %1 foi escrita para o conjunto de instruções estendido: ative Conjunto de instruções estendido no menu Opções.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>A linha %1 lê o pulso de clock %2: Comparar e Provar avançam por varreduras e ticks de temporizador, não pelos milissegundos do clock, por isso não conseguem explorar este programa com exatidão.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>A linha %1 usa palavras de dados: Comparar e Provar só exploram programas de bits, por isso não conseguem explorar este programa com exatidão.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>A linha %1 usa o conjunto de instruções estendido; o programa continua estendido.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>END não encontrado. Erro ao iniciar a SIMULAÇÃO ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>Linha de OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>Faixa de OPERANDO</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERANDO somente leitura</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Não é possível escrever no operando na linha %1.<byte value="xd"/>
Constantes, canais 253 a 255, DM6144 a DM6599 e valores atuais são somente leitura</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operando fora da faixa na linha %1.<byte value="xd"/>
Operandos válidos: canais 0 a 255, W0 a W99, HR0 a HR19, AR0 a AR15, DM0000 a DM1023, DM6144 a DM6599, TIM 0 a TIM 127, CNT 0 a CNT 127, #0000 a #FFFF, &amp;0 a &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Código ladder do CLP</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>Faixa de RELÉ</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relé fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>Faixa de VALOR DE PRESET</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>Faixa de DESLOCAMENTO</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Valor de preset fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: #0000 a #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Registrador de deslocamento fora da faixa na linha %1.<byte value="xd"/>
LOCATION e ### devem indicar bits de uma mesma área</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>Faixa de TEMPORIZADOR</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>Valor de preset do TEMPORIZADOR</translation>
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
        <translation>O arquivo termina na linha END: o texto das linhas depois de END não foi salvo.<byte value="xd"/>
Mova-o para antes de END para mantê-lo no arquivo.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>O código ladder foi alterado.<byte value="xd"/>
Deseja salvar o código ladder?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Não foi possível ler os nomes em %1: (%2) %3<byte value="xd"/>
Salvar o programa deixa aquele arquivo como está.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Os nomes não foram salvos: %1 não foi lido por inteiro quando o programa foi carregado, e salvar o deixa como está.<byte value="xd"/>
Salve o programa com outro nome para manter os nomes junto dele.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>O programa não tem linha END: não pode iniciar.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>O script não tem testes e foi executado até o fim.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>O script não tem testes e parou: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>O script foi recusado: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Não há espaço para as linhas coladas: elas levariam o programa além da linha 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Estas linhas de %1 foram ignoradas; salvar o programa deixa aquele arquivo como está:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Falta o terceiro operando abaixo da linha %1.<byte value="xd"/>
ADD e SUB recebem a palavra de resultado na linha seguinte, com a célula de código vazia</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Temporizador e contador compartilham um número na linha %1.<byte value="xd"/>
Um número é de um temporizador ou de um contador, não de ambos</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Temporizador fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Temporizador fora da faixa na linha %1.<byte value="xd"/>
Faixa válida: 0 a 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>O valor de preset do temporizador é alto demais na linha %1.<byte value="xd"/>
Faixa válida: #0 a #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Nenhuma propriedade.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>O programa não pode iniciar.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Pacote de exercícios</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Arquivo PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Entrega do Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Imagem SVG ou PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 controle remoto</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 fim de curso de abertura</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 fechado</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocélula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 parada</translation>
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
        <translation>Um endereço é um número, TIM ou CNT e um número, ou um nome.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Contato em paralelo com a seleção (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Contato em série após a seleção (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Bloco contador: um novo degrau com contagem e reset (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Bobina DIFD: ligada por uma varredura quando sua condição cai (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Bobina DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Excluir a seleção (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END não tem endereço</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END fica por último</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END fica: um programa termina com ele</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Bloco temporizador de alta velocidade, valor de preset em centésimos (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Intertravamento: um degrau IL e seu ILC após este degrau (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Salto: um degrau JMP e seu JME após este degrau (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Bloco KEEP: um novo degrau com set e reset (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT em um contato, OUT para OUT NOT e vice-versa (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Novo degrau após este: um contato e uma bobina OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Bobina OUT, em paralelo com as saídas do degrau (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralelo</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Bobina RSET: desliga seu bit (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Bloco contador reversível: um novo degrau com incremento, decremento e reset (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Degrau</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Bobina SET: liga seu bit (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Bloco registrador de deslocamento: um novo degrau com dados, clock e reset (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Bloco temporizador (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>um bloco KEEP precisa de duas entradas: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>um ramo que não alimenta nenhuma saída (uma ponte entre ramos)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>uma ponte entre ramos: um contato em paralelo com uma saída</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>uma bobina tem uma entrada</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>um contato após uma saída no mesmo ramo</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>um contato lê um relé, um temporizador ou um contador</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>um contador precisa de duas entradas: contagem, reset</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>um contador ou registrador de deslocamento deve ser a primeira saída após a condição do seu degrau</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>um contador reversível precisa de três entradas: incremento, decremento, reset</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>um degrau precisa de um contato antes das suas saídas</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>um degrau sem saída</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>um registrador de deslocamento precisa de três entradas: dados, clock, reset</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>um relé especial não pode ser escrito</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>endereço fora da faixa</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>o endereço de uma saída é um relé</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>número de salto fora da faixa (0 a 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>sem espaço: o programa passaria da linha 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>não há degrau para trocar</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>não é uma saída</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>nada selecionado</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>só um contato ou uma bobina OUT tem forma NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>só um temporizador, um contador ou um registrador de deslocamento tem valor de preset</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>só contatos ficam em paralelo</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>só programas estendidos têm esta instrução ou endereço</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>só programas estendidos têm esta instrução</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>só o último ramo após as saídas pode continuar por contatos</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operando fora da faixa</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>fim do registrador fora da faixa (0 a 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>relé fora da faixa (0 a 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>selecione um contato ou uma saída</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>selecione um contato</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>selecione uma sequência de elementos em série</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>valor de preset fora da faixa (#0 a #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>valor de preset fora da faixa (#0 a #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>valor de preset fora da faixa (#0000 a #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>a área de transferência não contém linhas de código</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>a área de transferência não contém degraus que o diagrama possa desenhar</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(sem END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 aproximação da entrada</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 botão avante</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 botão</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 botão de travessia</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 carro norte</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 botão reverso</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 botão do tíquete</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 avante</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 N-S vermelho</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 erguer entrada</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 marcha</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 reverso</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 N-S amarelo</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 erguer saída</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 marcha</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 placa LOTADO</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 estrela</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 N-S verde</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 válvula de dreno</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 L-O vermelho</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 triângulo</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarme</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 L-O amarelo</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 sinaleiro em marcha</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 L-O verde</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 sinaleiro sobrecarga</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 atravesse</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 não atravesse</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 vagas, carros entram pela esquerda e saem pela direita</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 carro sul</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 entrada passada</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 parada (NF: on = não pressionado)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 carro leste</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 aproximação da saída</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 sobrecarga OK (NF: on = normal)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 carro oeste</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 saída passada</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 motor girando</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 em marcha</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 entrada erguida</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 desarmado</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 entrada abaixada</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 em marcha</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 saída erguida</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 desarmado</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 reconhecer</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 saída abaixada</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → entrada 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Reconhecer</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Cancela baixada sobre um carro</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>As duas bombas partiram em menos de 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Caixa alimentada sobre outra caixa</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Caixa travada no empurrador</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Entra carro</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Sai carro</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Carros dentro (real)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Verdes conflitantes</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Esteira transportadora</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>L-O</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Entrada →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Saída →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 DESARMADO</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 sobrecarga</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Placa LOTADO errada por mais de 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>LOTADO</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avante</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Portão fechado sobre o carro</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Do verde ao vermelho sem amarelo</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portão da casa</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 avante  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 reverso  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 estrela  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 triângulo  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Mais carros dentro do que vagas</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Partida de motor</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motor contra um fim de curso fechado por mais de 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motor acionado nos dois sentidos</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Saídas</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Sobrecarga</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Pedestres: chegam ao acaso</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Pedestres: só quando Travessia é clicado</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Pedestres</translation>
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
        <translation>Bomba funcionou a seco abaixo do mínimo-mínimo</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Rearmar</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverso</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Revertido enquanto girava</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Em marcha após desarme</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Continua em marcha após um desarme por sobrecarga</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em marcha</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Curto-circuito K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Curto-circuito: K1 e K2 fechados juntos</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Travamento</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Estrela e triângulo fechados juntos</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Estrela e triângulo fechados</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Parado: inicie a execução para operar a máquina.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tanque e bombas</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Tanque transbordou</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Tíquete</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Cruzamento com semáforos</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Desarme 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Desarme 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Bomba desarmada ainda comandada</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Travessia com verde conflitante</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Travessia</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Aviso: carros esperaram mais de 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>aproximação 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>aproximação 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>cancela sobre um carro</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>cancela 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>cancela 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>as duas bombas partiram juntas</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>carros conforme a contagem de CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>verdes conflitantes</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>dreno</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>av.</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>carga travada</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>mais carros que vagas</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>sem amarelo</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>de 12 vagas</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>transbordo</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>passou 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>passou 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>bombeado</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>rev.</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>a seco</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>placa 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>placa errada</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>tíquete</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>desarmada, comandada</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>espera de mais de 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>travessia no verde</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>travessia</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>enrolamentos: triângulo</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>enrolamentos: partida direta</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>enrolamentos: em curto</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>enrolamentos: estrela</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Um comentário não contém tabulação nem quebra de linha.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Um comentário deve ser texto UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Um nome não pode ficar vazio.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Um nome contém só letras, dígitos e _, e começa com uma letra.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Dê um nome ao endereço primeiro.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Endereço inexistente.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Não é um endereço: um relé de 0 a 20000, TIM 0 a 7 ou CNT 0 a 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>todos os testes passaram</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>não iniciado</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>não foi possível desenhar a imagem</translation>
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
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
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
        <translation>Preset</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
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
        <translation>descartado: completo a partir de %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>nada gravado</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>varredura %1</translation>
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
        <translation>Sem gravação: pressione Gravar e depois execute.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Nada gravado.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Gravando: a próxima execução será gravada.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Digite primeiro o sinal a remover.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>um endereço de relé (0 a 20000) ou um nome: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Esteira transportadora</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Copiar link de compartilhamento</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copie este link:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Depurar</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemplos</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Conjunto de instruções estendido</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Conjunto de instruções estendido</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portão da casa</translation>
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
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menus</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Módulo</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Partida de motor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Link de compartilhamento</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tanque e bombas</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>O link para este programa está na área de transferência.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>A execução foi pausada enquanto a página estava oculta.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Cruzamento com semáforos</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Um teste oculto: só o resultado aparece</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Verificar novamente</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Verificar com script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verificar com script</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Verificando...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Clique duas vezes em um teste que falhou para ver a execução no diagrama de tempos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtido</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testes</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>A execução do teste com falha escolhido em um diagrama de tempos</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagrama de tempos: %1 falhou</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tempos</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passou</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Verificar com script...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verificar com script</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Comparar com programa...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Provar propriedades...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Não é possível ler o script do link.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 de %2 testes visíveis passam</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Voltar ao programa inicial.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Fechar pacote de exercícios</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Fechar pacote</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Baixe um arquivo com o seu trabalho em todos os exercícios, para entregar</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Lista de exercícios</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercícios</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Voltar ao programa inicial de &quot;%1&quot;? O seu trabalho nele será perdido.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Entregar</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Abrir pacote de exercícios...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Abrir pacote de exercícios</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Os pacotes só são abertos a partir do próprio site desta página.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reiniciar exercício</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Executar os testes visíveis deste exercício no seu programa</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Enunciado</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>O armazenamento do navegador não guarda mais nada: o seu trabalho neste pacote pode não ser mantido para a próxima visita. Entregue-o ou salve-o.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>O pacote do link não está no site desta página: só é aberto um caminho como #pack=packs/week3/.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Não é possível baixar o pacote %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>O pacote é grande demais.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>O site respondeu %1 para %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Não é possível abrir este pacote de exercícios:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Não é possível abrir este pacote de exercícios: ele é grande demais.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Este pacote é grande demais para abrir de novo sozinho na sua próxima visita: abra-o novamente a partir do arquivo.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>O seu trabalho é baixado como %1: entregue esse arquivo.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>todos os testes visíveis passam</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>editado</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>não iniciado</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: não é uma palavra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Ponto de interrupção (clique no ponto para removê-lo)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Ponto de interrupção na linha %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
        <translation>Forçar OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forçar ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forçar palavra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forçado</translation>
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
        <translation>Item</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/Fim</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Texto do registrador</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Valor da palavra do registrador</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Palavras de registrador</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registradores</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Liberar palavra</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Passo de instrução</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Passo de varredura</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Passo de tick</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Alternar ponto de interrupção</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Tabela de inspeção</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Tabela de inspeção</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Inspecionar:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Inspeção</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Valor da palavra</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
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
        <translation>Não</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparar com programa</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contraexemplo (uma varredura por milissegundo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
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
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Provar propriedades</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Provar</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Recusado.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Salvar script...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tempos</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Digite as propriedades e depois clique em Provar.</translation>
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
        <translation>Diagrama ladder com fluxo de energia</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Degrau %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Endereço...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Copiar degrau</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Copiar o degrau da seleção (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Excluir degrau</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Excluir o degrau da seleção</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Desenhar</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Editar o endereço da seleção (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Mover degrau para baixo</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Mover degrau para cima</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Mover o degrau da seleção para baixo</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Mover o degrau da seleção para cima</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Colar degraus</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Colar degraus depois do degrau da seleção (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Refazer (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Degraus</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Valor de preset</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Desfazer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 controle remoto</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 partida</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 fim de curso de abertura</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 parada</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 esteira</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentador</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 fechado</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrada</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 no empurrador</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotocélula</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 parada</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 alta</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 no fim</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Um carro chega ou segue em frente</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Caixas alimentadas %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Esteira transportadora</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portão %1 % aberto</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portão da casa</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor fechando</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor acionado nos DOIS sentidos</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor desligado</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor abrindo</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Parado: inicie a execução para operar a máquina.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>esteira</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fechado</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>coletor final: altas %1, baixas %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentador</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aberto</translation>
    </message>
    <message>
        <source>short</source>
        <translation>baixa</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>coletor lateral: altas %1, baixas %2</translation>
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
        <translation>Endereço a nomear</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Comentário de %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nome de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Tabela de nomes</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Uma nova versão do Rungbox está pronta: ela abre na próxima vez que o Rungbox iniciar.</translation>
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
        <translation>SAÍDA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Saída %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Iniciar ou parar a simulação</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Chave %1</translation>
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
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagrama ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listagem</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nome e comentário</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Programa impresso</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>O programa não tem nomes.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Programa sem título</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Outra aba do Rungbox guardou o programa dela para a próxima visita. O programa desta aba será guardado de novo quando você o alterar.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>O navegador não guarda nada para esta página: este programa não será mantido para a próxima visita. Salve-o com Arquivo &gt; Salvar como.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>O armazenamento do navegador está cheio: este programa não será mantido para a próxima visita. Salve-o com Arquivo &gt; Salvar como.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>O programa guardado em uma visita anterior não pôde ser lido, e não há espaço para separá-lo: esta aba não guarda nada por cima dele.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>O programa guardado em uma visita anterior não pôde ser lido. Ele foi separado no armazenamento do navegador como &quot;%1&quot;; esta página começa com um programa vazio.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Fechar o diagrama de tempos</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Baixar o diagrama como imagem PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Baixar o diagrama como imagem SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Baixar a gravação como value change dump (VCD)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Exportar tempos como PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Exportar tempos como SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Exportar tempos como VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Gravar os sinais durante a execução</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostrar metade do tempo na janela</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostrar toda a gravação na janela</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Mostrar este sinal</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostrar o dobro do tempo na janela</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sinal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Parar de gravar este sinal</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>O sinal a adicionar ou remover: um endereço de relé (0 a 20000) ou um nome: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valores dos temporizadores em ticks em vez de segundos</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tempos</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Diagrama de tempos: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Diagrama de tempos</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Tempos</translation>
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
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinal, p. ex. 2000 ou tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Desenhar</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Mostrar as ferramentas de desenho</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Pare a execução para desenhar</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Digitar na célula</translation>
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
        <translation>Um teste oculto: só o resultado aparece</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Verificar com script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Verificar com script</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Clique duas vezes em um teste que falhou para ver a execução no diagrama de tempos</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Esperado</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtido</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script do Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Teste</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Não foi possível ler o script %1: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagrama de tempos: %1 falhou</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passou</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Verificar com script...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Caixas alimentadas %1, na esteira %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>esteira</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>caixa travada na entrada</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>caixa travada no empurrador</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>coletor final</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>avançado</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentador</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>recuado</translation>
    </message>
    <message>
        <source>short</source>
        <translation>baixa</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>coletor lateral</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>altas %1
baixas %2</translation>
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
        <translation>Tabela &amp;DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Depurar</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausar</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>Re&amp;gistradores</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Retomar</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Tabela de i&amp;nspeção</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registradores</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Passo de &amp;instrução</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Passo de &amp;varredura</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Passo de &amp;tick</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>&amp;Alternar ponto de interrupção</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: não é uma palavra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabela DM</translation>
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
        <translation># uma propriedade por linha, sobre os relés após cada varredura</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Provar</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Salvar script...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagrama de &amp;tempos</translation>
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
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparar com programa</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contraexemplo (uma varredura por milissegundo)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Explorando...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Nenhuma propriedade.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Provar propriedades</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Recusado.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script do Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>O programa não pode iniciar.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Digite as propriedades e depois clique em Provar.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Comparar com programa...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Provar propriedades...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
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
        <translation>Chave de entrada</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Código ladder</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lâmpada</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Carregando </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SAÍDA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Saída %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulação</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Iniciar ou parar a simulação (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Iniciar ou parar a simulação</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Chave %1</translation>
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
        <translation>1001 fechar</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 luz</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portão %1 % aberto</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor fechando</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor acionado nos DOIS sentidos</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor desligado</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor abrindo</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Controle</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parada</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>clique:
um carro
chega</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fechado</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>portão fechado sobre o carro</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>motor contra um fim de curso</translation>
    </message>
    <message>
        <source>open</source>
        <translation>aberto</translation>
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
        <translation>Endereço...	Enter</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Copiar degrau	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Excluir degrau</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Desenhar</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Mover degrau para baixo</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Mover degrau para cima</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Colar degraus	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>endereço</translation>
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
        <translation>Não foi possível gravar o diagrama em %1.</translation>
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
        <translation>Idioma do sistema</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>O idioma muda na próxima vez que o Rungbox iniciar.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Esteira transportadora </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Portão da casa</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Módulo</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>Pa&amp;rtida de motor</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Tanque e bombas</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;nenhum</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>E&amp;stacionamento</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>&amp;Cruzamento com semáforos</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Carregar</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Código ladder do CLP</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Executar ou parar</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvar c&amp;omo</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Falhas</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Parado: inicie a execução para operar a máquina.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nomes</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentário</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nomes</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
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
        <translation>Conjunto de instruções &amp;estendido</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Conjunto de instruções estendido</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (testes visíveis)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>&amp;Entregar...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>&amp;Pacote de exercícios</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Pacote de exercícios</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercício</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Voltar ao programa inicial de %1?<byte value="xd"/>
O seu trabalho neste exercício será perdido.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Entregar...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Abrir &amp;pacote de exercícios...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reiniciar exercício</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Não foi possível registrar a verificação:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Não foi possível abrir o pacote de exercícios %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Não foi possível salvar a entrega:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Não foi possível restaurar o programa inicial de %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Não foi possível manter o trabalho em %1:<byte value="xd"/>
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
        <translation>(sem arquivo)</translation>
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
        <translation>Não foi possível salvar o PDF:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Forçar palavra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forçado</translation>
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
        <translation>Palavra</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagrama de &amp;tempos</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Exportar tempos como &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Exportar tempos como &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Gravar os sinais durante a execução</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Diagrama de tempos do Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Mostrar metade do tempo na janela</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Mostrar toda a gravação na janela</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Mostrar o dobro do tempo na janela</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>O sinal a adicionar ou remover: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Ticks</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valores dos temporizadores em ticks em vez de segundos</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagrama de tempos</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Tempos</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Value change dump (VCD)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinal, p. ex. 2000 ou tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: não é uma palavra (#0000 a #FFFF, &amp;0 a &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forçar OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forçar ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forçar palavra</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forçado</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Como a palavra selecionada é exibida: hexadecimal, BCD ou decimal</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/Fim</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Inspecionar:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Inspeção</translation>
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
