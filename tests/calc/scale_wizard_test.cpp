#include "calc/scale_wizard.h"

#include "calc/note_picker.h"
#include "calc/scale_notes_page.h"
#include "calc/scale_tones_page.h"
#include "settings/settings_store.h"
#include "tests/support/widget_steps.h"
#include "theory/notes/music_theory.h"
#include "theory/search/search_engine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <vector>

namespace guivarna::calc {
namespace {

using test::ClickEnabled;
using theory::Note;

// The decimal numbers first..last as list entries.
QStringList Range(int first, int last)
{
    QStringList entries;
    for (int i = first; i <= last; ++i)
        entries.append(QString::number(i));
    return entries;
}

// The semitone list for n tones: "no", "2", ..., "n".
QStringList Runs(int tones)
{
    return QStringList{QStringLiteral("no")} + (tones >= 2 ? Range(2, tones) : QStringList{});
}

class ScaleWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        store_ = std::make_unique<settings::SettingsStore>(dir_.filePath(QStringLiteral("s.ini")));
    }
    void TearDown() override { wizard_.reset(); }

    ScaleWizard& Open()
    {
        wizard_ = std::make_unique<ScaleWizard>(theory_, engine_, *store_);
        wizard_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(wizard_.get()));
        return *wizard_;
    }

    void SelectChord(std::initializer_list<const char*> names)
    {
        theory_.SetRootName(*names.begin());
        for (const char* name : names)
            theory_.AddNote(name);
    }

    void Notes(const std::vector<const char*>& names)
    {
        for (const char* name : names)
            ClickEnabled(wizard_->NotesPage()->Picker()->NoteButton(QString::fromLatin1(name)));
    }

    static QStringList Entries(const QComboBox* list)
    {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries.append(list->itemText(i));
        return entries;
    }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    theory::MusicTheory theory_;
    theory::SearchEngine engine_;
    std::unique_ptr<ScaleWizard> wizard_;
};

struct ToneCase {
    const char* name;
    std::vector<const char*> notes;
    QStringList tones;
    QString chosenTones;
    QStringList semitones;
    int chosenSemitone;
    theory::ScaleSearchRequest request;  // at Finish without further choices
};

void PrintTo(const ToneCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScaleWizardTones : public ScaleWizardTest, public ::testing::WithParamInterface<ToneCase> { };

TEST_P(ScaleWizardTones, OfferTheCountsAboveTheMustHaveNotes)
{
    const ToneCase& c = GetParam();
    ScaleWizard& w = Open();
    Notes(c.notes);
    ClickEnabled(w.NextButton());
    ScaleTonesPage* page = w.TonesPage();
    EXPECT_EQ(page->MustHaveCount(), static_cast<int>(c.notes.size()));
    EXPECT_EQ(Entries(page->ToneList()), c.tones);
    EXPECT_EQ(page->ToneList()->isEnabled(), !c.tones.isEmpty());
    EXPECT_EQ(page->ToneList()->currentText(), c.chosenTones);
    EXPECT_EQ(Entries(page->SemitoneList()), c.semitones);
    EXPECT_EQ(page->SemitoneList()->currentIndex(), c.chosenSemitone);

    ClickEnabled(w.FinishButton());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(engine_.Scales().Request(), c.request);
}

const QStringList kNoToSeven = Runs(7);

INSTANTIATE_TEST_SUITE_P(MustHaveCounts, ScaleWizardTones,
    ::testing::Values(
        ToneCase{"None", {}, Range(1, 12), QStringLiteral("7"), kNoToSeven, 1, {7, false, {}, 1}},
        ToneCase{"Eight", {"B", "C", "D", "E", "F", "G", "A", "Db"}, Range(9, 12),
            QStringLiteral("9"), Runs(9), 1, {9, true, {71, 60, 62, 64, 65, 67, 69, 61}, 1}},
        ToneCase{"Eleven", {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb"},
            QStringList{QStringLiteral("12")}, QStringLiteral("12"), Runs(12), 1,
            {12, true, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70}, -1}},
        // Every note required: only the chromatic scale, without a run limit.
        ToneCase{"Twelve", {"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"}, {},
            QString(), QStringList{QStringLiteral("no")}, -1,
            {12, true, {60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}, -1}}),
    [](const ::testing::TestParamInfo<ToneCase>& info) { return std::string(info.param.name); });

TEST_F(ScaleWizardTest, TwelveRequiredNotesGiveTheChromaticScaleOnly)
{
    ScaleWizard& w = Open();
    Notes({"C", "Db", "D", "Eb", "E", "F", "Gb", "G", "Ab", "A", "Bb", "B"});
    ClickEnabled(w.NextButton());
    ClickEnabled(w.FinishButton());
    auto run = engine_.Scales().StartRun();
    std::vector<Note> scale;
    ASSERT_TRUE(run->Next(scale));
    EXPECT_EQ(scale, (std::vector<Note>{60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71}));
    EXPECT_FALSE(run->Next(scale));
}

struct LimitCase {
    int toneIndex;  // in the list 1..12
    int semitoneIndex;  // -1: leave the page's choice
    QStringList semitones;
    int toneCount;
    int runLimit;
};

TEST_F(ScaleWizardTest, ToneAndSemitoneChoicesGiveTheRunLimit)
{
    const std::vector<LimitCase> cases{
        // Each case picks another tone count than the one before, so the semitone list is
        // rebuilt with "2" chosen.
        {6, 0, kNoToSeven, 7, 0},  // "no": no semitone step at all
        {3, -1, Runs(4), 4, 1},
        {6, 2, kNoToSeven, 7, 2},  // "3": three notes in chromatic succession
        // Two tones and twelve tones pass no run limit whatever is chosen.
        {1, 0, Runs(2), 2, -1},
        {6, 6, kNoToSeven, 7, 6},
        {1, 1, Runs(2), 2, -1},
        {11, 0, Runs(12), 12, -1},
        // One tone: "no" alone, nothing chosen.
        {0, -1, Runs(1), 1, -1},
    };
    ScaleWizard& w = Open();
    ClickEnabled(w.NextButton());
    ScaleTonesPage* page = w.TonesPage();
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.toneIndex * 100 + c.semitoneIndex);
        page->ToneList()->setCurrentIndex(c.toneIndex);
        EXPECT_EQ(Entries(page->SemitoneList()), c.semitones);
        EXPECT_EQ(page->SemitoneList()->currentIndex(), c.semitones.size() > 1 ? 1 : -1);
        if (c.semitoneIndex >= 0)
            page->SemitoneList()->setCurrentIndex(c.semitoneIndex);
        const theory::ScaleSearchRequest request = w.Request();
        EXPECT_EQ(request.toneCount, c.toneCount);
        EXPECT_EQ(request.runLimit, c.runLimit);
    }
}

TEST_F(ScaleWizardTest, ToneListIsRebuiltEachTimeThePageIsReached)
{
    ScaleWizard& w = Open();
    ClickEnabled(w.NextButton());
    w.TonesPage()->ToneList()->setCurrentIndex(2);
    ClickEnabled(w.BackButton());
    Notes({"C", "E", "G", "B", "D", "F", "A"});
    ClickEnabled(w.NextButton());
    EXPECT_EQ(Entries(w.TonesPage()->ToneList()), Range(8, 12));
    EXPECT_EQ(w.TonesPage()->ToneList()->currentText(), QStringLiteral("8"));
    ClickEnabled(w.BackButton());
    ClickEnabled(w.NotesPage()->ClearButton());
    ClickEnabled(w.NextButton());
    EXPECT_EQ(Entries(w.TonesPage()->ToneList()), Range(1, 12));
    EXPECT_EQ(w.TonesPage()->ToneList()->currentText(), QStringLiteral("7"));
}

TEST_F(ScaleWizardTest, TabRunsThroughTheChordTheNoteButtonsThenTheList)
{
    ScaleWizard& w = Open();
    QStringList expected{QStringLiteral("chordNotes"), QStringLiteral("mustHaveChord")};
    for (Note note = 60; note < 72; ++note)
        expected.append(QStringLiteral("note") + QString::fromStdString(theory::NoteName(note)));
    expected << QStringLiteral("clearNotes") << QStringLiteral("mustHaveNotes");
    EXPECT_EQ(test::TabOrder(*w.NotesPage()), expected);
}

TEST_F(ScaleWizardTest, NoteButtonsAddEachNoteOnce)
{
    ScaleWizard& w = Open();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Guivarna Scalewizard"));
    EXPECT_TRUE(w.CalculateRightAway());
    ScaleNotesPage* page = w.NotesPage();
    EXPECT_FALSE(page->ClearButton()->isEnabled());
    // Without a current chord there is nothing to take over.
    EXPECT_FALSE(page->ChordCheck()->isEnabled());
    EXPECT_FALSE(page->ChordNotes()->isEnabled());
    QPushButton* d = page->Picker()->NoteButton(QStringLiteral("D"));
    ClickEnabled(d);
    EXPECT_FALSE(d->isEnabled());
    // A click on the disabled button adds nothing.
    QTest::mouseClick(d, Qt::LeftButton);
    Notes({"Ab"});
    EXPECT_EQ(
        page->Picker()->NoteNames(), (QStringList{QStringLiteral("D"), QStringLiteral("Ab")}));
    EXPECT_TRUE(page->ClearButton()->isEnabled());

    ClickEnabled(page->ClearButton());
    EXPECT_EQ(page->List()->rowCount(), 0);
    EXPECT_FALSE(page->ClearButton()->isEnabled());
    EXPECT_TRUE(d->isEnabled());
    EXPECT_TRUE(page->Picker()->NoteButton(QStringLiteral("Ab"))->isEnabled());
}

TEST_F(ScaleWizardTest, CurrentChordIsAddedAndRemovedAsOne)
{
    SelectChord({"C", "E", "G"});
    ScaleWizard& w = Open();
    ScaleNotesPage* page = w.NotesPage();
    QCheckBox* check = page->ChordCheck();
    EXPECT_TRUE(check->isEnabled());
    EXPECT_TRUE(page->ChordNotes()->isEnabled());
    EXPECT_EQ(page->ChordNotes()->text(), QStringLiteral("C - E - G"));

    Notes({"D"});
    ClickEnabled(check);
    EXPECT_EQ(page->Picker()->NoteNames(),
        (QStringList{
            QStringLiteral("D"), QStringLiteral("C"), QStringLiteral("E"), QStringLiteral("G")}));
    for (const char* name : {"C", "E", "G", "D"})
        EXPECT_FALSE(page->Picker()->NoteButton(QString::fromLatin1(name))->isEnabled()) << name;

    ClickEnabled(check);
    EXPECT_EQ(page->Picker()->NoteNames(), QStringList{QStringLiteral("D")});
    for (const char* name : {"C", "E", "G"})
        EXPECT_TRUE(page->Picker()->NoteButton(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(page->Picker()->NoteButton(QStringLiteral("D"))->isEnabled());

    // Clear also unchecks the box.
    ClickEnabled(check);
    ClickEnabled(page->ClearButton());
    EXPECT_FALSE(check->isChecked());
    EXPECT_EQ(page->List()->rowCount(), 0);
}

TEST_F(ScaleWizardTest, ANoteInTheListTwiceCountsOnce)
{
    SelectChord({"C", "E", "G"});
    ScaleWizard& w = Open();
    ScaleNotesPage* page = w.NotesPage();
    // The chord brings C again after its button added it.
    Notes({"C"});
    ClickEnabled(page->ChordCheck());
    ASSERT_EQ(page->List()->rowCount(), 4);
    // Nine more notes make all twelve; every button has been used.
    Notes({"Db", "D", "Eb", "F", "Gb", "Ab", "A", "Bb", "B"});
    EXPECT_EQ(page->List()->rowCount(), 13);
    ClickEnabled(w.NextButton());
    EXPECT_EQ(w.TonesPage()->ToneList()->count(), 0);
    EXPECT_EQ(w.Request().toneCount, 12);

    ClickEnabled(w.BackButton());
    ClickEnabled(page->ChordCheck());
    ClickEnabled(w.NextButton());
    // C, E and G left with the chord: nine notes remain.
    EXPECT_EQ(Entries(w.TonesPage()->ToneList()), Range(10, 12));
}

TEST_F(ScaleWizardTest, FinishReplacesTheRequestAndClearsTheResults)
{
    // An earlier request with must-have notes and a result, the result selected.
    engine_.Scales().SetRequest({5, true, {60, 64}, 12});
    std::vector<Note> found;
    ASSERT_TRUE(engine_.Scales().StartRun()->Next(found));
    engine_.Scales().SetCurrent(0);

    ScaleWizard& w = Open();
    QSignalSpy ready(&w, &ScaleWizard::ScaleSearchReady);
    QSignalSpy go(&w, &ScaleWizard::ScaleSearchGo);
    ClickEnabled(w.NextButton());
    ClickEnabled(w.findChild<QCheckBox*>(QStringLiteral("calculateRightAway")));
    ClickEnabled(w.FinishButton());

    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(ready.count(), 1);
    EXPECT_EQ(go.count(), 0);
    EXPECT_EQ(engine_.Scales().Results()->Count(), 0u);
    EXPECT_EQ(engine_.Scales().Current(), -1);
    // An empty must-have list requires nothing: the earlier notes do not linger unseen.
    EXPECT_EQ(engine_.Scales().Request(), (theory::ScaleSearchRequest{7, false, {}, 1}));
}

TEST_F(ScaleWizardTest, ComesBackWhereItWasLeft)
{
    QRect moved;
    {
        ScaleWizard& w = Open();
        const QRect first = w.geometry();
        w.move(first.topLeft() + QPoint(41, 17));
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.geometry().topLeft() != first.topLeft(); }));
        w.resize(w.width() + 20, w.height() + 30);
        moved = w.geometry();
        ClickEnabled(w.CancelButton());
        wizard_.reset();
    }
    store_->Sync();
    settings::SettingsStore reread(store_->FileName());
    EXPECT_TRUE(
        reread.ReadInt(u"WindowPlacement\\FlagsScaleWizard\\WindowPlacement\\NormalPosition\\left")
            .has_value());
    ScaleWizard again(theory_, engine_, reread);
    EXPECT_EQ(again.geometry(), moved);
}

}  // namespace
}  // namespace guivarna::calc
