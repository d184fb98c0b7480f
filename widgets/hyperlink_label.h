#pragma once

#include <QLabel>
#include <QUrl>

namespace guivarna {

// A label that behaves like a web link: underlined, blue until visited and purple after, a hand
// cursor, the target as its tool tip; a left click (or Enter and Space once it has the focus)
// opens the target with the desktop's handler, and beeps and reports it when that fails.
class HyperlinkLabel : public QLabel {
    Q_OBJECT

public:
    HyperlinkLabel(const QString& caption, const QUrl& target, QWidget* parent = nullptr);

    QUrl target() const { return target_; }
    bool visited() const { return visited_; }

    // Opens the target; true when the desktop accepted it.
    bool Open();

signals:
    void opened(const QUrl& target);
    // The desktop could not open the target; the owner tells the user.
    void openFailed(const QUrl& target);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateColour();

    QUrl target_;
    bool visited_ = false;
};

}  // namespace guivarna
