<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Usare «kelvon --help» per maggiori informazioni.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: promemoria e sveglia nell’area di notifica.

Kelvon conserva i suoi 32 promemoria e il suono d’avviso scelto in Kelvo.dat, nella
cartella in cui viene avviato, e mostra ogni promemoria alla sua ora in una finestra
orologio che resta in primo piano. kelvon-launch lo avvia nella cartella dei dati,
${XDG_DATA_HOME:-~/.local/share}/kelvon; un secondo avvio nella stessa cartella mostra
l’orologio della copia già in esecuzione.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>nessuna sessione desktop in cui mostrare le finestre (DISPLAY e WAYLAND_DISPLAY non sono impostate); avviarlo in una sessione o indicare la piattaforma di Qt in QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Non è un file regolare</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permesso negato</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Il file della guida %1 non è stato trovato; questa è la copia inclusa in Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Il file della guida %1 non è un file di al massimo 1 MiB; questa è la copia inclusa in Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Guida di Kelvon</translation>
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
        <translation>PROBLEMA CON IL FILE SALVATO.<byte value="xd"/>
TROVARE ED ELIMINARE   Kelvo.dat<byte value="xd"/>
NE VERRÀ CREATO UNO NUOVO.<byte value="xd"/>
IL SUO CONTENUTO È STATO CONSERVATO IN   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEMA CON IL FILE SALVATO.<byte value="xd"/>
TROVARE ED ELIMINARE   Kelvo.dat<byte value="xd"/>
NE VERRÀ CREATO UNO NUOVO.<byte value="xd"/>
IMPOSSIBILE CONSERVARE IL SUO CONTENUTO IN   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>i suoni restano muti, il modulo audio non è stato trovato (%1)</translation>
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
        <translation>%1 non è un file regolare</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>un altro programma stava scrivendo</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non supportato qui</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Promemoria e sveglia nell’area di notifica.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 promemoria, salvati in Kelvo.dat nella cartella di lavoro.</translation>
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
        <translation>Selettore della data</translation>
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
        <translation>L’ORA inserita non è valida.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>La DATA inserita non è valida.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Impossibile salvare i promemoria in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
La finestra li conserva: il suo OK li salva appena la causa è risolta.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Promemoria di Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Canc</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Messaggi dei promemoria</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Gior.</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Sett.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mens.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>CANCELLA QUESTA RIGA</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>Avviso1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>Avviso2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>Avviso3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Riga %1, data</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Riga %1, messaggio</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Riga %1, ora</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Riga %1, ogni giorno</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Riga %1, ogni settimana</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Riga %1, ogni mese</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Cancella la riga %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Riproduci il suono «%1»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Righe dei promemoria</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Mentre la finestra era aperta, un altro programma ha modificato promemoria che anche lei ha modificato. I suoi sono salvati; non c’era una riga libera per questi, che non sono stati conservati:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Scade il %1 alle %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Scade il %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Scade alle %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Promemoria di Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Imposta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Orologio di Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Lascia Kelvon in esecuzione</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Esci senza salvare</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Uscendo ora si perde ciò che non è stato salvato.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Imposta sveglia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>I&amp;nformazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>uscita senza salvare: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;ORA</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Accetta</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnulla</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Selettore dell’ora</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Ora del giorno</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>nessuna area di notifica; viene mostrato l’orologio, e chiuderlo termina Kelvon</translation>
    </message>
</context>
</TS>
