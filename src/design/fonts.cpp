// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QStringList>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace pictolex {

namespace {

const QString kHeavyDisplay = QStringLiteral("M PLUS 1");
// The face for Japanese in words written in the sans-serif face, which has none.
const QString kJapanese = QStringLiteral("IPAPGothic");

// Tells Qt which installed family stands in for each named family that is missing. The pop
// face has its stand-in chosen in namedFont, weight and all.
void installFontSubstitutions() {
    QFont::insertSubstitutions(fonts::kHandwriting, QStringList{QStringLiteral("Dancing Script")});
    QFont::insertSubstitutions(fonts::kSansSerif, QStringList{QStringLiteral("Liberation Sans"),
                                                              QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(fonts::kGothic, QStringList{QStringLiteral("IPAPGothic"),
                                                           QStringLiteral("Noto Sans CJK JP")});
}

// Whether `family` is installed, asked of the font database once a family: each question
// lists every family it knows.
bool installed(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    return found != known.cend() ? *found : *known.insert(family, QFontDatabase::hasFamily(family));
}

} // namespace

QFont namedFont(const QString& family, double points, bool bold, bool italic) {
    static const bool substituted = [] {
        installFontSubstitutions();
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(family);
    if (family == fonts::kSansSerif) {
        // The family, its stand-ins, then a Japanese face: a word in any of the scripts a list
        // may use shows whole.
        font.setFamilies(QStringList{family} + QFont::substitutes(family) + QStringList{kJapanese});
    }
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setItalic(italic);
    const bool pop = family == fonts::kPopP || family == fonts::kPopS;
    if (pop && !installed(family)) {
        // The pop face is heavy by nature; its stand-in must be too.
        font.setFamily(kHeavyDisplay);
        font.setWeight(QFont::Black);
    }
    return font;
}

QFont wordFont() {
    return namedFont(fonts::kSansSerif, 9.75, true);
}

QFont scaledFont(const QFont& font, double scale) {
    QFont scaled = font;
    scaled.setPixelSize(std::max(1, int(std::floor(font.pixelSize() * scale + 1e-9))));
    return scaled;
}

int wordWidth(const QString& word) {
    return QFontMetrics(wordFont()).horizontalAdvance(word);
}

bool wordDrawable(const QString& word) {
    // Laid out as a label lays it out, fallback fonts and all: glyph 0 is the empty box.
    QTextLayout layout(word, wordFont());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return std::none_of(runs.cbegin(), runs.cend(),
                        [](const QGlyphRun& run) { return run.glyphIndexes().contains(0); });
}

} // namespace pictolex
