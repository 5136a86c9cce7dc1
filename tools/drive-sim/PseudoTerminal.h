#pragma once

// The simulator's end of a pseudo-terminal. A master program opens the
// other end (the path) as if it were a serial port and sets the line up on
// it; the simulator reads those settings back from its own end.

#include "device/SerialLineSettings.h"

#include <optional>
#include <string>

namespace corvid::sim {

class CPseudoTerminal {
public:
    CPseudoTerminal() = default;
    ~CPseudoTerminal();
    CPseudoTerminal(const CPseudoTerminal&) = delete;
    CPseudoTerminal& operator=(const CPseudoTerminal&) = delete;

    // Creates the pair in raw mode. On failure returns false with the
    // system's error text.
    bool Open(std::string& error);

    int Descriptor() const { return master_; }
    const std::string& Path() const { return path_; }

    // The line settings the other end was given, read as the serial port
    // wrote them; nothing when they cannot be read.
    std::optional<SerialLineSettings> AppliedSettings() const;

    // Lets the next master open the terminal. A master that opened it
    // exclusively (TIOCEXCL) leaves it so after closing, because the
    // terminal lives on while this end is open: only root could open it again.
    void ReleaseExclusive() const;

private:
    int master_ = -1;
    // Kept open so the line stays up between the master program's sessions:
    // without it, every close on the other end would hang the line up.
    int keeper_ = -1;
    std::string path_;
};

} // namespace corvid::sim
