<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QtInspectorWidget</name>
    <message>
        <source>No option applies to the analysis model of this task.</source>
        <translation>Für das Analysemodell dieser Aufgabe gilt keine Option.</translation>
    </message>
    <message>
        <source>Reset to default</source>
        <translation>Auf Standardwert zurücksetzen</translation>
    </message>
    <message>
        <source>Applies when “%1” is switched off</source>
        <translation>Wirksam, wenn „%1“ ausgeschaltet ist</translation>
    </message>
    <message>
        <source>Applies when “%1” is switched on</source>
        <translation>Wirksam, wenn „%1“ eingeschaltet ist</translation>
    </message>
    <message>
        <source>Applies when “%1” is not “%2”</source>
        <translation>Wirksam, wenn „%1“ nicht „%2“ ist</translation>
    </message>
    <message>
        <source>“%1”: %2</source>
        <translation>„%1“: %2</translation>
    </message>
</context>
<context>
    <name>ValueText</name>
    <message>
        <source>Above the maximum %1</source>
        <translation>Über dem Höchstwert %1</translation>
    </message>
    <message>
        <source>Below the minimum %1</source>
        <translation>Unter dem Mindestwert %1</translation>
    </message>
    <message>
        <source>Not a number – use the decimal comma: %1</source>
        <translation>Keine Zahl – Dezimalkomma verwenden: %1</translation>
    </message>
    <message>
        <source>Not a number – use the decimal point: %1</source>
        <translation>Keine Zahl – Dezimalpunkt verwenden: %1</translation>
    </message>
    <message>
        <source>Number too large</source>
        <translation>Zahl zu groß</translation>
    </message>
    <message>
        <source>Number too small</source>
        <translation>Zahl zu klein</translation>
    </message>
    <message>
        <source>Not a number</source>
        <translation>Keine Zahl</translation>
    </message>
    <message>
        <source>A value is needed</source>
        <translation>Ein Wert ist nötig</translation>
    </message>
    <message>
        <source>Not a value of this option</source>
        <translation>Kein Wert dieser Option</translation>
    </message>
    <message>
        <source>Not a whole number</source>
        <translation>Keine ganze Zahl</translation>
    </message>
    <message>
        <source>Not true or false</source>
        <translation>Weder wahr noch falsch</translation>
    </message>
</context>
</TS>
