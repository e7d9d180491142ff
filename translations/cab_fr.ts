<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>CAB</name>
    <message>
        <source>Arg value too small,</source>
        <translation>Valeur d'argument trop petite,</translation>
    </message>
    <message>
        <source>Did you mean</source>
        <translation>Vouliez-vous dire</translation>
    </message>
    <message>
        <source>Arg value too large,</source>
        <translation>Valeur d'argument trop grande,</translation>
    </message>
    <message>
        <source>Arg length too small,</source>
        <translation>Longueur d'argument trop petite,</translation>
    </message>
    <message>
        <source>Arg length too large,</source>
        <translation>Longueur d'argument trop grande,</translation>
    </message>
    <message>
        <source>Too many arguments invalid argument,</source>
        <translation>Trop d'arguments, argument invalide,</translation>
    </message>
    <message>
        <source>List forbidden invalid argument,</source>
        <translation>Liste interdite, argument invalide,</translation>
    </message>
    <message>
        <source>Unknown option,</source>
        <translation>Option inconnue,</translation>
    </message>
    <message>
        <source>Invalid character following option,</source>
        <translation>Caractere invalide apres l'option,</translation>
    </message>
    <message>
        <source>An option can't be used twice,</source>
        <translation>Une option ne peut pas etre utilisee deux fois,</translation>
    </message>
    <message>
        <source>Mandatory argument for this option,</source>
        <translation>Argument obligatoire pour cette option,</translation>
    </message>
    <message>
        <source>No argument for this option,</source>
        <translation>Pas d'argument pour cette option,</translation>
    </message>
    <message>
        <source>List forbidden invalid option,</source>
        <translation>Liste interdite, option invalide,</translation>
    </message>
    <message>
        <source>Argument missing,</source>
        <translation>Argument manquant,</translation>
    </message>
    <message>
        <source>Ambiguous option,</source>
        <translation>Option ambigue,</translation>
    </message>
    <message>
        <source>Unknown value of option,</source>
        <translation>Valeur d'option inconnue,</translation>
    </message>
    <message>
        <source>Ambiguous value of option,</source>
        <translation>Valeur d'option ambigue,</translation>
    </message>
    <message>
        <source>Illegal combination of command elements,</source>
        <translation>Combinaison d'elements de commande interdite,</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File cannot be read</source>
        <translation>Fichier illisible</translation>
    </message>
    <message>
        <source>Command analysis: No memory left</source>
        <translation>Analyse de la commande : memoire epuisee</translation>
    </message>
    <message>
        <source>Command analysis</source>
        <translation>Analyse de la commande</translation>
    </message>
    <message>
        <source>Internal error, bad option name</source>
        <translation>Erreur interne, nom d'option incorrect</translation>
    </message>
</context>
<context>
    <name>Command-line</name>
    <message>
        <source>
Usage vexorprepro :
	&lt;test_script_file&gt;
	&lt;generated_file&gt;
	&lt;rep_file_rio&gt;
	[-LANGUAGE=&lt;language_name&gt;]
	[-VERSION=&lt;version_nb&gt;]
	[-TARGET=&lt;target_name&gt;]
	[-OPERATION=&lt;operation_name&gt;[,operation_name]]
	[-SERVICE=&lt;service_name&gt;[,service_name]]
	[-TEST=&lt;test_name&gt;[,test_name]]
	[-FAMILY=&lt;family_name&gt;[,family_name]]
	[-EXOPERATION=&lt;exoperation_name&gt;[,exoperation_name]]
	[-EXSERVICE=&lt;exservice_name&gt;[,exservice_name]]
	[-EXTEST=&lt;extest_name&gt;[,extest_name]]
	[-EXFAMILY=&lt;exfamily_name&gt;[,exfamily_name]]
	[-INCL=&lt;directory&gt;[,directory]]
	[-DEFINE=&lt;identifier&gt;[,identifier]]
	[-NOSIMULATION]
	[-E=&lt;Max_error_displayed&gt;]
	[-W=&lt;Max_warning_displayed&gt;]
	[-DIAGNOSTICS=&lt;HARNEX|GNU&gt;]
	[-CONST=&lt;const_file&gt;]
	[-SOURCE=&lt;source_file&gt;]
	[-COMMAND|-NOCOMMAND=&lt;command&gt;]
	[-STRVER|-NOSTRVER=&lt;strvers&gt;]
	[-RESTRICTION=&lt;ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP&gt;[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]
	[-SYSCOMP=&lt;NT|DOS|OS2|VMS|UNIX&gt;]
	[-SUB_SYSTEM|-NOSUB_SYSTEM]
	[-SYSTEM|-NOSYSTEM]
	[-SS|-NOSS]
	[-FAST|-NOFAST]
	[-EXPAND|-NOEXPAND]
	[-COMPRESS|-NOCOMPRESS]
	[-CLASS=&lt;class_name&gt;]
	[-DBMS=&lt;dbms_name&gt;]
	[-DATA=&lt;data_file&gt;]
	[-NOANALYZE]
	[-NOPATH]
	[-STD_DEFINE=&lt;define_file&gt;]
	[-RENAME=&lt;rename_file&gt;]
	[-SYMBTAB=&lt;symbtab_file&gt;]
	[-ADALINK=&lt;adalink_file&gt;]
	[-STANDARD=&lt;standard_file&gt;]
	[-VISTAL_LOG=&lt;vistal_log_file&gt;]
	[-RIONAME=&lt;rio_file&gt;]
	[-WITHSEPARATE]
	[-TSF=&lt;tsf_file&gt;]
	[-NOEDIT]
	[-LEARN|-NOLEARN]
	[-XT=&lt;level&gt;[,level]]
</source>
        <translation>
Utilisation de vexorprepro :
	&lt;fichier_script_de_test&gt;
	&lt;fichier_genere&gt;
	&lt;repertoire_fichier_rio&gt;
	[-LANGUAGE=&lt;nom_langage&gt;]
	[-VERSION=&lt;numero_version&gt;]
	[-TARGET=&lt;nom_cible&gt;]
	[-OPERATION=&lt;nom_operation&gt;[,nom_operation]]
	[-SERVICE=&lt;nom_service&gt;[,nom_service]]
	[-TEST=&lt;nom_test&gt;[,nom_test]]
	[-FAMILY=&lt;nom_famille&gt;[,nom_famille]]
	[-EXOPERATION=&lt;nom_exoperation&gt;[,nom_exoperation]]
	[-EXSERVICE=&lt;nom_exservice&gt;[,nom_exservice]]
	[-EXTEST=&lt;nom_extest&gt;[,nom_extest]]
	[-EXFAMILY=&lt;nom_exfamille&gt;[,nom_exfamille]]
	[-INCL=&lt;repertoire&gt;[,repertoire]]
	[-DEFINE=&lt;identificateur&gt;[,identificateur]]
	[-NOSIMULATION]
	[-E=&lt;Nb_max_erreurs_affichees&gt;]
	[-W=&lt;Nb_max_avertissements_affiches&gt;]
	[-DIAGNOSTICS=&lt;HARNEX|GNU&gt;]
	[-CONST=&lt;fichier_constantes&gt;]
	[-SOURCE=&lt;fichier_source&gt;]
	[-COMMAND|-NOCOMMAND=&lt;commande&gt;]
	[-STRVER|-NOSTRVER=&lt;version_str&gt;]
	[-RESTRICTION=&lt;ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP&gt;[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]
	[-SYSCOMP=&lt;NT|DOS|OS2|VMS|UNIX&gt;]
	[-SUB_SYSTEM|-NOSUB_SYSTEM]
	[-SYSTEM|-NOSYSTEM]
	[-SS|-NOSS]
	[-FAST|-NOFAST]
	[-EXPAND|-NOEXPAND]
	[-COMPRESS|-NOCOMPRESS]
	[-CLASS=&lt;nom_classe&gt;]
	[-DBMS=&lt;nom_sgbd&gt;]
	[-DATA=&lt;fichier_donnees&gt;]
	[-NOANALYZE]
	[-NOPATH]
	[-STD_DEFINE=&lt;fichier_define&gt;]
	[-RENAME=&lt;fichier_renommage&gt;]
	[-SYMBTAB=&lt;fichier_symboles&gt;]
	[-ADALINK=&lt;fichier_adalink&gt;]
	[-STANDARD=&lt;fichier_standard&gt;]
	[-VISTAL_LOG=&lt;fichier_log_vistal&gt;]
	[-RIONAME=&lt;fichier_rio&gt;]
	[-WITHSEPARATE]
	[-TSF=&lt;fichier_tsf&gt;]
	[-NOEDIT]
	[-LEARN|-NOLEARN]
	[-XT=&lt;niveau&gt;[,niveau]]
</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Usage: vexorprepro &lt;test_script_file&gt; &lt;generated_file&gt; [&lt;rep_file_rio&gt;] [options]</source>
        <translation>Usage : vexorprepro &lt;fichier_PTU&gt; &lt;fichier_généré&gt; [&lt;rep_fic_rio&gt;] [options]</translation>
    </message>
    <message>
        <source>Compiles a test script into a C test harness. Options begin with one &quot;-&quot;, may be abbreviated and written in French (-LANGAGE, -FAMILLE ...); @file or -OPTION=file reads more of them from a file.</source>
        <translation>Compile un script de test en un programme de test C. Les options commencent par un &quot;-&quot;, peuvent être abrégées et écrites en anglais (-LANGUAGE, -FAMILY ...) ; @fichier ou -OPTION=fichier en lit d'autres dans un fichier.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>the test script (extension .ptu when none is given)</source>
        <translation>le script de test (extension .ptu quand aucune n'est donnée)</translation>
    </message>
    <message>
        <source>the C harness to write; its link records (.tdc), declarations (.ic) and vexor_cfg.h go beside it</source>
        <translation>le programme de test C à écrire ; ses enregistrements de liens (.tdc), ses déclarations (.ic) et vexor_cfg.h sont écrits à côté</translation>
    </message>
    <message>
        <source>the directory of the traces file the harness writes (default: that of the harness)</source>
        <translation>le répertoire du fichier de traces qu'écrit le programme de test (par défaut : celui du programme)</translation>
    </message>
    <message>
        <source>The script:</source>
        <translation>Le script :</translation>
    </message>
    <message>
        <source>C (the default) or CSQL</source>
        <translation>C (par défaut) ou CSQL</translation>
    </message>
    <message>
        <source>names that make IF true</source>
        <translation>les noms qui rendent IF vrai</translation>
    </message>
    <message>
        <source>generate the ELSE_SIMUL parts instead of the SIMUL parts</source>
        <translation>générer les parties ELSE_SIMUL au lieu des parties SIMUL</translation>
    </message>
    <message>
        <source>the unit's source, read for its version number</source>
        <translation>le source de l'unité, lu pour son numéro de version</translation>
    </message>
    <message>
        <source>the pattern of that version number</source>
        <translation>le motif de ce numéro de version</translation>
    </message>
    <message>
        <source>also write the constants of the script to this C file</source>
        <translation>écrire aussi les constantes du script dans ce fichier C</translation>
    </message>
    <message>
        <source>the name of the target, written in the link records</source>
        <translation>le nom de la cible, écrit dans les enregistrements de liens</translation>
    </message>
    <message>
        <source>a version, shown in the command line of the outputs</source>
        <translation>une version, montrée dans la ligne de commande des sorties</translation>
    </message>
    <message>
        <source>a command text, written in the link records</source>
        <translation>un texte de commande, écrit dans les enregistrements de liens</translation>
    </message>
    <message>
        <source>Choosing what to generate (names separated by commas):</source>
        <translation>Choisir ce qui est généré (noms séparés par des virgules) :</translation>
    </message>
    <message>
        <source>only these services (-OPERATION alike)</source>
        <translation>seulement ces services (de même -OPERATION)</translation>
    </message>
    <message>
        <source>only these tests</source>
        <translation>seulement ces tests</translation>
    </message>
    <message>
        <source>only the tests of these families</source>
        <translation>seulement les tests de ces familles</translation>
    </message>
    <message>
        <source>all services but these (-EXOPERATION alike)</source>
        <translation>tous les services sauf ceux-ci (de même -EXOPERATION)</translation>
    </message>
    <message>
        <source>all tests but these</source>
        <translation>tous les tests sauf ceux-ci</translation>
    </message>
    <message>
        <source>all tests but those whose families are all among these</source>
        <translation>tous les tests sauf ceux dont toutes les familles sont parmi celles-ci</translation>
    </message>
    <message>
        <source>The C analysis:</source>
        <translation>L'analyse C :</translation>
    </message>
    <message>
        <source>directories of the unit's headers and included scripts</source>
        <translation>les répertoires des en-têtes de l'unité et des scripts inclus</translation>
    </message>
    <message>
        <source>no C analysis: the types of variables are given in the script</source>
        <translation>pas d'analyse C : les types des variables sont donnés dans le script</translation>
    </message>
    <message>
        <source>the standard definitions of the target's compiler (default: those of the target package)</source>
        <translation>les définitions standard du compilateur de la cible (par défaut : celles du paquet cible)</translation>
    </message>
    <message>
        <source>take every aggregate whole</source>
        <translation>prendre chaque agrégat en entier</translation>
    </message>
    <message>
        <source>take every aggregate member by member</source>
        <translation>prendre chaque agrégat membre par membre</translation>
    </message>
    <message>
        <source>leave unanalysed what is not generated (on by default)</source>
        <translation>ne pas analyser ce qui n'est pas généré (actif par défaut)</translation>
    </message>
    <message>
        <source>the C dialect of the harness and of the analysis</source>
        <translation>le dialecte C du programme de test et de l'analyse</translation>
    </message>
    <message>
        <source>write the symbol table of the analysis to this file</source>
        <translation>écrire la table des symboles de l'analyse dans ce fichier</translation>
    </message>
    <message>
        <source>write the names of the stubbed functions to this option file</source>
        <translation>écrire les noms des fonctions simulées dans ce fichier d'options</translation>
    </message>
    <message>
        <source>The outputs:</source>
        <translation>Les sorties :</translation>
    </message>
    <message>
        <source>a harness without its reporting calls</source>
        <translation>un programme de test sans ses appels de compte rendu</translation>
    </message>
    <message>
        <source>the harness names its included files without their directory</source>
        <translation>le programme de test nomme ses fichiers inclus sans leur répertoire</translation>
    </message>
    <message>
        <source>the name of the traces file</source>
        <translation>le nom du fichier de traces</translation>
    </message>
    <message>
        <source>also write a report description</source>
        <translation>écrire aussi une description du compte rendu</translation>
    </message>
    <message>
        <source>add the name of every file created to this log</source>
        <translation>ajouter le nom de chaque fichier créé à ce journal</translation>
    </message>
    <message>
        <source>show at most this many errors (60 by default)</source>
        <translation>montrer au plus ce nombre d'erreurs (60 par défaut)</translation>
    </message>
    <message>
        <source>show at most this many warnings (120 by default)</source>
        <translation>montrer au plus ce nombre d'avertissements (120 par défaut)</translation>
    </message>
    <message>
        <source>Kept for other platforms and languages (no effect on a C harness):</source>
        <translation>Gardées pour d'autres plates-formes et langages (sans effet sur un programme de test C) :</translation>
    </message>
    <message>
        <source>the compiler system; other than UNIX, the declarations file is included by its name</source>
        <translation>le système de compilation ; autre qu'UNIX, le fichier des déclarations est inclus par son nom</translation>
    </message>
    <message>
        <source>subsystem tests of another tested language</source>
        <translation>les tests de sous-système d'un autre langage testé</translation>
    </message>
    <message>
        <source>C++ only</source>
        <translation>C++ seulement</translation>
    </message>
    <message>
        <source>the database of CSQL (oracle by default)</source>
        <translation>la base de données de CSQL (oracle par défaut)</translation>
    </message>
    <message>
        <source>Ada only</source>
        <translation>Ada seulement</translation>
    </message>
    <message>
        <source>accepted, no effect</source>
        <translation>acceptée, sans effet</translation>
    </message>
    <message>
        <source>obsolete, ignored with a warning</source>
        <translation>obsolètes, ignorées avec un avertissement</translation>
    </message>
    <message>
        <source>other languages</source>
        <translation>autres langages</translation>
    </message>
    <message>
        <source>GNU: messages as &quot;file:line: error: text [CODE]&quot;, as editors and CI servers read them</source>
        <translation>GNU : messages sous la forme &quot;fichier:ligne: error: texte [CODE]&quot;, comme les lisent les éditeurs et les serveurs d'intégration</translation>
    </message>
    <message>
        <source>Information:</source>
        <translation>Information :</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>cette aide</translation>
    </message>
    <message>
        <source>the name and version of the program</source>
        <translation>le nom et la version du programme</translation>
    </message>
</context>
</TS>
