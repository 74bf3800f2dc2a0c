// The committed cue sounds, the module's sounds and the module bundle.
#include "res_support.h"
#include "sound/sound_module.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

using namespace restest;

namespace {

std::vector<unsigned> ModuleIds() {
    std::vector<unsigned> ids;
    for (unsigned colour = 1; colour <= 7; ++colour)
        for (unsigned kind = 1; kind <= 3; ++kind) ids.push_back(600 + 4 * colour + kind);
    return ids;
}

// Plain PCM mono, nothing clipped, a peak between -6 and -1 dB and faded
// ends; returns the peak in dB.
double ExpectCleanSound(const QString& path) {
    const Wave w = ParseWave(ReadFile(ResPath(path)));
    const std::string name = path.toStdString();
    EXPECT_GT(w.samples.size(), 100u) << name;
    if (w.samples.size() < 100) return 0;
    EXPECT_EQ(std::tuple(w.format, w.channels, w.blockAlign, w.byteRate),
              std::tuple(1, 1, w.bits / 8, w.rate * w.bits / 8))
        << name;
    const auto [low, high] = std::minmax_element(w.samples.begin(), w.samples.end());
    EXPECT_TRUE(*low > -1 && *high < 1 - 1.0 / (1 << (w.bits - 1))) << name << " clips";
    const double peak = 20 * std::log10(std::max(-*low, *high));
    EXPECT_TRUE(peak > -6.0 && peak < -1.0) << name << ": " << peak;
    const double edge = w.bits == 8 ? 2.5 / 128 : 0.01;
    EXPECT_TRUE(std::fabs(w.samples.front()) < edge && std::fabs(w.samples.back()) < edge) << name;
    return peak;
}

// Upward zero crossings per second of the loudest tenth of a second: a rough pitch.
double Crossings(const Wave& w) {
    const size_t span = size_t(w.rate / 10);
    size_t best = 0;
    double bestEnergy = -1;
    for (size_t at = 0; at + span <= w.samples.size(); at += span / 4) {
        double e = 0;
        for (size_t i = at; i < at + span; ++i) e += w.samples[i] * w.samples[i];
        if (e > bestEnergy) bestEnergy = e, best = at;
    }
    int n = 0;
    for (size_t i = best + 1; i < best + span; ++i) n += w.samples[i - 1] < 0 && w.samples[i] >= 0;
    return n * 10.0;
}

} // namespace

TEST(CueSounds, MatchTheirFormatAndLengthAndNoOtherProgramSounds) {
    const struct {
        unsigned id;
        int rate, bits;
        double seconds;
    } cues[] = {{136, 11025, 8, 1.0},  {137, 11025, 8, 3.1},  {138, 11025, 8, 2.8},
                {140, 11025, 8, 0.8},  {141, 11025, 8, 0.3},  {147, 11025, 8, 1.4},
                {149, 11025, 8, 2.1},  {150, 11025, 8, 1.0},  {151, 11025, 8, 0.8},
                {153, 11025, 16, 3.5}, {154, 11025, 16, 2.9}, {175, 22050, 8, 1.0}};
    std::vector<double> peaks;
    for (const auto& cue : cues) {
        const QString path = QStringLiteral("wave/%1.wav").arg(cue.id);
        peaks.push_back(ExpectCleanSound(path));
        const Wave w = ParseWave(ReadFile(ResPath(path)));
        EXPECT_EQ(std::tuple(w.rate, w.bits), std::tuple(cue.rate, cue.bits)) << cue.id;
        EXPECT_NEAR(double(w.samples.size()) / w.rate, cue.seconds, 0.05) << cue.id;
    }
    EXPECT_LT(*std::max_element(peaks.begin(), peaks.end()) -
                  *std::min_element(peaks.begin(), peaks.end()),
              2.0); // all about as loud
    EXPECT_EQ(QDir(ResPath("wave")).entryList(QDir::Files).size(), qsizetype(std::size(cues)));
}

TEST(ModuleSounds, ThreePerColourEachColourItsOwnPitchAllInTheModule) {
    EXPECT_EQ(QDir(ResPath("module")).entryList(QDir::Files).size(), 21);
    const std::optional<CSoundModule> module = ReadSoundModuleFile(MARBIX_MODULE_FILE);
    ASSERT_TRUE(module);
    EXPECT_EQ(module->sounds.size(), 21u);
    std::set<double> pitches;
    for (unsigned id : ModuleIds()) {
        const QString path = QStringLiteral("module/%1.wav").arg(id);
        ExpectCleanSound(path);
        const Wave w = ParseWave(ReadFile(ResPath(path)));
        EXPECT_LE(w.samples.size(), size_t(w.rate)) << id; // at most a second
        if (id % 4 == 1) pitches.insert(Crossings(w));
        const QByteArray file = ReadFile(ResPath(path));
        EXPECT_EQ(module->sounds.count(id) ? module->sounds.at(id) : CBytes(),
                  CBytes(file.begin(), file.end()))
            << id;
    }
    EXPECT_EQ(pitches.size(), 7u); // the select sounds of the seven colours
}
