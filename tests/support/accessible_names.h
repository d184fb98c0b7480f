#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QStringList>
#include <QTabWidget>
#include <QWidget>

namespace guivarna::test {

// Every action, button, page and input field in the window that a screen reader could not
// name, described as "<class> <objectName or text>". Actions are read the way menus give
// them, through their menu item's interface; buttons, fields and pages through their own.
inline QStringList MissingAccessibleNames(QWidget& window)
{
    QStringList missing;
    const auto name = [](QObject* object) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
        return iface != nullptr ? iface->text(QAccessible::Name).trimmed() : QString();
    };
    const auto describe = [](QObject* object) {
        return QString::fromLatin1(object->metaObject()->className()) + QLatin1Char(' ') +
            object->objectName();
    };
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        // The menus carry the actions: every item must have a name.
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; iface != nullptr && i < iface->childCount(); ++i) {
                QAccessibleInterface* item = iface->child(i);
                if (item != nullptr && item->role() != QAccessible::Separator &&
                    item->text(QAccessible::Name).trimmed().isEmpty())
                    missing << QStringLiteral("action %1 in %2").arg(i).arg(describe(menu));
            }
            continue;
        }
        // Qt's own parts of a widget (a menu bar's extension button, a table's headers and
        // corner, a line edit's clear button) are named by the widget they belong to.
        if (widget->objectName().startsWith(QLatin1String("qt_")) ||
            qobject_cast<QHeaderView*>(widget) != nullptr ||
            widget->inherits("QTableCornerButton") ||
            qobject_cast<QLineEdit*>(widget->parentWidget()) != nullptr)
            continue;
        const bool named = qobject_cast<QAbstractButton*>(widget) != nullptr ||
            qobject_cast<QLineEdit*>(widget) != nullptr ||
            qobject_cast<QComboBox*>(widget) != nullptr ||
            qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
            qobject_cast<QAbstractItemView*>(widget) != nullptr ||
            // Any other widget Tab stops at (the boards, the result lists, the sheet).
            // A tab widget itself is no stop: its tab bar is, named by the tabs.
            ((widget->focusPolicy() & Qt::TabFocus) != 0 &&
                qobject_cast<QTabWidget*>(widget) == nullptr);
        // A line edit inside a combo box or a spin box is named by its owner.
        const bool inner = qobject_cast<QLineEdit*>(widget) != nullptr &&
            (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
                qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr);
        if (named && !inner && name(widget).isEmpty())
            missing << describe(widget);
        // Pages: the wizards' pages and the tabs of tab widgets.
        if (widget->inherits("guivarna::calc::WizardPage") && name(widget).isEmpty())
            missing << QStringLiteral("page ") + describe(widget);
        if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabText(i).remove(QLatin1Char('&')).trimmed().isEmpty() &&
                    tabs->widget(i)->accessibleName().isEmpty())
                    missing << QStringLiteral("page %1 of %2").arg(i).arg(describe(tabs));
        }
    }
    return missing;
}

}  // namespace guivarna::test
