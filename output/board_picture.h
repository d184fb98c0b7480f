#pragma once

#include <QImage>

namespace guivarna::board {
class DeviceMapping;
class FretBoard;
}  // namespace guivarna::board

namespace guivarna::output {

// The picture of one board alone, as the clipboard copy and the JPEG export make it: the board
// drawn with its top-left corner at (0, 0) on white, into an image of the board's own size in
// device pixels at the mapping's resolution.
QImage BoardPicture(const board::FretBoard& board, const board::DeviceMapping& mapping);

}  // namespace guivarna::output
