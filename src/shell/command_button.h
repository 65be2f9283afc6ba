#pragma once

#include <QPushButton>

namespace pictolex {

// A push button with a drawn face colour and a caption that wraps onto more lines. It is never a
// default button, yet Enter presses it while it holds the focus, as the space bar does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, const QColor& face, QWidget* parent);
    QColor faceColor() const;
    // The caption as given; the face shows it broken into lines that fit the button.
    QString caption() const { return caption_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void wrapCaption();

    QString caption_;
};

// Breaks text at blanks into lines no wider than width, as far as the words allow.
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width);

} // namespace pictolex
