<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… e mais %1</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Lendo a coleção…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Nenhuma fase pôde ser lida deste arquivo.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>Já existem %1 arquivos nesta pasta (o primeiro: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Entre eles, %1 arquivos de solução, substituídos ou removidos com suas fases: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 arquivos de instantâneos ficam como estão, pois seus tabuleiros não mudaram: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 arquivos de instantâneos de tabuleiros alterados são guardados à parte, renomeados: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Deseja continuar?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Deseja substituí-los?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Importando as fases…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Instantâneos de fases alteradas guardados à parte:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>A importação parou na fase %1: %2<byte value="xd"/>
As %3 fases gravadas antes estão na lista.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 fases importadas, %2 com solução, %3 ignoradas</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>A importação foi cancelada; as fases já gravadas permanecem.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 fases exportadas</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Deixados de fora (arquivo inexistente ou sem tabuleiro):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>A área de transferência não contém nenhuma fase.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>A solução é verificada na fase salva, e mostrá-la no modo Solução descarta as alterações.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>A área de transferência não contém movimentos.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>A solução falha no movimento %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Depois de seus %1 movimentos, a fase não está resolvida.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>O Warehaus4 está instalado: seu pacote já abre os arquivos XSB com ele.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Deseja realmente associar a extensão XSB ao Warehaus4?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>Os arquivos XSB serão abertos a partir de agora com o Warehaus4!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>é preciso exatamente um carregador</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>é preciso ter tantas caixas quanto alvos, pelo menos uma</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>uma caixa ou um alvo está onde o carregador nunca pode chegar</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>é grande demais para o solucionador</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Tempo: %1 s    Posições exploradas: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Posições verificadas: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Mostrar a solução no modo Solução descarta as alterações.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>O solucionador está ocupado: cancele primeiro a busca dele.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>O carregador não consegue chegar lá.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Essa caixa não pode ser empurrada até lá.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Bloqueio: uma caixa não pode mais ser puxada de volta a uma casa inicial.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Bloqueio: %1 caixas não podem mais ser puxadas de volta a uma casa inicial.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Bloqueio: uma caixa não pode mais chegar a um alvo.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Bloqueio: %1 caixas não podem mais chegar a um alvo.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Esta posição já está resolvida.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Esta fase já está resolvida.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>A fase como está desenhada não tem solução.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Esta posição não tem mais solução.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Esta fase não tem solução.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Nenhuma solução encontrada dentro do limite de tempo de %1 segundos.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Nenhuma solução encontrada dentro do limite de memória de %1 MiB.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Esta fase não pode ser resolvida como está: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Solução encontrada: %1 movimentos, %2 empurrões.<byte value="xd"/>
<byte value="xd"/>
Deseja assistir?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(As alterações não salvas da fase serão perdidas.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Resolvendo a fase...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Esta fase ainda não tem solução.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>A solução salva não resolve esta fase.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Deseja resolvê-la agora?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Procurando uma dica...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Dica: empurre a caixa marcada (H faz isso).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Esta posição não tem mais solução.<byte value="xd"/>
<byte value="xd"/>
Deseja voltar à última posição a partir da qual ela tem?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Sem dica: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Nenhuma dica encontrada em %1 segundos.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Esta fase não tem solução, nem mesmo desde o início.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>A fase ainda pode ser resolvida a partir da posição mostrada.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>De volta ao movimento %1 (não está provado que os seguintes estejam perdidos).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>De volta ao movimento %1: a última posição vencível.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>A fase pode ser resolvida a partir do movimento %1. Algumas posições posteriores não puderam ser verificadas a tempo, então uma delas também pode ser vencível.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>As posições não puderam ser verificadas a tempo. Mostrado: movimento %1, o último antes do primeiro empurrão duvidoso; não está provado que seja vencível.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Procurando a última posição com solução...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>é preciso um carregador</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>caixas e alvos diferem</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>caixa ou alvo fora de alcance</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>grande demais para o solucionador</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Verificando se tem solução...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Ainda não é válida: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 empurrão</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 empurrões</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 movimento</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 movimentos</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Solucionável em %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Sem solução</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Sem veredito em %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Resolvendo a fase primeiro...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Otimizando a solução...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Melhor até agora: %1 movimentos, %2 empurrões</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Esta fase não pode ser lida do seu arquivo.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Esta fase não tem solução para otimizar: a salva não a resolve, e o solucionador não encontrou nenhuma (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Esta fase não tem solução para otimizar: nenhuma está salva, e o solucionador não encontrou nenhuma (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>Não foi possível otimizar a solução (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Solução mais curta encontrada: %1 movimentos, %2 empurrões (antes: %3 movimentos, %4 empurrões).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Nenhuma solução mais curta encontrada: %1 movimentos, %2 empurrões (antes: %3 movimentos, %4 empurrões).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
A solução salva não resolve a fase: partiu-se da do solucionador.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
A fase não tinha solução salva: partiu-se da do solucionador.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Todas as posições foram exploradas: nenhuma é mais curta.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Deseja assistir?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Fases</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filtrar por título ou nome de arquivo</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Ainda não resolvidas</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Enter ou clique duplo: jogar a fase</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 de %2 resolvidas</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (lendo os arquivos…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Caixas</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Resolvida</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimentos</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Empurrões</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(arquivo inexistente)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(arquivo ilegível)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(nenhum tabuleiro no arquivo)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Uma partida em andamento: Ferramentas &gt; Retomar partida</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Instantâneos</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
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
        <translation>Esta fase não guarda instantâneos: só os arquivos de fase .xsb guardam.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Ainda não há instantâneos desta fase: Ferramentas &gt; Salvar instantâneo guarda um.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (ao contrário)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(guardado automaticamente)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sem nome)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Nome do instantâneo:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Excluir o instantâneo &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Instantâneos são tirados no modo Jogo.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Nenhuma partida em andamento nesta fase.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Restaurar a posição joga a fase como o arquivo a contém e descarta as alterações.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Este instantâneo não corresponde mais à fase: a fase mudou desde então.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
A partida em andamento não é guardada no disco até ser deixada.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Até você sair, Retomar partida (F9) na fase dela ainda traz de volta a partida que a última sessão deixou.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>JOGAR</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDITOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUÇÃO</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Desfazer / Refazer : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Velocidade : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Primeira fase</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Fase anterior</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Recomeçar a fase</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Próxima fase</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Última fase</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Parede</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Carregador</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Carregador sobre um alvo</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Caixa</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Caixa sobre um alvo</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Piso</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Ajustar a moldura à fase</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Salvar a fase</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Recarregar a fase</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Informações da fase</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Reproduzir a solução</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Ele fica como está: a lista desta sessão não é salva nele.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Deseja realmente sair do Warehaus4?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Sair e perder a partida?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Sair sem salvar?</translation>
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
        <translation>Versão : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Data : %1 (aaaa-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Site : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Fases : Microban e Microban II de David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Continuar e perder a partida?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Todas as imagens</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Bitmaps</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ícones</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>A skin &quot;%1&quot; escolhida da última vez não está lá (falta a unidade ou a pasta dela?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>A skin escolhida da última vez não pode ser usada:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Enquanto isso, são mostrados os blocos embutidos. A skin continua escolhida e será tentada de novo na próxima vez; Gráficos &gt; Carregar escolhe outra.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Jogo ao contrário: clique em uma casa livre para colocar o carregador.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>O solucionador e suas dicas só jogam para a frente: saia primeiro do jogo ao contrário.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Esvaziar a lista</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Lista padrão</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibição</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Primeiro plano</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proporcional</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Esticado</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Cor de transparência</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Cor da grade</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fundo</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Sem fundo</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Efeito colorido</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Cor 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Cor 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Trocar cores</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Carregar textura</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Carregar imagem</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Carregador orientado (skins de 8 linhas)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativados</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativados</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Associar extensão</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Última posição com solução</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Alertas de bloqueio</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Salvar instantâneo</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Retomar partida</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Otimizar solução</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Verificação de solução ao vivo</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Jogo ao contrário</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Enviar e-mail</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Fase=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Tam.=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Contrário=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Mov.=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Puxões=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Empurrões=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Coloque o carregador</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Tempo=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Feito=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Falta=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>A fase tem alterações não salvas. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Deseja continuar?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>MELHOR PONTUAÇÃO !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Deseja salvar a solução?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>O arquivo %1 tem %2, mais do que uma coleção pode conter (%3): não foi lido.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>o tabuleiro não tem carregador</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>o tabuleiro tem %1 carregadores</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>o tabuleiro passa de 50 × 50 casas</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>a solução contém algo além de movimentos</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>a solução falha no movimento %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>a solução não resolve a fase</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Fase %1, linha %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Fase %1 (%2), linha %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>PARABÉNS !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>MOVIMENTOS = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>EMPURRÕES = </translation>
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
        <translation>fase substituída em %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>O arquivo %1 tem %2, mais do que uma fase pode conter (%3): não foi lido.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>AS DUAS PARTIDAS SE ENCONTRAM !!!<byte value="xd"/>
Os movimentos para a frente e os puxões ao contrário juntos resolvem a fase.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>RESOLVIDA AO CONTRÁRIO !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Esta fase não pode ser jogada ao contrário: precisa de um carregador e de tantas caixas quanto alvos.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>O arquivo %1 tem %2, mais do que um arquivo de instantâneos pode conter (%3): não foi lido.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Não é possível ler o arquivo &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Nada foi gravado nele.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>A partida tem %1 movimentos, mais do que um instantâneo pode conter (%2): não foi guardada em %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>O arquivo %1 chegaria a %2, mais do que um arquivo de instantâneos pode conter (%3): o instantâneo não foi guardado.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>O arquivo %1 tem %2, mais do que uma lista de fases pode conter (%3): não foi lido.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Ele não é substituído.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Deseja realmente esvaziar a lista?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Deseja realmente recarregar a lista padrão?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>O arquivo %1 tem %2, mais do que um arquivo de solução pode conter (%3): não foi lido.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Deseja realmente criar uma nova fase?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Deseja realmente aplicar as alterações?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Deseja realmente descartar as alterações?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Deseja salvar a fase agora?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Instantâneo %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Salvar instantâneo com o nome proposto</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Sair da tela cheia, ou do jogo</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Tela cheia</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Voltar ao início</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Até a última posição</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Importar coleção</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Exportar a lista</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Copiar fase</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Colar fase</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Copiar solução</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Colar solução</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Ir para a esquerda</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Ir para cima</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Ir para a direita</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Ir para baixo</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Deslocar a fase para a esquerda</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Deslocar a fase para cima</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Deslocar a fase para a direita</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Deslocar a fase para baixo</translation>
    </message>
</context>
</TS>
