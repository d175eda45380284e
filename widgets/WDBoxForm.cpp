#include "WDBoxForm.h"

#include "DialogKeys.h"
#include "FormLabels.h"
#include "FormStyle.h"
#include "WDSkin.h"
#include "WindowDrag.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace {} // namespace

TWDBoxForm::TWDBoxForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setFixedSize(280, 140);
    QFont formFont(QStringLiteral("Tahoma"));
    formFont.setPointSize(8);
    setFont(formFont);

    ImageBack = new QLabel(this);
    ImageBack->setGeometry(0, 0, 280, 140);
    ImageBack->setPixmap(QPixmap::fromImage(WDSkin::Load(QStringLiteral("WMSG_BACK"))));

    // The text is never measured: what does not fit into the two lines is cut off at the
    // label's lower edge. Plain text, so a file name can never be taken for markup.
    TextLabel = new QLabel(this);
    TextLabel->setGeometry(18, 40, 241, 41);
    TextLabel->setTextFormat(Qt::PlainText);
    TextLabel->setWordWrap(true);
    TextLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    TextLabel->setFont(TimesPixels(15, false));
    QPalette textPalette = TextLabel->palette();
    textPalette.setColor(QPalette::WindowText, Qt::black);
    TextLabel->setPalette(textPalette);

    CapLabel = new QLabel(this);
    CapLabel->setGeometry(84, 5, 108, 17);
    CapLabel->setTextFormat(Qt::PlainText);
    CapLabel->setWordWrap(true);
    CapLabel->setAlignment(Qt::AlignCenter);
    CapLabel->setFont(TimesPixels(16, true));
    QPalette capPalette = CapLabel->palette();
    capPalette.setColor(QPalette::WindowText, WDSkin::TextLight);
    CapLabel->setPalette(capPalette);

    // The box has no title bar; it is dragged by its background and caption plate.
    WindowDrag::Install(ImageBack);
    WindowDrag::Install(CapLabel);

    // Centred on the desktop, not on the calling window.
    CentreOnDesktop(this);
}

void TWDBoxForm::FormCreate() {
    MakeLabelsTransparent(this);
    DialogKeys::Install(this);
}

void TWDBoxForm::SetTexts(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    CapLabel->setText(caption);
    TextLabel->setText(text);
}

void TWDBoxForm::reject() {
    done(SecondButton);
}
