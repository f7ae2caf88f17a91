#ifndef PICTUREID_H
#define PICTUREID_H

// The pictures the program carries, in the order of the picture table
// (PictureTable.h).
// Plain C++ so that the page logic can name pictures without the toolkit.
enum class PictureId {
    icoMain,
    picAuthorIcon,
    picGroupLogo,
    picIntro,
    picStep1,
    picStep2,
    picStep3,
    picStep4,
    picStep5,
    picStep6,
    picStep7,
    picSplash,
};

#endif // PICTUREID_H
