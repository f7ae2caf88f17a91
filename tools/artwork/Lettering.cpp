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

} // namespace Lettering
