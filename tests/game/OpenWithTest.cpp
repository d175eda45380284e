#include "game/OpenWith.h"
#include "ModalDriver.h"
#include "StartedGame.h"
#include "TestHome.h"
#include "dialogs/TFormChangeMode.h"
#include "dialogs/TInfoForm.h"
#include "game/PictureHandOver.h"
#include "game/TFormPuzzle.h"
#include "game/TImage.h"
#include "game/VarUnit.h"
#include "platform/InstanceChannel.h"
#include "platform/TessalyApplication.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"
#include "widgets/FormStyle.h"
#include "widgets/WDButton.h"
#include "widgets/WDMessageDialog.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <future>
#include <gtest/gtest.h>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A started game, and pictures opened as a start with them would open them.
class OpenWithStart : public StartedGame {
protected:
    OpenWithStart() : StartedGame("Bilder") {}

    QString WriteJpeg(const QString& name, QSize size) {
        QImage picture(size, QImage::Format_RGB888);
        picture.fill(QColor(40, 120, 60));
        const QString path = folder + name;
        EXPECT_TRUE(picture.save(path, "JPG"));
        return path;
    }

    // Opens the file as a start with it would and returns the texts of the notice shown
    // meanwhile (answered with Enter); the game start dialog is counted, not answered.
    QString NoticeOnOpening(const QString& file) {
        QString notice;
        ModalDriver::AnswerNext([&notice](QWidget* modal) {
            if (auto* box = qobject_cast<TWDMessageForm*>(modal))
                notice = box->TextLabel->text();
            QTest::keyClick(modal, Qt::Key_Return);
        });
        OpenWith::Open(*form, file);
        return notice;
    }
};

} // namespace

TEST(OpenWithArguments, TheFirstArgumentIsThePictureAsAnAbsolutePath) {
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly"}), QString());
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly", ""}), QString());
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly", "/a/b.jpg", "/c/d.jpg"}), "/a/b.jpg");
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly", "file:///a/b%20c.jpg"}), "/a/b c.jpg");
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly", "/a/100%25 #1.jpg"}), "/a/100%25 #1.jpg");
    EXPECT_EQ(OpenWith::PictureArgument({"tessaly", "bild.jpg"}),
              QDir::current().absoluteFilePath("bild.jpg"));
}

TEST_F(OpenWithStart, APictureOpensOnTheBoardAndTheGameStartDialogFollows) {
    const QString file = WriteJpeg("Urlaub.jpg", QSize(800, 600));
    bool dialogShown = false;
    ModalDriver::AnswerNext([this, &dialogShown](QWidget* modal) {
        dialogShown = modal == changeMode.get();
        QTest::mouseClick(changeMode->btnPuzzle[0], Qt::LeftButton, {}, QPoint(10, 10));
    });
    OpenWith::OpenWhenRunning(*form, {"tessaly", file});
    EXPECT_FALSE(dialogShown); // only once the event loop runs
    ASSERT_TRUE(QTest::qWaitFor([&] { return PiecesCreated; }, 5000));
    EXPECT_TRUE(dialogShown);
    EXPECT_EQ(PictureFile, file);
    EXPECT_FALSE(PictureIsMotif);
    EXPECT_EQ(form->Image1->width(), 667); // 800 x 500 / 600
    EXPECT_EQ(PieceCount, 9);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(OpenWithStart, AFileThatCannotBeOpenedIsNamedAndTheStartGoesOnAsUsual) {
    QDir().mkpath(folder + "Ordner.jpg");
    QFile broken(folder + "Kaputt.jpg");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("kein Bild");
    broken.close();
    QSignalSpy startDialog(changeMode.get(), &QDialog::finished);

    EXPECT_EQ(NoticeOnOpening(folder + "Fehlt.jpg"), "Die Datei „Fehlt.jpg“ wurde nicht gefunden.");
    EXPECT_EQ(NoticeOnOpening(folder + "Ordner.jpg"),
              "Die Datei „Ordner.jpg“ kann nicht gelesen werden.");
    EXPECT_EQ(NoticeOnOpening(folder + "Kaputt.jpg"),
              "Die Datei „Kaputt.jpg“ kann nicht als Bild gelesen werden.");

    EXPECT_EQ(startDialog.count(), 0);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_TRUE(PictureIsMotif);
    EXPECT_TRUE(form->Image1->isVisible());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(OpenWithStart, ALongNameIsShortenedSoTheNoticeKeepsItsTwoLines) {
    const QString name = "Ein sehr langer Dateiname vom Sommerurlaub am Meer im Jahr 2024 "
                         "mit der ganzen Familie und dem Hund.jpg";
    const QString notice = NoticeOnOpening(folder + name);
    EXPECT_TRUE(notice.startsWith("Die Datei „Ein"));
    EXPECT_TRUE(notice.contains(QChar(0x2026)));
    EXPECT_TRUE(notice.endsWith("Hund.jpg“ wurde nicht gefunden."));
    const QFontMetrics metrics(TimesPixels(15));
    EXPECT_LE(metrics.boundingRect(QRect(0, 0, 241, 1000), Qt::TextWordWrap, notice).height(), 41);
}

TEST_F(OpenWithStart, APictureTooSmallGetsTheSizeNoticeAndNoGameStartDialog) {
    const QString file = WriteJpeg("Klein.jpg", QSize(399, 600));
    QSignalSpy startDialog(changeMode.get(), &QDialog::finished);
    EXPECT_EQ(NoticeOnOpening(file), "Die Bildgröße sollte mindestens 400 x 500 Pixel betragen.");
    EXPECT_EQ(startDialog.count(), 0);
    EXPECT_TRUE(PictureIsMotif);
}

// ---- A picture handed over by a second start ----------------------------------------------

TEST(InstanceChannel, APathSentByASecondStartArrivesThroughAnOwnerOnlySocket) {
    InstanceChannel channel;
    ASSERT_TRUE(channel.Listen());
    const QFileInfo socket(InstanceChannel::SocketPath());
    EXPECT_TRUE(socket.absoluteFilePath().startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    EXPECT_EQ(socket.permissions() &
                  (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
              QFile::Permissions());
    QSignalSpy received(&channel, &InstanceChannel::PictureReceived);
    // The second start waits for the answer, so it runs beside this event loop.
    const QString picture = "/home/spieler/Bilder/Strand am Meer.jpg";
    auto sent =
        std::async(std::launch::async, [picture] { return InstanceChannel::Send(picture); });
    QTRY_COMPARE(received.count(), 1);
    EXPECT_EQ(received.first().first().toString(), picture);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return sent.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }));
    EXPECT_TRUE(sent.get());
}

namespace {

// A client that sends raw bytes over the socket; the channel answers on the event loop.
int ConnectRaw() {
    const QByteArray path = InstanceChannel::SocketPath().toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    EXPECT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    return fd;
}

// Waits, serving the event loop, until the channel has answered and closed; what it said.
QByteArray AnswerOf(int fd) {
    QByteArray answer;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        char buffer[64];
        const ssize_t got = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0)
            answer.append(buffer, qsizetype(got));
        return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }));
    ::close(fd);
    return answer;
}

} // namespace

TEST(InstanceChannel, LinesInPiecesArriveWholeWhileOverlongAndRelativeOnesAreDropped) {
    InstanceChannel channel;
    ASSERT_TRUE(channel.Listen());
    QSignalSpy received(&channel, &InstanceChannel::PictureReceived);

    const int pieces = ConnectRaw();
    ::send(pieces, "/home/spieler/Bil", 17, MSG_NOSIGNAL);
    QTest::qWait(50);
    ::send(pieces, "der/Möwe.jpg\n", 14, MSG_NOSIGNAL);
    EXPECT_EQ(AnswerOf(pieces), "OK\n");
    ASSERT_EQ(received.count(), 1);
    EXPECT_EQ(received.first().first().toString(), "/home/spieler/Bilder/Möwe.jpg");

    const int overlong = ConnectRaw();
    const QByteArray flood(InstanceChannel::MaxMessage + 10, '/');
    ::send(overlong, flood.constData(), std::size_t(flood.size()), MSG_NOSIGNAL);
    EXPECT_EQ(AnswerOf(overlong), "");

    const int relative = ConnectRaw();
    ::send(relative, "Möwe.jpg\n", 10, MSG_NOSIGNAL);
    EXPECT_EQ(AnswerOf(relative), "OK\n");

    ::close(ConnectRaw()); // gone before it said anything
    QTest::qWait(50);
    EXPECT_EQ(received.count(), 1);
}

TEST_F(OpenWithStart, AHandedOverPictureClosesTheOpenDialogAndOpensAsAChoiceWould) {
    const QString picture = WriteJpeg("Strand.jpg", QSize(800, 600));
    TInfoForm info;
    InfoForm = &info;
    PictureHandOver handOver(*form);
    bool infoWasOpen = false;
    bool startDialogShown = false;
    QString loaded;
    ModalDriver::AnswerNext([&](QWidget* modal) {
        infoWasOpen = modal == &info;
        form->showMinimized();
        handOver.Receive(picture);
        EXPECT_FALSE(form->isMinimized());
    });
    // The info dialog closes as if cancelled; the game start dialog follows.
    form->mInfoClick();
    EXPECT_TRUE(infoWasOpen);
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(handOver.Pending(), picture);
    ModalDriver::AnswerNext([&](QWidget* next) {
        startDialogShown = next == changeMode.get();
        loaded = PictureFile;
        QTest::keyClick(next, Qt::Key_Escape);
    });
    QTRY_VERIFY(startDialogShown);
    EXPECT_EQ(loaded, picture);
    EXPECT_TRUE(handOver.Pending().isEmpty());
    InfoForm = nullptr;
}

// ---- A picture dropped from the file manager ----------------------------------------------

namespace {

// Drags `files` over the window and lets them go, as a file manager does; true when the
// window took the drop.
bool Drop(QWidget* window, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    const QPoint at(450, 350);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    return drop.isAccepted();
}

} // namespace

TEST_F(OpenWithStart, ADroppedPictureOpensAsOpenWithWouldAndNotWhileADialogIsOpen) {
    const QString first = WriteJpeg("Erstes.jpg", QSize(800, 600));
    const QString second = WriteJpeg("Zweites.jpg", QSize(800, 600));
    QString loaded;
    ModalDriver::AnswerNext([&](QWidget* modal) {
        if (modal == changeMode.get())
            loaded = PictureFile;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_TRUE(Drop(form.get(), {first, second}));
    QTRY_COMPARE(loaded, first);

    // A folder and a file that is no picture get the notices of "open with".
    for (const QString& file : {folder, QString(folder + "liesmich.txt")}) {
        if (!file.endsWith('/')) {
            QFile text(file);
            ASSERT_TRUE(text.open(QIODevice::WriteOnly));
            text.write("kein Bild");
        }
        QString notice;
        ModalDriver::AnswerNext([&](QWidget* modal) {
            notice = ModalDriver::LabelTexts(modal).join('|');
            QTest::keyClick(modal, Qt::Key_Return);
        });
        EXPECT_TRUE(Drop(form.get(), {file}));
        QTRY_VERIFY(!notice.isEmpty());
        const QString named = QDir::cleanPath(file);
        EXPECT_TRUE(notice.contains(OpenWith::Refusal(named))) << notice.toStdString();
        EXPECT_TRUE(notice.contains(QFileInfo(named).fileName())) << notice.toStdString();
    }

    // While a dialog is open the window takes nothing.
    TInfoForm info;
    InfoForm = &info;
    bool taken = true;
    ModalDriver::AnswerNext([&](QWidget* modal) {
        taken = Drop(form.get(), {second});
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    form->mInfoClick();
    EXPECT_FALSE(taken);
    QCoreApplication::processEvents();
    EXPECT_EQ(PictureFile, first);
    InfoForm = nullptr;
}
