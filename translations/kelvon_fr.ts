<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Essayez « kelvon --help » pour plus d’informations.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon : des rappels et un réveil dans la zone de notification.

Kelvon garde ses 32 rappels et le son d’alerte choisi dans Kelvo.dat, dans le dossier
où il est lancé, et affiche chaque rappel à son heure dans une horloge qui reste au
premier plan. kelvon-launch le lance dans le dossier de données,
${XDG_DATA_HOME:-~/.local/share}/kelvon ; un second lancement dans le même dossier
affiche l’horloge de la copie déjà en cours.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>aucune session de bureau où afficher ses fenêtres (DISPLAY et WAYLAND_DISPLAY ne sont pas définies) ; lancez-le dans une session, ou nommez la plateforme de Qt dans QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>C’est un dossier</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission refusée</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>Le fichier d’aide %1 est introuvable ; voici la copie intégrée à Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>Le fichier d’aide %1 n’est pas un fichier d’au plus 1 Mio ; voici la copie intégrée à Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Aide de Kelvon</translation>
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
        <translation>PROBLÈME AVEC LE FICHIER ENREGISTRÉ.<byte value="xd"/>
TROUVEZ ET SUPPRIMEZ   Kelvo.dat<byte value="xd"/>
UN NOUVEAU SERA CRÉÉ.<byte value="xd"/>
SON CONTENU A ÉTÉ CONSERVÉ DANS   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLÈME AVEC LE FICHIER ENREGISTRÉ.<byte value="xd"/>
TROUVEZ ET SUPPRIMEZ   Kelvo.dat<byte value="xd"/>
UN NOUVEAU SERA CRÉÉ.<byte value="xd"/>
SON CONTENU N’A PAS PU ÊTRE CONSERVÉ DANS   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>les sons restent muets, le module de son est introuvable (%1)</translation>
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
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>un autre programme était en train d’écrire</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>non pris en charge ici</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
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
        <translation>Des rappels et un réveil dans votre zone de notification.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 rappels, conservés dans Kelvo.dat dans le dossier de travail.</translation>
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
        <translation>Sélecteur de date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>frmNotify</name>
    <message>
        <source>The TIME you entered was not valid.</source>
        <translation>L’HEURE saisie n’est pas valide.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>La DATE saisie n’est pas valide.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Les rappels n’ont pas pu être enregistrés dans<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
La fenêtre les garde&#xa0;: son OK les enregistre dès que la cause a disparu.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Rappels Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Eff.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Messages de rappel</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quot.</translation>
    </message>
    <message>
        <source>Wkly</source>
        <translation>Hebd.</translation>
    </message>
    <message>
        <source>Mnly</source>
        <translation>Mens.</translation>
    </message>
    <message>
        <source>CLEAR THIS ROW</source>
        <translation>EFFACER CETTE LIGNE</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Alert1</source>
        <translation>Alerte1</translation>
    </message>
    <message>
        <source>Alert2</source>
        <translation>Alerte2</translation>
    </message>
    <message>
        <source>Alert3</source>
        <translation>Alerte3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Ligne %1, date</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Ligne %1, message</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Ligne %1, heure</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Ligne %1, chaque jour</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Ligne %1, chaque semaine</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Ligne %1, chaque mois</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Effacer la ligne %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Écouter le son «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Lignes des rappels</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Pendant que la fenêtre était ouverte, un autre programme a modifié des rappels que vous avez modifiés aussi. Les vôtres sont enregistrés&#xa0;; aucune ligne n’était libre pour ceux-ci, qui n’ont pas été gardés&#xa0;:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Prévu le %1 à %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Prévu le %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Prévu à %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Rappel Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Régler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Horloge Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Laisser Kelvon ouvert</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Quitter sans enregistrer</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Quitter maintenant perd ce qui n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Régler une alarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>fin sans enregistrer : %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;MAINT.</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Sélecteur d’heure</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Heure</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Régler</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>pas de zone de notification ; l’horloge est affichée à la place, et la fermer quitte Kelvon</translation>
    </message>
</context>
</TS>
