#include "sounds.h"

#include "engine/identifiers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>

namespace {

constexpr double kPeak = 0.7; // about −3 dBFS

double Midi(double note) {
    return 440.0 * std::pow(2.0, (note - 69) / 12);
}

// A mono buffer of a fixed length with a few instruments that add into it.
class Track {
public:
    Track(int rate, double seconds)
        : m_rate(rate), m_data(size_t(std::lround(rate * seconds)), 0.0) {}

    int Rate() const { return m_rate; }

    // Adds amp × voice(t, phase) × envelope from start for duration seconds;
    // freq(t) gives the pitch at time t since the note began.
    void Add(double start, double duration, double amp, const std::function<double(double)>& freq,
             const std::function<double(double)>& envelope,
             const std::function<double(double)>& voice) {
        double phase = 0;
        const size_t first = size_t(std::max(0.0, start) * m_rate);
        for (size_t i = first; i < m_data.size(); ++i) {
            const double t = double(i - first) / m_rate;
            if (t >= duration) break;
            phase += freq(t) / m_rate;
            m_data[i] += amp * envelope(t) * voice(phase);
        }
    }

    // A struck bell: inharmonic partials that die away at their own rates.
    void Bell(double start, double note, double amp, double decay) {
        const double f = Midi(note);
        const double partials[][3] = {{1, 1, 1}, {2.0, 0.5, 1.6}, {2.76, 0.25, 2.4}, {5.4, 0.1, 4}};
        for (const auto& p : partials)
            Add(
                start, decay * 5 / p[2], amp * p[1], [&](double) { return f * p[0]; },
                [&](double t) { return std::min(1.0, t / 0.003) * std::exp(-t * p[2] / decay); },
                Sine);
    }

    // A brass note: harmonics that brighten at the attack, a gentle vibrato.
    void Brass(double start, double duration, double note, double amp) {
        const double f = Midi(note);
        for (int k = 1; k <= 6; ++k) {
            Add(
                start, duration, amp / (k * 0.9 + 0.1),
                [f, k](double t) { return k * f * (1 + 0.006 * std::sin(2 * M_PI * 5.5 * t)); },
                [duration, k](double t) {
                    const double attack = std::min(1.0, t / (0.02 + 0.01 * k));
                    const double release = std::min(1.0, (duration - t) / 0.06);
                    return attack * std::max(0.0, release) * (0.8 + 0.2 * std::exp(-t * 6));
                },
                Sine);
        }
    }

    // A tone gliding from one note to another, with a plucked envelope.
    void Glide(double start, double duration, double from, double to, double amp,
               double decay = 0) {
        const double f0 = Midi(from), f1 = Midi(to);
        Add(
            start, duration, amp,
            [=](double t) { return f0 * std::pow(f1 / f0, std::min(1.0, t / duration)); },
            [=](double t) {
                const double edge = std::min({1.0, t / 0.005, (duration - t) / 0.02});
                return std::max(0.0, edge) * (decay > 0 ? std::exp(-t / decay) : 1.0);
            },
            [](double p) { return Sine(p) + 0.3 * Sine(2 * p); });
    }

    // Filtered noise: a knock, a tick or a breath of air.
    void Noise(double start, double duration, double amp, double smooth, double decay) {
        std::uint32_t seed = 12345u + std::uint32_t(start * 1000);
        double low = 0;
        const size_t first = size_t(start * m_rate);
        for (size_t i = first; i < m_data.size(); ++i) {
            const double t = double(i - first) / m_rate;
            if (t >= duration) break;
            seed = seed * 1664525u + 1013904223u;
            const double white = double(seed >> 8) / double(1u << 23) - 1;
            low += (white - low) * smooth;
            m_data[i] += amp * low * std::min(1.0, t / 0.002) * std::exp(-t / decay);
        }
    }

    // Scales to the common peak and fades both ends so nothing clicks.
    std::vector<double> Finish(double fadeIn = 0.004, double fadeOut = 0.03) {
        double peak = 0;
        for (double s : m_data) peak = std::max(peak, std::fabs(s));
        const double gain = peak > 0 ? kPeak / peak : 0;
        const size_t n = m_data.size();
        const size_t in = size_t(fadeIn * m_rate), out = size_t(fadeOut * m_rate);
        for (size_t i = 0; i < n; ++i) {
            double g = gain;
            if (i < in) g *= double(i) / in;
            if (n - 1 - i < out) g *= double(n - 1 - i) / out;
            m_data[i] *= g;
        }
        return m_data;
    }

    static double Sine(double phase) { return std::sin(2 * M_PI * phase); }

private:
    int m_rate;
    std::vector<double> m_data;
};

// A game starts: a bright rising arpeggio that rings out.
std::vector<double> StartCue() {
    Track t(11025, 1.0);
    const double notes[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) t.Bell(0.09 * i, notes[i], 1.0, 0.35);
    t.Bell(0.36, 88, 0.6, 0.35);
    return t.Finish();
}

// A game ends: a falling line settling on a low chord.
std::vector<double> EndCue() {
    Track t(11025, 3.1);
    const double notes[] = {79, 76, 72, 67};
    for (int i = 0; i < 4; ++i) t.Brass(0.3 * i, 0.32, notes[i] - 12, 0.5);
    for (double n : {48.0, 55.0, 60.0}) t.Brass(1.2, 1.9, n, 0.35);
    return t.Finish(0.004, 1.2);
}

// The About box: a little music-box tune.
std::vector<double> AboutCue() {
    Track t(11025, 2.8);
    const double tune[][2] = {{84, 0},   {88, 0.2}, {91, 0.4}, {88, 0.6}, {89, 0.8},
                              {93, 1.0}, {91, 1.2}, {86, 1.4}, {84, 1.6}, {96, 1.85}};
    for (const auto& n : tune) t.Bell(n[1], n[0], n[0] > 95 ? 0.8 : 0.6, 0.3);
    t.Bell(1.85, 84, 0.4, 0.4);
    return t.Finish(0.004, 0.4);
}

// A free cell clicked with nothing selected: a soft questioning boop-bip.
std::vector<double> NothingSelectedCue() {
    Track t(11025, 0.8);
    t.Glide(0.0, 0.16, 64, 60, 0.8, 0.12);
    t.Glide(0.2, 0.3, 62, 69, 0.8, 0.15);
    return t.Finish(0.004, 0.1);
}

// No path: two short dull knocks.
std::vector<double> NoPathCue() {
    Track t(11025, 0.3);
    for (double at : {0.0, 0.12}) {
        t.Glide(at, 0.1, 43, 36, 1.0, 0.03);
        t.Noise(at, 0.05, 0.5, 0.15, 0.01);
    }
    return t.Finish(0.002, 0.03);
}

// The move clock ran out: the clock ticks, then an alarm bell rings.
std::vector<double> TimeUpCue() {
    Track t(11025, 1.4);
    for (int i = 0; i < 4; ++i) {
        t.Add(
            0.14 * i, 0.03, 0.6, [i](double) { return i % 2 ? 1500.0 : 1900.0; },
            [](double x) { return std::exp(-x / 0.006); }, Track::Sine);
        t.Noise(0.14 * i, 0.02, 0.3, 0.8, 0.003);
    }
    t.Add(
        0.6, 0.8, 0.8, [](double) { return 1250.0; },
        [](double x) {
            const double ring = 0.5 + 0.5 * std::cos(2 * M_PI * 18 * x);
            return std::min(1.0, x / 0.01) * ring * std::exp(-x / 0.5);
        },
        [](double p) { return Track::Sine(p) + 0.4 * Track::Sine(2.7 * p); });
    return t.Finish(0.004, 0.08);
}

// Added points lift the live entry to first place: a fanfare.
std::vector<double> FirstPlaceCue() {
    Track t(11025, 2.1);
    const double motif[] = {67, 72, 76};
    for (int i = 0; i < 3; ++i) t.Brass(0.12 * i, 0.11, motif[i], 0.5);
    t.Brass(0.36, 0.2, 79, 0.5);
    for (double n : {72.0, 76.0, 79.0, 84.0}) t.Brass(0.6, 1.5, n, 0.3);
    return t.Finish(0.004, 0.5);
}

// Added points lift the live entry to a better place: a short rising jingle.
std::vector<double> BetterPlaceCue() {
    Track t(11025, 1.0);
    t.Bell(0.0, 76, 0.8, 0.25);
    t.Bell(0.12, 81, 1.0, 0.35);
    t.Bell(0.12, 88, 0.3, 0.3);
    return t.Finish(0.004, 0.2);
}

// Undo: three quick falling chirps, a rewind.
std::vector<double> UndoCue() {
    Track t(11025, 0.8);
    for (int i = 0; i < 3; ++i) t.Glide(0.13 * i, 0.12, 86 - 3 * i, 74 - 3 * i, 1.0 - 0.2 * i);
    t.Glide(0.45, 0.3, 67, 64, 0.5, 0.1);
    return t.Finish(0.004, 0.1);
}

// A game ends with the best result of all: a grand fanfare with drums.
std::vector<double> BestResultCue() {
    Track t(11025, 3.5);
    const double motif[][3] = {{67, 0.0, 0.12},  {67, 0.15, 0.12}, {67, 0.3, 0.12},
                               {72, 0.45, 0.45}, {71, 0.95, 0.14}, {72, 1.12, 0.14}};
    for (const auto& m : motif) t.Brass(m[1], m[2], m[0], 0.5);
    for (double n : {60.0, 64.0, 67.0, 72.0, 76.0}) t.Brass(1.3, 2.2, n, 0.25);
    for (int i = 0; i < 10; ++i) t.Noise(1.3 + 0.05 * i, 0.1, 0.35 * (1 - i * 0.07), 0.05, 0.05);
    t.Glide(1.3, 0.6, 36, 36, 0.5, 0.25);
    return t.Finish(0.004, 1.0);
}

// A game ends with a place in the hall of fame: a cheerful bell phrase.
std::vector<double> GoodResultCue() {
    Track t(11025, 2.9);
    const double tune[][2] = {{72, 0}, {76, 0.15}, {79, 0.3}, {84, 0.45}, {79, 0.7}, {84, 0.85}};
    for (const auto& n : tune) t.Bell(n[1], n[0], 0.7, 0.35);
    for (double n : {72.0, 76.0, 79.0}) t.Brass(1.05, 1.7, n, 0.22);
    t.Bell(1.05, 88, 0.5, 0.6);
    return t.Finish(0.004, 0.8);
}

// Skip: a hop and a hop, and a little landing.
std::vector<double> SkipCue() {
    Track t(22050, 1.0);
    t.Glide(0.0, 0.16, 60, 72, 0.9);
    t.Glide(0.2, 0.16, 65, 77, 0.9);
    t.Noise(0.0, 0.4, 0.15, 0.3, 0.15);
    t.Bell(0.42, 84, 0.7, 0.2);
    return t.Finish(0.004, 0.2);
}

} // namespace

QByteArray EncodeWav(const std::vector<double>& samples, int rate, int bits) {
    const int bytes = bits / 8;
    const std::uint32_t dataSize = std::uint32_t(samples.size()) * std::uint32_t(bytes);
    const bool pad = dataSize % 2;
    QByteArray out;
    auto u32 = [&out](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out.append(char((v >> (8 * i)) & 0xff));
    };
    auto u16 = [&out](unsigned v) {
        out.append(char(v & 0xff));
        out.append(char((v >> 8) & 0xff));
    };
    out.append("RIFF");
    u32(36 + dataSize + (pad ? 1 : 0));
    out.append("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(std::uint32_t(rate));
    u32(std::uint32_t(rate * bytes));
    u16(unsigned(bytes));
    u16(unsigned(bits));
    out.append("data");
    u32(dataSize);
    for (double s : samples) {
        s = std::clamp(s, -1.0, 1.0);
        if (bits == 8) {
            out.append(char(std::lround(128 + 127 * s)));
        } else {
            u16(unsigned(std::uint16_t(std::int16_t(std::lround(32767 * s)))));
        }
    }
    if (pad) out.append('\0');
    return out;
}

std::vector<Sound> ProgramSounds() {
    struct Recipe {
        Cue cue;
        int rate, bits;
        std::vector<double> (*make)();
    };
    const Recipe recipes[] = {{Cue::GameStart, 11025, 8, StartCue},
                              {Cue::GameStop, 11025, 8, EndCue},
                              {Cue::AboutOpened, 11025, 8, AboutCue},
                              {Cue::NothingSelected, 11025, 8, NothingSelectedCue},
                              {Cue::NoPath, 11025, 8, NoPathCue},
                              {Cue::MoveExpired, 11025, 8, TimeUpCue},
                              {Cue::FirstPlace, 11025, 8, FirstPlaceCue},
                              {Cue::MovedUp, 11025, 8, BetterPlaceCue},
                              {Cue::Undo, 11025, 8, UndoCue},
                              {Cue::NewBest, 11025, 16, BestResultCue},
                              {Cue::AmongBest, 11025, 16, GoodResultCue},
                              {Cue::Skip, 22050, 8, SkipCue}};
    std::vector<Sound> sounds;
    for (const Recipe& r : recipes) {
        const auto id = static_cast<unsigned>(r.cue);
        sounds.push_back({id, r.rate, r.bits, EncodeWav(r.make(), r.rate, r.bits)});
    }
    return sounds;
}

std::vector<Sound> ModuleSounds() {
    // Each colour has its own note of a pentatonic scale.
    const double notes[8] = {0, 72, 74, 76, 79, 81, 84, 86};
    std::vector<Sound> sounds;
    for (int colour = 1; colour <= 7; ++colour) {
        const double n = notes[colour];
        Track select(22050, 0.15);
        select.Bell(0, n + 12, 1.0, 0.06);
        select.Bell(0, n, 0.5, 0.08);
        Track move(22050, 0.25);
        move.Glide(0, 0.22, n - 7, n, 1.0, 0.15);
        Track remove(22050, 0.6);
        remove.Noise(0, 0.08, 0.5, 0.5, 0.02);
        const double steps[] = {0, 4, 7, 12};
        for (int i = 0; i < 4; ++i) remove.Bell(0.06 * i, n + steps[i], 0.8, 0.12);
        const unsigned base = 600u + 4u * unsigned(colour);
        sounds.push_back({base + 1, 22050, 16, EncodeWav(select.Finish(0.002, 0.02), 22050, 16)});
        sounds.push_back({base + 2, 22050, 16, EncodeWav(move.Finish(0.003, 0.03), 22050, 16)});
        sounds.push_back({base + 3, 22050, 16, EncodeWav(remove.Finish(0.002, 0.15), 22050, 16)});
    }
    return sounds;
}

namespace {

// The samples (−1..1) of a file EncodeWav wrote.
std::vector<double> Samples(const Sound& s) {
    std::vector<double> out;
    const auto* data = reinterpret_cast<const unsigned char*>(s.wav.constData());
    const qsizetype end = 44 + qsizetype(data[40] | data[41] << 8 | data[42] << 16); // no pad byte
    for (qsizetype i = 44; i + s.bits / 8 <= end; i += s.bits / 8)
        out.push_back(s.bits == 8 ? (data[i] - 128) / 128.0
                                  : std::int16_t(data[i] | data[i + 1] << 8) / 32768.0);
    return out;
}

// Upward zero crossings per second of the loudest tenth of a second: a rough pitch.
double Crossings(const std::vector<double>& w, int rate) {
    const size_t span = size_t(rate / 10);
    size_t best = 0;
    double bestEnergy = -1;
    for (size_t at = 0; at + span <= w.size(); at += span / 4) {
        double e = 0;
        for (size_t i = at; i < at + span; ++i) e += w[i] * w[i];
        if (e > bestEnergy) bestEnergy = e, best = at;
    }
    int n = 0;
    for (size_t i = best + 1; i < best + span; ++i) n += w[i - 1] < 0 && w[i] >= 0;
    return n * 10.0;
}

} // namespace

QStringList VerifySounds(const std::vector<Sound>& program, const std::vector<Sound>& module) {
    QStringList failures;
    std::vector<double> peaks, pitches;
    for (const std::vector<Sound>* set : {&program, &module}) {
        for (const Sound& s : *set) {
            const std::vector<double> w = Samples(s);
            const QString name = QStringLiteral("sound %1: ").arg(s.id);
            if (w.size() < 100) {
                failures << name + "too short";
                continue;
            }
            // Nothing clipped, a peak between −6 and −1 dB, faded ends.
            const auto [low, high] = std::minmax_element(w.begin(), w.end());
            const double peak = 20 * std::log10(std::max(-*low, *high));
            const double edge = s.bits == 8 ? 2.5 / 128 : 0.01;
            if (*low <= -1 || *high >= 1 - 1.0 / (1 << (s.bits - 1)) || peak <= -6 || peak >= -1)
                failures << name + QStringLiteral("peak %1 dB").arg(peak);
            if (std::fabs(w.front()) >= edge || std::fabs(w.back()) >= edge)
                failures << name + "ends not faded";
            if (set == &program) peaks.push_back(peak);
            if (set == &module && w.size() > size_t(s.rate)) failures << name + "over a second";
            if (set == &module && s.id % 4 == 1) pitches.push_back(Crossings(w, s.rate));
        }
    }
    if (*std::max_element(peaks.begin(), peaks.end()) -
            *std::min_element(peaks.begin(), peaks.end()) >=
        2.0)
        failures << "the cues differ in loudness by 2 dB or more";
    std::sort(pitches.begin(), pitches.end());
    if (std::unique(pitches.begin(), pitches.end()) - pitches.begin() != 7)
        failures << "the seven colours' select sounds do not have seven pitches";
    return failures;
}
