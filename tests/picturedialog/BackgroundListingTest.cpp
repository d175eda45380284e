#include "picturedialog/BackgroundListing.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Listing : public testing::Test {
protected:
    void SetUp() override {
        base = TestHome::Path() + "/listing/";
        QDir(base).removeRecursively();
        small = Folder("klein", 3);
        large = Folder("gross", BackgroundListing::ListedAtOnce + 1);
    }

    // A folder of `count` empty picture files, named so that the order of creation is not
    // the order of the names.
    QString Folder(const QString& name, int count) {
        const QString path = base + name + "/";
        QDir().mkpath(path);
        for (int i = count; i >= 1; --i) {
            QFile file(path + QStringLiteral("Bild%1.jpg").arg(i, 5, 10, QLatin1Char('0')));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        }
        return path;
    }

    static void WaitForThreads(const BackgroundListing& listing) {
        while (listing.Reading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }

    BackgroundListing::Receiver Receiver() {
        return [this](const QString& folder, std::vector<PictureEntry> entries) {
            received << folder;
            counts << static_cast<int>(entries.size());
            if (!entries.empty())
                firstNames << entries.front().name;
        };
    }

    QString base, small, large;
    QStringList received, firstNames;
    QList<int> counts;
};

} // namespace

TEST_F(Listing, SmallFolderAtOnceLargeOneLaterAndOnlyTheFolderAskedForLast) {
    BackgroundListing listing(Receiver());
    listing.Start(large);
    EXPECT_TRUE(listing.Busy());
    EXPECT_TRUE(received.isEmpty()) << "the large folder is read on a thread";
    // Another folder before the rows came: the large folder's rows are dropped when they do.
    listing.Start(small);
    EXPECT_FALSE(listing.Busy());
    EXPECT_EQ(received, QStringList({small}));
    WaitForThreads(listing);
    EXPECT_EQ(received, QStringList({small}));

    listing.Start(large);
    WaitForThreads(listing);
    EXPECT_FALSE(listing.Busy());
    EXPECT_EQ(received, QStringList({small, large}));
    EXPECT_EQ(counts.last(), BackgroundListing::ListedAtOnce + 1);
    EXPECT_EQ(firstNames.last(), "Bild00001.jpg") << "sorted by name";

    listing.Start(large);
    listing.Cancel();
    WaitForThreads(listing);
    EXPECT_EQ(received.size(), 2);
}

TEST_F(Listing, EndingWhileAThreadReadsDeliversNothing) {
    auto listing = std::make_unique<BackgroundListing>(Receiver());
    listing->Start(large);
    listing.reset();
    QCoreApplication::processEvents();
    EXPECT_TRUE(received.isEmpty());
}
