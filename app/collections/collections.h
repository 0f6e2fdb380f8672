#pragma once
// Collections and the clipboard: File > Import Collection, Export Playlist, and copying and
// pasting levels and solutions as text. An object of its own over the window's state, dialogs and
// screen; the window forwards each command here in one line.

namespace w4 {

class WindowSeam;

class Collections {
public:
    explicit Collections(WindowSeam& window) : window_(window) {}

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
