<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Error-modbas</name>
    <message>
        <source>End of execution with %1 error(s)</source>
        <comment>Error code is &quot;ENDERRNWR&quot;</comment>
        <translation>Fin d'execution avec %1 erreur(s)</translation>
    </message>
    <message>
        <source>End of execution with %1 error(s) and %2 warning(s)</source>
        <comment>Error code is &quot;ENDERRWAR&quot;</comment>
        <translation>Fin d'execution avec %1 erreur(s) et %2 avertissement(s)</translation>
    </message>
    <message>
        <source>End of execution with 0 error and 0 warning%1%2</source>
        <comment>%1 and %2 are empty string, but must take place in the translation</comment>
        <translation>Fin d'execution avec 0 erreur et 0 avertissement%1%2</translation>
    </message>
    <message>
        <source>End of execution with %1%2 warning(s)</source>
        <comment>Error code is &quot;ENDNOEWAR&quot;</comment>
        <translation>Fin d'execution avec %1%2 avertissement(s)</translation>
    </message>
    <message>
        <source>Incorrect option in option file: %1</source>
        <comment>Error code is &quot;EROPFICMD&quot;</comment>
        <translation>Option incorrecte dans le fichier d'options : %1</translation>
    </message>
    <message>
        <source>File %1 opening problem</source>
        <comment>Error code is &quot;FICERROPN&quot;</comment>
        <translation>Probleme d'ouverture du fichier %1</translation>
    </message>
    <message>
        <source>more detailed Errors/Warnings can be found in file %1</source>
        <comment>Error code is &quot;MORERWALI&quot;</comment>
        <translation>le detail des erreurs et avertissements se trouve dans le fichier %1</translation>
    </message>
    <message>
        <source>Undefined message for code %1</source>
        <comment>Error code is &quot;NOMESSDEF&quot;</comment>
        <translation>Message non defini pour le code %1</translation>
    </message>
</context>
</TS>
