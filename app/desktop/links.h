#pragma once
// The maintainer's address and the project's page: Help > Send Mail, Help > Web Site and the
// About box all take them from here.

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace w4 {

inline constexpr char kMailAddress[] = "warehaus4@example.org";
inline constexpr char kWebSite[] = "https://warehaus4.example.org";

inline QUrl MailUrl() { return QUrl(QStringLiteral("mailto:") + QLatin1String(kMailAddress)); }
inline QUrl WebSiteUrl() { return QUrl(QLatin1String(kWebSite)); }

// The desktop's mail program and browser take it from here; a desktop without one says nothing.
inline void SendMail() { QDesktopServices::openUrl(MailUrl()); }
inline void OpenWebSite() { QDesktopServices::openUrl(WebSiteUrl()); }

} // namespace w4
