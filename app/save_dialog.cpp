#include "app/save_dialog.h"

#include "widgets/file_dialog_path.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace guivarna {

namespace {

// The extension of a filter such as "rich text files(*.rtf)": "rtf"; "" when it has none.
QString FilterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([A-Za-z0-9]+)"));
    return pattern.match(filter).captured(1);
}

}  // namespace

void SetUpSaveDialog(QFileDialog& dialog, const SaveRequest& request)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(request.filters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.defaultName);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& f) {
        const QString suffix = FilterSuffix(f);
        if (!suffix.isEmpty())
            dialog.setDefaultSuffix(suffix);
    });
}

QString AskSavePath(QWidget* parent, const SaveRequest& request)
{
    QFileDialog dialog(parent);
    SetUpSaveDialog(dialog, request);
    return widgets::ExecForPath(dialog);
}

}  // namespace guivarna
