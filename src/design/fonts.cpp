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
#include <iterator>

namespace pictolex {

namespace {

const QString kHeavyDisplay = QStringLiteral("M PLUS 1");
// The face for Japanese in words written in the sans-serif face, which has none.
const QString kJapanese = QStringLiteral("IPAPGothic");

// The installed families that stand in for a named family that is missing, best first. The pop
// face has its stand-in chosen in namedFont, weight and all.
QStringList standIns(const QString& family) {
    if (family == fonts::kHandwriting)
        return {QStringLiteral("Dancing Script")};
    if (family == fonts::kSansSerif)
        return {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    if (family == fonts::kGothic)
        return {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    return {};
}

// Whether `family` is installed, asked of the font database once a family.
bool installed(const QString& family) {
    static QHash<QString, bool> known;
    const auto found = known.constFind(family);
    return found != known.cend()
               ? *found
               : *known.insert(family,
                               QFontDatabase::families().contains(family, Qt::CaseInsensitive));
}

// Those of `families` that are installed, or all of them when none is. Each missing family
// that Qt is asked for costs a sort of every installed face by fontconfig when its font is
// first drawn.
QStringList installedOf(const QStringList& families) {
    QStringList there;
    std::copy_if(families.cbegin(), families.cend(), std::back_inserter(there), installed);
    return there.isEmpty() ? families : there;
}

} // namespace

QFont namedFont(const QString& family, double points, bool bold, bool italic) {
    QStringList families = installedOf(QStringList{family} + standIns(family));
    // The sans-serif face's words may be in any of the scripts a list may use: a Japanese face
    // follows, so that they show whole.
    if (family == fonts::kSansSerif)
        families << kJapanese;
    QFont font;
    font.setFamilies(families);
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
