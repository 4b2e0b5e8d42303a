<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Columns</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Help total</source>
        <translation>Total des aides</translation>
    </message>
    <message>
        <source>Max help</source>
        <translation>Aide max.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Nb d&apos;erreurs</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Erreurs</translation>
    </message>
    <message>
        <source>Most frequent</source>
        <translation>Le plus fréquent</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Latest %</source>
        <translation>Dernier %</translation>
    </message>
    <message>
        <source>Best %</source>
        <translation>Meilleur %</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>Due</source>
        <translatorcomment>native review: review items due (today or before); column header of the class overview</translatorcomment>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Appris</translation>
    </message>
    <message>
        <source>NAME</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>NOM</translation>
    </message>
    <message>
        <source>WORD</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>MOT</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>RÉPONSE</translation>
    </message>
    <message>
        <source>TIME1</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>HEURE1</translation>
    </message>
    <message>
        <source>DATE1</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>DATE1</translation>
    </message>
    <message>
        <source>FILE1</source>
        <translatorcomment>the log window shows the score database&apos;s field names as headers; kept in capitals (and with the 1) so a teacher writing SQL sees which field it is</translatorcomment>
        <translation>FICHIER1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aides</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>NOMBRE</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Invalid function number</source>
        <translation>Numéro de fonction non valable</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Chemin introuvable</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Invalid handle</source>
        <translation>Descripteur non valable</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Invalid environment</source>
        <translation>Environnement non valable</translation>
    </message>
    <message>
        <source>Invalid format</source>
        <translation>Format non valable</translation>
    </message>
    <message>
        <source>Invalid file access code</source>
        <translation>Code d&apos;accès au fichier non valable</translation>
    </message>
    <message>
        <source>Invalid drive number</source>
        <translation>Numéro de lecteur non valable</translation>
    </message>
    <message>
        <source>Cannot remove current directory</source>
        <translation>Impossible de supprimer le dossier actuel</translation>
    </message>
    <message>
        <source>Cannot rename across drives</source>
        <translation>Impossible de renommer d&apos;un lecteur à l&apos;autre</translation>
    </message>
    <message>
        <source>No more files</source>
        <translation>Plus de fichiers</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Erreur de lecture du disque</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Erreur d&apos;écriture sur le disque</translation>
    </message>
    <message>
        <source>File not assigned</source>
        <translation>Fichier non assigné</translation>
    </message>
    <message>
        <source>File not open</source>
        <translation>Fichier non ouvert</translation>
    </message>
    <message>
        <source>File not open for input</source>
        <translation>Fichier non ouvert en lecture</translation>
    </message>
    <message>
        <source>File not open for output</source>
        <translation>Fichier non ouvert en écriture</translation>
    </message>
    <message>
        <source>Invalid numeric format</source>
        <translation>Format numérique non valable</translation>
    </message>
    <message>
        <source>Disk is write-protected</source>
        <translation>Le disque est protégé en écriture</translation>
    </message>
    <message>
        <source>Bad drive request struct length or unknown unit</source>
        <translation>Longueur de requête de lecteur incorrecte ou unité inconnue</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Lecteur non prêt</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Commande inconnue</translation>
    </message>
    <message>
        <source>CRC error in data</source>
        <translation>Erreur CRC dans les données</translation>
    </message>
    <message>
        <source>Disk seek error</source>
        <translation>Erreur de positionnement sur le disque</translation>
    </message>
    <message>
        <source>Unknown media type</source>
        <translation>Type de support inconnu</translation>
    </message>
    <message>
        <source>Sector Not Found</source>
        <translation>Secteur introuvable</translation>
    </message>
    <message>
        <source>Printer out of paper</source>
        <translation>L&apos;imprimante n&apos;a plus de papier</translation>
    </message>
    <message>
        <source>Device write fault</source>
        <translation>Erreur d&apos;écriture du périphérique</translation>
    </message>
    <message>
        <source>Device read fault</source>
        <translation>Erreur de lecture du périphérique</translation>
    </message>
    <message>
        <source>Hardware failure</source>
        <translation>Panne matérielle</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Erreur de limite</translation>
    </message>
    <message>
        <source>Stack overflow error</source>
        <translation>Dépassement de pile</translation>
    </message>
    <message>
        <source>Heap overflow error</source>
        <translation>Dépassement du tas</translation>
    </message>
    <message>
        <source>Invalid pointer operation</source>
        <translation>Opération de pointeur non valable</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Dépassement inférieur en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valable</translation>
    </message>
    <message>
        <source>Overlay manager not installed</source>
        <translation>Gestionnaire de recouvrement non installé</translation>
    </message>
    <message>
        <source>Overlay file read error</source>
        <translation>Erreur de lecture du fichier de recouvrement</translation>
    </message>
    <message>
        <source>Object not initialized</source>
        <translation>Objet non initialisé</translation>
    </message>
    <message>
        <source>Call to abstract method</source>
        <translation>Appel d&apos;une méthode abstraite</translation>
    </message>
    <message>
        <source>Stream registration error</source>
        <translation>Erreur d&apos;enregistrement du flux</translation>
    </message>
    <message>
        <source>Collection index out of range</source>
        <translation>Indice de collection hors limites</translation>
    </message>
    <message>
        <source>Collection overflow error</source>
        <translation>Dépassement de collection</translation>
    </message>
    <message>
        <source>x coordinate to low</source>
        <translation>Coordonnée x trop petite</translation>
    </message>
    <message>
        <source>x coordinate to high</source>
        <translation>Coordonnée x trop grande</translation>
    </message>
    <message>
        <source>Range check error (page to low)</source>
        <translation>Erreur de limite (page trop basse)</translation>
    </message>
    <message>
        <source>Range check error (page to high)</source>
        <translation>Erreur de limite (page trop haute)</translation>
    </message>
    <message>
        <source>y coordinate to low</source>
        <translation>Coordonnée y trop petite</translation>
    </message>
    <message>
        <source>y coordinate to high</source>
        <translation>Coordonnée y trop grande</translation>
    </message>
    <message>
        <source>x, y coordinate out of range</source>
        <translation>Coordonnées x, y hors limites</translation>
    </message>
    <message>
        <source>Trying to make ((y - 1) * screen width) + x = &lt; 1</source>
        <translation>Tentative de calculer ((y - 1) * largeur de l&apos;écran) + x = &lt; 1</translation>
    </message>
    <message>
        <source>Pointer initialized</source>
        <translation>Pointeur initialisé</translation>
    </message>
    <message>
        <source>Pointer not initialized</source>
        <translation>Pointeur non initialisé</translation>
    </message>
    <message>
        <source>Not enough heap memory for Getmem operation</source>
        <translation>Pas assez de mémoire dans le tas pour l&apos;allocation</translation>
    </message>
    <message>
        <source>Trying to Free a nil pointer</source>
        <translation>Tentative de libérer un pointeur nul</translation>
    </message>
    <message>
        <source>Buffer can&apos;t exceed 65535(a word) lines</source>
        <translation>Le tampon ne peut pas dépasser 65535 lignes</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity</source>
        <translation>Tentative d&apos;accès à un élément du tampon qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity &lt; 0</source>
        <translation>Tentative d&apos;accès à un élément du tampon qui n&apos;existe pas (&lt; 0)</translation>
    </message>
    <message>
        <source>Window not big enough</source>
        <translation>Fenêtre pas assez grande</translation>
    </message>
    <message>
        <source>Window not wide enough</source>
        <translation>Fenêtre pas assez large</translation>
    </message>
    <message>
        <source>Window not deep enough</source>
        <translation>Fenêtre pas assez haute</translation>
    </message>
    <message>
        <source>Page not big enough</source>
        <translation>Page pas assez grande</translation>
    </message>
    <message>
        <source>Page not wide enough</source>
        <translation>Page pas assez large</translation>
    </message>
    <message>
        <source>Page not deep enough</source>
        <translation>Page pas assez haute</translation>
    </message>
    <message>
        <source>Trying to create a window with right side off Page</source>
        <translation>Tentative de créer une fenêtre dont le côté droit sort de la page</translation>
    </message>
    <message>
        <source>Trying to create a window with left side off Page</source>
        <translation>Tentative de créer une fenêtre dont le côté gauche sort de la page</translation>
    </message>
    <message>
        <source>Trying to create a window with top side off Page</source>
        <translation>Tentative de créer une fenêtre dont le haut sort de la page</translation>
    </message>
    <message>
        <source>Trying to create a window with bottom side off Page</source>
        <translation>Tentative de créer une fenêtre dont le bas sort de la page</translation>
    </message>
    <message>
        <source>Trying to access a page that is a nonentity</source>
        <translation>Tentative d&apos;accès à une page qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Trying to access a window that is a nonentity</source>
        <translation>Tentative d&apos;accès à une fenêtre qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>Width * depth &gt; than saved screen size</source>
        <translation>Largeur * hauteur &gt; taille de l&apos;écran enregistré</translation>
    </message>
    <message>
        <source>Trying to create a window with a width of &lt; 0</source>
        <translation>Tentative de créer une fenêtre de largeur &lt; 0</translation>
    </message>
    <message>
        <source>Trying to create a window with a depth of &lt; 0</source>
        <translation>Tentative de créer une fenêtre de hauteur &lt; 0</translation>
    </message>
    <message>
        <source>Trying to access an environment variable that is out of Range</source>
        <translation>Tentative d&apos;accès à une variable d&apos;environnement hors limites</translation>
    </message>
    <message>
        <source>Out of environment variable memory.</source>
        <translation>Plus de mémoire pour les variables d&apos;environnement.</translation>
    </message>
    <message>
        <source>Trying to access the environment&apos;&apos;s Program Name of the first PSP</source>
        <translation>Tentative d&apos;accès au nom du programme dans l&apos;environnement du premier PSP</translation>
    </message>
    <message>
        <source>Incomplete menu structure</source>
        <translation>Structure de menu incomplète</translation>
    </message>
    <message>
        <source>Error in menu format</source>
        <translation>Erreur dans le format du menu</translation>
    </message>
    <message>
        <source>Menu file not found</source>
        <translation>Fichier de menu introuvable</translation>
    </message>
    <message>
        <source>Pasword file not found</source>
        <translation>Fichier des mots de passe introuvable</translation>
    </message>
    <message>
        <source>User name all ready exist</source>
        <translation>Ce nom d&apos;utilisateur existe déjà</translation>
    </message>
    <message>
        <source>String value of &apos;&apos; not acceptable.</source>
        <translation>Une chaîne vide (&apos;&apos;) n&apos;est pas acceptée.</translation>
    </message>
    <message>
        <source>Error making dir.</source>
        <translation>Erreur à la création du dossier.</translation>
    </message>
    <message>
        <source>Not a file but a device or a pipe</source>
        <translation>Ce n&apos;est pas un fichier, mais un périphérique ou un tube</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop grand</translation>
    </message>
    <message>
        <source>File locked by another program</source>
        <translation>Fichier verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>A link or special file stands where a file of a shared folder should be</source>
        <translation>Un lien ou un fichier spécial se trouve à la place d&apos;un fichier du dossier partagé</translation>
    </message>
    <message>
        <source>Start up file error</source>
        <translation>Erreur du fichier de démarrage</translation>
    </message>
    <message>
        <source>No database found</source>
        <translation>Aucune base de données trouvée</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Error num %1, %2</source>
        <translation>Erreur n° %1, %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Range check error</source>
        <translation>Erreur de limite</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Dépassement d&apos;entier</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement en virgule flottante</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro en virgule flottante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valable</translation>
    </message>
    <message>
        <source>The program is ending</source>
        <translation>Le programme se termine</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valable</translation>
    </message>
    <message>
        <source>Runtime error %1</source>
        <translation>Erreur d&apos;exécution %1</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>rand function marked with ^ needs &quot;:&quot; </source>
        <translatorcomment>native review: rand is the list&apos;s own function name and stays as it is; the faulty line follows after the trailing space</translatorcomment>
        <translation>la fonction rand marquée par ^ demande &quot;:&quot; </translation>
    </message>
    <message>
        <source>rand function marked with ^ needs &quot;)&quot; </source>
        <translation>la fonction rand marquée par ^ demande &quot;)&quot; </translation>
    </message>
    <message>
        <source>function marked with ^ needs &quot;)&quot; </source>
        <translation>la fonction marquée par ^ demande &quot;)&quot; </translation>
    </message>
    <message>
        <source>the number of decimal points should be 0 to 18</source>
        <translation>le nombre de décimales doit être compris entre 0 et 18</translation>
    </message>
    <message>
        <source>unexpected error in line:</source>
        <translation>erreur inattendue dans la ligne :</translation>
    </message>
    <message>
        <source>unexpected character in&quot;%1&quot; at:%2</source>
        <translation>caractère inattendu dans &quot;%1&quot; à :%2</translation>
    </message>
    <message>
        <source>The spelling file has errors the keyword &quot;to&quot; was expected on line:%1 after:%2</source>
        <translatorcomment>native review: &quot;to&quot; is the list&apos;s own keyword (#1 to 10) and is not translated</translatorcomment>
        <translation>La liste de mots contient des erreurs : le mot-clé &quot;to&quot; était attendu dans la ligne :%1 après :%2</translation>
    </message>
    <message>
        <source>Expression too complex: a fifth operand &quot;%1&quot; arrived while the operators%2 were pending</source>
        <translatorcomment>native review: %2 is the list of pending operators, each with a space before it</translatorcomment>
        <translation>Expression trop complexe : un cinquième opérande &quot;%1&quot; est arrivé alors que les opérateurs%2 étaient en attente</translation>
    </message>
    <message>
        <source>Power too large: the exponent of %1 does not fit in 32 bits</source>
        <translation>Puissance trop grande : l&apos;exposant de %1 ne tient pas sur 32 bits</translation>
    </message>
    <message>
        <source>Power too large: %1 would have more than %2 digits</source>
        <translation>Puissance trop grande : %1 aurait plus de %2 chiffres</translation>
    </message>
    <message>
        <source>Division by zero: %1/%2</source>
        <translation>Division par zéro : %1/%2</translation>
    </message>
    <message>
        <source>Floating point overflow: %1 is too large a number</source>
        <translation>Dépassement en virgule flottante : %1 est un nombre trop grand</translation>
    </message>
    <message>
        <source>the list needs more arithmetic than a test can wait for: use smaller numbers or fewer lines</source>
        <translation>la liste demande plus de calculs qu&apos;un test ne peut en attendre : utilisez des nombres plus petits ou moins de lignes</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The list &quot;%1&quot; is there already. Replace it with the imported one?</source>
        <translation>La liste « %1 » existe déjà. La remplacer par celle importée ?</translation>
    </message>
</context>
<context>
    <name>KindWord</name>
    <message>
        <source>Right at the first try!</source>
        <translation>Juste du premier coup !</translation>
    </message>
    <message>
        <source>A word that was hard before is right now!</source>
        <translation>Un mot qui te posait problème est juste maintenant !</translation>
    </message>
    <message>
        <source>Better than last time!</source>
        <translation>Mieux que la dernière fois !</translation>
    </message>
    <message>
        <source>Well done for finishing!</source>
        <translatorcomment>native review: the kind word when nothing else went especially well</translatorcomment>
        <translation>Bravo, tu as fini !</translation>
    </message>
    <message>
        <source>Well done for the words you did!</source>
        <translation>Bravo pour les mots que tu as faits !</translation>
    </message>
    <message>
        <source>All %1 words right at the first try!</source>
        <translation>Tous les %1 mots justes du premier coup !</translation>
    </message>
    <message>
        <source>%1 words that were hard before are right now!</source>
        <translatorcomment>native review: a kind word for the child: words missed in earlier tests now right</translatorcomment>
        <translation>%1 mots qui te posaient problème sont justes maintenant !</translation>
    </message>
</context>
<context>
    <name>ListCompiler</name>
    <message>
        <source>&quot;$Decimal points&quot; needs the number of places after it, 0 to 18</source>
        <translation>&quot;$Decimal points&quot; doit être suivi du nombre de décimales, de 0 à 18</translation>
    </message>
    <message>
        <source>the line makes no question: </source>
        <translation>la ligne ne donne aucune question : </translation>
    </message>
    <message>
        <source>the question has no answer: </source>
        <translation>la question n&apos;a pas de réponse : </translation>
    </message>
    <message>
        <source>the answer holds a character no one can type</source>
        <translation>la réponse contient un caractère que personne ne peut taper</translation>
    </message>
    <message>
        <source>the answer is longer than an answer box takes: </source>
        <translation>la réponse est plus longue que ce que peut contenir une case de réponse : </translation>
    </message>
    <message>
        <source>the list would hold more than 65535 questions: the rest of this line is left out</source>
        <translation>la liste contiendrait plus de 65535 questions : le reste de cette ligne est ignoré</translation>
    </message>
    <message>
        <source> There are %1 Errors in the spelling file please check it! The error count is only aproximate and will count expanded lines and/or sometime only the first error etc.</source>
        <translatorcomment>native review: the English is itself unclear; it means the count may include each line an expression line expands to, and may count only a line&apos;s first error</translatorcomment>
        <translation> La liste de mots contient %1 erreurs, vérifiez-la ! Ce nombre n&apos;est qu&apos;approximatif : il compte les lignes développées et parfois seulement la première erreur, etc.</translation>
    </message>
</context>
<context>
    <name>MainFormO</name>
    <message>
        <source>Please use Quit button</source>
        <translation>Utilisez le bouton Quitter</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Saisissez un nom de fichier</translation>
    </message>
    <message>
        <source>Please type a name for the new list</source>
        <translation>Tapez un nom pour la nouvelle liste</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Ce fichier existe déjà</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>les réglages</translation>
    </message>
    <message>
        <source>Create new file: %1</source>
        <translation>Créer la nouvelle liste : %1</translation>
    </message>
    <message>
        <source>Access denied this is not your file! %1
The owner is :%2</source>
        <translation>Accès refusé, ce n&apos;est pas votre liste ! %1
Le propriétaire est : %2</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1</source>
        <translation>Voulez-vous vraiment supprimer %1</translation>
    </message>
    <message>
        <source> The change counts until Orv ends; %1 keeps the setting it had.</source>
        <translation> Le changement vaut jusqu&apos;à la fermeture d&apos;Orv ; %1 garde le réglage d&apos;avant.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>no user</source>
        <translation>aucun utilisateur</translation>
    </message>
</context>
<context>
    <name>MistakeKind</name>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>missed letter</source>
        <translatorcomment>native review: the kinds of mistake are the rows of the progress window&apos;s Kinds of mistakes tab, short labels for teachers</translatorcomment>
        <translation>lettre oubliée</translation>
    </message>
    <message>
        <source>extra letter</source>
        <translation>lettre en trop</translation>
    </message>
    <message>
        <source>swapped letters</source>
        <translation>lettres inversées</translation>
    </message>
    <message>
        <source>doubled letter</source>
        <translation>lettre doublée</translation>
    </message>
    <message>
        <source>single letter</source>
        <translatorcomment>native review: a letter the word has twice, typed once</translatorcomment>
        <translation>lettre double écrite simple</translation>
    </message>
    <message>
        <source>wrong vowel</source>
        <translation>mauvaise voyelle</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>mauvaise lettre</translation>
    </message>
    <message>
        <source>case</source>
        <translation>majuscules et minuscules</translation>
    </message>
    <message>
        <source>accent</source>
        <translation>accent</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>sum</source>
        <translatorcomment>native review: the row of wrong answers to sums (arithmetic questions)</translatorcomment>
        <translation>calcul</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>So close! A letter is missing:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Tout près ! Il manque une lettre :</translation>
    </message>
    <message>
        <source>So close! One letter too many:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Tout près ! Il y a une lettre de trop :</translation>
    </message>
    <message>
        <source>So close! Two letters are swapped:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Tout près ! Deux lettres sont inversées :</translation>
    </message>
    <message>
        <source>So close! This letter is single:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score; « simple » as against a doubled letter</translatorcomment>
        <translation>Tout près ! Cette lettre est simple :</translation>
    </message>
    <message>
        <source>So close! This letter is double:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Tout près ! Cette lettre est double :</translation>
    </message>
    <message>
        <source>So close! One letter is different:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Tout près ! Une lettre est différente :</translation>
    </message>
    <message>
        <source>Nearly! Only the capitals differ:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Presque ! Seules les majuscules sont différentes :</translation>
    </message>
    <message>
        <source>Nearly! Only the accents differ:</source>
        <translatorcomment>native review: said to the child after a near miss; « Tout près ! » / « Presque ! » should sound encouraging, not like a score</translatorcomment>
        <translation>Presque ! Seuls les accents sont différents :</translation>
    </message>
</context>
<context>
    <name>OrvProgram</name>
    <message>
        <source>%1 sound stored.</source>
        <translation>%1 son enregistré.</translation>
    </message>
    <message>
        <source>%1 sounds stored.</source>
        <translation>%1 sons enregistrés.</translation>
    </message>
</context>
<context>
    <name>PasswordO</name>
    <message>
        <source>the users</source>
        <translation>les utilisateurs</translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again.</source>
        <translation>Désolé, les deux mots de passe saisis ne sont pas identiques. Réessaie.</translation>
    </message>
    <message>
        <source>User not found </source>
        <translation>Utilisateur introuvable </translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Nouvel utilisateur</translation>
    </message>
    <message>
        <source>Input a Name</source>
        <translation>Saisissez un nom</translation>
    </message>
    <message>
        <source> Error number 591 </source>
        <translation> Erreur n° 591 </translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again thank you.</source>
        <translation>Désolé, les deux mots de passe saisis ne sont pas identiques. Réessaie, merci.</translation>
    </message>
    <message>
        <source>INCRECT PASWORD / USER NAME ACCESS DENIDE </source>
        <translatorcomment>native review: shown to a child who mistyped the log-in; the English is in capitals</translatorcomment>
        <translation>MOT DE PASSE OU NOM D&apos;UTILISATEUR INCORRECT, ACCÈS REFUSÉ </translation>
    </message>
    <message>
        <source>Too many wrong log-ins for this name in a row: try again in %1 s.</source>
        <translation>Trop d&apos;essais de connexion ratés de suite pour ce nom : réessaie dans %1 s.</translation>
    </message>
    <message>
        <source>Line %1 of the password file %2 %3. That line is left out; the other users can log in.</source>
        <translatorcomment>%3 is a reason such as « has a level outside 0 to 255 »</translatorcomment>
        <translation>Ligne %1 du fichier des mots de passe %2 : %3. Cette ligne est ignorée ; les autres utilisateurs peuvent se connecter.</translation>
    </message>
    <message>
        <source>The password file %1 could not be saved, so the change was not made. </source>
        <translation>Le fichier des mots de passe %1 n&apos;a pas pu être enregistré ; le changement n&apos;a donc pas été fait. </translation>
    </message>
    <message>
        <source>%1 (the password file %2 had been changed by another program).</source>
        <translation>%1 (le fichier des mots de passe %2 avait été modifié par un autre programme).</translation>
    </message>
    <message>
        <source>NO PASWORD FOR SUPPER USER, reset to &quot;%1&quot;</source>
        <translation>PAS DE MOT DE PASSE POUR LE SUPER-UTILISATEUR, remis à « %1 »</translation>
    </message>
    <message>
        <source>The super user %1 keeps the default password &quot;%2&quot;, so you are not logged in. Log in again and choose a new password.</source>
        <translation>Le super-utilisateur %1 a toujours le mot de passe par défaut « %2 » : vous n&apos;êtes donc pas connecté. Reconnectez-vous et choisissez un nouveau mot de passe.</translation>
    </message>
    <message>
        <source>The super user %1 has the default password &quot;%2&quot;, which anyone can read in the help. Choose a new password for %1.</source>
        <translation>Le super-utilisateur %1 a le mot de passe par défaut « %2 », que tout le monde peut lire dans l&apos;aide. Choisissez un nouveau mot de passe pour %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the default password. Please choose another one.</source>
        <translation>« %1 » est le mot de passe par défaut. Choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Delete user %1</source>
        <translation>Supprimer l&apos;utilisateur %1</translation>
    </message>
    <message>
        <source>The password file %1 holds more than %2 users</source>
        <translation>Le fichier des mots de passe %1 contient plus de %2 utilisateurs</translation>
    </message>
    <message>
        <source>The user &quot;%1&quot; is no longer in the password file, so the change was not made</source>
        <translation>L&apos;utilisateur « %1 » n&apos;est plus dans le fichier des mots de passe ; le changement n&apos;a donc pas été fait</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>The log-in window has not been created</source>
        <translation>La fenêtre de connexion n&apos;a pas été créée</translation>
    </message>
</context>
<context>
    <name>ReviewPlan</name>
    <message>
        <source>Nothing to review yet: the words you miss in a test come back here.</source>
        <translation>Rien à réviser pour l&apos;instant : les mots que tu manques dans un test reviendront ici.</translation>
    </message>
    <message>
        <source>Nothing to review today. The next words are due on %1.</source>
        <translation>Rien à réviser aujourd&apos;hui. Les prochains mots sont à revoir le %1.</translation>
    </message>
</context>
<context>
    <name>ScoreDatabase</name>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Data base</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Edit if wrong:</source>
        <translation>Modifiez si c&apos;est faux :</translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Create a new score database there?</source>
        <translation>Le fichier de base de données %1 n&apos;existe pas. Y créer une nouvelle base de données des résultats ?</translation>
    </message>
    <message>
        <source>Cannot connect to the database engine. Are you sure firebird or another interbase compatible database is running? </source>
        <translation>Impossible de se connecter au moteur de base de données. Firebird ou une autre base de données compatible InterBase est-elle bien lancée ? </translation>
    </message>
    <message>
        <source>The current database file is not a valid database file please click yes to choose a new one.</source>
        <translation>Le fichier de base de données actuel n&apos;est pas un fichier de base de données valable. Cliquez sur Oui pour en choisir un autre.</translation>
    </message>
    <message>
        <source>Can not open the database file for orv</source>
        <translation>Impossible d&apos;ouvrir le fichier de base de données d&apos;Orv</translation>
    </message>
    <message>
        <source>Interbase compatible database files(*.gdb)|*.gdb</source>
        <translatorcomment>the part after | is the file pattern and stays as it is</translatorcomment>
        <translation>Fichiers de base de données compatibles InterBase (*.gdb)|*.gdb</translation>
    </message>
    <message>
        <source>Access denied: choosing another score database than %1 needs level %2 (Change Database).</source>
        <translation>Accès refusé : choisir une autre base de données des résultats que %1 demande le niveau %2 (Changer de base de données).</translation>
    </message>
    <message>
        <source> The database could not be opened: %1.</source>
        <translation> La base de données n&apos;a pas pu être ouverte : %1.</translation>
    </message>
    <message>
        <source> Orv tries the same file again; if it keeps failing, ask a teacher.</source>
        <translation> Orv réessaie le même fichier ; si l&apos;erreur continue, demande à un enseignant.</translation>
    </message>
    <message>
        <source>Database file:%1
%2
do you whant to try again click No to exit Orv6?</source>
        <translation>Fichier de base de données : %1
%2
Voulez-vous réessayer ? Cliquez sur Non pour quitter Orv.</translation>
    </message>
    <message>
        <source>%1 holds letters other than plain ASCII, which the database driver cannot pass on</source>
        <translation>%1 contient des caractères autres que l&apos;ASCII simple, que le pilote de base de données ne peut pas transmettre</translation>
    </message>
    <message>
        <source>The database user name</source>
        <translation>Le nom d&apos;utilisateur de la base de données</translation>
    </message>
    <message>
        <source>The database password</source>
        <translation>Le mot de passe de la base de données</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>La base de données n&apos;est pas connectée</translation>
    </message>
    <message>
        <source>The database connection is not a Firebird connection</source>
        <translation>La connexion à la base de données n&apos;est pas une connexion Firebird</translation>
    </message>
    <message>
        <source>Cannot make the database engine&apos;s lock folder %1: %2</source>
        <translation>Impossible de créer le dossier de verrous du moteur de base de données %1 : %2</translation>
    </message>
    <message>
        <source>The database engine was about to start before its folders were set; nothing was opened</source>
        <translation>Le moteur de base de données allait démarrer avant que ses dossiers soient définis ; rien n&apos;a été ouvert</translation>
    </message>
    <message>
        <source>The character set</source>
        <translation>Le jeu de caractères</translation>
    </message>
    <message>
        <source>Cannot run &quot;%1&quot;</source>
        <translation>Impossible d&apos;exécuter &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot start a transaction</source>
        <translation>Impossible de commencer une transaction</translation>
    </message>
    <message>
        <source>Cannot commit</source>
        <translation>Impossible de valider</translation>
    </message>
    <message>
        <source>Cannot reserve %1</source>
        <translation>Impossible de réserver %1</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long; the database engine takes at most %3</source>
        <translation>%1 fait %2 octets ; le moteur de base de données en accepte au plus %3</translation>
    </message>
    <message>
        <source>The database engine&apos;s parameters are %1 bytes long; it takes at most %2</source>
        <translation>Les paramètres du moteur de base de données font %1 octets ; il en accepte au plus %2</translation>
    </message>
    <message>
        <source>Only a single select statement can be run here. The statement was not run and nothing was changed.</source>
        <translation>Seule une instruction SELECT unique peut être exécutée ici. L&apos;instruction n&apos;a pas été exécutée et rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Cannot upgrade the score database: </source>
        <translation>Impossible de mettre à jour la base de données des résultats : </translation>
    </message>
    <message>
        <source>Cannot set the learners&apos; rights: </source>
        <translation>Impossible de définir les droits des élèves : </translation>
    </message>
    <message>
        <source>Cannot read the score database&apos;s version: %1</source>
        <translation>Impossible de lire la version de la base de données des résultats : %1</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>Impossible de commencer une transaction : %1</translation>
    </message>
    <message>
        <source>Cannot commit: the connection to the database is lost</source>
        <translation>Impossible de valider : la connexion à la base de données est perdue</translation>
    </message>
    <message>
        <source>Cannot roll back: %1</source>
        <translation>Impossible d&apos;annuler la transaction : %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>Impossible de valider : %1</translation>
    </message>
    <message>
        <source>The connection to the database was lost twice while committing</source>
        <translation>La connexion à la base de données a été perdue deux fois pendant la validation</translation>
    </message>
    <message>
        <source>Another program kept writing the same learner&apos;s rows</source>
        <translation>Un autre programme écrivait sans cesse les lignes du même élève</translation>
    </message>
    <message>
        <source>Only a teacher&apos;s computer account may change or remove what the score database holds: ask a teacher to do this.</source>
        <translatorcomment>native review: read by a learner who tried to replace a sound</translatorcomment>
        <translation>Seul le compte informatique d&apos;un enseignant peut modifier ou supprimer le contenu de la base de données des résultats : demandez-le à un enseignant.</translation>
    </message>
    <message>
        <source>Cannot create the database %1</source>
        <translation>Impossible de créer la base de données %1</translation>
    </message>
</context>
<context>
    <name>SoundStore</name>
    <message>
        <source> Word allready in database overwrite! </source>
        <translation> Ce mot est déjà dans la base de données : le remplacer ? </translation>
    </message>
    <message>
        <source>%1: not stored as the sound of &quot;%2&quot;: %3</source>
        <translation>%1 : non enregistré comme son de &quot;%2&quot; : %3</translation>
    </message>
    <message>
        <source>the score database could not be opened</source>
        <translation>la base de données des résultats n&apos;a pas pu être ouverte</translation>
    </message>
    <message>
        <source>it has a sound already</source>
        <translation>il a déjà un son</translation>
    </message>
    <message>
        <source>the sound is not a WAV file that can be played</source>
        <translation>le son n&apos;est pas un fichier WAV lisible</translation>
    </message>
    <message>
        <source>the score database refused it: %1</source>
        <translation>la base de données des résultats l&apos;a refusé : %1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Orv7</source>
        <translation>Orv7</translation>
    </message>
    <message>
        <source>Version 0.1</source>
        <translation>Version 0.1</translation>
    </message>
    <message>
        <source>This program is still in betta</source>
        <translation>Ce programme est encore en version bêta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TChDir</name>
    <message>
        <source>Change Dir</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TClassOverviewForm</name>
    <message>
        <source>Class overview</source>
        <translation>Vue d&apos;ensemble de la classe</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Si coché, seulement les tests faits entre le premier et le dernier jour</translation>
    </message>
    <message>
        <source>Click a title to sort by it; double click a row to see that learner&apos;s progress</source>
        <translation>Cliquer sur un titre pour trier ; double-cliquer sur une ligne pour voir la progression de cet élève</translation>
    </message>
    <message>
        <source>Trend: the later half of the tests against the earlier half</source>
        <translation>Tendance : la seconde moitié des tests comparée à la première</translation>
    </message>
    <message>
        <source>Test da&amp;y of</source>
        <translation>&amp;Jour du test de</translation>
    </message>
    <message>
        <source>Test day list</source>
        <translation>Liste du jour du test</translation>
    </message>
    <message>
        <source>The list (its group and name) the test day is for</source>
        <translation>La liste (son groupe et son nom) à laquelle s&apos;applique le jour du test</translation>
    </message>
    <message>
        <source>Test day</source>
        <translation>Jour du test</translation>
    </message>
    <message>
        <source>Until this day the review brings every item of the list</source>
        <translation>Jusqu&apos;à ce jour, la révision reprend chaque élément de la liste</translation>
    </message>
    <message>
        <source>&amp;Set test day</source>
        <translation>&amp;Fixer le jour du test</translation>
    </message>
    <message>
        <source>For the selected learners, or every learner shown when none is</source>
        <translation>Pour les élèves choisis, ou pour tous ceux affichés si aucun ne l&apos;est</translation>
    </message>
    <message>
        <source>C&amp;lear test day</source>
        <translation>&amp;Effacer le jour du test</translation>
    </message>
    <message>
        <source>The list&apos;s test day set here is taken away</source>
        <translation>Le jour du test fixé ici pour la liste est retiré</translation>
    </message>
    <message>
        <source>Choose the list the test day is for</source>
        <translation>Choisissez la liste à laquelle s&apos;applique le jour du test</translation>
    </message>
    <message>
        <source>1 learner</source>
        <translation>1 élève</translation>
    </message>
    <message>
        <source>%1 learners</source>
        <translation>%1 élèves</translation>
    </message>
    <message>
        <source>Test day %1 of %2 set for %3</source>
        <translation>Jour du test %1 de %2 fixé pour %3</translation>
    </message>
    <message>
        <source>Test day of %1 cleared for %2</source>
        <translation>Jour du test de %1 effacé pour %2</translation>
    </message>
</context>
<context>
    <name>TCompiledView</name>
    <message>
        <source>Compiled Viewtest</source>
        <translation>Vue compilée</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>closes this window, not the program</translatorcomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Compiled list</source>
        <translation>Liste compilée</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Réessayer</translation>
    </message>
</context>
<context>
    <name>TDateRangeBox</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Du</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Au</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
</context>
<context>
    <name>TDateTimePicker</name>
    <message>
        <source>Use %1</source>
        <translation>Utiliser %1</translation>
    </message>
</context>
<context>
    <name>TEditOrv</name>
    <message>
        <source>Edit Orv file</source>
        <translation>Modifier la liste Orv</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Delete Linefeeds</source>
        <translation>Supprimer les sauts de ligne</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>Ex&amp;porter...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translatorcomment>closes the list editor, not the program</translatorcomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;View compiled</source>
        <translation>&amp;Voir la liste compilée</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>les listes de mots</translation>
    </message>
    <message>
        <source>The changes to %1 that were not saved when Orv last ended are in %2, which could not be read: %3</source>
        <translation>Les modifications de %1 qui n&apos;étaient pas enregistrées à la dernière fermeture d&apos;Orv sont dans %2, qui n&apos;a pas pu être lu : %3</translation>
    </message>
    <message>
        <source>Orv ended before the changes to %1 were saved; they were kept in %2. Open the changed text? (No opens the list as it was saved and deletes the changes.)</source>
        <translation>Orv s&apos;est fermé avant l&apos;enregistrement des modifications de %1 ; elles ont été gardées dans %2. Ouvrir le texte modifié ? (Non ouvre la liste telle qu&apos;elle a été enregistrée et supprime les modifications.)</translation>
    </message>
    <message>
        <source>Could not delete %1: %2</source>
        <translation>Impossible de supprimer %1 : %2</translation>
    </message>
    <message>
        <source>The list %1 could not be read (%2), so this window did not show it. Saving replaces it with the text shown here. Replace it?</source>
        <translation>La liste %1 n&apos;a pas pu être lue (%2) : cette fenêtre ne l&apos;a donc pas affichée. L&apos;enregistrement la remplace par le texte affiché ici. La remplacer ?</translation>
    </message>
</context>
<context>
    <name>TEditUsers</name>
    <message>
        <source>EditUsers</source>
        <translatorcomment>the title of the user editor window</translatorcomment>
        <translation>Modifier les utilisateurs</translation>
    </message>
    <message>
        <source>Change the password for the slected user</source>
        <translation>Changer le mot de passe de l&apos;utilisateur choisi</translation>
    </message>
    <message>
        <source>Delete a user from the password list</source>
        <translation>Supprimer un utilisateur de la liste des mots de passe</translation>
    </message>
    <message>
        <source>Add a user to the pasword list</source>
        <translation>Ajouter un utilisateur à la liste des mots de passe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Utilisateurs</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>Acsses level</source>
        <translation>Niveau d&apos;accès</translation>
    </message>
    <message>
        <source>ChangePass</source>
        <translatorcomment>button: change the password of the chosen user</translatorcomment>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>AddUser</source>
        <translation>Ajouter</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Mot &amp;entier uniquement</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Respecter la &amp;casse</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Round to 3 decimal places where appropriate. </source>
        <translation>Arrondis à 3 chiffres après la virgule si besoin. </translation>
    </message>
    <message>
        <source>questions remaining</source>
        <translation>questions restantes</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Math input</source>
        <translation>Saisie du calcul</translation>
    </message>
    <message>
        <source>Type the answer to the question in the answer box|Type the answer to the question in the answer box and press enter</source>
        <translation>Tape la réponse à la question dans la case de réponse|Tape la réponse à la question dans la case de réponse et appuie sur Entrée</translation>
    </message>
    <message>
        <source>Type the answer to this question in the answer box below</source>
        <translation>Tape la réponse à cette question dans la case ci-dessous</translation>
    </message>
    <message>
        <source>Type the answer in the box below</source>
        <translation>Tape la réponse dans la case ci-dessous</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Arrêter ce test|Arrêter ce test et voir le score (ou appuie sur Échap)</translation>
    </message>
    <message>
        <source>Round to %1 decimal places where appropriate.</source>
        <translation>Arrondis à %1 chiffres après la virgule si besoin.</translation>
    </message>
</context>
<context>
    <name>TGridExport</name>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Save the rows shown as CSV, or print them (also to a PDF file)</source>
        <translation>Enregistrer les lignes affichées en CSV ou les imprimer (aussi dans un fichier PDF)</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Enregistrer en &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Orv Help</source>
        <translation>Aide d&apos;Orv</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Tape un mot à chercher</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Tape les premières lettres d&apos;un mot :</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>TImportForm</name>
    <message>
        <source>Import lists</source>
        <translation>Importer des listes</translation>
    </message>
    <message>
        <source>Lists to make</source>
        <translation>Listes à créer</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>What cannot be imported</source>
        <translation>Ce qui ne peut pas être importé</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Word or question from:</source>
        <translation>Mot ou question depuis :</translation>
    </message>
    <message>
        <source>Answer from:</source>
        <translation>Réponse depuis :</translation>
    </message>
    <message>
        <source>Into the group:</source>
        <translation>Dans le groupe :</translation>
    </message>
    <message>
        <source>Lists to make:</source>
        <translation>Listes à créer :</translation>
    </message>
    <message>
        <source>What cannot be imported:</source>
        <translation>Ce qui ne peut pas être importé :</translation>
    </message>
    <message>
        <source>none: spelling words</source>
        <translation>aucune : mots d&apos;orthographe</translation>
    </message>
    <message>
        <source>is there: asks before replacing it</source>
        <translation>existe déjà : demande avant de la remplacer</translation>
    </message>
    <message>
        <source>The group &quot;</source>
        <translatorcomment>joined with the group&apos;s name and the next text: « name » leaves the word lists</translatorcomment>
        <translation>Le groupe « </translation>
    </message>
    <message>
        <source>&quot; leaves the word lists</source>
        <translation> » sort des listes de mots</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Depuis %1</translation>
    </message>
    <message>
        <source>%1 (nothing is imported)</source>
        <translation>%1 (rien n&apos;est importé)</translation>
    </message>
    <message>
        <source>%1 was kept as it was.</source>
        <translatorcomment>%1 is the name of a list (la liste)</translatorcomment>
        <translation>%1 a été gardée telle quelle.</translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation>%1 son</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 sons</translation>
    </message>
    <message>
        <source>%1 list made.</source>
        <translation>%1 liste créée.</translation>
    </message>
    <message>
        <source>%1 lists made.</source>
        <translation>%1 listes créées.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Select user from drop down list</source>
        <translation>Choisis ton nom dans la liste</translation>
    </message>
    <message>
        <source>Enter new password here</source>
        <translation>Saisis ici le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Enter password here</source>
        <translation>Saisis ici ton mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Connexion</translation>
    </message>
    <message>
        <source>Enter user name and password</source>
        <translation>Saisis ton nom et ton mot de passe</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>        Pasword</source>
        <translation>        Mot de passe</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirmer le mot de passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Enter new password twice</source>
        <translation>Saisis deux fois le nouveau mot de passe</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Mots de passe</translation>
    </message>
    <message>
        <source>        Password</source>
        <translation>        Mot de passe</translation>
    </message>
    <message>
        <source>Wait %1 s before the next log-in as %2</source>
        <translation>Attends %1 s avant de te reconnecter en tant que %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Orv 7.0</source>
        <translation>Orv 7.0</translation>
    </message>
    <message>
        <source>Hint bar</source>
        <translation>Barre d&apos;aide</translation>
    </message>
    <message>
        <source>Orv6</source>
        <translation>Orv6</translation>
    </message>
    <message>
        <source>|Orv6</source>
        <translation>|Orv6</translation>
    </message>
    <message>
        <source>Orv 7.0.</source>
        <translation>Orv 7.0.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>|current word list</source>
        <translation>|liste de mots actuelle</translation>
    </message>
    <message>
        <source>|Current user</source>
        <translation>|utilisateur actuel</translation>
    </message>
    <message>
        <source>Current sub group</source>
        <translation>Sous-groupe actuel</translation>
    </message>
    <message>
        <source>number of words in list</source>
        <translation>nombre de mots de la liste</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Start on the file above</source>
        <translation>Commencer le test sur la liste ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Réviser</translation>
    </message>
    <message>
        <source>Review|Ask again the words that are due, from every list</source>
        <translation>Réviser|Redemander les mots à revoir aujourd&apos;hui, de toutes les listes</translation>
    </message>
    <message>
        <source>&amp;Log Out</source>
        <translation>&amp;Déconnexion</translation>
    </message>
    <message>
        <source>Log out|log off the current user and leave orv running use Quit to quit orv</source>
        <translation>Déconnexion|déconnecte l&apos;utilisateur actuel et laisse Orv ouvert ; pour fermer Orv, utilisez Quitter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>|Quit program</source>
        <translation>|Quitter le programme</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Pick file|Pick an existing orv file for the current file</source>
        <translation>Choisir une liste|Choisir une liste Orv existante comme liste actuelle</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Create new orv file</source>
        <translation>Créer une nouvelle liste Orv</translation>
    </message>
    <message>
        <source>New Dir</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Make word lists from the files of other programs: CSV, KVTML, Anki, text</source>
        <translation>Créer des listes de mots à partir de fichiers d&apos;autres programmes : CSV, KVTML, Anki, texte</translation>
    </message>
    <message>
        <source>&amp;ChDir</source>
        <translation>&amp;Changer de dossier</translation>
    </message>
    <message>
        <source>Change current directory</source>
        <translation>Changer de dossier actuel</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>&amp;Supprimer le fichier</translation>
    </message>
    <message>
        <source>|Delete word list cleanup score etc.</source>
        <translation>|Supprimer la liste de mots et nettoyer ses résultats, etc.</translation>
    </message>
    <message>
        <source>Remove dir</source>
        <translation>Supprimer le dossier</translation>
    </message>
    <message>
        <source>Remove a directory, it will need to be empty</source>
        <translation>Supprimer un dossier ; il doit être vide</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configuration de l&apos;imp&amp;ression...</translation>
    </message>
    <message>
        <source>Setup printer</source>
        <translation>Configurer l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>Résul&amp;tats</translation>
    </message>
    <message>
        <source>Show score for current file</source>
        <translation>Afficher les résultats de la liste actuelle</translation>
    </message>
    <message>
        <source>Pro&amp;gress</source>
        <translation>Pro&amp;gression</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Tes tests au fil du temps, en graphiques</translation>
    </message>
    <message>
        <source>Class o&amp;verview</source>
        <translation>&amp;Vue d&apos;ensemble de la classe</translation>
    </message>
    <message>
        <source>Every learner&apos;s tests of each list at a glance</source>
        <translation>Les tests de chaque élève sur chaque liste d&apos;un coup d&apos;œil</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Liste de mots</translation>
    </message>
    <message>
        <source>Edit Menu</source>
        <translation>Menu Liste de mots</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Modifier la liste</translation>
    </message>
    <message>
        <source>Edit File|Edit current file if you are the owner or have high enough pas level</source>
        <translation>Modifier la liste|Modifier la liste actuelle si vous en êtes le propriétaire ou si votre niveau est assez élevé</translation>
    </message>
    <message>
        <source>&amp;View words</source>
        <translation>&amp;Voir les mots</translation>
    </message>
    <message>
        <source>Look at the current list of words</source>
        <translation>Voir les mots de la liste actuelle</translation>
    </message>
    <message>
        <source>&amp;Log list</source>
        <translation>&amp;Journal de la liste</translation>
    </message>
    <message>
        <source>&amp;Make wrong word file</source>
        <translation>Créer la liste des mots ma&amp;nqués</translation>
    </message>
    <message>
        <source>Ask again the words that are due, from every list</source>
        <translation>Redemander les mots à revoir aujourd&apos;hui, de toutes les listes</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Utilisateur</translation>
    </message>
    <message>
        <source>Click for user menu</source>
        <translation>Cliquer pour le menu Utilisateur</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>&amp;Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>Add a new user</source>
        <translation>Ajouter un nouvel utilisateur</translation>
    </message>
    <message>
        <source>&amp;Edit users</source>
        <translation>&amp;Modifier les utilisateurs</translation>
    </message>
    <message>
        <source>Edit the password file</source>
        <translation>Modifier le fichier des mots de passe</translation>
    </message>
    <message>
        <source>&amp;Change Pasword</source>
        <translation>&amp;Changer le mot de passe</translation>
    </message>
    <message>
        <source>Change the password of a user</source>
        <translation>Changer le mot de passe d&apos;un utilisateur</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Not iimplemented</source>
        <translation>Non disponible</translation>
    </message>
    <message>
        <source>&amp;Log wrong</source>
        <translation>Noter les &amp;erreurs</translation>
    </message>
    <message>
        <source>Log &amp;users</source>
        <translation>Noter les &amp;utilisateurs</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>non disponible</translation>
    </message>
    <message>
        <source>Log &amp;correct</source>
        <translation>Noter les bonnes &amp;réponses</translation>
    </message>
    <message>
        <source>Log right answers|Log correct answers but not necessarily wrong ones </source>
        <translation>Noter les bonnes réponses|Noter les bonnes réponses, mais pas forcément les mauvaises </translation>
    </message>
    <message>
        <source>&amp;View log</source>
        <translation>&amp;Voir le journal</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>Sounds stored In data base</source>
        <translation>Sons enregistrés dans la base de données</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Click for option menu</source>
        <translation>Cliquer pour le menu Options</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Changer de base de données</translation>
    </message>
    <message>
        <source>&amp;Pasword levels</source>
        <translation>&amp;Niveaux de mot de passe</translation>
    </message>
    <message>
        <source>The password level each guarded command needs</source>
        <translation>Le niveau de mot de passe que demande chaque commande protégée</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Click for help menu</source>
        <translation>Cliquer pour le menu Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Rechercher dans l&apos;aide...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>&amp;Utiliser l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open|Open new file for spelling</source>
        <translation>Ouvrir|Ouvrir une autre liste de mots</translation>
    </message>
    <message>
        <source>Change directory</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Créer une nouvelle liste</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit the current file</source>
        <translation>Modifier la liste actuelle</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Score window for curent file</source>
        <translation>Fenêtre des résultats de la liste actuelle</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Imprimer la liste actuelle</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit orv</source>
        <translation>Quitter Orv</translation>
    </message>
    <message>
        <source>Choose the files to import</source>
        <translation>Choisir les fichiers à importer</translation>
    </message>
    <message>
        <source>Lists of other programs (*.csv *.tsv *.txt *.kvtml);;All files (*)</source>
        <translation>Listes d&apos;autres programmes (*.csv *.tsv *.txt *.kvtml);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The help pages could not be found</source>
        <translation>Les pages d&apos;aide sont introuvables</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <source>View &amp;Compiled</source>
        <translation>Voir la liste &amp;compilée</translation>
    </message>
    <message>
        <source>If checked any mistake will be written to a log file</source>
        <translation>Si coché, chaque erreur est écrite dans un journal</translation>
    </message>
</context>
<context>
    <name>TOpenFileForm</name>
    <message>
        <source>Open orv file</source>
        <translation>Ouvrir une liste Orv</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Groupes</translation>
    </message>
    <message>
        <source>|Choose a group from this pain. Click the + to expand. Use the pain on the right to choose a file</source>
        <translation>|Choisissez un groupe dans ce volet. Cliquez sur le + pour le déplier. Choisissez une liste dans le volet de droite</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>FileName</source>
        <translatorcomment>the open-file window&apos;s name box</translatorcomment>
        <translation>Nom de la liste</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>| Choose a file from this pain use the pain on the left to choose a group. </source>
        <translation>| Choisissez une liste dans ce volet ; choisissez un groupe dans le volet de gauche. </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Pas terminé</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>The desktop&apos;s font</source>
        <translation>La police du bureau</translation>
    </message>
    <message>
        <source>Letter &amp;case may differ</source>
        <translation>Majuscules &amp;et minuscules indifférentes</translation>
    </message>
    <message>
        <source>Paris is right for paris where a list says nothing</source>
        <translation>Paris est juste pour paris quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>&amp;Accents may differ</source>
        <translation>Accents &amp;indifférents</translation>
    </message>
    <message>
        <source>cafe is right for café where a list says nothing</source>
        <translation>cafe est juste pour café quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>&amp;Punctuation may be left out</source>
        <translation>Po&amp;nctuation facultative</translation>
    </message>
    <message>
        <source>dont is right for don&apos;t where a list says nothing</source>
        <translation>aujourdhui est juste pour aujourd&apos;hui quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>An answer a;b takes eit&amp;her</source>
        <translation>Une &amp;réponse a;b accepte l&apos;une ou l&apos;autre</translation>
    </message>
    <message>
        <source>grey;gray accepts grey and gray where a list says nothing</source>
        <translation>clé;clef accepte clé et clef quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>Sums: an &amp;equal value is right</source>
        <translation>Calculs : une valeur égale est &amp;juste</translation>
    </message>
    <message>
        <source>2/4, 0.5 and 0,5 are right for 1/2 where a list says nothing</source>
        <translation>2/4, 0.5 et 0,5 sont justes pour 1/2 quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>Fractions in &amp;lowest terms</source>
        <translation>&amp;Fractions irréductibles</translation>
    </message>
    <message>
        <source>2/4 for 1/2 is asked again to be written in lowest terms</source>
        <translation>2/4 pour 1/2 est redemandé pour être écrit sous forme irréductible</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;File order</source>
        <translation>Ordre des &amp;questions</translation>
    </message>
    <message>
        <source>&amp;In order</source>
        <translation>Dans l&apos;&amp;ordre</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>Ordre &amp;aléatoire</translation>
    </message>
    <message>
        <source>Do the spellings in alphabetical order or in random orde</source>
        <translation>Poser les mots dans l&apos;ordre alphabétique ou dans un ordre aléatoire</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Mots</translation>
    </message>
    <message>
        <source>&amp;Do whole file</source>
        <translation>&amp;Toute la liste</translation>
    </message>
    <message>
        <source>do &amp;Ten words</source>
        <translation>Di&amp;x mots</translation>
    </message>
    <message>
        <source>Do whole file or do ten words if you do ten words the words not done are saved in a file to do next time</source>
        <translation>Toute la liste ou dix mots ; avec dix mots, les mots pas encore faits sont gardés pour la prochaine fois</translation>
    </message>
    <message>
        <source>&amp;Sound group</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>Show word</source>
        <translation>Afficher le mot</translation>
    </message>
    <message>
        <source>Show word even if playing sound for word</source>
        <translation>Afficher le mot même quand son enregistrement est joué</translation>
    </message>
    <message>
        <source>Reshow Word</source>
        <translation>Permettre de revoir le mot</translation>
    </message>
    <message>
        <source>allow reshow of word having played sound for word</source>
        <translation>Permettre de revoir le mot après avoir entendu son enregistrement</translation>
    </message>
    <message>
        <source>Speak words that have no sound</source>
        <translation>Dire les mots sans son enregistré</translation>
    </message>
    <message>
        <source>A word without a recorded sound is spoken by the computer&apos;s voice</source>
        <translation>Un mot sans son enregistré est dit par la voix de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Speak sums</source>
        <translation>Dire les calculs</translation>
    </message>
    <message>
        <source>Arithmetic questions are spoken as well</source>
        <translation>Les calculs sont dits eux aussi</translation>
    </message>
    <message>
        <source>The language of the voice that speaks the words</source>
        <translation>La langue de la voix qui dit les mots</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>&amp;Voix</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>How large the text of every window is; the windows grow with it</source>
        <translation>La taille du texte de toutes les fenêtres ; les fenêtres grandissent avec lui</translation>
    </message>
    <message>
        <source>A font made for children learning to read, or the desktop&apos;s own</source>
        <translation>Une police faite pour les enfants qui apprennent à lire, ou celle du bureau</translation>
    </message>
    <message>
        <source>Hi&amp;gh contrast colours</source>
        <translation>&amp;Couleurs à contraste élevé</translation>
    </message>
    <message>
        <source>White and yellow on black in every window</source>
        <translation>Blanc et jaune sur noir dans toutes les fenêtres</translation>
    </message>
    <message>
        <source>How long the word to type stays on the screen, 100 % being the usual time</source>
        <translation>Combien de temps le mot à taper reste à l&apos;écran, 100 % étant la durée habituelle</translation>
    </message>
    <message>
        <source>A &amp;kind word at the end of a test</source>
        <translatorcomment>native review: « mot d&apos;encouragement » rather than the literal « mot gentil »</translatorcomment>
        <translation>Un mot d&apos;encoura&amp;gement à la fin du test</translation>
    </message>
    <message>
        <source>One line in the score window on what went well in the test</source>
        <translation>Une ligne dans la fenêtre des résultats sur ce qui s&apos;est bien passé pendant le test</translation>
    </message>
    <message>
        <source>A chi&amp;me after each right answer</source>
        <translation>Un petit son après chaque &amp;bonne réponse</translation>
    </message>
    <message>
        <source>A short pleasant sound as RIGHT !! is shown</source>
        <translation>Un son court et agréable quand BRAVO !! s&apos;affiche</translation>
    </message>
    <message>
        <source>Te&amp;xt size</source>
        <translation>Taille &amp;du texte</translation>
    </message>
    <message>
        <source>Reading fo&amp;nt</source>
        <translation>&amp;Police de lecture</translation>
    </message>
    <message>
        <source>Word shown f&amp;or</source>
        <translation>D&amp;urée d&apos;affichage du mot</translation>
    </message>
    <message>
        <source>Answers where a list says nothing</source>
        <translation>Réponses quand la liste ne dit rien</translation>
    </message>
    <message>
        <source>What else counts as right for every list that does not say it itself</source>
        <translation>Ce qui compte aussi comme juste dans chaque liste qui ne le dit pas elle-même</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>confirm options they are saved when you log out or quit orv6</source>
        <translation>Confirmer les options ; elles sont enregistrées à la déconnexion ou en quittant Orv</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Go back to original values</source>
        <translation>Revenir aux valeurs d&apos;avant</translation>
    </message>
    <message>
        <source> (the language&apos;s own voice)</source>
        <translation> (la voix de la langue)</translation>
    </message>
    <message>
        <source> (not on this computer)</source>
        <translation> (absente de cet ordinateur)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
    <message>
        <source>The language of the windows and of the voice; a change shows the next time Orv starts</source>
        <translation>La langue des fenêtres et de la voix ; un changement s&apos;applique au prochain démarrage d&apos;Orv</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The language of the windows</source>
        <translation>La langue des fenêtres</translation>
    </message>
</context>
<context>
    <name>TPasLevForm</name>
    <message>
        <source>Option menu pasword Level</source>
        <translation>Niveau du menu Options</translation>
    </message>
    <message>
        <source>Sound menu pasword Level</source>
        <translation>Niveau du menu Son</translation>
    </message>
    <message>
        <source>List sounds pasword level</source>
        <translation>Niveau pour lister les sons</translation>
    </message>
    <message>
        <source>Delete sound pasword level</source>
        <translation>Niveau pour supprimer un son</translation>
    </message>
    <message>
        <source>Change Database</source>
        <translation>Changer de base de données</translation>
    </message>
    <message>
        <source>Delete spelling file</source>
        <translation>Supprimer une liste de mots</translation>
    </message>
    <message>
        <source>Look at other users spelling list</source>
        <translation>Voir les listes des autres utilisateurs</translation>
    </message>
    <message>
        <source>Make wrong word file for others</source>
        <translation>Mots manqués des autres utilisateurs</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Ajouter des utilisateurs</translation>
    </message>
    <message>
        <source>Pasword levels</source>
        <translation>Niveaux de mot de passe</translation>
    </message>
    <message>
        <source>The password level needed to have access to a particular feature</source>
        <translation>Le niveau de mot de passe nécessaire pour accéder à une fonction</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>learned</source>
        <translation>appris</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translatorcomment>native review: the review boxes (Leitner boxes, box 5 = learned); « boîte » is the usual French word</translatorcomment>
        <translation>Boîte %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translation>É&amp;lève :</translation>
    </message>
    <message>
        <source>Whose tests are shown</source>
        <translation>L&apos;élève dont les tests sont affichés</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Si coché, seulement les tests faits entre le premier et le dernier jour</translation>
    </message>
    <message>
        <source>Percent &amp;right</source>
        <translation>% de &amp;réussite</translation>
    </message>
    <message>
        <source>&amp;Help used</source>
        <translation>Aides &amp;utilisées</translation>
    </message>
    <message>
        <source>&amp;Words most often wrong</source>
        <translation>&amp;Mots les plus souvent manqués</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation>&amp;Boîtes</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>T&amp;ests</source>
        <translation>T&amp;ests</translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation>Mots manqués</translation>
    </message>
    <message>
        <source>Wrong wor&amp;ds</source>
        <translation>Mots man&amp;qués</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Types d&apos;erreurs</translation>
    </message>
    <message>
        <source>&amp;Kinds of mistake</source>
        <translation>&amp;Types d&apos;erreurs</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>% de réussite</translation>
    </message>
    <message>
        <source>Help used</source>
        <translation>Aides utilisées</translation>
    </message>
    <message>
        <source>No tests in these days</source>
        <translation>Aucun test pendant ces jours</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Nb d&apos;erreurs</translation>
    </message>
    <message>
        <source>No wrong answers in these days</source>
        <translation>Aucune mauvaise réponse pendant ces jours</translation>
    </message>
    <message>
        <source>Items</source>
        <translatorcomment>native review: axis of the review chart: the learner&apos;s review items (words or questions) in each box</translatorcomment>
        <translation>Éléments</translation>
    </message>
    <message>
        <source>No review moves in these days</source>
        <translation>Aucun mouvement de révision pendant ces jours</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progression de %1</translation>
    </message>
    <message>
        <source>Tests of %1</source>
        <translation>Tests de %1</translation>
    </message>
    <message>
        <source>Wrong words of %1</source>
        <translation>Mots manqués de %1</translation>
    </message>
    <message>
        <source>Kinds of mistake of %1</source>
        <translation>Types d&apos;erreurs de %1</translation>
    </message>
</context>
<context>
    <name>TRecordForm</name>
    <message>
        <source>Record</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>How loud the microphone hears you</source>
        <translation>Le volume auquel le micro vous entend</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Start recording the word</source>
        <translation>Commencer l&apos;enregistrement du mot</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Arrêter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>É&amp;couter</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Écouter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Garder</translation>
    </message>
    <message>
        <source>Keep the recording as the word&apos;s sound</source>
        <translation>Garder l&apos;enregistrement comme son du mot</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Jeter</translation>
    </message>
    <message>
        <source>Throw the recording away</source>
        <translation>Jeter l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Ne&amp;xt word</source>
        <translation>Mot &amp;suivant</translation>
    </message>
    <message>
        <source>Leave this word without a new sound</source>
        <translation>Laisser ce mot sans nouveau son</translation>
    </message>
    <message>
        <source>Press Record and say the word</source>
        <translation>Appuyez sur Enregistrer et dites le mot</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>Aucun micro : rien ne peut être enregistré</translation>
    </message>
    <message>
        <source>Recording: say the word, then press Stop</source>
        <translation>Enregistrement : dites le mot, puis appuyez sur Arrêter</translation>
    </message>
    <message>
        <source>Nothing was heard: record again</source>
        <translation>Rien n&apos;a été entendu : enregistrez à nouveau</translation>
    </message>
    <message>
        <source>Play it back, then keep or discard it</source>
        <translation>Écoutez-le, puis gardez-le ou jetez-le</translation>
    </message>
</context>
<context>
    <name>TSF2</name>
    <message>
        <source>Score</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>&amp;Current file only</source>
        <translation>Liste a&amp;ctuelle seule</translation>
    </message>
    <message>
        <source>Curent user only</source>
        <translation>Utilisateur actuel seul</translation>
    </message>
    <message>
        <source>Check to limit the SQL query to the curent user only</source>
        <translation>Cocher pour limiter la requête SQL à l&apos;utilisateur actuel</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Mauvaises réponses</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Number or  rows</source>
        <translation>Nombre de lignes</translation>
    </message>
    <message>
        <source>The number of lines return by the SQL query</source>
        <translation>Le nombre de lignes renvoyées par la requête SQL</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Double or right click a row to see the words you got wrong/right</source>
        <translation>Double-clique ou clique avec le bouton droit sur une ligne pour voir les mots que tu as manqués ou réussis</translation>
    </message>
    <message>
        <source>open</source>
        <translation>ouvrir</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progression</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Tes tests au fil du temps, en graphiques</translation>
    </message>
    <message>
        <source>The list of words you got wrong/right for the row double clicked.</source>
        <translation>La liste des mots manqués ou réussis pour la ligne double-cliquée.</translation>
    </message>
    <message>
        <source>Double click a row to see the words you got wrong/right.</source>
        <translation>Double-clique sur une ligne pour voir les mots que tu as manqués ou réussis.</translation>
    </message>
    <message>
        <source>This test: %1 %, %2</source>
        <translatorcomment>read by a screen reader after a test: %1 the percent right, %2 the ratio (right/asked)</translatorcomment>
        <translation>Ce test : %1 %, %2</translation>
    </message>
</context>
<context>
    <name>TSU</name>
    <message>
        <source>No valid user name</source>
        <translation>Nom d&apos;utilisateur non valable</translation>
    </message>
    <message>
        <source>SU</source>
        <translatorcomment>a short label of the score-query window whose meaning is not known; left as it is</translatorcomment>
        <translation>SU</translation>
    </message>
    <message>
        <source>Show &amp;All User</source>
        <translation>&amp;Tous les utilisateurs</translation>
    </message>
    <message>
        <source>Show &amp;Current User</source>
        <translation>Utilisateur a&amp;ctuel</translation>
    </message>
    <message>
        <source>Pick &amp;From List</source>
        <translation>Choisir dans la &amp;liste</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Show &amp;wrong words</source>
        <translation>Mots &amp;manqués</translation>
    </message>
    <message>
        <source>Show &amp;Right Words</source>
        <translation>Mots &amp;réussis</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compter</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation>Pas de SQL</translation>
    </message>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Number of rows</source>
        <translation>Nombre de lignes</translation>
    </message>
    <message>
        <source>Database name:</source>
        <translatorcomment>the path follows at once, so the space after the colon is part of the text</translatorcomment>
        <translation>Nom de la base de données : </translation>
    </message>
    <message>
        <source>|The SQL statement that will be executed when the Update button is pressed</source>
        <translation>|L&apos;instruction SQL exécutée quand on appuie sur le bouton Actualiser</translation>
    </message>
</context>
<context>
    <name>TSU1</name>
    <message>
        <source>Auto slection of word file from logs</source>
        <translation>Sélection automatique de la liste à partir des journaux</translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation>Mots manqués</translation>
    </message>
    <message>
        <source>SQL group</source>
        <translation>Requête SQL</translation>
    </message>
    <message>
        <source>Count &gt;=</source>
        <translation>Nombre &gt;=</translation>
    </message>
    <message>
        <source>Count &lt;=</source>
        <translation>Nombre &lt;=</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Fichier de sortie :</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Use a new file instead of the default</source>
        <translation>Utiliser un nouveau fichier au lieu de celui par défaut</translation>
    </message>
    <message>
        <source>Crea&amp;te file</source>
        <translation>Créer la lis&amp;te</translation>
    </message>
    <message>
        <source>Send the output from the SQL queary to the file</source>
        <translation>Envoyer le résultat de la requête SQL dans le fichier</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>SoundsForm</source>
        <translatorcomment>the title of the sounds window</translatorcomment>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Sound db</source>
        <translation>Base des sons</translation>
    </message>
    <message>
        <source>&amp;Add sound</source>
        <translation>&amp;Ajouter un son</translation>
    </message>
    <message>
        <source>&amp;Delete sound</source>
        <translation>&amp;Supprimer le son</translation>
    </message>
    <message>
        <source>&amp;Find sound</source>
        <translation>&amp;Chercher un son</translation>
    </message>
    <message>
        <source>&amp;Record sound</source>
        <translation>&amp;Enregistrer un son</translation>
    </message>
    <message>
        <source>Record &amp;missing</source>
        <translation>Enregistrer les &amp;manquants</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translatorcomment>closes this window, not the program</translatorcomment>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Fichiers son (*.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Data has been deleted commit changes</source>
        <translation>Les données ont été supprimées ; valider les modifications</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>Aucun micro : rien ne peut être enregistré</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Enregistrer un son</translation>
    </message>
    <message>
        <source>The word to record</source>
        <translation>Le mot à enregistrer</translation>
    </message>
    <message>
        <source>Every word of %1 has a sound</source>
        <translation>Chaque mot de %1 a un son</translation>
    </message>
    <message>
        <source>Delete word %1 from sound database ? </source>
        <translation>Supprimer le mot %1 de la base des sons ? </translation>
    </message>
    <message>
        <source>Search string &lt;%1&gt; not found</source>
        <translation>Texte &lt;%1&gt; introuvable</translation>
    </message>
</context>
<context>
    <name>TWrongWordsForm</name>
    <message>
        <source>You Have got it wrong!</source>
        <translatorcomment>native review: title of the wrong-answer window, said to the child</translatorcomment>
        <translation>Ce n&apos;est pas ça !</translation>
    </message>
    <message>
        <source>The answer is:</source>
        <translation>La réponse est :</translation>
    </message>
    <message>
        <source>Not:</source>
        <translation>Pas :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>T_Input</name>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation>&amp;Réécouter</translation>
    </message>
    <message>
        <source>Re&amp;Show</source>
        <translation>Re&amp;voir</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Saisie</translation>
    </message>
    <message>
        <source>Type in the word you were asked here</source>
        <translation>Tape ici le mot demandé</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>Le mot</translation>
    </message>
    <message>
        <source>If there is a spoken prompt replay it.</source>
        <translation>Réécouter le mot, s&apos;il est dit à voix haute.</translation>
    </message>
    <message>
        <source>Reshow the word to type</source>
        <translation>Revoir le mot à taper</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Arrêter ce test|Arrêter ce test et voir le score (ou appuie sur Échap)</translation>
    </message>
    <message>
        <source>|When you have type in the word click here or press enter</source>
        <translation>|Quand tu as tapé le mot, clique ici ou appuie sur Entrée</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Stop this test?</source>
        <translation>Arrêter ce test ?</translation>
    </message>
    <message>
        <source>Word to enter</source>
        <translation>Mot à taper</translation>
    </message>
    <message>
        <source> Message </source>
        <translation> Message </translation>
    </message>
    <message>
        <source>RIGHT !!</source>
        <translatorcomment>native review: shown after every right answer; &quot;JUSTE !!&quot; is the literal sense</translatorcomment>
        <translation>BRAVO !!</translation>
    </message>
    <message>
        <source>right value, now write it in lowest terms</source>
        <translatorcomment>native review: for a child of 9-12: &quot;forme irréductible&quot; is the school term but may be unknown at primary school</translatorcomment>
        <translation>bonne valeur, maintenant simplifie la fraction au maximum</translation>
    </message>
    <message>
        <source>Type in the ansswer</source>
        <translation>Tape la réponse</translation>
    </message>
    <message>
        <source>Please type in the last word</source>
        <translation>Tape le dernier mot</translation>
    </message>
    <message>
        <source> Error loading buffer &lt;%1&gt;
%2</source>
        <translation> Erreur au chargement du tampon &lt;%1&gt;
%2</translation>
    </message>
    <message>
        <source>Hi score %1 : %2 go&apos;&apos;s left out of %3 words</source>
        <translatorcomment>native review: the line shown during a test: %1 the words right so far, %2 the questions still to come, %3 all the questions</translatorcomment>
        <translation>Score %1 : encore %2 sur %3 mots</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Only a teacher&apos;s account of this computer can change %1.</source>
        <translation>Seul le compte d&apos;un enseignant sur cet ordinateur peut modifier %1.</translation>
    </message>
</context>
<context>
    <name>export_window</name>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV pour tableurs (*.csv)</translation>
    </message>
    <message>
        <source>KVTML 2.0 (*.kvtml)</source>
        <translation>KVTML 2.0 (*.kvtml)</translation>
    </message>
    <message>
        <source>Anki text (*.txt)</source>
        <translation>Texte Anki (*.txt)</translation>
    </message>
    <message>
        <source>Export list</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>The list could not be written: </source>
        <translation>La liste n&apos;a pas pu être écrite : </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written to %2</source>
        <translation>« %1 » est écrite dans %2</translation>
    </message>
</context>
<context>
    <name>getuser</name>
    <message>
        <source>Can&apos;t locate any compatible database keys in the registry, you probably need to install Firebird or InterBase</source>
        <translation>Aucune clé de base de données compatible trouvée dans le registre ; il faut sans doute installer Firebird ou InterBase</translation>
    </message>
    <message>
        <source>Can&apos;t continue with out a compatible database. Orv will now terminate</source>
        <translation>Impossible de continuer sans base de données compatible. Orv va maintenant se fermer</translation>
    </message>
    <message>
        <source>Can not copy the database .dll file OUCH!! :
<byte value="xd"/></source>
        <translation>Impossible de copier le fichier .dll de la base de données, AÏE !! :
</translation>
    </message>
    <message>
        <source>No password file was found (%1). Create one with the super user %2?</source>
        <translation>Aucun fichier des mots de passe trouvé (%1). En créer un avec le super-utilisateur %2 ?</translation>
    </message>
    <message>
        <source>pasFile=%1 in %2 does not name a file inside the program directory %3, so it is not used. Name the password file there, as pasFile=KVXS1.KVX.</source>
        <translation>pasFile=%1 dans %2 ne désigne pas un fichier du dossier du programme %3 : il n&apos;est donc pas utilisé. Indiquez-y le fichier des mots de passe, comme pasFile=KVXS1.KVX.</translation>
    </message>
</context>
<context>
    <name>groupcommands</name>
    <message>
        <source>New directory</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Type In a name:</source>
        <translation>Tapez un nom :</translation>
    </message>
    <message>
        <source>New dir</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>About to create directory %1 In the root spelling directory</source>
        <translation>Création du dossier %1 dans le dossier racine des listes</translation>
    </message>
    <message>
        <source>About to create directory %1 as a sub dir of %2</source>
        <translation>Création du dossier %1 comme sous-dossier de %2</translation>
    </message>
    <message>
        <source>Please chooses a host dir</source>
        <translation>Choisissez le dossier parent</translation>
    </message>
    <message>
        <source>Change Diretory</source>
        <translation>Changer de dossier</translation>
    </message>
    <message>
        <source>Directory to remove</source>
        <translation>Dossier à supprimer</translation>
    </message>
</context>
<context>
    <name>lookatpas</name>
    <message>
        <source>Access denied</source>
        <translation>Accès refusé</translation>
    </message>
    <message>
        <source>User level</source>
        <translation>Niveau de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Input a number from 0 to 255</source>
        <translation>Saisissez un nombre de 0 à 255</translation>
    </message>
    <message>
        <source>Write changes to password file</source>
        <translation>Écrire les modifications dans le fichier des mots de passe</translation>
    </message>
    <message>
        <source>Error in number</source>
        <translation>Erreur dans le nombre</translation>
    </message>
    <message>
        <source>Sorry can not edit the user name</source>
        <translation>Désolé, le nom d&apos;utilisateur ne peut pas être modifié</translation>
    </message>
</context>
<context>
    <name>openprogress_window</name>
    <message>
        <source>No valid user name</source>
        <translation>Nom d&apos;utilisateur non valable</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source> Not enough words in file</source>
        <translation> Pas assez de mots dans la liste</translation>
    </message>
    <message>
        <source>Could not save which words of the list are still to come (%1). %2</source>
        <translation>Impossible d&apos;enregistrer les mots de la liste qui restent à faire (%1). %2</translation>
    </message>
</context>
<context>
    <name>printing_window</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Impossible de démarrer l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>startupfile</name>
    <message>
        <source>Can not continue with out start up file</source>
        <translation>Impossible de continuer sans fichier de démarrage</translation>
    </message>
    <message>
        <source>Can not fined the start up file create new?</source>
        <translation>Fichier de démarrage introuvable. En créer un nouveau ?</translation>
    </message>
    <message>
        <source> Error saveing start up file buffer </source>
        <translation> Erreur à l&apos;enregistrement du fichier de démarrage </translation>
    </message>
    <message>
        <source> Error loading start up file buffer </source>
        <translation> Erreur au chargement du fichier de démarrage </translation>
    </message>
    <message>
        <source>Line 5 of the start-up file %1 names a group outside the word lists (%2). The word lists&apos; own folder is used instead.</source>
        <translation>La ligne 5 du fichier de démarrage %1 désigne un groupe en dehors des listes de mots (%2). Le dossier des listes de mots est utilisé à la place.</translation>
    </message>
    <message>
        <source>Line %1 of the start-up file %2 has no level number after &quot;%3&quot;. The level %4 is used instead.</source>
        <translation>La ligne %1 du fichier de démarrage %2 n&apos;a pas de niveau après « %3 ». Le niveau %4 est utilisé à la place.</translation>
    </message>
</context>
<context>
    <name>wordfile</name>
    <message>
        <source>New File</source>
        <translation>Nouvelle liste</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Saisissez un nom de fichier</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Ce fichier existe déjà</translation>
    </message>
    <message>
        <source>Send SQL output to: %1</source>
        <translation>Envoyer le résultat SQL vers : %1</translation>
    </message>
    <message>
        <source>Could not save who owns the list (%1). %2</source>
        <translation>Impossible d&apos;enregistrer le propriétaire de la liste (%1). %2</translation>
    </message>
    <message>
        <source>Error %1 writing to file
%2</source>
        <translation>Erreur %1 à l&apos;écriture du fichier
%2</translation>
    </message>
    <message>
        <source>%1 words successfully writen to file</source>
        <translation>%1 mots écrits dans le fichier</translation>
    </message>
</context>
</TS>
