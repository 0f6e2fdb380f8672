<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Sammlung wird gelesen…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Aus dieser Datei konnte kein Level gelesen werden.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>%1 Dateien gibt es in diesem Ordner schon (die erste: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Darunter %1 Lösungsdateien, die mit ihrem Level ersetzt oder entfernt werden: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 Schnappschussdateien bleiben, wie sie sind, da ihr Spielfeld unverändert ist: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 Schnappschussdateien geänderter Spielfelder werden umbenannt beiseitegelegt: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Möchten Sie sie ersetzen?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Level werden importiert…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Beiseitegelegte Schnappschüsse geänderter Level:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>Der Import brach bei Level %1 ab: %2<byte value="xd"/>
Die %3 zuvor geschriebenen Level stehen in der Levelliste.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 Level importiert, %2 mit Lösung, %3 übersprungen</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>Der Import wurde abgebrochen; die zuvor geschriebenen Level bleiben.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 Level exportiert</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Ausgelassen (Datei fehlt oder enthält kein Spielfeld):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>Die Zwischenablage enthält kein Level.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>Die Lösung wird am gespeicherten Level geprüft, und sie im Lösungsmodus zu zeigen verwirft die Änderungen.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>Die Zwischenablage enthält keine Züge.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>Die Lösung scheitert bei Zug %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Nach ihren %1 Zügen ist das Level nicht gelöst.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 ist installiert: Sein Paket öffnet die XSB-Dateien bereits damit.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Möchten Sie die Endung XSB wirklich mit Warehaus4 verknüpfen?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>XSB-Dateien werden ab jetzt mit Warehaus4 geöffnet!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>es braucht genau einen Lagerarbeiter</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>es braucht so viele Kisten wie Zielfelder, mindestens eine</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>eine Kiste oder ein Zielfeld liegt, wo der Lagerarbeiter nie hinkommt</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>es ist zu groß für den Löser</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Zeit: %1 s    Untersuchte Stellungen: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Geprüfte Stellungen: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Die Lösung im Lösungsmodus zu zeigen verwirft die Änderungen.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>Der Löser ist beschäftigt: Brechen Sie zuerst seine Suche ab.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>Der Lagerarbeiter kommt dort nicht hin.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Diese Kiste lässt sich nicht dorthin schieben.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Blockade: Eine Kiste kann nicht mehr auf ein Startfeld zurückgezogen werden.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Blockade: %1 Kisten können nicht mehr auf ein Startfeld zurückgezogen werden.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Blockade: Eine Kiste kann kein Zielfeld mehr erreichen.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Blockade: %1 Kisten können kein Zielfeld mehr erreichen.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Diese Stellung ist bereits gelöst.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Dieses Level ist bereits gelöst.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Das Level ist so, wie es gezeichnet ist, nicht lösbar.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Diese Stellung ist nicht mehr lösbar.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Dieses Level ist nicht lösbar.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Keine Lösung innerhalb des Zeitlimits von %1 Sekunden gefunden.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Keine Lösung innerhalb des Speicherlimits von %1 MiB gefunden.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Dieses Level ist so nicht lösbar: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Lösung gefunden: %1 Züge, %2 Schübe.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie sie ansehen?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Die ungespeicherten Änderungen am Level gehen verloren.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Level wird gelöst...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Dieses Level hat noch keine Lösung.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>Die gespeicherte Lösung löst dieses Level nicht.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Möchten Sie es jetzt lösen?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Tipp wird gesucht...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Tipp: Schieben Sie die markierte Kiste (H erledigt das).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Diese Stellung ist nicht mehr lösbar.<byte value="xd"/>
<byte value="xd"/>
Möchten Sie zur letzten Stellung zurückgehen, von der aus sie lösbar ist?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Kein Tipp: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Kein Tipp innerhalb von %1 Sekunden gefunden.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Dieses Level ist nicht lösbar, nicht einmal vom Start aus.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Das Level ist von der gezeigten Stellung aus noch lösbar.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Zurück zu Zug %1 (spätere nicht als verloren bewiesen).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Zurück zu Zug %1: die letzte gewinnbare Stellung.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Das Level ist ab Zug %1 lösbar. Einige spätere Stellungen konnten nicht rechtzeitig geprüft werden, also könnte auch eine davon gewinnbar sein.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Die Stellungen konnten nicht rechtzeitig geprüft werden. Gezeigt: Zug %1, der letzte vor dem ersten zweifelhaften Schub; er ist nicht als gewinnbar bewiesen.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Suche nach der letzten lösbaren Stellung...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>ein Lagerarbeiter nötig</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>Kisten und Zielfelder ungleich</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>Kiste oder Zielfeld unerreichbar</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>zu groß für den Löser</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Prüfe, ob es lösbar ist...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Noch nicht gültig: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 Schub</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 Schübe</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 Zug</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 Züge</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Lösbar in %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Unlösbar</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Nicht entschieden in %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Level wird zuerst gelöst...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Lösung wird optimiert...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Beste bisher: %1 Züge, %2 Schübe</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Dieses Level kann nicht aus seiner Datei gelesen werden.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Dieses Level hat keine Lösung zum Optimieren: Die gespeicherte löst es nicht, und der Löser fand keine (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Dieses Level hat keine Lösung zum Optimieren: Keine ist gespeichert, und der Löser fand keine (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>Die Lösung konnte nicht optimiert werden (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Kürzere Lösung gefunden: %1 Züge, %2 Schübe (vorher: %3 Züge, %4 Schübe).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Keine kürzere Lösung gefunden: %1 Züge, %2 Schübe (vorher: %3 Züge, %4 Schübe).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Die gespeicherte Lösung löst das Level nicht: Die des Lösers war der Ausgangspunkt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Das Level hatte keine gespeicherte Lösung: Die des Lösers war der Ausgangspunkt.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Jede Stellung wurde durchsucht: Keine ist kürzer.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Möchten Sie sie ansehen?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Nach Titel oder Dateiname filtern</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Noch nicht gelöst</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Eingabe oder Doppelklick: Level spielen</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 von %2 gelöst</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (Dateien werden gelesen…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Kisten</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Schübe</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(Datei fehlt)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(Datei nicht lesbar)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(kein Spielfeld in der Datei)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Ein Versuch läuft: Werkzeuge &gt; Versuch fortsetzen</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Schnappschüsse</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Dieses Level hat keine Schnappschüsse: Nur .xsb-Leveldateien haben welche.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Noch kein Schnappschuss dieses Levels: Werkzeuge &gt; Schnappschuss speichern legt einen an.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (rückwärts)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(automatisch gespeichert)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Name des Schnappschusses:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Schnappschuss „%1“ löschen?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Schnappschüsse werden im Spielmodus gemacht.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Kein laufender Versuch in diesem Level.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Die Stellung wiederherzustellen spielt das Level, wie seine Datei es enthält, und verwirft die Änderungen.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Dieser Schnappschuss passt nicht mehr zum Level: Das Level wurde seitdem geändert.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
Der laufende Versuch wird erst auf der Festplatte gesichert, wenn er verlassen wird.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Bis Sie beenden, holt Versuch fortsetzen (F9) in seinem Level den Versuch zurück, den der letzte Lauf hinterließ.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>LÖSUNG</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Rückgängig / Wiederholen : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Tempo : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Erstes Level</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Voriges Level</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Level neu beginnen</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Nächstes Level</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Letztes Level</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Wand</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Lagerarbeiter</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Lagerarbeiter auf Zielfeld</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kiste</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Kiste auf Zielfeld</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Zielfeld</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Rahmen an das Level anpassen</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Level speichern</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Level neu laden</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Level-Informationen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Zurückspulen</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Lösung abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Sie bleibt, wie sie ist: Die Levelliste dieser Sitzung wird nicht darin gespeichert.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Möchten Sie Warehaus4 wirklich beenden?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Beenden und den Versuch verlieren?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Ohne Speichern beenden?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Programm : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Autor : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Version : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Datum : %1 (jjjj-mm-tt)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-Mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Website : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Level : Microban und Microban II von David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Fortfahren und den Versuch verlieren?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Alle Bilder</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Symbole</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>Der zuletzt gewählte Skin „%1“ ist nicht da (fehlt sein Laufwerk oder Ordner?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>Der zuletzt gewählte Skin kann nicht verwendet werden:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Solange werden die eingebauten Kacheln gezeigt. Der Skin bleibt gewählt und wird beim nächsten Start erneut versucht; Grafik &gt; Laden wählt einen anderen.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Rückwärtsspiel: Klicken Sie auf ein freies Feld, um den Lagerarbeiter zu setzen.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>Der Löser und seine Tipps spielen nur vorwärts: Verlassen Sie zuerst das Rückwärtsspiel.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Levelliste leeren</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Standard-Levelliste</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Vordergrund</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proportional</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Gestreckt</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Transparenzfarbe</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Gitterfarbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Kein Hintergrund</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Farbeffekt</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Farbe 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Farbe 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Farben tauschen</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Textur laden</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Bild laden</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Ausgerichteter Lagerarbeiter (8-Zeilen-Skins)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Dateiendung verknüpfen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Letzte lösbare Stellung</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Blockadewarnungen</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Schnappschuss speichern</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Versuch fortsetzen</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Lösung optimieren</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Lösbarkeit live prüfen</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Rückwärtsspiel</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Mail senden</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Level=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Größe=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Rückwärts=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Züge=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Gezogen=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Schübe=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Arbeiter setzen</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Zeit=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Fertig=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Offen=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>Das Level hat ungespeicherte Änderungen. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>BESTLEISTUNG !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Möchten Sie die Lösung speichern?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Die Datei %1 ist %2 groß, mehr als eine Sammlung fassen darf (%3): Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>das Spielfeld hat keinen Lagerarbeiter</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>das Spielfeld hat %1 Lagerarbeiter</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>das Spielfeld ist größer als 50 × 50 Felder</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>die Lösung enthält etwas anderes als Züge</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>die Lösung scheitert bei Zug %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>die Lösung löst das Level nicht</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Level %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Level %1 (%2), Zeile %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>GLÜCKWUNSCH !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>ZÜGE = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>SCHÜBE = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>ZEIT = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>ersetztes Level %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Die Datei %1 ist %2 groß, mehr als ein Level fassen darf (%3): Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>DIE BEIDEN VERSUCHE TREFFEN SICH !!!<byte value="xd"/>
Die Vorwärtszüge und die Rückwärtszüge lösen zusammen das Level.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>RÜCKWÄRTS GELÖST !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Dieses Level kann nicht rückwärts gespielt werden: Es braucht einen Lagerarbeiter und so viele Kisten wie Zielfelder.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Die Datei %1 ist %2 groß, mehr als eine Schnappschussdatei fassen darf (%3): Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Datei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Es wurde nichts hineingeschrieben.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>Der Versuch hat %1 Züge, mehr als ein Schnappschuss fassen darf (%2): Er wurde nicht in %3 gesichert.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Die Datei %1 würde auf %2 wachsen, mehr als eine Schnappschussdatei fassen darf (%3): Der Schnappschuss wurde nicht gesichert.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Die Datei %1 ist %2 groß, mehr als eine Levelliste fassen darf (%3): Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Sie wird nicht ersetzt.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Möchten Sie die Levelliste wirklich leeren?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Möchten Sie die Standard-Levelliste wirklich neu laden?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Die Datei %1 ist %2 groß, mehr als eine Lösungsdatei fassen darf (%3): Sie wurde nicht gelesen.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Möchten Sie wirklich ein neues Level anlegen?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Möchten Sie die Änderungen wirklich übernehmen?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Möchten Sie die Änderungen wirklich verwerfen?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Möchten Sie das Level jetzt speichern?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Schnappschuss %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Schnappschuss unter dem vorgeschlagenen Namen speichern</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Vollbild verlassen oder beenden</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Zurück zum Anfang</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Zur letzten Stellung</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Sammlung importieren</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Levelliste exportieren</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Level kopieren</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Level einfügen</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Lösung kopieren</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Lösung einfügen</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Nach links gehen</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben gehen</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Nach rechts gehen</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten gehen</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Level nach links verschieben</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Level nach oben verschieben</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Level nach rechts verschieben</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Level nach unten verschieben</translation>
    </message>
</context>
</TS>
