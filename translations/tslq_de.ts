<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VFO %1</source>
        <translation type="unfinished">VFO %1</translation>
    </message>
    <message>
        <source>CALL %1</source>
        <translation type="unfinished">CALL %1</translation>
    </message>
    <message>
        <source>DTMF %1</source>
        <translation type="unfinished">DTMF %1</translation>
    </message>
    <message>
        <source>Program VFO %1</source>
        <translation type="unfinished">Programm-VFO %1</translation>
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
        <translation type="unfinished">VFO</translation>
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
        <translation type="unfinished">CALL-Kanäle</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation type="unfinished">DTMF-Speicher</translation>
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
        <translation type="unfinished">Ton %1</translation>
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
    <name>Printing</name>
    <message>
        <source>cannot draw the PDF file</source>
        <extracomment>Why a PDF could not be written, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>die PDF-Datei kann nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>ReadBackDialog</name>
    <message>
        <source>The read-back has finished.</source>
        <translation>Das Rücklesen ist abgeschlossen.</translation>
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
        <translation type="unfinished"></translation>
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
