// The WAVE reader and the sound module reader on good, cut, damaged and
// hostile input, and where the module is looked for.
#include "engine/cue.h"
#include "sound/sound_module.h"
#include "wave_builder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

CBytes Fmt(int channels = 1, std::uint32_t rate = 11025, int bits = 8) {
    return Chunk("fmt ", FmtBody(1, channels, rate, bits));
}

TEST(WaveFile, ReadsEveryPlayableFormatWithChunksInAnyOrder) {
    struct Case {
        int rate, bits, channels;
    };
    for (const Case c : {Case{11025, 8, 1}, Case{22050, 16, 1}, Case{44100, 16, 2}}) {
        const CBytes pcm = SquarePcm(300, 7, c.channels, c.bits);
        const auto sound = ParseWave(Riff(Fmt(c.channels, c.rate, c.bits) + Chunk("data", pcm)));
        ASSERT_TRUE(sound) << c.rate << " Hz " << c.bits << " bits " << c.channels << " ch";
        EXPECT_EQ(std::tuple(sound->sampleRate, sound->bitsPerSample, sound->channels, sound->pcm),
                  std::tuple(c.rate, c.bits, c.channels, pcm));
        EXPECT_EQ(sound->DurationMs(), 300 * 1000 / c.rate);
    }
    // Data before format, an odd-sized unknown chunk between, a second data
    // chunk after that must not replace the first.
    const CBytes pcm = SquarePcm(101, 5, 1, 8);
    const auto sound =
        ParseWave(Riff(Chunk("LIST", Text("INFOtool!")) + Chunk("data", pcm) +
                       Chunk("junk", Text("abc")) + Fmt() + Chunk("data", SquarePcm(50, 3, 1, 8))));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, pcm);
}

TEST(WaveFile, RejectsWhatIsNotAPlainWave) {
    const CBytes data = Chunk("data", SquarePcm(100, 5, 1, 8));
    ASSERT_TRUE(ParseWave(Riff(Fmt() + data)));
    CBytes badAlign = FmtBody(1, 2, 11025, 16);
    badAlign[12] = 2; // block align of one 16-bit channel in a stereo file
    const std::pair<const char*, CBytes> bad[] = {
        {"other container", Text("ID3\x03") + CBytes(200, 0xff)},
        {"not WAVE", Text("RIFF") + Le(100, 4) + Text("AVI ") + Fmt() + data},
        {"no format", Riff(data)},
        {"no data", Riff(Fmt())},
        {"compressed", Riff(Chunk("fmt ", FmtBody(2, 1, 11025, 4)) + data)},
        {"24 bits", Riff(Fmt(1, 11025, 24) + data)},
        {"no channels", Riff(Fmt(0) + data)},
        {"zero rate", Riff(Fmt(1, 0) + data)},
        {"absurd rate", Riff(Fmt(1, 4000000000u) + data)},
        {"short format", Riff(Chunk("fmt ", CBytes(14, 1)) + data)},
        {"empty data", Riff(Fmt() + Chunk("data", {}))},
        {"contradicting block align", Riff(Chunk("fmt ", badAlign) + data)},
        {"format claiming more than the file", Riff(Text("fmt ") + Le(0x7FFFFFF0u, 4) + Fmt())},
        {"unknown chunk claiming 4 GB", Riff(Text("junk") + Le(0xFFFFFFFFu, 4) + Fmt() + data)},
    };
    for (const auto& [name, file] : bad) EXPECT_FALSE(ParseWave(file)) << name;
}

TEST(WaveFile, ACutOrOverclaimedDataChunkPlaysTheWholeFramesThatAreThere) {
    const CBytes pcm = SquarePcm(64, 4, 2, 16);
    const CBytes file = Riff(Fmt(2, 22050, 16) + Chunk("data", pcm));
    const std::size_t dataStart = file.size() - pcm.size();
    for (std::size_t size = 0; size < file.size(); ++size) {
        const auto sound = ParseWave(CByteView(file).first(size));
        if (size < dataStart + 4) {
            EXPECT_FALSE(sound) << size; // no whole frame of samples yet
        } else {
            ASSERT_TRUE(sound) << size;
            EXPECT_EQ(sound->pcm, CBytes(pcm.begin(), pcm.begin() + (size - dataStart) / 4 * 4));
        }
    }
    const auto sound = ParseWave(Riff(Fmt(2, 22050, 16) + Text("data") + Le(0xFFFFFFFFu, 4) + pcm));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->pcm, pcm);
}

std::map<unsigned, CBytes> TwoSounds() {
    return {{605, SquareWave(11025, 8, 1, 90, 5)}, {623, SquareWave(22050, 16, 2, 40, 3)}};
}

TEST(SoundModuleFormat, ReadsBackWhatWasPackedAndRejectsEveryCutOrDamagedCopy) {
    const CBytes module = BuildSoundModule(TwoSounds());
    const auto read = ParseSoundModule(module);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->sounds, TwoSounds());

    // Whole or nothing: a copy cut anywhere is no module.
    for (std::size_t size = 0; size < module.size(); ++size)
        EXPECT_FALSE(ParseSoundModule(CByteView(module).first(size))) << size;
    // A changed header byte fails the check; any other change passes only
    // while every sound stays playable.
    for (std::size_t at = 0; at < module.size(); ++at) {
        CBytes damaged = module;
        damaged[at] ^= 0x5A;
        const auto result = ParseSoundModule(damaged);
        if (at < 12) {
            EXPECT_FALSE(result) << at;
        }
        if (!result) continue;
        for (const auto& [name, wave] : result->sounds) EXPECT_TRUE(ParseWave(wave)) << at;
    }
}

TEST(SoundModuleFormat, RejectsHostileTables) {
    const CBytes good = BuildSoundModule(TwoSounds());
    const auto withEntry = [&](int entry, int field, std::uint32_t value) {
        CBytes m = good;
        const CBytes v = Le(value, field == 0 ? 2 : 4);
        std::copy(v.begin(), v.end(), m.begin() + 12 + 12 * entry + (field == 0 ? 0 : 4 * field));
        return m;
    };
    CBytes noSounds = good, tooMany = good;
    noSounds[10] = noSounds[11] = 0;
    tooMany[10] = 0xFF, tooMany[11] = 0xFF;
    const std::pair<const char*, CBytes> bad[] = {
        {"no sounds", noSounds},
        {"more sounds than the file holds", tooMany},
        {"names not ascending", withEntry(1, 0, 605)},
        {"offset inside the table", withEntry(0, 1, 4)},
        {"offset past the end", withEntry(1, 1, static_cast<std::uint32_t>(good.size() + 1))},
        {"offset and size wrapping around", withEntry(1, 1, 0xFFFFFFF0u)},
        {"size past the end", withEntry(1, 2, 0xFFFFFFFFu)},
        {"a sound that is not a WAVE file", withEntry(0, 2, 20)},
        {"other magic", Text("MBXSOUNE") + CBytes(good.begin() + 8, good.end())},
    };
    for (const auto& [name, module] : bad) EXPECT_FALSE(ParseSoundModule(module)) << name;
}

TEST(SoundModuleFormat, AFileOverSixteenMebibytesIsNotRead) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("marbix-module-" + std::to_string(getpid()));
    const CBytes module = BuildSoundModule(TwoSounds());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(module.data()), std::streamsize(module.size()));
    EXPECT_TRUE(ReadSoundModuleFile(path.string()));
    std::filesystem::resize_file(path, kMaxModuleBytes); // trailing zeros: still whole
    EXPECT_TRUE(ReadSoundModuleFile(path.string()));
    std::filesystem::resize_file(path, kMaxModuleBytes + 1);
    EXPECT_FALSE(ReadSoundModuleFile(path.string()));
    EXPECT_FALSE(ReadSoundModuleFile(path.parent_path().string())); // a folder
    std::filesystem::remove(path);
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    EXPECT_FALSE(ReadSoundModuleFile(path.string())); // a pipe: no wait for a writer
    std::filesystem::remove(path);
}

TEST(SoundModuleSearch, OwnPlaceThenAbsoluteDataDirectoriesOnly) {
    const std::string own = "/opt/marbix/share/MarbixX.snd";
    EXPECT_EQ(SoundModuleCandidates(own, "/home/u/data", "/sys1:relative:/sys2::./x", "/home/u"),
              (std::vector<std::string>{own, "/home/u/data/marbix/MarbixX.snd",
                                        "/sys1/marbix/MarbixX.snd", "/sys2/marbix/MarbixX.snd"}));
    // Unset, empty or wholly relative lists fall back or drop out.
    EXPECT_EQ(SoundModuleCandidates(own, "", nullptr, "/home/u"),
              (std::vector<std::string>{own, "/home/u/.local/share/marbix/MarbixX.snd",
                                        "/usr/local/share/marbix/MarbixX.snd",
                                        "/usr/share/marbix/MarbixX.snd"}));
    EXPECT_EQ(SoundModuleCandidates(own, "data", "a:b", "home"), (std::vector<std::string>{own}));
}

TEST(SoundModuleSearch, TakesTheFirstModuleThatPassesTheCheck) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("marbix-search-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    const auto place = [&](const char* name, const CBytes& bytes) {
        std::ofstream((dir / name).string(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return (dir / name).string();
    };
    const CBytes good = BuildSoundModule(TwoSounds());
    const std::string cut = place("cut", CBytes(good.begin(), good.end() - 1));
    const std::string whole = place("whole", good);
    EXPECT_EQ(LoadSoundModuleFrom({"/nonexistent", cut, whole}), g_soundModule);
    EXPECT_EQ(SoundModulePath(), whole);
    EXPECT_EQ(ModuleSound(0x10000u + 623), TwoSounds()[623]);
    EXPECT_TRUE(ModuleSound(606).empty());
    EXPECT_EQ(LoadSoundModuleFrom({cut}), nullptr);
    EXPECT_EQ(g_soundModule, nullptr);
    EXPECT_TRUE(ModuleSound(623).empty());
    std::filesystem::remove_all(dir);
}

} // namespace
