// The catalogue at hand: the unit types of arm.txt in a small window beside
// the calculator, with the numbers the plan lines use. Choosing one (double
// click or Enter) hands its number to the plan editor.
#pragma once

#include "second_window.h"

#include <QWidget>

#include <vector>

class QTreeWidget;

namespace zef {

class CatalogueList : public QWidget, public SecondWindow<UnitListView> {
    Q_OBJECT

public:
    explicit CatalogueList(QWidget* parent);

    void showRows(const std::vector<CatalogueRow>& rows) override;

Q_SIGNALS:
    void unitChosen(int number);

private:
    QTreeWidget* table_;
};

}  // namespace zef
