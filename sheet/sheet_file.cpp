#include "sheet/sheet_file.h"

#include "output/files/save_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace guivarna::sheet {

QString SaveSheetFile(
    const QString& path, const QString& title, const std::vector<theory::ChordShape>& shapes)
{
    const std::string text = theory::WriteChordPro(title.toStdString(), shapes);
    return output::SaveFile(path, [&](QIODevice& file) {
        return output::WriteAll(file, QByteArrayView(text.data(), qsizetype(text.size())));
    });
}

OpenedSheet OpenSheetFile(const QString& path)
{
    OpenedSheet opened;
    const auto fail = [&](const QString& cause) {
        opened.failure = QCoreApplication::translate("SheetFile", "Could not open \"%1\": %2")
                             .arg(QDir::toNativeSeparators(path), cause);
        return opened;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    if (file.size() > kMaxSheetFileBytes)
        return fail(QCoreApplication::translate("SheetFile", "the file is larger than %1 MB")
                        .arg(kMaxSheetFileBytes / (1024 * 1024)));
    const QByteArray bytes = file.read(kMaxSheetFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    opened.sheet = theory::ReadChordPro(std::string_view(bytes.constData(), bytes.size()));
    return opened;
}

QString SheetErrorsText(const std::vector<theory::ChordProError>& errors, int limit)
{
    QStringList lines;
    for (const theory::ChordProError& error : errors) {
        if (lines.size() == limit) {
            lines << QCoreApplication::translate("SheetFile", "… and %1 more")
                         .arg(errors.size() - static_cast<std::size_t>(limit));
            break;
        }
        lines << QCoreApplication::translate("SheetFile", "Line %1: %2")
                     .arg(error.line)
                     .arg(QString::fromStdString(error.message));
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace guivarna::sheet
