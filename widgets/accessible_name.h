#pragma once

#include <QString>
#include <QWidget>

namespace guivarna::widgets {

// A label's text as a screen reader names the field it belongs to: without the mnemonic's
// ampersand and the trailing colon ("Chord &symbol:" gives "Chord symbol").
inline QString NameFromLabel(QString label)
{
    label.remove(QLatin1Char('&'));
    label = label.trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

// Names a field after its label. Qt reads the name from a buddy label only for some widgets
// and only when the label shares the field's parent, so lists, tables and fields nested in
// their own widgets are named here.
inline void NameAfterLabel(QWidget& field, const QString& label)
{
    field.setAccessibleName(NameFromLabel(label));
}

}  // namespace guivarna::widgets
