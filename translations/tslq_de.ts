<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackupDialog</name>
    <message>
        <source>Made by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelsPage</name>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste would also replace %1 channel(s) that the filter hides: %2.
Do you want to paste?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>The list would replace %1 filled channel(s); channels that are not in the list stay as they are.
Yes replaces them, No puts every row into the free channels, Cancel stops.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Text Files(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of a data file must end in .qx.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a TSL-Q2/Q3 data file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
The saved file will hold those values as if they had been in it.
Do you want to save?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has gone over the line to the radio yet: there is no serial log to save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Program &amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program language will change the next time TSL-Q2/Q3 starts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save &amp;Serial Log...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuPages</name>
    <message>
        <source>&amp;Operation Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compare First...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
