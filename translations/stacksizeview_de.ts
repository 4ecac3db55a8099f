<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Command line</name>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>die Standardausgabe ist geschlossen</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>„%1 --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the output is incomplete</source>
        <translation>die Ausgabe ist unvollständig</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <comment>%1 is a file name, %2 the reason</comment>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>bad number</source>
        <translation>ungültige Zahl</translation>
    </message>
    <message>
        <source>number overflow</source>
        <translation>Zahlenüberlauf</translation>
    </message>
    <message>
        <source>hexadecimal number must be terminated by &apos;h&apos;</source>
        <translation>eine Hexadezimalzahl muss mit „h“ enden</translation>
    </message>
    <message>
        <source>32 bits number overflow</source>
        <translation>Überlauf einer 32-Bit-Zahl</translation>
    </message>
    <message>
        <source>unknown opcode in TSF file</source>
        <translation>unbekannter Opcode in der TSF-Datei</translation>
    </message>
    <message>
        <source>unknown opcode or unexpected opcode</source>
        <translation>unbekannter oder unerwarteter Opcode</translation>
    </message>
    <message>
        <source>error limit reached, continue to parsing silently.
</source>
        <translation>Fehlergrenze erreicht, die Analyse wird ohne weitere Meldungen fortgesetzt.
</translation>
    </message>
    <message>
        <source>configuration name must be a string</source>
        <translation>der Konfigurationsname muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>undefined configuration name</source>
        <translation>undefinierter Konfigurationsname</translation>
    </message>
    <message>
        <source>configuration mistmatch the current, skipping this definition block</source>
        <translation>die Konfiguration passt nicht zur aktuellen, dieser Definitionsblock wird übersprungen</translation>
    </message>
    <message>
        <source>id statement already defined</source>
        <translation>ID-Anweisung bereits definiert</translation>
    </message>
    <message>
        <source>too many id defined</source>
        <translation>zu viele IDs definiert</translation>
    </message>
    <message>
        <source>wrong block identification</source>
        <translation>falsche Blockkennung</translation>
    </message>
    <message>
        <source>super-instance id must be a number</source>
        <translation>die ID der Super-Instanz muss eine Zahl sein</translation>
    </message>
    <message>
        <source>referenced super instance not found</source>
        <translation>referenzierte Super-Instanz nicht gefunden</translation>
    </message>
    <message>
        <source>source already defined</source>
        <translation>Quelle bereits definiert</translation>
    </message>
    <message>
        <source>file name must be a string</source>
        <translation>der Dateiname muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>wrong date format</source>
        <translation>falsches Datumsformat</translation>
    </message>
    <message>
        <source>source type must be a string</source>
        <translation>der Quelltyp muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>unknown source type</source>
        <translation>unbekannter Quelltyp</translation>
    </message>
    <message>
        <source>type parameter must be a string</source>
        <translation>der Typparameter muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>undefined instance type</source>
        <translation>undefinierter Instanztyp</translation>
    </message>
    <message>
        <source>wrong identification</source>
        <translation>falsche Kennung</translation>
    </message>
    <message>
        <source>id already defined</source>
        <translation>ID bereits definiert</translation>
    </message>
    <message>
        <source>name parameter must be a string</source>
        <translation>der Namensparameter muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>can&apos;t read MS number</source>
        <translation>MS-Nummer kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>can&apos;t read TX number</source>
        <translation>TX-Nummer kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>second parameter must be a string</source>
        <translation>der zweite Parameter muss eine Zeichenkette sein</translation>
    </message>
    <message>
        <source>no current definition block defined (or definition block without tcf link)</source>
        <translation>kein aktueller Definitionsblock festgelegt (oder Definitionsblock ohne Verknüpfung mit einer TCF)</translation>
    </message>
    <message>
        <source>can&apos;t retrieve style</source>
        <translation>Stil kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>link id must be a number</source>
        <translation>die Verknüpfungs-ID muss eine Zahl sein</translation>
    </message>
    <message>
        <source>definition block has no id</source>
        <translation>der Definitionsblock hat keine ID</translation>
    </message>
    <message>
        <source>definition block not found (SF)</source>
        <translation>Definitionsblock nicht gefunden (SF)</translation>
    </message>
    <message>
        <source>definition block not found (CS)</source>
        <translation>Definitionsblock nicht gefunden (CS)</translation>
    </message>
    <message>
        <source>can&apos;t retrieve static instance.</source>
        <translation>statische Instanz kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>no definition block while reading message</source>
        <translation>kein Definitionsblock beim Lesen der Nachricht</translation>
    </message>
    <message>
        <source>can&apos;t read static id of message
</source>
        <translation>statische ID der Nachricht kann nicht gelesen werden
</translation>
    </message>
    <message>
        <source>can&apos;t read instance id of message target
</source>
        <translation>Instanz-ID des Nachrichtenziels kann nicht gelesen werden
</translation>
    </message>
    <message>
        <source>can&apos;t read message name</source>
        <translation>Nachrichtenname kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>message completion on a complete message.</source>
        <translation>Nachrichtenvervollständigung für eine bereits vollständige Nachricht.</translation>
    </message>
    <message>
        <source>message completion without model.</source>
        <translation>Nachrichtenvervollständigung ohne Modell.</translation>
    </message>
    <message>
        <source>message completion model doesn&apos;t match call model.</source>
        <translation>das Modell der Nachrichtenvervollständigung passt nicht zum Modell des Aufrufs.</translation>
    </message>
    <message>
        <source>message completion without message call</source>
        <translation>Nachrichtenvervollständigung ohne Nachrichtenaufruf</translation>
    </message>
    <message>
        <source>message %1 doesn&apos;t match any model in definition block.</source>
        <comment>%1 is a number</comment>
        <translation>Nachricht %1 passt zu keinem Modell im Definitionsblock.</translation>
    </message>
    <message>
        <source>can&apos;t read message call identifier.</source>
        <translation>Kennung des Nachrichtenaufrufs kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read static id of message call.</source>
        <translation>statische ID des Nachrichtenaufrufs kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>message call with out definition block.</source>
        <translation>Nachrichtenaufruf ohne Definitionsblock.</translation>
    </message>
    <message>
        <source>message call id (%1) doesn&apos;t match any one in current definition block.</source>
        <comment>%1 is a number</comment>
        <translation>die ID des Nachrichtenaufrufs (%1) passt zu keinem Aufruf im aktuellen Definitionsblock.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve instance.</source>
        <translation>Instanz kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>can&apos;t found corresponding message for return.</source>
        <translation>keine passende Nachricht für die Rückkehr gefunden.</translation>
    </message>
    <message>
        <source>can&apos;t read instance id.</source>
        <translation>Instanz-ID kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve dynamic instance.</source>
        <translation>dynamische Instanz kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve dynamic instance (CI)</source>
        <translation>dynamische Instanz kann nicht ermittelt werden (CI)</translation>
    </message>
    <message>
        <source>neither string nor number for action.</source>
        <translation>weder Zeichenkette noch Zahl für die Aktion.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text, no definition block set.</source>
        <translation>Text kann nicht ermittelt werden, kein Definitionsblock festgelegt.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text id for action in definition block.</source>
        <translation>Text-ID der Aktion kann im Definitionsblock nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>can&apos;t retrive text id for action in definition block.</source>
        <translation>Text-ID der Aktion ist im Definitionsblock nicht auffindbar.</translation>
    </message>
    <message>
        <source>can&apos;t find instance for action.</source>
        <translation>keine Instanz für die Aktion gefunden.</translation>
    </message>
    <message>
        <source>neither string nor number for synchronisation.</source>
        <translation>weder Zeichenkette noch Zahl für die Synchronisation.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text id for synchronisation in definition block.</source>
        <translation>Text-ID der Synchronisation kann im Definitionsblock nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>SA whitout instance: no synchronisation created.</source>
        <translation>SA ohne Instanz: keine Synchronisation erzeugt.</translation>
    </message>
    <message>
        <source>instance %1 already included into synchronisation.</source>
        <comment>%1 is a number</comment>
        <translation>Instanz %1 ist bereits Teil der Synchronisation.</translation>
    </message>
    <message>
        <source>instance %1 is destroyed at synchronisation time.</source>
        <comment>%1 is a number</comment>
        <translation>Instanz %1 ist zum Zeitpunkt der Synchronisation bereits gelöscht.</translation>
    </message>
    <message>
        <source>Unknown text codec &apos;%1&apos;</source>
        <comment>%1 is the text codec name read from traces</comment>
        <translation>Unbekannte Textkodierung „%1“</translation>
    </message>
    <message>
        <source>can&apos;t retrieve static text.</source>
        <translation>statischer Text kann nicht ermittelt werden.</translation>
    </message>
    <message>
        <source>no definition block set.</source>
        <translation>kein Definitionsblock festgelegt.</translation>
    </message>
    <message>
        <source>definition block without tcf</source>
        <translation>Definitionsblock ohne TCF</translation>
    </message>
    <message>
        <source>glyph id must be a number.</source>
        <translation>die Glyphen-ID muss eine Zahl sein.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve glyph model</source>
        <translation>Glyphenmodell kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>missing iteration into loop start statement.</source>
        <translation>fehlende Iterationszahl in der Anweisung für den Schleifenbeginn.</translation>
    </message>
    <message>
        <source>can&apos;t found loop start for this end loop.</source>
        <translation>kein Schleifenbeginn zu diesem Schleifenende gefunden.</translation>
    </message>
    <message>
        <source>ET opcode already seen in traces</source>
        <translation>Opcode ET kam in den Traces bereits vor</translation>
    </message>
    <message>
        <source>GA opcode cannot be used: not in external trigger mode (ET)</source>
        <translation>Opcode GA nicht verwendbar: nicht im Modus für externe Trigger (ET)</translation>
    </message>
    <message>
        <source>GA opcode already seen in traces</source>
        <translation>Opcode GA kam in den Traces bereits vor</translation>
    </message>
    <message>
        <source>GS opcode cannot be used: not in external trigger mode (ET)</source>
        <translation>Opcode GS nicht verwendbar: nicht im Modus für externe Trigger (ET)</translation>
    </message>
    <message>
        <source>GS opcode already seen in traces</source>
        <translation>Opcode GS kam in den Traces bereits vor</translation>
    </message>
    <message>
        <source>GS opcode cannot be used prior GA one</source>
        <translation>Opcode GS kann nicht vor Opcode GA verwendet werden</translation>
    </message>
    <message>
        <source>no current definition block defined</source>
        <translation>kein aktueller Definitionsblock festgelegt</translation>
    </message>
    <message>
        <source>no tcf defined in current definition</source>
        <translation>keine TCF in der aktuellen Definition festgelegt</translation>
    </message>
    <message>
        <source>wrong Thread id format</source>
        <translation>falsches Format der Thread-ID</translation>
    </message>
    <message>
        <source>wrong Thread state id format</source>
        <translation>falsches Format der Thread-Zustands-ID</translation>
    </message>
    <message>
        <source>wrong Thread priority format</source>
        <translation>falsches Format der Thread-Priorität</translation>
    </message>
    <message>
        <source>can&apos;t retrieve thread model</source>
        <translation>Thread-Modell kann nicht ermittelt werden</translation>
    </message>
    <message>
        <source>Can&apos;t read time unit.</source>
        <translation>Zeiteinheit kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read time.</source>
        <translation>Zeit kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read time step.</source>
        <translation>Zeitschritt kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read heap size.</source>
        <translation>Heap-Größe kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read style id.</source>
        <translation>Stil-ID kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read link text.</source>
        <translation>Verknüpfungstext kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read SF number</source>
        <translation>SF-Nummer kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>can&apos;t read CS number</source>
        <translation>CS-Nummer kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>definition block not closed</source>
        <translation>Definitionsblock nicht abgeschlossen</translation>
    </message>
    <message>
        <source>no definition block while reading instance</source>
        <translation>kein Definitionsblock beim Lesen der Instanz</translation>
    </message>
    <message>
        <source>can&apos;t read static instance id.</source>
        <translation>statische Instanz-ID kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>can&apos;t read instance name</source>
        <translation>Instanzname kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>can&apos;t read note text</source>
        <translation>Notiztext kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>can&apos;t read glyph text</source>
        <translation>Glyphentext kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>block action not closed</source>
        <translation>Blockaktion nicht abgeschlossen</translation>
    </message>
    <message>
        <source>can&apos;t read thread name</source>
        <translation>Thread-Name kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Internal Error</name>
    <message>
        <source>internal error: sf_id overflow</source>
        <translation>interner Fehler: Überlauf von sf_id</translation>
    </message>
</context>
<context>
    <name>Load TCF</name>
    <message>
        <source>%1 must be %2</source>
        <comment>%1 is a tag name, %2 a Resource Type</comment>
        <translation>%1 muss %2 sein</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; already defined.</source>
        <comment>%1 is a tag name, %2 the value</comment>
        <translation>%1 „%2“ ist bereits definiert.</translation>
    </message>
    <message>
        <source>string longer than %1 characters into %2 list</source>
        <comment>%1 is a number, %2 a list name</comment>
        <translation>Zeichenkette länger als %1 Zeichen in der Liste %2</translation>
    </message>
    <message>
        <source>unhandled resource type (%1) into %2 list</source>
        <comment>%1 is a number, %2 a string</comment>
        <translation>nicht unterstützter Ressourcentyp (%1) in der Liste %2</translation>
    </message>
    <message>
        <source>unknown identifier into %1 list</source>
        <comment>%1 is a list name</comment>
        <translation>unbekannter Bezeichner in der Liste %1</translation>
    </message>
    <message>
        <source>more than %1 operands into %2 list</source>
        <comment>%1 is a number, %2 a list name</comment>
        <translation>mehr als %1 Operanden in der Liste %2</translation>
    </message>
    <message>
        <source>undefined style %1 for %2</source>
        <comment>%1 is a style number, %2 a string</comment>
        <translation>undefinierter Stil %1 für %2</translation>
    </message>
    <message>
        <source>undefined style %1 for tcf.instance_type.style.
</source>
        <comment>%1 is a number</comment>
        <translation>undefinierter Stil %1 für tcf.instance_type.style.
</translation>
    </message>
    <message>
        <source>tcf.thread_state.name must defined.</source>
        <translation>tcf.thread_state.name muss definiert sein.</translation>
    </message>
    <message>
        <source>tcf.glyph.name must defined.</source>
        <translation>tcf.glyph.name muss definiert sein.</translation>
    </message>
    <message>
        <source>tcf.id_length must be between 0 and 9, not %1.</source>
        <comment>%1 is a number</comment>
        <translation>tcf.id_length muss zwischen 0 und 9 liegen, nicht %1.</translation>
    </message>
    <message>
        <source>tcf.control_flow must be FLAT or NESTED identifier.</source>
        <translation>tcf.control_flow muss einer der Bezeichner FLAT oder NESTED sein.</translation>
    </message>
</context>
<context>
    <name>Load TDF</name>
    <message>
        <source>Can&apos;t open file &quot;%1&quot;</source>
        <translation>Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Can&apos;t read file &quot;%1&quot;: %2</source>
        <comment>%1 is a file name, %2 the system&apos;s reason</comment>
        <translation>Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>line too long (more than %1 bytes): the rest of the file is not read</source>
        <comment>%1 is a number of bytes</comment>
        <translation>Zeile zu lang (mehr als %1 Bytes): der Rest der Datei wird nicht gelesen</translation>
    </message>
    <message>
        <source>not enough memory to read this line: the rest of the file is not read</source>
        <translation>nicht genug Speicher, um diese Zeile zu lesen: der Rest der Datei wird nicht gelesen</translation>
    </message>
    <message>
        <source>loops nested deeper than %1</source>
        <comment>%1 is the number of levels a trace may nest</comment>
        <translation>Schleifen tiefer als %1 Ebenen verschachtelt</translation>
    </message>
</context>
<context>
    <name>Naming</name>
    <message>
        <source>obj%1:%2</source>
        <comment>%1 is an occurence number, %2 a class name; result is displayed in trace viewer</comment>
        <translation>Obj%1:%2</translation>
    </message>
    <message>
        <source>Loop%1:%2</source>
        <comment>%1 is a loop id (ie 3.2.8), %2 the number of iteration; this string is displayed a the loop name</comment>
        <translation>Schleife%1:%2</translation>
    </message>
    <message>
        <source>obj%1:?</source>
        <comment>%1 is an occurence number, result is for modeless instance and it&apos;s displayed in trace viewer</comment>
        <translation>Obj%1:?</translation>
    </message>
</context>
<context>
    <name>QAStSTKSZPlugin</name>
    <message>
        <source>%1 crashed or was killed</source>
        <comment>%1 is a program</comment>
        <translation>%1 ist abgestürzt oder wurde beendet</translation>
    </message>
    <message>
        <source>%1 failed with exit status %2</source>
        <comment>%1 is a program, %2 a number</comment>
        <translation>%1 ist mit dem Exit-Status %2 fehlgeschlagen</translation>
    </message>
    <message>
        <source>The Stack Size Viewer</source>
        <comment>Stack Size Plugin Description</comment>
        <translation>Die Stackgrößenanzeige</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Gui Team</source>
        <comment>Stack Size Plugin Author</comment>
        <translation>GUI-Team von Ostrel Quillon Runvista</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <comment>Stack Size Plugin Version</comment>
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Stack Size</source>
        <comment>Stack Size Plugin Extended Filters</comment>
        <translation>Stackgröße</translation>
    </message>
    <message>
        <source>Stack Size Profile</source>
        <comment>Short Name for menus</comment>
        <translation>Stackgrößenprofil</translation>
    </message>
    <message>
        <source>Stack Size Profile</source>
        <comment>long Name</comment>
        <translation>Stackgrößenprofil</translation>
    </message>
    <message>
        <source>Stack Size Profiling Report</source>
        <comment>Report Name</comment>
        <translation>Bericht zum Stackgrößenprofil</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Stack Size</source>
        <comment>Plugin Name</comment>
        <translation>Ostrel Quillon Runvista Stackgröße</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Stack Size Viewer Description</source>
        <comment>Plugin Description</comment>
        <translation>Beschreibung der Stackgrößenanzeige von Ostrel Quillon Runvista</translation>
    </message>
    <message>
        <source>Ostrel Quillon</source>
        <comment>Plugin Company Name</comment>
        <translation>Ostrel Quillon</translation>
    </message>
    <message>
        <source>Ostrel Quillon, This plugin launch a Stack Size viewer for Ostrel Quillon Runvista.</source>
        <comment>Plugin Company Description</comment>
        <translation>Ostrel Quillon. Dieses Plug-in startet eine Stackgrößenanzeige für Ostrel Quillon Runvista.</translation>
    </message>
    <message>
        <source>Version 1.1.0</source>
        <comment>Plugin Version</comment>
        <translation>Version 1.1.0</translation>
    </message>
    <message>
        <source>%1 wrote no report %2</source>
        <comment>%1 is a script, %2 a file name</comment>
        <translation>%1 hat keinen Bericht %2 geschrieben</translation>
    </message>
    <message>
        <source>Help Module Error</source>
        <translation>Fehler im Hilfemodul</translation>
    </message>
    <message>
        <source>%1
Unable to run command</source>
        <comment>%1 is a command</comment>
        <translation>%1
Der Befehl kann nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <comment>%1 is a program, %2 the system&apos;s reason</comment>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>Resource Type</name>
    <message>
        <source>a group</source>
        <translation>eine Gruppe</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>eine Zeichenkette</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>eine Ganzzahl</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>ein Wahrheitswert</translation>
    </message>
    <message>
        <source>a rgb value</source>
        <translation>ein RGB-Wert</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>ein Bezeichner</translation>
    </message>
    <message>
        <source>a defined string</source>
        <translation>eine definierte Zeichenkette</translation>
    </message>
    <message>
        <source>a defined integer</source>
        <translation>eine definierte Ganzzahl</translation>
    </message>
    <message>
        <source>a defined identifier</source>
        <translation>ein definierter Bezeichner</translation>
    </message>
    <message>
        <source>an identifier list</source>
        <translation>eine Bezeichnerliste</translation>
    </message>
    <message>
        <source>an identifier or an identifier list</source>
        <translation>ein Bezeichner oder eine Bezeichnerliste</translation>
    </message>
</context>
<context>
    <name>SequenceDiagram</name>
    <message>
        <source>loop %1</source>
        <translation>Schleife %1</translation>
    </message>
    <message>
        <source>thread %1</source>
        <translation>Thread %1</translation>
    </message>
    <message>
        <source>not enough memory to encode the image</source>
        <translation>nicht genug Speicher, um das Bild zu kodieren</translation>
    </message>
    <message>
        <source>Sequence diagram</source>
        <translation>Sequenzdiagramm</translation>
    </message>
    <message>
        <source>the picture is too large for a PNG image (%1 x %2 pixels; at most %3 on a side and %4 in all)</source>
        <translation>das Bild ist zu groß für ein PNG-Bild (%1 x %2 Pixel; höchstens %3 je Seite und %4 insgesamt)</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 image</source>
        <translation>nicht genug Speicher für ein Bild mit %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>cannot tell the picture format of &apos;%1&apos;: the name must end in .svg or .png</source>
        <translation>das Bildformat von „%1“ ist nicht erkennbar: der Name muss auf .svg oder .png enden</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 deep</source>
        <translation>%1 tief</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n instances)</source>
        <translation>
            <numerusform>%1 (%n Instanz)</numerusform>
            <numerusform>%1 (%n Instanzen)</numerusform>
        </translation>
    </message>
    <message>
        <source>loop %1 (nested %2 deep)</source>
        <translation>Schleife %1 (%2 tief verschachtelt)</translation>
    </message>
</context>
<context>
    <name>SequenceModel</name>
    <message>
        <source>no events shown in this loop</source>
        <translation>keine Ereignisse dieser Schleife angezeigt</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Welt</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>New trace</source>
        <translation>Neuer Trace</translation>
    </message>
    <message>
        <source>External trigger</source>
        <translation>Externer Trigger</translation>
    </message>
    <message>
        <source>Trigger start</source>
        <translation>Trigger-Start</translation>
    </message>
    <message>
        <source>Trigger stop</source>
        <translation>Trigger-Stopp</translation>
    </message>
</context>
<context>
    <name>TDF</name>
    <message>
        <source>%1 %2</source>
        <comment>%1 is a time number and %2 the time unit; used when there are no time format selected</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Warning</name>
    <message>
        <source>due to previous error, restart analyzing at this line (%1 lines skipped)</source>
        <comment>%1 is the number of line skipped</comment>
        <translation>wegen des vorigen Fehlers wird die Analyse ab dieser Zeile fortgesetzt (%1 Zeilen übersprungen)</translation>
    </message>
    <message>
        <source>pending note while reading new one (ignore previous).</source>
        <translation>ausstehende Notiz beim Lesen einer neuen (die vorige wird ignoriert).</translation>
    </message>
    <message>
        <source>pending glyph while reading note (ignore glyph).</source>
        <translation>ausstehende Glyphe beim Lesen einer Notiz (die Glyphe wird ignoriert).</translation>
    </message>
    <message>
        <source>pending glyph while reading new one (ignore previous).</source>
        <translation>ausstehende Glyphe beim Lesen einer neuen (die vorige wird ignoriert).</translation>
    </message>
    <message>
        <source>pending note while reading glyph (ignore note).</source>
        <translation>ausstehende Notiz beim Lesen einer Glyphe (die Notiz wird ignoriert).</translation>
    </message>
    <message>
        <source>definition block has the same ids as the one defined at %1</source>
        <comment>%1 is a file name and a line number, as file:line</comment>
        <translation>Definitionsblock hat dieselben IDs wie der in %1 definierte</translation>
    </message>
</context>
<context>
    <name>tracetool</name>
    <message>
        <source>reading %1: %2%</source>
        <comment>%1 is a file name, %2 a percentage</comment>
        <translation>%1 wird gelesen: %2 %</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <comment>%1 is a file name, %2 the reason</comment>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>keine lesbare Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>error: %1</source>
        <comment>a reported error; %1 is its message</comment>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>a reported warning; %1 is its message</comment>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>no configuration file given</source>
        <translation>keine Konfigurationsdatei angegeben</translation>
    </message>
    <message>
        <source>no trace file given</source>
        <translation>keine Trace-Datei angegeben</translation>
    </message>
    <message>
        <source>an empty output file name</source>
        <translation>ein leerer Name für die Ausgabedatei</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 Fehler</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n Fehler</numerusform>
            <numerusform>%n Fehler</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 Warnung</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n Warnung</numerusform>
            <numerusform>%n Warnungen</numerusform>
        </translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>no output file given (-o FILE)</source>
        <translation>keine Ausgabedatei angegeben (-o FILE)</translation>
    </message>
    <message>
        <source>the output file must end in .svg or .png: &apos;%1&apos;</source>
        <translation>die Ausgabedatei muss auf .svg oder .png enden: „%1“</translation>
    </message>
    <message>
        <source>the output file name is not valid UTF-8: &apos;%1&apos;</source>
        <translation>der Name der Ausgabedatei ist kein gültiges UTF-8: „%1“</translation>
    </message>
    <message>
        <source>--scale takes a number from %1 to %2: &apos;%3&apos;</source>
        <translation>--scale erwartet eine Zahl von %1 bis %2: „%3“</translation>
    </message>
    <message>
        <source>--from %1 is past the last event: the trace has %2 events</source>
        <translation>--from %1 liegt hinter dem letzten Ereignis: der Trace hat %2 Ereignisse</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 up, not &apos;%3&apos;</source>
        <comment>%1 is an option&apos;s name, %2 the least value, %3 the value given</comment>
        <translation>--%1 erwartet eine ganze Zahl ab %2, nicht „%3“</translation>
    </message>
    <message>
        <source>no golden trace given</source>
        <translation>kein Referenz-Trace angegeben</translation>
    </message>
    <message>
        <source>no run trace given</source>
        <translation>kein Lauf-Trace angegeben</translation>
    </message>
    <message>
        <source>diff compares two traces, not %1</source>
        <translation>diff vergleicht zwei Traces, nicht %1</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (text or json)</source>
        <translation>unbekanntes Format „%1“ (text oder json)</translation>
    </message>
    <message>
        <source>--time-tolerance: the traces name no time unit; give a number of their unit or a percentage, not &apos;%1&apos;</source>
        <translation>--time-tolerance: die Traces nennen keine Zeiteinheit; geben Sie eine Zahl ihrer Einheit oder einen Prozentsatz an, nicht „%1“</translation>
    </message>
    <message>
        <source>--time-tolerance takes a number of the traces&apos; unit, a time with a unit (h mn s ms us ns ps) or a percentage (10%), not &apos;%1&apos;</source>
        <translation>--time-tolerance erwartet eine Zahl in der Einheit der Traces, eine Zeit mit Einheit (h mn s ms us ns ps) oder einen Prozentsatz (10%), nicht „%1“</translation>
    </message>
    <message>
        <source>cannot compare the times of the traces: &apos;%1&apos; names no time unit, the other trace does</source>
        <comment>%1 is a file name</comment>
        <translation>die Zeiten der Traces lassen sich nicht vergleichen: „%1“ nennt keine Zeiteinheit, der andere Trace schon</translation>
    </message>
    <message>
        <source>no --format given (plantuml, mermaid or dot)</source>
        <translation>kein --format angegeben (plantuml, mermaid oder dot)</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (plantuml, mermaid or dot)</source>
        <translation>unbekanntes Format „%1“ (plantuml, mermaid oder dot)</translation>
    </message>
    <message>
        <source>the picture, %1 x %2 pixels, is too large for a PNG image; draw fewer events (--count, --time), fewer instances (--only, --hide, --component), a smaller picture (--scale) or an SVG</source>
        <translation>das Bild ist mit %1 x %2 Pixeln zu groß für ein PNG-Bild; zeichnen Sie weniger Ereignisse (--count, --time), weniger Instanzen (--only, --hide, --component), ein kleineres Bild (--scale) oder ein SVG</translation>
    </message>
    <message>
        <source>--%1: &apos;%2&apos; is not a regular expression: %3</source>
        <comment>%1 is an option&apos;s name, %2 its value, %3 the reason</comment>
        <translation>--%1: „%2“ ist kein regulärer Ausdruck: %3</translation>
    </message>
    <message>
        <source>--component takes REGEX=NAME, not &apos;%1&apos;</source>
        <translation>--component erwartet REGEX=NAME, nicht „%1“</translation>
    </message>
    <message>
        <source>--threads takes a list of threads, not &apos;%1&apos;</source>
        <translation>--threads erwartet eine Liste von Threads, nicht „%1“</translation>
    </message>
    <message>
        <source>--time takes FROM..TO, two times in the trace&apos;s unit%1 or with a unit (h mn s ms us ns ps), the first not after the second; not &apos;%2&apos;</source>
        <comment>%1 is the trace&apos;s unit in parentheses, or nothing</comment>
        <translation>--time erwartet VON..BIS, zwei Zeiten in der Einheit des Traces%1 oder mit Einheit (h mn s ms us ns ps), die erste nicht nach der zweiten; nicht „%2“</translation>
    </message>
    <message>
        <source>--html takes the name of a file, not &apos;%1&apos;</source>
        <translation>--html erwartet den Namen einer Datei, nicht „%1“</translation>
    </message>
</context>
</TS>
