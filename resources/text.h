#pragma once

#include <QString>

#include <string_view>

namespace guivarna {

// A text of the string table as a QString.
inline QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace guivarna
