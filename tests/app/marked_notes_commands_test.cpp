#include "app/marked_notes_commands.h"

#include "app/kova_view.h"
#include "app/main_frame.h"
#include "app/program_objects.h"
#include "app/wizard_commands.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_window.h"
#include "calc/chord_wizard.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "output/audio_player.h"
#include "resources/strings.h"
#include "resources/text.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"
#include "theory/search/chord_search.h"
#include "theory/search/search_engine.h"
#include "widgets/balloon_tip.h"

#include <QAction>
#include <QApplication>
#include <QMediaDevices>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace guivarna {
namespace {

using board::BoardCollection;

constexpr int kScale = BoardCollection::kScaleBoard;
constexpr int kChord = BoardCollection::kChordBoard;

class MarkedNotesTest : public test::AppTest {
protected:
    void TearDown() override
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(widget) != nullptr ||
                qobject_cast<widgets::BalloonTip*>(widget) != nullptr)
                delete widget;
        }
        AppTest::TearDown();
    }

    // Marks a shape written lowest string first ("x32010") on a board.
    void MarkShape(int board, const std::string& lowestFirst)
    {
        board::FretBoard& b = objects_->boards.Board(board);
        const int strings = b.StringCount();
        ASSERT_EQ(int(lowestFirst.size()), strings);
        for (int i = 0; i < strings; ++i) {
            const char fret = lowestFirst[std::size_t(strings - 1 - i)];
            if (fret != 'x')
                b.Row(i).SetDot(fret - '0', true);
        }
    }

    std::vector<std::string> PanelLines(page::TextPanel& panel) const
    {
        std::vector<std::string> lines;
        for (const page::TextPanel::Line& line : panel.Lines(objects_->theory, objects_->engine))
            lines.push_back(line.text.toStdString());
        return lines;
    }

    std::vector<QMessageBox*> VisibleMessages() const
    {
        std::vector<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
                boxes.push_back(box);
        }
        return boxes;
    }

    // The balloons shown, as title: content.
    std::vector<QString> Hints() const
    {
        std::vector<QString> hints;
        for (const widgets::BalloonTip* balloon : widgets::OpenBalloons())
            hints.push_back(balloon->Title() + QLatin1String(": ") + balloon->Content());
        return hints;
    }

    // The frame's player finds no audio output, whatever the machine has.
    void WithoutSound(MainFrame& frame)
    {
        frame.MarkedNotes()->Player().SetDeviceSource([] { return QAudioDevice(); });
    }
};

TEST_F(MarkedNotesTest, NamingTheMarkedShapeFillsThePanelsWithItsNotesAndNames)
{
    struct Case {
        const char* what;
        std::vector<int> tuning;  // empty: the default board
        std::string shape;
        std::string notes;
        std::string firstName;
        std::string firstLogicalName;
    };
    const std::vector<Case> cases = {
        {"C major", {}, "x32010", "Chordnotes: C - E - G", "C", "C (0, 4, 7)"},
        {"drop D", {64, 59, 55, 50, 45, 38}, "022100", "Chordnotes: D - E - Ab - B",
            "Dsus2(#4)(6) (no 5)", "D (0, 2, 6, 9)"},
    };
    MainFrame& frame = MakeFrame();
    page::PageScene& scene = frame.View()->GetScene();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        objects_->boards.Clear(kChord);
        if (!c.tuning.empty())
            objects_->boards.SetTuning(kChord, c.tuning);
        MarkShape(kChord, c.shape);
        QTest::keyClick(&frame, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);

        const std::vector<std::string> information = PanelLines(scene.ChordInformation());
        ASSERT_GE(information.size(), 2u);
        EXPECT_EQ(information[1], c.notes);
        const std::vector<std::string> names = PanelLines(scene.ChordNames());
        ASSERT_GE(names.size(), 2u);
        EXPECT_EQ(names[0], strings::kTraditionalChordNames);
        EXPECT_EQ(names[1], c.firstName);
        EXPECT_NE(std::find(names.begin(), names.end(), c.firstLogicalName), names.end());
        // The arpeggio command follows the new selection at once.
        EXPECT_TRUE(frame.action(CommandId::ShowArpeggio)->isEnabled());
    }
    // The marks themselves stay as they were.
    EXPECT_TRUE(objects_->boards.Board(kChord).Row(5).Cell(0).Marked());
}

TEST_F(MarkedNotesTest, TheNamedChordIsWhatTheChordSearchGoesForNext)
{
    MainFrame& frame = MakeFrame();
    theory::ChordSearch& search = objects_->engine.Chords();
    // What a wizard left for an earlier chord: a note order, a melody note, a narrow span.
    theory::ChordSearchRequest earlier;
    earlier.notes = {60, 64, 67};
    earlier.root = 0;
    earlier.span = 5;
    earlier.permutation = {64, 60, 67};
    earlier.melody = 7;
    search.SetRequest(earlier);
    search.SetCurrent(0);
    QPushButton* go =
        frame.Calculations()->ChordPage().findChild<QPushButton*>(QStringLiteral("go"));
    ASSERT_NE(go, nullptr);
    frame.Calculations()->ChordPage().UpdateButtons();
    EXPECT_FALSE(go->isEnabled());

    MarkShape(kChord, "x02210");
    frame.action(CommandId::NameMarkedChord)->trigger();

    const theory::ChordSearchRequest request = search.Request();
    EXPECT_EQ(request.notes, (std::vector<theory::Note>{69, 64, 60}));
    EXPECT_EQ(request.root, 9);
    EXPECT_TRUE(request.permutation.empty());
    EXPECT_EQ(request.melody, theory::kNoPitchClass);
    EXPECT_EQ(request.span, 5);
    EXPECT_EQ(search.Current(), -1);
    EXPECT_TRUE(go->isEnabled());
    EXPECT_EQ(frame.Calculations()->Tabs().currentWidget(), &frame.Calculations()->ChordPage());

    // The fingerings found are those of A minor.
    std::unique_ptr<theory::ChordRun> run = search.StartRun();
    theory::ChordFingering fingering;
    int found = 0;
    while (run->Next(fingering)) {
        ++found;
        for (const theory::Note note : fingering.StringNotes)
            EXPECT_TRUE(note % 12 == 9 || note % 12 == 0 || note % 12 == 4) << note;
    }
    EXPECT_GT(found, 0);
}

TEST_F(MarkedNotesTest, TheNamedChordIsOfferedOnlyWhileItIsTheCurrentChord)
{
    MainFrame& frame = MakeFrame();
    MarkedNotesCommands& commands = *frame.MarkedNotes();
    EXPECT_TRUE(commands.NamedChordStillCurrent().empty());
    MarkShape(kChord, "x02210");
    commands.NameMarkedChord();
    EXPECT_EQ(commands.NamedChordStillCurrent(), (std::vector<theory::Note>{69, 64, 60}));

    // Another chord (a wizard's, say) takes over: same notes, another root.
    objects_->theory.ClearSelection();
    objects_->theory.SetRootName("C");
    for (const char* note : {"A", "E", "C"})
        objects_->theory.AddNote(note);
    EXPECT_TRUE(commands.NamedChordStillCurrent().empty());
}

TEST_F(MarkedNotesTest, TheChordWizardOpensWithTheNamedChordWhileItIsCurrent)
{
    MainFrame& frame = MakeFrame();
    // Seven pitch classes from two strings: one more than the wizard takes on six strings.
    board::FretBoard& chordBoard = objects_->boards.Board(kChord);
    for (const int fret : {0, 1, 2, 3})
        chordBoard.Row(0).SetDot(fret, true);
    for (const int fret : {0, 1, 2})
        chordBoard.Row(1).SetDot(fret, true);
    frame.action(CommandId::NameMarkedChord)->trigger();
    ASSERT_EQ(objects_->theory.FormatNotes(), "B - C - Db - E - F - Gb - G");

    QStringList chosen;
    QString root;
    auto readWizard = [&] {
        test::WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
            chosen = wizard.NotesPage()->Picker()->NoteNames();
            root = wizard.NotesPage()->RootName();
            wizard.reject();
        });
    };
    readWizard();
    QTest::keyClick(&frame, Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(chosen,
        (QStringList{QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("Db"),
            QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("Gb")}));
    EXPECT_EQ(root, QStringLiteral("B"));
    EXPECT_TRUE(Hints().empty());
    EXPECT_TRUE(widgets::OpenBalloons().isEmpty());

    // Once another chord is current the wizard starts empty again, as it always did.
    objects_->theory.ClearSelection();
    objects_->theory.SetRootName("D");
    objects_->theory.AddNote("D");
    readWizard();
    frame.Wizards()->RunChordWizard();
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_TRUE(root.isEmpty());
}

TEST_F(MarkedNotesTest, NamingWithoutMarksSaysSoAndKeepsTheChord)
{
    MainFrame& frame = MakeFrame();
    QAction* name = frame.action(CommandId::NameMarkedChord);
    ASSERT_NE(name, nullptr);

    // Marks on the ScaleBoard are not the ChordBoard's.
    MarkShape(kScale, "x32010");
    name->trigger();
    EXPECT_FALSE(objects_->theory.HasSelection());
    EXPECT_TRUE(PanelLines(frame.View()->GetScene().ChordNames()).empty());
    EXPECT_EQ(Hints(),
        std::vector<QString>{Text(strings::kCmdNameMarkedChord) + QLatin1String(": ") +
            Text(strings::kNothingToName)});

    objects_->theory.SetRootName("G");
    for (const char* note : {"G", "B", "D"})
        objects_->theory.AddNote(note);
    name->trigger();
    EXPECT_EQ(objects_->theory.FormatNotes(), "G - B - D");
    EXPECT_EQ(objects_->theory.GetRootName(), "G");
    // A second try replaces the hint rather than piling up another.
    EXPECT_EQ(Hints(),
        std::vector<QString>{Text(strings::kCmdNameMarkedChord) + QLatin1String(": ") +
            Text(strings::kNothingToName)});
    EXPECT_TRUE(VisibleMessages().empty());
}

TEST_F(MarkedNotesTest, PlayingWithoutMarksOrAudioOutputSaysSoOnceAndChangesNothing)
{
    MainFrame& frame = MakeFrame();
    WithoutSound(frame);
    // Empty boards give a hint, not the sound message.
    frame.action(CommandId::PlayChordBoard)->trigger();
    EXPECT_EQ(Hints(),
        std::vector<QString>{Text(strings::kCmdPlayChordBoard) + QLatin1String(": ") +
            Text(strings::kNothingToPlayChordBoard)});
    frame.action(CommandId::PlayScaleBoard)->trigger();
    EXPECT_EQ(Hints(),
        std::vector<QString>{Text(strings::kCmdPlayScaleBoard) + QLatin1String(": ") +
            Text(strings::kNothingToPlayScaleBoard)});
    EXPECT_TRUE(VisibleMessages().empty());

    MarkShape(kChord, "x32010");
    MarkShape(kScale, "320003");
    objects_->theory.SetRootName("G");
    objects_->theory.AddNote("G");

    QTest::keyClick(&frame, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    std::vector<QMessageBox*> messages = VisibleMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]->text(), Text(strings::kNoAudioOutput));
    // The message keeps to its window; the rest of the program goes on.
    EXPECT_NE(messages[0]->windowModality(), Qt::ApplicationModal);

    frame.action(CommandId::PlayScaleBoard)->trigger();
    frame.action(CommandId::PlayChordBoard)->trigger();
    EXPECT_EQ(VisibleMessages().size(), 1u);
    EXPECT_FALSE(frame.MarkedNotes()->Player().IsPlaying());
    EXPECT_EQ(objects_->theory.FormatNotes(), "G");
    EXPECT_EQ(frame.MarkedNotes()->MarkedPitches(kChord).size(), 5u);
}

TEST_F(MarkedNotesTest, WithoutASoundSystemTheRealDefaultOutputGivesTheMessage)
{
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has an audio output";
    MainFrame& frame = MakeFrame();
    MarkShape(kChord, "x32010");
    frame.action(CommandId::PlayChordBoard)->trigger();
    const std::vector<QMessageBox*> messages = VisibleMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]->text(), Text(strings::kNoAudioOutput));
}

TEST_F(MarkedNotesTest, MarkedPitchesAreTheBoardsOwnNotesOfEveryMarkedString)
{
    MainFrame& frame = MakeFrame();
    objects_->boards.SetTuning(kScale, {62, 59, 55, 50, 43, 38});  // open G, low string D
    MarkShape(kScale, "0x2x13");
    std::vector<int> pitches = frame.MarkedNotes()->MarkedPitches(kScale);
    std::sort(pitches.begin(), pitches.end());
    EXPECT_EQ(pitches, (std::vector<int>{38, 52, 60, 65}));
    EXPECT_TRUE(frame.MarkedNotes()->MarkedPitches(kChord).empty());
}

TEST_F(MarkedNotesTest, EveryShortcutOfTheFrameRunsExactlyOneCommand)
{
    MainFrame& frame = MakeFrame();
    std::map<QString, QString> owners;
    for (QAction* action : frame.actions()) {
        if (action->shortcut().isEmpty())
            continue;
        const QString key = action->shortcut().toString();
        const auto [it, inserted] = owners.emplace(key, action->text());
        EXPECT_TRUE(inserted) << key.toStdString() << " is used by " << it->second.toStdString()
                              << " and " << action->text().toStdString();
    }
    for (const CommandId id :
        {CommandId::NameMarkedChord, CommandId::PlayChordBoard, CommandId::PlayScaleBoard}) {
        QAction* action = frame.action(id);
        ASSERT_NE(action, nullptr);
        EXPECT_FALSE(action->shortcut().isEmpty());
        // Keys the platform reserves for editing, printing and help stay theirs.
        for (const QKeySequence::StandardKey reserved : {QKeySequence::Copy, QKeySequence::Cut,
                 QKeySequence::Paste, QKeySequence::Undo, QKeySequence::Print,
                 QKeySequence::HelpContents, QKeySequence::New, QKeySequence::Save})
            EXPECT_FALSE(QKeySequence::keyBindings(reserved).contains(action->shortcut()))
                << action->text().toStdString();
    }
}

}  // namespace
}  // namespace guivarna
