#pragma once
// Every widget, menu and action of the windows carries the name it is known by (the input
// record's, the tests'), given as it is made: named(new QLabel(parent), "lblTitle").

#include <QString>

#include <string_view>

namespace ui {

template <class T>
T* named(T* object, std::string_view name) {
    object->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return object;
}

}  // namespace ui
