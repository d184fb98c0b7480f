#include "app/main_frame.h"

#include <gtest/gtest.h>

namespace guivarna {
namespace {

TEST(MainFrame, ShowsTheProgramTitle)
{
    MainFrame frame;
    frame.show();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Guivarna"));
}

}  // namespace
}  // namespace guivarna
