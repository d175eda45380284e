#include "Startup.h"

#include "ArtResources.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

void PrepareEnvironment() {
    // The window keeps its size in pixels of a 100 % screen on every desktop: a scale of
    // 150 % makes it 1350 x 1050 device pixels, not 1800 x 1400 nor 900 x 700. Qt divides
    // the desktop's dpi by that factor, so points stay at 96 dpi of those pixels and text
    // is drawn at the screen's own resolution.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

void PrepareApplication(QApplication& app) {
    // The name only: a display name would be appended by the window system to every
    // window's title ("Tessaly – Hilfe — Tessaly").
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    // The desktop entry's name, so the desktop matches the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tessaly"));
    // The wooden puzzle piece of the menu, drawn for each size; on a scaled screen the
    // icon takes the size drawn for as many device pixels.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage picture = ArtResources::LoadIcon(size);
        if (!picture.isNull())
            icon.addPixmap(QPixmap::fromImage(picture));
    }
    QApplication::setWindowIcon(icon);

    // The windows ask for these families by name; map them onto metric-compatible fonts
    // so that text never falls back to whatever the font system picks first.
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    QApplication::setFont(font);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char* name : {"qtbase_de", "qt_de"}) {
        auto* translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder))
            QApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace Startup
