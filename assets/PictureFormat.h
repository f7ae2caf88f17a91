#ifndef PICTUREFORMAT_H
#define PICTUREFORMAT_H

// The file format a picture is stored in.
enum class PictureFormat {
    Jpeg,
    Gif,
    Icon,
};

#endif // PICTUREFORMAT_H
