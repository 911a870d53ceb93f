<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Więcej informacji: „kelvon --help”.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: przypomnienia i budzik w obszarze powiadomień.

Kelvon przechowuje 32 przypomnienia i wybrany dźwięk alarmu w pliku Kelvo.dat w folderze,
w którym został uruchomiony, i pokazuje każde przypomnienie o czasie w oknie zegara,
które pozostaje na wierzchu. kelvon-launch uruchamia go w folderze danych
${XDG_DATA_HOME:-~/.local/share}/kelvon; drugie uruchomienie w tym samym folderze pokazuje
okno zegara działającej kopii.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>brak sesji pulpitu, w której można pokazać okna (DISPLAY i WAYLAND_DISPLAY nie są ustawione); uruchom go w sesji albo podaj platformę Qt w QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>To jest folder</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Brak uprawnień</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Nie znaleziono pliku pomocy %1; to jest kopia wbudowana w Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Plik pomocy %1 nie jest plikiem o rozmiarze najwyżej 1 MiB; to jest kopia wbudowana w Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Pomoc programu Kelvon</translation>
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
        <translation>PROBLEM Z ZAPISANYM PLIKIEM.<byte value="xd"/>
ZNAJDŹ I USUŃ   Kelvo.dat<byte value="xd"/>
ZOSTANIE UTWORZONY NOWY.<byte value="xd"/>
JEGO ZAWARTOŚĆ ZACHOWANO W   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEM Z ZAPISANYM PLIKIEM.<byte value="xd"/>
ZNAJDŹ I USUŃ   Kelvo.dat<byte value="xd"/>
ZOSTANIE UTWORZONY NOWY.<byte value="xd"/>
NIE UDAŁO SIĘ ZACHOWAĆ JEGO ZAWARTOŚCI W   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>dźwięki pozostają wyciszone, nie znaleziono modułu dźwięku (%1)</translation>
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
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>inny program właśnie zapisywał</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>tutaj nieobsługiwane</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Przypomnienia i budzik w obszarze powiadomień.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 przypomnienia, zapisane w Kelvo.dat w folderze roboczym.</translation>
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
        <translation>Wybór daty</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>Wprowadzona GODZINA jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>Wprowadzona DATA jest nieprawidłowa.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Nie udało się zapisać przypomnień w<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
Okno nadal je przechowuje: jego OK zapisze je, gdy przyczyna zniknie.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Przypomnienia Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Treść przypomnień</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godz.</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Tydz.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mies.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>WYCZYŚĆ TEN WIERSZ</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>Alarm1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>Alarm2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>Alarm3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Wiersz %1, data</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Wiersz %1, treść</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Wiersz %1, godzina</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Wiersz %1, codziennie</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Wiersz %1, co tydzień</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Wiersz %1, co miesiąc</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Wyczyść wiersz %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Odtwórz dźwięk „%1”</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Wiersze przypomnień</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Gdy okno było otwarte, inny program zmienił przypomnienia, które Ty też zmieniłeś. Twoje zostały zapisane; dla tych nie było wolnego wiersza i nie zostały zachowane:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Termin: %1, godz. %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Termin: %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Termin: godz. %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Przypomnienie Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Ustaw</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Zegar Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Nie zamykaj programu Kelvon</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Zakończ bez zapisywania</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Zakończenie teraz oznacza utratę tego, czego nie zapisano.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Ustaw alarm</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>zakończenie bez zapisywania: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;TERAZ</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Akceptuj</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nuluj</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Wybór godziny</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Pora dnia</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>brak obszaru powiadomień; zamiast tego pokazano okno zegara, a jego zamknięcie kończy Kelvon</translation>
    </message>
</context>
</TS>
