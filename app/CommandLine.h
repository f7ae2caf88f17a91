#ifndef COMMANDLINE_H
#define COMMANDLINE_H

// The program's own options, --help and --version, read with
// QCommandLineParser. They are answered before the application object
// exists, so that they work where no window can open (over SSH, in
// scripts). Qt's own options are told apart from unknown ones by Qt itself:
// the application object takes out those it knows, and whatever option is
// left is refused.
class CommandLine final
{
public:
    // The exit status for an option the program does not know.
    static constexpr int UnknownOption = 2;

    CommandLine() = delete;

    // Before the application object: answers --help or --version (and -h,
    // -v, --help-all) and returns true; the program then ends with status 0.
    static bool answer(int argc, char *argv[]);

    // Once the application object stands: returns false after naming an
    // option that neither Qt nor the program knows.
    static bool acceptRemaining();
};

#endif // COMMANDLINE_H
