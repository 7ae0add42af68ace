<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>fk::AboutPanel</name>
    <message>
        <source>Fettlekit</source>
        <translation>Fettlekit</translation>
    </message>
    <message>
        <source>Made by the Fettlekit developers, with thanks to every Brisko! user.</source>
        <translation>Von den Entwicklern von Fettlekit, mit Dank an alle, die Brisko! nutzen.</translation>
    </message>
</context>
<context>
    <name>fk::AccessibleText</name>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>türkis</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>dunkelgrau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>dunkel%1</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>hell%1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %2, %n point(s), weight %3</source>
        <translation>
            <numerusform>%1 in %2, %n Punkt, Stärke %3</numerusform>
            <numerusform>%1 in %2, %n Punkt, Stärke %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, italic</source>
        <translation>%1, kursiv</translation>
    </message>
</context>
<context>
    <name>fk::AccountPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source> --&gt; Default user &lt;--</source>
        <translation> --&gt; Standardbenutzer &lt;--</translation>
    </message>
</context>
<context>
    <name>fk::BooleanPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>fk::Catalogue</name>
    <message>
        <source>This is an undocumented hidden feature. It may not work.</source>
        <translation>Dies ist eine undokumentierte, versteckte Funktion. Sie funktioniert womöglich nicht.</translation>
    </message>
    <message>
        <source>If true, when using the Truncate Contact Name for chat logs, a dot (&quot;.&quot;) is appended to names that are shorten.</source>
        <translation>Wenn wahr, wird beim Kürzen von Kontaktnamen für Chatprotokolle ein Punkt („.“) an gekürzte Namen angehängt.</translation>
    </message>
    <message>
        <source>If true, a notification is displayed each time POP3 accounts are checked, even if the count of unread emails didn&apos;t change.</source>
        <translation>Wenn wahr, erscheint bei jeder Prüfung der POP3-Konten eine Benachrichtigung, auch wenn sich die Zahl ungelesener E-Mails nicht geändert hat.</translation>
    </message>
    <message>
        <source>This parameter is used by the Archive &quot;Create a different directory for each file&quot; option. By default, files are broken by month and year. Well, this can be customized the way you wish by using this parameter.</source>
        <translation>Dieser Parameter wird von der Archiv-Option „Für jede Datei ein eigenes Verzeichnis anlegen“ verwendet. Standardmäßig werden die Dateien nach Monat und Jahr aufgeteilt. Mit diesem Parameter lässt sich das nach Wunsch anpassen.</translation>
    </message>
    <message>
        <source>If false, the Word Duel feature is disabled. You can still use the command but you won&apos;t get the screen asking you for an answer.</source>
        <translation>Wenn falsch, ist die Funktion Wortduell abgeschaltet. Der Befehl lässt sich weiter verwenden, aber das Fenster, das nach einer Antwort fragt, erscheint nicht.</translation>
    </message>
    <message>
        <source>If false, the &quot;change status after x minutes&quot; feature changes the status only when the user is currently Online or Idle.</source>
        <translation>Wenn falsch, ändert die Funktion „Status nach x Minuten ändern“ den Status nur, wenn der Benutzer gerade Online oder Untätig ist.</translation>
    </message>
    <message>
        <source>If true, Brisko! will look for an update from time to time; usually once a week.</source>
        <translation>Wenn wahr, sucht Brisko! von Zeit zu Zeit nach einer neuen Version, meist einmal pro Woche.</translation>
    </message>
    <message>
        <source>If true, you will be noticed (and asked if you want to continue) the next time (only once) you use the shortcut assigned to enter in Boss Protection mode.</source>
        <translation>Wenn wahr, werden Sie beim nächsten Mal (nur einmal), wenn Sie das Tastenkürzel für den Chefschutz-Modus verwenden, darauf hingewiesen (und gefragt, ob Sie fortfahren möchten).</translation>
    </message>
    <message>
        <source>If ChangeSecurityWarning is set to true, the security warning displayed at the beginning of chats is modified to match the text specified in SecurityWarningTxt.</source>
        <translation>Ist ChangeSecurityWarning wahr, wird der Sicherheitshinweis zu Beginn von Unterhaltungen durch den in SecurityWarningTxt angegebenen Text ersetzt.</translation>
    </message>
    <message>
        <source>Format of the time stamp written at the beginning of each line in chat logs.</source>
        <translation>Format des Zeitstempels am Anfang jeder Zeile in Chatprotokollen.</translation>
    </message>
    <message>
        <source>If true, the string generated by the multi-format color panel is in HTML hex format. If false, the string generated is in decimal format (takes more space).</source>
        <translation>Wenn wahr, erzeugt die Mehrformat-Farbtafel die Zeichenfolge im hexadezimalen HTML-Format. Wenn falsch, im Dezimalformat (braucht mehr Platz).</translation>
    </message>
    <message>
        <source>If false, no message box is displayed when a bad command is entered and the command is sent as text.</source>
        <translation>Wenn falsch, erscheint bei einem fehlerhaften Befehl kein Meldungsfenster, und der Befehl wird als Text gesendet.</translation>
    </message>
    <message>
        <source>When you associate a sound to contact sign-in or sign-out, it is played 12 seconds by default. You can use this parameter to decrease or increase this time between 1 and 100 seconds.</source>
        <translation>Ein Klang, der der An- oder Abmeldung eines Kontakts zugeordnet ist, wird standardmäßig 12 Sekunden lang gespielt. Mit diesem Parameter lässt sich diese Dauer zwischen 1 und 100 Sekunden verkürzen oder verlängern.</translation>
    </message>
    <message>
        <source>If true, the status of the contact is always displayed in floating windows, even if the contact is blocked.</source>
        <translation>Wenn wahr, wird der Status des Kontakts in schwebenden Fenstern immer angezeigt, auch wenn der Kontakt blockiert ist.</translation>
    </message>
    <message>
        <source>This is to override the font normally used in the contact list window. This can be useful for accessibility reasons or in conjunction with special Messenger skins. The same font face and color is applied for every element in the contact list.</source>
        <translation>Damit wird die Schrift ersetzt, die das Kontaktlistenfenster sonst verwendet. Das kann für die Barrierefreiheit oder zusammen mit besonderen Messenger-Skins nützlich sein. Dieselbe Schriftart und -farbe gilt für jedes Element der Kontaktliste.</translation>
    </message>
    <message>
        <source>Brisko! will show the preferences of this account when Messenger isn&apos;t signed in and you display the preferences of Brisko!. You can use this to edit the common settings of the default account.</source>
        <translation>Brisko! zeigt die Einstellungen dieses Kontos, wenn Messenger nicht angemeldet ist und Sie die Einstellungen von Brisko! öffnen. So lassen sich die gemeinsamen Einstellungen des Standardkontos bearbeiten.</translation>
    </message>
    <message>
        <source>Use this parameter to specify a sound file to be played when a contact signs-in. The sound is only played when no other specific sound is associated to a contact. This parameter can be used to disable the default sound in Messenger (you have to do that yourself in Messenger options) so that two sounds are not played together when a contact signs-in.</source>
        <translation>Mit diesem Parameter geben Sie eine Klangdatei an, die gespielt wird, wenn sich ein Kontakt anmeldet. Der Klang wird nur gespielt, wenn dem Kontakt kein eigener Klang zugeordnet ist. So lässt sich der Standardklang von Messenger abschalten (das müssen Sie selbst in den Messenger-Optionen tun), damit bei der Anmeldung eines Kontakts nicht zwei Klänge zugleich ertönen.</translation>
    </message>
    <message>
        <source>Select sound file</source>
        <translation>Klangdatei wählen</translation>
    </message>
    <message>
        <source>WAVs (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3)</source>
        <translation>MP3-Dateien (*.mp3)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>If true, the contact list window keeps its current width when it&apos;s docked to the border of your screen.</source>
        <translation>Wenn wahr, behält das Kontaktlistenfenster seine Breite, wenn es am Bildschirmrand angedockt wird.</translation>
    </message>
    <message>
        <source>If true, and if you haven&apos;t set one previously, you will be asked for a password next time (one once) you lock Messenger.</source>
        <translation>Wenn wahr und Sie noch keines festgelegt haben, werden Sie beim nächsten Sperren von Messenger (nur einmal) nach einem Passwort gefragt.</translation>
    </message>
    <message>
        <source>Delay, in milliseconds, because the Enhanced Brisko! icon is displayed in the contact list window, while you&apos;re moving your mouse cursor over it. Note that the delay will always be longer the first time the icon is displayed.</source>
        <translation>Verzögerung in Millisekunden, bevor das Symbol von Enhanced Brisko! im Kontaktlistenfenster erscheint, während Sie den Mauszeiger darüber bewegen. Beim ersten Anzeigen des Symbols ist die Verzögerung immer länger.</translation>
    </message>
    <message>
        <source>When you close a chat window and reopen it before the delay specified in this parameter (in seconds), no new session header is created in the log file.</source>
        <translation>Wenn Sie ein Chatfenster schließen und vor Ablauf der hier angegebenen Zeit (in Sekunden) wieder öffnen, wird in der Protokolldatei kein neuer Sitzungskopf angelegt.</translation>
    </message>
    <message>
        <source>If false, Brisko! doesn&apos;t add entries to the various Messenger popup menus. Warning: disabling this feature will prevent you to access some other features of Brisko!.</source>
        <translation>Wenn falsch, fügt Brisko! den Kontextmenüs von Messenger keine Einträge hinzu. Achtung: Ohne diese Funktion sind einige andere Funktionen von Brisko! nicht erreichbar.</translation>
    </message>
    <message>
        <source>Format of the timestamp written in the chat log headers (Session Start line).</source>
        <translation>Format des Zeitstempels in den Köpfen der Chatprotokolle (Zeile „Session Start“).</translation>
    </message>
    <message>
        <source>When true, system messages are written in the chat log file as they are displayed in the chat window (example: &quot;This file couldn&apos;t be sent...&quot;). If false, they are not written in the chat log files.</source>
        <translation>Wenn wahr, werden Systemmeldungen so in die Chatprotokolldatei geschrieben, wie sie im Chatfenster erscheinen (Beispiel: „Diese Datei konnte nicht gesendet werden...“). Wenn falsch, werden sie nicht in die Chatprotokolle geschrieben.</translation>
    </message>
    <message>
        <source>If false, the specified quick text is not displayed in the Enhanced Brisko! Icon menu of instant message windows.</source>
        <translation>Wenn falsch, erscheint der gewählte Schnelltext nicht im Symbolmenü von Enhanced Brisko! in den Sofortnachrichtenfenstern.</translation>
    </message>
    <message>
        <source>If not empty, Brisko! will use this value to change your name to a default one every time you sign-in on a specific computer.</source>
        <translation>Wenn nicht leer, ändert Brisko! Ihren Namen bei jeder Anmeldung an einem bestimmten Computer auf diesen Wert.</translation>
    </message>
    <message>
        <source>Separator used between names and emails when using special tags (!N) and (!M).</source>
        <translation>Trennzeichen zwischen Namen und E-Mail-Adressen bei den besonderen Tags (!N) und (!M).</translation>
    </message>
    <message>
        <source>Number of seconds the Personalised Status window is displayed before exiting automatically. Minimum is 3.</source>
        <translation>Anzahl der Sekunden, die das Fenster „Persönlicher Status“ angezeigt wird, bevor es sich selbst schließt. Mindestens 3.</translation>
    </message>
    <message>
        <source>When the Personalised Status window is displayed, the &quot;Back Time&quot; field is automatically compute by adding 10 minutes to the current time. You can change that using this parameter.</source>
        <translation>Wenn das Fenster „Persönlicher Status“ erscheint, wird das Feld „Zurück um“ aus der aktuellen Uhrzeit plus 10 Minuten berechnet. Mit diesem Parameter lässt sich das ändern.</translation>
    </message>
    <message>
        <source>If this parameter is false, Contact Sounds and Sound Commands won&apos;t play when your status is set to Busy.</source>
        <translation>Wenn dieser Parameter falsch ist, werden Kontaktklänge und Klangbefehle nicht gespielt, solange Ihr Status Beschäftigt ist.</translation>
    </message>
    <message>
        <source>If false, the Brisko! notification windows are displayed with no animation.</source>
        <translation>Wenn falsch, erscheinen die Benachrichtigungsfenster von Brisko! ohne Animation.</translation>
    </message>
    <message>
        <source>If false, the Messenger icon in the systray is not modified for the Brisko! icon when Brisko! notification windows are displayed.</source>
        <translation>Wenn falsch, wird das Messenger-Symbol im Infobereich nicht durch das Brisko!-Symbol ersetzt, wenn Benachrichtigungsfenster von Brisko! erscheinen.</translation>
    </message>
    <message>
        <source>If false, the count of unread emails in your Hotmail account is not added to the count of unread pop3 emails.</source>
        <translation>Wenn falsch, wird die Zahl ungelesener E-Mails Ihres Hotmail-Kontos nicht zur Zahl ungelesener POP3-E-Mails addiert.</translation>
    </message>
    <message>
        <source>Background color used in the Quick Icons panel. In Messenger 4 and 5, the default value is the tooltip color; in Messenger 6, the default value is a slight blue.</source>
        <translation>Hintergrundfarbe der Schnellsymbol-Tafel. In Messenger 4 und 5 ist der Standard die Farbe der Kurzinfos, in Messenger 6 ein helles Blau.</translation>
    </message>
    <message>
        <source>Format of the message when the user clicks &quot;Send Quote&quot; in the Quote Sender window. You can add character format codes to add colors or text attributes.</source>
        <translation>Format der Nachricht, wenn der Benutzer im Fenster „Zitat senden“ auf „Zitat senden“ klickt. Mit Zeichenformat-Codes lassen sich Farben oder Textattribute hinzufügen.</translation>
    </message>
    <message>
        <source>If false, the name tag is left in your name when you sign-out while in Personalised Away mode and sign-in again.</source>
        <translation>Wenn falsch, bleibt das Namens-Tag in Ihrem Namen, wenn Sie sich im persönlichen Abwesend-Modus abmelden und wieder anmelden.</translation>
    </message>
    <message>
        <source>Number of times a schedule will be repeated if the user doesn&apos;t explicitly dismiss the notification popup. Set this value to 0 to disable repeated notifications. Note that notifications are not repeated if the schedule was missed too far in the past.</source>
        <translation>Wie oft eine geplante Erinnerung wiederholt wird, wenn der Benutzer das Benachrichtigungsfenster nicht ausdrücklich schließt. Mit 0 werden Benachrichtigungen nicht wiederholt. Liegt der verpasste Termin zu weit zurück, wird ebenfalls nicht wiederholt.</translation>
    </message>
    <message>
        <source>If true, new chat windows are not displayed minimised when they are created.</source>
        <translation>Wenn wahr, werden neue Chatfenster beim Öffnen nicht minimiert angezeigt.</translation>
    </message>
    <message>
        <source>Name of the codec used by Brisko! to play sounds. If your sounds are not functioning, it may be a good idea to try to specify &quot;MPEGVideo2&quot; for this value.</source>
        <translation>Name des Codecs, mit dem Brisko! Klänge abspielt. Wenn Ihre Klänge nicht funktionieren, versuchen Sie hier den Wert „MPEGVideo2“.</translation>
    </message>
    <message>
        <source>If true, the Event Log shows contacts that are idle when you sign-in.</source>
        <translation>Wenn wahr, zeigt das Ereignisprotokoll bei Ihrer Anmeldung die Kontakte, die untätig sind.</translation>
    </message>
    <message>
        <source>Format of the time stamp displayed in the Event Log window.</source>
        <translation>Format des Zeitstempels im Fenster Ereignisprotokoll.</translation>
    </message>
    <message>
        <source>If false, the count of unread emails in your POP3 accounts in not displayed in the welcome screen of Windows XP.</source>
        <translation>Wenn falsch, wird die Zahl ungelesener E-Mails Ihrer POP3-Konten nicht im Willkommensbildschirm von Windows XP angezeigt.</translation>
    </message>
    <message>
        <source>If false, Personalised Status Tags are not added to contact names in the contact list when the Custom Name feature is enabled and the name of the contact has been changed.</source>
        <translation>Wenn falsch, werden Tags des persönlichen Status nicht an Kontaktnamen in der Kontaktliste angehängt, wenn die Funktion „Eigener Name“ aktiv ist und der Name des Kontakts geändert wurde.</translation>
    </message>
    <message>
        <source>If false, Brisko! displays the Quick Icon panel when a parenthesis is pressed, even if the character before is :, - or &apos;.</source>
        <translation>Wenn falsch, zeigt Brisko! die Schnellsymbol-Tafel bei jeder Klammer an, auch wenn das Zeichen davor :, - oder &apos; ist.</translation>
    </message>
    <message>
        <source>This is to tell Brisko! what font to use in its windows. This is normally used by languages in old versions of Windows but you can have some fun with it if you want.</source>
        <translation>Damit legen Sie fest, welche Schrift Brisko! in seinen Fenstern verwendet. Das ist eigentlich für Sprachen in alten Windows-Versionen gedacht, aber Sie können damit auch einfach Spaß haben.</translation>
    </message>
    <message>
        <source>If true, word filters are case sensitive and you&apos;re allowed to filter the same words in different manners depending on their case.</source>
        <translation>Wenn wahr, unterscheiden Wortfilter Groß- und Kleinschreibung, und Sie können dasselbe Wort je nach Schreibweise unterschiedlich filtern.</translation>
    </message>
    <message>
        <source>Note: No support will be given on these functionalities... They are brought to you as is. If your Messenger does not behave correctly or crashes after you have used this program, then you should reset your preferences using the &quot;Reset to defaults&quot; link in the Preferences panel.</source>
        <translation>Hinweis: Für diese Funktionen gibt es keine Unterstützung... Sie werden so bereitgestellt, wie sie sind. Wenn sich Ihr Messenger nach der Verwendung dieses Programms falsch verhält oder abstürzt, setzen Sie Ihre Einstellungen über den Link „Reset to defaults“ in den Einstellungen zurück.</translation>
    </message>
</context>
<context>
    <name>fk::ChangeMarks</name>
    <message>
        <source>Stored: %1
Default: %2</source>
        <translation>Gespeichert: %1
Standard: %2</translation>
    </message>
    <message>
        <source>%1, changed</source>
        <translation>%1, geändert</translation>
    </message>
    <message>
        <source>
Disabled: the add-on draws its own font, so this counts as the default.</source>
        <translation>
Ausgeschaltet: Das Add-on zeichnet seine eigene Schrift, daher gilt dies als Standard.</translation>
    </message>
</context>
<context>
    <name>fk::ColourPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>version specific</source>
        <translation>versionsabhängig</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Select color...</source>
        <translation>Farbe wählen...</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>fk::CompareSettings</name>
    <message>
        <source>Compare settings</source>
        <translation>Einstellungen vergleichen</translation>
    </message>
    <message>
        <source>&amp;Compare with…</source>
        <translation>Ver&amp;gleichen mit…</translation>
    </message>
    <message>
        <source>Choose an account first.</source>
        <translation>Wählen Sie zuerst ein Konto.</translation>
    </message>
    <message>
        <source>Another prefix…</source>
        <translation>Ein anderes Präfix…</translation>
    </message>
    <message>
        <source>A .reg file…</source>
        <translation>Eine .reg-Datei…</translation>
    </message>
    <message>
        <source>Compare these settings with:</source>
        <translation>Diese Einstellungen vergleichen mit:</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Keine Einstellung weicht ab.</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ:</source>
        <translation>
            <numerusform>%n Einstellung weicht ab:</numerusform>
            <numerusform>%n Einstellungen weichen ab:</numerusform>
        </translation>
    </message>
    <message>
        <source>Take values over…</source>
        <translation>Werte übernehmen…</translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation>Registrierungsdateien (*.reg)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>fk::CopySettings</name>
    <message>
        <source>Copy settings</source>
        <translation>Einstellungen kopieren</translation>
    </message>
    <message>
        <source>Cop&amp;y settings to…</source>
        <translation>Einstellungen &amp;kopieren nach…</translation>
    </message>
    <message>
        <source>Choose an account first.</source>
        <translation>Wählen Sie zuerst ein Konto.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Other folder…</source>
        <translation>Anderer Ordner…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message numerus="yes">
        <source>Copying to %1 changes %n setting(s):</source>
        <translation>
            <numerusform>Das Kopieren nach %1 ändert %n Einstellung:</numerusform>
            <numerusform>Das Kopieren nach %1 ändert %n Einstellungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied to: %1.</source>
        <translation>Kopiert nach: %1.</translation>
    </message>
    <message>
        <source>Already the same: %1.</source>
        <translation>Bereits gleich: %1.</translation>
    </message>
    <message>
        <source>Not copied:</source>
        <translation>Nicht kopiert:</translation>
    </message>
</context>
<context>
    <name>fk::DemoPrefix</name>
    <message>
        <source>The demo prefix was not found.</source>
        <translation>Das Demo-Präfix wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 exists but holds no user.reg; move it away to get a fresh demo copy.</source>
        <translation>%1 existiert, enthält aber keine user.reg; verschieben Sie es, um eine frische Demo-Kopie zu erhalten.</translation>
    </message>
    <message>
        <source>Cannot copy the demo prefix to %1: %2</source>
        <translation>Das Demo-Präfix kann nicht nach %1 kopiert werden: %2</translation>
    </message>
</context>
<context>
    <name>fk::DifferenceRows</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>all users</source>
        <translation>alle Benutzer</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>fett</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>kursiv</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>ausgeschaltet</translation>
    </message>
    <message>
        <source>weight %1</source>
        <translation>Gewicht %1</translation>
    </message>
</context>
<context>
    <name>fk::EditTools</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Reset all settings of this account…</source>
        <translation>Alle Einstellungen dieses Kontos zurücksetzen…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>all users</source>
        <translation>alle Benutzer</translation>
    </message>
    <message>
        <source>this account</source>
        <translation>dieses Konto</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Alle Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Restore the default of every setting of %1?</source>
        <translation>Jede Einstellung für %1 auf ihren Standardwert zurücksetzen?</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;Changed only</source>
        <translation>Nur &amp;geänderte</translation>
    </message>
    <message>
        <source>Take values over</source>
        <translation>Werte übernehmen</translation>
    </message>
    <message>
        <source>Copy settings</source>
        <translation>Einstellungen kopieren</translation>
    </message>
</context>
<context>
    <name>fk::FilePanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
</context>
<context>
    <name>fk::FontPanel</name>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Bold:</source>
        <translation>Fett:</translation>
    </message>
    <message>
        <source>Normal is 400. Bold is 700.</source>
        <translation>Normal ist 400, fett ist 700.</translation>
    </message>
    <message>
        <source>Character set:</source>
        <translation>Zeichensatz:</translation>
    </message>
    <message>
        <source>Preview of the selected font:</source>
        <translation>Vorschau der gewählten Schrift:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Enable this setting (default is enabled)</source>
        <translation>Diese Einstellung aktivieren (Standard: aktiviert)</translation>
    </message>
    <message>
        <source>Enable this setting (default is disabled)</source>
        <translation>Diese Einstellung aktivieren (Standard: deaktiviert)</translation>
    </message>
    <message>
        <source>Setting not saved.</source>
        <translation>Einstellung nicht gespeichert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>fk::KeyboardHelp</name>
    <message>
        <source>%1: find a setting by its name or description</source>
        <translation>%1: eine Einstellung nach Name oder Beschreibung suchen</translation>
    </message>
    <message>
        <source>Down, in the find box: the settings found</source>
        <translation>Pfeil nach unten, im Suchfeld: zu den gefundenen Einstellungen</translation>
    </message>
    <message>
        <source>Esc, in the find box: clear it, then hide it</source>
        <translation>Esc, im Suchfeld: leeren, dann ausblenden</translation>
    </message>
    <message>
        <source>Esc, elsewhere: close the tag picker and the window</source>
        <translation>Esc, anderswo: die Platzhalterauswahl und das Fenster schließen</translation>
    </message>
    <message>
        <source>Up and Down, in the settings list: the setting above or below</source>
        <translation>Pfeil nach oben und unten, in der Einstellungsliste: die Einstellung darüber oder darunter</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab: the next or the previous control</source>
        <translation>Tab und Umschalt+Tab: das nächste oder vorige Bedienelement</translation>
    </message>
    <message>
        <source>Return, in a setting&apos;s box: &quot;Change&quot;</source>
        <translation>Eingabe, im Feld einer Einstellung: „Ändern“</translation>
    </message>
    <message>
        <source>%1: undo the last change</source>
        <translation>%1: die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>%1: redo it</source>
        <translation>%1: sie wiederholen</translation>
    </message>
    <message>
        <source>Alt and the underlined letter: a menu or one of its items</source>
        <translation>Alt und der unterstrichene Buchstabe: ein Menü oder einer seiner Einträge</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
</context>
<context>
    <name>fk::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>fk::MainWindow</name>
    <message>
        <source>Fettlekit</source>
        <translation>Fettlekit</translation>
    </message>
    <message>
        <source>Wine is running in this prefix: changes cannot be saved now.</source>
        <translation>Wine läuft in diesem Präfix: Änderungen können jetzt nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Edit settings for this user</source>
        <translation>Einstellungen dieses Benutzers</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Version: %1.%2.%3</translation>
    </message>
    <message>
        <source>Use this program with Brisko! %1 or above.</source>
        <translation>Verwenden Sie dieses Programm mit Brisko! %1 oder neuer.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source> --&gt; All users &lt;--</source>
        <translation> --&gt; Alle Benutzer &lt;--</translation>
    </message>
    <message>
        <source> --&gt; Default user &lt;--</source>
        <translation> --&gt; Standardbenutzer &lt;--</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Einstellungen exportiert nach %1</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>Konto wählen</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Nicht gespeichert: %1.</translation>
    </message>
</context>
<context>
    <name>fk::NumberPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Wrong value.</source>
        <translation>Ungültiger Wert.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Allowed values: %1 to %2</source>
        <translation>Erlaubte Werte: %1 bis %2</translation>
    </message>
    <message>
        <source>Allowed values: %1 or more</source>
        <translation>Erlaubte Werte: %1 oder mehr</translation>
    </message>
</context>
<context>
    <name>fk::Options</name>
    <message>
        <source>Edits the hidden settings of Brisko! in a Wine prefix.</source>
        <translation>Bearbeitet die versteckten Einstellungen von Brisko! in einem Wine-Präfix.</translation>
    </message>
    <message>
        <source>Edit the Wine prefix in DIR.</source>
        <translation>Das Wine-Präfix in VERZ bearbeiten.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>VERZ</translation>
    </message>
    <message>
        <source>List the Wine prefixes that hold Brisko!, the one opened first first, and quit.</source>
        <translation>Die Wine-Präfixe mit Brisko! auflisten, das zuerst zu öffnende vorn, und beenden.</translation>
    </message>
    <message>
        <source>Edit this user.reg instead of the Wine prefix&apos;s.</source>
        <translation>Diese user.reg statt der des Wine-Präfixes bearbeiten.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Edit a private copy of the demo prefix.</source>
        <translation>Eine private Kopie des Demo-Präfixes bearbeiten.</translation>
    </message>
    <message>
        <source> See fettlekit --help.</source>
        <translation> Siehe fettlekit --help.</translation>
    </message>
    <message>
        <source>--registry, --prefix and --demo cannot be used together.</source>
        <translation>--registry, --prefix und --demo können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>Write pictures of the main window to DIR, then quit.</source>
        <translation>Bilder des Hauptfensters nach VERZ schreiben, dann beenden.</translation>
    </message>
    <message>
        <source>Quit once the main window has been painted.</source>
        <translation>Beenden, sobald das Hauptfenster gezeichnet ist.</translation>
    </message>
    <message>
        <source>Edits the hidden settings of Brisko!.</source>
        <translation>Bearbeitet die versteckten Einstellungen von Brisko!.</translation>
    </message>
    <message>
        <source>The Qt platform to use.</source>
        <translation>Die zu verwendende Qt-Plattform.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
</context>
<context>
    <name>fk::PrefixChoice</name>
    <message>
        <source>Fettlekit looked for %1, but there is no such folder.</source>
        <translation>Fettlekit hat nach %1 gesucht, aber diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>Fettlekit looked for the registry file %1, but there is none: this is not a Wine prefix. A prefix is the folder that holds user.reg, beside drive_c.</source>
        <translation>Fettlekit hat nach der Registry-Datei %1 gesucht, aber es gibt keine: Dies ist kein Wine-Präfix. Ein Präfix ist der Ordner, der user.reg enthält, neben drive_c.</translation>
    </message>
    <message>
        <source>Fettlekit cannot read the registry file %1 (%2).</source>
        <translation>Fettlekit kann die Registry-Datei %1 nicht lesen (%2).</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>The registry file is damaged: %1. Fettlekit leaves it as it is.</source>
        <translation>Die Registry-Datei ist beschädigt: %1. Fettlekit lässt sie unverändert.</translation>
    </message>
    <message>
        <source>Fettlekit looked in %1 for Brisko!&apos;s settings (the key HKEY_CURRENT_USER\%2), but there are none: Brisko! 3 has not run in this prefix yet. Open it anyway to create the key.</source>
        <translation>Fettlekit hat in %1 nach den Einstellungen von Brisko! gesucht (dem Schlüssel HKEY_CURRENT_USER\%2), aber keine gefunden: Brisko! 3 ist in diesem Präfix noch nicht gelaufen. Öffnen Sie es trotzdem, um den Schlüssel anzulegen.</translation>
    </message>
    <message>
        <source>No Wine prefix with Brisko! 3 was found. Fettlekit looked in:</source>
        <translation>Kein Wine-Präfix mit Brisko! 3 gefunden. Fettlekit hat hier gesucht:</translation>
    </message>
    <message>
        <source>Wine: %1</source>
        <translation>Wine: %1</translation>
    </message>
    <message>
        <source>%1 is a file of exported settings, not a prefix&apos;s registry: File &gt; &quot;Import settings…&quot; reads it.</source>
        <translation>%1 ist eine Datei exportierter Einstellungen, keine Registry eines Präfixes: Datei &gt; „Einstellungen importieren…“ liest sie.</translation>
    </message>
</context>
<context>
    <name>fk::QuickTextPanel</name>
    <message>
        <source>Quick Text:</source>
        <translation>Schnelltext:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias:</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>An unexpected error has been found while opening the registry</source>
        <translation>Beim Öffnen der Registry ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>fk::RegistryTexts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Wine is running in this prefix and its live registry cannot be reached: %1</source>
        <translation>In diesem Präfix läuft Wine, und seine laufende Registrierung ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>another program left it damaged: %1</source>
        <translation>ein anderes Programm hat sie beschädigt hinterlassen: %1</translation>
    </message>
    <message>
        <source>it was removed by another program</source>
        <translation>ein anderes Programm hat sie entfernt</translation>
    </message>
    <message numerus="yes">
        <source>another writer held the lock beside it for %n second(s)</source>
        <translation>
            <numerusform>ein anderes schreibendes Programm hielt die Sperre daneben %n Sekunde lang</numerusform>
            <numerusform>ein anderes schreibendes Programm hielt die Sperre daneben %n Sekunden lang</numerusform>
        </translation>
    </message>
    <message>
        <source>no lock beside it: %1</source>
        <translation>keine Sperre daneben: %1</translation>
    </message>
    <message>
        <source>Wine started in this prefix and writes its own copy over the file when it ends</source>
        <translation>Wine wurde in diesem Präfix gestartet und schreibt beim Beenden seine eigene Kopie über die Datei</translation>
    </message>
    <message>
        <source>another program changed it in a way the changes no longer fit</source>
        <translation>ein anderes Programm hat sie so geändert, dass die Änderungen nicht mehr passen</translation>
    </message>
    <message>
        <source>another program changed it during the save</source>
        <translation>ein anderes Programm hat sie während des Speicherns geändert</translation>
    </message>
    <message>
        <source>it cannot be opened again</source>
        <translation>sie lässt sich nicht erneut öffnen</translation>
    </message>
    <message>
        <source>fettlekit-bridge.exe was not found (set FETTLEKIT_BRIDGE to its path)</source>
        <translation>fettlekit-bridge.exe wurde nicht gefunden (FETTLEKIT_BRIDGE auf ihren Pfad setzen)</translation>
    </message>
    <message>
        <source>the wineserver of this prefix runs in a process that cannot be named from here</source>
        <translation>der wineserver dieses Präfixes läuft in einem Prozess, der von hier aus nicht benannt werden kann</translation>
    </message>
    <message>
        <source>the prefix has no path that wineserver %1, which runs in a sandbox, can see</source>
        <translation>das Präfix hat keinen Pfad, den wineserver %1 in seiner Sandbox sehen kann</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>cannot copy the bridge into the prefix %1: %2</source>
        <translation>die Brücke kann nicht in das Präfix %1 kopiert werden: %2</translation>
    </message>
    <message>
        <source>the bridge copied into the prefix cannot be seen by wineserver %1</source>
        <translation>wineserver %1 sieht die in das Präfix kopierte Brücke nicht</translation>
    </message>
    <message>
        <source>cannot make a pipe: %1</source>
        <translation>keine Pipe möglich: %1</translation>
    </message>
    <message>
        <source>cannot prepare the program started for Wine: %1</source>
        <translation>das für Wine gestartete Programm kann nicht vorbereitet werden: %1</translation>
    </message>
    <message>
        <source>cannot start Wine: %1</source>
        <translation>Wine kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>cannot enter the namespaces of wineserver %1: %2</source>
        <translation>die Namensräume von wineserver %1 sind nicht betretbar: %2</translation>
    </message>
    <message>
        <source>cannot enter the root folder of wineserver %1: %2</source>
        <translation>der Wurzelordner von wineserver %1 ist nicht betretbar: %2</translation>
    </message>
    <message>
        <source>cannot start a process in the PID namespace of wineserver %1: %2</source>
        <translation>im PID-Namensraum von wineserver %1 kann kein Prozess gestartet werden: %2</translation>
    </message>
    <message>
        <source>cannot drop the privileges of the program started for Wine: %1</source>
        <translation>das für Wine gestartete Programm kann seine Rechte nicht abgeben: %1</translation>
    </message>
    <message>
        <source>cannot set up the pipes of the program started for Wine: %1</source>
        <translation>die Pipes des für Wine gestarteten Programms lassen sich nicht einrichten: %1</translation>
    </message>
    <message>
        <source>cannot run Wine: no program to try</source>
        <translation>Wine kann nicht ausgeführt werden: kein Programm zum Versuchen</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>%1 kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>the bridge %1 did not answer under Wine</source>
        <translation>die Brücke %1 hat unter Wine nicht geantwortet</translation>
    </message>
    <message>
        <source>the file is empty, not a Wine registry</source>
        <translation>die Datei ist leer, keine Wine-Registrierung</translation>
    </message>
    <message>
        <source>not a Wine registry file (the first line must be &quot;WINE REGISTRY Version 2&quot;)</source>
        <translation>keine Registrierungsdatei von Wine (die erste Zeile muss „WINE REGISTRY Version 2“ lauten)</translation>
    </message>
    <message>
        <source>unsupported registry version: &quot;%1&quot;</source>
        <translation>nicht unterstützte Registrierungsversion: „%1“</translation>
    </message>
    <message>
        <source>unrecognised line &quot;%1&quot;</source>
        <translation>unbekannte Zeile „%1“</translation>
    </message>
    <message>
        <source>bad time stamp &quot;%1&quot;</source>
        <translation>ungültiger Zeitstempel „%1“</translation>
    </message>
    <message>
        <source>bad key class</source>
        <translation>ungültige Schlüsselklasse</translation>
    </message>
    <message>
        <source>a value before the first key</source>
        <translation>ein Wert vor dem ersten Schlüssel</translation>
    </message>
    <message>
        <source>value name without its closing quote</source>
        <translation>dem Namen des Werts fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>missing &quot;=&quot; after the value name</source>
        <translation>nach dem Namen des Werts fehlt „=“</translation>
    </message>
    <message>
        <source>the value appears twice in its key</source>
        <translation>der Wert steht zweimal in seinem Schlüssel</translation>
    </message>
    <message>
        <source>text without its closing quote</source>
        <translation>dem Text fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>unexpected text after the closing quote</source>
        <translation>unerwarteter Text nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>bad dword &quot;%1&quot;</source>
        <translation>ungültiges dword „%1“</translation>
    </message>
    <message>
        <source>bad value type &quot;%1&quot;</source>
        <translation>ungültiger Werttyp „%1“</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>unbekannter Werttyp „%1“</translation>
    </message>
    <message>
        <source>bad byte in hex data</source>
        <translation>ungültiges Byte in Hex-Daten</translation>
    </message>
    <message>
        <source>bad hex data</source>
        <translation>ungültige Hex-Daten</translation>
    </message>
    <message>
        <source>hex data continues past the end of the file</source>
        <translation>Hex-Daten gehen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>key name without its closing &quot;]&quot;</source>
        <translation>dem Schlüsselnamen fehlt das schließende „]“</translation>
    </message>
    <message>
        <source>unexpected text after the key name</source>
        <translation>unerwarteter Text nach dem Schlüsselnamen</translation>
    </message>
    <message>
        <source>key [%1] appears twice</source>
        <translation>Schlüssel [%1] steht zweimal in der Datei</translation>
    </message>
</context>
<context>
    <name>fk::Session</name>
    <message>
        <source>Wine&apos;s live registry cannot be reached: </source>
        <translation>Die laufende Registry von Wine ist nicht erreichbar: </translation>
    </message>
    <message>
        <source>Fettlekit – %1</source>
        <translation>Fettlekit – %1</translation>
    </message>
    <message>
        <source>Fettlekit %1
Edits the hidden settings of Brisko! in a Wine prefix.

Editing: %2</source>
        <translation>Fettlekit %1
Bearbeitet die versteckten Einstellungen von Brisko! in einem Wine-Präfix.

In Bearbeitung: %2</translation>
    </message>
    <message>
        <source>About Fettlekit</source>
        <translation>Über Fettlekit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Fettlekit %1
Edits the hidden settings of Brisko!.

Editing: HKEY_CURRENT_USER\Software\Tavrel\Brisko2</source>
        <translation>Fettlekit %1
Bearbeitet die versteckten Einstellungen von Brisko!.

In Bearbeitung: HKEY_CURRENT_USER\Software\Tavrel\Brisko2</translation>
    </message>
    <message>
        <source>&amp;Open prefix…</source>
        <translation>&amp;Präfix öffnen…</translation>
    </message>
</context>
<context>
    <name>fk::SettingsFilter</name>
    <message>
        <source>Find a setting</source>
        <translation>Einstellung suchen</translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation>Keine Einstellung passt</translation>
    </message>
    <message>
        <source>No setting differs from its default</source>
        <translation>Keine Einstellung weicht vom Standard ab</translation>
    </message>
</context>
<context>
    <name>fk::SettingsTransferActions</name>
    <message>
        <source>Export settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation>Registry-Dateien (*.reg)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export settings…</source>
        <translation>Einstellungen &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Import settings…</source>
        <translation>Einstellungen &amp;importieren…</translation>
    </message>
    <message>
        <source>This account</source>
        <translation>Dieses Konto</translation>
    </message>
    <message>
        <source>Every account</source>
        <translation>Alle Konten</translation>
    </message>
    <message>
        <source>Which settings do you want to export?</source>
        <translation>Welche Einstellungen möchten Sie exportieren?</translation>
    </message>
    <message>
        <source>
Nothing was imported.</source>
        <translation>
Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The file holds no setting that differs from what is stored.</source>
        <translation>Die Datei enthält keine Einstellung, die vom Gespeicherten abweicht.</translation>
    </message>
    <message numerus="yes">
        <source>Importing %1 changes %n setting(s):</source>
        <translation>
            <numerusform>Der Import von %1 ändert %n Einstellung:</numerusform>
            <numerusform>Der Import von %1 ändert %n Einstellungen:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>fk::StartUp</name>
    <message>
        <source>no display: set DISPLAY or WAYLAND_DISPLAY, or start it from a desktop session.</source>
        <translation>keine Anzeige: Setzen Sie DISPLAY oder WAYLAND_DISPLAY, oder starten Sie das Programm aus einer Desktop-Sitzung.</translation>
    </message>
    <message>
        <source>no Wine prefix with Brisko! was found in </source>
        <translation>kein Wine-Präfix mit Brisko! gefunden in </translation>
    </message>
    <message>
        <source>no Wine prefix was chosen.</source>
        <translation>kein Wine-Präfix gewählt.</translation>
    </message>
</context>
<context>
    <name>fk::StoreTexts</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>This is not a registry file: its first line must be &quot;Windows Registry Editor Version 5.00&quot; or &quot;REGEDIT4&quot;.</source>
        <translation>Dies ist keine Registry-Datei: Ihre erste Zeile muss „Windows Registry Editor Version 5.00“ oder „REGEDIT4“ lauten.</translation>
    </message>
    <message>
        <source>unknown escape \%1</source>
        <translation>unbekannte Escape-Sequenz \%1</translation>
    </message>
    <message>
        <source>deleting a key is not imported here, only values</source>
        <translation>das Löschen eines Schlüssels wird hier nicht importiert, nur Werte</translation>
    </message>
    <message>
        <source>the key %1 is outside HKEY_CURRENT_USER\%2</source>
        <translation>der Schlüssel %1 liegt außerhalb von HKEY_CURRENT_USER\%2</translation>
    </message>
    <message>
        <source>the value comes before any [key]</source>
        <translation>der Wert steht vor jedem [Schlüssel]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number (dword:)</source>
        <translation>„%1“ muss eine Zahl sein (dword:)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a colour, dword:00bbggrr</source>
        <translation>„%1“ muss eine Farbe sein, dword:00bbggrr</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>„%1“ muss eine Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number of at least %2</source>
        <translation>„%1“ muss eine Zahl von mindestens %2 sein</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; must be a text of at most %n character(s)</source>
        <translation>
            <numerusform>„%1“ muss ein Text von höchstens %n Zeichen sein</numerusform>
            <numerusform>„%1“ muss ein Text von höchstens %n Zeichen sein</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>this is not a key, a value or a comment</source>
        <translation>dies ist weder ein Schlüssel noch ein Wert noch ein Kommentar</translation>
    </message>
    <message>
        <source>the value name has no closing quotation mark</source>
        <translation>dem Namen des Werts fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>the key name is not closed with ]</source>
        <translation>der Name des Schlüssels wird nicht mit ] geschlossen</translation>
    </message>
    <message>
        <source>the value name is not followed by =</source>
        <translation>auf den Namen des Werts folgt kein =</translation>
    </message>
    <message>
        <source>a deletion is written &quot;name&quot;=-</source>
        <translation>eine Löschung wird &quot;name&quot;=- geschrieben</translation>
    </message>
    <message>
        <source>the type in hex(...) is not a number</source>
        <translation>der Typ in hex(...) ist keine Zahl</translation>
    </message>
    <message>
        <source>the data is not a text, dword:, hex: or hex(N):</source>
        <translation>die Daten sind weder ein Text noch dword:, hex: oder hex(N):</translation>
    </message>
    <message>
        <source>the text has no closing quotation mark</source>
        <translation>dem Text fehlt das schließende Anführungszeichen</translation>
    </message>
    <message>
        <source>something follows the closing quotation mark</source>
        <translation>auf das schließende Anführungszeichen folgt noch etwas</translation>
    </message>
    <message>
        <source>dword: has no number</source>
        <translation>dword: hat keine Zahl</translation>
    </message>
    <message>
        <source>dword: takes at most 8 hex digits</source>
        <translation>dword: nimmt höchstens 8 Hexadezimalziffern</translation>
    </message>
    <message>
        <source>dword: is not a hex number</source>
        <translation>dword: ist keine Hexadezimalzahl</translation>
    </message>
    <message>
        <source>a byte in hex data is above ff</source>
        <translation>ein Byte in Hex-Daten ist größer als ff</translation>
    </message>
    <message>
        <source>something follows the \ that carries on hex data</source>
        <translation>auf den \, der Hex-Daten fortsetzt, folgt noch etwas</translation>
    </message>
    <message>
        <source>hex data holds something that is not a byte</source>
        <translation>Hex-Daten enthalten etwas, das kein Byte ist</translation>
    </message>
    <message>
        <source>the line after a \ does not go on with hex data</source>
        <translation>die Zeile nach einem \ setzt die Hex-Daten nicht fort</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>another program was rewriting it</source>
        <translation>ein anderes Programm schrieb sie gerade neu</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(nicht gesetzt)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>RGB(%1, %2, %3)</source>
        <translation>RGB(%1, %2, %3)</translation>
    </message>
    <message>
        <source>%1, %2, weight %3</source>
        <translation>%1, %2, Stärke %3</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, kursiv</translation>
    </message>
    <message>
        <source>, character set %1</source>
        <translation>, Zeichensatz %1</translation>
    </message>
    <message>
        <source>, enabled</source>
        <translation>, aktiviert</translation>
    </message>
    <message>
        <source>, disabled</source>
        <translation>, deaktiviert</translation>
    </message>
    <message>
        <source>False for %1</source>
        <translation>Falsch für %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved, so nothing was changed.</source>
        <translation>„%1“ konnte nicht gespeichert werden, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved, and what was saved before it could not all be put back. Stored now:</source>
        <translation>„%1“ konnte nicht gespeichert werden, und was zuvor gespeichert wurde, ließ sich nicht ganz zurücksetzen. Jetzt gespeichert:</translation>
    </message>
    <message>
        <source>%1: %2 (was %3)</source>
        <translation>%1: %2 (vorher %3)</translation>
    </message>
</context>
<context>
    <name>fk::SwitchTextPanel</name>
    <message>
        <source>True</source>
        <translation>Wahr</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>local specific</source>
        <translation>länderspezifisch</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>True (default)</source>
        <translation>Wahr (Standard)</translation>
    </message>
    <message>
        <source>False (default)</source>
        <translation>Falsch (Standard)</translation>
    </message>
</context>
<context>
    <name>fk::TagPickerWindow</name>
    <message>
        <source>Day of month as digits with no leading zero for single-digit days.</source>
        <translation>Tag des Monats als Zahl, ohne führende Null bei einstelligen Tagen.</translation>
    </message>
    <message>
        <source>Day of month as digits with leading zero for single-digit days.</source>
        <translation>Tag des Monats als Zahl, mit führender Null bei einstelligen Tagen.</translation>
    </message>
    <message>
        <source>Day of week as a three-letter abbreviation.</source>
        <translation>Wochentag als Abkürzung aus drei Buchstaben.</translation>
    </message>
    <message>
        <source>Day of week as its full name.</source>
        <translation>Wochentag ausgeschrieben.</translation>
    </message>
    <message>
        <source>Month as digits with no leading zero for single-digit months.</source>
        <translation>Monat als Zahl, ohne führende Null bei einstelligen Monaten.</translation>
    </message>
    <message>
        <source>Month as digits with leading zero for single-digit months.</source>
        <translation>Monat als Zahl, mit führender Null bei einstelligen Monaten.</translation>
    </message>
    <message>
        <source>Month as a three-letter abbreviation.</source>
        <translation>Monat als Abkürzung aus drei Buchstaben.</translation>
    </message>
    <message>
        <source>Month as its full name.</source>
        <translation>Monat ausgeschrieben.</translation>
    </message>
    <message>
        <source>Year as last two digits, but with leading zero for years less than 10.</source>
        <translation>Jahr als letzte zwei Ziffern, mit führender Null bei Jahren unter 10.</translation>
    </message>
    <message>
        <source>Year represented by full four digits.</source>
        <translation>Jahr mit allen vier Ziffern.</translation>
    </message>
    <message>
        <source>Hours with no leading zero for single-digit hours; 12-hour clock.</source>
        <translation>Stunden ohne führende Null bei einstelligen Stunden; 12-Stunden-Uhr.</translation>
    </message>
    <message>
        <source>Hours with leading zero for single-digit hours; 12-hour clock.</source>
        <translation>Stunden mit führender Null bei einstelligen Stunden; 12-Stunden-Uhr.</translation>
    </message>
    <message>
        <source>Hours with no leading zero for single-digit hours; 24-hour clock.</source>
        <translation>Stunden ohne führende Null bei einstelligen Stunden; 24-Stunden-Uhr.</translation>
    </message>
    <message>
        <source>Hours with leading zero for single-digit hours; 24-hour clock.</source>
        <translation>Stunden mit führender Null bei einstelligen Stunden; 24-Stunden-Uhr.</translation>
    </message>
    <message>
        <source>Minutes with no leading zero for single-digit minutes.</source>
        <translation>Minuten ohne führende Null bei einstelligen Minuten.</translation>
    </message>
    <message>
        <source>Minutes with leading zero for single-digit minutes.</source>
        <translation>Minuten mit führender Null bei einstelligen Minuten.</translation>
    </message>
    <message>
        <source>Seconds with no leading zero for single-digit seconds.</source>
        <translation>Sekunden ohne führende Null bei einstelligen Sekunden.</translation>
    </message>
    <message>
        <source>Seconds with leading zero for single-digit seconds.</source>
        <translation>Sekunden mit führender Null bei einstelligen Sekunden.</translation>
    </message>
    <message>
        <source>One character time-marker string, such as A or P.</source>
        <translation>Tageszeitkennung aus einem Zeichen, etwa A oder P.</translation>
    </message>
    <message>
        <source>Multicharacter time-marker string, such as AM or PM.</source>
        <translation>Tageszeitkennung aus mehreren Zeichen, etwa AM oder PM.</translation>
    </message>
    <message>
        <source>Timestamp.</source>
        <translation>Zeitstempel.</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Name.</translation>
    </message>
    <message>
        <source>Message.</source>
        <translation>Nachricht.</translation>
    </message>
    <message>
        <source>Date/Time Tags</source>
        <translation>Datums- und Zeit-Tags</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Date Tags</source>
        <translation>Datums-Tags</translation>
    </message>
    <message>
        <source>Time Tags</source>
        <translation>Zeit-Tags</translation>
    </message>
    <message>
        <source>Quote Tags</source>
        <translation>Zitat-Tags</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>fk::TextPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Standardwert:</translation>
    </message>
    <message>
        <source>local specific</source>
        <translation>länderspezifisch</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Neuer Wert:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Insert tag...</source>
        <translation>Tag einfügen...</translation>
    </message>
    <message>
        <source>To add normal text, use single quotes. Example: &quot;dd&apos;/&apos;MM&quot; will produce &quot;18/10&quot;.</source>
        <translation>Normalen Text in einfache Anführungszeichen setzen. Beispiel: &quot;dd&apos;/&apos;MM&quot; ergibt &quot;18/10&quot;.</translation>
    </message>
    <message>
        <source>To add normal text, use single quotes. Example: &quot;HH&apos;:&apos;mm&quot; will produce &quot;12:40&quot;.</source>
        <translation>Normalen Text in einfache Anführungszeichen setzen. Beispiel: &quot;HH&apos;:&apos;mm&quot; ergibt &quot;12:40&quot;.</translation>
    </message>
    <message>
        <source>Don&apos;t put each tag more than once, else the 2nd and next ones may not work.</source>
        <translation>Jedes Tag nur einmal verwenden, sonst wirken das zweite und die weiteren womöglich nicht.</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::CopyTargetsView</name>
    <message>
        <source>Copy these settings to:</source>
        <translation>Diese Einstellungen kopieren nach:</translation>
    </message>
    <message>
        <source>Copy these settings to</source>
        <translation>Diese Einstellungen kopieren nach</translation>
    </message>
    <message>
        <source>Every setting</source>
        <translation>Alle Einstellungen</translation>
    </message>
    <message>
        <source>Only the changed ones</source>
        <translation>Nur die geänderten</translation>
    </message>
    <message>
        <source>Which settings</source>
        <translation>Welche Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Which settings:</source>
        <translation>&amp;Welche Einstellungen:</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Kopieren…</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::DifferencesView</name>
    <message>
        <source>Setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Aktueller Wert</translation>
    </message>
    <message>
        <source>Incoming value</source>
        <translation>Neuer Wert</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>%1: now %2, incoming %3, default %4</source>
        <translation>%1: jetzt %2, neu %3, Standard %4</translation>
    </message>
    <message>
        <source>Take the ticked values</source>
        <translation>Die angehakten Werte übernehmen</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::PrefixDialog</name>
    <message>
        <source>Wine prefix folder</source>
        <translation>Wine-Präfix-Ordner</translation>
    </message>
    <message>
        <source>Wine registry file</source>
        <translation>Wine-Registry-Datei</translation>
    </message>
    <message>
        <source>Wine user registry (user.reg)</source>
        <translation>Wine-Benutzer-Registry (user.reg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open prefix</source>
        <translation>Präfix öffnen</translation>
    </message>
    <message>
        <source>Brisko! was found in these Wine prefixes:</source>
        <translation>Brisko! wurde in diesen Wine-Präfixen gefunden:</translation>
    </message>
    <message>
        <source>Browse to the prefix folder, or to its user.reg.</source>
        <translation>Wählen Sie den Ordner des Präfixes oder seine user.reg.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>Browse for a folder…</source>
        <translation>Ordner wählen…</translation>
    </message>
    <message>
        <source>Browse for a user.reg…</source>
        <translation>user.reg wählen…</translation>
    </message>
</context>
<context>
    <name>fk::messages</name>
    <message>
        <source>An error has been found with the registry.<byte value="xd"/>
Make sure you have Brisko! 3 installed.</source>
        <translation>In der Registry wurde ein Fehler gefunden.<byte value="xd"/>
Stellen Sie sicher, dass Brisko! 3 installiert ist.</translation>
    </message>
    <message>
        <source>An unexpected error has been found while opening the account &quot;%1&quot;</source>
        <translation>Beim Öffnen des Kontos „%1“ ist ein unerwarteter Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Setting not saved.</source>
        <translation>Einstellung nicht gespeichert.</translation>
    </message>
    <message>
        <source>The program needs to be updated!</source>
        <translation>Das Programm muss aktualisiert werden!</translation>
    </message>
    <message>
        <source>Wine is running in this prefix, so changes cannot be saved now. Close the programs that run under Wine, then start Fettlekit again.</source>
        <translation>Wine läuft in diesem Präfix, daher können Änderungen jetzt nicht gespeichert werden. Schließen Sie die Programme, die unter Wine laufen, und starten Sie Fettlekit erneut.</translation>
    </message>
    <message>
        <source>The change was saved, but Wine started in this prefix meanwhile and may write its own copy of the settings over it when it ends. Close the programs that run under Wine, then start Fettlekit again.</source>
        <translation>Die Änderung wurde gespeichert, aber Wine ist inzwischen in diesem Präfix gestartet und überschreibt sie womöglich beim Beenden mit seiner eigenen Kopie der Einstellungen. Schließen Sie die Programme, die unter Wine laufen, und starten Sie Fettlekit erneut.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
</context>
</TS>
