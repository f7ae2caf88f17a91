#ifndef COMMANDLINE_H
#define COMMANDLINE_H

// The program's own options, --help, --help-all and --version, read with
// QCommandLineParser. They are answered before the application object
// exists, so that they work where no window can open (over SSH, in
// scripts). Qt's own options are told apart from unknown ones by Qt itself:
// the application object takes out those it knows, and whatever option is
// left is refused.
namespace CommandLine {

// The exit status for an option the program does not know.
inline constexpr int UnknownOption = 2;

// Before the application object: answers --help, --help-all or --version
// (and -h, -v) and returns true; the program then ends with status 0.
bool answer(int argc, char *argv[]);

// Once the application object stands: returns false after naming an option
// that neither Qt nor the program knows.
bool acceptRemaining();

} // namespace CommandLine

#endif // COMMANDLINE_H
