#include "ui/qtdrawcontext.h"

#include "ui/pictures.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

struct CFaceStandIn {
    const char* face;
    const char* families[3];  // installed free fonts, best first
    QFont::StyleHint hint;
};

// The board's two faces are not free; these free fonts have the same build:
// a Courier-like monospace and a soft roman display face.
const CFaceStandIn FACE_STAND_INS[] = {
    {"Courier", {"Nimbus Mono PS", "Liberation Mono", "Courier New"}, QFont::TypeWriter},
    {"Benguiat Bk BT", {"URW Bookman", "Bookman Old Style", "DejaVu Serif"}, QFont::Serif},
};

QFont::Weight ToQtWeight(int weight)
{
    if (weight <= 0)
        return QFont::Normal;  // "don't care"
    return QFont::Weight(std::clamp(weight, 100, 900));
}

bool HasUprightFace(const QString& family, int weight)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(), [&](const QString& style) {
        return !QFontDatabase::italic(family, style) && QFontDatabase::weight(family, style) == weight;
    });
}

// The first stand-in installed with an upright face of the weight asked
// for, else the first installed at all. Matching on the weight alone would
// take the nearest face of the first family, and a family without a
// regular face (URW Bookman has Light and Demi) would draw regular text Light.
QString PickStandIn(const CFaceStandIn& standIn, int weight)
{
    QString firstInstalled;
    for (const char* name : standIn.families) {
        const QString family = QString::fromLatin1(name);
        if (!QFontDatabase::hasFamily(family))
            continue;
        if (HasUprightFace(family, weight))
            return family;
        if (firstInstalled.isEmpty())
            firstInstalled = family;
    }
    return firstInstalled;
}

void SetFamilies(QFont& font, const std::string& face, int weight)
{
    for (const CFaceStandIn& standIn : FACE_STAND_INS) {
        if (face != standIn.face)
            continue;
        const QString family = PickStandIn(standIn, weight);
        if (!family.isEmpty())
            font.setFamily(family);
        font.setStyleHint(standIn.hint);  // when none is installed
        return;
    }
    // Any other face is asked for by its own name; the roman family is the
    // fallback the board's fonts ask for.
    font.setFamily(QString::fromStdString(face));
    font.setStyleHint(QFont::Serif);
}

QString FontKey(const CFontSpec& wanted)
{
    return QStringLiteral("%1|%2|%3")
        .arg(QString::fromStdString(wanted.face))
        .arg(wanted.height)
        .arg(wanted.weight);
}

// The height asked for is the character cell (ascent plus descent), so the
// em size is brought down until the cell fits, as the window system does.
QFont BuildFont(const CFontSpec& wanted)
{
    QFont font;
    const QFont::Weight weight = ToQtWeight(wanted.weight);
    SetFamilies(font, wanted.face, weight);
    font.setWeight(weight);
    // Exact colours: the caption and count colours are meant to come out as
    // given, not blended into the background.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
    font.setHintingPreference(QFont::PreferFullHinting);

    const int height = std::clamp(std::abs(wanted.height), 0, 1000);
    if (height == 0) {
        font.setPixelSize(16);
        return font;
    }
    font.setPixelSize(height);
    if (wanted.height < 0)
        return font;  // a negative height is the em size itself
    for (int size = height; size > 1 && QFontMetrics(font).height() > height; --size)
        font.setPixelSize(size - 1);
    return font;
}

}  // namespace

CQtDrawContext::CQtDrawContext(QPainter& painter) : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_font.face.clear();  // an empty face stands for the painter's own font
    m_qfontOwn = m_painter.font();
    m_qfont = m_qfontOwn;
}

void CQtDrawContext::FillSolidRect(const CRect& rc, COLORREF colour)
{
    if (rc.right <= rc.left || rc.bottom <= rc.top)
        return;
    m_painter.fillRect(QRect(rc.left, rc.top, rc.Width(), rc.Height()), ToQColor(colour));
}

COLORREF CQtDrawContext::GetPen() const
{
    return m_crPen;
}

void CQtDrawContext::SelectPen(COLORREF colour)
{
    m_crPen = colour;
}

void CQtDrawContext::MoveTo(int x, int y)
{
    m_ptCurrent = QPoint(x, y);
}

void CQtDrawContext::LineTo(int x, int y)
{
    const QPoint from = m_ptCurrent;
    m_ptCurrent = QPoint(x, y);
    const QColor colour = ToQColor(m_crPen);

    // Straight lines are filled as one-pixel rectangles: exact, and the end
    // point is left out without any rasteriser rounding in the way.
    if (from.x() == x && from.y() == y)
        return;
    if (from.x() == x) {
        const int top = y > from.y() ? from.y() : y + 1;
        m_painter.fillRect(QRect(x, top, 1, std::abs(y - from.y())), colour);
        return;
    }
    if (from.y() == y) {
        const int left = x > from.x() ? from.x() : x + 1;
        m_painter.fillRect(QRect(left, y, std::abs(x - from.x()), 1), colour);
        return;
    }

    // Any other slope: step along the longer axis, one pixel per step,
    // stopping before the end point.
    const int dx = x - from.x();
    const int dy = y - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < steps; ++i) {
        const int px = from.x() + (2 * dx * i + (dx > 0 ? steps : -steps)) / (2 * steps);
        const int py = from.y() + (2 * dy * i + (dy > 0 ? steps : -steps)) / (2 * steps);
        m_painter.fillRect(QRect(px, py, 1, 1), colour);
    }
}

QFont CQtDrawContext::MakeFont(const CFontSpec& wanted)
{
    // Measuring a font is slow next to drawing with it, and the board asks
    // for the same two fonts on every paint.
    static QHash<QString, QFont> cache;
    const QString key = FontKey(wanted);
    const auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return found.value();
    const QFont font = BuildFont(wanted);
    cache.insert(key, font);
    return font;
}

CFontSpec CQtDrawContext::SelectFont(const CFontSpec& font)
{
    const CFontSpec previous = m_font;
    m_font = font;
    m_qfont = font.face.empty() ? m_qfontOwn : MakeFont(font);
    return previous;
}

void CQtDrawContext::SetBkModeTransparent()
{
    m_bTransparent = true;
}

void CQtDrawContext::SetTextColor(COLORREF colour)
{
    m_crText = colour;
}

void CQtDrawContext::TextOut(int x, int y, const std::string& text)
{
    const QString string = QString::fromStdString(text);
    const QFontMetrics metrics(m_qfont);
    if (!m_bTransparent)
        m_painter.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()),
                           ToQColor(m_crBack));
    m_painter.setFont(m_qfont);
    m_painter.setPen(ToQColor(m_crText));
    m_painter.drawText(x, y + metrics.ascent(), string);
}

void CQtDrawContext::DrawPicture(int x, int y, int resourceId)
{
    const QPixmap& picture = Picture(resourceId);
    if (picture.isNull())
        return;
    m_painter.drawPixmap(x, y, picture);
}
