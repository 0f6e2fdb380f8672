#include "app/window/dialogs.h"

#include "app/window/captions.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <memory>

namespace w4 {

namespace {

const QString Title = QStringLiteral("Warehaus4");

// Messages are composed with CR LF; a label wants plain line feeds.
QString Shown(const QString& text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

QFileDialog* MakeFileDialog(QWidget* parent, const QString& folder, const QString& filter)
{
    auto* dialog = new QFileDialog(parent, Title, folder, filter);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog;
}

QString ChooseOne(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

// The reader checks the size before decoding, so a huge or broken file cannot stall the dialog.
void ShowPreview(QLabel& preview, const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > 16384 || size.height() > 16384) {
        preview.clear();
        return;
    }
    reader.setScaledSize(size.scaled(preview.size(), Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        preview.clear();
    else
        preview.setPixmap(QPixmap::fromImage(image));
}

} // namespace

bool QtDialogs::Question(const QString& text)
{
    QMessageBox box(QMessageBox::Question, Title, Shown(text), QMessageBox::Yes | QMessageBox::No, parent_);
    // Yes is the default, so Escape then Enter quits as it always did; Escape in the box is No.
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(Warehaus4::QTr("&Yes"));
    box.button(QMessageBox::No)->setText(Warehaus4::QTr("&No"));
    return box.exec() == QMessageBox::Yes;
}

void QtDialogs::Notice(const QString& text)
{
    QMessageBox::information(parent_, Title, Shown(text), QMessageBox::Ok);
}

void QtDialogs::Error(const QString& text)
{
    QMessageBox::critical(parent_, Title, Shown(text), QMessageBox::Ok);
}

QStringList QtDialogs::OpenFiles(const QString& folder, const QString& filter, const QString& defaultSuffix)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent_, folder, filter));
    dialog->setFileMode(QFileDialog::ExistingFiles);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog->exec() != QDialog::Accepted)
        return {};
    return dialog->selectedFiles();
}

QString QtDialogs::OpenFile(const QString& folder, const QString& filter, const QString& defaultSuffix)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent_, folder, filter));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setDefaultSuffix(defaultSuffix);
    return ChooseOne(*dialog);
}

QString QtDialogs::SaveFile(const QString& folder, const QString& filter, const QString& defaultSuffix)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent_, folder, filter));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setDefaultSuffix(defaultSuffix);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return ChooseOne(*dialog);
}

std::optional<QColor> QtDialogs::Colour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent_, Title, QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QString QtDialogs::Picture(const QString& folder, const QString& filter)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent_, folder, filter));
    dialog->setFileMode(QFileDialog::ExistingFile);

    // The preview sits to the right of the file list.
    auto* preview = new QLabel(dialog.get());
    preview->setObjectName(QStringLiteral("PicturePreview"));
    preview->setFixedSize(160, 160);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(dialog.get(), &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { ShowPreview(*preview, path); });
    // A file chosen before (the chooser opens on it) shows at once, not only after a click.
    if (QFileInfo(folder).isFile())
        ShowPreview(*preview, folder);
    return ChooseOne(*dialog);
}

QString QtDialogs::MusicFile(const QString& folder, const QString& filter)
{
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent_, folder, filter));
    dialog->setFileMode(QFileDialog::ExistingFile);
    return ChooseOne(*dialog);
}

QString QtDialogs::Folder(const QString& start)
{
    QFileDialog dialog(parent_, Title, start);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    // Opened inside the proposed folder, OK takes that folder as it is.
    dialog.setDirectory(start);
    return ChooseOne(dialog);
}

std::optional<QString> QtDialogs::Text(const QString& prompt, const QString& initial)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(Title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setCancelButtonText(Warehaus4::QTr("Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QString WithPath(const QString& text, const QString& path)
{
    return text + QStringLiteral("\r\n(") + path + QStringLiteral(")");
}

} // namespace w4
