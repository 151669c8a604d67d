#pragma once

#include <cstdio>
#include <cstring>

// --help and --version as GNU programs answer them: the usage or the name
// and version on standard output, exit status 0. The version comes from the
// build (VELK_VERSION).
namespace velk_program {

enum class InfoWord { None, Help, Version };

// The first "--help" or "--version" among the arguments, before a "--".
inline InfoWord FindInfoWord(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0) break;
        if (std::strcmp(argv[i], "--help") == 0) return InfoWord::Help;
        if (std::strcmp(argv[i], "--version") == 0) return InfoWord::Version;
    }
    return InfoWord::None;
}

inline void PrintVersion(const char* program) { std::printf("%s %s\n", program, VELK_VERSION); }

// Answers word with usage or the version; false when there is none.
inline bool AnswerInfoWord(InfoWord word, const char* program, const char* usage)
{
    if (word == InfoWord::None) return false;
    if (word == InfoWord::Help) std::fputs(usage, stdout);
    else PrintVersion(program);
    return true;
}

}  // namespace velk_program
