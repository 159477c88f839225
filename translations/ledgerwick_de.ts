<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Banner</name>
    <message>
        <source>Ledgerwick v%1 by Orvanel - Kestrane</source>
        <translation>Ledgerwick v%1 von Orvanel - Kestrane</translation>
    </message>
    <message>
        <source>by Orvanel</source>
        <translation>von Orvanel</translation>
    </message>
</context>
<context>
    <name>BottomStrip</name>
    <message>
        <source>Kestrane - www.kestrane.example - tools for Brantholm servers</source>
        <translation>Kestrane - www.kestrane.example - Werkzeuge für Brantholm-Server</translation>
    </message>
    <message>
        <source>CFG Configuration</source>
        <translation>Aufbau der CFG</translation>
    </message>
    <message>
        <source>Check this if you want to add slashes in the cfg to organize.</source>
        <translation>Ankreuzen, um die CFG mit Schrägstrichen zu gliedern.</translation>
    </message>
    <message>
        <source>Custom Lines</source>
        <translation>Eigene Zeilen</translation>
    </message>
    <message>
        <source>Lines of your own for the cfg: settings and commands the pages have no place for</source>
        <translation>Eigene Zeilen für die CFG: Einstellungen und Befehle, für die die Seiten keinen Platz haben</translation>
    </message>
    <message>
        <source>Save CFG</source>
        <translation>CFG speichern</translation>
    </message>
    <message>
        <source>Save CFG to hard drive...</source>
        <translation>CFG auf der Festplatte speichern...</translation>
    </message>
    <message>
        <source>Finish!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Create CFG</source>
        <translation>CFG erstellen</translation>
    </message>
    <message>
        <source>Clear Cfg</source>
        <translation>CFG leeren</translation>
    </message>
    <message>
        <source>Clear CFG to make changes...</source>
        <translation>CFG leeren, um Änderungen vorzunehmen...</translation>
    </message>
    <message>
        <source>An opened file keeps its own comments: the slashes are for new CFGs.</source>
        <translation>Eine geöffnete Datei behält ihre eigenen Kommentare: Die Schrägstriche gelten für neue CFGs.</translation>
    </message>
    <message>
        <source>Check this if you want to add slashes in the cfg to organize. &apos;//&apos; and &apos;//Description&apos;</source>
        <translation>Ankreuzen, um die CFG mit Schrägstrichen zu gliedern: &apos;//&apos; und &apos;//Beschreibung&apos;</translation>
    </message>
</context>
<context>
    <name>CfgFile</name>
    <message>
        <source>Its name holds bytes that are not UTF-8: save it under another name</source>
        <translation>Ihr Name enthält Bytes, die kein UTF-8 sind: Speichern Sie sie unter einem anderen Namen</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>eine benannte Pipe</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
</context>
<context>
    <name>ChangeMarks</name>
    <message>
        <source>+ a line new since the file was opened or last saved, • a line changed; File &gt; Changes... shows them</source>
        <translation>+ eine Zeile, die seit dem Öffnen oder letzten Speichern neu ist, • eine geänderte Zeile; Datei &gt; Änderungen... zeigt sie</translation>
    </message>
    <message>
        <source>No lines differ from %1 as opened</source>
        <translation>Keine Zeile weicht von %1 wie geöffnet ab</translation>
    </message>
    <message>
        <source>1 line differs from %1 as opened</source>
        <translation>1 Zeile weicht von %1 wie geöffnet ab</translation>
    </message>
    <message>
        <source>%1 lines differ from %2 as opened</source>
        <translation>%1 Zeilen weichen von %2 wie geöffnet ab</translation>
    </message>
    <message>
        <source>untitled</source>
        <translation>unbenannt</translation>
    </message>
</context>
<context>
    <name>ChangesDialog</name>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Nothing would change: the text is the same as %1 as opened or last saved.</source>
        <translation>Nichts würde sich ändern: Der Text ist derselbe wie %1 beim Öffnen oder letzten Speichern.</translation>
    </message>
    <message>
        <source>What saving now would change in %1 as opened or last saved: lines taken out start with &quot;-&quot;, lines put in with &quot;+&quot;.</source>
        <translation>Was Speichern jetzt an %1 (wie beim Öffnen oder letzten Speichern) ändern würde: Entfernte Zeilen beginnen mit &quot;-&quot;, hinzugefügte mit &quot;+&quot;.</translation>
    </message>
</context>
<context>
    <name>Comparison</name>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Abweichend</translation>
    </message>
    <message>
        <source>After restart</source>
        <translation>Nach Neustart</translation>
    </message>
    <message>
        <source>Not on the server</source>
        <translation>Nicht auf dem Server</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>Only by the file</source>
        <translation>Nur über die Datei</translation>
    </message>
</context>
<context>
    <name>ComparisonDialog</name>
    <message>
        <source>Compare again</source>
        <translation>Erneut vergleichen</translation>
    </message>
    <message>
        <source>Apply differences</source>
        <translation>Unterschiede anwenden</translation>
    </message>
    <message>
        <source>The document and the running server</source>
        <translation>Das Dokument und der laufende Server</translation>
    </message>
    <message>
        <source>Show the rows of one state only</source>
        <translation>Nur die Zeilen eines Zustands zeigen</translation>
    </message>
    <message>
        <source>All states</source>
        <translation>Alle Zustände</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Send the document&apos;s value of every row that differs</source>
        <translation>Den Wert des Dokuments für jede abweichende Zeile senden</translation>
    </message>
    <message>
        <source>Restart the map, so that the values waiting for a restart take effect</source>
        <translation>Die Karte neu starten, damit die Werte wirksam werden, die auf einen Neustart warten</translation>
    </message>
    <message>
        <source>Show &amp;passwords</source>
        <translation>&amp;Passwörter zeigen</translation>
    </message>
    <message>
        <source>Show the values of the password settings in the table</source>
        <translation>Die Werte der Passwort-Einstellungen in der Tabelle zeigen</translation>
    </message>
</context>
<context>
    <name>ComparisonModel</name>
    <message>
        <source>%1 (after restart: %2)</source>
        <translation>%1 (nach Neustart: %2)</translation>
    </message>
    <message>
        <source>Variable</source>
        <translation>Variable</translation>
    </message>
    <message>
        <source>In the document</source>
        <translation>Im Dokument</translation>
    </message>
    <message>
        <source>On the server</source>
        <translation>Auf dem Server</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
</context>
<context>
    <name>ConnectDialog</name>
    <message>
        <source>Remember in the system keyring</source>
        <translation>Im Schlüsselbund des Systems merken</translation>
    </message>
    <message>
        <source>Connect to a server</source>
        <translation>Mit einem Server verbinden</translation>
    </message>
    <message>
        <source>The server&apos;s address: host or host:port</source>
        <translation>Die Adresse des Servers: Host oder Host:Port</translation>
    </message>
    <message>
        <source>The server&apos;s remote console password (rconpassword)</source>
        <translation>Das Passwort der Fernkonsole des Servers (rconpassword)</translation>
    </message>
    <message>
        <source>Keep the password in the system keyring, and nowhere else</source>
        <translation>Das Passwort im Schlüsselbund des Systems aufbewahren und nirgends sonst</translation>
    </message>
    <message>
        <source>&amp;Address:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Without a port: %1</source>
        <translation>Ohne Port: %1</translation>
    </message>
</context>
<context>
    <name>CustomLinesPage</name>
    <message>
        <source>Lines of your own, one command or comment each. &quot;Finish!&quot; writes them as they stand at the end of the cfg, after the weapons.</source>
        <translation>Eigene Zeilen, je ein Befehl oder Kommentar. „Fertig!“ schreibt sie so, wie sie dastehen, ans Ende der CFG, nach den Waffen.</translation>
    </message>
    <message>
        <source>Custom Lines</source>
        <translation>Eigene Zeilen</translation>
    </message>
    <message>
        <source>Your own lines for the cfg: settings and commands the pages have no place for, written as they stand.</source>
        <translation>Ihre eigenen Zeilen für die CFG: Einstellungen und Befehle, für die die Seiten keinen Platz haben, so geschrieben, wie sie dastehen.</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>It is not a regular file but %1</source>
        <translation>Sie ist keine gewöhnliche Datei, sondern %1</translation>
    </message>
    <message>
        <source>It is not a text file: it holds NUL bytes</source>
        <translation>Sie ist keine Textdatei: Sie enthält NUL-Bytes</translation>
    </message>
    <message>
        <source>It is UTF-16 text: save it as UTF-8 or Windows-1252</source>
        <translation>Sie ist UTF-16-Text: Speichern Sie sie als UTF-8 oder Windows-1252</translation>
    </message>
    <message>
        <source>It is larger than 1 MiB, far more than a .cfg file holds</source>
        <translation>Sie ist größer als 1 MiB, weit mehr, als eine .cfg-Datei enthält</translation>
    </message>
    <message>
        <source>Cannot open the address. %1</source>
        <translation>Die Adresse kann nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Line %1: the character %2 cannot be stored in a Windows-1252 file.</source>
        <translation>Zeile %1: Das Zeichen %2 kann in einer Windows-1252-Datei nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht gespeichert werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
</context>
<context>
    <name>EditorPage</name>
    <message>
        <source>Settings changed since Finish!: press Clear Cfg, then Finish! to take them in.</source>
        <translation>Einstellungen nach „Fertig!“ geändert: „CFG leeren“, dann „Fertig!“ übernimmt sie.</translation>
    </message>
    <message>
        <source>You may edit your CFG here before save...</source>
        <translation>Hier können Sie Ihre CFG vor dem Speichern bearbeiten...</translation>
    </message>
    <message>
        <source>Your CFG</source>
        <translation>Ihre CFG</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>Where the server would read your CFG otherwise than it shows. Select one to go to its line.</source>
        <translation>Wo der Server Ihre CFG anders lesen würde, als sie hier steht. Wählen Sie einen Eintrag, um zu seiner Zeile zu gehen.</translation>
    </message>
    <message>
        <source>Your cfg was created! you may edit or organize your cfg in the editor above.</source>
        <translation>Ihre CFG wurde erstellt! Sie können sie im Editor oben bearbeiten oder ordnen.</translation>
    </message>
    <message>
        <source>Press Save CFG to save as a .cfg format...</source>
        <translation>Drücken Sie „CFG speichern“, um sie als .cfg-Datei zu speichern...</translation>
    </message>
    <message>
        <source>Thank you for using Orvanel&apos;s Ledgerwick!</source>
        <translation>Danke, dass Sie Orvanels Ledgerwick benutzen!</translation>
    </message>
</context>
<context>
    <name>GameOptionsPage</name>
    <message>
        <source>Allowed Votes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select allowed votes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>No web browser could be started to show this page. Copy its address into a browser:</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um diese Seite zu zeigen. Kopieren Sie ihre Adresse in einen Browser:</translation>
    </message>
    <message>
        <source>About Ledgerwick</source>
        <translation>Über Ledgerwick</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ledgerwick %1&lt;/h3&gt;&lt;p&gt;Writes the configuration file of a Brantholm game server: fill in the pages, or open the file you have, and save it as the .cfg the server runs.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Built with Qt %3, running on Qt %4.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ledgerwick %1&lt;/h3&gt;&lt;p&gt;Schreibt die Konfigurationsdatei eines Brantholm-Spielservers: Füllen Sie die Seiten aus oder öffnen Sie Ihre vorhandene Datei, und speichern Sie sie als die .cfg, die der Server ausführt.&lt;/p&gt;&lt;p&gt;%2&lt;/p&gt;&lt;p&gt;Gebaut mit Qt %3, läuft auf Qt %4.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Licence: freeware, free to use and to pass on unchanged, without any warranty.</source>
        <translation>Lizenz: Freeware, frei zu benutzen und unverändert weiterzugeben, ohne jede Gewährleistung.</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Earlier versions of %1, kept before each save:</source>
        <translation>Frühere Fassungen von %1, vor jedem Speichern aufbewahrt:</translation>
    </message>
    <message>
        <source>Replaced at</source>
        <translation>Ersetzt am</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>&amp;Open as New Document</source>
        <translation>Als neues Dokument ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Start a new CFG: every setting at its start value</source>
        <translation>Neue CFG beginnen: jede Einstellung auf ihrem Anfangswert</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open a CFG to change it</source>
        <translation>Eine CFG zum Ändern öffnen</translation>
    </message>
    <message>
        <source>Open from Ser&amp;ver...</source>
        <translation>Vom Ser&amp;ver öffnen...</translation>
    </message>
    <message>
        <source>Open a CFG on the game server&apos;s host, at its sftp://, ftps:// or ftp:// address</source>
        <translation>Eine CFG auf dem Rechner des Spielservers öffnen, unter ihrer sftp://-, ftps://- oder ftp://-Adresse</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save CFG</source>
        <translation>CFG speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save CFG to another file: on this computer or on a server</source>
        <translation>CFG in eine andere Datei speichern: auf diesem Computer oder auf einem Server</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Ver&amp;lauf...</translation>
    </message>
    <message>
        <source>Earlier versions of this CFG, kept at each save: open or restore one</source>
        <translation>Frühere Fassungen dieser CFG, bei jedem Speichern aufbewahrt: eine öffnen oder wiederherstellen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Server</source>
        <translation>&amp;Server</translation>
    </message>
    <message>
        <source>&amp;Connect...</source>
        <translation>&amp;Verbinden...</translation>
    </message>
    <message>
        <source>Connect to a running server over its remote console</source>
        <translation>Über die Fernkonsole mit einem laufenden Server verbinden</translation>
    </message>
    <message>
        <source>Co&amp;mpare</source>
        <translation>Ver&amp;gleichen</translation>
    </message>
    <message>
        <source>Compare the document&apos;s settings with what the running server holds</source>
        <translation>Die Einstellungen des Dokuments mit denen des laufenden Servers vergleichen</translation>
    </message>
    <message>
        <source>&amp;Apply differences</source>
        <translation>Unterschiede &amp;anwenden</translation>
    </message>
    <message>
        <source>Send the document&apos;s value of every setting that differs to the server</source>
        <translation>Den Wert des Dokuments für jede abweichende Einstellung an den Server senden</translation>
    </message>
    <message>
        <source>Restart the map, so that values waiting for a restart take effect</source>
        <translation>Die Karte neu starten, damit wartende Werte wirksam werden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Support Forum</source>
        <translation>&amp;Support-Forum</translation>
    </message>
    <message>
        <source>Support Forums</source>
        <translation>Support-Foren</translation>
    </message>
    <message>
        <source>&amp;About Ledgerwick</source>
        <translation>Ü&amp;ber Ledgerwick</translation>
    </message>
    <message>
        <source>Version, licence and what Ledgerwick does</source>
        <translation>Version, Lizenz und was Ledgerwick tut</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>Über &amp;Qt</translation>
    </message>
    <message>
        <source>The Qt toolkit Ledgerwick is built with</source>
        <translation>Das Qt-Toolkit, mit dem Ledgerwick gebaut ist</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Kestrane</source>
        <translation>&amp;Kestrane</translation>
    </message>
    <message>
        <source>Visit Kestrane website</source>
        <translation>Website von Kestrane besuchen</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>%1 is not a regular file but %2.</source>
        <translation>%1 ist keine gewöhnliche Datei, sondern %2.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>&amp;Changes...</source>
        <translation>Än&amp;derungen...</translation>
    </message>
    <message>
        <source>What a save would change: the lines that differ from the file as opened or last saved</source>
        <translation>Was ein Speichern ändern würde: die Zeilen, die von der Datei wie beim Öffnen oder letzten Speichern abweichen</translation>
    </message>
</context>
<context>
    <name>MapRotationPage</name>
    <message>
        <source>Deathmatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Deathmatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search and Destroy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behind Enemy Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headquarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a gametype, click on deathmatch for example and then click on the maps you want for that gametype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then choose another gametype and select the maps for it... it&apos;s easy!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can also make it manualy in the box below:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gametype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mp_chateau and mp_ship does not have Search and Destroy gametype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>check this if you don&apos;t want to include map rotations in your cfg.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation: %1 of %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the server would cut it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkOptionsPage</name>
    <message>
        <source>Downloads (if allowed)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pages</name>
    <message>
        <source>Server Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gametypes Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gametypes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your CFG</source>
        <translation>Ihre CFG</translation>
    </message>
    <message>
        <source>editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allowed Votes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Votes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Lines</source>
        <translation>Eigene Zeilen</translation>
    </message>
</context>
<context>
    <name>PasswordDialog</name>
    <message>
        <source>&amp;Remember in the system keyring</source>
        <translation>Im Schlüsselbund des Systems &amp;merken</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>The server did not accept that password.</source>
        <translation>Der Server hat dieses Passwort nicht angenommen.</translation>
    </message>
    <message>
        <source>&amp;Password for %1:</source>
        <translation>&amp;Passwort für %1:</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>Do you want to save them?</source>
        <translation>Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <source>The server would read this text otherwise than it shows:

%1

Save it anyway?</source>
        <translation>Der Server würde diesen Text anders lesen, als er hier steht:

%1

Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Save anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>Where do you want to save the text?</source>
        <translation>Wo möchten Sie den Text speichern?</translation>
    </message>
    <message>
        <source>&amp;File on this Computer...</source>
        <translation>&amp;Datei auf diesem Computer...</translation>
    </message>
    <message>
        <source>File on a &amp;Server...</source>
        <translation>Datei auf einem &amp;Server...</translation>
    </message>
</context>
<context>
    <name>RconClient</name>
    <message>
        <source>The server did not answer (3 tries, 2 seconds each). Is the address right, and is a map running?</source>
        <translation>Der Server hat nicht geantwortet (3 Versuche zu je 2 Sekunden). Stimmt die Adresse, und läuft eine Karte?</translation>
    </message>
    <message>
        <source>The server refused the password (&quot;Bad rconpassword.&quot;). Nothing more was sent, since servers lock out addresses that guess.</source>
        <translation>Der Server hat das Passwort abgelehnt („Bad rconpassword.“). Es wurde nichts weiter gesendet, da Server Adressen sperren, die raten.</translation>
    </message>
    <message>
        <source>The server has no remote console password set, so it takes no commands over the network.</source>
        <translation>Auf dem Server ist kein Passwort für die Fernkonsole gesetzt, daher nimmt er keine Befehle über das Netz an.</translation>
    </message>
    <message>
        <source>The password holds a blank, a double quote, a semicolon or a character that the console cannot carry.</source>
        <translation>Das Passwort enthält ein Leerzeichen, ein doppeltes Anführungszeichen, ein Semikolon oder ein Zeichen, das die Konsole nicht übertragen kann.</translation>
    </message>
    <message>
        <source>No server is connected.</source>
        <translation>Kein Server ist verbunden.</translation>
    </message>
    <message>
        <source>The server&apos;s reply could not be read.</source>
        <translation>Die Antwort des Servers konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The remote console password is empty: type the server&apos;s rconpassword.</source>
        <translation>Das Passwort der Fernkonsole ist leer: Geben Sie das rconpassword des Servers ein.</translation>
    </message>
    <message>
        <source>The server&apos;s reply did not end: reading stopped after 2 MiB or 5 seconds of it.</source>
        <translation>Die Antwort des Servers endete nicht: Das Lesen wurde nach 2 MiB oder 5 Sekunden beendet.</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>The earlier version could not be kept: cannot create %1.</source>
        <translation>Die frühere Fassung konnte nicht aufbewahrt werden: %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The earlier version could not be kept in %1: %2</source>
        <translation>Die frühere Fassung konnte nicht in %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder of %1.</source>
        <translation>Der Ordner von %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>An address starts with sftp://, ftp:// or ftps://.</source>
        <translation>Eine Adresse beginnt mit sftp://, ftp:// oder ftps://.</translation>
    </message>
    <message>
        <source>It is not a valid address.</source>
        <translation>Das ist keine gültige Adresse.</translation>
    </message>
    <message>
        <source>The address names no host: sftp://user@host/path/server.cfg.</source>
        <translation>Die Adresse nennt keinen Rechner: sftp://user@host/path/server.cfg.</translation>
    </message>
    <message>
        <source>A file&apos;s address holds no &apos;?&apos; or &apos;#&apos;.</source>
        <translation>Die Adresse einer Datei enthält kein &apos;?&apos; und kein &apos;#&apos;.</translation>
    </message>
    <message>
        <source>The part of Ledgerwick that reaches servers could not be loaded (%1). Reinstall the program.</source>
        <translation>Der Teil von Ledgerwick, der Server erreicht, konnte nicht geladen werden (%1). Installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Another transfer is under way.</source>
        <translation>Eine andere Übertragung läuft gerade.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The password was not remembered: %1</source>
        <translation>Das Passwort wurde nicht gemerkt: %1</translation>
    </message>
    <message>
        <source>The server&apos;s host key is not known. Its fingerprint is %1.</source>
        <translation>Der Rechnerschlüssel des Servers ist unbekannt. Sein Fingerabdruck ist %1.</translation>
    </message>
    <message>
        <source>The server refused the user name or the password%1.</source>
        <translation>Der Server hat den Benutzernamen oder das Passwort abgelehnt%1.</translation>
    </message>
    <message>
        <source>There is no such file or folder%1.</source>
        <translation>Diese Datei oder diesen Ordner gibt es nicht%1.</translation>
    </message>
    <message>
        <source>The server does not permit it%1.</source>
        <translation>Der Server erlaubt das nicht%1.</translation>
    </message>
    <message>
        <source>Nothing came through for %1 seconds, so the transfer was given up.</source>
        <translation>%1 Sekunden lang kam nichts an, daher wurde die Übertragung aufgegeben.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>No server answers at %1%2.</source>
        <translation>Unter %1 antwortet kein Server%2.</translation>
    </message>
    <message>
        <source>The connection was lost%1.</source>
        <translation>Die Verbindung ist abgebrochen%1.</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB, far more than a .cfg file holds, so it was not read.</source>
        <translation>Die Datei ist größer als 1 MiB, weit mehr als eine .cfg-Datei enthält, und wurde daher nicht gelesen.</translation>
    </message>
    <message>
        <source>The server&apos;s certificate could not be checked (%1).</source>
        <translation>Das Zertifikat des Servers konnte nicht geprüft werden (%1).</translation>
    </message>
    <message>
        <source>The server&apos;s certificate has changed: the one trusted is %1, the server shows %2. Someone may be listening in on the connection. If the server has a new certificate, remove the old one from %3.</source>
        <translation>Das Zertifikat des Servers hat sich geändert: Vertraut wird %1, der Server zeigt %2. Möglicherweise hört jemand die Verbindung ab. Hat der Server ein neues Zertifikat, entfernen Sie das alte aus %3.</translation>
    </message>
    <message>
        <source>No authority this computer trusts vouches for the server&apos;s certificate (%1). Its fingerprint is %2.</source>
        <translation>Keine Zertifizierungsstelle, der dieser Computer vertraut, bürgt für das Zertifikat des Servers (%1). Sein Fingerabdruck ist %2.</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <translation>%1 wird gelesen</translation>
    </message>
    <message>
        <source>Listing %1</source>
        <translation>%1 wird aufgelistet</translation>
    </message>
    <message>
        <source>Renaming on %1</source>
        <translation>Umbenennen auf %1</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>%1 wird geschrieben</translation>
    </message>
    <message>
        <source>The connection was lost while the file was being written, and the server no longer answers.</source>
        <translation>Die Verbindung ist beim Schreiben der Datei abgebrochen, und der Server antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The server could not write the file (its disk may be full)%1.</source>
        <translation>Der Server konnte die Datei nicht schreiben (vielleicht ist sein Datenträger voll)%1.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>The file on the server has changed since it was opened.</source>
        <translation>Die Datei auf dem Server hat sich seit dem Öffnen geändert.</translation>
    </message>
    <message>
        <source>The file is no longer on the server.</source>
        <translation>Die Datei ist nicht mehr auf dem Server.</translation>
    </message>
    <message>
        <source>The new file could not take the old one&apos;s name (%1). The server holds one of them whole; if the file is missing, the old one is under the name %2 and goes back to its own name when the file is next opened.</source>
        <translation>Die neue Datei konnte den Namen der alten nicht übernehmen (%1). Der Server hält eine von beiden vollständig; fehlt die Datei, liegt die alte unter dem Namen %2 und erhält beim nächsten Öffnen ihren eigenen Namen zurück.</translation>
    </message>
    <message>
        <source>The new file was put in place, but reading it back to check it failed: %1</source>
        <translation>Die neue Datei wurde abgelegt, aber das Zurücklesen zur Prüfung schlug fehl: %1</translation>
    </message>
    <message>
        <source>The file read back from the server differs from what was written.</source>
        <translation>Die vom Server zurückgelesene Datei weicht vom Geschriebenen ab.</translation>
    </message>
    <message>
        <source>The system keyring: %1</source>
        <translation>Der Schlüsselbund des Systems: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot list %1: %2</source>
        <translation>%1 kann nicht aufgelistet werden: %2</translation>
    </message>
    <message>
        <source>Cannot save to %1: %2</source>
        <translation>Speichern nach %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>The server offers only an %1 host key, which this computer&apos;s SSH library does not accept; ask the host to add an ed25519 key.</source>
        <translation>Der Server bietet nur einen %1-Rechnerschlüssel an, den die SSH-Bibliothek dieses Computers nicht annimmt; bitten Sie den Anbieter, einen ed25519-Schlüssel hinzuzufügen.</translation>
    </message>
    <message>
        <source>This computer&apos;s SSH library and the server share no way to secure the connection%1.</source>
        <translation>Die SSH-Bibliothek dieses Computers und der Server haben kein gemeinsames Verfahren, die Verbindung zu sichern%1.</translation>
    </message>
    <message>
        <source>%1 is a link to %2, a path that an FTP server does not show. Use the address of %2 itself.</source>
        <translation>%1 ist ein Verweis auf %2, einen Pfad, den ein FTP-Server nicht zeigt. Verwenden Sie die Adresse von %2 selbst.</translation>
    </message>
    <message>
        <source>%1 is a link, and the server does not say to what.</source>
        <translation>%1 ist ein Verweis, und der Server sagt nicht, worauf.</translation>
    </message>
    <message>
        <source>The address leads through more than 16 links, or links in a circle.</source>
        <translation>Die Adresse führt über mehr als 16 Verweise oder über Verweise im Kreis.</translation>
    </message>
    <message>
        <source>A name that holds a line break cannot be sent to an FTP server.</source>
        <translation>Ein Name mit einem Zeilenumbruch kann nicht an einen FTP-Server gesendet werden.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Das ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>Tidying %1</source>
        <translation>%1 wird aufgeräumt</translation>
    </message>
    <message>
        <source>Making %1</source>
        <translation>%1 wird angelegt</translation>
    </message>
    <message>
        <source>Setting the permissions of %1</source>
        <translation>Die Rechte von %1 werden gesetzt</translation>
    </message>
    <message>
        <source>The file&apos;s owner is now %1: this account may not give it back to %2.</source>
        <translation>Die Datei gehört jetzt %1: Dieses Konto darf sie nicht an %2 zurückgeben.</translation>
    </message>
    <message>
        <source>The file&apos;s group is now %1: this account may not give it back to %2.</source>
        <translation>Die Gruppe der Datei ist jetzt %1: Dieses Konto darf sie nicht auf %2 zurücksetzen.</translation>
    </message>
    <message>
        <source>FTP cannot set a file&apos;s owner and group: they are now %1:%2, they were %3:%4.</source>
        <translation>FTP kann Besitzer und Gruppe einer Datei nicht setzen: Sie sind jetzt %1:%2, sie waren %3:%4.</translation>
    </message>
    <message>
        <source>The server kept its own permissions on the file (%1; they were %2).</source>
        <translation>Der Server hat der Datei seine eigenen Rechte gelassen (%1; sie waren %2).</translation>
    </message>
    <message>
        <source>The server set its own permissions on the file (%1; they were %2): it does not take SITE CHMOD.</source>
        <translation>Der Server hat der Datei eigene Rechte gegeben (%1; sie waren %2): Er nimmt kein SITE CHMOD an.</translation>
    </message>
    <message>
        <source>There is no such file or folder.</source>
        <translation>Diese Datei oder diesen Ordner gibt es nicht.</translation>
    </message>
    <message>
        <source>The server does not list the file&apos;s folder, so it set the file&apos;s permissions itself.</source>
        <translation>Der Server listet den Ordner der Datei nicht auf, daher hat er die Rechte der Datei selbst gesetzt.</translation>
    </message>
</context>
<context>
    <name>RemoteOpenDialog</name>
    <message>
        <source>Open from Server</source>
        <translation>Vom Server öffnen</translation>
    </message>
    <message>
        <source>Save to Server</source>
        <translation>Auf dem Server speichern</translation>
    </message>
    <message>
        <source>Plain FTP: the password and the file travel unencrypted. Use sftp:// or ftps:// where the server offers them.</source>
        <translation>Einfaches FTP: Passwort und Datei werden unverschlüsselt übertragen. Nutzen Sie sftp:// oder ftps://, wo der Server sie anbietet.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>.. (the folder above)</source>
        <translation>.. (der übergeordnete Ordner)</translation>
    </message>
    <message>
        <source>&amp;Address (sftp://, ftps:// or ftp://) of a file, or of a folder to list:</source>
        <translation>&amp;Adresse (sftp://, ftps:// oder ftp://) einer Datei oder eines aufzulistenden Ordners:</translation>
    </message>
</context>
<context>
    <name>RemoteSession</name>
    <message>
        <source>Connecting…</source>
        <translation>Verbinden…</translation>
    </message>
    <message>
        <source>Unknown server</source>
        <translation>Unbekannter Server</translation>
    </message>
    <message>
        <source>No authority this computer trusts vouches for the certificate of the server at %1.

Its SHA-256 fingerprint is:
%2

Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Keine Zertifizierungsstelle, der dieser Computer vertraut, bürgt für das Zertifikat des Servers unter %1.

Sein SHA-256-Fingerabdruck ist:
%2

Vertrauen Sie ihm nur, wenn der Administrator des Servers diesen Fingerabdruck bestätigt.</translation>
    </message>
    <message>
        <source>Ledgerwick has not met the server at %1 before.

Its host key&apos;s fingerprint is:
%2

Trust it only if the server&apos;s administrator confirms this fingerprint.</source>
        <translation>Ledgerwick kennt den Server unter %1 noch nicht.

Der Fingerabdruck seines Rechnerschlüssels ist:
%2

Vertrauen Sie ihm nur, wenn der Administrator des Servers diesen Fingerabdruck bestätigt.</translation>
    </message>
    <message>
        <source>Trust and connect</source>
        <translation>Vertrauen und verbinden</translation>
    </message>
    <message>
        <source>1 line differs</source>
        <translation>1 Zeile weicht ab</translation>
    </message>
    <message>
        <source>%1 lines differ</source>
        <translation>%1 Zeilen weichen ab</translation>
    </message>
    <message>
        <source>There is a file at %1 already: %2 from your text</source>
        <translation>Unter %1 liegt bereits eine Datei: %2 von Ihrem Text</translation>
    </message>
    <message>
        <source>The file at %1 has changed on the server since you opened it: %2</source>
        <translation>Die Datei unter %1 hat sich auf dem Server geändert, seit Sie sie geöffnet haben: %2</translation>
    </message>
    <message>
        <source>

Overwrite it with your text? (Its bytes are kept in History.)</source>
        <translation>

Mit Ihrem Text überschreiben? (Ihr Inhalt bleibt im Verlauf erhalten.)</translation>
    </message>
    <message>
        <source>

Overwrite them with your version? (The server&apos;s version is kept in History.)</source>
        <translation>

Mit Ihrer Fassung überschreiben? (Die Fassung des Servers bleibt im Verlauf erhalten.)</translation>
    </message>
    <message>
        <source>Changed on the server</source>
        <translation>Auf dem Server geändert</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not opened.</source>
        <translation>Abgebrochen: %1 wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Cancelled: %1 was not listed.</source>
        <translation>Abgebrochen: %1 wurde nicht aufgelistet.</translation>
    </message>
    <message>
        <source>Cancelled: nothing was saved to %1.</source>
        <translation>Abgebrochen: Nach %1 wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Waiting for your answer…</source>
        <translation>Warte auf Ihre Antwort…</translation>
    </message>
    <message>
        <source>your text</source>
        <translation>Ihr Text</translation>
    </message>
    <message>
        <source>as you opened it</source>
        <translation>wie Sie sie geöffnet haben</translation>
    </message>
    <message>
        <source>on the server now</source>
        <translation>jetzt auf dem Server</translation>
    </message>
</context>
<context>
    <name>RowColumn</name>
    <message>
        <source>Left empty, no line is written: the server keeps its own value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add this line to the cfg?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>server default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerAddress</name>
    <message>
        <source>The address &quot;%1&quot; has no closing &quot;]&quot;.</source>
        <translation>Der Adresse „%1“ fehlt die schließende „]“.</translation>
    </message>
    <message>
        <source>After &quot;]&quot; only &quot;:port&quot; may follow.</source>
        <translation>Nach „]“ darf nur „:Port“ folgen.</translation>
    </message>
    <message>
        <source>The port after &quot;:&quot; is missing.</source>
        <translation>Der Port nach „:“ fehlt.</translation>
    </message>
    <message>
        <source>Type the server&apos;s address, as host or host:port.</source>
        <translation>Geben Sie die Adresse des Servers ein, als Host oder Host:Port.</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is not a number from 1 to 65535.</source>
        <translation>Der Port „%1“ ist keine Zahl von 1 bis 65535.</translation>
    </message>
</context>
<context>
    <name>ServerComparison</name>
    <message>
        <source>The server&apos;s reply about %1 could not be read.</source>
        <translation>Die Antwort des Servers zu %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1 %2 of the differences were sent before this.</source>
        <translation>%1 %2 der Unterschiede wurden bereits vorher gesendet.</translation>
    </message>
    <message>
        <source>The server&apos;s list of variables came without its closing line (&quot;… total cvars&quot;): read %1 variables.</source>
        <translation>Die Liste der Variablen des Servers kam ohne ihre Schlusszeile (&quot;… total cvars&quot;): %1 Variablen gelesen.</translation>
    </message>
    <message>
        <source>The server&apos;s list of variables did not read whole: read %1 of %2 variables.</source>
        <translation>Die Liste der Variablen des Servers ließ sich nicht vollständig lesen: %1 von %2 Variablen gelesen.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source> These lines could not be read:
%1</source>
        <translation> Diese Zeilen ließen sich nicht lesen:
%1</translation>
    </message>
    <message>
        <source> Parts of it were lost on the way (%1 tries).</source>
        <translation> Teile davon gingen unterwegs verloren (%1 Versuche).</translation>
    </message>
</context>
<context>
    <name>ServerConsole</name>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>Stopped: </source>
        <translation>Abgebrochen: </translation>
    </message>
    <message>
        <source>Connecting to %1…</source>
        <translation>Verbinde mit %1…</translation>
    </message>
    <message>
        <source>Cannot find the server &quot;%1&quot;: %2.</source>
        <translation>Der Server „%1“ ist nicht zu finden: %2.</translation>
    </message>
    <message>
        <source>The password could not be kept in the system keyring: %1. It is used until Ledgerwick closes, and kept nowhere else.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund des Systems aufbewahrt werden: %1. Es gilt, bis Ledgerwick endet, und wird nirgends sonst aufbewahrt.</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>%1 (%2), map %3</source>
        <translation>%1 (%2), Karte %3</translation>
    </message>
    <message>
        <source>Comparing with %1…</source>
        <translation>Vergleiche mit %1…</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; becomes &quot;%3&quot;</source>
        <translation>%1: „%2“ wird zu „%3“</translation>
    </message>
    <message>
        <source>

Not sent, since a value holding a double quote, a semicolon or a line break would reach the server as other commands:
%1</source>
        <translation>

Nicht gesendet, da ein Wert mit einem doppelten Anführungszeichen, einem Semikolon oder einem Zeilenumbruch beim Server als andere Befehle ankäme:
%1</translation>
    </message>
    <message>
        <source>Nothing to apply: no setting that the server takes differs from the document.</source>
        <translation>Nichts anzuwenden: Keine Einstellung, die der Server annimmt, weicht vom Dokument ab.</translation>
    </message>
    <message>
        <source>Send %1 %2 to %3?

%4%5</source>
        <translation>%1 %2 an %3 senden?

%4%5</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Sending %1 settings…</source>
        <translation>Sende %1 Einstellungen…</translation>
    </message>
    <message>
        <source>%1 sent</source>
        <translation>%1 gesendet</translation>
    </message>
    <message>
        <source>, %1 after a restart</source>
        <translation>, %1 nach einem Neustart</translation>
    </message>
    <message>
        <source>Restart the map on %1 now?

map_restart starts the round in play over for every player; the values waiting for a restart take effect.</source>
        <translation>Die Karte auf %1 jetzt neu starten?

map_restart beginnt die laufende Runde für alle Spieler von vorn; die Werte, die auf einen Neustart warten, werden wirksam.</translation>
    </message>
    <message>
        <source>Restart the map</source>
        <translation>Karte neu starten</translation>
    </message>
    <message>
        <source>The map restarted. </source>
        <translation>Die Karte wurde neu gestartet. </translation>
    </message>
    <message>
        <source>%1 settings compared with %2: %3.</source>
        <translation>%1 Einstellungen mit %2 verglichen: %3.</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Forget the remembered password</source>
        <translation>Das gemerkte Passwort vergessen</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>The password could not be removed from the system keyring: %1.</source>
        <translation>Das Passwort konnte nicht aus dem Schlüsselbund des Systems entfernt werden: %1.</translation>
    </message>
    <message>
        <source>

Not sent, only by the file: the console turns every character beyond plain ASCII (é, ü, €…) and every % into &quot;.&quot;; the file sets them at the server&apos;s next restart or exec:
%1</source>
        <translation>

Nicht gesendet, nur über die Datei: Die Konsole macht aus jedem Zeichen jenseits von einfachem ASCII (é, ü, €…) und jedem % einen &quot;.&quot;; die Datei setzt sie beim nächsten Neustart des Servers oder mit exec:
%1</translation>
    </message>
</context>
<context>
    <name>ServerInformationPage</name>
    <message>
        <source>Click here to test colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerOptionsPage</name>
    <message>
        <source>WARNING: Password fields are not protected...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Deathmatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Deathmatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behind Enemy Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retrieval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search and Destroy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headquarters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reflect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share Damage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gametype:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select default gametype. (g_gametype)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Voting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to change server settings. (g_allowvote)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw team icon over teammates:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw team icons above players. (scr_drawfriend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force respawning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force players to respawn after dieing. (scr_forcerespawn)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friendly fire:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether players can damage teammates. (scr_friendlyfire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Killcam:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to see the killcam. (scr_killcam)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free look:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to spectate in freelook mode. (scr_freelook)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectate enemy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to spectate enemies or only their own team. (scr_spectateenemy)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max difference in teams:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> X &gt; 0 - Balances teams within X number of players. 0 turns it off. (scr_teambalance)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team score penalty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Killing teammates or committing suicide during a TDM game reduce the team&apos;s score as well as the clients. (scr_teamscorepenalty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dead Chat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow dead players to talk to alive players. (g_deadChat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map score limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map score limit. (scr_dm_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit (0-1440m):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit 0 to 1440, in minutes. (scr_dm_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map score limit. (scr_hq_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit 0 to 1440, in minutes. (scr_hq_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map score limit. (scr_tdm_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit 0 to 1440, in minutes. (scr_tdm_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map score limit. (scr_bel_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit, in minutes 0 to 1440. (scr_bel_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time to stay alive to get
a point as allied(seconds):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of seconds to get a point for staying alive as allied. (scr_bel_alivepointtime)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map team score limit per map. (scr_re_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit, in minutes 0 to 1440. (scr_re_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graceperiod (0-60s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time at round start where spawning and weapon choosing is still allowed, 0 - 60 seconds. (scr_re_graceperiod)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round length in minutes. (scr_re_roundlength)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round limit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Number of round wins per map. (scr_re_roundlimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show objective carrier on
compass:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the objective carrier on compass. (scr_re_showcarrier)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map team score limit per map. (scr_sd_scorelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Map time limit, in minutes 0 to 1440. (scr_sd_timelimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time at round start where spawning and weapon choosing is still allowed, 0 - 60 seconds. (scr_sd_graceperiod)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round length in minutes. (scr_sd_roundlength)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Number of round wins per map. (scr_sd_roundlimit)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP to listen on for multihomed servers. (net_ip)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port to listen on. (net_port)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum data transfer rate to players. (sv_maxRate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Ping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum ping allowed before players are kicked. (sv_maxPing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Ping:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum ping allowed before players are kicked. (sv_minPing)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Master Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The master server the server details are sent to. (sv_master1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WWW Download:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server download redirection. (sv_wwwDownload)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base directory where the files are stored (e.g. http://www.example.com/brantholm/) (sv_wwwBaseURL)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Disconnected:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prevent clients from taking up a slot on the server while downloading. (sv_wwwDlDisconnected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of your server, displayed in server browsers. (sv_hostname) you may use colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motd:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of the day, displayed to players when they first connect. (scr_motd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message of the day, displayed to players when they first connect. (set scr_motd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declare the name of the server admin. (.ADMIN) or (.ADMIN1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrator 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declare the name of the second server admin. (.ADMIN2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact e-mail address of the server admin. (.EMAIL) or (.EMAIL1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact e-mail address of the second server admin. (.EMAIL2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contact irc server/channel. (.IRC) or (.IRC1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IRC 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second contact irc server/channel. (.IRC2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website URL of clan/server host. (.WEBSITE) or (.WEBSITE1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second website URL of clan/server host. (.WEBSITE2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the server is hosted. (.LOCATION)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host location. (.Location)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Speak:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clan/server team speak ip (.TS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffered Writes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pure Server:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client package files must be pure to connect. (sv_pure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rcon Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Console Password (Admin Password). (rconPassword)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To make the server private, set a password here. (g_password)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PVT Clients pw:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserve slots for people who use this password to connect. (sv_privatePassword)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserved Slots:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of slots reserved for players connecting with the private password. (sv_privateClients)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Players:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of players able to connect. (sv_maxclients)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow client dl:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to download custom packages they do not have from the server. (sv_allowDownload)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow cheats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to use in-built cheats such as godmode. (sv_cheats)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logfile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the log file. (g_log)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logsync:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to write the log file. (g_logsync)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banned IPs:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banned IPs (set g_banips)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ban Duration(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temporary ban duration in seconds. (sv_kickBanTime)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server FPS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of frames per second the server runs at. (sv_fps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Anonymous:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Anonymous (set sv_allowanonymous)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flood Protection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop players from flooding chat messages. (sv_floodProtect)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote kick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to kick a player. (g_allowVoteKick)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to change a map. (g_allowVoteMap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote map restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to restart a map. (g_allowVoteMapRestart)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote map rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to rotate to the next map. (g_allowVoteMapRotate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote temp ban</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to temporarily ban a player. (g_allowVoteTempBanUser)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote gametype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to change the gametype. (g_allowVoteTypeMap)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote team icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to turn on/off team icons. (g_allowVoteDrawFriend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote friendly fire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to turn on/off friendly fire. (g_allowVoteFriendlyFire)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow vote killcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow players to vote to turn on/off killcam. (g_allowVoteKillCam)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1A1 Carbine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow M1Carbine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1 Garand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow M1Garand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1A1 Thompson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Thompson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BAR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Browning Automatic Rifle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lee-Enfield No 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Lee-Enfield no1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Sten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bren LMG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Bren LMG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Springfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Springfield Sniper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kar98k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Kar98k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow MP40</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP44</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow MP44</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoped Kar98k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Scoped Kar98k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mosin-Nagant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Mosin-Nagant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ppsH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow ppsH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scoped Mosin-Nagant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Scoped Mosin-Nagant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FG42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow FG42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panzerfaust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Panzerfaust</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>%1 (from the file)</source>
        <translation>%1 (aus der Datei)</translation>
    </message>
    <message>
        <source>The file sets %1 to &quot;%2&quot;, which this row has no choice for: Finish! keeps it as it is until you choose another value.</source>
        <translation>Die Datei setzt %1 auf „%2“, wofür diese Zeile keine Wahl hat: „Fertig!“ lässt den Wert, wie er ist, bis Sie einen anderen wählen.</translation>
    </message>
    <message>
        <source>%1 (file)</source>
        <translation>%1 (Datei)</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Saved %1 (%2 bytes).</source>
        <translation>%1 gespeichert (%2 Bytes).</translation>
    </message>
    <message>
        <source>The text in the editor has changes that are not saved.</source>
        <translation>Der Text im Editor hat ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>The settings have changes that are not saved.</source>
        <translation>Die Einstellungen haben ungespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1: %2 %3 on the pages, %4 %5 kept in place.</source>
        <translation>%1: %2 %3 auf den Seiten, %4 %5 an ihrem Platz belassen.</translation>
    </message>
    <message>
        <source>setting</source>
        <translation>Einstellung</translation>
    </message>
    <message>
        <source>settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>other line</source>
        <translation>weitere Zeile</translation>
    </message>
    <message>
        <source>other lines</source>
        <translation>weitere Zeilen</translation>
    </message>
    <message>
        <source>en_US</source>
        <comment>the locale whose digit grouping messages use</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>Cannot read the earlier version &quot;%1&quot;. %2</source>
        <translation>Die frühere Fassung „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>The version of %1 is open as a new document.</source>
        <translation>Die Fassung vom %1 ist als neues Dokument geöffnet.</translation>
    </message>
    <message>
        <source>The version of %1 is restored to %2.</source>
        <translation>Die Fassung vom %1 ist nach %2 wiederhergestellt.</translation>
    </message>
    <message>
        <source>Saved %1 (no lines changed).</source>
        <translation>%1 gespeichert (keine Zeile geändert).</translation>
    </message>
    <message>
        <source>Saved %1 (1 line changed).</source>
        <translation>%1 gespeichert (1 Zeile geändert).</translation>
    </message>
    <message>
        <source>Saved %1 (%2 lines changed).</source>
        <translation>%1 gespeichert (%2 Zeilen geändert).</translation>
    </message>
</context>
<context>
    <name>TLMDEdit</name>
    <message>
        <source>A value cannot hold a double quote: the server would end the value there.</source>
        <translation>Ein Wert kann kein doppeltes Anführungszeichen enthalten: Der Server würde den Wert dort beenden.</translation>
    </message>
    <message>
        <source>A value cannot hold a line break: the server would end the line there.</source>
        <translation>Ein Wert kann keinen Zeilenumbruch enthalten: Der Server würde die Zeile dort beenden.</translation>
    </message>
    <message>
        <source>Pasted: each line break became a blank and each double quote a single quote, since a value cannot hold them.</source>
        <translation>Eingefügt: Jeder Zeilenumbruch wurde zu einem Leerzeichen und jedes doppelte Anführungszeichen zu einem einfachen, da ein Wert sie nicht enthalten kann.</translation>
    </message>
    <message>
        <source>Pasted: each double quote became a single quote, since the server would end the value there.</source>
        <translation>Eingefügt: Jedes doppelte Anführungszeichen wurde zu einem einfachen, da der Server den Wert dort beenden würde.</translation>
    </message>
    <message>
        <source>Pasted: each line break became a blank, since the server would end the line there.</source>
        <translation>Eingefügt: Jeder Zeilenumbruch wurde zu einem Leerzeichen, da der Server die Zeile dort beenden würde.</translation>
    </message>
</context>
<context>
    <name>TextCheck</name>
    <message>
        <source>a double quote ends the value; the server reads &quot;%1&quot; instead.</source>
        <translation>ein doppeltes Anführungszeichen beendet den Wert; der Server liest stattdessen „%1“.</translation>
    </message>
    <message>
        <source>outside double quotes the server takes &quot;%1&quot; for a blank; it reads &quot;%2&quot; instead.</source>
        <translation>außerhalb doppelter Anführungszeichen hält der Server „%1“ für ein Leerzeichen; er liest stattdessen „%2“.</translation>
    </message>
    <message>
        <source>the value has no closing double quote: the line break ends it, and the next line runs as a command of its own.</source>
        <translation>dem Wert fehlt das schließende doppelte Anführungszeichen: Der Zeilenumbruch beendet ihn, und die nächste Zeile läuft als eigener Befehl.</translation>
    </message>
    <message>
        <source>a double quote ends the value; the server runs the rest as commands.</source>
        <translation>ein doppeltes Anführungszeichen beendet den Wert; der Server führt den Rest als Befehle aus.</translation>
    </message>
    <message>
        <source>the line is %1 bytes long; the server cuts it after 1,023 and runs the rest as a command.</source>
        <translation>die Zeile ist %1 Bytes lang; der Server schneidet sie nach 1.023 ab und führt den Rest als Befehl aus.</translation>
    </message>
    <message>
        <source>the value is %1 characters long; at 256 or more the server cannot load the map.</source>
        <translation>der Wert ist %1 Zeichen lang; ab 256 kann der Server die Karte nicht laden.</translation>
    </message>
    <message>
        <source>without &quot;set&quot; the server ignores this line when it starts with the file.</source>
        <translation>ohne „set“ übergeht der Server diese Zeile, wenn er mit der Datei startet.</translation>
    </message>
    <message>
        <source>the server reads an empty value as 0.</source>
        <translation>der Server liest einen leeren Wert als 0.</translation>
    </message>
    <message>
        <source>the server reads &quot;%1&quot; as %2.</source>
        <translation>der Server liest „%1“ als %2.</translation>
    </message>
    <message>
        <source>the server leaves a value holding \ or ; out of the server info that server lists show.</source>
        <translation>einen Wert mit \ oder ; lässt der Server aus den Serverinfos weg, die Serverlisten zeigen.</translation>
    </message>
    <message>
        <source>the server info reaches %1 bytes; the server keeps at most 1,023 and leaves keys out.</source>
        <translation>die Serverinfos erreichen %1 Bytes; der Server behält höchstens 1.023 und lässt Schlüssel weg.</translation>
    </message>
    <message>
        <source> and %1 more on this line</source>
        <translation> und %1 weitere in dieser Zeile</translation>
    </message>
    <message>
        <source>the character %1%2 cannot be stored in a %3 file.</source>
        <translation>das Zeichen %1%2 kann in einer %3-Datei nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>the file is %1 bytes long; the server runs nothing of a file over 16,384 bytes.</source>
        <translation>die Datei ist %1 Bytes lang; von einer Datei über 16.384 Bytes führt der Server nichts aus.</translation>
    </message>
    <message>
        <source>the comment opened here is never closed; the server ignores the rest of the file.</source>
        <translation>der hier geöffnete Kommentar wird nie geschlossen; der Server übergeht den Rest der Datei.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3</source>
        <translation>Zeile %1 (%2): %3</translation>
    </message>
    <message>
        <source>%1 (line %2)</source>
        <translation>%1 (Zeile %2)</translation>
    </message>
    <message>
        <source>the server takes no &quot;#&quot; for a comment: it runs the line as a command it does not know, which sets nothing.</source>
        <translation>der Server hält „#“ für keinen Kommentar: Er führt die Zeile als einen Befehl aus, den er nicht kennt, und setzt nichts.</translation>
    </message>
    <message>
        <source>the server reads &quot;%1&quot;; put the value in double quotes.</source>
        <translation>der Server liest „%1“; setzen Sie den Wert in doppelte Anführungszeichen.</translation>
    </message>
    <message>
        <source>the line is %1 bytes long; the server reads only its first 1,023.</source>
        <translation>die Zeile ist %1 Bytes lang; der Server liest nur ihre ersten 1.023.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>the line is %1 bytes long; the server cuts it after 1,023 and runs the rest: %2.</source>
        <translation>die Zeile ist %1 Bytes lang; der Server schneidet sie nach 1.023 ab und führt den Rest aus: %2.</translation>
    </message>
</context>
<context>
    <name>WeaponsPage</name>
    <message>
        <source>American Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>British Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rifles Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow only rifles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Machine Guns only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow only machine guns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pistols Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow only pistols</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snipers Only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow only snipers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unselect All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all weapons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Springfield</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow Springfield Sniper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
