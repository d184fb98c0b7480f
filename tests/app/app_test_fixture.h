#pragma once

#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "board/settings_store.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace guivarna::test {

// The program objects with their settings in a temporary file, plus the board view or the main
// window a test drives. Everything is torn down window first, settings last, as at exit.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<board::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
        objects_ = std::make_unique<ProgramObjects>(*store_);
    }
    void TearDown() override
    {
        frame_.reset();
        view_.reset();
        objects_.reset();
        store_.reset();
    }

    // A shown board view of the given size after its initial update.
    KovaView& MakeView(QSize size)
    {
        view_ = std::make_unique<KovaView>(*objects_);
        view_->resize(size);
        view_->show();
        view_->InitialUpdate();
        return *view_;
    }

    // A shown, active main window (shortcuts only reach the active window).
    MainFrame& MakeFrame()
    {
        frame_ = std::make_unique<MainFrame>(*objects_);
        frame_->setWindowState(Qt::WindowNoState);
        frame_->resize(1200, 900);
        frame_->show();
        frame_->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
        return *frame_;
    }

    QTemporaryDir dir_;
    std::unique_ptr<board::SettingsStore> store_;
    std::unique_ptr<ProgramObjects> objects_;
    std::unique_ptr<KovaView> view_;
    std::unique_ptr<MainFrame> frame_;
};

}  // namespace guivarna::test
