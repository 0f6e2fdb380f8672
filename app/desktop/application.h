#pragma once
// The application object with the program's general error handler: an exception that escapes a
// command ends that command, and its text (which names the file) is shown in a message box.

#include <QApplication>

#include <functional>

namespace w4 {

class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Where the message goes; a plain error box until the main window offers its own.
    void SetErrorReporter(std::function<void(const QString&)> reporter) { reporter_ = std::move(reporter); }

private:
    std::function<void(const QString&)> reporter_;
};

// Runs one command and reports an escaping exception instead of letting it unwind through Qt.
// Returns false when the command failed.
bool RunGuarded(const std::function<void()>& command, const std::function<void(const QString&)>& report);

} // namespace w4
