#include "shape.h"

#include <QPainter>

#include <algorithm>

Shape::Shape(QWidget* parent) : QWidget(parent) {}

void Shape::SetKind(int kind) {
    kind_ = (kind >= Rectangle && kind <= Circle) ? static_cast<Kind>(kind) : Rectangle;
    update();
}

void Shape::SetFillColour(const QColor& colour) {
    if (colour == fill_)
        return;
    fill_ = colour;
    update();
}

void Shape::SetOutlineColour(const QColor& colour) {
    if (colour == outline_)
        return;
    outline_ = colour;
    update();
}

// The square kinds keep to the largest centred square; the pen runs along
// the inside of the figure so a 5 x 5 LED stays 5 x 5.
QRectF Shape::Figure() const {
    QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind_ == Square || kind_ == RoundSquare || kind_ == Circle) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    return r;
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(outline_, 1));
    painter.setBrush(fill_);
    const QRectF figure = Figure();
    switch (kind_) {
    case Rectangle:
    case Square:
        painter.drawRect(figure);
        break;
    case RoundRect:
    case RoundSquare: {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(figure.width(), figure.height()) / 4;
        painter.drawRoundedRect(figure, radius, radius);
        break;
    }
    case Ellipse:
    case Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(figure);
        break;
    }
}
