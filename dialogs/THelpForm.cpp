#include "THelpForm.h"

#include "widgets/WDMessageDialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QPointer<THelpForm> current;

} // namespace

THelpForm::THelpForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    resize(800, 600);
    Browser = new QTextBrowser(this);
    // Pages of the help open here; web and mail addresses go to the desktop.
    Browser->setOpenLinks(true);
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Browser);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = Browser->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Tessaly – Hilfe") : title);
    });
}

THelpForm* THelpForm::Current() {
    return current.data();
}

void THelpForm::ShowHelp(const QString& helpFile, QWidget* parent) {
    const QFileInfo file(helpFile);
    if (!file.isFile() || !file.isReadable()) {
        WDMessage(QStringLiteral("Information"),
                  QStringLiteral("Die Hilfedatei wurde nicht gefunden!"));
        return;
    }
    if (!current)
        current = new THelpForm(parent);
    current->Browser->setSearchPaths({file.absolutePath()});
    current->Browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    current->show();
    current->raise();
    current->activateWindow();
}
