#pragma once
// Lists a folder's picture files for the chooser without holding up its window: a folder
// of a few hundred entries is listed at once, a larger one on a thread of its own, whose
// rows are handed over through the event loop, and only while they are still wanted.

#include "picturedialog/PictureListing.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QThread;

class BackgroundListing : public QObject {
public:
    // Folders of up to this many entries (pictures or not) are listed at once: reading
    // their details costs a few milliseconds.
    static constexpr int ListedAtOnce = 1000;

    using Receiver = std::function<void(const QString& folder, std::vector<PictureEntry> entries)>;

    // `receiver` gets each listing that is not superseded, on the window's thread.
    explicit BackgroundListing(Receiver receiver, QObject* parent = nullptr);
    // Drops what is still to come and waits for the threads, which only read the disk.
    ~BackgroundListing() override;
    BackgroundListing(const BackgroundListing&) = delete;
    BackgroundListing& operator=(const BackgroundListing&) = delete;

    // Lists `folder` (with its trailing slash). A small folder reaches the receiver before
    // this returns; a large one later. A listing still to come is dropped.
    void Start(const QString& folder);
    // Drops the listing still to come, if any.
    void Cancel();
    // Whether a listing is still to come.
    bool Busy() const { return busy; }
    // Whether a thread is still reading, wanted or not; once none is, every listing it read
    // has been handed over or dropped.
    bool Reading() const { return !threads.isEmpty(); }

    // Whether `folder` has at most ListedAtOnce entries; reads no more of it than that.
    static bool IsSmall(const QString& folder);

private:
    void Deliver(const QString& folder, std::vector<PictureEntry> entries);

    Receiver receiver;
    // Counts the requests; a thread's rows are taken only if no request came after its own.
    quint64 ticket = 0;
    bool busy = false;
    QList<QThread*> threads;
};
