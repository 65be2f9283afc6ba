#pragma once

#include <QPushButton>

namespace pictolex {

// A push button with a drawn face colour. It is never a default button, yet Enter presses it
// while it holds the focus, as the space bar does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& text, const QColor& face, QWidget* parent);
    QColor faceColor() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace pictolex
