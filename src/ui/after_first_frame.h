#pragma once
// What the learner does not need in order to see the main window (its icon, the sound system)
// waits until the window has drawn its first frame.
#include <QObject>
#include <QWidget>
#include <functional>

namespace memvalo {

// Runs `work` once `window` has drawn its first frame, unless `context` is gone by then.
void afterFirstFrame(QWidget* window, QObject* context, std::function<void()> work);

}  // namespace memvalo
