<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Докладніше: «kelvon --help».</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: нагадування і будильник в області сповіщень.

Kelvon зберігає свої 32 нагадування і вибраний звук сигналу в Kelvo.dat у теці, де його
запущено, і показує кожне нагадування вчасно у вікні годинника поверх інших вікон.
kelvon-launch запускає його в теці даних ${XDG_DATA_HOME:-~/.local/share}/kelvon;
повторний запуск у тій самій теці показує вікно годинника вже запущеної копії.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неочікуваний аргумент «%1»</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>немає сеансу стільниці для показу вікон (DISPLAY і WAYLAND_DISPLAY не задано); запустіть його в сеансі або вкажіть платформу Qt у QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>Це тека</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Це не звичайний файл</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ заборонено</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Файл довідки %1 не знайдено; показано вбудовану в Kelvon копію.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Файл довідки %1 не є файлом розміром не більше 1 МіБ; показано вбудовану в Kelvon копію.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Довідка Kelvon</translation>
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
        <translation>ПОМИЛКА У ЗБЕРЕЖЕНОМУ ФАЙЛІ.<byte value="xd"/>
ЗНАЙДІТЬ І ВИДАЛІТЬ   Kelvo.dat<byte value="xd"/>
БУДЕ СТВОРЕНО НОВИЙ.<byte value="xd"/>
ЙОГО ВМІСТ ЗБЕРЕЖЕНО В   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>ПОМИЛКА У ЗБЕРЕЖЕНОМУ ФАЙЛІ.<byte value="xd"/>
ЗНАЙДІТЬ І ВИДАЛІТЬ   Kelvo.dat<byte value="xd"/>
БУДЕ СТВОРЕНО НОВИЙ.<byte value="xd"/>
ЙОГО ВМІСТ НЕ ВДАЛОСЯ ЗБЕРЕГТИ В   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>звуки вимкнено, модуль звуку не знайдено (%1)</translation>
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
        <translation>%1 не є звичайним файлом</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>інша програма саме записувала</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>тут не підтримується</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Про %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версія %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Нагадування і будильник в області сповіщень.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 нагадування зберігаються в Kelvo.dat у робочій теці.</translation>
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
        <translation>Вибір дати</translation>
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
        <translation>Введений ЧАС недійсний.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>Введена ДАТА недійсна.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Не вдалося зберегти нагадування в<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
Вікно зберігає їх: кнопка OK збереже їх, щойно причину буде усунено.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Нагадування Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Стер.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Тексти нагадувань</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>День</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Тижд.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Міс.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>ОЧИСТИТИ РЯДОК</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Повід.</translation>
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
        <translation>Рядок %1: дата</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Рядок %1: текст</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Рядок %1: час</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Рядок %1: щодня</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Рядок %1: щотижня</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Рядок %1: щомісяця</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Очистити рядок %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Відтворити звук «%1»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Рядки нагадувань</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Поки вікно було відкрите, інша програма змінила нагадування, які змінили й ви. Ваші збережено; для цих не знайшлося вільного рядка, і їх не збережено:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Термін: %1 о %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Термін: %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Термін: о %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Нагадування Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Налаштувати</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Годинник Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Не закривати Kelvon</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Вийти без збереження</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Якщо вийти зараз, незбережене буде втрачено.</translation>
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
        <translation>&amp;Встановити будильник</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>В&amp;ихід</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>вихід без збереження: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;ЗАРАЗ</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Гаразд</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Відміна</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Вибір часу</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Час доби</translation>
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
        <translation>Налаштувати</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>немає області сповіщень; натомість показано вікно годинника, і його закриття завершує Kelvon</translation>
    </message>
</context>
</TS>
