<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>Trình mô phỏng PLC lập trình bậc thang</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Phiên bản %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 khởi động</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 dừng</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 băng tải</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 cấp phôi</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 cơ cấu đẩy</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 lối vào</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 tại cơ cấu đẩy</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 hộp cao</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 đã đẩy ra</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 đã thu về</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 ở cuối băng</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - Mã bậc thang PLC</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 thuộc tập lệnh mở rộng: hãy bật Tập lệnh mở rộng trong menu Tùy chọn.</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 trên %2 điểm</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1: không phải tệp chương trình Rungbox</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>Phạm vi ĐỊA CHỈ</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>ĐỊA CHỈ chỉ đọc</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>Không thể ghi vào địa chỉ ở dòng %1.<byte value="xd"/>
Rơle đặc biệt (253.00 đến 255.15), bộ định thời và bộ đếm chỉ được đọc</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>Địa chỉ vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Hợp lệ: 0.00 đến 255.15, W0.00 đến W99.15, HR0.00 đến HR19.15, AR0.00 đến AR15.15, TR0 đến TR7, TIM 0 đến TIM 127, CNT 0 đến CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>Phạm vi BỘ ĐẾM</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>Giá trị đặt BỘ ĐẾM</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>Không thể ghi %1: %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>Số bộ đếm vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>Số bộ đếm vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>Giá trị đặt của bộ đếm quá lớn ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: #0 đến #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>Lỗi ở dòng %1</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>Tập lệnh mở rộng</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Phiên bản Rungbox không tương thích</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>Tệp Rungbox không hợp lệ</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>JME không có JMP tương ứng ở dòng %1.<byte value="xd"/>
Hãy đóng mỗi JMP N bằng JME N, đóng lệnh nhảy bên trong trước</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>JMP không có JME theo sau ở dòng %1.<byte value="xd"/>
Hãy đóng mỗi JMP N bằng JME N, đóng lệnh nhảy bên trong trước</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>Cặp lệnh NHẢY</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>Cặp lệnh NHẢY</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>Phạm vi NHẢY</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>Số lệnh nhảy vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>Dòng %1 có bộ định thời TIMH: so sánh và chứng minh chạy bộ định thời theo bước 0,1 giây, không phải 0,01 giây, nên không thể khảo sát chính xác chương trình này.</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>Dòng %1 được viết cho tập lệnh mở rộng: hãy bật Tập lệnh mở rộng trong menu Tùy chọn.</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>Dòng %1 đọc xung đồng hồ %2: so sánh và chứng minh chạy theo vòng quét và nhịp bộ định thời, không theo mili giây của đồng hồ, nên không thể khảo sát chính xác chương trình này.</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>Dòng %1 dùng từ dữ liệu: so sánh và chứng minh chỉ khảo sát được chương trình chỉ có bit, nên không thể khảo sát chính xác chương trình này.</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>Dòng %1 dùng tập lệnh mở rộng; chương trình vẫn ở chế độ mở rộng.</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>Không gặp lệnh END. Lỗi khi khởi động MÔ PHỎNG ...</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>Dòng TOÁN HẠNG</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>Phạm vi TOÁN HẠNG</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>TOÁN HẠNG chỉ đọc</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>Không thể ghi vào toán hạng ở dòng %1.<byte value="xd"/>
Hằng số, kênh 253 đến 255, DM6144 đến DM6599 và giá trị hiện tại chỉ được đọc</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>Toán hạng vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Hợp lệ: kênh 0 đến 255, W0 đến W99, HR0 đến HR19, AR0 đến AR15, DM0000 đến DM1023, DM6144 đến DM6599, TIM 0 đến TIM 127, CNT 0 đến CNT 127, #0000 đến #FFFF, &amp;0 đến &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>Mã bậc thang PLC</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>Phạm vi RƠLE</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>Rơle vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>Phạm vi GIÁ TRỊ ĐẶT</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>Phạm vi DỊCH</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>Giá trị đặt vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: #0000 đến #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>Thanh ghi dịch vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
LOCATION và ### phải chỉ các bit thuộc cùng một vùng</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>Phạm vi BỘ ĐỊNH THỜI</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>Giá trị đặt BỘ ĐỊNH THỜI</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>Số BỘ ĐỊNH THỜI/BỘ ĐẾM</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>Tệp kết thúc ở dòng END: văn bản trên các dòng sau END không được lưu.<byte value="xd"/>
Hãy chuyển văn bản đó lên trên END để giữ lại trong tệp.</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>Mã bậc thang đã thay đổi.<byte value="xd"/>
Bạn có muốn lưu mã bậc thang không?</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>Không đọc được tên trong %1: (%2) %3<byte value="xd"/>
Việc lưu chương trình sẽ giữ nguyên tệp đó.</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>Tên chưa được lưu: %1 chưa được đọc trọn vẹn khi nạp chương trình, và việc lưu sẽ giữ nguyên tệp đó.<byte value="xd"/>
Hãy lưu chương trình dưới tên khác để giữ các tên bên cạnh nó.</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>Chương trình không có dòng END: không thể khởi động.</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>Script không có phép thử nào và đã chạy đến hết.</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>Script không có phép thử nào và đã dừng: %1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>Script bị từ chối: %1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>Không còn chỗ cho các dòng được dán: chúng sẽ đẩy chương trình vượt quá dòng 299.</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>Các dòng sau của %1 đã bị bỏ qua; việc lưu chương trình sẽ giữ nguyên tệp đó:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>Thiếu toán hạng thứ ba bên dưới dòng %1.<byte value="xd"/>
ADD và SUB lấy từ kết quả ở dòng kế tiếp, với ô mã để trống</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>Bộ định thời và bộ đếm trùng số ở dòng %1.<byte value="xd"/>
Mỗi số chỉ dành cho bộ định thời hoặc bộ đếm, không phải cả hai</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>Số bộ định thời vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>Số bộ định thời vượt ngoài phạm vi ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: 0 đến 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>Giá trị đặt của bộ định thời quá lớn ở dòng %1.<byte value="xd"/>
Phạm vi hợp lệ: #0 đến #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>Không có tính chất nào.</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Không thể khởi động chương trình.</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>Bộ bài tập</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Tài liệu PDF</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>Tệp PLC</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Bài nộp Rungbox</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>Ảnh SVG hoặc PNG</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 từ xa</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 giới hạn mở</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 đã đóng</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 mắt quang</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 dừng</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>MÃ LỆNH</translation>
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
        <translation>Địa chỉ là một số, TIM hoặc CNT kèm một số, hoặc một tên.</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>Tiếp điểm song song với phần chọn (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>Tiếp điểm nối tiếp sau phần chọn (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Tiếp điểm</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>Khối bộ đếm: nấc mới có đầu vào đếm và đặt lại (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>Cuộn dây DIFD: bật trong một vòng quét khi điều kiện chuyển từ bật sang tắt (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>Cuộn dây DIFU (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>Xóa phần chọn (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END không có địa chỉ</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END luôn ở cuối</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END được giữ lại: chương trình kết thúc bằng END</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>Khối bộ định thời tốc độ cao, giá trị đặt theo 0,01 giây (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>Khóa liên động: nấc IL và ILC của nó sau nấc này (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>Lệnh nhảy: nấc JMP và JME của nó sau nấc này (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>Khối KEEP: nấc mới có đầu vào set và reset (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>NOT trên tiếp điểm, đổi OUT thành OUT NOT và ngược lại (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>Nấc mới sau nấc này: một tiếp điểm và một cuộn dây OUT (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>Cuộn dây OUT, song song với các đầu ra của nấc (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>Song song</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>Cuộn dây RSET: tắt bit của nó (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>Khối bộ đếm thuận nghịch: nấc mới có đầu vào đếm lên, đếm xuống và đặt lại (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>Nấc</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>Cuộn dây SET: bật bit của nó (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>Khối thanh ghi dịch: nấc mới có đầu vào dữ liệu, xung nhịp và đặt lại (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>Khối bộ định thời (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>khối KEEP cần hai đầu vào: set, reset</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>nhánh không cấp cho đầu ra nào (cầu nối giữa các nhánh)</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>cầu nối giữa các nhánh: tiếp điểm song song với một đầu ra</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>cuộn dây chỉ có một đầu vào</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>tiếp điểm nằm sau một đầu ra trên cùng nhánh</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>tiếp điểm đọc một rơle, bộ định thời hoặc bộ đếm</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>bộ đếm cần hai đầu vào: đếm, đặt lại</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>bộ đếm hoặc thanh ghi dịch phải là đầu ra đầu tiên sau điều kiện của nấc</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>bộ đếm thuận nghịch cần ba đầu vào: đếm lên, đếm xuống, đặt lại</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>nấc cần một tiếp điểm trước các đầu ra</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>nấc không có đầu ra</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>thanh ghi dịch cần ba đầu vào: dữ liệu, xung nhịp, đặt lại</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>không thể ghi vào rơle đặc biệt</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>địa chỉ vượt ngoài phạm vi</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>địa chỉ của đầu ra phải là một rơle</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>số lệnh nhảy vượt ngoài phạm vi (0 đến 49)</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>hết chỗ: chương trình sẽ vượt quá dòng 299</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>không có nấc để hoán đổi</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>không phải đầu ra</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>chưa chọn gì</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>chỉ tiếp điểm hoặc cuộn dây OUT có dạng NOT</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>chỉ bộ định thời, bộ đếm hoặc thanh ghi dịch có giá trị đặt</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>chỉ tiếp điểm mới được mắc song song</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>chỉ chương trình mở rộng mới có lệnh hoặc địa chỉ này</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>chỉ chương trình mở rộng mới có lệnh này</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>sau các đầu ra, chỉ nhánh cuối cùng được nối tiếp qua tiếp điểm</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>toán hạng vượt ngoài phạm vi</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>cuối thanh ghi vượt ngoài phạm vi (0 đến 20000)</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>rơle vượt ngoài phạm vi (0 đến 20000)</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>chọn một tiếp điểm hoặc một đầu ra</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>chọn một tiếp điểm</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>chọn một dãy phần tử nối tiếp</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>giá trị đặt vượt ngoài phạm vi (#0 đến #600)</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>giá trị đặt vượt ngoài phạm vi (#0 đến #9999)</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>giá trị đặt vượt ngoài phạm vi (#0000 đến #9999)</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>bộ nhớ tạm không chứa dòng mã nào</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>bộ nhớ tạm không chứa nấc nào mà sơ đồ vẽ được</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(không có END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 xe đến lối vào</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 nút chạy thuận</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 nút nhấn</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 nút đi bộ</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 xe hướng bắc</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 nút chạy nghịch</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 nút lấy vé</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 thuận</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 đỏ B-N</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 nâng barie vào</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 chạy</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 nghịch</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 vàng B-N</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 nâng barie ra</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 chạy</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 biển HẾT CHỖ</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 sao</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 xanh B-N</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 van xả</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 đỏ Đ-T</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 tam giác</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 báo động</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 vàng Đ-T</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 đèn chạy</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 xanh Đ-T</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 đèn quá tải</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 đi bộ</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 cấm đi bộ</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 chỗ, xe vào từ bên trái, ra bên phải</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 xe hướng nam</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 đã qua lối vào</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 dừng (NC: ON = không nhấn)</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 xe hướng đông</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 xe đến lối ra</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 quá tải OK (NC: ON = bình thường)</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 xe hướng tây</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 đã qua lối ra</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 động cơ đang quay</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 đang chạy</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 barie vào lên</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 đã ngắt</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 barie vào xuống</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 đang chạy</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 barie ra lên</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 đã ngắt</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 xác nhận</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 barie ra xuống</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → đầu vào 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>Xác nhận</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>Barie hạ xuống xe</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>Hai bơm khởi động trong vòng 1 s</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>Hộp được cấp chồng lên hộp khác</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>Hộp bị kẹt ở cơ cấu đẩy</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Bãi đỗ xe</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>Xe vào</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>Xe ra</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>Xe trong bãi (thực tế)</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>Đèn xanh xung đột</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Băng tải</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>Đ-T</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>Lối vào →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>Lối ra →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 ĐÃ NGẮT</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 quá tải</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>Biển HẾT CHỖ sai quá 1 s</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>HẾT CHỖ</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Thuận</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>Cổng đóng vào xe</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>Xanh sang đỏ không qua vàng</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cổng nhà</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Đầu vào</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 thuận  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 nghịch  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 sao  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 tam giác  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>Số xe trong bãi nhiều hơn số chỗ</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Khởi động động cơ</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>Động cơ ép vào giới hạn đã chạm quá 1 s</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>Động cơ bị điều khiển cả hai chiều</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>B-N</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Đầu ra</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>Quá tải</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>Người đi bộ: đến ngẫu nhiên</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>Người đi bộ: chỉ khi nhấp Đi bộ</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>Người đi bộ</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>Chương trình (CNT 0)</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>Bơm 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>Bơm 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>Bơm chạy khô dưới mức thấp-thấp</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Nghịch</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>Đảo chiều khi đang quay</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>Chạy sau khi ngắt</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>Vẫn chạy sau khi ngắt quá tải</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Đang chạy</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>Ngắn mạch K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>Ngắn mạch: K1 và K2 cùng đóng</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>Kẹt rotor</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>Sao và tam giác cùng đóng</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>Sao và tam giác đóng</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Đã dừng: hãy chạy mô phỏng để vận hành máy.</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Bồn và bơm</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>Bồn bị tràn</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Vé</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Ngã tư giao thông</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>Ngắt 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>Ngắt 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>Bơm đã ngắt vẫn còn lệnh chạy</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>Đi bộ khi có đèn xanh xung đột</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>Đi bộ</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>Cảnh báo: xe chờ quá 2 phút</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>đến gần 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>đến gần 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>cần chắn trên xe</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>barie 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>barie 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>hai bơm khởi động cùng lúc</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>xe theo số đếm CNTR 0</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>đèn xanh xung đột</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>xả</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>thuận</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>tải bị kẹt</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>nhiều xe hơn số chỗ</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>không có vàng</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>trên 12 chỗ</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>tràn</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>đã qua 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>đã qua 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>đã bơm cạn</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>nghịch</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>chạy khô</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>biển 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>biển sai</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>vé</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>đã ngắt, vẫn có lệnh</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>chờ quá 2 phút</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>đi bộ khi đèn xanh</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>đi bộ</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>dây quấn: tam giác</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>dây quấn: khởi động trực tiếp</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>dây quấn: ngắn mạch</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>dây quấn: sao</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>Chú thích không được chứa tab hay ngắt dòng.</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>Chú thích phải là văn bản UTF-8.</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Tên không được để trống.</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>Tên chỉ gồm chữ cái, chữ số và _, và bắt đầu bằng chữ cái.</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>Hãy đặt tên cho địa chỉ trước.</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>Không có địa chỉ này.</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>Không phải địa chỉ: rơle 0 đến 20000, TIM 0 đến 7 hoặc CNT 0 đến 7.</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>đạt mọi phép thử</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>đã sửa</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>chưa bắt đầu</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>không thể vẽ hình</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   Trang %2</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Mã</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Chú thích</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Dòng</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Bảng tên</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>Toán hạng</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Chương trình</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>GT đặt</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>Nạp</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu dưới tên</translation>
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
        <translation>bị bỏ: đầy đủ từ %1 ms</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>chưa ghi được gì</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>vòng quét %1</translation>
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
        <translation>Không ghi: nhấn Ghi, rồi chạy.</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>Chưa ghi được gì.</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>Đang ghi: lần chạy tiếp theo sẽ được ghi lại.</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>Hãy nhập tín hiệu cần xóa trước.</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>địa chỉ rơle (0 đến 20000) hoặc tên: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>Bãi đỗ xe</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Băng tải</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>Sao chép liên kết chia sẻ</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>Sao chép liên kết này:</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Gỡ lỗi</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ví dụ</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>Tập lệnh mở rộng</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Tập lệnh mở rộng</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Tệp</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cổng nhà</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Nạp</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Thanh menu</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>Mô-đun</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>Khởi động động cơ</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Mới</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Tùy chọn</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Lưu dưới tên</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>Liên kết chia sẻ</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Ngôn ngữ hệ thống</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>Bồn và bơm</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>Liên kết đến chương trình này đã được chép vào bộ nhớ tạm.</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>Lần chạy đã tạm dừng trong khi trang bị ẩn.</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Công cụ</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>Ngã tư giao thông</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Xem</translation>
    </message>
    <message>
        <source>none</source>
        <translation>không</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>Phép thử ẩn: chỉ hiện kết quả</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Đã hủy.</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>Kiểm tra lại</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Kiểm tra bằng script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Kiểm tra bằng script</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Đang kiểm tra...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Nhấp đúp vào phép thử không đạt để xem lần chạy trên giản đồ thời gian</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Mong đợi</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Thực tế</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Tiến độ</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Phép thử</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Phép thử</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>Lần chạy của phép thử không đạt đã chọn, trên giản đồ thời gian</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Giản đồ thời gian: %1 không đạt</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Giản đồ thời gian</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Thời điểm</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>không đạt</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>đạt</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>Kiểm tra bằng script...</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Kiểm tra bằng script</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>So sánh với chương trình...</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>Chứng minh tính chất...</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>Không đọc được script của liên kết.</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%1 trên %2 phép thử hiển thị đạt</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>Đã quay về chương trình ban đầu.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>Đóng bộ bài tập</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>Đóng bộ bài tập</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>Tải về một tệp chứa bài làm của mọi bài tập, để nộp</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>Danh sách bài tập</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>Bài tập</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>Quay về chương trình ban đầu của “%1”? Bài làm của bạn trên bài đó sẽ mất.</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>Nộp bài</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>Mở bộ bài tập...</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>Mở bộ bài tập</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>Chỉ mở được bộ bài tập từ chính trang web của trang này.</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Đặt lại bài tập</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>Chạy các phép thử hiển thị của bài tập này trên chương trình của bạn</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>Đề bài</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>Bộ nhớ trình duyệt không lưu thêm được gì: bài làm của bạn trên bộ bài tập này có thể không được giữ cho lần truy cập sau. Hãy nộp hoặc lưu lại.</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>Bộ bài tập của liên kết không nằm trên trang web của trang này: chỉ mở đường dẫn dạng #pack=packs/week3/.</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>Không tải được bộ bài tập %1.</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>Bộ bài tập quá lớn.</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>Trang web trả lời %1 cho %2.</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>Không mở được bộ bài tập này:
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>Không mở được bộ bài tập này: nó quá lớn.</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>Bộ bài tập này quá lớn để tự mở lại ở lần truy cập sau: hãy mở lại từ tệp của nó.</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>Bài làm của bạn được tải về với tên %1: hãy nộp tệp đó.</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>đạt mọi phép thử hiển thị</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>đã sửa</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>chưa bắt đầu</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: không phải một từ (#0000 đến #FFFF, &amp;0 đến &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>Điểm dừng (nhấp vào chấm để xóa)</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>Điểm dừng ở dòng %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Bảng DM</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>Bảng DM</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Cưỡng bức OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Cưỡng bức ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Cưỡng bức từ</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Đã cưỡng bức</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>Định dạng của %1</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Định dạng</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Mục</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/Xong</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Tạm dừng</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>Văn bản thanh ghi</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>Giá trị từ thanh ghi</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>Từ thanh ghi</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Thanh ghi</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>Bỏ cưỡng bức từ</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Bỏ cưỡng bức</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Chạy tiếp</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Đặt</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>Chạy từng lệnh</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>Chạy từng vòng quét</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>Chạy từng nhịp</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>Bật/tắt điểm dừng</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>Bảng theo dõi</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>Bảng theo dõi</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Theo dõi:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Theo dõi</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>Giá trị từ</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Từ</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Không</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Có</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>Đã hủy.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>So sánh với chương trình</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Phản ví dụ (mỗi mili giây một vòng quét)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Xong.</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>Khảo sát</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Đang khảo sát...</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Tiến độ</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Tính chất</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Chứng minh tính chất</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>Chứng minh</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Bị từ chối.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>Lưu script...</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Giản đồ thời gian</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Nhập các tính chất, rồi nhấn Chứng minh.</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>Mã bậc thang</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>Sơ đồ bậc thang hiển thị dòng điện</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>Nấc %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>Địa chỉ...</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>Sao chép nấc</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>Sao chép nấc chứa phần chọn (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Xóa nấc</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>Xóa nấc chứa phần chọn</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Vẽ</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>Sửa địa chỉ của phần chọn (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Phần tử</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Chuyển nấc xuống</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Chuyển nấc lên</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>Chuyển nấc chứa phần chọn xuống</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>Chuyển nấc chứa phần chọn lên</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>Dán nấc</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>Dán nấc sau nấc chứa phần chọn (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>Làm lại (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>Nấc</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>Giá trị đặt</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Hoàn tác (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>address</source>
        <translation>địa chỉ</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 từ xa</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 khởi động</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 giới hạn mở</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 dừng</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 băng tải</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 cấp phôi</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 đã đóng</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 lối vào</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 tại cơ cấu đẩy</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 mắt quang</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 dừng</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 hộp cao</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 ở cuối băng</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>Một xe đến, hoặc đi tiếp</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>Hộp đã cấp %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>Xe</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>Băng tải</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Cổng mở %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>Cổng nhà</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Động cơ đang đóng</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Động cơ bị điều khiển CẢ HAI chiều</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Động cơ tắt</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Động cơ đang mở</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Từ xa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Khởi động</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Đã dừng: hãy chạy mô phỏng để vận hành máy.</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>băng tải</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>đã đóng</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>thùng cuối: cao %1, thấp %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>cấp phôi</translation>
    </message>
    <message>
        <source>open</source>
        <translation>mở</translation>
    </message>
    <message>
        <source>short</source>
        <translation>thấp</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>thùng bên: cao %1, thấp %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>cao</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>cảnh báo</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>Địa chỉ cần đặt tên</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>Chú thích của %1</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Chú thích</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>Tên của %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>Bảng tên</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>address</source>
        <translation>địa chỉ</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Đã có phiên bản Rungbox mới: phiên bản này sẽ được dùng từ lần khởi động Rungbox tiếp theo.</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>BỘ ĐẾM</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Bộ đếm %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ĐẦU VÀO</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Đầu vào %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>ĐẦU RA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Đầu ra %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Mô phỏng</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Chạy hoặc dừng mô phỏng</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Công tắc %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ĐỊNH THỜI</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Bộ định thời %1</translation>
    </message>
</context>
<context>
    <name>page.print</name>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Chú thích</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Dòng</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>Danh sách lệnh</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>Tên và chú thích</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>Chương trình đã in</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Chương trình</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>Chương trình không có tên nào.</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>Chương trình chưa đặt tên</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>Một thẻ Rungbox khác đã giữ chương trình của nó cho lần truy cập sau. Chương trình của thẻ này sẽ được giữ lại khi bạn thay đổi nó.</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Trình duyệt không giữ gì cho trang này: chương trình này sẽ không được giữ cho lần truy cập sau. Hãy lưu bằng Tệp &gt; Lưu dưới tên.</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>Bộ nhớ trình duyệt đã đầy: chương trình này sẽ không được giữ cho lần truy cập sau. Hãy lưu bằng Tệp &gt; Lưu dưới tên.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>Không đọc được chương trình giữ từ lần truy cập trước, và không còn chỗ để cất riêng nó: thẻ này sẽ không ghi đè lên nó.</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>Không đọc được chương trình giữ từ lần truy cập trước. Nó được cất riêng trong bộ nhớ trình duyệt với tên “%1”; trang này bắt đầu với chương trình trống.</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>Đóng giản đồ thời gian</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>Tải giản đồ về dưới dạng ảnh PNG</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>Tải giản đồ về dưới dạng ảnh SVG</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>Tải bản ghi về dưới dạng tệp VCD (value change dump)</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>Xuất giản đồ thành PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>Xuất giản đồ thành SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>Xuất giản đồ thành VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Vừa khung</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Ghi tín hiệu trong khi chạy</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Ghi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Hiển thị nửa khoảng thời gian trên cửa sổ</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Hiển thị toàn bộ bản ghi trên cửa sổ</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>Hiển thị tín hiệu này</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Hiển thị gấp đôi khoảng thời gian trên cửa sổ</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Tín hiệu</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>Ngừng ghi tín hiệu này</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>Tín hiệu cần thêm hoặc xóa: địa chỉ rơle (0 đến 20000) hoặc tên: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Nhịp</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Giá trị bộ định thời tính bằng nhịp thay vì giây</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Giản đồ thời gian</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>Giản đồ thời gian: %1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>Giản đồ thời gian</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Giản đồ</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>Dạng sóng: %1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>Dạng sóng</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>tín hiệu, vd. 2000 hoặc tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>Vẽ</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>Hiện công cụ vẽ</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>Dừng chạy để vẽ</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>Nhập vào ô</translation>
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
        <translation>Phép thử ẩn: chỉ hiện kết quả</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>Kiểm tra bằng script: %1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>Kiểm tra bằng script</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>Nhấp đúp vào phép thử không đạt để xem lần chạy trên giản đồ thời gian</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Mong đợi</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>Thực tế</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Điểm</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Kết quả</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script Rungbox</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Phép thử</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>Không đọc được script %1: %2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>Giản đồ thời gian: %1 không đạt</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Thời điểm</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>không đạt</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>đạt</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>&amp;Kiểm tra bằng script...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>Hộp đã cấp %1, trên băng %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Khởi động</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>băng tải</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>hộp bị kẹt ở lối vào</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>hộp bị kẹt ở cơ cấu đẩy</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>thùng cuối</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>đã đẩy ra</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>cấp phôi</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>đã thu về</translation>
    </message>
    <message>
        <source>short</source>
        <translation>thấp</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>thùng bên</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>cao %1
thấp %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>cao</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>Bảng D&amp;M</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>Gỡ &amp;lỗi</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Tạm dừng</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>Thanh &amp;ghi</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Chạy tiếp</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>&amp;Bảng theo dõi</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>Thanh ghi</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>Chạy từng &amp;lệnh</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>Chạy từng &amp;vòng quét</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>Chạy từng &amp;nhịp</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>Bật/tắt điểm &amp;dừng</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: không phải một từ (#0000 đến #FFFF, &amp;0 đến &amp;65535)</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>Bảng DM</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># mỗi dòng một tính chất, trên các rơle sau mỗi vòng quét</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>&amp;Chứng minh</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>&amp;Lưu script...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Giản đồ thời gian</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Đã hủy.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>So sánh với chương trình</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>Phản ví dụ (mỗi mili giây một vòng quét)</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Xong.</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>Đang khảo sát...</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>Không có tính chất nào.</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>Chứng minh tính chất</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>Bị từ chối.</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Script Rungbox</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>Chương trình không thể khởi động.</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>Nhập các tính chất, rồi nhấn Chứng minh.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>&amp;So sánh với chương trình...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>Chứng &amp;minh tính chất...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Công cụ</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>BỘ ĐẾM</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>Bộ đếm %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>ĐẦU VÀO</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Đầu vào %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>Công tắc đầu vào</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>Mã bậc thang</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Đèn</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>Đang nạp </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>ĐẦU RA</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Đầu ra %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>Mô phỏng</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>Chạy hoặc dừng mô phỏng (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>Chạy hoặc dừng mô phỏng</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>Công tắc %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>ĐỊNH THỜI</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Bộ định thời %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 mở</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 đóng</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 đèn</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>Cổng mở %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>Động cơ đang đóng</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>Động cơ bị điều khiển CẢ HAI chiều</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>Động cơ tắt</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>Động cơ đang mở</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>Từ xa</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>nhấp:
một xe
đến</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>đã đóng</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>cổng đóng vào xe</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>động cơ ép vào giới hạn</translation>
    </message>
    <message>
        <source>open</source>
        <translation>mở</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>cảnh báo</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>Địa chỉ...	Enter</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>Sao chép nấc	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>Xóa nấc</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Vẽ</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>Chuyển nấc xuống</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>Chuyển nấc lên</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>Dán nấc	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>địa chỉ</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>&amp;Sơ đồ bậc thang</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>&amp;Xuất sơ đồ...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>Xuất sơ đồ</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>Không ghi được sơ đồ vào %1.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>Sơ đồ bậc thang</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Ngôn ngữ</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>Ngôn ngữ hệ thống</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>Ngôn ngữ sẽ thay đổi vào lần khởi động Rungbox tiếp theo.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>&amp;Băng tải </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>&amp;Cổng nhà</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>&amp;Mô-đun</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>&amp;Khởi động động cơ</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>Bồn &amp;và bơm</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>Khô&amp;ng</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>Bãi đỗ &amp;xe</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>Ngã tư &amp;giao thông</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>Giới &amp;thiệu</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>T&amp;hoát</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Trợ &amp;giúp</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Nạp</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Mới</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Xem</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>Mã bậc thang PLC</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>Chạy hoặc dừng</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Lưu &amp;dưới tên</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>Đã dừng: hãy chạy mô phỏng để vận hành máy.</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>&amp;Tên</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>Địa chỉ</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Chú thích</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Bảng tên</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Làm lại</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Hoàn tác</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>tên %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>Tập lệnh &amp;mở rộng</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Tù&amp;y chọn</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>Tập lệnh mở rộng</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1 (phép thử hiển thị)</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>Nộp &amp;bài...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Kiểm tra</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>&amp;Bộ bài tập</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>Bộ bài tập</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>Bài tập</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>Quay về chương trình ban đầu của %1?<byte value="xd"/>
Bài làm của bạn trên bài tập này sẽ mất.</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>Nộp bài...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>Mở bộ bài &amp;tập...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Đặt lại bài tập</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Trạng thái</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>Không ghi nhận được kết quả kiểm tra:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>Không mở được bộ bài tập %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>Không lưu được bài nộp:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>Không khôi phục được chương trình ban đầu của %1:<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>Không giữ được bài làm của %1:<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;In...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(không có tệp)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>Xuất &amp;PDF...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Xuất PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>In</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>Không lưu được tệp PDF:<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>Cưỡng bức từ</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Đã cưỡng bức</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Định dạng</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Bỏ cưỡng bức</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Từ</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>&amp;Giản đồ thời gian</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>Đón&amp;g</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Tệp</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Không thể ghi %1: %2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>Xuất giản đồ thành &amp;PNG/SVG...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>Xuất giản đồ thành &amp;VCD...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Vừa khung</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Ảnh</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>Ghi tín hiệu trong khi chạy</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Ghi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Giản đồ thời gian Rungbox</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>Hiển thị nửa khoảng thời gian trên cửa sổ</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>Hiển thị toàn bộ bản ghi trên cửa sổ</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>Hiển thị gấp đôi khoảng thời gian trên cửa sổ</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>Tín hiệu cần thêm hoặc xóa: %1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>Nhịp</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>Giá trị bộ định thời tính bằng nhịp thay vì giây</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>Giản đồ thời gian</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>Giản đồ</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>Tệp thay đổi giá trị (VCD)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Phóng to</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Thu nhỏ</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>tín hiệu, vd. 2000 hoặc tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1: không phải một từ (#0000 đến #FFFF, &amp;0 đến &amp;65535)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>Cưỡng bức OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>Cưỡng bức ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>Cưỡng bức từ</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Đã cưỡng bức</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>Cách hiển thị từ đã chọn: thập lục phân, BCD hoặc thập phân</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Mục</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/Xong</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Bỏ cưỡng bức</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Đặt</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Giá trị</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>Theo dõi:</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Theo dõi</translation>
    </message>
    <message>
        <source>off</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ON</translation>
    </message>
</context>
</TS>
