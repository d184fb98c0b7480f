#include "calc/chord_wizard.h"

#include "board/board_collection.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "settings/settings_store.h"
#include "tests/support/widget_steps.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"
#include "widgets/balloon_tip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace guivarna::calc {
namespace {

using test::ClickEnabled;
using theory::Note;

class ChordWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
        boards_.Load(*store_);
        engine_.Chords().SetTuning({64, 59, 55, 50, 45, 40});
    }
    void TearDown() override
    {
        CloseBalloons();
        wizard_.reset();
    }

    ChordWizard& Open()
    {
        wizard_ = std::make_unique<ChordWizard>(theory_, engine_, boards_, *store_);
        wizard_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard_.get()));
        return *wizard_;
    }

    void Notes(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            ClickEnabled(wizard_->NotesPage()->Picker()->NoteButton(QString::fromLatin1(name)));
    }

    // The title and content of the one open balloon ("" when none is open).
    static std::pair<QString, QString> Balloon()
    {
        const QList<widgets::BalloonTip*> open = widgets::OpenBalloons();
        if (open.size() != 1)
            return {};
        return {open.front()->Title(), open.front()->Content()};
    }
    static void CloseBalloons()
    {
        for (widgets::BalloonTip* b : widgets::OpenBalloons())
            delete b;
    }

    struct Buttons {
        bool back, next, finish;
        bool operator==(const Buttons&) const = default;
    };
    Buttons States() const
    {
        return {wizard_->BackButton()->isEnabled(), wizard_->NextButton()->isEnabled(),
            wizard_->FinishButton()->isEnabled()};
    }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    board::BoardCollection boards_;
    theory::MusicTheory theory_;
    theory::SearchEngine engine_;
    std::unique_ptr<ChordWizard> wizard_;
};

TEST_F(ChordWizardTest, ButtonsFollowThePages)
{
    ChordWizard& w = Open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Guivarna Chordwizard"));
    EXPECT_TRUE(w.isModal());
    EXPECT_TRUE(w.CalculateRightAway());
    EXPECT_EQ(w.CurrentPage(), w.NotesPage());
    EXPECT_EQ(States(), (Buttons{false, true, false}));
    // Later pages are built only when first reached.
    EXPECT_FALSE(w.StringsPage()->IsCreated());

    Notes({"C", "E", "G"});
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.CurrentPage(), w.StringsPage());
    EXPECT_EQ(States(), (Buttons{true, true, false}));
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.CurrentPage(), w.PermutationsPage());
    EXPECT_EQ(States(), (Buttons{true, false, true}));
    // Back to a middle page keeps Finish usable; back to the first page does not.
    ClickEnabled(w.BackButton());
    EXPECT_EQ(w.CurrentPage(), w.StringsPage());
    EXPECT_EQ(States(), (Buttons{true, true, true}));
    ClickEnabled(w.BackButton());
    EXPECT_EQ(w.CurrentPage(), w.NotesPage());
    EXPECT_EQ(States(), (Buttons{false, true, false}));
    // The pages kept what was entered.
    EXPECT_EQ(w.NotesPage()->Picker()->NoteNames(),
        QStringList({QStringLiteral("C"), QStringLiteral("E"), QStringLiteral("G")}));
    EXPECT_FALSE(w.StringsPage()->isVisible());
    EXPECT_TRUE(w.StringsPage()->IsCreated());
}

TEST_F(ChordWizardTest, TabRunsThroughTheNoteButtonsThenTheListAndItsButtons)
{
    ChordWizard& w = Open();
    QStringList expected;
    for (Note note = 60; note < 72; ++note)
        expected.append(QStringLiteral("note") + QString::fromStdString(theory::NoteName(note)));
    expected << QStringLiteral("selectedNotes") << QStringLiteral("removeNote")
             << QStringLiteral("clearNotes") << QStringLiteral("makeRoot")
             << QStringLiteral("rootDisplay") << QStringLiteral("chordSymbol")
             << QStringLiteral("useSymbol");
    EXPECT_EQ(test::TabOrder(*w.NotesPage()), expected);
}

TEST_F(ChordWizardTest, EnterActsOnNoButton)
{
    ChordWizard& w = Open();
    Notes({"C", "E"});
    QSignalSpy finished(&w, &QDialog::finished);
    for (QWidget* target : std::initializer_list<QWidget*>{&w, w.NextButton(),
             w.NotesPage()->Picker()->NoteButton(QStringLiteral("D")),
             w.NotesPage()->findChild<QLineEdit*>(QStringLiteral("rootDisplay"))}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter);
    }
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_EQ(w.CurrentPage(), w.NotesPage());
    EXPECT_EQ(w.NotesPage()->Picker()->NoteNames().size(), 2);
}

TEST_F(ChordWizardTest, NotePageKeepsRootAndLimit)
{
    ChordWizard& w = Open();
    NoteSelectPage* page = w.NotesPage();
    auto* root = page->findChild<QLineEdit*>(QStringLiteral("rootDisplay"));
    auto* remove = page->findChild<QPushButton*>(QStringLiteral("removeNote"));
    auto* makeRoot = page->findChild<QPushButton*>(QStringLiteral("makeRoot"));
    auto* clear = page->findChild<QPushButton*>(QStringLiteral("clearNotes"));
    EXPECT_EQ(root->text(), QStringLiteral("Root: Not set."));
    EXPECT_FALSE(root->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(makeRoot->isEnabled());
    EXPECT_FALSE(clear->isEnabled());

    // Next on an empty list is refused at the list.
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.CurrentPage(), page);
    EXPECT_EQ(Balloon(),
        std::make_pair(QStringLiteral("Maximum number of notes to select: 6"),
            QStringLiteral("No selection was made.")));
    CloseBalloons();

    // The first note is the root; a note may come twice; the seventh is refused.
    Notes({"E", "G", "B", "E", "D", "G"});
    EXPECT_EQ(root->text(), QStringLiteral("Root: E"));
    EXPECT_TRUE(remove->isEnabled() && makeRoot->isEnabled() && clear->isEnabled());
    EXPECT_EQ(Balloon(), std::make_pair(QString(), QString()));
    Notes({"A"});
    EXPECT_EQ(page->Picker()->NoteNames().size(), 6);
    EXPECT_EQ(Balloon(),
        std::make_pair(QStringLiteral("Maximum number of notes to select: 6"),
            QStringLiteral("All strings are occupied; it is not possible to select more "
                           "chordnotes than there are strings.")));
    const widgets::BalloonTip* balloon = widgets::OpenBalloons().front();
    EXPECT_EQ(balloon->Geometry().window.topLeft() + balloon->Geometry().Tip(),
        page->List()->mapToGlobal(page->List()->rect().center()));
    CloseBalloons();

    // "Make Root" on another row moves the root; without a selected row it stays.
    page->List()->selectRow(2);
    ClickEnabled(makeRoot);
    EXPECT_EQ(root->text(), QStringLiteral("Root: B"));
    page->List()->clearSelection();
    ClickEnabled(makeRoot);
    EXPECT_EQ(root->text(), QStringLiteral("Root: B"));
    EXPECT_EQ(page->RootName(), QStringLiteral("B"));

    // Removing the root's row leaves the root as it was.
    page->List()->selectRow(2);
    ClickEnabled(remove);
    EXPECT_EQ(page->Picker()->NoteNames(),
        QStringList({QStringLiteral("E"), QStringLiteral("G"), QStringLiteral("E"),
            QStringLiteral("D"), QStringLiteral("G")}));
    EXPECT_EQ(root->text(), QStringLiteral("Root: B"));

    // Clear forgets the root; the next note becomes it.
    ClickEnabled(clear);
    EXPECT_EQ(page->Picker()->NoteNames().size(), 0);
    EXPECT_EQ(root->text(), QStringLiteral("Root: Not set."));
    EXPECT_FALSE(remove->isEnabled() || makeRoot->isEnabled() || clear->isEnabled());
    Notes({"F"});
    EXPECT_EQ(root->text(), QStringLiteral("Root: F"));
}

TEST_F(ChordWizardTest, FretLimitsAreCheckedWhereEnteredAndOnNext)
{
    ChordWizard& w = Open();
    Notes({"C", "E", "G"});
    ClickEnabled(w.NextButton());
    StringFretPage* page = w.StringsPage();
    const int positions = boards_.FretCount(board::BoardCollection::kChordBoard);
    ASSERT_GT(positions, 6);
    EXPECT_EQ(page->LowestFretList()->count(), positions);
    EXPECT_EQ(page->SpanList()->count(), positions - 1);
    EXPECT_EQ(page->SpanList()->itemText(0), QStringLiteral("1"));
    EXPECT_EQ(page->LowestFret(), 0);
    EXPECT_EQ(page->HighestFret(), positions - 1);
    EXPECT_EQ(page->Span(), positions - 1);
    EXPECT_EQ(page->StringList()->rowCount(), 6);
    EXPECT_EQ(page->StringList()->item(0, 0)->text(), QStringLiteral("1"));
    EXPECT_EQ(page->StringList()->item(0, 1)->text(), QStringLiteral("E"));
    EXPECT_EQ(page->StringList()->item(2, 1)->text(), QStringLiteral("G"));

    page->HighestFretList()->setCurrentIndex(5);
    EXPECT_EQ(Balloon(), std::make_pair(QString(), QString()));
    page->LowestFretList()->setCurrentIndex(5);
    EXPECT_EQ(Balloon(),
        std::make_pair(QStringLiteral("Lowest fret"),
            QStringLiteral("The lowest fret cannot be higher than or equal to the highest fret.")));
    EXPECT_EQ(page->LowestFret(), 5);
    CloseBalloons();

    page->HighestFretList()->setCurrentIndex(4);
    EXPECT_EQ(Balloon().first, QStringLiteral("Highest fret"));
    EXPECT_EQ(page->HighestFret(), 4);
    CloseBalloons();
    page->HighestFretList()->setCurrentIndex(5);
    CloseBalloons();

    // 5 - 5 is below every span.
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.CurrentPage(), page);
    EXPECT_EQ(Balloon(),
        std::make_pair(QStringLiteral("Fret range"),
            QStringLiteral("It is impossible to search a fret-range larger than the specified "
                           "fretdomain. Please modify your filter.")));
    CloseBalloons();

    // A range exactly as wide as the span passes.
    page->HighestFretList()->setCurrentIndex(9);
    page->SpanList()->setCurrentIndex(3);
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.CurrentPage(), w.PermutationsPage());
}

TEST_F(ChordWizardTest, StringsNeverFewerThanNotes)
{
    ChordWizard& w = Open();
    Notes({"C", "E", "G"});
    ClickEnabled(w.NextButton());
    StringFretPage* page = w.StringsPage();
    EXPECT_EQ(page->NoteCount(), 3);
    QTableWidget* list = page->StringList();
    auto* remove = page->findChild<QPushButton*>(QStringLiteral("removeString"));

    // Six strings down to four, then one more, then refused.
    for (int i = 0; i < 2; ++i) {
        list->selectRow(0);
        ClickEnabled(remove);
    }
    ASSERT_EQ(list->rowCount(), 4);
    list->selectRow(1);
    ClickEnabled(remove);
    EXPECT_EQ(list->rowCount(), 3);
    EXPECT_EQ(Balloon(), std::make_pair(QString(), QString()));
    list->selectRow(0);
    ClickEnabled(remove);
    EXPECT_EQ(list->rowCount(), 3);
    EXPECT_EQ(Balloon().first, QStringLiteral("Strings"));
    EXPECT_FALSE(Balloon().second.isEmpty());
    EXPECT_EQ(page->AllowedStrings(), (std::vector<std::uint32_t>{3, 5, 6}));
    CloseBalloons();

    ClickEnabled(page->findChild<QPushButton*>(QStringLiteral("resetStrings")));
    EXPECT_EQ(page->AllowedStrings(), (std::vector<std::uint32_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(ChordWizardTest, PermutationsOfTheChordNotes)
{
    ChordWizard& w = Open();
    Notes({"G", "C", "E"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.NextButton());
    PermutationPage* page = w.PermutationsPage();
    EXPECT_EQ(page->NoteSelectionDisplay()->text(), QStringLiteral("G - C - E"));
    EXPECT_EQ(page->PermutationDisplay()->text(), QStringLiteral("All permutations will be used."));
    EXPECT_TRUE(page->ModeButton(PermutationPage::kAllPermutations)->isChecked());
    EXPECT_FALSE(page->MelodyList()->isEnabled());
    EXPECT_FALSE(page->PermutateButton()->isEnabled());
    EXPECT_EQ(page->MelodyList()->count(), 3);
    EXPECT_EQ(page->MelodyList()->currentText(), QStringLiteral("G"));

    ClickEnabled(page->ModeButton(PermutationPage::kMelodyNote));
    EXPECT_TRUE(page->MelodyList()->isEnabled());
    EXPECT_FALSE(page->PermutateButton()->isEnabled());

    ClickEnabled(page->ModeButton(PermutationPage::kSpecificPermutation));
    EXPECT_FALSE(page->MelodyList()->isEnabled());
    // The three buttons of this choice come on together; "Select" on the empty list does nothing.
    EXPECT_TRUE(page->PermutateButton()->isEnabled());
    EXPECT_TRUE(page->ResetButton()->isEnabled());
    ClickEnabled(page->SelectButton());
    EXPECT_EQ(Balloon().first, QString());
    // Finish before a permutation was chosen is refused and keeps the wizard open.
    ClickEnabled(w.FinishButton());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Balloon().first, QStringLiteral("Permutations"));
    EXPECT_EQ(Balloon().second,
        QStringLiteral("You have chosen to use a specific permutation. You need to press the "
                       "'permutate' button, select a permutation and press the 'select' button "
                       "before finishing."));
    CloseBalloons();

    ClickEnabled(page->PermutateButton());
    QTableWidget* list = page->PermutationList();
    ASSERT_EQ(list->rowCount(), 6);
    EXPECT_EQ(list->item(0, 0)->text(), QStringLiteral("C - E - G"));
    EXPECT_EQ(list->item(5, 0)->text(), QStringLiteral("G - E - C"));
    EXPECT_TRUE(page->SelectButton()->isEnabled());

    // Select without a row and without an earlier choice is refused.
    list->clearSelection();
    ClickEnabled(page->SelectButton());
    EXPECT_EQ(Balloon().first, QStringLiteral("Permutations"));
    CloseBalloons();

    list->selectRow(3);
    ClickEnabled(page->SelectButton());
    EXPECT_EQ(page->ChosenPermutation(), 3);
    EXPECT_EQ(page->PermutationDisplay()->text(), list->item(3, 0)->text());
    // Without a row the earlier choice is shown again.
    list->clearSelection();
    ClickEnabled(page->SelectButton());
    EXPECT_EQ(page->ChosenPermutation(), 3);
    EXPECT_EQ(Balloon(), std::make_pair(QString(), QString()));

    ClickEnabled(page->ResetButton());
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(page->ChosenPermutation(), -1);
    EXPECT_EQ(page->PermutationDisplay()->text(), QStringLiteral("All permutations will be used."));
}

TEST_F(ChordWizardTest, OneNoteHasNothingToPermutate)
{
    ChordWizard& w = Open();
    Notes({"A"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.NextButton());
    EXPECT_FALSE(
        w.PermutationsPage()->ModeButton(PermutationPage::kSpecificPermutation)->isEnabled());
}

TEST_F(ChordWizardTest, ChangedNotesDropAChosenPermutation)
{
    ChordWizard& w = Open();
    Notes({"C", "E", "G"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.NextButton());
    PermutationPage* page = w.PermutationsPage();
    ClickEnabled(page->ModeButton(PermutationPage::kSpecificPermutation));
    ClickEnabled(page->PermutateButton());
    page->PermutationList()->selectRow(1);
    ClickEnabled(page->SelectButton());

    // Back and forth without a change keeps the choice.
    ClickEnabled(w.BackButton());
    ClickEnabled(w.NextButton());
    EXPECT_EQ(page->ChosenPermutation(), 1);

    // A different chord cannot keep an order of the old chord's notes.
    ClickEnabled(w.BackButton());
    ClickEnabled(w.BackButton());
    Notes({"Bb"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.NextButton());
    EXPECT_EQ(page->ChosenPermutation(), -1);
    EXPECT_EQ(page->PermutationList()->rowCount(), 0);
    ClickEnabled(w.FinishButton());
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Balloon().first, QStringLiteral("Permutations"));
}

struct FinishCase {
    const char* name;
    PermutationPage::Mode mode;
    bool calculate;
    bool onlyPlayable = false;
};

void PrintTo(const FinishCase& c, std::ostream* os)
{
    *os << c.name;
}

class ChordWizardFinish : public ChordWizardTest,
                          public ::testing::WithParamInterface<FinishCase> { };

TEST_P(ChordWizardFinish, HandsThePagesChoicesToTheSearch)
{
    const FinishCase& c = GetParam();
    ChordWizard& w = Open();
    QSignalSpy ready(&w, &ChordWizard::ChordSearchReady);
    QSignalSpy go(&w, &ChordWizard::ChordSearchGo);
    Notes({"D", "A", "F"});
    ClickEnabled(w.NextButton());
    StringFretPage* strings = w.StringsPage();
    strings->StringList()->selectRow(5);
    ClickEnabled(strings->findChild<QPushButton*>(QStringLiteral("removeString")));
    strings->HighestFretList()->setCurrentIndex(12);
    strings->LowestFretList()->setCurrentIndex(2);
    strings->SpanList()->setCurrentIndex(3);
    ClickEnabled(strings->findChild<QRadioButton*>(QStringLiteral("openMustHave")));
    if (c.onlyPlayable)
        ClickEnabled(strings->findChild<QCheckBox*>(QStringLiteral("onlyPlayable")));
    ClickEnabled(w.NextButton());
    PermutationPage* order = w.PermutationsPage();
    ClickEnabled(order->ModeButton(c.mode));
    if (c.mode == PermutationPage::kSpecificPermutation) {
        ClickEnabled(order->PermutateButton());
        order->PermutationList()->selectRow(4);
        ClickEnabled(order->SelectButton());
    } else if (c.mode == PermutationPage::kMelodyNote) {
        order->MelodyList()->setCurrentIndex(1);
    }
    if (!c.calculate)
        ClickEnabled(w.findChild<QCheckBox*>(QStringLiteral("calculateRightAway")));

    ClickEnabled(w.FinishButton());

    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(go.count(), c.calculate ? 1 : 0);
    EXPECT_EQ(theory_.GetRootName(), "D");
    EXPECT_EQ(theory_.GetNotes(true), (std::vector<Note>{62, 69, 65}));
    theory::ChordSearchRequest expected;
    expected.notes = {62, 69, 65};
    expected.root = 2;
    expected.allowedStrings = {1, 2, 3, 4, 5};
    expected.lowestFret = 2;
    expected.highestFret = 12;
    expected.span = 4;
    expected.openStrings = theory::OpenStringPolicy::MustHave;
    expected.playableOnly = c.onlyPlayable;
    // Rows in ascending order: D F A, D A F, F D A, F A D, A D F, ...
    if (c.mode == PermutationPage::kSpecificPermutation)
        expected.permutation = {69, 62, 65};
    if (c.mode == PermutationPage::kMelodyNote)
        expected.melody = 9;
    EXPECT_EQ(engine_.Chords().Request(), expected);
    EXPECT_EQ(engine_.Chords().Results()->Count(), 0u);
    EXPECT_EQ(engine_.Chords().Current(), -1);
}

INSTANTIATE_TEST_SUITE_P(Orders, ChordWizardFinish,
    ::testing::Values(FinishCase{"AllAndGo", PermutationPage::kAllPermutations, true},
        FinishCase{"AllNoGo", PermutationPage::kAllPermutations, false},
        FinishCase{"PermutationPlayable", PermutationPage::kSpecificPermutation, true, true},
        FinishCase{"MelodyNote", PermutationPage::kMelodyNote, false}),
    [](const ::testing::TestParamInfo<FinishCase>& info) { return std::string(info.param.name); });

TEST_F(ChordWizardTest, RefusedFinishChangesNothing)
{
    // An earlier request with a result.
    theory_.SetRootName("G");
    theory_.AddNote("G");
    theory_.AddNote("B");
    theory::ChordSearchRequest earlier;
    theory::TakeChord(earlier, theory_);
    earlier.highestFret = 5;
    earlier.span = 3;
    engine_.Chords().SetRequest(earlier);
    theory::ChordFingering found;
    ASSERT_TRUE(engine_.Chords().StartRun()->Next(found));
    engine_.Chords().SetCurrent(0);

    ChordWizard& w = Open();
    QSignalSpy ready(&w, &ChordWizard::ChordSearchReady);
    Notes({"C", "E", "G"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.NextButton());
    // The strings page goes wrong after the permutation page was reached.
    ClickEnabled(w.BackButton());
    w.StringsPage()->SpanList()->setCurrentIndex(5);
    w.StringsPage()->HighestFretList()->setCurrentIndex(3);
    CloseBalloons();
    ClickEnabled(w.FinishButton());

    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(Balloon().first, QStringLiteral("Fret range"));
    EXPECT_EQ(ready.count(), 0);
    EXPECT_EQ(theory_.GetRootName(), "G");
    EXPECT_EQ(theory_.GetNotes(true), (std::vector<Note>{67, 71}));
    EXPECT_EQ(engine_.Chords().Request(), earlier);
    EXPECT_EQ(engine_.Chords().Results()->Count(), 1u);
    EXPECT_EQ(engine_.Chords().Current(), 0);
}

TEST_F(ChordWizardTest, CancelLeavesEverythingAsItWas)
{
    ChordWizard& w = Open();
    QSignalSpy ready(&w, &ChordWizard::ChordSearchReady);
    Notes({"C", "E"});
    ClickEnabled(w.CancelButton());
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    EXPECT_EQ(ready.count(), 0);
    EXPECT_FALSE(theory_.HasSelection());
}

TEST_F(ChordWizardTest, ComesBackWhereItWasLeft)
{
    QRect moved;
    {
        ChordWizard& w = Open();
        const QRect first = w.geometry();
        w.move(first.topLeft() + QPoint(37, 21));
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.geometry().topLeft() != first.topLeft(); }));
        w.resize(w.width() + 30, w.height() + 10);
        moved = w.geometry();
        ClickEnabled(w.CancelButton());
        wizard_.reset();
    }
    store_->Sync();
    settings::SettingsStore reread(store_->FileName());
    ChordWizard again(theory_, engine_, boards_, reread);
    EXPECT_EQ(again.geometry(), moved);
}

}  // namespace
}  // namespace guivarna::calc
