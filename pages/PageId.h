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

// The steps, Step1 to Step7, follow one another.
inline constexpr int StepCount = int(PageId::Step7) - int(PageId::Step1) + 1;

// Step n, from 1.
constexpr PageId stepPage(int n)
{
    return PageId(int(PageId::Step1) + n - 1);
}

#endif // PAGEID_H
