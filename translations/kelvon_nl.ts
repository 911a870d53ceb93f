<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Probeer ‘kelvon --help’ voor meer informatie.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: herinneringen en een wekker in het systeemvak.

Kelvon bewaart zijn 32 herinneringen en het gekozen alarmgeluid in Kelvo.dat, in de map
waarin het wordt gestart, en toont elke herinnering op haar tijd in een klokvenster dat
boven andere vensters blijft. kelvon-launch start het in de gegevensmap,
${XDG_DATA_HOME:-~/.local/share}/kelvon; een tweede start in dezelfde map toont het
klokvenster van de kopie die al draait.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>geen bureaubladsessie om de vensters in te tonen (DISPLAY en WAYLAND_DISPLAY zijn niet ingesteld); start het in een sessie, of noem het Qt-platform in QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Geen gewoon bestand</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Toegang geweigerd</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Het helpbestand %1 is niet gevonden; dit is de in Kelvon ingebouwde kopie.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Het helpbestand %1 is geen bestand van hoogstens 1 MiB; dit is de in Kelvon ingebouwde kopie.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Kelvon-help</translation>
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
        <translation>PROBLEEM MET HET OPGESLAGEN BESTAND.<byte value="xd"/>
ZOEK EN VERWIJDER   Kelvo.dat<byte value="xd"/>
ER WORDT EEN NIEUW AANGEMAAKT.<byte value="xd"/>
DE INHOUD IS BEWAARD IN   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEEM MET HET OPGESLAGEN BESTAND.<byte value="xd"/>
ZOEK EN VERWIJDER   Kelvo.dat<byte value="xd"/>
ER WORDT EEN NIEUW AANGEMAAKT.<byte value="xd"/>
DE INHOUD KON NIET WORDEN BEWAARD IN   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>geluiden blijven stil, de geluidsmodule is niet gevonden (%1)</translation>
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
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>een ander programma was aan het schrijven</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>hier niet ondersteund</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Herinneringen en een wekker in uw systeemvak.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 herinneringen, bewaard in Kelvo.dat in de werkmap.</translation>
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
        <translation>Datumkiezer</translation>
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
        <translation>De ingevoerde TIJD is niet geldig.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>De ingevoerde DATUM is niet geldig.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>De herinneringen konden niet worden opgeslagen in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
Het venster bewaart ze: OK slaat ze op zodra de oorzaak is verholpen.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Kelvon-herinneringen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Herinneringsberichten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mnd</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>DEZE REGEL WISSEN</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Bericht</translation>
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
        <translation>Regel %1, datum</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Regel %1, bericht</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Regel %1, tijd</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Regel %1, dagelijks</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Regel %1, wekelijks</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Regel %1, maandelijks</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Regel %1 wissen</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Geluid ‘%1’ afspelen</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Herinneringsregels</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Terwijl het venster openstond, heeft een ander programma herinneringen gewijzigd die u ook hebt gewijzigd. De uwe zijn opgeslagen; voor deze was geen regel vrij, ze zijn niet bewaard:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Gepland op %1 om %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Gepland op %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Gepland om %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Kelvon-herinnering</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Instellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Kelvon-klok</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Kelvon laten draaien</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Afsluiten zonder opslaan</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Nu afsluiten betekent dat wat niet is opgeslagen verloren gaat.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Wekker instellen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>afsluiten zonder opslaan: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;NU</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Kiezen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Afbreken</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Tijdkiezer</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Tijdstip</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>geen systeemvak; in plaats daarvan wordt het klokvenster getoond, en het sluiten ervan beëindigt Kelvon</translation>
    </message>
</context>
</TS>
