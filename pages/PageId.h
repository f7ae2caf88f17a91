#ifndef PAGEID_H
#define PAGEID_H

// The nine pages of the lesson, in the order of the button row.
enum class PageId {
    Intro,
    Step1,
    Step2,
    Step3,
    Step4,
    Step5,
    Step6,
    Step7,
    Greetings,
};

inline constexpr int PageCount = int(PageId::Greetings) + 1;

#endif // PAGEID_H
