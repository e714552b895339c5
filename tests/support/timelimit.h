#pragma once

// Ends the test program with a message when a step outlasts its limit: a hang
// never ends by itself, and the thread that would notice is the one stuck.
// A signal handler may only write and exit, so the message is made first.
//
//   TimeLimit limit(10);                 // until it goes out of scope

#include <csignal>
#include <string>

#include <unistd.h>

class TimeLimit {
public:
    explicit TimeLimit(unsigned seconds, const std::string& what = "the program hangs")
    {
        s_length = ("FAILED: time limit reached, " + what + "\n").copy(s_message, sizeof s_message);
        std::signal(SIGALRM, [](int) {
            (void)!::write(STDERR_FILENO, s_message, s_length);
            ::_exit(1);
        });
        ::alarm(seconds);
    }
    ~TimeLimit() { ::alarm(0); }
    TimeLimit(const TimeLimit&) = delete;
    TimeLimit& operator=(const TimeLimit&) = delete;

private:
    static inline char s_message[2048];
    static inline std::size_t s_length = 0;
};
