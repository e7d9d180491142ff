<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Internal Error (prepro)</name>
    <message>
        <source>%1internal error raised in  %2</source>
        <comment>Error code is &quot;INTERNERR&quot;</comment>
        <translation>%1erreur interne levee dans  %2</translation>
    </message>
</context>
<context>
    <name>Fatal Error (prepro)</name>
    <message>
        <source>%1no link file  %2</source>
        <comment>Error code is &quot;NOLINKFIL&quot;</comment>
        <translation>%1pas de fichier de liens  %2</translation>
    </message>
    <message>
        <source>%1No unit to read the calls of %2</source>
        <comment>Error code is &quot;STUBNOUNIT&quot;</comment>
        <translation>%1Aucune unite dont lire les appels de %2</translation>
    </message>
</context>
<context>
    <name>Error (prepro)</name>
    <message>
        <source>%1Aggregate with only 'others' not allowed %2</source>
        <comment>Error code is &quot;AGGONLOTH&quot;</comment>
        <translation>%1Agregat contenant uniquement 'others' interdit %2</translation>
    </message>
    <message>
        <source>%1Bad command: -DATA=&lt;datafile&gt; option expected%2</source>
        <comment>Error code is &quot;CMDERRDTA&quot;</comment>
        <translation>%1Commande erronee : option -DATA=&lt;fichier_donnees&gt; attendue%2</translation>
    </message>
    <message>
        <source>Size of array type %2 is unknow could not generate stub</source>
        <comment>Error code is &quot;UNKARRSIZ&quot;</comment>
        <translation>La taille du type tableau %2 est inconnue, impossible de generer le muet</translation>
    </message>
    <message>
        <source>%1Cannot read the symbols of %2</source>
        <comment>Error code is &quot;STUBOBJECT&quot;</comment>
        <translation>%1Impossible de lire les symboles de %2</translation>
    </message>
    <message>
        <source>%1Cannot compile %2</source>
        <comment>Error code is &quot;STUBCOMPIL&quot;</comment>
        <translation>%1Impossible de compiler %2</translation>
    </message>
</context>
<context>
    <name>Warning (prepro)</name>
    <message>
        <source>%1Invalid aggregate %2</source>
        <comment>Error code is &quot;AGGRINVAL&quot;</comment>
        <translation>%1Agregat invalide %2</translation>
    </message>
    <message>
        <source>%1Assembler syntax error %2</source>
        <comment>Error code is &quot;ASYNTAXER&quot;</comment>
        <translation>%1Erreur de syntaxe assembleur %2</translation>
    </message>
    <message>
        <source>Target Package not found, check VXLTGT environment variable.</source>
        <comment>Error code is &quot;BADRUNTIM&quot;</comment>
        <translation>Paquetage cible introuvable, verifiez la variable d'environnement VXLTGT.</translation>
    </message>
    <message>
        <source>%1Invalid package for stub %2</source>
        <comment>Error code is &quot;INVPKGMU&quot;</comment>
        <translation>%1Paquetage invalide pour le muet %2</translation>
    </message>
    <message>
        <source>%1Wrong number of components %2</source>
        <comment>Error code is &quot;NBCOMPERR&quot;</comment>
        <translation>%1Nombre de composants errone %2</translation>
    </message>
    <message>
        <source>%1NONIL cannot be used here %2</source>
        <comment>Error code is &quot;NONILERRE&quot;</comment>
        <translation>%1NONIL ne peut pas etre utilise ici %2</translation>
    </message>
    <message>
        <source>%1Private member %2 not tested</source>
        <comment>Error code is &quot;NOPRITEST&quot;</comment>
        <translation>%1Membre prive %2 non teste</translation>
    </message>
    <message>
        <source>%1Operator %2 not found</source>
        <comment>Error code is &quot;OPNOTFUND&quot;</comment>
        <translation>%1Operateur %2 introuvable</translation>
    </message>
    <message>
        <source>%1Variable-length array %2</source>
        <comment>Error code is &quot;VARARRAY&quot;</comment>
        <translation>%1Tableau de taille variable %2</translation>
    </message>
    <message>
        <source>%1No prototype of %2: no stub written</source>
        <comment>Error code is &quot;STUBNOPROT&quot;</comment>
        <translation>%1Aucun prototype de %2 : aucun muet ecrit</translation>
    </message>
</context>
</TS>
