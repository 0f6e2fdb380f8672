#include "editor/fxsbinfos.h"

#include "core/headertext.h"
#include "core/usokoban.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace w4 {

namespace {

struct FieldRow {
    const char* Label;
    int EditWidth;
};

// Labels are the same in both languages.
constexpr std::array<FieldRow, HeaderFieldCount> Rows = {{
    {"Title :", 121},
    {"Collection :", 121},
    {"Date :", 121},
    {"Author :", 121},
    {"AuthorMail :", 241},
    {"AuthorPage :", 241},
}};

constexpr int ClientWidth = 343, ClientHeight = 224;
constexpr int FirstRowTop = 8, RowStep = 24, EditLeft = 88, EditHeight = 21;
constexpr int ButtonWidth = 97, ButtonHeight = 25, ButtonTop = 184, ButtonGap = 24;
// Header lines are as long as their file makes them; the line edit's usual cap would cut them.
constexpr int NoPracticalLimit = 1 << 24;

QString Shown(const std::string& bytes)
{
    return QString::fromStdString(DecodeHeaderValue(TrimControl(bytes)));
}

} // namespace

TFRMXSBInfos::TFRMXSBInfos(const LevelHeaderFields& header, int languageNumber, QWidget* parent)
    : QDialog(parent), Original(header), Result(header)
{
    setWindowTitle(QStringLiteral("XSB"));
    setFixedSize(ClientWidth, ClientHeight);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    QFont bold = font;
    bold.setBold(true);

    for (std::size_t i = 0; i < Rows.size(); ++i) {
        const int top = FirstRowTop + static_cast<int>(i) * RowStep;
        auto* label = new QLabel(QString::fromUtf8(Rows[i].Label), this);
        label->setFont(bold);
        label->setGeometry(8, top, EditLeft - 10, EditHeight);
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(NoPracticalLimit);
        edit->setGeometry(EditLeft, top, Rows[i].EditWidth, EditHeight);
        label->setBuddy(edit);
        Edits[i] = edit;
    }
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

    const bool french = languageNumber == LanguageFrench;
    BTNOK = new QPushButton(QStringLiteral("OK"), this);
    BTNOK->setObjectName(QStringLiteral("BTNOK"));
    BTNCancel = new QPushButton(french ? QStringLiteral("Annuler") : QStringLiteral("Cancel"), this);
    BTNCancel->setObjectName(QStringLiteral("BTNCancel"));
    const int buttonsLeft = (ClientWidth - 2 * ButtonWidth - ButtonGap) / 2;
    BTNOK->setGeometry(buttonsLeft, ButtonTop, ButtonWidth, ButtonHeight);
    BTNCancel->setGeometry(buttonsLeft + ButtonWidth + ButtonGap, ButtonTop, ButtonWidth, ButtonHeight);
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

std::optional<LevelHeaderFields> TFRMXSBInfos::Execute(QWidget* parent, const LevelHeaderFields& header,
                                                       int languageNumber)
{
    TFRMXSBInfos dialog(header, languageNumber, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Header();
}

} // namespace w4
