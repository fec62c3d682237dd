#include "ui/Document.h"

#include <QRegularExpression>

#include <algorithm>

namespace quv {
namespace {

QString cellAlignment(Qt::Alignment alignment) {
    if (alignment & Qt::AlignRight)
        return QStringLiteral("right");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QString blockHtml(const DocumentBlock& block) {
    QString html;
    if (!block.heading.isEmpty())
        html +=
            QStringLiteral("<p><b>") + block.heading.toHtmlEscaped() + QStringLiteral("</b></p>");
    qsizetype rows = 0;
    for (const QStringList& column : block.columns)
        rows = std::max(rows, column.size());
    html += block.wrapColumn >= 0
                ? QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">")
                : QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    for (qsizetype r = 0; r < rows; ++r) {
        html += QStringLiteral("<tr>");
        for (qsizetype c = 0; c < block.columns.size(); ++c) {
            const QStringList& column = block.columns.at(c);
            const Qt::Alignment alignment =
                c < block.alignments.size() ? block.alignments.at(c) : Qt::AlignLeft;
            const QString text = r < column.size() ? column.at(r) : QString();
            // A block with a wrapping column spaces its cells in points: a padding in
            // pixels leaves that column almost no room on a high-resolution page.
            const QString padding = block.wrapColumn >= 0 ? QStringLiteral("padding-right:4pt")
                                                          : QStringLiteral("padding-right:12px");
            const QString style =
                c == block.wrapColumn ? padding : QStringLiteral("white-space:pre; ") + padding;
            html += QStringLiteral("<td align=\"") + cellAlignment(alignment) +
                    QStringLiteral("\" style=\"") + style + QStringLiteral("\">") +
                    text.toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    return html;
}

}  // namespace

QStringList documentLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

QString documentHtml(const Document& document) {
    QStringList titleLines;
    for (const QString& line : documentLines(document.title))
        titleLines << line.toHtmlEscaped();
    QString html = QStringLiteral("<html><body><p align=\"center\" style=\"font-size:14pt\"><b>") +
                   titleLines.join(QStringLiteral("<br/>")) + QStringLiteral("</b></p>");
    for (const DocumentBlock& block : document.blocks)
        html += blockHtml(block) + QStringLiteral("<p></p>");
    html += QStringLiteral("</body></html>");
    return html;
}

}  // namespace quv
