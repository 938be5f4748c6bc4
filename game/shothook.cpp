#include "game/shothook.h"

namespace {
ShotHook g_hook = nullptr;
}

void SetShotHook(ShotHook hook)
{
    g_hook = hook;
}

void ReportShot(const CPlayer& target, int row, int col)
{
    if (g_hook)
        g_hook(target, row, col);
}
