#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

namespace guivarna::test {

// What a PDF file written by Qt says about its pages.
struct PdfPages {
    int count = 0;
    QSizeF firstPageSize;  // in points (1/72 inch), from the first /MediaBox
};

PdfPages ReadPdfPages(const QString& path);

}  // namespace guivarna::test
