<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>QObject</name>
    <message>
        <source>tall %1
short %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ConveyorWindow</name>
    <message>
        <source>Boxes fed %1, on the belt %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conveyor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>belt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box jammed at the entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>box jammed at the pusher</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>end bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>feeder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>retracted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>side bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rungbox::ui::GateWindow</name>
    <message>
        <source>1000 open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1001 close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1002 light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gate %1 % open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House Gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor closing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor driven BOTH ways</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motor opening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>click:
a car
arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gate closed onto the car</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>motor against a limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rungbox::ui::ModuleWindow</name>
    <message>
        <source>Faults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: start the run to work the machine.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
