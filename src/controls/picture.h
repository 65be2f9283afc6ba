// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace pictolex {

// A picture control: shows its image at its natural size from the top left, never stretched,
// and sharp on high-density screens.
class Picture : public QWidget {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent);

    const QImage& image() const { return image_; }
    void setImage(const QImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
};

// The 32 by 32 image of an icon from the program's resources, or an empty image.
QImage iconImage(const QString& name);
// The game's own picture of a word, large enough to show sharp at any size a tile has: its large
// picture from the program's resources, or its icon where it has none.
QImage largePicture(const QString& word);

// The picture of a word: the one in the file at `path` (a teacher's, or the player's own), when
// it can be shown (decodePicture), fitted into 32 by 32 logical pixels; else the game's own.
QImage wordPicture(const QString& word, const QString& path);

} // namespace pictolex
