<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kelvon --help&apos; for more information.</source>
        <translation>Tente “kelvon --help” para mais informações.</translation>
    </message>
    <message>
        <source>Kelvon: reminders and an alarm clock in the notification area.

Kelvon keeps its 32 reminders and the chosen alert sound in Kelvo.dat, in the folder it
is started in, and shows each reminder at its time in a clock window that stays on
top. kelvon-launch starts it in the data folder, ${XDG_DATA_HOME:-~/.local/share}/kelvon;
a second start in the same folder shows the running copy&apos;s clock window.</source>
        <translation>Kelvon: lembretes e um despertador na área de notificação.

O Kelvon guarda seus 32 lembretes e o som de alerta escolhido em Kelvo.dat, na pasta
em que é iniciado, e mostra cada lembrete na hora certa numa janela de relógio que
fica por cima das outras. O kelvon-launch o inicia na pasta de dados,
${XDG_DATA_HOME:-~/.local/share}/kelvon; uma segunda execução na mesma pasta mostra o
relógio da cópia que já está rodando.</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
    <message>
        <source>no desktop session to show its windows in (DISPLAY and WAYLAND_DISPLAY are unset); start it in one, or name Qt&apos;s platform in QT_QPA_PLATFORM</source>
        <translation>nenhuma sessão de desktop para mostrar suas janelas (DISPLAY e WAYLAND_DISPLAY não estão definidas); inicie-o em uma, ou informe a plataforma do Qt em QT_QPA_PLATFORM</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Is a directory</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Não é um arquivo comum</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>The help file %1 was not found; this is the copy built into Kelvon.</source>
        <translation>O arquivo de ajuda %1 não foi encontrado; esta é a cópia embutida no Kelvon.</translation>
    </message>
    <message>
        <source>The help file %1 is not a file of at most 1 MiB; this is the copy built into Kelvon.</source>
        <translation>O arquivo de ajuda %1 não é um arquivo de no máximo 1 MiB; esta é a cópia embutida no Kelvon.</translation>
    </message>
    <message>
        <source>Kelvon Help</source>
        <translation>Ajuda do Kelvon</translation>
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
        <translation>PROBLEMA COM O ARQUIVO SALVO.<byte value="xd"/>
ENCONTRE E EXCLUA   Kelvo.dat<byte value="xd"/>
UM NOVO SERÁ CRIADO.<byte value="xd"/>
SEU CONTEÚDO FOI GUARDADO EM   %1</translation>
    </message>
    <message>
        <source>PROBLEM WITH SAVED FILE.<byte value="xd"/>
FIND AND DELETE   Kelvo.dat<byte value="xd"/>
A NEW ONE WILL BE CREATED.<byte value="xd"/>
ITS CONTENTS COULD NOT BE KEPT IN   %1</source>
        <translation>PROBLEMA COM O ARQUIVO SALVO.<byte value="xd"/>
ENCONTRE E EXCLUA   Kelvo.dat<byte value="xd"/>
UM NOVO SERÁ CRIADO.<byte value="xd"/>
NÃO FOI POSSÍVEL GUARDAR SEU CONTEÚDO EM   %1</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>sounds stay silent, the sound module was not found (%1)</source>
        <translation>os sons ficam mudos, o módulo de som não foi encontrado (%1)</translation>
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
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>another writer kept it</source>
        <translation>outro programa estava gravando</translation>
    </message>
    <message>
        <source>not supported here</source>
        <translation>sem suporte aqui</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About %1</source>
        <translation>Sobre o %1</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Versão %1.%2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A reminder and alarm clock in your notification area.</source>
        <translation>Lembretes e um despertador na sua área de notificação.</translation>
    </message>
    <message>
        <source>32 reminders, kept in Kelvo.dat in the working folder.</source>
        <translation>32 lembretes, guardados em Kelvo.dat na pasta de trabalho.</translation>
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
        <translation>Seletor de data</translation>
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
        <translation>A HORA digitada não é válida.</translation>
    </message>
    <message>
        <source>The DATE you entered was not valid.</source>
        <translation>A DATA digitada não é válida.</translation>
    </message>
    <message>
        <source>The reminders could not be saved in<byte value="xd"/>
%1<byte value="xd"/>
(%2).</source>
        <translation>Não foi possível salvar os lembretes em<byte value="xd"/>
%1<byte value="xd"/>
(%2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The editor still holds them: its OK saves them once the cause is gone.</source>
        <translation><byte value="xd"/>
A janela continua com eles: o OK dela os salva assim que a causa for resolvida.</translation>
    </message>
    <message>
        <source>Kelvon Reminders</source>
        <translation>Lembretes do Kelvon</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Apag.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Reminder Messages</source>
        <translation>Mensagens dos lembretes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diár.</translation>
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
        <translation>LIMPAR ESTA LINHA</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
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
        <translation>OK</translation>
    </message>
    <message>
        <source>Row %1 date</source>
        <translation>Linha %1, data</translation>
    </message>
    <message>
        <source>Row %1 message</source>
        <translation>Linha %1, mensagem</translation>
    </message>
    <message>
        <source>Row %1 time</source>
        <translation>Linha %1, hora</translation>
    </message>
    <message>
        <source>Row %1 daily</source>
        <translation>Linha %1, todo dia</translation>
    </message>
    <message>
        <source>Row %1 weekly</source>
        <translation>Linha %1, toda semana</translation>
    </message>
    <message>
        <source>Row %1 monthly</source>
        <translation>Linha %1, todo mês</translation>
    </message>
    <message>
        <source>Clear row %1</source>
        <translation>Limpar a linha %1</translation>
    </message>
    <message>
        <source>Play the %1 sound</source>
        <extracomment>%1 is the sound&apos;s name as its option shows it: Message, Alert1, ...</extracomment>
        <translation>Tocar o som “%1”</translation>
    </message>
    <message>
        <source>Reminder rows</source>
        <translation>Linhas dos lembretes</translation>
    </message>
    <message>
        <source>While the editor was open another program changed reminders that you changed too. Yours are saved; no row was free for these, which were not kept:<byte value="xd"/>
</source>
        <translation>Enquanto a janela estava aberta, outro programa alterou lembretes que você também alterou. Os seus foram salvos; não havia linha livre para estes, que não foram mantidos:<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>frmPass</name>
    <message>
        <source>Due %1 at %2</source>
        <translation>Para %1 às %2</translation>
    </message>
    <message>
        <source>Due %1</source>
        <translation>Para %1</translation>
    </message>
    <message>
        <source>Due at %1</source>
        <translation>Para as %1</translation>
    </message>
    <message>
        <source>Kelvon reminder</source>
        <translation>Lembrete do Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set</source>
        <translation>&amp;Definir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Kelvon clock</source>
        <translation>Relógio do Kelvon</translation>
    </message>
</context>
<context>
    <name>frmPopTray</name>
    <message>
        <source>Keep Kelvon running</source>
        <translation>Manter o Kelvon em execução</translation>
    </message>
    <message>
        <source>End without saving</source>
        <translation>Sair sem salvar</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Ending now loses what was not saved.</source>
        <translation><byte value="xd"/>
Sair agora perde o que não foi salvo.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Kelvon</source>
        <translation>&amp;Kelvon</translation>
    </message>
    <message>
        <source>&amp;Set Alarm</source>
        <translation>&amp;Definir alarme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>ending without saving: %1</source>
        <translation>saindo sem salvar: %1</translation>
    </message>
</context>
<context>
    <name>frmTime</name>
    <message>
        <source>&amp;NOW</source>
        <translation>&amp;AGORA</translation>
    </message>
    <message>
        <source>&amp;Accept</source>
        <translation>Acei&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Time picker</source>
        <translation>Seletor de hora</translation>
    </message>
    <message>
        <source>Time of day</source>
        <translation>Hora do dia</translation>
    </message>
</context>
<context>
    <name>frmTray</name>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message>
        <source>no notification area; showing the clock window instead, and closing it ends Kelvon</source>
        <translation>sem área de notificação; a janela do relógio é mostrada no lugar, e fechá-la encerra o Kelvon</translation>
    </message>
</context>
</TS>
