#include "app/by_name_commands.h"

#include "app/chord_by_name_dialog.h"
#include "app/list_export_commands.h"
#include "app/main_frame.h"
#include "app/scale_by_name_dialog.h"
#include "app/wizard_commands.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/chord_symbol_edit.h"
#include "calc/chord_wizard.h"
#include "calc/note_picker.h"
#include "calc/note_select_page.h"
#include "calc/result_models.h"
#include "calc/voicing_page.h"
#include "page/text_panel.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAction>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringListModel>
#include <QTemporaryDir>

#include <set>

namespace guivarna {
namespace {

using board::BoardCollection;

class ByNameTest : public test::AppTest { };

QPushButton* Ok(QDialogButtonBox* buttons)
{
    return buttons->button(QDialogButtonBox::Ok);
}

TEST_F(ByNameTest, ChordByNameReadsAsTypedAndLoadsTheChordForTheSearch)
{
    MainFrame& frame = MakeFrame();
    QPushButton* go =
        frame.Calculations()->ChordPage().findChild<QPushButton*>(QStringLiteral("go"));
    ASSERT_NE(go, nullptr);
    bool okWhileUnreadable = true;
    test::WhenModalOpens<ChordByNameDialog>([&](ChordByNameDialog& dialog) {
        QLineEdit* edit = dialog.SymbolEdit()->Edit();
        QLabel* status = dialog.SymbolEdit()->Status();
        EXPECT_FALSE(Ok(dialog.Buttons())->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("G7bq"));
        okWhileUnreadable = Ok(dialog.Buttons())->isEnabled();
        EXPECT_TRUE(status->text().contains(QStringLiteral("at character 4")))
            << status->text().toStdString();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, QStringLiteral("9"));
        EXPECT_EQ(status->text(), QStringLiteral("Notes: G - Ab - B - D - F"));
        EXPECT_TRUE(Ok(dialog.Buttons())->isEnabled());
        QTest::mouseClick(Ok(dialog.Buttons()), Qt::LeftButton);
    });
    QTest::keyClick(&frame, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(okWhileUnreadable);
    EXPECT_EQ(objects_->theory.FormatNotes(), "G - Ab - B - D - F");
    EXPECT_EQ(objects_->theory.GetRootName(), "G");
    const theory::ChordSearchRequest request = objects_->engine.Chords().Request();
    EXPECT_EQ(request.notes, (std::vector<theory::Note>{67, 68, 71, 62, 65}));
    EXPECT_EQ(request.root, 7);
    EXPECT_TRUE(go->isEnabled());
    EXPECT_EQ(frame.Calculations()->Tabs().currentWidget(), &frame.Calculations()->ChordPage());
}

TEST_F(ByNameTest, ChordSymbolEditOffersTypesAfterTheRootAndRefusesTooManyNotes)
{
    calc::ChordSymbolEdit edit(4);
    QTest::keyClicks(edit.Edit(), QStringLiteral("F#"));
    const QStringList offered =
        static_cast<QStringListModel*>(edit.Completer()->model())->stringList();
    EXPECT_TRUE(offered.contains(QStringLiteral("F#maj7")));
    EXPECT_TRUE(offered.contains(QStringLiteral("F#m7b5")));
    EXPECT_TRUE(edit.Chord().has_value());

    edit.SetText(QStringLiteral("C9"));
    EXPECT_FALSE(edit.Chord().has_value());
    EXPECT_TRUE(edit.Status()->text().contains(QStringLiteral("only 4 strings")));
    edit.SetText(QString());
    EXPECT_FALSE(edit.Chord().has_value());
}

TEST_F(ByNameTest, TheChordWizardsNotePageTakesASymbol)
{
    MainFrame& frame = MakeFrame();
    calc::NoteSelectPage* page = nullptr;
    QStringList chosen;
    QString root;
    bool useEnabledEmpty = true;
    test::WhenModalOpens<calc::ChordWizard>([&](calc::ChordWizard& wizard) {
        page = wizard.NotesPage();
        useEnabledEmpty = page->UseSymbolButton()->isEnabled();
        QTest::keyClicks(page->SymbolEdit()->Edit(), QStringLiteral("Bbmaj7"));
        QTest::mouseClick(page->UseSymbolButton(), Qt::LeftButton);
        chosen = page->Picker()->NoteNames();
        root = page->RootName();
        wizard.reject();
    });
    frame.Wizards()->RunChordWizard();
    EXPECT_FALSE(useEnabledEmpty);
    EXPECT_EQ(chosen,
        (QStringList{
            QStringLiteral("Bb"), QStringLiteral("D"), QStringLiteral("F"), QStringLiteral("A")}));
    EXPECT_EQ(root, QStringLiteral("Bb"));
}

TEST_F(ByNameTest, ScaleByNameFiltersAndShowsTheScaleWithItsRootsOnTheScaleBoard)
{
    MainFrame& frame = MakeFrame();
    int shownRows = -1;
    test::WhenModalOpens<ScaleByNameDialog>([&](ScaleByNameDialog& dialog) {
        // Keys pick notes exactly: "A" is A though Ab comes first, "b" after E is Eb.
        QTest::keyClicks(dialog.Root(), QStringLiteral("Eb"));
        EXPECT_EQ(dialog.Root()->currentText(), QStringLiteral("Eb"));
        QTest::keyClicks(dialog.Root(), QStringLiteral("A"));
        EXPECT_EQ(dialog.Root()->currentText(), QStringLiteral("A"));
        QTest::keyClicks(dialog.Filter(), QStringLiteral("MINOR PENT"));
        shownRows = 0;
        for (int row = 0; row < dialog.Scales()->count(); ++row)
            shownRows += dialog.Scales()->item(row)->isHidden() ? 0 : 1;
        EXPECT_EQ(dialog.Notes()->text(), QStringLiteral("A minor pentatonic: A - C - D - E - G"));
        QTest::keyClicks(dialog.Filter(), QStringLiteral("zzz"));
        EXPECT_FALSE(Ok(dialog.Buttons())->isEnabled());
        dialog.Filter()->setText(QStringLiteral("pentatonic"));
        QTest::keyClick(dialog.Filter(), Qt::Key_Down);
        EXPECT_EQ(dialog.Choice()->Text(), "A minor pentatonic");
        QTest::mouseClick(Ok(dialog.Buttons()), Qt::LeftButton);
    });
    frame.action(CommandId::ScaleByName)->trigger();
    EXPECT_EQ(shownRows, 1);

    const board::FretBoard& board = objects_->boards.Board(BoardCollection::kScaleBoard);
    std::set<int> marked;
    for (const auto& [row, fret] : board.MarkedPositions())
        marked.insert(board.Row(row).Cell(fret).Note() % 12);
    EXPECT_EQ(marked, (std::set<int>{9, 0, 2, 4, 7}));
    EXPECT_EQ(board.RootPitchClass(), 9);

    const page::TextPanel panel(page::TextPanel::Kind::ScaleInformation, {});
    auto lines = panel.Lines(objects_->theory, objects_->engine);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].text, QStringLiteral("Scalenotes: A - C - D - E - G"));
    EXPECT_EQ(lines[2].text, QStringLiteral("Scale: A minor pentatonic"));

    // Clearing the board forgets the root.
    objects_->boards.Clear(BoardCollection::kScaleBoard);
    EXPECT_EQ(board.RootPitchClass(), -1);
}

// "Voicings" in "Chord by name…" loads the chord and lists its voicings with the slash bass of
// the symbol; the ChordBoard's "Voicings" does the same for the current chord, and is disabled
// without one.
TEST_F(ByNameTest, VoicingsListsTheTypedChordAndTheCurrentOne)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& calculations = *frame.Calculations();
    calc::VoicingResultPage& page = calculations.VoicingPage();
    frame.UpdateCommands();
    EXPECT_FALSE(frame.action(CommandId::Voicings)->isEnabled());
    test::WhenModalOpens<ChordByNameDialog>([&](ChordByNameDialog& dialog) {
        EXPECT_FALSE(dialog.VoicingsButton()->isEnabled());
        QTest::keyClicks(dialog.SymbolEdit()->Edit(), QStringLiteral("C/E"));
        QTest::mouseClick(dialog.VoicingsButton(), Qt::LeftButton);
    });
    QTest::keyClick(&frame, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(objects_->theory.GetRootName(), "C");
    EXPECT_EQ(calculations.Tabs().currentWidget(), &page);
    const auto name = [&](int row) {
        return page.Model().index(row, calc::VoicingResultModel::kNameColumn).data().toString();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.Runner().HasWorker(); }, 20000));
    QCoreApplication::processEvents();
    ASSERT_GT(page.Model().rowCount(), 0);
    EXPECT_EQ(name(0), QStringLiteral("C/E"));

    frame.UpdateCommands();
    ASSERT_TRUE(frame.action(CommandId::Voicings)->isEnabled());
    objects_->theory.LoadChord("A", std::vector<std::string>{"A", "C", "E"});
    frame.action(CommandId::Voicings)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page.Runner().HasWorker(); }, 20000));
    QCoreApplication::processEvents();
    ASSERT_GT(page.Model().rowCount(), 0);
    EXPECT_EQ(name(0), QStringLiteral("A-"));
    EXPECT_EQ(page.Model().index(0, calc::VoicingResultModel::kFretsColumn).data().toString(),
        QStringLiteral("0 - 1 - 2 - 2 - 0 - x"));
    // While the voicing list is shown, "Save list to textfile" writes its rows in their order.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("voicings.txt"));
    frame.ListExport()->SetPathChooser([&](const SaveRequest&) { return path; });
    frame.ListExport()->SaveChordList();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines.size(), page.Model().rowCount() + 1);
    EXPECT_TRUE(lines.front().startsWith(QStringLiteral("1 - 2 - 3 - 4 - 5\t\t0 - 1 - 2 - 2 - 0")))
        << lines.front().toStdString();
}

TEST_F(ByNameTest, TheNewShortcutsClashWithNoStandardKey)
{
    MainFrame& frame = MakeFrame();
    for (const CommandId id :
        {CommandId::ChordByName, CommandId::ScaleByName, CommandId::Voicings}) {
        const QKeySequence shortcut = frame.action(id)->shortcut();
        ASSERT_FALSE(shortcut.isEmpty());
        for (int key = QKeySequence::UnknownKey + 1; key <= QKeySequence::Cancel; ++key) {
            EXPECT_FALSE(QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(key))
                             .contains(shortcut))
                << shortcut.toString().toStdString() << " is standard key " << key;
        }
    }
}

}  // namespace
}  // namespace guivarna
