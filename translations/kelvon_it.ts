<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
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
</context>
</TS>
