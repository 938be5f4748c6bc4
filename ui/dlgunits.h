#pragma once

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QRect>

// Dialog units: a quarter of the dialog font's average character width
// across, an eighth of the height of a line of its text down, rounded to the
// nearest pixel. They are measured from the font the dialogs use, so a
// dialog laid out in them grows with the desktop's font instead of cutting
// its texts; a control eight units tall holds one line whole.
struct CDlgBaseUnits {
    int cx;
    int cy;
};

inline CDlgBaseUnits DlgBaseUnits(const QFont& font = QApplication::font())
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(letters / 26 + 1) / 2, metrics.size(Qt::TextSingleLine, QStringLiteral("X")).height()};
}

inline int DluX(int dlu) { return (dlu * DlgBaseUnits().cx + 2) / 4; }
inline int DluY(int dlu) { return (dlu * DlgBaseUnits().cy + 4) / 8; }
inline QRect DluRect(int x, int y, int width, int height)
{
    return QRect(DluX(x), DluY(y), DluX(width), DluY(height));
}

// The templates' own font had base units of 6 x 13. The windows whose boards
// are placed to the pixel keep that grid whatever font the desktop uses.
inline int TemplateX(int dlu) { return (dlu * 6 + 2) / 4; }
inline int TemplateY(int dlu) { return (dlu * 13 + 4) / 8; }
inline QRect TemplateRect(int x, int y, int width, int height)
{
    return QRect(TemplateX(x), TemplateY(y), TemplateX(width), TemplateY(height));
}
