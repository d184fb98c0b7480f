#include "output/lists/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

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
    if (!file.commit())
        return SaveFailureMessage(path, file.errorString());
    return {};
}

}  // namespace guivarna::output
