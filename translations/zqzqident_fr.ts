<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Fatal Error (cstsyst)</name>
    <message>
        <source>FATAL ERROR on '%1',
 Please contact your administrative.</source>
        <comment>'%1' is a function name</comment>
        <translation>ERREUR FATALE sur '%1',
 Veuillez contacter votre administrateur.</translation>
    </message>
</context>
<context>
    <name>Internal Error Parameter</name>
    <message>
        <source>memory overflow</source>
        <comment>Used as a parameter for 'ERRINTFCT' error message</comment>
        <translation>depassement de capacite memoire</translation>
    </message>
</context>
<context>
    <name>Warning Parameter</name>
    <message>
        <source>improper RESTR=KR option</source>
        <comment>Used as a parameter for 'CMDERREUR' warning; RESTR=KR must not be translated</comment>
        <translation>option RESTR=KR inappropriee</translation>
    </message>
</context>
<context>
    <name>Error Parameter</name>
    <message>
        <source>: array are forbidden in list: %1</source>
        <translation>: tableaux interdits dans une liste : %1</translation>
    </message>
</context>
</TS>
