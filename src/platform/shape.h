#pragma once

#include <QColor>
#include <QWidget>

// A small painted figure, the stand-in for an LED: one of six kinds,
// filled and outlined in a colour of its own.
class Shape : public QWidget {
    Q_OBJECT
public:
    // In the toolkit's order; 0 is the rectangle.
    enum Kind { Rectangle = 0, Square, RoundRect, RoundSquare, Ellipse, Circle };

    explicit Shape(QWidget* parent = nullptr);

    // Kinds outside the six draw as a rectangle.
    void SetKind(int kind);
    Kind ShapeKind() const { return kind_; }
    void SetFillColour(const QColor& colour);
    void SetOutlineColour(const QColor& colour);
    QColor FillColour() const { return fill_; }
    QColor OutlineColour() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRectF Figure() const;

    Kind kind_ = Rectangle;
    QColor fill_ = Qt::white;
    QColor outline_ = Qt::black;
};
