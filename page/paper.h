#pragma once

#include "board/drawable_item.h"
#include "settings/paper_keys.h"
#include "settings/settings_store.h"

#include <QPoint>
#include <QRgb>

#include <cstdint>

class QPageLayout;

namespace guivarna::page {

// The sheet of paper the board view lays its scene on: page size, printable area, colours and
// border, kept in the settings under "\Paper\". Its base geometry is the sheet (x, y set by the
// view, width and height the page size); all lengths are scene units (0.1 mm).
class Paper : public board::DrawableItem {
public:
    static constexpr int kDefaultWidth = settings::paper_keys::kWidth.fallback;  // A4
    static constexpr int kDefaultHeight = settings::paper_keys::kHeight.fallback;
    static constexpr int kDefaultPageOffset = settings::paper_keys::kPageOffsetX.fallback;
    static constexpr int kDefaultPageWidth = settings::paper_keys::kPageSizeW.fallback;
    static constexpr int kDefaultPageHeight = settings::paper_keys::kPageSizeH.fallback;
    static constexpr QRgb kDefaultBackground = settings::paper_keys::kBackground.fallback;
    static constexpr QRgb kDefaultBorderColour = settings::paper_keys::kBorderColour.fallback;
    static constexpr float kDefaultBorderWidth =
        settings::paper_keys::kBorder.fallbackTenths * 0.1F;
    static constexpr QRgb kPrintableAreaColour = 0xFFD3D3D3;

    Paper();

    // Reads every value; a missing or out-of-range one keeps its default. Stored() is false
    // afterwards when "\Paper\X" was missing.
    void Load(const settings::SettingsStore& store);
    // Writes every value (failures are ignored).
    void Save(settings::SettingsStore& store) const;

    void SetSize(double width, double height);
    void SetPrintableSize(double width, double height);
    void SetPageOffset(double x, double y);
    // The page offset as absolute values: the top-left corner of the printable area on the sheet.
    QPoint PrintableOffset() const;
    QPoint PageOffset() const { return pageOffset_; }
    QSize PrintableSize() const { return pageSize_; }

    // Takes page size, printable offset and printable size from a printer's page layout.
    void SizeFromPageLayout(const QPageLayout& layout);

    bool Stored() const { return stored_; }

    QRgb Background() const { return background_; }
    QRgb BorderColour() const { return borderColour_; }
    float BorderWidth() const { return borderWidth_; }
    void SetBackground(QRgb colour) { background_ = colour; }
    void SetBorderColour(QRgb colour) { borderColour_ = colour; }
    void SetBorderWidth(float width) { borderWidth_ = width; }

private:
    QPoint pageOffset_{kDefaultPageOffset, kDefaultPageOffset};
    QSize pageSize_{kDefaultPageWidth, kDefaultPageHeight};
    QRgb background_ = kDefaultBackground;
    QRgb borderColour_ = kDefaultBorderColour;
    float borderWidth_ = kDefaultBorderWidth;
    bool stored_ = true;
};

}  // namespace guivarna::page
