#include "platform/AppError.h"
#include "platform/TessalyApplication.h"

#include <QEvent>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Throws from its event handler, as a window's handler does when a file cannot be read.
class FailingHandler : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++calls;
        if (calls == 1)
            throw AppError("Die Datei /tmp/x.jpg kann nicht gelesen werden.");
        throw std::runtime_error("plain");
    }
    int calls = 0;
};

} // namespace

TEST(TessalyApplication, ErrorEscapingAHandlerIsShownAndTheProgramGoesOn) {
    QStringList shown;
    TessalyApplication::SetErrorSink([&](const QString& message) { shown << message; });

    FailingHandler handler;
    QEvent first(QEvent::User);
    QEvent second(QEvent::User);
    QCoreApplication::sendEvent(&handler, &first);
    QCoreApplication::sendEvent(&handler, &second);

    EXPECT_EQ(handler.calls, 2);
    EXPECT_EQ(shown, QStringList({"Die Datei /tmp/x.jpg kann nicht gelesen werden.", "plain"}));
    TessalyApplication::SetErrorSink(nullptr);
}
