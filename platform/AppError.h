#pragma once
// The program's one error type: a German message the player can read, shown by the
// application's central error box when it escapes an event handler.

#include <QString>
#include <stdexcept>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}

    const QString& Message() const { return text; }

private:
    QString text;
};
