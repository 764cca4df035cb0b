<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BackupDialog</name>
    <message>
        <source>Made by</source>
        <translation>作成元</translation>
    </message>
    <message>
        <source>Compare with Radio</source>
        <translation>無線機と比較</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Backups of reads</source>
        <translation>読み込みのバックアップ</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>Every completed read from a radio is kept here, the last %1 of each radio version.</source>
        <extracomment>%1: how many backups are kept for each version of the radio (50).</extracomment>
        <translation>無線機からの読み込みが完了するたびにここに保存されます。無線機のバージョンごとに最新の%1件が残ります。</translation>
    </message>
    <message>
        <source>Read</source>
        <comment>column</comment>
        <extracomment>Column header: the date and time of the read.</extracomment>
        <translation>読み込み日時</translation>
    </message>
    <message>
        <source>Radio</source>
        <extracomment>Column header: the version of the radio the backup was read from (&quot;ZT-Q2 KK,0F&quot;).</extracomment>
        <translation>無線機</translation>
    </message>
    <message>
        <source>No read from a radio has been kept yet.</source>
        <translation>無線機から読み込んだデータはまだ保存されていません。</translation>
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
        <translation>%1と%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>An item of a list before the rest of it: &quot;memory channels, DTMF memories and VFO&quot;.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged records were not loaded: %1</source>
        <translation>
            <numerusform>壊れたレコード%n件を読み込みませんでした: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n damaged lines were not loaded; the earlier lines of their slots are used: %1</source>
        <translation>
            <numerusform>壊れた行%n件を読み込みませんでした。同じ位置の前の行を使います: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>This file ends early: %1; what is missing holds empty or default values.</source>
        <translation>このファイルは途中で終わっています: %1。欠けている部分は空または初期値になります。</translation>
    </message>
    <message>
        <source>%1 is not in it</source>
        <extracomment>What a data file that ends early lacks, one section: &quot;VFO is not in it&quot;.</extracomment>
        <translation>%1が含まれていません</translation>
    </message>
    <message>
        <source>%1 are not in it</source>
        <extracomment>What a data file that ends early lacks, several sections: &quot;memory channels and VFO are not in it&quot;.</extracomment>
        <translation>%1が含まれていません</translation>
    </message>
    <message>
        <source>%1 may be missing</source>
        <extracomment>The section a data file ends in: &quot;memory channels may be missing&quot;.</extracomment>
        <translation>%1が欠けている可能性があります</translation>
    </message>
    <message>
        <source>%1, and %2</source>
        <extracomment>&quot;VFO is not in it, and memory channels may be missing&quot;.</extracomment>
        <translation>%1。また、%2</translation>
    </message>
    <message>
        <source>memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation>DTMFメモリー</translation>
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
        <translation>CALLチャンネル</translation>
    </message>
    <message>
        <source>VFO channels</source>
        <translation>VFOチャンネル</translation>
    </message>
    <message>
        <source>the menu settings</source>
        <translation>メニュー設定</translation>
    </message>
    <message>
        <source>menu setting %1</source>
        <translation>メニュー設定%1</translation>
    </message>
    <message>
        <source>menu settings %1 to %2</source>
        <translation>メニュー設定%1～%2</translation>
    </message>
    <message numerus="yes">
        <source>%n records came back incomplete: %1</source>
        <translation>
            <numerusform>%n件のレコードが不完全なまま返されました: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n records cannot be sent, a radio of this version cannot hold them; a write leaves them out and the radio keeps what it holds there: %1</source>
        <translation>
            <numerusform>%n件のレコードは送信できません。このバージョンの無線機には入らないため、書き込みでは除外され、無線機のその位置の内容はそのまま残ります: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Damaged records left out of the file will be cleared in the radio: %1</source>
        <translation>ファイルから除外された壊れたレコードは、無線機で消去されます: %1</translation>
    </message>
    <message>
        <source>changes %1</source>
        <extracomment>Follows &quot;this write&quot;: &quot;changes 3 channels, 1 DTMF memory and 2 settings&quot;.</extracomment>
        <translation>%1を変更します</translation>
    </message>
    <message>
        <source>changes nothing</source>
        <extracomment>Follows &quot;this write&quot;.</extracomment>
        <translation>何も変更しません</translation>
    </message>
    <message>
        <source>This write empties %1 the radio holds: %2.</source>
        <extracomment>%1: &quot;2 channels and 1 DTMF memory&quot;; %2: the channels and DTMF memories, &quot;005, 031–063; DTMF 0–2&quot;.</extracomment>
        <translation>この書き込みで、無線機にある%1が空になります: %2。</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n個のチャンネル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n DTMF memories</source>
        <translation>
            <numerusform>%n個のDTMFメモリー</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n件の設定</numerusform>
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
        <translation>メモリー%1</translation>
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
        <translation>プログラムVFO %1</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>No channel list: no header row with a Frequency column.</source>
        <translation>チャンネルリストではありません: Frequency列のある見出し行がありません。</translation>
    </message>
    <message>
        <source>%1 row(s) imported, %2 of them adjusted; %3 row(s) skipped.</source>
        <translation>%1行を取り込み (うち%2行を調整)、%3行をスキップしました。</translation>
    </message>
    <message>
        <source>The file is not UTF-8; its text was read as %1.</source>
        <extracomment>%1: &quot;windows-1252&quot; or &quot;code page 932 (ASCII and half-width katakana)&quot;.</extracomment>
        <translation>このファイルはUTF-8ではありません。テキストを%1として読み込みました。</translation>
    </message>
    <message>
        <source>code page 932 (ASCII and half-width katakana)</source>
        <translation>コードページ932 (ASCIIと半角カタカナ)</translation>
    </message>
    <message>
        <source>Row %1: skipped, %2.</source>
        <extracomment>%2: why, a phrase in lower case: &quot;no frequency&quot;, &quot;frequency 9.000 MHz lies outside every band of the radio&quot;.</extracomment>
        <translation>%1行目をスキップしました: %2。</translation>
    </message>
    <message>
        <source>Row %1 (channel %2): %3.</source>
        <extracomment>%2: the channel&apos;s label; %3: what was changed, a phrase in lower case: &quot;frequency 146.5212 MHz moved to 146.520 MHz&quot;.</extracomment>
        <translation>%1行目 (チャンネル%2): %3。</translation>
    </message>
    <message>
        <source>Lost on the way through the list:</source>
        <translation>リストに書き出せなかった内容:</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A line of the export report: &quot;005: reverse is on; the list has no place for it.&quot;</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>The radio&apos;s reply for %1 was garbled twice (&quot;%2&quot;: %3).</source>
        <extracomment>%1: &quot;the model&quot;, &quot;memory 005&quot;...; %2: the command sent; %3: what was wrong with the reply.</extracomment>
        <translation>「%2」(%1)に対する無線機の応答が2回とも壊れていました: %3。</translation>
    </message>
    <message>
        <source>the model</source>
        <extracomment>&quot;The radio&apos;s reply for the model was garbled twice&quot;.</extracomment>
        <translation>機種</translation>
    </message>
    <message>
        <source>the version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>the band limits</source>
        <translation>バンドの上下限</translation>
    </message>
    <message>
        <source>the wake-up</source>
        <translation>ウェイクアップ</translation>
    </message>
    <message>
        <source>Needs what the radio holds: read the radio or compare with it first in this session.</source>
        <translation>無線機の内容が必要です: このセッションで先に無線機を読み込むか、無線機と比較してください。</translation>
    </message>
    <message>
        <source>The radio last read or written is of version %1, the data of version %2: read the radio or compare with it first.</source>
        <translation>最後に読み込みまたは書き込みをした無線機はバージョン%1、データはバージョン%2です: 先に無線機を読み込むか、無線機と比較してください。</translation>
    </message>
    <message numerus="yes">
        <source>%n filled channel(s) replaced; channels that are not in the list stay as they are.</source>
        <translation>
            <numerusform>使用中のチャンネル%n個を置き換えました。リストにないチャンネルはそのままです。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name character(s) not in the radio&apos;s character set were replaced by blanks.</source>
        <translation>
            <numerusform>無線機の文字セットにないネームの文字%n文字を空白に置き換えました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported.</source>
        <translation>
            <numerusform>%n個のチャンネルをエクスポートしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) exported in the radio&apos;s 8-bit code page.</source>
        <translation>
            <numerusform>%n個のチャンネルを無線機の8ビットコードページでエクスポートしました。</numerusform>
        </translation>
    </message>
    <message>
        <source>memory %1</source>
        <extracomment>A memory channel in a list of records: &quot;memory 005&quot;, &quot;memory L0&quot;.</extracomment>
        <translation>メモリー%1</translation>
    </message>
    <message>
        <source>program VFO %1</source>
        <extracomment>A program VFO record in a list of records: &quot;program VFO 1&quot;, &quot;program VFO A_430MHz&quot;.</extracomment>
        <translation>プログラムVFO %1</translation>
    </message>
    <message>
        <source>no frequency</source>
        <extracomment>Why a row is skipped: &quot;Row 7: skipped, no frequency.&quot;</extracomment>
        <translation>周波数がありません</translation>
    </message>
    <message>
        <source>frequency &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Frequency cell as the list has it.</extracomment>
        <translation>周波数「%1」が数値ではありません</translation>
    </message>
    <message>
        <source>frequency %1 lies outside every band of the radio</source>
        <extracomment>Why a row is skipped; %1: &quot;9.000 MHz&quot;.</extracomment>
        <translation>周波数%1は無線機のどのバンドにも入りません</translation>
    </message>
    <message>
        <source>Duplex split without a transmit frequency in Offset</source>
        <extracomment>Why a row is skipped. Duplex, split and Offset are the list&apos;s column names and values.</extracomment>
        <translation>Duplexがsplitですが、Offsetに送信周波数がありません</translation>
    </message>
    <message>
        <source>transmit frequency &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Offset cell, which holds the transmit frequency of a split row.</extracomment>
        <translation>送信周波数「%1」が数値ではありません</translation>
    </message>
    <message>
        <source>offset &quot;%1&quot; is not a number</source>
        <extracomment>Why a row is skipped; %1: the Offset cell.</extracomment>
        <translation>オフセット「%1」が数値ではありません</translation>
    </message>
    <message>
        <source>Duplex off (transmit inhibited) at %1, where the radio transmits; it has no transmit inhibit per channel</source>
        <extracomment>Why a row is skipped; Duplex off is the list&apos;s column and value; %1: &quot;145.500 MHz&quot;.</extracomment>
        <translation>Duplex off (送信禁止) の周波数%1では無線機が送信します。無線機にはチャンネルごとの送信禁止がありません</translation>
    </message>
    <message>
        <source>transmit frequency %1 lies outside the band of %2 (%3 to %4)</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency, %2: the receive frequency, %3 and %4: the limits of its band.</extracomment>
        <translation>送信周波数%1は%2のバンド (%3～%4) の外にあります</translation>
    </message>
    <message>
        <source>transmit frequency %1 lies in a range this version leaves out</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency.</extracomment>
        <translation>送信周波数%1はこのバージョンにない範囲にあります</translation>
    </message>
    <message>
        <source>transmit frequency %1 is off every step of its band</source>
        <extracomment>Why a row is skipped; %1: the transmit frequency.</extracomment>
        <translation>送信周波数%1はバンドのどのステップにも合いません</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <extracomment>Why a row is skipped: a field begins with a quotation mark that is never closed.</extracomment>
        <translation>引用符で始まる項目が閉じられていません</translation>
    </message>
    <message>
        <source>no free channel left</source>
        <extracomment>Why a row is skipped: every memory channel is taken.</extracomment>
        <translation>空きチャンネルがもうありません</translation>
    </message>
    <message>
        <source>no offset; the band&apos;s %1 taken</source>
        <extracomment>What was changed in a row; %1: &quot;0.60MHz&quot;.</extracomment>
        <translation>オフセットがないため、バンドの%1を使いました</translation>
    </message>
    <message>
        <source>offset %1 is not offered; stored as a split channel transmitting on %2</source>
        <extracomment>What was changed in a row; %1: the listed offset, %2: the transmit frequency.</extracomment>
        <translation>オフセット%1は使えないため、送信周波数%2のスプリットチャンネルとして保存しました</translation>
    </message>
    <message>
        <source>Duplex off (transmit inhibited) stored as simplex; the radio only receives at %1</source>
        <extracomment>What was changed in a row; Duplex off is the list&apos;s column and value; %1: &quot;433.000 MHz&quot;.</extracomment>
        <translation>Duplex off (送信禁止) をシンプレックスとして保存しました。無線機は%1では受信のみです</translation>
    </message>
    <message>
        <source>Duplex &quot;%1&quot; is unknown; taken as simplex</source>
        <extracomment>What was changed in a row; %1: the Duplex cell.</extracomment>
        <translation>Duplex「%1」は不明のため、シンプレックスにしました</translation>
    </message>
    <message>
        <source>offset %1 is not offered; %2 kept for a later shift</source>
        <extracomment>What was changed in a row (a simplex channel); %1: the listed offset, %2: the offset stored.</extracomment>
        <translation>オフセット%1は使えないため、後のシフト用に%2を残しました</translation>
    </message>
    <message>
        <source>mode %1 taken as %2</source>
        <extracomment>What was changed in a row; %1: the listed mode (&quot;NFM&quot;), %2: the radio&apos;s mode (&quot;FM&quot;).</extracomment>
        <translation>モード%1を%2として取り込みました</translation>
    </message>
    <message>
        <source>mode %1 is not offered; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed mode, %2: the band&apos;s mode taken instead.</extracomment>
        <translation>モード%1は使えないため、%2にしました</translation>
    </message>
    <message>
        <source>mode %1 is not offered on this band; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed mode, %2: the mode taken instead.</extracomment>
        <translation>モード%1はこのバンドでは使えないため、%2にしました</translation>
    </message>
    <message>
        <source>frequency %1 moved to %2</source>
        <extracomment>What was changed in a row; %1: the listed frequency, %2: the one stored.</extracomment>
        <translation>周波数%1を%2に移動しました</translation>
    </message>
    <message>
        <source>step %1 is not offered; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed step, %2: the step taken.</extracomment>
        <translation>ステップ%1は使えないため、%2にしました</translation>
    </message>
    <message>
        <source>step %1 changed to %2</source>
        <extracomment>What was changed in a row; %1: the listed step, %2: the step stored.</extracomment>
        <translation>ステップ%1を%2に変更しました</translation>
    </message>
    <message>
        <source>tone &quot;%1&quot; is not a number; 88.5 Hz taken</source>
        <extracomment>What was changed in a row; %1: the tone cell.</extracomment>
        <translation>トーン「%1」が数値ではないため、88.5 Hzにしました</translation>
    </message>
    <message>
        <source>tone %1 is not in the list; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed tone, %2: the nearest tone of the radio.</extracomment>
        <translation>トーン%1は一覧にないため、%2にしました</translation>
    </message>
    <message>
        <source>DCS code %1 is not in the list; %2 taken</source>
        <extracomment>What was changed in a row; %1: the listed DCS code, %2: the nearest code of the radio.</extracomment>
        <translation>DCSコード%1は一覧にないため、%2にしました</translation>
    </message>
    <message>
        <source>tone mode %1 is not offered; taken as %2</source>
        <extracomment>What was changed in a row; %1: the Tone cell (&quot;TSQL-R&quot;), %2: the tone mode taken (&quot;TSQL&quot;).</extracomment>
        <translation>トーンモード%1は使えないため、%2にしました</translation>
    </message>
    <message>
        <source>%1; taken as %2</source>
        <extracomment>What was changed in a row; %1: why (&quot;cross mode DTCS-&gt;Tone is not offered&quot;), %2: what was taken (&quot;tone 88.5 Hz&quot;, &quot;no tone&quot;).</extracomment>
        <translation>%1ため、%2にしました</translation>
    </message>
    <message>
        <source>Cross without CrossMode is Tone-&gt;Tone, which is not offered</source>
        <extracomment>Cross, CrossMode and Tone-&gt;Tone are the list&apos;s values and column names.</extracomment>
        <translation>CrossModeのないCrossはTone-&gt;Toneで、使えない</translation>
    </message>
    <message>
        <source>cross mode %1 is not offered</source>
        <extracomment>%1: the CrossMode cell (&quot;DTCS-&gt;Tone&quot;).</extracomment>
        <translation>クロスモード%1は使えない</translation>
    </message>
    <message>
        <source>tone %1</source>
        <extracomment>What was taken for a cross mode: &quot;tone 88.5 Hz&quot; (the tone encoder).</extracomment>
        <translation>トーン%1</translation>
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
        <translation>トーンなし</translation>
    </message>
    <message>
        <source>tone mode &quot;%1&quot; is unknown; no tone taken</source>
        <extracomment>What was changed in a row; %1: the Tone cell.</extracomment>
        <translation>トーンモード「%1」は不明のため、トーンなしにしました</translation>
    </message>
    <message>
        <source>DCS polarity %1 is not offered; normal taken</source>
        <extracomment>What was changed in a row; %1: the DtcsPolarity cell (&quot;RN&quot;).</extracomment>
        <translation>DCS極性%1は使えないため、ノーマルにしました</translation>
    </message>
    <message>
        <source>name cut to 8 characters</source>
        <extracomment>What was changed in a row.</extracomment>
        <translation>ネームを8文字に切り詰めました</translation>
    </message>
    <message numerus="yes">
        <source>%n name character(s) not in the radio&apos;s set replaced by blanks</source>
        <extracomment>What was changed in a row.</extracomment>
        <translation>
            <numerusform>無線機の文字セットにないネームの文字%n文字を空白に置き換えました</numerusform>
        </translation>
    </message>
    <message>
        <source>skip P (priority scan) is not offered; not skipped</source>
        <extracomment>What was changed in a row; Skip P is the list&apos;s column and value: the channel is not locked out.</extracomment>
        <translation>Skip P (プライオリティスキャン) は使えないため、ロックアウトしませんでした</translation>
    </message>
    <message>
        <source>skip &quot;%1&quot; is unknown; not skipped</source>
        <extracomment>What was changed in a row; %1: the Skip cell.</extracomment>
        <translation>Skip「%1」は不明のため、ロックアウトしませんでした</translation>
    </message>
    <message>
        <source>skip S is not offered on the scan edges and priority channels; not skipped</source>
        <extracomment>What was changed in a row; skip S is the list&apos;s lock-out.</extracomment>
        <translation>スキャンエッジとプライオリティチャンネルではSkip Sは使えないため、ロックアウトしませんでした</translation>
    </message>
    <message>
        <source>no Location; put in channel %1</source>
        <extracomment>What was changed in a row; Location is the list&apos;s column; %1: the channel the row went to.</extracomment>
        <translation>Locationがないため、チャンネル%1に入れました</translation>
    </message>
    <message>
        <source>Location %1 is the program-scan edge %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>What was changed in a row; %1: the Location cell (400), %2: that slot&apos;s label (L0), %3: the channel the row went to. Location and Comment are the list&apos;s columns.</extracomment>
        <translation>Location %1はスキャンエッジ%2で、Commentに「%2」がある行しか入れません。チャンネル%3に入れました</translation>
    </message>
    <message>
        <source>Location %1 is the priority channel %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>As for the program-scan edge; %2: &quot;PR1&quot;.</extracomment>
        <translation>Location %1はプライオリティチャンネル%2で、Commentに「%2」がある行しか入れません。チャンネル%3に入れました</translation>
    </message>
    <message>
        <source>Location %1 is the information channel %2, which a row reaches only with &quot;%2&quot; in Comment; put in channel %3</source>
        <extracomment>As for the program-scan edge; %2: &quot;I-1&quot;.</extracomment>
        <translation>Location %1はインフォメーションチャンネル%2で、Commentに「%2」がある行しか入れません。チャンネル%3に入れました</translation>
    </message>
    <message>
        <source>Location %1 is no channel of the radio (0 to 399, or 400 to 431 with the channel&apos;s label in Comment); put in channel %2</source>
        <extracomment>What was changed in a row; %1: the Location cell, %2: the channel the row went to.</extracomment>
        <translation>Location %1は無線機のチャンネルではありません (0～399、またはCommentにチャンネルのラベルがある400～431)。チャンネル%2に入れました</translation>
    </message>
    <message>
        <source>Location %1 is already taken by row %2; put in channel %3</source>
        <extracomment>What was changed in a row; %1: the Location, %2: the earlier row with it, %3: the channel the row went to.</extracomment>
        <translation>Location %1はすでに%2行目が使っているため、チャンネル%3に入れました</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A channel&apos;s label, then what the list loses of it: &quot;005: reverse is on; the list has no place for it&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the transmit step differs from the receive step; the list has one step</source>
        <translation>送信ステップが受信ステップと違います。リストにはステップが1つしかありません</translation>
    </message>
    <message>
        <source>special minus shift on a band without a special offset; it reads back as minus shift %1</source>
        <extracomment>%1: the offset the channel comes back with from the list (&quot;0.60MHz&quot;).</extracomment>
        <translation>特別なオフセットのないバンドで特別なマイナスシフトです。読み戻すと%1のマイナスシフトになります</translation>
    </message>
    <message>
        <source>special minus shift, which this version does not offer; it reads back as minus shift %1</source>
        <extracomment>%1: the offset the channel comes back with from the list (&quot;7.60MHz&quot;).</extracomment>
        <translation>このバージョンにない特別なマイナスシフトです。読み戻すと%1のマイナスシフトになります</translation>
    </message>
    <message>
        <source>reverse is on; the list has no place for it</source>
        <translation>リバースがオンです。リストには入れる場所がありません</translation>
    </message>
    <message>
        <source>more than one of tone, CTCSS and DCS is on; the list keeps %1</source>
        <extracomment>%1: the list&apos;s tone mode kept: &quot;DTCS&quot;, &quot;TSQL&quot; or &quot;Tone&quot;.</extracomment>
        <translation>トーン、CTCSS、DCSのうち2つ以上がオンです。リストには%1だけが残ります</translation>
    </message>
    <message>
        <source>mode code &quot;%1&quot; is unknown; written as FM</source>
        <extracomment>%1: the record&apos;s mode code.</extracomment>
        <translation>モードコード「%1」は不明のため、FMとして書き出しました</translation>
    </message>
    <message>
        <source>step code &quot;%1&quot; is unknown; written as 5 kHz</source>
        <extracomment>%1: the record&apos;s step code.</extracomment>
        <translation>ステップコード「%1」は不明のため、5 kHzとして書き出しました</translation>
    </message>
    <message>
        <source>the RF power field is set; the list does not carry it</source>
        <translation>送信出力の項目が設定されていますが、リストには入りません</translation>
    </message>
    <message numerus="yes">
        <source>the name holds %n byte(s) outside the market&apos;s character set; written as ?</source>
        <translation>
            <numerusform>ネームに仕向けの文字セットにないバイトが%n個あります。?として書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>the name holds bytes outside the market&apos;s character set; written as U+FFFD</source>
        <extracomment>U+FFFD is the replacement character (a question mark in a diamond).</extracomment>
        <translation>ネームに仕向けの文字セットにないバイトがあります。U+FFFDとして書き出しました</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>CSV channel list (*.csv);;All files (*)</source>
        <extracomment>File dialog filter; keep (*.csv) and (*) as they are.</extracomment>
        <translation>CSVチャンネルリスト (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>CSV channel list, UTF-8 (*.csv)</source>
        <extracomment>File dialog filter; keep (*.csv) as it is.</extracomment>
        <translation>CSVチャンネルリスト、UTF-8 (*.csv)</translation>
    </message>
    <message>
        <source>CSV channel list, Windows code page (*.csv)</source>
        <extracomment>File dialog filter: the text is written in the radio&apos;s 8-bit Windows code page; keep (*.csv) as it is.</extracomment>
        <translation>CSVチャンネルリスト、Windowsコードページ (*.csv)</translation>
    </message>
    <message>
        <source>Import Channels (CSV)</source>
        <translation>チャンネルのインポート (CSV)</translation>
    </message>
    <message>
        <source>Export Channels (CSV)</source>
        <translation>チャンネルのエクスポート (CSV)</translation>
    </message>
    <message numerus="yes">
        <source>The list would replace %n filled channel(s); channels that are not in the list stay as they are.
Yes replaces them, No puts every row into the free channels, Cancel stops.</source>
        <extracomment>Yes, No and Cancel are the buttons of the message box.</extracomment>
        <translation>
            <numerusform>リストは使用中のチャンネル%n個を置き換えます。リストにないチャンネルはそのまま残ります。
「はい」で置き換え、「いいえ」ですべての行を空きチャンネルに入れ、「キャンセル」で中止します。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CsvReportDialog</name>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <extracomment>Copies the whole report to the clipboard.</extracomment>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <extracomment>Saves the report as a text file.</extracomment>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>report.txt</source>
        <extracomment>The file name proposed for a saved report; keep .txt.</extracomment>
        <translation>レポート.txt</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <extracomment>File dialog filter; keep (*.txt) and (*) as they are.</extracomment>
        <translation>テキストファイル (*.txt);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートを保存</translation>
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
        <translation type="unfinished">プログラムVFO %1</translation>
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
        <translation>テキストファイル(*.txt)</translation>
    </message>
    <message>
        <source>The name of a data file must end in .qx.</source>
        <translation>データファイルの名前は .qx で終わる必要があります。</translation>
    </message>
    <message>
        <source>The file is not a TSL-Q2/Q3 data file.</source>
        <translation>このファイルはTSL-Q2/Q3のデータファイルではありません。</translation>
    </message>
    <message>
        <source>
The saved file will hold those values as if they had been in it.
Do you want to save?</source>
        <translation>
保存したファイルには、これらの値が元からあったかのように入ります。
保存しますか?</translation>
    </message>
    <message>
        <source>Nothing has gone over the line to the radio yet: there is no serial log to save.</source>
        <translation>まだ無線機との通信がありません: 保存するシリアルログはありません。</translation>
    </message>
    <message>
        <source>PDF Files(*.pdf)</source>
        <extracomment>File dialog filter; keep (*.pdf) as it is.</extracomment>
        <translation>PDFファイル(*.pdf)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <extracomment>The name of data not saved yet, proposed as the file name (keep it a valid file name).</extracomment>
        <translation>無題</translation>
    </message>
    <message>
        <source>Saving replaces the file, and their lines will be gone from it.
Do you want to save?</source>
        <translation>保存するとファイルが置き換えられ、これらの行はファイルから消えます。
保存しますか?</translation>
    </message>
    <message>
        <source>TSL-Q2/Q3 Files(*.qx)</source>
        <translation>TSL-Q2/Q3ファイル(*.qx)</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>is a folder</source>
        <extracomment>Why a file could not be read, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>file too long</source>
        <extracomment>Why a file could not be read: far longer than any data file, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>ファイルが長すぎます</translation>
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
        <translation type="unfinished">CALLチャンネル</translation>
    </message>
    <message>
        <source>DTMF memories</source>
        <translation type="unfinished">DTMFメモリー</translation>
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
        <translation type="unfinished">トーン%1</translation>
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
        <translation>PDFファイルを描画できません</translation>
    </message>
</context>
<context>
    <name>ReadBackDialog</name>
    <message>
        <source>The read-back has finished.</source>
        <translation>読み返しが完了しました。</translation>
    </message>
</context>
<context>
    <name>ReadBackups</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <extracomment>Why a read could not be kept as a backup; %1: the folder.</extracomment>
        <translation>フォルダー%1を作成できません。</translation>
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
        <translation>TSL-Q2/Q3は正常に終了しませんでした。%1の未保存の変更が残っています (%2)。
復元しますか? 「いいえ」を選ぶと破棄します。</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>write error</source>
        <extracomment>Why a file could not be written, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>書き込みエラー</translation>
    </message>
    <message>
        <source>can only be written as a whole</source>
        <extracomment>Why a file could not be written (a program error rather than the operator&apos;s).</extracomment>
        <translation>全体を一度に書き込む必要があります</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <extracomment>Why a file could not be written: the name is a device or a pipe, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>file not open</source>
        <extracomment>Why a file could not be written (a program error rather than the operator&apos;s).</extracomment>
        <translation>ファイルが開かれていません</translation>
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
