#include "dialogs/TInfoForm.h"
#include "dialogs/TVLMMailLabel.h"
#include "dialogs/TVLMUrlLabel.h"
#include "widgets/WDButton.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Stands in for the browser and the mail program: the desktop hands it every link it is
// asked to open, so no real program starts during the tests.
class LinkCatcher : public QObject {
    Q_OBJECT

public:
    LinkCatcher() {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
    ~LinkCatcher() override {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

// The info window shown (not modally) with its two links.
class InfoFormTest : public testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TInfoForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    std::unique_ptr<TInfoForm> form;
    LinkCatcher catcher;
};

} // namespace

TEST_F(InfoFormTest, LinksShowTheMakersAddressesAsPlainBlueLinks) {
    TVLMUrlLabel* web = form->VLMUrlLabel2;
    TVLMMailLabel* mail = form->VLMMailLabel1;
    EXPECT_TRUE(web->Url().startsWith("http"));
    EXPECT_EQ(web->text(), web->Url());
    EXPECT_EQ(mail->MailAdress(), "mailto:" + mail->text());
    EXPECT_TRUE(mail->text().contains('@'));
    EXPECT_EQ(web->toolTip(), "Velmora-Online...");
    EXPECT_EQ(mail->toolTip(), "Nachricht an Velmora...");
    for (QLabel* link : {static_cast<QLabel*>(web), static_cast<QLabel*>(mail)}) {
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
        EXPECT_FALSE(link->font().underline());
        EXPECT_FALSE(link->autoFillBackground());
        EXPECT_EQ(link->font().pixelSize(), 15);
        // The whole address is visible inside the window, clear of the OK button.
        EXPECT_GE(link->width(), link->fontMetrics().horizontalAdvance(link->text()));
        EXPECT_TRUE(form->rect().contains(link->geometry()));
        EXPECT_FALSE(link->geometry().intersects(form->btnOK->geometry()));
    }
}

TEST_F(InfoFormTest, HoveringUnderlinesAndLeavingRestoresPlain) {
    TVLMUrlLabel* web = form->VLMUrlLabel2;
    // Whatever style the label had, hovering shows underline alone.
    QFont bold = web->font();
    bold.setBold(true);
    web->setFont(bold);

    QTest::mouseMove(web, QPoint(5, 5));
    EXPECT_TRUE(web->Hovered());
    EXPECT_TRUE(web->font().underline());
    EXPECT_FALSE(web->font().bold());
    QTest::mouseMove(web, QPoint(20, 6));
    EXPECT_TRUE(web->font().underline());
    EXPECT_FALSE(form->VLMMailLabel1->font().underline()) << "only the link under the mouse";

    QTest::mouseMove(form->ImageBack, QPoint(200, 40));
    EXPECT_FALSE(web->Hovered());
    EXPECT_FALSE(web->font().underline());

    // Hovering again works the same after leaving.
    QTest::mouseMove(web, QPoint(5, 5));
    EXPECT_TRUE(web->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(web, &leave);
    EXPECT_FALSE(web->font().underline());

    // Closing the window with the mouse still on a link leaves no underline behind.
    QTest::mouseMove(form->VLMMailLabel1, QPoint(5, 5));
    EXPECT_TRUE(form->VLMMailLabel1->font().underline());
    form->hide();
    form->show();
    EXPECT_FALSE(form->VLMMailLabel1->font().underline());
    EXPECT_FALSE(form->VLMMailLabel1->Hovered());
}

TEST_F(InfoFormTest, ClickOpensTheAddressAfterTheLabelsOwnClick) {
    int ownClicks = 0;
    QObject::connect(form->VLMUrlLabel2, &TVLMUrlLabel::OnClick, [&] {
        EXPECT_TRUE(catcher.opened.isEmpty()) << "the label's own click comes first";
        ++ownClicks;
    });
    Click(form->VLMUrlLabel2);
    EXPECT_EQ(ownClicks, 1);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl(form->VLMUrlLabel2->Url()));

    Click(form->VLMMailLabel1);
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[1].scheme(), "mailto");
    EXPECT_EQ(catcher.opened[1].path(), form->VLMMailLabel1->text());
    EXPECT_TRUE(form->isVisible()) << "opening a link leaves the window open";
}

TEST_F(InfoFormTest, OnlyALeftPressAndReleaseOnTheLinkOpensIt) {
    TVLMUrlLabel* web = form->VLMUrlLabel2;
    QTest::mousePress(web, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(5, -30));
    QTest::mouseClick(web, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(catcher.opened.isEmpty());

    // A changed address is what opens.
    web->SetUrl("https://example.net/puzzle");
    Click(web);
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl("https://example.net/puzzle"));
}

TEST_F(InfoFormTest, OkEnterAndEscapeCloseTheModalWindow) {
    form->hide();
    for (const int way : {0, 1, 2}) {
        QTimer::singleShot(0, [&] {
            auto* shown = qobject_cast<TInfoForm*>(QApplication::activeModalWidget());
            ASSERT_EQ(shown, form.get());
            if (way == 0)
                Click(shown->btnOK);
            else
                QTest::keyClick(shown, way == 1 ? Qt::Key_Return : Qt::Key_Escape);
            if (shown->isVisible()) {
                ADD_FAILURE() << "way " << way << " left the window open";
                shown->done(QDialog::Rejected);
            }
        });
        form->exec();
    }
    EXPECT_TRUE(catcher.opened.isEmpty());
}

TEST_F(InfoFormTest, BorderlessFixedWindowWithItsLayout) {
    EXPECT_EQ(form->size(), QSize(420, 300));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(form->isModal());
    EXPECT_EQ(form->windowTitle(), "Information");
    EXPECT_EQ(form->VLMMailLabel1->pos(), QPoint(74, 241));
    EXPECT_EQ(form->VLMUrlLabel2->pos(), QPoint(82, 260));
    EXPECT_EQ(form->btnOK->geometry(), QRect(304, 248, 84, 26));
    EXPECT_TRUE(form->btnOK->Default());
    EXPECT_TRUE(form->btnOK->Cancel());
    EXPECT_EQ(form->ImageBack->pixmap().size(), QSize(420, 300));
    EXPECT_FALSE(form->ImageBack->autoFillBackground());
}

#include "TInfoFormTest.moc"
