#include "app/desktop/about.h"

#include "app/desktop/links.h"
#include "core/text.h"

#include <QCoreApplication>
#include <QStringList>

namespace w4 {

QString AboutText(const GameState& /*g*/)
{
    const QString author = QStringLiteral("The Warehaus4 developers");
    const QString version = QStringLiteral(W4_VERSION);
    const QString date = QStringLiteral(W4_RELEASE_DATE);
    const auto text = [](const char* english) { return QCoreApplication::translate("Warehaus4", english); };
    const QStringList lines = {
        text(QT_TRANSLATE_NOOP("Warehaus4", "Program : %1")).arg(QStringLiteral("Warehaus4")),
        text(QT_TRANSLATE_NOOP("Warehaus4", "Author : %1")).arg(author),
        text(QT_TRANSLATE_NOOP("Warehaus4", "Version : %1")).arg(version),
        text(QT_TRANSLATE_NOOP("Warehaus4", "Date : %1 (yyyy-mm-dd)")).arg(date),
        text(QT_TRANSLATE_NOOP("Warehaus4", "E-Mail : %1")).arg(QLatin1String(kMailAddress)),
        text(QT_TRANSLATE_NOOP("Warehaus4", "WebSite : %1")).arg(QLatin1String(kWebSite)),
        QString(),
        // The default levels are David W. Skinner's; their licence asks that he be credited.
        text(QT_TRANSLATE_NOOP("Warehaus4", "Levels : Microban and Microban II by David W. Skinner")),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace w4
