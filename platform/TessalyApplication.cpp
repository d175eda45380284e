#include "TessalyApplication.h"

#include "AppError.h"

#include <QMessageBox>

namespace {
std::function<void(const QString&)> errorSink;
}

TessalyApplication::TessalyApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TessalyApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const AppError& error) {
        ShowError(error.Message());
    } catch (const std::bad_alloc&) {
        ShowError(QStringLiteral("Nicht genügend Arbeitsspeicher."));
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    }
    return true;
}

void TessalyApplication::ShowError(const QString& message) {
    if (errorSink) {
        errorSink(message);
        return;
    }
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(), message);
}

void TessalyApplication::SetErrorSink(std::function<void(const QString&)> sink) {
    errorSink = std::move(sink);
}
