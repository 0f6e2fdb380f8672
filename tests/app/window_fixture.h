#pragma once
// A real main window in a temporary program folder, driven by key events through its QWindow
// (so the window's key preview sees them as it would a real key) and answered by scripted dialogs.

#include "app/window/fmain.h"
#include "scripted_dialogs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace w4test {

inline void EnsureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window started without settings speaks the desktop's language: English here, whatever
    // the shell that runs the tests speaks.
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    qputenv("LANG", "C.UTF-8");
    static int argc = 1;
    static char name[] = "tests_app";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);   // kept for the whole test program
}

inline std::filesystem::path SourceLevels() { return std::filesystem::path(W4_SOURCE_DIR) / "levels"; }

inline std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAll(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(dir.isValid());
        folder = std::filesystem::path(dir.path().toStdString()) / "";
        std::filesystem::create_directories(folder / "levels");
    }

    void TearDown() override { window.reset(); }

    // Copies default levels ("0101", ...) from the source tree into the program folder.
    void CopyLevels(const std::vector<std::string>& names)
    {
        for (const std::string& name : names)
            std::filesystem::copy_file(SourceLevels() / (name + ".xsb"), folder / "levels" / (name + ".xsb"),
                                       std::filesystem::copy_options::overwrite_existing);
    }

    std::string LevelPath(const std::string& name) const { return (folder / "levels" / (name + ".xsb")).string(); }

    void WriteSettings(const std::string& text) { WriteAll(folder / "boxyard4.ini", text); }
    void WritePlaylist(const std::vector<std::string>& entries)
    {
        std::string text;
        for (const std::string& entry : entries)
            text += entry + "\r\n";
        WriteAll(folder / "boxyard4.lev", text);
    }

    void Start(const QStringList& commandLine = {})
    {
        QByteArrayList bytes;
        for (const QString& argument : commandLine)
            bytes << QFile::encodeName(argument);
        StartWithBytes(bytes);
    }

    // The command line as the program receives it: bytes, whatever their encoding.
    void StartWithBytes(const QByteArrayList& commandLine)
    {
        window = std::make_unique<TFRMMain>(folder, dialogs, commandLine);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        // A fixed clock: the status bar's time is then exactly what a test sets.
        window->State().Now = [this] { return now; };
    }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }

    // Presses the arrow keys of a string of move letters (either case).
    void Play(const std::string& letters)
    {
        for (char c : letters) {
            switch (c) {
            case 'l': case 'L': Key(Qt::Key_Left); break;
            case 'u': case 'U': Key(Qt::Key_Up); break;
            case 'r': case 'R': Key(Qt::Key_Right); break;
            case 'd': case 'D': Key(Qt::Key_Down); break;
            default: break;
            }
        }
    }

    w4::GameState& G() { return window->State(); }
    QString Status(int panel) const { return window->StatusText(panel); }

    QTemporaryDir dir;
    std::filesystem::path folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TFRMMain> window;
    w4::DateTime now = std::chrono::system_clock::now();
};

// The shortest push solution of a level file's board, as move letters, found breadth first.
std::string SolveLevel(const std::string& path);

} // namespace w4test
