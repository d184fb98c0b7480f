#include "widgets/file_dialog_path.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace guivarna::widgets {
namespace {

// The path is the one the dialog accepted, even when its name field says otherwise afterwards;
// a cancelled dialog gives nothing.
TEST(FileDialogPath, GivesTheFileTheDialogAccepted)
{
    QTemporaryDir dir;
    for (const bool accept : {true, false}) {
        QFileDialog dialog(nullptr, QString(), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        QTimer::singleShot(0, &dialog, [&dialog, accept] {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("chosen.txt"));
            if (accept)
                static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
            else
                dialog.reject();
            name->setText(QStringLiteral("other.txt"));
        });
        const QString path = ExecForPath(dialog);
        EXPECT_EQ(
            path, accept ? QDir(dir.path()).filePath(QStringLiteral("chosen.txt")) : QString());
    }
}

}  // namespace
}  // namespace guivarna::widgets
