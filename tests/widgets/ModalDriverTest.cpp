#include "ModalDriver.h"

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

// Shows a dialog modally; if the driver does not close it within `rescue`, it is closed
// here, so that a driver that gave up fails the test instead of hanging it.
bool AnsweredByTheDriver(std::chrono::milliseconds rescue) {
    QDialog dialog;
    bool rescued = false;
    QTimer::singleShot(rescue, &dialog, [&] {
        rescued = true;
        dialog.reject();
    });
    dialog.exec();
    return !rescued;
}

} // namespace

TEST(ModalDriver, WaitsOnRealTimeNotOnACountOfTries) {
    // The window appears only after a long busy spell, as after a dozen slow animations.
    ModalDriver::AnswerNext([](QWidget* modal) { static_cast<QDialog*>(modal)->accept(); });
    QTest::qWait(6000);
    EXPECT_TRUE(AnsweredByTheDriver(3s));
}

TEST(ModalDriver, FailsClearlyWhenNoModalWindowAppears) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver::AnswerNext([](QWidget*) {}, 200ms);
            QTest::qWait(600);
        },
        "No modal window appeared within 0.2 s");
    // Having given up, it answers nothing later on.
    EXPECT_FALSE(AnsweredByTheDriver(300ms));
}
