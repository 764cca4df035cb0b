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
    <name>CallEditor</name>
    <message>
        <source>CALL Channel</source>
        <translation>CALLチャンネル</translation>
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
        <translation>空</translation>
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
    <name>CheckReasons</name>
    <message>
        <source>not the group asked for</source>
        <translation>要求したグループではない</translation>
    </message>
    <message>
        <source>band limit is not two numbers of 5 or 7 digits</source>
        <translation>バンドの上下限が5桁または7桁の2つの数ではない</translation>
    </message>
    <message>
        <source>type code is not two letters, a comma and two hexadecimal digits</source>
        <translation>タイプコードが英字2文字、コンマ、16進数2桁ではない</translation>
    </message>
    <message>
        <source>not the DTMF memory asked for</source>
        <translation>要求したDTMFメモリーではない</translation>
    </message>
    <message>
        <source>not the band asked for</source>
        <translation>要求したバンドではない</translation>
    </message>
    <message>
        <source>the reply does not echo its command</source>
        <translation>応答がコマンドを繰り返していない</translation>
    </message>
    <message>
        <source>the reply is too long</source>
        <translation>応答が長すぎる</translation>
    </message>
    <message>
        <source>too many fields</source>
        <translation>項目が多すぎる</translation>
    </message>
    <message>
        <source>not the channel asked for</source>
        <translation>要求したチャンネルではない</translation>
    </message>
    <message>
        <source>no such reply</source>
        <translation>このような応答はない</translation>
    </message>
    <message>
        <source>label is not a memory channel</source>
        <translation>ラベルがメモリーチャンネルではない</translation>
    </message>
    <message>
        <source>label is not a band code</source>
        <translation>ラベルがバンドコードではない</translation>
    </message>
    <message>
        <source>label is not a CALL band code</source>
        <translation>ラベルがCALLのバンドコードではない</translation>
    </message>
    <message>
        <source>label is not a channel</source>
        <translation>ラベルがチャンネルではない</translation>
    </message>
    <message>
        <source>frequency is not 11 digits</source>
        <translation>周波数が11桁ではない</translation>
    </message>
    <message>
        <source>step is not a step code</source>
        <translation>ステップがステップのコードではない</translation>
    </message>
    <message>
        <source>shift is not 0 to 3</source>
        <translation>シフトが0～3ではない</translation>
    </message>
    <message>
        <source>reverse is not 0 or 1</source>
        <translation>リバースが0または1ではない</translation>
    </message>
    <message>
        <source>tone is not 0 or 1</source>
        <translation>トーンが0または1ではない</translation>
    </message>
    <message>
        <source>CTCSS is not 0 or 1</source>
        <translation>CTCSSが0または1ではない</translation>
    </message>
    <message>
        <source>DCS is not 0 or 1</source>
        <translation>DCSが0または1ではない</translation>
    </message>
    <message>
        <source>tone is not 00 to 41</source>
        <translation>トーンが00～41ではない</translation>
    </message>
    <message>
        <source>CTCSS tone is not 00 to 41</source>
        <translation>CTCSSトーンが00～41ではない</translation>
    </message>
    <message>
        <source>DCS code is not 000 to 103</source>
        <translation>DCSコードが000～103ではない</translation>
    </message>
    <message>
        <source>offset is not 9 digits</source>
        <translation>オフセットが9桁ではない</translation>
    </message>
    <message>
        <source>mode is not 0 to 5</source>
        <translation>モードが0～5ではない</translation>
    </message>
    <message>
        <source>lockout is not 0 or 1</source>
        <translation>ロックアウトが0または1ではない</translation>
    </message>
    <message>
        <source>TX frequency is not 11 digits</source>
        <translation>送信周波数が11桁ではない</translation>
    </message>
    <message>
        <source>TX step is not a step code</source>
        <translation>送信ステップがステップのコードではない</translation>
    </message>
    <message>
        <source>field 16 holds a control byte</source>
        <translation>項目16に制御文字がある</translation>
    </message>
    <message>
        <source>number is missing</source>
        <translation>番号がない</translation>
    </message>
    <message>
        <source>number is not 0 to 9</source>
        <translation>番号が0～9ではない</translation>
    </message>
    <message>
        <source>code is longer than 16</source>
        <translation>コードが16文字より長い</translation>
    </message>
    <message>
        <source>code holds a character other than 0-9, A-F, *, #</source>
        <translation>コードに0-9、A-F、*、#以外の文字がある</translation>
    </message>
    <message>
        <source>name holds a control byte</source>
        <translation>ネームに制御文字がある</translation>
    </message>
    <message>
        <source>no such field</source>
        <translation>このような項目はない</translation>
    </message>
    <message>
        <source>no such fields</source>
        <translation>このような項目はない</translation>
    </message>
    <message>
        <source>band is not 0 to 3</source>
        <translation>バンドが0～3ではない</translation>
    </message>
    <message>
        <source>lower MHz is not 5 digits</source>
        <translation>下限のMHzが5桁ではない</translation>
    </message>
    <message>
        <source>upper MHz is not 5 digits</source>
        <translation>上限のMHzが5桁ではない</translation>
    </message>
    <message>
        <source>no such menu setting</source>
        <translation>このようなメニュー設定はない</translation>
    </message>
    <message>
        <source>group link is not 8 characters</source>
        <translation>グループリンクが8文字ではない</translation>
    </message>
    <message>
        <source>group link holds a character out of place</source>
        <translation>グループリンクの文字の位置が正しくない</translation>
    </message>
    <message>
        <source>message is longer than 8</source>
        <translation>メッセージが8文字より長い</translation>
    </message>
    <message>
        <source>contrast is not 01 to 16</source>
        <translation>コントラストが01～16ではない</translation>
    </message>
    <message>
        <source>menu value is out of range</source>
        <translation>メニューの値が範囲外</translation>
    </message>
    <message>
        <source>no such record</source>
        <translation>このようなレコードはない</translation>
    </message>
    <message>
        <source>frequency is missing</source>
        <translation>周波数がない</translation>
    </message>
    <message>
        <source>step is missing</source>
        <translation>ステップがない</translation>
    </message>
    <message>
        <source>shift is missing</source>
        <translation>シフトがない</translation>
    </message>
    <message>
        <source>reverse is missing</source>
        <translation>リバースがない</translation>
    </message>
    <message>
        <source>tone is missing</source>
        <translation>トーンがない</translation>
    </message>
    <message>
        <source>CTCSS is missing</source>
        <translation>CTCSSがない</translation>
    </message>
    <message>
        <source>DCS is missing</source>
        <translation>DCSがない</translation>
    </message>
    <message>
        <source>tone frequency is missing</source>
        <translation>トーン周波数がない</translation>
    </message>
    <message>
        <source>CTCSS frequency is missing</source>
        <translation>CTCSS周波数がない</translation>
    </message>
    <message>
        <source>DCS code is missing</source>
        <translation>DCSコードがない</translation>
    </message>
    <message>
        <source>offset is missing</source>
        <translation>オフセットがない</translation>
    </message>
    <message>
        <source>mode is missing</source>
        <translation>モードがない</translation>
    </message>
    <message>
        <source>name is longer than 8 characters</source>
        <translation>ネームが8文字より長い</translation>
    </message>
    <message>
        <source>frequency lies outside every band of the radio</source>
        <translation>周波数が無線機のどのバンドにも入らない</translation>
    </message>
    <message>
        <source>TX frequency lies outside every band of the radio</source>
        <translation>送信周波数が無線機のどのバンドにも入らない</translation>
    </message>
    <message>
        <source>offset is not a multiple of 50 kHz up to 59.95 MHz</source>
        <translation>オフセットが59.95 MHzまでの50 kHzの倍数ではない</translation>
    </message>
    <message>
        <source>name holds a character the radio does not have</source>
        <translation>ネームに無線機にない文字がある</translation>
    </message>
    <message>
        <source>number is not 00 to 09</source>
        <translation>番号が00～09ではない</translation>
    </message>
    <message>
        <source>number is not its memory&apos;s</source>
        <translation>番号が自分のメモリーの番号ではない</translation>
    </message>
    <message>
        <source>code holds a character other than 0-9, A-D, *, #, blank</source>
        <translation>コードに0-9、A-D、*、#、空白以外の文字がある</translation>
    </message>
    <message>
        <source>upper MHz is missing</source>
        <translation>上限のMHzがない</translation>
    </message>
    <message>
        <source>message holds a character the radio does not have</source>
        <translation>メッセージに無線機にない文字がある</translation>
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
        <source>Tx Frequency : </source>
        <extracomment>As the status bar says it; a transmit frequency follows (&quot;438.000MHz&quot;).</extracomment>
        <translation>送信周波数 : </translation>
    </message>
    <message>
        <source>Offset : </source>
        <extracomment>As the status bar says it; an offset follows (&quot;0.60MHz&quot;).</extracomment>
        <translation>オフセット : </translation>
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
    <message>
        <source>Offset or Tx</source>
        <translation>オフセット / 送信</translation>
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
    <name>Printing</name>
    <message>
        <source>cannot draw the PDF file</source>
        <extracomment>Why a PDF could not be written, shown below &quot;File Open error.&quot;.</extracomment>
        <translation>PDFファイルを描画できません</translation>
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
