#include "output/paper.h"

#include "board/board_settings.h"
#include "board/settings_store.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace guivarna::output {

namespace {

using board::SettingsStore;

// Stored lengths beyond these limits (10 m, a border of 100 page units) are taken as corrupt.
constexpr std::int32_t kMaxLength = 100000;
constexpr int kMaxBorder = 1000;

board::ColourPaths ComponentPaths(QStringView base)
{
    const QString path = base.toString();
    return {path + QStringLiteral("\\A"), path + QStringLiteral("\\R"),
        path + QStringLiteral("\\G"), path + QStringLiteral("\\B")};
}

int ReadLength(const SettingsStore& store, QStringView path, int min, int fallback)
{
    return board::ReadBounded(store, path, fallback, min, kMaxLength);
}

}  // namespace

Paper::Paper()
{
    SetRect(0, 0, kDefaultWidth, kDefaultHeight);
}

void Paper::Load(const SettingsStore& store)
{
    const bool hasX = store.ReadInt(u"\\Paper\\X").has_value();
    const int x = ReadLength(store, u"\\Paper\\X", -kMaxLength, 0);
    const int y = ReadLength(store, u"\\Paper\\Y", -kMaxLength, 0);
    const int width = ReadLength(store, u"\\Paper\\Width", 1, kDefaultWidth);
    const int height = ReadLength(store, u"\\Paper\\Height", 1, kDefaultHeight);
    SetRect(x, y, width, height);
    background_ = board::ReadArgb(store, ComponentPaths(u"\\Paper\\BgColor"), kDefaultBackground);
    borderColour_ =
        board::ReadArgb(store, ComponentPaths(u"\\Paper\\BdColor"), kDefaultBorderColour);
    const int border = board::ReadBounded(store, u"\\Paper\\Border", 10, 0, kMaxBorder);
    borderWidth_ = float(border) * 0.1F;
    pageOffset_.setX(ReadLength(store, u"\\Paper\\pageOffsetX", -kMaxLength, kDefaultPageOffset));
    pageOffset_.setY(ReadLength(store, u"\\Paper\\pageOffsetY", -kMaxLength, kDefaultPageOffset));
    pageSize_.setWidth(ReadLength(store, u"\\Paper\\pageSizeW", 0, kDefaultPageWidth));
    pageSize_.setHeight(ReadLength(store, u"\\Paper\\pageSizeH", 0, kDefaultPageHeight));
    stored_ = hasX;
}

void Paper::Save(SettingsStore& store) const
{
    store.WriteInt(u"\\Paper\\X", X());
    store.WriteInt(u"\\Paper\\Y", Y());
    store.WriteInt(u"\\Paper\\Width", Width());
    store.WriteInt(u"\\Paper\\Height", Height());
    board::WriteArgb(store, ComponentPaths(u"\\Paper\\BgColor"), background_);
    board::WriteArgb(store, ComponentPaths(u"\\Paper\\BdColor"), borderColour_);
    store.WriteInt(u"\\Paper\\Border", board::StoredTenths(borderWidth_));
    store.WriteInt(u"\\Paper\\pageOffsetX", pageOffset_.x());
    store.WriteInt(u"\\Paper\\pageOffsetY", pageOffset_.y());
    store.WriteInt(u"\\Paper\\pageSizeW", pageSize_.width());
    store.WriteInt(u"\\Paper\\pageSizeH", pageSize_.height());
}

void Paper::SetSize(double width, double height)
{
    DrawableItem::SetSize(board::TruncateToInt(width), board::TruncateToInt(height));
}

void Paper::SetPrintableSize(double width, double height)
{
    pageSize_ = QSize(board::TruncateToInt(width), board::TruncateToInt(height));
}

void Paper::SetPageOffset(double x, double y)
{
    pageOffset_ = QPoint(board::TruncateToInt(x), board::TruncateToInt(y));
}

QPoint Paper::PrintableOffset() const
{
    return {std::abs(pageOffset_.x()), std::abs(pageOffset_.y())};
}

void Paper::SizeFromPageLayout(const QPageLayout& layout)
{
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    SetSize(full.width() * 10.0, full.height() * 10.0);
    SetPageOffset(printable.x() * 10.0, printable.y() * 10.0);
    SetPrintableSize(printable.width() * 10.0, printable.height() * 10.0);
}

void Paper::Draw(QPainter& painter, const board::DeviceMapping& mapping) const
{
    const QRectF sheet(
        mapping.SceneToDevice(QPointF(X(), Y())), mapping.SceneToDevice(QSizeF(Width(), Height())));
    const QPoint offset = PrintableOffset();
    const QRectF printable(mapping.SceneToDevice(QPointF(X() + offset.x(), Y() + offset.y())),
        mapping.SceneToDevice(QSizeF(pageSize_)));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(QColor::fromRgba(borderColour_), double(borderWidth_)));
    painter.setBrush(QColor::fromRgba(background_));
    painter.drawRect(sheet);

    QPen dashed(QColor::fromRgba(kPrintableAreaColour), 0.0, Qt::DashLine);
    dashed.setCosmetic(true);
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(printable);
    painter.restore();
}

std::optional<QPageLayout> DefaultPrinterPageLayout()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter printer(info, QPrinter::ScreenResolution);
    return printer.pageLayout();
}

}  // namespace guivarna::output
