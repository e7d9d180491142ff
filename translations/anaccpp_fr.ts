<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Internal Error (ana_c_cpp)</name>
    <message>
        <source>%1Program shutdown: out of memory %2</source>
        <comment>Error code is &quot;ALLOCMEMO&quot;</comment>
        <translation>%1Arret du programme : memoire epuisee %2</translation>
    </message>
    <message>
        <source>%1Internal error in %2</source>
        <comment>Error code is &quot;ERRINTERN&quot;</comment>
        <translation>%1Erreur interne dans %2</translation>
    </message>
    <message>
        <source>%1Ribbon initialization failed %2</source>
        <comment>Error code is &quot;INITRUBAN&quot;</comment>
        <translation>%1Echec de l'initialisation du ruban %2</translation>
    </message>
    <message>
        <source>%1Memory release error %2</source>
        <comment>Error code is &quot;LIBERMEMO&quot;</comment>
        <translation>%1Erreur de liberation memoire %2</translation>
    </message>
    <message>
        <source>%1There are too many macro or include recursions %2</source>
        <comment>Error code is &quot;NBRECURSI&quot;</comment>
        <translation>%1Trop de recursions de macros ou d'inclusions %2</translation>
    </message>
</context>
<context>
    <name>Fatal Error (ana_c_cpp)</name>
    <message>
        <source>%1Acces error to file: %2</source>
        <comment>Error code is &quot;ERRERRNO&quot;</comment>
        <translation>%1Erreur d'acces au fichier : %2</translation>
    </message>
</context>
<context>
    <name>Error (ana_c_cpp)</name>
    <message>
        <source>%1Uncompleted value list%2</source>
        <comment>Error code is &quot;ELEMENTLS&quot;</comment>
        <translation>%1Liste de valeurs incomplete%2</translation>
    </message>
    <message>
        <source>%1Wrong use of %2</source>
        <comment>Error code is &quot;ERRUTILIS&quot;</comment>
        <translation>%1Mauvaise utilisation de %2</translation>
    </message>
    <message>
        <source>%1Bad INIT or VA value list: %2</source>
        <comment>Error code is &quot;LISTEINVA&quot;</comment>
        <translation>%1Liste de valeurs INIT ou VA incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Inconsistent number of values %2</source>
        <comment>Error code is &quot;NBVALINCO&quot;</comment>
        <translation>%1Nombre de valeurs incoherent %2</translation>
    </message>
    <message>
        <source>%1Imbricated procedures not allowed in C language %2</source>
        <comment>Error code is &quot;PROCIMBRI&quot;</comment>
        <translation>%1Procedures imbriquees interdites en langage C %2</translation>
    </message>
    <message>
        <source>%1Unexpected end of file or incomplete line: %2</source>
        <comment>Error code is &quot;UNEXP_EOF&quot;</comment>
        <translation>%1Fin de fichier inattendue ou ligne incomplete : %2</translation>
    </message>
</context>
<context>
    <name>Warning (ana_c_cpp)</name>
    <message>
        <source>%1Assignment not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;AFFECTATI&quot;</comment>
        <translation>%1Affectation interdite dans les expressions de test unitaire %2</translation>
    </message>
    <message>
        <source>%1%2 argument starts with punctuation</source>
        <comment>Error code is &quot;ARGPUNCTU&quot;</comment>
        <translation>%1L'argument %2 commence par une ponctuation</translation>
    </message>
    <message>
        <source>%1Unexpected argument for macro %2</source>
        <comment>Error code is &quot;ARGTOMACR&quot;</comment>
        <translation>%1Argument inattendu pour la macro %2</translation>
    </message>
    <message>
        <source>%1Bad parameter list in `#define' directive: %2</source>
        <comment>Error code is &quot;BADPARDEF&quot;</comment>
        <translation>%1Liste de parametres incorrecte dans la directive `#define' : %2</translation>
    </message>
    <message>
        <source>%1Two identical characters (f or l) in floating constant %2</source>
        <comment>Error code is &quot;CARDOUFLO&quot;</comment>
        <translation>%1Deux caracteres identiques (f ou l) dans la constante flottante %2</translation>
    </message>
    <message>
        <source>%1Two identical characters (f or l) in integer constant %2</source>
        <comment>Error code is &quot;CARDOUINT&quot;</comment>
        <translation>%1Deux caracteres identiques (f ou l) dans la constante entiere %2</translation>
    </message>
    <message>
        <source>%1Nondigits in  number and not hexadecimal %2</source>
        <comment>Error code is &quot;CARNONNUM&quot;</comment>
        <translation>%1Caracteres non numeriques dans un nombre non hexadecimal %2</translation>
    </message>
    <message>
        <source>%1Numeric constant constains digits beyond the radix: %2</source>
        <comment>Error code is &quot;CARNUMERI&quot;</comment>
        <translation>%1La constante numerique contient des chiffres hors de la base : %2</translation>
    </message>
    <message>
        <source>%1Three `l' characters in integer constant %2</source>
        <comment>Error code is &quot;CARTRIINT&quot;</comment>
        <translation>%1Trois caracteres `l' dans la constante entiere %2</translation>
    </message>
    <message>
        <source>%1Stray character %2 in program</source>
        <comment>Error code is &quot;CHAINUTIL&quot;</comment>
        <translation>%1Caractere parasite %2 dans le programme</translation>
    </message>
    <message>
        <source>%1Unknown field %2</source>
        <comment>Error code is &quot;CHAMPINCO&quot;</comment>
        <translation>%1Champ inconnu %2</translation>
    </message>
    <message>
        <source>%1Field %2 not tested</source>
        <comment>Error code is &quot;CHANOTEST&quot;</comment>
        <translation>%1Champ %2 non teste</translation>
    </message>
    <message>
        <source>%1Unknown constructor %2</source>
        <comment>Error code is &quot;CONSTRINC&quot;</comment>
        <translation>%1Constructeur inconnu %2</translation>
    </message>
    <message>
        <source>%1Bad construction %2</source>
        <comment>Error code is &quot;CONSTRUCT&quot;</comment>
        <translation>%1Construction incorrecte %2</translation>
    </message>
    <message>
        <source>%1Constant may not be in radix 16 %2</source>
        <comment>Error code is &quot;CSTBASE16&quot;</comment>
        <translation>%1La constante ne peut pas etre en base 16 %2</translation>
    </message>
    <message>
        <source>%1Empty character constant %2</source>
        <comment>Error code is &quot;CSTCARVID&quot;</comment>
        <translation>%1Constante caractere vide %2</translation>
    </message>
    <message>
        <source>%1Malformed constant %2</source>
        <comment>Error code is &quot;CSTINCORR&quot;</comment>
        <translation>%1Constante mal formee %2</translation>
    </message>
    <message>
        <source>%1Numeric constant with no digits %2</source>
        <comment>Error code is &quot;CSTNUMERI&quot;</comment>
        <translation>%1Constante numerique sans chiffre %2</translation>
    </message>
    <message>
        <source>%1Invalid `#line' line: %2</source>
        <comment>Error code is &quot;DIESELINE&quot;</comment>
        <translation>%1Ligne `#line' invalide : %2</translation>
    </message>
    <message>
        <source>%1Division by zero in %2</source>
        <comment>Error code is &quot;DIVISZERO&quot;</comment>
        <translation>%1Division par zero dans %2</translation>
    </message>
    <message>
        <source>%1 %2 after else</source>
        <comment>Error code is &quot;ELIFAELSE&quot;</comment>
        <translation>%1 %2 apres else</translation>
    </message>
    <message>
        <source>%1Empty %2 expression</source>
        <comment>Error code is &quot;EMPTYEXPR&quot;</comment>
        <translation>%1Expression %2 vide</translation>
    </message>
    <message>
        <source>%1Integer constant %2 out of range</source>
        <comment>Error code is &quot;ENTOUTRAN&quot;</comment>
        <translation>%1Constante entiere %2 hors limites</translation>
    </message>
    <message>
        <source>%1The `defined' directive  must be followed by ident or (ident)  %2</source>
        <comment>Error code is &quot;ERDEFINED&quot;</comment>
        <translation>%1La directive `defined' doit etre suivie de ident ou (ident) %2</translation>
    </message>
    <message>
        <source>%1#include expects a filename: %2</source>
        <comment>Error code is &quot;ERINCLUDE&quot;</comment>
        <translation>%1#include attend un nom de fichier : %2</translation>
    </message>
    <message>
        <source>%1Error after end of expression: %2</source>
        <comment>Error code is &quot;ERRAFTEND&quot;</comment>
        <translation>%1Erreur apres la fin de l'expression : %2</translation>
    </message>
    <message>
        <source>%1Floating constant exponent has no digits %2</source>
        <comment>Error code is &quot;ERREXPOSA&quot;</comment>
        <translation>%1L'exposant de la constante flottante n'a pas de chiffre %2</translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is &quot;ERRINLINE&quot;</comment>
        <translation>%1Erreur dans la ligne : %2</translation>
    </message>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is &quot;EXPERRONE&quot;</comment>
        <translation>%1Expression incorrecte : %2</translation>
    </message>
    <message>
        <source>%1Preprocessor error: not in any file %2</source>
        <comment>Error code is &quot;FICINCONN&quot;</comment>
        <translation>%1Erreur du preprocesseur : hors de tout fichier %2</translation>
    </message>
    <message>
        <source>%1Function definition %2 ignored</source>
        <comment>Error code is &quot;FUNCT_DEF&quot;</comment>
        <translation>%1Definition de fonction %2 ignoree</translation>
    </message>
    <message>
        <source>%1Warning: %2 redefined</source>
        <comment>Error code is &quot;IDENREDEF&quot;</comment>
        <translation>%1Attention : %2 redefini</translation>
    </message>
    <message>
        <source>%1Unknown ident %2</source>
        <comment>Error code is &quot;IDENTIINC&quot;</comment>
        <translation>%1Identificateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Cannot build the image of type %2</source>
        <comment>Error code is &quot;IMPIMATYP&quot;</comment>
        <translation>%1Impossible de construire l'image du type %2</translation>
    </message>
    <message>
        <source>%1Cannot find type %2</source>
        <comment>Error code is &quot;IMPRECTYP&quot;</comment>
        <translation>%1Impossible de trouver le type %2</translation>
    </message>
    <message>
        <source>%1Incorrect pointer to member %2</source>
        <comment>Error code is &quot;INCPOIMEM&quot;</comment>
        <translation>%1Pointeur sur membre incorrect %2</translation>
    </message>
    <message>
        <source>%1Incorrect template declaration %2</source>
        <comment>Error code is &quot;INCTEMDEC&quot;</comment>
        <translation>%1Declaration de template incorrecte %2</translation>
    </message>
    <message>
        <source>%1The index(s) in expression %2 is (are) out of range</source>
        <comment>Error code is &quot;INDICEINC&quot;</comment>
        <translation>%1Le ou les indices de l'expression %2 sont hors limites</translation>
    </message>
    <message>
        <source>%1Invalid index value %2</source>
        <comment>Error code is &quot;INDICEVAL&quot;</comment>
        <translation>%1Valeur d'indice invalide %2</translation>
    </message>
    <message>
        <source>%1Bad end of line after %2 argument</source>
        <comment>Error code is &quot;INVALIEND&quot;</comment>
        <translation>%1Fin de ligne incorrecte apres l'argument %2</translation>
    </message>
    <message>
        <source>%1invalid macro name %2</source>
        <comment>Error code is &quot;INVAMACRO&quot;</comment>
        <translation>%1nom de macro invalide %2</translation>
    </message>
    <message>
        <source>%1Invalid member selection of a non structure or union %2</source>
        <comment>Error code is &quot;INVCHASTR&quot;</comment>
        <translation>%1Selection de membre invalide sur un objet qui n'est ni une structure ni une union %2</translation>
    </message>
    <message>
        <source>%1Malformatted character constant: %2</source>
        <comment>Error code is &quot;INVCSTCAR&quot;</comment>
        <translation>%1Constante caractere mal formee : %2</translation>
    </message>
    <message>
        <source>%1Impossible defining `defined' as a macro %2</source>
        <comment>Error code is &quot;INVDEFINE&quot;</comment>
        <translation>%1Impossible de definir `defined' comme macro %2</translation>
    </message>
    <message>
        <source>%1Invalid end of number: %2</source>
        <comment>Error code is &quot;INVFINNUM&quot;</comment>
        <translation>%1Fin de nombre invalide : %2</translation>
    </message>
    <message>
        <source>%1Preprocessor error: invalid special hash type %2</source>
        <comment>Error code is &quot;INVHASTYP&quot;</comment>
        <translation>%1Erreur du preprocesseur : type special de hachage invalide %2</translation>
    </message>
    <message>
        <source>%1Use of the long long integer type %2</source>
        <comment>Error code is &quot;LONLONINT&quot;</comment>
        <translation>%1Utilisation du type entier long long %2</translation>
    </message>
    <message>
        <source>%1Malformed option %2</source>
        <comment>Error code is &quot;MALFOROPT&quot;</comment>
        <translation>%1Option mal formee %2</translation>
    </message>
    <message>
        <source>%1Incorrect access modifier %2</source>
        <comment>Error code is &quot;MODACCINC&quot;</comment>
        <translation>%1Modificateur d'acces incorrect %2</translation>
    </message>
    <message>
        <source>%1Cannot undefine `defined' %2</source>
        <comment>Error code is &quot;MODIFDEFI&quot;</comment>
        <translation>%1Impossible d'annuler la definition de `defined' %2</translation>
    </message>
    <message>
        <source>%1Multi-character character constant %2</source>
        <comment>Error code is &quot;MULCARCST&quot;</comment>
        <translation>%1Constante caractere multi-caracteres %2</translation>
    </message>
    <message>
        <source>%1Bad number of arg(s) to macro %2</source>
        <comment>Error code is &quot;NBARGMACR&quot;</comment>
        <translation>%1Nombre d'arguments incorrect pour la macro %2</translation>
    </message>
    <message>
        <source>%1Not ANSI standard %2</source>
        <comment>Error code is &quot;NOANSISTD&quot;</comment>
        <translation>%1Non conforme a la norme ANSI %2</translation>
    </message>
    <message>
        <source>%1%2 with no argument</source>
        <comment>Error code is &quot;NOARGUMEN&quot;</comment>
        <translation>%1%2 sans argument</translation>
    </message>
    <message>
        <source>%1No argument passed to macro %2</source>
        <comment>Error code is &quot;NOARTOMAC&quot;</comment>
        <translation>%1Aucun argument passe a la macro %2</translation>
    </message>
    <message>
        <source>%1%2 directive not within conditional</source>
        <comment>Error code is &quot;NOCONDITI&quot;</comment>
        <translation>%1Directive %2 hors d'une condition</translation>
    </message>
    <message>
        <source>%1Octal or hex character constant does not fit in a byte %2</source>
        <comment>Error code is &quot;NOFITBYTE&quot;</comment>
        <translation>%1La constante caractere octale ou hexadecimale ne tient pas dans un octet %2</translation>
    </message>
    <message>
        <source>%1\x used with no following hex digits %2</source>
        <comment>Error code is &quot;NOHEXDIGI&quot;</comment>
        <translation>%1\x utilise sans chiffre hexadecimal a la suite %2</translation>
    </message>
    <message>
        <source>%1%2 is not a function</source>
        <comment>Error code is &quot;NONFONCTI&quot;</comment>
        <translation>%1%2 n'est pas une fonction</translation>
    </message>
    <message>
        <source>%1%2 is not a pointeur</source>
        <comment>Error code is &quot;NONPOINTE&quot;</comment>
        <translation>%1%2 n'est pas un pointeur</translation>
    </message>
    <message>
        <source>%1%2 is not an array</source>
        <comment>Error code is &quot;NONTABLEA&quot;</comment>
        <translation>%1%2 n'est pas un tableau</translation>
    </message>
    <message>
        <source>%1Not pointed structure or union %2</source>
        <comment>Error code is &quot;NOPOSTRUC&quot;</comment>
        <translation>%1Structure ou union non pointee %2</translation>
    </message>
    <message>
        <source>%1Incorrect field number %2</source>
        <comment>Error code is &quot;NUMCHAINC&quot;</comment>
        <translation>%1Numero de champ incorrect %2</translation>
    </message>
    <message>
        <source>%1Array values omission not allowed: %2. Use 'others'</source>
        <comment>Error code is &quot;OMIVALTAB&quot;</comment>
        <translation>%1Omission de valeurs de tableau interdite : %2. Utiliser 'others'</translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on numeric types (integer or real)</source>
        <comment>Error code is &quot;OPERARITH&quot;</comment>
        <translation>%1Operation %2 autorisee uniquement sur les types numeriques (entier ou reel)</translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on integer types</source>
        <comment>Error code is &quot;OPERENTIE&quot;</comment>
        <translation>%1Operation %2 autorisee uniquement sur les types entiers</translation>
    </message>
    <message>
        <source>%1`#' operator should be followed by a macro argument name: %2</source>
        <comment>Error code is &quot;OPERMACRO&quot;</comment>
        <translation>%1L'operateur `#' doit etre suivi d'un nom d'argument de macro : %2</translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on scalar types (integer, real, enum, pointer)</source>
        <comment>Error code is &quot;OPERSCALA&quot;</comment>
        <translation>%1Operation %2 autorisee uniquement sur les types scalaires (entier, reel, enumere, pointeur)</translation>
    </message>
    <message>
        <source>%1Unknown parameter name %2</source>
        <comment>Error code is &quot;PARAMINCO&quot;</comment>
        <translation>%1Nom de parametre inconnu %2</translation>
    </message>
    <message>
        <source>%1Parameter name n `#define' starts with a digit: %2</source>
        <comment>Error code is &quot;PARASTART&quot;</comment>
        <translation>%1Le nom de parametre de `#define' commence par un chiffre : %2</translation>
    </message>
    <message>
        <source>%1Pointed structure or union %2</source>
        <comment>Error code is &quot;POINSTRUC&quot;</comment>
        <translation>%1Structure ou union pointee %2</translation>
    </message>
    <message>
        <source>%1Post-decrementation not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;POSTDECRE&quot;</comment>
        <translation>%1Post-decrementation interdite dans les expressions de test unitaire %2</translation>
    </message>
    <message>
        <source>%1Post-incrementation not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;POSTINCRE&quot;</comment>
        <translation>%1Post-incrementation interdite dans les expressions de test unitaire %2</translation>
    </message>
    <message>
        <source>%1UnknownUnit Testing pragma: %2 </source>
        <comment>Error code is &quot;PRAGMAINC&quot;</comment>
        <translation>%1Pragma de test unitaire inconnu : %2 </translation>
    </message>
    <message>
        <source>%1Structure or union data type %2 redefined</source>
        <comment>Error code is &quot;REDEFSTRU&quot;</comment>
        <translation>%1Type structure ou union %2 redefini</translation>
    </message>
    <message>
        <source>%1Symbol %2 redefined</source>
        <comment>Error code is &quot;REDEFSYMB&quot;</comment>
        <translation>%1Symbole %2 redefini</translation>
    </message>
    <message>
        <source>%1Escape sequence out of range for character %2</source>
        <comment>Error code is &quot;SEQOUTRAN&quot;</comment>
        <translation>%1Sequence d'echappement hors limites pour le caractere %2</translation>
    </message>
    <message>
        <source>%1Unknown escape sequence %2</source>
        <comment>Error code is &quot;SEQUEINCO&quot;</comment>
        <translation>%1Sequence d'echappement inconnue %2</translation>
    </message>
    <message>
        <source>%1&quot;exp1, exp2, ..&quot; expressions not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;SOUSEXPRE&quot;</comment>
        <translation>%1Expressions &quot;exp1, exp2, ..&quot; interdites dans les expressions de test unitaire %2</translation>
    </message>
    <message>
        <source>%1%2 argument starts with a digit</source>
        <comment>Error code is &quot;STARTDIGI&quot;</comment>
        <translation>%1L'argument %2 commence par un chiffre</translation>
    </message>
    <message>
        <source>%1Syntax error: %2</source>
        <comment>Error code is &quot;SYNTAXERR&quot;</comment>
        <translation>%1Erreur de syntaxe : %2</translation>
    </message>
    <message>
        <source>%1The expression %2 is incorrect for the arrays</source>
        <comment>Error code is &quot;TABEXPINC&quot;</comment>
        <translation>%1L'expression %2 est incorrecte pour les tableaux</translation>
    </message>
    <message>
        <source>%1Unknown array size %2</source>
        <comment>Error code is &quot;TAITABINC&quot;</comment>
        <translation>%1Taille de tableau inconnue %2</translation>
    </message>
    <message>
        <source>%1Incorrect template instantiation %2</source>
        <comment>Error code is &quot;TEMINSINC&quot;</comment>
        <translation>%1Instanciation de template incorrecte %2</translation>
    </message>
    <message>
        <source>%1Template declaration %2 ignored</source>
        <comment>Error code is &quot;TEMPLADEC&quot;</comment>
        <translation>%1Declaration de template %2 ignoree</translation>
    </message>
    <message>
        <source>%1Too long character constant %2</source>
        <comment>Error code is &quot;TOLOCSTCA&quot;</comment>
        <translation>%1Constante caractere trop longue %2</translation>
    </message>
    <message>
        <source>%1Too many args to macro %2</source>
        <comment>Error code is &quot;TOMANYARG&quot;</comment>
        <translation>%1Trop d'arguments pour la macro %2</translation>
    </message>
    <message>
        <source>%1Incorrect field type %2</source>
        <comment>Error code is &quot;TYPCHAINC&quot;</comment>
        <translation>%1Type de champ incorrect %2</translation>
    </message>
    <message>
        <source>%1typedef without a name %2</source>
        <comment>Error code is &quot;TYPDEFSEU&quot;</comment>
        <translation>%1typedef sans nom %2</translation>
    </message>
    <message>
        <source>%1Bad type in list %2</source>
        <comment>Error code is &quot;TYPELISTE&quot;</comment>
        <translation>%1Type incorrect dans la liste %2</translation>
    </message>
    <message>
        <source>%1Different types in list %2</source>
        <comment>Error code is &quot;TYPESDIFF&quot;</comment>
        <translation>%1Types differents dans la liste %2</translation>
    </message>
    <message>
        <source>%1Incorrect type modifier %2</source>
        <comment>Error code is &quot;TYPMODINC&quot;</comment>
        <translation>%1Modificateur de type incorrect %2</translation>
    </message>
    <message>
        <source>%1unbalanced endif %2</source>
        <comment>Error code is &quot;UNBAENDIF&quot;</comment>
        <translation>%1endif non equilibre %2</translation>
    </message>
    <message>
        <source>%1Undefining %2</source>
        <comment>Error code is &quot;UNDEFININ&quot;</comment>
        <translation>%1Suppression de la definition de %2</translation>
    </message>
    <message>
        <source>%1Unknown directive %2</source>
        <comment>Error code is &quot;UNKNODIR&quot;</comment>
        <translation>%1Directive inconnue %2</translation>
    </message>
    <message>
        <source>%1unterminated comment %2</source>
        <comment>Error code is &quot;UNTERCOMM&quot;</comment>
        <translation>%1commentaire non termine %2</translation>
    </message>
    <message>
        <source>%1unterminated #%2 conditional</source>
        <comment>Error code is &quot;UNTERCOND&quot;</comment>
        <translation>%1condition #%2 non terminee</translation>
    </message>
    <message>
        <source>%1A string or character constant unterminated %2</source>
        <comment>Error code is &quot;UNTERSTRI&quot;</comment>
        <translation>%1Chaine ou constante caractere non terminee %2</translation>
    </message>
    <message>
        <source>%1Unterminated parameter list in `#define' directive: %2</source>
        <comment>Error code is &quot;UNTPARDEF&quot;</comment>
        <translation>%1Liste de parametres non terminee dans la directive `#define' : %2</translation>
    </message>
    <message>
        <source>%1Message of the analysed code: %2</source>
        <comment>Error code is &quot;WARNERR&quot;</comment>
        <translation>%1Message du code analyse : %2</translation>
    </message>
</context>
<context>
    <name>Information (ana_c_cpp)</name>
    <message>
        <source>%1Matches line %2</source>
        <comment>Error code is &quot;MATCHLINE&quot;</comment>
        <translation>%1Correspond a la ligne %2</translation>
    </message>
    <message>
        <source>%1Use of Microsoft Multibyte character form %2</source>
        <comment>Error code is &quot;MULTIBYTE&quot;</comment>
        <translation>%1Utilisation de la forme de caractere multi-octets Microsoft %2</translation>
    </message>
</context>
</TS>
