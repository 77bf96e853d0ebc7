#include "best_plan_window.h"

#include "plan_progress.h"
#include "qt_text.h"
#include "report_format.h"
#include "window_layout.h"
#include "window_model.h"
#include "window_texts.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <limits>

namespace zef {

namespace {

QSpinBox* NumberBox(QWidget* parent, int least, int most)
{
    auto* box = new QSpinBox(parent);
    box->setRange(least, most);
    return box;
}

}  // namespace

BestPlanWindow::BestPlanWindow(QWidget* parent, WindowModel& model)
    : QWidget(parent, Qt::Tool), SecondWindow(static_cast<QWidget&>(*this)), model_(model)
{
    setWindowTitle(FromUtf8(kBestPlanTitle));
    mostDamage = new QRadioButton(FromUtf8(kBestPlanMostDamage), this);
    fewestTurns = new QRadioButton(FromUtf8(kBestPlanFewestTurns), this);
    turns = NumberBox(this, 1, kMaxBestPlanTurns);
    damage = NumberBox(this, 1, std::numeric_limits<int>::max());
    units = new QListWidget(this);
    reserve = NumberBox(this, 0, kProjectionTurns);
    search = new QPushButton(FromUtf8(kBestPlanSearch), this);
    progress = new QProgressBar(this);
    progress->setRange(0, kProgressSteps);
    answer = new QPlainTextEdit(this);
    answer->setReadOnly(true);
    answer->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    apply = new QPushButton(FromUtf8(kBestPlanApply), this);
    chart = new QPushButton(FromUtf8(kBestPlanChart), this);

    auto* grid = new QGridLayout(this);
    grid->addWidget(mostDamage, 0, 0);
    grid->addWidget(turns, 0, 1);
    grid->addWidget(fewestTurns, 1, 0);
    grid->addWidget(damage, 1, 1);
    grid->addWidget(new QLabel(FromUtf8(kBestPlanUnits), this), 2, 0, 1, 2);
    grid->addWidget(units, 3, 0, 1, 2);
    grid->addWidget(new QLabel(FromUtf8(kBestPlanReserve), this), 4, 0);
    grid->addWidget(reserve, 4, 1);
    grid->addWidget(search, 5, 0);
    grid->addWidget(progress, 5, 1);
    grid->addWidget(answer, 0, 2, 5, 2);
    grid->addWidget(apply, 5, 2);
    grid->addWidget(chart, 5, 3);
    grid->setColumnStretch(2, 1);
    resize(layout::kBestPlanWidth, layout::kBestPlanHeight);

    connect(search, &QPushButton::clicked, this, &BestPlanWindow::SearchClicked);
    connect(apply, &QPushButton::clicked, this, [this] { model_.bestPlanApply(); });
    connect(chart, &QPushButton::clicked, this, [this] { model_.bestPlanChart(); });
    showAnswer({}, false);
}

void BestPlanWindow::showOffer(const BestPlanOffer& offer)
{
    units->clear();
    for (const CatalogueRow& row : offer.rows) {
        auto* item = new QListWidgetItem(FromUtf8(row.cells[0] + "  " + row.cells[1]), units);
        item->setData(Qt::UserRole, row.number);
        item->setCheckState(Qt::Checked);
    }
    turns->setValue(int(offer.turns));
    damage->setValue(int(std::min<std::int64_t>(offer.damage, damage->maximum())));
    reserve->setValue(offer.choice.reserve);
    (offer.choice.question == BestPlanQuestion::MostDamage ? mostDamage : fewestTurns)->setChecked(true);
    showSearching(false);
    showAnswer({}, false);
}

BestPlanChoice BestPlanWindow::Choice() const
{
    BestPlanChoice choice;
    choice.question = mostDamage->isChecked() ? BestPlanQuestion::MostDamage : BestPlanQuestion::FewestTurns;
    choice.target = mostDamage->isChecked() ? turns->value() : damage->value();
    for (int i = 0; i < units->count(); ++i) {
        if (units->item(i)->checkState() == Qt::Checked) {
            choice.rows.push_back(units->item(i)->data(Qt::UserRole).toInt());
        }
    }
    choice.reserve = reserve->value();
    return choice;
}

void BestPlanWindow::SearchClicked()
{
    if (searching_) {
        model_.bestPlan().cancel();
    } else {
        model_.bestPlan().start(Choice());
    }
}

void BestPlanWindow::showSearching(bool searching)
{
    searching_ = searching;
    search->setText(FromUtf8(searching ? kCancelButton : kBestPlanSearch));
    progress->setValue(0);
    progress->setVisible(searching);
}

void BestPlanWindow::showProgress(int stepsDone) { progress->setValue(stepsDone); }

void BestPlanWindow::showAnswer(const std::string& text, bool answered)
{
    answer->setPlainText(FromUtf8(text));
    apply->setEnabled(answered);
    chart->setEnabled(answered);
}

void BestPlanWindow::deliverProgress(std::uint64_t searchNumber, int stepsDone)
{
    QMetaObject::invokeMethod(
        this, [this, searchNumber, stepsDone] { model_.bestPlan().progressArrived(searchNumber, stepsDone); },
        Qt::QueuedConnection);
}

void BestPlanWindow::deliverOutcome(BestPlanOutcome outcome)
{
    QMetaObject::invokeMethod(
        this, [this, outcome = std::move(outcome)]() mutable { model_.bestPlan().outcomeArrived(std::move(outcome)); },
        Qt::QueuedConnection);
}

}  // namespace zef
