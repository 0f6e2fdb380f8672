<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Warehaus4</name>
    <message>
        <source>… and %1 more</source>
        <translation>…… 以及另外 %1 项</translation>
    </message>
    <message>
        <source>Reading the collection…</source>
        <translation>正在读取关卡集…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No level could be read from this file.</source>
        <translation>无法从此文件读取任何关卡。</translation>
    </message>
    <message>
        <source>%1 files exist already in this folder (the first: %2).</source>
        <translation>此文件夹中已有 %1 个文件（第一个：%2）。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Among them %1 solution files, replaced or removed with their levels: %2.</source>
        <translation><byte value="xd"/>
其中 %1 个答案文件将随其关卡一起被替换或删除：%2。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files stay as they are, as their boards are unchanged: %2.</source>
        <translation><byte value="xd"/>
%1 个快照文件保持不变，因为它们的地图没有变化：%2。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
%1 snapshot files of changed boards are kept aside, renamed: %2.</source>
        <translation><byte value="xd"/>
%1 个地图已变的快照文件将改名另存：%2。</translation>
    </message>
    <message>
        <source> Do you want to go on ?</source>
        <translation> 要继续吗？</translation>
    </message>
    <message>
        <source> Do you want to replace them ?</source>
        <translation> 要替换它们吗？</translation>
    </message>
    <message>
        <source>Importing the levels…</source>
        <translation>正在导入关卡…</translation>
    </message>
    <message>
        <source>Snapshots of changed levels kept aside:</source>
        <translation>已另存的变更关卡快照：</translation>
    </message>
    <message>
        <source>The import stopped at level %1: %2<byte value="xd"/>
The %3 levels written before it are in the playlist.</source>
        <translation>导入在第 %1 关停止：%2<byte value="xd"/>
之前写入的 %3 个关卡已在关卡列表中。</translation>
    </message>
    <message>
        <source>%1 levels imported, %2 with solutions, %3 skipped</source>
        <translation>已导入 %1 个关卡，%2 个带答案，跳过 %3 个</translation>
    </message>
    <message>
        <source>The import was cancelled; the levels written before stay.</source>
        <translation>导入已取消；之前写入的关卡保留。</translation>
    </message>
    <message>
        <source>%1 levels exported</source>
        <translation>已导出 %1 个关卡</translation>
    </message>
    <message>
        <source>Left out (no such file, or no board):</source>
        <translation>已略过（文件不存在或没有地图）：</translation>
    </message>
    <message>
        <source>The clipboard holds no level.</source>
        <translation>剪贴板中没有关卡。</translation>
    </message>
    <message>
        <source>The solution is checked against the saved level, and showing it in Solution mode drops the changes.</source>
        <translation>答案将以已保存的关卡来检查，在答案模式中显示它会丢弃所做的修改。</translation>
    </message>
    <message>
        <source>The clipboard holds no moves.</source>
        <translation>剪贴板中没有移动步骤。</translation>
    </message>
    <message>
        <source>The solution fails at move %1.</source>
        <translation>答案在第 %1 步失败。</translation>
    </message>
    <message>
        <source>After its %1 moves the level is not solved.</source>
        <translation>走完 %1 步后关卡仍未解开。</translation>
    </message>
    <message>
        <source>Warehaus4 is installed: its package already opens the XSB files with it.</source>
        <translation>Warehaus4 已安装：它的软件包已经用它打开 XSB 文件。</translation>
    </message>
    <message>
        <source>Do you really want to associate XSB extension with the Warehaus4 ?</source>
        <translation>确定要将 XSB 扩展名与 Warehaus4 关联吗？</translation>
    </message>
    <message>
        <source>The XSB files will be opened from now with the Warehaus4 !</source>
        <translation>从现在起将用 Warehaus4 打开 XSB 文件！</translation>
    </message>
    <message>
        <source>it needs exactly one keeper</source>
        <translation>必须正好有一个搬运工</translation>
    </message>
    <message>
        <source>it needs as many boxes as targets, at least one</source>
        <translation>箱子与目标点必须一样多，且至少一个</translation>
    </message>
    <message>
        <source>a box or a target lies where the keeper can never go</source>
        <translation>有箱子或目标点位于搬运工永远到不了的地方</translation>
    </message>
    <message>
        <source>it is larger than the solver takes</source>
        <translation>它太大，求解器无法处理</translation>
    </message>
    <message>
        <source>Time: %1 s    Positions explored: %2</source>
        <translation>时间：%1 秒    已探索局面：%2</translation>
    </message>
    <message>
        <source>Positions checked: %1</source>
        <translation>已检查局面：%1</translation>
    </message>
    <message>
        <source>Showing the solution in Solution mode drops the changes.</source>
        <translation>在答案模式中显示答案会丢弃所做的修改。</translation>
    </message>
    <message>
        <source>The solver is busy: cancel its search first.</source>
        <translation>求解器正忙：请先取消它的搜索。</translation>
    </message>
    <message>
        <source>The keeper cannot get there.</source>
        <translation>搬运工到不了那里。</translation>
    </message>
    <message>
        <source>That box cannot be pushed there.</source>
        <translation>那个箱子推不到那里。</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer be pulled back to a start cell.</source>
        <translation>死锁：有一个箱子再也拉不回起始格。</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer be pulled back to a start cell.</source>
        <translation>死锁：%1 个箱子再也拉不回起始格。</translation>
    </message>
    <message>
        <source>Deadlock: a box can no longer reach a target.</source>
        <translation>死锁：有一个箱子再也到不了目标点。</translation>
    </message>
    <message>
        <source>Deadlock: %1 boxes can no longer reach a target.</source>
        <translation>死锁：%1 个箱子再也到不了目标点。</translation>
    </message>
    <message>
        <source>This position is solved already.</source>
        <translation>此局面已经解开。</translation>
    </message>
    <message>
        <source>This level is solved already.</source>
        <translation>此关卡已经解开。</translation>
    </message>
    <message>
        <source>The level as drawn cannot be solved.</source>
        <translation>按当前绘制的关卡无解。</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.</source>
        <translation>此局面已无法解开。</translation>
    </message>
    <message>
        <source>This level cannot be solved.</source>
        <translation>此关卡无解。</translation>
    </message>
    <message>
        <source>No solution found within the time limit of %1 seconds.</source>
        <translation>在 %1 秒的时间限制内未找到答案。</translation>
    </message>
    <message>
        <source>No solution found within the memory limit of %1 MiB.</source>
        <translation>在 %1 MiB 的内存限制内未找到答案。</translation>
    </message>
    <message>
        <source>This level cannot be solved as it is: %1.</source>
        <translation>此关卡按现状无法求解：%1。</translation>
    </message>
    <message>
        <source>Solution found: %1 moves, %2 pushes.<byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation>找到答案：%1 步移动，%2 次推动。<byte value="xd"/>
<byte value="xd"/>
要观看吗？</translation>
    </message>
    <message>
        <source><byte value="xd"/>
(The level&apos;s unsaved changes will be lost.)</source>
        <translation><byte value="xd"/>
（关卡未保存的修改将会丢失。）</translation>
    </message>
    <message>
        <source>Solving the level...</source>
        <translation>正在求解关卡...</translation>
    </message>
    <message>
        <source>This level has no solution yet.</source>
        <translation>此关卡还没有答案。</translation>
    </message>
    <message>
        <source>The stored solution does not solve this level.</source>
        <translation>已保存的答案解不开此关卡。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to solve it now ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
要现在求解吗？</translation>
    </message>
    <message>
        <source>Looking for a hint...</source>
        <translation>正在寻找提示...</translation>
    </message>
    <message>
        <source>Hint: push the marked box (H does it).</source>
        <translation>提示：推动标记的箱子（按 H 代劳）。</translation>
    </message>
    <message>
        <source>This position cannot be solved any more.<byte value="xd"/>
<byte value="xd"/>
Do you want to go back to the last position from which it can ?</source>
        <translation>此局面已无法解开。<byte value="xd"/>
<byte value="xd"/>
要退回到最后一个仍可解开的局面吗？</translation>
    </message>
    <message>
        <source>No hint: %1.</source>
        <translation>没有提示：%1。</translation>
    </message>
    <message>
        <source>No hint found within %1 seconds.</source>
        <translation>%1 秒内未找到提示。</translation>
    </message>
    <message>
        <source>This level cannot be solved, not even from its start.</source>
        <translation>此关卡无解，从起点开始也不行。</translation>
    </message>
    <message>
        <source>The level can still be solved from the shown position.</source>
        <translation>从当前显示的局面出发，此关卡仍可解开。</translation>
    </message>
    <message>
        <source>Back to move %1 (later ones not proven lost).</source>
        <translation>退回到第 %1 步（之后的局面未证明已输）。</translation>
    </message>
    <message>
        <source>Back to move %1: the last winnable position.</source>
        <translation>退回到第 %1 步：最后一个可赢的局面。</translation>
    </message>
    <message>
        <source>The level can be solved from move %1. Some later positions could not be checked in time, so one of them may also be winnable.</source>
        <translation>从第 %1 步起此关卡可以解开。有些之后的局面未能及时检查，其中某个也可能可赢。</translation>
    </message>
    <message>
        <source>The positions could not be checked in time. Shown: move %1, the last one before the first push in doubt; it is not proven winnable.</source>
        <translation>未能及时检查这些局面。显示：第 %1 步，即第一次存疑推动之前的最后一步；未证明可赢。</translation>
    </message>
    <message>
        <source>Looking for the last position that can be solved...</source>
        <translation>正在寻找最后一个可解开的局面...</translation>
    </message>
    <message>
        <source>one keeper needed</source>
        <translation>需要一个搬运工</translation>
    </message>
    <message>
        <source>boxes and targets differ</source>
        <translation>箱子与目标点数量不同</translation>
    </message>
    <message>
        <source>a box or target out of reach</source>
        <translation>有箱子或目标点无法到达</translation>
    </message>
    <message>
        <source>too large for the solver</source>
        <translation>太大，无法求解</translation>
    </message>
    <message>
        <source>Checking whether it can be solved...</source>
        <translation>正在检查是否可解...</translation>
    </message>
    <message>
        <source>Not valid yet: %1</source>
        <translation>尚无效：%1</translation>
    </message>
    <message>
        <source>1 push</source>
        <translation>1 次推动</translation>
    </message>
    <message>
        <source>%1 pushes</source>
        <translation>%1 次推动</translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 步移动</translation>
    </message>
    <message>
        <source>%1 moves</source>
        <translation>%1 步移动</translation>
    </message>
    <message>
        <source>Solvable in %1 (%2)</source>
        <translation>可在 %1 内解开（%2）</translation>
    </message>
    <message>
        <source>Unsolvable</source>
        <translation>无解</translation>
    </message>
    <message>
        <source>Not decided within %1 s</source>
        <translation>%1 秒内未能判定</translation>
    </message>
    <message>
        <source>Solving the level first...</source>
        <translation>正在先求解关卡...</translation>
    </message>
    <message>
        <source>Optimizing the solution...</source>
        <translation>正在优化答案...</translation>
    </message>
    <message>
        <source>Best so far: %1 moves, %2 pushes</source>
        <translation>目前最佳：%1 步移动，%2 次推动</translation>
    </message>
    <message>
        <source>This level cannot be read from its file.</source>
        <translation>无法从文件读取此关卡。</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: the stored one does not solve it, and the solver found none (%1).</source>
        <translation>此关卡没有可优化的答案：已保存的答案解不开它，求解器也没找到答案（%1）。</translation>
    </message>
    <message>
        <source>This level has no solution to optimize: none is stored, and the solver found none (%1).</source>
        <translation>此关卡没有可优化的答案：没有保存答案，求解器也没找到答案（%1）。</translation>
    </message>
    <message>
        <source>The solution could not be optimized (%1).</source>
        <translation>无法优化答案（%1）。</translation>
    </message>
    <message>
        <source>Shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>找到更短的答案：%1 步移动，%2 次推动（之前：%3 步移动，%4 次推动）。</translation>
    </message>
    <message>
        <source>No shorter solution found: %1 moves, %2 pushes (before: %3 moves, %4 pushes).</source>
        <translation>未找到更短的答案：%1 步移动，%2 次推动（之前：%3 步移动，%4 次推动）。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The stored solution does not solve the level: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
已保存的答案解不开此关卡：以求解器的答案为起点。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The level had no stored solution: the solver&apos;s was the start.</source>
        <translation><byte value="xd"/>
此关卡原本没有保存的答案：以求解器的答案为起点。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Every position was searched: none is shorter.</source>
        <translation><byte value="xd"/>
所有局面都已搜索：没有更短的。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to watch it ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
要观看吗？</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>关卡</translation>
    </message>
    <message>
        <source>Filter by title or file name</source>
        <translation>按标题或文件名筛选</translation>
    </message>
    <message>
        <source>Not solved yet</source>
        <translation>尚未解开</translation>
    </message>
    <message>
        <source>Enter or double click: play the level</source>
        <translation>回车或双击：玩此关卡</translation>
    </message>
    <message>
        <source>%1 of %2 solved</source>
        <translation>已解开 %1 / %2</translation>
    </message>
    <message>
        <source> (reading the files…)</source>
        <translation> （正在读取文件…）</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>地图</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Boxes</source>
        <translation>箱子</translation>
    </message>
    <message>
        <source>Solved</source>
        <translation>已解开</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Pushes</source>
        <translation>推动</translation>
    </message>
    <message>
        <source>(file missing)</source>
        <translation>（文件不存在）</translation>
    </message>
    <message>
        <source>(file unreadable)</source>
        <translation>（文件无法读取）</translation>
    </message>
    <message>
        <source>(no board in the file)</source>
        <translation>（文件中没有地图）</translation>
    </message>
    <message>
        <source>An attempt in progress: Tools &gt; Resume Attempt</source>
        <translation>有未完成的尝试：工具 &gt; 继续尝试</translation>
    </message>
    <message>
        <source>Snapshots</source>
        <translation>快照</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>This level keeps no snapshots: only .xsb level files do.</source>
        <translation>此关卡不保存快照：只有 .xsb 关卡文件才会保存。</translation>
    </message>
    <message>
        <source>No snapshot of this level yet: Tools &gt; Save Snapshot keeps one.</source>
        <translation>此关卡还没有快照：工具 &gt; 保存快照 可保存一个。</translation>
    </message>
    <message>
        <source> (reverse)</source>
        <translation> （倒推）</translation>
    </message>
    <message>
        <source>(kept automatically)</source>
        <translation>（自动保存）</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>Name of the snapshot:</source>
        <translation>快照名称：</translation>
    </message>
    <message>
        <source>Delete the snapshot &quot;%1&quot; ?</source>
        <translation>删除快照“%1”吗？</translation>
    </message>
    <message>
        <source>Snapshots are taken in Play mode.</source>
        <translation>快照要在游戏模式中拍摄。</translation>
    </message>
    <message>
        <source>No attempt in progress on this level.</source>
        <translation>此关卡没有进行中的尝试。</translation>
    </message>
    <message>
        <source>Restoring the position plays the level as its file holds it and drops the changes.</source>
        <translation>恢复此局面将按文件中的关卡来玩，并丢弃所做的修改。</translation>
    </message>
    <message>
        <source>This snapshot does not fit the level any more: the level has changed since.</source>
        <translation>此快照已不适用于此关卡：关卡在那之后已被修改。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
The attempt in progress is not kept on disk until it is left.</source>
        <translation><byte value="xd"/>
进行中的尝试在离开之前不会保存到磁盘。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Until you quit, Resume Attempt (F9) on its level still brings back the attempt the last run left.</source>
        <translation><byte value="xd"/>
在退出之前，在其关卡上使用 继续尝试（F9）仍可找回上次运行留下的尝试。</translation>
    </message>
    <message>
        <source>PLAY</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>EDITOR</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Fullscreen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Undo / Redo : </source>
        <translation>撤销 / 重做 : </translation>
    </message>
    <message>
        <source>Speed : </source>
        <translation>速度 : </translation>
    </message>
    <message>
        <source>First level</source>
        <translation>第一关</translation>
    </message>
    <message>
        <source>Previous level</source>
        <translation>上一关</translation>
    </message>
    <message>
        <source>Start the level again</source>
        <translation>重新开始本关</translation>
    </message>
    <message>
        <source>Next level</source>
        <translation>下一关</translation>
    </message>
    <message>
        <source>Last level</source>
        <translation>最后一关</translation>
    </message>
    <message>
        <source>Wall</source>
        <translation>墙</translation>
    </message>
    <message>
        <source>Keeper</source>
        <translation>搬运工</translation>
    </message>
    <message>
        <source>Keeper on a target</source>
        <translation>目标点上的搬运工</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>箱子</translation>
    </message>
    <message>
        <source>Box on a target</source>
        <translation>目标点上的箱子</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标点</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>地板</translation>
    </message>
    <message>
        <source>Fit the frame to the level</source>
        <translation>使边框适合关卡</translation>
    </message>
    <message>
        <source>Save the level</source>
        <translation>保存关卡</translation>
    </message>
    <message>
        <source>Reload the level</source>
        <translation>重新载入关卡</translation>
    </message>
    <message>
        <source>Level information</source>
        <translation>关卡信息</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>回到开头</translation>
    </message>
    <message>
        <source>Play the solution</source>
        <translation>播放答案</translation>
    </message>
    <message>
        <source>Stop</source>
        <comment>replay</comment>
        <translation>停止</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source> It stays as it is: the playlist of this session is not saved in it.</source>
        <translation> 它保持原样：本次会话的关卡列表不会保存到其中。</translation>
    </message>
    <message>
        <source>Do you really want to quit Warehaus4 ?</source>
        <translation>确定要退出 Warehaus4 吗？</translation>
    </message>
    <message>
        <source>Quit and lose the attempt ?</source>
        <translation>退出并放弃这次尝试吗？</translation>
    </message>
    <message>
        <source>Quit without saving ?</source>
        <translation>不保存就退出吗？</translation>
    </message>
    <message>
        <source>Program : %1</source>
        <translation>程序 : %1</translation>
    </message>
    <message>
        <source>Author : %1</source>
        <translation>作者 : %1</translation>
    </message>
    <message>
        <source>Version : %1</source>
        <translation>版本 : %1</translation>
    </message>
    <message>
        <source>Date : %1 (yyyy-mm-dd)</source>
        <translation>日期 : %1 (yyyy-mm-dd)</translation>
    </message>
    <message>
        <source>E-Mail : %1</source>
        <translation>电子邮件 : %1</translation>
    </message>
    <message>
        <source>WebSite : %1</source>
        <translation>网站 : %1</translation>
    </message>
    <message>
        <source>Levels : Microban and Microban II by David W. Skinner</source>
        <translation>关卡 : Microban 和 Microban II，作者 David W. Skinner</translation>
    </message>
    <message>
        <source>Go on and lose the attempt ?</source>
        <translation>继续并放弃这次尝试吗？</translation>
    </message>
    <message>
        <source>All pictures</source>
        <translation>所有图片</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>Icons</source>
        <translation>图标</translation>
    </message>
    <message>
        <source>The skin &quot;%1&quot; chosen last time is not there (is its drive or folder missing?).</source>
        <translation>上次选择的皮肤“%1”不在了（是不是它所在的驱动器或文件夹不见了？）。</translation>
    </message>
    <message>
        <source>The skin chosen last time cannot be used:</source>
        <translation>上次选择的皮肤无法使用：</translation>
    </message>
    <message>
        <source>The built-in tiles are shown meanwhile. The skin stays chosen and is tried again at the next start; Graphics &gt; Load chooses another.</source>
        <translation>暂时显示内置图块。该皮肤仍保持选中，下次启动时会再试；图形 &gt; 载入 可另选一个。</translation>
    </message>
    <message>
        <source>Reverse play: click a free cell to place the keeper.</source>
        <translation>倒推模式：点击一个空格来放置搬运工。</translation>
    </message>
    <message>
        <source>The solver and its hints play forward only: leave reverse play first.</source>
        <translation>求解器及其提示只能正向进行：请先退出倒推模式。</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Empty Playlist</source>
        <translation>清空关卡列表</translation>
    </message>
    <message>
        <source>Default Playlist</source>
        <translation>默认关卡列表</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Foreground</source>
        <translation>前景</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Proportional</source>
        <translation>按比例</translation>
    </message>
    <message>
        <source>Stretched</source>
        <translation>拉伸</translation>
    </message>
    <message>
        <source>Transparency Color</source>
        <translation>透明色</translation>
    </message>
    <message>
        <source>Grid Color</source>
        <translation>网格颜色</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>No Background</source>
        <translation>无背景</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Colored Effect</source>
        <translation>彩色效果</translation>
    </message>
    <message>
        <source>Color 1</source>
        <translation>颜色 1</translation>
    </message>
    <message>
        <source>Color 2</source>
        <translation>颜色 2</translation>
    </message>
    <message>
        <source>Swap Colors</source>
        <translation>交换颜色</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>Load Texture</source>
        <translation>载入纹理</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Load Picture</source>
        <translation>载入图片</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>图形</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Directional Pusher (8-Row Skins)</source>
        <translation>有朝向的搬运工（8 行皮肤）</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>音效</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Associate Extension</source>
        <translation>关联扩展名</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>求解</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Last Solvable Position</source>
        <translation>最后可解局面</translation>
    </message>
    <message>
        <source>Deadlock Warnings</source>
        <translation>死锁警告</translation>
    </message>
    <message>
        <source>Save Snapshot</source>
        <translation>保存快照</translation>
    </message>
    <message>
        <source>Resume Attempt</source>
        <translation>继续尝试</translation>
    </message>
    <message>
        <source>Optimize Solution</source>
        <translation>优化答案</translation>
    </message>
    <message>
        <source>Live Solvability Check</source>
        <translation>实时可解性检查</translation>
    </message>
    <message>
        <source>Reverse Play</source>
        <translation>倒推模式</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>发送邮件</translation>
    </message>
    <message>
        <source>Web Site</source>
        <translation>网站</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Level=%1/%2</source>
        <translation>关卡=%1/%2</translation>
    </message>
    <message>
        <source>Size=%1x%2</source>
        <translation>大小=%1x%2</translation>
    </message>
    <message>
        <source>Reverse=%1/%2</source>
        <translation>倒推=%1/%2</translation>
    </message>
    <message>
        <source>Move=%1/%2</source>
        <translation>移动=%1/%2</translation>
    </message>
    <message>
        <source>Pull=%1</source>
        <translation>拉动=%1</translation>
    </message>
    <message>
        <source>Push=%1</source>
        <translation>推动=%1</translation>
    </message>
    <message>
        <source>Place keeper</source>
        <translation>放置搬运工</translation>
    </message>
    <message>
        <source>Time=%1</source>
        <translation>时间=%1</translation>
    </message>
    <message>
        <source>Done=%1/%2</source>
        <translation>完成=%1/%2</translation>
    </message>
    <message>
        <source>Todo=%1/%2</source>
        <translation>剩余=%1/%2</translation>
    </message>
    <message>
        <source>The level has unsaved changes. </source>
        <translation>关卡有未保存的修改。</translation>
    </message>
    <message>
        <source><byte value="xd"/>
<byte value="xd"/>
Do you want to go on ?</source>
        <translation><byte value="xd"/>
<byte value="xd"/>
要继续吗？</translation>
    </message>
    <message>
        <source>BEST SCORE !!!</source>
        <translation>最佳成绩！！！</translation>
    </message>
    <message>
        <source>Do you want to save the solution ?</source>
        <translation>要保存这个答案吗？</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a collection may hold (%3): it was not read.</source>
        <translation>文件 %1 大小为 %2，超过关卡集所能容纳的上限（%3）：未读取。</translation>
    </message>
    <message>
        <source>the board has no keeper</source>
        <translation>地图上没有搬运工</translation>
    </message>
    <message>
        <source>the board has %1 keepers</source>
        <translation>地图上有 %1 个搬运工</translation>
    </message>
    <message>
        <source>the board is larger than 50 × 50 cells</source>
        <translation>地图大于 50 × 50 格</translation>
    </message>
    <message>
        <source>the solution holds something other than moves</source>
        <translation>答案中含有移动步骤以外的内容</translation>
    </message>
    <message>
        <source>the solution fails at move %1</source>
        <translation>答案在第 %1 步失败</translation>
    </message>
    <message>
        <source>the solution does not solve the level</source>
        <translation>答案解不开此关卡</translation>
    </message>
    <message>
        <source>Level %1, line %2: %3</source>
        <translation>第 %1 关，第 %2 行：%3</translation>
    </message>
    <message>
        <source>Level %1 (%2), line %3: %4</source>
        <translation>第 %1 关（%2），第 %3 行：%4</translation>
    </message>
    <message>
        <source>CONGRATULATIONS !!!</source>
        <translation>恭喜过关！！！</translation>
    </message>
    <message>
        <source>MOVE = </source>
        <translation>移动 = </translation>
    </message>
    <message>
        <source>PUSH = </source>
        <translation>推动 = </translation>
    </message>
    <message>
        <source>TIME = </source>
        <translation>时间 = </translation>
    </message>
    <message>
        <source>%1.%2 MiB</source>
        <translation>%1.%2 MiB</translation>
    </message>
    <message>
        <source>replaced level %1</source>
        <translation>关卡于 %1 被替换</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a level may hold (%3): it was not read.</source>
        <translation>文件 %1 大小为 %2，超过关卡所能容纳的上限（%3）：未读取。</translation>
    </message>
    <message>
        <source>THE TWO ATTEMPTS MEET !!!<byte value="xd"/>
The forward moves and the reverse pulls together solve the level.</source>
        <translation>两次尝试相遇了！！！<byte value="xd"/>
正向的移动与倒推的拉动合起来解开了此关卡。</translation>
    </message>
    <message>
        <source>SOLVED IN REVERSE !!!</source>
        <translation>倒推解开！！！</translation>
    </message>
    <message>
        <source>This level cannot be played in reverse: it needs one keeper and as many boxes as targets.</source>
        <translation>此关卡无法倒推：需要一个搬运工，且箱子与目标点一样多。</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a snapshot file may hold (%3): it was not read.</source>
        <translation>文件 %1 大小为 %2，超过快照文件所能容纳的上限（%3）：未读取。</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;: %2</source>
        <translation>无法读取文件“%1”：%2</translation>
    </message>
    <message>
        <source>%1 Nothing was written to it.</source>
        <translation>%1 未向其中写入任何内容。</translation>
    </message>
    <message>
        <source>The attempt has %1 moves, more than a snapshot may hold (%2): it was not kept in %3.</source>
        <translation>此尝试有 %1 步，超过快照所能容纳的上限（%2）：未保存到 %3。</translation>
    </message>
    <message>
        <source>The file %1 would grow to %2, more than a snapshot file may hold (%3): the snapshot was not kept.</source>
        <translation>文件 %1 将增长到 %2，超过快照文件所能容纳的上限（%3）：快照未保存。</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a playlist may hold (%3): it was not read.</source>
        <translation>文件 %1 大小为 %2，超过关卡列表所能容纳的上限（%3）：未读取。</translation>
    </message>
    <message>
        <source> It is not replaced.</source>
        <translation> 它不会被替换。</translation>
    </message>
    <message>
        <source>Do you really want to empty playlist ?</source>
        <translation>确定要清空关卡列表吗？</translation>
    </message>
    <message>
        <source>Do you really want to reload default playlist ?</source>
        <translation>确定要重新载入默认关卡列表吗？</translation>
    </message>
    <message>
        <source>The file %1 is %2, more than a solution file may hold (%3): it was not read.</source>
        <translation>文件 %1 大小为 %2，超过答案文件所能容纳的上限（%3）：未读取。</translation>
    </message>
    <message>
        <source>Do you really want to create a new level ?</source>
        <translation>确定要新建一个关卡吗？</translation>
    </message>
    <message>
        <source>Do you really want to apply updates ?</source>
        <translation>确定要应用这些修改吗？</translation>
    </message>
    <message>
        <source>Do you really want to cancel updates ?</source>
        <translation>确定要取消这些修改吗？</translation>
    </message>
    <message>
        <source>Do you want to save the level now ?</source>
        <translation>要现在保存关卡吗？</translation>
    </message>
    <message>
        <source>Snapshot %1</source>
        <translation>快照 %1</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Save Snapshot under the proposed name</source>
        <translation>以建议的名称保存快照</translation>
    </message>
    <message>
        <source>Leave full screen, or quit</source>
        <translation>退出全屏，或退出游戏</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Back to the start</source>
        <translation>回到开头</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>To the last position</source>
        <translation>到最后的局面</translation>
    </message>
    <message>
        <source>Import Collection</source>
        <translation>导入关卡集</translation>
    </message>
    <message>
        <source>Export Playlist</source>
        <translation>导出关卡列表</translation>
    </message>
    <message>
        <source>Copy Level</source>
        <translation>复制关卡</translation>
    </message>
    <message>
        <source>Paste Level</source>
        <translation>粘贴关卡</translation>
    </message>
    <message>
        <source>Copy Solution</source>
        <translation>复制答案</translation>
    </message>
    <message>
        <source>Paste Solution</source>
        <translation>粘贴答案</translation>
    </message>
    <message>
        <source>Move left</source>
        <translation>向左走</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>向上走</translation>
    </message>
    <message>
        <source>Move right</source>
        <translation>向右走</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>向下走</translation>
    </message>
    <message>
        <source>Shift the level left</source>
        <translation>将关卡左移</translation>
    </message>
    <message>
        <source>Shift the level up</source>
        <translation>将关卡上移</translation>
    </message>
    <message>
        <source>Shift the level right</source>
        <translation>将关卡右移</translation>
    </message>
    <message>
        <source>Shift the level down</source>
        <translation>将关卡下移</translation>
    </message>
</context>
</TS>
