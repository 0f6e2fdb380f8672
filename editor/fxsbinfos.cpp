#include "editor/fxsbinfos.h"

#include "core/headertext.h"
#include "core/text.h"
#include "core/usokoban.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace w4 {

namespace {

constexpr int NarrowEdit = 121, WideEdit = 241;

struct FieldRow {
    const char* Label;
    int EditWidth;
};

// Labels are the same in both languages.
constexpr std::array<FieldRow, HeaderFieldCount> Rows = {{
    {"Title :", NarrowEdit},
    {"Collection :", NarrowEdit},
    {"Date :", NarrowEdit},
    {"Author :", NarrowEdit},
    {"AuthorMail :", WideEdit},
    {"AuthorPage :", WideEdit},
}};

// The form as drawn for Arial 8 point. Where the font actually used is larger (Arial is often
// replaced by a wider face), the edits move right and the rows apart so no label is cut.
constexpr int ClientWidth = 343, ClientHeight = 224;
constexpr int LabelLeft = 8, LabelGap = 4;
constexpr int FirstRowTop = 8, RowStep = 24, EditLeft = 88, EditHeight = 21;
constexpr int RightMargin = ClientWidth - EditLeft - WideEdit;
constexpr int ButtonWidth = 97, ButtonHeight = 25, ButtonGap = 24;
constexpr int ButtonsBelowRows = 32, BottomMargin = 15;
// Header lines are as long as their file makes them; the line edit's usual cap would cut them.
constexpr int NoPracticalLimit = 1 << 24;

QString Shown(const std::string& bytes)
{
    return QString::fromStdString(DecodeHeaderValue(TrimControl(bytes)));
}

} // namespace

TFRMXSBInfos::TFRMXSBInfos(const LevelHeaderFields& header, QWidget* parent)
    : QDialog(parent), Original(header), Result(header)
{
    setWindowTitle(QStringLiteral("XSB"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    QFont bold = font;
    bold.setBold(true);

    std::array<QLabel*, HeaderFieldCount> labels{};
    int labelWidth = 0;
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        labels[i] = new QLabel(QString::fromUtf8(Rows[i].Label), this);
        labels[i]->setFont(bold);
        labelWidth = std::max(labelWidth, labels[i]->sizeHint().width());
        Edits[i] = new QLineEdit(this);
        Edits[i]->setMaxLength(NoPracticalLimit);
    }
    const int editLeft = std::max(EditLeft, LabelLeft + labelWidth + LabelGap);
    const int editHeight = std::max(EditHeight, Edits[0]->sizeHint().height());
    const int rowStep = std::max(RowStep, editHeight + RowStep - EditHeight);
    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int top = FirstRowTop + static_cast<int>(i) * rowStep;
        labels[i]->setGeometry(LabelLeft, top, editLeft - LabelLeft - LabelGap / 2, editHeight);
        Edits[i]->setGeometry(editLeft, top, Rows[i].EditWidth, editHeight);
        labels[i]->setBuddy(Edits[i]);
    }
    const int buttonTop = FirstRowTop + static_cast<int>(Rows.size()) * rowStep + ButtonsBelowRows;
    const int clientWidth = std::max(ClientWidth, editLeft + WideEdit + RightMargin);
    setFixedSize(clientWidth, std::max(ClientHeight, buttonTop + ButtonHeight + BottomMargin));
    EDTTitle = Edits[Title];
    EDTCollection = Edits[Collection];
    EDTDate = Edits[Date];
    EDTAuthor = Edits[Author];
    EDTAuthorMail = Edits[AuthorMail];
    EDTAuthorPage = Edits[AuthorPage];
    EDTTitle->setObjectName(QStringLiteral("EDTTitle"));
    EDTCollection->setObjectName(QStringLiteral("EDTCollection"));
    EDTDate->setObjectName(QStringLiteral("EDTDate"));
    EDTAuthor->setObjectName(QStringLiteral("EDTAuthor"));
    EDTAuthorMail->setObjectName(QStringLiteral("EDTAuthorMail"));
    EDTAuthorPage->setObjectName(QStringLiteral("EDTAuthorPage"));

    BTNOK = new QPushButton(QStringLiteral("OK"), this);
    BTNOK->setObjectName(QStringLiteral("BTNOK"));
    BTNCancel = new QPushButton(QString::fromStdString(Warehaus4::Tr("Cancel")), this);
    BTNCancel->setObjectName(QStringLiteral("BTNCancel"));
    const int buttonsLeft = (clientWidth - 2 * ButtonWidth - ButtonGap) / 2;
    BTNOK->setGeometry(buttonsLeft, buttonTop, ButtonWidth, ButtonHeight);
    BTNCancel->setGeometry(buttonsLeft + ButtonWidth + ButtonGap, buttonTop, ButtonWidth, ButtonHeight);
    BTNOK->setDefault(true);
    // Esc rejects the dialog, as Cancel does.
    connect(BTNOK, &QPushButton::clicked, this, &TFRMXSBInfos::BTNOKClick);
    connect(BTNCancel, &QPushButton::clicked, this, &QDialog::reject);

    for (std::size_t i = 0; i + 1 < Edits.size(); ++i)
        setTabOrder(Edits[i], Edits[i + 1]);
    setTabOrder(EDTAuthorPage, BTNOK);
    setTabOrder(BTNOK, BTNCancel);

    FormCreate();
}

void TFRMXSBInfos::FormCreate()
{
    for (std::size_t i = 0; i < Edits.size(); ++i)
        Edits[i]->setText(Shown(Original[i]));
    EDTTitle->setFocus();
}

void TFRMXSBInfos::BTNOKClick()
{
    for (std::size_t i = 0; i < Edits.size(); ++i) {
        const std::string text = TrimControl(Edits[i]->text().toStdString());
        Result[i] = EncodeHeaderValue(text, Original[i]);
    }
    accept();
}

std::optional<LevelHeaderFields> TFRMXSBInfos::Execute(QWidget* parent, const LevelHeaderFields& header)
{
    TFRMXSBInfos dialog(header, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Header();
}

} // namespace w4
