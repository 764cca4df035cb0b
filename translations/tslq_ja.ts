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
    <name>CallEditor</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALLチャンネル</translation>
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
        <translation type="unfinished">%1を切り取り</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation type="unfinished">%1を削除</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <translation type="unfinished">%1のロックアウト</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <translation type="unfinished">%1へ貼り付け</translation>
    </message>
</context>
<context>
    <name>ChannelEditorDialog</name>
    <message>
        <source>&amp;OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
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
        <translation>送信周波数と受信周波数の差</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>周波数ステップ</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>The group of repeater shift choices (Simplex, Plus Shift...), read by a screen reader.</extracomment>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Receives on the transmit frequency and transmits on the receive frequency</source>
        <translation>送信周波数で受信し、受信周波数で送信します</translation>
    </message>
    <message>
        <source>Sends a subaudible tone with every transmission</source>
        <translation>送信のたびにサブオーディブルトーンを送出します</translation>
    </message>
    <message>
        <source>Continuous Tone-Coded Squelch System: sends the tone and opens the squelch only for signals that carry it</source>
        <translation>Continuous Tone-Coded Squelch System: トーンを送出し、そのトーンを含む信号でだけスケルチを開きます</translation>
    </message>
    <message>
        <source>Digital-Coded Squelch: sends the code and opens the squelch only for signals that carry it</source>
        <translation>Digital-Coded Squelch: コードを送出し、そのコードを含む信号でだけスケルチを開きます</translation>
    </message>
    <message>
        <source>The subaudible tone sent with Tone</source>
        <translation>「トーン」で送出するサブオーディブルトーン</translation>
    </message>
    <message>
        <source>The tone of the Continuous Tone-Coded Squelch System</source>
        <translation>Continuous Tone-Coded Squelch Systemのトーン</translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation>Digital-Coded Squelchのコード</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>The tuning step (5kHz, 12.5kHz...).</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>The operating mode (FM, AM, NFM...).</extracomment>
        <translation>モード</translation>
    </message>
    <message>
        <source>Split Channel</source>
        <translation>スプリットチャンネル</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Plus Shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>Minus Shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>The subaudible tone encoder (transmit only).</extracomment>
        <translation>トーン</translation>
    </message>
    <message>
        <source>Tone Frequency</source>
        <translation>トーン周波数</translation>
    </message>
    <message>
        <source>CTCSS Frequency</source>
        <translation>CTCSS周波数</translation>
    </message>
    <message>
        <source>DCS Code</source>
        <translation>DCSコード</translation>
    </message>
    <message>
        <source>-6.0MHz Shift</source>
        <translation>-6.0MHzシフト</translation>
    </message>
    <message>
        <source>-20.0MHz Shift</source>
        <translation>-20.0MHzシフト</translation>
    </message>
    <message>
        <source>-7.6MHz Shift</source>
        <translation>-7.6MHzシフト</translation>
    </message>
    <message>
        <source>-6MHz Shift</source>
        <translation>-6MHzシフト</translation>
    </message>
    <message>
        <source>-20MHz Shift</source>
        <translation>-20MHzシフト</translation>
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
        <translation type="unfinished">周波数ステップ</translation>
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
        <translation type="unfinished">DTMF %1</translation>
    </message>
    <message>
        <source>Memory %1</source>
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
        <source>Program VFO %1</source>
        <translation type="unfinished">プログラムVFO %1</translation>
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
        <translation>コメント</translation>
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
        <translation>プログラムVFO %1</translation>
    </message>
    <message>
        <source>Menu setting %1</source>
        <extracomment>A radio menu setting in undo steps: %1 its name (Key Lock).</extracomment>
        <translation>メニュー設定 %1</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <extracomment>Undo step, an editor&apos;s store: %1 the slot (&quot;012&quot;, &quot;VFO A_144MHz&quot;).</extracomment>
        <translation>%1を編集</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <extracomment>Undo step: %1 the slot pasted into (&quot;030&quot;, &quot;VFO A_144MHz&quot;).</extracomment>
        <translation>%1へ貼り付け</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>Undo step: %1 the slot (&quot;012&quot;, &quot;DTMF 3&quot;).</extracomment>
        <translation>%1を切り取り</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>Undo step: %1 the slot (&quot;012&quot;, &quot;DTMF 3&quot;).</extracomment>
        <translation>%1を削除</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <extracomment>Undo step, the scan skip of a memory channel: %1 the channel (&quot;012&quot;).</extracomment>
        <translation>%1のロックアウト</translation>
    </message>
    <message>
        <source>Sort by memory name</source>
        <translation>メモリーネームで並べ替え</translation>
    </message>
    <message>
        <source>Sort by frequency</source>
        <translation>周波数で並べ替え</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSVのインポート</translation>
    </message>
</context>
<context>
    <name>DtmfEditor</name>
    <message>
        <source>The tone digits the radio sends: 0 to 9, A to D, the star and the hash</source>
        <translation>無線機が送出するトーンの文字: 0～9、A～D、*と#</translation>
    </message>
    <message>
        <source>DTMF Memory</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Channel Number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ネーム</translation>
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
        <translation>次のチャンネル</translation>
    </message>
    <message>
        <source>Previous channel</source>
        <translation>前のチャンネル</translation>
    </message>
    <message>
        <source>0 to 399, or a label such as L0, U9, PR1 or I-1; Up and Down go to the next and previous channel</source>
        <translation>0～399、またはL0、U9、PR1、I-1などのラベル。↑と↓で次と前のチャンネルへ移ります</translation>
    </message>
    <message>
        <source>The radio skips this channel when it scans</source>
        <translation>スキャンのときにこのチャンネルを飛ばします</translation>
    </message>
    <message>
        <source>Memory Channel</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Memory Channel Number</source>
        <translation>メモリーチャンネル番号</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>Skipped when the radio scans.</extracomment>
        <translation>ロックアウト</translation>
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
        <translation type="unfinished">言語</translation>
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
        <extracomment>The radio&apos;s spelling of VOX Delay, kept by the listing.</extracomment>
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
        <extracomment>The radio&apos;s spelling of Beat Shift, kept by the listing.</extracomment>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>バーアンテナ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
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
        <translation>先に比較...</translation>
    </message>
    <message>
        <source>COM%1 is invalid.
Please check comport status.</source>
        <extracomment>%1: the port&apos;s number, 1 to 10 (&quot;COM3 is invalid.&quot;).</extracomment>
        <translation>COM%1は無効です。
ポートの状態を確認してください。</translation>
    </message>
    <message>
        <source>File Open error.</source>
        <translation>ファイルを開けませんでした。</translation>
    </message>
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
        <source>There is no default printer.</source>
        <translation>既定のプリンターがありません。</translation>
    </message>
    <message>
        <source>Data is changed.
Do you want to save the changes?</source>
        <translation>データが変更されています。
変更を保存しますか?</translation>
    </message>
    <message>
        <source>Do you want to write the data to the radio?</source>
        <translation>データを無線機に書き込みますか?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change?</source>
        <translation>内容が変更されています。
変更しますか?</translation>
    </message>
    <message>
        <source>The contents has been changed.
Do you want to change? </source>
        <extracomment>Asked when an editor with unstored changes is closed; keep the space at the end.</extracomment>
        <translation>内容が変更されています。
変更しますか? </translation>
    </message>
    <message>
        <source>Invalid Frequency.
Please check and try again.</source>
        <translation>周波数が正しくありません。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Invalid Offset.
Please check and try again.</source>
        <translation>オフセットが正しくありません。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Frequency is rounded.</source>
        <translation>周波数を丸めました。</translation>
    </message>
    <message>
        <source>Invalid channel Number.
Please check and try again.</source>
        <translation>チャンネル番号が正しくありません。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>使用できない文字です。
確認してからやり直してください。</translation>
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
        <translation type="unfinished">Digital-Coded Squelchのコード</translation>
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
        <translation>プログラムVFOの下限</translation>
    </message>
    <message>
        <source>Program VFO upper limit</source>
        <translation>プログラムVFOの上限</translation>
    </message>
    <message>
        <source>In MHz: the VFO tunes only between the two limits</source>
        <translation>MHz単位。VFOは下限と上限の間でだけ周波数を変えます</translation>
    </message>
    <message>
        <source>Program VFO</source>
        <translation>プログラムVFO</translation>
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
