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
    return CurrentLookup ? CurrentLookup(context, source, -1) : std::string(source);
}

std::string GameText(const char* context, const char* source, int count)
{
    if (CurrentLookup)
        return CurrentLookup(context, source, count);
    std::string text = source;
    const size_t at = text.find("%n");
    if (at != std::string::npos)
        text.replace(at, 2, std::to_string(count));
    return text;
}
