#pragma once

// libFuzzer tries inputs of at most 4096 bytes unless told otherwise, far below the size
// caps of the readers. Each target allows inputs up to its reader's cap, unless -max_len
// was given on the command line; libFuzzer still starts small and lets the inputs grow
// only when shorter ones find nothing new.

#include <cstring>
#include <string>
#include <vector>

namespace tavix::fuzz {

inline void setDefaultMaxLength(int *argc, char ***argv, long long length)
{
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0)
            return;
    }
    static std::string flag;
    static std::vector<char *> arguments;
    flag = "-max_len=" + std::to_string(length);
    arguments.assign(*argv, *argv + *argc);
    arguments.push_back(flag.data());
    arguments.push_back(nullptr);
    *argv = arguments.data();
    ++*argc;
}

} // namespace tavix::fuzz

// AddressSanitizer records the call stack of every allocation so that a report can say
// where freed or overflowed memory came from; the readers allocate a string per line, and
// recording 30 frames for each took a third of the time. Two frames keep the rate up; run
// a crashing input again with ASAN_OPTIONS=malloc_context_size=30 for the whole stack.
extern "C" const char *__asan_default_options()
{
    return "malloc_context_size=2";
}
