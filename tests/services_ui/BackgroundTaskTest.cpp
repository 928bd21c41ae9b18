#include "BackgroundTask.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

namespace velmora {
namespace {

TEST(BackgroundTask, TheWorkRunsOffTheWindowsThreadWhileTheWindowKeepsAnswering) {
  QWidget window;
  window.show();
  const std::thread::id ui = std::this_thread::get_id();
  std::thread::id worker;
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(5);
  const bool done = BackgroundTask::Run(&window, QStringLiteral("Working"), [&](BackgroundTask::Progress& p) {
    worker = std::this_thread::get_id();
    p.setTotal(10);
    for (int i = 0; i < 10; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      p.advance();
    }
  });
  EXPECT_TRUE(done);
  EXPECT_NE(worker, ui);
  EXPECT_GT(ticks, 5) << "the window's events went on meanwhile";
}

TEST(BackgroundTask, CancelInTheProgressWindowStopsTheWorkAndHoldsBackOtherInput) {
  QWidget window;
  auto* button = new QPushButton(QStringLiteral("Edit"), &window);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
  window.show();
  BackgroundTask::onShown = [&](BackgroundTask::Progress&) {
    // A click on the window while the work runs does nothing; "Cancel" in
    // the progress window stops the work.
    QTest::mouseClick(button, Qt::LeftButton);
    auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("BackgroundTaskProgress"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) QTest::mouseClick(b, Qt::LeftButton);
  };
  std::atomic<int> steps{0};
  const bool done = BackgroundTask::Run(
      &window, QStringLiteral("Working"),
      [&](BackgroundTask::Progress& p) {
        while (!p.cancelled() && steps < 10000) {
          std::this_thread::sleep_for(std::chrono::milliseconds(2));
          ++steps;
        }
      },
      20);
  BackgroundTask::onShown = nullptr;
  EXPECT_FALSE(done);
  EXPECT_LT(steps.load(), 10000);
  EXPECT_EQ(clicks, 0);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1) << "input flows again afterwards";
}

TEST(BackgroundTask, AFailureOfTheWorkReachesTheCaller) {
  QWidget window;
  EXPECT_THROW(BackgroundTask::Run(&window, QStringLiteral("Working"),
                                   [](BackgroundTask::Progress&) { throw std::runtime_error("disk full"); }),
               std::runtime_error);
}

}  // namespace
}  // namespace velmora
