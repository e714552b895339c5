#pragma once

namespace fw {

// Counts nested runs of a piece of code that can call itself back, through
// the events its own writes raise, so that it can tell an echo or a runaway
// from a first run.
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
