#pragma once

#include <boost/signals2/connection.hpp>

#include <vector>

// Not "signals": Qt defines that word as a macro.
namespace kestrix::signalling {

// Keeps connections and disconnects all of them when it is destroyed.
class SignalConnectionCollection {
public:
    SignalConnectionCollection() = default;
    SignalConnectionCollection(const SignalConnectionCollection&) = delete;
    SignalConnectionCollection& operator=(const SignalConnectionCollection&) = delete;
    ~SignalConnectionCollection() { disconnectAll(); }

    void add(const boost::signals2::connection& connection) { m_connections.emplace_back(connection); }
    void disconnectAll()
    {
        for (auto& connection : m_connections)
            connection.disconnect();
        m_connections.clear();
    }
    bool isEmpty() const { return m_connections.empty(); }

private:
    std::vector<boost::signals2::connection> m_connections;
};

} // namespace kestrix::signalling
