#include "output/files/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cerrno>

namespace guivarna::output {

QString SaveFailureMessage(const QString& path, const QString& cause)
{
    return QCoreApplication::translate("SaveFile", "Could not save \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), cause);
}

bool WriteAll(QIODevice& device, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

QString FlushFailure(QFileDevice& file)
{
    errno = 0;
    if (file.flush())
        return {};
    // Qt names a failed flush "Unknown error"; the system says what happened.
    const int cause = errno;
    return cause != 0 ? qt_error_string(cause) : file.errorString();
}

QString SaveFile(const QString& path, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailureMessage(path, file.errorString());
    if (!write(file)) {
        // The cause is the failed write's; the temporary file goes when `file` is destroyed.
        const QString cause = file.error() != QFileDevice::NoError
            ? file.errorString()
            : QCoreApplication::translate("SaveFile", "not all of the data could be written");
        file.cancelWriting();
        return SaveFailureMessage(path, cause);
    }
    // Small files sit whole in the file's write buffer: a full disk or a size limit shows only
    // when the buffer goes out, and a commit would then put a cut-short file in place.
    if (const QString cause = FlushFailure(file); !cause.isEmpty()) {
        file.cancelWriting();
        return SaveFailureMessage(path, cause);
    }
    if (!file.commit())
        return SaveFailureMessage(path, file.errorString());
    return {};
}

}  // namespace guivarna::output
