#pragma once
// The operations of the program's printing module, libtsprint.so, with C linkage. The
// game opens the module only when the player asks to print, so that neither the toolkit's
// print support nor the print system's client library is loaded before. Both calls wait for
// the print system at most answerMilliseconds at a time, and run one after the other: a
// call made while another still waits for the print system waits for it.

#include <atomic>

class QPainter;

#define TSPRINT_EXPORT __attribute__((visibility("default")))

extern "C" {

// The outcomes of both calls.
enum TsPrintOutcome : int {
    TsPrintDone = 0,
    TsPrintNoPrinter = 1, // no default printer, or no print system at all
    TsPrintNoAnswer = 2,  // the print system took a request and did not answer
    TsPrintRefused = 3,   // the printer refused the job; the reason says why
};

// The default printer and its sheet, portrait, in units of 1/600 inch.
struct TsPrintSheet {
    char printer[256];
    double paperWidth;
    double paperHeight;
    // The part of the sheet the printer can print on, from the sheet's top-left corner.
    double printableLeft;
    double printableTop;
    double printableWidth;
    double printableHeight;
};

// Paints the page with the painter's unit 1/600 inch and its origin at the sheet's corner.
using TsPrintDrawFunction = void (*)(QPainter* painter, void* context);

// Asks the print system for its default printer and the sheet it prints on.
TSPRINT_EXPORT int tsPrintDefaultSheet(TsPrintSheet* sheet, int answerMilliseconds);

// Prints one page on sheet->printer as the document `title` (UTF-8). When `abandoned` is
// set by the time the page is drawn, the job is dropped instead of sent (TsPrintNoAnswer).
// For TsPrintRefused, `reason` receives the print system's word (UTF-8, cut to fit).
TSPRINT_EXPORT int tsPrintPage(const TsPrintSheet* sheet, const char* title,
                               TsPrintDrawFunction draw, void* context, int answerMilliseconds,
                               const std::atomic<bool>* abandoned, char* reason, int reasonSize);

using TsPrintDefaultSheetFunction = int (*)(TsPrintSheet*, int);
using TsPrintPageFunction = int (*)(const TsPrintSheet*, const char*, TsPrintDrawFunction, void*,
                                    int, const std::atomic<bool>*, char*, int);
}
