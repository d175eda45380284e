// Renders what the program shows on the desktop besides its own windows into PNG files: a
// tooltip over the tool bar, a framework error box, the top bar with its title plate, the
// program's own help window with its wooden scroll bar, and the window icon at every size. Usage:
// desktop_gallery <output folder>

#include "dialogs/THelpForm.h"
#include "game/TFormPuzzle.h"
#include "game/VarUnit.h"
#include "platform/ArtResources.h"
#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "widgets/WDStyle.h"
#include "widgets/WDTOBU.h"
#include "widgets/WDWinButton.h"

#include <QDir>
#include <QHelpEvent>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QString folder;

void Save(const QImage& image, const QString& name) {
    const QString path = folder + "/" + name + ".png";
    image.save(path);
    std::printf("%s\n", qPrintable(path));
}

QWidget* ShownTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

// The main window's top bar with the tooltip of a tool button drawn where it appears.
void TopBarWithTip(TFormPuzzle& window, QWidget* button, const QString& name) {
    const QPoint inside(15, 15);
    QHelpEvent help(QEvent::ToolTip, inside, button->mapToGlobal(inside));
    QApplication::sendEvent(button, &help);
    QTest::qWait(50);
    QWidget* tip = ShownTip();
    if (!tip)
        return;
    QImage image = window.grab(QRect(0, 0, 900, 140)).toImage();
    QPainter painter(&image);
    painter.drawPixmap(tip->pos() - window.pos(), tip->grab());
    painter.end();
    Save(image, name);
    Save(tip->grab().toImage(), name + "_alone");
    tip->hide();
}

void ErrorBox() {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessaly"),
                    QStringLiteral("Die Datei /home/spieler/Dokumente/Tessaly/tessaly.dat kann "
                                   "nicht geschrieben werden."),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.show();
    QTest::qWait(20);
    Save(box.grab().toImage(), "error_box");
}

void TitleZoom(TFormPuzzle& window) {
    const QImage top = window.grab(QRect(300, 0, 320, 62)).toImage();
    Save(top.scaled(top.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation), "title_zoom");
    // As seen from a distance: a quarter of the size, smoothed.
    Save(window.grab(QRect(0, 0, 900, 62)).toImage().scaledToWidth(300, Qt::SmoothTransformation),
         "title_far");
}

void Icons() {
    const int sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
    int width = 0;
    for (int size : sizes)
        width += size <= 64 ? size * 5 + 15 : size + 10;
    // Each size as it is, and magnified four times (up to 64), on light and dark ground.
    QImage sheet(width + 10, 2 * (256 + 20), QImage::Format_RGB32);
    sheet.fill(QColor(236, 236, 236));
    QPainter painter(&sheet);
    painter.fillRect(0, 276, sheet.width(), 276, QColor(40, 40, 48));
    int x = 10;
    for (int size : sizes) {
        const QImage icon = ArtResources::LoadIcon(size);
        for (int row : {0, 276}) {
            painter.drawImage(x, row + 10, icon);
            if (size <= 64)
                painter.drawImage(QRect(x + size + 5, row + 10, size * 4, size * 4), icon);
        }
        x += size <= 64 ? size * 5 + 15 : size + 10;
    }
    painter.end();
    Save(sheet, "icons");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window starts as the program does, in a throw-away home.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    TWDStyle::Install();
    if (argc != 2) {
        std::fprintf(stderr, "usage: desktop_gallery <output folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    TFormPuzzle window;
    window.FormCreate();
    window.move(0, 0);
    window.show();
    QTest::qWait(50);
    TopBarWithTip(window, window.mOpen, "tooltip_toolbar");
    TopBarWithTip(window, window.wbClose, "tooltip_caption");
    TitleZoom(window);
    ErrorBox();
    THelpForm::ShowHelp(HelpFileName, &window);
    if (THelpForm* help = THelpForm::Current()) {
        QTest::qWait(50);
        Save(help->grab().toImage(), "help_window");
    }
    Icons();
    return 0;
}
