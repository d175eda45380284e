#include "picturedialog/BackgroundListing.h"

#include <QDir>
#include <QDirIterator>
#include <QThread>

BackgroundListing::BackgroundListing(Receiver receiver, QObject* parent)
    : QObject(parent), receiver(std::move(receiver)) {}

BackgroundListing::~BackgroundListing() {
    ++ticket;
    for (QThread* thread : std::as_const(threads)) {
        thread->wait();
        delete thread;
    }
}

bool BackgroundListing::IsSmall(const QString& folder) {
    QDirIterator entries(folder,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    int count = 0;
    while (entries.hasNext()) {
        entries.next();
        if (++count > ListedAtOnce)
            return false;
    }
    return true;
}

void BackgroundListing::Start(const QString& folder) {
    Cancel();
    if (IsSmall(folder)) {
        Deliver(folder, PictureListing::ListPictureFiles(folder));
        return;
    }
    busy = true;
    const quint64 request = ticket;
    QThread* thread = QThread::create([this, folder, request] {
        std::vector<PictureEntry> entries = PictureListing::ListPictureFiles(folder);
        // The rows go back to the window's thread; by the time they arrive the player may
        // have chosen another folder, which drops them there.
        QMetaObject::invokeMethod(
            this,
            [this, folder, request, entries = std::move(entries)]() mutable {
                if (request != ticket)
                    return;
                busy = false;
                Deliver(folder, std::move(entries));
            },
            Qt::QueuedConnection);
    });
    threads << thread;
    connect(thread, &QThread::finished, this, [this, thread] {
        threads.removeOne(thread);
        thread->wait();
        delete thread;
    });
    thread->start(QThread::LowPriority);
}

void BackgroundListing::Cancel() {
    ++ticket;
    busy = false;
}

void BackgroundListing::Deliver(const QString& folder, std::vector<PictureEntry> entries) {
    if (receiver)
        receiver(folder, std::move(entries));
}
