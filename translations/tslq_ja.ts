<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>About TSL-Q2/Q3</source>
        <translation>TSL-Q2/Q3のバージョン情報</translation>
    </message>
    <message>
        <source>Version 1.00</source>
        <translation>バージョン 1.00</translation>
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
        <translation>空</translation>
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
        <translation type="unfinished">空</translation>
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
        <translation type="unfinished">DTMFメモリー</translation>
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
        <translation type="unfinished">CALLチャンネル</translation>
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
        <translation type="unfinished">メニュー</translation>
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
        <translation type="unfinished">コメント</translation>
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
        <translation>ヘルプトピック</translation>
    </message>
    <message>
        <source>TSL-Q2/Q3 Help</source>
        <translation>TSL-Q2/Q3 ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Program &amp;Language</source>
        <translation>プログラムの言語(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>システム(&amp;S)</translation>
    </message>
    <message>
        <source>The program language will change the next time TSL-Q2/Q3 starts.</source>
        <translation>プログラムの言語は、次にTSL-Q2/Q3を起動したときに切り替わります。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Save &amp;Serial Log...</source>
        <translation>シリアルログを保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>More toolbar commands</source>
        <translation>ツールバーのその他のコマンド</translation>
    </message>
    <message>
        <source>Your note, kept in the data file; up to 50 characters</source>
        <translation>データファイルに保存されるメモです。50文字まで入力できます</translation>
    </message>
    <message>
        <source>Enter or F2 opens the editor of the current row; Shift+F10 or the Menu key opens its edit commands</source>
        <translation>EnterキーまたはF2キーで現在の行の編集ダイアログを開き、Shift+F10キーまたはアプリケーションキーで編集コマンドのメニューを開きます</translation>
    </message>
    <message>
        <source>Receive frequency in MHz, which is also the transmit frequency unless the channel has a shift or a transmit frequency of its own</source>
        <translation>受信周波数 (MHz)。チャンネルにシフトや独自の送信周波数がなければ、送信周波数も同じです</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Lockout</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>An asterisk marks a channel that scanning skips</source>
        <translation>スキャンで飛ばすチャンネルにはアスタリスクが付きます</translation>
    </message>
    <message>
        <source>Channel number</source>
        <translation>チャンネル番号</translation>
    </message>
    <message>
        <source>VFO</source>
        <translation>VFO</translation>
    </message>
    <message>
        <source>Variable frequency oscillator: the frequency of each band outside the memory channels. </source>
        <translation>VFO (可変周波数発振器): メモリーチャンネルを使わないときの各バンドの周波数です。</translation>
    </message>
    <message>
        <source>Frequency in MHz</source>
        <translation>周波数 (MHz)</translation>
    </message>
    <message>
        <source>CALL channels</source>
        <translation>CALLチャンネル</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMFメモリー</translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency memories. </source>
        <translation>DTMF (デュアルトーン・マルチ周波数) のメモリーです。</translation>
    </message>
    <message>
        <source>DTMF memory number</source>
        <translation>DTMFメモリー番号</translation>
    </message>
    <message>
        <source>The digits the radio sends as tones</source>
        <translation>無線機がトーンとして送信する数字</translation>
    </message>
    <message>
        <source>not locked out</source>
        <translation>ロックアウトなし</translation>
    </message>
    <message>
        <source>locked out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>plus shift</source>
        <translation>プラスシフト</translation>
    </message>
    <message>
        <source>minus shift</source>
        <translation>マイナスシフト</translation>
    </message>
    <message>
        <source>own transmit frequency</source>
        <translation>独自の送信周波数</translation>
    </message>
    <message>
        <source>shift %1 MHz</source>
        <translation>%1MHzシフト</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>DCS code %1</source>
        <translation>DCSコード%1</translation>
    </message>
    <message>
        <source>CTCSS tone %1</source>
        <translation>CTCSSトーン%1</translation>
    </message>
    <message>
        <source>tone %1</source>
        <translation>トーン%1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>やり直し: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>元に戻す: %1</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Memory channel &amp;Sort...</source>
        <translation>メモリーチャンネルの並べ替え(&amp;S)...</translation>
    </message>
    <message>
        <source>Set &amp;Field for Selection...</source>
        <translation>選択範囲に項目を設定(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Memory</source>
        <translation>メモリー(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;enu</source>
        <translation>メニュー(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>ヘルプトピック(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <translation>ロックアウト(&amp;L)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>メモリー</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>無線機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Read</source>
        <translation>読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Write</source>
        <translation>書き込み(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Port Select</source>
        <translation>ポート選択(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Memor&amp;y</source>
        <translation>メモリー(&amp;Y)</translation>
    </message>
    <message>
        <source>Menu &amp;1</source>
        <translation>メニュー1(&amp;1)</translation>
    </message>
    <message>
        <source>Menu &amp;2</source>
        <translation>メニュー2(&amp;2)</translation>
    </message>
    <message>
        <source>Cha&amp;nnels</source>
        <translation>チャンネル(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Memory Channel</source>
        <translation>メモリーチャンネル(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;VFO</source>
        <translation>VFO(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;CALL Channel</source>
        <translation>CALLチャンネル(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;DTMF Memory</source>
        <translation>DTMFメモリー(&amp;D)</translation>
    </message>
    <message>
        <source>ch.</source>
        <extracomment>grid heading, short: the memory channel&apos;s number</extracomment>
        <translation>ch</translation>
    </message>
    <message>
        <source>Rx(Tx) Freq.</source>
        <extracomment>grid heading, short: receive (and transmit) frequency</extracomment>
        <translation>受信(送信)周波数</translation>
    </message>
    <message>
        <source>Freq.</source>
        <extracomment>grid heading, short: frequency</extracomment>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>status bar and grid heading: a channel&apos;s or DTMF memory&apos;s name (&quot;Name : HOME&quot;)</extracomment>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>バンド</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>grid heading, short: the DTMF memory&apos;s number</extracomment>
        <translation>番号</translation>
    </message>
    <message>
        <source>DTMF Code</source>
        <translation>DTMFコード</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
    <message>
        <source>[Radio]</source>
        <extracomment>caption after a read: the data came from the radio, not from a file</extracomment>
        <translation>[無線機]</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す(&amp;U): %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し(&amp;R): %1</translation>
    </message>
    <message>
        <source>&amp;Export Listing as PDF...</source>
        <translation>一覧表をPDFにエクスポート(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Import Channels (CSV)...</source>
        <translation>チャンネルのインポート (CSV)(&amp;I)...</translation>
    </message>
    <message>
        <source>Expor&amp;t Channels (CSV)...</source>
        <translation>チャンネルのエクスポート (CSV)(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;Changes</source>
        <translation>変更分(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Compare with Radio...</source>
        <translation>無線機と比較(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Verify After Write</source>
        <translation>書き込み後に照合(&amp;V)</translation>
    </message>
    <message>
        <source>Writes only the records that differ from what the radio holds</source>
        <translation>無線機の内容と異なるレコードだけを書き込みます</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <extracomment>status bar: &quot;Tx Frequency : 145.000MHz&quot;</extracomment>
        <translation>送信周波数</translation>
    </message>
    <message>
        <source>Offset</source>
        <extracomment>status bar: the repeater offset, &quot;Offset : 0.60MHz&quot;</extracomment>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Programmable VFO</source>
        <extracomment>status bar: the program VFO&apos;s range, &quot;Programmable VFO : 144-146&quot;</extracomment>
        <translation>プログラムVFO</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>The data read from the radio could not be kept as a backup.</source>
        <translation>無線機から読み込んだデータをバックアップとして保存できませんでした。</translation>
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
        <translation type="unfinished">メモリーネーム</translation>
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
        <translation>%1番目</translation>
    </message>
    <message>
        <source>%1nd</source>
        <extracomment>ordinal numbers 2nd, 22nd...</extracomment>
        <translation>%1番目</translation>
    </message>
    <message>
        <source>%1rd</source>
        <extracomment>ordinal numbers 3rd, 23rd...</extracomment>
        <translation>%1番目</translation>
    </message>
    <message>
        <source>%1th</source>
        <extracomment>ordinal numbers 4th, 11th, 12th, 13th...</extracomment>
        <translation>%1番目</translation>
    </message>
    <message>
        <source>Device of %1, for example /dev/ttyUSB0, /dev/serial/by-id/... or a
pseudo-terminal such as /dev/pts/3.
Leave it empty to use the %2 USB serial adapter found.</source>
        <extracomment>%1 the port (COM3), %2 an ordinal number (3rd)</extracomment>
        <translation>%1のデバイスです。例: /dev/ttyUSB0、/dev/serial/by-id/...、または
/dev/pts/3 のような疑似端末。
空欄にすると、見つかった%2のUSBシリアル変換アダプターを使います。</translation>
    </message>
    <message>
        <source>%1 reaches %2 (simulated radio, this run only)</source>
        <extracomment>status tip of a port item: %1 the port (COM1), %2 its device (/dev/pts/3)</extracomment>
        <translation>%1の接続先: %2 (模擬無線機、今回の起動のみ)</translation>
    </message>
    <message>
        <source>%1 reaches %2 (set by hand)</source>
        <translation>%1の接続先: %2 (手動で設定)</translation>
    </message>
    <message>
        <source>%1 reaches %2 (the %3 USB serial adapter)</source>
        <extracomment>%3 an ordinal number (1st): the first USB serial adapter found</extracomment>
        <translation>%1の接続先: %2 (%3のUSBシリアル変換アダプター)</translation>
    </message>
    <message>
        <source>%1 reaches no device; set one with Device...</source>
        <extracomment>&quot;Device...&quot; is the item Radio &gt; Port Select &gt; Device...</extracomment>
        <translation>%1の接続先デバイスがありません。「デバイス...」で設定してください</translation>
    </message>
    <message>
        <source>&amp;Device...</source>
        <translation>デバイス(&amp;D)...</translation>
    </message>
    <message>
        <source>Set the device that %1 reaches</source>
        <translation>%1の接続先デバイスを設定します</translation>
    </message>
    <message>
        <source>%1 is not a serial device.
Please check and try again.</source>
        <extracomment>%1 the path the operator gave</extracomment>
        <translation>%1はシリアルデバイスではありません。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>%1 does not exist yet.
%2 will reach it once the adapter is plugged in.</source>
        <extracomment>%1 the path the operator gave, %2 the port (COM1)</extracomment>
        <translation>%1はまだありません。
アダプターを接続すると、%2はこのデバイスにつながります。</translation>
    </message>
    <message>
        <source>The simulated radio cannot start.</source>
        <translation>模擬無線機を起動できません。</translation>
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
        <translation>並べ替えの基準</translation>
    </message>
    <message>
        <source>Memory Channel Sort</source>
        <translation>メモリーチャンネルの並べ替え</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Memory Name</source>
        <translation>メモリーネーム</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Welcome</source>
        <translation>ようこそ</translation>
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
