#include "shell/command_button.h"

#include <QKeyEvent>

namespace pictolex {

CommandButton::CommandButton(const QString& text, const QColor& face, QWidget* parent)
    : QPushButton(text, parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    QPalette p = palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    setPalette(p);
}

QColor CommandButton::faceColor() const { return palette().color(QPalette::Button); }

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace pictolex
