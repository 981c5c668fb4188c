#include "tag.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr const char* TagProperty = "ovTag";
}

int GetTag(const QWidget* widget) {
    return widget->property(TagProperty).toInt();
}

void SetTag(QWidget* widget, int tag) {
    widget->setProperty(TagProperty, tag);
}
