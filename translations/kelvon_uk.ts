<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
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
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>&quot;RTL&quot; for a language written right to left, &quot;LTR&quot; otherwise.</extracomment>
        <translation>LTR</translation>
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
</context>
</TS>
