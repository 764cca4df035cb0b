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
    <message>
        <source>Backups of reads</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelColumns</name>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Receive (MHz)</source>
        <translation>Empfang (MHz)</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>Column: the direction of the repeater shift</extracomment>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Offset / Tx (MHz)</source>
        <extracomment>Column: the offset, or the transmit frequency of a split channel</extracomment>
        <translation>Ablage / TX (MHz)</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>Tonmodus</translation>
    </message>
    <message>
        <source>Tone (Hz) / DCS</source>
        <translation>Ton (Hz) / DCS</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>Column: the modulation (FM, AM, ...)</extracomment>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Column: the tuning step</extracomment>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Lock out</source>
        <extracomment>Column: skipped by scanning</extracomment>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column: the memory channel&apos;s name</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>empty channel</source>
        <translation>leerer Kanal</translation>
    </message>
    <message>
        <source>no lock out on scan edges and priority channels</source>
        <translation>keine Suchlaufsperre bei Suchlaufgrenzen und Prioritätskanälen</translation>
    </message>
    <message>
        <source>not offered on this channel&apos;s band or mode</source>
        <translation>im Band oder in der Betriebsart dieses Kanals nicht verfügbar</translation>
    </message>
    <message>
        <source>no tone mode set</source>
        <translation>kein Tonmodus gesetzt</translation>
    </message>
    <message>
        <source>no plus or minus shift</source>
        <translation>keine Ablage plus oder minus</translation>
    </message>
    <message>
        <source>invalid frequency</source>
        <translation>ungültige Frequenz</translation>
    </message>
    <message>
        <source>invalid offset</source>
        <translation>ungültige Ablage</translation>
    </message>
    <message>
        <source>invalid character</source>
        <translation>ungültiges Zeichen</translation>
    </message>
    <message>
        <source>information channel of the radio</source>
        <translation>Informationskanal des Funkgeräts</translation>
    </message>
    <message>
        <source>the channel does not fit this slot</source>
        <translation>der Kanal passt nicht auf diesen Platz</translation>
    </message>
    <message>
        <source>not a channel</source>
        <translation>kein Kanal</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Tone mode of a channel without a tone</extracomment>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>Tone mode: the subaudible tone encoder</extracomment>
        <translation>Ton</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Set %1 on %2</source>
        <extracomment>Undo step: %1 what was set (Tone, No Tone, CTCSS, Mode, ...), %2 the channels (&quot;012&quot;, &quot;40 channels&quot;)</extracomment>
        <translation>%1 für %2 setzen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>Suchlaufsperre für %1</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <extracomment>Undo step: %1 the channel or channels (&quot;030&quot;, &quot;395-399&quot;)</extracomment>
        <translation>Einfügen in %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <extracomment>The slots of an undo step: &quot;Cut 3 channels&quot; (one slot is named by its label)</extracomment>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 left %n channels as they were:</source>
        <extracomment>First line of a report; %1 the command (Cut, Paste, Set Field for Selection, ...); a line &quot;label: reason&quot; follows for each channel</extracomment>
        <translation>
            <numerusform>%1: %n Kanal blieb unverändert:</numerusform>
            <numerusform>%1: %n Kanäle blieben unverändert:</numerusform>
        </translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <extracomment>Last line of a report that lists the first 12 channels</extracomment>
        <translation>... und %1 weitere.</translation>
    </message>
    <message numerus="yes">
        <source>%n records found no channel after 399 and were not pasted.</source>
        <translation>
            <numerusform>%n Datensatz fand keinen Kanal nach 399 und wurde nicht eingefügt.</numerusform>
            <numerusform>%n Datensätze fanden keinen Kanal nach 399 und wurden nicht eingefügt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelGrid</name>
    <message>
        <source>empty</source>
        <translation type="unfinished">leer</translation>
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
        <translation type="unfinished">Abstimmschritt</translation>
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
        <translation type="unfinished">Der Code des DCS (Digital-Coded Squelch)</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>off</source>
        <extracomment>Spoken state of a Reverse or Lock out box: &quot;012, Lock out, off&quot;</extracomment>
        <translation>aus</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Spoken state of a Reverse or Lock out box: &quot;012, Lock out, on&quot;</extracomment>
        <translation>ein</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken for a cell that shows nothing</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>Channel number; Enter opens the memory editor</source>
        <translation>Kanalnummer; die Eingabetaste öffnet den Speicherkanal-Editor</translation>
    </message>
    <message>
        <source>Receive frequency in megahertz</source>
        <translation>Empfangsfrequenz in Megahertz</translation>
    </message>
    <message>
        <source>Transmit shift: plus, minus, simplex or split</source>
        <translation>Ablagerichtung: plus, minus, Simplex oder Split</translation>
    </message>
    <message>
        <source>Offset of the transmit frequency, or the transmit frequency of a split channel, in megahertz</source>
        <translation>Ablage der Sendefrequenz oder, bei einem Split-Kanal, die Sendefrequenz, in Megahertz</translation>
    </message>
    <message>
        <source>Tone, CTCSS (continuous tone-coded squelch) or DCS (digital-coded squelch)</source>
        <translation>Ton, CTCSS (Continuous Tone-Coded Squelch) oder DCS (Digital-Coded Squelch)</translation>
    </message>
    <message>
        <source>Tone frequency in hertz, or the DCS code</source>
        <translation>Tonfrequenz in Hertz oder der DCS-Code</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Betriebsart (Modulation)</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>Rev: receive on the transmit frequency and transmit on the receive frequency</source>
        <translation>Reverse: auf der Sendefrequenz empfangen und auf der Empfangsfrequenz senden</translation>
    </message>
    <message>
        <source>Locked out channels are skipped by scanning</source>
        <translation>Kanäle mit Suchlaufsperre werden beim Suchlauf übersprungen</translation>
    </message>
    <message>
        <source>Memory channel name</source>
        <translation>Speichername</translation>
    </message>
</context>
<context>
    <name>ChannelsPage</name>
    <message>
        <source> and %1 more</source>
        <extracomment>After the first 12 channel labels of a list: &quot;011, 013, ... and 3 more&quot;</extracomment>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>Clear Find</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>F2 or typing edits the current cell; Enter opens the memory editor; Ctrl+Shift+S sorts by the current column; Shift+F10 or the Menu key opens the edit commands</source>
        <translation>F2 oder Tippen bearbeitet die aktuelle Zelle; die Eingabetaste öffnet den Speicherkanal-Editor; Strg+Umschalt+S sortiert nach der aktuellen Spalte; Umschalt+F10 oder die Menütaste öffnet die Bearbeitungsbefehle</translation>
    </message>
    <message>
        <source>Sort by &amp;Column</source>
        <translation>Nach Spalte s&amp;ortieren</translation>
    </message>
    <message>
        <source>1 channel</source>
        <extracomment>How many rows the table shows (the filter&apos;s count)</extracomment>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <extracomment>Said after a sort; %1 the column&apos;s title</extracomment>
        <translation>Sortiert nach %1, aufsteigend</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <extracomment>Said after a sort; %1 the column&apos;s title</extracomment>
        <translation>Sortiert nach %1, absteigend</translation>
    </message>
    <message>
        <source>Name, frequency, channel or a range such as 144-146</source>
        <extracomment>Hint in the empty Find box: what it finds</extracomment>
        <translation>Name, Frequenz, Kanal oder Bereich wie 144-146</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Hide empty channels</source>
        <translation>Leere Kanäle ausblenden</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <extracomment>Pop-up menu: lock the selected channels out of scanning (or back in)</extracomment>
        <translation>Suchlauf&amp;sperre</translation>
    </message>
    <message>
        <source>Cut</source>
        <extracomment>The command in a report: &quot;Cut left 2 channels as they were:&quot;</extracomment>
        <translation>Ausschneiden</translation>
    </message>
    <message numerus="yes">
        <source>Paste would also replace %n channel(s) that the filter hides: %1.
Do you want to paste?</source>
        <extracomment>%1 the labels of the channels (&quot;011, 013, 014&quot;)</extracomment>
        <translation>
            <numerusform>Einfügen würde auch %n Kanal ersetzen, den der Filter ausblendet: %1.
Möchten Sie einfügen?</numerusform>
            <numerusform>Einfügen würde auch %n Kanäle ersetzen, die der Filter ausblendet: %1.
Möchten Sie einfügen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The command in a report: &quot;Paste left 2 channels as they were:&quot;</extracomment>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The command in a report: &quot;Delete left 2 channels as they were:&quot;</extracomment>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>The command in a report: &quot;Lock Out left 2 channels as they were:&quot;</extracomment>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>Set Field for Selection</source>
        <extracomment>The command in a report: &quot;Set Field for Selection left 2 channels as they were:&quot;</extracomment>
        <translation>Feld für Auswahl setzen</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
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
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
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
        <translation type="unfinished">Einfügen in %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation type="unfinished">%1 ausschneiden</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished">%1 löschen</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <translation type="unfinished">Suchlaufsperre für %1</translation>
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
    <name>FieldTexts</name>
    <message>
        <source>Tx Frequency : </source>
        <extracomment>Status bar, before the transmit frequency of a split channel (&quot;145.000MHz&quot;)</extracomment>
        <translation>TX-Frequenz : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>Status bar, before the repeater offset (&quot;0.60MHz&quot;)</extracomment>
        <translation>Ablage : </translation>
    </message>
    <message>
        <source>Programmable VFO : </source>
        <extracomment>Status bar, before the program VFO&apos;s range in MHz (&quot;144-147&quot;)</extracomment>
        <translation>Programm-VFO : </translation>
    </message>
    <message>
        <source>Name : </source>
        <extracomment>Status bar, before the name of a DTMF memory</extracomment>
        <translation>Name : </translation>
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
        <translation type="unfinished"></translation>
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
        <translation>Betriebsb&amp;and</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>Ba&amp;lance</translation>
    </message>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>„A“-Band</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>„B“-Band</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>F&amp;unktion</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>Dual</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
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
        <source>&amp;Power</source>
        <translation>&amp;Energie</translation>
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
        <source>&amp;Display</source>
        <translation>An&amp;zeige</translation>
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
        <source>Language</source>
        <extracomment>The radio&apos;s own menu setting: the language of its display</extracomment>
        <translation>Sprache (Funkgerät)</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>D&amp;TMF</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMF-Pause</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMF-Tempo</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMF-Halten</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMF-Sperre</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>&amp;VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOX-Empfindlichkeit</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOX-Haltezeit</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>VOX bei belegtem Kanal</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation>R&amp;X/TX</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>Sendesperre</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Ferritantenne</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Sendeleistung A-Band</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Sendeleistung B-Band</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>1.2G-Sendeleistung A-Band</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>1.2G-Sendeleistung B-Band</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FM schmal</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>144MHz-Band</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220MHz-Band</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440MHz-Band</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>1.2GHz-Band</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>HF-Band</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>Re&amp;lais</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>Automatische Relaisablage</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750Hz-Ton halten</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALL-Taste</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>S&amp;onstiges</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>Abstimmen im Speicherbetrieb</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Packet-Geschwindigkeit</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>Suchlauf-Fortsetzung</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>Speicherabruf</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>Speichergruppen verknüpfen</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>Operation Band</source>
        <translation>Betriebsband</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>0 is the &quot;A&quot; band only, 2 the centre, 4 the &quot;B&quot; band only</source>
        <translation>0 ist nur das „A“-Band, 2 die Mitte, 4 nur das „B“-Band</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>Abschwächer</translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency signalling</source>
        <translation>Mehrfrequenzwahlverfahren (Doppeltöne)</translation>
    </message>
    <message>
        <source>Voice-operated transmit</source>
        <translation>Sprachgesteuertes Senden</translation>
    </message>
    <message>
        <source>Receive and transmit</source>
        <translation>Empfangen und Senden</translation>
    </message>
    <message>
        <source>Transmit inhibit</source>
        <translation>Senden gesperrt</translation>
    </message>
    <message>
        <source>Extra low power</source>
        <translation>Sehr niedrige Leistung</translation>
    </message>
    <message>
        <source>Group link %1</source>
        <extracomment>%1 the number of a memory group, 0 to 7</extracomment>
        <translation>Gruppenverknüpfung %1</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Ungültiges Zeichen.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The radio&apos;s display language</extracomment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <extracomment>The radio&apos;s display language</extracomment>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>DTMF speed</extracomment>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>DTMF speed</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>RF power</extracomment>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>RF power</extracomment>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>1750Hz Tone</source>
        <translation>1750Hz-Ton</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Scan resume: after a time</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Carrier</source>
        <extracomment>Scan resume: when the carrier drops</extracomment>
        <translation>Träger</translation>
    </message>
    <message>
        <source>Seek</source>
        <extracomment>Scan resume: stops on a signal</extracomment>
        <translation>Halt</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>Alle Bänder</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>Aktuelles Band</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>Lithium</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>Alkali</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>430MHz-Band</translation>
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
        <translation>Bandauswahl</translation>
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
        <extracomment>The radio&apos;s spelling of &quot;VOX Delay&quot;, which the printed listing keeps</extracomment>
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
        <extracomment>The radio&apos;s spelling of &quot;Beat Shift&quot;, which the printed listing keeps</extracomment>
        <translation>Beat-Shift</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>Ferritantenne</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The radio&apos;s own setting: the language of its display</extracomment>
        <translation>Sprache (Funkgerät)</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>Packet-Geschwindigkeit</translation>
    </message>
    <message>
        <source>144MHz FM Narrow</source>
        <translation>FM schmal 144MHz</translation>
    </message>
    <message>
        <source>220MHz FM Narrow</source>
        <translation>FM schmal 220MHz</translation>
    </message>
    <message>
        <source>440MHz FM Narrow</source>
        <translation>FM schmal 440MHz</translation>
    </message>
    <message>
        <source>1200MHz FM Narrow</source>
        <translation>FM schmal 1200MHz</translation>
    </message>
    <message>
        <source>HF Band FM Narrow</source>
        <translation>FM schmal HF-Band</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akku</translation>
    </message>
    <message>
        <source>430MHz FM Narrow</source>
        <translation>FM schmal 430MHz</translation>
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
    <name>ReadBackDialog</name>
    <message>
        <source>The read-back has finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadDialog</name>
    <message>
        <source>The read has finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetFieldDialog</name>
    <message>
        <source>No tone, a subaudible tone, or the Continuous Tone-Coded Squelch System</source>
        <translation>Kein Ton, ein Subaudioton oder CTCSS (Continuous Tone-Coded Squelch System)</translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation>Der Code des DCS (Digital-Coded Squelch)</translation>
    </message>
    <message>
        <source>Set Field for Selection</source>
        <translation>Feld für Auswahl setzen</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>The fields the dialog sets: the tone encoder, DCS, modulation, tuning step, repeater shift, scan lock out</extracomment>
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
        <source>Shift</source>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Lock out</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Lock out set or cleared</extracomment>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>Tonmodus</translation>
    </message>
    <message>
        <source>Tone (Hz)</source>
        <translation>Ton (Hz)</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Channels that cannot take the value are left as they are.</source>
        <translation>Kanäle, die den Wert nicht annehmen können, bleiben unverändert.</translation>
    </message>
    <message>
        <source>No Tone</source>
        <translation>Kein Ton</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>Undo step: &quot;Set Lock Out on 3 channels&quot;</extracomment>
        <translation>Suchlaufsperre</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Version of your radio</source>
        <translation>Version Ihres Funkgeräts</translation>
    </message>
    <message>
        <source>Choose the version of your radio:</source>
        <translation>Wählen Sie die Version Ihres Funkgeräts:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ZT-Q2A (U.S.A./Canada)</source>
        <translation>ZT-Q2A (USA/Kanada)</translation>
    </message>
    <message>
        <source>ZT-Q3E (Europe)</source>
        <translation>ZT-Q3E (Europa)</translation>
    </message>
    <message>
        <source>ZT-Q3 (Japan)</source>
        <translation>ZT-Q3 (Japan)</translation>
    </message>
    <message>
        <source>ZT-Q3A (General market)</source>
        <translation>ZT-Q3A (Allgemeiner Markt)</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transfer stopped.</source>
        <translation type="unfinished"></translation>
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
    <name>WriteDialog</name>
    <message>
        <source>The write has finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
