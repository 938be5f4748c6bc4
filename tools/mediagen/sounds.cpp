#include "sounds.h"

#include "riffbytes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr int RATE = 22050;
constexpr double PI = 3.14159265358979323846;

using Samples = std::vector<double>;

// A fixed-seed noise source, so that every run writes the same files.
class CNoise {
public:
    double Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / 8388608.0 - 1.0;
    }

private:
    std::uint32_t m_state = 0x71DEB01Du;
};

Samples Silence(double seconds)
{
    return Samples(static_cast<std::size_t>(seconds * RATE), 0.0);
}

// Sine whose pitch glides exponentially from f0 to f1 over the sound.
void AddGlide(Samples& s, double start, double length, double f0, double f1, double level, double decay)
{
    double phase = 0;
    const std::size_t first = static_cast<std::size_t>(start * RATE);
    const std::size_t count = static_cast<std::size_t>(length * RATE);
    for (std::size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double f = f0 * std::pow(f1 / f0, t / length);
        phase += 2 * PI * f / RATE;
        const double attack = std::min(1.0, t / 0.004);
        s[first + i] += level * attack * std::exp(-t / decay) * std::sin(phase);
    }
}

// Noise through a one-pole low-pass whose cutoff falls from c0 to c1.
void AddNoise(Samples& s, double start, double length, double c0, double c1, double level, double decay, CNoise& noise)
{
    double y = 0;
    const std::size_t first = static_cast<std::size_t>(start * RATE);
    const std::size_t count = static_cast<std::size_t>(length * RATE);
    for (std::size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double cutoff = c0 * std::pow(c1 / c0, t / length);
        const double a = 1.0 - std::exp(-2 * PI * cutoff / RATE);
        y += a * (noise.Next() - y);
        const double attack = std::min(1.0, t / 0.003);
        s[first + i] += level * attack * std::exp(-t / decay) * y;
    }
}

// A plucked-brass note: a few harmonics under an attack-decay-release envelope.
void AddNote(Samples& s, double start, double length, double freq, double level, double brightness)
{
    const std::size_t first = static_cast<std::size_t>(start * RATE);
    const std::size_t count = static_cast<std::size_t>(length * RATE);
    for (std::size_t i = 0; i < count && first + i < s.size(); ++i) {
        const double t = static_cast<double>(i) / RATE;
        const double vibrato = 1.0 + 0.004 * std::sin(2 * PI * 5.5 * t) * std::min(1.0, t / 0.2);
        const double w = 2 * PI * freq * vibrato * t;
        const double tone = std::sin(w) + brightness * 0.5 * std::sin(2 * w) + brightness * brightness * 0.3 * std::sin(3 * w)
            + brightness * brightness * 0.15 * std::sin(4 * w);
        const double attack = std::min(1.0, t / 0.015);
        const double release = std::min(1.0, (length - t) / 0.06);
        const double body = 0.75 + 0.25 * std::exp(-t / 0.08);
        s[first + i] += level * attack * release * body * tone;
    }
}

std::vector<unsigned char> Wav(const Samples& s)
{
    double peak = 1e-9;
    for (double v : s)
        peak = std::max(peak, std::fabs(v));
    CRiffBytes out;
    const std::size_t riff = out.Open("RIFF", "WAVE");
    const std::size_t fmt = out.Open("fmt ");
    out.U16(1);          // PCM
    out.U16(1);          // mono
    out.U32(RATE);
    out.U32(RATE * 2);   // bytes per second
    out.U16(2);          // bytes per sample frame
    out.U16(16);
    out.Close(fmt);
    const std::size_t data = out.Open("data");
    const double gain = 0.85 * 32767.0 / peak;
    const std::size_t fade = RATE / 100;
    for (std::size_t i = 0; i < s.size(); ++i) {
        // A short fade at the end so the sound never stops on a click.
        const double tail = i + fade > s.size() ? static_cast<double>(s.size() - i) / fade : 1.0;
        const long v = std::lround(s[i] * gain * tail);
        out.U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::clamp(v, -32768L, 32767L))));
    }
    out.Close(data);
    out.Close(riff);
    return out.bytes;
}

Samples Splash()
{
    CNoise noise;
    Samples s = Silence(0.5);
    AddNoise(s, 0.0, 0.5, 6000, 500, 0.9, 0.09, noise);    // the slap on the surface
    AddGlide(s, 0.02, 0.16, 900, 180, 0.7, 0.06);           // the plop as the water closes
    AddGlide(s, 0.16, 0.05, 500, 1200, 0.18, 0.02);         // two bubbles rising
    AddGlide(s, 0.25, 0.04, 700, 1500, 0.12, 0.015);
    return s;
}

Samples Explosion()
{
    CNoise noise;
    Samples s = Silence(0.8);
    AddNoise(s, 0.0, 0.03, 9000, 4000, 1.0, 0.01, noise);   // the crack
    AddGlide(s, 0.0, 0.8, 75, 32, 1.2, 0.22);               // the thump
    AddNoise(s, 0.005, 0.795, 2500, 150, 1.1, 0.25, noise); // the roar dying away
    for (double& v : s)
        v = std::tanh(1.6 * v);
    return s;
}

Samples Fanfare()
{
    Samples s = Silence(1.2);
    const double notes[] = {523.25, 659.25, 783.99, 1046.50};   // C E G C
    const double starts[] = {0.0, 0.14, 0.28, 0.44};
    const double lengths[] = {0.16, 0.16, 0.18, 0.74};
    for (int i = 0; i < 4; ++i)
        AddNote(s, starts[i], lengths[i], notes[i], 0.5, 0.9);
    return s;
}

Samples Lament()
{
    Samples s = Silence(1.2);
    const double notes[] = {392.00, 369.99, 349.23, 261.63};   // G F# F, down to C
    const double starts[] = {0.0, 0.22, 0.44, 0.68};
    const double lengths[] = {0.24, 0.24, 0.26, 0.52};
    for (int i = 0; i < 4; ++i)
        AddNote(s, starts[i], lengths[i], notes[i], 0.5, 0.45);
    return s;
}

} // namespace

bool WriteSounds(const std::string& dataDir)
{
    return WriteBytes(dataDir + "/Mimo.wav", Wav(Splash())) && WriteBytes(dataDir + "/Crash.wav", Wav(Explosion()))
        && WriteBytes(dataDir + "/Yes.wav", Wav(Fanfare())) && WriteBytes(dataDir + "/No.wav", Wav(Lament()));
}
