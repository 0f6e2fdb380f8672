<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>… i %1 więcej</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>Wczytywanie zbioru…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>Z tego pliku nie udało się wczytać żadnego poziomu.</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>W tym folderze jest już %1 plików (pierwszy: %2).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
Wśród nich %1 plików z rozwiązaniami, zastąpionych lub usuniętych razem z poziomami: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 plików migawek zostaje bez zmian, bo ich plansze się nie zmieniły: %2.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 plików migawek zmienionych plansz zostaje odłożonych pod nową nazwą: %2.</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> Czy chcesz je zastąpić?</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>Importowanie poziomów…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>Odłożone migawki zmienionych poziomów:</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>Import zatrzymał się na poziomie %1: %2<byte value="xd"/>
%3 poziomów zapisanych wcześniej jest na liście.</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>Zaimportowano poziomy: %1, z rozwiązaniem: %2, pominięto: %3</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>Import anulowano; poziomy zapisane wcześniej zostają.</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>Wyeksportowano poziomy: %1</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>Pominięte (brak pliku lub brak planszy):</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>Schowek nie zawiera żadnego poziomu.</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>Rozwiązanie jest sprawdzane na zapisanym poziomie, a pokazanie go w trybie Rozwiązanie odrzuca zmiany.</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>Schowek nie zawiera ruchów.</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>Rozwiązanie zawodzi przy ruchu %1.</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>Po jego %1 ruchach poziom nie jest rozwiązany.</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 jest zainstalowany: jego pakiet już otwiera nim pliki XSB.</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>Czy na pewno chcesz skojarzyć rozszerzenie XSB z Warehaus4?</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>Pliki XSB będą odtąd otwierane w Warehaus4!</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>potrzebny jest dokładnie jeden magazynier</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>potrzeba tylu skrzyń, ile celów, co najmniej jednej</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>skrzynia lub cel leży tam, dokąd magazynier nigdy nie dojdzie</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>jest za duży dla solvera</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>Czas: %1 s    Zbadane pozycje: %2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>Sprawdzone pozycje: %1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>Pokazanie rozwiązania w trybie Rozwiązanie odrzuca zmiany.</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>Solver jest zajęty: najpierw anuluj jego szukanie.</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>Magazynier nie może tam dojść.</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>Tej skrzyni nie da się tam popchnąć.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>Zakleszczenie: skrzyni nie da się już odciągnąć na pole startowe.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>Zakleszczenie: %1 skrzyń nie da się już odciągnąć na pole startowe.</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>Zakleszczenie: skrzynia nie może już dojść do celu.</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>Zakleszczenie: %1 skrzyń nie może już dojść do celu.</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>Ta pozycja jest już rozwiązana.</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>Ten poziom jest już rozwiązany.</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>Poziomu w obecnym kształcie nie da się rozwiązać.</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>Tej pozycji nie da się już rozwiązać.</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>Tego poziomu nie da się rozwiązać.</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>Nie znaleziono rozwiązania w limicie czasu %1 sekund.</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>Nie znaleziono rozwiązania w limicie pamięci %1 MiB.</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>Tego poziomu nie da się rozwiązać w tej postaci: %1.</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>Znaleziono rozwiązanie: ruchy %1, pchnięcia %2.<byte value="xd"/>
<byte value="xd"/>
Czy chcesz je obejrzeć?</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
(Niezapisane zmiany poziomu zostaną utracone.)</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>Rozwiązywanie poziomu...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>Ten poziom nie ma jeszcze rozwiązania.</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>Zapisane rozwiązanie nie rozwiązuje tego poziomu.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Czy chcesz go teraz rozwiązać?</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>Szukanie podpowiedzi...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>Podpowiedź: popchnij zaznaczoną skrzynię (H zrobi to za ciebie).</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>Tej pozycji nie da się już rozwiązać.<byte value="xd"/>
<byte value="xd"/>
Czy chcesz wrócić do ostatniej pozycji, z której się da?</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>Brak podpowiedzi: %1.</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>Nie znaleziono podpowiedzi w %1 sekund.</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>Tego poziomu nie da się rozwiązać, nawet od początku.</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>Poziom da się jeszcze rozwiązać z pokazanej pozycji.</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>Powrót do ruchu %1 (nie dowiedziono, że późniejsze są przegrane).</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>Powrót do ruchu %1: ostatnia wygrywająca pozycja.</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>Poziom da się rozwiązać od ruchu %1. Niektórych późniejszych pozycji nie zdążono sprawdzić, więc któraś z nich też może być wygrywająca.</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>Nie zdążono sprawdzić pozycji. Pokazano ruch %1, ostatni przed pierwszym wątpliwym pchnięciem; nie dowiedziono, że jest wygrywający.</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>Szukanie ostatniej rozwiązywalnej pozycji...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>potrzebny jeden magazynier</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>skrzynie i cele się różnią</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>skrzynia lub cel poza zasięgiem</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>za duży dla solvera</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>Sprawdzanie, czy da się rozwiązać...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>Jeszcze niepoprawny: %1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 pchnięcie</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>pchnięcia: %1</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 ruch</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>ruchy: %1</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>Rozwiązywalny w %1 (%2)</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>Nierozwiązywalny</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>Brak werdyktu w %1 s</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>Najpierw rozwiązywanie poziomu...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>Optymalizacja rozwiązania...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>Najlepsze dotąd: ruchy %1, pchnięcia %2</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>Tego poziomu nie da się wczytać z jego pliku.</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>Ten poziom nie ma rozwiązania do optymalizacji: zapisane go nie rozwiązuje, a solver żadnego nie znalazł (%1).</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>Ten poziom nie ma rozwiązania do optymalizacji: żadne nie jest zapisane, a solver żadnego nie znalazł (%1).</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>Nie udało się zoptymalizować rozwiązania (%1).</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Znaleziono krótsze rozwiązanie: ruchy %1, pchnięcia %2 (wcześniej: ruchy %3, pchnięcia %4).</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>Nie znaleziono krótszego rozwiązania: ruchy %1, pchnięcia %2 (wcześniej: ruchy %3, pchnięcia %4).</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Zapisane rozwiązanie nie rozwiązuje poziomu: punktem wyjścia było rozwiązanie solvera.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
Poziom nie miał zapisanego rozwiązania: punktem wyjścia było rozwiązanie solvera.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
Przeszukano każdą pozycję: żadne nie jest krótsze.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Czy chcesz je obejrzeć?</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Poziomy</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>Filtruj po tytule lub nazwie pliku</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>Jeszcze nierozwiązane</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Enter lub dwuklik: zagraj poziom</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>Rozwiązano %1 z %2</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> (wczytywanie plików…)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>Skrzynie</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>Rozwiązany</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ruchy</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>Pchnięcia</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>(brak pliku)</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>(plik nieczytelny)</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>(brak planszy w pliku)</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>Trwa podejście: Narzędzia &gt; Wznów podejście</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>Migawki</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>Ten poziom nie przechowuje migawek: robią to tylko pliki poziomów .xsb.</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>Brak jeszcze migawek tego poziomu: Narzędzia &gt; Zapisz migawkę zachowa jedną.</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> (wstecz)</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>(zachowana automatycznie)</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(bez nazwy)</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>Nazwa migawki:</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>Usunąć migawkę „%1”?</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>Migawki robi się w trybie Gra.</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>Brak trwającego podejścia na tym poziomie.</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>Przywrócenie pozycji gra poziom w postaci z pliku i odrzuca zmiany.</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>Ta migawka nie pasuje już do poziomu: poziom się od tego czasu zmienił.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
Trwające podejście nie jest zapisywane na dysku, dopóki go nie opuścisz.</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
Dopóki nie wyjdziesz, Wznów podejście (F9) na jego poziomie wciąż przywraca podejście pozostawione przez ostatnią sesję.</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>GRAJ</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>EDYTOR</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>ROZWIĄZANIE</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>Cofnij / Ponów : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>Szybkość : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>Pierwszy poziom</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>Poprzedni poziom</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>Zacznij poziom od nowa</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>Następny poziom</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>Ostatni poziom</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>Ściana</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>Magazynier</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>Magazynier na celu</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Skrzynia</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>Skrzynia na celu</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Podłoga</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>Dopasuj ramkę do poziomu</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>Zapisz poziom</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>Wczytaj poziom ponownie</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>Informacje o poziomie</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Przewiń na początek</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>Odtwórz rozwiązanie</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> Zostaje bez zmian: lista tej sesji nie zostanie w nim zapisana.</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>Czy na pewno chcesz zakończyć Warehaus4?</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>Zakończyć i stracić podejście?</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>Zakończyć bez zapisywania?</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>Program : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>Autor : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>Wersja : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>Data : %1 (rrrr-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>E-mail : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>Strona : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>Poziomy : Microban i Microban II autorstwa Davida W. Skinnera</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>Kontynuować i stracić podejście?</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>Wszystkie obrazy</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapy bitowe</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>Ikony</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>Wybranej ostatnio skórki „%1” nie ma (brakuje jej dysku lub folderu?).</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>Wybranej ostatnio skórki nie można użyć:</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>Tymczasem widać wbudowane kafelki. Skórka pozostaje wybrana i przy następnym uruchomieniu zostanie wypróbowana ponownie; Grafika &gt; Wczytaj wybiera inną.</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>Gra wstecz: kliknij wolne pole, aby postawić magazyniera.</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>Solver i jego podpowiedzi grają tylko do przodu: najpierw wyjdź z gry wstecz.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>Opróżnij listę</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>Domyślna lista</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>Pierwszy plan</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowy</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>Proporcjonalny</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>Rozciągnięty</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>Kolor przezroczystości</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>Kolor siatki</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Tło</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>Bez tła</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>Efekt kolorów</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>Kolor 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>Kolor 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>Zamień kolory</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Tekstura</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>Wczytaj teksturę</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Grafika</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>Magazynier z kierunkiem (skórki 8-rzędowe)</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Odtwórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Włączone</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Wyłączone</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>Skojarz rozszerzenie</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Rozwiąż</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>Ostatnia rozwiązywalna pozycja</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>Ostrzeżenia o zakleszczeniu</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>Zapisz migawkę</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>Wznów podejście</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>Optymalizuj rozwiązanie</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>Sprawdzanie rozwiązywalności na żywo</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>Gra wstecz</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>Wyślij e-mail</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>Strona WWW</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>Poziom=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>Rozmiar=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>Wstecz=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>Ruchy=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>Pociągn.=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>Pchn.=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>Postaw magazyniera</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>Czas=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>Gotowe=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>Zostało=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>Poziom ma niezapisane zmiany. </translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>NAJLEPSZY WYNIK !!!</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>Czy chcesz zapisać rozwiązanie?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>Plik %1 ma %2, więcej niż może mieć zbiór (%3): nie został wczytany.</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>plansza nie ma magazyniera</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>plansza ma magazynierów: %1</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>plansza jest większa niż 50 × 50 pól</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>rozwiązanie zawiera coś innego niż ruchy</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>rozwiązanie zawodzi przy ruchu %1</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>rozwiązanie nie rozwiązuje poziomu</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>Poziom %1, wiersz %2: %3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>Poziom %1 (%2), wiersz %3: %4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>GRATULACJE !!!</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>RUCHY = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>PCHNIĘCIA = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>CZAS = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1,%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>poziom zastąpiony %1</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>Plik %1 ma %2, więcej niż może mieć poziom (%3): nie został wczytany.</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>OBA PODEJŚCIA SIĘ SPOTYKAJĄ !!!<byte value="xd"/>
Ruchy do przodu i pociągnięcia wstecz razem rozwiązują poziom.</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>ROZWIĄZANO WSTECZ !!!</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>Tego poziomu nie da się grać wstecz: potrzebny jest jeden magazynier i tyle skrzyń, ile celów.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>Plik %1 ma %2, więcej niż może mieć plik migawek (%3): nie został wczytany.</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>Nie można odczytać pliku „%1”: %2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 Nic nie zostało w nim zapisane.</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>Podejście ma ruchów: %1, więcej niż może mieć migawka (%2): nie zostało zachowane w %3.</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>Plik %1 urósłby do %2, więcej niż może mieć plik migawek (%3): migawka nie została zachowana.</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>Plik %1 ma %2, więcej niż może mieć lista poziomów (%3): nie został wczytany.</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> Nie zostanie zastąpiony.</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>Czy na pewno chcesz opróżnić listę?</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>Czy na pewno chcesz ponownie wczytać domyślną listę?</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>Plik %1 ma %2, więcej niż może mieć plik rozwiązania (%3): nie został wczytany.</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>Czy na pewno chcesz utworzyć nowy poziom?</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>Czy na pewno chcesz zastosować zmiany?</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>Czy na pewno chcesz anulować zmiany?</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>Czy chcesz teraz zapisać poziom?</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>Migawka %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>Zapisz migawkę pod proponowaną nazwą</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>Opuść pełny ekran lub zakończ</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pełny ekran</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>Wróć na początek</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>Do ostatniej pozycji</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>Importuj zbiór</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>Eksportuj listę</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>Kopiuj poziom</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>Wklej poziom</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>Kopiuj rozwiązanie</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>Wklej rozwiązanie</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>Idź w lewo</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Idź w górę</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>Idź w prawo</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Idź w dół</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>Przesuń poziom w lewo</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>Przesuń poziom w górę</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>Przesuń poziom w prawo</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>Przesuń poziom w dół</translation>
    </message>
</context>
</TS>
