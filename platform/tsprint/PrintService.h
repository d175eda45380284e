#pragma once
// One connection to the print system whose every wait for an answer is bounded, so that a
// server that takes requests and never answers is told apart from one without a printer.

#include <QString>
#include <cups/http.h>

class PrintService {
public:
    explicit PrintService(int answerMilliseconds);
    ~PrintService();

    PrintService(const PrintService&) = delete;
    PrintService& operator=(const PrintService&) = delete;

    // True once a wait for the print system ran out; every later request fails at once.
    bool NoAnswer() const { return timedOut; }

    // The default printer's name; empty when there is none, or no answer.
    QString DefaultPrinter();

    // The print system's word on why `printer` takes no jobs; empty when it takes them or
    // when there is no answer (see NoAnswer).
    QString Refusal(const QString& printer);

private:
    static int GiveUp(http_t* connection, void* service);

    http_t* connection = nullptr;
    bool timedOut = false;
};
