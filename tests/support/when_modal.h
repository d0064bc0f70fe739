#pragma once
// Drives a modal dialog from inside its own loop. The test's code gets the
// dialog once it is up, and the dialog is closed afterwards whatever that code
// did: an assertion that fails inside it fails the test at once instead of
// leaving the loop waiting for a click until the test runner gives up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <chrono>

namespace kt_test {

inline constexpr std::chrono::seconds kModalWithin{5};

// Arms a poll that hands the next modal `Dialog` to `answer`, then rejects it
// if it is still open. Call it just before the code that runs the dialog.
template <class Dialog, class Answer>
void WhenModalIsUp(Answer answer) {
  const auto until = std::chrono::steady_clock::now() + kModalWithin;
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, answer, until] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr && std::chrono::steady_clock::now() < until) return;
    poll->stop();
    poll->deleteLater();
    if (dialog == nullptr) {
      ADD_FAILURE() << "no modal " << Dialog::staticMetaObject.className() << " came up";
      return;
    }
    answer(dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  poll->start(10);
}

}  // namespace kt_test
