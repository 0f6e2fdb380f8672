#include "skinart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace w4tools {
namespace {

const SkinStyle Styles[] = {
    // Grey stone on dark earth, opaque, no facing keeper.
    {"Quarry", 4, false, qRgb(150, 140, 120), qRgb(128, 118, 100), qRgb(46, 40, 34), qRgb(58, 50, 42),
     qRgb(120, 124, 132), qRgb(176, 180, 188), qRgb(72, 74, 82), qRgb(176, 112, 48), qRgb(112, 66, 24),
     qRgb(214, 170, 40), qRgb(200, 40, 40), qRgb(40, 96, 200), qRgb(20, 50, 120), qRgb(240, 200, 160)},
    // Planks and steel pipes; the window's background shows around the walls.
    {"Harbour", 6, true, qRgb(170, 128, 84), qRgb(136, 98, 60), qRgb(0, 0, 0), qRgb(0, 0, 0), qRgb(70, 110, 150),
     qRgb(150, 190, 220), qRgb(30, 56, 84), qRgb(196, 60, 44), qRgb(120, 30, 20), qRgb(60, 170, 80),
     qRgb(250, 220, 60), qRgb(230, 120, 30), qRgb(140, 60, 10), qRgb(250, 210, 170)},
    // Night-blue tiles and copper walls, with animation strips.
    {"Lantern", 10, false, qRgb(44, 52, 86), qRgb(34, 40, 70), qRgb(14, 16, 30), qRgb(22, 26, 44),
     qRgb(176, 104, 56), qRgb(232, 170, 110), qRgb(104, 56, 28), qRgb(120, 150, 170), qRgb(60, 80, 100),
     qRgb(240, 200, 80), qRgb(120, 230, 250), qRgb(200, 60, 160), qRgb(110, 20, 90), qRgb(250, 220, 190)},
};

enum Facing { Up, Left, Down, Right };

class TilePainter {
public:
    TilePainter(QImage& sheet, int tile, int size) : painter_(&sheet), size_(size)
    {
        painter_.setRenderHint(QPainter::Antialiasing, true);
        painter_.translate((tile % 4) * size, (tile / 4) * size);
        painter_.setClipRect(0, 0, size, size);
    }
    QPainter& P() { return painter_; }
    double S(double fraction) const { return fraction * size_; }

private:
    QPainter painter_;
    int size_;
};

void Floor(TilePainter& t, const SkinStyle& s)
{
    t.P().fillRect(QRectF(0, 0, t.S(1), t.S(1)), QColor(s.Floor));
    t.P().setPen(QPen(QColor(s.FloorLine), std::max(1.0, t.S(0.04))));
    // Two boards, or two rows of flagstones, meeting in the middle.
    t.P().drawLine(QPointF(0, t.S(0.5)), QPointF(t.S(1), t.S(0.5)));
    t.P().drawLine(QPointF(t.S(0.3), 0), QPointF(t.S(0.3), t.S(0.5)));
    t.P().drawLine(QPointF(t.S(0.75), t.S(0.5)), QPointF(t.S(0.75), t.S(1)));
}

void TargetMark(TilePainter& t, const SkinStyle& s)
{
    QPen pen(QColor(s.Target), std::max(1.0, t.S(0.08)));
    t.P().setPen(pen);
    t.P().setBrush(Qt::NoBrush);
    t.P().drawEllipse(QPointF(t.S(0.5), t.S(0.5)), t.S(0.26), t.S(0.26));
    t.P().setBrush(QColor(s.Target));
    t.P().drawEllipse(QPointF(t.S(0.5), t.S(0.5)), t.S(0.08), t.S(0.08));
}

void Crate(TilePainter& t, const SkinStyle& s, bool onTarget, double shift = 0)
{
    const QColor face(onTarget ? s.CrateOnTarget : s.Crate);
    const QRectF box(t.S(0.1), t.S(0.1 + shift), t.S(0.8), t.S(0.8));
    t.P().setPen(QPen(QColor(s.CrateDark), std::max(1.0, t.S(0.05))));
    t.P().setBrush(face);
    t.P().drawRoundedRect(box, t.S(0.06), t.S(0.06));
    t.P().drawRect(box.adjusted(t.S(0.1), t.S(0.1), -t.S(0.1), -t.S(0.1)));
    t.P().drawLine(box.topLeft() + QPointF(t.S(0.1), t.S(0.1)), box.bottomRight() - QPointF(t.S(0.1), t.S(0.1)));
}

void Keeper(TilePainter& t, const SkinStyle& s, Facing facing, double shift = 0)
{
    QPainter& p = t.P();
    p.setPen(QPen(QColor(s.KeeperDark), std::max(1.0, t.S(0.04))));
    p.setBrush(QColor(s.Keeper));
    p.drawRoundedRect(QRectF(t.S(0.25), t.S(0.45 + shift), t.S(0.5), t.S(0.45)), t.S(0.12), t.S(0.12));
    p.setBrush(QColor(s.Skin));
    const QPointF head(t.S(0.5), t.S(0.3 + shift));
    p.drawEllipse(head, t.S(0.18), t.S(0.18));
    if (facing == Up) {
        // Seen from behind: hair, no face.
        p.setBrush(QColor(s.KeeperDark));
        p.drawEllipse(head, t.S(0.15), t.S(0.15));
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(s.KeeperDark));
    const double look = facing == Left ? -0.08 : facing == Right ? 0.08 : 0.0;
    const double eye = std::max(0.5, t.S(0.035));
    if (facing == Down) {
        p.drawEllipse(head + QPointF(t.S(-0.06), 0), eye, eye);
        p.drawEllipse(head + QPointF(t.S(0.06), 0), eye, eye);
    } else {
        p.drawEllipse(head + QPointF(t.S(look), 0), eye, eye);
        // An arm held out the way it walks.
        p.setPen(QPen(QColor(s.KeeperDark), std::max(1.0, t.S(0.06)), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(t.S(0.5), t.S(0.6 + shift)), QPointF(t.S(0.5 + 3 * look), t.S(0.62 + shift)));
    }
}

// The wall's body: a band inset from every side the wall does not join, so that the seamless
// walls composed from tiles 8, 9, 12 and 13 close up, and the cap fills the gap at a block's centre.
// Flat colours and an outline on the open sides only, so the quarters meet without a seam.
constexpr double WallInset = 0.1;
constexpr double WallOutline = 0.05;

void WallBody(TilePainter& t, const SkinStyle& s, bool left, bool up, bool right, bool down)
{
    const double m = WallInset, out = 0.2; // joined sides run on past the tile, out of the clip
    if (!s.SeeThroughOutside)
        t.P().fillRect(QRectF(0, 0, t.S(1), t.S(1)), QColor(s.Outside));
    QPainterPath body;
    body.addRoundedRect(QRectF(t.S(m), t.S(m), t.S(1 - 2 * m), t.S(1 - 2 * m)), t.S(0.12), t.S(0.12));
    const auto band = [&](double x0, double y0, double x1, double y1) {
        QPainterPath part;
        part.addRect(QRectF(QPointF(t.S(x0), t.S(y0)), QPointF(t.S(x1), t.S(y1))));
        body = body.united(part);
    };
    if (left)
        band(-out, m, 0.5, 1 - m);
    if (right)
        band(0.5, m, 1 + out, 1 - m);
    if (up)
        band(m, -out, 1 - m, 0.5);
    if (down)
        band(m, 0.5, 1 - m, 1 + out);
    t.P().setPen(QPen(QColor(s.WallDark), std::max(1.0, t.S(WallOutline))));
    t.P().setBrush(QColor(s.Wall));
    t.P().drawPath(body);
    // A lit stripe inside, along the middle of every arm, for some depth.
    t.P().setPen(QPen(QColor(s.WallLight), std::max(1.0, t.S(0.06)), Qt::SolidLine, Qt::RoundCap));
    const QPointF centre(t.S(0.5), t.S(0.5));
    if (left)
        t.P().drawLine(centre, QPointF(-t.S(out), t.S(0.5)));
    if (right)
        t.P().drawLine(centre, QPointF(t.S(1 + out), t.S(0.5)));
    if (up)
        t.P().drawLine(centre, QPointF(t.S(0.5), -t.S(out)));
    if (down)
        t.P().drawLine(centre, QPointF(t.S(0.5), t.S(1 + out)));
    if (!left && !right && !up && !down)
        t.P().drawPoint(centre);
}

void Cap(TilePainter& t, const SkinStyle& s)
{
    // Centred on the point where four walls meet, it covers the four inset corners around it and
    // their outlines.
    const double half = WallInset + WallOutline;
    t.P().setPen(Qt::NoPen);
    t.P().setBrush(QColor(s.Wall));
    t.P().drawRect(QRectF(t.S(0.5 - half), t.S(0.5 - half), t.S(2 * half), t.S(2 * half)));
}

void OutsideTile(TilePainter& t, const SkinStyle& s)
{
    if (s.SeeThroughOutside)
        return;
    t.P().fillRect(QRectF(0, 0, t.S(1), t.S(1)), QColor(s.Outside));
    t.P().setPen(QPen(QColor(s.OutsideLine), std::max(1.0, t.S(0.05))));
    for (const double at : {0.25, 0.75})
        t.P().drawPoint(QPointF(t.S(at), t.S(1 - at)));
}

void Mark(TilePainter& t, const SkinStyle& s)
{
    // Tile 14 is where skins sign themselves: a small W4 of squares.
    Floor(t, s);
    t.P().setPen(Qt::NoPen);
    t.P().setBrush(QColor(s.Target));
    for (const double x : {0.2, 0.35, 0.5, 0.65})
        t.P().drawRect(QRectF(t.S(x), t.S(x == 0.35 || x == 0.65 ? 0.55 : 0.35), t.S(0.1), t.S(0.2)));
}

} // namespace

const SkinStyle* FindSkinStyle(const std::string& name)
{
    for (const SkinStyle& style : Styles)
        if (style.Name == name)
            return &style;
    return nullptr;
}

QImage DrawSkin(const SkinStyle& s, int size)
{
    QImage sheet(4 * size, s.Rows * size, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    const auto ground = [&](TilePainter& t, bool onTarget) {
        Floor(t, s);
        if (onTarget)
            TargetMark(t, s);
    };
    for (int tile = 0; tile < 4 * s.Rows; ++tile) {
        TilePainter t(sheet, tile, size);
        const int row = tile / 4, column = tile % 4;
        switch (tile) {
        case 0: Floor(t, s); break;
        case 1: ground(t, false); Keeper(t, s, Down); break;
        case 2:
        case 3: ground(t, false); Crate(t, s, false); break;
        case 4: ground(t, true); break;
        case 5: ground(t, true); Keeper(t, s, Down); break;
        case 6:
        case 7: ground(t, true); Crate(t, s, true); break;
        case 8: WallBody(t, s, true, true, true, true); break;
        case 9: WallBody(t, s, true, false, true, false); break;
        case 10: Cap(t, s); break;
        case 11: OutsideTile(t, s); break;
        case 12: WallBody(t, s, false, true, false, true); break;
        case 13: WallBody(t, s, false, false, false, false); break;
        case 14: Mark(t, s); break;
        default:
            if (row == 4 || row == 5) {          // the keeper facing up, left, down, right
                ground(t, row == 5);
                Keeper(t, s, static_cast<Facing>(column));
            } else if (row >= 6) {               // strips: keeper, keeper on target, box, box on target
                const double bob = 0.02 * (column % 2 == 0 ? 0 : 1) - 0.02 * (column == 3);
                ground(t, row == 7 || row == 9);
                if (row <= 7)
                    Keeper(t, s, Down, bob);
                else
                    Crate(t, s, row == 9, bob);
            }
            break;
        }
    }
    return sheet.convertToFormat(QImage::Format_ARGB32);
}

} // namespace w4tools
