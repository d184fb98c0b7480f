#pragma once

#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "settings/settings_store.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

namespace guivarna::test {

// Loads the chord (root first) and selects the first fingering the search finds on the
// ChordBoard's tuning; returns it.
inline theory::ChordFingering SelectFirstFingering(
    ProgramObjects& objects, std::initializer_list<const char*> notes)
{
    theory::MusicTheory& theory = objects.theory;
    theory.ClearSelection();
    theory.SetRootName(*notes.begin());
    for (const char* note : notes)
        theory.AddNote(note);
    theory::ChordSearch& search = objects.engine.Chords();
    theory::ChordSearchRequest request;
    theory::TakeChord(request, theory);
    search.SetRequest(request);
    theory::ChordFingering first;
    EXPECT_TRUE(search.StartRun()->Next(first));
    search.SetCurrent(0);
    return first;
}

// Searches C major (C, E, G) over frets 0 - 5 with "go" on "Chord formulas", without the delay,
// and returns the page once its worker has listed every row.
inline calc::ChordResultPage& RunCMajorSearch(ProgramObjects& objects, MainFrame& frame)
{
    theory::MusicTheory& theory = objects.theory;
    theory.ClearSelection();
    theory.SetRootName("C");
    for (const char* note : {"C", "E", "G"})
        theory.AddNote(note);
    theory::ChordSearchRequest request;
    request.lowestFret = 0;
    request.highestFret = 5;
    objects.engine.Chords().SetRequest(request);
    frame.ChordSearchReady();
    calc::ChordResultPage& page = frame.Calculations()->ChordPage();
    page.Runner().SetDelay(0);
    page.Runner().Go();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !page.Runner().HasWorker(); }, 10000));
    QCoreApplication::processEvents();
    return page;
}

// Selects the first seven-tone scale, C Db D Eb E F Gb.
inline void SelectFirstSevenToneScale(ProgramObjects& objects)
{
    theory::ScaleSearch& search = objects.engine.Scales();
    search.SetRequest({.toneCount = 7});
    std::vector<theory::Note> scale;
    EXPECT_TRUE(search.StartRun()->Next(scale));
    search.SetCurrent(0);
}

// The program objects with their settings in a temporary file, plus the board view or the main
// window a test drives. Everything is torn down window first, settings last, as at exit.
class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
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
    std::unique_ptr<settings::SettingsStore> store_;
    std::unique_ptr<ProgramObjects> objects_;
    std::unique_ptr<KovaView> view_;
    std::unique_ptr<MainFrame> frame_;
};

}  // namespace guivarna::test
