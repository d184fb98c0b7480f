#include "app/main_frame.h"

namespace guivarna {

MainFrame::MainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Guivarna"));
}

}  // namespace guivarna
