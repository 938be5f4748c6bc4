#pragma once

// An independent judge of a fleet that knows nothing of how the game places
// ships: decks touching in any of the eight directions form one group, and a
// legal fleet is ten groups, each a straight line, of lengths 4,3,3,2,2,2,1,1,1,1.

#include <QString>

#include <algorithm>

template <typename IsDeck>
QString FleetFault(IsDeck isDeck)
{
    bool seen[100] = {};
    QString lengths;
    for (int start = 0; start < 100; ++start) {
        if (seen[start] || !isDeck(start))
            continue;
        int stack[100], size = 0, count = 0, top = 9, bottom = 0, left = 9, right = 0;
        stack[size++] = start;
        seen[start] = true;
        while (size > 0) {
            const int cell = stack[--size], row = cell / 10, col = cell % 10;
            ++count;
            top = std::min(top, row);
            bottom = std::max(bottom, row);
            left = std::min(left, col);
            right = std::max(right, col);
            for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 9); ++r) {
                for (int c = std::max(col - 1, 0); c <= std::min(col + 1, 9); ++c) {
                    if (!seen[r * 10 + c] && isDeck(r * 10 + c)) {
                        seen[r * 10 + c] = true;
                        stack[size++] = r * 10 + c;
                    }
                }
            }
        }
        const bool straight = (top == bottom || left == right)
                              && count == (bottom - top + 1) * (right - left + 1);
        if (!straight)
            return QStringLiteral("decks around %1 are not one straight ship").arg(start);
        lengths += QString::number(count);
    }
    std::sort(lengths.begin(), lengths.end());
    return lengths == QLatin1String("1111222334") ? QString()
                                                  : QStringLiteral("ship lengths %1").arg(lengths);
}
