<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Artwork</name>
    <message>
        <source>Ladder logic PLC simulator</source>
        <translation>梯形图 PLC 仿真器</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
</context>
<context>
    <name>ConveyorWindow</name>
    <message>
        <source>0 start</source>
        <translation>0 启动</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 停止</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 传送带</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 送料器</translation>
    </message>
    <message>
        <source>1002 pusher</source>
        <translation>1002 推杆</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 入口</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 到达推杆</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 高件</translation>
    </message>
    <message>
        <source>5 extended</source>
        <translation>5 已伸出</translation>
    </message>
    <message>
        <source>6 retracted</source>
        <translation>6 已缩回</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 到达末端</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - PLC Ladder Code</source>
        <comment>file.window_title</comment>
        <translation>%1 - PLC 梯形图代码</translation>
    </message>
    <message>
        <source>%1 belongs to the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_instruction</comment>
        <translation>%1 属于扩展指令集：请在“选项”菜单中打开“扩展指令集”。</translation>
    </message>
    <message>
        <source>%1 of %2 points</source>
        <comment>check.score</comment>
        <translation>%1 分（共 %2 分）</translation>
    </message>
    <message>
        <source>%1: not a Rungbox program file</source>
        <comment>explore.not_program</comment>
        <translation>%1：不是 Rungbox 程序文件</translation>
    </message>
    <message>
        <source>ADDRESS Range</source>
        <comment>prepare.address.title</comment>
        <translation>地址范围</translation>
    </message>
    <message>
        <source>ADDRESS Read-only</source>
        <comment>prepare.read_only.title</comment>
        <translation>地址只读</translation>
    </message>
    <message>
        <source>Address cannot be written at line %1.<byte value="xd"/>
Special relays (253.00 to 255.15), timers and counters are only read</source>
        <comment>prepare.extended.read_only</comment>
        <translation>第 %1 行的地址不可写入。<byte value="xd"/>
特殊继电器（253.00 到 255.15）、定时器和计数器只能读取</translation>
    </message>
    <message>
        <source>Address out of range at line %1.<byte value="xd"/>
Valid: 0.00 to 255.15, W0.00 to W99.15, HR0.00 to HR19.15, AR0.00 to AR15.15, TR0 to TR7, TIM 0 to TIM 127, CNT 0 to CNT 127</source>
        <comment>prepare.extended.address</comment>
        <translation>第 %1 行的地址超出范围。<byte value="xd"/>
有效：0.00 到 255.15、W0.00 到 W99.15、HR0.00 到 HR19.15、AR0.00 到 AR15.15、TR0 到 TR7、TIM 0 到 TIM 127、CNT 0 到 CNT 127</translation>
    </message>
    <message>
        <source>COUNTER Range</source>
        <comment>prepare.counter_number.title</comment>
        <translation>计数器范围</translation>
    </message>
    <message>
        <source>COUNTER Set-value</source>
        <comment>prepare.counter_set_value.title</comment>
        <translation>计数器设定值</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <comment>trace.cannot_write</comment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.counter_number</comment>
        <translation>第 %1 行的计数器编号超出范围。<byte value="xd"/>
有效范围：0 到 %2</translation>
    </message>
    <message>
        <source>Counter out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.counter_number</comment>
        <translation>第 %1 行的计数器编号超出范围。<byte value="xd"/>
有效范围：0 到 127</translation>
    </message>
    <message>
        <source>Counter set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.counter_set_value</comment>
        <translation>第 %1 行的计数器设定值过大。<byte value="xd"/>
有效范围：#0 到 #%2</translation>
    </message>
    <message>
        <source>Error at line %1</source>
        <comment>run.error</comment>
        <translation>第 %1 行出错</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <comment>edit.instruction_set.title</comment>
        <translation>扩展指令集</translation>
    </message>
    <message>
        <source>Incompatible Rungbox version</source>
        <comment>file.incompatible</comment>
        <translation>Rungbox 版本不兼容</translation>
    </message>
    <message>
        <source>Invalid Rungbox File</source>
        <comment>file.invalid</comment>
        <translation>无效的 Rungbox 文件</translation>
    </message>
    <message>
        <source>JME without its JMP at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_close</comment>
        <translation>第 %1 行的 JME 没有对应的 JMP。<byte value="xd"/>
每个 JMP N 都须用 JME N 闭合，先闭合内层跳转</translation>
    </message>
    <message>
        <source>JMP without a JME after it at line %1.<byte value="xd"/>
Close every JMP N with JME N, inner jumps first</source>
        <comment>prepare.extended.jump_open</comment>
        <translation>第 %1 行的 JMP 之后没有 JME。<byte value="xd"/>
每个 JMP N 都须用 JME N 闭合，先闭合内层跳转</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_close.title</comment>
        <translation>跳转配对</translation>
    </message>
    <message>
        <source>JUMP Pairs</source>
        <comment>prepare.jump_open.title</comment>
        <translation>跳转配对</translation>
    </message>
    <message>
        <source>JUMP Range</source>
        <comment>prepare.jump_number.title</comment>
        <translation>跳转范围</translation>
    </message>
    <message>
        <source>Jump number out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 49</source>
        <comment>prepare.extended.jump_number</comment>
        <translation>第 %1 行的跳转编号超出范围。<byte value="xd"/>
有效范围：0 到 49</translation>
    </message>
    <message>
        <source>Line %1 has a TIMH timer: compare and prove step timers in tenths of a second, not hundredths, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_timh</comment>
        <translation>第 %1 行有 TIMH 定时器：比较和证明以 0.1 秒而非 0.01 秒为单位推进定时器，因此无法精确探索此程序。</translation>
    </message>
    <message>
        <source>Line %1 is written for the extended instruction set: turn on Extended Instruction Set in the Options menu.</source>
        <comment>run.extended_line</comment>
        <translation>第 %1 行是为扩展指令集编写的：请在“选项”菜单中打开“扩展指令集”。</translation>
    </message>
    <message>
        <source>Line %1 reads the clock pulse %2: compare and prove step scans and timer ticks, not the clock&apos;s milliseconds, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_clock</comment>
        <translation>第 %1 行读取时钟脉冲 %2：比较和证明按扫描和定时器节拍推进，而非按时钟的毫秒推进，因此无法精确探索此程序。</translation>
    </message>
    <message>
        <source>Line %1 uses data words: compare and prove explore programs of bits only, so they cannot explore this program exactly.</source>
        <comment>explore.refuse_words</comment>
        <translation>第 %1 行使用数据字：比较和证明只能探索仅含位的程序，因此无法精确探索此程序。</translation>
    </message>
    <message>
        <source>Line %1 uses the extended instruction set; the program stays extended.</source>
        <comment>edit.stays_extended</comment>
        <translation>第 %1 行使用扩展指令集；程序保持为扩展模式。</translation>
    </message>
    <message>
        <source>Not END encountered. Error starting SIMULATION ...</source>
        <comment>run.no_end</comment>
        <translation>未遇到 END。启动仿真出错…</translation>
    </message>
    <message>
        <source>OPERAND Line</source>
        <comment>prepare.operand_line.title</comment>
        <translation>操作数行</translation>
    </message>
    <message>
        <source>OPERAND Range</source>
        <comment>prepare.word_operand.title</comment>
        <translation>操作数范围</translation>
    </message>
    <message>
        <source>OPERAND Read-only</source>
        <comment>prepare.word_read_only.title</comment>
        <translation>操作数只读</translation>
    </message>
    <message>
        <source>Operand cannot be written at line %1.<byte value="xd"/>
Constants, channels 253 to 255, DM6144 to DM6599 and present values are only read</source>
        <comment>prepare.extended.word_read_only</comment>
        <translation>第 %1 行的操作数不可写入。<byte value="xd"/>
常数、通道 253 到 255、DM6144 到 DM6599 以及当前值只能读取</translation>
    </message>
    <message>
        <source>Operand out of range at line %1.<byte value="xd"/>
Valid: channels 0 to 255, W0 to W99, HR0 to HR19, AR0 to AR15, DM0000 to DM1023, DM6144 to DM6599, TIM 0 to TIM 127, CNT 0 to CNT 127, #0000 to #FFFF, &amp;0 to &amp;65535</source>
        <comment>prepare.extended.word_operand</comment>
        <translation>第 %1 行的操作数超出范围。<byte value="xd"/>
有效：通道 0 到 255、W0 到 W99、HR0 到 HR19、AR0 到 AR15、DM0000 到 DM1023、DM6144 到 DM6599、TIM 0 到 TIM 127、CNT 0 到 CNT 127、#0000 到 #FFFF、&amp;0 到 &amp;65535</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <comment>file.window_title_empty</comment>
        <translation>PLC 梯形图代码</translation>
    </message>
    <message>
        <source>RELAY Range</source>
        <comment>prepare.relay_address.title</comment>
        <translation>继电器范围</translation>
    </message>
    <message>
        <source>Relay out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.relay_address</comment>
        <translation>第 %1 行的继电器超出范围。<byte value="xd"/>
有效范围：0 到 %2</translation>
    </message>
    <message>
        <source>SET-VALUE Range</source>
        <comment>prepare.set_value.title</comment>
        <translation>设定值范围</translation>
    </message>
    <message>
        <source>SHIFT Range</source>
        <comment>prepare.shift_area.title</comment>
        <translation>移位范围</translation>
    </message>
    <message>
        <source>Set-value out of range at line %1.<byte value="xd"/>
Valid Range: #0000 to #9999</source>
        <comment>prepare.extended.set_value</comment>
        <translation>第 %1 行的设定值超出范围。<byte value="xd"/>
有效范围：#0000 到 #9999</translation>
    </message>
    <message>
        <source>Shift register out of range at line %1.<byte value="xd"/>
LOCATION and ### must name bits of one area</source>
        <comment>prepare.extended.shift_area</comment>
        <translation>第 %1 行的移位寄存器超出范围。<byte value="xd"/>
LOCATION 和 ### 必须指定同一区域的位</translation>
    </message>
    <message>
        <source>TIMER Range</source>
        <comment>prepare.timer_number.title</comment>
        <translation>定时器范围</translation>
    </message>
    <message>
        <source>TIMER Set-value</source>
        <comment>prepare.timer_set_value.title</comment>
        <translation>定时器设定值</translation>
    </message>
    <message>
        <source>TIMER/COUNTER Number</source>
        <comment>prepare.shared.title</comment>
        <translation>定时器/计数器编号</translation>
    </message>
    <message>
        <source>The file ends at the END line: the text on the lines after END was not saved.<byte value="xd"/>
Move it above END to keep it in the file.</source>
        <comment>file.text_after_end</comment>
        <translation>文件在 END 行结束：END 之后各行的文本未保存。<byte value="xd"/>
请将其移到 END 之上，以保留在文件中。</translation>
    </message>
    <message>
        <source>The ladder code has changed.<byte value="xd"/>
Do you want to save the ladder code?</source>
        <comment>file.save_question</comment>
        <translation>梯形图代码已更改。<byte value="xd"/>
是否保存梯形图代码？</translation>
    </message>
    <message>
        <source>The names in %1 could not be read: (%2) %3<byte value="xd"/>
Saving the program leaves that file as it is.</source>
        <comment>file.names_unread</comment>
        <translation>无法读取 %1 中的名称：(%2) %3<byte value="xd"/>
保存程序时该文件保持原样。</translation>
    </message>
    <message>
        <source>The names were not saved: %1 was not read whole when the program was loaded, and saving leaves it as it is.<byte value="xd"/>
Save the program under another name to keep the names beside it.</source>
        <comment>file.names_not_saved</comment>
        <translation>名称未保存：加载程序时 %1 未被完整读取，保存时将保持其原样。<byte value="xd"/>
请以其他名称保存程序，以便将名称保存在程序旁边。</translation>
    </message>
    <message>
        <source>The program has no END line: it cannot start.</source>
        <comment>explore.no_end</comment>
        <translation>程序没有 END 行：无法启动。</translation>
    </message>
    <message>
        <source>The script has no tests, and ran to its end.</source>
        <comment>check.no_tests</comment>
        <translation>脚本没有测试，已运行到结尾。</translation>
    </message>
    <message>
        <source>The script has no tests, and stopped: %1</source>
        <comment>check.stopped</comment>
        <translation>脚本没有测试，已停止：%1</translation>
    </message>
    <message>
        <source>The script was refused: %1</source>
        <comment>check.refused</comment>
        <translation>脚本被拒绝：%1</translation>
    </message>
    <message>
        <source>There is no room for the pasted lines: they would push the program past line 299.</source>
        <comment>edit.paste_no_room</comment>
        <translation>没有空间容纳粘贴的行：它们会使程序超出第 299 行。</translation>
    </message>
    <message>
        <source>These lines of %1 were skipped; saving the program leaves that file as it is:<byte value="xd"/>
%2</source>
        <comment>file.names_skipped</comment>
        <translation>%1 中的以下行已被跳过；保存程序时该文件保持原样：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Third operand missing below line %1.<byte value="xd"/>
ADD and SUB take their result word on the next line, its code cell empty</source>
        <comment>prepare.extended.operand_line</comment>
        <translation>第 %1 行下方缺少第三个操作数。<byte value="xd"/>
ADD 和 SUB 的结果字写在下一行，该行代码单元格留空</translation>
    </message>
    <message>
        <source>Timer and counter share a number at line %1.<byte value="xd"/>
A number is a timer or a counter, not both</source>
        <comment>prepare.extended.shared</comment>
        <translation>第 %1 行的定时器与计数器编号重复。<byte value="xd"/>
一个编号只能用作定时器或计数器，不能两者兼用</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to %2</source>
        <comment>prepare.timer_number</comment>
        <translation>第 %1 行的定时器编号超出范围。<byte value="xd"/>
有效范围：0 到 %2</translation>
    </message>
    <message>
        <source>Timer out of range at line %1.<byte value="xd"/>
Valid Range: 0 to 127</source>
        <comment>prepare.extended.timer_number</comment>
        <translation>第 %1 行的定时器编号超出范围。<byte value="xd"/>
有效范围：0 到 127</translation>
    </message>
    <message>
        <source>Timer set-value is too high at line %1.<byte value="xd"/>
Valid Range: #0 to #%2</source>
        <comment>prepare.timer_set_value</comment>
        <translation>第 %1 行的定时器设定值过大。<byte value="xd"/>
有效范围：#0 到 #%2</translation>
    </message>
</context>
<context>
    <name>Explore</name>
    <message>
        <source>No property.</source>
        <translation>没有性质。</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>程序无法启动。</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>Exercise pack</source>
        <translation>练习包</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>PLC file</source>
        <translation>PLC 文件</translation>
    </message>
    <message>
        <source>Rungbox hand-in</source>
        <translation>Rungbox 提交文件</translation>
    </message>
    <message>
        <source>SVG or PNG picture</source>
        <translation>SVG 或 PNG 图片</translation>
    </message>
</context>
<context>
    <name>GateWindow</name>
    <message>
        <source>0 remote</source>
        <translation>0 遥控</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 开门限位</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 已关闭</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 光电开关</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 停止</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>LADDER CODE</source>
        <translation>梯形图代码</translation>
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
        <translation>地址是一个数字、TIM 或 CNT 加数字，或一个名称。</translation>
    </message>
    <message>
        <source>Contact in parallel with the selection (P)</source>
        <translation>与所选元件并联的触点 (P)</translation>
    </message>
    <message>
        <source>Contact in series after the selection (C)</source>
        <translation>串联在所选元件之后的触点 (C)</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>触点</translation>
    </message>
    <message>
        <source>Counter box: a new rung with count and reset (K)</source>
        <translation>计数器框：新建带计数和复位输入的梯级 (K)</translation>
    </message>
    <message>
        <source>DIFD coil: on for one scan as its condition falls (F)</source>
        <translation>DIFD 线圈：条件断开时接通一个扫描周期 (F)</translation>
    </message>
    <message>
        <source>DIFU coil (D)</source>
        <translation>DIFU 线圈 (D)</translation>
    </message>
    <message>
        <source>Delete the selection (Delete)</source>
        <translation>删除所选内容 (Delete)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>END has no address</source>
        <translation>END 没有地址</translation>
    </message>
    <message>
        <source>END stays last</source>
        <translation>END 保持在最后</translation>
    </message>
    <message>
        <source>END stays: a program ends with it</source>
        <translation>END 须保留：程序以它结束</translation>
    </message>
    <message>
        <source>High-speed timer box, set value in hundredths (H)</source>
        <translation>高速定时器框，设定值以 0.01 秒为单位 (H)</translation>
    </message>
    <message>
        <source>Interlock: an IL rung and its ILC after this rung (I)</source>
        <translation>互锁：在此梯级后添加 IL 梯级及其 ILC (I)</translation>
    </message>
    <message>
        <source>Jump: a JMP rung and its JME after this rung (J)</source>
        <translation>跳转：在此梯级后添加 JMP 梯级及其 JME (J)</translation>
    </message>
    <message>
        <source>KEEP box: a new rung with set and reset (E)</source>
        <translation>KEEP 框：新建带置位和复位输入的梯级 (E)</translation>
    </message>
    <message>
        <source>NOT on a contact, OUT to OUT NOT and back (/)</source>
        <translation>触点取反 (NOT)，OUT 与 OUT NOT 互换 (/)</translation>
    </message>
    <message>
        <source>New rung after this one: a contact and an OUT coil (R)</source>
        <translation>在此梯级后新建梯级：一个触点和一个 OUT 线圈 (R)</translation>
    </message>
    <message>
        <source>OUT coil, parallel to the rung&apos;s outputs (O)</source>
        <translation>OUT 线圈，与梯级的输出并联 (O)</translation>
    </message>
    <message>
        <source>Parallel</source>
        <translation>并联</translation>
    </message>
    <message>
        <source>RSET coil: turns its bit off (U)</source>
        <translation>RSET 线圈：将其位置为 OFF (U)</translation>
    </message>
    <message>
        <source>Reversible counter box: a new rung with increment, decrement and reset (V)</source>
        <translation>可逆计数器框：新建带加计数、减计数和复位输入的梯级 (V)</translation>
    </message>
    <message>
        <source>Rung</source>
        <translation>梯级</translation>
    </message>
    <message>
        <source>SET coil: turns its bit on (L)</source>
        <translation>SET 线圈：将其位置为 ON (L)</translation>
    </message>
    <message>
        <source>Shift-register box: a new rung with data, clock and reset (S)</source>
        <translation>移位寄存器框：新建带数据、时钟和复位输入的梯级 (S)</translation>
    </message>
    <message>
        <source>Timer box (T)</source>
        <translation>定时器框 (T)</translation>
    </message>
    <message>
        <source>a KEEP box needs two inputs: set, reset</source>
        <translation>KEEP 框需要两个输入：置位、复位</translation>
    </message>
    <message>
        <source>a branch that feeds no output (a bridge between branches)</source>
        <translation>不连接任何输出的分支（分支之间的桥接）</translation>
    </message>
    <message>
        <source>a bridge between branches: a contact in parallel with an output</source>
        <translation>分支之间的桥接：与输出并联的触点</translation>
    </message>
    <message>
        <source>a coil has one input</source>
        <translation>线圈只有一个输入</translation>
    </message>
    <message>
        <source>a contact after an output on the same branch</source>
        <translation>同一分支上位于输出之后的触点</translation>
    </message>
    <message>
        <source>a contact reads a relay, a timer or a counter</source>
        <translation>触点读取继电器、定时器或计数器</translation>
    </message>
    <message>
        <source>a counter needs two inputs: count, reset</source>
        <translation>计数器需要两个输入：计数、复位</translation>
    </message>
    <message>
        <source>a counter or shift register must be the first output after its rung&apos;s condition</source>
        <translation>计数器或移位寄存器必须是梯级条件之后的第一个输出</translation>
    </message>
    <message>
        <source>a reversible counter needs three inputs: increment, decrement, reset</source>
        <translation>可逆计数器需要三个输入：加计数、减计数、复位</translation>
    </message>
    <message>
        <source>a rung needs a contact before its outputs</source>
        <translation>梯级的输出之前需要触点</translation>
    </message>
    <message>
        <source>a rung without an output</source>
        <translation>梯级没有输出</translation>
    </message>
    <message>
        <source>a shift register needs three inputs: data, clock, reset</source>
        <translation>移位寄存器需要三个输入：数据、时钟、复位</translation>
    </message>
    <message>
        <source>a special relay cannot be written</source>
        <translation>特殊继电器不可写入</translation>
    </message>
    <message>
        <source>address out of range</source>
        <translation>地址超出范围</translation>
    </message>
    <message>
        <source>an output&apos;s address is a relay</source>
        <translation>输出的地址必须是继电器</translation>
    </message>
    <message>
        <source>jump number out of range (0 to 49)</source>
        <translation>跳转编号超出范围（0 到 49）</translation>
    </message>
    <message>
        <source>no room: the program would pass line 299</source>
        <translation>没有空间：程序将超过第 299 行</translation>
    </message>
    <message>
        <source>no rung to swap with</source>
        <translation>没有可交换的梯级</translation>
    </message>
    <message>
        <source>not an output</source>
        <translation>不是输出</translation>
    </message>
    <message>
        <source>nothing selected</source>
        <translation>未选择任何内容</translation>
    </message>
    <message>
        <source>only a contact or an OUT coil has a NOT form</source>
        <translation>只有触点或 OUT 线圈有 NOT 形式</translation>
    </message>
    <message>
        <source>only a timer, a counter or a shift register has a set value</source>
        <translation>只有定时器、计数器或移位寄存器有设定值</translation>
    </message>
    <message>
        <source>only contacts go in parallel</source>
        <translation>只有触点可以并联</translation>
    </message>
    <message>
        <source>only extended programs have this instruction or address</source>
        <translation>只有扩展程序才有此指令或地址</translation>
    </message>
    <message>
        <source>only extended programs have this instruction</source>
        <translation>只有扩展程序才有此指令</translation>
    </message>
    <message>
        <source>only the last branch after the outputs may go on through contacts</source>
        <translation>输出之后只有最后一个分支可以继续经过触点</translation>
    </message>
    <message>
        <source>operand out of range</source>
        <translation>操作数超出范围</translation>
    </message>
    <message>
        <source>register end out of range (0 to 20000)</source>
        <translation>寄存器末端超出范围（0 到 20000）</translation>
    </message>
    <message>
        <source>relay out of range (0 to 20000)</source>
        <translation>继电器超出范围（0 到 20000）</translation>
    </message>
    <message>
        <source>select a contact or an output</source>
        <translation>请选择触点或输出</translation>
    </message>
    <message>
        <source>select a contact</source>
        <translation>请选择触点</translation>
    </message>
    <message>
        <source>select a run of elements in series</source>
        <translation>请选择一串串联的元件</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #600)</source>
        <translation>设定值超出范围（#0 到 #600）</translation>
    </message>
    <message>
        <source>set value out of range (#0 to #9999)</source>
        <translation>设定值超出范围（#0 到 #9999）</translation>
    </message>
    <message>
        <source>set value out of range (#0000 to #9999)</source>
        <translation>设定值超出范围（#0000 到 #9999）</translation>
    </message>
    <message>
        <source>the clipboard holds no code lines</source>
        <translation>剪贴板中没有代码行</translation>
    </message>
    <message>
        <source>the clipboard holds no rungs the diagram can draw</source>
        <translation>剪贴板中没有梯形图可绘制的梯级</translation>
    </message>
</context>
<context>
    <name>LadderPainter</name>
    <message>
        <source>(no END)</source>
        <translation>(无 END)</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>0 entry approach</source>
        <translation>0 入口接近</translation>
    </message>
    <message>
        <source>0 forward button</source>
        <translation>0 正转按钮</translation>
    </message>
    <message>
        <source>0 push-button</source>
        <translation>0 按钮</translation>
    </message>
    <message>
        <source>0 walk button</source>
        <translation>0 行人按钮</translation>
    </message>
    <message>
        <source>1 car north</source>
        <translation>1 北向车辆</translation>
    </message>
    <message>
        <source>1 reverse button</source>
        <translation>1 反转按钮</translation>
    </message>
    <message>
        <source>1 ticket button</source>
        <translation>1 取票按钮</translation>
    </message>
    <message>
        <source>1000 K1 forward</source>
        <translation>1000 K1 正转</translation>
    </message>
    <message>
        <source>1000 N-S red</source>
        <translation>1000 南北红灯</translation>
    </message>
    <message>
        <source>1000 raise entry</source>
        <translation>1000 抬起入口杆</translation>
    </message>
    <message>
        <source>1000 run</source>
        <translation>1000 运行</translation>
    </message>
    <message>
        <source>1001 K2 reverse</source>
        <translation>1001 K2 反转</translation>
    </message>
    <message>
        <source>1001 N-S amber</source>
        <translation>1001 南北黄灯</translation>
    </message>
    <message>
        <source>1001 raise exit</source>
        <translation>1001 抬起出口杆</translation>
    </message>
    <message>
        <source>1001 run</source>
        <translation>1001 运行</translation>
    </message>
    <message>
        <source>1002 FULL sign</source>
        <translation>1002 满位标志</translation>
    </message>
    <message>
        <source>1002 K3 star</source>
        <translation>1002 K3 星形</translation>
    </message>
    <message>
        <source>1002 N-S green</source>
        <translation>1002 南北绿灯</translation>
    </message>
    <message>
        <source>1002 drain valve</source>
        <translation>1002 排放阀</translation>
    </message>
    <message>
        <source>1003 E-W red</source>
        <translation>1003 东西红灯</translation>
    </message>
    <message>
        <source>1003 K4 delta</source>
        <translation>1003 K4 三角形</translation>
    </message>
    <message>
        <source>1003 alarm</source>
        <translation>1003 报警</translation>
    </message>
    <message>
        <source>1004 E-W amber</source>
        <translation>1004 东西黄灯</translation>
    </message>
    <message>
        <source>1004 running lamp</source>
        <translation>1004 运行指示灯</translation>
    </message>
    <message>
        <source>1005 E-W green</source>
        <translation>1005 东西绿灯</translation>
    </message>
    <message>
        <source>1005 overload lamp</source>
        <translation>1005 过载指示灯</translation>
    </message>
    <message>
        <source>1006 walk</source>
        <translation>1006 行人通行</translation>
    </message>
    <message>
        <source>1007 don&apos;t walk</source>
        <translation>1007 行人禁行</translation>
    </message>
    <message>
        <source>12 places, cars in from the left, out to the right</source>
        <translation>12 个车位，车辆从左侧进入，从右侧驶出</translation>
    </message>
    <message>
        <source>2 car south</source>
        <translation>2 南向车辆</translation>
    </message>
    <message>
        <source>2 entry passed</source>
        <translation>2 已过入口</translation>
    </message>
    <message>
        <source>2 stop (NC: on = not pressed)</source>
        <translation>2 停止（常闭：ON = 未按下）</translation>
    </message>
    <message>
        <source>3 car east</source>
        <translation>3 东向车辆</translation>
    </message>
    <message>
        <source>3 exit approach</source>
        <translation>3 出口接近</translation>
    </message>
    <message>
        <source>3 overload OK (NC: on = healthy)</source>
        <translation>3 过载正常（常闭：ON = 正常）</translation>
    </message>
    <message>
        <source>4 car west</source>
        <translation>4 西向车辆</translation>
    </message>
    <message>
        <source>4 exit passed</source>
        <translation>4 已过出口</translation>
    </message>
    <message>
        <source>4 motor turning</source>
        <translation>4 电机转动</translation>
    </message>
    <message>
        <source>4 running</source>
        <translation>4 运行中</translation>
    </message>
    <message>
        <source>5 entry up</source>
        <translation>5 入口杆抬起</translation>
    </message>
    <message>
        <source>5 tripped</source>
        <translation>5 已跳闸</translation>
    </message>
    <message>
        <source>6 entry down</source>
        <translation>6 入口杆落下</translation>
    </message>
    <message>
        <source>6 running</source>
        <translation>6 运行中</translation>
    </message>
    <message>
        <source>7 exit up</source>
        <translation>7 出口杆抬起</translation>
    </message>
    <message>
        <source>7 tripped</source>
        <translation>7 已跳闸</translation>
    </message>
    <message>
        <source>8 acknowledge</source>
        <translation>8 确认</translation>
    </message>
    <message>
        <source>8 exit down</source>
        <translation>8 出口杆落下</translation>
    </message>
    <message>
        <source>95-96 → input 3</source>
        <translation>95-96 → 输入 3</translation>
    </message>
    <message>
        <source>Acknowledge</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Barrier lowered onto a car</source>
        <translation>道闸落在车上</translation>
    </message>
    <message>
        <source>Both pumps started within 1 s</source>
        <translation>两台泵在 1 秒内同时启动</translation>
    </message>
    <message>
        <source>Box fed onto a box</source>
        <translation>箱子送到另一个箱子上</translation>
    </message>
    <message>
        <source>Box jammed at the pusher</source>
        <translation>箱子卡在推杆处</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>停车场</translation>
    </message>
    <message>
        <source>Car in</source>
        <translation>车辆驶入</translation>
    </message>
    <message>
        <source>Car out</source>
        <translation>车辆驶出</translation>
    </message>
    <message>
        <source>Cars inside (real)</source>
        <translation>场内车辆（实际）</translation>
    </message>
    <message>
        <source>Conflicting greens</source>
        <translation>绿灯冲突</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>传送带</translation>
    </message>
    <message>
        <source>E-W</source>
        <translation>东西</translation>
    </message>
    <message>
        <source>Entry →</source>
        <translation>入口 →</translation>
    </message>
    <message>
        <source>Exit →</source>
        <translation>出口 →</translation>
    </message>
    <message>
        <source>F1 TRIPPED</source>
        <translation>F1 已跳闸</translation>
    </message>
    <message>
        <source>F1 overload</source>
        <translation>F1 过载</translation>
    </message>
    <message>
        <source>FULL sign wrong for over 1 s</source>
        <translation>满位标志错误超过 1 秒</translation>
    </message>
    <message>
        <source>FULL</source>
        <translation>满</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>正转</translation>
    </message>
    <message>
        <source>Gate closed onto the car</source>
        <translation>大门关在车上</translation>
    </message>
    <message>
        <source>Green to red without amber</source>
        <translation>绿灯直接变红灯，没有黄灯</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>庭院大门</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>K1 forward  1000</source>
        <translation>K1 正转  1000</translation>
    </message>
    <message>
        <source>K2 reverse  1001</source>
        <translation>K2 反转  1001</translation>
    </message>
    <message>
        <source>K3 star  1002</source>
        <translation>K3 星形  1002</translation>
    </message>
    <message>
        <source>K4 delta  1003</source>
        <translation>K4 三角形  1003</translation>
    </message>
    <message>
        <source>More cars inside than places</source>
        <translation>场内车辆多于车位</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>电机启动器</translation>
    </message>
    <message>
        <source>Motor against a closed limit over 1 s</source>
        <translation>电机顶住已关闭的限位超过 1 秒</translation>
    </message>
    <message>
        <source>Motor driven both ways</source>
        <translation>电机同时正反向驱动</translation>
    </message>
    <message>
        <source>N-S</source>
        <translation>南北</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Overload</source>
        <translation>过载</translation>
    </message>
    <message>
        <source>Pedestrians: coming at random</source>
        <translation>行人：随机到来</translation>
    </message>
    <message>
        <source>Pedestrians: only when Walk is clicked</source>
        <translation>行人：仅在单击“通行”时</translation>
    </message>
    <message>
        <source>Pedestrians</source>
        <translation>行人</translation>
    </message>
    <message>
        <source>Program (CNT 0)</source>
        <translation>程序（CNT 0）</translation>
    </message>
    <message>
        <source>Pump 1</source>
        <translation>泵 1</translation>
    </message>
    <message>
        <source>Pump 2</source>
        <translation>泵 2</translation>
    </message>
    <message>
        <source>Pump ran dry below low-low</source>
        <translation>液位低于低低位时泵干转</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>反转</translation>
    </message>
    <message>
        <source>Reversed while turning</source>
        <translation>转动中反向</translation>
    </message>
    <message>
        <source>Running after trip</source>
        <translation>跳闸后仍运行</translation>
    </message>
    <message>
        <source>Running on after an overload trip</source>
        <translation>过载跳闸后继续运行</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Short circuit K1 + K2</source>
        <translation>短路 K1 + K2</translation>
    </message>
    <message>
        <source>Short circuit: K1 and K2 both closed</source>
        <translation>短路：K1 和 K2 同时闭合</translation>
    </message>
    <message>
        <source>Stall</source>
        <translation>堵转</translation>
    </message>
    <message>
        <source>Star and delta both closed</source>
        <translation>星形和三角形同时闭合</translation>
    </message>
    <message>
        <source>Star and delta closed</source>
        <translation>星形和三角形闭合</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>已停止：启动运行以操作机器。</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>水箱与泵</translation>
    </message>
    <message>
        <source>Tank overflowed</source>
        <translation>水箱溢出</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>取票</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>交通路口</translation>
    </message>
    <message>
        <source>Trip 1</source>
        <translation>跳闸 1</translation>
    </message>
    <message>
        <source>Trip 2</source>
        <translation>跳闸 2</translation>
    </message>
    <message>
        <source>Tripped pump left commanded</source>
        <translation>跳闸的泵仍被命令运行</translation>
    </message>
    <message>
        <source>Walk on a conflicting green</source>
        <translation>冲突绿灯时行人通行</translation>
    </message>
    <message>
        <source>Walk</source>
        <translation>通行</translation>
    </message>
    <message>
        <source>Warning: cars waited over 2 min</source>
        <translation>警告：车辆等待超过 2 分钟</translation>
    </message>
    <message>
        <source>approach 0</source>
        <translation>接近 0</translation>
    </message>
    <message>
        <source>approach 3</source>
        <translation>接近 3</translation>
    </message>
    <message>
        <source>arm on a car</source>
        <translation>道闸落在车上</translation>
    </message>
    <message>
        <source>barrier 1000</source>
        <translation>道闸 1000</translation>
    </message>
    <message>
        <source>barrier 1001</source>
        <translation>道闸 1001</translation>
    </message>
    <message>
        <source>both pumps started at once</source>
        <translation>两台泵同时启动</translation>
    </message>
    <message>
        <source>cars as CNTR 0 counts</source>
        <translation>CNTR 0 计数的车辆</translation>
    </message>
    <message>
        <source>conflicting greens</source>
        <translation>绿灯冲突</translation>
    </message>
    <message>
        <source>drain</source>
        <translation>排放</translation>
    </message>
    <message>
        <source>fwd</source>
        <translation>正转</translation>
    </message>
    <message>
        <source>load jammed</source>
        <translation>负载卡住</translation>
    </message>
    <message>
        <source>more cars than places</source>
        <translation>车辆多于车位</translation>
    </message>
    <message>
        <source>no amber</source>
        <translation>无黄灯</translation>
    </message>
    <message>
        <source>of 12 places</source>
        <translation>/ 12 个车位</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>passed 2</source>
        <translation>已通过 2</translation>
    </message>
    <message>
        <source>passed 4</source>
        <translation>已通过 4</translation>
    </message>
    <message>
        <source>pumped out</source>
        <translation>已抽空</translation>
    </message>
    <message>
        <source>rev</source>
        <translation>反转</translation>
    </message>
    <message>
        <source>running dry</source>
        <translation>干转</translation>
    </message>
    <message>
        <source>sign 1002</source>
        <translation>标志 1002</translation>
    </message>
    <message>
        <source>sign wrong</source>
        <translation>标志错误</translation>
    </message>
    <message>
        <source>ticket</source>
        <translation>取票</translation>
    </message>
    <message>
        <source>tripped, commanded</source>
        <translation>已跳闸，仍有命令</translation>
    </message>
    <message>
        <source>waiting over 2 min</source>
        <translation>等待超过 2 分钟</translation>
    </message>
    <message>
        <source>walk on a green</source>
        <translation>绿灯时通行</translation>
    </message>
    <message>
        <source>walk</source>
        <translation>通行</translation>
    </message>
    <message>
        <source>windings: delta</source>
        <translation>绕组：三角形</translation>
    </message>
    <message>
        <source>windings: direct on line</source>
        <translation>绕组：直接启动</translation>
    </message>
    <message>
        <source>windings: shorted</source>
        <translation>绕组：短路</translation>
    </message>
    <message>
        <source>windings: star</source>
        <translation>绕组：星形</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>A comment holds no tab and no line break.</source>
        <translation>注释不能包含制表符或换行符。</translation>
    </message>
    <message>
        <source>A comment must be UTF-8 text.</source>
        <translation>注释必须是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>A name holds letters, digits and _ only, and starts with a letter.</source>
        <translation>名称只能包含字母、数字和 _，并以字母开头。</translation>
    </message>
    <message>
        <source>Give the address a name first.</source>
        <translation>请先为该地址命名。</translation>
    </message>
    <message>
        <source>No such address.</source>
        <translation>没有此地址。</translation>
    </message>
    <message>
        <source>Not an address: a relay 0 to 20000, TIM 0 to 7 or CNT 0 to 7.</source>
        <translation>不是地址：继电器 0 到 20000、TIM 0 到 7 或 CNT 0 到 7。</translation>
    </message>
</context>
<context>
    <name>PackWork</name>
    <message>
        <source>all tests pass</source>
        <translation>全部测试通过</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>已编辑</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>未开始</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>the picture could not be drawn</source>
        <translation>无法绘制图片</translation>
    </message>
</context>
<context>
    <name>ProgramPrint</name>
    <message>
        <source>%1   Page %2</source>
        <translation>%1   第 %2 页</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>代码</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>梯形图</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称表</translation>
    </message>
    <message>
        <source>Operand</source>
        <translation>操作数</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Set</source>
        <comment>set value</comment>
        <translation>设定值</translation>
    </message>
</context>
<context>
    <name>QtFileDialog</name>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
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
        <translation>已丢弃：从 %1 ms 起完整</translation>
    </message>
    <message>
        <source>nothing recorded</source>
        <translation>无记录</translation>
    </message>
    <message>
        <source>scan %1</source>
        <translation>扫描 %1</translation>
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
        <translation>未在记录：请按“记录”，然后运行。</translation>
    </message>
    <message>
        <source>Nothing recorded.</source>
        <translation>无记录。</translation>
    </message>
    <message>
        <source>Recording: the next run is recorded.</source>
        <translation>正在记录：下次运行将被记录。</translation>
    </message>
    <message>
        <source>Type the signal to remove first.</source>
        <translation>请先输入要移除的信号。</translation>
    </message>
    <message>
        <source>a relay address (0 to 20000) or a name: in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</source>
        <translation>继电器地址（0 到 20000）或名称：in0..in15, out0..out15, relay2000, tim0..tim7, tim0_done, cnt0..cnt7, cnt0_done</translation>
    </message>
</context>
<context>
    <name>page.app</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Car Park</source>
        <translation>停车场</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>传送带</translation>
    </message>
    <message>
        <source>Copy Share Link</source>
        <translation>复制分享链接</translation>
    </message>
    <message>
        <source>Copy this link:</source>
        <translation>复制此链接：</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>调试</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>Extended Instruction Set</source>
        <translation>扩展指令集</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>扩展指令集</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>庭院大门</translation>
    </message>
    <message>
        <source>Ladder Diagram</source>
        <translation>梯形图</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>Module</source>
        <translation>模块</translation>
    </message>
    <message>
        <source>Motor Starter</source>
        <translation>电机启动器</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Share link</source>
        <translation>分享链接</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>Tank and Pumps</source>
        <translation>水箱与泵</translation>
    </message>
    <message>
        <source>The link to this program is on the clipboard.</source>
        <translation>此程序的链接已复制到剪贴板。</translation>
    </message>
    <message>
        <source>The run was paused while the page was hidden.</source>
        <translation>页面隐藏期间运行已暂停。</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Traffic Intersection</source>
        <translation>交通路口</translation>
    </message>
    <message>
        <source>View</source>
        <translation>视图</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>page.check</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>隐藏测试：仅显示结果</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Check Again</source>
        <translation>重新检查</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>用脚本检查：%1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>用脚本检查</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>正在检查…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>双击未通过的测试，在时序图中查看其运行过程</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>期望值</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>实际值</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>The chosen failed test&apos;s run in a timing diagram</source>
        <translation>所选未通过测试的运行时序图</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>时序图：%1 未通过</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
</context>
<context>
    <name>page.checkfeature</name>
    <message>
        <source>Check With Script...</source>
        <translation>用脚本检查…</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>用脚本检查</translation>
    </message>
    <message>
        <source>Compare With Program...</source>
        <translation>与程序比较…</translation>
    </message>
    <message>
        <source>Prove Properties...</source>
        <translation>证明性质…</translation>
    </message>
    <message>
        <source>The link&apos;s script cannot be read.</source>
        <translation>无法读取链接中的脚本。</translation>
    </message>
</context>
<context>
    <name>page.course</name>
    <message>
        <source>%1 of %2 visible tests pass</source>
        <translation>%2 项可见测试中通过 %1 项</translation>
    </message>
    <message>
        <source>Back to the starting program.</source>
        <translation>已返回初始程序。</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Close Exercise Pack</source>
        <translation>关闭练习包</translation>
    </message>
    <message>
        <source>Close Pack</source>
        <translation>关闭练习包</translation>
    </message>
    <message>
        <source>Download one file with your work on every exercise, to hand in</source>
        <translation>下载一个包含全部练习作业的文件，用于提交</translation>
    </message>
    <message>
        <source>Exercise list</source>
        <translation>练习列表</translation>
    </message>
    <message>
        <source>Exercises</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Go back to the starting program of &quot;%1&quot;? Your work on it is lost.</source>
        <translation>返回“%1”的初始程序吗？你在其中的工作将丢失。</translation>
    </message>
    <message>
        <source>Hand In</source>
        <translation>提交</translation>
    </message>
    <message>
        <source>Open Exercise Pack...</source>
        <translation>打开练习包…</translation>
    </message>
    <message>
        <source>Open Exercise Pack</source>
        <translation>打开练习包</translation>
    </message>
    <message>
        <source>Packs are opened only from this page&apos;s own site.</source>
        <translation>只能打开本页面所在网站上的练习包。</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>重置练习</translation>
    </message>
    <message>
        <source>Run this exercise&apos;s visible tests on your program</source>
        <translation>对你的程序运行此练习的可见测试</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>题目</translation>
    </message>
    <message>
        <source>The browser&apos;s storage keeps nothing more: your work on this pack may not be kept for the next visit. Hand it in or save it.</source>
        <translation>浏览器存储已无法保存更多内容：你在此练习包上的工作可能无法保留到下次访问。请提交或保存。</translation>
    </message>
    <message>
        <source>The link&apos;s pack is not on this page&apos;s site: only a path such as #pack=packs/week3/ is opened.</source>
        <translation>链接中的练习包不在本页面的网站上：只能打开类似 #pack=packs/week3/ 的路径。</translation>
    </message>
    <message>
        <source>The pack %1 cannot be fetched.</source>
        <translation>无法获取练习包 %1。</translation>
    </message>
    <message>
        <source>The pack is too large.</source>
        <translation>练习包过大。</translation>
    </message>
    <message>
        <source>The site answered %1 for %2.</source>
        <translation>网站对 %2 的响应为 %1。</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened:
%1</source>
        <translation>无法打开此练习包：
%1</translation>
    </message>
    <message>
        <source>This exercise pack cannot be opened: it is too large.</source>
        <translation>无法打开此练习包：文件过大。</translation>
    </message>
    <message>
        <source>This pack is too large to open again by itself on your next visit: open it again from its file.</source>
        <translation>此练习包过大，下次访问时无法自动重新打开：请从其文件重新打开。</translation>
    </message>
    <message>
        <source>Your work is downloaded as %1: hand in that file.</source>
        <translation>你的作业已下载为 %1：请提交该文件。</translation>
    </message>
    <message>
        <source>all visible tests pass</source>
        <translation>全部可见测试通过</translation>
    </message>
    <message>
        <source>edited</source>
        <translation>已编辑</translation>
    </message>
    <message>
        <source>not started</source>
        <translation>未开始</translation>
    </message>
</context>
<context>
    <name>page.debug</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1：不是有效的字（#0000 到 #FFFF，&amp;0 到 &amp;65535）</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Breakpoint (click the dot to clear it)</source>
        <translation>断点（单击圆点可清除）</translation>
    </message>
    <message>
        <source>Breakpoint on line %1</source>
        <translation>第 %1 行的断点</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM 表</translation>
    </message>
    <message>
        <source>DM table</source>
        <translation>DM 表</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>强制 OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>强制 ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>强制字</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>已强制</translation>
    </message>
    <message>
        <source>Format of %1</source>
        <translation>%1 的格式</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/完成</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Register text</source>
        <translation>寄存器文本</translation>
    </message>
    <message>
        <source>Register word value</source>
        <translation>寄存器字值</translation>
    </message>
    <message>
        <source>Register words</source>
        <translation>寄存器字</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>寄存器</translation>
    </message>
    <message>
        <source>Release word</source>
        <translation>解除字强制</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>解除强制</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设定</translation>
    </message>
    <message>
        <source>Step Instruction</source>
        <translation>单步指令</translation>
    </message>
    <message>
        <source>Step Scan</source>
        <translation>单步扫描</translation>
    </message>
    <message>
        <source>Step Tick</source>
        <translation>单步节拍</translation>
    </message>
    <message>
        <source>Toggle Breakpoint</source>
        <translation>切换断点</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Watch Table</source>
        <translation>监视表</translation>
    </message>
    <message>
        <source>Watch table</source>
        <translation>监视表</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>监视：</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>监视</translation>
    </message>
    <message>
        <source>Word value</source>
        <translation>字值</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>字</translation>
    </message>
</context>
<context>
    <name>page.dialogs</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>page.explore</name>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>与程序比较</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>反例（每毫秒一次扫描）</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>Explore</source>
        <translation>探索</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>正在探索…</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>性质</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>证明性质</translation>
    </message>
    <message>
        <source>Prove</source>
        <translation>证明</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>已拒绝。</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Save Script...</source>
        <translation>保存脚本…</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>输入性质，然后单击“证明”。</translation>
    </message>
</context>
<context>
    <name>page.grid</name>
    <message>
        <source>Ladder code</source>
        <translation>梯形图代码</translation>
    </message>
</context>
<context>
    <name>page.ladder</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>梯形图</translation>
    </message>
    <message>
        <source>Ladder diagram with power flow</source>
        <translation>带能流显示的梯形图</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>梯形图</translation>
    </message>
    <message>
        <source>Rung %1</source>
        <translation>梯级 %1</translation>
    </message>
</context>
<context>
    <name>page.ladderedit</name>
    <message>
        <source>Address...</source>
        <translation>地址…</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Copy Rung</source>
        <translation>复制梯级</translation>
    </message>
    <message>
        <source>Copy the selection&apos;s rung (Ctrl+C)</source>
        <translation>复制所选内容所在的梯级 (Ctrl+C)</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>删除梯级</translation>
    </message>
    <message>
        <source>Delete the selection&apos;s rung</source>
        <translation>删除所选内容所在的梯级</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Edit the selection&apos;s address (Enter)</source>
        <translation>编辑所选元件的地址 (Enter)</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>元件</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>下移梯级</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>上移梯级</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung down</source>
        <translation>将所选梯级下移</translation>
    </message>
    <message>
        <source>Move the selection&apos;s rung up</source>
        <translation>将所选梯级上移</translation>
    </message>
    <message>
        <source>Paste Rungs</source>
        <translation>粘贴梯级</translation>
    </message>
    <message>
        <source>Paste rungs after the selection&apos;s rung (Ctrl+V)</source>
        <translation>在所选梯级之后粘贴梯级 (Ctrl+V)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Y)</source>
        <translation>重做 (Ctrl+Y)</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Rungs</source>
        <translation>梯级</translation>
    </message>
    <message>
        <source>Set value</source>
        <translation>设定值</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>撤销 (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>address</source>
        <translation>地址</translation>
    </message>
</context>
<context>
    <name>page.machines</name>
    <message>
        <source>0 remote</source>
        <translation>0 遥控</translation>
    </message>
    <message>
        <source>0 start</source>
        <translation>0 启动</translation>
    </message>
    <message>
        <source>1 open limit</source>
        <translation>1 开门限位</translation>
    </message>
    <message>
        <source>1 stop</source>
        <translation>1 停止</translation>
    </message>
    <message>
        <source>1000 belt</source>
        <translation>1000 传送带</translation>
    </message>
    <message>
        <source>1001 feeder</source>
        <translation>1001 送料器</translation>
    </message>
    <message>
        <source>2 closed</source>
        <translation>2 已关闭</translation>
    </message>
    <message>
        <source>2 entry</source>
        <translation>2 入口</translation>
    </message>
    <message>
        <source>3 at pusher</source>
        <translation>3 到达推杆</translation>
    </message>
    <message>
        <source>3 photo-eye</source>
        <translation>3 光电开关</translation>
    </message>
    <message>
        <source>4 stop</source>
        <translation>4 停止</translation>
    </message>
    <message>
        <source>4 tall</source>
        <translation>4 高件</translation>
    </message>
    <message>
        <source>7 at end</source>
        <translation>7 到达末端</translation>
    </message>
    <message>
        <source>A car arrives, or drives on</source>
        <translation>车辆到达或驶离</translation>
    </message>
    <message>
        <source>Boxes fed %1</source>
        <translation>已送箱子 %1</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>车辆</translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation>传送带</translation>
    </message>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>大门开度 %1 %</translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation>庭院大门</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>电机关门中</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>电机同时双向驱动</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>电机停止</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>电机开门中</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>遥控</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>已停止：启动运行以操作机器。</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>传送带</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>end bin: tall %1, short %2</source>
        <translation>末端料箱：高 %1，矮 %2</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>送料器</translation>
    </message>
    <message>
        <source>open</source>
        <translation>已打开</translation>
    </message>
    <message>
        <source>short</source>
        <translation>矮件</translation>
    </message>
    <message>
        <source>side bin: tall %1, short %2</source>
        <translation>侧面料箱：高 %1，矮 %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>高件</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警示</translation>
    </message>
</context>
<context>
    <name>page.names</name>
    <message>
        <source>Address to name</source>
        <translation>要命名的地址</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Comment of %1</source>
        <translation>%1 的注释</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Name of %1</source>
        <translation>%1 的名称</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Names table</source>
        <translation>名称表</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>address</source>
        <translation>地址</translation>
    </message>
</context>
<context>
    <name>page.offline</name>
    <message>
        <source>A new version of Rungbox is ready: it opens the next time Rungbox starts.</source>
        <translation>Rungbox 新版本已就绪：将在下次启动 Rungbox 时启用。</translation>
    </message>
</context>
<context>
    <name>page.panel</name>
    <message>
        <source>COUNTER</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>计数器 %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>仿真</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>启动或停止仿真</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>开关 %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>定时器</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>定时器 %1</translation>
    </message>
</context>
<context>
    <name>page.print</name>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Ladder diagram</source>
        <translation>梯形图</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Listing</source>
        <translation>程序清单</translation>
    </message>
    <message>
        <source>Name and comment</source>
        <translation>名称和注释</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Printed program</source>
        <translation>打印的程序</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>The program has no names.</source>
        <translation>程序中没有名称。</translation>
    </message>
    <message>
        <source>Untitled program</source>
        <translation>未命名程序</translation>
    </message>
</context>
<context>
    <name>page.storage</name>
    <message>
        <source>Another Rungbox tab kept its program for the next visit. This tab&apos;s program is kept again when you change it.</source>
        <translation>另一个 Rungbox 标签页已为下次访问保存了它的程序。你修改本标签页的程序后，会再次保存本标签页的程序。</translation>
    </message>
    <message>
        <source>The browser keeps nothing for this page: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>浏览器不为此页面保存任何内容：此程序不会保留到下次访问。请用“文件 &gt; 另存为”保存。</translation>
    </message>
    <message>
        <source>The browser&apos;s storage is full: this program is not kept for the next visit. Save it with File &gt; Save As.</source>
        <translation>浏览器存储已满：此程序不会保留到下次访问。请用“文件 &gt; 另存为”保存。</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read, and there is no room to set it aside: this tab keeps nothing over it.</source>
        <translation>无法读取上次访问保存的程序，且没有空间将其另行存放：本标签页不会覆盖它。</translation>
    </message>
    <message>
        <source>The program kept from an earlier visit could not be read. It is set aside in the browser&apos;s storage as &quot;%1&quot;; this page starts with an empty program.</source>
        <translation>无法读取上次访问保存的程序。它已在浏览器存储中另存为“%1”；本页面以空程序启动。</translation>
    </message>
</context>
<context>
    <name>page.timing</name>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Close the timing diagram</source>
        <translation>关闭时序图</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Download the diagram as a PNG picture</source>
        <translation>将时序图下载为 PNG 图片</translation>
    </message>
    <message>
        <source>Download the diagram as an SVG picture</source>
        <translation>将时序图下载为 SVG 图片</translation>
    </message>
    <message>
        <source>Download the recording as a value change dump</source>
        <translation>将记录下载为 VCD（值变化转储）文件</translation>
    </message>
    <message>
        <source>Export Timing as PNG</source>
        <translation>将时序导出为 PNG</translation>
    </message>
    <message>
        <source>Export Timing as SVG</source>
        <translation>将时序导出为 SVG</translation>
    </message>
    <message>
        <source>Export Timing as VCD</source>
        <translation>将时序导出为 VCD</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>运行期间记录信号</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>窗口内显示一半时间</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>窗口内显示全部记录</translation>
    </message>
    <message>
        <source>Show this signal</source>
        <translation>显示此信号</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>窗口内显示两倍时间</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Stop recording this signal</source>
        <translation>停止记录此信号</translation>
    </message>
    <message>
        <source>The signal to add or remove: a relay address (0 to 20000) or a name: %1</source>
        <translation>要添加或移除的信号：继电器地址（0 到 20000）或名称：%1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>节拍</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>定时器值以节拍而非秒显示</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Timing diagram: %1</source>
        <translation>时序图：%1</translation>
    </message>
    <message>
        <source>Timing diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>时序</translation>
    </message>
    <message>
        <source>Waveforms: %1</source>
        <translation>波形：%1</translation>
    </message>
    <message>
        <source>Waveforms</source>
        <translation>波形</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>信号，如 2000 或 tim0</translation>
    </message>
</context>
<context>
    <name>page.touch</name>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Show the drawing tools</source>
        <translation>显示绘图工具</translation>
    </message>
    <message>
        <source>Stop the run to draw</source>
        <translation>停止运行后才能绘制</translation>
    </message>
    <message>
        <source>Type into the cell</source>
        <translation>在单元格中输入</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::About</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckDialog</name>
    <message>
        <source>A hidden test: only its result shows</source>
        <translation>隐藏测试：仅显示结果</translation>
    </message>
    <message>
        <source>Check With Script: %1</source>
        <translation>用脚本检查：%1</translation>
    </message>
    <message>
        <source>Check With Script</source>
        <translation>用脚本检查</translation>
    </message>
    <message>
        <source>Double-click a failed test to see the run in the timing diagram</source>
        <translation>双击未通过的测试，在时序图中查看其运行过程</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>期望值</translation>
    </message>
    <message>
        <source>Got</source>
        <translation>实际值</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>分数</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox 脚本</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>The script %1 could not be read: %2</source>
        <translation>无法读取脚本 %1：%2</translation>
    </message>
    <message>
        <source>Timing Diagram: %1 failed</source>
        <translation>时序图：%1 未通过</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>未通过</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>通过</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::CheckTools</name>
    <message>
        <source>&amp;Check With Script...</source>
        <translation>用脚本检查(&amp;C)...</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation>已送箱子 %1，传送带上 %2</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>启动</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>belt</source>
        <translation>传送带</translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation>箱子卡在入口</translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation>箱子卡在推杆处</translation>
    </message>
    <message>
        <source>end bin</source>
        <translation>末端料箱</translation>
    </message>
    <message>
        <source>extended</source>
        <translation>已伸出</translation>
    </message>
    <message>
        <source>feeder</source>
        <translation>送料器</translation>
    </message>
    <message>
        <source>retracted</source>
        <translation>已缩回</translation>
    </message>
    <message>
        <source>short</source>
        <translation>矮件</translation>
    </message>
    <message>
        <source>side bin</source>
        <translation>侧面料箱</translation>
    </message>
    <message>
        <source>tall %1
short %2</source>
        <translation>高 %1
矮 %2</translation>
    </message>
    <message>
        <source>tall</source>
        <translation>高件</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DebugTools</name>
    <message>
        <source>&amp;DM Table</source>
        <translation>DM 表(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Debug</source>
        <translation>调试(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Registers</source>
        <translation>寄存器(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>继续(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Watch Table</source>
        <translation>监视表(&amp;W)</translation>
    </message>
    <message>
        <source>Registers</source>
        <translation>寄存器</translation>
    </message>
    <message>
        <source>Step &amp;Instruction</source>
        <translation>单步指令(&amp;I)</translation>
    </message>
    <message>
        <source>Step &amp;Scan</source>
        <translation>单步扫描(&amp;S)</translation>
    </message>
    <message>
        <source>Step &amp;Tick</source>
        <translation>单步节拍(&amp;T)</translation>
    </message>
    <message>
        <source>Toggle &amp;Breakpoint</source>
        <translation>切换断点(&amp;B)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::DmTable</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1：不是有效的字（#0000 到 #FFFF，&amp;0 到 &amp;65535）</translation>
    </message>
    <message>
        <source>DM Table</source>
        <translation>DM 表</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreDialog</name>
    <message>
        <source># one property a line, over relays after every scan</source>
        <translation># 每行一个性质，针对每次扫描后的继电器</translation>
    </message>
    <message>
        <source>&amp;Prove</source>
        <translation>证明(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save Script...</source>
        <translation>保存脚本(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>时序图(&amp;T)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Compare With Program</source>
        <translation>与程序比较</translation>
    </message>
    <message>
        <source>Counterexample (a scan a millisecond)</source>
        <translation>反例（每毫秒一次扫描）</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>完成。</translation>
    </message>
    <message>
        <source>Exploring...</source>
        <translation>正在探索…</translation>
    </message>
    <message>
        <source>No property.</source>
        <translation>没有性质。</translation>
    </message>
    <message>
        <source>Prove Properties</source>
        <translation>证明性质</translation>
    </message>
    <message>
        <source>Refused.</source>
        <translation>已拒绝。</translation>
    </message>
    <message>
        <source>Rungbox script</source>
        <translation>Rungbox 脚本</translation>
    </message>
    <message>
        <source>The program cannot start.</source>
        <translation>程序无法启动。</translation>
    </message>
    <message>
        <source>Type the properties, then Prove.</source>
        <translation>输入性质，然后单击“证明”。</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ExploreTools</name>
    <message>
        <source>&amp;Compare With Program...</source>
        <translation>与程序比较(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Prove Properties...</source>
        <translation>证明性质(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::FrontPanel</name>
    <message>
        <source>COUNTER</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>Counter %1</source>
        <translation>计数器 %1</translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>输入</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>输入 %1</translation>
    </message>
    <message>
        <source>Input switch</source>
        <translation>输入开关</translation>
    </message>
    <message>
        <source>Ladder code</source>
        <translation>梯形图代码</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>指示灯</translation>
    </message>
    <message>
        <source>Loading </source>
        <translation>正在加载 </translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>输出 %1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>仿真</translation>
    </message>
    <message>
        <source>Start or stop the simulation (F5)</source>
        <translation>启动或停止仿真 (F5)</translation>
    </message>
    <message>
        <source>Start or stop the simulation</source>
        <translation>启动或停止仿真</translation>
    </message>
    <message>
        <source>Switch %1</source>
        <translation>开关 %1</translation>
    </message>
    <message>
        <source>TIMER</source>
        <translation>定时器</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>定时器 %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation>1000 开门</translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation>1001 关门</translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation>1002 警示灯</translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation>大门开度 %1 %</translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation>电机关门中</translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation>电机同时双向驱动</translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation>电机停止</translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation>电机开门中</translation>
    </message>
    <message>
        <source>Remote</source>
        <translation>遥控</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation>单击：
车辆
到达</translation>
    </message>
    <message>
        <source>closed</source>
        <translation>已关闭</translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation>大门关在车上</translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation>电机顶住限位</translation>
    </message>
    <message>
        <source>open</source>
        <translation>已打开</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警示</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderEditing</name>
    <message>
        <source>Address...	Enter</source>
        <translation>地址...	Enter</translation>
    </message>
    <message>
        <source>Copy Rung	Ctrl+C</source>
        <translation>复制梯级	Ctrl+C</translation>
    </message>
    <message>
        <source>Delete Rung</source>
        <translation>删除梯级</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>Move Rung Down</source>
        <translation>下移梯级</translation>
    </message>
    <message>
        <source>Move Rung Up</source>
        <translation>上移梯级</translation>
    </message>
    <message>
        <source>Paste Rungs	Ctrl+V</source>
        <translation>粘贴梯级	Ctrl+V</translation>
    </message>
    <message>
        <source>address</source>
        <translation>地址</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderTools</name>
    <message>
        <source>&amp;Ladder Diagram</source>
        <translation>梯形图(&amp;L)</translation>
    </message>
    <message>
        <source>Export &amp;Diagram...</source>
        <translation>导出梯形图(&amp;D)...</translation>
    </message>
    <message>
        <source>Export Diagram</source>
        <translation>导出梯形图</translation>
    </message>
    <message>
        <source>The diagram could not be written to %1.</source>
        <translation>无法将梯形图写入 %1。</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LadderWindow</name>
    <message>
        <source>Ladder Diagram</source>
        <translation>梯形图</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>语言(&amp;G)</translation>
    </message>
    <message>
        <source>System Language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>The language changes the next time Rungbox starts.</source>
        <translation>语言将在下次启动 Rungbox 时更改。</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MachineTools</name>
    <message>
        <source>&amp;Conveyor </source>
        <translation>传送带(&amp;C) </translation>
    </message>
    <message>
        <source>&amp;House Gate</source>
        <translation>庭院大门(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Module</source>
        <translation>模块(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Motor Starter</source>
        <translation>电机启动器(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Tank and Pumps</source>
        <translation>水箱与泵(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;none</source>
        <translation>无(&amp;N)</translation>
    </message>
    <message>
        <source>Car &amp;Park</source>
        <translation>停车场(&amp;P)</translation>
    </message>
    <message>
        <source>T&amp;raffic Intersection</source>
        <translation>交通路口(&amp;R)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::MainWindow</name>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>加载(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>PLC Ladder Code</source>
        <translation>PLC 梯形图代码</translation>
    </message>
    <message>
        <source>Run or Stop</source>
        <translation>运行或停止</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>另存为(&amp;A)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation>故障</translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation>已停止：启动运行以操作机器。</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesTools</name>
    <message>
        <source>&amp;Names</source>
        <translation>名称(&amp;N)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::NamesWindow</name>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>name %1</source>
        <translation>名称 %1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::OptionsTools</name>
    <message>
        <source>&amp;Extended Instruction Set</source>
        <translation>扩展指令集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Extended instruction set</source>
        <translation>扩展指令集</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PackTools</name>
    <message>
        <source>%1 (visible tests)</source>
        <translation>%1（可见测试）</translation>
    </message>
    <message>
        <source>&amp;Hand In...</source>
        <translation>提交(&amp;H)...</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>检查</translation>
    </message>
    <message>
        <source>Exercise &amp;Pack</source>
        <translation>练习包(&amp;P)</translation>
    </message>
    <message>
        <source>Exercise Pack</source>
        <translation>练习包</translation>
    </message>
    <message>
        <source>Exercise</source>
        <translation>练习</translation>
    </message>
    <message>
        <source>Go back to the starter program of %1?<byte value="xd"/>
Your work on this exercise will be lost.</source>
        <translation>返回 %1 的初始程序吗？<byte value="xd"/>
你在此练习上的工作将丢失。</translation>
    </message>
    <message>
        <source>Hand In...</source>
        <translation>提交...</translation>
    </message>
    <message>
        <source>Open Exercise &amp;Pack...</source>
        <translation>打开练习包(&amp;O)...</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>重置练习</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>The check could not be recorded:<byte value="xd"/>
%1</source>
        <translation>无法记录检查结果：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The exercise pack %1 could not be opened:<byte value="xd"/>
%2</source>
        <translation>无法打开练习包 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The hand-in could not be saved:<byte value="xd"/>
%1</source>
        <translation>无法保存提交文件：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The starter of %1 could not be restored:<byte value="xd"/>
%2</source>
        <translation>无法恢复 %1 的初始程序：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The work on %1 could not be kept:<byte value="xd"/>
%2</source>
        <translation>无法保存 %1 的作业：<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::PrintTools</name>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>(no file)</source>
        <translation>(无文件)</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>导出 PDF(&amp;F)...</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>The PDF could not be saved:<byte value="xd"/>
%1</source>
        <translation>无法保存 PDF：<byte value="xd"/>
%1</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::RegisterWordsView</name>
    <message>
        <source>Force word</source>
        <translation>强制字</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>已强制</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>解除强制</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>字</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingTools</name>
    <message>
        <source>&amp;Timing Diagram</source>
        <translation>时序图(&amp;T)</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::TimingWindow</name>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Export Timing as &amp;PNG/SVG...</source>
        <translation>将时序导出为 PNG/SVG(&amp;P)...</translation>
    </message>
    <message>
        <source>Export Timing as &amp;VCD...</source>
        <translation>将时序导出为 VCD(&amp;V)...</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Record the signals while a run goes on</source>
        <translation>运行期间记录信号</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>记录</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Rungbox timing diagram</source>
        <translation>Rungbox 时序图</translation>
    </message>
    <message>
        <source>Show half the time across the window</source>
        <translation>窗口内显示一半时间</translation>
    </message>
    <message>
        <source>Show the whole recording across the window</source>
        <translation>窗口内显示全部记录</translation>
    </message>
    <message>
        <source>Show twice the time across the window</source>
        <translation>窗口内显示两倍时间</translation>
    </message>
    <message>
        <source>The signal to add or remove: %1</source>
        <translation>要添加或移除的信号：%1</translation>
    </message>
    <message>
        <source>Ticks</source>
        <translation>节拍</translation>
    </message>
    <message>
        <source>Timers&apos; values in ticks instead of seconds</source>
        <translation>定时器值以节拍而非秒显示</translation>
    </message>
    <message>
        <source>Timing Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Timing</source>
        <translation>时序</translation>
    </message>
    <message>
        <source>Value change dump</source>
        <translation>值变化转储 (VCD)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>signal, e.g. 2000 or tim0</source>
        <translation>信号，如 2000 或 tim0</translation>
    </message>
</context>
<context>
    <name>rungbox::ui::WatchWindow</name>
    <message>
        <source>%1: not a word (#0000 to #FFFF, &amp;0 to &amp;65535)</source>
        <translation>%1：不是有效的字（#0000 到 #FFFF，&amp;0 到 &amp;65535）</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Force off</source>
        <translation>强制 OFF</translation>
    </message>
    <message>
        <source>Force on</source>
        <translation>强制 ON</translation>
    </message>
    <message>
        <source>Force word</source>
        <translation>强制字</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>已强制</translation>
    </message>
    <message>
        <source>How the selected word shows: hexadecimal, BCD or decimal</source>
        <translation>所选字的显示方式：十六进制、BCD 或十进制</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>On/Done</source>
        <translation>ON/完成</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>解除强制</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设定</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Watch:</source>
        <translation>监视：</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>监视</translation>
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
