#include "Lettering.h"

#include <QRawFont>

#include <map>
#include <stdexcept>

namespace Lettering {

namespace {

const char *fileOf(Face face)
{
    switch (face) {
    case Face::Serif: return "NimbusRoman-Bold.otf";
    case Face::SerifItalic: return "NimbusRoman-BoldItalic.otf";
    case Face::Sans: return "NimbusSans-Bold.otf";
    case Face::Title: return "C059-Bold.otf";
    case Face::Script: return "Z003-MediumItalic.otf";
    }
    return "";
}

QRawFont load(Face face, qreal pixelSize)
{
    const QString file = QStringLiteral(VANTREL_FONT_DIR "/") + QLatin1String(fileOf(face));
    QRawFont font(file, pixelSize, QFont::PreferNoHinting);
    if (!font.isValid())
        throw std::runtime_error("cannot read the font " + file.toStdString());
    return font;
}

} // namespace

QPainterPath path(Face face, qreal pixelSize, const QString &text)
{
    const QRawFont font = load(face, pixelSize);
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs, QRawFont::KernedAdvances);

    QPainterPath outline;
    QPointF pen;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        outline.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    return outline;
}

QPainterPath trackedPath(Face face, qreal pixelSize, const QString &text, qreal tracking)
{
    if (tracking == 0)
        return path(face, pixelSize, text);
    // Each letter keeps the place the font's own advances (and kerning) give
    // it: the right edge of the text up to that letter, less the letter's width.
    QPainterPath result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QPainterPath letter = path(face, pixelSize, text.mid(i, 1));
        if (letter.isEmpty())
            continue;
        const qreal right = path(face, pixelSize, text.left(i + 1)).boundingRect().right();
        const qreal pen = right - letter.boundingRect().right();
        result.addPath(letter.translated(pen + i * tracking, 0));
    }
    return result;
}

QPainterPath centredAt(const QPainterPath &outline, QPointF centre)
{
    return outline.translated(centre - outline.boundingRect().center());
}

} // namespace Lettering
