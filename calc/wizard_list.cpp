#include "calc/wizard_list.h"

#include "widgets/accessible_name.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace guivarna::calc {

QTableWidget* MakeWizardList(const QStringList& headers, QWidget* parent)
{
    auto* list = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    list->setHorizontalHeaderLabels(headers);
    list->verticalHeader()->hide();
    // Rows as tight as a report list's: a line of text and a little air.
    const int rowHeight = list->fontMetrics().height() + 4;
    list->verticalHeader()->setMinimumSectionSize(rowHeight);
    list->verticalHeader()->setDefaultSectionSize(rowHeight);
    list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setTabKeyNavigation(false);
    widgets::NameAfterLabel(*list, headers.join(QStringLiteral(", ")));
    return list;
}

void AppendRow(QTableWidget& list, const QStringList& texts)
{
    const int row = list.rowCount();
    list.insertRow(row);
    for (int column = 0; column < texts.size(); ++column)
        list.setItem(row, column, new QTableWidgetItem(texts[column]));
}

int SelectedRow(const QTableWidget& list)
{
    const QList<QTableWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}

QPushButton* MakeWizardButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(false);
    return button;
}

}  // namespace guivarna::calc
