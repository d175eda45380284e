#include "platform/DefaultPrinter.h"

#include "platform/AppError.h"
#include "platform/ModuleSystem.h"
#include "platform/tsprint/TsPrintApi.h"

#include <QByteArray>
#include <QPageSize>

#include <array>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace DefaultPrinter {

namespace {

// The longest the module waits for any one answer of the print system.
constexpr int AnswerMilliseconds = 3000;
// The longest the window waits for a whole call: the print system's answers and, for a
// page, drawing it and handing it over. A print system that answers needs far less.
constexpr std::chrono::seconds SheetLimit(10);
constexpr std::chrono::seconds PageLimit(30);

const char* const ModuleName = "tsprint";

struct Module {
    TsPrintDefaultSheetFunction defaultSheet = nullptr;
    TsPrintPageFunction printPage = nullptr;
};

// The module stays loaded once opened: a call the window gave up on may still run in it.
const Module& OpenModule() {
    static std::mutex opening;
    static Module module;
    const std::lock_guard<std::mutex> lock(opening);
    if (module.defaultSheet != nullptr && module.printPage != nullptr)
        return module;
    ModuleSystem& system = ModuleSystem::Default();
    ModuleSystem::LibraryHandle library = system.LoadLibrary(ModuleName);
    Module found{
        reinterpret_cast<TsPrintDefaultSheetFunction>(
            system.FindFunction(library, "tsPrintDefaultSheet")),
        reinterpret_cast<TsPrintPageFunction>(system.FindFunction(library, "tsPrintPage"))};
    if (found.defaultSheet == nullptr || found.printPage == nullptr) {
        system.FreeLibrary(library);
        throw AppError(
            QStringLiteral("Das Druckmodul %1 kann nicht geladen werden.")
                .arg(QString::fromStdString(ModuleSystem::SharedObjectName(ModuleName))));
    }
    module = found;
    return module;
}

// What a call in the module left behind, shared by the window and the call's thread, which
// may outlive the window's wait.
struct Call {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    int outcome = TsPrintNoAnswer;
    std::atomic<bool> abandoned{false};
    TsPrintSheet sheet{};
    std::array<char, 512> reason{};
};

// Runs `work` on `call` on a thread of its own and waits at most `limit` for it; a call
// that takes longer is abandoned and counts as unanswered.
void RunBounded(const std::shared_ptr<Call>& call, std::function<int(Call&)> work,
                std::chrono::seconds limit) {
    std::thread([call, work = std::move(work)] {
        const int outcome = work(*call);
        const std::lock_guard<std::mutex> lock(call->mutex);
        call->outcome = outcome;
        call->done = true;
        call->finished.notify_all();
    }).detach();
    std::unique_lock<std::mutex> lock(call->mutex);
    if (!call->finished.wait_for(lock, limit, [&call] { return call->done; })) {
        call->abandoned = true;
        call->outcome = TsPrintNoAnswer;
    }
}

AppError NoAnswer() {
    return AppError(QStringLiteral("Der Druckdienst antwortet nicht."));
}

AppError NoPrinter() {
    return AppError(QStringLiteral("Es ist kein Standarddrucker eingerichtet."));
}

} // namespace

Sheet DefaultSheet() {
    const Module& module = OpenModule();
    const auto call = std::make_shared<Call>();
    RunBounded(
        call,
        [function = module.defaultSheet](Call& call) {
            return function(&call.sheet, AnswerMilliseconds);
        },
        SheetLimit);
    const std::lock_guard<std::mutex> lock(call->mutex);
    switch (call->outcome) {
    case TsPrintDone:
        break;
    case TsPrintNoPrinter:
        throw NoPrinter();
    default:
        throw NoAnswer();
    }
    const TsPrintSheet& found = call->sheet;
    return {QString::fromUtf8(found.printer), QSizeF(found.paperWidth, found.paperHeight),
            QRectF(found.printableLeft, found.printableTop, found.printableWidth,
                   found.printableHeight)};
}

Sheet StandardSheet() {
    const QSizeF paper = QPageSize(QPageSize::A4).size(QPageSize::Inch) * UnitsPerInch;
    return {QString(), paper, QRectF(QPointF(0, 0), paper)};
}

void PrintPage(const Sheet& sheet, const QString& title, std::function<void(QPainter&)> draw) {
    if (sheet.printer.isEmpty())
        throw NoPrinter();
    const Module& module = OpenModule();
    const auto call = std::make_shared<Call>();
    qstrncpy(call->sheet.printer, sheet.printer.toUtf8().constData(), sizeof call->sheet.printer);
    RunBounded(
        call,
        [function = module.printPage, title = title.toUtf8(),
         draw = std::move(draw)](Call& call) mutable {
            const auto paint = [](QPainter* painter, void* context) {
                (*static_cast<std::function<void(QPainter&)>*>(context))(*painter);
            };
            return function(&call.sheet, title.constData(), paint, &draw, AnswerMilliseconds,
                            &call.abandoned, call.reason.data(),
                            static_cast<int>(call.reason.size()));
        },
        PageLimit);
    const std::lock_guard<std::mutex> lock(call->mutex);
    switch (call->outcome) {
    case TsPrintDone:
        return;
    case TsPrintNoPrinter:
        throw NoPrinter();
    case TsPrintRefused:
        throw AppError(QStringLiteral("Der Drucker „%1“ hat den Auftrag abgelehnt: %2")
                           .arg(sheet.printer, QString::fromUtf8(call->reason.data())));
    default:
        throw NoAnswer();
    }
}

} // namespace DefaultPrinter
