#pragma once

#include <QCoreApplication>
#include <QString>

#include <string>
#include <string_view>

namespace guivarna {

// The translation context of the texts in resources/strings.h.
inline constexpr char kTextContext[] = "Guivarna";

// A text of the string table as a QString, in the user's language when a translation is installed
// and the text is a translatable one (wrapped in QT_TRANSLATE_NOOP); otherwise exactly the text.
inline QString Text(std::string_view text)
{
    const std::string source(text);  // translate() wants a terminated string
    return QCoreApplication::translate(kTextContext, source.c_str());
}

}  // namespace guivarna
