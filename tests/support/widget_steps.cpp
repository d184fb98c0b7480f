#include "tests/support/widget_steps.h"

#include <QAbstractButton>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace guivarna::test {

void ClickEnabled(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString();
    ASSERT_TRUE(button->isEnabled()) << button->text().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList TabOrder(const QWidget& root)
{
    QStringList names;
    const QWidget* start = root.window();
    for (const QWidget* w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && root.isAncestorOf(w))
            names.append(w->objectName());
    }
    return names;
}

void WaitPast(int ms)
{
    // A precise timer of twice the time, started after the one under test, fires after it: the
    // wait ends on that state rather than on a sleep of a guessed length.
    QTimer later;
    later.setSingleShot(true);
    later.setTimerType(Qt::PreciseTimer);
    later.start(2 * ms + 1);
    ASSERT_TRUE(QTest::qWaitFor([&later] { return !later.isActive(); }, std::max(5000, 4 * ms)));
}

}  // namespace guivarna::test
