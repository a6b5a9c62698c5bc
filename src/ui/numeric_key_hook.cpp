#include "ui/numeric_key_hook.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

NumericKeyHook::NumericKeyHook(Filter filter, QObject* parent)
    : QObject(parent), filter_(std::move(filter)) {}

bool NumericKeyHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    std::int16_t code = 0;
    const QString text = key->text();
    if (key->key() == Qt::Key_Backspace) {
        code = 8;
    } else if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127) {
        // Characters beyond ASCII are handed over as a code the filter refuses.
        code = text.at(0).unicode() < 128 ? static_cast<std::int16_t>(text.at(0).unicode())
                                          : std::int16_t{-1};
    } else {
        return false;
    }
    const std::int16_t kept = filter_(code);
    if (kept == 0) return true;          // dropped (the filter has beeped)
    if (kept == code) return false;      // typed as it is
    if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->isReadOnly())
        box->insert(QString(QChar(kept)));
    return true;
}

}  // namespace ui
