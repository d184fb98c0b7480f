#include "app/about_dialog.h"
#include "app/board_accessible.h"
#include "app/chord_by_name_dialog.h"
#include "app/instrument_dialog.h"
#include "app/kova_view.h"
#include "app/scale_by_name_dialog.h"
#include "board/board_collection.h"
#include "calc/calc_page.h"
#include "calc/chord_wizard.h"
#include "calc/interval_stacker.h"
#include "calc/result_list_view.h"
#include "calc/scale_wizard.h"

#include "tests/app/app_test_fixture.h"
#include "tests/support/accessible_names.h"

#include <QAccessible>
#include <QMenuBar>
#include <QRegularExpression>

#include <functional>
#include <map>
#include <typeinfo>
#include <vector>

namespace guivarna {
namespace {

using board::BoardCollection;

// Every interface below root, depth first, root included.
void Walk(QAccessibleInterface* root, const std::function<void(QAccessibleInterface*)>& visit,
    int depth = 0)
{
    if (root == nullptr || depth > 40)
        return;
    visit(root);
    for (int i = 0; i < root->childCount(); ++i)
        Walk(root->child(i), visit, depth + 1);
}

std::vector<QAccessible::Event> g_types;
std::vector<QString> g_names;
std::vector<bool> g_checkedChanged;

void Record(QAccessibleEvent& e)
{
    QAccessibleEvent* event = &e;
    g_types.push_back(event->type());
    QAccessibleInterface* iface = event->accessibleInterface();
    g_names.push_back(iface != nullptr ? iface->text(QAccessible::Name) : QString());
    g_checkedChanged.push_back(event->type() == QAccessible::StateChanged &&
        static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked);
}

class BoardAccessibleTest : public test::AppTest { };

TEST_F(BoardAccessibleTest, TreeNamesEveryCellAndEveryAction)
{
    MainFrame& frame = MakeFrame();
    objects_->boards.ClickCell(BoardCollection::kChordBoard, 1, 1);

    std::map<QString, QAccessibleInterface*> tables;
    QStringList cells;
    std::map<QString, QAccessible::State> states;
    Walk(QAccessible::queryAccessibleInterface(&frame), [&](QAccessibleInterface* iface) {
        if (iface->role() == QAccessible::Table &&
            iface->interface_cast(QAccessible::TableInterface) != nullptr &&
            iface->object() == nullptr)
            tables[iface->text(QAccessible::Name)] = iface;
        if (iface->role() == QAccessible::Cell &&
            iface->text(QAccessible::Name).startsWith(QStringLiteral("String "))) {
            cells << iface->text(QAccessible::Name);
            states[iface->text(QAccessible::Name)] = iface->state();
        }
    });
    QAccessibleInterface* viewIface = QAccessible::queryAccessibleInterface(frame.View());
    ASSERT_NE(viewIface, nullptr);
    // Two boards, then the three panels.
    EXPECT_EQ(viewIface->childCount(), 5) << typeid(*viewIface).name();
    test::SelectFirstFingering(*objects_, {"C", "E", "G"});
    QAccessibleInterface* chordInformation = viewIface->child(2);
    ASSERT_NE(chordInformation, nullptr);
    EXPECT_EQ(chordInformation->role(), QAccessible::StaticText);
    EXPECT_TRUE(chordInformation->text(QAccessible::Name)
                    .startsWith(QStringLiteral("Chord information:\nChordnotes: C - E - G")))
        << chordInformation->text(QAccessible::Name).toStdString();
    EXPECT_TRUE(viewIface->child(4)->text(QAccessible::Name).isEmpty());
    EXPECT_NE(viewIface->parent(), nullptr);
    ASSERT_EQ(tables.size(), 2U);
    ASSERT_TRUE(tables.count(QStringLiteral("ScaleBoard")));
    ASSERT_TRUE(tables.count(QStringLiteral("ChordBoard")));
    const int frets = objects_->boards.Board(1).Row(0).CellCount();
    QAccessibleTableInterface* chord = tables[QStringLiteral("ChordBoard")]->tableInterface();
    EXPECT_EQ(chord->rowCount(), 6);
    EXPECT_EQ(chord->columnCount(), frets);
    EXPECT_EQ(cells.size(), 2 * 6 * frets);

    const QRegularExpression form(
        QStringLiteral("^String [1-6], fret \\d+, [A-G]b?, (not )?marked$"));
    for (const QString& cell : cells)
        EXPECT_TRUE(form.match(cell).hasMatch()) << cell.toStdString();
    const QString marked = QStringLiteral("String 2, fret 1, C, marked");
    EXPECT_EQ(cells.count(marked), 1);
    EXPECT_TRUE(states[marked].checked);
    EXPECT_EQ(chord->cellAt(1, 1)->text(QAccessible::Name), marked);
    EXPECT_EQ(chord->cellAt(0, 0)->text(QAccessible::Name),
        QStringLiteral("String 1, fret 0, E, not marked"));
    EXPECT_FALSE(chord->cellAt(0, 0)->state().checked);
    EXPECT_EQ(chord->cellAt(6, 0), nullptr);

    // The menu items, found in the tree of the menu bar's menus.
    QStringList items;
    for (QAction* menuAction : frame.menuBar()->actions())
        Walk(QAccessible::queryAccessibleInterface(menuAction->menu()),
            [&](QAccessibleInterface* iface) {
                if (iface->role() == QAccessible::MenuItem)
                    items << iface->text(QAccessible::Name);
            });
    EXPECT_TRUE(items.contains(QStringLiteral("Chord wizard"))) << items.join(u'|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Name marked chord")));
    EXPECT_FALSE(items.contains(QString()));
}

TEST_F(BoardAccessibleTest, MarksAndTheCursorAreReported)
{
    KovaView& view = MakeView(QSize(1000, 800));
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus(Qt::TabFocusReason);
    g_types.clear();
    g_names.clear();
    g_checkedChanged.clear();
    SetBoardEventListener(&Record);
    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Space);
    SetBoardEventListener(nullptr);

    const QString marked = QStringLiteral("String 2, fret 1, C, marked");
    bool focusOnCell = false;
    bool checkedReported = false;
    for (std::size_t i = 0; i < g_types.size(); ++i) {
        focusOnCell |= g_types[i] == QAccessible::Focus &&
            g_names[i] == QStringLiteral("String 2, fret 1, C, not marked");
        checkedReported |= g_checkedChanged[i] && g_names[i] == marked;
    }
    EXPECT_TRUE(focusOnCell);
    EXPECT_TRUE(checkedReported);
    // The cell's press action is a click.
    QAccessibleInterface* pane = QAccessible::queryAccessibleInterface(&view);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(QAccessible::Name), QStringLiteral("Boards"));
    QAccessibleInterface* cell = pane->child(0)->tableInterface()->cellAt(1, 1);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(objects_->boards.Board(0).Row(1).Cell(1).Marked(), 0);
}

TEST_F(BoardAccessibleTest, ResultListsExposeRowsAndColumns)
{
    MainFrame& frame = MakeFrame();
    calc::ChordResultPage& page = test::RunCMajorSearch(*objects_, frame);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&page.List());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->role(), QAccessible::Table);
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    QAbstractItemModel* model = page.List().model();
    ASSERT_GT(model->rowCount(), 1);
    EXPECT_EQ(table->rowCount(), model->rowCount());
    EXPECT_EQ(table->columnCount(), model->columnCount());
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("StringSet"));
    const int last = model->rowCount() - 1;
    EXPECT_EQ(table->cellAt(last, 2)->text(QAccessible::Name),
        model->data(model->index(last, 2)).toString());
    page.List().SelectRow(1);
    EXPECT_TRUE(table->isRowSelected(1));
    EXPECT_TRUE(table->cellAt(1, 0)->state().selected);
    EXPECT_FALSE(table->cellAt(0, 0)->state().selected);
}

// Fails for any action, button, field or page anywhere in the main window, its docked windows
// and the program's dialogs and wizards that a screen reader could not name.
TEST_F(BoardAccessibleTest, EverythingInEveryWindowHasAName)
{
    MainFrame& frame = MakeFrame();
    EXPECT_EQ(test::MissingAccessibleNames(frame).join(u'\n').toStdString(), "");
    const std::vector<std::function<std::unique_ptr<QWidget>()>> windows = {
        [&] {
            return std::make_unique<calc::ChordWizard>(
                objects_->theory, objects_->engine, objects_->boards, *store_, &frame);
        },
        [&] {
            return std::make_unique<calc::ScaleWizard>(
                objects_->theory, objects_->engine, *store_, &frame);
        },
        [&] { return std::make_unique<ChordByNameDialog>(6, &frame); },
        [&] { return std::make_unique<ScaleByNameDialog>(&frame); },
        [&] {
            return std::make_unique<InstrumentDialog>(objects_->boards.CurrentInstrument(), &frame);
        },
        [&] { return std::make_unique<calc::IntervalStacker>(objects_->boards, *store_, &frame); },
        [&] { return std::make_unique<AboutDialog>(&frame); },
    };
    for (const auto& make : windows) {
        std::unique_ptr<QWidget> window = make();
        window->show();
        QApplication::processEvents();
        SCOPED_TRACE(window->metaObject()->className());
        EXPECT_EQ(test::MissingAccessibleNames(*window).join(u'\n').toStdString(), "");
        window->hide();
    }
}

}  // namespace
}  // namespace guivarna
