#ifndef ICONWRITER_H
#define ICONWRITER_H

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Writes a 32 x 32 picture as a Windows icon file of one 16-colour image in
// the classic icon palette, using only its black, grey, silver and white.
class IconWriter final
{
public:
    IconWriter() = delete;

    // The 16 standard VGA colours in the order the icon stores them.
    static const QList<QRgb> &palette();

    // Throws std::invalid_argument unless the picture is 32 x 32.
    static QByteArray write(const QImage &image);
};

#endif // ICONWRITER_H
