<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… en nog %1</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Verzameling wordt gelezen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Uit dit bestand kon geen level worden gelezen.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>Er staan al %1 bestanden in deze map (de eerste: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Daaronder %1 oplossingsbestanden, die met hun level worden vervangen of verwijderd: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 snapshotbestanden blijven zoals ze zijn, want hun speelveld is niet veranderd: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 snapshotbestanden van veranderde speelvelden worden hernoemd apart bewaard: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Wilt u doorgaan?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Wilt u ze vervangen?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Levels worden geïmporteerd…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Apart bewaarde snapshots van veranderde levels:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>De import stopte bij level %1: %2<byte value="xd"/>
De %3 eerder geschreven levels staan in de speellijst.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 levels geïmporteerd, %2 met oplossing, %3 overgeslagen</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>De import is geannuleerd; de eerder geschreven levels blijven.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 levels geëxporteerd</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Weggelaten (bestand ontbreekt of heeft geen speelveld):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>Het klembord bevat geen level.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>De oplossing wordt gecontroleerd op het opgeslagen level, en haar tonen in de modus Oplossing gooit de wijzigingen weg.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>Het klembord bevat geen zetten.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>De oplossing faalt bij zet %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Na haar %1 zetten is het level niet opgelost.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 is geïnstalleerd: het pakket opent de XSB-bestanden er al mee.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Wilt u de extensie XSB echt aan Warehaus4 koppelen?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>XSB-bestanden worden vanaf nu met Warehaus4 geopend!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>er is precies één magazijnknecht nodig</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>er zijn evenveel kisten als doelen nodig, minstens één</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>een kist of doel ligt waar de magazijnknecht nooit kan komen</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>het is te groot voor de oplosser</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Tijd: %1 s    Onderzochte posities: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Gecontroleerde posities: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>De oplossing tonen in de modus Oplossing gooit de wijzigingen weg.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>De oplosser is bezig: annuleer eerst zijn zoektocht.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>De magazijnknecht kan daar niet komen.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Die kist kan daar niet heen geduwd worden.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Vastgelopen: een kist kan niet meer terug naar een startvak getrokken worden.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Vastgelopen: %1 kisten kunnen niet meer terug naar een startvak getrokken worden.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Vastgelopen: een kist kan geen doel meer bereiken.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Vastgelopen: %1 kisten kunnen geen doel meer bereiken.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Deze positie is al opgelost.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Dit level is al opgelost.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Het level zoals het getekend is, is niet oplosbaar.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Deze positie is niet meer oplosbaar.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Dit level is niet oplosbaar.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Geen oplossing gevonden binnen de tijdslimiet van %1 seconden.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Geen oplossing gevonden binnen de geheugenlimiet van %1 MiB.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Dit level is zo niet oplosbaar: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Oplossing gevonden: %1 zetten, %2 duwen.<byte value="xd"/>
<byte value="xd"/>
Wilt u haar bekijken?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(De niet-opgeslagen wijzigingen van het level gaan verloren.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Level wordt opgelost...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Dit level heeft nog geen oplossing.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>De opgeslagen oplossing lost dit level niet op.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Wilt u het nu oplossen?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Hint wordt gezocht...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Hint: duw de gemarkeerde kist (H doet het).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Deze positie is niet meer oplosbaar.<byte value="xd"/>
<byte value="xd"/>
Wilt u terug naar de laatste positie van waaruit het nog kan?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Geen hint: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Geen hint gevonden binnen %1 seconden.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Dit level is niet oplosbaar, zelfs niet vanaf het begin.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Het level is vanaf de getoonde positie nog oplosbaar.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Terug naar zet %1 (latere niet bewezen verloren).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Terug naar zet %1: de laatste winbare positie.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Het level is oplosbaar vanaf zet %1. Sommige latere posities konden niet op tijd gecontroleerd worden, dus een daarvan kan ook winbaar zijn.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>De posities konden niet op tijd gecontroleerd worden. Getoond: zet %1, de laatste vóór de eerste twijfelachtige duw; niet bewezen winbaar.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Laatste oplosbare positie wordt gezocht...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>één magazijnknecht nodig</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>kisten en doelen verschillen</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>kist of doel onbereikbaar</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>te groot voor de oplosser</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Controleren of het oplosbaar is...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Nog niet geldig: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 duw</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 duwen</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 zet</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 zetten</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Oplosbaar in %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Onoplosbaar</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Onbeslist binnen %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Level wordt eerst opgelost...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Oplossing wordt geoptimaliseerd...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Beste tot nu toe: %1 zetten, %2 duwen</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Dit level kan niet uit zijn bestand gelezen worden.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Dit level heeft geen oplossing om te optimaliseren: de opgeslagen lost het niet op, en de oplosser vond er geen (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Dit level heeft geen oplossing om te optimaliseren: er is er geen opgeslagen, en de oplosser vond er geen (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>De oplossing kon niet geoptimaliseerd worden (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Kortere oplossing gevonden: %1 zetten, %2 duwen (eerst: %3 zetten, %4 duwen).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Geen kortere oplossing gevonden: %1 zetten, %2 duwen (eerst: %3 zetten, %4 duwen).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
De opgeslagen oplossing lost het level niet op: die van de oplosser was het begin.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Het level had geen opgeslagen oplossing: die van de oplosser was het begin.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Elke positie is doorzocht: geen enkele is korter.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Wilt u haar bekijken?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filteren op titel of bestandsnaam</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Nog niet opgelost</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Enter of dubbelklik: level spelen</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 van %2 opgelost</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (bestanden worden gelezen…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Speelveld</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Zetten</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Duwen</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(bestand ontbreekt)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(bestand onleesbaar)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(geen speelveld in het bestand)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Een poging loopt: Extra &gt; Poging hervatten</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Snapshots</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Hernoemen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Dit level bewaart geen snapshots: alleen .xsb-levelbestanden doen dat.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Nog geen snapshot van dit level: Extra &gt; Snapshot opslaan bewaart er een.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (achteruit)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(automatisch bewaard)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(zonder naam)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Naam van de snapshot:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Snapshot &quot;%1&quot; verwijderen?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Snapshots worden in de modus Spelen gemaakt.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Geen lopende poging op dit level.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>De positie herstellen speelt het level zoals het bestand het bevat en gooit de wijzigingen weg.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Deze snapshot past niet meer bij het level: het level is sindsdien veranderd.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
De lopende poging wordt pas op schijf bewaard als u haar verlaat.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Tot u afsluit, haalt Poging hervatten (F9) op zijn level de poging terug die de laatste sessie achterliet.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPELEN</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>OPLOSSING</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Ongedaan / Opnieuw : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Snelheid : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Eerste level</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Vorige level</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Level opnieuw beginnen</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Volgende level</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Laatste level</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muur</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Magazijnknecht</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Magazijnknecht op een doel</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kist</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Kist op een doel</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Vloer</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Kader aan het level aanpassen</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Level opslaan</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Level opnieuw laden</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Levelinformatie</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Terugspoelen</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Oplossing afspelen</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Het blijft zoals het is: de speellijst van deze sessie wordt er niet in opgeslagen.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Wilt u Warehaus4 echt afsluiten?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Afsluiten en de poging verliezen?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Afsluiten zonder opslaan?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Programma : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Auteur : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versie : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Datum : %1 (jjjj-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Website : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Levels : Microban en Microban II door David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Doorgaan en de poging verliezen?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle afbeeldingen</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Pictogrammen</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>De vorige keer gekozen skin &quot;%1&quot; is er niet (ontbreekt zijn schijf of map?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>De vorige keer gekozen skin kan niet gebruikt worden:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Intussen worden de ingebouwde tegels getoond. De skin blijft gekozen en wordt bij de volgende start opnieuw geprobeerd; Graphics &gt; Laden kiest een andere.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Achteruit spelen: klik op een vrij vak om de magazijnknecht neer te zetten.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>De oplosser en zijn hints spelen alleen vooruit: stop eerst met achteruit spelen.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Speellijst legen</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Standaardspeellijst</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Weergave</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Voorgrond</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportioneel</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Uitgerekt</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Transparantiekleur</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Rasterkleur</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Achtergrond</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Geen achtergrond</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Kleureffect</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Kleur 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Kleur 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Kleuren wisselen</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textuur</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textuur laden</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Afbeelding laden</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Gerichte magazijnknecht (skins met 8 rijen)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Afspelen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluiden</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Extensie koppelen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Laatste oplosbare positie</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Waarschuwingen voor vastlopen</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Snapshot opslaan</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Poging hervatten</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Oplossing optimaliseren</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Live oplosbaarheidscontrole</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Achteruit spelen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Mail sturen</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Level=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Grootte=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Achteruit=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Zetten=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Trekken=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Duwen=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Knecht plaatsen</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Tijd=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Klaar=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Te doen=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>Het level heeft niet-opgeslagen wijzigingen. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>BESTE SCORE !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Wilt u de oplossing opslaan?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Het bestand %1 is %2, meer dan een verzameling mag bevatten (%3): het is niet gelezen.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>het speelveld heeft geen magazijnknecht</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>het speelveld heeft %1 magazijnknechten</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>het speelveld is groter dan 50 × 50 vakken</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>de oplossing bevat iets anders dan zetten</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>de oplossing faalt bij zet %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>de oplossing lost het level niet op</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Level %1, regel %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Level %1 (%2), regel %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>GEFELICITEERD !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>ZETTEN = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>DUWEN = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>TIJD = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>level vervangen op %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Het bestand %1 is %2, meer dan een level mag bevatten (%3): het is niet gelezen.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>DE TWEE POGINGEN ONTMOETEN ELKAAR !!!<byte value="xd"/>
De zetten vooruit en het trekken achteruit lossen samen het level op.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>ACHTERUIT OPGELOST !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Dit level kan niet achteruit gespeeld worden: er zijn één magazijnknecht en evenveel kisten als doelen nodig.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Het bestand %1 is %2, meer dan een snapshotbestand mag bevatten (%3): het is niet gelezen.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Kan bestand &quot;%1&quot; niet lezen: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Er is niets in geschreven.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>De poging heeft %1 zetten, meer dan een snapshot mag bevatten (%2): ze is niet bewaard in %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Het bestand %1 zou %2 worden, meer dan een snapshotbestand mag bevatten (%3): de snapshot is niet bewaard.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Het bestand %1 is %2, meer dan een speellijst mag bevatten (%3): het is niet gelezen.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Het wordt niet vervangen.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Wilt u de speellijst echt legen?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Wilt u de standaardspeellijst echt opnieuw laden?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Het bestand %1 is %2, meer dan een oplossingsbestand mag bevatten (%3): het is niet gelezen.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Wilt u echt een nieuw level maken?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Wilt u de wijzigingen echt toepassen?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Wilt u de wijzigingen echt annuleren?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Wilt u het level nu opslaan?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Snapshot %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Snapshot opslaan onder de voorgestelde naam</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Volledig scherm verlaten, of afsluiten</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Terug naar het begin</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Naar de laatste positie</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Verzameling importeren</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Speellijst exporteren</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Level kopiëren</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Level plakken</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Oplossing kopiëren</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Oplossing plakken</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Naar links</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Naar boven</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Naar rechts</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Naar beneden</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Level naar links schuiven</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Level naar boven schuiven</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Level naar rechts schuiven</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Level naar beneden schuiven</translation>
    </message>
</context>
</TS>
