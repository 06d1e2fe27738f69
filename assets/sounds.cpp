// Synthesises the twenty sound cues (oto/*.wav): 22 050 Hz, 16-bit mono PCM.
// A chime at start-up, a ding-dong for right, a buzzer for wrong, a soft
// click for the wheels, a tone for new screens and problems.
#include "Generators.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

using Samples = std::vector<double>;

void ensureLength(Samples& s, std::size_t n) {
    if (s.size() < n)
        s.resize(n, 0.0);
}

// A bell-like note: a few decaying partials, starting at `start` seconds.
void bell(Samples& s, double start, double freq, double seconds, double level, double decay = 6.0) {
    const std::size_t from = static_cast<std::size_t>(start * Rate);
    const std::size_t n = static_cast<std::size_t>(seconds * Rate);
    ensureLength(s, from + n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double attack = std::min(1.0, t / 0.004);
        const double env = attack * std::exp(-decay * t);
        const double v = std::sin(2 * Pi * freq * t) + 0.35 * std::sin(2 * Pi * 2 * freq * t) +
                         0.12 * std::sin(2 * Pi * 3 * freq * t);
        s[from + i] += level * env * v / 1.47;
    }
}

// A plain tone with a short attack and release; `glide` bends the pitch.
void tone(Samples& s, double start, double freq, double seconds, double level, double glide = 0.0) {
    const std::size_t from = static_cast<std::size_t>(start * Rate);
    const std::size_t n = static_cast<std::size_t>(seconds * Rate);
    ensureLength(s, from + n);
    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double env = std::min({1.0, t / 0.006, (seconds - t) / 0.03});
        phase += 2 * Pi * (freq + glide * t / seconds) / Rate;
        s[from + i] += level * env * std::sin(phase);
    }
}

// A buzzer: two detuned square waves, softened.
void buzz(Samples& s, double start, double freq, double seconds, double level) {
    const std::size_t from = static_cast<std::size_t>(start * Rate);
    const std::size_t n = static_cast<std::size_t>(seconds * Rate);
    ensureLength(s, from + n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double env = std::min({1.0, t / 0.01, (seconds - t) / 0.02});
        double v = 0;
        for (int k = 1; k <= 9; k += 2) // odd harmonics of a square wave
            v += (std::sin(2 * Pi * k * freq * t) + std::sin(2 * Pi * k * freq * 1.03 * t)) / k;
        s[from + i] += level * env * v / 2.6;
    }
}

// A soft click: a very short decaying low tone.
void click(Samples& s, double level) {
    const std::size_t n = static_cast<std::size_t>(0.045 * Rate);
    ensureLength(s, n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / Rate;
        s[i] += level * std::exp(-90 * t) * std::sin(2 * Pi * 620 * t) * std::min(1.0, t / 0.001);
    }
}

double note(int semitonesFromA4) {
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

bool writeWave(const QString& path, const Samples& s) {
    QByteArray data;
    data.reserve(static_cast<int>(s.size() * 2));
    for (double v : s) {
        const double clipped = std::max(-1.0, std::min(1.0, v));
        const qint16 sample = static_cast<qint16>(std::lround(clipped * 30000));
        char bytes[2];
        qToLittleEndian(sample, bytes);
        data.append(bytes, 2);
    }
    QByteArray header;
    auto u32 = [&header](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        header.append(b, 4);
    };
    auto u16 = [&header](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        header.append(b, 2);
    };
    header.append("RIFF");
    u32(36 + static_cast<quint32>(data.size()));
    header.append("WAVEfmt ");
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(Rate);
    u32(Rate * 2);
    u16(2);
    u16(16);
    header.append("data");
    u32(static_cast<quint32>(data.size()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(header + data) != header.size() + data.size()) {
        std::fprintf(stderr, "sorvelin-assets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

bool writeSounds(const QString& outDir) {
    const QString dir = outDir + QStringLiteral("/oto");
    QDir().mkpath(dir);
    struct Cue {
        QString name;
        Samples samples;
    };
    std::vector<Cue> cues;

    // 1 … 10: single bell notes up a major scale (no screen asks for them).
    const int scale[10] = {3, 5, 7, 8, 10, 12, 14, 15, 17, 19};
    for (int i = 0; i < 10; ++i) {
        Samples s;
        bell(s, 0, note(scale[i]), 0.35, 0.6);
        cues.push_back({QString::number(i + 1), s});
    }
    { // pipo: a new drill problem, two quick beeps
        Samples s;
        tone(s, 0.0, note(23), 0.08, 0.45);
        tone(s, 0.10, note(18), 0.11, 0.45);
        cues.push_back({QStringLiteral("pipo"), s});
    }
    { // poon: a new screen, menu choice or problem, a soft falling tone
        Samples s;
        bell(s, 0, note(3), 0.45, 0.55, 7.0);
        tone(s, 0, note(3), 0.2, 0.15, -30);
        cues.push_back({QStringLiteral("poon"), s});
    }
    { // bubuu: wrong, a low two-part buzzer
        Samples s;
        buzz(s, 0.0, 140, 0.16, 0.5);
        buzz(s, 0.22, 140, 0.38, 0.5);
        cues.push_back({QStringLiteral("bubuu"), s});
    }
    { // pinpon: right, a ding-dong
        Samples s;
        bell(s, 0.0, note(19), 0.45, 0.6, 4.5);
        bell(s, 0.32, note(15), 0.8, 0.6, 3.5);
        cues.push_back({QStringLiteral("pinpon"), s});
    }
    { // sharan: the hint panel opens, a quick shimmer upwards
        Samples s;
        for (int i = 0; i < 8; ++i)
            bell(s, 0.03 * i, note(15 + 2 * i), 0.6, 0.22, 6.0);
        cues.push_back({QStringLiteral("sharan"), s});
    }
    { // charararan: the start chime, a rising arpeggio
        Samples s;
        const int steps[7] = {3, 7, 10, 15, 19, 22, 27};
        for (int i = 0; i < 7; ++i)
            bell(s, 0.075 * i, note(steps[i]), 1.2, 0.32, 3.0);
        cues.push_back({QStringLiteral("charararan"), s});
    }
    { // bun: a wheel turns, a soft click
        Samples s;
        click(s, 0.5);
        cues.push_back({QStringLiteral("bun"), s});
    }
    { // pipon: two rising tones
        Samples s;
        tone(s, 0.0, note(22), 0.09, 0.4);
        bell(s, 0.11, note(27), 0.4, 0.45, 6.0);
        cues.push_back({QStringLiteral("pipon"), s});
    }
    { // chararan: a drill stops, a falling arpeggio
        Samples s;
        const int steps[5] = {22, 19, 15, 10, 15};
        for (int i = 0; i < 5; ++i)
            bell(s, 0.08 * i, note(steps[i]), 0.9, 0.35, 3.5);
        cues.push_back({QStringLiteral("chararan"), s});
    }
    { // 20: a soft chord
        Samples s;
        for (int step : {3, 7, 10})
            bell(s, 0, note(step), 0.8, 0.25, 3.0);
        cues.push_back({QStringLiteral("20"), s});
    }

    for (const Cue& cue : cues)
        if (!writeWave(dir + QLatin1Char('/') + cue.name + QStringLiteral(".wav"), cue.samples))
            return false;
    return true;
}
