#include "sheet/chord_sheet.h"

#include <algorithm>

namespace guivarna::sheet {

ChordSheet::ChordSheet(QObject* parent) : QObject(parent) { }

void ChordSheet::Assign(const QString& title, std::vector<theory::ChordShape> shapes)
{
    if (shapes.size() > static_cast<std::size_t>(kMaxDiagrams))
        shapes.resize(kMaxDiagrams);
    title_ = title;
    shapes_ = std::move(shapes);
    emit Changed();
}

std::vector<theory::ChordShape> WithMoved(std::vector<theory::ChordShape> shapes, int from, int to)
{
    const int count = static_cast<int>(shapes.size());
    if (from < 0 || from >= count)
        return shapes;
    to = std::clamp(to, 0, count - 1);
    const auto at = [&](int i) { return shapes.begin() + i; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else if (to < from)
        std::rotate(at(to), at(from), at(from + 1));
    return shapes;
}

}  // namespace guivarna::sheet
