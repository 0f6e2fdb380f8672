#pragma once
// Collections and the clipboard: File > Import Collection, Export Playlist, and copying and
// pasting levels and solutions as text. An object of its own over the window's state, dialogs and
// screen; its commands and their keys go into the window's command table.

namespace w4 {

class CommandTable;
class WindowSeam;

class Collections {
public:
    explicit Collections(WindowSeam& window) : window_(window) {}

    // File > Import Collection, Export Playlist, Copy and Paste Level, Copy and Paste Solution;
    // Ctrl+C and Ctrl+V for levels, with Shift for solutions, in every mode.
    void AddCommands(CommandTable& table);

    void Import();
    void ExportPlaylist();
    void CopyLevel();
    void PasteLevel();
    void CopySolution();
    void PasteSolution();

private:
    WindowSeam& window_;
};

} // namespace w4
