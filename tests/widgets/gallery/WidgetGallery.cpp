// Renders every skinned control in each of its looks into PNG files, for looking at the
// artwork as a player would. Usage: widgets_gallery <output folder>

#include "platform/Startup.h"
#include "platform/TessalyApplication.h"
#include "widgets/FormLabels.h"
#include "widgets/WDButton.h"
#include "widgets/WDCheckBox.h"
#include "widgets/WDConfirmDialog.h"
#include "widgets/WDEdit.h"
#include "widgets/WDHorBar.h"
#include "widgets/WDMessageDialog.h"
#include "widgets/WDPanel.h"
#include "widgets/WDScrollBox.h"
#include "widgets/WDTOBU.h"
#include "widgets/WDWinButton.h"

#include <QDir>
#include <QEnterEvent>
#include <QFocusEvent>
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
    // No anti-aliasing: blended edge pixels would carry the key colour into the button.
    QPainter painter(&icon);
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

void Focus(QWidget* widget) {
    QFocusEvent focus(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(widget, &focus);
}

void MoveMouse(QWidget* widget, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, widget->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// Bars at Min, in the middle and at Max; focused; with the mouse over either arrow.
void Bars() {
    QWidget* sheet = Sheet({230, 6 * 22 + 8});
    for (int row = 0; row < 6; ++row) {
        auto* bar = new TWDHorBar(sheet);
        bar->move(5, 5 + row * 22);
        bar->SetBarWidth(220);
        bar->SetPosition(row == 0 ? 0 : row == 2 ? 100 : 50);
        if (row == 3)
            Focus(bar);
        if (row == 4)
            MoveMouse(bar, {8, 8});
        if (row == 5)
            MoveMouse(bar, {212, 8});
    }
    Save(sheet, "horbar");
    delete sheet;
}

void Panels() {
    QWidget* sheet = Sheet({4 * 190 + 10, 170});
    const struct {
        TColour colour;
        int broad;
        bool title;
    } looks[] = {{TColour::cSolid, 10, true},
                 {TColour::cGradient, 10, true},
                 {TColour::cTextur, 3, false},
                 {TColour::cTextur, 6, true}};
    int column = 0;
    for (const auto& look : looks) {
        auto* panel = new TWDPanel(sheet);
        panel->setGeometry(5 + column++ * 190, 5, 180, 160);
        panel->SetColour(look.colour);
        panel->SetBroad(look.broad);
        panel->SetTitleShow(look.title);
        panel->SetTitle("Spielmodus");
    }
    Save(sheet, "panel");
    delete sheet;

    QWidget* boxSheet = Sheet({430, 140});
    auto* box = new TWDScrollBox(boxSheet);
    box->setGeometry(5, 5, 420, 130);
    auto* strip = new QWidget;
    strip->resize(900, 110);
    for (int i = 0; i < 8; ++i) {
        auto* thumb = new QLabel(strip);
        QImage picture(90, 90, QImage::Format_RGB888);
        picture.fill(QColor::fromHsv(i * 40, 120, 200));
        thumb->setPixmap(QPixmap::fromImage(picture));
        thumb->setGeometry(10 + i * 110, 10, 90, 90);
    }
    box->setWidget(strip);
    Save(boxSheet, "scrollbox");
    delete boxSheet;
}

// Edit fields: plain, focused empty, focused with text, selected, centred and bold; then
// the check boxes.
void Edits() {
    QWidget* sheet = Sheet({200, 5 * 32 + 40});
    for (int row = 0; row < 5; ++row) {
        auto* edit = new TWDEdit(sheet);
        edit->move(5, 5 + row * 32);
        edit->SetEditWidth(184);
        if (row != 1)
            edit->SetText("Spieler Äöü");
        if (row >= 1 && row <= 3)
            Focus(edit);
        if (row == 3)
            edit->SetSelected(true);
        if (row == 4) {
            edit->SetCenter(true);
            edit->SetBold(true);
        }
    }
    for (int look = 0; look < 4; ++look) {
        auto* box = new TWDCheckBox(sheet);
        box->move(5 + look * 24, 5 + 5 * 32);
        box->SetChecked(look % 2 == 1);
        if (look >= 2)
            Hover(box);
    }
    Save(sheet, "edit_checkbox");
    delete sheet;
}

// A settings-like section: textured panel, labels, check boxes, bar, edit and buttons,
// to judge whether the pieces belong together.
void Dialog() {
    QWidget* sheet = Sheet({320, 220});
    auto* panel = new TWDPanel(sheet);
    panel->setGeometry(0, 0, 320, 220);
    panel->SetColour(TColour::cTextur);
    panel->SetBroad(3);
    panel->SetTitleShow(false);
    const char* captions[] = {"Sound", "Musik", "Statistik anzeigen"};
    for (int i = 0; i < 3; ++i) {
        auto* box = new TWDCheckBox(panel);
        box->move(20, 20 + i * 26);
        box->SetChecked(i != 1);
        auto* label = new QLabel(captions[i], panel);
        QFont font("Times New Roman");
        font.setPixelSize(15);
        label->setFont(font);
        label->move(44, 18 + i * 26);
    }
    auto* volume = new QLabel("Lautstärke", panel);
    volume->move(20, 104);
    auto* bar = new TWDHorBar(panel);
    bar->move(100, 104);
    bar->SetBarWidth(200);
    bar->SetPosition(70);
    auto* edit = new TWDEdit(panel);
    edit->move(20, 136);
    edit->SetEditWidth(280);
    edit->SetText("Spieler");
    auto* ok = new TWDButton(panel);
    ok->move(120, 180);
    ok->SetCaption("OK");
    auto* cancel = new TWDButton(panel);
    cancel->move(216, 180);
    cancel->SetCaption("Abbrechen");
    MakeLabelsTransparent(panel);
    Save(sheet, "dialog_section");
    delete sheet;
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
    Bars();
    Panels();
    Edits();
    Dialog();
    Boxes();
    return 0;
}
