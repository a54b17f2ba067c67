#include "chrome/label_menu_bar.h"
#include "chrome/window/label_bar_view.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void send(QWidget* w, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(5, 5);
    QMouseEvent event(type, at, w->mapToGlobal(at), button,
                      type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

QImage blank(QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// The label as it paints itself, at a device pixel ratio.
QImage onScreen(QLabel* label, qreal ratio)
{
    QImage image = blank(label->size(), ratio);
    label->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Text drawn as a label with the label's font and colours draws it, in a
// rectangle of the given size.
QImage drawn(const QLabel* label, QSize size, const QString& text, int flags, qreal ratio)
{
    QImage image = blank(size, ratio);
    QPainter painter(&image);
    painter.setFont(label->font());
    label->style()->drawItemText(&painter, QRect(QPoint(), size), flags, label->palette(), true, text,
                                 QPalette::WindowText);
    return image;
}

// The rows that carry ink.
int inkHeight(const QImage& image)
{
    int first = -1, last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                first = first < 0 ? y : first;
                last = y;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

const QStringList kShown = {"文件(F)", "控制(C)", "音频(A)", "图像(T)", "选项(X)", "列表(L)", "帮助(H)"};

} // namespace

TEST(LabelBarView, LabelsSitAtTheirDesignedPlaces)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
        EXPECT_EQ(view.label(i)->geometry(), QRect(8 + 56 * i, 4, 57, 13)) << i;
        EXPECT_EQ(view.label(i)->text(), kShown[i]);
    }
}

// The whole caption is drawn with its access key underlined, and it fits
// its label: nothing of it is cut off, at 1x nor at 2x.
TEST(LabelBarView, CaptionsShowTheirAccessKeyAndFit)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    for (qreal ratio : {1.0, 2.0}) {
        for (int i = 0; i < LabelMenuBar::kLabels; ++i) {
            QLabel* label = view.label(i);
            const int flags = int(label->alignment());
            const QImage shown = onScreen(label, ratio);
            EXPECT_EQ(shown, drawn(label, label->size(), LabelMenuBar::caption(i),
                                   flags | Qt::TextShowMnemonic, ratio))
                << i << " at " << ratio;
            const QImage plain = drawn(label, label->size(), kShown[i], flags, ratio);
            EXPECT_NE(shown, plain) << "no underline: " << i << " at " << ratio;
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(kShown[i]), label->width()) << i;
            const QSize tall(label->width(), label->height() * 3);
            EXPECT_EQ(inkHeight(plain), inkHeight(drawn(label, tall, kShown[i], flags, ratio)))
                << "cut off: " << i << " at " << ratio;
        }
    }
}

TEST(LabelBarView, PointerAndButtonsReachTheBar)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    QList<int> popped;
    int sorts = 0;
    bar.popupMenu.connect(qApp, [&](int i, QPointF) { popped << i; });
    bar.popupSortMenu.connect(qApp, [&] { ++sorts; });

    send(view.label(3), QEvent::MouseMove, Qt::NoButton);
    EXPECT_TRUE(bar.highlightVisible());
    EXPECT_EQ(bar.highlightPlace().left, 120 + 840 * 3 - 50);
    send(view.label(2), QEvent::MouseButtonRelease, Qt::LeftButton);
    send(view.label(5), QEvent::MouseButtonRelease, Qt::RightButton);
    send(view.label(4), QEvent::MouseButtonRelease, Qt::RightButton);
    EXPECT_EQ(popped, QList<int>{2});
    EXPECT_EQ(sorts, 1);
}

TEST(LabelBarView, AssistiveTechnologiesSeeButtonsThatOpenTheMenus)
{
    QWidget window;
    LabelMenuBar bar;
    LabelBarView view(bar, &window);
    QList<int> popped;
    bar.popupMenu.connect(qApp, [&](int i, QPointF) { popped << i; });

    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(view.label(6));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->role(), QAccessible::Button);
    EXPECT_EQ(label->text(QAccessible::Name), "帮助(H)");
    EXPECT_EQ(label->text(QAccessible::Accelerator), "Alt+H");
    EXPECT_TRUE(label->state().hasPopup);
    ASSERT_NE(label->actionInterface(), nullptr);
    for (int i = 0; i < LabelMenuBar::kLabels; ++i)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(view.label(i))->text(QAccessible::Name),
                  kShown[i]);
    label->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(popped, QList<int>{6});
    EXPECT_TRUE(bar.highlightVisible());
    EXPECT_EQ(bar.highlightColour(), LabelMenuBar::pressedColour());
}
