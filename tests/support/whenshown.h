// Scripts the answers to modal windows: runs the next action each time
// `window` is shown, once its modal loop runs.  A window shown with no action
// left is closed, and the test fails.  Header only.
#pragma once

#include <gtest/gtest.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

class WhenShown : public QObject {
public:
    explicit WhenShown(QWidget* window) : window_(window) { window->installEventFilter(this); }
    void then(std::function<void()> action) { actions_.push_back(std::move(action)); }
    bool done() const { return actions_.empty(); }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == window_ && event->type() == QEvent::Show) {
            QTimer::singleShot(0, this, [this] {
                if (actions_.empty()) {
                    ADD_FAILURE() << "unexpected window " << window_->objectName().toStdString();
                    window_->close();
                    return;
                }
                auto action = std::move(actions_.front());
                actions_.pop_front();
                action();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::deque<std::function<void()>> actions_;
};
