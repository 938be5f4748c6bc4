#pragma once

// Byte streams and records written so that a test reads like the traffic
// it describes.

#include "net/netmsg.h"

#include <QByteArray>
#include <QList>
#include <QString>

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

// A standard fleet: one ship of four, two of three, three of two, four of one.
inline const char* StandardFleetPicture()
{
    return "####.###.."
           ".........."
           "###.##.##."
           ".........."
           "##.#.#.#.."
           ".........."
           "#........."
           ".........."
           ".........."
           "..........";
}

// Cell codes (0 water, 2 deck) of a fleet drawn with '#' and '.'.
inline std::vector<unsigned char> FleetCodes(const char* picture)
{
    std::vector<unsigned char> cells;
    for (const char* p = picture; *p; ++p) {
        if (*p == ' ')
            continue;
        cells.push_back(*p == '#' ? 2 : (*p == '.' ? 0 : static_cast<unsigned char>(*p - '0')));
    }
    return cells;
}

// The fleet as it travels: every code plus one, as the player exports it.
inline std::vector<unsigned char> Exported(const std::vector<unsigned char>& codes)
{
    std::vector<unsigned char> out;
    for (unsigned char code : codes)
        out.push_back(static_cast<unsigned char>(code + 1));
    return out;
}

// What a record says: its type, then the part of its body its type defines.
inline QByteArray Signature(const NETMSG& rec)
{
    QByteArray sig(1, char(rec.type));
    const char* data = reinterpret_cast<const char*>(rec.data);
    switch (rec.type) {
    case NET_NAME:
        sig.append(data, int(qstrnlen(data, int(NETMSG_DATA)) + 1));
        break;
    case NET_SHOT:
        sig.append(data, 2);
        break;
    case NET_FLEET:
        sig.append(data, int(NET_FLEET_CELLS));
        break;
    case NET_TRADITION:
        sig.append(data, 1);
        break;
    default:
        break;
    }
    return sig;
}

inline QList<QByteArray> Signatures(const std::vector<NETMSG>& records)
{
    QList<QByteArray> out;
    for (const NETMSG& rec : records)
        out.append(Signature(rec));
    return out;
}
