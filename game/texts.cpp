#include "game/texts.h"

namespace {

TextLookup CurrentLookup = nullptr;

} // namespace

void SetTextLookup(TextLookup lookup)
{
    CurrentLookup = lookup;
}

std::string GameText(const char* context, const char* source)
{
    return CurrentLookup ? CurrentLookup(context, source) : std::string(source);
}
