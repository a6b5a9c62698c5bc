#pragma once
// The application's own identity: title, version and brand line.

#include <QString>

namespace ui {

inline const QString kAppTitle = QStringLiteral("Umbralion 2001");

// "major.minor.revision" from the build's version numbers.
inline QString versionNumber() {
    return QStringLiteral("%1.%2.%3")
        .arg(UMBRALION_VERSION_MAJOR)
        .arg(UMBRALION_VERSION_MINOR)
        .arg(UMBRALION_VERSION_PATCH);
}

// The makers' line of the splash and about windows.
inline const QString kMakersLine = QStringLiteral("Freeware by the Umbralion authors");

// The brand text printed at the top of every page.
inline QString brandText() {
    return QStringLiteral("Umbralion ") + versionNumber() + QStringLiteral(" by the Umbralion authors");
}

}  // namespace ui
