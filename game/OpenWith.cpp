#include "OpenWith.h"

#include "TFormPuzzle.h"
#include "platform/AppError.h"
#include "platform/FileNames.h"
#include "platform/PictureFile.h"
#include "platform/RegularFile.h"
#include "widgets/FormStyle.h"
#include "widgets/WDMessageDialog.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace {

// The notice's text label holds two lines; a long name is shortened in the middle so that
// the sentence around it still fits.
constexpr int NameWidth = 130;

QString Sentence(const QString& file, const QString& rest) {
    const QFontMetrics metrics(TimesPixels(15));
    const QString name = metrics.elidedText(FileNames::Displayed(QFileInfo(file).fileName()),
                                            Qt::ElideMiddle, NameWidth);
    return QStringLiteral("Die Datei „%1“ %2").arg(name, rest);
}

} // namespace

namespace OpenWith {

QString PictureArgument(const QStringList& arguments) {
    if (arguments.size() < 2 || arguments[1].isEmpty())
        return {};
    const QString& argument = arguments[1];
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

QString Refusal(const QString& file) {
    // Only a regular file is looked at further: a FIFO or a device is never opened.
    switch (RegularFile::TypeOf(file)) {
    case RegularFile::Type::Missing:
        return Sentence(file, QStringLiteral("wurde nicht gefunden."));
    case RegularFile::Type::Folder:
    case RegularFile::Type::Other:
        return Sentence(file, QStringLiteral("kann nicht gelesen werden."));
    case RegularFile::Type::Regular:
        break;
    }
    // Only the header is read here; the size rules are the main window's.
    try {
        PictureFile::ReadSize(file, PictureFile::KindOf(file));
    } catch (const AppError&) {
        return Sentence(file, QStringLiteral("kann nicht als Bild gelesen werden."));
    }
    return {};
}

void Open(TFormPuzzle& window, const QString& file) {
    const QString refusal = Refusal(file);
    if (!refusal.isEmpty()) {
        WDMessage(QStringLiteral("Information"), refusal);
        return;
    }
    window.OpenPictureFile(file);
}

void OpenWhenRunning(TFormPuzzle& window, const QStringList& arguments) {
    const QString file = PictureArgument(arguments);
    if (file.isEmpty())
        return;
    QTimer::singleShot(0, &window, [target = QPointer<TFormPuzzle>(&window), file] {
        if (target)
            Open(*target, file);
    });
}

} // namespace OpenWith
