<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… e altri %1</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Lettura della raccolta…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Non è stato possibile leggere alcun livello da questo file.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>In questa cartella esistono già %1 file (il primo: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Tra questi, %1 file di soluzione, sostituiti o rimossi con il loro livello: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 file di istantanee restano come sono, perché il loro schema non è cambiato: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 file di istantanee di schemi cambiati vengono messi da parte, rinominati: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Vuoi continuare?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Vuoi sostituirli?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Importazione dei livelli…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Istantanee dei livelli cambiati messe da parte:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>L&apos;importazione si è fermata al livello %1: %2<byte value="xd"/>
I %3 livelli scritti prima sono nella playlist.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 livelli importati, %2 con soluzione, %3 scartati</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>L&apos;importazione è stata annullata; i livelli già scritti restano.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 livelli esportati</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Esclusi (file mancante o senza schema):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>Gli appunti non contengono alcun livello.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>La soluzione viene verificata sul livello salvato, e mostrarla in modalità Soluzione scarta le modifiche.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>Gli appunti non contengono mosse.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>La soluzione fallisce alla mossa %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Dopo le sue %1 mosse il livello non è risolto.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 è installato: il suo pacchetto apre già i file XSB con esso.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Vuoi davvero associare l&apos;estensione XSB a Warehaus4?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>D&apos;ora in poi i file XSB verranno aperti con Warehaus4!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>serve esattamente un magazziniere</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>servono tante casse quanti obiettivi, almeno una</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>una cassa o un obiettivo si trova dove il magazziniere non può mai arrivare</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>è troppo grande per il risolutore</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Tempo: %1 s    Posizioni esplorate: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Posizioni verificate: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Mostrare la soluzione in modalità Soluzione scarta le modifiche.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>Il risolutore è occupato: annulla prima la sua ricerca.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>Il magazziniere non può arrivare lì.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Quella cassa non può essere spinta lì.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Stallo: una cassa non può più essere tirata indietro fino a una casella di partenza.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Stallo: %1 casse non possono più essere tirate indietro fino a una casella di partenza.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Stallo: una cassa non può più raggiungere un obiettivo.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Stallo: %1 casse non possono più raggiungere un obiettivo.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Questa posizione è già risolta.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Questo livello è già risolto.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Il livello così com&apos;è disegnato non può essere risolto.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Questa posizione non può più essere risolta.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Questo livello non può essere risolto.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Nessuna soluzione trovata entro il limite di tempo di %1 secondi.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Nessuna soluzione trovata entro il limite di memoria di %1 MiB.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Questo livello non può essere risolto così com&apos;è: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Soluzione trovata: %1 mosse, %2 spinte.<byte value="xd"/>
<byte value="xd"/>
Vuoi guardarla?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Le modifiche non salvate del livello andranno perse.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Risoluzione del livello...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Questo livello non ha ancora una soluzione.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>La soluzione salvata non risolve questo livello.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Vuoi risolverlo adesso?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Ricerca di un suggerimento...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Suggerimento: spingi la cassa segnata (H lo fa per te).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Questa posizione non può più essere risolta.<byte value="xd"/>
<byte value="xd"/>
Vuoi tornare all&apos;ultima posizione da cui si può?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Nessun suggerimento: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Nessun suggerimento trovato in %1 secondi.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Questo livello non può essere risolto, nemmeno dall&apos;inizio.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Il livello può ancora essere risolto dalla posizione mostrata.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Ritorno alla mossa %1 (non è provato che le successive siano perse).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Ritorno alla mossa %1: l&apos;ultima posizione vincente.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Il livello può essere risolto dalla mossa %1. Alcune posizioni successive non sono state verificate in tempo, quindi anche una di esse potrebbe essere vincente.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Le posizioni non sono state verificate in tempo. Mostrata: la mossa %1, l&apos;ultima prima della prima spinta dubbia; non è provato che sia vincente.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Ricerca dell&apos;ultima posizione risolvibile...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>serve un magazziniere</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>casse e obiettivi diversi</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>una cassa o un obiettivo irraggiungibile</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>troppo grande per il risolutore</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Verifica della risolvibilità...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Non ancora valido: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 spinta</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 spinte</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 mossa</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 mosse</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Risolvibile in %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Irrisolvibile</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Nessun verdetto in %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Prima risoluzione del livello...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Ottimizzazione della soluzione...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Migliore finora: %1 mosse, %2 spinte</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Questo livello non può essere letto dal suo file.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Questo livello non ha una soluzione da ottimizzare: quella salvata non lo risolve e il risolutore non ne ha trovata nessuna (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Questo livello non ha una soluzione da ottimizzare: nessuna è salvata e il risolutore non ne ha trovata nessuna (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>Non è stato possibile ottimizzare la soluzione (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Trovata una soluzione più corta: %1 mosse, %2 spinte (prima: %3 mosse, %4 spinte).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Nessuna soluzione più corta trovata: %1 mosse, %2 spinte (prima: %3 mosse, %4 spinte).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
La soluzione salvata non risolve il livello: si è partiti da quella del risolutore.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Il livello non aveva una soluzione salvata: si è partiti da quella del risolutore.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Sono state esplorate tutte le posizioni: nessuna è più corta.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Vuoi guardarla?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filtra per titolo o nome del file</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Non ancora risolti</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Invio o doppio clic: gioca il livello</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 di %2 risolti</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (lettura dei file…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Casse</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Spinte</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(file mancante)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(file illeggibile)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(nessuno schema nel file)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Una partita in corso: Strumenti &gt; Riprendi partita</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Istantanee</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Questo livello non conserva istantanee: lo fanno solo i file di livello .xsb.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Ancora nessuna istantanea di questo livello: Strumenti &gt; Salva istantanea ne conserva una.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (al contrario)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(salvata automaticamente)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(senza nome)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Nome dell&apos;istantanea:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Eliminare l&apos;istantanea «%1»?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Le istantanee si prendono in modalità Gioco.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Nessuna partita in corso su questo livello.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Ripristinare la posizione gioca il livello come lo contiene il suo file e scarta le modifiche.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Questa istantanea non corrisponde più al livello: il livello è cambiato da allora.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
La partita in corso non viene salvata su disco finché non la lasci.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Finché non esci, Riprendi partita (F9) sul suo livello riporta ancora la partita lasciata dall&apos;ultima sessione.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>GIOCA</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUZIONE</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Annulla / Ripeti : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Velocità : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Primo livello</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Livello precedente</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Ricomincia il livello</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Livello successivo</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Ultimo livello</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Magazziniere</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Magazziniere su un obiettivo</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Cassa</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Cassa su un obiettivo</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Obiettivo</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Pavimento</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Adatta la cornice al livello</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Salva il livello</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Ricarica il livello</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Informazioni sul livello</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Riavvolgi</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Riproduci la soluzione</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Resta com&apos;è: la playlist di questa sessione non vi viene salvata.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Vuoi davvero uscire da Warehaus4?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Uscire e perdere la partita?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Uscire senza salvare?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Programma : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Autore : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versione : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Data : %1 (aaaa-mm-gg)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Sito web : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Livelli : Microban e Microban II di David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Continuare e perdere la partita?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Tutte le immagini</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Icone</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>La skin «%1» scelta l&apos;ultima volta non c&apos;è (manca la sua unità o cartella?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>La skin scelta l&apos;ultima volta non può essere usata:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Nel frattempo vengono mostrate le tessere incorporate. La skin resta scelta e verrà riprovata al prossimo avvio; Grafica &gt; Carica ne sceglie un&apos;altra.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Gioco al contrario: fai clic su una casella libera per posizionare il magazziniere.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>Il risolutore e i suoi suggerimenti giocano solo in avanti: esci prima dal gioco al contrario.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Svuota la playlist</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Playlist predefinita</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Primo piano</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proporzionale</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Stirato</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Colore di trasparenza</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Colore della griglia</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Nessuno sfondo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Effetto colorato</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Colore 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Colore 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Scambia colori</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Carica texture</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carica immagine</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafica</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Magazziniere orientato (skin a 8 righe)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Riproduci</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Attivati</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disattivati</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Associa estensione</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Ultima posizione risolvibile</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Avvisi di stallo</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Salva istantanea</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Riprendi partita</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Ottimizza soluzione</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Verifica di risolvibilità in diretta</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Gioco al contrario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Invia e-mail</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Livello=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Dim.=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Contrario=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Mosse=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Tirate=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Spinte=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Posiziona il magazziniere</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Tempo=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Fatte=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Da fare=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>Il livello ha modifiche non salvate. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Vuoi continuare?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>MIGLIOR PUNTEGGIO !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Vuoi salvare la soluzione?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Il file %1 occupa %2, più di quanto possa contenere una raccolta (%3): non è stato letto.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>lo schema non ha un magazziniere</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>lo schema ha %1 magazzinieri</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>lo schema supera 50 × 50 caselle</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>la soluzione contiene altro oltre alle mosse</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>la soluzione fallisce alla mossa %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>la soluzione non risolve il livello</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Livello %1, riga %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Livello %1 (%2), riga %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>CONGRATULAZIONI !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>MOSSE = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>SPINTE = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>TEMPO = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>livello sostituito il %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Il file %1 occupa %2, più di quanto possa contenere un livello (%3): non è stato letto.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>LE DUE PARTITE SI INCONTRANO !!!<byte value="xd"/>
Le mosse in avanti e le tirate al contrario insieme risolvono il livello.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>RISOLTO AL CONTRARIO !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Questo livello non si può giocare al contrario: servono un magazziniere e tante casse quanti obiettivi.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Il file %1 occupa %2, più di quanto possa contenere un file di istantanee (%3): non è stato letto.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Impossibile leggere il file «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Non vi è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>La partita ha %1 mosse, più di quante possa contenerne un&apos;istantanea (%2): non è stata salvata in %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Il file %1 arriverebbe a %2, più di quanto possa contenere un file di istantanee (%3): l&apos;istantanea non è stata salvata.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Il file %1 occupa %2, più di quanto possa contenere una playlist (%3): non è stato letto.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Non viene sostituito.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Vuoi davvero svuotare la playlist?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Vuoi davvero ricaricare la playlist predefinita?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Il file %1 occupa %2, più di quanto possa contenere un file di soluzione (%3): non è stato letto.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Vuoi davvero creare un nuovo livello?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Vuoi davvero applicare le modifiche?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Vuoi davvero annullare le modifiche?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Vuoi salvare il livello adesso?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Istantanea %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Salva istantanea con il nome proposto</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Esci dallo schermo intero, o dal gioco</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Torna all&apos;inizio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>All&apos;ultima posizione</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Importa raccolta</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Esporta la playlist</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Copia livello</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Incolla livello</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Copia soluzione</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Incolla soluzione</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Vai a sinistra</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Vai in alto</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Vai a destra</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Vai in basso</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Sposta il livello a sinistra</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Sposta il livello in alto</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Sposta il livello a destra</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Sposta il livello in basso</translation>
    </message>
</context>
</TS>
