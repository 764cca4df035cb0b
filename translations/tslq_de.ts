<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About TSL-Q2/Q3</source>
        <translation>Über TSL-Q2/Q3</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>Version 1.00</translation>
    </message>
</context>
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
        <translation>leer</translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished">leer</translation>
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
        <translation type="unfinished">DTMF-Speicher</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation type="unfinished">VFO</translation>
    </message>
    <message>
        <source>CALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation type="unfinished">CALL-Kanäle</translation>
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
        <translation type="unfinished">Menü</translation>
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
        <translation type="unfinished">Kommentar</translation>
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
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>TSL-Q2/Q3 Help</source>
        <translation>TSL-Q2/Q3 Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Program &amp;Language</source>
        <translation>Programm&amp;sprache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>The program language will change the next time TSL-Q2/Q3 starts.</source>
        <translation>Die Programmsprache ändert sich beim nächsten Start von TSL-Q2/Q3.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save &amp;Serial Log...</source>
        <translation>Schnittstellen&amp;protokoll speichern...</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>More toolbar commands</source>
        <translation>Weitere Befehle der Werkzeugleiste</translation>
    </message>
    <message>
        <source>Your note, kept in the data file; up to 50 characters</source>
        <translation>Ihre Notiz, in der Datendatei gespeichert; bis zu 50 Zeichen</translation>
    </message>
    <message>
        <source>Enter or F2 opens the editor of the current row; Shift+F10 or the Menu key opens its edit commands</source>
        <translation>Eingabetaste oder F2 öffnet den Editor der aktuellen Zeile; Umschalt+F10 oder die Menütaste öffnet ihre Bearbeitungsbefehle</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, which is also the transmit frequency unless the channel has a shift or a transmit frequency of its own</source>
        <translation>Empfangsfrequenz in MHz; sie ist auch die Sendefrequenz, außer der Kanal hat eine Ablage oder eine eigene Sendefrequenz</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>An asterisk marks a channel that scanning skips</source>
        <translation>Ein Sternchen markiert einen Kanal, den der Suchlauf überspringt</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Variable frequency oscillator: the frequency of each band outside the memory channels. </source>
        <translation>Variabler Frequenzoszillator: die Frequenz jedes Bandes außerhalb der Speicherkanäle. </translation>
    </message>
    <message>
        <source>Frequency in MHz</source>
        <translation>Frequenz in MHz</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALL-Kanäle</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency memories. </source>
        <translation>Speicher für Doppelton-Mehrfrequenz-Wahl (DTMF). </translation>
    </message>
    <message>
        <source>DTMF memory number</source>
        <translation>DTMF-Speichernummer</translation>
    </message>
    <message>
        <source>The digits the radio sends as tones</source>
        <translation>Die Ziffern, die das Funkgerät als Töne sendet</translation>
    </message>
    <message>
        <source>not locked out</source>
        <translation>keine Suchlaufsperre</translation>
    </message>
    <message>
        <source>locked out</source>
        <translation>Suchlaufsperre</translation>
    </message>
    <message>
        <source>plus shift</source>
        <translation>Ablage plus</translation>
    </message>
    <message>
        <source>minus shift</source>
        <translation>Ablage minus</translation>
    </message>
    <message>
        <source>own transmit frequency</source>
        <translation>eigene Sendefrequenz</translation>
    </message>
    <message>
        <source>shift %1 MHz</source>
        <translation>Ablage %1 MHz</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>DCS code %1</source>
        <translation>DCS-Code %1</translation>
    </message>
    <message>
        <source>CTCSS tone %1</source>
        <translation>CTCSS-Ton %1</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>Ton %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>Speicherkanäle &amp;sortieren...</translation>
    </message>
    <message>
        <source>Set &amp;Field for Selection...</source>
        <translation>&amp;Feld für Auswahl setzen...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>&amp;Alles</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>&amp;Suchlaufsperre</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Funkgerät</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>&amp;Schreiben</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>Schnittstelle &amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>&amp;Speicher</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>Menü &amp;1</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>Menü &amp;2</translation>
    </message>
    <message>
        <source>Cha&amp;nnels</source>
        <translation>&amp;Kanäle</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>S&amp;peicherkanal</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>&amp;VFO</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>&amp;CALL-Kanal</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>D&amp;TMF-Speicher</translation>
    </message>
    <message>
        <source>ch.</source>
        <extracomment>grid heading, short: the memory channel&apos;s number</extracomment>
        <translation>Kan.</translation>
    </message>
    <message>
        <source>Rx(Tx) Freq.</source>
        <extracomment>grid heading, short: receive (and transmit) frequency</extracomment>
        <translation>RX(TX)-Freq.</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>grid heading, short: frequency</extracomment>
        <translation>Freq.</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>status bar and grid heading: a channel&apos;s or DTMF memory&apos;s name (&quot;Name : HOME&quot;)</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>grid heading, short: the DTMF memory&apos;s number</extracomment>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>[Radio]</source>
        <extracomment>caption after a read: the data came from the radio, not from a file</extracomment>
        <translation>[Funkgerät]</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Export Listing as PDF...</source>
        <translation>Ausdruck als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation>Kanäle &amp;importieren (CSV)...</translation>
    </message>
    <message>
        <source>Expor&amp;t Channels (CSV)...</source>
        <translation>Kanäle e&amp;xportieren (CSV)...</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>Ä&amp;nderungen</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>Mit Funkgerät &amp;vergleichen...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>Nach dem Schreiben &amp;prüfen</translation>
    </message>
    <message>
        <source>Writes only the records that differ from what the radio holds</source>
        <translation>Schreibt nur die Datensätze, die sich von denen im Funkgerät unterscheiden</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <extracomment>status bar: &quot;Tx Frequency : 145.000MHz&quot;</extracomment>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>Offset</source>
        <extracomment>status bar: the repeater offset, &quot;Offset : 0.60MHz&quot;</extracomment>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Programmable VFO</source>
        <extracomment>status bar: the program VFO&apos;s range, &quot;Programmable VFO : 144-146&quot;</extracomment>
        <translation>Programm-VFO</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Si&amp;cherung öffnen...</translation>
    </message>
    <message>
        <source>The data read from the radio could not be kept as a backup.</source>
        <translation>Die vom Funkgerät gelesenen Daten konnten nicht als Sicherung abgelegt werden.</translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Operation Band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 is the &quot;A&quot; band only, 2 the centre, 4 the &quot;B&quot; band only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation type="unfinished"></translation>
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
    <name>Messages</name>
    <message>
        <source>Compare First...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortSelect</name>
    <message>
        <source>%1st</source>
        <extracomment>ordinal numbers 1st, 21st, 31st... (%1 the number); other languages write the same form for all four: &quot;%1.&quot;, &quot;%1番目&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>ordinal numbers 2nd, 22nd...</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>ordinal numbers 3rd, 23rd...</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>ordinal numbers 4th, 11th, 12th, 13th...</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Device of %1, for example /dev/ttyUSB0, /dev/serial/by-id/... or a
pseudo-terminal such as /dev/pts/3.
Leave it empty to use the %2 USB serial adapter found.</source>
        <extracomment>%1 the port (COM3), %2 an ordinal number (3rd)</extracomment>
        <translation>Gerät von %1, zum Beispiel /dev/ttyUSB0, /dev/serial/by-id/... oder ein
Pseudo-Terminal wie /dev/pts/3.
Leer lassen, um den %2 gefundenen USB-Seriell-Adapter zu verwenden.</translation>
    </message>
    <message>
        <source>%1 reaches %2 (simulated radio, this run only)</source>
        <extracomment>status tip of a port item: %1 the port (COM1), %2 its device (/dev/pts/3)</extracomment>
        <translation>%1 erreicht %2 (simuliertes Funkgerät, nur für diesen Lauf)</translation>
    </message>
    <message>
        <source>%1 reaches %2 (set by hand)</source>
        <translation>%1 erreicht %2 (von Hand gesetzt)</translation>
    </message>
    <message>
        <source>%1 reaches %2 (the %3 USB serial adapter)</source>
        <extracomment>%3 an ordinal number (1st): the first USB serial adapter found</extracomment>
        <translation>%1 erreicht %2 (der %3 USB-Seriell-Adapter)</translation>
    </message>
    <message>
        <source>%1 reaches no device; set one with Device...</source>
        <extracomment>&quot;Device...&quot; is the item Radio &gt; Port Select &gt; Device...</extracomment>
        <translation>%1 erreicht kein Gerät; legen Sie eines mit „Gerät...“ fest</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>&amp;Gerät...</translation>
    </message>
    <message>
        <source>Set the device that %1 reaches</source>
        <translation>Das Gerät festlegen, das %1 erreicht</translation>
    </message>
    <message>
        <source>%1 is not a serial device.
Please check and try again.</source>
        <extracomment>%1 the path the operator gave</extracomment>
        <translation>%1 ist keine serielle Schnittstelle.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 does not exist yet.
%2 will reach it once the adapter is plugged in.</source>
        <extracomment>%1 the path the operator gave, %2 the port (COM1)</extracomment>
        <translation>%1 existiert noch nicht.
%2 erreicht das Gerät, sobald der Adapter eingesteckt ist.</translation>
    </message>
    <message>
        <source>The simulated radio cannot start.</source>
        <translation>Das simulierte Funkgerät kann nicht starten.</translation>
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
    <name>SortDialog</name>
    <message>
        <source>Sort by</source>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>Speicherkanäle sortieren</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>&amp;Sortieren</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
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
