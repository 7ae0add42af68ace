<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>fk::AboutPanel</name>
    <message>
        <source>Fettlekit</source>
        <translation>Fettlekit</translation>
    </message>
    <message>
        <source>Made by the Fettlekit developers, with thanks to every Brisko! user.</source>
        <translation>Réalisé par les développeurs de Fettlekit, avec nos remerciements à tous les utilisateurs de Brisko!.</translation>
    </message>
</context>
<context>
    <name>fk::AccessibleText</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>%1 foncé</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 clair</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 in %2, %n point(s), weight %3</source>
        <translation>
            <numerusform>%1 en %2, %n point, graisse %3</numerusform>
            <numerusform>%1 en %2, %n points, graisse %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, italic</source>
        <translation>%1, italique</translation>
    </message>
</context>
<context>
    <name>fk::AccountPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source> --&gt; Default user &lt;--</source>
        <translation> --&gt; Utilisateur par défaut &lt;--</translation>
    </message>
</context>
<context>
    <name>fk::BooleanPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>fk::Catalogue</name>
    <message>
        <source>This is an undocumented hidden feature. It may not work.</source>
        <translation>Ceci est une fonction cachée non documentée. Elle peut ne pas fonctionner.</translation>
    </message>
    <message>
        <source>If true, when using the Truncate Contact Name for chat logs, a dot (&quot;.&quot;) is appended to names that are shorten.</source>
        <translation>Si vrai, lorsque les noms des contacts sont tronqués dans les journaux de conversation, un point («&#xa0;.&#xa0;») est ajouté aux noms raccourcis.</translation>
    </message>
    <message>
        <source>If true, a notification is displayed each time POP3 accounts are checked, even if the count of unread emails didn&apos;t change.</source>
        <translation>Si vrai, une notification s’affiche à chaque vérification des comptes POP3, même si le nombre de courriels non lus n’a pas changé.</translation>
    </message>
    <message>
        <source>This parameter is used by the Archive &quot;Create a different directory for each file&quot; option. By default, files are broken by month and year. Well, this can be customized the way you wish by using this parameter.</source>
        <translation>Ce paramètre est utilisé par l’option d’archivage «&#xa0;Créer un répertoire différent pour chaque fichier&#xa0;». Par défaut, les fichiers sont répartis par mois et par année. Ce paramètre permet de personnaliser cela à votre guise.</translation>
    </message>
    <message>
        <source>If false, the Word Duel feature is disabled. You can still use the command but you won&apos;t get the screen asking you for an answer.</source>
        <translation>Si faux, la fonction Duel de mots est désactivée. Vous pouvez toujours utiliser la commande, mais l’écran qui vous demande une réponse n’apparaît pas.</translation>
    </message>
    <message>
        <source>If false, the &quot;change status after x minutes&quot; feature changes the status only when the user is currently Online or Idle.</source>
        <translation>Si faux, la fonction «&#xa0;changer le statut après x minutes&#xa0;» ne change le statut que si l’utilisateur est En ligne ou Inactif.</translation>
    </message>
    <message>
        <source>If true, Brisko! will look for an update from time to time; usually once a week.</source>
        <translation>Si vrai, Brisko! recherche de temps en temps une mise à jour, en général une fois par semaine.</translation>
    </message>
    <message>
        <source>If true, you will be noticed (and asked if you want to continue) the next time (only once) you use the shortcut assigned to enter in Boss Protection mode.</source>
        <translation>Si vrai, vous serez averti (et on vous demandera si vous voulez continuer) la prochaine fois (une seule fois) que vous utiliserez le raccourci du mode Protection anti-patron.</translation>
    </message>
    <message>
        <source>If ChangeSecurityWarning is set to true, the security warning displayed at the beginning of chats is modified to match the text specified in SecurityWarningTxt.</source>
        <translation>Si ChangeSecurityWarning vaut vrai, l’avertissement de sécurité affiché au début des conversations est remplacé par le texte indiqué dans SecurityWarningTxt.</translation>
    </message>
    <message>
        <source>Format of the time stamp written at the beginning of each line in chat logs.</source>
        <translation>Format de l’horodatage écrit au début de chaque ligne des journaux de conversation.</translation>
    </message>
    <message>
        <source>If true, the string generated by the multi-format color panel is in HTML hex format. If false, the string generated is in decimal format (takes more space).</source>
        <translation>Si vrai, la chaîne produite par le panneau de couleurs multiformat est au format hexadécimal HTML. Si faux, elle est au format décimal (plus longue).</translation>
    </message>
    <message>
        <source>If false, no message box is displayed when a bad command is entered and the command is sent as text.</source>
        <translation>Si faux, aucune boîte de message ne s’affiche quand une commande erronée est saisie, et la commande est envoyée comme texte.</translation>
    </message>
    <message>
        <source>When you associate a sound to contact sign-in or sign-out, it is played 12 seconds by default. You can use this parameter to decrease or increase this time between 1 and 100 seconds.</source>
        <translation>Un son associé à la connexion ou à la déconnexion d’un contact est joué 12 secondes par défaut. Ce paramètre permet de réduire ou d’augmenter cette durée entre 1 et 100 secondes.</translation>
    </message>
    <message>
        <source>If true, the status of the contact is always displayed in floating windows, even if the contact is blocked.</source>
        <translation>Si vrai, le statut du contact est toujours affiché dans les fenêtres flottantes, même si le contact est bloqué.</translation>
    </message>
    <message>
        <source>This is to override the font normally used in the contact list window. This can be useful for accessibility reasons or in conjunction with special Messenger skins. The same font face and color is applied for every element in the contact list.</source>
        <translation>Ceci remplace la police normalement utilisée dans la fenêtre de la liste des contacts. Cela peut être utile pour l’accessibilité ou avec des habillages particuliers de Messenger. La même police et la même couleur s’appliquent à chaque élément de la liste des contacts.</translation>
    </message>
    <message>
        <source>Brisko! will show the preferences of this account when Messenger isn&apos;t signed in and you display the preferences of Brisko!. You can use this to edit the common settings of the default account.</source>
        <translation>Brisko! affiche les préférences de ce compte quand Messenger n’est pas connecté et que vous ouvrez les préférences de Brisko!. Cela permet de modifier les paramètres communs du compte par défaut.</translation>
    </message>
    <message>
        <source>Use this parameter to specify a sound file to be played when a contact signs-in. The sound is only played when no other specific sound is associated to a contact. This parameter can be used to disable the default sound in Messenger (you have to do that yourself in Messenger options) so that two sounds are not played together when a contact signs-in.</source>
        <translation>Ce paramètre indique un fichier son à jouer quand un contact se connecte. Le son n’est joué que si aucun autre son particulier n’est associé au contact. Ce paramètre permet de désactiver le son par défaut de Messenger (vous devez le faire vous-même dans les options de Messenger) afin que deux sons ne soient pas joués ensemble à la connexion d’un contact.</translation>
    </message>
    <message>
        <source>Select sound file</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>WAVs (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>MP3s (*.mp3)</source>
        <translation>Fichiers MP3 (*.mp3)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>If true, the contact list window keeps its current width when it&apos;s docked to the border of your screen.</source>
        <translation>Si vrai, la fenêtre de la liste des contacts garde sa largeur quand elle est ancrée au bord de l’écran.</translation>
    </message>
    <message>
        <source>If true, and if you haven&apos;t set one previously, you will be asked for a password next time (one once) you lock Messenger.</source>
        <translation>Si vrai, et si vous n’en avez pas encore défini, un mot de passe vous sera demandé la prochaine fois (une seule fois) que vous verrouillerez Messenger.</translation>
    </message>
    <message>
        <source>Delay, in milliseconds, because the Enhanced Brisko! icon is displayed in the contact list window, while you&apos;re moving your mouse cursor over it. Note that the delay will always be longer the first time the icon is displayed.</source>
        <translation>Délai, en millisecondes, avant que l’icône d’Enhanced Brisko! apparaisse dans la fenêtre de la liste des contacts quand vous passez la souris dessus. Le délai est toujours plus long la première fois que l’icône s’affiche.</translation>
    </message>
    <message>
        <source>When you close a chat window and reopen it before the delay specified in this parameter (in seconds), no new session header is created in the log file.</source>
        <translation>Si vous fermez une fenêtre de conversation et la rouvrez avant le délai indiqué par ce paramètre (en secondes), aucun nouvel en-tête de session n’est créé dans le fichier journal.</translation>
    </message>
    <message>
        <source>If false, Brisko! doesn&apos;t add entries to the various Messenger popup menus. Warning: disabling this feature will prevent you to access some other features of Brisko!.</source>
        <translation>Si faux, Brisko! n’ajoute pas d’entrées aux menus contextuels de Messenger. Attention&#xa0;: désactiver cette fonction vous empêche d’accéder à d’autres fonctions de Brisko!.</translation>
    </message>
    <message>
        <source>Format of the timestamp written in the chat log headers (Session Start line).</source>
        <translation>Format de l’horodatage écrit dans les en-têtes des journaux de conversation (ligne «&#xa0;Session Start&#xa0;»).</translation>
    </message>
    <message>
        <source>When true, system messages are written in the chat log file as they are displayed in the chat window (example: &quot;This file couldn&apos;t be sent...&quot;). If false, they are not written in the chat log files.</source>
        <translation>Si vrai, les messages système sont écrits dans le journal de conversation tels qu’ils s’affichent dans la fenêtre de conversation (exemple&#xa0;: «&#xa0;Ce fichier n’a pas pu être envoyé...&#xa0;»). Si faux, ils ne sont pas écrits dans les journaux.</translation>
    </message>
    <message>
        <source>If false, the specified quick text is not displayed in the Enhanced Brisko! Icon menu of instant message windows.</source>
        <translation>Si faux, le texte type choisi n’apparaît pas dans le menu de l’icône d’Enhanced Brisko! des fenêtres de messagerie instantanée.</translation>
    </message>
    <message>
        <source>If not empty, Brisko! will use this value to change your name to a default one every time you sign-in on a specific computer.</source>
        <translation>Si non vide, Brisko! utilise cette valeur pour remplacer votre nom par un nom par défaut à chaque connexion sur un ordinateur donné.</translation>
    </message>
    <message>
        <source>Separator used between names and emails when using special tags (!N) and (!M).</source>
        <translation>Séparateur placé entre les noms et les adresses électroniques avec les balises spéciales (!N) et (!M).</translation>
    </message>
    <message>
        <source>Number of seconds the Personalised Status window is displayed before exiting automatically. Minimum is 3.</source>
        <translation>Nombre de secondes pendant lesquelles la fenêtre Statut personnalisé reste affichée avant de se fermer d’elle-même. Au moins 3.</translation>
    </message>
    <message>
        <source>When the Personalised Status window is displayed, the &quot;Back Time&quot; field is automatically compute by adding 10 minutes to the current time. You can change that using this parameter.</source>
        <translation>Quand la fenêtre Statut personnalisé s’affiche, le champ «&#xa0;Heure de retour&#xa0;» est calculé en ajoutant 10 minutes à l’heure actuelle. Ce paramètre permet de changer cela.</translation>
    </message>
    <message>
        <source>If this parameter is false, Contact Sounds and Sound Commands won&apos;t play when your status is set to Busy.</source>
        <translation>Si ce paramètre est faux, les sons des contacts et les commandes sonores ne sont pas joués quand votre statut est Occupé.</translation>
    </message>
    <message>
        <source>If false, the Brisko! notification windows are displayed with no animation.</source>
        <translation>Si faux, les fenêtres de notification de Brisko! s’affichent sans animation.</translation>
    </message>
    <message>
        <source>If false, the Messenger icon in the systray is not modified for the Brisko! icon when Brisko! notification windows are displayed.</source>
        <translation>Si faux, l’icône de Messenger dans la zone de notification n’est pas remplacée par celle de Brisko! quand des fenêtres de notification de Brisko! s’affichent.</translation>
    </message>
    <message>
        <source>If false, the count of unread emails in your Hotmail account is not added to the count of unread pop3 emails.</source>
        <translation>Si faux, le nombre de courriels non lus de votre compte Hotmail n’est pas ajouté à celui des courriels POP3 non lus.</translation>
    </message>
    <message>
        <source>Background color used in the Quick Icons panel. In Messenger 4 and 5, the default value is the tooltip color; in Messenger 6, the default value is a slight blue.</source>
        <translation>Couleur de fond du panneau des icônes rapides. Dans Messenger 4 et 5, la valeur par défaut est la couleur des infobulles&#xa0;; dans Messenger 6, un bleu léger.</translation>
    </message>
    <message>
        <source>Format of the message when the user clicks &quot;Send Quote&quot; in the Quote Sender window. You can add character format codes to add colors or text attributes.</source>
        <translation>Format du message quand l’utilisateur clique sur «&#xa0;Envoyer la citation&#xa0;» dans la fenêtre d’envoi de citations. Des codes de format de caractères permettent d’ajouter des couleurs ou des attributs de texte.</translation>
    </message>
    <message>
        <source>If false, the name tag is left in your name when you sign-out while in Personalised Away mode and sign-in again.</source>
        <translation>Si faux, la balise de nom reste dans votre nom quand vous vous déconnectez en mode Absent personnalisé puis vous reconnectez.</translation>
    </message>
    <message>
        <source>Number of times a schedule will be repeated if the user doesn&apos;t explicitly dismiss the notification popup. Set this value to 0 to disable repeated notifications. Note that notifications are not repeated if the schedule was missed too far in the past.</source>
        <translation>Nombre de répétitions d’un rappel planifié si l’utilisateur ne ferme pas explicitement la fenêtre de notification. La valeur 0 désactive les répétitions. Les notifications ne sont pas répétées si le rappel a été manqué trop longtemps auparavant.</translation>
    </message>
    <message>
        <source>If true, new chat windows are not displayed minimised when they are created.</source>
        <translation>Si vrai, les nouvelles fenêtres de conversation ne sont pas réduites à leur création.</translation>
    </message>
    <message>
        <source>Name of the codec used by Brisko! to play sounds. If your sounds are not functioning, it may be a good idea to try to specify &quot;MPEGVideo2&quot; for this value.</source>
        <translation>Nom du codec utilisé par Brisko! pour jouer les sons. Si vos sons ne fonctionnent pas, essayez d’indiquer «&#xa0;MPEGVideo2&#xa0;» comme valeur.</translation>
    </message>
    <message>
        <source>If true, the Event Log shows contacts that are idle when you sign-in.</source>
        <translation>Si vrai, le journal des événements montre les contacts inactifs au moment de votre connexion.</translation>
    </message>
    <message>
        <source>Format of the time stamp displayed in the Event Log window.</source>
        <translation>Format de l’horodatage affiché dans la fenêtre du journal des événements.</translation>
    </message>
    <message>
        <source>If false, the count of unread emails in your POP3 accounts in not displayed in the welcome screen of Windows XP.</source>
        <translation>Si faux, le nombre de courriels non lus de vos comptes POP3 n’est pas affiché sur l’écran d’accueil de Windows XP.</translation>
    </message>
    <message>
        <source>If false, Personalised Status Tags are not added to contact names in the contact list when the Custom Name feature is enabled and the name of the contact has been changed.</source>
        <translation>Si faux, les balises de statut personnalisé ne sont pas ajoutées aux noms des contacts dans la liste quand la fonction Nom personnalisé est activée et que le nom du contact a été changé.</translation>
    </message>
    <message>
        <source>If false, Brisko! displays the Quick Icon panel when a parenthesis is pressed, even if the character before is :, - or &apos;.</source>
        <translation>Si faux, Brisko! affiche le panneau des icônes rapides à la frappe d’une parenthèse, même si le caractère précédent est :, - ou &apos;.</translation>
    </message>
    <message>
        <source>This is to tell Brisko! what font to use in its windows. This is normally used by languages in old versions of Windows but you can have some fun with it if you want.</source>
        <translation>Ceci indique à Brisko! la police à utiliser dans ses fenêtres. C’est normalement destiné à certaines langues sur les anciennes versions de Windows, mais vous pouvez aussi vous amuser avec.</translation>
    </message>
    <message>
        <source>If true, word filters are case sensitive and you&apos;re allowed to filter the same words in different manners depending on their case.</source>
        <translation>Si vrai, les filtres de mots respectent la casse et vous pouvez filtrer un même mot différemment selon sa casse.</translation>
    </message>
    <message>
        <source>Note: No support will be given on these functionalities... They are brought to you as is. If your Messenger does not behave correctly or crashes after you have used this program, then you should reset your preferences using the &quot;Reset to defaults&quot; link in the Preferences panel.</source>
        <translation>Remarque&#xa0;: aucune assistance n’est fournie pour ces fonctions... Elles vous sont proposées telles quelles. Si votre Messenger se comporte mal ou plante après l’utilisation de ce programme, réinitialisez vos préférences avec le lien «&#xa0;Reset to defaults&#xa0;» du panneau des préférences.</translation>
    </message>
</context>
<context>
    <name>fk::ChangeMarks</name>
    <message>
        <source>Stored: %1
Default: %2</source>
        <translation>Enregistré&#xa0;: %1
Par défaut&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, changed</source>
        <translation>%1, modifié</translation>
    </message>
    <message>
        <source>
Disabled: the add-on draws its own font, so this counts as the default.</source>
        <translation>
Désactivée&#xa0;: le module dessine sa propre police, elle compte donc comme la valeur par défaut.</translation>
    </message>
</context>
<context>
    <name>fk::ColourPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>version specific</source>
        <translation>selon la version</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Select color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>fk::CompareSettings</name>
    <message>
        <source>Compare settings</source>
        <translation>Comparer les paramètres</translation>
    </message>
    <message>
        <source>&amp;Compare with…</source>
        <translation>Co&amp;mparer avec…</translation>
    </message>
    <message>
        <source>Choose an account first.</source>
        <translation>Choisissez d’abord un compte.</translation>
    </message>
    <message>
        <source>Another prefix…</source>
        <translation>Un autre préfixe…</translation>
    </message>
    <message>
        <source>A .reg file…</source>
        <translation>Un fichier .reg…</translation>
    </message>
    <message>
        <source>Compare these settings with:</source>
        <translation>Comparer ces paramètres avec :</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Aucun paramètre ne diffère.</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) differ:</source>
        <translation>
            <numerusform>%n paramètre diffère :</numerusform>
            <numerusform>%n paramètres diffèrent :</numerusform>
        </translation>
    </message>
    <message>
        <source>Take values over…</source>
        <translation>Reprendre des valeurs…</translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation>Fichiers du registre (*.reg)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>fk::CopySettings</name>
    <message>
        <source>Copy settings</source>
        <translation>Copier les paramètres</translation>
    </message>
    <message>
        <source>Cop&amp;y settings to…</source>
        <translation>Co&amp;pier les paramètres vers…</translation>
    </message>
    <message>
        <source>Choose an account first.</source>
        <translation>Choisissez d’abord un compte.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 dans %2</translation>
    </message>
    <message>
        <source>Other folder…</source>
        <translation>Autre dossier…</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>Copying to %1 changes %n setting(s):</source>
        <translation>
            <numerusform>La copie vers %1 change %n paramètre :</numerusform>
            <numerusform>La copie vers %1 change %n paramètres :</numerusform>
        </translation>
    </message>
    <message>
        <source>Copied to: %1.</source>
        <translation>Copié vers : %1.</translation>
    </message>
    <message>
        <source>Already the same: %1.</source>
        <translation>Déjà identique : %1.</translation>
    </message>
    <message>
        <source>Not copied:</source>
        <translation>Non copié :</translation>
    </message>
</context>
<context>
    <name>fk::DemoPrefix</name>
    <message>
        <source>The demo prefix was not found.</source>
        <translation>Le préfixe de démonstration est introuvable.</translation>
    </message>
    <message>
        <source>%1 exists but holds no user.reg; move it away to get a fresh demo copy.</source>
        <translation>%1 existe mais ne contient pas de user.reg&#xa0;; déplacez-le pour obtenir une nouvelle copie de démonstration.</translation>
    </message>
    <message>
        <source>Cannot copy the demo prefix to %1: %2</source>
        <translation>Impossible de copier le préfixe de démonstration vers %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>fk::DifferenceRows</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>all users</source>
        <translation>tous les utilisateurs</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>gras</translation>
    </message>
    <message>
        <source>italic</source>
        <translation>italique</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>weight %1</source>
        <translation>graisse %1</translation>
    </message>
</context>
<context>
    <name>fk::EditTools</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>Re&amp;chercher...</translation>
    </message>
    <message>
        <source>Reset all settings of this account…</source>
        <translation>Réinitialiser tous les paramètres de ce compte…</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importer des paramètres</translation>
    </message>
    <message>
        <source>all users</source>
        <translation>tous les utilisateurs</translation>
    </message>
    <message>
        <source>this account</source>
        <translation>ce compte</translation>
    </message>
    <message>
        <source>Reset all settings</source>
        <translation>Réinitialiser tous les paramètres</translation>
    </message>
    <message>
        <source>Restore the default of every setting of %1?</source>
        <translation>Rétablir la valeur par défaut de chaque paramètre pour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Tout réinitialiser</translation>
    </message>
    <message>
        <source>&amp;Changed only</source>
        <translation>&amp;Modifiés seulement</translation>
    </message>
    <message>
        <source>Take values over</source>
        <translation>Reprendre des valeurs</translation>
    </message>
    <message>
        <source>Copy settings</source>
        <translation>Copier les paramètres</translation>
    </message>
</context>
<context>
    <name>fk::FilePanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Select file...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>fk::FontPanel</name>
    <message>
        <source>Font:</source>
        <translation>Police&#xa0;:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Bold:</source>
        <translation>Gras&#xa0;:</translation>
    </message>
    <message>
        <source>Normal is 400. Bold is 700.</source>
        <translation>Normal&#xa0;: 400. Gras&#xa0;: 700.</translation>
    </message>
    <message>
        <source>Character set:</source>
        <translation>Jeu de car.&#xa0;:</translation>
    </message>
    <message>
        <source>Preview of the selected font:</source>
        <translation>Aperçu de la police choisie&#xa0;:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Enable this setting (default is enabled)</source>
        <translation>Activer ce paramètre (par défaut&#xa0;: activé)</translation>
    </message>
    <message>
        <source>Enable this setting (default is disabled)</source>
        <translation>Activer ce paramètre (par défaut&#xa0;: désactivé)</translation>
    </message>
    <message>
        <source>Setting not saved.</source>
        <translation>Paramètre non enregistré.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>fk::KeyboardHelp</name>
    <message>
        <source>%1: find a setting by its name or description</source>
        <translation>%1&#xa0;: chercher un paramètre par son nom ou sa description</translation>
    </message>
    <message>
        <source>Down, in the find box: the settings found</source>
        <translation>Flèche bas, dans la zone de recherche&#xa0;: les paramètres trouvés</translation>
    </message>
    <message>
        <source>Esc, in the find box: clear it, then hide it</source>
        <translation>Échap, dans la zone de recherche&#xa0;: la vider, puis la masquer</translation>
    </message>
    <message>
        <source>Esc, elsewhere: close the tag picker and the window</source>
        <translation>Échap, ailleurs&#xa0;: fermer le sélecteur de balises et la fenêtre</translation>
    </message>
    <message>
        <source>Up and Down, in the settings list: the setting above or below</source>
        <translation>Flèches haut et bas, dans la liste des paramètres&#xa0;: le paramètre au-dessus ou en dessous</translation>
    </message>
    <message>
        <source>Tab and Shift+Tab: the next or the previous control</source>
        <translation>Tab et Maj+Tab&#xa0;: la commande suivante ou précédente</translation>
    </message>
    <message>
        <source>Return, in a setting&apos;s box: &quot;Change&quot;</source>
        <translation>Entrée, dans la zone d’un paramètre&#xa0;: «&#xa0;Modifier&#xa0;»</translation>
    </message>
    <message>
        <source>%1: undo the last change</source>
        <translation>%1&#xa0;: annuler la dernière modification</translation>
    </message>
    <message>
        <source>%1: redo it</source>
        <translation>%1&#xa0;: la rétablir</translation>
    </message>
    <message>
        <source>Alt and the underlined letter: a menu or one of its items</source>
        <translation>Alt et la lettre soulignée&#xa0;: un menu ou l’un de ses éléments</translation>
    </message>
    <message>
        <source>&amp;Keyboard shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
</context>
<context>
    <name>fk::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
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
        <translation>Wine tourne dans ce préfixe&#xa0;: les modifications ne peuvent pas être enregistrées pour l’instant.</translation>
    </message>
    <message>
        <source>Edit settings for this user</source>
        <translation>Paramètres de cet utilisateur</translation>
    </message>
    <message>
        <source>Version: %1.%2.%3</source>
        <translation>Version&#xa0;: %1.%2.%3</translation>
    </message>
    <message>
        <source>Use this program with Brisko! %1 or above.</source>
        <translation>Utilisez ce programme avec Brisko! %1 ou plus récent.</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source> --&gt; All users &lt;--</source>
        <translation> --&gt; Tous les utilisateurs &lt;--</translation>
    </message>
    <message>
        <source> --&gt; Default user &lt;--</source>
        <translation> --&gt; Utilisateur par défaut &lt;--</translation>
    </message>
    <message>
        <source>Settings exported to %1</source>
        <translation>Paramètres exportés dans %1</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>Choisissez un compte</translation>
    </message>
    <message>
        <source>Not saved: %1.</source>
        <translation>Non enregistré&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>fk::NumberPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Valeur&#xa0;:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Wrong value.</source>
        <translation>Valeur incorrecte.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Allowed values: %1 to %2</source>
        <translation>Valeurs permises&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <source>Allowed values: %1 or more</source>
        <translation>Valeurs permises&#xa0;: %1 ou plus</translation>
    </message>
</context>
<context>
    <name>fk::Options</name>
    <message>
        <source>Edits the hidden settings of Brisko! in a Wine prefix.</source>
        <translation>Modifie les paramètres cachés de Brisko! dans un préfixe Wine.</translation>
    </message>
    <message>
        <source>Edit the Wine prefix in DIR.</source>
        <translation>Modifier le préfixe Wine situé dans RÉP.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>RÉP</translation>
    </message>
    <message>
        <source>List the Wine prefixes that hold Brisko!, the one opened first first, and quit.</source>
        <translation>Lister les préfixes Wine qui contiennent Brisko!, celui ouvert en premier en tête, puis quitter.</translation>
    </message>
    <message>
        <source>Edit this user.reg instead of the Wine prefix&apos;s.</source>
        <translation>Modifier ce user.reg au lieu de celui du préfixe Wine.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FICHIER</translation>
    </message>
    <message>
        <source>Edit a private copy of the demo prefix.</source>
        <translation>Modifier une copie privée du préfixe de démonstration.</translation>
    </message>
    <message>
        <source> See fettlekit --help.</source>
        <translation> Voir fettlekit --help.</translation>
    </message>
    <message>
        <source>--registry, --prefix and --demo cannot be used together.</source>
        <translation>--registry, --prefix et --demo ne peuvent pas être utilisés ensemble.</translation>
    </message>
    <message>
        <source>Write pictures of the main window to DIR, then quit.</source>
        <translation>Écrire des images de la fenêtre principale dans RÉP, puis quitter.</translation>
    </message>
    <message>
        <source>Quit once the main window has been painted.</source>
        <translation>Quitter dès que la fenêtre principale a été dessinée.</translation>
    </message>
    <message>
        <source>Edits the hidden settings of Brisko!.</source>
        <translation>Modifie les paramètres cachés de Brisko!.</translation>
    </message>
    <message>
        <source>The Qt platform to use.</source>
        <translation>La plateforme Qt à utiliser.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
</context>
<context>
    <name>fk::PrefixChoice</name>
    <message>
        <source>Fettlekit looked for %1, but there is no such folder.</source>
        <translation>Fettlekit a cherché %1, mais ce dossier n’existe pas.</translation>
    </message>
    <message>
        <source>Fettlekit looked for the registry file %1, but there is none: this is not a Wine prefix. A prefix is the folder that holds user.reg, beside drive_c.</source>
        <translation>Fettlekit a cherché le fichier de registre %1, mais il n’existe pas&#xa0;: ce n’est pas un préfixe Wine. Un préfixe est le dossier qui contient user.reg, à côté de drive_c.</translation>
    </message>
    <message>
        <source>Fettlekit cannot read the registry file %1 (%2).</source>
        <translation>Fettlekit ne peut pas lire le fichier de registre %1 (%2).</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>The registry file is damaged: %1. Fettlekit leaves it as it is.</source>
        <translation>Le fichier de registre est endommagé&#xa0;: %1. Fettlekit le laisse tel quel.</translation>
    </message>
    <message>
        <source>Fettlekit looked in %1 for Brisko!&apos;s settings (the key HKEY_CURRENT_USER\%2), but there are none: Brisko! 3 has not run in this prefix yet. Open it anyway to create the key.</source>
        <translation>Fettlekit a cherché dans %1 les paramètres de Brisko! (la clé HKEY_CURRENT_USER\%2), sans en trouver&#xa0;: Brisko! 3 n’a pas encore tourné dans ce préfixe. Ouvrez-le quand même pour créer la clé.</translation>
    </message>
    <message>
        <source>No Wine prefix with Brisko! 3 was found. Fettlekit looked in:</source>
        <translation>Aucun préfixe Wine avec Brisko! 3 n’a été trouvé. Fettlekit a cherché dans&#xa0;:</translation>
    </message>
    <message>
        <source>Wine: %1</source>
        <translation>Wine&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 is a file of exported settings, not a prefix&apos;s registry: File &gt; &quot;Import settings…&quot; reads it.</source>
        <translation>%1 est un fichier de paramètres exportés, pas le registre d’un préfixe&#xa0;: Fichier &gt; «&#xa0;Importer des paramètres…&#xa0;» le lit.</translation>
    </message>
</context>
<context>
    <name>fk::QuickTextPanel</name>
    <message>
        <source>Quick Text:</source>
        <translation>Texte type&#xa0;:</translation>
    </message>
    <message>
        <source>Text:</source>
        <translation>Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Alias:</source>
        <translation>Alias&#xa0;:</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>An unexpected error has been found while opening the registry</source>
        <translation>Une erreur inattendue s’est produite à l’ouverture du registre</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>fk::RegistryTexts</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wine is running in this prefix and its live registry cannot be reached: %1</source>
        <translation>Wine tourne dans ce préfixe et son registre en direct est inaccessible&#xa0;: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>another program left it damaged: %1</source>
        <translation>un autre programme l’a laissé endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>it was removed by another program</source>
        <translation>un autre programme l’a supprimé</translation>
    </message>
    <message numerus="yes">
        <source>another writer held the lock beside it for %n second(s)</source>
        <translation>
            <numerusform>un autre programme a gardé le verrou voisin pendant %n seconde</numerusform>
            <numerusform>un autre programme a gardé le verrou voisin pendant %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>no lock beside it: %1</source>
        <translation>pas de verrou à côté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wine started in this prefix and writes its own copy over the file when it ends</source>
        <translation>Wine a démarré dans ce préfixe et écrira sa propre copie par-dessus le fichier en s’arrêtant</translation>
    </message>
    <message>
        <source>another program changed it in a way the changes no longer fit</source>
        <translation>un autre programme l’a modifié de sorte que les modifications ne s’appliquent plus</translation>
    </message>
    <message>
        <source>another program changed it during the save</source>
        <translation>un autre programme l’a modifié pendant l’enregistrement</translation>
    </message>
    <message>
        <source>it cannot be opened again</source>
        <translation>il ne peut pas être rouvert</translation>
    </message>
    <message>
        <source>fettlekit-bridge.exe was not found (set FETTLEKIT_BRIDGE to its path)</source>
        <translation>fettlekit-bridge.exe est introuvable (indiquez son chemin dans FETTLEKIT_BRIDGE)</translation>
    </message>
    <message>
        <source>the wineserver of this prefix runs in a process that cannot be named from here</source>
        <translation>le wineserver de ce préfixe tourne dans un processus qui ne peut pas être désigné d’ici</translation>
    </message>
    <message>
        <source>the prefix has no path that wineserver %1, which runs in a sandbox, can see</source>
        <translation>le préfixe n’a aucun chemin visible par le wineserver %1, qui tourne dans un bac à sable</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>cannot copy the bridge into the prefix %1: %2</source>
        <translation>impossible de copier le pont dans le préfixe %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the bridge copied into the prefix cannot be seen by wineserver %1</source>
        <translation>le wineserver %1 ne voit pas le pont copié dans le préfixe</translation>
    </message>
    <message>
        <source>cannot make a pipe: %1</source>
        <translation>impossible de créer un tube&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot prepare the program started for Wine: %1</source>
        <translation>impossible de préparer le programme lancé pour Wine&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot start Wine: %1</source>
        <translation>impossible de lancer Wine&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot enter the namespaces of wineserver %1: %2</source>
        <translation>impossible d’entrer dans les espaces de noms du wineserver %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot enter the root folder of wineserver %1: %2</source>
        <translation>impossible d’entrer dans le dossier racine du wineserver %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot start a process in the PID namespace of wineserver %1: %2</source>
        <translation>impossible de lancer un processus dans l’espace de noms PID du wineserver %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot drop the privileges of the program started for Wine: %1</source>
        <translation>impossible de retirer ses privilèges au programme lancé pour Wine&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot set up the pipes of the program started for Wine: %1</source>
        <translation>impossible de mettre en place les tubes du programme lancé pour Wine&#xa0;: %1</translation>
    </message>
    <message>
        <source>cannot run Wine: no program to try</source>
        <translation>impossible d’exécuter Wine&#xa0;: aucun programme à essayer</translation>
    </message>
    <message>
        <source>cannot run %1: %2</source>
        <translation>impossible d’exécuter %1&#xa0;: %2</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>the bridge %1 did not answer under Wine</source>
        <translation>le pont %1 n’a pas répondu sous Wine</translation>
    </message>
    <message>
        <source>the file is empty, not a Wine registry</source>
        <translation>le fichier est vide, ce n’est pas un registre Wine</translation>
    </message>
    <message>
        <source>not a Wine registry file (the first line must be &quot;WINE REGISTRY Version 2&quot;)</source>
        <translation>ce n’est pas un fichier de registre Wine (la première ligne doit être «&#xa0;WINE REGISTRY Version 2&#xa0;»)</translation>
    </message>
    <message>
        <source>unsupported registry version: &quot;%1&quot;</source>
        <translation>version de registre non prise en charge&#xa0;: «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unrecognised line &quot;%1&quot;</source>
        <translation>ligne non reconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>bad time stamp &quot;%1&quot;</source>
        <translation>horodatage incorrect «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>bad key class</source>
        <translation>classe de clé incorrecte</translation>
    </message>
    <message>
        <source>a value before the first key</source>
        <translation>une valeur avant la première clé</translation>
    </message>
    <message>
        <source>value name without its closing quote</source>
        <translation>le nom de la valeur n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>missing &quot;=&quot; after the value name</source>
        <translation>«&#xa0;=&#xa0;» manque après le nom de la valeur</translation>
    </message>
    <message>
        <source>the value appears twice in its key</source>
        <translation>la valeur figure deux fois dans sa clé</translation>
    </message>
    <message>
        <source>text without its closing quote</source>
        <translation>le texte n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>unexpected text after the closing quote</source>
        <translation>texte inattendu après le guillemet fermant</translation>
    </message>
    <message>
        <source>bad dword &quot;%1&quot;</source>
        <translation>dword incorrect «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>bad value type &quot;%1&quot;</source>
        <translation>type de valeur incorrect «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>unknown value type &quot;%1&quot;</source>
        <translation>type de valeur inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>bad byte in hex data</source>
        <translation>octet incorrect dans les données hexadécimales</translation>
    </message>
    <message>
        <source>bad hex data</source>
        <translation>données hexadécimales incorrectes</translation>
    </message>
    <message>
        <source>hex data continues past the end of the file</source>
        <translation>les données hexadécimales continuent au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>key name without its closing &quot;]&quot;</source>
        <translation>le nom de clé n’a pas de «&#xa0;]&#xa0;» fermant</translation>
    </message>
    <message>
        <source>unexpected text after the key name</source>
        <translation>texte inattendu après le nom de clé</translation>
    </message>
    <message>
        <source>key [%1] appears twice</source>
        <translation>la clé [%1] figure deux fois</translation>
    </message>
</context>
<context>
    <name>fk::Session</name>
    <message>
        <source>Wine&apos;s live registry cannot be reached: </source>
        <translation>Le registre actif de Wine est inaccessible&#xa0;: </translation>
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
Modifie les paramètres cachés de Brisko! dans un préfixe Wine.

En cours de modification&#xa0;: %2</translation>
    </message>
    <message>
        <source>About Fettlekit</source>
        <translation>À propos de Fettlekit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Fettlekit %1
Edits the hidden settings of Brisko!.

Editing: HKEY_CURRENT_USER\Software\Tavrel\Brisko2</source>
        <translation>Fettlekit %1
Modifie les paramètres cachés de Brisko!.

En cours de modification&#xa0;: HKEY_CURRENT_USER\Software\Tavrel\Brisko2</translation>
    </message>
    <message>
        <source>&amp;Open prefix…</source>
        <translation>&amp;Ouvrir un préfixe…</translation>
    </message>
</context>
<context>
    <name>fk::SettingsFilter</name>
    <message>
        <source>Find a setting</source>
        <translation>Rechercher un paramètre</translation>
    </message>
    <message>
        <source>No setting matches</source>
        <translation>Aucun paramètre ne correspond</translation>
    </message>
    <message>
        <source>No setting differs from its default</source>
        <translation>Aucun paramètre ne diffère de sa valeur par défaut</translation>
    </message>
</context>
<context>
    <name>fk::SettingsTransferActions</name>
    <message>
        <source>Export settings</source>
        <translation>Exporter des paramètres</translation>
    </message>
    <message>
        <source>Import settings</source>
        <translation>Importer des paramètres</translation>
    </message>
    <message>
        <source>Registry files (*.reg)</source>
        <translation>Fichiers de registre (*.reg)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export settings…</source>
        <translation>&amp;Exporter des paramètres…</translation>
    </message>
    <message>
        <source>&amp;Import settings…</source>
        <translation>&amp;Importer des paramètres…</translation>
    </message>
    <message>
        <source>This account</source>
        <translation>Ce compte</translation>
    </message>
    <message>
        <source>Every account</source>
        <translation>Tous les comptes</translation>
    </message>
    <message>
        <source>Which settings do you want to export?</source>
        <translation>Quels paramètres voulez-vous exporter&#xa0;?</translation>
    </message>
    <message>
        <source>
Nothing was imported.</source>
        <translation>
Rien n’a été importé.</translation>
    </message>
    <message>
        <source>The file holds no setting that differs from what is stored.</source>
        <translation>Le fichier ne contient aucun paramètre différent de ce qui est enregistré.</translation>
    </message>
    <message numerus="yes">
        <source>Importing %1 changes %n setting(s):</source>
        <translation>
            <numerusform>L’import de %1 modifie %n paramètre&#xa0;:</numerusform>
            <numerusform>L’import de %1 modifie %n paramètres&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>fk::StartUp</name>
    <message>
        <source>no display: set DISPLAY or WAYLAND_DISPLAY, or start it from a desktop session.</source>
        <translation>pas d’affichage&#xa0;: définissez DISPLAY ou WAYLAND_DISPLAY, ou lancez le programme depuis une session de bureau.</translation>
    </message>
    <message>
        <source>no Wine prefix with Brisko! was found in </source>
        <translation>aucun préfixe Wine avec Brisko! trouvé dans </translation>
    </message>
    <message>
        <source>no Wine prefix was chosen.</source>
        <translation>aucun préfixe Wine choisi.</translation>
    </message>
</context>
<context>
    <name>fk::StoreTexts</name>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 ne peut pas être lu.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 ne peut pas être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>This is not a registry file: its first line must be &quot;Windows Registry Editor Version 5.00&quot; or &quot;REGEDIT4&quot;.</source>
        <translation>Ce n’est pas un fichier de registre&#xa0;: sa première ligne doit être «&#xa0;Windows Registry Editor Version 5.00&#xa0;» ou «&#xa0;REGEDIT4&#xa0;».</translation>
    </message>
    <message>
        <source>unknown escape \%1</source>
        <translation>séquence d’échappement inconnue \%1</translation>
    </message>
    <message>
        <source>deleting a key is not imported here, only values</source>
        <translation>la suppression d’une clé n’est pas importée ici, seulement des valeurs</translation>
    </message>
    <message>
        <source>the key %1 is outside HKEY_CURRENT_USER\%2</source>
        <translation>la clé %1 est en dehors de HKEY_CURRENT_USER\%2</translation>
    </message>
    <message>
        <source>the value comes before any [key]</source>
        <translation>la valeur précède toute [clé]</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number (dword:)</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre (dword:)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a colour, dword:00bbggrr</source>
        <translation>«&#xa0;%1&#xa0;» doit être une couleur, dword:00bbggrr</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number from %2 to %3</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre de %2 à %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must be a number of at least %2</source>
        <translation>«&#xa0;%1&#xa0;» doit être un nombre d’au moins %2</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; must be a text of at most %n character(s)</source>
        <translation>
            <numerusform>«&#xa0;%1&#xa0;» doit être un texte d’au plus %n caractère</numerusform>
            <numerusform>«&#xa0;%1&#xa0;» doit être un texte d’au plus %n caractères</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>this is not a key, a value or a comment</source>
        <translation>ce n’est ni une clé, ni une valeur, ni un commentaire</translation>
    </message>
    <message>
        <source>the value name has no closing quotation mark</source>
        <translation>le nom de la valeur n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>the key name is not closed with ]</source>
        <translation>le nom de la clé n’est pas fermé par ]</translation>
    </message>
    <message>
        <source>the value name is not followed by =</source>
        <translation>le nom de la valeur n’est pas suivi de =</translation>
    </message>
    <message>
        <source>a deletion is written &quot;name&quot;=-</source>
        <translation>une suppression s’écrit &quot;name&quot;=-</translation>
    </message>
    <message>
        <source>the type in hex(...) is not a number</source>
        <translation>le type dans hex(...) n’est pas un nombre</translation>
    </message>
    <message>
        <source>the data is not a text, dword:, hex: or hex(N):</source>
        <translation>les données ne sont ni un texte, ni dword:, hex: ou hex(N):</translation>
    </message>
    <message>
        <source>the text has no closing quotation mark</source>
        <translation>le texte n’a pas de guillemet fermant</translation>
    </message>
    <message>
        <source>something follows the closing quotation mark</source>
        <translation>quelque chose suit le guillemet fermant</translation>
    </message>
    <message>
        <source>dword: has no number</source>
        <translation>dword: n’a pas de nombre</translation>
    </message>
    <message>
        <source>dword: takes at most 8 hex digits</source>
        <translation>dword: prend au plus 8 chiffres hexadécimaux</translation>
    </message>
    <message>
        <source>dword: is not a hex number</source>
        <translation>dword: n’est pas un nombre hexadécimal</translation>
    </message>
    <message>
        <source>a byte in hex data is above ff</source>
        <translation>un octet des données hex dépasse ff</translation>
    </message>
    <message>
        <source>something follows the \ that carries on hex data</source>
        <translation>quelque chose suit le \ qui prolonge les données hex</translation>
    </message>
    <message>
        <source>hex data holds something that is not a byte</source>
        <translation>les données hex contiennent autre chose qu’un octet</translation>
    </message>
    <message>
        <source>the line after a \ does not go on with hex data</source>
        <translation>la ligne après un \ ne poursuit pas les données hex</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>another program was rewriting it</source>
        <translation>un autre programme était en train de le réécrire</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Permission non accordée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers accessible en lecture seulement</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>absent</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>RGB(%1, %2, %3)</source>
        <translation>RVB(%1, %2, %3)</translation>
    </message>
    <message>
        <source>%1, %2, weight %3</source>
        <translation>%1, %2, graisse %3</translation>
    </message>
    <message>
        <source>, italic</source>
        <translation>, italique</translation>
    </message>
    <message>
        <source>, character set %1</source>
        <translation>, jeu de caractères %1</translation>
    </message>
    <message>
        <source>, enabled</source>
        <translation>, activée</translation>
    </message>
    <message>
        <source>, disabled</source>
        <translation>, désactivée</translation>
    </message>
    <message>
        <source>False for %1</source>
        <translation>Faux pour %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved, so nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré, rien n’a donc été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved, and what was saved before it could not all be put back. Stored now:</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être enregistré, et ce qui l’avait été avant n’a pas pu être entièrement rétabli. Enregistré maintenant&#xa0;:</translation>
    </message>
    <message>
        <source>%1: %2 (was %3)</source>
        <translation>%1&#xa0;: %2 (avant&#xa0;: %3)</translation>
    </message>
</context>
<context>
    <name>fk::SwitchTextPanel</name>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Faux</translation>
    </message>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>local specific</source>
        <translation>selon la région</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>True (default)</source>
        <translation>Vrai (par défaut)</translation>
    </message>
    <message>
        <source>False (default)</source>
        <translation>Faux (par défaut)</translation>
    </message>
</context>
<context>
    <name>fk::TagPickerWindow</name>
    <message>
        <source>Day of month as digits with no leading zero for single-digit days.</source>
        <translation>Jour du mois en chiffres, sans zéro initial pour les jours à un chiffre.</translation>
    </message>
    <message>
        <source>Day of month as digits with leading zero for single-digit days.</source>
        <translation>Jour du mois en chiffres, avec zéro initial pour les jours à un chiffre.</translation>
    </message>
    <message>
        <source>Day of week as a three-letter abbreviation.</source>
        <translation>Jour de la semaine abrégé en trois lettres.</translation>
    </message>
    <message>
        <source>Day of week as its full name.</source>
        <translation>Jour de la semaine en toutes lettres.</translation>
    </message>
    <message>
        <source>Month as digits with no leading zero for single-digit months.</source>
        <translation>Mois en chiffres, sans zéro initial pour les mois à un chiffre.</translation>
    </message>
    <message>
        <source>Month as digits with leading zero for single-digit months.</source>
        <translation>Mois en chiffres, avec zéro initial pour les mois à un chiffre.</translation>
    </message>
    <message>
        <source>Month as a three-letter abbreviation.</source>
        <translation>Mois abrégé en trois lettres.</translation>
    </message>
    <message>
        <source>Month as its full name.</source>
        <translation>Mois en toutes lettres.</translation>
    </message>
    <message>
        <source>Year as last two digits, but with leading zero for years less than 10.</source>
        <translation>Année sur ses deux derniers chiffres, avec zéro initial pour les années inférieures à 10.</translation>
    </message>
    <message>
        <source>Year represented by full four digits.</source>
        <translation>Année sur quatre chiffres.</translation>
    </message>
    <message>
        <source>Hours with no leading zero for single-digit hours; 12-hour clock.</source>
        <translation>Heures sans zéro initial pour les heures à un chiffre&#xa0;; format 12 heures.</translation>
    </message>
    <message>
        <source>Hours with leading zero for single-digit hours; 12-hour clock.</source>
        <translation>Heures avec zéro initial pour les heures à un chiffre&#xa0;; format 12 heures.</translation>
    </message>
    <message>
        <source>Hours with no leading zero for single-digit hours; 24-hour clock.</source>
        <translation>Heures sans zéro initial pour les heures à un chiffre&#xa0;; format 24 heures.</translation>
    </message>
    <message>
        <source>Hours with leading zero for single-digit hours; 24-hour clock.</source>
        <translation>Heures avec zéro initial pour les heures à un chiffre&#xa0;; format 24 heures.</translation>
    </message>
    <message>
        <source>Minutes with no leading zero for single-digit minutes.</source>
        <translation>Minutes sans zéro initial pour les minutes à un chiffre.</translation>
    </message>
    <message>
        <source>Minutes with leading zero for single-digit minutes.</source>
        <translation>Minutes avec zéro initial pour les minutes à un chiffre.</translation>
    </message>
    <message>
        <source>Seconds with no leading zero for single-digit seconds.</source>
        <translation>Secondes sans zéro initial pour les secondes à un chiffre.</translation>
    </message>
    <message>
        <source>Seconds with leading zero for single-digit seconds.</source>
        <translation>Secondes avec zéro initial pour les secondes à un chiffre.</translation>
    </message>
    <message>
        <source>One character time-marker string, such as A or P.</source>
        <translation>Indicateur matin/après-midi d’un caractère, comme A ou P.</translation>
    </message>
    <message>
        <source>Multicharacter time-marker string, such as AM or PM.</source>
        <translation>Indicateur matin/après-midi de plusieurs caractères, comme AM ou PM.</translation>
    </message>
    <message>
        <source>Timestamp.</source>
        <translation>Horodatage.</translation>
    </message>
    <message>
        <source>Name.</source>
        <translation>Nom.</translation>
    </message>
    <message>
        <source>Message.</source>
        <translation>Message.</translation>
    </message>
    <message>
        <source>Date/Time Tags</source>
        <translation>Balises de date et d’heure</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Date Tags</source>
        <translation>Balises de date</translation>
    </message>
    <message>
        <source>Time Tags</source>
        <translation>Balises d’heure</translation>
    </message>
    <message>
        <source>Quote Tags</source>
        <translation>Balises de citation</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>fk::TextPanel</name>
    <message>
        <source>Default value:</source>
        <translation>Par défaut&#xa0;:</translation>
    </message>
    <message>
        <source>local specific</source>
        <translation>selon la région</translation>
    </message>
    <message>
        <source>New value:</source>
        <translation>Nouvelle&#xa0;:</translation>
    </message>
    <message>
        <source>Set default</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Insert tag...</source>
        <translation>Balise...</translation>
    </message>
    <message>
        <source>To add normal text, use single quotes. Example: &quot;dd&apos;/&apos;MM&quot; will produce &quot;18/10&quot;.</source>
        <translation>Pour du texte normal, utilisez des apostrophes. Exemple&#xa0;: &quot;dd&apos;/&apos;MM&quot; donne &quot;18/10&quot;.</translation>
    </message>
    <message>
        <source>To add normal text, use single quotes. Example: &quot;HH&apos;:&apos;mm&quot; will produce &quot;12:40&quot;.</source>
        <translation>Pour du texte normal, utilisez des apostrophes. Exemple&#xa0;: &quot;HH&apos;:&apos;mm&quot; donne &quot;12:40&quot;.</translation>
    </message>
    <message>
        <source>Don&apos;t put each tag more than once, else the 2nd and next ones may not work.</source>
        <translation>N’utilisez chaque balise qu’une fois, sinon les suivantes risquent de ne pas marcher.</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::CopyTargetsView</name>
    <message>
        <source>Copy these settings to:</source>
        <translation>Copier ces paramètres vers :</translation>
    </message>
    <message>
        <source>Copy these settings to</source>
        <translation>Copier ces paramètres vers</translation>
    </message>
    <message>
        <source>Every setting</source>
        <translation>Tous les paramètres</translation>
    </message>
    <message>
        <source>Only the changed ones</source>
        <translation>Seulement ceux qui ont changé</translation>
    </message>
    <message>
        <source>Which settings</source>
        <translation>Quels paramètres</translation>
    </message>
    <message>
        <source>&amp;Which settings:</source>
        <translation>&amp;Quels paramètres :</translation>
    </message>
    <message>
        <source>Copy…</source>
        <translation>Copier…</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::DifferencesView</name>
    <message>
        <source>Setting</source>
        <translation>Paramètre</translation>
    </message>
    <message>
        <source>Current value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Incoming value</source>
        <translation>Nouvelle valeur</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>%1: now %2, incoming %3, default %4</source>
        <translation>%1 : actuellement %2, nouvelle valeur %3, par défaut %4</translation>
    </message>
    <message>
        <source>Take the ticked values</source>
        <translation>Reprendre les valeurs cochées</translation>
    </message>
</context>
<context>
    <name>fk::dialogs::PrefixDialog</name>
    <message>
        <source>Wine prefix folder</source>
        <translation>Dossier de préfixe Wine</translation>
    </message>
    <message>
        <source>Wine registry file</source>
        <translation>Fichier de registre Wine</translation>
    </message>
    <message>
        <source>Wine user registry (user.reg)</source>
        <translation>Registre utilisateur de Wine (user.reg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open prefix</source>
        <translation>Ouvrir un préfixe</translation>
    </message>
    <message>
        <source>Brisko! was found in these Wine prefixes:</source>
        <translation>Brisko! a été trouvé dans ces préfixes Wine&#xa0;:</translation>
    </message>
    <message>
        <source>Browse to the prefix folder, or to its user.reg.</source>
        <translation>Choisissez le dossier du préfixe, ou son user.reg.</translation>
    </message>
    <message>
        <source>Open anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>Browse for a folder…</source>
        <translation>Choisir un dossier…</translation>
    </message>
    <message>
        <source>Browse for a user.reg…</source>
        <translation>Choisir un user.reg…</translation>
    </message>
</context>
<context>
    <name>fk::messages</name>
    <message>
        <source>An error has been found with the registry.<byte value="xd"/>
Make sure you have Brisko! 3 installed.</source>
        <translation>Une erreur a été trouvée dans le registre.<byte value="xd"/>
Vérifiez que Brisko! 3 est installé.</translation>
    </message>
    <message>
        <source>An unexpected error has been found while opening the account &quot;%1&quot;</source>
        <translation>Une erreur inattendue s’est produite à l’ouverture du compte «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Setting not saved.</source>
        <translation>Paramètre non enregistré.</translation>
    </message>
    <message>
        <source>The program needs to be updated!</source>
        <translation>Le programme doit être mis à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Wine is running in this prefix, so changes cannot be saved now. Close the programs that run under Wine, then start Fettlekit again.</source>
        <translation>Wine tourne dans ce préfixe, les modifications ne peuvent donc pas être enregistrées pour l’instant. Fermez les programmes qui tournent sous Wine, puis relancez Fettlekit.</translation>
    </message>
    <message>
        <source>The change was saved, but Wine started in this prefix meanwhile and may write its own copy of the settings over it when it ends. Close the programs that run under Wine, then start Fettlekit again.</source>
        <translation>La modification a été enregistrée, mais Wine a démarré entre-temps dans ce préfixe et risque d’écrire sa propre copie des paramètres par-dessus en se terminant. Fermez les programmes qui tournent sous Wine, puis relancez Fettlekit.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
</context>
</TS>
