<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>詳しくは「kelvon --help」を実行してください。</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: 通知領域に常駐するリマインダーと目覚まし時計。

Kelvon は 32 件のリマインダーと選んだアラート音を、起動したフォルダーの Kelvo.dat に
保存し、各リマインダーを時刻になると最前面の時計ウィンドウに表示します。
kelvon-launch はデータフォルダー ${XDG_DATA_HOME:-~/.local/share}/kelvon で起動します。
同じフォルダーでもう一度起動すると、実行中のものの時計ウィンドウを表示します。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>ウィンドウを表示するデスクトップセッションがありません (DISPLAY と WAYLAND_DISPLAY が未設定です)。セッション内で起動するか、QT_QPA_PLATFORM に Qt のプラットフォームを指定してください</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>アクセスが拒否されました</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>ヘルプファイル %1 が見つかりません。Kelvon に組み込まれたものを表示しています。</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>ヘルプファイル %1 は 1 MiB 以下のファイルではありません。Kelvon に組み込まれたものを表示しています。</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Kelvon ヘルプ</translation>
    </message>
</context>
<context>
    <name>Module1</name>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS WERE KEPT IN   %1</source>
        <extracomment>%1 is the path of the damaged file&apos;s copy; Kelvo.dat is the file&apos;s name, never translated.</extracomment>
        <translation>保存ファイルに問題があります。<byte value="xd"/>
次のファイルを探して削除してください   Kelvo.dat<byte value="xd"/>
新しいファイルが作成されます。<byte value="xd"/>
内容は次の場所に保存しました   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>保存ファイルに問題があります。<byte value="xd"/>
次のファイルを探して削除してください   Kelvo.dat<byte value="xd"/>
新しいファイルが作成されます。<byte value="xd"/>
内容を次の場所に保存できませんでした   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>サウンドモジュールが見つからないため、音は鳴りません (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>WriterLock</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>別のプログラムが書き込み中でした</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>この環境では使えません</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>%1 のバージョン情報</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>バージョン %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>通知領域に常駐するリマインダーと目覚まし時計。</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 件のリマインダーを作業フォルダーの Kelvo.dat に保存します。</translation>
    </message>
</context>
<context>
    <name>frmCal</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>日付の選択</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>入力された時刻が正しくありません。</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>入力された日付が正しくありません。</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>リマインダーを次の場所に保存できませんでした:<byte value="xd"/>
%1<byte value="xd"/>
(%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
内容はウィンドウに残っています。原因が解消したら OK で保存できます。</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Kelvon リマインダー</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>リマインダーのメッセージ</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>この行を消去</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>アラート1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>アラート2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>アラート3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>%1 行目の日付</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>%1 行目のメッセージ</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>%1 行目の時刻</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>%1 行目の毎日</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>%1 行目の毎週</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>%1 行目の毎月</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>%1 行目を消去</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>「%1」のサウンドを再生</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>リマインダーの行</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>ウィンドウを開いている間に、あなたも変更したリマインダーを別のプログラムが変更しました。あなたの変更は保存されました。次のものは空いている行がなく、保存されませんでした:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>期限: %1 %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>期限: %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>期限: %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Kelvon リマインダー</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Kelvon 時計</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Kelvon の実行を続ける</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>保存せずに終了</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
今終了すると、保存されていない内容は失われます。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>アラームを設定(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>バージョン情報(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>保存せずに終了します: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>現在(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>決定(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>時刻の選択</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>時刻</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>通知領域がありません。代わりに時計ウィンドウを表示します。閉じると Kelvon は終了します</translation>
    </message>
</context>
</TS>
