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
        <translation type="unfinished">Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished">Lesen</translation>
    </message>
    <message>
        <source>Backups of reads</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelGrid</name>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelPanel</name>
    <message>
        <source>How far the transmit frequency lies from the receive frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished">Ablagerichtung</translation>
    </message>
    <message>
        <source>Receives on the transmit frequency and transmits on the receive frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends a subaudible tone with every transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous Tone-Coded Squelch System: sends the tone and opens the squelch only for signals that carry it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital-Coded Squelch: sends the code and opens the squelch only for signals that carry it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The subaudible tone sent with Tone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tone of the Continuous Tone-Coded Squelch System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel number; Enter opens the memory editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive frequency in megahertz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit shift: plus, minus, simplex or split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset of the transmit frequency, or the transmit frequency of a split channel, in megahertz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone, CTCSS (continuous tone-coded squelch) or DCS (digital-coded squelch)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tone frequency in hertz, or the DCS code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rev: receive on the transmit frequency and transmit on the receive frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locked out channels are skipped by scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory channel name</source>
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
    <message>
        <source>Clear Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 or typing edits the current cell; Enter opens the memory editor; Ctrl+Shift+S sorts by the current column; Shift+F10 or the Menu key opens the edit commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by &amp;Column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field that shows nothing (an empty channel&apos;s frequency, a blank name).</extracomment>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>1 record differs.</source>
        <translation>1 Datensatz unterscheidet sich.</translation>
    </message>
    <message numerus="yes">
        <source>%n records differ.</source>
        <translation>
            <numerusform>%n Datensatz unterscheidet sich.</numerusform>
            <numerusform>%n Datensätze unterscheiden sich.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 The radio is of another version than the window&apos;s data.</source>
        <extracomment>%1: how many records differ (&quot;3 records differ.&quot;), or that none does.</extracomment>
        <translation>%1 Das Funkgerät hat eine andere Version als die Daten im Fenster.</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>Column: where the difference is (&quot;Memory 005&quot;, &quot;Menu&quot;).</extracomment>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>Column: which field of the slot differs.</extracomment>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Column: what the radio holds.</extracomment>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>Column: what the program&apos;s window holds.</extracomment>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>The row of the radio&apos;s version (type code and model).</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>&amp;Write These Changes</source>
        <translation>Diese Änderungen &amp;schreiben</translation>
    </message>
    <message>
        <source>&amp;Take Radio&apos;s Values</source>
        <translation>Werte des Funkgeräts &amp;übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>The radio holds what the window holds.</source>
        <translation>Das Funkgerät enthält, was das Fenster enthält.</translation>
    </message>
    <message>
        <source>Tx Frequency : </source>
        <extracomment>As the status bar says it; a transmit frequency follows (&quot;438.000MHz&quot;).</extracomment>
        <translation>TX-Frequenz : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>As the status bar says it; an offset follows (&quot;0.60MHz&quot;).</extracomment>
        <translation>Ablage : </translation>
    </message>
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;memory channels and VFO&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>An item of a list before the rest of it: &quot;memory channels, DTMF memories and VFO&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records were not loaded: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines were not loaded; the earlier lines of their slots are used: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This file ends early: %1; what is missing holds empty or default values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in it</source>
        <extracomment>What a data file that ends early lacks, one section: &quot;VFO is not in it&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 are not in it</source>
        <extracomment>What a data file that ends early lacks, several sections: &quot;memory channels and VFO are not in it&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 may be missing</source>
        <extracomment>The section a data file ends in: &quot;memory channels may be missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>&quot;VFO is not in it, and memory channels may be missing&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>memory channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the menu settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>menu setting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>menu settings %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n records came back incomplete: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records cannot be sent, a radio of this version cannot hold them; a write leaves them out and the radio keeps what it holds there: %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged records left out of the file will be cleared in the radio: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changes %1</source>
        <extracomment>Follows &quot;this write&quot;: &quot;changes 3 channels, 1 DTMF memory and 2 settings&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changes nothing</source>
        <extracomment>Follows &quot;this write&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This write empties %1 the radio holds: %2.</source>
        <extracomment>%1: &quot;2 channels and 1 DTMF memory&quot;; %2: the channels and DTMF memories, &quot;005, 031–063; DTMF 0–2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DTMF memories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The channels, then the DTMF memories a write empties: &quot;005, L0; DTMF 0–2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <extracomment>The DTMF memories a write empties: &quot;DTMF 0–2&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program VFO %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No channel list: no header row with a Frequency column.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row(s) imported, %2 of them adjusted; %3 row(s) skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 filled channel(s) replaced; channels that are not in the list stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not UTF-8; its text was read as %1.</source>
        <extracomment>%1: &quot;windows-1252&quot; or &quot;code page 932 (ASCII and half-width katakana)&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>code page 932 (ASCII and half-width katakana)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 name character(s) not in the radio&apos;s character set were replaced by blanks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1: skipped, %2.</source>
        <extracomment>%2: why, in English for now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 (channel %2): %3.</source>
        <extracomment>%2: the channel&apos;s label; %3: what was changed, in English for now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channel(s) exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channel(s) exported in the radio&apos;s 8-bit code page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost on the way through the list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line of the export report: &quot;005: reverse is on; the list has no place for it.&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio&apos;s reply for %1 was garbled twice (&quot;%2&quot;: %3).</source>
        <extracomment>%1: &quot;the model&quot;, &quot;memory 005&quot;...; %2: the command sent; %3: what was wrong with the reply.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the model</source>
        <extracomment>&quot;The radio&apos;s reply for the model was garbled twice&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the band limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wake-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs what the radio holds: read the radio or compare with it first in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio last read or written is of version %1, the data of version %2: read the radio or compare with it first.</source>
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
    <name>CsvReportDialog</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Comment</source>
        <comment>undo step</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program VFO %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu setting %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by memory name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DtmfEditor</name>
    <message>
        <source>The tone digits the radio sends: 0 to 9, A to D, the star and the hash</source>
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
    <name>HelpViewer</name>
    <message>
        <source>Help topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageDiff</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset or Tx</source>
        <translation>Ablage / TX</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Tx Step</source>
        <translation>TX-Schrittweite</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Datensatz</translation>
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
    <name>LinkCommands</name>
    <message>
        <source>Take Radio&apos;s Values</source>
        <extracomment>The undo step of the compare view&apos;s button &quot;Take Radio&apos;s Values&quot; (no mnemonic).</extracomment>
        <translation>Werte des Funkgeräts übernehmen</translation>
    </message>
    <message>
        <source>The radio holds the window&apos;s data already, as of %1: nothing to write.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;.</extracomment>
        <translation>Nach %1 enthält das Funkgerät die Daten des Fensters bereits: Es gibt nichts zu schreiben.</translation>
    </message>
    <message>
        <source>Write the 1 changed record to the radio?
The radio is taken to hold what it held at %1.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;.</extracomment>
        <translation>1 geänderten Datensatz in das Funkgerät schreiben?
Es wird angenommen, dass das Funkgerät enthält, was es nach %1 enthielt.</translation>
    </message>
    <message numerus="yes">
        <source>Write the %n changed records to the radio?
The radio is taken to hold what it held at %1.</source>
        <translation>
            <numerusform>%n geänderten Datensatz in das Funkgerät schreiben?
Es wird angenommen, dass das Funkgerät enthält, was es nach %1 enthielt.</numerusform>
            <numerusform>%n geänderte Datensätze in das Funkgerät schreiben?
Es wird angenommen, dass das Funkgerät enthält, was es nach %1 enthielt.</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>Das Funkgerät enthält, was geschrieben wurde.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save &amp;Serial Log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More toolbar commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your note, kept in the data file; up to 50 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter or F2 opens the editor of the current row; Shift+F10 or the Menu key opens its edit commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive frequency in MHz, which is also the transmit frequency unless the channel has a shift or a transmit frequency of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation type="unfinished">Suchlaufsperre</translation>
    </message>
    <message>
        <source>An asterisk marks a channel that scanning skips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable frequency oscillator: the frequency of each band outside the memory channels. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency in MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency memories. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF memory number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The digits the radio sends as tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not locked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>locked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plus shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minus shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>own transmit frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shift %1 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DCS code %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CTCSS tone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryEditor</name>
    <message>
        <source>Next channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 399, or a label such as L0, U9, PR1 or I-1; Up and Down go to the next and previous channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The radio skips this channel when it scans</source>
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
        <translation type="unfinished">Tastensperre</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished">Beleuchtung</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished">Speichername</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation type="unfinished">Batteriesparen</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished">Automatische Abschaltung</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation type="unfinished">Einschaltmeldung</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished">Kontrast</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">Sprache (Funkgerät)</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation type="unfinished">DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation type="unfinished">DTMF-Tempo</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation type="unfinished">DTMF-Halten</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation type="unfinished">DTMF-Sperre</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation type="unfinished">VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation type="unfinished">VOX bei belegtem Kanal</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation type="unfinished">Sendesperre</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation type="unfinished">Ferritantenne</translation>
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
        <translation type="unfinished">Automatische Relaisablage</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation type="unfinished">CALL-Taste</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished">Tastenton</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation type="unfinished">Abstimmen im Speicherbetrieb</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation type="unfinished">Packet-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation type="unfinished">Speicherabruf</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation type="unfinished">Speichergruppen verknüpfen</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished">Akku</translation>
    </message>
    <message>
        <source>Operation Band</source>
        <translation type="unfinished">Betriebsband</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished">Balance</translation>
    </message>
    <message>
        <source>0 is the &quot;A&quot; band only, 2 the centre, 4 the &quot;B&quot; band only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation type="unfinished">Abschwächer</translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency signalling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice-operated transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive and transmit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmit inhibit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra low power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group link %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuTexts</name>
    <message>
        <source>Operation Band</source>
        <translation>Betriebsband</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Band Select</source>
        <translation>Bandwahl</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>Abschwächer</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>Tastensperre</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>Beleuchtung</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>A-Band RF Power</source>
        <translation>Sendeleistung A-Band</translation>
    </message>
    <message>
        <source>B-Band RF Power</source>
        <translation>Sendeleistung B-Band</translation>
    </message>
    <message>
        <source>1.2GHz A-Band RF Power</source>
        <translation>1.2GHz-Sendeleistung A-Band</translation>
    </message>
    <message>
        <source>1.2GHz B-Band RF Power</source>
        <translation>1.2GHz-Sendeleistung B-Band</translation>
    </message>
    <message>
        <source>Scan Resume Method</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Speichergruppen verknüpfen</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Speicherabruf</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>Automatische Relaisablage</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Abstimmen im Speicherbetrieb</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Sendesperre</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMF-Tempo</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMF-Sperre</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMF-Halten</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>Einschaltmeldung</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Batteriesparen</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>Automatische Abschaltung</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX bei belegtem Kanal</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>VOX Deley</source>
        <translation>VOX-Haltezeit</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALL-Taste</translation>
    </message>
    <message>
        <source>1750Hz Tone hold</source>
        <translation>1750Hz-Ton halten</translation>
    </message>
    <message>
        <source>Beet Shift</source>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Ferritantenne</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache (Funkgerät)</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Packet-Geschwindigkeit</translation>
    </message>
    <message>
        <source>144MHz FM Narrow</source>
        <translation>144MHz FM schmal</translation>
    </message>
    <message>
        <source>220MHz FM Narrow</source>
        <translation>220MHz FM schmal</translation>
    </message>
    <message>
        <source>440MHz FM Narrow</source>
        <translation>440MHz FM schmal</translation>
    </message>
    <message>
        <source>1200MHz FM Narrow</source>
        <translation>1200MHz FM schmal</translation>
    </message>
    <message>
        <source>HF Band FM Narrow</source>
        <translation>HF-Band FM schmal</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>430MHz FM Narrow</source>
        <translation>430MHz FM schmal</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Compare First...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PtyHost</name>
    <message>
        <source>Cannot create a pseudo-terminal: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>Das Pseudo-Terminal kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot create a pipe: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>Die Pipe kann nicht angelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>RadioPort</name>
    <message>
        <source>No device is set for this port: plug in the USB serial adapter, or choose a device with Radio &gt; Port Select &gt; Device...</source>
        <translation>Für diese Schnittstelle ist kein Gerät eingestellt: Stecken Sie den USB-Seriell-Adapter ein, oder wählen Sie ein Gerät unter Funkgerät &gt; Schnittstelle wählen &gt; Gerät...</translation>
    </message>
    <message>
        <source>%1 does not exist: the USB serial adapter may be unplugged.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0.</extracomment>
        <translation>%1 existiert nicht: Der USB-Seriell-Adapter ist vielleicht nicht eingesteckt.</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0.</extracomment>
        <translation>%1 wird von einem anderen Programm benutzt.</translation>
    </message>
    <message>
        <source>%1: you are not allowed to open it: add yourself to the dialout group (sudo usermod -aG dialout $USER), then log in again.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0. &quot;dialout&quot; and the command stay as they are.</extracomment>
        <translation>%1: Sie dürfen es nicht öffnen: Nehmen Sie sich in die Gruppe dialout auf (sudo usermod -aG dialout $USER) und melden Sie sich dann neu an.</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <extracomment>%1: a device such as /dev/ttyUSB0; %2: the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>Unknown exception in the receive handler</source>
        <translation>Unbekannte Ausnahme bei der Verarbeitung empfangener Daten</translation>
    </message>
    <message>
        <source>CommOpen Error,invalid HANDLE:NULL</source>
        <translation>CommOpen-Fehler, ungültiges HANDLE:NULL</translation>
    </message>
    <message>
        <source>CommOpen Error,invalid HANDLE:0xFFFFFFFF</source>
        <translation>CommOpen-Fehler, ungültiges HANDLE:0xFFFFFFFF</translation>
    </message>
    <message>
        <source>Have not started communications</source>
        <translation>Die Verbindung wurde nicht gestartet</translation>
    </message>
    <message>
        <source>Read data Timeout</source>
        <translation>Zeitüberschreitung beim Lesen der Daten</translation>
    </message>
    <message>
        <source>Write data Timeout</source>
        <translation>Zeitüberschreitung beim Schreiben der Daten</translation>
    </message>
    <message>
        <source>Communication Read Error  ErrorMask=%d</source>
        <extracomment>%d: the error mask, a number.</extracomment>
        <translation>Lesefehler der Verbindung  ErrorMask=%d</translation>
    </message>
    <message>
        <source>Communication Write Error  ErrorMask=%d</source>
        <extracomment>%d: the error mask, a number.</extracomment>
        <translation>Schreibfehler der Verbindung  ErrorMask=%d</translation>
    </message>
    <message>
        <source>Too much write data</source>
        <translation>Zu viele Daten zum Schreiben</translation>
    </message>
</context>
<context>
    <name>ReadBackDialog</name>
    <message>
        <source>The read-back has finished.</source>
        <translation>Das Rücklesen ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Verify</source>
        <extracomment>The window title of the read-back after a write.</extracomment>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Reading back what was written.</source>
        <translation>Das Geschriebene wird zurückgelesen.</translation>
    </message>
</context>
<context>
    <name>ReadDialog</name>
    <message>
        <source>The read has finished.</source>
        <translation>Das Lesen ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>The window title of the read&apos;s progress window.</extracomment>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>Daten werden aus dem Funkgerät gelesen.</translation>
    </message>
</context>
<context>
    <name>SetFieldDialog</name>
    <message>
        <source>No tone, a subaudible tone, or the Continuous Tone-Coded Squelch System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Version of your radio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SimServer</name>
    <message>
        <source>Invalid type code &quot;%1&quot; (for example KK,0F)</source>
        <extracomment>%1: the type code given (KK,0F is an example of a valid one).</extracomment>
        <translation>Ungültiger Typcode „%1“ (zum Beispiel KK,0F)</translation>
    </message>
    <message>
        <source>No model is known for type %1; give one with --model</source>
        <extracomment>%1: a type code; --model is an option of the command line.</extracomment>
        <translation>Für den Typ %1 ist kein Modell bekannt; geben Sie eines mit --model an</translation>
    </message>
    <message>
        <source>Invalid model &quot;%1&quot; (ZT-Q2, ZT-Q3 or ZT-Q5)</source>
        <extracomment>%1: the model given.</extracomment>
        <translation>Ungültiges Modell „%1“ (ZT-Q2, ZT-Q3 oder ZT-Q5)</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>Ungültige Schnittstellennummer</translation>
    </message>
</context>
<context>
    <name>SortDialog</name>
    <message>
        <source>Sort by</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>%1 progress</source>
        <extracomment>The progress bar&apos;s name for screen readers; %1: the window title (&quot;Read&quot;, &quot;Write&quot;, &quot;Verify&quot;).</extracomment>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The progress window&apos;s label once Cancel has ended the transfer.</extracomment>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>The transfer stopped.</source>
        <translation>Die Übertragung wurde unterbrochen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>Das Funkgerät ist ungültig.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>Zeitüberschreitung bei der Verbindung.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>COM-Schnittstelle ist ungültig.
Bitte den Zustand der Schnittstelle prüfen.</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>COM-Schnittstelle ist ungültig.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>The radio stopped answering: the cable may be unplugged or the radio switched off.</source>
        <translation>Das Funkgerät antwortet nicht mehr: Das Kabel ist vielleicht abgezogen oder das Funkgerät ausgeschaltet.</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then try again.</source>
        <translation>Prüfen Sie Kabel und Funkgerät und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The read did not finish; nothing was changed.</source>
        <translation>Das Lesen wurde nicht abgeschlossen; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The write finished; the read-back did not, so whether the radio holds what was written is not known.</source>
        <translation>Das Schreiben wurde abgeschlossen, das Rücklesen nicht; ob das Funkgerät enthält, was geschrieben wurde, ist daher nicht bekannt.</translation>
    </message>
    <message>
        <source>The radio does not hold what was written.</source>
        <translation>Das Funkgerät enthält nicht, was geschrieben wurde.</translation>
    </message>
    <message>
        <source>The radio now holds part of the new data; a new write will complete it.</source>
        <translation>Das Funkgerät enthält jetzt einen Teil der neuen Daten; ein erneutes Schreiben vervollständigt sie.</translation>
    </message>
</context>
<context>
    <name>VfoEditor</name>
    <message>
        <source>Program VFO lower limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In MHz: the VFO tunes only between the two limits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteConfirm</name>
    <message>
        <source>the last read at %1 (%2 %3)</source>
        <extracomment>What the radio held is known from this; it goes into &quot;Against what the radio held at %1, ...&quot;, &quot;... as of %1: nothing to write.&quot; and &quot;... what it held at %1.&quot;. %1: the time (12:31:05); %2 %3: the type code and model (KK,0F ZT-Q2).</extracomment>
        <translation>dem letzten Lesen um %1 (%2 %3)</translation>
    </message>
    <message>
        <source>the last compare at %1 (%2 %3)</source>
        <extracomment>As &quot;the last read at %1 (%2 %3)&quot;, for Compare with Radio.</extracomment>
        <translation>dem letzten Vergleich um %1 (%2 %3)</translation>
    </message>
    <message>
        <source>the last write at %1 (%2 %3)</source>
        <extracomment>As &quot;the last read at %1 (%2 %3)&quot;, for a finished write.</extracomment>
        <translation>dem letzten Schreiben um %1 (%2 %3)</translation>
    </message>
    <message>
        <source>The write sends those values in their place.</source>
        <extracomment>Follows &quot;This file ends early: ...&quot;, which names what the file lacked.</extracomment>
        <translation>Das Schreiben sendet an ihrer Stelle die Werte des Fensters.</translation>
    </message>
    <message>
        <source>What the radio holds is not known: no read, compare or finished write of this radio version in this session tells it, so what this write changes or empties there cannot be shown. Compare First... reads the radio and lists the differences.</source>
        <extracomment>&quot;Compare First...&quot; is the button of the same question.</extracomment>
        <translation>Was das Funkgerät enthält, ist nicht bekannt: Kein Lesen, Vergleichen oder abgeschlossenes Schreiben dieser Geräteversion in dieser Sitzung gibt darüber Auskunft, daher kann nicht gezeigt werden, was dieses Schreiben dort ändert oder leert. „Erst vergleichen...“ liest das Funkgerät und listet die Unterschiede auf.</translation>
    </message>
    <message>
        <source>Against what the radio held at %1, this write %2.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;; %2: &quot;changes 3 channels and 2 settings&quot; or &quot;changes nothing&quot;.</extracomment>
        <translation>Dieses Schreiben %2 gegenüber dem, was das Funkgerät nach %1 enthielt.</translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>The write has finished.</source>
        <translation>Das Schreiben ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>The window title of the write&apos;s progress window.</extracomment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>Daten werden in das Funkgerät geschrieben.</translation>
    </message>
    <message>
        <source>Writing the changes to the Radio.</source>
        <translation>Die Änderungen werden in das Funkgerät geschrieben.</translation>
    </message>
</context>
</TS>
