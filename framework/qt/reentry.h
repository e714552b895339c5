#pragma once

namespace fwqt {

// Counts nested scopes of the view writing to Qt, so the signals that writing
// emits are recognised as echoes and not reported to the core.
class Reentry {
public:
    explicit Reentry(int& depth) : m_depth(depth) { ++m_depth; }
    ~Reentry() { --m_depth; }
    Reentry(const Reentry&) = delete;
    Reentry& operator=(const Reentry&) = delete;

private:
    int& m_depth;
};

} // namespace fwqt
