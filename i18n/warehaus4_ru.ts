<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Чтение сборника…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Из этого файла не удалось прочитать ни одного уровня.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>В этой папке уже есть файлы: %1 (первый: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Среди них файлы решений, заменяемые или удаляемые вместе с уровнями (%1): %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
Файлы снимков, остающиеся как есть, так как их поля не изменились (%1): %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
Файлы снимков изменённых полей, откладываемые в сторону под новым именем (%1): %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Продолжить?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Заменить их?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Импорт уровней…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Снимки изменённых уровней, отложенные в сторону:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>Импорт остановился на уровне %1: %2<byte value="xd"/>
Записанные до него уровни (%3) есть в списке.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>Импортировано уровней: %1, с решением: %2, пропущено: %3</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>Импорт отменён; уже записанные уровни остаются.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>Экспортировано уровней: %1</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Пропущены (файла нет или в нём нет поля):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>В буфере обмена нет уровня.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>Решение проверяется на сохранённом уровне, а его показ в режиме Решение отбрасывает изменения.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>В буфере обмена нет ходов.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>Решение не срабатывает на ходе %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>После его ходов (%1) уровень не решён.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 установлен: его пакет уже открывает им файлы XSB.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Вы действительно хотите связать расширение XSB с Warehaus4?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>Отныне файлы XSB будут открываться в Warehaus4!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>нужен ровно один кладовщик</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>нужно столько же ящиков, сколько целей, хотя бы один</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>ящик или цель находится там, куда кладовщик никогда не попадёт</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>он слишком велик для решателя</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Время: %1 с    Исследовано позиций: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Проверено позиций: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Показ решения в режиме Решение отбрасывает изменения.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>Решатель занят: сначала отмените его поиск.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>Кладовщик не может туда пройти.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Этот ящик нельзя туда затолкать.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Тупик: ящик больше нельзя вытянуть обратно на стартовую клетку.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Тупик: ящики (%1) больше нельзя вытянуть обратно на стартовую клетку.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Тупик: ящик больше не может попасть на цель.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Тупик: ящики (%1) больше не могут попасть на цель.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Эта позиция уже решена.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Этот уровень уже решён.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Нарисованный уровень не имеет решения.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Эту позицию уже нельзя решить.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Этот уровень нельзя решить.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Решение не найдено за отведённое время (%1 с).</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Решение не найдено в пределах памяти (%1 МиБ).</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Этот уровень нельзя решить в таком виде: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Найдено решение: ходов %1, толчков %2.<byte value="xd"/>
<byte value="xd"/>
Посмотреть его?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Несохранённые изменения уровня будут потеряны.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Решение уровня...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>У этого уровня ещё нет решения.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>Сохранённое решение не решает этот уровень.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Решить его сейчас?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Поиск подсказки...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Подсказка: толкните отмеченный ящик (H сделает это).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Эту позицию уже нельзя решить.<byte value="xd"/>
<byte value="xd"/>
Вернуться к последней позиции, из которой это ещё возможно?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Нет подсказки: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Подсказка не найдена за %1 с.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Этот уровень нельзя решить даже с начала.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Уровень ещё можно решить из показанной позиции.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Возврат к ходу %1 (проигрыш последующих не доказан).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Возврат к ходу %1: последняя выигрышная позиция.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Уровень можно решить с хода %1. Некоторые более поздние позиции не удалось проверить вовремя, так что одна из них тоже может быть выигрышной.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Позиции не удалось проверить вовремя. Показан ход %1, последний перед первым сомнительным толчком; его выигрышность не доказана.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Поиск последней решаемой позиции...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>нужен один кладовщик</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>ящиков и целей не поровну</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>ящик или цель недостижимы</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>слишком велик для решателя</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Проверка, есть ли решение...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Пока не годится: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 толчок</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>толчков: %1</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 ход</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>ходов: %1</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Решается за %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Не решается</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Нет ответа за %1 с</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Сначала решение уровня...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Оптимизация решения...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Лучшее пока: ходов %1, толчков %2</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Этот уровень нельзя прочитать из его файла.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>У этого уровня нет решения для оптимизации: сохранённое его не решает, а решатель ничего не нашёл (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>У этого уровня нет решения для оптимизации: сохранённого нет, а решатель ничего не нашёл (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>Не удалось оптимизировать решение (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Найдено более короткое решение: ходов %1, толчков %2 (было: ходов %3, толчков %4).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Более короткое решение не найдено: ходов %1, толчков %2 (было: ходов %3, толчков %4).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Сохранённое решение не решает уровень: за основу взято решение решателя.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
У уровня не было сохранённого решения: за основу взято решение решателя.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Просмотрены все позиции: короче нет.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Посмотреть его?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Уровни</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Фильтр по названию или имени файла</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Ещё не решённые</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Enter или двойной щелчок: играть уровень</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>Решено %1 из %2</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (чтение файлов…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Ящики</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Решён</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Толчки</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(файла нет)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(файл не читается)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(в файле нет поля)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Идёт попытка: Сервис &gt; Продолжить попытку</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Этот уровень не хранит снимков: это делают только файлы уровней .xsb.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>У этого уровня ещё нет снимков: Сервис &gt; Сохранить снимок сохранит один.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (обратная)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(сохранён автоматически)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(без имени)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Имя снимка:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Удалить снимок «%1»?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Снимки делаются в режиме Игра.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>На этом уровне нет текущей попытки.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Восстановление позиции играет уровень в том виде, в каком он хранится в файле, и отбрасывает изменения.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Этот снимок больше не подходит к уровню: уровень с тех пор изменился.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
Текущая попытка не сохраняется на диск, пока вы её не покинете.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Пока вы не выйдете, Продолжить попытку (F9) на её уровне ещё вернёт попытку, оставленную прошлым запуском.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>ИГРА</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>РЕДАКТОР</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>РЕШЕНИЕ</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Отменить / Вернуть : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Скорость : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Первый уровень</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Предыдущий уровень</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Начать уровень заново</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Следующий уровень</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Последний уровень</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Стена</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Кладовщик</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Кладовщик на цели</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Ящик</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Ящик на цели</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Подогнать рамку под уровень</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Сохранить уровень</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Перезагрузить уровень</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Сведения об уровне</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Проиграть решение</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Он остаётся как есть: список этого сеанса в нём не сохраняется.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Вы действительно хотите выйти из Warehaus4?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Выйти и потерять попытку?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Выйти без сохранения?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Программа : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Автор : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Версия : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Дата : %1 (гггг-мм-дд)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Сайт : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Уровни : Microban и Microban II, автор David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Продолжить и потерять попытку?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Все изображения</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Точечные рисунки</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>Выбранного в прошлый раз скина «%1» нет на месте (нет его диска или папки?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>Выбранный в прошлый раз скин нельзя использовать:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Пока показаны встроенные плитки. Скин остаётся выбранным и будет снова опробован при следующем запуске; Графика &gt; Загрузить выбирает другой.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Обратная игра: щёлкните свободную клетку, чтобы поставить кладовщика.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>Решатель и его подсказки играют только вперёд: сначала выйдите из обратной игры.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Очистить список</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Список по умолчанию</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Передний план</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Стандартный</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Пропорциональный</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Растянутый</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Цвет прозрачности</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Цвет сетки</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Фон</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Без фона</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Цветовой эффект</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Цвет 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Цвет 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Поменять цвета</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Текстура</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Загрузить текстуру</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Загрузить изображение</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Графика</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Направленный кладовщик (8-рядные скины)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Играть</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включены</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключены</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Связать расширение</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Решить</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Последняя решаемая позиция</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Предупреждения о тупиках</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Сохранить снимок</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Продолжить попытку</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Оптимизировать решение</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Проверка решаемости на лету</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Обратная игра</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Написать письмо</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Уровень=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Размер=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Назад=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Ходы=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Тяги=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Толчки=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Поставьте кладовщика</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Время=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Готово=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Осталось=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>В уровне есть несохранённые изменения. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Продолжить?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>ЛУЧШИЙ РЕЗУЛЬТАТ !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Сохранить решение?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Файл %1 занимает %2, больше, чем может вместить сборник (%3): он не прочитан.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>на поле нет кладовщика</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>на поле кладовщиков: %1</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>поле больше 50 × 50 клеток</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>решение содержит не только ходы</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>решение не срабатывает на ходе %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>решение не решает уровень</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Уровень %1, строка %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Уровень %1 (%2), строка %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>ПОЗДРАВЛЯЕМ !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>ХОДЫ = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>ТОЛЧКИ = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>ВРЕМЯ = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 МиБ</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>уровень заменён %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Файл %1 занимает %2, больше, чем может вместить уровень (%3): он не прочитан.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>ДВЕ ПОПЫТКИ ВСТРЕТИЛИСЬ !!!<byte value="xd"/>
Ходы вперёд и обратные тяги вместе решают уровень.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>РЕШЕНО В ОБРАТНУЮ СТОРОНУ !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Этот уровень нельзя играть в обратную сторону: нужен один кладовщик и столько же ящиков, сколько целей.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Файл %1 занимает %2, больше, чем может вместить файл снимков (%3): он не прочитан.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать файл «%1»: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 В него ничего не записано.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>В попытке ходов: %1, больше, чем может вместить снимок (%2): она не сохранена в %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Файл %1 вырос бы до %2, больше, чем может вместить файл снимков (%3): снимок не сохранён.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Файл %1 занимает %2, больше, чем может вместить список уровней (%3): он не прочитан.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Он не заменяется.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Вы действительно хотите очистить список?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Вы действительно хотите загрузить список по умолчанию?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Файл %1 занимает %2, больше, чем может вместить файл решения (%3): он не прочитан.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Вы действительно хотите создать новый уровень?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Вы действительно хотите применить изменения?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Вы действительно хотите отменить изменения?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Сохранить уровень сейчас?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Снимок %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Сохранить снимок под предложенным именем</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Выйти из полноэкранного режима или из игры</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Во весь экран</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>В начало</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Вернуть</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>К последней позиции</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Импорт сборника</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Экспорт списка</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Копировать уровень</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Вставить уровень</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Копировать решение</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Вставить решение</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Идти влево</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Идти вверх</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Идти вправо</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Идти вниз</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Сдвинуть уровень влево</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Сдвинуть уровень вверх</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Сдвинуть уровень вправо</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Сдвинуть уровень вниз</translation>
    </message>
</context>
</TS>
