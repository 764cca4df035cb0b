<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BackupDialog</name>
    <message>
        <source>Made by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation type="unfinished">無線機と比較</translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished">読み込み</translation>
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
        <translation type="unfinished">シフト</translation>
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
        <translation>相違点</translation>
    </message>
    <message>
        <source>(none)</source>
        <extracomment>A field that shows nothing (an empty channel&apos;s frequency, a blank name).</extracomment>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>1 record differs.</source>
        <translation>1件のレコードが異なります。</translation>
    </message>
    <message numerus="yes">
        <source>%n records differ.</source>
        <translation>
            <numerusform>%n件のレコードが異なります。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 The radio is of another version than the window&apos;s data.</source>
        <extracomment>%1: how many records differ (&quot;3 records differ.&quot;), or that none does.</extracomment>
        <translation>%1無線機のバージョンがウィンドウのデータと異なります。</translation>
    </message>
    <message>
        <source>Slot</source>
        <extracomment>Column: where the difference is (&quot;Memory 005&quot;, &quot;Menu&quot;).</extracomment>
        <translation>位置</translation>
    </message>
    <message>
        <source>Field</source>
        <extracomment>Column: which field of the slot differs.</extracomment>
        <translation>項目</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Column: what the radio holds.</extracomment>
        <translation>無線機</translation>
    </message>
    <message>
        <source>Window</source>
        <extracomment>Column: what the program&apos;s window holds.</extracomment>
        <translation>ウィンドウ</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>The row of the radio&apos;s version (type code and model).</extracomment>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>&amp;Write These Changes</source>
        <translation>この変更を書き込む(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Take Radio&apos;s Values</source>
        <translation>無線機の値を取り込む(&amp;T)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>無線機と比較</translation>
    </message>
    <message>
        <source>The radio holds what the window holds.</source>
        <translation>無線機の内容はウィンドウの内容と同じです。</translation>
    </message>
    <message>
        <source>Tx Frequency : </source>
        <extracomment>As the status bar says it; a transmit frequency follows (&quot;438.000MHz&quot;).</extracomment>
        <translation>送信周波数 : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>As the status bar says it; an offset follows (&quot;0.60MHz&quot;).</extracomment>
        <translation>オフセット : </translation>
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines were not loaded; the earlier lines of their slots are used: %1</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records cannot be sent, a radio of this version cannot hold them; a write leaves them out and the radio keeps what it holds there: %1</source>
        <translation type="unfinished">
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
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DTMF memories</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation type="unfinished">
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
        <translation>周波数</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset or Tx</source>
        <translation>オフセット / 送信</translation>
    </message>
    <message>
        <source>Tone</source>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Tx Step</source>
        <translation>送信ステップ</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>コード</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>範囲</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>レコード</translation>
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
        <translation>無線機の値を取り込む</translation>
    </message>
    <message>
        <source>The radio holds the window&apos;s data already, as of %1: nothing to write.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;.</extracomment>
        <translation>%1の時点で、無線機はすでにウィンドウのデータを保持しています。書き込むものはありません。</translation>
    </message>
    <message>
        <source>Write the 1 changed record to the radio?
The radio is taken to hold what it held at %1.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;.</extracomment>
        <translation>変更された1件のレコードを無線機に書き込みますか?
無線機は%1の時点の内容を保持しているものとみなします。</translation>
    </message>
    <message numerus="yes">
        <source>Write the %n changed records to the radio?
The radio is taken to hold what it held at %1.</source>
        <translation>
            <numerusform>変更された%n件のレコードを無線機に書き込みますか?
無線機は%1の時点の内容を保持しているものとみなします。</numerusform>
        </translation>
    </message>
    <message>
        <source>The radio holds what was written.</source>
        <translation>書き込んだ内容が無線機に残っています。</translation>
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
        <translation type="unfinished">ロックアウト</translation>
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
        <translation type="unfinished">キーロック</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation type="unfinished">ランプ</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation type="unfinished">メモリーネーム</translation>
    </message>
    <message>
        <source>&amp;Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation type="unfinished">バッテリーセーブ</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation type="unfinished">オートパワーオフ</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation type="unfinished">パワーオンメッセージ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished">コントラスト</translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished">言語（無線機）</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation type="unfinished">DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation type="unfinished">DTMFスピード</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation type="unfinished">DTMFホールド</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation type="unfinished">DTMFロック</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation type="unfinished">VOXゲイン</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation type="unfinished">ビジー時VOX</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation type="unfinished">送信禁止</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation type="unfinished">バーアンテナ</translation>
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
        <translation type="unfinished">オートレピータオフセット</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation type="unfinished">CALLキー</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation type="unfinished">キービープ</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation type="unfinished">メモリーチューン</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation type="unfinished">パケット速度</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation type="unfinished">メモリー呼び出し方法</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation type="unfinished">メモリーグループリンク</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation type="unfinished">バッテリー</translation>
    </message>
    <message>
        <source>Operation Band</source>
        <translation type="unfinished">運用バンド</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished">バランス</translation>
    </message>
    <message>
        <source>0 is the &quot;A&quot; band only, 2 the centre, 4 the &quot;B&quot; band only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation type="unfinished">アッテネーター</translation>
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
        <translation>運用バンド</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>Band Select</source>
        <translation>バンド選択</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>Key Lock</source>
        <translation>キーロック</translation>
    </message>
    <message>
        <source>Lamp</source>
        <translation>ランプ</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>A-Band RF Power</source>
        <translation>Aバンド送信出力</translation>
    </message>
    <message>
        <source>B-Band RF Power</source>
        <translation>Bバンド送信出力</translation>
    </message>
    <message>
        <source>1.2GHz A-Band RF Power</source>
        <translation>1.2GHz Aバンド送信出力</translation>
    </message>
    <message>
        <source>1.2GHz B-Band RF Power</source>
        <translation>1.2GHz Bバンド送信出力</translation>
    </message>
    <message>
        <source>Scan Resume Method</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>メモリーグループリンク</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>メモリー呼び出し方法</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>オートレピータオフセット</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>メモリーチューン</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMFスピード</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMFロック</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMFホールド</translation>
    </message>
    <message>
        <source>Power-on Message</source>
        <translation>パワーオンメッセージ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>バッテリーセーブ</translation>
    </message>
    <message>
        <source>Auto Power Off</source>
        <translation>オートパワーオフ</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>キービープ</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>ビジー時VOX</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOXゲイン</translation>
    </message>
    <message>
        <source>VOX Deley</source>
        <translation>VOXディレイ</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALLキー</translation>
    </message>
    <message>
        <source>1750Hz Tone hold</source>
        <translation>1750Hzトーンホールド</translation>
    </message>
    <message>
        <source>Beet Shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>バーアンテナ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語（無線機）</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>パケット速度</translation>
    </message>
    <message>
        <source>144MHz FM Narrow</source>
        <translation>144MHz FMナロー</translation>
    </message>
    <message>
        <source>220MHz FM Narrow</source>
        <translation>220MHz FMナロー</translation>
    </message>
    <message>
        <source>440MHz FM Narrow</source>
        <translation>440MHz FMナロー</translation>
    </message>
    <message>
        <source>1200MHz FM Narrow</source>
        <translation>1200MHz FMナロー</translation>
    </message>
    <message>
        <source>HF Band FM Narrow</source>
        <translation>HFバンド FMナロー</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>430MHz FM Narrow</source>
        <translation>430MHz FMナロー</translation>
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
        <translation>疑似端末を作成できません: %1</translation>
    </message>
    <message>
        <source>Cannot create a pipe: %1</source>
        <extracomment>%1: the system&apos;s reason.</extracomment>
        <translation>パイプを作成できません: %1</translation>
    </message>
</context>
<context>
    <name>RadioPort</name>
    <message>
        <source>No device is set for this port: plug in the USB serial adapter, or choose a device with Radio &gt; Port Select &gt; Device...</source>
        <translation>このポートにはデバイスが設定されていません。USBシリアル変換アダプターを接続するか、無線機 &gt; ポート選択 &gt; デバイス... でデバイスを選んでください。</translation>
    </message>
    <message>
        <source>%1 does not exist: the USB serial adapter may be unplugged.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0.</extracomment>
        <translation>%1が存在しません。USBシリアル変換アダプターが外れている可能性があります。</translation>
    </message>
    <message>
        <source>%1 is in use by another program.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0.</extracomment>
        <translation>%1は別のプログラムが使用中です。</translation>
    </message>
    <message>
        <source>%1: you are not allowed to open it: add yourself to the dialout group (sudo usermod -aG dialout $USER), then log in again.</source>
        <extracomment>%1: a device such as /dev/ttyUSB0. &quot;dialout&quot; and the command stay as they are.</extracomment>
        <translation>%1: 開く権限がありません。dialoutグループに自分を追加して (sudo usermod -aG dialout $USER)、ログインし直してください。</translation>
    </message>
    <message>
        <source>%1 cannot be opened (%2).</source>
        <extracomment>%1: a device such as /dev/ttyUSB0; %2: the system&apos;s reason.</extracomment>
        <translation>%1を開けません (%2)。</translation>
    </message>
    <message>
        <source>Unknown exception in the receive handler</source>
        <translation>受信処理で不明な例外が発生しました</translation>
    </message>
    <message>
        <source>CommOpen Error,invalid HANDLE:NULL</source>
        <translation>CommOpenエラー、無効なHANDLE:NULL</translation>
    </message>
    <message>
        <source>CommOpen Error,invalid HANDLE:0xFFFFFFFF</source>
        <translation>CommOpenエラー、無効なHANDLE:0xFFFFFFFF</translation>
    </message>
    <message>
        <source>Have not started communications</source>
        <translation>通信が開始されていません</translation>
    </message>
    <message>
        <source>Read data Timeout</source>
        <translation>データ受信タイムアウト</translation>
    </message>
    <message>
        <source>Write data Timeout</source>
        <translation>データ送信タイムアウト</translation>
    </message>
    <message>
        <source>Communication Read Error  ErrorMask=%d</source>
        <extracomment>%d: the error mask, a number.</extracomment>
        <translation>通信読み取りエラー  ErrorMask=%d</translation>
    </message>
    <message>
        <source>Communication Write Error  ErrorMask=%d</source>
        <extracomment>%d: the error mask, a number.</extracomment>
        <translation>通信書き込みエラー  ErrorMask=%d</translation>
    </message>
    <message>
        <source>Too much write data</source>
        <translation>書き込みデータが多すぎます</translation>
    </message>
</context>
<context>
    <name>ReadBackDialog</name>
    <message>
        <source>The read-back has finished.</source>
        <translation>読み返しが完了しました。</translation>
    </message>
    <message>
        <source>Verify</source>
        <extracomment>The window title of the read-back after a write.</extracomment>
        <translation>照合</translation>
    </message>
    <message>
        <source>Reading back what was written.</source>
        <translation>書き込んだ内容を読み返しています。</translation>
    </message>
</context>
<context>
    <name>ReadDialog</name>
    <message>
        <source>The read has finished.</source>
        <translation>読み込みが完了しました。</translation>
    </message>
    <message>
        <source>Read</source>
        <extracomment>The window title of the read&apos;s progress window.</extracomment>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Reading data from the Radio.</source>
        <translation>無線機からデータを読み込んでいます。</translation>
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
        <translation>タイプコード「%1」が正しくありません (例: KK,0F)</translation>
    </message>
    <message>
        <source>No model is known for type %1; give one with --model</source>
        <extracomment>%1: a type code; --model is an option of the command line.</extracomment>
        <translation>タイプ%1の機種が不明です。--model で指定してください</translation>
    </message>
    <message>
        <source>Invalid model &quot;%1&quot; (ZT-Q2, ZT-Q3 or ZT-Q5)</source>
        <extracomment>%1: the model given.</extracomment>
        <translation>機種「%1」が正しくありません (ZT-Q2、ZT-Q3またはZT-Q5)</translation>
    </message>
    <message>
        <source>Invalid port number</source>
        <translation>ポート番号が正しくありません</translation>
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
        <translation>%1の進行状況</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <extracomment>The progress window&apos;s label once Cancel has ended the transfer.</extracomment>
        <translation>キャンセルしました。</translation>
    </message>
    <message>
        <source>The transfer stopped.</source>
        <translation>転送が中断しました。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TransferRunner</name>
    <message>
        <source>The radio is invalid.
Please check and try again.</source>
        <translation>無線機が対応していません。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Communication timeout error.</source>
        <translation>通信タイムアウトエラーです。</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check comport status.</source>
        <translation>COMポートが無効です。
ポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>COM port is invalid.
Please check and try again.</source>
        <translation>COMポートが無効です。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>The radio stopped answering: the cable may be unplugged or the radio switched off.</source>
        <translation>無線機が応答しなくなりました。ケーブルが外れているか、無線機の電源が切れている可能性があります。</translation>
    </message>
    <message>
        <source>Check the cable and the radio, then try again.</source>
        <translation>ケーブルと無線機を確認してから、やり直してください。</translation>
    </message>
    <message>
        <source>The read did not finish; nothing was changed.</source>
        <translation>読み込みが完了しなかったため、何も変更していません。</translation>
    </message>
    <message>
        <source>The write finished; the read-back did not, so whether the radio holds what was written is not known.</source>
        <translation>書き込みは完了しましたが、読み返しが完了しなかったため、書き込んだ内容が無線機に残っているかどうかはわかりません。</translation>
    </message>
    <message>
        <source>The radio does not hold what was written.</source>
        <translation>書き込んだ内容が無線機に残っていません。</translation>
    </message>
    <message>
        <source>The radio now holds part of the new data; a new write will complete it.</source>
        <translation>無線機には新しいデータの一部だけが書き込まれています。もう一度書き込むと完了します。</translation>
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
        <translation>前回の読み込み(%1、%2 %3)</translation>
    </message>
    <message>
        <source>the last compare at %1 (%2 %3)</source>
        <extracomment>As &quot;the last read at %1 (%2 %3)&quot;, for Compare with Radio.</extracomment>
        <translation>前回の比較(%1、%2 %3)</translation>
    </message>
    <message>
        <source>the last write at %1 (%2 %3)</source>
        <extracomment>As &quot;the last read at %1 (%2 %3)&quot;, for a finished write.</extracomment>
        <translation>前回の書き込み(%1、%2 %3)</translation>
    </message>
    <message>
        <source>The write sends those values in their place.</source>
        <extracomment>Follows &quot;This file ends early: ...&quot;, which names what the file lacked.</extracomment>
        <translation>書き込みでは、その代わりにウィンドウの値を送ります。</translation>
    </message>
    <message>
        <source>What the radio holds is not known: no read, compare or finished write of this radio version in this session tells it, so what this write changes or empties there cannot be shown. Compare First... reads the radio and lists the differences.</source>
        <extracomment>&quot;Compare First...&quot; is the button of the same question.</extracomment>
        <translation>無線機の内容がわかりません。このセッションではこのバージョンの無線機の読み込み、比較、完了した書き込みがないため、この書き込みで無線機の何が変更され、何が空になるかを表示できません。「先に比較...」で無線機を読み込み、相違点を一覧表示します。</translation>
    </message>
    <message>
        <source>Against what the radio held at %1, this write %2.</source>
        <extracomment>%1: &quot;the last read at 12:31:05 (KK,0F ZT-Q2)&quot;; %2: &quot;changes 3 channels and 2 settings&quot; or &quot;changes nothing&quot;.</extracomment>
        <translation>%1の時点で無線機にあった内容と比べて、この書き込みは%2。</translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>The write has finished.</source>
        <translation>書き込みが完了しました。</translation>
    </message>
    <message>
        <source>Write</source>
        <extracomment>The window title of the write&apos;s progress window.</extracomment>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Writing data to the Radio.</source>
        <translation>無線機にデータを書き込んでいます。</translation>
    </message>
    <message>
        <source>Writing the changes to the Radio.</source>
        <translation>無線機に変更分を書き込んでいます。</translation>
    </message>
</context>
</TS>
