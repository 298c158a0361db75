// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered ports for tests: a private port map whose entries are pseudo-terminals the test holds
// the other end of, and whose unused numbers point nowhere.
#pragma once

#include "TempFolder.h"

#include <map>
#include <string>

namespace korvisel::test {

class PtyPorts {
public:
    // Every port 1 ... 16 absent until Add links it.
    PtyPorts();
    ~PtyPorts();
    PtyPorts(const PtyPorts&) = delete;
    PtyPorts& operator=(const PtyPorts&) = delete;

    // Links port n to a new pseudo-terminal and returns the test's end of it.
    int Add(int n);
    int Master(int n) const { return masters_.at(n); }
    // The device at port n goes away: the test's end of the line is closed.
    void Hangup(int n);
    // The adapter is unplugged: the line is closed and the port's link points nowhere again.
    void Remove(int n);

    // What the device end received, waiting up to `ms` for `count` bytes.
    std::string ReadFromPort(int n, std::size_t count, int ms = 1000) const;
    void WriteToPort(int n, const std::string& bytes) const;

private:
    TempFolder folder_;
    std::map<int, int> masters_;
    std::string previousPorts_;
    bool hadPreviousPorts_ = false;
};

} // namespace korvisel::test
