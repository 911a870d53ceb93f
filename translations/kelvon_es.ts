<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Pruebe «kelvon --help» para más información.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: recordatorios y un despertador en el área de notificación.

Kelvon guarda sus 32 recordatorios y el sonido de alerta elegido en Kelvo.dat, en la
carpeta donde se inicia, y muestra cada recordatorio a su hora en una ventana de reloj
que queda por encima de las demás. kelvon-launch lo inicia en la carpeta de datos,
${XDG_DATA_HOME:-~/.local/share}/kelvon; un segundo inicio en la misma carpeta muestra
el reloj de la copia que ya está en marcha.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>no hay sesión de escritorio donde mostrar sus ventanas (DISPLAY y WAYLAND_DISPLAY no están definidas); inícielo en una o indique la plataforma de Qt en QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>No es un archivo normal</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>No se encontró el archivo de ayuda %1; esta es la copia incluida en Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>El archivo de ayuda %1 no es un archivo de 1 MiB como máximo; esta es la copia incluida en Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Ayuda de Kelvon</translation>
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
        <translation>PROBLEMA CON EL ARCHIVO GUARDADO.<byte value="xd"/>
BUSQUE Y BORRE   Kelvo.dat<byte value="xd"/>
SE CREARÁ UNO NUEVO.<byte value="xd"/>
SU CONTENIDO SE CONSERVÓ EN   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEMA CON EL ARCHIVO GUARDADO.<byte value="xd"/>
BUSQUE Y BORRE   Kelvo.dat<byte value="xd"/>
SE CREARÁ UNO NUEVO.<byte value="xd"/>
NO SE PUDO CONSERVAR SU CONTENIDO EN   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>los sonidos quedan en silencio, no se encontró el módulo de sonido (%1)</translation>
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
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>otro programa estaba escribiendo</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>no disponible aquí</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versión %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Recordatorios y un despertador en su área de notificación.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 recordatorios, guardados en Kelvo.dat en la carpeta de trabajo.</translation>
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
        <translation>Selector de fecha</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>La HORA introducida no es válida.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>La FECHA introducida no es válida.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>No se pudieron guardar los recordatorios en<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
La ventana los conserva: su Aceptar los guardará cuando se resuelva la causa.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Recordatorios de Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Supr</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Mensajes de recordatorio</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diar.</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Sem.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mens.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>BORRAR ESTA FILA</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>Alerta1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>Alerta2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>Alerta3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Fila %1, fecha</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Fila %1, mensaje</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Fila %1, hora</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Fila %1, cada día</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Fila %1, cada semana</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Fila %1, cada mes</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Borrar la fila %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Reproducir el sonido «%1»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Filas de recordatorios</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Mientras la ventana estaba abierta, otro programa cambió recordatorios que usted también cambió. Los suyos están guardados; no quedaba ninguna fila libre para estos, que no se conservaron:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Para el %1 a las %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Para el %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Para las %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Recordatorio de Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Programar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Reloj de Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Mantener Kelvon en marcha</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Salir sin guardar</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Si sale ahora, se perderá lo que no se guardó.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Programar alarma</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>se sale sin guardar: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;AHORA</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Ace&amp;ptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Selector de hora</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora del día</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>no hay área de notificación; se muestra la ventana del reloj, y cerrarla termina Kelvon</translation>
    </message>
</context>
</TS>
