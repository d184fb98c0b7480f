#pragma once

#include <QImage>
#include <QString>

namespace guivarna::test {

// Compares a rendered picture with the reference tests/golden/<name>.png. Both are scaled down
// smoothly before the pixel comparison, so a glyph that moves by a pixel after a font hinting
// change still matches while a moved line or dot does not. With GUIVARNA_UPDATE_GOLDEN=1 in the
// environment the picture becomes the new reference instead. On a mismatch the rendered picture
// and a difference picture (changed pixels in red) are written to the test's output folder.
void ExpectMatchesGolden(const QImage& rendered, const QString& name);

}  // namespace guivarna::test
