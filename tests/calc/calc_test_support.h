#pragma once

#include "board/board_collection.h"
#include "board/fret_board.h"
#include "settings/settings_store.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace guivarna::calc::test {

// The program objects a result page works on: the chord selection, the engine and both boards
// loaded from an empty settings file (a six-string guitar in standard tuning).
class CalcObjects : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
        boards_.Load(*store_);
        engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    }

    void LoadChord(const std::vector<std::string>& notes)
    {
        theory_.LoadChord(notes.front(), notes);
    }

    // The marked (string, fret) positions of a board, strings from 1.
    std::vector<std::pair<int, int>> Marks(int boardIndex) const
    {
        std::vector<std::pair<int, int>> marks;
        for (const auto& [row, fret] : boards_.Board(boardIndex).MarkedPositions())
            marks.emplace_back(row + 1, fret);
        return marks;
    }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    theory::MusicTheory theory_;
    theory::SearchEngine engine_;
    board::BoardCollection boards_;
};

}  // namespace guivarna::calc::test
