#include "calc/calc_window.h"

#include "board/settings_store.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "resources/strings.h"
#include "resources/text.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTabWidget>

namespace guivarna::calc {

namespace {

// The window's sizes: docked 250 x 150 at least and at first, floating 250 x 250 at first and
// 250 x 125 at least.
constexpr QSize kDockedSize{250, 150};
constexpr QSize kFloatingSize{250, 250};
constexpr QSize kFloatingMinimum{250, 125};

constexpr QStringView kArea = u"CalcWindow\\Area";
constexpr QStringView kFloating = u"CalcWindow\\Floating";
constexpr QStringView kWidth = u"CalcWindow\\Width";
constexpr QStringView kHeight = u"CalcWindow\\Height";
constexpr QStringView kLeft = u"CalcWindow\\Left";
constexpr QStringView kTop = u"CalcWindow\\Top";

// Larger stored sizes are taken as corrupt.
constexpr int kMaxExtent = 100000;

}  // namespace

CalcWindow::CalcWindow(theory::SearchEngine& engine, const theory::MusicTheory& theory,
    board::BoardCollection& boards, QWidget* parent)
    : QDockWidget(Text(strings::kCalculations), parent), tabs_(new QTabWidget(this)),
      chordPage_(new ChordResultPage(engine, theory, boards)),
      scalePage_(new ScaleResultPage(engine, boards))
{
    setObjectName(QStringLiteral("CalcWindow"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
        QDockWidget::DockWidgetFloatable);
    tabs_->addTab(chordPage_, Text(strings::kChordFormulas));
    tabs_->addTab(scalePage_, Text(strings::kScaleFormulas));
    tabs_->setMinimumSize(kDockedSize);
    setWidget(tabs_);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        tabs_->setMinimumSize(floating ? kFloatingMinimum : kDockedSize);
    });
    for (CalcPage* page : {static_cast<CalcPage*>(chordPage_), static_cast<CalcPage*>(scalePage_)})
        connect(page, &CalcPage::SceneChanged, this, &CalcWindow::SceneChanged);
}

void CalcWindow::ChordSearchReady()
{
    chordPage_->UpdateButtons();
    tabs_->setCurrentWidget(chordPage_);
}

void CalcWindow::ChordSearchGo()
{
    chordPage_->Runner().Go();
}

void CalcWindow::ScaleSearchReady()
{
    scalePage_->UpdateButtons();
    tabs_->setCurrentWidget(scalePage_);
}

void CalcWindow::ScaleSearchGo()
{
    scalePage_->Runner().Go();
}

void CalcWindow::StopAll()
{
    chordPage_->Runner().StopAndWait();
    scalePage_->Runner().StopAndWait();
}

void CalcWindow::SetPauseDelay(int milliseconds)
{
    chordPage_->Runner().SetDelay(milliseconds);
    scalePage_->Runner().SetDelay(milliseconds);
}

void CalcWindow::SavePlacement(board::SettingsStore& store) const
{
    const auto* window = qobject_cast<const QMainWindow*>(parentWidget());
    if (window == nullptr)
        return;
    store.WriteInt(
        kArea, static_cast<std::int32_t>(window->dockWidgetArea(const_cast<CalcWindow*>(this))));
    store.WriteInt(kFloating, isFloating() ? 1 : 0);
    store.WriteInt(kWidth, width());
    store.WriteInt(kHeight, height());
    store.WriteInt(kLeft, x());
    store.WriteInt(kTop, y());
}

void CalcWindow::Place(QMainWindow& window, const board::SettingsStore& store)
{
    Qt::DockWidgetArea area = Qt::BottomDockWidgetArea;
    if (const auto stored = store.ReadInt(kArea)) {
        const auto candidate = static_cast<Qt::DockWidgetArea>(*stored);
        if (candidate == Qt::LeftDockWidgetArea || candidate == Qt::RightDockWidgetArea ||
            candidate == Qt::BottomDockWidgetArea)
            area = candidate;
    }
    window.addDockWidget(area, this);

    const auto width = store.ReadInt(kWidth);
    const auto height = store.ReadInt(kHeight);
    const bool sizeStored =
        width && height && *width > 0 && *height > 0 && *width < kMaxExtent && *height < kMaxExtent;
    const QSize size = sizeStored ? QSize(*width, *height) : QSize();

    if (store.ReadInt(kFloating).value_or(0) == 1) {
        setFloating(true);
        QRect frame(QPoint(store.ReadInt(kLeft).value_or(0), store.ReadInt(kTop).value_or(0)),
            size.isValid() ? size.expandedTo(kFloatingMinimum) : kFloatingSize);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            if (!screen->virtualGeometry().intersects(frame))
                frame.moveTopLeft(screen->availableGeometry().topLeft());
        }
        setGeometry(frame);
        return;
    }
    if (area == Qt::BottomDockWidgetArea)
        window.resizeDocks(
            {this}, {size.isValid() ? size.height() : kDockedSize.height()}, Qt::Vertical);
    else
        window.resizeDocks(
            {this}, {size.isValid() ? size.width() : kDockedSize.width()}, Qt::Horizontal);
}

}  // namespace guivarna::calc
