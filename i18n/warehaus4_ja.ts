<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>…ほか %1 件</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>面集を読み込んでいます…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>このファイルから面を読み込めませんでした。</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>このフォルダーには既に %1 個のファイルがあります（最初のもの：%2）。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
そのうち %1 個は解答ファイルで、面と一緒に置き換えまたは削除されます：%2。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 個のスナップショットファイルは盤面が変わっていないのでそのまま残ります：%2。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
盤面が変わった %1 個のスナップショットファイルは名前を変えて別に保存されます：%2。</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> 続けますか？</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> 置き換えますか？</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>面をインポートしています…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>別に保存した、変更された面のスナップショット：</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>インポートは面 %1 で止まりました：%2<byte value="xd"/>
それまでに書き込んだ %3 面はプレイリストにあります。</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>%1 面をインポート、%2 面は解答付き、%3 面はスキップ</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>インポートはキャンセルされました。それまでに書き込んだ面は残ります。</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>%1 面をエクスポートしました</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>除外（ファイルがないか、盤面がない）：</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>クリップボードに面がありません。</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>解答は保存済みの面で確認されます。解答モードで表示すると変更は破棄されます。</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>クリップボードに手順がありません。</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>解答は %1 手目で失敗します。</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>%1 手を終えても面は解けていません。</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 はインストールされています：そのパッケージが既に XSB ファイルを開くよう設定しています。</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>XSB 拡張子を本当に Warehaus4 に関連付けますか？</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>これから XSB ファイルは Warehaus4 で開かれます！</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>作業員がちょうど 1 人必要です</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>荷物とゴールが同じ数だけ、少なくとも 1 つ必要です</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>作業員が決して行けない場所に荷物かゴールがあります</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>ソルバーには大きすぎます</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>時間：%1 秒    探索した局面：%2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>確認した局面：%1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>解答モードで解答を表示すると変更は破棄されます。</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>ソルバーは処理中です：先に探索をキャンセルしてください。</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>作業員はそこへ行けません。</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>その荷物はそこへ押せません。</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>デッドロック：荷物がもう開始マスへ引き戻せません。</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>デッドロック：%1 個の荷物がもう開始マスへ引き戻せません。</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>デッドロック：荷物がもうゴールに届きません。</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>デッドロック：%1 個の荷物がもうゴールに届きません。</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>この局面は既に解けています。</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>この面は既に解けています。</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>描かれたままの面は解けません。</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>この局面はもう解けません。</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>この面は解けません。</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>制限時間 %1 秒以内に解答が見つかりませんでした。</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>メモリー制限 %1 MiB 以内に解答が見つかりませんでした。</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>この面はこのままでは解けません：%1。</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>解答が見つかりました：%1 手、%2 押し。<byte value="xd"/>
<byte value="xd"/>
再生して見ますか？</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
（面の未保存の変更は失われます。）</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>面を解いています...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>この面にはまだ解答がありません。</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>保存済みの解答ではこの面は解けません。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
今すぐ解きますか？</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>ヒントを探しています...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>ヒント：印の付いた荷物を押してください（H で自動実行）。</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>この局面はもう解けません。<byte value="xd"/>
<byte value="xd"/>
まだ解ける最後の局面まで戻りますか？</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>ヒントなし：%1。</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>%1 秒以内にヒントが見つかりませんでした。</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>この面は最初からでも解けません。</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>表示中の局面からまだ解けます。</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>%1 手目に戻りました（以降の局面が負けとは証明されていません）。</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>%1 手目に戻りました：最後の勝てる局面です。</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>この面は %1 手目から解けます。以降の局面の一部は時間内に確認できなかったので、そのどれかも勝てるかもしれません。</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>局面を時間内に確認できませんでした。表示中：%1 手目、最初の疑わしい押しの直前の手です。勝てるとは証明されていません。</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>解ける最後の局面を探しています...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>作業員が 1 人必要</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>荷物とゴールの数が違う</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>届かない荷物かゴールがある</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>ソルバーには大きすぎる</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>解けるか確認中...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>まだ無効：%1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 押し</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 押し</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 手</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 手</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>%1（%2）で解けます</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>解けません</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>%1 秒で判定できず</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>先に面を解いています...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>解答を最適化しています...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>これまでの最良：%1 手、%2 押し</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>この面はファイルから読み込めません。</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>この面には最適化する解答がありません：保存済みの解答では解けず、ソルバーも見つけられませんでした（%1）。</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>この面には最適化する解答がありません：解答が保存されておらず、ソルバーも見つけられませんでした（%1）。</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>解答を最適化できませんでした（%1）。</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>より短い解答が見つかりました：%1 手、%2 押し（以前：%3 手、%4 押し）。</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>より短い解答は見つかりませんでした：%1 手、%2 押し（以前：%3 手、%4 押し）。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
保存済みの解答ではこの面は解けません：ソルバーの解答から始めました。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
この面には保存済みの解答がありませんでした：ソルバーの解答から始めました。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
すべての局面を探索しました：より短いものはありません。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
再生して見ますか？</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>面の一覧</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>タイトルまたはファイル名で絞り込み</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>未クリアのみ</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>Enter かダブルクリック：その面を遊ぶ</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>%1 / %2 面クリア</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> （ファイルを読み込み中…）</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>荷物</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>手数</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>押し数</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>（ファイルがありません）</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>（ファイルを読めません）</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>（ファイルに盤面がありません）</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>進行中の挑戦があります：ツール &gt; 挑戦を再開</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>スナップショット</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前を変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>この面はスナップショットを保存しません：保存するのは .xsb の面ファイルだけです。</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>この面のスナップショットはまだありません：ツール &gt; スナップショットを保存 で保存できます。</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> （逆再生）</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>（自動保存）</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>スナップショットの名前：</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>スナップショット「%1」を削除しますか？</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>スナップショットはプレイモードで撮ります。</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>この面に進行中の挑戦はありません。</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>局面を復元すると、ファイルに保存された面で遊ぶことになり、変更は破棄されます。</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>このスナップショットはもうこの面に合いません：その後、面が変更されました。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
進行中の挑戦は、離れるまでディスクに保存されません。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
終了するまでは、その面で 挑戦を再開（F9）を使えば前回の実行が残した挑戦を取り戻せます。</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>プレイ</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>エディター</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>元に戻す / やり直し : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>速度 : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>最初の面</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>前の面</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>面をやり直す</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>次の面</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>最後の面</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>壁</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>作業員</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>ゴール上の作業員</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>荷物</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>ゴール上の荷物</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>ゴール</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>床</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>枠を面に合わせる</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>面を保存</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>面を再読み込み</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>面の情報</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>最初に戻す</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>解答を再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>はい(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>いいえ(&amp;N)</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> そのまま残ります：このセッションのプレイリストはそこに保存されません。</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>本当に Warehaus4 を終了しますか？</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>終了して挑戦を失いますか？</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>保存せずに終了しますか？</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>プログラム : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>作者 : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>バージョン : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>日付 : %1 (yyyy-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>メール : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>ウェブサイト : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>面 : Microban と Microban II（作者 David W. Skinner）</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>続けて挑戦を失いますか？</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>すべての画像</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>ビットマップ</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>アイコン</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>前回選んだスキン「%1」が見つかりません（ドライブかフォルダーがないのでは？）。</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>前回選んだスキンは使えません：</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>その間は内蔵のタイルを表示します。スキンは選択されたままで、次回起動時に再び試されます。グラフィック &gt; 読み込み で別のものを選べます。</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>逆プレイ：空いているマスをクリックして作業員を置いてください。</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>ソルバーとヒントは順方向にしか進めません：先に逆プレイを終えてください。</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>プレイリストを空にする</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>既定のプレイリスト</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>前景</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>比率を保って拡大</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>引き伸ばし</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>透過色</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>グリッドの色</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>背景なし</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>単色</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>グラデーション</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>色 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>色 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>色を入れ替え</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>テクスチャを読み込む</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>画像を読み込む</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>グラフィック</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>向きのある作業員（8 行スキン）</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音楽</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>効果音</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>拡張子を関連付け</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>解く</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>解ける最後の局面</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>デッドロック警告</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>スナップショットを保存</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>挑戦を再開</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>解答を最適化</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>リアルタイム可解性チェック</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>逆プレイ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>メールを送る</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>ウェブサイト</translation>
    </message>
    <message>
        <source>About</source>
        <translation>このプログラムについて</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>面=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>サイズ=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>逆=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>手数=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>引き=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>押し=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>作業員を置く</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>時間=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>完了=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>残り=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>面に未保存の変更があります。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
続けますか？</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>ベストスコア！！！</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>解答を保存しますか？</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>ファイル %1 は %2 あり、面集に収まる上限（%3）を超えています：読み込んでいません。</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>盤面に作業員がいません</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>盤面に作業員が %1 人います</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>盤面が 50 × 50 マスより大きいです</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>解答に手順以外のものが含まれています</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>解答は %1 手目で失敗します</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>解答では面が解けません</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>面 %1、%2 行目：%3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>面 %1（%2）、%3 行目：%4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>クリアおめでとう！！！</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>手数 = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>押し数 = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>時間 = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1.%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>%1 に置き換えられた面</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>ファイル %1 は %2 あり、面に収まる上限（%3）を超えています：読み込んでいません。</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>2 つの挑戦が出会いました！！！<byte value="xd"/>
順方向の手と逆方向の引きを合わせると面が解けます。</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>逆プレイでクリア！！！</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>この面は逆プレイできません：作業員 1 人と、ゴールと同じ数の荷物が必要です。</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>ファイル %1 は %2 あり、スナップショットファイルに収まる上限（%3）を超えています：読み込んでいません。</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>ファイル「%1」を読めません：%2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>この挑戦は %1 手あり、スナップショットに収まる上限（%2）を超えています：%3 に保存されませんでした。</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>ファイル %1 は %2 になり、スナップショットファイルに収まる上限（%3）を超えます：スナップショットは保存されませんでした。</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>ファイル %1 は %2 あり、プレイリストに収まる上限（%3）を超えています：読み込んでいません。</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> 置き換えられません。</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>本当にプレイリストを空にしますか？</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>本当に既定のプレイリストを読み込み直しますか？</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>ファイル %1 は %2 あり、解答ファイルに収まる上限（%3）を超えています：読み込んでいません。</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>本当に新しい面を作りますか？</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>本当に変更を適用しますか？</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>本当に変更を取り消しますか？</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>今すぐ面を保存しますか？</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>スナップショット %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>提案された名前でスナップショットを保存</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>全画面を終了、またはゲームを終了</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>最初に戻る</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>最後の局面へ</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>面集をインポート</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>プレイリストをエクスポート</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>面をコピー</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>面を貼り付け</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>解答をコピー</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>解答を貼り付け</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>左へ移動</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>右へ移動</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>面を左へずらす</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>面を上へずらす</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>面を右へずらす</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>面を下へずらす</translation>
    </message>
</context>
</TS>
