// Renders every skinned control in each of its looks into PNG files, for looking at the
// artwork as a player would. Usage: widgets_gallery <output folder>

#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "widgets/WDButton.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDTOBU.h"
#include "widgets/WDWinButton.h"

#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

namespace {

QString folder;

void Save(QWidget* widget, const QString& name) {
    const QString path = folder + "/" + name + ".png";
    widget->grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// A background like the dialogs' panels, so transparent pixels show what they show there.
QWidget* Sheet(QSize size) {
    auto* sheet = new QLabel;
    QImage back(size, QImage::Format_RGB888);
    back.fill(QColor(160, 112, 60));
    sheet->setPixmap(QPixmap::fromImage(back));
    sheet->resize(size);
    return sheet;
}

void Hover(QWidget* widget) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &enter);
}

void Press(QWidget* widget) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

QImage SampleIcon() {
    QImage icon(24, 24, QImage::Format_RGB888);
    icon.fill(QColor(255, 0, 255));
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(240, 225, 179), 2));
    painter.setBrush(QColor(201, 162, 74));
    painter.drawEllipse(QRectF(4, 4, 16, 16));
    return icon;
}

// One row per look: normal, mouse over, pressed, disabled, downed.
template <typename Button, typename Setup>
void ButtonRow(const QString& name, QSize cell, Setup setup, bool hasDowned) {
    const int looks = hasDowned ? 5 : 4;
    QWidget* sheet = Sheet(QSize(cell.width() * looks + 10, cell.height() + 10));
    for (int look = 0; look < looks; ++look) {
        auto* button = new Button(sheet);
        setup(button);
        button->move(5 + look * cell.width(), 5);
        if (look == 1)
            Hover(button);
        if (look == 2) {
            Hover(button);
            Press(button);
        }
        if (look == 3)
            button->SetEnabled(false);
        if constexpr (requires { button->SetDowned(true); }) {
            if (look == 4)
                button->SetDowned(true);
        }
    }
    Save(sheet, name);
    delete sheet;
}

void Buttons() {
    const struct {
        TStyle style;
        QSize cell;
        const char* name;
    } styles[] = {{TStyle::s84x26, {90, 30}, "button_84x26"},
                  {TStyle::s110x32, {116, 36}, "button_110x32"},
                  {TStyle::s100x80, {106, 84}, "button_100x80"}};
    for (const auto& style : styles) {
        ButtonRow<TWDButton>(
            style.name, style.cell,
            [&](TWDButton* button) {
                button->SetStyle(style.style);
                button->SetCaption(style.style == TStyle::s100x80 ? "Puzzle" : "Abbrechen");
            },
            true);
    }
    ButtonRow<TWDWinButton>(
        "winbutton_close", {24, 24}, [](TWDWinButton*) {}, false);
    ButtonRow<TWDWinButton>(
        "winbutton_min", {24, 24},
        [](TWDWinButton* button) { button->SetButtonType(TButtonType::btMinimize); }, false);
    ButtonRow<TWDToBu>(
        "toolbutton", {34, 34}, [](TWDToBu* button) { button->SetPicIdle(SampleIcon()); }, true);
}

void Boxes() {
    TWDMessageForm message;
    message.SetTexts("Information", "Die Bildgröße sollte mindestens 400 x 500 Pixel betragen.");
    message.btnOK->SetCaption("OK");
    Save(&message, "box_message");

    TWDConfirmForm confirm;
    confirm.SetTexts("Information", "Es wurde noch keine Bild geöffnet.\nMöchten Sie jetzt ein "
                                    "Motiv wählen?");
    confirm.btnOK->SetCaption("Ja");
    confirm.btnCancel->SetCaption("Nein");
    Save(&confirm, "box_confirm");

    TWDConfirmForm longText;
    longText.SetTexts("Bestätigung", QString("Sollen die gewählten Kategorien wirklich "
                                             "gelöscht werden? ")
                                         .repeated(3));
    longText.btnOK->SetCaption("Ja");
    longText.btnCancel->SetCaption("Nein");
    Save(&longText, "box_confirm_long");
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    if (argc != 2) {
        std::fprintf(stderr, "usage: widgets_gallery <output folder>\n");
        return 2;
    }
    folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    Buttons();
    Boxes();
    return 0;
}
