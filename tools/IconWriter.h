#ifndef ICONWRITER_H
#define ICONWRITER_H

#include <QByteArray>
#include <QImage>

// Writes a 32 x 32 picture as a Windows icon file of one 16-colour image in
// the classic icon palette, using only the four colours of IconPalette.h.
class IconWriter final
{
public:
    IconWriter() = delete;

    // Throws std::invalid_argument unless the picture is 32 x 32.
    static QByteArray write(const QImage &image);
};

#endif // ICONWRITER_H
