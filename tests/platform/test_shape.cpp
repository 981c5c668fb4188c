#include <gtest/gtest.h>

#include <QImage>

#include "shape.h"

namespace {

const QColor kFill(0x20, 0xC0, 0x40);
const QColor kOutline(0xD0, 0x10, 0x90);

QImage Render(int kind, int width, int height) {
    Shape shape;
    shape.SetKind(kind);
    shape.SetFillColour(kFill);
    shape.SetOutlineColour(kOutline);
    shape.resize(width, height);
    return shape.grab().toImage();
}

struct KindCase {
    int kind;
    Shape::Kind expected;
    bool cornerIsOutline;    // the top-left pixel of the figure's box
    bool leftEdgeIsFigure;   // pixel (3, h/2) of a wide widget: outside the square kinds
};

class ShapeKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(ShapeKinds, FigureCoversWhatItsKindCovers) {
    const KindCase c = GetParam();
    const QImage wide = Render(c.kind, 30, 10);
    EXPECT_EQ(wide.pixelColor(15, 5), kFill);
    EXPECT_EQ(wide.pixelColor(3, 5) == kFill, c.leftEdgeIsFigure);
    const QImage square = Render(c.kind, 12, 12);
    EXPECT_EQ(square.pixelColor(0, 0) == kOutline, c.cornerIsOutline);
    EXPECT_EQ(square.pixelColor(6, 6), kFill);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, ShapeKinds,
                         ::testing::Values(KindCase{0, Shape::Rectangle, true, true},
                                           KindCase{1, Shape::Square, true, false},
                                           KindCase{2, Shape::RoundRect, false, true},
                                           KindCase{3, Shape::RoundSquare, false, false},
                                           KindCase{4, Shape::Ellipse, false, true},
                                           KindCase{5, Shape::Circle, false, false},
                                           KindCase{9, Shape::Rectangle, true, true},
                                           KindCase{-1, Shape::Rectangle, true, true}));

TEST(ShapeKind, UnknownKindsFallBackToRectangle) {
    Shape shape;
    for (const KindCase c : {KindCase{4, Shape::Ellipse, false, true}, KindCase{6, Shape::Rectangle, true, true},
                             KindCase{-3, Shape::Rectangle, true, true}}) {
        shape.SetKind(c.kind);
        EXPECT_EQ(shape.ShapeKind(), c.expected) << c.kind;
    }
}

// An LED is a 5 x 5 rectangle whose fill and outline are the same colour:
// all 25 pixels must carry it, none of the widget's background.
TEST(ShapeLed, FiveByFiveRectangleIsPaintedWhole) {
    Shape shape;
    shape.SetFillColour(kFill);
    shape.SetOutlineColour(kFill);
    shape.resize(5, 5);
    const QImage image = shape.grab().toImage();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image.pixelColor(x, y), kFill) << x << "," << y;
    shape.SetFillColour(Qt::black);
    shape.SetOutlineColour(Qt::black);
    EXPECT_EQ(shape.grab().toImage().pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(shape.FillColour(), QColor(Qt::black));
    EXPECT_EQ(shape.OutlineColour(), QColor(Qt::black));
}

}  // namespace
