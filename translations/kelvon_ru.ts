<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Подробнее: «kelvon --help».</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: напоминания и будильник в области уведомлений.

Kelvon хранит свои 32 напоминания и выбранный звук сигнала в Kelvo.dat в папке, где он
запущен, и показывает каждое напоминание в срок в окне часов поверх других окон.
kelvon-launch запускает его в папке данных ${XDG_DATA_HOME:-~/.local/share}/kelvon;
повторный запуск в той же папке показывает окно часов уже работающей копии.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>нет сеанса рабочего стола для показа окон (DISPLAY и WAYLAND_DISPLAY не заданы); запустите его в сеансе или укажите платформу Qt в QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Файл справки %1 не найден; показана встроенная в Kelvon копия.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Файл справки %1 не является файлом размером не более 1 МиБ; показана встроенная в Kelvon копия.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Справка Kelvon</translation>
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
        <translation>ОШИБКА В СОХРАНЁННОМ ФАЙЛЕ.<byte value="xd"/>
НАЙДИТЕ И УДАЛИТЕ   Kelvo.dat<byte value="xd"/>
БУДЕТ СОЗДАН НОВЫЙ.<byte value="xd"/>
ЕГО СОДЕРЖИМОЕ СОХРАНЕНО В   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>ОШИБКА В СОХРАНЁННОМ ФАЙЛЕ.<byte value="xd"/>
НАЙДИТЕ И УДАЛИТЕ   Kelvo.dat<byte value="xd"/>
БУДЕТ СОЗДАН НОВЫЙ.<byte value="xd"/>
ЕГО СОДЕРЖИМОЕ НЕ УДАЛОСЬ СОХРАНИТЬ В   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>звуки отключены, модуль звука не найден (%1)</translation>
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
        <translation>%1 не является обычным файлом</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>другая программа вела запись</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>здесь не поддерживается</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версия %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Напоминания и будильник в области уведомлений.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 напоминания хранятся в Kelvo.dat в рабочей папке.</translation>
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
        <translation>Выбор даты</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>Введённое ВРЕМЯ недопустимо.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>Введённая ДАТА недопустима.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Не удалось сохранить напоминания в<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
Окно хранит их: кнопка OK сохранит их, когда причина будет устранена.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Напоминания Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Сбр.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Тексты напоминаний</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Нед.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Мес.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>ОЧИСТИТЬ СТРОКУ</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Сообщ.</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>Сигнал1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>Сигнал2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>Сигнал3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Строка %1: дата</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Строка %1: текст</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Строка %1: время</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Строка %1: ежедневно</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Строка %1: еженедельно</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Строка %1: ежемесячно</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Очистить строку %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Воспроизвести звук «%1»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Строки напоминаний</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Пока окно было открыто, другая программа изменила напоминания, которые изменили и вы. Ваши сохранены; для этих не нашлось свободной строки, и они не сохранены:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Срок: %1 в %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Срок: %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Срок: в %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Напоминание Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Настроить</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Часы Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Не закрывать Kelvon</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Выйти без сохранения</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
При выходе сейчас несохранённое будет потеряно.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Установить будильник</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>выход без сохранения: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;Сейчас</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Принять</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Выбор времени</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Время суток</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>нет области уведомлений; вместо неё показано окно часов, и его закрытие завершает Kelvon</translation>
    </message>
</context>
</TS>
