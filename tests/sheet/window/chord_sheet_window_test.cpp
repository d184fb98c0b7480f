#include "sheet/window/chord_sheet_view.h"
#include "sheet/window/chord_sheet_window.h"
#include "tests/support/pdf_pages.h"
#include "theory/notes/instrument_limits.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <memory>

namespace guivarna::sheet {
namespace {

theory::ChordShape Shape(const std::vector<int>& highFirst, const std::string& name)
{
    const std::vector<int> tuning(
        theory::kStandardTuningNotes.begin(), theory::kStandardTuningNotes.end());
    return theory::ShapeFromFrets(highFirst, tuning, name);
}

const std::vector<theory::ChordShape> kThree = {Shape({0, 1, 0, 2, 3, -1}, "C"),
    Shape({1, 1, 2, 3, 3, 1}, "F"), Shape({3, 0, 0, 0, 2, 3}, "G")};

using NameList = std::vector<std::string>;

class ChordSheetWindowTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }

    // A window on the settings file of the test, as a new start of the program would make it.
    void Open()
    {
        window_.reset();
        store_.reset();
        store_ = std::make_unique<settings::SettingsStore>(Path("s.ini"));
        window_ = std::make_unique<ChordSheetWindow>(*store_);
        SheetDialogs& dialogs = window_->Dialogs();
        dialogs.tell = [this](bool, const QString& text) { told_ << text; };
        dialogs.ask = [this](const QString& text) {
            asked_ << text;
            return answer_;
        };
        dialogs.savePath = [this](const QString&, const QString&, const QString& name) {
            return Path(name.toUtf8().constData());
        };
        dialogs.pngDpi = [](int) { return std::optional<int>(150); };
        dialogs.setUpPrinter = [this](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(Path("printed.pdf"));
            return true;
        };
        window_->resize(900, 700);
        window_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    }

    QString Path(const char* name) const { return dir_.filePath(QString::fromUtf8(name)); }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const theory::ChordShape& shape : window_->Sheet().Shapes())
            names.push_back(shape.name);
        return names;
    }
    QWidget* Viewport() const { return window_->View().viewport(); }
    QPoint Centre(int index) const { return window_->View().DiagramRect(index).center(); }

    QTemporaryDir dir_;
    std::unique_ptr<settings::SettingsStore> store_;
    std::unique_ptr<ChordSheetWindow> window_;
    // A ChordPro file of count copies of the C chord.
    QByteArray ManyChords(int count) const
    {
        QByteArray text = "{title: many}\n";
        for (int i = 0; i < count; ++i)
            text += "{define: C frets x 3 2 0 1 0}\n";
        return text;
    }
    void Write(const QString& path, const QByteArray& text) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QStringList told_;
    QStringList asked_;
    bool answer_ = false;
};

TEST_F(ChordSheetWindowTest, EditingStepsUndoAndRedo)
{
    QUndoStack& undo = window_->Undo();
    EXPECT_FALSE(window_->ClearAction()->isEnabled());
    EXPECT_EQ(window_->Add(kThree), 3);
    EXPECT_TRUE(window_->ClearAction()->isEnabled());

    // Delete removes the diagram clicked on.
    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Centre(1));
    QTest::keyClick(&window_->View(), Qt::Key_Delete);
    EXPECT_EQ(Names(), (NameList{"C", "G"}));

    // Renamed in place: a double-click opens the editor over the diagram.
    QTest::mouseDClick(Viewport(), Qt::LeftButton, {}, Centre(1));
    auto* editor = Viewport()->findChild<QLineEdit*>(QStringLiteral("diagramNameEditor"));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("G6"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Names(), (NameList{"C", "G6"}));

    // Dragged from the first place to behind the second.
    const QPoint from = Centre(0);
    const QPoint to = window_->View().DiagramRect(1).topRight() + QPoint(2, 20);
    QTest::mousePress(Viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Viewport(), from + QPoint(30, 0));
    QTest::mouseMove(Viewport(), to);
    QTest::mouseRelease(Viewport(), Qt::LeftButton, {}, to);
    EXPECT_EQ(Names(), (NameList{"G6", "C"}));

    window_->ClearAction()->trigger();
    EXPECT_TRUE(window_->Sheet().Shapes().empty());

    const std::vector<NameList> history = {
        {"G6", "C"}, {"C", "G6"}, {"C", "G"}, {"C", "F", "G"}, {}};
    for (const NameList& names : history) {
        undo.undo();
        EXPECT_EQ(Names(), names);
    }
    undo.redo();
    undo.redo();
    EXPECT_EQ(Names(), (NameList{"C", "G"}));
}

TEST_F(ChordSheetWindowTest, TheSheetAndItsOptionsSurviveARestart)
{
    window_->Add(kThree);
    window_->TitleEdit().setText(QStringLiteral("Set list"));
    emit window_->TitleEdit().editingFinished();
    window_->PerRowBox().setValue(2);
    Open();
    EXPECT_EQ(window_->Sheet().Title(), QStringLiteral("Set list"));
    EXPECT_EQ(window_->Sheet().Shapes(), kThree);
    EXPECT_EQ(window_->TitleEdit().text(), QStringLiteral("Set list"));
    EXPECT_EQ(window_->View().Columns(), 2);
    EXPECT_FALSE(window_->Undo().canUndo());
}

TEST_F(ChordSheetWindowTest, AScaleDiagramIsKeptBesideChordsAndDrawnAcrossOnRequest)
{
    const std::vector<theory::Note> guitar = theory::StandardTuning();
    const auto box =
        theory::ScalePositions({69, 0b010010101001}, guitar, theory::FingeringSystem::Position)
            .at(0);
    std::vector<theory::ChordShape> shapes = kThree;
    shapes.push_back(theory::ShapeFromScalePosition(box, guitar, 69, "A minor pentatonic 1"));
    window_->Add(shapes);
    // Upright it is as wide as a chord diagram of six strings; across, its four frets run
    // along and its strings down.
    const QSize upright = window_->View().Layout().DiagramSize(3);
    EXPECT_EQ(upright.width(), window_->View().Layout().DiagramSize(0).width());
    window_->ScalesAcrossBox().setChecked(true);
    const QSize across = window_->View().Layout().DiagramSize(3);
    EXPECT_NE(across, upright);
    EXPECT_GT(across.height(), upright.height());
    Open();
    EXPECT_EQ(window_->Sheet().Shapes(), shapes);
    EXPECT_TRUE(window_->ScalesAcrossBox().isChecked());
    EXPECT_EQ(window_->View().Layout().DiagramSize(3), across);
}

TEST_F(ChordSheetWindowTest, AKeptSheetThatDidNotLoadWholeIsSetAsideNeverOverwritten)
{
    struct Case {
        const char* what;
        QByteArray text;
        int loaded;
    };
    const std::vector<Case> cases = {
        {"a bad line", "{title: t}\n{define: A frets x 0 2 2 2 0}\n{define: bad frets q}\n", 1},
        {"cut off in a line", "{title: t}\n{define: A frets x 0 2 2 2 0}\n{define: D fr", 1},
        {"too many diagrams", ManyChords(ChordSheet::kMaxDiagrams + 1), ChordSheet::kMaxDiagrams},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& name : QDir(dir_.path()).entryList({QStringLiteral("*.cho")}))
            QFile::remove(Path(name.toUtf8().constData()));
        Write(window_->StoragePath(), c.text);
        told_.clear();
        Open();
        EXPECT_EQ(window_->Sheet().Count(), c.loaded);
        ASSERT_EQ(told_.size(), 1);
        const QStringList aside =
            QDir(dir_.path()).entryList({QStringLiteral("chord-sheet.unreadable-*.cho")});
        ASSERT_EQ(aside.size(), 1);
        EXPECT_TRUE(told_[0].contains(aside[0])) << told_[0].toStdString();
        // The next edit keeps the sheet in a new file; the one set aside stays as it was.
        window_->Add({kThree[0]});
        QFile old(Path(aside[0].toUtf8().constData()));
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), c.text);
        // A full sheet refuses the addition and says so; nothing else is told again.
        EXPECT_EQ(told_.size(), c.loaded < ChordSheet::kMaxDiagrams ? 1 : 2);
    }
}

TEST_F(ChordSheetWindowTest, OpeningMoreThanASheetHoldsSaysSoAndSavingOverItAsks)
{
    const int count = ChordSheet::kMaxDiagrams + 5;
    const QString path = Path("long.cho");
    Write(path, ManyChords(count));
    EXPECT_TRUE(window_->OpenSheet(path));
    EXPECT_EQ(window_->Sheet().Count(), ChordSheet::kMaxDiagrams);
    ASSERT_EQ(told_.size(), 1);
    EXPECT_TRUE(told_[0].contains(QStringLiteral("the last 5 were left out")))
        << told_[0].toStdString();

    EXPECT_FALSE(window_->SaveSheet(path));  // the answer is no: the file keeps every diagram
    ASSERT_EQ(asked_.size(), 1);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), ManyChords(count));
    file.close();
    EXPECT_TRUE(window_->SaveSheet(Path("other.cho")));  // another file: no question
    answer_ = true;
    EXPECT_TRUE(window_->SaveSheet(path));
    EXPECT_EQ(asked_.size(), 2);
}

TEST_F(ChordSheetWindowTest, TheGridReflowsWithTheWidth)
{
    window_->Add(kThree);
    window_->resize(300, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->View().Columns() == 1; }));
    window_->resize(1400, 600);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->View().Columns() > 3; }));
    EXPECT_LT(window_->View().DiagramRect(0).top(), window_->View().DiagramRect(2).bottom());
}

TEST_F(ChordSheetWindowTest, OpeningReportsBadLinesAndLoadsTheRest)
{
    window_->Add({kThree[0]});
    const auto write = [this](const char* name, const QByteArray& text) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return Path(name);
    };
    const QString partly = write("partly.cho",
        "{title: Mixed}\n{define: A frets x 0 2 2 2 0}\n{define: bad frets q}\n"
        "{define: D base-fret 1 frets x x 0 2 3 2 fingers 0 0 0 1 3 2}\n");
    EXPECT_TRUE(window_->OpenSheet(partly));
    EXPECT_EQ(Names(), (NameList{"A", "D"}));
    ASSERT_EQ(told_.size(), 1);
    EXPECT_TRUE(told_[0].contains(QStringLiteral("Line 3"))) << told_[0].toStdString();

    const QString empty = write("empty.cho", "{title: nothing}\nlyrics only\n");
    EXPECT_FALSE(window_->OpenSheet(empty));
    EXPECT_FALSE(window_->OpenSheet(Path("missing.cho")));
    EXPECT_EQ(Names(), (NameList{"A", "D"}));
    EXPECT_EQ(told_.size(), 3);
    window_->Undo().undo();
    EXPECT_EQ(Names(), (NameList{"C"}));
}

TEST_F(ChordSheetWindowTest, FileActionsWriteWhatTheyShow)
{
    std::vector<theory::ChordShape> sixty;
    for (int i = 0; i < 20; ++i)
        sixty.insert(sixty.end(), kThree.begin(), kThree.end());
    window_->Add(sixty);
    for (QAction* action : {window_->ExportSvgAction(), window_->ExportPdfAction(),
             window_->ExportPngAction(), window_->SaveAction(), window_->PrintAction()})
        action->trigger();
    EXPECT_TRUE(told_.isEmpty()) << told_.join(QLatin1Char('\n')).toStdString();
    for (const char* name : {"chord-sheet.svg", "chord-sheet.png", "chord-sheet.cho"})
        EXPECT_GT(QFile(Path(name)).size(), 1000) << name;
    EXPECT_EQ(test::ReadPdfPages(Path("chord-sheet.pdf")).count, 4);
    EXPECT_EQ(test::ReadPdfPages(Path("printed.pdf")).count, 4);

    // A save that cannot be written says so and leaves nothing behind.
    window_->Dialogs().savePath = [this](const QString&, const QString&, const QString&) {
        return Path("missing/folder/x.cho");
    };
    window_->SaveAction()->trigger();
    ASSERT_EQ(told_.size(), 1);
    EXPECT_TRUE(told_[0].contains(QStringLiteral("missing/folder/x.cho")));
}

}  // namespace
}  // namespace guivarna::sheet
