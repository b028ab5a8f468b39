<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Simulator PLC logika ladder</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versi %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 mulai</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 berhenti</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 sabuk</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 pengumpan</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 pendorong</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 masuk</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 di pendorong</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 tinggi</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 maju</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 mundur</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 di ujung</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Kode Ladder PLC</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 termasuk set instruksi diperluas: aktifkan Set Instruksi Diperluas di menu Opsi.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 dari %2 poin</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: bukan berkas program Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>ALAMAT Rentang</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ALAMAT Hanya-baca</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Alamat tidak dapat ditulis pada baris %1.<byte value="xd"/>
Relay khusus (253.00 s.d. 255.15), timer, dan counter hanya dapat dibaca</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Alamat di luar rentang pada baris %1.<byte value="xd"/>
Valid: 0.00 s.d. 255.15, W0.00 s.d. W99.15, HR0.00 s.d. HR19.15, AR0.00 s.d. AR15.15, TR0 s.d. TR7, TIM 0 s.d. TIM 127, CNT 0 s.d. CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>COUNTER Rentang</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>COUNTER Nilai set</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Counter di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Counter di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Nilai set counter terlalu tinggi pada baris %1.<byte value="xd"/>
Rentang valid: #0 s.d. #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Kesalahan pada baris %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Set Instruksi Diperluas</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Versi Rungbox tidak kompatibel</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Berkas Rungbox Tidak Valid</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME tanpa JMP-nya pada baris %1.<byte value="xd"/>
Tutup setiap JMP N dengan JME N, mulai dari jump yang paling dalam</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP tanpa JME sesudahnya pada baris %1.<byte value="xd"/>
Tutup setiap JMP N dengan JME N, mulai dari jump yang paling dalam</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>JUMP Pasangan</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>JUMP Pasangan</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>JUMP Rentang</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Nomor jump di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>Baris %1 memiliki timer TIMH: bandingkan dan buktikan menjalankan timer per sepersepuluh detik, bukan perseratus detik, sehingga keduanya tidak dapat menelusuri program ini secara tepat.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>Baris %1 ditulis untuk set instruksi diperluas: aktifkan Set Instruksi Diperluas di menu Opsi.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>Baris %1 membaca pulsa clock %2: bandingkan dan buktikan menjalankan scan dan tick timer, bukan milidetik clock, sehingga keduanya tidak dapat menelusuri program ini secara tepat.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>Baris %1 memakai word data: bandingkan dan buktikan hanya menelusuri program yang berisi bit saja, sehingga keduanya tidak dapat menelusuri program ini secara tepat.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>Baris %1 memakai set instruksi diperluas; program tetap diperluas.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>END tidak ditemukan. Gagal memulai SIMULASI ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>OPERAND Baris</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>OPERAND Rentang</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERAND Hanya-baca</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Operand tidak dapat ditulis pada baris %1.<byte value="xd"/>
Konstanta, channel 253 s.d. 255, DM6144 s.d. DM6599, dan nilai saat ini hanya dapat dibaca</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Operand di luar rentang pada baris %1.<byte value="xd"/>
Valid: channel 0 s.d. 255, W0 s.d. W99, HR0 s.d. HR19, AR0 s.d. AR15, DM0000 s.d. DM1023, DM6144 s.d. DM6599, TIM 0 s.d. TIM 127, CNT 0 s.d. CNT 127, #0000 s.d. #FFFF, &amp;0 s.d. &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Kode Ladder PLC</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>RELAY Rentang</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Relay di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>NILAI SET Rentang</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>SHIFT Rentang</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Nilai set di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: #0000 s.d. #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Shift register di luar rentang pada baris %1.<byte value="xd"/>
LOCATION dan ### harus menunjuk bit dari satu area yang sama</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>TIMER Rentang</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>TIMER Nilai set</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>TIMER/COUNTER Nomor</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Berkas berakhir pada baris END: teks pada baris-baris sesudah END tidak disimpan.<byte value="xd"/>
Pindahkan teks itu ke atas END agar tetap ada di dalam berkas.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Kode ladder telah berubah.<byte value="xd"/>
Apakah Anda ingin menyimpan kode ladder?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Nama-nama di %1 tidak dapat dibaca: (%2) %3<byte value="xd"/>
Menyimpan program membiarkan berkas itu apa adanya.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Nama-nama tidak disimpan: %1 tidak terbaca utuh saat program dimuat, dan penyimpanan membiarkannya apa adanya.<byte value="xd"/>
Simpan program dengan nama lain agar nama-nama tetap berada di sampingnya.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Program tidak memiliki baris END: program tidak dapat dimulai.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Skrip tidak memiliki tes, dan berjalan sampai akhir.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Skrip tidak memiliki tes, dan berhenti: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Skrip ditolak: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Tidak ada ruang untuk baris yang ditempel: baris-baris itu akan mendorong program melewati baris 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Baris-baris %1 ini dilewati; menyimpan program membiarkan berkas itu apa adanya:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Operand ketiga hilang di bawah baris %1.<byte value="xd"/>
ADD dan SUB mengambil word hasilnya pada baris berikutnya, dengan sel kodenya kosong</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Timer dan counter memakai nomor yang sama pada baris %1.<byte value="xd"/>
Satu nomor hanya untuk timer atau counter, tidak keduanya</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Timer di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Timer di luar rentang pada baris %1.<byte value="xd"/>
Rentang valid: 0 s.d. 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Nilai set timer terlalu tinggi pada baris %1.<byte value="xd"/>
Rentang valid: #0 s.d. #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Tidak ada properti.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Program tidak dapat dimulai.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Paket latihan</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Dokumen PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Berkas PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Berkas serahan Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Gambar SVG atau PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 remote</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 batas buka</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 tertutup</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 sensor foto</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 berhenti</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>KODE LADDER</translation>
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
        <translation>Alamat berupa angka, TIM atau CNT dengan angka, atau nama.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Kontak paralel dengan pilihan (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Kontak seri sesudah pilihan (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Kotak counter: rung baru dengan count dan reset (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Coil DIFD: ON selama satu scan saat kondisinya turun (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Coil DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Hapus pilihan (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END tidak memiliki alamat</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END tetap di akhir</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END tetap ada: program diakhiri dengan END</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Kotak timer kecepatan tinggi, nilai set dalam perseratus detik (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Interlock: rung IL dan ILC-nya sesudah rung ini (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Jump: rung JMP dan JME-nya sesudah rung ini (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Kotak KEEP: rung baru dengan set dan reset (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT pada kontak, OUT menjadi OUT NOT dan sebaliknya (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Rung baru sesudah rung ini: kontak dan coil OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Coil OUT, paralel dengan output rung (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralel</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Coil RSET: mematikan bitnya (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Kotak counter reversibel: rung baru dengan increment, decrement, dan reset (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Rung</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Coil SET: menyalakan bitnya (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Kotak shift register: rung baru dengan data, clock, dan reset (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Kotak timer (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>kotak KEEP perlu dua input: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>cabang yang tidak mengalir ke output mana pun (jembatan antarcabang)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>jembatan antarcabang: kontak paralel dengan output</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>coil memiliki satu input</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>kontak sesudah output pada cabang yang sama</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>kontak membaca relay, timer, atau counter</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>counter perlu dua input: count, reset</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>counter atau shift register harus menjadi output pertama sesudah kondisi rung-nya</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>counter reversibel perlu tiga input: increment, decrement, reset</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>rung perlu kontak sebelum output-nya</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>rung tanpa output</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>shift register perlu tiga input: data, clock, reset</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>relay khusus tidak dapat ditulis</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>alamat di luar rentang</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>alamat output adalah relay</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>nomor jump di luar rentang (0 s.d. 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>tidak ada ruang: program akan melewati baris 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>tidak ada rung untuk ditukar</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>bukan output</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>tidak ada yang dipilih</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>hanya kontak atau coil OUT yang memiliki bentuk NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>hanya timer, counter, atau shift register yang memiliki nilai set</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>hanya kontak yang dapat dipasang paralel</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>hanya program diperluas yang memiliki instruksi atau alamat ini</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>hanya program diperluas yang memiliki instruksi ini</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>hanya cabang terakhir sesudah output yang boleh berlanjut melalui kontak</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operand di luar rentang</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>akhir register di luar rentang (0 s.d. 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>relay di luar rentang (0 s.d. 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>pilih kontak atau output</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>pilih kontak</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>pilih deretan elemen yang terhubung seri</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>nilai set di luar rentang (#0 s.d. #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>nilai set di luar rentang (#0 s.d. #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>nilai set di luar rentang (#0000 s.d. #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>papan klip tidak berisi baris kode</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>papan klip tidak berisi rung yang dapat digambar diagram</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(tanpa END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 mendekati masuk</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 tombol maju</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 tombol tekan</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 tombol menyeberang</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 mobil utara</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 tombol mundur</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 tombol karcis</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 maju</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 U-S merah</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 naikkan palang masuk</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 jalan</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 mundur</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 U-S kuning</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 naikkan palang keluar</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 jalan</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 papan PENUH</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 bintang</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 U-S hijau</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 katup buang</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 T-B merah</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 delta</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarm</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 T-B kuning</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 lampu jalan</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 T-B hijau</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 lampu beban lebih</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 menyeberang</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 jangan menyeberang</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 tempat, mobil masuk dari kiri, keluar ke kanan</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 mobil selatan</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 lewat masuk</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 stop (NC: on = tidak ditekan)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 mobil timur</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 mendekati keluar</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 beban lebih OK (NC: on = normal)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 mobil barat</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 lewat keluar</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 motor berputar</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 jalan</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 palang masuk naik</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 trip</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 palang masuk turun</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 jalan</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 palang keluar naik</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 trip</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 konfirmasi</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 palang keluar turun</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → input 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Konfirmasi</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Palang turun menimpa mobil</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Kedua pompa menyala dalam 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Kotak diumpankan ke atas kotak</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Kotak macet di pendorong</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parkir Mobil</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Mobil masuk</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Mobil keluar</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Mobil di dalam (nyata)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Hijau bertabrakan</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyor</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>T-B</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Masuk →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Keluar →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 TRIP</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 beban lebih</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Papan PENUH salah lebih dari 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>PENUH</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Gangguan</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Maju</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Gerbang menutup menimpa mobil</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Hijau ke merah tanpa kuning</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Gerbang Rumah</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 maju  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 mundur  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 bintang  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 delta  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Mobil di dalam lebih banyak dari tempat</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Starter Motor</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motor menekan batas tertutup lebih dari 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motor digerakkan dua arah</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>U-S</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Beban lebih</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Pejalan kaki: datang acak</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Pejalan kaki: hanya saat Menyeberang diklik</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Pejalan kaki</translation>
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
        <translation>Pompa kering di bawah level rendah-rendah</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Mundur</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Dibalik saat berputar</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Jalan setelah trip</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Tetap jalan setelah trip beban lebih</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Jalan</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Hubung singkat K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Hubung singkat: K1 dan K2 keduanya tertutup</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Macet</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Bintang dan delta keduanya tertutup</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Bintang dan delta tertutup</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Berhenti: jalankan simulasi untuk menggerakkan mesin.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tangki dan Pompa</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Tangki meluap</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Karcis</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Persimpangan Lalu Lintas</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Trip 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Trip 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Pompa trip masih diperintah</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Menyeberang saat hijau bertabrakan</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Menyeberang</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Peringatan: mobil menunggu lebih dari 2 menit</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>mendekat 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>mendekat 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>palang di atas mobil</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>palang 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>palang 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>kedua pompa menyala bersamaan</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>mobil menurut hitungan CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>hijau bertabrakan</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>buang</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>maju</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>muatan macet</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>mobil melebihi tempat</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>tanpa kuning</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>dari 12 tempat</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>luapan</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>lewat 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>lewat 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>terpompa keluar</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>mundur</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>jalan kering</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>papan 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>papan salah</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>karcis</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>trip, diperintah</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>menunggu lebih dari 2 menit</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>menyeberang saat hijau</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>menyeberang</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>belitan: delta</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>belitan: langsung (DOL)</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>belitan: terhubung singkat</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>belitan: bintang</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Komentar tidak boleh berisi tab atau baris baru.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Komentar harus berupa teks UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Nama tidak boleh kosong.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Nama hanya berisi huruf, angka, dan _, serta diawali huruf.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Beri nama alamat ini terlebih dahulu.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Alamat tidak ada.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Bukan alamat: relay 0 s.d. 20000, TIM 0 s.d. 7, atau CNT 0 s.d. 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>semua tes lulus</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>diedit</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>belum dimulai</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>gambar tidak dapat dibuat</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Halaman %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kode</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentar</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagram Ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
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
        <translation>Set</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
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
        <translation>dibuang: lengkap mulai %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>tidak ada yang terekam</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>scan %1</translation>
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
        <translation>Tidak merekam: tekan Rekam, lalu jalankan.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Tidak ada yang terekam.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Merekam: simulasi berikutnya direkam.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Ketik dulu sinyal yang akan dihapus.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>alamat relay (0 s.d. 20000) atau nama: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Parkir Mobil</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyor</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Salin Tautan Berbagi</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Salin tautan ini:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Contoh</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Set Instruksi Diperluas</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Set instruksi diperluas</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Berkas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Bantuan</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Gerbang Rumah</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagram Ladder</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Muat</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Bilah menu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modul</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Starter Motor</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Baru</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opsi</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Tautan berbagi</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Bahasa sistem</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tangki dan Pompa</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Tautan ke program ini ada di papan klip.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>Simulasi dijeda selama halaman tersembunyi.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Alat</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Persimpangan Lalu Lintas</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Tampilan</translation>
    </message>
    <message>
        <source>none</source>
        <translation>tidak ada</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Tes tersembunyi: hanya hasilnya yang tampil</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Dibatalkan.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Periksa Lagi</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Periksa dengan Skrip: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Periksa dengan Skrip</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Memeriksa...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Klik ganda tes yang gagal untuk melihat jalannya di diagram waktu</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Diharapkan</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Didapat</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poin</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tes</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tes</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>Jalannya tes gagal yang dipilih dalam diagram waktu</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagram Waktu: %1 gagal</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagram Waktu</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kapan</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>gagal</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>lulus</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Periksa dengan Skrip...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Periksa dengan Skrip</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Bandingkan dengan Program...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Buktikan Properti...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Skrip dari tautan tidak dapat dibaca.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 dari %2 tes terlihat lulus</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Kembali ke program awal.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Tutup Paket Latihan</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Tutup Paket</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Unduh satu berkas berisi pekerjaan Anda pada setiap latihan, untuk diserahkan</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Daftar latihan</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Kembali ke program awal &quot;%1&quot;? Pekerjaan Anda padanya akan hilang.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Serahkan</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Buka Paket Latihan...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Buka Paket Latihan</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Paket hanya dibuka dari situs halaman ini sendiri.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reset Latihan</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Jalankan tes terlihat latihan ini pada program Anda</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Soal</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Penyimpanan browser tidak menampung apa-apa lagi: pekerjaan Anda pada paket ini mungkin tidak tersimpan untuk kunjungan berikutnya. Serahkan atau simpan.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Paket dari tautan tidak ada di situs halaman ini: hanya path seperti #pack=packs/week3/ yang dibuka.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Paket %1 tidak dapat diambil.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Paket terlalu besar.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Situs menjawab %1 untuk %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Paket latihan ini tidak dapat dibuka:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Paket latihan ini tidak dapat dibuka: terlalu besar.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Paket ini terlalu besar untuk dibuka lagi dengan sendirinya pada kunjungan berikutnya: buka lagi dari berkasnya.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Pekerjaan Anda diunduh sebagai %1: serahkan berkas itu.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>semua tes terlihat lulus</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>diedit</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>belum dimulai</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: bukan word (#0000 s.d. #FFFF, &amp;0 s.d. &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Breakpoint (klik titiknya untuk menghapus)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Breakpoint pada baris %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabel DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Tabel DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Paksa off</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Paksa on</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Paksa word</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Dipaksa</translation>
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
        <translation>Item</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>On/Selesai</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Jeda</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Teks register</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Nilai word register</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Word register</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Lepas word</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Lepas</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Lanjutkan</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Langkah Instruksi</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Langkah Scan</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Langkah Tick</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Alihkan Breakpoint</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Tabel Pantau</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Tabel pantau</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Pantau:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Pantau</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Nilai word</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Tidak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ya</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Dibatalkan.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Bandingkan dengan Program</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contoh penyangkal (satu scan per milidetik)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Selesai.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Telusuri</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Menelusuri...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Kemajuan</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Properti</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Buktikan Properti</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Buktikan</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Ditolak.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Simpan Skrip...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagram Waktu</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Ketik properti, lalu Buktikan.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Kode ladder</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagram Ladder</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Diagram ladder dengan aliran daya</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagram ladder</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Rung %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Alamat...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Salin Rung</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Salin rung dari pilihan (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Hapus Rung</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Hapus rung dari pilihan</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Edit alamat pilihan (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemen</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Pindahkan Rung ke Bawah</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Pindahkan Rung ke Atas</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Pindahkan rung dari pilihan ke bawah</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Pindahkan rung dari pilihan ke atas</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Tempel Rung</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Tempel rung sesudah rung dari pilihan (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Ulangi (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Rung</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Nilai set</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Urungkan (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>address</source>
        <translation>alamat</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 remote</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 mulai</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 batas buka</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 berhenti</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 sabuk</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 pengumpan</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 tertutup</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 masuk</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 di pendorong</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 sensor foto</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 berhenti</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 tinggi</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 di ujung</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Mobil datang, atau melaju terus</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Kotak diumpankan %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Mobil</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyor</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Gangguan</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Gerbang %1 % terbuka</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Gerbang Rumah</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor menutup</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor digerakkan DUA arah</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor mati</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor membuka</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Berhenti: jalankan simulasi untuk menggerakkan mesin.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>sabuk</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>tertutup</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>bak ujung: tinggi %1, pendek %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>pengumpan</translation>
    </message>
    <message>
        <source>open</source>
        <translation>terbuka</translation>
    </message>
    <message>
        <source>short</source>
        <translation>pendek</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>bak samping: tinggi %1, pendek %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>tinggi</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>peringatan</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Alamat yang diberi nama</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Komentar %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentar</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Nama %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Tabel nama</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>address</source>
        <translation>alamat</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Versi baru Rungbox sudah siap: versi itu terbuka saat Rungbox dimulai lagi.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>COUNTER</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Counter %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INPUT</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulasi</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Mulai atau hentikan simulasi</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Sakelar %1</translation>
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
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentar</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Diagram ladder</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Baris</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Daftar kode</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Nama dan komentar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Program tercetak</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Program tidak memiliki nama.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Program tanpa judul</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Tab Rungbox lain menyimpan programnya untuk kunjungan berikutnya. Program tab ini disimpan lagi saat Anda mengubahnya.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Browser tidak menyimpan apa pun untuk halaman ini: program ini tidak disimpan untuk kunjungan berikutnya. Simpan dengan Berkas &gt; Simpan Sebagai.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Penyimpanan browser penuh: program ini tidak disimpan untuk kunjungan berikutnya. Simpan dengan Berkas &gt; Simpan Sebagai.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Program yang disimpan dari kunjungan sebelumnya tidak dapat dibaca, dan tidak ada ruang untuk menyisihkannya: tab ini tidak menyimpan apa pun di atasnya.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Program yang disimpan dari kunjungan sebelumnya tidak dapat dibaca. Program itu disisihkan di penyimpanan browser sebagai &quot;%1&quot;; halaman ini dimulai dengan program kosong.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Tutup diagram waktu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Unduh diagram sebagai gambar PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Unduh diagram sebagai gambar SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Unduh rekaman sebagai value change dump (VCD)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Ekspor Waktu sebagai PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Ekspor Waktu sebagai SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Ekspor Waktu sebagai VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Rekam sinyal selama simulasi berjalan</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekam</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Tampilkan setengah waktu selebar jendela</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Tampilkan seluruh rekaman selebar jendela</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Tampilkan sinyal ini</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Tampilkan dua kali waktu selebar jendela</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sinyal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Berhenti merekam sinyal ini</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Sinyal yang ditambah atau dihapus: alamat relay (0 s.d. 20000) atau nama: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Nilai timer dalam tick, bukan detik</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagram Waktu</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Diagram waktu: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Diagram waktu</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Bentuk gelombang: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Bentuk gelombang</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinyal, mis. 2000 atau tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Tampilkan alat gambar</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Hentikan simulasi untuk menggambar</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Ketik ke dalam sel</translation>
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
        <translation>Tes tersembunyi: hanya hasilnya yang tampil</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Periksa dengan Skrip: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Periksa dengan Skrip</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Klik ganda tes yang gagal untuk melihat jalannya di diagram waktu</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Diharapkan</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Didapat</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Poin</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Hasil</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Skrip Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tes</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Skrip %1 tidak dapat dibaca: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Diagram Waktu: %1 gagal</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Kapan</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>gagal</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>lulus</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Periksa dengan Skrip...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Kotak diumpankan %1, di sabuk %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Mulai</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>sabuk</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>kotak macet di jalur masuk</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>kotak macet di pendorong</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>bak ujung</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>maju</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>pengumpan</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>mundur</translation>
    </message>
    <message>
        <source>short</source>
        <translation>pendek</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>bak samping</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>tinggi %1
pendek %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>tinggi</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>Tabel &amp;DM</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Debug</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Jeda</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Register</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Lanjutkan</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>Tabel &amp;Pantau</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Langkah &amp;Instruksi</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Langkah &amp;Scan</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Langkah &amp;Tick</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>Alihkan &amp;Breakpoint</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: bukan word (#0000 s.d. #FFFF, &amp;0 s.d. &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Tabel DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># satu properti per baris, atas relay setelah setiap scan</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Buktikan</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Simpan Skrip...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagram &amp;Waktu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Dibatalkan.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Tutup</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Bandingkan dengan Program</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Contoh penyangkal (satu scan per milidetik)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Selesai.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Menelusuri...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Tidak ada properti.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Buktikan Properti</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Ditolak.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Skrip Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Program tidak dapat dimulai.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Ketik properti, lalu Buktikan.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Bandingkan dengan Program...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>Buk&amp;tikan Properti...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Alat</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>COUNTER</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Counter %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>INPUT</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Input %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Sakelar input</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Kode ladder</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lampu</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Memuat </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Output %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simulasi</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Mulai atau hentikan simulasi (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Mulai atau hentikan simulasi</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Sakelar %1</translation>
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
        <translation>1000 buka</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 tutup</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 lampu</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Gerbang %1 % terbuka</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor menutup</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor digerakkan DUA arah</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor mati</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor membuka</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Remote</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>klik:
mobil
datang</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>tertutup</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>gerbang menutup menimpa mobil</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>motor menekan batas</translation>
    </message>
    <message>
        <source>open</source>
        <translation>terbuka</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>peringatan</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Alamat...	Enter</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Salin Rung	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Hapus Rung</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Pindahkan Rung ke Bawah</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Pindahkan Rung ke Atas</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Tempel Rung	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>alamat</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Diagram Ladder</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>&amp;Ekspor Diagram...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Ekspor Diagram</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Diagram tidak dapat ditulis ke %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Diagram Ladder</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>Ba&amp;hasa</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Bahasa Sistem</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>Bahasa berganti saat Rungbox dimulai lagi.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Konveyor </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Gerbang Rumah</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Modul</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Starter Motor</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Tangki dan Pompa</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>Tidak &amp;ada</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>&amp;Parkir Mobil</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>Pe&amp;rsimpangan Lalu Lintas</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Tentang</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Keluar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ba&amp;ntuan</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Muat</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Baru</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Simpan</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Tampilan</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Kode Ladder PLC</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Jalankan atau Hentikan</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Simpan Seba&amp;gai</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Gangguan</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Berhenti: jalankan simulasi untuk menggerakkan mesin.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Nama</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Alamat</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ulangi</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Urungkan</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>nama %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>Set Instruksi &amp;Diperluas</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Set instruksi diperluas</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (tes terlihat)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>Se&amp;rahkan...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Periksa</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>Paket &amp;Latihan</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Paket Latihan</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Latihan</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Kembali ke program awal %1?<byte value="xd"/>
Pekerjaan Anda pada latihan ini akan hilang.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Serahkan...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Buka Paket &amp;Latihan...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Reset Latihan</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Pemeriksaan tidak dapat dicatat:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Paket latihan %1 tidak dapat dibuka:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Berkas serahan tidak dapat disimpan:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Program awal %1 tidak dapat dipulihkan:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Pekerjaan pada %1 tidak dapat disimpan:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Cetak...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(tanpa berkas)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Ekspor P&amp;DF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Ekspor PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Cetak</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>PDF tidak dapat disimpan:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Paksa word</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Dipaksa</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Lepas</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Word</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>Diagram &amp;Waktu</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Tutup</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Berkas</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Tidak dapat menulis %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Ekspor Waktu sebagai &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Ekspor Waktu sebagai &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Gambar</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Rekam sinyal selama simulasi berjalan</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Rekam</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Diagram waktu Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Tampilkan setengah waktu selebar jendela</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Tampilkan seluruh rekaman selebar jendela</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Tampilkan dua kali waktu selebar jendela</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Sinyal yang ditambah atau dihapus: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Nilai timer dalam tick, bukan detik</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Diagram Waktu</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Waktu</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Value change dump</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Perbesar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Perkecil</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinyal, mis. 2000 atau tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: bukan word (#0000 s.d. #FFFF, &amp;0 s.d. &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Tambah</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Paksa off</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Paksa on</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Paksa word</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Dipaksa</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Cara word terpilih ditampilkan: heksadesimal, BCD, atau desimal</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>On/Selesai</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Lepas</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Hapus</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Nilai</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Pantau:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Pantau</translation>
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
