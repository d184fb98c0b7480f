#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QFileDevice;
class QIODevice;

namespace guivarna::output {

// Writes a file through write(device): the new contents go to a temporary file beside path,
// which replaces path only once everything was written, so a failure (a full disk, a size
// limit, a refused write) keeps the old file and leaves no partial one. write returns false when
// a write failed. Returns "" on success, otherwise a message naming the file and the cause.
QString SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write);

// Writes all of bytes, going on after a short write so that a failure ends in an error the
// device can name (a full disk, a size limit) rather than a silently short count.
bool WriteAll(QIODevice& device, QByteArrayView bytes);

// Flushes the write buffer of file; "" when that worked, else the cause.
QString FlushFailure(QFileDevice& file);

// The message for a file that could not be written: "Could not save "path": cause".
QString SaveFailureMessage(const QString& path, const QString& cause);

}  // namespace guivarna::output
