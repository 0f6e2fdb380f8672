<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Leyendo la colección…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>No se pudo leer ningún nivel de este archivo.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>Ya existen %1 archivos en esta carpeta (el primero: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Entre ellos, %1 archivos de solución, que se sustituyen o eliminan con su nivel: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 archivos de instantáneas se quedan como están, porque su tablero no ha cambiado: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 archivos de instantáneas de tableros cambiados se guardan aparte, renombrados: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> ¿Desea continuar?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> ¿Desea sustituirlos?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Importando los niveles…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Instantáneas de niveles cambiados guardadas aparte:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>La importación se detuvo en el nivel %1: %2<byte value="xd"/>
Los %3 niveles escritos antes están en la lista.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 niveles importados, %2 con solución, %3 descartados</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>La importación se canceló; los niveles ya escritos se quedan.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 niveles exportados</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Omitidos (archivo inexistente o sin tablero):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>El portapapeles no contiene ningún nivel.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>La solución se comprueba con el nivel guardado, y mostrarla en el modo Solución descarta los cambios.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>El portapapeles no contiene movimientos.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>La solución falla en el movimiento %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Tras sus %1 movimientos, el nivel no queda resuelto.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 está instalado: su paquete ya abre con él los archivos XSB.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>¿Desea realmente asociar la extensión XSB con Warehaus4?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>¡Los archivos XSB se abrirán a partir de ahora con Warehaus4!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>necesita exactamente un mozo</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>necesita tantas cajas como destinos, al menos una</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>hay una caja o un destino donde el mozo nunca puede llegar</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>es demasiado grande para el solucionador</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Tiempo: %1 s    Posiciones exploradas: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Posiciones comprobadas: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Mostrar la solución en el modo Solución descarta los cambios.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>El solucionador está ocupado: cancele primero su búsqueda.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>El mozo no puede llegar allí.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Esa caja no se puede empujar hasta allí.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Bloqueo: una caja ya no puede volver a una casilla de salida.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Bloqueo: %1 cajas ya no pueden volver a una casilla de salida.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Bloqueo: una caja ya no puede alcanzar un destino.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Bloqueo: %1 cajas ya no pueden alcanzar un destino.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Esta posición ya está resuelta.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Este nivel ya está resuelto.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>El nivel tal como está dibujado no tiene solución.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Esta posición ya no tiene solución.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Este nivel no tiene solución.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>No se encontró solución dentro del límite de tiempo de %1 segundos.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>No se encontró solución dentro del límite de memoria de %1 MiB.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Este nivel no se puede resolver tal como está: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Solución encontrada: %1 movimientos, %2 empujes.<byte value="xd"/>
<byte value="xd"/>
¿Desea verla?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Se perderán los cambios no guardados del nivel.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Resolviendo el nivel...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Este nivel aún no tiene solución.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>La solución guardada no resuelve este nivel.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
¿Desea resolverlo ahora?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Buscando una pista...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Pista: empuje la caja marcada (H lo hace).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Esta posición ya no tiene solución.<byte value="xd"/>
<byte value="xd"/>
¿Desea volver a la última posición desde la que la tiene?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Sin pista: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>No se encontró ninguna pista en %1 segundos.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Este nivel no tiene solución, ni siquiera desde su inicio.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>El nivel aún se puede resolver desde la posición mostrada.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Vuelta al movimiento %1 (no está probado que los siguientes estén perdidos).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Vuelta al movimiento %1: la última posición ganable.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>El nivel se puede resolver desde el movimiento %1. Algunas posiciones posteriores no se pudieron comprobar a tiempo, así que alguna también podría ser ganable.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Las posiciones no se pudieron comprobar a tiempo. Se muestra el movimiento %1, el último antes del primer empuje dudoso; no está probado que sea ganable.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Buscando la última posición con solución...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>falta un mozo, y solo uno</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>no hay tantas cajas como destinos</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>una caja o destino fuera de alcance</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>demasiado grande para el solucionador</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Comprobando si tiene solución...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Aún no es válido: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 empuje</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 empujes</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 movimiento</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 movimientos</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Tiene solución en %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Sin solución</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Sin veredicto en %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Resolviendo primero el nivel...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Optimizando la solución...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>La mejor hasta ahora: %1 movimientos, %2 empujes</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Este nivel no se puede leer de su archivo.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Este nivel no tiene solución que optimizar: la guardada no lo resuelve y el solucionador no encontró ninguna (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Este nivel no tiene solución que optimizar: no hay ninguna guardada y el solucionador no encontró ninguna (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>No se pudo optimizar la solución (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Solución más corta encontrada: %1 movimientos, %2 empujes (antes: %3 movimientos, %4 empujes).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>No se encontró una solución más corta: %1 movimientos, %2 empujes (antes: %3 movimientos, %4 empujes).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
La solución guardada no resuelve el nivel: se partió de la del solucionador.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
El nivel no tenía solución guardada: se partió de la del solucionador.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Se exploraron todas las posiciones: ninguna es más corta.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
¿Desea verla?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filtrar por título o nombre de archivo</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Aún sin resolver</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Intro o doble clic: jugar el nivel</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 de %2 resueltos</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (leyendo los archivos…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Cajas</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resuelto</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empujes</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(archivo inexistente)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(archivo ilegible)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(ningún tablero en el archivo)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Una partida en curso: Herramientas &gt; Reanudar partida</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantáneas</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Este nivel no guarda instantáneas: solo lo hacen los archivos de nivel .xsb.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Aún no hay instantáneas de este nivel: Herramientas &gt; Guardar instantánea guarda una.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (al revés)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(guardada automáticamente)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Nombre de la instantánea:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>¿Eliminar la instantánea «%1»?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Las instantáneas se toman en el modo Juego.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>No hay ninguna partida en curso en este nivel.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Restaurar la posición juega el nivel tal como lo guarda su archivo y descarta los cambios.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Esta instantánea ya no encaja con el nivel: el nivel ha cambiado desde entonces.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
La partida en curso no se guarda en disco hasta que se abandona.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Hasta que salga, Reanudar partida (F9) en su nivel aún recupera la partida que dejó la última sesión.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUCIÓN</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Deshacer / Rehacer : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Velocidad : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Primer nivel</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Nivel anterior</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Empezar de nuevo el nivel</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Nivel siguiente</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Último nivel</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Muro</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Mozo</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Mozo sobre un destino</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Caja sobre un destino</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Ajustar el marco al nivel</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Guardar el nivel</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Recargar el nivel</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Información del nivel</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Rebobinar</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Reproducir la solución</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Se queda como está: la lista de esta sesión no se guarda en él.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>¿Desea realmente salir de Warehaus4?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>¿Salir y perder la partida?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>¿Salir sin guardar?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Programa : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Autor : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Versión : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Fecha : %1 (aaaa-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>Correo : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Sitio web : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Niveles : Microban y Microban II de David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>¿Continuar y perder la partida?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas las imágenes</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Iconos</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>El skin «%1» elegido la última vez no está (¿falta su unidad o su carpeta?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>El skin elegido la última vez no se puede usar:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Mientras tanto se muestran los gráficos incorporados. El skin sigue elegido y se intentará de nuevo en el próximo inicio; Gráficos &gt; Cargar elige otro.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Juego al revés: haga clic en una casilla libre para colocar al mozo.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>El solucionador y sus pistas solo juegan hacia delante: salga primero del juego al revés.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Vaciar la lista</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Lista por defecto</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Primer plano</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proporcional</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Estirado</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Color de transparencia</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Color de la cuadrícula</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sin fondo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Efecto de color</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Color 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Color 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Intercambiar colores</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Cargar textura</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Mozo orientado (skins de 8 filas)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Activados</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desactivados</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Asociar extensión</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Última posición con solución</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Avisos de bloqueo</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Guardar instantánea</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Reanudar partida</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Optimizar solución</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Comprobación de solución en directo</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Juego al revés</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Enviar correo</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Nivel=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Tamaño=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Al revés=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Mov.=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Tirones=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Empujes=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Coloque al mozo</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Tiempo=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Hecho=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Falta=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>El nivel tiene cambios sin guardar. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
¿Desea continuar?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>¡¡¡MEJOR PUNTUACIÓN!!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>¿Desea guardar la solución?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>El archivo %1 ocupa %2, más de lo que puede contener una colección (%3): no se ha leído.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>el tablero no tiene mozo</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>el tablero tiene %1 mozos</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>el tablero supera las 50 × 50 casillas</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>la solución contiene algo que no son movimientos</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>la solución falla en el movimiento %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>la solución no resuelve el nivel</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Nivel %1, línea %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Nivel %1 (%2), línea %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>¡¡¡ENHORABUENA!!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>MOVIMIENTOS = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>EMPUJES = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>TIEMPO = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>nivel sustituido el %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>El archivo %1 ocupa %2, más de lo que puede contener un nivel (%3): no se ha leído.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>¡¡¡LAS DOS PARTIDAS SE ENCUENTRAN!!!<byte value="xd"/>
Los movimientos hacia delante y los tirones al revés resuelven juntos el nivel.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>¡¡¡RESUELTO AL REVÉS!!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Este nivel no se puede jugar al revés: necesita un mozo y tantas cajas como destinos.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>El archivo %1 ocupa %2, más de lo que puede contener un archivo de instantáneas (%3): no se ha leído.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 No se ha escrito nada en él.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>La partida tiene %1 movimientos, más de lo que puede contener una instantánea (%2): no se ha guardado en %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>El archivo %1 llegaría a %2, más de lo que puede contener un archivo de instantáneas (%3): la instantánea no se ha guardado.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>El archivo %1 ocupa %2, más de lo que puede contener una lista de niveles (%3): no se ha leído.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> No se sustituye.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>¿Desea realmente vaciar la lista?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>¿Desea realmente recargar la lista por defecto?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>El archivo %1 ocupa %2, más de lo que puede contener un archivo de solución (%3): no se ha leído.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>¿Desea realmente crear un nivel nuevo?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>¿Desea realmente aplicar los cambios?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>¿Desea realmente descartar los cambios?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>¿Desea guardar el nivel ahora?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Instantánea %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Guardar instantánea con el nombre propuesto</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Salir de pantalla completa, o del juego</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Volver al inicio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Hasta la última posición</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Importar colección</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Exportar la lista</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Copiar nivel</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Pegar nivel</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Copiar solución</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Pegar solución</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ir a la izquierda</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Ir arriba</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ir a la derecha</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ir abajo</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Desplazar el nivel a la izquierda</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Desplazar el nivel hacia arriba</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Desplazar el nivel a la derecha</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Desplazar el nivel hacia abajo</translation>
    </message>
</context>
</TS>
