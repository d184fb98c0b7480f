#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

class QAbstractButton;
class QWidget;

namespace guivarna::test {

// Clicks a button the way a user can: it must exist, be shown and be enabled.
void ClickEnabled(QAbstractButton* button);

// Runs drive inside the modal loop of the next modal dialog of type Dialog that opens (a wizard
// or dialog that a command runs with exec()).
template <class Dialog> void WhenModalOpens(std::function<void(Dialog&)> drive)
{
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        drive(*dialog);
    });
}

// The object names of the controls inside root that the Tab key visits, in focus-chain order.
QStringList TabOrder(const QWidget& root);

// Runs the event loop until a timer of ms milliseconds, started now, would have fired, and
// longer: for a test that shows that something a short delay away did not happen.
void WaitPast(int ms);

}  // namespace guivarna::test
