#include "app/desktop/about.h"

#include "app/desktop/links.h"
#include "core/ufunction.h"

#include <QStringList>

namespace w4 {

namespace {

QString Choose(const GameState& g, const char* english, const char* french)
{
    return QString::fromUtf8(ChooseText(g, english, french));
}

} // namespace

QString AboutText(const GameState& g)
{
    const QString author = QStringLiteral("The Warehaus4 developers");
    const QString version = QStringLiteral(W4_VERSION);
    const QString date = QStringLiteral(W4_RELEASE_DATE);
    const QStringList lines = {
        Choose(g, "Program : Warehaus4", "Programme : Warehaus4"),
        Choose(g, "Author : ", "Auteur : ") + author,
        QStringLiteral("Version : ") + version,
        QStringLiteral("Date : ") + date + Choose(g, " (yyyy-mm-dd)", " (aaaa-mm-jj)"),
        QStringLiteral("E-Mail : ") + QLatin1String(kMailAddress),
        Choose(g, "WebSite : ", "SiteWeb : ") + QLatin1String(kWebSite),
        QString(),
        // The default levels are David W. Skinner's; their licence asks that he be credited.
        Choose(g, "Levels : Microban and Microban II by David W. Skinner",
               "Niveaux : Microban et Microban II de David W. Skinner"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace w4
