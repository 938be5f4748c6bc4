#pragma once

#include "game/geometry.h"
#include "game/player.h"
#include "ui/frameshows.h"

#include <QRegion>
#include <QRgb>

#include <string>

// Everything the main window's scene is drawn from, taken at each drawing,
// so that the next one redraws only the part a shot changed: its cells, the
// ship counts, the cell cursor. Anything else that differs (a name, a
// tally, the language, what the frame shows) redraws the whole scene.
struct SSceneFacts {
    struct SSide {
        signed char m_view[BOARD_CELLS] = {};
        signed char m_shipsLeft[SHIP_KINDS] = {};
        std::string m_strName;
        int m_nWins = 0;
        CRect m_rcBoard;
    };

    bool m_bDrawn = false;   // false: nothing drawn yet, so all is to draw
    SFrameShows m_shows;
    bool m_bNetwork = false;
    bool m_bShowShipCount = false;
    std::string m_strLanguage;
    QRgb m_margin = 0;
    SSide m_two;   // the opponent's board, on the left
    SSide m_one;

    static SSide Side(const CPlayer& player);
};

// The parts of the scene that differ between two drawings; the scene's
// whole rectangle when anything but cells, counts and the cursor changed.
QRegion ChangedParts(const SSceneFacts& before, const SSceneFacts& after);
