// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tile.h"

#include "board/accessible_text.h"
#include "controls/accessible_role.h"

#include <QKeyEvent>
#include <QPainter>
#include <cmath>

namespace pictolex {

namespace {

// A tile as a screen reader finds it: a button, as it is chosen, named by its picture and word
// and described by whether its word is matched. The name is read afresh each time it is asked
// for, and no change of it is told: a deal renames every tile at once, which would flood a
// screen reader, and one does not speak a renamed tile anyway.
class TileAccessible : public QAccessibleWidget {
public:
    explicit TileAccessible(QWidget* tile) : QAccessibleWidget(tile, QAccessible::Button) {}
    QString text(QAccessible::Text kind) const override {
        const auto& tile = static_cast<const Tile&>(*widget());
        if (kind == QAccessible::Name)
            return tileName(tile.tag(), tile.word(), tile.isPicked());
        if (kind == QAccessible::Description)
            return matchedName(!tile.isDraggable());
        return QAccessibleWidget::text(kind);
    }
};

} // namespace

Tile::Tile(int index, QString word, QWidget* parent)
    : Picture(parent), index_(index), word_(std::move(word)) {
    installAccessibleInterface<Tile, TileAccessible>();
    setObjectName(QStringLiteral("img(%1)").arg(index));
    setFocusPolicy(Qt::TabFocus);
}

void Tile::setContents(const QString& tag, const QImage& picture) {
    tag_ = tag;
    setImage(picture);
}

void Tile::setPicked(bool picked) {
    if (picked_ == picked)
        return;
    picked_ = picked;
    update();
}

void Tile::placeWithRoom(const QRect& target, const QRect& picture) {
    setGeometry(target);
    picture_ = picture.translated(-target.topLeft());
    update();
}

// The marks, clear on the blue board and as thick as the board is large: a picked picture is
// framed in yellow, close round it; the focus is a dotted white frame round the whole tile.
void Tile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal unit = picture_.width() / 32.0;
    const QSizeF shown = image().deviceIndependentSize();
    const QPointF corner = QRectF(picture_).center() - QPointF(shown.width(), shown.height()) / 2;
    painter.drawImage(QPointF(std::round(corner.x()), std::round(corner.y())), image());
    if (picked_) {
        const qreal gap = std::round(3 * unit);
        painter.setPen(QPen(Qt::yellow, std::round(3 * unit)));
        painter.drawRect(QRectF(picture_).marginsAdded(QMarginsF(gap, gap, gap, gap)));
    }
    if (hasFocus()) {
        const qreal width = std::round(2 * unit);
        painter.setPen(QPen(Qt::white, width, Qt::DotLine));
        painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    }
}

void Tile::keyPressEvent(QKeyEvent* event) {
    const bool choose = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if (choose && !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (!event->isAutoRepeat())
            Q_EMIT clicked();
        return;
    }
    Picture::keyPressEvent(event);
}

} // namespace pictolex
