#include "app/application.h"
#include "app/dialogs.h"
#include "app/fmain.h"

#include <QDir>
#include <QFile>

int main(int argc, char** argv)
{
    w4::Application app(argc, argv);
    app.setApplicationName(QStringLiteral("Warehaus4"));
    const QStringList arguments = app.arguments().mid(1);

    // Single instance: when Warehaus4 already runs, it takes the arguments and this start ends
    // here, before any window exists. (The hand-over check is called at this point.)

    const std::filesystem::path programFolder =
        QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QDir::separator()))
            .toStdString();
    w4::QtDialogs dialogs;
    TFRMMain window(programFolder, dialogs, arguments);
    dialogs.SetParent(&window);
    app.SetErrorReporter([&dialogs](const QString& text) { dialogs.Error(text); });
    window.show();
    return app.exec();
}
