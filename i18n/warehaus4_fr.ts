<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… et %1 de plus</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Lecture de la collection…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Aucun niveau n&apos;a pu être lu dans ce fichier.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>%1 fichiers existent déjà dans ce dossier (le premier : %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Parmi eux, %1 fichiers de solution, remplacés ou supprimés avec leur niveau : %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 fichiers d&apos;instantanés restent tels quels, leur plateau n&apos;ayant pas changé : %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 fichiers d&apos;instantanés de plateaux changés sont gardés à part, renommés : %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Voulez-vous les remplacer ?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Importation des niveaux…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Instantanés des niveaux changés gardés à part :</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>L&apos;importation s&apos;est arrêtée au niveau %1 : %2<byte value="xd"/>
Les %3 niveaux écrits avant sont dans la liste.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 niveaux importés, %2 avec solution, %3 écartés</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>L&apos;importation a été annulée ; les niveaux déjà écrits restent.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 niveaux exportés</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Ecartés (fichier absent ou sans plateau) :</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>Le presse-papiers ne contient aucun niveau.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>La solution est vérifiée sur le niveau enregistré, et la montrer en mode Solution abandonne les modifications.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>Le presse-papiers ne contient aucun mouvement.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>La solution échoue au mouvement %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Après ses %1 mouvements, le niveau n&apos;est pas résolu.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>La Warehaus4 est installée : son paquet ouvre déjà les fichiers XSB avec elle.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Voulez-vous réellement associer l&apos;extension XSB avec la Warehaus4 ?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>Les fichiers XSB seront désormais ouverts avec la Warehaus4 !</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>il faut exactement un gardien</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>il faut autant de caisses que de cibles, au moins une</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>une caisse ou une cible est hors de portée du gardien</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>il est trop grand pour le solveur</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Temps : %1 s    Positions explorées : %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Positions vérifiées : %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>La montrer en mode Solution abandonne les modifications.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>Le solveur est occupé : annulez d&apos;abord sa recherche.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>Le gardien ne peut pas aller là.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Cette caisse ne peut pas aller là.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Blocage : une caisse ne peut plus être ramenée sur une case de départ.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Blocage : %1 caisses ne peuvent plus être ramenées sur une case de départ.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Blocage : une caisse ne peut plus atteindre de cible.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Blocage : %1 caisses ne peuvent plus atteindre de cible.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Cette position est déjà résolue.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Ce niveau est déjà résolu.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Le niveau tel qu&apos;il est dessiné n&apos;a pas de solution.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Cette position n&apos;a plus de solution.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Ce niveau n&apos;a pas de solution.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Aucune solution trouvée dans la limite de %1 secondes.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Aucune solution trouvée dans la limite de mémoire de %1 Mio.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Ce niveau ne peut pas être résolu tel quel : %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Solution trouvée : %1 mouvements, %2 poussées.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous la regarder ?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Les modifications non enregistrées du niveau seront perdues.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Résolution du niveau...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Ce niveau n&apos;a pas encore de solution.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>La solution enregistrée ne résout pas ce niveau.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Voulez-vous le résoudre maintenant ?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Recherche d&apos;un indice...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Indice : poussez la caisse marquée (H le fait).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Cette position n&apos;a plus de solution.<byte value="xd"/>
<byte value="xd"/>
Voulez-vous revenir à la dernière position qui en a une ?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Pas d&apos;indice : %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Aucun indice trouvé en %1 secondes.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Ce niveau n&apos;a pas de solution, même depuis le début.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Le niveau a encore une solution depuis la position affichée.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Retour au mouvement %1 (les suivants non prouvés perdus).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Retour au mouvement %1 : la dernière position gagnable.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Le niveau a une solution depuis le mouvement %1. Certaines positions suivantes n&apos;ont pas pu être vérifiées à temps ; l&apos;une d&apos;elles peut aussi être gagnable.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Les positions n&apos;ont pas pu être vérifiées à temps. Affiché : le mouvement %1, le dernier avant la première poussée douteuse ; il n&apos;est pas prouvé gagnable.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Recherche de la dernière position soluble...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>il faut un gardien, et un seul</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>pas autant de caisses que de cibles</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>une caisse ou une cible hors d&apos;atteinte</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>trop grand pour le solveur</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Recherche d&apos;une solution...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Pas encore valide : %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 poussée</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 poussées</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 mouvement</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 mouvements</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Soluble en %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Insoluble</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Pas de verdict en %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Résolution du niveau d&apos;abord...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Optimisation de la solution...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Meilleure jusqu&apos;ici : %1 mouvements, %2 poussées</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Ce niveau ne peut pas être lu depuis son fichier.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Ce niveau n&apos;a pas de solution à optimiser : celle qui est enregistrée ne le résout pas, et le solveur n&apos;en a pas trouvé (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Ce niveau n&apos;a pas de solution à optimiser : aucune n&apos;est enregistrée, et le solveur n&apos;en a pas trouvé (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>La solution n&apos;a pas pu être optimisée (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Solution plus courte trouvée : %1 mouvements, %2 poussées (avant : %3 mouvements, %4 poussées).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Aucune solution plus courte trouvée : %1 mouvements, %2 poussées (avant : %3 mouvements, %4 poussées).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
La solution enregistrée ne résout pas le niveau : celle du solveur a servi de départ.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Le niveau n&apos;avait pas de solution enregistrée : celle du solveur a servi de départ.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Toutes les positions ont été explorées : aucune n&apos;est plus courte.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Voulez-vous la regarder ?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filtrer par titre ou nom de fichier</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Pas encore résolus</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Entrée ou double clic : jouer le niveau</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 sur %2 résolus</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (lecture des fichiers…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Caisses</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Résolu</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mouvements</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Poussées</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(fichier introuvable)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(fichier illisible)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(aucun plateau dans le fichier)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Une partie en cours : Outils &gt; Reprendre la partie</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantanés</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Ce niveau ne garde pas d&apos;instantanés : seuls les fichiers .xsb en gardent.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Aucun instantané de ce niveau : Outils &gt; Enregistrer un instantané en garde un.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (à l&apos;envers)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(gardé automatiquement)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Nom de l&apos;instantané :</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Supprimer l&apos;instantané « %1 » ?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Les instantanés se prennent en mode Jeu.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Aucune partie en cours sur ce niveau.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Rétablir la position joue le niveau tel que son fichier le contient et abandonne les modifications.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Cet instantané ne correspond plus au niveau : le niveau a changé depuis.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
La partie en cours n&apos;est pas gardée sur le disque avant d&apos;être quittée.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Jusqu&apos;à ce que vous quittiez, Reprendre la partie (F9) sur son niveau ramène encore la partie laissée par la dernière session.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITER</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUTION</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Défaire / Refaire : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Vitesse : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Premier niveau</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Niveau précédent</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Recommencer le niveau</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Niveau suivant</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Dernier niveau</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Mur</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Gardien</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Gardien sur une cible</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Caisse</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Caisse sur une cible</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Ajuster le cadre au niveau</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Enregistrer le niveau</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Recharger le niveau</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Informations du niveau</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Revenir au début</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Jouer la solution</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Il reste tel quel : la liste de niveaux de cette session n&apos;y est pas enregistrée.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Voulez-vous réellement quitter la Warehaus4 ?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Quitter et perdre la partie ?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Quitter sans enregistrer ?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Programme : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Auteur : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Date : %1 (aaaa-mm-jj)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-Mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>SiteWeb : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Niveaux : Microban et Microban II de David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Continuer et perdre la partie ?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Toutes les images</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icônes</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>Le skin « %1 » choisi la dernière fois est introuvable (son disque ou son dossier manque-t-il ?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>Le skin choisi la dernière fois est inutilisable :</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Les tuiles d&apos;origine sont affichées en attendant. Le skin reste choisi et sera de nouveau essayé au prochain démarrage ; Graphismes &gt; Charger en choisit un autre.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Jeu à l&apos;envers : cliquez sur une case libre pour placer le gardien.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>Le solveur et ses indices ne jouent qu&apos;à l&apos;endroit : quittez d&apos;abord le jeu à l&apos;envers.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer Sous</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Vider la Playlist</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Playlist par Défaut</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Avant Plan</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportionnel</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Etiré</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Couleur de Transparence</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Couleur de la Grille</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Arrière Plan</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Aucun Arrière Plan</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Effet Coloré</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Couleur 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Couleur 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Echanger Couleurs</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Charger Texture</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Charger Image</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphismes</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Pousseur orienté (skins à 8 rangées)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopper</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activés</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Désactivés</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Associer Extension</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Dernière position soluble</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Alertes de blocage</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Enregistrer un instantané</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Reprendre la partie</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Optimiser la solution</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Vérification de solubilité en direct</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Jeu à l&apos;envers</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Envoyer Mail</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Site Web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>A propos</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Niveau=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Taille=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Envers=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Bouge=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Tire=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Pousse=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Placez le gardien</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Temps=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Fait=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>A faire=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>Le niveau a des modifications non enregistrées. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>MEILLEUR SCORE !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Voulez-vous enregistrer la solution ?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Le fichier %1 fait %2, plus qu&apos;une collection ne peut en contenir (%3) : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>le plateau n&apos;a pas de gardien</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>le plateau a %1 gardiens</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>le plateau dépasse 50 × 50 cases</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>la solution contient autre chose que des mouvements</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>la solution échoue au mouvement %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>la solution ne résout pas le niveau</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Niveau %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Niveau %1 (%2), ligne %3 : %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>FELICITATIONS !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>BOUGE = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>POUSSE = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>TEMPS = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 Mio</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>niveau remplacé le %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Le fichier %1 fait %2, plus qu&apos;un niveau ne peut en contenir (%3) : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>LES DEUX PARTIES SE REJOIGNENT !!!<byte value="xd"/>
Les coups joués à l&apos;endroit et ceux joués à l&apos;envers résolvent ensemble le niveau.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>RÉSOLU À L&apos;ENVERS !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Ce niveau ne se joue pas à l&apos;envers : il lui faut un gardien et autant de caisses que de cibles.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Le fichier %1 fait %2, plus qu&apos;un fichier d&apos;instantanés ne peut en contenir (%3) : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Impossible de lire le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Rien n&apos;y a été écrit.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>La partie compte %1 mouvements, plus qu&apos;un instantané ne peut en contenir (%2) : elle n&apos;a pas été gardée dans %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Le fichier %1 atteindrait %2, plus qu&apos;un fichier d&apos;instantanés ne peut en contenir (%3) : l&apos;instantané n&apos;a pas été gardé.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Le fichier %1 fait %2, plus qu&apos;une liste de niveaux ne peut en contenir (%3) : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Il n&apos;est pas remplacé.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Voulez-vous réellement vider la playlist</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Voulez-vous réellement recharger les niveaux par défaut</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Le fichier %1 fait %2, plus qu&apos;un fichier de solution ne peut en contenir (%3) : il n&apos;a pas été lu.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Voulez-vous réellement créer un nouveau niveau ?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Voulez-vous réellement stocker ces modifs ?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Voulez-vous réellement annuler les modifs ?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Voulez-vous sauvegarder le niveau maintenant ?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Instantané %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Enregistrer un instantané sous le nom proposé</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Quitter le plein écran, ou le programme</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Retour au début</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refaire</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Jusqu&apos;à la dernière position</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Importer une collection</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Copier le niveau</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Coller un niveau</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Copier la solution</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Coller une solution</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Aller à gauche</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Aller en haut</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Aller à droite</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Aller en bas</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Décaler le niveau à gauche</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Décaler le niveau vers le haut</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Décaler le niveau à droite</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Décaler le niveau vers le bas</translation>
    </message>
</context>
</TS>
