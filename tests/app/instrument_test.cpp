#include "app/instrument_applier.h"
#include "app/instrument_dialog.h"
#include "calc/calc_page.h"
#include "calc/calc_runner.h"
#include "calc/calc_window.h"
#include "calc/result_models.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>

namespace guivarna {
namespace {

using board::BoardCollection;

const std::vector<theory::Note> kSevenString{64, 59, 55, 50, 45, 40, 35};

void ChoosePreset(InstrumentDialog& dialog, const QString& name)
{
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("presetList"));
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    list->setCurrentItem(found.front());
}

void Press(InstrumentDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    QTest::mouseClick(buttons->button(which), Qt::LeftButton);
}

class InstrumentTest : public test::AppTest {
protected:
    // The viewport pixel at the centre of a cell, from the cell the model placed and where the
    // scene draws its board.
    static QPoint CellPixel(const KovaView& view, const board::FretBoard& board, int row, int fret)
    {
        const board::FretCell& cell = board.Row(row).Cell(fret);
        const QPoint shift = view.GetScene().SceneOrigin(board) - board.Position();
        const QPointF centre(
            cell.X() + shift.x() + cell.Width() / 2.0, cell.Y() + shift.y() + cell.Height() / 2.0);
        return view.Mapping().SceneToDevice(centre).toPoint() - view.ScrollPosition();
    }

    QByteArray SettingsFile() const
    {
        QFile file(dir_.filePath(QStringLiteral("s.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(InstrumentTest, TheCommandOpensTheDialogAndAppliesTheSevenStringPreset)
{
    MainFrame& frame = MakeFrame();
    QAction* command = frame.action(CommandId::Instrument);
    ASSERT_NE(command, nullptr);
    EXPECT_EQ(frame.menu(MenuId::File)->actions().front(), command);

    test::WhenModalOpens<InstrumentDialog>([](InstrumentDialog& dialog) {
        ChoosePreset(dialog, QStringLiteral("7-string guitar"));
        Press(dialog, QDialogButtonBox::Ok);
    });
    command->trigger();

    BoardCollection& boards = objects_->boards;
    EXPECT_EQ(boards.StringCount(BoardCollection::kScaleBoard), 7);
    EXPECT_EQ(boards.StringCount(BoardCollection::kChordBoard), 7);
    EXPECT_EQ(objects_->engine.Chords().Tuning(), kSevenString);

    // A click on string 7 at fret 0 of the ChordBoard marks a B.
    KovaView& view = *frame.View();
    const board::FretBoard& chord = boards.Board(BoardCollection::kChordBoard);
    QTest::mouseClick(
        view.viewport(), Qt::LeftButton, Qt::NoModifier, CellPixel(view, chord, 6, 0));
    EXPECT_EQ(chord.Row(6).Cell(0).Marked(), 1);
    EXPECT_EQ(chord.Row(6).Cell(0).NoteName(), QStringLiteral("B"));

    // Saved at once: another program start reads the same instrument.
    settings::SettingsStore reread(dir_.filePath(QStringLiteral("s.ini")));
    BoardCollection again;
    again.Load(reread);
    EXPECT_EQ(again.CurrentInstrument(), (theory::Instrument{kSevenString, 25, false}));
    again.DeleteAll();
}

TEST_F(InstrumentTest, DropDShowsADOnTheSixthStringAndLeftHandedMirrorsBothBoards)
{
    MainFrame& frame = MakeFrame();
    test::WhenModalOpens<InstrumentDialog>([](InstrumentDialog& dialog) {
        ChoosePreset(dialog, QStringLiteral("Drop D"));
        dialog.findChild<QCheckBox*>(QStringLiteral("leftHanded"))->setChecked(true);
        Press(dialog, QDialogButtonBox::Ok);
    });
    frame.action(CommandId::Instrument)->trigger();

    const BoardCollection& boards = objects_->boards;
    for (int b : {BoardCollection::kScaleBoard, BoardCollection::kChordBoard}) {
        const board::FretBoard& board = boards.Board(b);
        EXPECT_EQ(board.Row(5).Cell(0).NoteName(), QStringLiteral("D"));
        EXPECT_TRUE(board.LeftHanded());
        // The open strings sit at the right end of the board.
        EXPECT_EQ(
            board.Row(5).Cell(0).X() + board.Row(5).Cell(0).Width(), board.X() + board.Width());
    }
}

TEST_F(InstrumentTest, CancelChangesNothing)
{
    MainFrame& frame = MakeFrame();
    BoardCollection& boards = objects_->boards;
    boards.Board(BoardCollection::kChordBoard).Row(1).SetDot(3, true);
    store_->Sync();
    const theory::Instrument before = boards.CurrentInstrument();
    const QByteArray fileBefore = SettingsFile();

    test::WhenModalOpens<InstrumentDialog>([](InstrumentDialog& dialog) {
        ChoosePreset(dialog, QStringLiteral("Ukulele"));
        dialog.findChild<QCheckBox*>(QStringLiteral("leftHanded"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("positions"))->setValue(12);
        Press(dialog, QDialogButtonBox::Cancel);
    });
    frame.action(CommandId::Instrument)->trigger();

    EXPECT_EQ(boards.CurrentInstrument(), before);
    EXPECT_EQ(boards.StringCount(BoardCollection::kScaleBoard), 6);
    EXPECT_EQ(boards.Board(BoardCollection::kChordBoard).Row(1).Cell(3).Marked(), 1);
    EXPECT_EQ(objects_->engine.Chords().Tuning().size(), 6U);
    EXPECT_EQ(SettingsFile(), fileBefore);
}

TEST_F(InstrumentTest, ApplyingDuringARunningSearchStopsItAndClearsTheResults)
{
    MainFrame& frame = MakeFrame();
    calc::CalcWindow& window = *frame.Calculations();
    window.SetPauseDelay(0);
    theory::SearchEngine& engine = objects_->engine;
    engine.Scales().SetRequest({.toneCount = 7});
    frame.ScaleSearchGo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.ScalePage().Runner().HasWorker(); }));
    ASSERT_GT(window.ScalePage().Model().rowCount(), 0);

    // Eight notes on eight strings: a search far longer than this test.
    engine.Chords().SetTuning({64, 59, 55, 50, 45, 40, 35, 30});
    objects_->theory.ClearSelection();
    objects_->theory.SetRootName("C");
    for (const char* note : {"C", "D", "E", "F", "G", "A", "Bb", "B"})
        objects_->theory.AddNote(note);
    frame.ChordSearchGo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.ChordPage().Model().rowCount() > 0; }));
    ASSERT_TRUE(window.ChordPage().Runner().HasWorker());

    frame.Instrument().Apply({kSevenString, 25, false});
    EXPECT_FALSE(window.ChordPage().Runner().HasWorker());
    QCoreApplication::processEvents();  // whatever the ended run posted arrives now
    EXPECT_EQ(engine.Chords().Results()->Count(), 0U);
    EXPECT_EQ(engine.Scales().Results()->Count(), 0U);
    EXPECT_EQ(engine.Chords().Current(), -1);
    EXPECT_EQ(window.ScalePage().Model().rowCount(), 0);
    EXPECT_EQ(window.ChordPage().Model().PublishedCount(), 0);
    EXPECT_EQ(engine.Chords().Tuning(), kSevenString);
    EXPECT_EQ(objects_->boards.StringCount(BoardCollection::kChordBoard), 7);
}

TEST_F(InstrumentTest, TheScrollAreaReachesBoardsWiderThanThePaper)
{
    KovaView& view = MakeView(QSize(800, 600));
    InstrumentApplier applier(*objects_, view, nullptr);
    applier.Apply({{64, 59, 55, 50, 45, 40}, 49, false});
    const board::FretBoard& board = objects_->boards.Board(BoardCollection::kChordBoard);
    const double right =
        view.Mapping().SceneToDeviceX(view.GetScene().SceneOrigin(board).x() + board.Width());
    EXPECT_GE(view.horizontalScrollBar()->maximum() + view.viewport()->width(), int(right));
}

TEST_F(InstrumentTest, ABadInstrumentIsRefusedAndChangesNothing)
{
    KovaView& view = MakeView(QSize(800, 600));
    InstrumentApplier applier(*objects_, view, nullptr);
    theory::ScaleSearch& scales = objects_->engine.Scales();
    scales.SetRequest({.toneCount = 5});
    std::vector<theory::Note> scale;
    ASSERT_TRUE(scales.StartRun()->Next(scale));
    EXPECT_THROW(applier.Apply({{}, 25, false}), std::invalid_argument);
    EXPECT_EQ(objects_->boards.StringCount(0), 6);
    EXPECT_EQ(scales.Results()->Count(), 1U);
}

// The dialog on its own, driven as the user would.
class InstrumentDialogTest : public test::AppTest {
protected:
    void Open(const theory::Instrument& current)
    {
        dialog_ = std::make_unique<InstrumentDialog>(current);
        dialog_->show();
        table_ = dialog_->findChild<QTableWidget*>(QStringLiteral("stringTable"));
        ASSERT_NE(table_, nullptr);
    }
    QStringList Texts() const
    {
        QStringList texts;
        for (int row = 0; row < table_->rowCount(); ++row)
            texts << table_->item(row, 0)->text();
        return texts;
    }
    QString Preview() const
    {
        return dialog_->findChild<QLabel*>(QStringLiteral("preview"))->text();
    }
    QString HighlightedPreset() const
    {
        const QListWidgetItem* item =
            dialog_->findChild<QListWidget*>(QStringLiteral("presetList"))->currentItem();
        return item ? item->text() : QString();
    }
    QPushButton* Button(const char* name) const
    {
        return dialog_->findChild<QPushButton*>(QString::fromLatin1(name));
    }

    std::unique_ptr<InstrumentDialog> dialog_;
    QTableWidget* table_ = nullptr;
};

TEST_F(InstrumentDialogTest, ShowsTheCurrentInstrumentStringOneAtTheTop)
{
    Open({{64, 59, 55, 50, 45, 38}, 21, true});
    EXPECT_EQ(Texts(),
        (QStringList{QStringLiteral("E4"), QStringLiteral("B3"), QStringLiteral("G3"),
            QStringLiteral("D3"), QStringLiteral("A2"), QStringLiteral("D2")}));
    EXPECT_EQ(table_->verticalHeaderItem(0)->text(), QStringLiteral("String 1"));
    EXPECT_EQ(Preview(), QStringLiteral("Open strings: E B G D A D"));
    EXPECT_EQ(HighlightedPreset(), QStringLiteral("Drop D"));
    EXPECT_EQ(dialog_->findChild<QSpinBox*>(QStringLiteral("positions"))->value(), 21);
    EXPECT_TRUE(dialog_->findChild<QCheckBox*>(QStringLiteral("leftHanded"))->isChecked());
}

TEST_F(InstrumentDialogTest, EditingAStringUpdatesThePreviewAndOkReturnsTheInstrument)
{
    Open({{64, 59, 55, 50, 45, 40}, 25, false});
    table_->item(0, 0)->setText(QStringLiteral("f#4"));
    EXPECT_EQ(Preview(), QStringLiteral("Open strings: Gb B G D A E"));
    EXPECT_EQ(HighlightedPreset(), QString());
    dialog_->findChild<QSpinBox*>(QStringLiteral("positions"))->setValue(13);
    dialog_->accept();
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(dialog_->Result(), (theory::Instrument{{66, 59, 55, 50, 45, 40}, 13, false}));
}

TEST_F(InstrumentDialogTest, ABadNoteKeepsTheDialogOpenWithAMessage)
{
    const theory::Instrument current{{64, 59, 55, 50, 45, 40}, 25, false};
    Open(current);
    table_->item(2, 0)->setText(QStringLiteral("H3"));
    EXPECT_EQ(Preview(), QStringLiteral("Open strings: E B ? D A E"));
    dialog_->accept();
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_NE(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(dialog_->Result(), current);
    const QLabel* error = dialog_->findChild<QLabel*>(QStringLiteral("errorMessage"));
    EXPECT_TRUE(error->isVisible());
    EXPECT_TRUE(error->text().startsWith(QStringLiteral("String 3: \"H3\" is not a note.")))
        << error->text().toStdString();
    EXPECT_EQ(table_->currentRow(), 2);
}

TEST_F(InstrumentDialogTest, StringsAreAddedAndRemovedWithinOneToTwentyFour)
{
    Open({{43, 38, 33, 28}, 25, false});
    table_->setCurrentCell(1, 0);
    QTest::mouseClick(Button("addString"), Qt::LeftButton);
    // Added below the selected string, a fourth lower.
    EXPECT_EQ(Texts(),
        (QStringList{QStringLiteral("G2"), QStringLiteral("D2"), QStringLiteral("A1"),
            QStringLiteral("A1"), QStringLiteral("E1")}));
    EXPECT_EQ(table_->verticalHeaderItem(4)->text(), QStringLiteral("String 5"));

    while (Button("addString")->isEnabled())
        QTest::mouseClick(Button("addString"), Qt::LeftButton);
    EXPECT_EQ(table_->rowCount(), 24);
    while (Button("removeString")->isEnabled())
        QTest::mouseClick(Button("removeString"), Qt::LeftButton);
    EXPECT_EQ(table_->rowCount(), 1);
    dialog_->accept();
    EXPECT_EQ(dialog_->Result().openNotes.size(), 1U);
}

TEST_F(InstrumentDialogTest, APresetReplacesTheStringsButKeepsPositionsAndHand)
{
    Open({{64, 59, 55, 50, 45, 40}, 19, true});
    for (const theory::InstrumentPreset& preset : theory::InstrumentPresets()) {
        const QString name = QString::fromUtf8(preset.name.data(), qsizetype(preset.name.size()));
        ChoosePreset(*dialog_, name);
        EXPECT_EQ(HighlightedPreset(), name);
        ASSERT_EQ(table_->rowCount(), int(preset.openNotes.size()));
    }
    ChoosePreset(*dialog_, QStringLiteral("Mandolin"));
    dialog_->accept();
    EXPECT_EQ(dialog_->Result(), (theory::Instrument{{76, 69, 62, 55}, 19, true}));
}

}  // namespace
}  // namespace guivarna
