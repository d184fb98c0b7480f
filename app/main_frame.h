#pragma once

#include <QMainWindow>

namespace guivarna {

// The program's single top-level window.
class MainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit MainFrame(QWidget* parent = nullptr);
};

}  // namespace guivarna
