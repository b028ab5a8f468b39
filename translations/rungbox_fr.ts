<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Simulateur d&apos;automate en langage à contacts</translation>
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
        <translation>0 marche</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 arrêt</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 tapis</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentateur</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 pousseur</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrée</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 au pousseur</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 haute</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 sorti</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 rentré</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 en bout</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Code ladder de l&apos;automate</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 fait partie du jeu d&apos;instructions étendu : activez Jeu d&apos;instructions étendu dans le menu Options.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 sur %2 points</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1 : ce n&apos;est pas un fichier programme Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>Plage d&apos;ADRESSE</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ADRESSE en lecture seule</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Adresse non inscriptible à la ligne %1.<byte value="xd"/>
Les relais spéciaux (253.00 à 255.15), les temporisateurs et les compteurs sont en lecture seule</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Adresse hors plage à la ligne %1.<byte value="xd"/>
Adresses valides : 0.00 à 255.15, W0.00 à W99.15, HR0.00 à HR19.15, AR0.00 à AR15.15, TR0 à TR7, TIM 0 à TIM 127, CNT 0 à CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>Plage de COMPTEUR</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>Consigne de COMPTEUR</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Compteur hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Compteur hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Consigne du compteur trop élevée à la ligne %1.<byte value="xd"/>
Plage valide : #0 à #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Erreur à la ligne %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Jeu d&apos;instructions étendu</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Version de Rungbox incompatible</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Fichier Rungbox non valide</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME sans son JMP à la ligne %1.<byte value="xd"/>
Fermez chaque JMP N par un JME N, en commençant par les sauts internes</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP sans JME après lui à la ligne %1.<byte value="xd"/>
Fermez chaque JMP N par un JME N, en commençant par les sauts internes</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>Paires de SAUT</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>Paires de SAUT</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>Plage de SAUT</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Numéro de saut hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>La ligne %1 contient un temporisateur TIMH : la comparaison et la preuve avancent les temporisateurs par dixièmes de seconde, pas par centièmes, elles ne peuvent donc pas explorer ce programme exactement.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>La ligne %1 est écrite pour le jeu d&apos;instructions étendu : activez Jeu d&apos;instructions étendu dans le menu Options.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>La ligne %1 lit l&apos;impulsion d&apos;horloge %2 : la comparaison et la preuve avancent par cycles et par tops de temporisateur, pas en millisecondes d&apos;horloge, elles ne peuvent donc pas explorer ce programme exactement.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>La ligne %1 utilise des mots de données : la comparaison et la preuve n&apos;explorent que des programmes à bits, elles ne peuvent donc pas explorer ce programme exactement.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>La ligne %1 utilise le jeu d&apos;instructions étendu ; le programme reste étendu.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>END introuvable. Erreur au démarrage de la SIMULATION ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>Ligne d&apos;OPÉRANDE</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>Plage d&apos;OPÉRANDE</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPÉRANDE en lecture seule</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Opérande non inscriptible à la ligne %1.<byte value="xd"/>
Les constantes, les voies 253 à 255, DM6144 à DM6599 et les valeurs courantes sont en lecture seule</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Opérande hors plage à la ligne %1.<byte value="xd"/>
Opérandes valides : voies 0 à 255, W0 à W99, HR0 à HR19, AR0 à AR15, DM0000 à DM1023, DM6144 à DM6599, TIM 0 à TIM 127, CNT 0 à CNT 127, #0000 à #FFFF, &amp;0 à &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Code ladder de l&apos;automate</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>Plage de RELAIS</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relais hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>Plage de CONSIGNE</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>Plage de DÉCALAGE</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Consigne hors plage à la ligne %1.<byte value="xd"/>
Plage valide : #0000 à #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Registre à décalage hors plage à la ligne %1.<byte value="xd"/>
LOCATION et ### doivent désigner des bits d&apos;une même zone</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>Plage de TEMPORISATEUR</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>Consigne de TEMPORISATEUR</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>Numéro de TEMPORISATEUR/COMPTEUR</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Le fichier s&apos;arrête à la ligne END : le texte des lignes après END n&apos;a pas été enregistré.<byte value="xd"/>
Déplacez-le au-dessus de END pour le conserver dans le fichier.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Le code ladder a été modifié.<byte value="xd"/>
Voulez-vous enregistrer le code ladder ?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Impossible de lire les noms de %1 : (%2) %3<byte value="xd"/>
L&apos;enregistrement du programme laisse ce fichier tel quel.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Les noms n&apos;ont pas été enregistrés : %1 n&apos;a pas été lu en entier au chargement du programme, et l&apos;enregistrement le laisse tel quel.<byte value="xd"/>
Enregistrez le programme sous un autre nom pour conserver les noms à côté de lui.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Le programme n&apos;a pas de ligne END : il ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Le script ne contient aucun test et s&apos;est exécuté jusqu&apos;à la fin.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Le script ne contient aucun test et s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Le script a été refusé : %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Pas de place pour les lignes collées : elles pousseraient le programme au-delà de la ligne 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Ces lignes de %1 ont été ignorées ; l&apos;enregistrement du programme laisse ce fichier tel quel :<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Troisième opérande manquant sous la ligne %1.<byte value="xd"/>
ADD et SUB prennent leur mot de résultat à la ligne suivante, avec la cellule de code vide</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Un temporisateur et un compteur partagent un numéro à la ligne %1.<byte value="xd"/>
Un numéro désigne un temporisateur ou un compteur, pas les deux</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Temporisateur hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Temporisateur hors plage à la ligne %1.<byte value="xd"/>
Plage valide : 0 à 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Consigne du temporisateur trop élevée à la ligne %1.<byte value="xd"/>
Plage valide : #0 à #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Aucune propriété.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Le programme ne peut pas démarrer.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Série d&apos;exercices</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Fichier PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Rendu Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Image SVG ou PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 télécommande</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 fin de course ouvert</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 fermé</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 cellule photo</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 arrêt</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>CODE LADDER</translation>
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
        <translation>Une adresse est un nombre, TIM ou CNT suivi d&apos;un nombre, ou un nom.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Contact en parallèle avec la sélection (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Contact en série après la sélection (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Bloc compteur : un nouvel échelon avec comptage et remise à zéro (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Bobine DIFD : active pendant un cycle quand sa condition retombe (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Bobine DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Supprimer la sélection (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END n&apos;a pas d&apos;adresse</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END reste en dernier</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END reste : un programme se termine par lui</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Bloc temporisateur rapide, consigne en centièmes (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Verrouillage : un échelon IL et son ILC après cet échelon (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Saut : un échelon JMP et son JME après cet échelon (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Bloc KEEP : un nouvel échelon avec mise à 1 et remise à zéro (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT sur un contact, OUT vers OUT NOT et inversement (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Nouvel échelon après celui-ci : un contact et une bobine OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Bobine OUT, en parallèle avec les sorties de l&apos;échelon (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Parallèle</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Bobine RSET : met son bit à 0 (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Bloc compteur réversible : un nouvel échelon avec incrémentation, décrémentation et remise à zéro (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Échelon</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Bobine SET : met son bit à 1 (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Bloc registre à décalage : un nouvel échelon avec données, horloge et remise à zéro (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Bloc temporisateur (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>un bloc KEEP a besoin de deux entrées : mise à 1, remise à zéro</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>une branche qui n&apos;alimente aucune sortie (un pont entre branches)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>un pont entre branches : un contact en parallèle avec une sortie</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>une bobine a une seule entrée</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>un contact après une sortie sur la même branche</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>un contact lit un relais, un temporisateur ou un compteur</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>un compteur a besoin de deux entrées : comptage, remise à zéro</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>un compteur ou un registre à décalage doit être la première sortie après la condition de son échelon</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>un compteur réversible a besoin de trois entrées : incrémentation, décrémentation, remise à zéro</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>un échelon a besoin d&apos;un contact avant ses sorties</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>un échelon sans sortie</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>un registre à décalage a besoin de trois entrées : données, horloge, remise à zéro</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>un relais spécial ne peut pas être écrit</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>adresse hors plage</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>l&apos;adresse d&apos;une sortie est un relais</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>numéro de saut hors plage (0 à 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>pas de place : le programme dépasserait la ligne 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>aucun échelon avec lequel permuter</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>pas une sortie</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>aucune sélection</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>seuls un contact ou une bobine OUT ont une forme NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>seuls un temporisateur, un compteur ou un registre à décalage ont une consigne</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>seuls les contacts se placent en parallèle</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>seuls les programmes étendus ont cette instruction ou cette adresse</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>seuls les programmes étendus ont cette instruction</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>seule la dernière branche après les sorties peut continuer par des contacts</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>opérande hors plage</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>fin de registre hors plage (0 à 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>relais hors plage (0 à 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>sélectionnez un contact ou une sortie</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>sélectionnez un contact</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>sélectionnez une suite d&apos;éléments en série</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>consigne hors plage (#0 à #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>consigne hors plage (#0 à #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>consigne hors plage (#0000 à #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>le presse-papiers ne contient aucune ligne de code</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>le presse-papiers ne contient aucun échelon que le schéma puisse dessiner</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(pas de END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 approche entrée</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 bouton avant</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 bouton-poussoir</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 bouton piéton</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 voiture nord</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 bouton arrière</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 bouton ticket</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 avant</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 N-S rouge</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 lever entrée</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 marche</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 arrière</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 N-S orange</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 lever sortie</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 marche</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 panneau COMPLET</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 étoile</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 N-S vert</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 vanne de vidange</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 E-O rouge</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 triangle</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarme</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 E-O orange</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 voyant marche</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 E-O vert</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 voyant surcharge</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 piéton vert</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 piéton rouge</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 places, entrée à gauche, sortie à droite</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 voiture sud</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 entrée franchie</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 arrêt (NF : on = non appuyé)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 voiture est</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 approche sortie</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 surcharge OK (NF : on = normal)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 voiture ouest</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 sortie franchie</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 moteur en rotation</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 en marche</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 entrée levée</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 déclenchée</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 entrée baissée</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 en marche</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 sortie levée</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 déclenchée</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 acquittement</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 sortie baissée</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → entrée 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Acquitter</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Barrière baissée sur une voiture</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Deux pompes démarrées à moins de 1 s d&apos;écart</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Boîte posée sur une boîte</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Boîte coincée au pousseur</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Entrée voiture</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Sortie voiture</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Voitures à l&apos;intérieur (réel)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Verts en conflit</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Convoyeur</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>E-O</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Entrée →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Sortie →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 DÉCLENCHÉ</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 surcharge</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Panneau COMPLET faux plus de 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>COMPLET</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Portail fermé sur la voiture</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Vert à rouge sans orange</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portail</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 avant  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 arrière  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 étoile  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 triangle  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Plus de voitures à l&apos;intérieur que de places</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Démarreur moteur</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Moteur contre une fin de course fermée plus de 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Moteur commandé dans les deux sens</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>N-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Surcharge</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Piétons : arrivée au hasard</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Piétons : seulement au clic sur Piéton</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Piétons</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Programme (CNT 0)</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>Pompe 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>Pompe 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>Pompe à sec sous le niveau très bas</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>RAZ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Inversé en rotation</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Marche après déclenchement</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Marche maintenue après un déclenchement de surcharge</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En marche</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Court-circuit K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Court-circuit : K1 et K2 fermés ensemble</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Blocage</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Étoile et triangle fermés ensemble</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Étoile et triangle fermés</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Arrêtée : lancez l&apos;exécution pour faire fonctionner la machine.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Réservoir et pompes</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Débordement du réservoir</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Ticket</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Carrefour à feux</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Défaut 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Défaut 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Pompe déclenchée restée commandée</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Piéton vert pendant un vert en conflit</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Piéton</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Attention : voitures en attente depuis plus de 2 min</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>approche 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>approche 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>barrière sur une voiture</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>barrière 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>barrière 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>deux pompes démarrées ensemble</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>voitures selon CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>verts en conflit</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>vidange</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>av</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>charge coincée</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>plus de voitures que de places</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>sans orange</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>sur 12 places</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>débordement</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>franchie 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>franchie 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>pompé</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>arr</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>marche à sec</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>panneau 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>panneau faux</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>ticket</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>déclenchée, commandée</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>attente &gt; 2 min</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>piéton vert sur un vert</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>piéton</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>enroulements : triangle</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>enroulements : direct</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>enroulements : en court-circuit</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>enroulements : étoile</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Un commentaire ne contient ni tabulation ni saut de ligne.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Un commentaire doit être du texte UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Un nom ne contient que des lettres, des chiffres et _, et commence par une lettre.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Donnez d&apos;abord un nom à l&apos;adresse.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Adresse inexistante.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Pas une adresse : un relais de 0 à 20000, TIM 0 à 7 ou CNT 0 à 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>tous les tests réussis</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non commencé</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>impossible de dessiner l&apos;image</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Page %2</translation>
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
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Opérande</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>Consigne</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
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
        <translation>tronqué : complet à partir de %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>rien de capturé</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>cycle %1</translation>
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
        <translation>Pas de capture : appuyez sur Capturer, puis lancez l&apos;exécution.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Rien de capturé.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Capture : la prochaine exécution est capturée.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Saisissez d&apos;abord le signal à supprimer.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>une adresse de relais (0 à 20000) ou un nom : in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Convoyeur</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Copier le lien de partage</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Copiez ce lien :</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Débogage</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Jeu d&apos;instructions étendu</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Jeu d&apos;instructions étendu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portail</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Démarreur moteur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Lien de partage</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Réservoir et pompes</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Le lien vers ce programme est dans le presse-papiers.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>L&apos;exécution a été mise en pause pendant que la page était masquée.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Carrefour à feux</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Test caché : seul son résultat s&apos;affiche</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Vérifier à nouveau</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Vérifier par script : %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Vérifier par script</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Vérification...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Double-cliquez sur un test échoué pour voir son exécution dans le chronogramme</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtenu</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
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
        <translation>L&apos;exécution du test échoué choisi dans un chronogramme</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Chronogramme : %1 échoué</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Vérifier par script...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Vérifier par script</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Comparer avec un programme...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Prouver des propriétés...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Impossible de lire le script du lien.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 des %2 tests visibles réussis</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Revenir au programme de départ.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Fermer la série d&apos;exercices</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Fermer la série</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Télécharger un seul fichier avec votre travail sur chaque exercice, à rendre</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Liste des exercices</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Exercices</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Revenir au programme de départ de « %1 » ? Votre travail sur cet exercice sera perdu.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Rendre</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Ouvrir une série d&apos;exercices...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Ouvrir une série d&apos;exercices</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Les séries ne s&apos;ouvrent que depuis le site de cette page.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Réinitialiser l&apos;exercice</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Lancer les tests visibles de cet exercice sur votre programme</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Énoncé</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Le stockage du navigateur ne conserve plus rien : votre travail sur cette série risque de ne pas être conservé pour la prochaine visite. Rendez-le ou enregistrez-le.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>La série du lien n&apos;est pas sur le site de cette page : seul un chemin comme #pack=packs/week3/ est ouvert.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Impossible de récupérer la série %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>La série est trop volumineuse.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Le site a répondu %1 pour %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Impossible d&apos;ouvrir cette série d&apos;exercices :
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Impossible d&apos;ouvrir cette série d&apos;exercices : elle est trop volumineuse.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Cette série est trop volumineuse pour se rouvrir seule à votre prochaine visite : rouvrez-la depuis son fichier.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Votre travail est téléchargé sous le nom %1 : rendez ce fichier.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>tous les tests visibles réussis</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>non commencé</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1 : ce n&apos;est pas un mot (#0000 à #FFFF, &amp;0 à &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Point d&apos;arrêt (cliquez sur le point pour le supprimer)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Point d&apos;arrêt à la ligne %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Table DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Table DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forcer à 0</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forcer à 1</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forcer le mot</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcé</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Format de %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Actif/Fini</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Texte des registres</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Valeur du mot de registre</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Mots de registre</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Libérer le mot</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Pas à pas : instruction</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Pas à pas : cycle</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Pas à pas : top</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Basculer le point d&apos;arrêt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Table de surveillance</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Table de surveillance</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Surveillance :</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Surveillance</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Valeur du mot</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparer avec un programme</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contre-exemple (un cycle par milliseconde)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Explorer</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Exploration...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Prouver des propriétés</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Prouver</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Refusé.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Enregistrer le script...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Tapez les propriétés, puis Prouver.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Code ladder</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Schéma à contacts avec circulation du courant</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Échelon %1</translation>
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
        <translation>Copier l&apos;échelon</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Copier l&apos;échelon de la sélection (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Supprimer l&apos;échelon</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Supprimer l&apos;échelon de la sélection</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Modifier l&apos;adresse de la sélection (Entrée)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Descendre l&apos;échelon</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Monter l&apos;échelon</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Descendre l&apos;échelon de la sélection</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Monter l&apos;échelon de la sélection</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Coller les échelons</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Coller les échelons après celui de la sélection (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Rétablir (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Échelons</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 télécommande</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 marche</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 fin de course ouvert</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 arrêt</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 tapis</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 alimentateur</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 fermé</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 entrée</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 au pousseur</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 cellule photo</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 arrêt</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 haute</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 en bout</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Une voiture arrive ou repart</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Boîtes amenées %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Voiture</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Convoyeur</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portail ouvert à %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Portail</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Moteur en fermeture</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Moteur commandé dans les DEUX sens</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Moteur arrêté</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Moteur en ouverture</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Arrêtée : lancez l&apos;exécution pour faire fonctionner la machine.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>tapis</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>bac final : hautes %1, basses %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentateur</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>short</source>
        <translation>basse</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>bac latéral : hautes %1, basses %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>haute</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>alerte</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Adresse à nommer</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Commentaire de %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nom de %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Table des noms</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Une nouvelle version de Rungbox est prête : elle s&apos;ouvrira au prochain démarrage de Rungbox.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>COMPTEUR</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Compteur %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Démarrer ou arrêter la simulation</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interrupteur %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporisateur %1</translation>
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
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Listing</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nom et commentaire</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Programme imprimé</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Le programme n&apos;a pas de noms.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Programme sans titre</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Un autre onglet Rungbox a conservé son programme pour la prochaine visite. Le programme de cet onglet sera de nouveau conservé dès que vous le modifierez.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Le navigateur ne conserve rien pour cette page : ce programme ne sera pas conservé pour la prochaine visite. Enregistrez-le avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Le stockage du navigateur est plein : ce programme ne sera pas conservé pour la prochaine visite. Enregistrez-le avec Fichier &gt; Enregistrer sous.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Le programme conservé lors d&apos;une visite précédente est illisible et il n&apos;y a pas de place pour le mettre de côté : cet onglet ne conserve rien par-dessus.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Le programme conservé lors d&apos;une visite précédente est illisible. Il est mis de côté dans le stockage du navigateur sous « %1 » ; cette page démarre avec un programme vide.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Fermer le chronogramme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Télécharger le chronogramme en image PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Télécharger le chronogramme en image SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Télécharger la capture en fichier VCD (value change dump)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Exporter le chronogramme en PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Exporter le chronogramme en SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Exporter le chronogramme en VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Capturer les signaux pendant l&apos;exécution</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Afficher la moitié du temps sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Afficher toute la capture sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Afficher ce signal</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Afficher le double du temps sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Ne plus capturer ce signal</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Le signal à ajouter ou supprimer : une adresse de relais (0 à 20000) ou un nom : %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tops</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valeurs des temporisateurs en tops au lieu de secondes</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Chronogramme : %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Formes d&apos;onde : %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Formes d&apos;onde</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>signal, p. ex. 2000 ou tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Afficher les outils de dessin</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Arrêtez l&apos;exécution pour dessiner</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Saisir dans la cellule</translation>
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
        <translation>Test caché : seul son résultat s&apos;affiche</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Vérifier par script : %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Vérifier par script</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Double-cliquez sur un test échoué pour voir son exécution dans le chronogramme</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Obtenu</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
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
        <translation>Impossible de lire le script %1 : %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Chronogramme : %1 échoué</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>réussi</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Vérifier par script...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Boîtes amenées %1, sur le tapis %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>tapis</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>boîte coincée à l&apos;entrée</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>boîte coincée au pousseur</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>bac final</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>sorti</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>alimentateur</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>rentré</translation>
    </message>
    <message>
        <source>short</source>
        <translation>basse</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>bac latéral</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>hautes %1
basses %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>haute</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>Table &amp;DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Débogage</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>Re&amp;gistres</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Table de &amp;surveillance</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Registres</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Pas à pas : &amp;instruction</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Pas à pas : &amp;cycle</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Pas à pas : &amp;top</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>Basculer le point d&apos;&amp;arrêt</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1 : ce n&apos;est pas un mot (#0000 à #FFFF, &amp;0 à &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Table DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># une propriété par ligne, sur les relais après chaque cycle</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Prouver</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Enregistrer le script...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Chronogramme</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Comparer avec un programme</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contre-exemple (un cycle par milliseconde)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Exploration...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Aucune propriété.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Prouver des propriétés</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Refusé.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Le programme ne peut pas démarrer.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Tapez les propriétés, puis Prouver.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Comparer avec un programme...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Prouver des propriétés...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>COMPTEUR</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Compteur %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ENTRÉE</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Entrée %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Interrupteur d&apos;entrée</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Code ladder</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Voyant</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Chargement </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>SORTIE</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Sortie %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Démarrer ou arrêter la simulation (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Démarrer ou arrêter la simulation</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Interrupteur %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>TEMPO</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Temporisateur %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 ouvrir</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 fermer</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 feu</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Portail ouvert à %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Moteur en fermeture</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Moteur commandé dans les DEUX sens</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Moteur arrêté</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Moteur en ouverture</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Télécommande</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>clic :
une voiture
arrive</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>fermé</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>portail fermé sur la voiture</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>moteur contre une fin de course</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvert</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>alerte</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Adresse...	Entrée</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Copier l&apos;échelon	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Supprimer l&apos;échelon</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Descendre l&apos;échelon</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Monter l&apos;échelon</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Coller les échelons	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>adresse</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Schéma à contacts</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>E&amp;xporter le schéma...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Exporter le schéma</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Impossible d&apos;écrire le schéma dans %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Schéma à contacts</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>La langue changera au prochain démarrage de Rungbox.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>Con&amp;voyeur </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Portail</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Module</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Démarreur moteur</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Réservoir et pompes</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;aucune</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>Par&amp;king</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>Carre&amp;four à feux</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Code ladder de l&apos;automate</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Marche ou arrêt</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Enregistrer &amp;sous</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Arrêtée : lancez l&apos;exécution pour faire fonctionner la machine.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Noms</translation>
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
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nom %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>Jeu d&apos;instructions &amp;étendu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Jeu d&apos;instructions étendu</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (tests visibles)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>&amp;Rendre...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>Série d&apos;&amp;exercices</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Série d&apos;exercices</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Revenir au programme de départ de %1 ?<byte value="xd"/>
Votre travail sur cet exercice sera perdu.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Rendre...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>&amp;Ouvrir une série d&apos;exercices...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Réinitialiser l&apos;exercice</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;enregistrer la vérification :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Impossible d&apos;ouvrir la série d&apos;exercices %1 :<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;enregistrer le rendu :<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Impossible de restaurer le programme de départ de %1 :<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Impossible de conserver le travail sur %1 :<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(pas de fichier)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>Impossible d&apos;enregistrer le PDF :<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Forcer le mot</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcé</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Chronogramme</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Exporter le chronogramme en &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Exporter le chronogramme en &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajuster</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Capturer les signaux pendant l&apos;exécution</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Capturer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Chronogramme Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Afficher la moitié du temps sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Afficher toute la capture sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Afficher le double du temps sur la largeur de la fenêtre</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Le signal à ajouter ou supprimer : %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tops</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Valeurs des temporisateurs en tops au lieu de secondes</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Chronogramme</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Fichier VCD (value change dump)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>signal, p. ex. 2000 ou tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1 : ce n&apos;est pas un mot (#0000 à #FFFF, &amp;0 à &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Forcer à 0</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Forcer à 1</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Forcer le mot</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Forcé</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Affichage du mot sélectionné : hexadécimal, BCD ou décimal</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Actif/Fini</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Libérer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Surveillance :</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Surveillance</translation>
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
