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
</TS>
