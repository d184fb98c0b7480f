#include "sheet/chord_sheet.h"

#include <algorithm>

namespace guivarna::sheet {

ChordSheet::ChordSheet(QObject* parent) : QObject(parent) { }

void ChordSheet::SetTitle(const QString& title)
{
    if (title == title_)
        return;
    title_ = title;
    emit Changed();
}

int ChordSheet::Insert(int index, const std::vector<theory::ChordShape>& shapes)
{
    const int room = std::max(0, kMaxDiagrams - Count());
    const int count = std::min(room, static_cast<int>(shapes.size()));
    if (count == 0)
        return 0;
    index = std::clamp(index, 0, Count());
    shapes_.insert(shapes_.begin() + index, shapes.begin(), shapes.begin() + count);
    emit Changed();
    return count;
}

void ChordSheet::Remove(std::vector<int> indices)
{
    std::sort(indices.begin(), indices.end(), std::greater<>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    bool removed = false;
    for (const int index : indices) {
        if (index < 0 || index >= Count())
            continue;
        shapes_.erase(shapes_.begin() + index);
        removed = true;
    }
    if (removed)
        emit Changed();
}

void ChordSheet::Move(int from, int to)
{
    if (from < 0 || from >= Count() || from == to)
        return;
    to = std::clamp(to, 0, Count() - 1);
    if (from == to)
        return;
    if (from < to)
        std::rotate(shapes_.begin() + from, shapes_.begin() + from + 1, shapes_.begin() + to + 1);
    else
        std::rotate(shapes_.begin() + to, shapes_.begin() + from, shapes_.begin() + from + 1);
    emit Changed();
}

void ChordSheet::Rename(int index, const QString& name)
{
    if (index < 0 || index >= Count())
        return;
    const std::string utf8 = name.toStdString();
    if (shapes_[index].name == utf8)
        return;
    shapes_[index].name = utf8;
    emit Changed();
}

void ChordSheet::Clear()
{
    if (shapes_.empty())
        return;
    shapes_.clear();
    emit Changed();
}

void ChordSheet::Assign(const QString& title, std::vector<theory::ChordShape> shapes)
{
    if (shapes.size() > static_cast<std::size_t>(kMaxDiagrams))
        shapes.resize(kMaxDiagrams);
    title_ = title;
    shapes_ = std::move(shapes);
    emit Changed();
}

}  // namespace guivarna::sheet
