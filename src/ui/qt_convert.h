#pragma once
// Conversions between the core's plain types and Qt's.

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

#include "numeric/palette.h"

namespace ui {

inline QColor toQColor(numeric::Colour c) {
    return QColor(numeric::red(c), numeric::green(c), numeric::blue(c));
}

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace ui
