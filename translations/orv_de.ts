<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Columns</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Help total</source>
        <translation>Hilfe gesamt</translation>
    </message>
    <message>
        <source>Max help</source>
        <translation>Max. Hilfe</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Wie oft falsch</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Most frequent</source>
        <translation>Am häufigsten</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Latest %</source>
        <translation>Zuletzt %</translation>
    </message>
    <message>
        <source>Best %</source>
        <translation>Bestwert %</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Learned</source>
        <translation>Gelernt</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>WORT</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>ANTWORT</translation>
    </message>
    <message>
        <source>TIME1</source>
        <translation>ZEIT</translation>
    </message>
    <message>
        <source>DATE1</source>
        <translation>DATUM</translation>
    </message>
    <message>
        <source>FILE1</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Verhältnis</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>ANZAHL</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Invalid function number</source>
        <translation>Ungültige Funktionsnummer</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Invalid handle</source>
        <translation>Ungültiges Handle</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genug Speicher</translation>
    </message>
    <message>
        <source>Invalid environment</source>
        <translation>Ungültige Umgebung</translation>
    </message>
    <message>
        <source>Invalid format</source>
        <translation>Ungültiges Format</translation>
    </message>
    <message>
        <source>Invalid file access code</source>
        <translation>Ungültiger Dateizugriffscode</translation>
    </message>
    <message>
        <source>Invalid drive number</source>
        <translation>Ungültige Laufwerksnummer</translation>
    </message>
    <message>
        <source>Cannot remove current directory</source>
        <translation>Aktueller Ordner kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Cannot rename across drives</source>
        <translation>Umbenennen über Laufwerke hinweg nicht möglich</translation>
    </message>
    <message>
        <source>No more files</source>
        <translation>Keine weiteren Dateien</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Fehler beim Lesen vom Datenträger</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Fehler beim Schreiben auf den Datenträger</translation>
    </message>
    <message>
        <source>File not assigned</source>
        <translation>Datei nicht zugewiesen</translation>
    </message>
    <message>
        <source>File not open</source>
        <translation>Datei nicht geöffnet</translation>
    </message>
    <message>
        <source>File not open for input</source>
        <translation>Datei nicht zum Lesen geöffnet</translation>
    </message>
    <message>
        <source>File not open for output</source>
        <translation>Datei nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>Invalid numeric format</source>
        <translation>Ungültiges Zahlenformat</translation>
    </message>
    <message>
        <source>Disk is write-protected</source>
        <translation>Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Bad drive request struct length or unknown unit</source>
        <translation>Falsche Länge der Laufwerksanforderung oder unbekannte Einheit</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>Laufwerk nicht bereit</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Unbekannter Befehl</translation>
    </message>
    <message>
        <source>CRC error in data</source>
        <translation>CRC-Fehler in den Daten</translation>
    </message>
    <message>
        <source>Disk seek error</source>
        <translation>Positionierfehler auf dem Datenträger</translation>
    </message>
    <message>
        <source>Unknown media type</source>
        <translation>Unbekannter Datenträgertyp</translation>
    </message>
    <message>
        <source>Sector Not Found</source>
        <translation>Sektor nicht gefunden</translation>
    </message>
    <message>
        <source>Printer out of paper</source>
        <translation>Drucker hat kein Papier</translation>
    </message>
    <message>
        <source>Device write fault</source>
        <translation>Schreibfehler am Gerät</translation>
    </message>
    <message>
        <source>Device read fault</source>
        <translation>Lesefehler am Gerät</translation>
    </message>
    <message>
        <source>Hardware failure</source>
        <translation>Hardwarefehler</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei Bereichsprüfung</translation>
    </message>
    <message>
        <source>Stack overflow error</source>
        <translation>Stapelüberlauf</translation>
    </message>
    <message>
        <source>Heap overflow error</source>
        <translation>Heap-Überlauf</translation>
    </message>
    <message>
        <source>Invalid pointer operation</source>
        <translation>Ungültige Zeigeroperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Gleitkommaunterlauf</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Overlay manager not installed</source>
        <translation>Overlay-Manager nicht installiert</translation>
    </message>
    <message>
        <source>Overlay file read error</source>
        <translation>Fehler beim Lesen der Overlay-Datei</translation>
    </message>
    <message>
        <source>Object not initialized</source>
        <translation>Objekt nicht initialisiert</translation>
    </message>
    <message>
        <source>Call to abstract method</source>
        <translation>Aufruf einer abstrakten Methode</translation>
    </message>
    <message>
        <source>Stream registration error</source>
        <translation>Fehler bei der Stream-Registrierung</translation>
    </message>
    <message>
        <source>Collection index out of range</source>
        <translation>Collection-Index außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Collection overflow error</source>
        <translation>Collection-Überlauf</translation>
    </message>
    <message>
        <source>x coordinate to low</source>
        <translation>x-Koordinate zu klein</translation>
    </message>
    <message>
        <source>x coordinate to high</source>
        <translation>x-Koordinate zu groß</translation>
    </message>
    <message>
        <source>Range check error (page to low)</source>
        <translation>Fehler bei Bereichsprüfung (Seite zu klein)</translation>
    </message>
    <message>
        <source>Range check error (page to high)</source>
        <translation>Fehler bei Bereichsprüfung (Seite zu groß)</translation>
    </message>
    <message>
        <source>y coordinate to low</source>
        <translation>y-Koordinate zu klein</translation>
    </message>
    <message>
        <source>y coordinate to high</source>
        <translation>y-Koordinate zu groß</translation>
    </message>
    <message>
        <source>x, y coordinate out of range</source>
        <translation>x-, y-Koordinate außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Trying to make ((y - 1) * screen width) + x = &lt; 1</source>
        <translation>Versuch, ((y - 1) * Bildschirmbreite) + x = &lt; 1 zu bilden</translation>
    </message>
    <message>
        <source>Pointer initialized</source>
        <translation>Zeiger initialisiert</translation>
    </message>
    <message>
        <source>Pointer not initialized</source>
        <translation>Zeiger nicht initialisiert</translation>
    </message>
    <message>
        <source>Not enough heap memory for Getmem operation</source>
        <translation>Nicht genug Heap-Speicher für Getmem</translation>
    </message>
    <message>
        <source>Trying to Free a nil pointer</source>
        <translation>Versuch, einen Nil-Zeiger freizugeben</translation>
    </message>
    <message>
        <source>Buffer can&apos;t exceed 65535(a word) lines</source>
        <translation>Ein Puffer kann nicht mehr als 65535 (ein Word) Zeilen haben</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity</source>
        <translation>Versuch, auf ein nicht vorhandenes Pufferelement zuzugreifen</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity &lt; 0</source>
        <translation>Versuch, auf ein nicht vorhandenes Pufferelement &lt; 0 zuzugreifen</translation>
    </message>
    <message>
        <source>Window not big enough</source>
        <translation>Fenster nicht groß genug</translation>
    </message>
    <message>
        <source>Window not wide enough</source>
        <translation>Fenster nicht breit genug</translation>
    </message>
    <message>
        <source>Window not deep enough</source>
        <translation>Fenster nicht hoch genug</translation>
    </message>
    <message>
        <source>Page not big enough</source>
        <translation>Seite nicht groß genug</translation>
    </message>
    <message>
        <source>Page not wide enough</source>
        <translation>Seite nicht breit genug</translation>
    </message>
    <message>
        <source>Page not deep enough</source>
        <translation>Seite nicht hoch genug</translation>
    </message>
    <message>
        <source>Trying to create a window with right side off Page</source>
        <translation>Versuch, ein Fenster zu erstellen, dessen rechte Seite außerhalb der Seite liegt</translation>
    </message>
    <message>
        <source>Trying to create a window with left side off Page</source>
        <translation>Versuch, ein Fenster zu erstellen, dessen linke Seite außerhalb der Seite liegt</translation>
    </message>
    <message>
        <source>Trying to create a window with top side off Page</source>
        <translation>Versuch, ein Fenster zu erstellen, dessen obere Seite außerhalb der Seite liegt</translation>
    </message>
    <message>
        <source>Trying to create a window with bottom side off Page</source>
        <translation>Versuch, ein Fenster zu erstellen, dessen untere Seite außerhalb der Seite liegt</translation>
    </message>
    <message>
        <source>Trying to access a page that is a nonentity</source>
        <translation>Versuch, auf eine nicht vorhandene Seite zuzugreifen</translation>
    </message>
    <message>
        <source>Trying to access a window that is a nonentity</source>
        <translation>Versuch, auf ein nicht vorhandenes Fenster zuzugreifen</translation>
    </message>
    <message>
        <source>Width * depth &gt; than saved screen size</source>
        <translation>Breite * Höhe &gt; gespeicherte Bildschirmgröße</translation>
    </message>
    <message>
        <source>Trying to create a window with a width of &lt; 0</source>
        <translation>Versuch, ein Fenster mit einer Breite &lt; 0 zu erstellen</translation>
    </message>
    <message>
        <source>Trying to create a window with a depth of &lt; 0</source>
        <translation>Versuch, ein Fenster mit einer Höhe &lt; 0 zu erstellen</translation>
    </message>
    <message>
        <source>Trying to access an environment variable that is out of Range</source>
        <translation>Versuch, auf eine Umgebungsvariable außerhalb des Bereichs zuzugreifen</translation>
    </message>
    <message>
        <source>Out of environment variable memory.</source>
        <translation>Kein Speicher mehr für Umgebungsvariablen.</translation>
    </message>
    <message>
        <source>Trying to access the environment&apos;&apos;s Program Name of the first PSP</source>
        <translation>Versuch, auf den Programmnamen der Umgebung des ersten PSP zuzugreifen</translation>
    </message>
    <message>
        <source>Incomplete menu structure</source>
        <translation>Unvollständige Menüstruktur</translation>
    </message>
    <message>
        <source>Error in menu format</source>
        <translation>Fehler im Menüformat</translation>
    </message>
    <message>
        <source>Menu file not found</source>
        <translation>Menüdatei nicht gefunden</translation>
    </message>
    <message>
        <source>Pasword file not found</source>
        <translation>Passwortdatei nicht gefunden</translation>
    </message>
    <message>
        <source>User name all ready exist</source>
        <translation>Benutzername existiert bereits</translation>
    </message>
    <message>
        <source>String value of &apos;&apos; not acceptable.</source>
        <translation>Zeichenkettenwert &apos;&apos; nicht zulässig.</translation>
    </message>
    <message>
        <source>Error making dir.</source>
        <translation>Fehler beim Anlegen des Ordners.</translation>
    </message>
    <message>
        <source>Not a file but a device or a pipe</source>
        <translation>Keine Datei, sondern ein Gerät oder eine Pipe</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>File locked by another program</source>
        <translation>Datei von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>A link or special file stands where a file of a shared folder should be</source>
        <translation>Wo eine Datei eines gemeinsamen Ordners sein sollte, steht eine Verknüpfung oder Spezialdatei</translation>
    </message>
    <message>
        <source>Start up file error</source>
        <translation>Fehler in der Startdatei</translation>
    </message>
    <message>
        <source>No database found</source>
        <translation>Keine Datenbank gefunden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Error num %1, %2</source>
        <translation>Fehlernummer %1, %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Range check error</source>
        <translation>Fehler bei Bereichsprüfung</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Ganzzahlüberlauf</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>Gleitkommadivision durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>The program is ending</source>
        <translation>Das Programm wird beendet</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Runtime error %1</source>
        <translation>Laufzeitfehler %1</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>rand function marked with ^ needs &quot;:&quot; </source>
        <translatorcomment>native review: rand is the list&apos;s own function name and stays as it is; the faulty line follows after the trailing space</translatorcomment>
        <translation>der mit ^ markierte rand-Aufruf braucht &quot;:&quot; </translation>
    </message>
    <message>
        <source>rand function marked with ^ needs &quot;)&quot; </source>
        <translation>der mit ^ markierte rand-Aufruf braucht &quot;)&quot; </translation>
    </message>
    <message>
        <source>function marked with ^ needs &quot;)&quot; </source>
        <translation>die mit ^ markierte Funktion braucht &quot;)&quot; </translation>
    </message>
    <message>
        <source>the number of decimal points should be 0 to 18</source>
        <translation>die Zahl der Nachkommastellen muss zwischen 0 und 18 liegen</translation>
    </message>
    <message>
        <source>unexpected error in line:</source>
        <translation>unerwarteter Fehler in der Zeile:</translation>
    </message>
    <message>
        <source>unexpected character in&quot;%1&quot; at:%2</source>
        <translation>unerwartetes Zeichen in &quot;%1&quot; bei:%2</translation>
    </message>
    <message>
        <source>The spelling file has errors the keyword &quot;to&quot; was expected on line:%1 after:%2</source>
        <translatorcomment>native review: &quot;to&quot; is the list&apos;s own keyword (#1 to 10) and is not translated</translatorcomment>
        <translation>Die Wortliste hat Fehler: das Schlüsselwort &quot;to&quot; wurde erwartet in der Zeile:%1 nach:%2</translation>
    </message>
    <message>
        <source>Expression too complex: a fifth operand &quot;%1&quot; arrived while the operators%2 were pending</source>
        <translatorcomment>native review: %2 is the list of pending operators, each with a space before it</translatorcomment>
        <translation>Ausdruck zu verschachtelt: ein fünfter Operand &quot;%1&quot; kam, während die Operatoren%2 noch offen waren</translation>
    </message>
    <message>
        <source>Power too large: the exponent of %1 does not fit in 32 bits</source>
        <translation>Potenz zu groß: der Exponent von %1 passt nicht in 32 Bit</translation>
    </message>
    <message>
        <source>Power too large: %1 would have more than %2 digits</source>
        <translation>Potenz zu groß: %1 hätte mehr als %2 Stellen</translation>
    </message>
    <message>
        <source>Division by zero: %1/%2</source>
        <translation>Division durch null: %1/%2</translation>
    </message>
    <message>
        <source>Floating point overflow: %1 is too large a number</source>
        <translation>Gleitkommaüberlauf: %1 ist eine zu große Zahl</translation>
    </message>
    <message>
        <source>the list needs more arithmetic than a test can wait for: use smaller numbers or fewer lines</source>
        <translation>die Liste braucht mehr Rechenarbeit, als ein Test abwarten kann: kleinere Zahlen oder weniger Zeilen verwenden</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The list &quot;%1&quot; is there already. Replace it with the imported one?</source>
        <translation>Die Liste &quot;%1&quot; ist schon vorhanden. Durch die importierte ersetzen?</translation>
    </message>
</context>
<context>
    <name>KindWord</name>
    <message>
        <source>Right at the first try!</source>
        <translation>Alles beim ersten Versuch richtig!</translation>
    </message>
    <message>
        <source>A word that was hard before is right now!</source>
        <translation>Ein Wort, das vorher schwer war, ist jetzt richtig!</translation>
    </message>
    <message>
        <source>Better than last time!</source>
        <translation>Besser als beim letzten Mal!</translation>
    </message>
    <message>
        <source>Well done for finishing!</source>
        <translatorcomment>native review: praise for a child who finished the test; tone for 6-12 year olds</translatorcomment>
        <translation>Toll, dass du bis zum Ende durchgehalten hast!</translation>
    </message>
    <message>
        <source>Well done for the words you did!</source>
        <translatorcomment>native review: praise for a child who stopped early; tone for 6-12 year olds</translatorcomment>
        <translation>Gut gemacht bei den Wörtern, die du geschafft hast!</translation>
    </message>
    <message>
        <source>All %1 words right at the first try!</source>
        <translation>Alle %1 Wörter beim ersten Versuch richtig!</translation>
    </message>
    <message>
        <source>%1 words that were hard before are right now!</source>
        <translation>%1 Wörter, die vorher schwer waren, sind jetzt richtig!</translation>
    </message>
</context>
<context>
    <name>ListCompiler</name>
    <message>
        <source>&quot;$Decimal points&quot; needs the number of places after it, 0 to 18</source>
        <translation>&quot;$Decimal points&quot; braucht danach die Zahl der Stellen, 0 bis 18</translation>
    </message>
    <message>
        <source>the line makes no question: </source>
        <translation>die Zeile ergibt keine Frage: </translation>
    </message>
    <message>
        <source>the question has no answer: </source>
        <translation>die Frage hat keine Antwort: </translation>
    </message>
    <message>
        <source>the answer holds a character no one can type</source>
        <translation>die Antwort enthält ein Zeichen, das niemand tippen kann</translation>
    </message>
    <message>
        <source>the answer is longer than an answer box takes: </source>
        <translation>die Antwort ist länger, als ein Antwortfeld fasst: </translation>
    </message>
    <message>
        <source>the list would hold more than 65535 questions: the rest of this line is left out</source>
        <translation>die Liste hätte mehr als 65535 Fragen: der Rest dieser Zeile wird weggelassen</translation>
    </message>
    <message>
        <source> There are %1 Errors in the spelling file please check it! The error count is only aproximate and will count expanded lines and/or sometime only the first error etc.</source>
        <translatorcomment>native review: the English is itself unclear; it means the count may include each line an expression line expands to, and may count only a line&apos;s first error</translatorcomment>
        <translation> Die Wortliste enthält %1 Fehler, bitte prüfen! Die Zahl ist nur ungefähr: sie zählt erweiterte Zeilen mit und manchmal nur den ersten Fehler einer Zeile usw.</translation>
    </message>
</context>
<context>
    <name>MainFormO</name>
    <message>
        <source>Please use Quit button</source>
        <translation>Bitte die Schaltfläche Beenden benutzen</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
    <message>
        <source>Please type a name for the new list</source>
        <translation>Bitte einen Namen für die neue Liste eingeben</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>die Einstellungen</translation>
    </message>
    <message>
        <source>Create new file: %1</source>
        <translation>Neue Datei anlegen: %1</translation>
    </message>
    <message>
        <source>Access denied this is not your file! %1
The owner is :%2</source>
        <translation>Zugriff verweigert, diese Datei gehört jemand anderem! %1
Der Besitzer ist: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1</source>
        <translation>Wirklich löschen: %1</translation>
    </message>
    <message>
        <source> The change counts until Orv ends; %1 keeps the setting it had.</source>
        <translation> Die Änderung gilt, bis Orv beendet wird; %1 behält die bisherige Einstellung.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>no user</source>
        <translation>kein Benutzer</translation>
    </message>
</context>
<context>
    <name>MistakeKind</name>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>missed letter</source>
        <translatorcomment>native review: the kinds of mistake are the rows of the progress window&apos;s Kinds of mistakes tab, short labels for teachers</translatorcomment>
        <translation>fehlender Buchstabe</translation>
    </message>
    <message>
        <source>extra letter</source>
        <translation>Buchstabe zu viel</translation>
    </message>
    <message>
        <source>swapped letters</source>
        <translation>vertauschte Buchstaben</translation>
    </message>
    <message>
        <source>doubled letter</source>
        <translation>Buchstabe verdoppelt</translation>
    </message>
    <message>
        <source>single letter</source>
        <translatorcomment>native review: a letter the word has twice, typed once</translatorcomment>
        <translation>Doppelbuchstabe einfach geschrieben</translation>
    </message>
    <message>
        <source>wrong vowel</source>
        <translation>falscher Vokal</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>falscher Buchstabe</translation>
    </message>
    <message>
        <source>case</source>
        <translation>Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <source>accent</source>
        <translation>Akzent</translation>
    </message>
    <message>
        <source>other</source>
        <translation>andere</translation>
    </message>
    <message>
        <source>sum</source>
        <translatorcomment>native review: the row of wrong answers to sums (arithmetic questions)</translatorcomment>
        <translation>Rechenaufgabe</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>So close! A letter is missing:</source>
        <translatorcomment>native review: near-miss hint shown to a child</translatorcomment>
        <translation>Fast! Ein Buchstabe fehlt:</translation>
    </message>
    <message>
        <source>So close! One letter too many:</source>
        <translation>Fast! Ein Buchstabe zu viel:</translation>
    </message>
    <message>
        <source>So close! Two letters are swapped:</source>
        <translation>Fast! Zwei Buchstaben sind vertauscht:</translation>
    </message>
    <message>
        <source>So close! This letter is single:</source>
        <translatorcomment>native review: hint that a letter is single, not doubled (e.g. &quot;Mam&quot; vs &quot;Mamm&quot;); is the wording clear to a child?</translatorcomment>
        <translation>Fast! Dieser Buchstabe steht nur einmal:</translation>
    </message>
    <message>
        <source>So close! This letter is double:</source>
        <translation>Fast! Dieser Buchstabe steht doppelt:</translation>
    </message>
    <message>
        <source>So close! One letter is different:</source>
        <translation>Fast! Ein Buchstabe ist anders:</translation>
    </message>
    <message>
        <source>Nearly! Only the capitals differ:</source>
        <translation>Beinahe! Nur die Groß- und Kleinschreibung ist anders:</translation>
    </message>
    <message>
        <source>Nearly! Only the accents differ:</source>
        <translation>Beinahe! Nur die Akzente sind anders:</translation>
    </message>
</context>
<context>
    <name>OrvProgram</name>
    <message>
        <source>%1 sound stored.</source>
        <translation>%1 Ton gespeichert.</translation>
    </message>
    <message>
        <source>%1 sounds stored.</source>
        <translation>%1 Töne gespeichert.</translation>
    </message>
</context>
<context>
    <name>PasswordO</name>
    <message>
        <source>the users</source>
        <translation>die Benutzer</translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again.</source>
        <translation>Die beiden eingegebenen Passwörter stimmen nicht überein, bitte noch einmal versuchen.</translation>
    </message>
    <message>
        <source>User not found </source>
        <translation>Benutzer nicht gefunden </translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Neuer Benutzer</translation>
    </message>
    <message>
        <source>Input a Name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source> Error number 591 </source>
        <translation> Fehlernummer 591 </translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again thank you.</source>
        <translation>Die beiden eingegebenen Passwörter stimmen nicht überein, bitte noch einmal versuchen. Danke.</translation>
    </message>
    <message>
        <source>INCRECT PASWORD / USER NAME ACCESS DENIDE </source>
        <translation>FALSCHES PASSWORT / FALSCHER BENUTZERNAME, ZUGRIFF VERWEIGERT </translation>
    </message>
    <message>
        <source>Too many wrong log-ins for this name in a row: try again in %1 s.</source>
        <translation>Zu viele falsche Anmeldungen für diesen Namen hintereinander: Versuche es in %1 s noch einmal.</translation>
    </message>
    <message>
        <source>Line %1 of the password file %2 %3. That line is left out; the other users can log in.</source>
        <translation>Zeile %1 der Passwortdatei %2 %3. Diese Zeile wird übergangen; die anderen Benutzer können sich anmelden.</translation>
    </message>
    <message>
        <source>The password file %1 could not be saved, so the change was not made. </source>
        <translation>Die Passwortdatei %1 konnte nicht gespeichert werden, daher wurde die Änderung nicht vorgenommen. </translation>
    </message>
    <message>
        <source>%1 (the password file %2 had been changed by another program).</source>
        <translation>%1 (die Passwortdatei %2 wurde von einem anderen Programm geändert).</translation>
    </message>
    <message>
        <source>NO PASWORD FOR SUPPER USER, reset to &quot;%1&quot;</source>
        <translation>KEIN PASSWORT FÜR DEN SUPERUSER, zurückgesetzt auf &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The super user %1 keeps the default password &quot;%2&quot;, so you are not logged in. Log in again and choose a new password.</source>
        <translation>Der Superuser %1 hat weiterhin das Standardpasswort &quot;%2&quot;, daher sind Sie nicht angemeldet. Melden Sie sich erneut an und wählen Sie ein neues Passwort.</translation>
    </message>
    <message>
        <source>The super user %1 has the default password &quot;%2&quot;, which anyone can read in the help. Choose a new password for %1.</source>
        <translation>Der Superuser %1 hat das Standardpasswort &quot;%2&quot;, das jeder in der Hilfe lesen kann. Wählen Sie ein neues Passwort für %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the default password. Please choose another one.</source>
        <translation>&quot;%1&quot; ist das Standardpasswort. Bitte wählen Sie ein anderes.</translation>
    </message>
    <message>
        <source>Delete user %1</source>
        <translation>Benutzer %1 löschen</translation>
    </message>
    <message>
        <source>The password file %1 holds more than %2 users</source>
        <translation>Die Passwortdatei %1 enthält mehr als %2 Benutzer</translation>
    </message>
    <message>
        <source>The user &quot;%1&quot; is no longer in the password file, so the change was not made</source>
        <translation>Der Benutzer &quot;%1&quot; steht nicht mehr in der Passwortdatei, daher wurde die Änderung nicht vorgenommen</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>The log-in window has not been created</source>
        <translation>Das Anmeldefenster wurde nicht erstellt</translation>
    </message>
</context>
<context>
    <name>ReviewPlan</name>
    <message>
        <source>Nothing to review yet: the words you miss in a test come back here.</source>
        <translation>Noch nichts zu wiederholen: Die Wörter, die du in einem Test falsch schreibst, kommen hierher zurück.</translation>
    </message>
    <message>
        <source>Nothing to review today. The next words are due on %1.</source>
        <translation>Heute gibt es nichts zu wiederholen. Die nächsten Wörter sind am %1 fällig.</translation>
    </message>
</context>
<context>
    <name>ScoreDatabase</name>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Data base</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Edit if wrong:</source>
        <translation>Korrigieren, falls falsch:</translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Create a new score database there?</source>
        <translation>Die Datenbankdatei %1 existiert nicht. Dort eine neue Ergebnisdatenbank anlegen?</translation>
    </message>
    <message>
        <source>Cannot connect to the database engine. Are you sure firebird or another interbase compatible database is running? </source>
        <translation>Keine Verbindung zum Datenbanksystem. Läuft Firebird oder eine andere InterBase-kompatible Datenbank? </translation>
    </message>
    <message>
        <source>The current database file is not a valid database file please click yes to choose a new one.</source>
        <translation>Die aktuelle Datenbankdatei ist keine gültige Datenbankdatei. Bitte auf Ja klicken, um eine neue zu wählen.</translation>
    </message>
    <message>
        <source>Can not open the database file for orv</source>
        <translation>Die Datenbankdatei für Orv kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Interbase compatible database files(*.gdb)|*.gdb</source>
        <translation>InterBase-kompatible Datenbankdateien (*.gdb)|*.gdb</translation>
    </message>
    <message>
        <source>Access denied: choosing another score database than %1 needs level %2 (Change Database).</source>
        <translation>Zugriff verweigert: Eine andere Ergebnisdatenbank als %1 zu wählen, erfordert Stufe %2 (Datenbank wechseln).</translation>
    </message>
    <message>
        <source> The database could not be opened: %1.</source>
        <translation> Die Datenbank konnte nicht geöffnet werden: %1.</translation>
    </message>
    <message>
        <source> Orv tries the same file again; if it keeps failing, ask a teacher.</source>
        <translation> Orv versucht es noch einmal mit derselben Datei; wenn es immer wieder nicht klappt, frag eine Lehrkraft.</translation>
    </message>
    <message>
        <source>Database file:%1
%2
do you whant to try again click No to exit Orv6?</source>
        <translation>Datenbankdatei: %1
%2
Noch einmal versuchen? Nein beendet Orv6.</translation>
    </message>
    <message>
        <source>%1 holds letters other than plain ASCII, which the database driver cannot pass on</source>
        <translation>%1 enthält andere Zeichen als reines ASCII, die der Datenbanktreiber nicht weitergeben kann</translation>
    </message>
    <message>
        <source>The database user name</source>
        <translation>Der Datenbank-Benutzername</translation>
    </message>
    <message>
        <source>The database password</source>
        <translation>Das Datenbank-Passwort</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>Die Datenbank ist nicht verbunden</translation>
    </message>
    <message>
        <source>The database connection is not a Firebird connection</source>
        <translation>Die Datenbankverbindung ist keine Firebird-Verbindung</translation>
    </message>
    <message>
        <source>Cannot make the database engine&apos;s lock folder %1: %2</source>
        <translation>Der Sperrordner des Datenbanksystems %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The database engine was about to start before its folders were set; nothing was opened</source>
        <translation>Das Datenbanksystem sollte starten, bevor seine Ordner festgelegt waren; nichts wurde geöffnet</translation>
    </message>
    <message>
        <source>The character set</source>
        <translation>Der Zeichensatz</translation>
    </message>
    <message>
        <source>Cannot run &quot;%1&quot;</source>
        <translation>&quot;%1&quot; kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>Cannot start a transaction</source>
        <translation>Keine Transaktion möglich</translation>
    </message>
    <message>
        <source>Cannot commit</source>
        <translation>Speichern (Commit) nicht möglich</translation>
    </message>
    <message>
        <source>Cannot reserve %1</source>
        <translation>%1 kann nicht reserviert werden</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long; the database engine takes at most %3</source>
        <translation>%1 ist %2 Byte lang; das Datenbanksystem nimmt höchstens %3</translation>
    </message>
    <message>
        <source>The database engine&apos;s parameters are %1 bytes long; it takes at most %2</source>
        <translation>Die Parameter des Datenbanksystems sind %1 Byte lang; es nimmt höchstens %2</translation>
    </message>
    <message>
        <source>Only a single select statement can be run here. The statement was not run and nothing was changed.</source>
        <translation>Hier kann nur eine einzelne SELECT-Anweisung ausgeführt werden. Die Anweisung wurde nicht ausgeführt, nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Cannot upgrade the score database: </source>
        <translation>Die Ergebnisdatenbank kann nicht aktualisiert werden: </translation>
    </message>
    <message>
        <source>Cannot set the learners&apos; rights: </source>
        <translation>Die Rechte der Kinder können nicht gesetzt werden: </translation>
    </message>
    <message>
        <source>Cannot read the score database&apos;s version: %1</source>
        <translation>Die Version der Ergebnisdatenbank kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>Keine Transaktion möglich: %1</translation>
    </message>
    <message>
        <source>Cannot commit: the connection to the database is lost</source>
        <translation>Speichern (Commit) nicht möglich: die Verbindung zur Datenbank ist verloren</translation>
    </message>
    <message>
        <source>Cannot roll back: %1</source>
        <translation>Zurücksetzen (Rollback) nicht möglich: %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>Speichern (Commit) nicht möglich: %1</translation>
    </message>
    <message>
        <source>The connection to the database was lost twice while committing</source>
        <translation>Die Verbindung zur Datenbank ging beim Speichern zweimal verloren</translation>
    </message>
    <message>
        <source>Another program kept writing the same learner&apos;s rows</source>
        <translation>Ein anderes Programm schrieb immer wieder in die Zeilen desselben Kindes</translation>
    </message>
    <message>
        <source>Only a teacher&apos;s computer account may change or remove what the score database holds: ask a teacher to do this.</source>
        <translatorcomment>native review: read by a learner who tried to replace a sound</translatorcomment>
        <translation>Nur das Computerkonto einer Lehrkraft darf Inhalte der Ergebnisdatenbank ändern oder löschen: bitte eine Lehrkraft fragen.</translation>
    </message>
    <message>
        <source>Cannot create the database %1</source>
        <translation>Die Datenbank %1 kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>SoundStore</name>
    <message>
        <source> Word allready in database overwrite! </source>
        <translation> Das Wort ist schon in der Datenbank. Überschreiben? </translation>
    </message>
    <message>
        <source>%1: not stored as the sound of &quot;%2&quot;: %3</source>
        <translation>%1: nicht als Aufnahme von &quot;%2&quot; gespeichert: %3</translation>
    </message>
    <message>
        <source>the score database could not be opened</source>
        <translation>die Ergebnisdatenbank konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>it has a sound already</source>
        <translation>es hat schon eine Aufnahme</translation>
    </message>
    <message>
        <source>the sound is not a WAV file that can be played</source>
        <translation>die Aufnahme ist keine abspielbare WAV-Datei</translation>
    </message>
    <message>
        <source>the score database refused it: %1</source>
        <translation>die Ergebnisdatenbank hat sie abgelehnt: %1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Über Orv</translation>
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
        <translation>Dieses Programm ist noch in der Betaphase</translation>
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
        <translation>Ordner wechseln</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TClassOverviewForm</name>
    <message>
        <source>Class overview</source>
        <translation>Klassenübersicht</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Nur die Tests vom ersten bis zum letzten Tag, wenn angekreuzt</translation>
    </message>
    <message>
        <source>Click a title to sort by it; double click a row to see that learner&apos;s progress</source>
        <translation>Klick auf einen Titel sortiert danach; Doppelklick auf eine Zeile zeigt den Fortschritt</translation>
    </message>
    <message>
        <source>Trend: the later half of the tests against the earlier half</source>
        <translation>Trend: die spätere Hälfte der Tests gegenüber der früheren</translation>
    </message>
    <message>
        <source>Test da&amp;y of</source>
        <translation>&amp;Testtag für</translation>
    </message>
    <message>
        <source>Test day list</source>
        <translation>Liste des Testtags</translation>
    </message>
    <message>
        <source>The list (its group and name) the test day is for</source>
        <translation>Die Liste (Gruppe und Name), für die der Testtag gilt</translation>
    </message>
    <message>
        <source>Test day</source>
        <translation>Testtag</translation>
    </message>
    <message>
        <source>Until this day the review brings every item of the list</source>
        <translation>Bis zu diesem Tag bringt die Wiederholung jeden Eintrag der Liste</translation>
    </message>
    <message>
        <source>&amp;Set test day</source>
        <translation>Testtag &amp;setzen</translation>
    </message>
    <message>
        <source>For the selected learners, or every learner shown when none is</source>
        <translation>Für die gewählten Kinder, oder für alle gezeigten, wenn keins gewählt ist</translation>
    </message>
    <message>
        <source>C&amp;lear test day</source>
        <translation>Testtag &amp;löschen</translation>
    </message>
    <message>
        <source>The list&apos;s test day set here is taken away</source>
        <translation>Der hier gesetzte Testtag der Liste wird entfernt</translation>
    </message>
    <message>
        <source>Choose the list the test day is for</source>
        <translation>Erst die Liste wählen, für die der Testtag gilt</translation>
    </message>
    <message>
        <source>1 learner</source>
        <translation>1 Kind</translation>
    </message>
    <message>
        <source>%1 learners</source>
        <translation>%1 Kinder</translation>
    </message>
    <message>
        <source>Test day %1 of %2 set for %3</source>
        <translation>Testtag %1 für %2 gesetzt für %3</translation>
    </message>
    <message>
        <source>Test day of %1 cleared for %2</source>
        <translation>Testtag für %1 gelöscht für %2</translation>
    </message>
</context>
<context>
    <name>TCompiledView</name>
    <message>
        <source>Compiled Viewtest</source>
        <translation>Kompilierte Ansicht</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Compiled list</source>
        <translation>Kompilierte Liste</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>TDateRangeBox</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>TDateTimePicker</name>
    <message>
        <source>Use %1</source>
        <translation>%1 verwenden</translation>
    </message>
</context>
<context>
    <name>TEditOrv</name>
    <message>
        <source>Edit Orv file</source>
        <translation>Orv-Datei bearbeiten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Delete Linefeeds</source>
        <translation>Zeilenumbrüche entfernen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;View compiled</source>
        <translation>&amp;Kompiliert ansehen</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>Änderungen speichern</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>die Wortlisten</translation>
    </message>
    <message>
        <source>The changes to %1 that were not saved when Orv last ended are in %2, which could not be read: %3</source>
        <translation>Die Änderungen an %1, die beim letzten Beenden von Orv nicht gespeichert waren, liegen in %2, das nicht gelesen werden konnte: %3</translation>
    </message>
    <message>
        <source>Orv ended before the changes to %1 were saved; they were kept in %2. Open the changed text? (No opens the list as it was saved and deletes the changes.)</source>
        <translation>Orv wurde beendet, bevor die Änderungen an %1 gespeichert waren; sie wurden in %2 aufbewahrt. Den geänderten Text öffnen? (Nein öffnet die Liste, wie sie gespeichert war, und löscht die Änderungen.)</translation>
    </message>
    <message>
        <source>Could not delete %1: %2</source>
        <translation>%1 konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>The list %1 could not be read (%2), so this window did not show it. Saving replaces it with the text shown here. Replace it?</source>
        <translation>Die Liste %1 konnte nicht gelesen werden (%2), daher hat dieses Fenster sie nicht angezeigt. Beim Speichern wird sie durch den hier gezeigten Text ersetzt. Ersetzen?</translation>
    </message>
</context>
<context>
    <name>TEditUsers</name>
    <message>
        <source>EditUsers</source>
        <translation>Benutzer bearbeiten</translation>
    </message>
    <message>
        <source>Change the password for the slected user</source>
        <translation>Das Passwort des ausgewählten Benutzers ändern</translation>
    </message>
    <message>
        <source>Delete a user from the password list</source>
        <translation>Einen Benutzer aus der Passwortliste löschen</translation>
    </message>
    <message>
        <source>Add a user to the pasword list</source>
        <translation>Einen Benutzer zur Passwortliste hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Acsses level</source>
        <translation>Zugriffsstufe</translation>
    </message>
    <message>
        <source>ChangePass</source>
        <translation>Passwort ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>AddUser</source>
        <translation>Hinzufügen</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Nur &amp;ganzes Wort</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/&amp;Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Round to 3 decimal places where appropriate. </source>
        <translation>Runde auf 3 Nachkommastellen, wo es nötig ist. </translation>
    </message>
    <message>
        <source>questions remaining</source>
        <translation>Fragen übrig</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Math input</source>
        <translation>Recheneingabe</translation>
    </message>
    <message>
        <source>Type the answer to the question in the answer box|Type the answer to the question in the answer box and press enter</source>
        <translation>Tippe die Antwort auf die Frage in das Antwortfeld|Tippe die Antwort auf die Frage in das Antwortfeld und drücke die Eingabetaste</translation>
    </message>
    <message>
        <source>Type the answer to this question in the answer box below</source>
        <translation>Tippe die Antwort auf diese Frage unten in das Antwortfeld</translation>
    </message>
    <message>
        <source>Type the answer in the box below</source>
        <translation>Tippe die Antwort unten in das Feld</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Test beenden|Den Test beenden und das Ergebnis sehen (oder Esc drücken)</translation>
    </message>
    <message>
        <source>Round to %1 decimal places where appropriate.</source>
        <translation>Runde auf %1 Nachkommastellen, wo es nötig ist.</translation>
    </message>
</context>
<context>
    <name>TGridExport</name>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Save the rows shown as CSV, or print them (also to a PDF file)</source>
        <translation>Die gezeigten Zeilen als CSV speichern oder drucken (auch in eine PDF-Datei)</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Als &amp;CSV speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Orv Help</source>
        <translation>Orv-Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Ein Wort zum Suchen eingeben</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichwörter</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Tippe die ersten Buchstaben eines Wortes:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>TImportForm</name>
    <message>
        <source>Import lists</source>
        <translation>Listen importieren</translation>
    </message>
    <message>
        <source>Lists to make</source>
        <translation>Zu erstellende Listen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>What cannot be imported</source>
        <translation>Was nicht importiert werden kann</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Word or question from:</source>
        <translation>Wort oder Frage aus:</translation>
    </message>
    <message>
        <source>Answer from:</source>
        <translation>Antwort aus:</translation>
    </message>
    <message>
        <source>Into the group:</source>
        <translation>In die Gruppe:</translation>
    </message>
    <message>
        <source>Lists to make:</source>
        <translation>Zu erstellende Listen:</translation>
    </message>
    <message>
        <source>What cannot be imported:</source>
        <translation>Was nicht importiert werden kann:</translation>
    </message>
    <message>
        <source>none: spelling words</source>
        <translation>keine: Rechtschreibwörter</translation>
    </message>
    <message>
        <source>is there: asks before replacing it</source>
        <translation>ist vorhanden: fragt vor dem Ersetzen</translation>
    </message>
    <message>
        <source>The group &quot;</source>
        <translation>Die Gruppe &quot;</translation>
    </message>
    <message>
        <source>&quot; leaves the word lists</source>
        <translation>&quot; liegt außerhalb der Wortlisten</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>Aus %1</translation>
    </message>
    <message>
        <source>%1 (nothing is imported)</source>
        <translation>%1 (nichts wird importiert)</translation>
    </message>
    <message>
        <source>%1 was kept as it was.</source>
        <translation>%1 wurde unverändert gelassen.</translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation>%1 Ton</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 Töne</translation>
    </message>
    <message>
        <source>%1 list made.</source>
        <translation>%1 Liste erstellt.</translation>
    </message>
    <message>
        <source>%1 lists made.</source>
        <translation>%1 Listen erstellt.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Select user from drop down list</source>
        <translation>Benutzer aus der Liste wählen</translation>
    </message>
    <message>
        <source>Enter new password here</source>
        <translation>Neues Passwort hier eingeben</translation>
    </message>
    <message>
        <source>Enter password here</source>
        <translation>Passwort hier eingeben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Enter user name and password</source>
        <translation>Benutzername und Passwort eingeben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>        Pasword</source>
        <translation>        Passwort</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Passwort bestätigen</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Enter new password twice</source>
        <translation>Neues Passwort zweimal eingeben</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Passwörter</translation>
    </message>
    <message>
        <source>        Password</source>
        <translation>        Passwort</translation>
    </message>
    <message>
        <source>Wait %1 s before the next log-in as %2</source>
        <translation>Bitte warte %1 s bis zur nächsten Anmeldung als %2</translation>
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
        <translation>Hinweisleiste</translation>
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
        <translation>Datei</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File length</source>
        <translation>Länge der Liste</translation>
    </message>
    <message>
        <source>|current word list</source>
        <translation>|aktuelle Wortliste</translation>
    </message>
    <message>
        <source>|Current user</source>
        <translation>|Aktueller Benutzer</translation>
    </message>
    <message>
        <source>Current sub group</source>
        <translation>Aktuelle Untergruppe</translation>
    </message>
    <message>
        <source>number of words in list</source>
        <translation>Anzahl der Wörter in der Liste</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Start on the file above</source>
        <translation>Mit der Liste oben beginnen</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>Wiede&amp;rholen</translation>
    </message>
    <message>
        <source>Review|Ask again the words that are due, from every list</source>
        <translation>Wiederholen|Die fälligen Wörter aus allen Listen noch einmal abfragen</translation>
    </message>
    <message>
        <source>&amp;Log Out</source>
        <translation>&amp;Abmelden</translation>
    </message>
    <message>
        <source>Log out|log off the current user and leave orv running use Quit to quit orv</source>
        <translation>Abmelden|Den aktuellen Benutzer abmelden, Orv läuft weiter; mit Beenden wird Orv beendet</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>|Quit program</source>
        <translation>|Programm beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Pick file|Pick an existing orv file for the current file</source>
        <translation>Datei wählen|Eine vorhandene Orv-Datei als aktuelle Datei wählen</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Create new orv file</source>
        <translation>Neue Orv-Datei anlegen</translation>
    </message>
    <message>
        <source>New Dir</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Make word lists from the files of other programs: CSV, KVTML, Anki, text</source>
        <translation>Wortlisten aus Dateien anderer Programme erstellen: CSV, KVTML, Anki, Text</translation>
    </message>
    <message>
        <source>&amp;ChDir</source>
        <translation>Ordner &amp;wechseln</translation>
    </message>
    <message>
        <source>Change current directory</source>
        <translation>Aktuellen Ordner wechseln</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>Datei &amp;löschen</translation>
    </message>
    <message>
        <source>|Delete word list cleanup score etc.</source>
        <translation>|Wortliste löschen, Ergebnisse bereinigen usw.</translation>
    </message>
    <message>
        <source>Remove dir</source>
        <translation>Ordner entfernen</translation>
    </message>
    <message>
        <source>Remove a directory, it will need to be empty</source>
        <translation>Einen Ordner entfernen; er muss leer sein</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten...</translation>
    </message>
    <message>
        <source>Setup printer</source>
        <translation>Drucker einrichten</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Ergebnis</translation>
    </message>
    <message>
        <source>Show score for current file</source>
        <translation>Ergebnis der aktuellen Datei anzeigen</translation>
    </message>
    <message>
        <source>Pro&amp;gress</source>
        <translation>Fort&amp;schritt</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Deine Tests im Lauf der Zeit, als Diagramme</translation>
    </message>
    <message>
        <source>Class o&amp;verview</source>
        <translation>&amp;Klassenübersicht</translation>
    </message>
    <message>
        <source>Every learner&apos;s tests of each list at a glance</source>
        <translation>Die Tests jedes Kindes zu jeder Liste auf einen Blick</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation>&amp;Wortliste</translation>
    </message>
    <message>
        <source>Edit Menu</source>
        <translation>Menü Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>Liste &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit File|Edit current file if you are the owner or have high enough pas level</source>
        <translation>Datei bearbeiten|Die aktuelle Datei bearbeiten (nur für ihren Besitzer oder mit ausreichender Passwortstufe)</translation>
    </message>
    <message>
        <source>&amp;View words</source>
        <translation>Wörter &amp;ansehen</translation>
    </message>
    <message>
        <source>Look at the current list of words</source>
        <translation>Die aktuelle Wortliste ansehen</translation>
    </message>
    <message>
        <source>&amp;Log list</source>
        <translation>&amp;Protokoll der Liste</translation>
    </message>
    <message>
        <source>&amp;Make wrong word file</source>
        <translation>&amp;Fehlerwortliste erstellen</translation>
    </message>
    <message>
        <source>Ask again the words that are due, from every list</source>
        <translation>Die fälligen Wörter aus allen Listen noch einmal abfragen</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Benutzer</translation>
    </message>
    <message>
        <source>Click for user menu</source>
        <translation>Klicken für das Menü Benutzer</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>Benutzer &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add a new user</source>
        <translation>Einen neuen Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit users</source>
        <translation>Benutzer &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Edit the password file</source>
        <translation>Die Passwortdatei bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Change Pasword</source>
        <translation>&amp;Passwort ändern</translation>
    </message>
    <message>
        <source>Change the password of a user</source>
        <translation>Das Passwort eines Benutzers ändern</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Protokoll</translation>
    </message>
    <message>
        <source>Not iimplemented</source>
        <translation>Nicht implementiert</translation>
    </message>
    <message>
        <source>&amp;Log wrong</source>
        <translation>&amp;Fehler protokollieren</translation>
    </message>
    <message>
        <source>Log &amp;users</source>
        <translation>&amp;Benutzer protokollieren</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>nicht implementiert</translation>
    </message>
    <message>
        <source>Log &amp;correct</source>
        <translation>&amp;Richtige protokollieren</translation>
    </message>
    <message>
        <source>Log right answers|Log correct answers but not necessarily wrong ones </source>
        <translation>Richtige Antworten protokollieren|Richtige Antworten protokollieren, aber nicht unbedingt falsche </translation>
    </message>
    <message>
        <source>&amp;View log</source>
        <translation>Protokoll &amp;anzeigen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>Sounds stored In data base</source>
        <translation>In der Datenbank gespeicherte Töne</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Click for option menu</source>
        <translation>Klicken für das Menü Optionen</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Datenbank wechseln</translation>
    </message>
    <message>
        <source>&amp;Pasword levels</source>
        <translation>&amp;Passwortstufen</translation>
    </message>
    <message>
        <source>The password level each guarded command needs</source>
        <translation>Die Passwortstufe, die jeder geschützte Befehl braucht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Click for help menu</source>
        <translation>Klicken für das Menü Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Hilfe &amp;durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>Hilfe &amp;benutzen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Über &amp;Orv...</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open|Open new file for spelling</source>
        <translation>Öffnen|Eine andere Datei zum Üben öffnen</translation>
    </message>
    <message>
        <source>Change directory</source>
        <translation>Ordner wechseln</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Eine neue Datei anlegen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit the current file</source>
        <translation>Die aktuelle Datei bearbeiten</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Score window for curent file</source>
        <translation>Ergebnisfenster für die aktuelle Datei</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Aktuelle Datei drucken</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit orv</source>
        <translation>Orv beenden</translation>
    </message>
    <message>
        <source>Choose the files to import</source>
        <translation>Die zu importierenden Dateien wählen</translation>
    </message>
    <message>
        <source>Lists of other programs (*.csv *.tsv *.txt *.kvtml);;All files (*)</source>
        <translation>Listen anderer Programme (*.csv *.tsv *.txt *.kvtml);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The help pages could not be found</source>
        <translation>Die Hilfeseiten wurden nicht gefunden</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>View &amp;Compiled</source>
        <translation>&amp;Kompiliert ansehen</translation>
    </message>
    <message>
        <source>If checked any mistake will be written to a log file</source>
        <translation>Wenn angekreuzt, wird jeder Fehler in eine Protokolldatei geschrieben</translation>
    </message>
</context>
<context>
    <name>TOpenFileForm</name>
    <message>
        <source>Open orv file</source>
        <translation>Orv-Datei öffnen</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Gruppen</translation>
    </message>
    <message>
        <source>|Choose a group from this pain. Click the + to expand. Use the pain on the right to choose a file</source>
        <translation>|Hier eine Gruppe wählen. Mit + wird sie aufgeklappt. Im rechten Bereich eine Datei wählen</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>| Choose a file from this pain use the pain on the left to choose a group. </source>
        <translation>| Hier eine Datei wählen; im linken Bereich eine Gruppe wählen. </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nicht fertig</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>The desktop&apos;s font</source>
        <translation>Schrift des Desktops</translation>
    </message>
    <message>
        <source>Letter &amp;case may differ</source>
        <translation>&amp;Groß-/Kleinschreibung darf abweichen</translation>
    </message>
    <message>
        <source>Paris is right for paris where a list says nothing</source>
        <translation>paris ist richtig für Paris, wo eine Liste nichts festlegt</translation>
    </message>
    <message>
        <source>&amp;Accents may differ</source>
        <translation>&amp;Akzente dürfen abweichen</translation>
    </message>
    <message>
        <source>cafe is right for café where a list says nothing</source>
        <translation>cafe ist richtig für café, wo eine Liste nichts festlegt</translation>
    </message>
    <message>
        <source>&amp;Punctuation may be left out</source>
        <translation>Satzzeic&amp;hen dürfen fehlen</translation>
    </message>
    <message>
        <source>dont is right for don&apos;t where a list says nothing</source>
        <translatorcomment>native review: the example is German (geht&apos;s) instead of the English don&apos;t</translatorcomment>
        <translation>gehts ist richtig für geht&apos;s, wo eine Liste nichts festlegt</translation>
    </message>
    <message>
        <source>An answer a;b takes eit&amp;her</source>
        <translation>Eine Antwort a;b lässt &amp;beide zu</translation>
    </message>
    <message>
        <source>grey;gray accepts grey and gray where a list says nothing</source>
        <translatorcomment>native review: the example is a German double spelling instead of the English grey;gray</translatorcomment>
        <translation>Delfin;Delphin nimmt Delfin und Delphin an, wo eine Liste nichts festlegt</translation>
    </message>
    <message>
        <source>Sums: an &amp;equal value is right</source>
        <translation>Rechnen: ein gl&amp;eicher Wert ist richtig</translation>
    </message>
    <message>
        <source>2/4, 0.5 and 0,5 are right for 1/2 where a list says nothing</source>
        <translation>2/4, 0.5 und 0,5 sind richtig für 1/2, wo eine Liste nichts festlegt</translation>
    </message>
    <message>
        <source>Fractions in &amp;lowest terms</source>
        <translation>Brüche &amp;vollständig gekürzt</translation>
    </message>
    <message>
        <source>2/4 for 1/2 is asked again to be written in lowest terms</source>
        <translation>2/4 für 1/2 wird noch einmal gefragt, um vollständig gekürzt zu werden</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>&amp;File order</source>
        <translation>&amp;Reihenfolge</translation>
    </message>
    <message>
        <source>&amp;In order</source>
        <translation>&amp;Sortiert</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>Do the spellings in alphabetical order or in random orde</source>
        <translation>Die Wörter in alphabetischer oder in zufälliger Reihenfolge abfragen</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Wörter</translation>
    </message>
    <message>
        <source>&amp;Do whole file</source>
        <translation>Ganze &amp;Liste</translation>
    </message>
    <message>
        <source>do &amp;Ten words</source>
        <translation>Zeh&amp;n Wörter</translation>
    </message>
    <message>
        <source>Do whole file or do ten words if you do ten words the words not done are saved in a file to do next time</source>
        <translation>Ganze Liste oder zehn Wörter abfragen; bei zehn Wörtern werden die übrigen Wörter in einer Datei für das nächste Mal gespeichert</translation>
    </message>
    <message>
        <source>&amp;Sound group</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>Show word</source>
        <translation>Wort zeigen</translation>
    </message>
    <message>
        <source>Show word even if playing sound for word</source>
        <translation>Das Wort auch zeigen, wenn sein Ton abgespielt wird</translation>
    </message>
    <message>
        <source>Reshow Word</source>
        <translation>Wort erneut zeigen</translation>
    </message>
    <message>
        <source>allow reshow of word having played sound for word</source>
        <translation>Erneutes Zeigen des Wortes erlauben, nachdem sein Ton abgespielt wurde</translation>
    </message>
    <message>
        <source>Speak words that have no sound</source>
        <translation>Wörter ohne Aufnahme vorlesen</translation>
    </message>
    <message>
        <source>A word without a recorded sound is spoken by the computer&apos;s voice</source>
        <translation>Ein Wort ohne Aufnahme wird von der Stimme des Computers gesprochen</translation>
    </message>
    <message>
        <source>Speak sums</source>
        <translation>Rechenaufgaben vorlesen</translation>
    </message>
    <message>
        <source>Arithmetic questions are spoken as well</source>
        <translation>Auch Rechenaufgaben werden gesprochen</translation>
    </message>
    <message>
        <source>The language of the voice that speaks the words</source>
        <translation>Die Sprache der Stimme, die die Wörter spricht</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>S&amp;timme</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>How large the text of every window is; the windows grow with it</source>
        <translation>Wie groß der Text jedes Fensters ist; die Fenster wachsen mit</translation>
    </message>
    <message>
        <source>A font made for children learning to read, or the desktop&apos;s own</source>
        <translation>Eine Schrift für Kinder, die lesen lernen, oder die des Desktops</translation>
    </message>
    <message>
        <source>Hi&amp;gh contrast colours</source>
        <translation>Hoher &amp;Kontrast</translation>
    </message>
    <message>
        <source>White and yellow on black in every window</source>
        <translation>Weiß und Gelb auf Schwarz in jedem Fenster</translation>
    </message>
    <message>
        <source>How long the word to type stays on the screen, 100 % being the usual time</source>
        <translation>Wie lange das zu tippende Wort auf dem Bildschirm bleibt; 100 % ist die übliche Zeit</translation>
    </message>
    <message>
        <source>A &amp;kind word at the end of a test</source>
        <translation>Ein &amp;freundliches Wort am Ende des Tests</translation>
    </message>
    <message>
        <source>One line in the score window on what went well in the test</source>
        <translation>Eine Zeile im Ergebnisfenster zu dem, was im Test gut lief</translation>
    </message>
    <message>
        <source>A chi&amp;me after each right answer</source>
        <translation>Ein Klang nach jeder ri&amp;chtigen Antwort</translation>
    </message>
    <message>
        <source>A short pleasant sound as RIGHT !! is shown</source>
        <translation>Ein kurzer, angenehmer Klang, wenn RICHTIG !! erscheint</translation>
    </message>
    <message>
        <source>Te&amp;xt size</source>
        <translation>Te&amp;xtgröße</translation>
    </message>
    <message>
        <source>Reading fo&amp;nt</source>
        <translation>Leseschr&amp;ift</translation>
    </message>
    <message>
        <source>Word shown f&amp;or</source>
        <translation>Anzeige&amp;dauer</translation>
    </message>
    <message>
        <source>Answers where a list says nothing</source>
        <translation>Antworten, wenn die Liste nichts festlegt</translation>
    </message>
    <message>
        <source>What else counts as right for every list that does not say it itself</source>
        <translation>Was sonst noch als richtig zählt, in jeder Liste, die es nicht selbst festlegt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>confirm options they are saved when you log out or quit orv6</source>
        <translation>Optionen bestätigen; sie werden beim Abmelden oder Beenden von Orv gespeichert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Go back to original values</source>
        <translation>Zu den ursprünglichen Werten zurückkehren</translation>
    </message>
    <message>
        <source> (the language&apos;s own voice)</source>
        <translation> (die eigene Stimme der Sprache)</translation>
    </message>
    <message>
        <source> (not on this computer)</source>
        <translation> (nicht auf diesem Computer)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>The language of the windows and of the voice; a change shows the next time Orv starts</source>
        <translation>Die Sprache der Fenster und der Stimme; eine Änderung wirkt beim nächsten Start von Orv</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The language of the windows</source>
        <translation>Sprache der Fenster</translation>
    </message>
</context>
<context>
    <name>TPasLevForm</name>
    <message>
        <source>Option menu pasword Level</source>
        <translation>Passwortstufe Menü Optionen</translation>
    </message>
    <message>
        <source>Sound menu pasword Level</source>
        <translation>Passwortstufe Menü Ton</translation>
    </message>
    <message>
        <source>List sounds pasword level</source>
        <translation>Passwortstufe Töne auflisten</translation>
    </message>
    <message>
        <source>Delete sound pasword level</source>
        <translation>Passwortstufe Ton löschen</translation>
    </message>
    <message>
        <source>Change Database</source>
        <translation>Datenbank wechseln</translation>
    </message>
    <message>
        <source>Delete spelling file</source>
        <translation>Wortliste löschen</translation>
    </message>
    <message>
        <source>Look at other users spelling list</source>
        <translation>Listen anderer Benutzer ansehen</translation>
    </message>
    <message>
        <source>Make wrong word file for others</source>
        <translation>Fehlerwortliste für andere erstellen</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>Pasword levels</source>
        <translation>Passwortstufen</translation>
    </message>
    <message>
        <source>The password level needed to have access to a particular feature</source>
        <translation>Die Passwortstufe, die für den Zugang zu einer Funktion nötig ist</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>learned</source>
        <translation>gelernt</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translatorcomment>native review: &quot;Box&quot; of the review schedule (Leitner card box); &quot;Fach&quot; as in Lernkartei</translatorcomment>
        <translation>Fach %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translatorcomment>native review: &quot;Learner&quot; rendered as &quot;Kind&quot; for a school; &quot;Lernende(r)&quot; is the neutral alternative</translatorcomment>
        <translation>&amp;Kind:</translation>
    </message>
    <message>
        <source>Whose tests are shown</source>
        <translation>Wessen Tests gezeigt werden</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Nur die Tests vom ersten bis zum letzten Tag, wenn angekreuzt</translation>
    </message>
    <message>
        <source>Percent &amp;right</source>
        <translation>Prozent &amp;richtig</translation>
    </message>
    <message>
        <source>&amp;Help used</source>
        <translation>&amp;Hilfe genutzt</translation>
    </message>
    <message>
        <source>&amp;Words most often wrong</source>
        <translation>Am häufigsten &amp;falsche Wörter</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation>Fä&amp;cher</translation>
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
        <translation>Falsche Wörter</translation>
    </message>
    <message>
        <source>Wrong wor&amp;ds</source>
        <translation>Falsche Wör&amp;ter</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Fehlerarten</translation>
    </message>
    <message>
        <source>&amp;Kinds of mistake</source>
        <translation>Fehler&amp;arten</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Prozent richtig</translation>
    </message>
    <message>
        <source>Help used</source>
        <translation>Hilfe genutzt</translation>
    </message>
    <message>
        <source>No tests in these days</source>
        <translation>Keine Tests an diesen Tagen</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Wie oft falsch</translation>
    </message>
    <message>
        <source>No wrong answers in these days</source>
        <translation>Keine falschen Antworten an diesen Tagen</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>No review moves in these days</source>
        <translation>An diesen Tagen wurde nichts zwischen Fächern verschoben</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt von %1</translation>
    </message>
    <message>
        <source>Tests of %1</source>
        <translation>Tests von %1</translation>
    </message>
    <message>
        <source>Wrong words of %1</source>
        <translation>Falsche Wörter von %1</translation>
    </message>
    <message>
        <source>Kinds of mistake of %1</source>
        <translation>Fehlerarten von %1</translation>
    </message>
</context>
<context>
    <name>TRecordForm</name>
    <message>
        <source>Record</source>
        <translation>Aufnehmen</translation>
    </message>
    <message>
        <source>How loud the microphone hears you</source>
        <translation>Wie laut das Mikrofon die Stimme aufnimmt</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufnehmen</translation>
    </message>
    <message>
        <source>Start recording the word</source>
        <translation>Die Aufnahme des Wortes starten</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Aufnahme beenden</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergeben</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Die Aufnahme anhören</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Behalten</translation>
    </message>
    <message>
        <source>Keep the recording as the word&apos;s sound</source>
        <translation>Die Aufnahme als Ton des Wortes behalten</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Throw the recording away</source>
        <translation>Die Aufnahme wegwerfen</translation>
    </message>
    <message>
        <source>Ne&amp;xt word</source>
        <translation>&amp;Nächstes Wort</translation>
    </message>
    <message>
        <source>Leave this word without a new sound</source>
        <translation>Dieses Wort ohne neuen Ton lassen</translation>
    </message>
    <message>
        <source>Press Record and say the word</source>
        <translation>Aufnehmen drücken und das Wort sprechen</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>Es gibt kein Mikrofon: Es kann nichts aufgenommen werden</translation>
    </message>
    <message>
        <source>Recording: say the word, then press Stop</source>
        <translation>Aufnahme läuft: das Wort sprechen, dann Stopp drücken</translation>
    </message>
    <message>
        <source>Nothing was heard: record again</source>
        <translation>Es war nichts zu hören: Bitte noch einmal aufnehmen</translation>
    </message>
    <message>
        <source>Play it back, then keep or discard it</source>
        <translation>Anhören, dann behalten oder verwerfen</translation>
    </message>
</context>
<context>
    <name>TSF2</name>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>&amp;Current file only</source>
        <translation>Nur &amp;aktuelle Datei</translation>
    </message>
    <message>
        <source>Curent user only</source>
        <translation>Nur aktueller Benutzer</translation>
    </message>
    <message>
        <source>Check to limit the SQL query to the curent user only</source>
        <translation>Ankreuzen, um die SQL-Abfrage auf den aktuellen Benutzer zu beschränken</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Falsche Antworten</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Number or  rows</source>
        <translation>Anzahl der Zeilen</translation>
    </message>
    <message>
        <source>The number of lines return by the SQL query</source>
        <translation>Die Anzahl der Zeilen, die die SQL-Abfrage liefert</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Double or right click a row to see the words you got wrong/right</source>
        <translation>Doppel- oder Rechtsklick auf eine Zeile zeigt die falsch/richtig geschriebenen Wörter</translation>
    </message>
    <message>
        <source>open</source>
        <translation>öffnen</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Fortschritt</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Deine Tests im Lauf der Zeit, als Diagramme</translation>
    </message>
    <message>
        <source>The list of words you got wrong/right for the row double clicked.</source>
        <translation>Die falsch/richtig geschriebenen Wörter der doppelt angeklickten Zeile.</translation>
    </message>
    <message>
        <source>Double click a row to see the words you got wrong/right.</source>
        <translation>Doppelklick auf eine Zeile zeigt die falsch/richtig geschriebenen Wörter.</translation>
    </message>
    <message>
        <source>This test: %1 %, %2</source>
        <translation>Dieser Test: %1 %, %2</translation>
    </message>
</context>
<context>
    <name>TSU</name>
    <message>
        <source>No valid user name</source>
        <translation>Kein gültiger Benutzername</translation>
    </message>
    <message>
        <source>SU</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Show &amp;All User</source>
        <translation>&amp;Alle Benutzer zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Current User</source>
        <translation>Aktuellen &amp;Benutzer zeigen</translation>
    </message>
    <message>
        <source>Pick &amp;From List</source>
        <translation>Aus &amp;Liste wählen</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Show &amp;wrong words</source>
        <translation>&amp;Falsche Wörter zeigen</translation>
    </message>
    <message>
        <source>Show &amp;Right Words</source>
        <translation>&amp;Richtige Wörter zeigen</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation>Kein SQL</translation>
    </message>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Number of rows</source>
        <translation>Anzahl der Zeilen</translation>
    </message>
    <message>
        <source>Database name:</source>
        <translation>Datenbankname:</translation>
    </message>
    <message>
        <source>|The SQL statement that will be executed when the Update button is pressed</source>
        <translation>|Die SQL-Anweisung, die beim Drücken von Aktualisieren ausgeführt wird</translation>
    </message>
</context>
<context>
    <name>TSU1</name>
    <message>
        <source>Auto slection of word file from logs</source>
        <translation>Automatische Auswahl der Wortliste aus den Protokollen</translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation>Falsche Wörter</translation>
    </message>
    <message>
        <source>SQL group</source>
        <translation>SQL-Gruppe</translation>
    </message>
    <message>
        <source>Count &gt;=</source>
        <translation>Anzahl &gt;=</translation>
    </message>
    <message>
        <source>Count &lt;=</source>
        <translation>Anzahl &lt;=</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Ausgabedatei:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Use a new file instead of the default</source>
        <translation>Eine neue Datei statt der Standarddatei verwenden</translation>
    </message>
    <message>
        <source>Crea&amp;te file</source>
        <translation>Datei &amp;erstellen</translation>
    </message>
    <message>
        <source>Send the output from the SQL queary to the file</source>
        <translation>Die Ausgabe der SQL-Abfrage in die Datei schreiben</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>SoundsForm</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Sound db</source>
        <translation>Ton-Datenbank</translation>
    </message>
    <message>
        <source>&amp;Add sound</source>
        <translation>Ton &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete sound</source>
        <translation>Ton &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Find sound</source>
        <translation>Ton &amp;suchen</translation>
    </message>
    <message>
        <source>&amp;Record sound</source>
        <translation>Ton &amp;aufnehmen</translation>
    </message>
    <message>
        <source>Record &amp;missing</source>
        <translation>&amp;Fehlende aufnehmen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Tondateien (*.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Data has been deleted commit changes</source>
        <translation>Daten wurden gelöscht, Änderungen übernehmen</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>Es gibt kein Mikrofon: Es kann nichts aufgenommen werden</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Ton aufnehmen</translation>
    </message>
    <message>
        <source>The word to record</source>
        <translation>Das aufzunehmende Wort</translation>
    </message>
    <message>
        <source>Every word of %1 has a sound</source>
        <translation>Jedes Wort von %1 hat einen Ton</translation>
    </message>
    <message>
        <source>Delete word %1 from sound database ? </source>
        <translation>Wort %1 aus der Ton-Datenbank löschen? </translation>
    </message>
    <message>
        <source>Search string &lt;%1&gt; not found</source>
        <translation>Suchbegriff &lt;%1&gt; nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TWrongWordsForm</name>
    <message>
        <source>You Have got it wrong!</source>
        <translatorcomment>native review: shown to a child after a wrong answer (&quot;You Have got it wrong!&quot;); should be gentle</translatorcomment>
        <translation>Das war leider falsch!</translation>
    </message>
    <message>
        <source>The answer is:</source>
        <translation>Richtig ist:</translation>
    </message>
    <message>
        <source>Not:</source>
        <translation>Nicht:</translation>
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
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translatorcomment>native review: button a child presses to hear the word again (&quot;Replay&quot;); &quot;Nochmal hören&quot; is clearer but longer</translatorcomment>
        <translation>&amp;Anhören</translation>
    </message>
    <message>
        <source>Re&amp;Show</source>
        <translatorcomment>native review: button a child presses to see the word again (&quot;ReShow&quot;); &quot;Nochmal zeigen&quot; is clearer but longer</translatorcomment>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Type in the word you were asked here</source>
        <translation>Tippe hier das Wort ein, nach dem du gefragt wurdest</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>Das Wort</translation>
    </message>
    <message>
        <source>If there is a spoken prompt replay it.</source>
        <translation>Spielt das gesprochene Wort noch einmal ab.</translation>
    </message>
    <message>
        <source>Reshow the word to type</source>
        <translation>Zeigt das Wort, das du tippen sollst, noch einmal</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Test beenden|Den Test beenden und das Ergebnis sehen (oder Esc drücken)</translation>
    </message>
    <message>
        <source>|When you have type in the word click here or press enter</source>
        <translation>|Wenn du das Wort eingetippt hast, klicke hier oder drücke die Eingabetaste</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Stop this test?</source>
        <translation>Diesen Test beenden?</translation>
    </message>
    <message>
        <source>Word to enter</source>
        <translatorcomment>native review: title of the window that flashes the word for the child to type (&quot;Word to enter&quot;)</translatorcomment>
        <translation>Schreib dieses Wort</translation>
    </message>
    <message>
        <source> Message </source>
        <translation> Nachricht </translation>
    </message>
    <message>
        <source>RIGHT !!</source>
        <translation>RICHTIG !!</translation>
    </message>
    <message>
        <source>right value, now write it in lowest terms</source>
        <translation>richtiger Wert, jetzt kürze den Bruch vollständig</translation>
    </message>
    <message>
        <source>Type in the ansswer</source>
        <translation>Tippe die Antwort ein</translation>
    </message>
    <message>
        <source>Please type in the last word</source>
        <translation>Bitte tippe das letzte Wort ein</translation>
    </message>
    <message>
        <source> Error loading buffer &lt;%1&gt;
%2</source>
        <translation> Fehler beim Laden des Puffers &lt;%1&gt;
%2</translation>
    </message>
    <message>
        <source>Hi score %1 : %2 go&apos;&apos;s left out of %3 words</source>
        <translatorcomment>native review: the English &quot;Hi score A : B go&apos;s left out of C words&quot; is itself unclear; rendered as score A, B of C words still to go</translatorcomment>
        <translation>Punktestand %1 : noch %2 von %3 Wörtern</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Only a teacher&apos;s account of this computer can change %1.</source>
        <translation>Nur das Konto einer Lehrkraft auf diesem Computer kann %1 ändern.</translation>
    </message>
</context>
<context>
    <name>export_window</name>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV für Tabellenkalkulationen (*.csv)</translation>
    </message>
    <message>
        <source>KVTML 2.0 (*.kvtml)</source>
        <translation>KVTML 2.0 (*.kvtml)</translation>
    </message>
    <message>
        <source>Anki text (*.txt)</source>
        <translation>Anki-Text (*.txt)</translation>
    </message>
    <message>
        <source>Export list</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>The list could not be written: </source>
        <translation>Die Liste konnte nicht geschrieben werden: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written to %2</source>
        <translation>&quot;%1&quot; wird geschrieben nach %2</translation>
    </message>
</context>
<context>
    <name>getuser</name>
    <message>
        <source>Can&apos;t locate any compatible database keys in the registry, you probably need to install Firebird or InterBase</source>
        <translation>In der Registry wurden keine passenden Datenbankschlüssel gefunden; vermutlich muss Firebird oder InterBase installiert werden</translation>
    </message>
    <message>
        <source>Can&apos;t continue with out a compatible database. Orv will now terminate</source>
        <translation>Ohne passende Datenbank geht es nicht weiter. Orv wird jetzt beendet</translation>
    </message>
    <message>
        <source>Can not copy the database .dll file OUCH!! :
<byte value="xd"/></source>
        <translation>Die .dll-Datei der Datenbank kann nicht kopiert werden. AUTSCH!! :
</translation>
    </message>
    <message>
        <source>No password file was found (%1). Create one with the super user %2?</source>
        <translation>Es wurde keine Passwortdatei gefunden (%1). Mit dem Superuser %2 eine anlegen?</translation>
    </message>
    <message>
        <source>pasFile=%1 in %2 does not name a file inside the program directory %3, so it is not used. Name the password file there, as pasFile=KVXS1.KVX.</source>
        <translation>pasFile=%1 in %2 nennt keine Datei im Programmverzeichnis %3 und wird daher nicht verwendet. Geben Sie dort die Passwortdatei an, etwa pasFile=KVXS1.KVX.</translation>
    </message>
</context>
<context>
    <name>groupcommands</name>
    <message>
        <source>New directory</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Type In a name:</source>
        <translation>Einen Namen eingeben:</translation>
    </message>
    <message>
        <source>New dir</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>About to create directory %1 In the root spelling directory</source>
        <translation>Ordner %1 wird im obersten Wortlistenordner angelegt</translation>
    </message>
    <message>
        <source>About to create directory %1 as a sub dir of %2</source>
        <translation>Ordner %1 wird als Unterordner von %2 angelegt</translation>
    </message>
    <message>
        <source>Please chooses a host dir</source>
        <translation>Bitte einen übergeordneten Ordner wählen</translation>
    </message>
    <message>
        <source>Change Diretory</source>
        <translation>Ordner wechseln</translation>
    </message>
    <message>
        <source>Directory to remove</source>
        <translation>Zu entfernender Ordner</translation>
    </message>
</context>
<context>
    <name>lookatpas</name>
    <message>
        <source>Access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>User level</source>
        <translation>Benutzerstufe</translation>
    </message>
    <message>
        <source>Input a number from 0 to 255</source>
        <translation>Eine Zahl von 0 bis 255 eingeben</translation>
    </message>
    <message>
        <source>Write changes to password file</source>
        <translation>Änderungen in die Passwortdatei schreiben</translation>
    </message>
    <message>
        <source>Error in number</source>
        <translation>Fehler in der Zahl</translation>
    </message>
    <message>
        <source>Sorry can not edit the user name</source>
        <translation>Der Benutzername kann leider nicht bearbeitet werden</translation>
    </message>
</context>
<context>
    <name>openprogress_window</name>
    <message>
        <source>No valid user name</source>
        <translation>Kein gültiger Benutzername</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source> Not enough words in file</source>
        <translation> Nicht genug Wörter in der Datei</translation>
    </message>
    <message>
        <source>Could not save which words of the list are still to come (%1). %2</source>
        <translation>Es konnte nicht gespeichert werden, welche Wörter der Liste noch kommen (%1). %2</translation>
    </message>
</context>
<context>
    <name>printing_window</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
</context>
<context>
    <name>startupfile</name>
    <message>
        <source>Can not continue with out start up file</source>
        <translation>Ohne Startdatei geht es nicht weiter</translation>
    </message>
    <message>
        <source>Can not fined the start up file create new?</source>
        <translation>Die Startdatei wurde nicht gefunden. Neu anlegen?</translation>
    </message>
    <message>
        <source> Error saveing start up file buffer </source>
        <translation> Fehler beim Speichern des Puffers der Startdatei </translation>
    </message>
    <message>
        <source> Error loading start up file buffer </source>
        <translation> Fehler beim Laden des Puffers der Startdatei </translation>
    </message>
    <message>
        <source>Line 5 of the start-up file %1 names a group outside the word lists (%2). The word lists&apos; own folder is used instead.</source>
        <translation>Zeile 5 der Startdatei %1 nennt eine Gruppe außerhalb der Wortlisten (%2). Stattdessen wird der eigene Ordner der Wortlisten verwendet.</translation>
    </message>
    <message>
        <source>Line %1 of the start-up file %2 has no level number after &quot;%3&quot;. The level %4 is used instead.</source>
        <translation>Zeile %1 der Startdatei %2 hat keine Stufennummer nach &quot;%3&quot;. Stattdessen wird die Stufe %4 verwendet.</translation>
    </message>
</context>
<context>
    <name>wordfile</name>
    <message>
        <source>New File</source>
        <translation>Neue Datei</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Dateinamen eingeben</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Die Datei existiert bereits</translation>
    </message>
    <message>
        <source>Send SQL output to: %1</source>
        <translation>SQL-Ausgabe senden an: %1</translation>
    </message>
    <message>
        <source>Could not save who owns the list (%1). %2</source>
        <translation>Es konnte nicht gespeichert werden, wem die Liste gehört (%1). %2</translation>
    </message>
    <message>
        <source>Error %1 writing to file
%2</source>
        <translation>Fehler %1 beim Schreiben in die Datei
%2</translation>
    </message>
    <message>
        <source>%1 words successfully writen to file</source>
        <translation>%1 Wörter erfolgreich in die Datei geschrieben</translation>
    </message>
</context>
</TS>
