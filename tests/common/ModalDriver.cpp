#include "ModalDriver.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <memory>

namespace ModalDriver {

void AnswerNext(std::function<void(QWidget*)> answer) {
    auto attempts = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, attempts, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            answer(modal);
            *poll = nullptr; // break the cycle
            return;
        }
        if (++*attempts < 3000)
            QTimer::singleShot(10, *poll);
        else
            *poll = nullptr;
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
