#pragma once

#include "theory/song/song.h"

#include <string_view>

namespace guivarna::theory {

// Reads a ChordPro song (UTF-8; a byte order mark is kept). It never fails as a whole: a line
// that cannot be read (a directive or a chord bracket not closed, a bad define or header value)
// is kept as written, named in errors, and the rest still loads. Lines are split at '\n'; a '\r'
// before it belongs to the line end. Directives the reader does not know are kept as written.
Song ReadSong(std::string_view text);

}  // namespace guivarna::theory
