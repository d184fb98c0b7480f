#include "app/list_export_commands.h"
#include "tests/app/app_test_fixture.h"
#include "tests/support/widget_steps.h"

#include "board/board_collection.h"
#include "output/board_picture.h"
#include "theory/search/result_texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace guivarna {
namespace {

using board::BoardCollection;
using namespace std::chrono_literals;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QString Utf16LeText(const QByteArray& bytes)
{
    return QString::fromUtf16(
        reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
}

// The picture names of a saved index page, in order; the page must be complete.
QStringList PagePictures(const QString& path)
{
    const QString page = Utf16LeText(ReadAll(path));
    EXPECT_TRUE(page.endsWith(QStringLiteral("</td></tr></table></body></html>")));
    QStringList names;
    static const QRegularExpression img(QStringLiteral("<img src=\"([^\"]*)\\.jpg \"/>"));
    for (const QRegularExpressionMatch& m : img.globalMatch(page))
        names << m.captured(1);
    return names;
}

class ListExportCommandsTest : public test::AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        commands_ = std::make_unique<ListExportCommands>(*objects_, MakeView({900, 700}), nullptr);
        // The save dialog answers with `answer_` and remembers what it was asked.
        commands_->SetPathChooser([this](const SaveRequest& request) {
            asked_.push_back(request);
            return answer_;
        });
    }
    void TearDown() override
    {
        commands_.reset();
        AppTest::TearDown();
    }

    // The chord results of C E G within the given frets; selects result `current` (-1: none).
    std::vector<theory::ChordFingering> FindCEG(std::uint32_t highestFret, int current = -1)
    {
        objects_->theory.ClearSelection();
        objects_->theory.SetRootName("C");
        for (const char* note : {"C", "E", "G"})
            objects_->theory.AddNote(note);
        theory::ChordSearch& search = objects_->engine.Chords();
        theory::ChordSearchRequest request;
        theory::TakeChord(request, objects_->theory);
        request.highestFret = highestFret;
        search.SetRequest(request);
        const auto run = search.StartRun();
        std::vector<theory::ChordFingering> found;
        for (theory::ChordFingering f; run->Next(f);)
            found.push_back(f);
        search.SetCurrent(current);
        return found;
    }

    // The scales of the given tone count.
    std::size_t FindScales(int toneCount)
    {
        theory::ScaleSearchRequest request;
        request.toneCount = toneCount;
        objects_->engine.Scales().SetRequest(request);
        const auto run = objects_->engine.Scales().StartRun();
        for (std::vector<theory::Note> scale; run->Next(scale);) { }
        return objects_->engine.Scales().Results()->Count();
    }

    QImage ChordBoardPicture()
    {
        return output::BoardPicture(
            objects_->boards.Board(BoardCollection::kChordBoard), view_->Mapping());
    }

    std::unique_ptr<ListExportCommands> commands_;
    QString answer_;
    std::vector<SaveRequest> asked_;
};

TEST_F(ListExportCommandsTest, ListCommandsAskWithTheirDefaultsAndWriteTheirFiles)
{
    const auto chords = FindCEG(3);
    ASSERT_GE(chords.size(), 2u);
    ASSERT_EQ(FindScales(11), 12u);

    const QStringList textFilters{
        QStringLiteral("text files(*.txt)"), QStringLiteral("rich text files(*.rtf)")};
    struct Case {
        void (ListExportCommands::*command)();
        const char* defaultName;
        QStringList filters;
        const char* suffix;
        const char* fileName;
        std::string firstBytes;
    };
    const Case cases[] = {
        {&ListExportCommands::SaveScaleList, "New scale collection", textFilters, "txt", "s.txt",
            "C - Db - D - Eb - E - F - Gb - G - Ab - A - Bb\r\nC - Db"},
        {&ListExportCommands::SaveChordList, "New chords - fingerings collection", textFilters,
            "txt", "c.rtf",
            theory::ChordListLine(chords[0]) + "\r\n" + theory::ChordListLine(chords[1]) + "\r\n"},
        {&ListExportCommands::SaveChordListHtml, "New chords - fingerings collection",
            {QStringLiteral("html files(*.html)")}, "html", "c.html", std::string("<\0?\0x\0", 6)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        asked_.clear();
        answer_ = dir_.filePath(QString::fromUtf8(c.fileName));
        (commands_.get()->*c.command)();
        ASSERT_EQ(asked_.size(), 1u);
        EXPECT_EQ(asked_[0].defaultName, QString::fromUtf8(c.defaultName));
        EXPECT_EQ(asked_[0].filters, c.filters);
        EXPECT_EQ(asked_[0].defaultSuffix, QString::fromUtf8(c.suffix));
        EXPECT_TRUE(ReadAll(answer_).startsWith(QByteArray::fromStdString(c.firstBytes)));
    }
    // The page's current chord is the selection.
    EXPECT_TRUE(Utf16LeText(ReadAll(dir_.filePath(QStringLiteral("c.html"))))
                    .contains(QStringLiteral("<td class=\"content\">C - E - G</td>")));
}

TEST_F(ListExportCommandsTest, ASortedChordListIsSavedInTheOrderShown)
{
    const auto chords = FindCEG(3);
    ASSERT_GE(chords.size(), 3u);
    theory::ChordSearch& search = objects_->engine.Chords();
    auto reversed = std::make_shared<std::vector<std::uint32_t>>();
    for (std::size_t i = chords.size(); i-- > 0;)
        reversed->push_back(static_cast<std::uint32_t>(i));
    search.SetShownOrder(search.Results(), theory::RowOrder(reversed));

    answer_ = dir_.filePath(QStringLiteral("sorted.txt"));
    commands_->SaveChordList();
    std::string expected;
    for (auto at = chords.rbegin(); at != chords.rend(); ++at)
        expected += theory::ChordListLine(*at) + "\r\n";
    EXPECT_EQ(ReadAll(answer_).toStdString(), expected);
}

TEST_F(ListExportCommandsTest, ASearchOnSeveralThreadsSavesTheSameBytesAsOnOne)
{
    objects_->theory.ClearSelection();
    objects_->theory.SetRootName("C");
    for (const char* note : {"C", "D", "E", "F", "G", "Bb"})
        objects_->theory.AddNote(note);
    theory::ChordSearch& search = objects_->engine.Chords();
    theory::ChordSearchRequest request;
    theory::TakeChord(request, objects_->theory);
    search.SetRequest(request);
    QByteArray text[2];
    QByteArray html[2];
    for (const int threads : {1, 2, 3, 8}) {
        SCOPED_TRACE(threads);
        search.StartRun()->RunToEnd(threads);
        ASSERT_EQ(search.Results()->Count(), 59616u);
        search.SetCurrent(7);
        const int slot = threads == 1 ? 0 : 1;
        answer_ = dir_.filePath(QStringLiteral("t%1.txt").arg(threads));
        commands_->SaveChordList();
        text[slot] = ReadAll(answer_);
        answer_ = dir_.filePath(QStringLiteral("t%1.html").arg(threads));
        commands_->SaveChordListHtml();
        html[slot] = ReadAll(answer_);
        if (slot == 1) {
            EXPECT_TRUE(text[1] == text[0]) << "the text file differs";
            EXPECT_TRUE(html[1] == html[0]) << "the page differs";
        }
    }
    EXPECT_GT(text[0].size(), 59616 * 20);
}

TEST_F(ListExportCommandsTest, CancelWritesNothing)
{
    FindCEG(3, 0);
    answer_.clear();
    const QImage board = ChordBoardPicture();
    for (auto command : {&ListExportCommands::SaveScaleList, &ListExportCommands::SaveChordList,
             &ListExportCommands::SaveChordListHtml, &ListExportCommands::SaveAllChordImages,
             &ListExportCommands::SaveAllChordsHtmlAndImages})
        (commands_.get()->*command)();
    EXPECT_EQ(asked_.size(), 4u) << "the scale list is empty, every other command asks";
    EXPECT_TRUE(
        QDir(dir_.path())
            .entryList({QStringLiteral("*.txt"), QStringLiteral("*.htm*"), QStringLiteral("*.jpg")})
            .isEmpty());
    EXPECT_EQ(ChordBoardPicture(), board);
}

TEST_F(ListExportCommandsTest, AFailedSaveKeepsTheOldFileAndNamesFileAndCause)
{
    FindCEG(3);
    // A folder where the file should go: the save cannot replace it.
    answer_ = dir_.filePath(QStringLiteral("list.txt"));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("list.txt")));
    QString reported;
    test::WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
        reported = box.text();
        box.accept();
    });
    commands_->SaveChordList();
    EXPECT_TRUE(reported.contains(answer_)) << reported.toStdString();
    EXPECT_TRUE(QFileInfo(answer_).isDir());
}

TEST_F(ListExportCommandsTest, AllChordsGoIntoTheChosenFolderAndTheBoardIsLeftAsItWas)
{
    const auto chords = FindCEG(3, 4);
    const QImage current = ChordBoardPicture();
    objects_->boards.ShowFingering(BoardCollection::kChordBoard, chords[4]);
    const QImage showing = ChordBoardPicture();

    const QDir folder(dir_.filePath(QStringLiteral("pictures")));
    ASSERT_TRUE(folder.mkpath(QStringLiteral(".")));
    answer_ = folder.filePath(QStringLiteral("typed name.jpg"));
    const QString workingDir = QDir::currentPath();
    const QStringList inWorkingDir = QDir().entryList(QDir::Files);

    commands_->SaveAllChordsHtmlAndImages();

    ASSERT_EQ(asked_.size(), 1u);
    EXPECT_EQ(asked_[0].defaultName, QStringLiteral("WILL BE SET AUTOMATICALLY"));
    EXPECT_EQ(asked_[0].filters, QStringList{QStringLiteral("JPEG image file(*.jpg)")});
    EXPECT_EQ(asked_[0].defaultSuffix, QStringLiteral("jpg"));

    QStringList names;
    for (const auto& f : chords)
        names << QString::fromStdString(theory::FingeringName(f));
    EXPECT_EQ(PagePictures(folder.filePath(QStringLiteral("index.htm"))), names);
    QStringList files = folder.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    files.sort();
    QStringList expected;
    for (const QString& n : names)
        expected << n + QStringLiteral(".jpg");
    expected.removeDuplicates();
    expected.sort();
    EXPECT_EQ(files, expected);
    EXPECT_FALSE(folder.exists(QStringLiteral("typed name.jpg")));
    EXPECT_EQ(QDir::currentPath(), workingDir);
    EXPECT_EQ(QDir().entryList(QDir::Files), inWorkingDir);

    EXPECT_EQ(ChordBoardPicture(), showing);
    EXPECT_NE(ChordBoardPicture(), current);

    // 173 writes the same pictures and no page; with no current result the board ends empty.
    const QDir second(dir_.filePath(QStringLiteral("second")));
    ASSERT_TRUE(second.mkpath(QStringLiteral(".")));
    answer_ = second.filePath(QStringLiteral("x.jpg"));
    objects_->engine.Chords().SetCurrent(-1);
    objects_->boards.Clear(BoardCollection::kChordBoard);
    const QImage empty = ChordBoardPicture();
    commands_->SaveAllChordImages();
    QStringList secondFiles = second.entryList(QDir::Files);
    secondFiles.sort();
    EXPECT_EQ(secondFiles, expected);
    EXPECT_EQ(ChordBoardPicture(), empty);
}

TEST_F(ListExportCommandsTest, CancelPartWayLeavesAValidPageOfThePicturesWritten)
{
    const auto chords = FindCEG(12, 0);
    ASSERT_GT(chords.size(), 100u);
    objects_->boards.ShowFingering(BoardCollection::kChordBoard, chords[0]);
    answer_ = dir_.filePath(QStringLiteral("x.jpg"));
    commands_->SetProgressTiming(0ms, 0ms);

    // Cancel in the progress dialog once a few pictures are done.
    int seenAt = -1;
    std::function<void()> cancelLater = [&] {
        auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        if (progress != nullptr && progress->isVisible() && progress->value() >= 5) {
            seenAt = progress->value();
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
            return;
        }
        QTimer::singleShot(0, cancelLater);
    };
    QTimer::singleShot(0, cancelLater);
    const QImage before = ChordBoardPicture();
    commands_->SaveAllChordsHtmlAndImages();

    ASSERT_GE(seenAt, 5);
    const QStringList listed = PagePictures(dir_.filePath(QStringLiteral("index.htm")));
    EXPECT_GE(listed.size(), seenAt);
    EXPECT_LT(listed.size(), int(chords.size()));
    for (int i = 0; i < listed.size(); ++i)
        EXPECT_EQ(listed[i], QString::fromStdString(theory::FingeringName(chords[std::size_t(i)])));
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("*.jpg")}).size(), listed.size());
    EXPECT_EQ(ChordBoardPicture(), before);
    EXPECT_FALSE(commands_->Busy());
}

TEST_F(ListExportCommandsTest, UnwritablePicturesEndInOneMessage)
{
    const auto chords = FindCEG(3);
    const QString blocked =
        QString::fromStdString(theory::FingeringName(chords[1])) + QStringLiteral(".jpg");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(blocked));
    answer_ = dir_.filePath(QStringLiteral("x.jpg"));
    // No events while the pictures are written: the message box is the first modal dialog.
    commands_->SetProgressTiming(1h, 1h);
    int boxes = 0;
    QString reported;
    test::WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
        ++boxes;
        reported = box.text();
        box.accept();
    });
    commands_->SaveAllChordsHtmlAndImages();
    EXPECT_EQ(boxes, 1);
    EXPECT_TRUE(reported.startsWith(
        QStringLiteral("1 of %1 pictures could not be written.").arg(chords.size())))
        << reported.toStdString();
    EXPECT_TRUE(reported.contains(blocked)) << reported.toStdString();
    EXPECT_EQ(
        PagePictures(dir_.filePath(QStringLiteral("index.htm"))).size(), int(chords.size()) - 1);
}

// The commands as the menus carry them.
class ListExportMenuTest : public ListExportCommandsTest {
protected:
    void SetUp() override
    {
        ListExportCommandsTest::SetUp();
        MakeFrame();
        frame_->ListExport()->SetPathChooser([this](const SaveRequest&) { return answer_; });
    }

    // The enabled state of each command after the menus updated, as the user sees it.
    std::vector<bool> Enabled()
    {
        frame_->menu(MenuId::ChordBoard)->aboutToShow();
        std::vector<bool> enabled;
        for (const CommandId id : kCommands)
            enabled.push_back(frame_->action(id)->isEnabled());
        return enabled;
    }

    static constexpr CommandId kCommands[] = {CommandId::SaveChordList,
        CommandId::SaveChordListHtml, CommandId::SaveAllChordImages,
        CommandId::SaveAllChordsHtmlAndImages, CommandId::SaveScaleList};
};

TEST_F(ListExportMenuTest, ItemsAreGreyedWhileTheirListIsEmpty)
{
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, false, false}));
    FindCEG(3);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, false}));
    FindScales(7);
    EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, true, true}));
    objects_->engine.Chords().ClearResults();
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, false, true}));

    // A greyed item that is triggered anyway writes nothing.
    answer_ = dir_.filePath(QStringLiteral("chords.txt"));
    frame_->action(CommandId::SaveChordList)->trigger();
    EXPECT_FALSE(QFile::exists(answer_));
}

TEST_F(ListExportMenuTest, TheMenuItemsRunTheirCommands)
{
    const auto chords = FindCEG(3);
    FindScales(11);
    frame_->UpdateCommands();
    struct Case {
        CommandId id;
        const char* file;
    };
    for (const Case& c : {Case{CommandId::SaveChordList, "c.txt"},
             Case{CommandId::SaveChordListHtml, "c.html"}, Case{CommandId::SaveScaleList, "s.txt"},
             Case{CommandId::SaveAllChordImages, "pictures/x.jpg"}}) {
        SCOPED_TRACE(c.file);
        answer_ = dir_.filePath(QString::fromUtf8(c.file));
        QDir().mkpath(QFileInfo(answer_).path());
        frame_->action(c.id)->trigger();
    }
    EXPECT_TRUE(ReadAll(dir_.filePath(QStringLiteral("c.txt")))
                    .startsWith(QByteArray::fromStdString(theory::ChordListLine(chords[0]))));
    EXPECT_TRUE(ReadAll(dir_.filePath(QStringLiteral("c.html"))).startsWith(QByteArray("<\0", 2)));
    EXPECT_TRUE(ReadAll(dir_.filePath(QStringLiteral("s.txt"))).startsWith("C - Db - D"));
    EXPECT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("pictures/") +
        QString::fromStdString(theory::FingeringName(chords[0])) + QStringLiteral(".jpg"))));
}

// The real save dialog as the commands set it up.
TEST(SaveDialog, OffersTheFiltersAndTheRichTextFilterChangesOnlyTheExtension)
{
    QTemporaryDir dir;
    const SaveRequest request{QStringLiteral("New scale collection"),
        {QStringLiteral("text files(*.txt)"), QStringLiteral("rich text files(*.rtf)")},
        QStringLiteral("txt")};
    struct Case {
        int filter;
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {0, "list", "list.txt"}, {1, "list", "list.rtf"}, {1, "list.txt", "list.txt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        QString proposed;
        QStringList filters;
        bool confirmsOverwrite = false;
        test::WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
            proposed = QFileInfo(dialog.selectedFiles().value(0)).fileName();
            filters = dialog.nameFilters();
            confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            dialog.setDirectory(dir.path());
            // Choose the filter as the user does, through the file type box.
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(types, nullptr);
            types->setFocus();
            for (int i = 0; i < c.filter; ++i)
                QTest::keyClick(types, Qt::Key_Down);
            ASSERT_EQ(types->currentIndex(), c.filter);
            dialog.selectFile(QString::fromUtf8(c.typed));
            static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
        });
        const QString path = AskSavePath(nullptr, request);
        EXPECT_EQ(proposed, QStringLiteral("New scale collection.txt"));
        EXPECT_EQ(filters, request.filters);
        EXPECT_TRUE(confirmsOverwrite);
        EXPECT_EQ(path, QDir(dir.path()).filePath(QString::fromUtf8(c.saved)));
    }
}

}  // namespace
}  // namespace guivarna
