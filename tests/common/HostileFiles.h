#pragma once
// Files a hostile player leaves among pictures, made inside the tests: FIFOs, links to
// devices, names that are not UTF-8, a tiny progressive JPEG that costs huge work, and a
// TIFF on which the system's decoder writes outside its memory.

#include <QByteArray>
#include <QString>
#include <functional>

namespace HostileFiles {

// Makes a FIFO at the path; false when the system refuses.
bool MakeFifo(const QString& path);

// Runs `work` on a thread of its own and waits up to ten seconds for it. When it has not
// finished by then (it waits for a writer of the FIFO), the FIFO is opened for writing and
// closed again, as often as it takes, which lets each waiting read end; the result is then
// false.
bool FinishesWithoutWaitingFor(const QString& fifo, const std::function<void()>& work);

// Writes the bytes to the file whose name, inside `folder`, is the given raw bytes;
// returns the path as FileNames holds it.
QString WriteRawName(const QString& folder, const QByteArray& rawName, const QByteArray& bytes);

// A progressive greyscale JPEG of width x height that holds nothing but `scans` AC scans,
// each an end-of-band run over every block: a few kilobytes that make a decoder walk the
// whole picture once per scan.
QByteArray ProgressiveBomb(int width, int height, int scans);

// A 10 KB TIFF of 50 x 70 pixels, found by the TIFF fuzz target (it is one of its seeds),
// on which the system's TIFF decoder writes before the start of a buffer of its own.
QByteArray TiffOverflowingItsDecoder();

} // namespace HostileFiles
