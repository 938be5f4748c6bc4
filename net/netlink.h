#pragma once

#include <vector>

// Writes one whole message on the game's connection.
class INetLink {
public:
    virtual ~INetLink() = default;
    virtual void Send(const std::vector<unsigned char>& bytes) = 0;
};
