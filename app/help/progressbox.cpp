#include "app/help/progressbox.h"

#include <QProgressDialog>

QProgressDialog* w4::OpenSearchProgress(QWidget* parent, const char* objectName, const QString& label,
                                        const QString& cancelText, int minimumWidth, std::function<void()> cancel)
{
    auto* dialog = new QProgressDialog(label, cancelText, 0, 0, parent);
    dialog->setObjectName(QString::fromLatin1(objectName));
    dialog->setWindowTitle(QStringLiteral("Warehaus4"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(0);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setMinimumWidth(minimumWidth);
    QObject::connect(dialog, &QProgressDialog::canceled, parent, std::move(cancel));
    dialog->show();
    return dialog;
}
