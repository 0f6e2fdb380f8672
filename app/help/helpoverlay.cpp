#include "app/help/helpoverlay.h"

#include "app/window/windowseam.h"
#include "core/uglobal.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace w4 {

OverlayModel OverlayFor(int mode, const QString& helpMessage, const QString& checkText,
                        const std::vector<std::pair<int, int>>& deadlocked,
                        const std::optional<std::array<int, 4>>& hint, int columns, int rows)
{
    OverlayModel model;
    model.Message = mode == ModePlay ? helpMessage : mode == ModeEditor ? checkText : QString();
    if (mode == ModePlay) {
        model.Deadlocked = deadlocked;
        model.Hint = hint;
    }
    model.Columns = columns;
    model.Rows = rows;
    return model;
}

QRect MessagePlace(const QRect& area, const BoardHit& board, int width, int height)
{
    const int top = board.HasRect ? board.Top : area.bottom() + 1;
    const int bottom = board.HasRect ? board.Top + board.Height : area.top();
    if (area.bottom() + 1 - bottom >= height + 4)
        return {area.center().x() - width / 2, area.bottom() - height - 3, width, height};
    if (top - area.top() >= height + 4)
        return {area.center().x() - width / 2, area.top() + 3, width, height};
    return {};
}

QRect MessageRect(const OverlayModel& model, const QFont& areaFont, const QRect& area, const BoardHit& board)
{
    if (model.Message.isEmpty())
        return {};
    QFont font = areaFont;
    font.setBold(true);
    const QFontMetrics metrics(font);
    const int width = std::min(area.width() - 8, metrics.horizontalAdvance(model.Message) + 16);
    return MessagePlace(area, board, width, metrics.height() + 8);
}

void PaintOverlay(QPainter& painter, const OverlayModel& model, const QRect& messageRect, const BoardHit& board)
{
    if (!messageRect.isEmpty()) {
        // A line in the margin under (or over) the board, readable over any background.
        painter.save();
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 180));
        painter.drawRoundedRect(messageRect, 4, 4);
        painter.setPen(Qt::white);
        painter.drawText(messageRect, Qt::AlignCenter,
                         metrics.elidedText(model.Message, Qt::ElideRight, messageRect.width() - 8));
        painter.restore();
    }
    if (model.Deadlocked.empty() && !model.Hint)
        return;
    if (!board.HasRect || model.Columns <= 0 || model.Rows <= 0)
        return;
    const double cw = double(board.Width) / model.Columns, ch = double(board.Height) / model.Rows;
    const auto cell = [&](int x, int y) { return QRectF(board.Left + x * cw, board.Top + y * ch, cw, ch); };
    const double thick = std::max(2.0, std::min(cw, ch) / 8);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // Deadlocked boxes: an amber frame and cross edged in black, seen over any tile set.
    for (const auto& [x, y] : model.Deadlocked) {
        const QRectF r = cell(x, y).adjusted(thick, thick, -thick, -thick);
        for (const QPen& pen : {QPen(QColor(0, 0, 0, 200), thick + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin),
                                QPen(QColor(255, 190, 0), thick, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)}) {
            painter.setPen(pen);
            painter.drawRect(r);
            painter.drawLine(r.topLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomLeft());
        }
    }
    if (model.Hint) {
        // The hint: a green frame round the box, an arrow to the cell it goes to, a ring there.
        const auto& [boxX, boxY, toX, toY] = *model.Hint;
        const QRectF from = cell(boxX, boxY), to = cell(toX, toY);
        const QColor green(40, 220, 60, 230);
        painter.setPen(QPen(green, thick, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawRect(from.adjusted(thick / 2, thick / 2, -thick / 2, -thick / 2));
        painter.drawEllipse(to.adjusted(to.width() / 4, to.height() / 4, -to.width() / 4, -to.height() / 4));
        const QPointF tip = to.center(), tail = from.center();
        painter.drawLine(tail, tip);
        const QPointF along = (tip - tail) / 3;
        const QPointF across(-along.y(), along.x());
        painter.drawLine(tip, tip - along + across / 2);
        painter.drawLine(tip, tip - along - across / 2);
    }
    painter.restore();
}

void HelpMessage::Set(std::function<QString()> words)
{
    words_ = std::move(words);
    Show();
}

void HelpMessage::FollowLanguage()
{
    if (words_ && language_ != window_.State().LanguageNumber)
        Show();
}

void HelpMessage::Show()
{
    text_ = words_ ? words_() : QString();
    language_ = window_.State().LanguageNumber;
    window_.ShowHelpMessage(text_);
    // The eighth panel only shows on a wide window; the board area shows the message in a margin.
    window_.BoardArea()->update();
}

} // namespace w4
