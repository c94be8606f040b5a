// What every command runs with: its streams, the global options, and the start of the session
// (machine loaded, library initialized), which a command asks for only once its own arguments
// have been checked, so that bad input writes nothing.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace apstool {

// Exit codes: success, a failure that was reported, input that was refused before anything ran.
inline constexpr int kOk = 0;
inline constexpr int kFailed = 1;
inline constexpr int kBadInput = 2;

struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

class Context {
public:
    Context(Io io, bool trace, std::function<bool()> start) :
        io_(io), trace_(trace), start_(std::move(start)) {}

    std::istream& in() { return io_.in; }
    std::ostream& out() { return io_.out; }
    std::ostream& err() { return io_.err; }
    bool trace() const { return trace_; }

    // Loads the machine and initializes the library, once. False: the reason was printed.
    bool Start();
    bool started() const { return started_; }

    // One line "apstool: <what>" on standard error; they return the exit code to give.
    int Failed(std::string_view what);
    int BadInput(std::string_view what);

private:
    Io io_;
    bool trace_;
    std::function<bool()> start_;
    bool started_ = false;
    bool startFailed_ = false;
};

}  // namespace apstool
