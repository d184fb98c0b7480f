#pragma once

#include <QString>

class QImage;

namespace guivarna::output {

// Writes image to path as a JPEG at the encoder's default quality. The file is written through
// a temporary and replaces an existing file only once complete, so a failure never leaves a
// truncated picture behind. Returns "" on success, otherwise a message naming the file and the
// cause, ready for the user.
QString SaveJpeg(const QImage& image, const QString& path);

}  // namespace guivarna::output
