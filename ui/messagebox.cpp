#include "ui/messagebox.h"

#include <QRegularExpression>

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton, const QString& title)
{
    QMessageBox box(icon, title.isEmpty() ? QStringLiteral("Tidebolt") : title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

namespace {

QString HelpTable(const QString& text)
{
    static const QRegularExpression dash(QStringLiteral("^(.*?)[ \\t]+-[ \\t]+(.*)$"));
    QString rows;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch columns = dash.match(line);
        if (columns.hasMatch()) {
            rows += QStringLiteral("<tr><td>%1</td><td>-&nbsp;&nbsp;%2</td></tr>")
                        .arg(columns.captured(1).toHtmlEscaped(), columns.captured(2).trimmed().toHtmlEscaped());
        } else if (line.startsWith(QStringLiteral("        "))) {
            // A description run on to a second line: under its first.
            rows += QStringLiteral("<tr><td></td><td>&nbsp;&nbsp;&nbsp;%1</td></tr>").arg(line.trimmed().toHtmlEscaped());
        } else {
            // A heading or the closing wish: its tabs only ever pushed it to the middle.
            const QString shown = QString(line).replace(QLatin1Char('\t'), QStringLiteral("    "));
            rows += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>")
                        .arg(shown.isEmpty() ? QStringLiteral("&nbsp;") : shown.toHtmlEscaped());
        }
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" style=\"white-space:pre\">%1</table>").arg(rows);
}

} // namespace

std::unique_ptr<QMessageBox> HelpBox(QWidget* parent, const QString& title, const QString& text)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, HelpTable(text), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::RichText);
    return box;
}

void ShowHelpBox(QWidget* parent, const QString& title, const QString& text)
{
    HelpBox(parent, title, text)->exec();
}
