#pragma once
// The application object. An error that escapes an event handler (a picture that cannot
// be decoded, a file that cannot be written) ends up here, is shown in an error box with
// its message, and the program goes on.

#include <QApplication>
#include <functional>

class TessalyApplication : public QApplication {
public:
    TessalyApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the error box for a caught error (also used by code that catches on its own).
    static void ShowError(const QString& message);

    // Tests replace the box to see what would be shown.
    static void SetErrorSink(std::function<void(const QString&)> sink);
};
