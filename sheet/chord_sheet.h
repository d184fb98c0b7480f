#pragma once

#include "theory/chord_shape.h"

#include <QObject>
#include <QString>

#include <vector>

namespace guivarna::sheet {

// The chord sheet: a title and the chord shapes collected on it, in order. Every change emits
// Changed(); the window, its undo history and the saved file follow from there.
class ChordSheet : public QObject {
    Q_OBJECT

public:
    // The most diagrams a sheet holds; adding beyond it adds nothing.
    static constexpr int kMaxDiagrams = 2000;

    explicit ChordSheet(QObject* parent = nullptr);

    const QString& Title() const { return title_; }
    const std::vector<theory::ChordShape>& Shapes() const { return shapes_; }
    int Count() const { return static_cast<int>(shapes_.size()); }

    void SetTitle(const QString& title);
    // Inserts shapes before index (clamped to the end); returns how many fitted.
    int Insert(int index, const std::vector<theory::ChordShape>& shapes);
    // Removes the diagrams at the given indices (any order, repeats and strays ignored).
    void Remove(std::vector<int> indices);
    // Moves the diagram at from so that it ends up at index to.
    void Move(int from, int to);
    void Rename(int index, const QString& name);
    void Clear();
    // The whole sheet at once (undo, loading a file).
    void Assign(const QString& title, std::vector<theory::ChordShape> shapes);

signals:
    void Changed();

private:
    QString title_;
    std::vector<theory::ChordShape> shapes_;
};

}  // namespace guivarna::sheet
