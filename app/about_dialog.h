#pragma once

#include <QDialog>

namespace guivarna {

class HyperlinkLabel;

// The About box: program name and version, two lines about the program and a link to its web
// site. Shown modally; OK closes it.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    HyperlinkLabel* link() const { return link_; }

private:
    HyperlinkLabel* link_ = nullptr;
};

}  // namespace guivarna
