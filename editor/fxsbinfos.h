#pragma once
// The level-information dialog: the six header fields of the level in one small form.

#include "core/uglobal.h"

#include <QDialog>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace w4 {

class TFRMXSBInfos : public QDialog {
    Q_OBJECT

public:
    // Fills the edits from `header` (stored bytes, UTF-8 or Windows-1252), trimmed.
    explicit TFRMXSBInfos(const LevelHeaderFields& header, QWidget* parent = nullptr);

    // Shows the dialog modally: the edited header on OK, nothing on Cancel or close.
    static std::optional<LevelHeaderFields> Execute(QWidget* parent, const LevelHeaderFields& header);

    // The header as OK stored it: each field trimmed, in the encoding its old value had.
    // Before OK it is the header the dialog was given.
    const LevelHeaderFields& Header() const { return Result; }

    QLineEdit* Edit(HeaderField field) const { return Edits[static_cast<std::size_t>(field)]; }

    QLineEdit* EDTTitle = nullptr;
    QLineEdit* EDTCollection = nullptr;
    QLineEdit* EDTDate = nullptr;
    QLineEdit* EDTAuthor = nullptr;
    QLineEdit* EDTAuthorMail = nullptr;
    QLineEdit* EDTAuthorPage = nullptr;
    QPushButton* BTNOK = nullptr;
    QPushButton* BTNCancel = nullptr;

private:
    void FormCreate();
    void BTNOKClick();

    LevelHeaderFields Original;
    LevelHeaderFields Result;
    std::array<QLineEdit*, HeaderFieldCount> Edits{};
};

} // namespace w4
