#pragma once

#include <QLabel>

namespace pictolex {

// A label with a caption whose Change is raised, inside the assignment, only when the text
// really changes; an opaque or transparent background; and an optional width that follows
// the text, its left edge staying put.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& color);
    QColor foreColor() const;
    void setForeColor(const QColor& color);
    bool isTransparent() const { return !autoFillBackground(); }
    void setTransparent(bool transparent);
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    bool autoSize() const { return autoSize_; }

Q_SIGNALS:
    void Change();
    void Click();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor back_;
    bool autoSize_ = false;
    bool pressed_ = false;
};

// A label as the windows lay them out: named, captioned, in its font and colours, aligned and
// centred upright. An invalid back colour leaves the background transparent.
Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                 const QColor& fore, const QColor& back, Qt::Alignment alignment);

} // namespace pictolex
