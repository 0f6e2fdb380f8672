#include "app/desktop/appicon.h"
#include "app/desktop/application.h"
#include "app/desktop/fontwarmup.h"
#include "app/desktop/quickstyle.h"
#include "app/desktop/singleinstance.h"
#include "app/snapshots/endsignals.h"
#include "app/window/dialogs.h"
#include "app/window/fmain.h"
#include "app/window/startuptrace.h"

#include <QDir>
#include <QFile>
#include <QSessionManager>
#include <QTimer>

int main(int argc, char** argv)
{
    w4::StartupMark("main");
    w4::FontWarmUp fonts;
    w4::Application app(argc, argv);
    w4::UseQuickStartStyle();
    w4::StartupMark("application object");
    app.setApplicationName(QStringLiteral("Warehaus4"));
    // Ties the window to the desktop entry that Tools > Associate Extension writes.
    app.setDesktopFileName(QStringLiteral("warehaus4"));
    // The arguments' own bytes: a file name need not be UTF-8, and QString would change it.
    // (QApplication has taken its own options out of argv by now.)
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    // An option, not a level file: it is neither opened nor handed to a running window.
    const bool portable = arguments.removeAll(QByteArray(w4::kPortableOption)) > 0;

    // When Warehaus4 already runs on this desktop it takes the arguments, and this start ends
    // here, before any window exists.
    w4::SingleInstance instance;
    if (!instance.Start(arguments))
        return 0;
    w4::StartupMark("single instance");

    const std::filesystem::path programFolder =
        QFile::encodeName(QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QDir::separator()))
            .toStdString();
    const w4::Folders folders = w4::ChooseFolders(w4::ProcessFolderInputs(programFolder, portable));
    w4::QtDialogs dialogs;
    w4::StartupMark("folders");
    fonts.Join();
    w4::StartupMark("fonts");
    TFRMMain window(programFolder, folders, dialogs, arguments);
    // Drawn at seven sizes: once the window is up.
    window.AfterFirstPaint = [&app] { app.setWindowIcon(w4::AppIcon()); };
    w4::StartupMark("window built");
    dialogs.SetParent(&window);
    app.SetErrorReporter([&dialogs](const QString& text) { dialogs.Error(text); });

    // Direct connections: a later start gets its answer only once the level is loaded and drawn.
    QObject::connect(&instance, &w4::SingleInstance::fileHandedOver, &window, &TFRMMain::ReceiveHandedOverArgument);
    QObject::connect(&instance, &w4::SingleInstance::raiseRequested, &window, [&window] { w4::BringToFront(&window); });
    // Ending without the quit question still keeps the attempt in progress (the settings are
    // written only on a confirmed quit).
    w4::WatchEndSignals(&window, [&window](int) { window.EndAtOnce(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.KeepAttemptInProgress(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &window, [&window] { window.KeepAttemptInProgress(); });
    window.show();
    // An installed copy with no home to keep its files in says so rather than fail at the first write.
    if (!folders.Missing.empty())
        dialogs.Error(QString::fromStdString(folders.Missing));
    w4::StartupMark("window shown");
    QTimer::singleShot(0, [] { w4::StartupMark("event loop"); });
    return app.exec();
}
