#pragma once

namespace fw {

// Counts nested runs of code that its own writes call back, through the
// events they raise, so that it can tell an echo or a runaway from a first run.
class Reentry {
public:
    explicit Reentry(int& depth) : m_depth(depth) { ++m_depth; }
    ~Reentry() { --m_depth; }
    Reentry(const Reentry&) = delete;
    Reentry& operator=(const Reentry&) = delete;

private:
    int& m_depth;
};

} // namespace fw
