<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>fk::AccessibleText</name>
    <message numerus="yes">
        <source>%1 in %2, %n point(s), weight %3</source>
        <translation>
            <numerusform>%1 in %2, %n point, weight %3</numerusform>
            <numerusform>%1 in %2, %n points, weight %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>fk::CompareSettings</name>
    <message numerus="yes">
        <source>%n setting(s) differ:</source>
        <translation>
            <numerusform>%n setting differs:</numerusform>
            <numerusform>%n settings differ:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>fk::CopySettings</name>
    <message numerus="yes">
        <source>Copying to %1 changes %n setting(s):</source>
        <translation>
            <numerusform>Copying to %1 changes %n setting:</numerusform>
            <numerusform>Copying to %1 changes %n settings:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>fk::RegistryTexts</name>
    <message numerus="yes">
        <source>another writer held the lock beside it for %n second(s)</source>
        <translation>
            <numerusform>another writer held the lock beside it for %n second</numerusform>
            <numerusform>another writer held the lock beside it for %n seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>fk::SettingsTransferActions</name>
    <message numerus="yes">
        <source>Importing %1 changes %n setting(s):</source>
        <translation>
            <numerusform>Importing %1 changes %n setting:</numerusform>
            <numerusform>Importing %1 changes %n settings:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>fk::StoreTexts</name>
    <message numerus="yes">
        <source>&quot;%1&quot; must be a text of at most %n character(s)</source>
        <translation>
            <numerusform>&quot;%1&quot; must be a text of at most %n character</numerusform>
            <numerusform>&quot;%1&quot; must be a text of at most %n characters</numerusform>
        </translation>
    </message>
</context>
</TS>
