#pragma once

#include "theory/hand/chord_shape.h"

#include <QObject>
#include <QString>

#include <vector>

namespace guivarna::sheet {

// The chord sheet: a title and the chord shapes collected on it, in order. The window makes
// every edit a whole new sheet through Assign (so that undo puts back the one before); each
// emits Changed(), and the view and the kept file follow from there.
class ChordSheet : public QObject {
    Q_OBJECT

public:
    // The most diagrams a sheet holds.
    static constexpr int kMaxDiagrams = 2000;

    explicit ChordSheet(QObject* parent = nullptr);

    const QString& Title() const { return title_; }
    const std::vector<theory::ChordShape>& Shapes() const { return shapes_; }
    int Count() const { return static_cast<int>(shapes_.size()); }

    // The whole sheet at once; shapes beyond kMaxDiagrams are dropped.
    void Assign(const QString& title, std::vector<theory::ChordShape> shapes);

signals:
    void Changed();

private:
    QString title_;
    std::vector<theory::ChordShape> shapes_;
};

// shapes with the one at from moved to index to (clamped); unchanged for a from out of range.
std::vector<theory::ChordShape> WithMoved(std::vector<theory::ChordShape> shapes, int from, int to);

}  // namespace guivarna::sheet
