#include "ModalDriver.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace ModalDriver {

namespace {

const testing::TestInfo* CurrentTest() {
    return testing::UnitTest::GetInstance()->current_test_info();
}

} // namespace

void AnswerNext(std::function<void(QWidget*)> answer, std::chrono::milliseconds timeLimit) {
    const QDeadlineTimer deadline(timeLimit);
    const testing::TestInfo* test = CurrentTest();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, deadline, test, timeLimit, poll] {
        if (CurrentTest() != test) {
            *poll = nullptr; // the test that waited for the window is over
            return;
        }
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            *poll = nullptr; // break the cycle
            return;
        }
        if (deadline.hasExpired()) {
            ADD_FAILURE() << "No modal window appeared within "
                          << qPrintable(QString::number(timeLimit.count() / 1000.0)) << " s";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void PressKeyOnNext(int key) {
    AnswerNext([key](QWidget* modal) { QTest::keyClick(modal, static_cast<Qt::Key>(key)); });
}

QStringList LabelTexts(QWidget* window) {
    QStringList texts;
    for (QLabel* label : window->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace ModalDriver
