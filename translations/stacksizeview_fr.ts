<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Command line</name>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>standard output is closed</source>
        <translation>la sortie standard est fermée</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Saisissez « %1 --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard : %1</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>impossible d&apos;écrire sur la sortie standard</translation>
    </message>
    <message>
        <source>the output is incomplete</source>
        <translation>la sortie est incomplète</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <comment>%1 is a file name, %2 the reason</comment>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>bad number</source>
        <translation>nombre invalide</translation>
    </message>
    <message>
        <source>number overflow</source>
        <translation>dépassement de capacité du nombre</translation>
    </message>
    <message>
        <source>hexadecimal number must be terminated by &apos;h&apos;</source>
        <translation>un nombre hexadécimal doit se terminer par « h »</translation>
    </message>
    <message>
        <source>32 bits number overflow</source>
        <translation>dépassement de capacité d&apos;un nombre sur 32 bits</translation>
    </message>
    <message>
        <source>unknown opcode in TSF file</source>
        <translation>opcode inconnu dans le fichier TSF</translation>
    </message>
    <message>
        <source>unknown opcode or unexpected opcode</source>
        <translation>opcode inconnu ou inattendu</translation>
    </message>
    <message>
        <source>error limit reached, continue to parsing silently.
</source>
        <translation>limite d&apos;erreurs atteinte, l&apos;analyse se poursuit sans autre message.
</translation>
    </message>
    <message>
        <source>configuration name must be a string</source>
        <translation>le nom de configuration doit être une chaîne</translation>
    </message>
    <message>
        <source>undefined configuration name</source>
        <translation>nom de configuration non défini</translation>
    </message>
    <message>
        <source>configuration mistmatch the current, skipping this definition block</source>
        <translation>la configuration ne correspond pas à la configuration courante, ce bloc de définition est ignoré</translation>
    </message>
    <message>
        <source>id statement already defined</source>
        <translation>instruction d&apos;identifiant déjà définie</translation>
    </message>
    <message>
        <source>too many id defined</source>
        <translation>trop d&apos;identifiants définis</translation>
    </message>
    <message>
        <source>wrong block identification</source>
        <translation>identification de bloc incorrecte</translation>
    </message>
    <message>
        <source>super-instance id must be a number</source>
        <translation>l&apos;identifiant de la super-instance doit être un nombre</translation>
    </message>
    <message>
        <source>referenced super instance not found</source>
        <translation>super-instance référencée introuvable</translation>
    </message>
    <message>
        <source>source already defined</source>
        <translation>source déjà définie</translation>
    </message>
    <message>
        <source>file name must be a string</source>
        <translation>le nom de fichier doit être une chaîne</translation>
    </message>
    <message>
        <source>wrong date format</source>
        <translation>format de date incorrect</translation>
    </message>
    <message>
        <source>source type must be a string</source>
        <translation>le type de source doit être une chaîne</translation>
    </message>
    <message>
        <source>unknown source type</source>
        <translation>type de source inconnu</translation>
    </message>
    <message>
        <source>type parameter must be a string</source>
        <translation>le paramètre de type doit être une chaîne</translation>
    </message>
    <message>
        <source>undefined instance type</source>
        <translation>type d&apos;instance non défini</translation>
    </message>
    <message>
        <source>wrong identification</source>
        <translation>identification incorrecte</translation>
    </message>
    <message>
        <source>id already defined</source>
        <translation>identifiant déjà défini</translation>
    </message>
    <message>
        <source>name parameter must be a string</source>
        <translation>le paramètre de nom doit être une chaîne</translation>
    </message>
    <message>
        <source>can&apos;t read MS number</source>
        <translation>impossible de lire le numéro MS</translation>
    </message>
    <message>
        <source>can&apos;t read TX number</source>
        <translation>impossible de lire le numéro TX</translation>
    </message>
    <message>
        <source>second parameter must be a string</source>
        <translation>le deuxième paramètre doit être une chaîne</translation>
    </message>
    <message>
        <source>no current definition block defined (or definition block without tcf link)</source>
        <translation>aucun bloc de définition courant (ou bloc de définition sans lien vers une TCF)</translation>
    </message>
    <message>
        <source>can&apos;t retrieve style</source>
        <translation>impossible de retrouver le style</translation>
    </message>
    <message>
        <source>link id must be a number</source>
        <translation>l&apos;identifiant de lien doit être un nombre</translation>
    </message>
    <message>
        <source>definition block has no id</source>
        <translation>le bloc de définition n&apos;a pas d&apos;identifiant</translation>
    </message>
    <message>
        <source>definition block not found (SF)</source>
        <translation>bloc de définition introuvable (SF)</translation>
    </message>
    <message>
        <source>definition block not found (CS)</source>
        <translation>bloc de définition introuvable (CS)</translation>
    </message>
    <message>
        <source>can&apos;t retrieve static instance.</source>
        <translation>impossible de retrouver l&apos;instance statique.</translation>
    </message>
    <message>
        <source>no definition block while reading message</source>
        <translation>aucun bloc de définition lors de la lecture du message</translation>
    </message>
    <message>
        <source>can&apos;t read static id of message
</source>
        <translation>impossible de lire l&apos;identifiant statique du message
</translation>
    </message>
    <message>
        <source>can&apos;t read instance id of message target
</source>
        <translation>impossible de lire l&apos;identifiant d&apos;instance de la cible du message
</translation>
    </message>
    <message>
        <source>can&apos;t read message name</source>
        <translation>impossible de lire le nom du message</translation>
    </message>
    <message>
        <source>message completion on a complete message.</source>
        <translation>complétion d&apos;un message déjà complet.</translation>
    </message>
    <message>
        <source>message completion without model.</source>
        <translation>complétion de message sans modèle.</translation>
    </message>
    <message>
        <source>message completion model doesn&apos;t match call model.</source>
        <translation>le modèle de la complétion de message ne correspond pas au modèle de l&apos;appel.</translation>
    </message>
    <message>
        <source>message completion without message call</source>
        <translation>complétion de message sans appel de message</translation>
    </message>
    <message>
        <source>message %1 doesn&apos;t match any model in definition block.</source>
        <comment>%1 is a number</comment>
        <translation>le message %1 ne correspond à aucun modèle du bloc de définition.</translation>
    </message>
    <message>
        <source>can&apos;t read message call identifier.</source>
        <translation>impossible de lire l&apos;identifiant de l&apos;appel de message.</translation>
    </message>
    <message>
        <source>can&apos;t read static id of message call.</source>
        <translation>impossible de lire l&apos;identifiant statique de l&apos;appel de message.</translation>
    </message>
    <message>
        <source>message call with out definition block.</source>
        <translation>appel de message sans bloc de définition.</translation>
    </message>
    <message>
        <source>message call id (%1) doesn&apos;t match any one in current definition block.</source>
        <comment>%1 is a number</comment>
        <translation>l&apos;identifiant d&apos;appel de message (%1) ne correspond à aucun appel du bloc de définition courant.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve instance.</source>
        <translation>impossible de retrouver l&apos;instance.</translation>
    </message>
    <message>
        <source>can&apos;t found corresponding message for return.</source>
        <translation>impossible de trouver le message correspondant au retour.</translation>
    </message>
    <message>
        <source>can&apos;t read instance id.</source>
        <translation>impossible de lire l&apos;identifiant d&apos;instance.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve dynamic instance.</source>
        <translation>impossible de retrouver l&apos;instance dynamique.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve dynamic instance (CI)</source>
        <translation>impossible de retrouver l&apos;instance dynamique (CI)</translation>
    </message>
    <message>
        <source>neither string nor number for action.</source>
        <translation>ni chaîne ni nombre pour l&apos;action.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text, no definition block set.</source>
        <translation>impossible de retrouver le texte, aucun bloc de définition n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text id for action in definition block.</source>
        <translation>impossible de retrouver l&apos;identifiant de texte de l&apos;action dans le bloc de définition.</translation>
    </message>
    <message>
        <source>can&apos;t retrive text id for action in definition block.</source>
        <translation>identifiant de texte de l&apos;action introuvable dans le bloc de définition.</translation>
    </message>
    <message>
        <source>can&apos;t find instance for action.</source>
        <translation>impossible de trouver l&apos;instance de l&apos;action.</translation>
    </message>
    <message>
        <source>neither string nor number for synchronisation.</source>
        <translation>ni chaîne ni nombre pour la synchronisation.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve text id for synchronisation in definition block.</source>
        <translation>impossible de retrouver l&apos;identifiant de texte de la synchronisation dans le bloc de définition.</translation>
    </message>
    <message>
        <source>SA whitout instance: no synchronisation created.</source>
        <translation>SA sans instance : aucune synchronisation créée.</translation>
    </message>
    <message>
        <source>instance %1 already included into synchronisation.</source>
        <comment>%1 is a number</comment>
        <translation>l&apos;instance %1 fait déjà partie de la synchronisation.</translation>
    </message>
    <message>
        <source>instance %1 is destroyed at synchronisation time.</source>
        <comment>%1 is a number</comment>
        <translation>l&apos;instance %1 est détruite au moment de la synchronisation.</translation>
    </message>
    <message>
        <source>Unknown text codec &apos;%1&apos;</source>
        <comment>%1 is the text codec name read from traces</comment>
        <translation>Codage de texte « %1 » inconnu</translation>
    </message>
    <message>
        <source>can&apos;t retrieve static text.</source>
        <translation>impossible de retrouver le texte statique.</translation>
    </message>
    <message>
        <source>no definition block set.</source>
        <translation>aucun bloc de définition sélectionné.</translation>
    </message>
    <message>
        <source>definition block without tcf</source>
        <translation>bloc de définition sans TCF</translation>
    </message>
    <message>
        <source>glyph id must be a number.</source>
        <translation>l&apos;identifiant de glyphe doit être un nombre.</translation>
    </message>
    <message>
        <source>can&apos;t retrieve glyph model</source>
        <translation>impossible de retrouver le modèle de glyphe</translation>
    </message>
    <message>
        <source>missing iteration into loop start statement.</source>
        <translation>nombre d&apos;itérations manquant dans l&apos;instruction de début de boucle.</translation>
    </message>
    <message>
        <source>can&apos;t found loop start for this end loop.</source>
        <translation>impossible de trouver le début de boucle de cette fin de boucle.</translation>
    </message>
    <message>
        <source>ET opcode already seen in traces</source>
        <translation>opcode ET déjà rencontré dans les traces</translation>
    </message>
    <message>
        <source>GA opcode cannot be used: not in external trigger mode (ET)</source>
        <translation>l&apos;opcode GA ne peut pas être utilisé : pas en mode de déclenchement externe (ET)</translation>
    </message>
    <message>
        <source>GA opcode already seen in traces</source>
        <translation>opcode GA déjà rencontré dans les traces</translation>
    </message>
    <message>
        <source>GS opcode cannot be used: not in external trigger mode (ET)</source>
        <translation>l&apos;opcode GS ne peut pas être utilisé : pas en mode de déclenchement externe (ET)</translation>
    </message>
    <message>
        <source>GS opcode already seen in traces</source>
        <translation>opcode GS déjà rencontré dans les traces</translation>
    </message>
    <message>
        <source>GS opcode cannot be used prior GA one</source>
        <translation>l&apos;opcode GS ne peut pas être utilisé avant l&apos;opcode GA</translation>
    </message>
    <message>
        <source>no current definition block defined</source>
        <translation>aucun bloc de définition courant</translation>
    </message>
    <message>
        <source>no tcf defined in current definition</source>
        <translation>aucune TCF définie dans la définition courante</translation>
    </message>
    <message>
        <source>wrong Thread id format</source>
        <translation>format d&apos;identifiant de thread incorrect</translation>
    </message>
    <message>
        <source>wrong Thread state id format</source>
        <translation>format d&apos;identifiant d&apos;état de thread incorrect</translation>
    </message>
    <message>
        <source>wrong Thread priority format</source>
        <translation>format de priorité de thread incorrect</translation>
    </message>
    <message>
        <source>can&apos;t retrieve thread model</source>
        <translation>impossible de retrouver le modèle de thread</translation>
    </message>
    <message>
        <source>Can&apos;t read time unit.</source>
        <translation>Impossible de lire l&apos;unité de temps.</translation>
    </message>
    <message>
        <source>can&apos;t read time.</source>
        <translation>impossible de lire le temps.</translation>
    </message>
    <message>
        <source>can&apos;t read time step.</source>
        <translation>impossible de lire le pas de temps.</translation>
    </message>
    <message>
        <source>can&apos;t read heap size.</source>
        <translation>impossible de lire la taille du tas.</translation>
    </message>
    <message>
        <source>can&apos;t read style id.</source>
        <translation>impossible de lire l&apos;identifiant de style.</translation>
    </message>
    <message>
        <source>can&apos;t read link text.</source>
        <translation>impossible de lire le texte du lien.</translation>
    </message>
    <message>
        <source>can&apos;t read SF number</source>
        <translation>impossible de lire le numéro SF</translation>
    </message>
    <message>
        <source>can&apos;t read CS number</source>
        <translation>impossible de lire le numéro CS</translation>
    </message>
    <message>
        <source>definition block not closed</source>
        <translation>bloc de définition non fermé</translation>
    </message>
    <message>
        <source>no definition block while reading instance</source>
        <translation>aucun bloc de définition lors de la lecture de l&apos;instance</translation>
    </message>
    <message>
        <source>can&apos;t read static instance id.</source>
        <translation>impossible de lire l&apos;identifiant statique d&apos;instance.</translation>
    </message>
    <message>
        <source>can&apos;t read instance name</source>
        <translation>impossible de lire le nom de l&apos;instance</translation>
    </message>
    <message>
        <source>can&apos;t read note text</source>
        <translation>impossible de lire le texte de la note</translation>
    </message>
    <message>
        <source>can&apos;t read glyph text</source>
        <translation>impossible de lire le texte du glyphe</translation>
    </message>
    <message>
        <source>block action not closed</source>
        <translation>action de bloc non fermée</translation>
    </message>
    <message>
        <source>can&apos;t read thread name</source>
        <translation>impossible de lire le nom du thread</translation>
    </message>
</context>
<context>
    <name>Internal Error</name>
    <message>
        <source>internal error: sf_id overflow</source>
        <translation>erreur interne : dépassement de sf_id</translation>
    </message>
</context>
<context>
    <name>Load TCF</name>
    <message>
        <source>%1 must be %2</source>
        <comment>%1 is a tag name, %2 a Resource Type</comment>
        <translation>%1 doit être %2</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; already defined.</source>
        <comment>%1 is a tag name, %2 the value</comment>
        <translation>%1 « %2 » est déjà défini.</translation>
    </message>
    <message>
        <source>string longer than %1 characters into %2 list</source>
        <comment>%1 is a number, %2 a list name</comment>
        <translation>chaîne de plus de %1 caractères dans la liste %2</translation>
    </message>
    <message>
        <source>unhandled resource type (%1) into %2 list</source>
        <comment>%1 is a number, %2 a string</comment>
        <translation>type de ressource non pris en charge (%1) dans la liste %2</translation>
    </message>
    <message>
        <source>unknown identifier into %1 list</source>
        <comment>%1 is a list name</comment>
        <translation>identificateur inconnu dans la liste %1</translation>
    </message>
    <message>
        <source>more than %1 operands into %2 list</source>
        <comment>%1 is a number, %2 a list name</comment>
        <translation>plus de %1 opérandes dans la liste %2</translation>
    </message>
    <message>
        <source>undefined style %1 for %2</source>
        <comment>%1 is a style number, %2 a string</comment>
        <translation>style %1 non défini pour %2</translation>
    </message>
    <message>
        <source>undefined style %1 for tcf.instance_type.style.
</source>
        <comment>%1 is a number</comment>
        <translation>style %1 non défini pour tcf.instance_type.style.
</translation>
    </message>
    <message>
        <source>tcf.thread_state.name must defined.</source>
        <translation>tcf.thread_state.name doit être défini.</translation>
    </message>
    <message>
        <source>tcf.glyph.name must defined.</source>
        <translation>tcf.glyph.name doit être défini.</translation>
    </message>
    <message>
        <source>tcf.id_length must be between 0 and 9, not %1.</source>
        <comment>%1 is a number</comment>
        <translation>tcf.id_length doit être compris entre 0 et 9, et non %1.</translation>
    </message>
    <message>
        <source>tcf.control_flow must be FLAT or NESTED identifier.</source>
        <translation>tcf.control_flow doit être l&apos;identificateur FLAT ou NESTED.</translation>
    </message>
</context>
<context>
    <name>Load TDF</name>
    <message>
        <source>Can&apos;t open file &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 »</translation>
    </message>
    <message>
        <source>Can&apos;t read file &quot;%1&quot;: %2</source>
        <comment>%1 is a file name, %2 the system&apos;s reason</comment>
        <translation>Impossible de lire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>line too long (more than %1 bytes): the rest of the file is not read</source>
        <comment>%1 is a number of bytes</comment>
        <translation>ligne trop longue (plus de %1 octets) : le reste du fichier n&apos;est pas lu</translation>
    </message>
    <message>
        <source>not enough memory to read this line: the rest of the file is not read</source>
        <translation>pas assez de mémoire pour lire cette ligne : le reste du fichier n&apos;est pas lu</translation>
    </message>
    <message>
        <source>loops nested deeper than %1</source>
        <comment>%1 is the number of levels a trace may nest</comment>
        <translation>boucles imbriquées sur plus de %1 niveaux</translation>
    </message>
</context>
<context>
    <name>Naming</name>
    <message>
        <source>obj%1:%2</source>
        <comment>%1 is an occurence number, %2 a class name; result is displayed in trace viewer</comment>
        <translation>obj%1:%2</translation>
    </message>
    <message>
        <source>Loop%1:%2</source>
        <comment>%1 is a loop id (ie 3.2.8), %2 the number of iteration; this string is displayed a the loop name</comment>
        <translation>Boucle%1:%2</translation>
    </message>
    <message>
        <source>obj%1:?</source>
        <comment>%1 is an occurence number, result is for modeless instance and it&apos;s displayed in trace viewer</comment>
        <translation>obj%1:?</translation>
    </message>
</context>
<context>
    <name>QAStSTKSZPlugin</name>
    <message>
        <source>%1 crashed or was killed</source>
        <comment>%1 is a program</comment>
        <translation>%1 a planté ou a été tué</translation>
    </message>
    <message>
        <source>%1 failed with exit status %2</source>
        <comment>%1 is a program, %2 a number</comment>
        <translation>%1 a échoué avec le code de sortie %2</translation>
    </message>
    <message>
        <source>The Stack Size Viewer</source>
        <comment>Stack Size Plugin Description</comment>
        <translation>Le visualiseur de taille de pile</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Gui Team</source>
        <comment>Stack Size Plugin Author</comment>
        <translation>Équipe IHM d&apos;Ostrel Quillon Runvista</translation>
    </message>
    <message>
        <source>Version 1.0.0</source>
        <comment>Stack Size Plugin Version</comment>
        <translation>Version 1.0.0</translation>
    </message>
    <message>
        <source>Stack Size</source>
        <comment>Stack Size Plugin Extended Filters</comment>
        <translation>Taille de pile</translation>
    </message>
    <message>
        <source>Stack Size Profile</source>
        <comment>Short Name for menus</comment>
        <translation>Profil de taille de pile</translation>
    </message>
    <message>
        <source>Stack Size Profile</source>
        <comment>long Name</comment>
        <translation>Profil de taille de pile</translation>
    </message>
    <message>
        <source>Stack Size Profiling Report</source>
        <comment>Report Name</comment>
        <translation>Rapport de profilage de la taille de pile</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Stack Size</source>
        <comment>Plugin Name</comment>
        <translation>Taille de pile Ostrel Quillon Runvista</translation>
    </message>
    <message>
        <source>Ostrel Quillon Runvista Stack Size Viewer Description</source>
        <comment>Plugin Description</comment>
        <translation>Description du visualiseur de taille de pile d&apos;Ostrel Quillon Runvista</translation>
    </message>
    <message>
        <source>Ostrel Quillon</source>
        <comment>Plugin Company Name</comment>
        <translation>Ostrel Quillon</translation>
    </message>
    <message>
        <source>Ostrel Quillon, This plugin launch a Stack Size viewer for Ostrel Quillon Runvista.</source>
        <comment>Plugin Company Description</comment>
        <translation>Ostrel Quillon. Ce module lance un visualiseur de taille de pile pour Ostrel Quillon Runvista.</translation>
    </message>
    <message>
        <source>Version 1.1.0</source>
        <comment>Plugin Version</comment>
        <translation>Version 1.1.0</translation>
    </message>
    <message>
        <source>%1 wrote no report %2</source>
        <comment>%1 is a script, %2 a file name</comment>
        <translation>%1 n&apos;a écrit aucun rapport %2</translation>
    </message>
    <message>
        <source>Help Module Error</source>
        <translation>Erreur du module d&apos;aide</translation>
    </message>
    <message>
        <source>%1
Unable to run command</source>
        <comment>%1 is a command</comment>
        <translation>%1
Impossible d&apos;exécuter la commande</translation>
    </message>
    <message>
        <source>cannot start %1: %2</source>
        <comment>%1 is a program, %2 the system&apos;s reason</comment>
        <translation>impossible de démarrer %1 : %2</translation>
    </message>
</context>
<context>
    <name>Resource Type</name>
    <message>
        <source>a group</source>
        <translation>un groupe</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <source>a string</source>
        <translation>une chaîne</translation>
    </message>
    <message>
        <source>an integer</source>
        <translation>un entier</translation>
    </message>
    <message>
        <source>a boolean</source>
        <translation>un booléen</translation>
    </message>
    <message>
        <source>a rgb value</source>
        <translation>une valeur RGB</translation>
    </message>
    <message>
        <source>an identifier</source>
        <translation>un identificateur</translation>
    </message>
    <message>
        <source>a defined string</source>
        <translation>une chaîne définie</translation>
    </message>
    <message>
        <source>a defined integer</source>
        <translation>un entier défini</translation>
    </message>
    <message>
        <source>a defined identifier</source>
        <translation>un identificateur défini</translation>
    </message>
    <message>
        <source>an identifier list</source>
        <translation>une liste d&apos;identificateurs</translation>
    </message>
    <message>
        <source>an identifier or an identifier list</source>
        <translation>un identificateur ou une liste d&apos;identificateurs</translation>
    </message>
</context>
<context>
    <name>SequenceDiagram</name>
    <message>
        <source>loop %1</source>
        <translation>boucle %1</translation>
    </message>
    <message>
        <source>thread %1</source>
        <translation>thread %1</translation>
    </message>
    <message>
        <source>not enough memory to encode the image</source>
        <translation>mémoire insuffisante pour encoder l&apos;image</translation>
    </message>
    <message>
        <source>Sequence diagram</source>
        <translation>Diagramme de séquence</translation>
    </message>
    <message>
        <source>the picture is too large for a PNG image (%1 x %2 pixels; at most %3 on a side and %4 in all)</source>
        <translation>l&apos;image est trop grande pour une image PNG (%1 x %2 pixels ; au plus %3 par côté et %4 au total)</translation>
    </message>
    <message>
        <source>not enough memory for a %1 x %2 image</source>
        <translation>mémoire insuffisante pour une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>cannot tell the picture format of &apos;%1&apos;: the name must end in .svg or .png</source>
        <translation>impossible de déterminer le format d&apos;image de « %1 » : le nom doit se terminer par .svg ou .png</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 deep</source>
        <translation>profondeur %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n instances)</source>
        <translation>
            <numerusform>%1 (%n instance)</numerusform>
            <numerusform>%1 (%n instances)</numerusform>
        </translation>
    </message>
    <message>
        <source>loop %1 (nested %2 deep)</source>
        <translation>boucle %1 (imbriquée sur %2 niveaux)</translation>
    </message>
</context>
<context>
    <name>SequenceModel</name>
    <message>
        <source>no events shown in this loop</source>
        <translation>aucun événement de cette boucle n’est affiché</translation>
    </message>
    <message>
        <source>World</source>
        <translation>Monde</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>New trace</source>
        <translation>Nouvelle trace</translation>
    </message>
    <message>
        <source>External trigger</source>
        <translation>Déclenchement externe</translation>
    </message>
    <message>
        <source>Trigger start</source>
        <translation>Début du déclenchement</translation>
    </message>
    <message>
        <source>Trigger stop</source>
        <translation>Fin du déclenchement</translation>
    </message>
</context>
<context>
    <name>TDF</name>
    <message>
        <source>%1 %2</source>
        <comment>%1 is a time number and %2 the time unit; used when there are no time format selected</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>Warning</name>
    <message>
        <source>due to previous error, restart analyzing at this line (%1 lines skipped)</source>
        <comment>%1 is the number of line skipped</comment>
        <translation>suite à l&apos;erreur précédente, l&apos;analyse reprend à cette ligne (%1 lignes ignorées)</translation>
    </message>
    <message>
        <source>pending note while reading new one (ignore previous).</source>
        <translation>note en attente lors de la lecture d&apos;une nouvelle (la précédente est ignorée).</translation>
    </message>
    <message>
        <source>pending glyph while reading note (ignore glyph).</source>
        <translation>glyphe en attente lors de la lecture d&apos;une note (le glyphe est ignoré).</translation>
    </message>
    <message>
        <source>pending glyph while reading new one (ignore previous).</source>
        <translation>glyphe en attente lors de la lecture d&apos;un nouveau (le précédent est ignoré).</translation>
    </message>
    <message>
        <source>pending note while reading glyph (ignore note).</source>
        <translation>note en attente lors de la lecture d&apos;un glyphe (la note est ignorée).</translation>
    </message>
    <message>
        <source>definition block has the same ids as the one defined at %1</source>
        <comment>%1 is a file name and a line number, as file:line</comment>
        <translation>le bloc de définition a les mêmes identifiants que celui défini en %1</translation>
    </message>
</context>
<context>
    <name>tracetool</name>
    <message>
        <source>reading %1: %2%</source>
        <comment>%1 is a file name, %2 a percentage</comment>
        <translation>lecture de %1 : %2 %</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <comment>%1 is a file name, %2 the reason</comment>
        <translation>impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>not a readable file</source>
        <translation>ce n&apos;est pas un fichier lisible</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>error: %1</source>
        <comment>a reported error; %1 is its message</comment>
        <translation>erreur : %1</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <comment>a reported warning; %1 is its message</comment>
        <translation>avertissement : %1</translation>
    </message>
    <message>
        <source>no configuration file given</source>
        <translation>aucun fichier de configuration indiqué</translation>
    </message>
    <message>
        <source>no trace file given</source>
        <translation>aucun fichier de trace indiqué</translation>
    </message>
    <message>
        <source>an empty output file name</source>
        <translation>un nom de fichier de sortie vide</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>1 erreur</translation>
    </message>
    <message numerus="yes">
        <source>%n errors</source>
        <translation>
            <numerusform>%n erreur</numerusform>
            <numerusform>%n erreurs</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 avertissement</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n avertissement</numerusform>
            <numerusform>%n avertissements</numerusform>
        </translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>no output file given (-o FILE)</source>
        <translation>aucun fichier de sortie indiqué (-o FILE)</translation>
    </message>
    <message>
        <source>the output file must end in .svg or .png: &apos;%1&apos;</source>
        <translation>le fichier de sortie doit se terminer par .svg ou .png : « %1 »</translation>
    </message>
    <message>
        <source>the output file name is not valid UTF-8: &apos;%1&apos;</source>
        <translation>le nom du fichier de sortie n&apos;est pas en UTF-8 valide : « %1 »</translation>
    </message>
    <message>
        <source>--scale takes a number from %1 to %2: &apos;%3&apos;</source>
        <translation>--scale attend un nombre de %1 à %2 : « %3 »</translation>
    </message>
    <message>
        <source>--from %1 is past the last event: the trace has %2 events</source>
        <translation>--from %1 est au-delà du dernier événement : la trace compte %2 événements</translation>
    </message>
    <message>
        <source>--%1 takes a whole number from %2 up, not &apos;%3&apos;</source>
        <comment>%1 is an option&apos;s name, %2 the least value, %3 the value given</comment>
        <translation>--%1 attend un nombre entier à partir de %2, et non « %3 »</translation>
    </message>
    <message>
        <source>no golden trace given</source>
        <translation>aucune trace de référence indiquée</translation>
    </message>
    <message>
        <source>no run trace given</source>
        <translation>aucune trace d’exécution indiquée</translation>
    </message>
    <message>
        <source>diff compares two traces, not %1</source>
        <translation>diff compare deux traces, pas %1</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (text or json)</source>
        <translation>format inconnu « %1 » (text ou json)</translation>
    </message>
    <message>
        <source>--time-tolerance: the traces name no time unit; give a number of their unit or a percentage, not &apos;%1&apos;</source>
        <translation>--time-tolerance : les traces n’indiquent pas d’unité de temps ; donnez un nombre de leur unité ou un pourcentage, pas « %1 »</translation>
    </message>
    <message>
        <source>--time-tolerance takes a number of the traces&apos; unit, a time with a unit (h mn s ms us ns ps) or a percentage (10%), not &apos;%1&apos;</source>
        <translation>--time-tolerance attend un nombre de l’unité des traces, une durée avec une unité (h mn s ms us ns ps) ou un pourcentage (10%), pas « %1 »</translation>
    </message>
    <message>
        <source>cannot compare the times of the traces: &apos;%1&apos; names no time unit, the other trace does</source>
        <comment>%1 is a file name</comment>
        <translation>impossible de comparer les temps des traces : « %1 » n’indique pas d’unité de temps, l’autre trace si</translation>
    </message>
    <message>
        <source>no --format given (plantuml, mermaid or dot)</source>
        <translation>aucun --format indiqué (plantuml, mermaid ou dot)</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (plantuml, mermaid or dot)</source>
        <translation>format inconnu « %1 » (plantuml, mermaid ou dot)</translation>
    </message>
    <message>
        <source>the picture, %1 x %2 pixels, is too large for a PNG image; draw fewer events (--count, --time), fewer instances (--only, --hide, --component), a smaller picture (--scale) or an SVG</source>
        <translation>l’image, de %1 x %2 pixels, est trop grande pour une image PNG ; dessinez moins d’événements (--count, --time), moins d’instances (--only, --hide, --component), une image plus petite (--scale) ou un SVG</translation>
    </message>
    <message>
        <source>--%1: &apos;%2&apos; is not a regular expression: %3</source>
        <comment>%1 is an option&apos;s name, %2 its value, %3 the reason</comment>
        <translation>--%1 : « %2 » n’est pas une expression régulière : %3</translation>
    </message>
    <message>
        <source>--component takes REGEX=NAME, not &apos;%1&apos;</source>
        <translation>--component attend REGEX=NOM, pas « %1 »</translation>
    </message>
    <message>
        <source>--threads takes a list of threads, not &apos;%1&apos;</source>
        <translation>--threads attend une liste de threads, pas « %1 »</translation>
    </message>
    <message>
        <source>--time takes FROM..TO, two times in the trace&apos;s unit%1 or with a unit (h mn s ms us ns ps), the first not after the second; not &apos;%2&apos;</source>
        <comment>%1 is the trace&apos;s unit in parentheses, or nothing</comment>
        <translation>--time attend DE..À, deux temps dans l’unité de la trace%1 ou avec une unité (h mn s ms us ns ps), le premier pas après le second ; pas « %2 »</translation>
    </message>
    <message>
        <source>--html takes the name of a file, not &apos;%1&apos;</source>
        <translation>--html attend le nom d’un fichier, pas « %1 »</translation>
    </message>
</context>
</TS>
