<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ctrlparam</name>
    <message>
        <source>Reset all</source>
        <translation>Alle zurücksetzen</translation>
    </message>
    <message>
        <source>KELMAR lines (changed since opening: highlighted)</source>
        <translation>KELMAR-Zeilen (seit dem Öffnen geänderte hervorgehoben)</translation>
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
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Cannot write the text to standard output.</source>
        <translation>Der Text kann nicht in die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>The options have changed since they were last saved. Save them?</source>
        <translation>Die Optionen wurden seit dem letzten Speichern geändert. Speichern?</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>new task</source>
        <translation>neue Aufgabe</translation>
    </message>
    <message>
        <source>%1 has changed since it was read</source>
        <translation>%1 wurde seit dem Lesen geändert</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 no longer exists</source>
        <translation>%1 existiert nicht mehr</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 existiert bereits</translation>
    </message>
    <message>
        <source>%1 is read-only</source>
        <translation>%1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder of %1 cannot be written</source>
        <translation>In den Ordner von %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is no regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 is UTF-16; only UTF-8 files are written</source>
        <translation>%1 ist UTF-16; nur UTF-8-Dateien werden geschrieben</translation>
    </message>
    <message>
        <source>%1 has several names (hard links); an atomic replace would split them</source>
        <translation>%1 hat mehrere Namen (harte Links); ein atomares Ersetzen würde sie trennen</translation>
    </message>
    <message>
        <source>cannot keep the owner and group of %1: %2</source>
        <translation>Eigentümer und Gruppe von %1 können nicht beibehalten werden: %2</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;KELMAR lines</source>
        <translation>&amp;KELMAR-Zeilen</translation>
    </message>
    <message>
        <source>no lines</source>
        <translation>keine Zeilen</translation>
    </message>
    <message>
        <source>Entry not stored</source>
        <translation>Eingabe nicht übernommen</translation>
    </message>
    <message>
        <source>%1

Close without saving?</source>
        <translation>%1

Ohne Speichern schließen?</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>Save as stored form</source>
        <translation>Als gespeicherte Form speichern</translation>
    </message>
    <message>
        <source>The options were read from a JSON text. Save writes them in its place as the stored form, one Base64 line, which is not readable as text. Save?</source>
        <translation>Die Optionen wurden aus einem JSON-Text gelesen. Speichern schreibt an seine Stelle die gespeicherte Form, eine Base64-Zeile, die nicht als Text lesbar ist. Speichern?</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Replace file</source>
        <translation>Datei ersetzen</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 gibt es schon. Ersetzen?</translation>
    </message>
</context>
</TS>
