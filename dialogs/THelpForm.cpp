#include "THelpForm.h"

#include "widgets/FormStyle.h"
#include "widgets/WDMessageDialog.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
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
    // One title for every page of the help, so the task bar names the window the same way.
    setWindowTitle(QStringLiteral("Tessaly – Hilfe"));
}

// Escape reaches the window from the browser, which leaves the key alone.
void THelpForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The first showing stands over the middle of the main window; later ones leave the window
// where the player put it.
void THelpForm::CentreOn(const QWidget* window) {
    if (!window) {
        CentreOnDesktop(this);
        return;
    }
    move(window->frameGeometry().center() - rect().center());
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
    if (!current) {
        current = new THelpForm(parent);
        current->CentreOn(parent ? parent->window() : nullptr);
    }
    current->Browser->setSearchPaths({file.absolutePath()});
    current->Browser->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    current->show();
    current->raise();
    current->activateWindow();
}
