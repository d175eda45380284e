#include "widgets/WDStyle.h"
#include "ModalDriver.h"
#include "WidgetProbe.h"
#include "platform/ArtResources.h"
#include "platform/TessalyApplication.h"
#include "widgets/WDSkin.h"
#include "widgets/WDTOBU.h"

#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

// The average colour of the dark wood the tooltips and boxes are laid on.
QColor WoodAverage() {
    const QImage wood = ArtResources::LoadArt(QStringLiteral("WOOD_DARK"));
    if (wood.isNull())
        return TWDStyle::DarkWood;
    const QImage one = wood.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return one.pixelColor(0, 0);
}

// Average of a rectangle of the picture.
QColor Average(const QImage& image, const QRect& area) {
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            red += colour.red();
            green += colour.green();
            blue += colour.blue();
            ++count;
        }
    return QColor(red / count, green / count, blue / count);
}

bool Near(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

int CountNear(const QImage& image, const QColor& colour, int tolerance) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Near(image.pixelColor(x, y), colour, tolerance);
    return count;
}

// The same picture but for the rounding of a turned drawing.
bool Alike(const QImage& drawn, const QImage& art) {
    if (drawn.size() != art.size())
        return false;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            if (!Near(drawn.pixelColor(x, y), art.pixelColor(x, y), 4))
                return false;
    return true;
}

QWidget* ShownTip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    return nullptr;
}

class WoodenLook : public testing::Test {
protected:
    static void SetUpTestSuite() { TWDStyle::Install(); }
};

} // namespace

TEST_F(WoodenLook, ATooltipShowsOnDarkWoodWithLightTimesTextAndAGoldenBorder) {
    QWidget form;
    form.resize(300, 120);
    auto* button = new TWDToBu(&form);
    button->setGeometry(20, 20, 30, 30);
    button->setToolTip(QStringLiteral("Motiv öffnen (Alt+M)"));
    WidgetProbe::ShowWindow(&form);

    // The tooltip event the window system sends when the mouse rests on the button.
    QHelpEvent rest(QEvent::ToolTip, QPoint(15, 15), button->mapToGlobal(QPoint(15, 15)));
    QApplication::sendEvent(button, &rest);
    QWidget* tip = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] { return (tip = ShownTip()) != nullptr; }, 3000));
    EXPECT_EQ(static_cast<QLabel*>(tip)->text(), "Motiv öffnen (Alt+M)");
    EXPECT_EQ(tip->font().family(), "Times New Roman");

    const QImage shot = tip->grab().toImage();
    ASSERT_GT(shot.width(), 60);
    ASSERT_GT(shot.height(), 16);
    // The border is golden all round, the margin inside it dark wood.
    for (QPoint edge : {QPoint(0, shot.height() / 2), QPoint(shot.width() - 1, shot.height() / 2),
                        QPoint(shot.width() / 2, 0), QPoint(shot.width() / 2, shot.height() - 1)})
        EXPECT_EQ(shot.pixelColor(edge), TWDStyle::TipBorder) << edge.x() << "," << edge.y();
    const QColor margin = Average(shot, QRect(3, 2, shot.width() - 6, 2));
    EXPECT_TRUE(Near(margin, WoodAverage(), 24)) << margin.name().toStdString();
    // The letters are drawn in the light text colour.
    EXPECT_GT(CountNear(shot, WDSkin::TextLight, 12), 30);
    QToolTip::hideText();
}

TEST_F(WoodenLook, TheFrameworkErrorBoxIsWoodenWithTheProgramsFontsAndGermanButtons) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Tessaly"),
                    QStringLiteral("Die Datei tessaly.dat kann nicht geschrieben werden."),
                    QMessageBox::Ok | QMessageBox::Cancel);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QStringList captions;
    for (QPushButton* button : box.findChildren<QPushButton*>())
        captions << button->text().remove('&');
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Abbrechen", "OK"}));

    const QImage shot = box.grab().toImage();
    EXPECT_TRUE(Near(Average(shot, QRect(2, 2, 6, 6)), WoodAverage(), 24));
    // The text: Times New Roman in the light colour.
    QLabel* text = nullptr;
    for (QLabel* label : box.findChildren<QLabel*>())
        if (label->text().contains("tessaly.dat"))
            text = label;
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->font().family(), "Times New Roman");
    EXPECT_EQ(text->palette().color(QPalette::WindowText), WDSkin::TextLight);
    EXPECT_GT(CountNear(text->grab().toImage(), WDSkin::TextLight, 12), 30);
    // The buttons wear the skinned buttons' wood.
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ASSERT_EQ(ok->size(), QSize(84, 26));
    EXPECT_EQ(WidgetProbe::DrawnState(ok, "WOB_", "", QPoint(6, 13)), "NORM");
    EXPECT_EQ(ok->font().family(), "Times New Roman");

    // A button added while the box shows letters the same.
    QPushButton* retry = box.addButton(QStringLiteral("Wiederholen"), QMessageBox::AcceptRole);
    QTest::qWait(20);
    EXPECT_EQ(retry->font().family(), "Times New Roman");
    EXPECT_TRUE(retry->font().bold());
}

// What the program's central error report shows is that box, and Enter closes it.
TEST_F(WoodenLook, TheCentralErrorReportUsesTheWoodenBox) {
    QString shownText;
    QColor background;
    ModalDriver::AnswerNext([&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shownText = box->text();
            background = Average(box->grab().toImage(), QRect(2, 2, 6, 6));
        }
        QTest::keyClick(modal, Qt::Key_Return);
    });
    TessalyApplication::ShowError(QStringLiteral("Drucken ist fehlgeschlagen."));
    EXPECT_EQ(shownText, "Drucken ist fehlgeschlagen.");
    EXPECT_TRUE(Near(background, WoodAverage(), 24)) << background.name().toStdString();
}

TEST_F(WoodenLook, ScrollBarsAndPopupMenusWearTheWood) {
    QListWidget list;
    for (int row = 0; row < 40; ++row)
        list.addItem(QStringLiteral("Zeile %1").arg(row));
    list.resize(160, 120);
    WidgetProbe::ShowWindow(&list);
    QScrollBar* bar = list.verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->width(), 16);
    // At the top the upper arrow is the bar's disabled left arrow turned upright; the
    // lower one its right arrow.
    const QImage shot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QTransform upright = QTransform().rotate(90);
    const QImage up = ArtResources::LoadSkin("WHB_LPOINTDISABLE").transformed(upright);
    const QImage down = ArtResources::LoadSkin("WHB_RPOINTNORM").transformed(upright);
    EXPECT_TRUE(Alike(shot.copy(0, 0, 16, 16), up));
    EXPECT_TRUE(Alike(shot.copy(0, shot.height() - 16, 16, 16), down));
    // The thumb is golden.
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    const QRect slider = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                      QStyle::SC_ScrollBarSlider, bar);
    const QColor gold = shot.pixelColor(slider.left() + 4, slider.top() + 3);
    EXPECT_GT(gold.red(), 150) << gold.name().toStdString();
    EXPECT_GT(gold.red(), gold.blue() + 60) << gold.name().toStdString();

    // A popup menu: dark wood inside a golden rim, light text, a golden bar under the pointer.
    QMenu menu;
    menu.addAction(QStringLiteral("Als Puzzle-Motiv öffnen"));
    QAction* disabled = menu.addAction(QStringLiteral("In die Favoriten aufnehmen"));
    disabled->setEnabled(false);
    menu.popup(QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    EXPECT_EQ(menu.font().family(), "Times New Roman");
    const QImage drawn = menu.grab().toImage();
    EXPECT_EQ(drawn.pixelColor(0, drawn.height() / 2), TWDStyle::TipBorder);
    const QRect first = menu.actionGeometry(menu.actions().first());
    EXPECT_TRUE(
        Near(Average(drawn, QRect(first.right() - 12, first.top() + 2, 8, 4)), WoodAverage(), 24));
    EXPECT_GT(CountNear(drawn.copy(first), WDSkin::TextLight, 12), 30);
    menu.setActiveAction(menu.actions().first());
    const QImage lit = menu.grab().toImage();
    EXPECT_EQ(lit.pixelColor(first.right() - 8, first.top() + 2), TWDStyle::TipBorder);
    menu.close();
}
