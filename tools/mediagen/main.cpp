// Writes the game's run-time files: the four sounds, the animated wait
// cursor and the about box's film. Usage: tidebolt_mediagen [data folder]

#include "cursor.h"
#include "film.h"
#include "riffbytes.h"
#include "sounds.h"

#include <QGuiApplication>

#include <cstdio>
#include <fstream>

bool WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    std::printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    return true;
}

int main(int argc, char* argv[])
{
    // Painting needs a GUI application; nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string dataDir = argc > 1 ? argv[1] : "Data";
    const bool ok = WriteSounds(dataDir) && WriteWaitCursor(dataDir) && WriteFilm(dataDir);
    return ok ? 0 : 1;
}
