<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Internal Errors (bibli)</name>
    <message>
        <source>%1Expression analysis error %2</source>
        <comment>Error code is &quot;ANAEXPERR&quot;</comment>
        <translation>%1Erreur d'analyse d'expression %2</translation>
    </message>
    <message>
        <source>%1Table slot overflow %2</source>
        <comment>Error code is &quot;DEBORCASE&quot;</comment>
        <translation>%1Debordement de case de table %2</translation>
    </message>
    <message>
        <source>%1RIBBON overflow %2</source>
        <comment>Error code is &quot;DEBORUBAN&quot;</comment>
        <translation>%1Debordement du RUBAN %2</translation>
    </message>
    <message>
        <source>%1Internal error %2</source>
        <comment>Error code is &quot;ERRINTERN&quot;</comment>
        <translation>%1Erreur interne %2</translation>
    </message>
    <message>
        <source>%1Internal error in the function %2</source>
        <comment>Error code is &quot;ERRINTFCT&quot;</comment>
        <translation>%1Erreur interne dans la fonction %2</translation>
    </message>
    <message>
        <source>%1Data not initialized %2</source>
        <comment>Error code is &quot;ERRNONINI&quot;</comment>
        <translation>%1Donnee non initialisee %2</translation>
    </message>
    <message>
        <source>%1Impossible extension number %2</source>
        <comment>Error code is &quot;EXTNUMIMP&quot;</comment>
        <translation>%1Numero d'extension impossible %2</translation>
    </message>
    <message>
        <source>%1Inconsistent TDC list %2</source>
        <comment>Error code is &quot;INCLISTDC&quot;</comment>
        <translation>%1Liste TDC incoherente %2</translation>
    </message>
    <message>
        <source>%1TDC and RIO files are inconsistent %2</source>
        <comment>Error code is &quot;INCTDCRIO&quot;</comment>
        <translation>%1Fichiers TDC et RIO incoherents %2</translation>
    </message>
    <message>
        <source>%1Lexical analyser not initialized %2</source>
        <comment>Error code is &quot;LEXNOTINI&quot;</comment>
        <translation>%1Analyseur lexical non initialise %2</translation>
    </message>
    <message>
        <source>%1Too long error message %2</source>
        <comment>Error code is &quot;MESTROLON&quot;</comment>
        <translation>%1Message d'erreur trop long %2</translation>
    </message>
    <message>
        <source>Undefined message for code number %1</source>
        <comment>Error code is &quot;NOMESSDEF&quot;</comment>
        <translation>Message non defini pour le code numero %1</translation>
    </message>
    <message>
        <source>%1Missing exclamation mark %2</source>
        <comment>Error code is &quot;PTEXCLABS&quot;</comment>
        <translation>%1Point d'exclamation absent %2</translation>
    </message>
    <message>
        <source>%1Ribbon not initialized %2</source>
        <comment>Error code is &quot;RUBNOTINI&quot;</comment>
        <translation>%1Ruban non initialise %2</translation>
    </message>
    <message>
        <source>%1Cannot convert string %2 into an integer value</source>
        <comment>Error code is &quot;TRFSTRINT&quot;</comment>
        <translation>%1Impossible de convertir la chaine %2 en valeur entiere</translation>
    </message>
    <message>
        <source>%1Unknown register type %2</source>
        <comment>Error code is &quot;TYPREGINC&quot;</comment>
        <translation>%1Type de registre inconnu %2</translation>
    </message>
</context>
<context>
    <name>Fatal Errors (bibli)</name>
    <message>
        <source>%1No keyword found %2</source>
        <comment>Error code is &quot;AUCUNMETA&quot;</comment>
        <translation>%1Aucun mot cle trouve %2</translation>
    </message>
    <message>
        <source>%1Unknown target %2</source>
        <comment>Error code is &quot;CIBLINCON&quot;</comment>
        <translation>%1Cible inconnue %2</translation>
    </message>
    <message>
        <source>%1Bad command: %2</source>
        <comment>Error code is &quot;CMDERREUR&quot;</comment>
        <translation>%1Commande erronee : %2</translation>
    </message>
    <message>
        <source>%1Wrong command line %2</source>
        <comment>Error code is &quot;CMDFATALE&quot;</comment>
        <translation>%1Ligne de commande incorrecte %2</translation>
    </message>
    <message>
        <source>%1Program shutdown: user fatal error %2</source>
        <comment>Error code is &quot;ERRFATALE&quot;</comment>
        <translation>%1Arret du programme : erreur fatale utilisateur %2</translation>
    </message>
    <message>
        <source>%1FATAL SHUTDOWN DURING EXECUTION OF THE TEST HARNESS %2</source>
        <comment>Error code is &quot;EXE_ABORT&quot;</comment>
        <translation>%1ARRET FATAL PENDANT L'EXECUTION DU PROGRAMME DE TEST %2</translation>
    </message>
    <message>
        <source>%1Empty RIO file %2</source>
        <comment>Error code is &quot;FICRIOVID&quot;</comment>
        <translation>%1Fichier RIO vide %2</translation>
    </message>
    <message>
        <source>%1Full disk space %2</source>
        <comment>Error code is &quot;IMPECRFIC&quot;</comment>
        <translation>%1Espace disque plein %2</translation>
    </message>
    <message>
        <source>%1Cannot close the file %2</source>
        <comment>Error code is &quot;IMPFERFIC&quot;</comment>
        <translation>%1Impossible de fermer le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot open the file %2</source>
        <comment>Error code is &quot;IMPOUVFIC&quot;</comment>
        <translation>%1Impossible d'ouvrir le fichier %2</translation>
    </message>
    <message>
        <source>%1Cannot rewind the file %2</source>
        <comment>Error code is &quot;IMPRESFIC&quot;</comment>
        <translation>%1Impossible de rembobiner le fichier %2</translation>
    </message>
    <message>
        <source>%1Unknown language %2</source>
        <comment>Error code is &quot;LANGINCON&quot;</comment>
        <translation>%1Langage inconnu %2</translation>
    </message>
    <message>
        <source>%1Unknown type letter %2</source>
        <comment>Error code is &quot;LETYINCON&quot;</comment>
        <translation>%1Lettre de type inconnue %2</translation>
    </message>
    <message>
        <source>%1No implemented language %2</source>
        <comment>Error code is &quot;NONIMPLEM&quot;</comment>
        <translation>%1Langage non implemente %2</translation>
    </message>
    <message>
        <source>%1Missing qualifier %2</source>
        <comment>Error code is &quot;QUALABSEN&quot;</comment>
        <translation>%1Qualificatif absent %2</translation>
    </message>
    <message>
        <source>%1Unknown type range %2</source>
        <comment>Error code is &quot;RATYINCON&quot;</comment>
        <translation>%1Intervalle de type inconnu %2</translation>
    </message>
    <message>
        <source>%1RIO file comparison failed %2</source>
        <comment>Error code is &quot;RIOCOMPAR&quot;</comment>
        <translation>%1Echec de la comparaison du fichier RIO %2</translation>
    </message>
    <message>
        <source>%1Unknown operator sign %2</source>
        <comment>Error code is &quot;SIGNEINCO&quot;</comment>
        <translation>%1Signe d'operateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Syntax error in RIO file %2</source>
        <comment>Error code is &quot;STXERRRIO&quot;</comment>
        <translation>%1Erreur de syntaxe dans le fichier RIO %2</translation>
    </message>
    <message>
        <source>%1Syntax error in TDC file %2</source>
        <comment>Error code is &quot;STXERRTDC&quot;</comment>
        <translation>%1Erreur de syntaxe dans le fichier TDC %2</translation>
    </message>
    <message>
        <source>%1RIO suffix is mandatory %2</source>
        <comment>Error code is &quot;SUFFROOBL&quot;</comment>
        <translation>%1Le suffixe RIO est obligatoire %2</translation>
    </message>
    <message>
        <source>%1Inconsistent TDC file %2</source>
        <comment>Error code is &quot;TDCINCOHE&quot;</comment>
        <translation>%1Fichier TDC incoherent %2</translation>
    </message>
    <message>
        <source>%1Unknown value type %2</source>
        <comment>Error code is &quot;VATYINCON&quot;</comment>
        <translation>%1Type de valeur inconnu %2</translation>
    </message>
    <message>
        <source>%1Run stopped by signal %2</source>
        <comment>Error code is &quot;ARRETSIGN&quot;</comment>
        <translation>%1Exécution arrêtée par le signal %2</translation>
    </message>
    <message>
        <source>%1Name that cannot be written into the generated C %2</source>
        <comment>Error code is &quot;CHEMININV&quot;</comment>
        <translation>%1Nom impossible à écrire dans le C généré %2</translation>
    </message>
    <message>
        <source>%1The file is both an input and an output of the run %2</source>
        <comment>Error code is &quot;FICENTSOR&quot;</comment>
        <translation>%1Le fichier est à la fois une entrée et une sortie de l'exécution %2</translation>
    </message>
    <message>
        <source>%1Not a regular file %2</source>
        <comment>Error code is &quot;FICNONREG&quot;</comment>
        <translation>%1Pas un fichier ordinaire %2</translation>
    </message>
    <message>
        <source>%1File too large %2</source>
        <comment>Error code is &quot;FICTROGRD&quot;</comment>
        <translation>%1Fichier trop gros %2</translation>
    </message>
    <message>
        <source>%1Cannot read the file %2</source>
        <comment>Error code is &quot;IMPLIRFIC&quot;</comment>
        <translation>%1Impossible de lire le fichier %2</translation>
    </message>
</context>
<context>
    <name>Errors (bibli)</name>
    <message>
        <source>%1Array index not allowed in an environment %2</source>
        <comment>Error code is &quot;ARRINDENV&quot;</comment>
        <translation>%1Indice de tableau interdit dans un environnement %2</translation>
    </message>
    <message>
        <source>%1Array not allowed in assembler %2</source>
        <comment>Error code is &quot;ASMTABERR&quot;</comment>
        <translation>%1Tableau interdit en assembleur %2</translation>
    </message>
    <message>
        <source>%1Only INIT=, INIT==, EV=, EV== are authorized for the structures</source>
        <comment>Error code is &quot;AUTOSTRUC&quot;</comment>
        <translation>%1Seuls INIT=, INIT==, EV=, EV== sont autorises pour les structures</translation>
    </message>
    <message>
        <source>%1Bad aggregate %2</source>
        <comment>Error code is &quot;BADAGGREGATE&quot;</comment>
        <translation>%1Agregat incorrect %2</translation>
    </message>
    <message>
        <source>%1Unknown database %2</source>
        <comment>Error code is &quot;BASEINCON&quot;</comment>
        <translation>%1Base de donnees inconnue %2</translation>
    </message>
    <message>
        <source>%1BEGIN keyword missing %2</source>
        <comment>Error code is &quot;BEGINABSE&quot;</comment>
        <translation>%1Mot cle DEBUT absent %2</translation>
    </message>
    <message>
        <source>%1Start of occurrence expected %2</source>
        <comment>Error code is &quot;BEGOCCURE&quot;</comment>
        <translation>%1Debut d'occurrence attendu %2</translation>
    </message>
    <message>
        <source>%1Bad lower boundary %2</source>
        <comment>Error code is &quot;BORINFINC&quot;</comment>
        <translation>%1Borne inferieure incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad upper boundary %2</source>
        <comment>Error code is &quot;BORSUPINC&quot;</comment>
        <translation>%1Borne superieure incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad field %2</source>
        <comment>Error code is &quot;CHAMPINCO&quot;</comment>
        <translation>%1Champ incorrect %2</translation>
    </message>
    <message>
        <source>%1Invalid character %2</source>
        <comment>Error code is &quot;CHARINVAL&quot;</comment>
        <translation>%1Caractere invalide %2</translation>
    </message>
    <message>
        <source>%1Missing database connection %2</source>
        <comment>Error code is &quot;CONNEXABS&quot;</comment>
        <translation>%1Connexion a la base de donnees absente %2</translation>
    </message>
    <message>
        <source>%1Unknown constant %2</source>
        <comment>Error code is &quot;CONSTINCO&quot;</comment>
        <translation>%1Constante inconnue %2</translation>
    </message>
    <message>
        <source>%1Missing declaration for %2</source>
        <comment>Error code is &quot;DECLARABS&quot;</comment>
        <translation>%1Declaration absente pour %2</translation>
    </message>
    <message>
        <source>%1Value %2 already defined </source>
        <comment>Error code is &quot;DEFMULTIP&quot;</comment>
        <translation>%1Valeur %2 deja definie </translation>
    </message>
    <message>
        <source>%1DELTA cannot be used with both MIN and MAX %2</source>
        <comment>Error code is &quot;DELMINMAX&quot;</comment>
        <translation>%1DELTA ne peut pas etre utilise avec MIN et MAX %2</translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is &quot;DIVBYZERO&quot;</comment>
        <translation>%1Division par zero</translation>
    </message>
    <message>
        <source>%1The environment %2 already exists</source>
        <comment>Error code is &quot;DUPENVNAM&quot;</comment>
        <translation>%1L'environnement %2 existe deja</translation>
    </message>
    <message>
        <source>%1Constant value %2 already defined</source>
        <comment>Error code is &quot;DUPLCONST&quot;</comment>
        <translation>%1Valeur de constante %2 deja definie</translation>
    </message>
    <message>
        <source>%1The field %2 already exists</source>
        <comment>Error code is &quot;DUPNOMCHP&quot;</comment>
        <translation>%1Le champ %2 existe deja</translation>
    </message>
    <message>
        <source>%1The structure %2 already exists</source>
        <comment>Error code is &quot;DUPSTRNAM&quot;</comment>
        <translation>%1La structure %2 existe deja</translation>
    </message>
    <message>
        <source>%1Missing '=' for %2</source>
        <comment>Error code is &quot;EGALABSEN&quot;</comment>
        <translation>%1'=' absent pour %2</translation>
    </message>
    <message>
        <source>%1Bad element in list %2</source>
        <comment>Error code is &quot;ELEMLISTE&quot;</comment>
        <translation>%1Element de liste incorrect %2</translation>
    </message>
    <message>
        <source>%1End of occurrence expected %2</source>
        <comment>Error code is &quot;ENDOCCURE&quot;</comment>
        <translation>%1Fin d'occurrence attendue %2</translation>
    </message>
    <message>
        <source>%1HEADER keyword must be the first one %2</source>
        <comment>Error code is &quot;ENTETEERR&quot;</comment>
        <translation>%1Le mot cle ENTETE doit etre le premier %2</translation>
    </message>
    <message>
        <source>%1Missing enumeration type %2</source>
        <comment>Error code is &quot;ENUTYPABS&quot;</comment>
        <translation>%1Type enumere absent %2</translation>
    </message>
    <message>
        <source>%1Environment %2 not allowed in a service</source>
        <comment>Error code is &quot;ENVDANSOP&quot;</comment>
        <translation>%1Environnement %2 interdit dans un service</translation>
    </message>
    <message>
        <source>%1Bad parameter list for environment %2</source>
        <comment>Error code is &quot;ENVPARAME&quot;</comment>
        <translation>%1Liste de parametres incorrecte pour l'environnement %2</translation>
    </message>
    <message>
        <source>%1Wrong environment parameters %2</source>
        <comment>Error code is &quot;ENVPARERR&quot;</comment>
        <translation>%1Parametres d'environnement errones %2</translation>
    </message>
    <message>
        <source>%1Unknown environment %2</source>
        <comment>Error code is &quot;ENV_INCON&quot;</comment>
        <translation>%1Environnement inconnu %2</translation>
    </message>
    <message>
        <source>%1Lexical error %2</source>
        <comment>Error code is &quot;ERRLEXCAL&quot;</comment>
        <translation>%1Erreur lexicale %2</translation>
    </message>
    <message>
        <source>%1Unbalanced parentheses %2</source>
        <comment>Error code is &quot;ERRPARENT&quot;</comment>
        <translation>%1Parentheses mal equilibrees %2</translation>
    </message>
    <message>
        <source>%1Type not allowed for the 80186 target %2</source>
        <comment>Error code is &quot;ERRTYP186&quot;</comment>
        <translation>%1Type interdit pour la cible 80186 %2</translation>
    </message>
    <message>
        <source>%1The file %2 cannot be found</source>
        <comment>Error code is &quot;FICINCINC&quot;</comment>
        <translation>%1Le fichier %2 est introuvable</translation>
    </message>
    <message>
        <source>%1Incompatible format %2</source>
        <comment>Error code is &quot;FMTINCOMP&quot;</comment>
        <translation>%1Format incompatible %2</translation>
    </message>
    <message>
        <source>%1Constant value %2 declared after the SERVICE keyword</source>
        <comment>Error code is &quot;FORWCONST&quot;</comment>
        <translation>%1Valeur de constante %2 declaree apres le mot cle SERVICE</translation>
    </message>
    <message>
        <source>%1Constant value expected in INIT FROM %2</source>
        <comment>Error code is &quot;FOR_CONST&quot;</comment>
        <translation>%1Valeur constante attendue dans INIT DE %2</translation>
    </message>
    <message>
        <source>%1Expression ignored %2</source>
        <comment>Error code is &quot;IGNEXPRES&quot;</comment>
        <translation>%1Expression ignoree %2</translation>
    </message>
    <message>
        <source>%1Bad increment %2</source>
        <comment>Error code is &quot;INCREMENT&quot;</comment>
        <translation>%1Pas d'increment incorrect %2</translation>
    </message>
    <message>
        <source>%1Init value missing for %2</source>
        <comment>Error code is &quot;INITABSEN&quot;</comment>
        <translation>%1Valeur d'initialisation absente pour %2</translation>
    </message>
    <message>
        <source>%1Incomplete aggregate initialization %2</source>
        <comment>Error code is &quot;INITAGREG&quot;</comment>
        <translation>%1Initialisation d'agregat incomplete %2</translation>
    </message>
    <message>
        <source>%1Too many values in the aggregate initialization %2</source>
        <comment>Error code is &quot;AGREGTROP&quot;</comment>
        <translation>%1Trop de valeurs dans l'initialisation d'agregat %2</translation>
    </message>
    <message>
        <source>%1INIT IN not allowed in assembler %2</source>
        <comment>Error code is &quot;INITINASM&quot;</comment>
        <translation>%1INIT DANS interdit en assembleur %2</translation>
    </message>
    <message>
        <source>%1Integer greater than or equal to 1 expected %2</source>
        <comment>Error code is &quot;INTEGALUN&quot;</comment>
        <translation>%1Entier superieur ou egal a 1 attendu %2</translation>
    </message>
    <message>
        <source>%1Integer greater than 1 expected %2</source>
        <comment>Error code is &quot;INTSUPEUN&quot;</comment>
        <translation>%1Entier superieur a 1 attendu %2</translation>
    </message>
    <message>
        <source>%1Unknown keyword %2</source>
        <comment>Error code is &quot;INVMOTCLE&quot;</comment>
        <translation>%1Mot cle inconnu %2</translation>
    </message>
    <message>
        <source>%1Too long instruction %2</source>
        <comment>Error code is &quot;LINETOLON&quot;</comment>
        <translation>%1Instruction trop longue %2</translation>
    </message>
    <message>
        <source>%1Bad init value list %2</source>
        <comment>Error code is &quot;LISTEINIT&quot;</comment>
        <translation>%1Liste de valeurs d'initialisation incorrecte %2</translation>
    </message>
    <message>
        <source>%1Bad EV IN value list %2</source>
        <comment>Error code is &quot;LISTEVAIN&quot;</comment>
        <translation>%1Liste de valeurs VA DANS incorrecte %2</translation>
    </message>
    <message>
        <source>%1MIN, MAX or DELTA unexpected for %2</source>
        <comment>Error code is &quot;MINMAXDEL&quot;</comment>
        <translation>%1MIN, MAX ou DELTA inattendu pour %2</translation>
    </message>
    <message>
        <source>%1Missing keyword %2</source>
        <comment>Error code is &quot;MOTCLEABS&quot;</comment>
        <translation>%1Mot cle absent %2</translation>
    </message>
    <message>
        <source>%1%2 keyword appears many times</source>
        <comment>Error code is &quot;MOTCLEREP&quot;</comment>
        <translation>%1Le mot cle %2 apparait plusieurs fois</translation>
    </message>
    <message>
        <source>%1Number of INIT IN and INIT FROM too big in the current test %2</source>
        <comment>Error code is &quot;NBINITDYN&quot;</comment>
        <translation>%1Trop d'INIT DANS et d'INIT DE dans le test courant %2</translation>
    </message>
    <message>
        <source>%1Number of parameters different from environment %2</source>
        <comment>Error code is &quot;NBPARADIF&quot;</comment>
        <translation>%1Nombre de parametres different de celui de l'environnement %2</translation>
    </message>
    <message>
        <source>%1Too many EV IN in the current test %2</source>
        <comment>Error code is &quot;NBVAINOVE&quot;</comment>
        <translation>%1Trop de VA DANS dans le test courant %2</translation>
    </message>
    <message>
        <source>%1Too many values in list %2</source>
        <comment>Error code is &quot;NBVALLIST&quot;</comment>
        <translation>%1Trop de valeurs dans la liste %2</translation>
    </message>
    <message>
        <source>%1Missing database name %2</source>
        <comment>Error code is &quot;NOMBASABS&quot;</comment>
        <translation>%1Nom de base de donnees absent %2</translation>
    </message>
    <message>
        <source>%1Bad parameter name %2</source>
        <comment>Error code is &quot;NOMPARINC&quot;</comment>
        <translation>%1Nom de parametre incorrect %2</translation>
    </message>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is &quot;NOMVARINC&quot;</comment>
        <translation>%1Nom de variable incorrect %2</translation>
    </message>
    <message>
        <source>%1Not supported in Ada %2</source>
        <comment>Error code is &quot;NOTADASUPPOR&quot;</comment>
        <translation>%1Non supporte en Ada %2</translation>
    </message>
    <message>
        <source>%1Not supported %2</source>
        <comment>Error code is &quot;NOTSUPPORTED&quot;</comment>
        <translation>%1Non supporte %2</translation>
    </message>
    <message>
        <source>%1Database statement %2 allowed only with the DBMS option</source>
        <comment>Error code is &quot;OPSGBDIMP&quot;</comment>
        <translation>%1Instruction de base de donnees %2 autorisee uniquement avec l'option SGBD</translation>
    </message>
    <message>
        <source>%1Integer operation overflow %2</source>
        <comment>Error code is &quot;OVERFLOW&quot;</comment>
        <translation>%1Depassement de capacite dans une operation entiere %2</translation>
    </message>
    <message>
        <source>%1The parameter %2 is not an identificator</source>
        <comment>Error code is &quot;PARAMENVI&quot;</comment>
        <translation>%1Le parametre %2 n'est pas un identificateur</translation>
    </message>
    <message>
        <source>%1+BOUNDS expected at the end of INIT FROM </source>
        <comment>Error code is &quot;PLUSBOUND&quot;</comment>
        <translation>%1+BORNES attendu a la fin de INIT DE </translation>
    </message>
    <message>
        <source>%1An %2 IN pointer cannot be initialized with NONIL </source>
        <comment>Error code is &quot;POINTINIT&quot;</comment>
        <translation>%1Un pointeur %2 DANS ne peut pas etre initialise avec NONIL </translation>
    </message>
    <message>
        <source>%1No test generated for the script %2</source>
        <comment>Error code is &quot;PROGXVIDE&quot;</comment>
        <translation>%1Aucun test genere pour le script %2</translation>
    </message>
    <message>
        <source>%1No service in the script %2</source>
        <comment>Error code is &quot;PROG_VIDE&quot;</comment>
        <translation>%1Aucun service dans le script %2</translation>
    </message>
    <message>
        <source>%1Unknown 80186 register %2</source>
        <comment>Error code is &quot;REGINC186&quot;</comment>
        <translation>%1Registre 80186 inconnu %2</translation>
    </message>
    <message>
        <source>%1Syntax error in SEGMENT block %2</source>
        <comment>Error code is &quot;SEGSTXERR&quot;</comment>
        <translation>%1Erreur de syntaxe dans le bloc SEGMENT %2</translation>
    </message>
    <message>
        <source>%1Unknown segment parameter %2</source>
        <comment>Error code is &quot;SGTPARINC&quot;</comment>
        <translation>%1Parametre de segment inconnu %2</translation>
    </message>
    <message>
        <source>%1STEP, NB_TIMES or NB_RANDOM expected after INIT FROM .. TO</source>
        <comment>Error code is &quot;STIMDOMAT&quot;</comment>
        <translation>%1PAS, NB_VALEURS ou NB_HASARD attendu apres INIT DE .. A</translation>
    </message>
    <message>
        <source>%1Recursive structure %2</source>
        <comment>Error code is &quot;STRRECURS&quot;</comment>
        <translation>%1Structure recursive %2</translation>
    </message>
    <message>
        <source>%1Syntax error in modifier %2</source>
        <comment>Error code is &quot;STXERRMOD&quot;</comment>
        <translation>%1Erreur de syntaxe dans le modificateur %2</translation>
    </message>
    <message>
        <source>%1Type not found %2</source>
        <comment>Error code is &quot;STXERRTYP&quot;</comment>
        <translation>%1Type introuvable %2</translation>
    </message>
    <message>
        <source>%1%2 keyword parameter not found</source>
        <comment>Error code is &quot;STXVALEXP&quot;</comment>
        <translation>%1Parametre du mot cle %2 introuvable</translation>
    </message>
    <message>
        <source>%1Expected result not found %2</source>
        <comment>Error code is &quot;STX_ERRRA&quot;</comment>
        <translation>%1Resultat attendu introuvable %2</translation>
    </message>
    <message>
        <source>%1%2 expected</source>
        <comment>Error code is &quot;SYNTAXERO&quot;</comment>
        <translation>%1%2 attendu</translation>
    </message>
    <message>
        <source>%1Unknown table %2</source>
        <comment>Error code is &quot;TABLEINCO&quot;</comment>
        <translation>%1Table inconnue %2</translation>
    </message>
    <message>
        <source>%1Size mismatch %2</source>
        <comment>Error code is &quot;TAILLEDIV&quot;</comment>
        <translation>%1Tailles differentes %2</translation>
    </message>
    <message>
        <source>%1Wrong size %2</source>
        <comment>Error code is &quot;TAILLEERR&quot;</comment>
        <translation>%1Taille erronee %2</translation>
    </message>
    <message>
        <source>%1TO expected behind INIT FROM</source>
        <comment>Error code is &quot;TOATTENDU&quot;</comment>
        <translation>%1A attendu apres INIT DE</translation>
    </message>
    <message>
        <source>%1The keyword ELSE doesn't match with a keyword IF</source>
        <comment>Error code is &quot;TROPSINON&quot;</comment>
        <translation>%1Le mot cle SINON ne correspond a aucun mot cle SI</translation>
    </message>
    <message>
        <source>%1LOOP index must be integer %2</source>
        <comment>Error code is &quot;TYPBOUCLE&quot;</comment>
        <translation>%1L'indice de BOUCLE doit etre entier %2</translation>
    </message>
    <message>
        <source>%1Bad boundary type %2</source>
        <comment>Error code is &quot;TYPEBORNE&quot;</comment>
        <translation>%1Type de borne incorrect %2</translation>
    </message>
    <message>
        <source>%1With such an initialization, %2 must be real or integer</source>
        <comment>Error code is &quot;TYPEIFROM&quot;</comment>
        <translation>%1Avec une telle initialisation, %2 doit etre reel ou entier</translation>
    </message>
    <message>
        <source>%1Unknown type %2</source>
        <comment>Error code is &quot;TYPEINCON&quot;</comment>
        <translation>%1Type inconnu %2</translation>
    </message>
    <message>
        <source>%1Types mismatch %2</source>
        <comment>Error code is &quot;TYPESMISM&quot;</comment>
        <translation>%1Types incompatibles %2</translation>
    </message>
    <message>
        <source>%1The runtime cannot initialise or check a value of type %2 (128-bit integer, extended real, complex or vector)</source>
        <comment>Error code is &quot;TYPNONGER&quot;</comment>
        <translation>%1Le support d'exécution ne sait ni initialiser ni vérifier une valeur de type %2 (entier de 128 bits, réel étendu, complexe ou vecteur)</translation>
    </message>
    <message>
        <source>%1Wrong place for USE %2</source>
        <comment>Error code is &quot;UTILISERR&quot;</comment>
        <translation>%1UTILISE mal place %2</translation>
    </message>
    <message>
        <source>%1Bad argument list for USE %2</source>
        <comment>Error code is &quot;UTIPARAME&quot;</comment>
        <translation>%1Liste d'arguments incorrecte pour UTILISE %2</translation>
    </message>
    <message>
        <source>%1Number of EV IN values different from INIT IN %2</source>
        <comment>Error code is &quot;VAINIT_IN&quot;</comment>
        <translation>%1Nombre de valeurs de VA DANS different de INIT DANS %2</translation>
    </message>
    <message>
        <source>%1EV IN not allowed in assembler %2</source>
        <comment>Error code is &quot;VAINNOASM&quot;</comment>
        <translation>%1VA DANS interdit en assembleur %2</translation>
    </message>
    <message>
        <source>%1Cannot convert to an absolute value %2</source>
        <comment>Error code is &quot;VALABSIMP&quot;</comment>
        <translation>%1Impossible de convertir en valeur absolue %2</translation>
    </message>
    <message>
        <source>%1LOOP count must be at least 1 %2</source>
        <comment>Error code is &quot;VALBOUCER&quot;</comment>
        <translation>%1Le nombre de BOUCLE doit etre au moins 1 %2</translation>
    </message>
    <message>
        <source>%1The number of random values is omitted after NB_RANDOM%2</source>
        <comment>Error code is &quot;VALHASARD&quot;</comment>
        <translation>%1Le nombre de valeurs aleatoires est omis apres NB_HASARD%2</translation>
    </message>
    <message>
        <source>%1Bad value %2</source>
        <comment>Error code is &quot;VALUEINCO&quot;</comment>
        <translation>%1Valeur incorrecte %2</translation>
    </message>
    <message>
        <source>%1No EV keyword nor MAX keyword for %2</source>
        <comment>Error code is &quot;VAMAXABSE&quot;</comment>
        <translation>%1Ni mot cle VA ni mot cle MAX pour %2</translation>
    </message>
    <message>
        <source>%1No EV, MIN, nor MAX keywords for %2</source>
        <comment>Error code is &quot;VAMIMAABS&quot;</comment>
        <translation>%1Aucun des mots cles VA, MIN ou MAX pour %2</translation>
    </message>
    <message>
        <source>%1No EV keyword nor MIN keyword for %2</source>
        <comment>Error code is &quot;VAMINABSE&quot;</comment>
        <translation>%1Ni mot cle VA ni mot cle MIN pour %2</translation>
    </message>
    <message>
        <source>%1Unknown link variable %2</source>
        <comment>Error code is &quot;VARLIEINC&quot;</comment>
        <translation>%1Variable liee inconnue %2</translation>
    </message>
    <message>
        <source>%1Number of values different from the one of the link variable %2</source>
        <comment>Error code is &quot;VARLIENNB&quot;</comment>
        <translation>%1Nombre de valeurs different de celui de la variable liee %2</translation>
    </message>
    <message>
        <source>%1variable name missing</source>
        <comment>Error code is &quot;VARNAMMSG&quot;</comment>
        <translation>%1nom de variable absent</translation>
    </message>
    <message>
        <source>%1EV, MIN and MAX keywords already used for the same variable %2</source>
        <comment>Error code is &quot;VA_MINMAX&quot;</comment>
        <translation>%1Mots cles VA, MIN et MAX deja utilises pour la meme variable %2</translation>
    </message>
    <message>
        <source>%1Control character in the name %2</source>
        <comment>Error code is &quot;CARCTLNOM&quot;</comment>
        <translation>%1Caractère de contrôle dans le nom %2</translation>
    </message>
    <message>
        <source>%1Character string refused: %2</source>
        <comment>Error code is &quot;CHAINEINV&quot;</comment>
        <translation>%1Chaine de caracteres refusee : %2</translation>
    </message>
</context>
<context>
    <name>Warnings (bibli)</name>
    <message>
        <source>%1Bit field %2 ignored</source>
        <comment>Error code is &quot;BITIGNORE&quot;</comment>
        <translation>%1Champ de bits %2 ignore</translation>
    </message>
    <message>
        <source>%1Empty ENVIRONMENT block %2</source>
        <comment>Error code is &quot;BLENVVIDE&quot;</comment>
        <translation>%1Bloc ENVIRONNEMENT vide %2</translation>
    </message>
    <message>
        <source>%1Missing block %2</source>
        <comment>Error code is &quot;BLOC_ABST&quot;</comment>
        <translation>%1Bloc absent %2</translation>
    </message>
    <message>
        <source>%1Empty STRUCTURE block %2</source>
        <comment>Error code is &quot;BLSTRVIDE&quot;</comment>
        <translation>%1Bloc STRUCTURE vide %2</translation>
    </message>
    <message>
        <source>%1Field %2 belongs to a union</source>
        <comment>Error code is &quot;CHAMUNION&quot;</comment>
        <translation>%1Le champ %2 appartient a une union</translation>
    </message>
    <message>
        <source>%1Comparison of structure %2 is incomplete</source>
        <comment>Error code is &quot;CMPSTRINCSTU&quot;</comment>
        <translation>%1La comparaison de la structure %2 est incomplete</translation>
    </message>
    <message>
        <source>%1Comparison of array %2 is incomplete</source>
        <comment>Error code is &quot;CMPSTRINCTAB&quot;</comment>
        <translation>%1La comparaison du tableau %2 est incomplete</translation>
    </message>
    <message>
        <source>%1Database connection impossible %2</source>
        <comment>Error code is &quot;CONNEXIMP&quot;</comment>
        <translation>%1Connexion a la base de donnees impossible %2</translation>
    </message>
    <message>
        <source>%1Constant %2 cannot be initialized</source>
        <comment>Error code is &quot;CONSTINIT&quot;</comment>
        <translation>%1La constante %2 ne peut pas etre initialisee</translation>
    </message>
    <message>
        <source>%1Type conversion of %2</source>
        <comment>Error code is &quot;CONVERTYP&quot;</comment>
        <translation>%1Conversion de type de %2</translation>
    </message>
    <message>
        <source>%1Constant too long %2</source>
        <comment>Error code is &quot;CSTTOLONG&quot;</comment>
        <translation>%1Constante trop longue %2</translation>
    </message>
    <message>
        <source>%1Exception %2 defined twice</source>
        <comment>Error code is &quot;DBL_EXCEP&quot;</comment>
        <translation>%1Exception %2 definie deux fois</translation>
    </message>
    <message>
        <source>%1ELEMENT block %2 without any variables to edit</source>
        <comment>Error code is &quot;ELMT_VIDE&quot;</comment>
        <translation>%1Bloc ELEMENT %2 sans aucune variable a editer</translation>
    </message>
    <message>
        <source>%1Bad RIONAME option %2</source>
        <comment>Error code is &quot;ERRROOOPT&quot;</comment>
        <translation>%1Option NOMRIO incorrecte %2</translation>
    </message>
    <message>
        <source>%1Wrong array size %2</source>
        <comment>Error code is &quot;ERTAILTAB&quot;</comment>
        <translation>%1Taille de tableau erronee %2</translation>
    </message>
    <message>
        <source>%1Family %2 does not exist</source>
        <comment>Error code is &quot;FAMI_INEX&quot;</comment>
        <translation>%1La famille %2 n'existe pas</translation>
    </message>
    <message>
        <source>%1File %2 already in the including files list</source>
        <comment>Error code is &quot;FICDEJAPR&quot;</comment>
        <translation>%1Fichier %2 deja present dans la liste des fichiers inclus</translation>
    </message>
    <message>
        <source>%1File %2 not analysed</source>
        <comment>Error code is &quot;FILNOTANA&quot;</comment>
        <translation>%1Fichier %2 non analyse</translation>
    </message>
    <message>
        <source>%1Version field expected after HEADER keyword %2</source>
        <comment>Error code is &quot;FORMENTET&quot;</comment>
        <translation>%1Champ de version attendu apres le mot cle ENTETE %2</translation>
    </message>
    <message>
        <source>%1Format of %2 redefined</source>
        <comment>Error code is &quot;FORMREDEF&quot;</comment>
        <translation>%1Format de %2 redefini</translation>
    </message>
    <message>
        <source>%1Unknown identifier %2</source>
        <comment>Error code is &quot;IDENTINCO&quot;</comment>
        <translation>%1Identificateur inconnu %2</translation>
    </message>
    <message>
        <source>%1Inconsistent line in RIO file %2</source>
        <comment>Error code is &quot;INCLIGRIO&quot;</comment>
        <translation>%1Ligne incoherente dans le fichier RIO %2</translation>
    </message>
    <message>
        <source>%1Inconsistent line in TDC file %2</source>
        <comment>Error code is &quot;INCLIGTDC&quot;</comment>
        <translation>%1Ligne incoherente dans le fichier TDC %2</translation>
    </message>
    <message>
        <source>%1Unknown include %2</source>
        <comment>Error code is &quot;INCLINCON&quot;</comment>
        <translation>%1Inclusion inconnue %2</translation>
    </message>
    <message>
        <source>%1%2 is not a directory </source>
        <comment>Error code is &quot;INCLTYPER&quot;</comment>
        <translation>%1%2 n'est pas un repertoire </translation>
    </message>
    <message>
        <source>%1Invalid INCLUDE %2</source>
        <comment>Error code is &quot;INCL_INVA&quot;</comment>
        <translation>%1INCLURE invalide %2</translation>
    </message>
    <message>
        <source>%1Segment %2 included twice</source>
        <comment>Error code is &quot;INCSEGDBL&quot;</comment>
        <translation>%1Segment %2 inclus deux fois</translation>
    </message>
    <message>
        <source>%1INCLUDE keyword with empty name in file: %2</source>
        <comment>Error code is &quot;INC_NVIDE&quot;</comment>
        <translation>%1Mot cle INCLURE avec un nom vide dans le fichier : %2</translation>
    </message>
    <message>
        <source>%1Incorrect loop index: %2</source>
        <comment>Error code is &quot;INDBOUINC&quot;</comment>
        <translation>%1Indice de boucle incorrect : %2</translation>
    </message>
    <message>
        <source>%1Array indexes differ %2</source>
        <comment>Error code is &quot;INDTABDIF&quot;</comment>
        <translation>%1Indices de tableau differents %2</translation>
    </message>
    <message>
        <source>%1INIT and EV values must be omitted together %2</source>
        <comment>Error code is &quot;INVAOMISE&quot;</comment>
        <translation>%1Les valeurs INIT et VA doivent etre omises ensemble %2</translation>
    </message>
    <message>
        <source>%1Page orientation %2 ignored</source>
        <comment>Error code is &quot;LANDPORT&quot;</comment>
        <translation>%1Orientation de page %2 ignoree</translation>
    </message>
    <message>
        <source>%1Undefined language %2</source>
        <comment>Error code is &quot;LANGANDEF&quot;</comment>
        <translation>%1Langage non defini %2</translation>
    </message>
    <message>
        <source>%1Incorrect language attribute %2</source>
        <comment>Error code is &quot;LANGATINC&quot;</comment>
        <translation>%1Attribut de langage incorrect %2</translation>
    </message>
    <message>
        <source>%1Incorrect value for VEXORLAN environment variable: '%2' (FR or FA for French keywords, GB for English ones; unset, the keywords of the script decide)</source>
        <comment>Error code is &quot;LANSWITCH&quot;</comment>
        <translation>%1Valeur incorrecte pour la variable d'environnement VEXORLAN : '%2' (FR ou FA pour les mots-cles francais, GB pour les anglais ; sans elle, les mots-cles du script decident)</translation>
    </message>
    <message>
        <source>%1Incorrect constant line %2</source>
        <comment>Error code is &quot;LIGCSTINC&quot;</comment>
        <translation>%1Ligne de constante incorrecte %2</translation>
    </message>
    <message>
        <source>%1Include line not processed: %2</source>
        <comment>Error code is &quot;LIGNTRAIT&quot;</comment>
        <translation>%1Ligne d'inclusion non traitee : %2</translation>
    </message>
    <message>
        <source>%1Inconsistent parameter list for stub %2</source>
        <comment>Error code is &quot;LISPARINC&quot;</comment>
        <translation>%1Liste de parametres incoherente pour le muet %2</translation>
    </message>
    <message>
        <source>%1Invalid value list %2</source>
        <comment>Error code is &quot;LISTEINVA&quot;</comment>
        <translation>%1Liste de valeurs invalide %2</translation>
    </message>
    <message>
        <source>%1Wrong place for the %2 keyword, ignored</source>
        <comment>Error code is &quot;MAL_PLACE&quot;</comment>
        <translation>%1Mot cle %2 mal place, ignore</translation>
    </message>
    <message>
        <source>%1MIN value greater than MAX value %2</source>
        <comment>Error code is &quot;MINMAXVAL&quot;</comment>
        <translation>%1Valeur MIN superieure a la valeur MAX %2</translation>
    </message>
    <message>
        <source>%1Version mismatch between HEADER and STRVER: %2</source>
        <comment>Error code is &quot;MISMNUVER&quot;</comment>
        <translation>%1Versions differentes entre ENTETE et STRVER : %2</translation>
    </message>
    <message>
        <source>%1%2 keyword only accepted with the ANALYSE option.</source>
        <comment>Error code is &quot;MOTCLEANA&quot;</comment>
        <translation>%1Mot cle %2 accepte uniquement avec l'option ANALYSE.</translation>
    </message>
    <message>
        <source>%1Obsolete keyword %2</source>
        <comment>Error code is &quot;MOTCLEOBS&quot;</comment>
        <translation>%1Mot cle obsolete %2</translation>
    </message>
    <message>
        <source>%1%2 keyword used more than once</source>
        <comment>Error code is &quot;MOTDOUBLE&quot;</comment>
        <translation>%1Mot cle %2 utilise plusieurs fois</translation>
    </message>
    <message>
        <source>%1stub bloc defined in service bloc</source>
        <comment>Error code is &quot;MUETSERVI&quot;</comment>
        <translation>%1bloc muet defini dans un bloc service</translation>
    </message>
    <message>
        <source>%1Stub %2 not defined</source>
        <comment>Error code is &quot;MUETUNDEF&quot;</comment>
        <translation>%1Muet %2 non defini</translation>
    </message>
    <message>
        <source>%1Wrong number of calls for stub %2</source>
        <comment>Error code is &quot;NBAPPMUET&quot;</comment>
        <translation>%1Nombre d'appels incorrect pour le muet %2</translation>
    </message>
    <message>
        <source>%1Wrong number of values for stub %2</source>
        <comment>Error code is &quot;NBVALMUET&quot;</comment>
        <translation>%1Nombre de valeurs incorrect pour le muet %2</translation>
    </message>
    <message>
        <source>%1%2 logical name not defined</source>
        <comment>Error code is &quot;NOLOGIDEF&quot;</comment>
        <translation>%1Nom logique %2 non defini</translation>
    </message>
    <message>
        <source>%1Empty family name %2</source>
        <comment>Error code is &quot;NOMFAMVID&quot;</comment>
        <translation>%1Nom de famille vide %2</translation>
    </message>
    <message>
        <source>%1Service %2 already exists</source>
        <comment>Error code is &quot;NOMOPEDBL&quot;</comment>
        <translation>%1Le service %2 existe deja</translation>
    </message>
    <message>
        <source>%1Test %2 already exists in the service</source>
        <comment>Error code is &quot;NOMTSTDBL&quot;</comment>
        <translation>%1Le test %2 existe deja dans le service</translation>
    </message>
    <message>
        <source>%1Variable %2 overloads other variables in the same test</source>
        <comment>Error code is &quot;NOMVARDBL&quot;</comment>
        <translation>%1La variable %2 surcharge d'autres variables du meme test</translation>
    </message>
    <message>
        <source>%1Not allowed %2</source>
        <comment>Error code is &quot;NONAUTORI&quot;</comment>
        <translation>%1Non autorise %2</translation>
    </message>
    <message>
        <source>%1Sub-system mode not active %2</source>
        <comment>Error code is &quot;NOSSYSTEM&quot;</comment>
        <translation>%1Mode sous-systeme inactif %2</translation>
    </message>
    <message>
        <source>%1Missing version number %2</source>
        <comment>Error code is &quot;NUMVERABS&quot;</comment>
        <translation>%1Numero de version absent %2</translation>
    </message>
    <message>
        <source>%1Version number already found: %2</source>
        <comment>Error code is &quot;NUVER_DBL&quot;</comment>
        <translation>%1Numero de version deja trouve : %2</translation>
    </message>
    <message>
        <source>%1The option CLASS is allowed only with C++ language %2</source>
        <comment>Error code is &quot;OPCLASSIMP&quot;</comment>
        <translation>%1L'option CLASSE n'est autorisee qu'avec le langage C++ %2</translation>
    </message>
    <message>
        <source>%1Service %2 does not exist</source>
        <comment>Error code is &quot;OPER_INEX&quot;</comment>
        <translation>%1Le service %2 n'existe pas</translation>
    </message>
    <message>
        <source>%1No test in the service %2</source>
        <comment>Error code is &quot;OPER_VIDE&quot;</comment>
        <translation>%1Aucun test dans le service %2</translation>
    </message>
    <message>
        <source>%1The options %2 are incompatible.</source>
        <comment>Error code is &quot;OPINCOMPA&quot;</comment>
        <translation>%1Les options %2 sont incompatibles.</translation>
    </message>
    <message>
        <source>%1The option DBMS is allowed only with CSQL language %2</source>
        <comment>Error code is &quot;OPSGBDINP&quot;</comment>
        <translation>%1L'option SGBD n'est autorisee qu'avec le langage CSQL %2</translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option and C language</source>
        <comment>Error code is &quot;OPTCETANA&quot;</comment>
        <translation>%1L'option %2 n'est autorisee qu'avec l'option ANALYSE et le langage C</translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option and C or C++ language</source>
        <comment>Error code is &quot;OPTCETCPP&quot;</comment>
        <translation>%1L'option %2 n'est autorisee qu'avec l'option ANALYSE et le langage C ou C++</translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option.</source>
        <comment>Error code is &quot;OPTIONANA&quot;</comment>
        <translation>%1L'option %2 n'est autorisee qu'avec l'option ANALYSE.</translation>
    </message>
    <message>
        <source>%1The option %2 is obsolete : ignored</source>
        <comment>Error code is &quot;OPTOBSOLET&quot;</comment>
        <translation>%1L'option %2 est obsolete : ignoree</translation>
    </message>
    <message>
        <source>%1Stub parameter %2 inconsistent with its declaration</source>
        <comment>Error code is &quot;PARINCDEC&quot;</comment>
        <translation>%1Parametre de muet %2 incoherent avec sa declaration</translation>
    </message>
    <message>
        <source>%1NONIL cannot initialize the pointer %2</source>
        <comment>Error code is &quot;POINOINIT&quot;</comment>
        <translation>%1NONIL ne peut pas initialiser le pointeur %2</translation>
    </message>
    <message>
        <source>%1Suspicious syntax in SEGMENT block %2</source>
        <comment>Error code is &quot;SEGSTXWAR&quot;</comment>
        <translation>%1Syntaxe douteuse dans le bloc SEGMENT %2</translation>
    </message>
    <message>
        <source>%1Signal %2 received</source>
        <comment>Error code is &quot;SIGNALPRO&quot;</comment>
        <translation>%1Signal %2 recu</translation>
    </message>
    <message>
        <source>%1Structure name %2 ignored</source>
        <comment>Error code is &quot;STRUCTNOM&quot;</comment>
        <translation>%1Nom de structure %2 ignore</translation>
    </message>
    <message>
        <source>%1Unknown keyword: %2</source>
        <comment>Error code is &quot;STXMETAIN&quot;</comment>
        <translation>%1Mot cle inconnu : %2</translation>
    </message>
    <message>
        <source>%1Test %2 contains errors</source>
        <comment>Error code is &quot;TEST_ERRO&quot;</comment>
        <translation>%1Le test %2 contient des erreurs</translation>
    </message>
    <message>
        <source>%1Test %2 does not exist</source>
        <comment>Error code is &quot;TEST_INEX&quot;</comment>
        <translation>%1Le test %2 n'existe pas</translation>
    </message>
    <message>
        <source>%1No variables in the test %2</source>
        <comment>Error code is &quot;TEST_VIDE&quot;</comment>
        <translation>%1Aucune variable dans le test %2</translation>
    </message>
    <message>
        <source>%1The keyword END IF doesn't match with a keyword IF</source>
        <comment>Error code is &quot;TROPFINSI&quot;</comment>
        <translation>%1Le mot cle FINSI ne correspond a aucun mot cle SI</translation>
    </message>
    <message>
        <source>%1INIT, EV, MIN or MAX value type doesn't match the type of the tested variable %2</source>
        <comment>Error code is &quot;TYPEINCOM&quot;</comment>
        <translation>%1Le type de la valeur INIT, VA, MIN ou MAX ne correspond pas au type de la variable testee %2</translation>
    </message>
    <message>
        <source>%1type of variable %2 doens't match the original type</source>
        <comment>Error code is &quot;TYPENATIF&quot;</comment>
        <translation>%1le type de la variable %2 ne correspond pas au type d'origine</translation>
    </message>
    <message>
        <source>%1INIT value used as EV value %2</source>
        <comment>Error code is &quot;VALINITVA&quot;</comment>
        <translation>%1Valeur INIT utilisee comme valeur VA %2</translation>
    </message>
    <message>
        <source>%1Value omitted for stub %2</source>
        <comment>Error code is &quot;VALOMIMUE&quot;</comment>
        <translation>%1Valeur omise pour le muet %2</translation>
    </message>
    <message>
        <source>%1Value omitted for parameter %2</source>
        <comment>Error code is &quot;VALOMIPAR&quot;</comment>
        <translation>%1Valeur omise pour le parametre %2</translation>
    </message>
    <message>
        <source>%1Bad return value for stub %2</source>
        <comment>Error code is &quot;VALRETMUE&quot;</comment>
        <translation>%1Valeur de retour incorrecte pour le muet %2</translation>
    </message>
    <message>
        <source>%1Return value given for stub %2, whose function returns nothing</source>
        <comment>Error code is &quot;VALRETVOI&quot;</comment>
        <translation>%1Valeur de retour donnée pour le muet %2, dont la fonction ne retourne rien</translation>
    </message>
    <message>
        <source>%1Variable %2 not tested</source>
        <comment>Error code is &quot;VARNOTEST&quot;</comment>
        <translation>%1Variable %2 non testee</translation>
    </message>
    <message>
        <source>%1IF not closed at the end of the script %2</source>
        <comment>Error code is &quot;SINONFERM&quot;</comment>
        <translation>%1IF non fermé à la fin du script %2</translation>
    </message>
    <message>
        <source>%1%2 is initialised and checked after the last code line of its element: its check sees only its own initial value</source>
        <comment>Error code is &quot;INITAPRES&quot;</comment>
        <translation>%1%2 est initialisee et verifiee apres la derniere ligne de code de son element : sa verification ne voit que sa propre valeur initiale</translation>
    </message>
</context>
<context>
    <name>Informations (bibli)</name>
    <message>
        <source>%1Start of included version %2</source>
        <comment>Error code is &quot;DEBINCVER&quot;</comment>
        <translation>%1Debut de la version incluse %2</translation>
    </message>
    <message>
        <source>%1Wrong expression: %2</source>
        <comment>Error code is &quot;EXPERRONE&quot;</comment>
        <translation>%1Expression fausse : %2</translation>
    </message>
    <message>
        <source>%1completed %2</source>
        <comment>Error code is &quot;FINEXECUT&quot;</comment>
        <translation>%1termine %2</translation>
    </message>
    <message>
        <source>%1End of included version %2</source>
        <comment>Error code is &quot;FININCVER&quot;</comment>
        <translation>%1Fin de la version incluse %2</translation>
    </message>
    <message>
        <source>%1The statement on %2 replaces that of its environment, whose INIT it does not give again: the element does not initialise it</source>
        <comment>Error code is &quot;INITENVRE&quot;</comment>
        <translation>%1L'instruction sur %2 remplace celle de son environnement, dont elle ne redonne pas l'INIT : l'élément ne l'initialise pas</translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is &quot;LIGNERRON&quot;</comment>
        <translation>%1Erreur dans la ligne : %2</translation>
    </message>
    <message>
        <source>%1Not in sub-system mode %2</source>
        <comment>Error code is &quot;NOTSSYSTEM&quot;</comment>
        <translation>%1Hors du mode sous-systeme %2</translation>
    </message>
    <message>
        <source>%1Service renamed %2</source>
        <comment>Error code is &quot;OPERENAME&quot;</comment>
        <translation>%1Service renomme %2</translation>
    </message>
    <message>
        <source>%1No test generated for the service %2</source>
        <comment>Error code is &quot;OPERXVIDE&quot;</comment>
        <translation>%1Aucun test genere pour le service %2</translation>
    </message>
    <message>
        <source>%1Error position %2</source>
        <comment>Error code is &quot;POSIT_ERR&quot;</comment>
        <translation>%1Position de l'erreur %2</translation>
    </message>
    <message>
        <source>%1A slice is required for %2</source>
        <comment>Error code is &quot;SLICEREQ&quot;</comment>
        <translation>%1Une tranche est requise pour %2</translation>
    </message>
</context>
</TS>
