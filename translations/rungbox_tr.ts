<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Merdiven mantığı PLC simülatörü</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 başlat</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 durdur</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 bant</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 besleyici</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 itici</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 giriş</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 iticide</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 uzun</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 ileride</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 geride</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 sonda</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - PLC Merdiven Kodu</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 genişletilmiş komut setine aittir: Seçenekler menüsünden Genişletilmiş Komut Seti&apos;ni açın.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%2 üzerinden %1 puan</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: Rungbox program dosyası değil</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>ADRES Aralığı</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ADRES Salt okunur</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>%1. satırdaki adrese yazılamaz.<byte value="xd"/>
Özel röleler (253.00 - 255.15), zamanlayıcılar ve sayıcılar salt okunurdur</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>%1. satırda adres aralık dışında.<byte value="xd"/>
Geçerli: 0.00 - 255.15, W0.00 - W99.15, HR0.00 - HR19.15, AR0.00 - AR15.15, TR0 - TR7, TIM 0 - TIM 127, CNT 0 - CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>SAYICI Aralığı</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>SAYICI Ayar değeri</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>%1. satırda sayıcı aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>%1. satırda sayıcı aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>%1. satırda sayıcı ayar değeri çok yüksek.<byte value="xd"/>
Geçerli aralık: #0 - #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>%1. satırda hata</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Genişletilmiş Komut Seti</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Uyumsuz Rungbox sürümü</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Geçersiz Rungbox Dosyası</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>%1. satırda JMP&apos;si olmayan JME.<byte value="xd"/>
Her JMP N komutunu JME N ile kapatın; önce içteki atlamaları kapatın</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>%1. satırda ardından JME gelmeyen JMP.<byte value="xd"/>
Her JMP N komutunu JME N ile kapatın; önce içteki atlamaları kapatın</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>ATLAMA Çiftleri</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>ATLAMA Çiftleri</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>ATLAMA Aralığı</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>%1. satırda atlama numarası aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>%1. satırda bir TIMH zamanlayıcısı var: karşılaştırma ve kanıtlama zamanlayıcıları saniyenin yüzde biri değil onda biri adımlarla ilerletir, bu yüzden bu programı tam olarak inceleyemez.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>%1. satır genişletilmiş komut seti için yazılmış: Seçenekler menüsünden Genişletilmiş Komut Seti&apos;ni açın.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>%1. satır %2 saat darbesini okuyor: karşılaştırma ve kanıtlama saatin milisaniyelerini değil, taramaları ve zamanlayıcı tiklerini adım adım ilerletir, bu yüzden bu programı tam olarak inceleyemez.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>%1. satır veri word&apos;leri kullanıyor: karşılaştırma ve kanıtlama yalnızca bitlerden oluşan programları inceler, bu yüzden bu programı tam olarak inceleyemez.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>%1. satır genişletilmiş komut setini kullanıyor; program genişletilmiş kalır.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>END bulunamadı. SİMÜLASYON başlatılırken hata ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>OPERAND Satırı</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>OPERAND Aralığı</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>OPERAND Salt okunur</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>%1. satırdaki operanda yazılamaz.<byte value="xd"/>
Sabitler, 253 - 255 kanalları, DM6144 - DM6599 ve mevcut değerler salt okunurdur</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>%1. satırda operand aralık dışında.<byte value="xd"/>
Geçerli: 0 - 255 kanalları, W0 - W99, HR0 - HR19, AR0 - AR15, DM0000 - DM1023, DM6144 - DM6599, TIM 0 - TIM 127, CNT 0 - CNT 127, #0000 - #FFFF, &amp;0 - &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>PLC Merdiven Kodu</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>RÖLE Aralığı</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>%1. satırda röle aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>AYAR DEĞERİ Aralığı</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>KAYDIRMA Aralığı</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>%1. satırda ayar değeri aralık dışında.<byte value="xd"/>
Geçerli aralık: #0000 - #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>%1. satırda kaydırmalı yazmaç aralık dışında.<byte value="xd"/>
LOCATION ve ### aynı alanın bitlerini belirtmelidir</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>ZAMANLAYICI Aralığı</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>ZAMANLAYICI Ayar değeri</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>ZAMANLAYICI/SAYICI Numarası</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Dosya END satırında biter: END&apos;den sonraki satırlardaki metin kaydedilmedi.<byte value="xd"/>
Dosyada kalması için onu END&apos;in üstüne taşıyın.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Merdiven kodu değişti.<byte value="xd"/>
Merdiven kodunu kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>%1 içindeki adlar okunamadı: (%2) %3<byte value="xd"/>
Programı kaydetmek o dosyayı olduğu gibi bırakır.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Adlar kaydedilmedi: program yüklenirken %1 tamamen okunamamıştı ve kaydetme onu olduğu gibi bırakır.<byte value="xd"/>
Adları yanında tutmak için programı başka bir adla kaydedin.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Programda END satırı yok: başlatılamaz.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Betikte test yok ve sonuna kadar çalıştı.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Betikte test yok ve durdu: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Betik reddedildi: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Yapıştırılan satırlara yer yok: programı 299. satırın ötesine taşırlar.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>%1 dosyasının şu satırları atlandı; programı kaydetmek o dosyayı olduğu gibi bırakır:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>%1. satırın altında üçüncü operand eksik.<byte value="xd"/>
ADD ve SUB sonuç word&apos;ünü, kod hücresi boş bırakılan bir sonraki satırda alır</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>%1. satırda zamanlayıcı ve sayıcı aynı numarayı kullanıyor.<byte value="xd"/>
Bir numara ya zamanlayıcıdır ya sayıcı, ikisi birden olamaz</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>%1. satırda zamanlayıcı aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>%1. satırda zamanlayıcı aralık dışında.<byte value="xd"/>
Geçerli aralık: 0 - 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>%1. satırda zamanlayıcı ayar değeri çok yüksek.<byte value="xd"/>
Geçerli aralık: #0 - #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Özellik yok.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Program başlatılamıyor.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Alıştırma paketi</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF belgesi</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>PLC dosyası</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Rungbox teslim dosyası</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>SVG veya PNG resmi</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 uzaktan kumanda</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 açık limiti</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 kapalı</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotosel</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 dur</translation>
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
        <translation>Adres bir sayı, TIM veya CNT ile bir sayı ya da bir addır.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Seçime paralel kontak (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Seçimden sonra seri kontak (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontak</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Sayıcı kutusu: sayma ve sıfırlama girişli yeni bir basamak (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>DIFD bobini: koşulu düşerken bir tarama boyunca açık (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>DIFU bobini (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Seçimi sil (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END&apos;in adresi yoktur</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END en sonda kalır</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END kalır: program onunla biter</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Yüksek hızlı zamanlayıcı kutusu, ayar değeri saniyenin yüzde biri cinsinden (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Kilitleme: bu basamaktan sonra bir IL basamağı ve onun ILC&apos;si (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Atlama: bu basamaktan sonra bir JMP basamağı ve onun JME&apos;si (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>KEEP kutusu: set ve reset girişli yeni bir basamak (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>Kontakta NOT; OUT&apos;u OUT NOT yapar ve geri alır (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Bundan sonra yeni basamak: bir kontak ve bir OUT bobini (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>OUT bobini, basamağın çıkışlarına paralel (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Paralel</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>RSET bobini: bitini kapatır (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Çift yönlü sayıcı kutusu: artırma, azaltma ve sıfırlama girişli yeni bir basamak (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Basamak</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>SET bobini: bitini açar (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Kaydırmalı yazmaç kutusu: veri, saat ve sıfırlama girişli yeni bir basamak (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Zamanlayıcı kutusu (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>KEEP kutusu iki giriş ister: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>hiçbir çıkışı beslemeyen bir kol (kollar arasında köprü)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>kollar arasında köprü: bir çıkışa paralel bir kontak</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>bobinin tek girişi vardır</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>aynı kolda bir çıkıştan sonra gelen kontak</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>kontak bir röleyi, zamanlayıcıyı veya sayıcıyı okur</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>sayıcı iki giriş ister: sayma, sıfırlama</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>sayıcı veya kaydırmalı yazmaç, basamağın koşulundan sonraki ilk çıkış olmalıdır</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>çift yönlü sayıcı üç giriş ister: artırma, azaltma, sıfırlama</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>basamağın çıkışlarından önce bir kontak olmalıdır</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>çıkışı olmayan bir basamak</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>kaydırmalı yazmaç üç giriş ister: veri, saat, sıfırlama</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>özel röleye yazılamaz</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>adres aralık dışında</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>çıkışın adresi bir röledir</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>atlama numarası aralık dışında (0 - 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>yer yok: program 299. satırı aşar</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>yer değiştirilecek basamak yok</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>çıkış değil</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>hiçbir şey seçili değil</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>yalnızca kontağın veya OUT bobininin NOT biçimi vardır</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>yalnızca zamanlayıcı, sayıcı veya kaydırmalı yazmacın ayar değeri vardır</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>yalnızca kontaklar paralel bağlanır</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>bu komut veya adres yalnızca genişletilmiş programlarda vardır</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>bu komut yalnızca genişletilmiş programlarda vardır</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>çıkışlardan sonra yalnızca son kol kontaklarla devam edebilir</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>operand aralık dışında</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>yazmaç sonu aralık dışında (0 - 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>röle aralık dışında (0 - 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>bir kontak veya çıkış seçin</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>bir kontak seçin</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>seri bağlı bir eleman dizisi seçin</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>ayar değeri aralık dışında (#0 - #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>ayar değeri aralık dışında (#0 - #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>ayar değeri aralık dışında (#0000 - #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>panoda kod satırı yok</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>panoda diyagramın çizebileceği basamak yok</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(END yok)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 girişe yaklaşma</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 ileri butonu</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 buton</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 yaya butonu</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 kuzeyde araç</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 geri butonu</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 bilet butonu</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 ileri</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 K-G kırmızı</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 giriş bariyerini kaldır</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 çalış</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 geri</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 K-G sarı</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 çıkış bariyerini kaldır</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 çalış</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 DOLU levhası</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 yıldız</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 K-G yeşil</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 boşaltma vanası</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 D-B kırmızı</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 üçgen</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 alarm</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 D-B sarı</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 çalışma lambası</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 D-B yeşil</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 aşırı yük lambası</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 geç</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 geçme</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 yer, araçlar soldan girer, sağdan çıkar</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 güneyde araç</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 girişi geçti</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 dur (NC: aktif = basılı değil)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 doğuda araç</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 çıkışa yaklaşma</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 aşırı yük OK (NC: aktif = sağlam)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 batıda araç</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 çıkışı geçti</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 motor dönüyor</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 çalışıyor</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 giriş yukarıda</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 attı</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 giriş aşağıda</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 çalışıyor</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 çıkış yukarıda</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 attı</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 onay</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 çıkış aşağıda</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → giriş 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Onayla</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Bariyer bir aracın üzerine indi</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>İki pompa 1 s içinde çalıştı</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Kutu bir kutunun üzerine beslendi</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Kutu iticide sıkıştı</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Otopark</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Araç girişi</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Araç çıkışı</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>İçerideki araçlar (gerçek)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Çakışan yeşiller</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyör</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>D-B</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Giriş →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Çıkış →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 ATTI</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 aşırı yük</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>DOLU levhası 1 s&apos;den uzun süre yanlış</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>DOLU</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Arızalar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Kapı aracın üzerine kapandı</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Sarı olmadan yeşilden kırmızıya</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Bahçe Kapısı</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Girişler</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 ileri  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 geri  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 yıldız  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 üçgen  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>İçeride yer sayısından fazla araç</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Motor Yol Verici</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Motor 1 s&apos;den uzun süre kapalı limite karşı sürüldü</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Motor iki yöne sürüldü</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>K-G</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Çıkışlar</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Aşırı yük</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Yayalar: rastgele geliyor</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Yayalar: yalnızca Geç&apos;e tıklanınca</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Yayalar</translation>
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
        <translation>Pompa alt-alt seviyenin altında kuru çalıştı</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Sıfırla</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Dönerken yön değiştirildi</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Atmadan sonra çalışıyor</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Aşırı yük atmasından sonra çalışmaya devam ediyor</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Çalışıyor</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Kısa devre K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Kısa devre: K1 ve K2 ikisi de kapalı</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Kilitlenme</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Yıldız ve üçgen ikisi de kapalı</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Yıldız ve üçgen kapalı</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Durduruldu: makineyi çalıştırmak için simülasyonu başlatın.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tank ve Pompalar</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Tank taştı</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Bilet</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Trafik Kavşağı</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Atma 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Atma 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Atmış pompaya komut verilmeye devam edildi</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Çakışan yeşilde yaya geçişi</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Geç</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Uyarı: araçlar 2 dk&apos;dan fazla bekledi</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>yaklaşma 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>yaklaşma 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>kol aracın üzerinde</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>bariyer 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>bariyer 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>iki pompa aynı anda çalıştı</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>CNTR 0&apos;ın saydığı araçlar</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>çakışan yeşiller</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>boşaltma</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>ileri</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>yük sıkıştı</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>yerden fazla araç</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>sarı yok</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>12 yerden</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>taşma</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>geçti 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>geçti 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>boşaltıldı</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>geri</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>kuru çalışma</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>levha 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>levha yanlış</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>bilet</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>attı, komutlu</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>2 dk&apos;dan fazla bekliyor</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>yeşilde geçiş</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>geç</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>sargılar: üçgen</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>sargılar: direkt yol verme</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>sargılar: kısa devre</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>sargılar: yıldız</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Açıklama sekme ve satır sonu içeremez.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Açıklama UTF-8 metin olmalıdır.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ad boş olamaz.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Ad yalnızca harf, rakam ve _ içerir ve bir harfle başlar.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Önce adrese bir ad verin.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Böyle bir adres yok.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Adres değil: 0 - 20000 arası bir röle, TIM 0 - 7 veya CNT 0 - 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>tüm testler geçti</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>düzenlendi</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>başlanmadı</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>resim çizilemedi</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Sayfa %2</translation>
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
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Merdiven Diyagramı</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Satır</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Adlar</translation>
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
        <translation>Ayar</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
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
        <translation>atıldı: %1 ms&apos;den itibaren tam</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>hiçbir şey kaydedilmedi</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>tarama %1</translation>
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
        <translation>Kayıt yapılmıyor: Kayıt&apos;a basın, sonra çalıştırın.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Hiçbir şey kaydedilmedi.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Kaydediliyor: bir sonraki çalışma kaydedilir.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Önce kaldırılacak sinyali yazın.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>bir röle adresi (0 - 20000) veya bir ad: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Otopark</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyör</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Paylaşım Bağlantısını Kopyala</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Bu bağlantıyı kopyalayın:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Hata Ayıkla</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Örnekler</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Genişletilmiş Komut Seti</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Genişletilmiş komut seti</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Bahçe Kapısı</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Merdiven Diyagramı</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Yükle</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menü çubuğu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Modül</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Motor Yol Verici</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Seçenekler</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Paylaşım bağlantısı</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Tank ve Pompalar</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Bu programın bağlantısı panoya kopyalandı.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>Sayfa gizliyken çalışma duraklatıldı.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Araçlar</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Trafik Kavşağı</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Gizli test: yalnızca sonucu görünür</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>İptal edildi.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Yeniden Denetle</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Betikle Denetle: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Betikle Denetle</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Denetleniyor...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Çalışmayı zamanlama diyagramında görmek için başarısız bir teste çift tıklayın</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Beklenen</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Alınan</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Testler</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>Seçilen başarısız testin çalışması, zamanlama diyagramında</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Zamanlama Diyagramı: %1 başarısız</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zamanlama Diyagramı</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>geçti</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Betikle Denetle...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Betikle Denetle</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>Programla Karşılaştır...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Özellikleri Kanıtla...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Bağlantının betiği okunamıyor.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%2 görünür testten %1 tanesi geçti</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Başlangıç programına geri dön.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Alıştırma Paketini Kapat</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Paketi Kapat</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Teslim etmek için tüm alıştırmalardaki çalışmanızı içeren tek bir dosya indirin</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Alıştırma listesi</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Alıştırmalar</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>&quot;%1&quot; alıştırmasının başlangıç programına geri dönülsün mü? Üzerindeki çalışmanız kaybolur.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Teslim Et</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Alıştırma Paketi Aç...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Alıştırma Paketi Aç</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Paketler yalnızca bu sayfanın kendi sitesinden açılır.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Alıştırmayı Sıfırla</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Bu alıştırmanın görünür testlerini programınız üzerinde çalıştırın</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Görev</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Tarayıcının depolama alanı daha fazlasını saklamıyor: bu paketteki çalışmanız bir sonraki ziyarete kadar saklanmayabilir. Teslim edin veya kaydedin.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Bağlantıdaki paket bu sayfanın sitesinde değil: yalnızca #pack=packs/week3/ gibi bir yol açılır.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>%1 paketi alınamıyor.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Paket çok büyük.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Site %2 için %1 yanıtını verdi.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Bu alıştırma paketi açılamıyor:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Bu alıştırma paketi açılamıyor: çok büyük.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Bu paket, bir sonraki ziyaretinizde kendiliğinden yeniden açılmak için çok büyük: onu dosyasından yeniden açın.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Çalışmanız %1 olarak indirildi: o dosyayı teslim edin.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>tüm görünür testler geçti</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>düzenlendi</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>başlanmadı</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: word değil (#0000 - #FFFF, &amp;0 - &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Kesme noktası (kaldırmak için noktaya tıklayın)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>%1. satırda kesme noktası</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM Tablosu</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>DM tablosu</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Zorla kapalı</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Zorla açık</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Word zorla</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Zorlandı</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>%1 biçimi</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Açık/Bitti</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Duraklat</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Yazmaç metni</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Yazmaç word değeri</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Yazmaç word&apos;leri</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Yazmaçlar</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Word&apos;ü serbest bırak</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Serbest bırak</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Devam Et</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Komut Adımı</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Tarama Adımı</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Tik Adımı</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Kesme Noktası Aç/Kapat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>İzleme Tablosu</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>İzleme tablosu</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>İzle:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>İzle</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Word değeri</translation>
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
        <translation>İptal</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Hayır</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Evet</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>İptal edildi.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Programla Karşılaştır</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Karşı örnek (milisaniyede bir tarama)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Bitti.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>İncele</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>İnceleniyor...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Özellikleri Kanıtla</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Kanıtla</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Reddedildi.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Betiği Kaydet...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zamanlama Diyagramı</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Özellikleri yazın, sonra Kanıtla&apos;ya basın.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Merdiven kodu</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Merdiven Diyagramı</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Güç akışlı merdiven diyagramı</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Merdiven diyagramı</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Basamak %1</translation>
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
        <translation>Basamağı Kopyala</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Seçimin basamağını kopyala (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Basamağı Sil</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Seçimin basamağını sil</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Çiz</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Seçimin adresini düzenle (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elemanlar</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Basamağı Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Basamağı Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Seçimin basamağını aşağı taşı</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Seçimin basamağını yukarı taşı</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Basamakları Yapıştır</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Basamakları seçimin basamağından sonra yapıştır (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Yinele (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Basamaklar</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Ayar değeri</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Geri Al (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
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
        <translation>0 uzaktan kumanda</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 başlat</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 açık limiti</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 durdur</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 bant</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 besleyici</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 kapalı</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 giriş</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 iticide</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 fotosel</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 dur</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 uzun</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 sonda</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Bir araç geliyor veya ilerliyor</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Beslenen kutu: %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Araç</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Konveyör</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Arızalar</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Kapı %1 % açık</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Bahçe Kapısı</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor kapatıyor</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor İKİ yöne sürülüyor</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor durdu</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor açıyor</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Uzaktan</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Durduruldu: makineyi çalıştırmak için simülasyonu başlatın.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>bant</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>son kasa: uzun %1, kısa %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>besleyici</translation>
    </message>
    <message>
        <source>open</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>short</source>
        <translation>kısa</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>yan kasa: uzun %1, kısa %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>uzun</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>uyarı</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Adlandırılacak adres</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>%1 açıklaması</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>%1 adı</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Adlar tablosu</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Adlar</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
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
        <translation>Rungbox&apos;ın yeni bir sürümü hazır: Rungbox bir sonraki başlatılışında açılır.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>SAYICI</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Sayıcı %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>GİRİŞ</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Giriş %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>ÇIKIŞ</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Çıkış %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simülasyon</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Simülasyonu başlat veya durdur</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Anahtar %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ZAMANLAYICI</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Zamanlayıcı %1</translation>
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
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Merdiven diyagramı</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Satır</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Ad ve açıklama</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Adlar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Yazdırılan program</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Programda ad yok.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Adsız program</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Başka bir Rungbox sekmesi kendi programını bir sonraki ziyaret için sakladı. Bu sekmenin programı, siz onu değiştirdiğinizde yeniden saklanır.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Tarayıcı bu sayfa için hiçbir şey saklamıyor: bu program bir sonraki ziyaret için saklanmaz. Dosya &gt; Farklı Kaydet ile kaydedin.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Tarayıcının depolama alanı dolu: bu program bir sonraki ziyaret için saklanmaz. Dosya &gt; Farklı Kaydet ile kaydedin.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Önceki bir ziyaretten saklanan program okunamadı ve onu bir kenara ayıracak yer yok: bu sekme onun üzerine hiçbir şey saklamaz.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Önceki bir ziyaretten saklanan program okunamadı. Tarayıcının depolama alanında &quot;%1&quot; olarak bir kenara ayrıldı; bu sayfa boş bir programla başlıyor.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Zamanlama diyagramını kapat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Diyagramı PNG resmi olarak indir</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Diyagramı SVG resmi olarak indir</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Kaydı değer değişim dökümü (VCD) olarak indir</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Zamanlamayı PNG Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Zamanlamayı SVG Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Zamanlamayı VCD Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Çalışma sürerken sinyalleri kaydet</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Pencere boyunca zamanın yarısını göster</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Pencere boyunca kaydın tamamını göster</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Bu sinyali göster</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Pencere boyunca zamanın iki katını göster</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Sinyal</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Bu sinyali kaydetmeyi durdur</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Eklenecek veya kaldırılacak sinyal: bir röle adresi (0 - 20000) veya bir ad: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tik</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Zamanlayıcı değerleri saniye yerine tik olarak</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zamanlama Diyagramı</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Zamanlama diyagramı: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Zamanlama diyagramı</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zamanlama</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Dalga biçimleri: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Dalga biçimleri</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinyal, ör. 2000 veya tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Çiz</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Çizim araçlarını göster</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Çizmek için çalışmayı durdurun</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Hücreye yazın</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::About</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckDialog</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Gizli test: yalnızca sonucu görünür</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Betikle Denetle: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Betikle Denetle</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Çalışmayı zamanlama diyagramında görmek için başarısız bir teste çift tıklayın</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Beklenen</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Alınan</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puan</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox betiği</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>%1 betiği okunamadı: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Zamanlama Diyagramı: %1 başarısız</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Zaman</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>başarısız</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>geçti</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Betikle Denetle...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Beslenen kutu: %1, bantta: %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Başlat</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>bant</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>kutu girişte sıkıştı</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>kutu iticide sıkıştı</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>son kasa</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>ileride</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>besleyici</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>geride</translation>
    </message>
    <message>
        <source>short</source>
        <translation>kısa</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>yan kasa</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>uzun %1
kısa %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>uzun</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>D&amp;M Tablosu</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>&amp;Hata Ayıkla</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Duraklat</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>&amp;Yazmaçlar</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>De&amp;vam Et</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>&amp;İzleme Tablosu</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Yazmaçlar</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Komut &amp;Adımı</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>&amp;Tarama Adımı</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Ti&amp;k Adımı</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>Kesme &amp;Noktası Aç/Kapat</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: word değil (#0000 - #FFFF, &amp;0 - &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM Tablosu</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># her satıra bir özellik; her taramadan sonra röleler üzerinden</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Kanıtla</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Betiği Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Zamanlama Diyagramı</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>İptal edildi.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>Programla Karşılaştır</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Karşı örnek (milisaniyede bir tarama)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Bitti.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>İnceleniyor...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Özellik yok.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Özellikleri Kanıtla</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Reddedildi.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox betiği</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Program başlatılamıyor.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Özellikleri yazın, sonra Kanıtla&apos;ya basın.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;Programla Karşılaştır...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>&amp;Özellikleri Kanıtla...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>SAYICI</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Sayıcı %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>GİRİŞ</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Giriş %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Giriş anahtarı</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Merdiven kodu</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Lamba</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Yükleniyor </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>ÇIKIŞ</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Çıkış %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Simülasyon</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Simülasyonu başlat veya durdur (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Simülasyonu başlat veya durdur</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Anahtar %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ZAMANLAYICI</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Zamanlayıcı %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 aç</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 kapat</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 lamba</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Kapı %1 % açık</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Motor kapatıyor</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Motor İKİ yöne sürülüyor</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Motor durdu</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Motor açıyor</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Uzaktan</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>tıkla:
bir araç
geliyor</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>kapı aracın üzerine kapandı</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>motor limite dayandı</translation>
    </message>
    <message>
        <source>open</source>
        <translation>açık</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>uyarı</translation>
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
        <translation>Basamağı Kopyala	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Basamağı Sil</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Çiz</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Basamağı Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Basamağı Yukarı Taşı</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Basamakları Yapıştır	Ctrl+V</translation>
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
        <translation>&amp;Merdiven Diyagramı</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>&amp;Diyagramı Dışa Aktar...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Diyagramı Dışa Aktar</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Diyagram %1 dosyasına yazılamadı.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Merdiven Diyagramı</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>Di&amp;l</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Sistem Dili</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>Dil, Rungbox bir sonraki başlatıldığında değişir.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Konveyör </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Bahçe Kapısı</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>Mod&amp;ül</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>Motor &amp;Yol Verici</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>&amp;Tank ve Pompalar</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>&amp;Hiçbiri</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>&amp;Otopark</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>Tr&amp;afik Kavşağı</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Çıkış</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>Yük&amp;le</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>PLC Merdiven Kodu</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Çalıştır veya Durdur</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>&amp;Farklı Kaydet</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Arızalar</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Durduruldu: makineyi çalıştırmak için simülasyonu başlatın.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Adlar</translation>
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
        <translation>Açıklama</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Adlar</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>ad %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>&amp;Genişletilmiş Komut Seti</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Genişletilmiş komut seti</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (görünür testler)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>&amp;Teslim Et...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Denetle</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>Alıştırma &amp;Paketi</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Alıştırma Paketi</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Alıştırma</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>%1 alıştırmasının başlangıç programına geri dönülsün mü?<byte value="xd"/>
Bu alıştırmadaki çalışmanız kaybolacak.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Teslim Et...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Alıştırma &amp;Paketi Aç...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Alıştırmayı Sıfırla</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Denetim kaydedilemedi:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>%1 alıştırma paketi açılamadı:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Teslim dosyası kaydedilemedi:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>%1 başlangıç programı geri yüklenemedi:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>%1 üzerindeki çalışma saklanamadı:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>Ya&amp;zdır...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(dosya yok)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF &amp;Olarak Dışa Aktar...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF Olarak Dışa Aktar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>PDF kaydedilemedi:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Word zorla</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Zorlandı</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Serbest bırak</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
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
        <translation>&amp;Zamanlama Diyagramı</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 yazılamıyor: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Zamanlamayı &amp;PNG/SVG Olarak Dışa Aktar...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Zamanlamayı &amp;VCD Olarak Dışa Aktar...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Sığdır</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Resim</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Çalışma sürerken sinyalleri kaydet</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Kayıt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Rungbox zamanlama diyagramı</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Pencere boyunca zamanın yarısını göster</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Pencere boyunca kaydın tamamını göster</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Pencere boyunca zamanın iki katını göster</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Eklenecek veya kaldırılacak sinyal: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Tik</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Zamanlayıcı değerleri saniye yerine tik olarak</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Zamanlama Diyagramı</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Zamanlama</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Değer değişim dökümü</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Yakınlaştır</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Uzaklaştır</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>sinyal, ör. 2000 veya tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: word değil (#0000 - #FFFF, &amp;0 - &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Zorla kapalı</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Zorla açık</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Word zorla</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Zorlandı</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Seçili word&apos;ün gösterimi: onaltılık, BCD veya ondalık</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Öğe</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>Açık/Bitti</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Serbest bırak</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Kaldır</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ayarla</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Değer</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>İzle:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>İzle</translation>
    </message>
    <message>
        <source>off</source>
        <translation>kapalı</translation>
    </message>
    <message>
        <source>on</source>
        <translation>açık</translation>
    </message>
</context>
</TS>
