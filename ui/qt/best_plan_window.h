// The search for the best plan in a window of its own beside the calculator:
// the question and its number, the unit types to use, the reserve, the
// search with its progress and cancel, the answer and what to do with it.
// Its rules are the core's (BestPlanDialog, and the window model for
// "Použít" and "Graf"); this is its widgets.
#pragma once

#include "second_window.h"

#include <QWidget>

class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace zef {

class WindowModel;

class BestPlanWindow : public QWidget, public SecondWindow<BestPlanWindowView> {
    Q_OBJECT

public:
    BestPlanWindow(QWidget* parent, WindowModel& model);

    void showOffer(const BestPlanOffer& offer) override;
    void showSearching(bool searching) override;
    void showProgress(int stepsDone) override;
    void showAnswer(const std::string& text, bool answered) override;
    void deliverProgress(std::uint64_t search, int stepsDone) override;
    void deliverOutcome(BestPlanOutcome outcome) override;

    // The controls, for the tests.
    QRadioButton* mostDamage;
    QRadioButton* fewestTurns;
    QSpinBox* turns;
    QSpinBox* damage;
    QListWidget* units;
    QSpinBox* reserve;
    QPushButton* search;
    QProgressBar* progress;
    QPlainTextEdit* answer;
    QPushButton* apply;
    QPushButton* chart;

private:
    BestPlanChoice Choice() const;
    void SearchClicked();

    WindowModel& model_;
    bool searching_ = false;
};

}  // namespace zef
