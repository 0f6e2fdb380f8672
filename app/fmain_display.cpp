// The Display and Graphics menus, full screen, and painting the board area.
#include "app/boardview.h"
#include "app/fmain.h"

#include "core/loading.h"
#include "render/boardpicture.h"
#include "render/colours.h"
#include "render/ugraphics.h"

#include <QFile>
#include <QPainter>

// Foreground modes and colours.
void TFRMMain::MNUDisplayForegroundStandardClick() {}
void TFRMMain::MNUDisplayForegroundProportionalClick() {}
void TFRMMain::MNUDisplayForegroundStretchedClick() {}
void TFRMMain::MNUDisplayForegroundTransparencyColorClick() {}
void TFRMMain::MNUDisplayForegroundGridColorClick() {}

// Background modes, colours, texture and picture.
void TFRMMain::MNUDisplayBackgroundNoneClick() {}
void TFRMMain::MNUDisplayBackgroundColor0Click() {}
void TFRMMain::MNUDisplayBackgroundColoredEffectClick() {}
void TFRMMain::MNUDisplayBackgroundColor1Click() {}
void TFRMMain::MNUDisplayBackgroundColor2Click() {}
void TFRMMain::MNUDisplayBackgroundSwapColorsClick() {}
void TFRMMain::MNUDisplayBackgroundTextureClick() {}
void TFRMMain::MNUDisplayBackgroundLoadTextureClick() {}
void TFRMMain::MNUDisplayBackgroundPictureClick() {}
void TFRMMain::MNUDisplayBackgroundLoadPictureClick() {}

// Enters or leaves full screen.
void TFRMMain::BTNFullscreenClick() { ToggleFullScreen(); }
void TFRMMain::ToggleFullScreen() {}

// Every size change rebuilds the background for the new board area.
void TFRMMain::FormResize() { PaintBackground(); }
// Builds the background layers of the board area from the background settings.
void TFRMMain::PaintBackground() {}

void TFRMMain::IMGSokobanPaint(QPainter& painter)
{
    const QRect area = IMGSokoban->rect();
    painter.fillRect(area, Qt::black);
    for (const BackgroundLayer* layer : {&IMGBackground, &IMGTexture, &IMGPicture}) {
        if (layer->Visible && !layer->Image.isNull())
            painter.drawImage(area, layer->Image);
    }

    // Standard mode: the picture at its own size, centred, shrunk with its proportions kept
    // when it does not fit.
    const QImage& picture = BoardPic->DisplayImage();
    QSize size = picture.size();
    if (size.width() > area.width() || size.height() > area.height())
        size.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target((area.width() - size.width()) / 2, (area.height() - size.height()) / 2, size.width(),
                       size.height());
    painter.drawImage(target, picture);
}

// Graphics > Load: a set of tile pictures replaces the built-in one until the program ends.
void TFRMMain::MNUGraphicsLoadClick()
{
    const QString path = dialogs.OpenFile(ProgramFolderText(), QStringLiteral("Sokoban Graphics (*.ini)"));
    if (path.isEmpty())
        return;
    w4::LoadGraphicsSet(Game, BoardPic->Tiles(), QFile::encodeName(path).toStdString());
    w4::RedrawBoard(Game, *this);
}

void TFRMMain::POPGraphicsLoadClick() { MNUGraphicsLoadClick(); }
