#pragma once

// Byte streams and records written so that a test reads like the traffic.

#include "net/netmsg.h"

#include <QByteArray>

#include <vector>

inline QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

inline QByteArray Bytes(const std::vector<unsigned char>& values)
{
    return QByteArray(reinterpret_cast<const char*>(values.data()), int(values.size()));
}

// One ship of four, two of three, three of two, four of one.
inline const char* StandardFleetPicture()
{
    return "####.###.." ".........." "###.##.##." ".........." "##.#.#.#.."
           ".........." "#........." ".........." ".........." "..........";
}

// Cell codes of a picture: '#' a deck (2), '.' water (0), a digit that code.
inline std::vector<unsigned char> FleetCodes(const char* picture)
{
    std::vector<unsigned char> cells;
    for (const char* p = picture; *p; ++p)
        if (*p != ' ')
            cells.push_back(*p == '#' ? 2 : *p == '.' ? 0 : static_cast<unsigned char>(*p - '0'));
    return cells;
}

// The fleet as it travels: every code plus one.
inline std::vector<unsigned char> Exported(std::vector<unsigned char> codes)
{
    for (unsigned char& code : codes)
        ++code;
    return codes;
}

// A record's type, then the part of its body its type defines.
inline QByteArray Signature(const NETMSG& rec)
{
    const char* data = reinterpret_cast<const char*>(rec.data);
    int length = 0;
    switch (rec.type) {
    case NET_NAME: length = int(qstrnlen(data, int(NETMSG_DATA))) + 1; break;
    case NET_SHOT: length = 2; break;
    case NET_FLEET: length = int(NET_FLEET_CELLS); break;
    case NET_TRADITION: length = 1; break;
    default: break;
    }
    return QByteArray(1, char(rec.type)) + QByteArray(data, length);
}
