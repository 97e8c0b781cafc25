#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace orvik::test {

// Runs `step` on the modal window of type `Dialog` that `open` brings up (the step must close it), and fails
// the test when no such window came up.
template <typename Dialog>
void whileModal(const std::function<void()>& open, const std::function<void(Dialog&)>& step) {
    bool stepped = false;
    std::function<void()> poll = [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, poll);
            return;
        }
        stepped = true;
        step(*dialog);
    };
    QTimer::singleShot(0, poll);
    open();
    EXPECT_TRUE(stepped);
}

} // namespace orvik::test
