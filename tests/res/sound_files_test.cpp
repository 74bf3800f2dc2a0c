// The committed cue sounds, the module's sounds and the module bundle.
#include "res_support.h"

#include <QDir>
#include <QResource>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace restest;

namespace {

struct Row {
    unsigned id;
    int rate, bits;
    double seconds;
};

const Row kCues[] = {{136, 11025, 8, 1.0},  {137, 11025, 8, 3.1},  {138, 11025, 8, 2.8},
                     {140, 11025, 8, 0.8},  {141, 11025, 8, 0.3},  {147, 11025, 8, 1.4},
                     {149, 11025, 8, 2.1},  {150, 11025, 8, 1.0},  {151, 11025, 8, 0.8},
                     {153, 11025, 16, 3.5}, {154, 11025, 16, 2.9}, {175, 22050, 8, 1.0}};

std::vector<unsigned> ModuleIds() {
    std::vector<unsigned> ids;
    for (unsigned colour = 1; colour <= 7; ++colour)
        for (unsigned kind = 1; kind <= 3; ++kind) ids.push_back(600 + 4 * colour + kind);
    return ids;
}

double PeakDb(const Wave& w) {
    double peak = 0;
    for (double s : w.samples) peak = std::max(peak, std::fabs(s));
    return 20 * std::log10(peak);
}

// Plain PCM mono, nothing clipped, a healthy peak and quiet ends.
void ExpectCleanSound(const Wave& w, const std::string& name) {
    ASSERT_TRUE(w.valid) << name;
    EXPECT_EQ(w.format, 1) << name;
    EXPECT_EQ(w.channels, 1) << name;
    EXPECT_EQ(w.blockAlign, w.bits / 8) << name;
    EXPECT_EQ(w.byteRate, w.rate * w.bits / 8) << name;
    ASSERT_GT(w.samples.size(), 100u) << name;
    if (w.bits == 8) {
        EXPECT_GT(w.rawMin, 0) << name;
        EXPECT_LT(w.rawMax, 255) << name;
    } else {
        EXPECT_GT(w.rawMin, -32768) << name;
        EXPECT_LT(w.rawMax, 32767) << name;
    }
    const double peak = PeakDb(w);
    EXPECT_GT(peak, -6.0) << name;
    EXPECT_LT(peak, -1.0) << name;
    // Faded in and out: the first and last samples sit at the middle.
    const double edge = w.bits == 8 ? 2.5 / 128 : 0.01;
    EXPECT_LT(std::fabs(w.samples.front()), edge) << name;
    EXPECT_LT(std::fabs(w.samples.back()), edge) << name;
}

// Upward zero crossings per second of the loudest tenth of a second: a
// rough pitch.
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

TEST(CueSounds, MatchTheirFormatAndLength) {
    double loudest = -100, quietest = 0;
    for (const Row& row : kCues) {
        const std::string name = std::to_string(row.id);
        const Wave w = ParseWave(ReadFile(ResPath(QStringLiteral("wave/%1.wav").arg(row.id))));
        ExpectCleanSound(w, name);
        EXPECT_EQ(w.rate, row.rate) << name;
        EXPECT_EQ(w.bits, row.bits) << name;
        EXPECT_NEAR(w.Seconds(), row.seconds, 0.05) << name;
        loudest = std::max(loudest, PeakDb(w));
        quietest = std::min(quietest, PeakDb(w));
    }
    EXPECT_LT(loudest - quietest, 2.0);
}

TEST(CueSounds, NoOtherProgramSounds) {
    const QStringList files =
        QDir(ResPath(QStringLiteral("wave"))).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), int(std::size(kCues)));
}

TEST(ModuleSounds, ThreePerColourEachColourItsOwnPitch) {
    const QStringList files =
        QDir(ResPath(QStringLiteral("module"))).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files.size(), 21);
    std::set<double> pitches;
    for (unsigned id : ModuleIds()) {
        const std::string name = std::to_string(id);
        const Wave w = ParseWave(ReadFile(ResPath(QStringLiteral("module/%1.wav").arg(id))));
        ExpectCleanSound(w, name);
        EXPECT_LE(w.Seconds(), 1.0) << name;
        if (id % 4 == 1) pitches.insert(Crossings(w));
    }
    // The select sounds of the seven colours sit at seven different pitches.
    EXPECT_EQ(pitches.size(), 7u);
}

TEST(ModuleBundle, HoldsTheTwentyOneSounds) {
    ASSERT_TRUE(
        QResource::registerResource(QStringLiteral(MARBIX_MODULE_FILE), QStringLiteral("/bundle")));
    for (unsigned id : ModuleIds()) {
        const QByteArray packed = ReadFile(QStringLiteral(":/bundle/wave/%1.wav").arg(id));
        EXPECT_FALSE(packed.isEmpty()) << id;
        EXPECT_EQ(packed, ReadFile(ResPath(QStringLiteral("module/%1.wav").arg(id)))) << id;
    }
    EXPECT_TRUE(ReadFile(QStringLiteral(":/bundle/wave/604.wav")).isEmpty());
    EXPECT_TRUE(ReadFile(QStringLiteral(":/bundle/wave/136.wav")).isEmpty());
    QResource::unregisterResource(QStringLiteral(MARBIX_MODULE_FILE), QStringLiteral("/bundle"));
}
