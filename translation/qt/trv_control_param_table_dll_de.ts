<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BraxData</name>
    <message numerus="yes">
        <source>The default for Formwork placement has been changed from &apos;In System Position&apos; to &apos;Add nodes separate tangentially&apos;.
</source>
        <translation>
            <numerusform>Der Standardwert für „Lage der Schalung“ wurde von „In Systemlage“ auf „Knoten getrennt tangential hinzufügen“ geändert.
</numerusform>
            <numerusform>Der Standardwert für „Lage der Schalung“ wurde von „In Systemlage“ auf „Knoten getrennt tangential hinzufügen“ geändert.
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Please verify the control options in the construction stage manager task.</source>
        <translation>
            <numerusform>Bitte prüfen Sie die Steuerparameter in der Aufgabe des Bauphasenmanagers.</numerusform>
            <numerusform>Bitte prüfen Sie die Steuerparameter in der Aufgabe des Bauphasenmanagers.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ModuleData</name>
    <message>
        <source>Reset to defaults</source>
        <translation>Auf Standardwerte zurücksetzen</translation>
    </message>
    <message>
        <source>Change of options</source>
        <translation>Änderung der Optionen</translation>
    </message>
</context>
</TS>
