<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>使用“kelvon --help”查看更多信息。</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon：通知区域中的提醒和闹钟。

Kelvon 把 32 条提醒和所选的提示音保存在启动时所在文件夹的 Kelvo.dat 中，
并在每条提醒到时，在一个置顶的时钟窗口中显示它。kelvon-launch 在数据文件夹
${XDG_DATA_HOME:-~/.local/share}/kelvon 中启动它；在同一文件夹中再次启动会显示
正在运行的那份的时钟窗口。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>没有可显示窗口的桌面会话（未设置 DISPLAY 和 WAYLAND_DISPLAY）；请在桌面会话中启动，或在 QT_QPA_PLATFORM 中指定 Qt 平台</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>是一个文件夹</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>找不到帮助文件 %1；这是 Kelvon 内置的副本。</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>帮助文件 %1 不是不超过 1 MiB 的文件；这是 Kelvon 内置的副本。</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Kelvon 帮助</translation>
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
        <translation>保存的文件有问题。<byte value="xd"/>
请找到并删除   Kelvo.dat<byte value="xd"/>
将会创建一个新文件。<byte value="xd"/>
其内容已保存在   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>保存的文件有问题。<byte value="xd"/>
请找到并删除   Kelvo.dat<byte value="xd"/>
将会创建一个新文件。<byte value="xd"/>
其内容未能保存到   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>声音保持静音，找不到声音模块（%1）</translation>
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
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>另一个程序正在写入</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>此处不支持</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>通知区域中的提醒和闹钟。</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 条提醒，保存在工作文件夹的 Kelvo.dat 中。</translation>
    </message>
</context>
<context>
    <name>frmCal</name>
    <message>
        <source>&amp;OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>日期选择器</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>您输入的时间无效。</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>您输入的日期无效。</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>无法将提醒保存到<byte value="xd"/>
%1<byte value="xd"/>
（%2）。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
窗口仍保留着这些提醒：问题解决后，点击其“确定”即可保存。</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Kelvon 提醒</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>提醒消息</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>每日</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>清除此行</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>警报1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>警报2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>警报3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>第 %1 行日期</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>第 %1 行消息</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>第 %1 行时间</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>第 %1 行每日</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>第 %1 行每周</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>第 %1 行每月</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>清除第 %1 行</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>播放“%1”声音</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>提醒行</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>窗口打开期间，另一个程序更改了您也更改过的提醒。您的更改已保存；以下提醒没有空行可放，未能保留：<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>到期：%1 %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>到期：%1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>到期：%1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Kelvon 提醒</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>设置(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Kelvon 时钟</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>保持 Kelvon 运行</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>不保存并退出</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
现在退出将丢失未保存的内容。</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>设置闹钟(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>未保存即退出：%1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>现在(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>接受(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>时间选择器</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>时刻</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>没有通知区域；改为显示时钟窗口，关闭它即退出 Kelvon</translation>
    </message>
</context>
</TS>
