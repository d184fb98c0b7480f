#include "sheet/window/chord_sheet_view.h"

#include "resources/strings.h"
#include "resources/text.h"
#include "sheet/chord_sheet.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <array>

namespace guivarna::sheet {

namespace {

// The room around the grid on screen, in scene units.
constexpr int kMargin = 30;
const QColor kSelectionColour(0xCC, 0xE4, 0xFF);

}  // namespace

ChordSheetView::ChordSheetView(const ChordSheet& sheet, QWidget* parent)
    : QAbstractScrollArea(parent), sheet_(sheet)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(false);
    connect(&sheet_, &ChordSheet::Changed, this, &ChordSheetView::Relayout);
    Relayout();
}

board::DeviceMapping ChordSheetView::Mapping() const
{
    return board::DeviceMapping::ForDevice(*viewport());
}

void ChordSheetView::SetStyle(SheetStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Relayout();
}

void ChordSheetView::SetPerRow(int perRow)
{
    if (perRow == perRow_)
        return;
    perRow_ = perRow;
    UpdateScrollBars();
    viewport()->update();
}

void ChordSheetView::Relayout()
{
    layout_ = SheetLayout(sheet_.Title(), sheet_.Shapes(), style_);
    const int count = layout_.Count();
    std::erase_if(selected_, [count](int i) { return i >= count; });
    if (current_ >= count)
        current_ = count - 1;
    if (anchor_ >= count)
        anchor_ = current_;
    if (editor_ != nullptr && editing_ >= count)
        FinishEditing(false);
    UpdateScrollBars();
    viewport()->update();
}

int ChordSheetView::Columns() const
{
    const double width = Mapping().DeviceToScene(QSizeF(viewport()->width(), 0)).width();
    return layout_.Columns(static_cast<int>(width) - 2 * kMargin, perRow_);
}

QPoint ChordSheetView::ToScene(QPoint viewportPoint) const
{
    const QPointF scene = Mapping().DeviceToScene(QPointF(viewportPoint) +
        QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value()));
    return scene.toPoint() - QPoint(kMargin, kMargin);
}

QRect ChordSheetView::DiagramRect(int index) const
{
    if (index < 0 || index >= layout_.Count())
        return {};
    const bool title = layout_.TitleHeight() > 0;
    const QRect scene =
        layout_.DiagramRect(index, index, Columns(), title).translated(kMargin, kMargin);
    const QRectF device = Mapping().SceneToDevice(QRectF(scene));
    return device.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value())
        .toAlignedRect();
}

int ChordSheetView::IndexAt(QPoint viewportPoint) const
{
    return layout_.PlaceAt(ToScene(viewportPoint), Columns(), layout_.TitleHeight() > 0);
}

int ChordSheetView::DropPlaceAt(QPoint viewportPoint) const
{
    const QPoint scene = ToScene(viewportPoint);
    const int columns = Columns();
    const QSize cell = layout_.Cell();
    const int y = std::max(0, scene.y() - layout_.TitleHeight());
    const int column = std::clamp((scene.x() + cell.width() / 2) / cell.width(), 0, columns);
    return std::clamp((y / cell.height()) * columns + column, 0, layout_.Count());
}

void ChordSheetView::UpdateScrollBars()
{
    const int columns = Columns();
    const QSize grid = layout_.GridSize(layout_.Count(), columns, layout_.TitleHeight() > 0) +
        QSize(2 * kMargin, 2 * kMargin);
    const QSizeF pixels = Mapping().SceneToDevice(QSizeF(grid));
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, int(pixels.width()) - page.width()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setRange(0, std::max(0, int(pixels.height()) - page.height()));
    verticalScrollBar()->setPageStep(page.height());
    verticalScrollBar()->setSingleStep(std::max(1, int(pixels.height()) / 50));
}

bool ChordSheetView::event(QEvent* event)
{
    // The sheet's own keys win over the main window's shortcuts (Ctrl+A, say) while it has the
    // focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        static const std::array kOwnKeys{Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_F2,
            Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
        const bool plain = (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
        const bool own =
            plain && std::find(kOwnKeys.begin(), kOwnKeys.end(), key->key()) != kOwnKeys.end();
        if (own || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ChordSheetView::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), Qt::white);
    if (layout_.Count() == 0 && layout_.TitleHeight() == 0) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(viewport()->rect().adjusted(20, 20, -20, -20),
            Qt::AlignCenter | Qt::TextWordWrap, Text(strings::kSheetEmpty));
        return;
    }
    const board::DeviceMapping mapping = Mapping();
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QPointF originPixels = mapping.SceneToDevice(QPointF(kMargin, kMargin)) - scroll;
    const QPoint origin = mapping.DeviceToScene(originPixels).toPoint();
    const int columns = Columns();
    const bool title = layout_.TitleHeight() > 0;
    if (title)
        DrawSheet(painter, mapping, layout_, columns, {0, 0, true}, origin);

    // Only the rows in sight are drawn.
    const QRect visible = QRect(ToScene(QPoint(0, 0)), ToScene(viewport()->rect().bottomRight()));
    const int cellHeight = layout_.Cell().height();
    const int top = layout_.TitleHeight();
    const int firstRow = std::max(0, (visible.top() - top) / cellHeight);
    const int lastRow = std::max(0, (visible.bottom() - top) / cellHeight);
    const int first = std::min(layout_.Count(), firstRow * columns);
    const int last = std::min(layout_.Count(), (lastRow + 1) * columns);
    for (int i = first; i < last; ++i) {
        const QRect rect = DiagramRect(i);
        if (selected_.count(i) != 0)
            painter.fillRect(rect, kSelectionColour);
        if (i == current_ && hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
        }
        layout_.DrawDiagram(
            painter, mapping, i, origin + layout_.DiagramRect(i, i, columns, title).topLeft());
    }
    if (dragging_ && dropPlace_ >= 0) {
        // A bar at the left edge of the place the diagram would go to.
        const int place = dropPlace_;
        const QRect cell(layout_.CellOrigin(place, columns, title) + origin, layout_.Cell());
        const QRectF pixels = mapping.SceneToDevice(QRectF(cell));
        painter.fillRect(QRectF(pixels.left() - 2, pixels.top(), 4, pixels.height()),
            palette().color(QPalette::Highlight));
    }
}

void ChordSheetView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void ChordSheetView::scrollContentsBy(int, int)
{
    if (editor_ != nullptr)
        FinishEditing(true);
    viewport()->update();
}

void ChordSheetView::Select(const std::vector<int>& indices)
{
    selected_.clear();
    for (const int i : indices) {
        if (i >= 0 && i < layout_.Count())
            selected_.insert(i);
    }
    current_ = selected_.empty() ? -1 : *selected_.rbegin();
    anchor_ = selected_.empty() ? -1 : *selected_.begin();
    viewport()->update();
    emit SelectionChanged();
}

void ChordSheetView::SetCurrent(int index, Qt::KeyboardModifiers modifiers)
{
    if (index < 0 || index >= layout_.Count())
        return;
    if (modifiers & Qt::ShiftModifier) {
        if (anchor_ < 0)
            anchor_ = index;
        if (!(modifiers & Qt::ControlModifier))
            selected_.clear();
        for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i)
            selected_.insert(i);
    } else if (modifiers & Qt::ControlModifier) {
        if (!selected_.erase(index))
            selected_.insert(index);
        anchor_ = index;
    } else {
        selected_ = {index};
        anchor_ = index;
    }
    current_ = index;
    EnsureVisible(index);
    viewport()->update();
    emit SelectionChanged();
}

void ChordSheetView::EnsureVisible(int index)
{
    const QRect rect = DiagramRect(index);
    if (rect.isEmpty())
        return;
    if (rect.top() < 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + rect.top());
    else if (rect.bottom() > viewport()->height())
        verticalScrollBar()->setValue(
            verticalScrollBar()->value() + rect.bottom() - viewport()->height());
}

void ChordSheetView::mousePressEvent(QMouseEvent* event)
{
    if (editor_ != nullptr)
        FinishEditing(true);
    setFocus(Qt::MouseFocusReason);
    const int index = IndexAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton)
        return;
    if (index < 0) {
        if (!(event->modifiers() & Qt::ControlModifier) && !selected_.empty()) {
            selected_.clear();
            viewport()->update();
            emit SelectionChanged();
        }
        return;
    }
    const bool keepSelection = selected_.count(index) != 0 &&
        (event->button() == Qt::RightButton || event->modifiers() == Qt::NoModifier);
    if (keepSelection) {
        current_ = index;
        viewport()->update();
    } else {
        SetCurrent(index, event->modifiers());
    }
    if (event->button() == Qt::LeftButton && event->modifiers() == Qt::NoModifier) {
        pressed_ = index;
        pressPoint_ = event->position().toPoint();
    }
}

void ChordSheetView::mouseMoveEvent(QMouseEvent* event)
{
    if (pressed_ < 0 || !(event->buttons() & Qt::LeftButton))
        return;
    const QPoint point = event->position().toPoint();
    if (!dragging_ && (point - pressPoint_).manhattanLength() < QApplication::startDragDistance())
        return;
    dragging_ = true;
    dropPlace_ = DropPlaceAt(point);
    viewport()->update();
}

void ChordSheetView::mouseReleaseEvent(QMouseEvent* event)
{
    const int pressed = pressed_;
    const bool dragged = dragging_;
    const int place = dropPlace_;
    pressed_ = -1;
    dragging_ = false;
    dropPlace_ = -1;
    viewport()->update();
    if (pressed < 0 || event->button() != Qt::LeftButton)
        return;
    if (!dragged) {
        // A plain click on one of several selected diagrams picks that one alone.
        if (selected_.size() > 1)
            SetCurrent(pressed, Qt::NoModifier);
        return;
    }
    // The place counts the gaps before the diagrams; without the dragged one, the ones behind
    // it move up by one.
    const int to = place > pressed ? place - 1 : place;
    if (to != pressed) {
        emit MoveRequested(pressed, to);
        Select({to});
    }
}

void ChordSheetView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = IndexAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton)
        return;
    SetCurrent(index, Qt::NoModifier);
    EditName();
}

void ChordSheetView::keyPressEvent(QKeyEvent* event)
{
    const int count = layout_.Count();
    const int columns = Columns();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int from = current_ < 0 ? 0 : current_;
    switch (event->key()) {
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (!selected_.empty())
            emit RemoveRequested(Selected());
        return;
    case Qt::Key_F2:
        EditName();
        return;
    case Qt::Key_Escape:
        if (dragging_) {
            pressed_ = -1;
            dragging_ = false;
            viewport()->update();
        }
        return;
    case Qt::Key_Left:
        SetCurrent(std::max(0, from - 1), modifiers);
        return;
    case Qt::Key_Right:
        SetCurrent(std::min(count - 1, current_ < 0 ? 0 : from + 1), modifiers);
        return;
    case Qt::Key_Up:
        SetCurrent(from - columns >= 0 ? from - columns : from, modifiers);
        return;
    case Qt::Key_Down:
        SetCurrent(from + columns < count ? from + columns : from, modifiers);
        return;
    case Qt::Key_Home:
        SetCurrent(0, modifiers);
        return;
    case Qt::Key_End:
        SetCurrent(count - 1, modifiers);
        return;
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        std::vector<int> all(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            all[static_cast<std::size_t>(i)] = i;
        Select(all);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void ChordSheetView::EditName()
{
    if (current_ < 0 || current_ >= layout_.Count() || editor_ != nullptr)
        return;
    EnsureVisible(current_);
    editing_ = current_;
    const QRect diagram = DiagramRect(current_);
    const QRectF name = Mapping().SceneToDevice(QRectF(layout_.NameRect(current_)));
    auto* editor = new QLineEdit(layout_.Name(current_), viewport());
    editor->setObjectName(QStringLiteral("diagramNameEditor"));
    editor->setAlignment(Qt::AlignCenter);
    const int height = editor->sizeHint().height();
    editor->setGeometry(QRect(diagram.left(),
        diagram.top() + (static_cast<int>(name.height()) - height) / 2, diagram.width(), height));
    auto* cancel = new QAction(editor);
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
    cancel->setShortcutContext(Qt::WidgetShortcut);
    editor->addAction(cancel);
    connect(cancel, &QAction::triggered, this, [this] { FinishEditing(false); });
    connect(editor, &QLineEdit::editingFinished, this, [this] { FinishEditing(true); });
    editor_ = editor;
    editor->selectAll();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
}

void ChordSheetView::FinishEditing(bool accept)
{
    QLineEdit* editor = editor_;
    if (editor == nullptr)
        return;
    editor_ = nullptr;
    const int index = editing_;
    editing_ = -1;
    const QString name = editor->text().trimmed();
    editor->hide();
    editor->deleteLater();
    setFocus(Qt::OtherFocusReason);
    if (accept && index >= 0 && index < layout_.Count() && name != layout_.Name(index))
        emit RenameRequested(index, name);
}

}  // namespace guivarna::sheet
