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
    // Pixel sizes are pixel sizes and points are taken at 96 dpi on every screen.
    qputenv("QT_FONT_DPI", "96");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
}

void PrepareApplication(QApplication& app) {
    // The name only: a display name would be appended by the window system to every
    // window's title ("Tessaly – Hilfe — Tessaly").
    QApplication::setApplicationName(QStringLiteral("Tessaly"));
    // The desktop entry's name, so the desktop matches the windows to the menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tessaly"));
    // The wooden puzzle piece of the menu, drawn for each size.
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
