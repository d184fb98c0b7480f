#include "widgets/file_dialog_path.h"

#include <QFileDialog>

namespace guivarna::widgets {

QString ExecForPath(QFileDialog& dialog)
{
    QString accepted;
    const QMetaObject::Connection watch = QObject::connect(&dialog, &QFileDialog::fileSelected,
        &dialog, [&accepted](const QString& path) { accepted = path; });
    const bool ok = dialog.exec() == QDialog::Accepted;
    QObject::disconnect(watch);
    if (!ok)
        return {};
    if (accepted.isEmpty() && !dialog.selectedFiles().isEmpty())
        accepted = dialog.selectedFiles().constFirst();
    return accepted;
}

}  // namespace guivarna::widgets
