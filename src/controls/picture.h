// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace pictolex {

// A picture control: shows its image at its natural size from the top left, never stretched,
// and sharp on high-density screens. Its left edge is kept in twips, exactly as set.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);

    const QImage& image() const { return image_; }
    void setImage(const QImage& image);

    float left() const { return left_; }
    void setLeft(float twips);
    void placeTwips(const QRect& twips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    float left_ = 0;
};

// The 32 by 32 image of an icon from the program's resources, or an empty image.
QImage iconImage(const QString& name);

// The picture of a word: the one in the file at `path` (a teacher's, or the player's own), when
// it can be shown (decodePicture), fitted into 32 by 32 logical pixels; else the game's own.
QImage wordPicture(const QString& word, const QString& path);

} // namespace pictolex
