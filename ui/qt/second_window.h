// A Qt top-level window beside the main one (the chart, the unit list) as
// the window model places and shows it.
#pragma once

#include "frame_position.h"
#include "window_view.h"

#include <QWidget>

namespace zef {

// `View` is the window's interface (ChartWindowView, UnitListView); the
// window itself is `window`, whose parent is the main window.
template <typename View>
class SecondWindow : public View {
public:
    explicit SecondWindow(QWidget& window) : window_(window) {}

    bool visible() const override { return window_.isVisible(); }
    bool shownBefore() const override { return window_.testAttribute(Qt::WA_Moved); }
    // A window not yet shown has no frame: it gets one as wide as the main window's.
    ScreenSize frameSize() const override
    {
        const QWidget* main = window_.parentWidget();
        const QSize frame = window_.size() + (main ? main->frameGeometry().size() - main->size() : QSize());
        return {frame.width(), frame.height()};
    }
    void moveFrame(ScreenPoint at) override { MoveFrame(window_, {at.left, at.top}); }
    void showInFront() override
    {
        window_.show();
        window_.raise();
        window_.activateWindow();
    }

private:
    QWidget& window_;
};

}  // namespace zef
