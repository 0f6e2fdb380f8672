#pragma once
// Dialogs answered from a script, recording what the window asked and showed.

#include "app/window/dialogs.h"

#include <deque>

namespace w4test {

class ScriptedDialogs : public w4::Dialogs {
public:
    // Answers in order; once the script is used up every question is answered No.
    std::deque<bool> Answers;
    std::deque<QStringList> FilesToOpen;
    std::deque<QString> FileToOpen;
    std::deque<QString> FileToSave;
    std::deque<std::optional<QColor>> Colours;
    std::deque<QString> Pictures;
    std::deque<QString> Musics;
    std::deque<QString> Folders;
    QStringList FolderStarts;

    QStringList Questions;
    QStringList Notices;
    QStringList Errors;
    QStringList OpenSuffixes;   // the default extension of each open dialog, in order

    bool Question(const QString& text) override
    {
        Questions << text;
        if (Answers.empty())
            return false;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void Notice(const QString& text) override { Notices << text; }
    void Error(const QString& text) override { Errors << text; }
    QStringList OpenFiles(const QString&, const QString&, const QString& defaultSuffix = QString()) override
    {
        OpenSuffixes << defaultSuffix;
        return Take(FilesToOpen);
    }
    QString OpenFile(const QString&, const QString&, const QString& defaultSuffix = QString()) override
    {
        OpenSuffixes << defaultSuffix;
        return Take(FileToOpen);
    }
    QString SaveFile(const QString&, const QString&, const QString&) override { return Take(FileToSave); }
    std::optional<QColor> Colour(const QColor&) override { return Take(Colours); }
    QString Picture(const QString&, const QString&) override { return Take(Pictures); }
    QString MusicFile(const QString&, const QString&) override { return Take(Musics); }
    QString Folder(const QString& start) override
    {
        FolderStarts << start;
        return Take(Folders);
    }

private:
    template <typename T>
    static T Take(std::deque<T>& queue)
    {
        if (queue.empty())
            return T{};
        T value = std::move(queue.front());
        queue.pop_front();
        return value;
    }
};

} // namespace w4test
