<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>„kelvon --help“ zeigt mehr Informationen.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: Erinnerungen und ein Wecker im Infobereich.

Kelvon speichert seine 32 Erinnerungen und den gewählten Alarmklang in Kelvo.dat im
Ordner, in dem es gestartet wird, und zeigt jede Erinnerung zu ihrer Zeit in einem
Uhrfenster, das über allen anderen bleibt. kelvon-launch startet es im Datenordner
${XDG_DATA_HOME:-~/.local/share}/kelvon; ein zweiter Start im selben Ordner zeigt das
Uhrfenster des laufenden Kelvon.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>keine Desktop-Sitzung für seine Fenster (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); starten Sie es in einer oder nennen Sie Qts Plattform in QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden; dies ist die in Kelvon eingebaute Fassung.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Die Hilfedatei %1 ist keine Datei von höchstens 1 MiB; dies ist die in Kelvon eingebaute Fassung.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Kelvon-Hilfe</translation>
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
        <translation>PROBLEM MIT DER GESPEICHERTEN DATEI.<byte value="xd"/>
SUCHEN UND LÖSCHEN SIE   Kelvo.dat<byte value="xd"/>
EINE NEUE WIRD ANGELEGT.<byte value="xd"/>
IHR INHALT WURDE GESICHERT IN   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEM MIT DER GESPEICHERTEN DATEI.<byte value="xd"/>
SUCHEN UND LÖSCHEN SIE   Kelvo.dat<byte value="xd"/>
EINE NEUE WIRD ANGELEGT.<byte value="xd"/>
IHR INHALT KONNTE NICHT GESICHERT WERDEN IN   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>Klänge bleiben stumm, das Klangmodul wurde nicht gefunden (%1)</translation>
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
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>ein anderes Programm schrieb gerade</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Erinnerungen und ein Wecker in Ihrem Infobereich.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 Erinnerungen, gespeichert in Kelvo.dat im Arbeitsordner.</translation>
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
        <translation>Datumsauswahl</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>Die eingegebene UHRZEIT ist ungültig.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>Das eingegebene DATUM ist ungültig.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Die Erinnerungen konnten nicht gespeichert werden in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
Das Fenster behält sie: Sein OK speichert sie, sobald die Ursache behoben ist.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Kelvon-Erinnerungen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Entf.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Erinnerungstexte</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Tägl.</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Wöch.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mtl.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>DIESE ZEILE LEEREN</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
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
        <translation>Zeile %1 Datum</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Zeile %1 Text</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Zeile %1 Uhrzeit</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Zeile %1 täglich</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Zeile %1 wöchentlich</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Zeile %1 monatlich</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Zeile %1 leeren</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Klang „%1“ abspielen</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Erinnerungszeilen</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Während das Fenster offen war, hat ein anderes Programm Erinnerungen geändert, die Sie auch geändert haben. Ihre sind gespeichert; für diese war keine Zeile frei, sie wurden nicht übernommen:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Fällig am %1 um %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Fällig am %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Fällig um %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Kelvon-Erinnerung</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Einstellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Kelvon-Uhr</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Kelvon weiterlaufen lassen</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Ohne Speichern beenden</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Wer jetzt beendet, verliert alles nicht Gespeicherte.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Wecker stellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>Ende ohne Speichern: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;JETZT</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Setzen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbruch</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Zeitauswahl</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Uhrzeit</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>kein Infobereich; stattdessen wird das Uhrfenster gezeigt, und sein Schließen beendet Kelvon</translation>
    </message>
</context>
</TS>
