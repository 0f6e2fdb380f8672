#pragma once

#include <QProxyStyle>

namespace w4 {

// The desktop's own style, with one picture drawn rather than read: the menu bar asks for its
// overflow button's picture while it is built, and the common style reads that picture with its
// format guessed, which loads every image plugin Qt has (SVG, GIF, ICO, JPEG ...) before the window
// can show. The button appears only when the menus do not fit the window.
class QuickStartStyle : public QProxyStyle {
public:
    explicit QuickStartStyle(const QString& baseStyleName);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Puts the style in place of the application's current one, keeping that one's look.
void UseQuickStartStyle();

} // namespace w4
