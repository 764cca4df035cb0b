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
        <translation>Erstellt durch</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>Mit Funkgerät vergleichen</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Backups of reads</source>
        <translation>Sicherungen gelesener Daten</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Sicherung öffnen</translation>
    </message>
    <message>
        <source>Every completed read from a radio is kept here, the last %1 of each radio version.</source>
        <extracomment>%1: how many backups are kept for each version of the radio (50).</extracomment>
        <translation>Jedes abgeschlossene Lesen eines Funkgeräts wird hier aufbewahrt, die letzten %1 jeder Geräteversion.</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>column</comment>
        <extracomment>Column header: the date and time of the read.</extracomment>
        <translation>Gelesen</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Column header: the version of the radio the backup was read from (&quot;ZT-Q2 KK,0F&quot;).</extracomment>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>No read from a radio has been kept yet.</source>
        <translation>Es wurde noch kein Lesen eines Funkgeräts aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>CallEditor</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALL-Kanal</translation>
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
    <name>ChannelEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Band</translation>
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
        <translation>Wie weit die Sendefrequenz von der Empfangsfrequenz entfernt liegt</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>Abstimmschritt</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The group of repeater shift choices (Simplex, Plus Shift...), read by a screen reader.</extracomment>
        <translation>Ablagerichtung</translation>
    </message>
    <message>
        <source>Receives on the transmit frequency and transmits on the receive frequency</source>
        <translation>Empfängt auf der Sendefrequenz und sendet auf der Empfangsfrequenz</translation>
    </message>
    <message>
        <source>Sends a subaudible tone with every transmission</source>
        <translation>Sendet bei jeder Aussendung einen Subaudioton</translation>
    </message>
    <message>
        <source>Continuous Tone-Coded Squelch System: sends the tone and opens the squelch only for signals that carry it</source>
        <translation>Continuous Tone-Coded Squelch System: sendet den Ton und öffnet die Rauschsperre nur für Signale, die ihn tragen</translation>
    </message>
    <message>
        <source>Digital-Coded Squelch: sends the code and opens the squelch only for signals that carry it</source>
        <translation>Digital-Coded Squelch: sendet den Code und öffnet die Rauschsperre nur für Signale, die ihn tragen</translation>
    </message>
    <message>
        <source>The subaudible tone sent with Tone</source>
        <translation>Der mit „Ton“ gesendete Subaudioton</translation>
    </message>
    <message>
        <source>The tone of the Continuous Tone-Coded Squelch System</source>
        <translation>Der Ton des Continuous Tone-Coded Squelch System</translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation>Der Code des Digital-Coded Squelch</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>RX-Frequenz</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>TX-Frequenz</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>The tuning step (5kHz, 12.5kHz...).</extracomment>
        <translation>Schrittweite</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>The operating mode (FM, AM, NFM...).</extracomment>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>Split-Kanal</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>Ablage plus</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>Ablage minus</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>The subaudible tone encoder (transmit only).</extracomment>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>Tonfrequenz</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS-Frequenz</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCS-Code</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>Ablage -6.0MHz</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>Ablage -20.0MHz</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>Ablage -7.6MHz</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>Ablage -6MHz</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>Ablage -20MHz</translation>
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
    <name>CheckReasons</name>
    <message>
        <source>not the group asked for</source>
        <translation>nicht die angefragte Gruppe</translation>
    </message>
    <message>
        <source>band limit is not two numbers of 5 or 7 digits</source>
        <translation>Bandgrenze ist nicht zwei Zahlen mit 5 oder 7 Ziffern</translation>
    </message>
    <message>
        <source>type code is not two letters, a comma and two hexadecimal digits</source>
        <translation>Typcode ist nicht zwei Buchstaben, ein Komma und zwei Hexadezimalziffern</translation>
    </message>
    <message>
        <source>not the DTMF memory asked for</source>
        <translation>nicht der angefragte DTMF-Speicher</translation>
    </message>
    <message>
        <source>not the band asked for</source>
        <translation>nicht das angefragte Band</translation>
    </message>
    <message>
        <source>the reply does not echo its command</source>
        <translation>die Antwort wiederholt ihren Befehl nicht</translation>
    </message>
    <message>
        <source>the reply is too long</source>
        <translation>die Antwort ist zu lang</translation>
    </message>
    <message>
        <source>too many fields</source>
        <translation>zu viele Felder</translation>
    </message>
    <message>
        <source>not the channel asked for</source>
        <translation>nicht der angefragte Kanal</translation>
    </message>
    <message>
        <source>no such reply</source>
        <translation>keine solche Antwort</translation>
    </message>
    <message>
        <source>label is not a memory channel</source>
        <translation>Bezeichnung ist kein Speicherkanal</translation>
    </message>
    <message>
        <source>label is not a band code</source>
        <translation>Bezeichnung ist kein Bandcode</translation>
    </message>
    <message>
        <source>label is not a CALL band code</source>
        <translation>Bezeichnung ist kein CALL-Bandcode</translation>
    </message>
    <message>
        <source>label is not a channel</source>
        <translation>Bezeichnung ist kein Kanal</translation>
    </message>
    <message>
        <source>frequency is not 11 digits</source>
        <translation>Frequenz hat nicht 11 Ziffern</translation>
    </message>
    <message>
        <source>step is not a step code</source>
        <translation>Schrittweite ist kein Schrittweitencode</translation>
    </message>
    <message>
        <source>shift is not 0 to 3</source>
        <translation>Ablagerichtung ist nicht 0 bis 3</translation>
    </message>
    <message>
        <source>reverse is not 0 or 1</source>
        <translation>Reverse ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>tone is not 0 or 1</source>
        <translation>Ton ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>CTCSS is not 0 or 1</source>
        <translation>CTCSS ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>DCS is not 0 or 1</source>
        <translation>DCS ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>tone is not 00 to 41</source>
        <translation>Ton ist nicht 00 bis 41</translation>
    </message>
    <message>
        <source>CTCSS tone is not 00 to 41</source>
        <translation>CTCSS-Ton ist nicht 00 bis 41</translation>
    </message>
    <message>
        <source>DCS code is not 000 to 103</source>
        <translation>DCS-Code ist nicht 000 bis 103</translation>
    </message>
    <message>
        <source>offset is not 9 digits</source>
        <translation>Ablage hat nicht 9 Ziffern</translation>
    </message>
    <message>
        <source>mode is not 0 to 5</source>
        <translation>Betriebsart ist nicht 0 bis 5</translation>
    </message>
    <message>
        <source>lockout is not 0 or 1</source>
        <translation>Suchlaufsperre ist nicht 0 oder 1</translation>
    </message>
    <message>
        <source>TX frequency is not 11 digits</source>
        <translation>TX-Frequenz hat nicht 11 Ziffern</translation>
    </message>
    <message>
        <source>TX step is not a step code</source>
        <translation>TX-Schrittweite ist kein Schrittweitencode</translation>
    </message>
    <message>
        <source>field 16 holds a control byte</source>
        <translation>Feld 16 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>number is missing</source>
        <translation>Nummer fehlt</translation>
    </message>
    <message>
        <source>number is not 0 to 9</source>
        <translation>Nummer ist nicht 0 bis 9</translation>
    </message>
    <message>
        <source>code is longer than 16</source>
        <translation>Code ist länger als 16</translation>
    </message>
    <message>
        <source>code holds a character other than 0-9, A-F, *, #</source>
        <translation>Code enthält ein anderes Zeichen als 0-9, A-F, *, #</translation>
    </message>
    <message>
        <source>name holds a control byte</source>
        <translation>Name enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>kein solches Feld</translation>
    </message>
    <message>
        <source>no such fields</source>
        <translation>keine solchen Felder</translation>
    </message>
    <message>
        <source>band is not 0 to 3</source>
        <translation>Band ist nicht 0 bis 3</translation>
    </message>
    <message>
        <source>lower MHz is not 5 digits</source>
        <translation>untere MHz hat nicht 5 Ziffern</translation>
    </message>
    <message>
        <source>upper MHz is not 5 digits</source>
        <translation>obere MHz hat nicht 5 Ziffern</translation>
    </message>
    <message>
        <source>no such menu setting</source>
        <translation>keine solche Menüeinstellung</translation>
    </message>
    <message>
        <source>group link is not 8 characters</source>
        <translation>Gruppenverknüpfung hat nicht 8 Zeichen</translation>
    </message>
    <message>
        <source>group link holds a character out of place</source>
        <translation>Gruppenverknüpfung enthält ein Zeichen an falscher Stelle</translation>
    </message>
    <message>
        <source>message is longer than 8</source>
        <translation>Meldung ist länger als 8</translation>
    </message>
    <message>
        <source>contrast is not 01 to 16</source>
        <translation>Kontrast ist nicht 01 bis 16</translation>
    </message>
    <message>
        <source>menu value is out of range</source>
        <translation>Menüwert liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>kein solcher Datensatz</translation>
    </message>
    <message>
        <source>frequency is missing</source>
        <translation>Frequenz fehlt</translation>
    </message>
    <message>
        <source>step is missing</source>
        <translation>Schrittweite fehlt</translation>
    </message>
    <message>
        <source>shift is missing</source>
        <translation>Ablagerichtung fehlt</translation>
    </message>
    <message>
        <source>reverse is missing</source>
        <translation>Reverse fehlt</translation>
    </message>
    <message>
        <source>tone is missing</source>
        <translation>Ton fehlt</translation>
    </message>
    <message>
        <source>CTCSS is missing</source>
        <translation>CTCSS fehlt</translation>
    </message>
    <message>
        <source>DCS is missing</source>
        <translation>DCS fehlt</translation>
    </message>
    <message>
        <source>tone frequency is missing</source>
        <translation>Tonfrequenz fehlt</translation>
    </message>
    <message>
        <source>CTCSS frequency is missing</source>
        <translation>CTCSS-Frequenz fehlt</translation>
    </message>
    <message>
        <source>DCS code is missing</source>
        <translation>DCS-Code fehlt</translation>
    </message>
    <message>
        <source>offset is missing</source>
        <translation>Ablage fehlt</translation>
    </message>
    <message>
        <source>mode is missing</source>
        <translation>Betriebsart fehlt</translation>
    </message>
    <message>
        <source>name is longer than 8 characters</source>
        <translation>Name ist länger als 8 Zeichen</translation>
    </message>
    <message>
        <source>frequency lies outside every band of the radio</source>
        <translation>Frequenz liegt außerhalb aller Bänder des Funkgeräts</translation>
    </message>
    <message>
        <source>TX frequency lies outside every band of the radio</source>
        <translation>TX-Frequenz liegt außerhalb aller Bänder des Funkgeräts</translation>
    </message>
    <message>
        <source>offset is not a multiple of 50 kHz up to 59.95 MHz</source>
        <translation>Ablage ist kein Vielfaches von 50 kHz bis 59.95 MHz</translation>
    </message>
    <message>
        <source>name holds a character the radio does not have</source>
        <translation>Name enthält ein Zeichen, das das Funkgerät nicht kennt</translation>
    </message>
    <message>
        <source>number is not 00 to 09</source>
        <translation>Nummer ist nicht 00 bis 09</translation>
    </message>
    <message>
        <source>number is not its memory&apos;s</source>
        <translation>Nummer ist nicht die seines Speichers</translation>
    </message>
    <message>
        <source>code holds a character other than 0-9, A-D, *, #, blank</source>
        <translation>Code enthält ein anderes Zeichen als 0-9, A-D, *, #, Leerzeichen</translation>
    </message>
    <message>
        <source>upper MHz is missing</source>
        <translation>obere MHz fehlt</translation>
    </message>
    <message>
        <source>message holds a character the radio does not have</source>
        <translation>Meldung enthält ein Zeichen, das das Funkgerät nicht kennt</translation>
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
        <source>Tx Frequency : </source>
        <extracomment>As the status bar says it; a transmit frequency follows (&quot;438.000MHz&quot;).</extracomment>
        <translation>TX-Frequenz : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>As the status bar says it; an offset follows (&quot;0.60MHz&quot;).</extracomment>
        <translation>Ablage : </translation>
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
</context>
<context>
    <name>CoreMessages</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two items of a list: &quot;memory channels and VFO&quot;.</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>An item of a list before the rest of it: &quot;memory channels, DTMF memories and VFO&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records were not loaded: %1</source>
        <translation>
            <numerusform>%n beschädigter Datensatz wurde nicht geladen: %1</numerusform>
            <numerusform>%n beschädigte Datensätze wurden nicht geladen: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines were not loaded; the earlier lines of their slots are used: %1</source>
        <translation>
            <numerusform>%n beschädigte Zeile wurde nicht geladen; die frühere Zeile ihres Platzes wird verwendet: %1</numerusform>
            <numerusform>%n beschädigte Zeilen wurden nicht geladen; die früheren Zeilen ihrer Plätze werden verwendet: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>This file ends early: %1; what is missing holds empty or default values.</source>
        <translation>Diese Datei endet vorzeitig: %1; was fehlt, enthält leere Werte oder Vorgaben.</translation>
    </message>
    <message>
        <source>%1 is not in it</source>
        <extracomment>What a data file that ends early lacks, one section: &quot;VFO is not in it&quot;.</extracomment>
        <translation>%1 ist nicht darin</translation>
    </message>
    <message>
        <source>%1 are not in it</source>
        <extracomment>What a data file that ends early lacks, several sections: &quot;memory channels and VFO are not in it&quot;.</extracomment>
        <translation>%1 sind nicht darin</translation>
    </message>
    <message>
        <source>%1 may be missing</source>
        <extracomment>The section a data file ends in: &quot;memory channels may be missing&quot;.</extracomment>
        <translation>%1 können fehlen</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>&quot;VFO is not in it, and memory channels may be missing&quot;.</extracomment>
        <translation>%1, und %2</translation>
    </message>
    <message>
        <source>memory channels</source>
        <translation>Speicherkanäle</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>CALL</source>
        <translation>CALL</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALL-Kanäle</translation>
    </message>
    <message>
        <source>VFO channels</source>
        <translation>VFO-Kanäle</translation>
    </message>
    <message>
        <source>the menu settings</source>
        <translation>die Menüeinstellungen</translation>
    </message>
    <message>
        <source>menu setting %1</source>
        <translation>Menüeinstellung %1</translation>
    </message>
    <message>
        <source>menu settings %1 to %2</source>
        <translation>Menüeinstellungen %1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>%n records came back incomplete: %1</source>
        <translation>
            <numerusform>%n Datensatz kam unvollständig zurück: %1</numerusform>
            <numerusform>%n Datensätze kamen unvollständig zurück: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records cannot be sent, a radio of this version cannot hold them; a write leaves them out and the radio keeps what it holds there: %1</source>
        <translation>
            <numerusform>%n Datensatz kann nicht gesendet werden, ein Funkgerät dieser Version kann ihn nicht aufnehmen; ein Schreiben lässt ihn aus, und das Funkgerät behält, was es dort hat: %1</numerusform>
            <numerusform>%n Datensätze können nicht gesendet werden, ein Funkgerät dieser Version kann sie nicht aufnehmen; ein Schreiben lässt sie aus, und das Funkgerät behält, was es dort hat: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged records left out of the file will be cleared in the radio: %1</source>
        <translation>Beschädigte Datensätze, die beim Laden der Datei ausgelassen wurden, werden im Funkgerät gelöscht: %1</translation>
    </message>
    <message>
        <source>changes %1</source>
        <extracomment>Follows &quot;this write&quot;: &quot;changes 3 channels, 1 DTMF memory and 2 settings&quot;.</extracomment>
        <translation>ändert %1</translation>
    </message>
    <message>
        <source>changes nothing</source>
        <extracomment>Follows &quot;this write&quot;.</extracomment>
        <translation>ändert nichts</translation>
    </message>
    <message>
        <source>This write empties %1 the radio holds: %2.</source>
        <extracomment>%1: &quot;2 channels and 1 DTMF memory&quot;; %2: the channels and DTMF memories, &quot;005, 031–063; DTMF 0–2&quot;.</extracomment>
        <translation>Dieses Schreiben leert %1 im Funkgerät: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n Kanal</numerusform>
            <numerusform>%n Kanäle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DTMF memories</source>
        <translation>
            <numerusform>%n DTMF-Speicher</numerusform>
            <numerusform>%n DTMF-Speicher</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n Einstellung</numerusform>
            <numerusform>%n Einstellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>The channels, then the DTMF memories a write empties: &quot;005, L0; DTMF 0–2&quot;.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <extracomment>The DTMF memories a write empties: &quot;DTMF 0–2&quot;.</extracomment>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>Memory %1</source>
        <translation>Speicher %1</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation>CALL %1</translation>
    </message>
    <message>
        <source>Program VFO %1</source>
        <translation>Programm-VFO %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>No channel list: no header row with a Frequency column.</source>
        <translation>Keine Kanalliste: keine Kopfzeile mit einer Spalte Frequency.</translation>
    </message>
    <message>
        <source>%1 row(s) imported, %2 of them adjusted; %3 row(s) skipped.</source>
        <translation>%1 Zeile(n) importiert, davon %2 angepasst; %3 Zeile(n) übersprungen.</translation>
    </message>
    <message>
        <source>The file is not UTF-8; its text was read as %1.</source>
        <extracomment>%1: &quot;windows-1252&quot; or &quot;code page 932 (ASCII and half-width katakana)&quot;.</extracomment>
        <translation>Die Datei ist nicht in UTF-8; ihr Text wurde als %1 gelesen.</translation>
    </message>
    <message>
        <source>code page 932 (ASCII and half-width katakana)</source>
        <translation>Codepage 932 (ASCII und Halbbreiten-Katakana)</translation>
    </message>
    <message>
        <source>Row %1: skipped, %2.</source>
        <extracomment>%2: why, a phrase in lower case: &quot;no frequency&quot;, &quot;frequency 9.000 MHz lies outside every band of the radio&quot;.</extracomment>
        <translation>Zeile %1: übersprungen, %2.</translation>
    </message>
    <message>
        <source>Row %1 (channel %2): %3.</source>
        <extracomment>%2: the channel&apos;s label; %3: what was changed, a phrase in lower case: &quot;frequency 146.5212 MHz moved to 146.520 MHz&quot;.</extracomment>
        <translation>Zeile %1 (Kanal %2): %3.</translation>
    </message>
    <message>
        <source>Lost on the way through the list:</source>
        <translation>Auf dem Weg durch die Liste verloren:</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line of the export report: &quot;005: reverse is on; the list has no place for it.&quot;</extracomment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>The radio&apos;s reply for %1 was garbled twice (&quot;%2&quot;: %3).</source>
        <extracomment>%1: &quot;the model&quot;, &quot;memory 005&quot;...; %2: the command sent; %3: what was wrong with the reply.</extracomment>
        <translation>Die Antwort des Funkgeräts auf „%2“ (%1) war zweimal verstümmelt: %3.</translation>
    </message>
    <message>
        <source>the model</source>
        <extracomment>&quot;The radio&apos;s reply for the model was garbled twice&quot;.</extracomment>
        <translation>Modell</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>the band limits</source>
        <translation>Bandgrenzen</translation>
    </message>
    <message>
        <source>the wake-up</source>
        <translation>Aufwecken</translation>
    </message>
    <message>
        <source>Needs what the radio holds: read the radio or compare with it first in this session.</source>
        <translation>Benötigt den Stand des Funkgeräts: Lesen Sie das Funkgerät in dieser Sitzung zuerst aus oder vergleichen Sie zuerst damit.</translation>
    </message>
    <message>
        <source>The radio last read or written is of version %1, the data of version %2: read the radio or compare with it first.</source>
        <translation>Das zuletzt gelesene oder beschriebene Funkgerät hat die Version %1, die Daten haben die Version %2: Lesen Sie zuerst das Funkgerät aus oder vergleichen Sie damit.</translation>
    </message>
    <message numerus="yes">
        <source>%n filled channel(s) replaced; channels that are not in the list stay as they are.</source>
        <translation>
            <numerusform>%n belegter Kanal ersetzt; Kanäle, die nicht in der Liste stehen, bleiben, wie sie sind.</numerusform>
            <numerusform>%n belegte Kanäle ersetzt; Kanäle, die nicht in der Liste stehen, bleiben, wie sie sind.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name character(s) not in the radio&apos;s character set were replaced by blanks.</source>
        <translation>
            <numerusform>%n Zeichen in Namen, das nicht im Zeichensatz des Funkgeräts steht, wurde durch ein Leerzeichen ersetzt.</numerusform>
            <numerusform>%n Zeichen in Namen, die nicht im Zeichensatz des Funkgeräts stehen, wurden durch Leerzeichen ersetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported.</source>
        <translation>
            <numerusform>%n Kanal exportiert.</numerusform>
            <numerusform>%n Kanäle exportiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported in the radio&apos;s 8-bit code page.</source>
        <translation>
            <numerusform>%n Kanal in der 8-Bit-Codepage des Funkgeräts exportiert.</numerusform>
            <numerusform>%n Kanäle in der 8-Bit-Codepage des Funkgeräts exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>memory %1</source>
        <extracomment>A memory channel in a list of records: &quot;memory 005&quot;, &quot;memory L0&quot;.</extracomment>
        <translation>Speicher %1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <extracomment>A program VFO record in a list of records: &quot;program VFO 1&quot;, &quot;program VFO A_430MHz&quot;.</extracomment>
        <translation>Programm-VFO %1</translation>
    </message>
    <message>
        <source>no frequency</source>
        <extracomment>Why a row is skipped: &quot;Row 7: skipped, no frequency.&quot;</extracomment>
        <translation>keine Frequenz</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Frequency cell as the list has it.</extracomment>
        <translation>Frequenz „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>frequency %1 lies outside every band of the radio</source>
        <extracomment>Why a row is skipped; %1: &quot;9.000 MHz&quot;.</extracomment>
        <translation>Frequenz %1 liegt außerhalb aller Bänder des Funkgeräts</translation>
    </message>
    <message>
        <source>Duplex split without a transmit frequency in Offset</source>
        <extracomment>Why a row is skipped. Duplex, split and Offset are the list&apos;s column names and values.</extracomment>
        <translation>Duplex split ohne Sendefrequenz in Offset</translation>
    </message>
    <message>
        <source>transmit frequency &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Offset cell, which holds the transmit frequency of a split row.</extracomment>
        <translation>Sendefrequenz „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Offset cell.</extracomment>
        <translation>Ablage „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Duplex off (transmit inhibited) at %1, where the radio transmits; it has no transmit inhibit per channel</source>
        <extracomment>Why a row is skipped; Duplex off is the list&apos;s column and value; %1: &quot;145.500 MHz&quot;.</extracomment>
        <translation>Duplex off (Senden gesperrt) auf %1, wo das Funkgerät sendet; es hat keine Sendesperre je Kanal</translation>
    </message>
    <message>
        <source>transmit frequency %1 lies outside the band of %2 (%3 to %4)</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency, %2: the receive frequency, %3 and %4: the limits of its band.</extracomment>
        <translation>Sendefrequenz %1 liegt außerhalb des Bandes von %2 (%3 bis %4)</translation>
    </message>
    <message>
        <source>transmit frequency %1 lies in a range this version leaves out</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency.</extracomment>
        <translation>Sendefrequenz %1 liegt in einem Bereich, den diese Version auslässt</translation>
    </message>
    <message>
        <source>transmit frequency %1 is off every step of its band</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency.</extracomment>
        <translation>Sendefrequenz %1 liegt auf keinem Schritt ihres Bandes</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <extracomment>Why a row is skipped: a field begins with a quotation mark that is never closed.</extracomment>
        <translation>ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>no free channel left</source>
        <extracomment>Why a row is skipped: every memory channel is taken.</extracomment>
        <translation>kein freier Kanal mehr</translation>
    </message>
    <message>
        <source>no offset; the band&apos;s %1 taken</source>
        <extracomment>What was changed in a row; %1: &quot;0.60MHz&quot;.</extracomment>
        <translation>keine Ablage; die des Bandes (%1) übernommen</translation>
    </message>
    <message>
        <source>offset %1 is not offered; stored as a split channel transmitting on %2</source>
        <extracomment>What was changed in a row; %1: the listed offset, %2: the transmit frequency.</extracomment>
        <translation>Ablage %1 wird nicht angeboten; als Split-Kanal mit Sendefrequenz %2 gespeichert</translation>
    </message>
    <message>
        <source>Duplex off (transmit inhibited) stored as simplex; the radio only receives at %1</source>
        <extracomment>What was changed in a row; Duplex off is the list&apos;s column and value; %1: &quot;433.000 MHz&quot;.</extracomment>
        <translation>Duplex off (Senden gesperrt) als Simplex gespeichert; auf %1 empfängt das Funkgerät nur</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; is unknown; taken as simplex</source>
        <extracomment>What was changed in a row; %1: the Duplex cell.</extracomment>
        <translation>Duplex „%1“ ist unbekannt; als Simplex übernommen</translation>
    </message>
    <message>
        <source>offset %1 is not offered; %2 kept for a later shift</source>
        <extracomment>What was changed in a row (a simplex channel); %1: the listed offset, %2: the offset stored.</extracomment>
        <translation>Ablage %1 wird nicht angeboten; %2 für eine spätere Ablage behalten</translation>
    </message>
    <message>
        <source>mode %1 taken as %2</source>
        <extracomment>What was changed in a row; %1: the listed mode (&quot;NFM&quot;), %2: the radio&apos;s mode (&quot;FM&quot;).</extracomment>
        <translation>Betriebsart %1 als %2 übernommen</translation>
    </message>
    <message>
        <source>mode %1 is not offered; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed mode, %2: the band&apos;s mode taken instead.</extracomment>
        <translation>Betriebsart %1 wird nicht angeboten; %2 übernommen</translation>
    </message>
    <message>
        <source>mode %1 is not offered on this band; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed mode, %2: the mode taken instead.</extracomment>
        <translation>Betriebsart %1 wird auf diesem Band nicht angeboten; %2 übernommen</translation>
    </message>
    <message>
        <source>frequency %1 moved to %2</source>
        <extracomment>What was changed in a row; %1: the listed frequency, %2: the one stored.</extracomment>
        <translation>Frequenz %1 auf %2 verschoben</translation>
    </message>
    <message>
        <source>step %1 is not offered; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed step, %2: the step taken.</extracomment>
        <translation>Schrittweite %1 wird nicht angeboten; %2 übernommen</translation>
    </message>
    <message>
        <source>step %1 changed to %2</source>
        <extracomment>What was changed in a row; %1: the listed step, %2: the step stored.</extracomment>
        <translation>Schrittweite %1 in %2 geändert</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not a number; 88.5 Hz taken</source>
        <extracomment>What was changed in a row; %1: the tone cell.</extracomment>
        <translation>Ton „%1“ ist keine Zahl; 88.5 Hz übernommen</translation>
    </message>
    <message>
        <source>tone %1 is not in the list; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed tone, %2: the nearest tone of the radio.</extracomment>
        <translation>Ton %1 steht nicht in der Tonliste; %2 übernommen</translation>
    </message>
    <message>
        <source>DCS code %1 is not in the list; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed DCS code, %2: the nearest code of the radio.</extracomment>
        <translation>DCS-Code %1 steht nicht in der Codeliste; %2 übernommen</translation>
    </message>
    <message>
        <source>tone mode %1 is not offered; taken as %2</source>
        <extracomment>What was changed in a row; %1: the Tone cell (&quot;TSQL-R&quot;), %2: the tone mode taken (&quot;TSQL&quot;).</extracomment>
        <translation>Tonmodus %1 wird nicht angeboten; als %2 übernommen</translation>
    </message>
    <message>
        <source>%1; taken as %2</source>
        <extracomment>What was changed in a row; %1: why (&quot;cross mode DTCS-&gt;Tone is not offered&quot;), %2: what was taken (&quot;tone 88.5 Hz&quot;, &quot;no tone&quot;).</extracomment>
        <translation>%1; als %2 übernommen</translation>
    </message>
    <message>
        <source>Cross without CrossMode is Tone-&gt;Tone, which is not offered</source>
        <extracomment>Cross, CrossMode and Tone-&gt;Tone are the list&apos;s values and column names.</extracomment>
        <translation>Cross ohne CrossMode ist Tone-&gt;Tone, das nicht angeboten wird</translation>
    </message>
    <message>
        <source>cross mode %1 is not offered</source>
        <extracomment>%1: the CrossMode cell (&quot;DTCS-&gt;Tone&quot;).</extracomment>
        <translation>CrossMode %1 wird nicht angeboten</translation>
    </message>
    <message>
        <source>tone %1</source>
        <extracomment>What was taken for a cross mode: &quot;tone 88.5 Hz&quot; (the tone encoder).</extracomment>
        <translation>Ton %1</translation>
    </message>
    <message>
        <source>CTCSS %1</source>
        <extracomment>What was taken for a cross mode: &quot;CTCSS 88.5 Hz&quot;.</extracomment>
        <translation>CTCSS %1</translation>
    </message>
    <message>
        <source>DCS %1</source>
        <extracomment>What was taken for a cross mode: &quot;DCS 023&quot;.</extracomment>
        <translation>DCS %1</translation>
    </message>
    <message>
        <source>no tone</source>
        <extracomment>What was taken for a cross mode.</extracomment>
        <translation>kein Ton</translation>
    </message>
    <message>
        <source>tone mode &quot;%1&quot; is unknown; no tone taken</source>
        <extracomment>What was changed in a row; %1: the Tone cell.</extracomment>
        <translation>Tonmodus „%1“ ist unbekannt; kein Ton übernommen</translation>
    </message>
    <message>
        <source>DCS polarity %1 is not offered; normal taken</source>
        <extracomment>What was changed in a row; %1: the DtcsPolarity cell (&quot;RN&quot;).</extracomment>
        <translation>DCS-Polarität %1 wird nicht angeboten; normal übernommen</translation>
    </message>
    <message>
        <source>name cut to 8 characters</source>
        <extracomment>What was changed in a row.</extracomment>
        <translation>Name auf 8 Zeichen gekürzt</translation>
    </message>
    <message numerus="yes">
        <source>%n name character(s) not in the radio&apos;s set replaced by blanks</source>
        <extracomment>What was changed in a row.</extracomment>
        <translation>
            <numerusform>%n Zeichen des Namens, das nicht im Zeichensatz des Funkgeräts steht, durch ein Leerzeichen ersetzt</numerusform>
            <numerusform>%n Zeichen des Namens, die nicht im Zeichensatz des Funkgeräts stehen, durch Leerzeichen ersetzt</numerusform>
        </translation>
    </message>
    <message>
        <source>skip P (priority scan) is not offered; not skipped</source>
        <extracomment>What was changed in a row; Skip P is the list&apos;s column and value: the channel is not locked out.</extracomment>
        <translation>Skip P (Prioritätssuchlauf) wird nicht angeboten; nicht gesperrt</translation>
    </message>
    <message>
        <source>skip &quot;%1&quot; is unknown; not skipped</source>
        <extracomment>What was changed in a row; %1: the Skip cell.</extracomment>
        <translation>Skip „%1“ ist unbekannt; nicht gesperrt</translation>
    </message>
    <message>
        <source>skip S is not offered on the scan edges and priority channels; not skipped</source>
        <extracomment>What was changed in a row; skip S is the list&apos;s lock-out.</extracomment>
        <translation>Skip S wird bei Suchlaufgrenzen und Prioritätskanälen nicht angeboten; nicht gesperrt</translation>
    </message>
    <message>
        <source>no Location; put in channel %1</source>
        <extracomment>What was changed in a row; Location is the list&apos;s column; %1: the channel the row went to.</extracomment>
        <translation>keine Location; in Kanal %1 gesetzt</translation>
    </message>
    <message>
        <source>Location %1 is the program-scan edge %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>What was changed in a row; %1: the Location cell (400), %2: that slot&apos;s label (L0), %3: the channel the row went to. Location and Comment are the list&apos;s columns.</extracomment>
        <translation>Location %1 ist die Suchlaufgrenze %2, die eine Zeile nur mit „%2“ in Comment erreicht; in Kanal %3 gesetzt</translation>
    </message>
    <message>
        <source>Location %1 is the priority channel %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>As for the program-scan edge; %2: &quot;PR1&quot;.</extracomment>
        <translation>Location %1 ist der Prioritätskanal %2, den eine Zeile nur mit „%2“ in Comment erreicht; in Kanal %3 gesetzt</translation>
    </message>
    <message>
        <source>Location %1 is the information channel %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>As for the program-scan edge; %2: &quot;I-1&quot;.</extracomment>
        <translation>Location %1 ist der Informationskanal %2, den eine Zeile nur mit „%2“ in Comment erreicht; in Kanal %3 gesetzt</translation>
    </message>
    <message>
        <source>Location %1 is no channel of the radio (0 to 399, or 400 to 431 with the channel&apos;s label in Comment); put in channel %2</source>
        <extracomment>What was changed in a row; %1: the Location cell, %2: the channel the row went to.</extracomment>
        <translation>Location %1 ist kein Kanal des Funkgeräts (0 bis 399, oder 400 bis 431 mit der Bezeichnung des Kanals in Comment); in Kanal %2 gesetzt</translation>
    </message>
    <message>
        <source>Location %1 is already taken by row %2; put in channel %3</source>
        <extracomment>What was changed in a row; %1: the Location, %2: the earlier row with it, %3: the channel the row went to.</extracomment>
        <translation>Location %1 ist schon von Zeile %2 belegt; in Kanal %3 gesetzt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A channel&apos;s label, then what the list loses of it: &quot;005: reverse is on; the list has no place for it&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the transmit step differs from the receive step; the list has one step</source>
        <translation>die Sende-Schrittweite weicht von der Empfangs-Schrittweite ab; die Liste kennt nur eine</translation>
    </message>
    <message>
        <source>special minus shift on a band without a special offset; it reads back as minus shift %1</source>
        <extracomment>%1: the offset the channel comes back with from the list (&quot;0.60MHz&quot;).</extracomment>
        <translation>besondere Minus-Ablage auf einem Band ohne besondere Ablage; sie kommt als Ablage minus %1 zurück</translation>
    </message>
    <message>
        <source>special minus shift, which this version does not offer; it reads back as minus shift %1</source>
        <extracomment>%1: the offset the channel comes back with from the list (&quot;7.60MHz&quot;).</extracomment>
        <translation>besondere Minus-Ablage, die diese Version nicht anbietet; sie kommt als Ablage minus %1 zurück</translation>
    </message>
    <message>
        <source>reverse is on; the list has no place for it</source>
        <translation>Reverse ist eingeschaltet; die Liste hat dafür keinen Platz</translation>
    </message>
    <message>
        <source>more than one of tone, CTCSS and DCS is on; the list keeps %1</source>
        <extracomment>%1: the list&apos;s tone mode kept: &quot;DTCS&quot;, &quot;TSQL&quot; or &quot;Tone&quot;.</extracomment>
        <translation>mehr als eines von Ton, CTCSS und DCS ist eingeschaltet; die Liste behält %1</translation>
    </message>
    <message>
        <source>mode code &quot;%1&quot; is unknown; written as FM</source>
        <extracomment>%1: the record&apos;s mode code.</extracomment>
        <translation>Betriebsart-Code „%1“ ist unbekannt; als FM geschrieben</translation>
    </message>
    <message>
        <source>step code &quot;%1&quot; is unknown; written as 5 kHz</source>
        <extracomment>%1: the record&apos;s step code.</extracomment>
        <translation>Schrittweiten-Code „%1“ ist unbekannt; als 5 kHz geschrieben</translation>
    </message>
    <message>
        <source>the RF power field is set; the list does not carry it</source>
        <translation>das Feld für die Sendeleistung ist gesetzt; die Liste überträgt es nicht</translation>
    </message>
    <message numerus="yes">
        <source>the name holds %n byte(s) outside the market&apos;s character set; written as ?</source>
        <translation>
            <numerusform>der Name enthält %n Byte außerhalb des Zeichensatzes der Geräteversion; als ? geschrieben</numerusform>
            <numerusform>der Name enthält %n Bytes außerhalb des Zeichensatzes der Geräteversion; als ? geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>the name holds bytes outside the market&apos;s character set; written as U+FFFD</source>
        <extracomment>U+FFFD is the replacement character (a question mark in a diamond).</extracomment>
        <translation>der Name enthält Bytes außerhalb des Zeichensatzes der Geräteversion; als U+FFFD geschrieben</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A record that cannot be sent and why: &quot;memory 005 (name is longer than 8 characters)&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV channel list (*.csv);;All files (*)</source>
        <extracomment>File dialog filter; keep (*.csv) and (*) as they are.</extracomment>
        <translation>CSV-Kanalliste (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>CSV channel list, UTF-8 (*.csv)</source>
        <extracomment>File dialog filter; keep (*.csv) as it is.</extracomment>
        <translation>CSV-Kanalliste, UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV channel list, Windows code page (*.csv)</source>
        <extracomment>File dialog filter: the text is written in the radio&apos;s 8-bit Windows code page; keep (*.csv) as it is.</extracomment>
        <translation>CSV-Kanalliste, Windows-Codepage (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>Kanäle importieren (CSV)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)</source>
        <translation>Kanäle exportieren (CSV)</translation>
    </message>
    <message numerus="yes">
        <source>The list would replace %n filled channel(s); channels that are not in the list stay as they are.
Yes replaces them, No puts every row into the free channels, Cancel stops.</source>
        <extracomment>Yes, No and Cancel are the buttons of the message box.</extracomment>
        <translation>
            <numerusform>Die Liste würde %n belegten Kanal ersetzen; Kanäle, die nicht in der Liste stehen, bleiben, wie sie sind.
Ja ersetzt ihn, Nein setzt jede Zeile in die freien Kanäle, Abbrechen hält an.</numerusform>
            <numerusform>Die Liste würde %n belegte Kanäle ersetzen; Kanäle, die nicht in der Liste stehen, bleiben, wie sie sind.
Ja ersetzt sie, Nein setzt jede Zeile in die freien Kanäle, Abbrechen hält an.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReportDialog</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Copies the whole report to the clipboard.</extracomment>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <extracomment>Saves the report as a text file.</extracomment>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>report.txt</source>
        <extracomment>The file name proposed for a saved report; keep .txt.</extracomment>
        <translation>Bericht.txt</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter; keep (*.txt) and (*) as they are.</extracomment>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>Comment</source>
        <comment>undo step</comment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>VFO %1</source>
        <extracomment>A VFO in undo steps: %1 the band label (A_144MHz), kept as it is.</extracomment>
        <translation>VFO %1</translation>
    </message>
    <message>
        <source>CALL %1</source>
        <extracomment>A CALL channel in undo steps: %1 the band label (440MHz), kept as it is.</extracomment>
        <translation>CALL %1</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <extracomment>A DTMF memory in undo steps: %1 its number, 0 to 9.</extracomment>
        <translation>DTMF %1</translation>
    </message>
    <message>
        <source>Program VFO %1</source>
        <extracomment>A program VFO range in undo steps: %1 the band label (A_144MHz).</extracomment>
        <translation>Programm-VFO %1</translation>
    </message>
    <message>
        <source>Menu setting %1</source>
        <extracomment>A radio menu setting in undo steps: %1 its name (Key Lock).</extracomment>
        <translation>Menüeinstellung %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>Undo step, an editor&apos;s store: %1 the slot (&quot;012&quot;, &quot;VFO A_144MHz&quot;).</extracomment>
        <translation>Bearbeiten von %1</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <extracomment>Undo step: %1 the slot pasted into (&quot;030&quot;, &quot;VFO A_144MHz&quot;).</extracomment>
        <translation>Einfügen in %1</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>Undo step: %1 the slot (&quot;012&quot;, &quot;DTMF 3&quot;).</extracomment>
        <translation>Ausschneiden von %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>Undo step: %1 the slot (&quot;012&quot;, &quot;DTMF 3&quot;).</extracomment>
        <translation>Löschen von %1</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <extracomment>Undo step, the scan skip of a memory channel: %1 the channel (&quot;012&quot;).</extracomment>
        <translation>Suchlaufsperre %1</translation>
    </message>
    <message>
        <source>Sort by memory name</source>
        <translation>Sortieren nach Speichername</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>Sortieren nach Frequenz</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV-Import</translation>
    </message>
</context>
<context>
    <name>DtmfEditor</name>
    <message>
        <source>The tone digits the radio sends: 0 to 9, A to D, the star and the hash</source>
        <translation>Die Tonziffern, die das Funkgerät sendet: 0 bis 9, A bis D, Stern und Raute</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMF-Speicher</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>Kanalnummer</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMF-Code</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
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
        <extracomment>File dialog filter; keep (*.txt) as it is.</extracomment>
        <translation>Textdateien(*.txt)</translation>
    </message>
    <message>
        <source>The name of a data file must end in .qx.</source>
        <translation>Der Name einer Datendatei muss auf .qx enden.</translation>
    </message>
    <message>
        <source>The file is not a TSL-Q2/Q3 data file.</source>
        <translation>Die Datei ist keine TSL-Q2/Q3-Datendatei.</translation>
    </message>
    <message>
        <source>
The saved file will hold those values as if they had been in it.
Do you want to save?</source>
        <translation>
Die gespeicherte Datei enthält diese Werte, als hätten sie darin gestanden.
Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>Nothing has gone over the line to the radio yet: there is no serial log to save.</source>
        <translation>Es ist noch nichts über die Leitung zum Funkgerät gegangen: Es gibt kein Schnittstellenprotokoll zu speichern.</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <extracomment>File dialog filter; keep (*.pdf) as it is.</extracomment>
        <translation>PDF-Dateien(*.pdf)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The name of data not saved yet, proposed as the file name (keep it a valid file name).</extracomment>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Saving replaces the file, and their lines will be gone from it.
Do you want to save?</source>
        <translation>Das Speichern ersetzt die Datei, und ihre Zeilen fehlen danach darin.
Möchten Sie speichern?</translation>
    </message>
    <message>
        <source>TSL-Q2/Q3 Files(*.qx)</source>
        <translation>TSL-Q2/Q3-Dateien(*.qx)</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file could not be read, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>ist ein Ordner</translation>
    </message>
    <message>
        <source>file too long</source>
        <extracomment>Why a file could not be read: far longer than any data file, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>Datei zu lang</translation>
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
    <message>
        <source>Offset or Tx</source>
        <translation>Ablage / TX</translation>
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
        <translation>Nächster Kanal</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>Vorheriger Kanal</translation>
    </message>
    <message>
        <source>0 to 399, or a label such as L0, U9, PR1 or I-1; Up and Down go to the next and previous channel</source>
        <translation>0 bis 399 oder eine Bezeichnung wie L0, U9, PR1 oder I-1; Pfeil auf und Pfeil ab gehen zum nächsten und vorherigen Kanal</translation>
    </message>
    <message>
        <source>The radio skips this channel when it scans</source>
        <translation>Das Funkgerät überspringt diesen Kanal beim Suchlauf</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>Speicherkanal</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>Speicherkanalnummer</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>Speichername</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>Skipped when the radio scans.</extracomment>
        <translation>Suchlaufsperre</translation>
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
        <translation>Erst vergleichen...</translation>
    </message>
    <message>
        <source>COM%1 is invalid.
Please check comport status.</source>
        <extracomment>%1: the port&apos;s number, 1 to 10 (&quot;COM3 is invalid.&quot;).</extracomment>
        <translation>COM%1 ist ungültig.
Bitte den Zustand der Schnittstelle prüfen.</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>Fehler beim Öffnen der Datei.</translation>
    </message>
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
        <source>There is no default printer.</source>
        <translation>Es ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>Die Daten wurden geändert.
Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>Möchten Sie die Daten in das Funkgerät schreiben?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung übernehmen?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <extracomment>Asked when an editor with unstored changes is closed; keep the space at the end.</extracomment>
        <translation>Der Inhalt wurde geändert.
Möchten Sie die Änderung übernehmen? </translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>Ungültige Frequenz.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>Ungültige Ablage.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>Die Frequenz wurde gerundet.</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>Ungültige Kanalnummer.
Bitte prüfen und erneut versuchen.</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>Ungültiges Zeichen.
Bitte prüfen und erneut versuchen.</translation>
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
    <name>Printing</name>
    <message>
        <source>cannot draw the PDF file</source>
        <extracomment>Why a PDF could not be written, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>die PDF-Datei kann nicht gezeichnet werden</translation>
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
    <name>ReadBackups</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>Why a read could not be kept as a backup; %1: the folder.</extracomment>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
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
    <name>RecoveryFile</name>
    <message>
        <source>TSL-Q2/Q3 did not end normally, and unsaved changes of %1 were kept (%2).
Do you want to restore them? No discards them.</source>
        <extracomment>%1: the data file (or &quot;Untitled&quot;), %2: when the changes were kept (&quot;2024-05-01 18:30:05&quot;); No is a button of the message box.</extracomment>
        <translation>TSL-Q2/Q3 wurde nicht normal beendet; ungespeicherte Änderungen von %1 wurden aufbewahrt (%2).
Möchten Sie sie wiederherstellen? Nein verwirft sie.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>write error</source>
        <extracomment>Why a file could not be written, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>Schreibfehler</translation>
    </message>
    <message>
        <source>can only be written as a whole</source>
        <extracomment>Why a file could not be written (a program error rather than the operator&apos;s).</extracomment>
        <translation>kann nur als Ganzes geschrieben werden</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a file could not be written: the name is a device or a pipe, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>file not open</source>
        <extracomment>Why a file could not be written (a program error rather than the operator&apos;s).</extracomment>
        <translation>Datei nicht geöffnet</translation>
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
        <translation>Untere Grenze des Programm-VFO</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>Obere Grenze des Programm-VFO</translation>
    </message>
    <message>
        <source>In MHz: the VFO tunes only between the two limits</source>
        <translation>In MHz: Der VFO stimmt nur zwischen den beiden Grenzen ab</translation>
    </message>
    <message>
        <source>Program VFO</source>
        <translation>Programm-VFO</translation>
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
