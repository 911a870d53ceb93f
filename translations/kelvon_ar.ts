<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>جرّب «kelvon --help» لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: تذكيرات ومنبّه في منطقة الإشعارات.

يحفظ Kelvon تذكيراته الاثنين والثلاثين وصوت التنبيه المختار في Kelvo.dat في المجلد
الذي يبدأ فيه، ويعرض كل تذكير في موعده في نافذة ساعة تبقى فوق النوافذ الأخرى.
يبدؤه kelvon-launch في مجلد البيانات ${XDG_DATA_HOME:-~/.local/share}/kelvon؛
والتشغيل الثاني في المجلد نفسه يعرض نافذة ساعة النسخة العاملة.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>وسيط غير متوقع «%1»</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>لا توجد جلسة سطح مكتب لعرض نوافذه (DISPLAY وWAYLAND_DISPLAY غير مضبوطين)؛ شغّله داخل جلسة، أو سمِّ منصة Qt في QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>هذا مجلد</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>الإذن مرفوض</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>لم يُعثر على ملف المساعدة %1؛ هذه النسخة المدمجة في Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>ملف المساعدة %1 ليس ملفًا لا يتجاوز 1 م.ب؛ هذه النسخة المدمجة في Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>مساعدة Kelvon</translation>
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
        <translation>مشكلة في الملف المحفوظ.<byte value="xd"/>
ابحث عن هذا الملف واحذفه   Kelvo.dat<byte value="xd"/>
سيُنشأ ملف جديد.<byte value="xd"/>
حُفظت محتوياته في   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>مشكلة في الملف المحفوظ.<byte value="xd"/>
ابحث عن هذا الملف واحذفه   Kelvo.dat<byte value="xd"/>
سيُنشأ ملف جديد.<byte value="xd"/>
تعذّر حفظ محتوياته في   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>الأصوات صامتة، لم يُعثر على وحدة الصوت (%1)</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>WriterLock</name>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>برنامج آخر كان يكتب</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>غير مدعوم هنا</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>حول %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>الإصدار %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>تذكيرات ومنبّه في منطقة الإشعارات.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 تذكيرًا محفوظة في Kelvo.dat في مجلد العمل.</translation>
    </message>
</context>
<context>
    <name>frmCal</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>Date picker</source>
        <translation>منتقي التاريخ</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>الوقت الذي أدخلته غير صالح.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>التاريخ الذي أدخلته غير صالح.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>تعذّر حفظ التذكيرات في<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
ما زالت النافذة تحتفظ بها: زر «موافق» فيها يحفظها حين يزول السبب.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>تذكيرات Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>نصوص التذكيرات</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>يومي</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>أسبوعي</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>شهري</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>امسح هذا الصف</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>الأصوات</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>رسالة</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>تنبيه1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>تنبيه2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>تنبيه3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>الصف %1: التاريخ</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>الصف %1: الرسالة</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>الصف %1: الوقت</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>الصف %1: يومي</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>الصف %1: أسبوعي</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>الصف %1: شهري</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>امسح الصف %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>شغّل صوت «%1»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>صفوف التذكيرات</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>بينما كانت النافذة مفتوحة، غيّر برنامج آخر تذكيرات غيّرتها أنت أيضًا. حُفظت تذكيراتك؛ ولم يتبقَّ صف فارغ لهذه، فلم تُحفظ:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>موعده %1 الساعة %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>موعده %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>موعده الساعة %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>تذكير Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;ضبط</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>ساعة Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>أبقِ Kelvon يعمل</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>إنهاء دون حفظ</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
الإنهاء الآن يُضيّع ما لم يُحفظ.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;ضبط منبّه</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;حول</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>إنهاء دون حفظ: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;الآن</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;قبول</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>منتقي الوقت</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>وقت اليوم</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>ضبط</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>لا توجد منطقة إشعارات؛ تُعرض نافذة الساعة بدلًا منها، وإغلاقها يُنهي Kelvon</translation>
    </message>
</context>
</TS>
