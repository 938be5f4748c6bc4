#pragma once

// An independent judge of a fleet: it knows nothing of how the game places
// or measures ships. Decks that touch in any of the eight directions belong
// to one group; a legal fleet is ten groups, each a straight unbroken line,
// of lengths 4, 3, 3, 2, 2, 2, 1, 1, 1, 1.

#include <QString>
#include <QVector>

#include <algorithm>

struct FleetShip {
    int length = 0;
    QVector<int> cells;  // row * 10 + column
};

// Groups the cells for which isDeck holds, by eight-way contact.
template <typename IsDeck>
QVector<FleetShip> GroupDecks(IsDeck isDeck)
{
    QVector<FleetShip> groups;
    bool seen[100] = {};
    for (int start = 0; start < 100; ++start) {
        if (seen[start] || !isDeck(start))
            continue;
        FleetShip group;
        QVector<int> stack{start};
        seen[start] = true;
        while (!stack.isEmpty()) {
            const int cell = stack.takeLast();
            group.cells.append(cell);
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    const int r = cell / 10 + dr;
                    const int c = cell % 10 + dc;
                    if (r < 0 || r > 9 || c < 0 || c > 9)
                        continue;
                    const int next = r * 10 + c;
                    if (!seen[next] && isDeck(next)) {
                        seen[next] = true;
                        stack.append(next);
                    }
                }
            }
        }
        std::sort(group.cells.begin(), group.cells.end());
        group.length = int(group.cells.size());
        groups.append(group);
    }
    return groups;
}

inline bool IsStraightLine(const FleetShip& ship)
{
    const int first = ship.cells.first();
    bool sameRow = true;
    bool sameColumn = true;
    for (int i = 0; i < ship.length; ++i) {
        sameRow = sameRow && ship.cells[i] == first + i;
        sameColumn = sameColumn && ship.cells[i] == first + 10 * i;
    }
    // A row run must not wrap onto the next row.
    if (sameRow && first / 10 != ship.cells.last() / 10)
        sameRow = false;
    return sameRow || sameColumn;
}

// Empty when the decks form a legal fleet; otherwise what is wrong.
template <typename IsDeck>
QString FleetFault(IsDeck isDeck)
{
    const QVector<FleetShip> ships = GroupDecks(isDeck);
    int byLength[5] = {};
    for (const FleetShip& ship : ships) {
        if (!IsStraightLine(ship))
            return QStringLiteral("decks at %1 are not one straight ship").arg(ship.cells.first());
        if (ship.length > 4)
            return QStringLiteral("a ship of %1 decks").arg(ship.length);
        ++byLength[ship.length];
    }
    if (byLength[1] != 4 || byLength[2] != 3 || byLength[3] != 2 || byLength[4] != 1)
        return QStringLiteral("ships by length 1-4: %1 %2 %3 %4")
            .arg(byLength[1]).arg(byLength[2]).arg(byLength[3]).arg(byLength[4]);
    return QString();
}
