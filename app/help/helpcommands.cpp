// The help's keys and the check marks of its menu items.
#include "app/help/boardhelp.h"

#include "app/window/windowseam.h"
#include "core/uglobal.h"

#include <QAction>

bool w4::BoardHelp::KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    FinishWalk();
    const Qt::KeyboardModifiers mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (key == Qt::Key_H && mods == Qt::NoModifier && game_.GameMode == w4::ModePlay) {
        Hint();
        return true;
    }
    // Modifier keys alone are part of a Ctrl click, not a wish to stop the hint.
    if (key != Qt::Key_Control && key != Qt::Key_Shift && key != Qt::Key_Alt && key != Qt::Key_Meta)
        CancelHintSearch();
    return false;
}

// The deadlock warnings' items in the menu bar and the board's menu show the setting.
void w4::BoardHelp::SetUpMenuChecks()
{
    for (const char* prefix : {"MNU", "POP"})
        if (QAction* item = window_.MenuItem(QString::fromLatin1(prefix) + QStringLiteral("ToolsDeadlockWarnings")))
            item->setCheckable(true);
}

void w4::BoardHelp::UpdateMenuChecks()
{
    for (const char* prefix : {"MNU", "POP"})
        if (QAction* item = window_.MenuItem(QString::fromLatin1(prefix) + QStringLiteral("ToolsDeadlockWarnings")))
            if (item->isChecked() != game_.DeadlockWarnings)
                item->setChecked(game_.DeadlockWarnings);
}
