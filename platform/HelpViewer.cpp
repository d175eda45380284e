#include "HelpViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace HelpViewer {

void Show(const QString& helpFile) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(helpFile));
}

} // namespace HelpViewer
