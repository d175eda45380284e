#include "platform/TessalyApplication.h"
#include "platform/AppError.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

TEST(TessalyApplication, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    QStringList shown;
    TessalyApplication::SetErrorSink([&](const QString& message) { shown << message; });

    QPushButton button("x");
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        if (clicks == 1)
            throw AppError("Die Datei /tmp/x.jpg kann nicht gelesen werden.");
        throw std::runtime_error("plain");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);

    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(shown, QStringList({"Die Datei /tmp/x.jpg kann nicht gelesen werden.", "plain"}));
    TessalyApplication::SetErrorSink(nullptr);
}
