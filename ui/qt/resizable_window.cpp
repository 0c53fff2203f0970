#include "ui/qt/resizable_window.h"

#include <QCloseEvent>
#include <QEvent>

#include "ui/qt/qt_window_place.h"

namespace tembrel::qt {

ResizableWindow::ResizableWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {}

void ResizableWindow::Run(const std::function<void()>& handler) {
    PullFromWidgets();
    handler();
    Render();
    RenderFocus();
}

void ResizableWindow::PullFromWidgets() {
    PullControls();
    PullPlaceAndState(*this, Place(), State());
}

void ResizableWindow::RenderPlace() {
    RenderResizablePlace(*this, Place(), State());
}

bool ResizableWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !rendering_) {
        Run([this] { Form_Activate(); });
    }
    return QWidget::event(event);
}

void ResizableWindow::closeEvent(QCloseEvent* event) {
    const QWidget* mainWindow = parentWidget();
    if (mainWindow == nullptr || !mainWindow->isVisible()) {
        event->accept();
        return;
    }
    event->ignore();
    Run([this] { Form_Unload(); });
}

void ResizableWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !rendering_) {
        State() = StateOf(*this);
    }
}

void ResizableWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!rendering_) {
        TrackUserMove(*this, Place());
    }
}

void ResizableWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!rendering_ && isVisible()) {
        Run([this] {
            TrackUserSize(*this, Place());
            Form_Resize();
        });
    }
}

}  // namespace tembrel::qt
