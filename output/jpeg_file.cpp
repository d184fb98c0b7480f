#include "output/jpeg_file.h"

#include "output/files/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

namespace guivarna::output {

namespace {

QString FailureMessage(const QString& path, const QString& cause)
{
    return QCoreApplication::translate("SaveJpeg", "Could not save the picture \"%1\": %2")
        .arg(QDir::toNativeSeparators(path), cause);
}

}  // namespace

QString SaveJpeg(const QImage& image, const QString& path)
{
    if (image.isNull())
        return FailureMessage(
            path, QCoreApplication::translate("SaveJpeg", "the picture is empty"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return FailureMessage(path, file.errorString());
    QImageWriter writer(&file, "jpg");
    if (!writer.write(image)) {
        file.cancelWriting();
        return FailureMessage(path, writer.errorString());
    }
    // The end of the picture may still sit in the write buffer; a full disk shows only when it
    // goes out, and must not leave a cut-short picture in place of the old one.
    if (const QString cause = FlushFailure(file); !cause.isEmpty()) {
        file.cancelWriting();
        return FailureMessage(path, cause);
    }
    if (!file.commit())
        return FailureMessage(path, file.errorString());
    return {};
}

}  // namespace guivarna::output
