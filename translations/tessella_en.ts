<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>Tessella</name>
    <message>
        <source>Impossible d&apos;enregistrer la langue choisie dans %1 : %2</source>
        <translation>Could not save the chosen language in %1: %2</translation>
    </message>
    <message>
        <source>le fichier des réglages n&apos;est pas accessible en écriture</source>
        <translation>the settings file is not writable</translation>
    </message>
    <message>
        <source>le fichier des réglages est endommagé</source>
        <translation>the settings file is damaged</translation>
    </message>
</context>
</TS>
