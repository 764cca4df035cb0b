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
    <name>ChannelColumns</name>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Receive (MHz)</source>
        <translation>受信 (MHz)</translation>
    </message>
    <message>
        <source>Shift</source>
        <extracomment>Column: the direction of the repeater shift</extracomment>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Offset / Tx (MHz)</source>
        <extracomment>Column: the offset, or the transmit frequency of a split channel</extracomment>
        <translation>オフセット / 送信 (MHz)</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>トーンモード</translation>
    </message>
    <message>
        <source>Tone (Hz) / DCS</source>
        <translation>トーン (Hz) / DCS</translation>
    </message>
    <message>
        <source>Mode</source>
        <extracomment>Column: the modulation (FM, AM, ...)</extracomment>
        <translation>モード</translation>
    </message>
    <message>
        <source>Step</source>
        <extracomment>Column: the tuning step</extracomment>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>リバース</translation>
    </message>
    <message>
        <source>Lock out</source>
        <extracomment>Column: skipped by scanning</extracomment>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column: the memory channel&apos;s name</extracomment>
        <translation>ネーム</translation>
    </message>
    <message>
        <source>empty channel</source>
        <translation>空きチャンネル</translation>
    </message>
    <message>
        <source>no lock out on scan edges and priority channels</source>
        <translation>スキャンエッジとプライオリティチャンネルにはロックアウトがありません</translation>
    </message>
    <message>
        <source>not offered on this channel&apos;s band or mode</source>
        <translation>このチャンネルのバンドまたはモードでは選べません</translation>
    </message>
    <message>
        <source>no tone mode set</source>
        <translation>トーンモードが設定されていません</translation>
    </message>
    <message>
        <source>no plus or minus shift</source>
        <translation>プラスシフトでもマイナスシフトでもありません</translation>
    </message>
    <message>
        <source>invalid frequency</source>
        <translation>周波数が正しくありません</translation>
    </message>
    <message>
        <source>invalid offset</source>
        <translation>オフセットが正しくありません</translation>
    </message>
    <message>
        <source>invalid character</source>
        <translation>使用できない文字です</translation>
    </message>
    <message>
        <source>information channel of the radio</source>
        <translation>無線機のインフォメーションチャンネル</translation>
    </message>
    <message>
        <source>the channel does not fit this slot</source>
        <translation>このチャンネルはこの位置に入りません</translation>
    </message>
    <message>
        <source>not a channel</source>
        <translation>チャンネルではありません</translation>
    </message>
    <message>
        <source>Simplex</source>
        <translation>シンプレックス</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>スプリット</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>Tone mode of a channel without a tone</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>Tone mode: the subaudible tone encoder</extracomment>
        <translation>トーン</translation>
    </message>
</context>
<context>
    <name>ChannelCommands</name>
    <message>
        <source>Set %1 on %2</source>
        <extracomment>Undo step: %1 what was set (Tone, No Tone, CTCSS, Mode, ...), %2 the channels (&quot;012&quot;, &quot;40 channels&quot;)</extracomment>
        <translation>%2に%1を設定</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>%1を切り取り</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>%1を削除</translation>
    </message>
    <message>
        <source>Lock Out %1</source>
        <extracomment>Undo step: %1 the channels (&quot;012&quot;, &quot;3 channels&quot;)</extracomment>
        <translation>%1をロックアウト</translation>
    </message>
    <message>
        <source>Paste into %1</source>
        <extracomment>Undo step: %1 the channel or channels (&quot;030&quot;, &quot;395-399&quot;)</extracomment>
        <translation>%1へ貼り付け</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <extracomment>The slots of an undo step: &quot;Cut 3 channels&quot; (one slot is named by its label)</extracomment>
        <translation>
            <numerusform>%n個のチャンネル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 left %n channels as they were:</source>
        <extracomment>First line of a report; %1 the command (Cut, Paste, Set Field for Selection, ...); a line &quot;label: reason&quot; follows for each channel</extracomment>
        <translation>
            <numerusform>%1: %n個のチャンネルは変更されませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>... and %1 more.</source>
        <extracomment>Last line of a report that lists the first 12 channels</extracomment>
        <translation>... ほか%1個。</translation>
    </message>
    <message numerus="yes">
        <source>%n records found no channel after 399 and were not pasted.</source>
        <translation>
            <numerusform>%n件のレコードは399より後に入るチャンネルがないため、貼り付けませんでした。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelGrid</name>
    <message>
        <source>empty</source>
        <translation type="unfinished">空き</translation>
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
        <translation type="unfinished">周波数ステップ</translation>
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
        <translation type="unfinished">DCS (Digital-Coded Squelch)のコード</translation>
    </message>
</context>
<context>
    <name>ChannelTableModel</name>
    <message>
        <source>off</source>
        <extracomment>Spoken state of a Reverse or Lock out box: &quot;012, Lock out, off&quot;</extracomment>
        <translation>オフ</translation>
    </message>
    <message>
        <source>on</source>
        <extracomment>Spoken state of a Reverse or Lock out box: &quot;012, Lock out, on&quot;</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>Spoken for a cell that shows nothing</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>Channel number; Enter opens the memory editor</source>
        <translation>チャンネル番号。Enterキーでメモリーチャンネル編集ダイアログを開きます</translation>
    </message>
    <message>
        <source>Receive frequency in megahertz</source>
        <translation>受信周波数 (MHz)</translation>
    </message>
    <message>
        <source>Transmit shift: plus, minus, simplex or split</source>
        <translation>シフト: プラス、マイナス、シンプレックスまたはスプリット</translation>
    </message>
    <message>
        <source>Offset of the transmit frequency, or the transmit frequency of a split channel, in megahertz</source>
        <translation>送信周波数のオフセット、またはスプリットチャンネルの送信周波数 (MHz)</translation>
    </message>
    <message>
        <source>Tone, CTCSS (continuous tone-coded squelch) or DCS (digital-coded squelch)</source>
        <translation>トーン、CTCSS (Continuous Tone-Coded Squelch)またはDCS (Digital-Coded Squelch)</translation>
    </message>
    <message>
        <source>Tone frequency in hertz, or the DCS code</source>
        <translation>トーン周波数 (Hz)またはDCSコード</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>モード（変調方式）</translation>
    </message>
    <message>
        <source>Tuning step</source>
        <translation>周波数ステップ</translation>
    </message>
    <message>
        <source>Rev: receive on the transmit frequency and transmit on the receive frequency</source>
        <translation>リバース: 送信周波数で受信し、受信周波数で送信します</translation>
    </message>
    <message>
        <source>Locked out channels are skipped by scanning</source>
        <translation>ロックアウトしたチャンネルはスキャンで飛ばされます</translation>
    </message>
    <message>
        <source>Memory channel name</source>
        <translation>メモリーネーム</translation>
    </message>
</context>
<context>
    <name>ChannelsPage</name>
    <message>
        <source> and %1 more</source>
        <extracomment>After the first 12 channel labels of a list: &quot;011, 013, ... and 3 more&quot;</extracomment>
        <translation> ほか%1個</translation>
    </message>
    <message>
        <source>Clear Find</source>
        <translation>検索をクリア</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>F2 or typing edits the current cell; Enter opens the memory editor; Ctrl+Shift+S sorts by the current column; Shift+F10 or the Menu key opens the edit commands</source>
        <translation>F2キーまたは文字の入力で現在のセルを編集します。Enterキーでメモリーチャンネル編集ダイアログを開きます。Ctrl+Shift+Sで現在の列で並べ替えます。Shift+F10またはメニューキーで編集コマンドを開きます</translation>
    </message>
    <message>
        <source>Sort by &amp;Column</source>
        <translation>列で並べ替え(&amp;C)</translation>
    </message>
    <message>
        <source>1 channel</source>
        <extracomment>How many rows the table shows (the filter&apos;s count)</extracomment>
        <translation>1個のチャンネル</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <extracomment>Said after a sort; %1 the column&apos;s title</extracomment>
        <translation>%1で昇順に並べ替えました</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <extracomment>Said after a sort; %1 the column&apos;s title</extracomment>
        <translation>%1で降順に並べ替えました</translation>
    </message>
    <message>
        <source>Name, frequency, channel or a range such as 144-146</source>
        <extracomment>Hint in the empty Find box: what it finds</extracomment>
        <translation>ネーム、周波数、チャンネル、または 144-146 のような範囲</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>検索(&amp;F)</translation>
    </message>
    <message>
        <source>Hide empty channels</source>
        <translation>空きチャンネルを隠す</translation>
    </message>
    <message>
        <source>&amp;Lock Out</source>
        <extracomment>Pop-up menu: lock the selected channels out of scanning (or back in)</extracomment>
        <translation>ロックアウト(&amp;L)</translation>
    </message>
    <message>
        <source>Cut</source>
        <extracomment>The command in a report: &quot;Cut left 2 channels as they were:&quot;</extracomment>
        <translation>切り取り</translation>
    </message>
    <message numerus="yes">
        <source>Paste would also replace %n channel(s) that the filter hides: %1.
Do you want to paste?</source>
        <extracomment>%1 the labels of the channels (&quot;011, 013, 014&quot;)</extracomment>
        <translation>
            <numerusform>貼り付けると、フィルターで隠れている%n個のチャンネルも置き換えられます: %1。
貼り付けますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Paste</source>
        <extracomment>The command in a report: &quot;Paste left 2 channels as they were:&quot;</extracomment>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>The command in a report: &quot;Delete left 2 channels as they were:&quot;</extracomment>
        <translation>削除</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>The command in a report: &quot;Lock Out left 2 channels as they were:&quot;</extracomment>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>Set Field for Selection</source>
        <extracomment>The command in a report: &quot;Set Field for Selection left 2 channels as they were:&quot;</extracomment>
        <translation>選択範囲に項目を設定</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n個のチャンネル</numerusform>
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
            <numerusform>%n個のチャンネル</numerusform>
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
        <translation type="unfinished">%1へ貼り付け</translation>
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
        <translation type="unfinished">%1をロックアウト</translation>
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
        <translation>送信周波数 : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>Status bar, before the repeater offset (&quot;0.60MHz&quot;)</extracomment>
        <translation>オフセット : </translation>
    </message>
    <message>
        <source>Programmable VFO : </source>
        <extracomment>Status bar, before the program VFO&apos;s range in MHz (&quot;144-147&quot;)</extracomment>
        <translation>プログラムVFO : </translation>
    </message>
    <message>
        <source>Name : </source>
        <extracomment>Status bar, before the name of a DTMF memory</extracomment>
        <translation>ネーム : </translation>
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
        <translation>運用バンド(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <translation>バランス(&amp;B)</translation>
    </message>
    <message>
        <source>&quot;A&quot; Band</source>
        <translation>Aバンド</translation>
    </message>
    <message>
        <source>&quot;B&quot; Band</source>
        <translation>Bバンド</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>センター</translation>
    </message>
    <message>
        <source>F&amp;unction</source>
        <translation>機能(&amp;U)</translation>
    </message>
    <message>
        <source>Dual</source>
        <translation>デュアル</translation>
    </message>
    <message>
        <source>ATT</source>
        <translation>ATT</translation>
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
        <source>&amp;Power</source>
        <translation>電源(&amp;P)</translation>
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
        <source>&amp;Display</source>
        <translation>表示(&amp;D)</translation>
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
        <source>Language</source>
        <extracomment>The radio&apos;s own menu setting: the language of its display</extracomment>
        <translation>言語(無線機)</translation>
    </message>
    <message>
        <source>D&amp;TMF</source>
        <translation>DTMF(&amp;T)</translation>
    </message>
    <message>
        <source>DTMF Pause</source>
        <translation>DTMFポーズ</translation>
    </message>
    <message>
        <source>DTMF Speed</source>
        <translation>DTMFスピード</translation>
    </message>
    <message>
        <source>DTMF Hold</source>
        <translation>DTMFホールド</translation>
    </message>
    <message>
        <source>DTMF Lock</source>
        <translation>DTMFロック</translation>
    </message>
    <message>
        <source>&amp;VOX</source>
        <translation>VOX(&amp;V)</translation>
    </message>
    <message>
        <source>VOX Gain</source>
        <translation>VOXゲイン</translation>
    </message>
    <message>
        <source>VOX Delay</source>
        <translation>VOXディレイ</translation>
    </message>
    <message>
        <source>VOX on Busy</source>
        <translation>ビジー時VOX</translation>
    </message>
    <message>
        <source>R&amp;X/TX</source>
        <translation>送受信(&amp;X)</translation>
    </message>
    <message>
        <source>Tx Inhibit</source>
        <translation>送信禁止</translation>
    </message>
    <message>
        <source>Beat Shift</source>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>バーアンテナ</translation>
    </message>
    <message>
        <source>A Band RF Power</source>
        <translation>Aバンド送信出力</translation>
    </message>
    <message>
        <source>B Band RF Power</source>
        <translation>Bバンド送信出力</translation>
    </message>
    <message>
        <source>1.2G A Band Power</source>
        <translation>1.2G Aバンド送信出力</translation>
    </message>
    <message>
        <source>1.2G B Band Power</source>
        <translation>1.2G Bバンド送信出力</translation>
    </message>
    <message>
        <source>FM Narrow</source>
        <translation>FMナロー</translation>
    </message>
    <message>
        <source>144MHz Band</source>
        <translation>144MHzバンド</translation>
    </message>
    <message>
        <source>220MHz Band</source>
        <translation>220MHzバンド</translation>
    </message>
    <message>
        <source>440MHz Band</source>
        <translation>440MHzバンド</translation>
    </message>
    <message>
        <source>1.2GHz Band</source>
        <translation>1.2GHzバンド</translation>
    </message>
    <message>
        <source>HF Band</source>
        <translation>HFバンド</translation>
    </message>
    <message>
        <source>Re&amp;peater</source>
        <translation>レピータ(&amp;P)</translation>
    </message>
    <message>
        <source>Automatic Repeater Offset</source>
        <translation>オートレピータオフセット</translation>
    </message>
    <message>
        <source>1750Hz Tone Hold</source>
        <translation>1750Hzトーンホールド</translation>
    </message>
    <message>
        <source>CALL Key</source>
        <translation>CALLキー</translation>
    </message>
    <message>
        <source>&amp;Other</source>
        <translation>その他(&amp;O)</translation>
    </message>
    <message>
        <source>Key Beep</source>
        <translation>キービープ</translation>
    </message>
    <message>
        <source>Tune Enable</source>
        <translation>メモリーチューン</translation>
    </message>
    <message>
        <source>Packet Speed</source>
        <translation>パケット速度</translation>
    </message>
    <message>
        <source>Scan Resume</source>
        <translation>スキャン再開</translation>
    </message>
    <message>
        <source>Memory Recall Method</source>
        <translation>メモリー呼び出し方法</translation>
    </message>
    <message>
        <source>Memory Group Link</source>
        <translation>メモリーグループリンク</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>バッテリー</translation>
    </message>
    <message>
        <source>Operation Band</source>
        <translation>運用バンド</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>バランス</translation>
    </message>
    <message>
        <source>0 is the &quot;A&quot; band only, 2 the centre, 4 the &quot;B&quot; band only</source>
        <translation>0はAバンドのみ、2はセンター、4はBバンドのみ</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>Dual-tone multi-frequency signalling</source>
        <translation>デュアルトーン多周波信号</translation>
    </message>
    <message>
        <source>Voice-operated transmit</source>
        <translation>音声による自動送信</translation>
    </message>
    <message>
        <source>Receive and transmit</source>
        <translation>受信と送信</translation>
    </message>
    <message>
        <source>Transmit inhibit</source>
        <translation>送信を禁止</translation>
    </message>
    <message>
        <source>Extra low power</source>
        <translation>超ロー出力</translation>
    </message>
    <message>
        <source>Group link %1</source>
        <extracomment>%1 the number of a memory group, 0 to 7</extracomment>
        <translation>グループリンク%1</translation>
    </message>
    <message>
        <source>Invalid character.
Please check and try again.</source>
        <translation>使用できない文字です。
確認してからやり直してください。</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The radio&apos;s display language</extracomment>
        <translation>英語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <extracomment>The radio&apos;s display language</extracomment>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Fast</source>
        <extracomment>DTMF speed</extracomment>
        <translation>速い</translation>
    </message>
    <message>
        <source>Slow</source>
        <extracomment>DTMF speed</extracomment>
        <translation>遅い</translation>
    </message>
    <message>
        <source>High</source>
        <extracomment>RF power</extracomment>
        <translation>ハイ</translation>
    </message>
    <message>
        <source>Low</source>
        <extracomment>RF power</extracomment>
        <translation>ロー</translation>
    </message>
    <message>
        <source>1750Hz Tone</source>
        <translation>1750Hzトーン</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>Scan resume: after a time</extracomment>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Carrier</source>
        <extracomment>Scan resume: when the carrier drops</extracomment>
        <translation>キャリア</translation>
    </message>
    <message>
        <source>Seek</source>
        <extracomment>Scan resume: stops on a signal</extracomment>
        <translation>シーク</translation>
    </message>
    <message>
        <source>All Bands</source>
        <translation>全バンド</translation>
    </message>
    <message>
        <source>Current Band</source>
        <translation>現在のバンド</translation>
    </message>
    <message>
        <source>Lithium</source>
        <translation>リチウム</translation>
    </message>
    <message>
        <source>Alkaline</source>
        <translation>アルカリ</translation>
    </message>
    <message>
        <source>430MHz Band</source>
        <translation>430MHzバンド</translation>
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
        <translation>スキャン再開方法</translation>
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
        <extracomment>The radio&apos;s spelling of &quot;VOX Delay&quot;, which the printed listing keeps</extracomment>
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
        <extracomment>The radio&apos;s spelling of &quot;Beat Shift&quot;, which the printed listing keeps</extracomment>
        <translation>ビートシフト</translation>
    </message>
    <message>
        <source>Bar Antenna</source>
        <translation>バーアンテナ</translation>
    </message>
    <message>
        <source>Language</source>
        <extracomment>The radio&apos;s own setting: the language of its display</extracomment>
        <translation>言語(無線機)</translation>
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
        <translation>HFバンドFMナロー</translation>
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
        <translation>トーンなし、サブオーディブルトーン、またはCTCSS (Continuous Tone-Coded Squelch System)</translation>
    </message>
    <message>
        <source>The code of the Digital-Coded Squelch</source>
        <translation>DCS (Digital-Coded Squelch)のコード</translation>
    </message>
    <message>
        <source>Set Field for Selection</source>
        <translation>選択範囲に項目を設定</translation>
    </message>
    <message>
        <source>Tone</source>
        <extracomment>The fields the dialog sets: the tone encoder, DCS, modulation, tuning step, repeater shift, scan lock out</extracomment>
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
        <source>Shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>Lock out</source>
        <translation>ロックアウト</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Lock out set or cleared</extracomment>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Tone mode</source>
        <translation>トーンモード</translation>
    </message>
    <message>
        <source>Tone (Hz)</source>
        <translation>トーン (Hz)</translation>
    </message>
    <message>
        <source>DCS code</source>
        <translation>DCSコード</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>オフセット (MHz)</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Channels that cannot take the value are left as they are.</source>
        <translation>この値を設定できないチャンネルは変更しません。</translation>
    </message>
    <message>
        <source>No Tone</source>
        <translation>トーンなし</translation>
    </message>
    <message>
        <source>Lock Out</source>
        <extracomment>Undo step: &quot;Set Lock Out on 3 channels&quot;</extracomment>
        <translation>ロックアウト</translation>
    </message>
</context>
<context>
    <name>SetupDialog</name>
    <message>
        <source>Version of your radio</source>
        <translation>無線機のバージョン</translation>
    </message>
    <message>
        <source>Choose the version of your radio:</source>
        <translation>無線機のバージョンを選んでください:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>ZT-Q2A (U.S.A./Canada)</source>
        <translation>ZT-Q2A (米国/カナダ)</translation>
    </message>
    <message>
        <source>ZT-Q3E (Europe)</source>
        <translation>ZT-Q3E (欧州)</translation>
    </message>
    <message>
        <source>ZT-Q3 (Japan)</source>
        <translation>ZT-Q3 (日本)</translation>
    </message>
    <message>
        <source>ZT-Q3A (General market)</source>
        <translation>ZT-Q3A (一般仕向け)</translation>
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
