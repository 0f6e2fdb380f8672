#pragma once
// Every modal box and file chooser of the main window goes through this interface, so the GUI
// tests can answer them from a script instead of blocking on a real dialog.

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace w4 {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A Yes/No confirmation: true only for Yes.
    virtual bool Question(const QString& text) = 0;
    // An information box with OK.
    virtual void Notice(const QString& text) = 0;
    // An error box with OK; the text names the file that failed.
    virtual void Error(const QString& text) = 0;

    // Several files may be chosen; empty on Cancel. filter uses Qt's "Name (*.a *.b)" form. A name
    // typed without an extension gets defaultSuffix (none when empty).
    virtual QStringList OpenFiles(const QString& folder, const QString& filter,
                                  const QString& defaultSuffix = QString()) = 0;
    // One existing file; empty on Cancel.
    virtual QString OpenFile(const QString& folder, const QString& filter,
                             const QString& defaultSuffix = QString()) = 0;
    // No question before an existing file is replaced; empty on Cancel.
    virtual QString SaveFile(const QString& folder, const QString& filter, const QString& defaultSuffix) = 0;
    virtual std::optional<QColor> Colour(const QColor& initial) = 0;
    // A picture chooser with a preview of the selected file.
    virtual QString Picture(const QString& folder, const QString& filter) = 0;
    virtual QString MusicFile(const QString& folder, const QString& filter) = 0;
    // A folder, the chooser opening on `start`; empty on Cancel.
    virtual QString Folder(const QString& start) { (void)start; return {}; }
    // One line of text, offered as `initial`; nothing on Cancel.
    virtual std::optional<QString> Text(const QString& prompt, const QString& initial)
    {
        (void)prompt;
        return initial;
    }
};

// The real boxes, parented to the main window. Qt's own file dialogs are used rather than the
// desktop's so that they behave the same everywhere and can be driven in tests.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool Question(const QString& text) override;
    void Notice(const QString& text) override;
    void Error(const QString& text) override;
    QStringList OpenFiles(const QString& folder, const QString& filter,
                          const QString& defaultSuffix = QString()) override;
    QString OpenFile(const QString& folder, const QString& filter, const QString& defaultSuffix = QString()) override;
    QString SaveFile(const QString& folder, const QString& filter, const QString& defaultSuffix) override;
    std::optional<QColor> Colour(const QColor& initial) override;
    QString Picture(const QString& folder, const QString& filter) override;
    QString MusicFile(const QString& folder, const QString& filter) override;
    QString Folder(const QString& start) override;
    std::optional<QString> Text(const QString& prompt, const QString& initial) override;

private:
    QWidget* parent_;
};

// A question that names a file shows the path on its own line after the text.
QString WithPath(const QString& text, const QString& path);

} // namespace w4
