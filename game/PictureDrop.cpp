#include "PictureDrop.h"

#include "OpenWith.h"
#include "TFormPuzzle.h"
#include "VarUnit.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace PictureDrop {

QString FileOf(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return QDir::cleanPath(QFileInfo(url.toLocalFile()).absoluteFilePath());
    return {};
}

bool Accepts(const QMimeData* data) {
    return !DialogOpen && !QApplication::activeModalWidget() && !FileOf(data).isEmpty();
}

void Open(TFormPuzzle& window, const QString& file) {
    QTimer::singleShot(0, &window, [target = QPointer<TFormPuzzle>(&window), file] {
        // A dialog may have opened since the drop; the picture then is not forced on it.
        if (target && !DialogOpen && !QApplication::activeModalWidget())
            OpenWith::Open(*target, file);
    });
}

} // namespace PictureDrop
