#include "catalogue_list.h"

#include "qt_text.h"
#include "window_layout.h"
#include "window_texts.h"

#include <QHeaderView>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zef {

CatalogueList::CatalogueList(QWidget* parent)
    : QWidget(parent, Qt::Tool), SecondWindow(static_cast<QWidget&>(*this)), table_(new QTreeWidget(this))
{
    setWindowTitle(FromUtf8(kUnitListTitle));
    QStringList titles;
    for (const std::string_view title : kCatalogueTitles) {
        titles.append(FromUtf8(title));
    }
    table_->setHeaderLabels(titles);
    table_->setRootIsDecorated(false);
    table_->setAllColumnsShowFocus(true);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        hide();
        Q_EMIT unitChosen(item->data(0, Qt::UserRole).toInt());
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(table_);
    resize(layout::kUnitListWidth, layout::kUnitListHeight);
}

void CatalogueList::showRows(const std::vector<CatalogueRow>& rows)
{
    table_->clear();
    for (const CatalogueRow& row : rows) {
        auto* item = new QTreeWidgetItem(table_);
        for (std::size_t column = 0; column < row.cells.size(); ++column) {
            item->setText(int(column), FromUtf8(row.cells[column]));
            // Figures line up at the right, as in a table of numbers; the name at the left.
            item->setTextAlignment(int(column), column == 1 ? Qt::AlignLeft : Qt::AlignRight);
        }
        item->setData(0, Qt::UserRole, row.number);
    }
    table_->setCurrentItem(table_->topLevelItem(0));
    table_->setFocus();
}

}  // namespace zef
