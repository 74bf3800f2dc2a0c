#include "sound/wave_file.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

namespace {

QByteArray Fmt(quint16 channels = 1, quint32 rate = 11025, quint16 bits = 8) {
    return Chunk("fmt ", FmtBody(1, channels, rate, bits));
}

TEST(WaveFile, ReadsEveryPlayableFormat) {
    struct Case {
        int rate, bits, channels;
    };
    for (const Case c : {Case{11025, 8, 1}, Case{22050, 16, 1}, Case{44100, 16, 2}}) {
        const QByteArray pcm = SquarePcm(300, 7, c.channels, c.bits);
        const auto sound =
            ParseWave(Riff(Fmt(static_cast<quint16>(c.channels), static_cast<quint32>(c.rate),
                               static_cast<quint16>(c.bits)) +
                           Chunk("data", pcm)));
        ASSERT_TRUE(sound) << c.rate << " Hz " << c.bits << " bits " << c.channels << " ch";
        EXPECT_EQ(sound->sampleRate, c.rate);
        EXPECT_EQ(sound->bitsPerSample, c.bits);
        EXPECT_EQ(sound->channels, c.channels);
        EXPECT_EQ(sound->pcm, pcm);
        EXPECT_EQ(sound->DurationMs(), 300 * 1000 / c.rate);
    }
}

TEST(WaveFile, FindsChunksInAnyOrderAndSkipsOthers) {
    const QByteArray pcm = SquarePcm(101, 5, 1, 8);
    const QByteArray list = Chunk("LIST", "INFOtool!"); // odd size: padded
    // Data before format, an odd-sized unknown chunk between, a second data
    // chunk after that must not replace the first.
    const auto sound = ParseWave(Riff(list + Chunk("data", pcm) + Chunk("junk", "abc") + Fmt() +
                                      Chunk("data", SquarePcm(50, 3, 1, 8))));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, pcm);
}

TEST(WaveFile, RejectsWhatIsNotAPlainWave) {
    const QByteArray data = Chunk("data", SquarePcm(100, 5, 1, 8));
    const QByteArray good = Riff(Fmt() + data);
    ASSERT_TRUE(ParseWave(good));

    QByteArray notRiff = good;
    notRiff.replace(0, 4, "RIFX");
    QByteArray notWave = good;
    notWave.replace(8, 4, "AVI ");
    QByteArray badAlign = FmtBody(1, 2, 11025, 16);
    badAlign.replace(12, 2, Le16(2)); // block align of one 16-bit channel in a stereo file
    const std::pair<const char*, QByteArray> bad[] = {
        {"other container", QByteArray("ID3\x03\0\0\0\0\0\0", 10) + QByteArray(200, '\xff')},
        {"big-endian RIFF", notRiff},
        {"not WAVE", notWave},
        {"no format", Riff(data)},
        {"no data", Riff(Fmt())},
        {"compressed", Riff(Chunk("fmt ", FmtBody(2, 1, 11025, 4)) + data)},
        {"extensible", Riff(Chunk("fmt ", FmtBody(0xFFFE, 1, 11025, 16)) + data)},
        {"24 bits", Riff(Fmt(1, 11025, 24) + data)},
        {"no channels", Riff(Fmt(0) + data)},
        {"zero rate", Riff(Fmt(1, 0) + data)},
        {"absurd rate", Riff(Fmt(1, 4000000000u) + data)},
        {"short format", Riff(Chunk("fmt ", FmtBody(1, 1, 11025, 8).left(14)) + data)},
        {"empty data", Riff(Fmt() + Chunk("data", {}))},
        {"contradicting block align", Riff(Chunk("fmt ", badAlign) + data)},
    };
    for (const auto& [name, file] : bad) EXPECT_FALSE(ParseWave(file)) << name;
}

TEST(WaveFile, SurvivesTruncationAtEveryByte) {
    const QByteArray pcm = SquarePcm(64, 4, 2, 16);
    const QByteArray file = Riff(Fmt(2, 22050, 16) + Chunk("data", pcm));
    const int dataStart = file.size() - pcm.size();
    for (int size = 0; size < file.size(); ++size) {
        const auto sound = ParseWave(file.left(size));
        if (size < dataStart + 4) {
            EXPECT_FALSE(sound) << size; // no whole frame of samples yet
        } else {
            // A cut data chunk plays what is there, in whole frames only.
            ASSERT_TRUE(sound) << size;
            EXPECT_EQ(sound->pcm, pcm.left((size - dataStart) / 4 * 4)) << size;
        }
    }
}

TEST(WaveFile, HugeClaimedSizesStayInsideTheFile) {
    const QByteArray pcm = SquarePcm(40, 4, 1, 8);
    // A data chunk claiming 4 GB gives the bytes that exist.
    QByteArray hugeData = Riff(Fmt() + "data" + Le32(0xFFFFFFFFu) + pcm);
    auto sound = ParseWave(hugeData);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, pcm);

    // An unknown chunk claiming 4 GB hides everything after it.
    EXPECT_FALSE(
        ParseWave(Riff(QByteArray("junk") + Le32(0xFFFFFFFFu) + Fmt() + Chunk("data", pcm))));
    // A format chunk claiming more than the file holds is damaged.
    EXPECT_FALSE(ParseWave(Riff(QByteArray("fmt ") + Le32(0x7FFFFFF0u) + FmtBody(1, 1, 11025, 8))));
    // A RIFF size larger than the file changes nothing.
    QByteArray bigRiff = Riff(Fmt() + Chunk("data", pcm));
    bigRiff.replace(4, 4, Le32(0xFFFFFFF0u));
    sound = ParseWave(bigRiff);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, pcm);
}

} // namespace
