#include "page/paper.h"

#include "settings/paper_keys.h"
#include "settings/settings_store.h"

#include <QPageLayout>

#include <cmath>

namespace guivarna::page {

using settings::SettingsStore;

Paper::Paper()
{
    SetRect(0, 0, kDefaultWidth, kDefaultHeight);
}

void Paper::Load(const SettingsStore& store)
{
    using namespace settings::paper_keys;
    using settings::Read;
    SetRect(Read(store, kX), Read(store, kY), Read(store, kWidth), Read(store, kHeight));
    background_ = Read(store, kBackground);
    borderColour_ = Read(store, kBorderColour);
    borderWidth_ = Read(store, kBorder);
    pageOffset_ = QPoint(Read(store, kPageOffsetX), Read(store, kPageOffsetY));
    pageSize_ = QSize(Read(store, kPageSizeW), Read(store, kPageSizeH));
    // A stored position, even an unusable one, means the paper was saved before.
    stored_ = store.ReadInt(kX.path).has_value();
}

void Paper::Save(SettingsStore& store) const
{
    using namespace settings::paper_keys;
    using settings::Write;
    const SettingsStore::WriteBatch batch(store);
    Write(store, kX, X());
    Write(store, kY, Y());
    Write(store, kWidth, Width());
    Write(store, kHeight, Height());
    Write(store, kBackground, background_);
    Write(store, kBorderColour, borderColour_);
    Write(store, kBorder, borderWidth_);
    Write(store, kPageOffsetX, pageOffset_.x());
    Write(store, kPageOffsetY, pageOffset_.y());
    Write(store, kPageSizeW, pageSize_.width());
    Write(store, kPageSizeH, pageSize_.height());
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

}  // namespace guivarna::page
