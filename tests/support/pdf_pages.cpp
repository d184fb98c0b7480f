#include "tests/support/pdf_pages.h"

#include <QFile>
#include <QRegularExpression>

namespace guivarna::test {

PdfPages ReadPdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(file.readAll());
    PdfPages pages;
    // Page objects are "/Type /Page" dictionaries; the page tree is "/Type /Pages".
    pages.count = static_cast<int>(
        text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
    const QRegularExpression mediaBox(QStringLiteral(
        "/MediaBox\\s*\\[\\s*([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s+([-\\d.]+)\\s*\\]"));
    const QRegularExpressionMatch match = mediaBox.match(text);
    if (match.hasMatch()) {
        pages.firstPageSize = QSizeF(match.captured(3).toDouble() - match.captured(1).toDouble(),
            match.captured(4).toDouble() - match.captured(2).toDouble());
    }
    return pages;
}

}  // namespace guivarna::test
