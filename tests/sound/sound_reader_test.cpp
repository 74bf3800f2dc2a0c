// The WAVE reader and the sound module reader on good, cut, damaged and
// hostile input, and where the module is looked for. The files are built
// here byte by byte.
#include "engine/cue.h"
#include "scratch.h"
#include "sound/sound_module.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

CBytes Le(std::uint32_t v, int bytes) {
    CBytes b;
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<unsigned char>(v >> (8 * i)));
    return b;
}
CBytes operator+(CBytes a, const CBytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
// Bytes of text, or a copy of bytes read in place.
const auto Text = [](std::string_view s) { return CBytes(s.begin(), s.end()); };
const auto Copy = [](CByteView bytes) { return CBytes(bytes.begin(), bytes.end()); };
// Whether part lies inside whole: read in place, not copied.
const auto Inside = [](CByteView part, const CBytes& whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
};

CBytes Chunk(const char* id, const CBytes& body) {
    return Text(std::string_view(id, 4)) + Le(static_cast<std::uint32_t>(body.size()), 4) + body +
           CBytes(body.size() % 2, 0);
}
CBytes FmtBody(int tag, int channels, std::uint32_t rate, int bits) {
    const int align = channels * bits / 8;
    return Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * align, 4) + Le(align, 2) +
           Le(bits, 2);
}
CBytes Fmt(int channels = 1, std::uint32_t rate = 11025, int bits = 8) {
    return Chunk("fmt ", FmtBody(1, channels, rate, bits));
}
CBytes Riff(const CBytes& chunks) {
    return Text("RIFF") + Le(static_cast<std::uint32_t>(4 + chunks.size()), 4) + Text("WAVE") +
           chunks;
}
// Samples that differ from byte to byte.
CBytes Pcm(int frames, int channels, int bits) {
    CBytes pcm(static_cast<std::size_t>(frames * channels * bits / 8));
    for (std::size_t i = 0; i < pcm.size(); ++i) pcm[i] = static_cast<unsigned char>(i * 37 + 11);
    return pcm;
}

TEST(WaveFile, ReadsEveryPlayableFormatWithChunksInAnyOrder) {
    const std::tuple<int, int, int> formats[] = {{11025, 8, 1}, {22050, 16, 1}, {44100, 16, 2}};
    for (const auto& [rate, bits, channels] : formats) {
        const CBytes pcm = Pcm(300, channels, bits);
        const CBytes file =
            Riff(Fmt(channels, static_cast<std::uint32_t>(rate), bits) + Chunk("data", pcm));
        const auto sound = ParseWave(file);
        ASSERT_TRUE(sound) << rate << " Hz " << bits << " bits " << channels << " ch";
        EXPECT_EQ(std::tuple(sound->sampleRate, sound->bitsPerSample, sound->channels,
                             Copy(sound->pcm), Inside(sound->pcm, file), sound->DurationMs()),
                  std::tuple(rate, bits, channels, pcm, true, 300 * 1000 / rate));
    }
    // Data before format, an odd-sized unknown chunk between, a second data
    // chunk after that must not replace the first.
    const CBytes pcm = Pcm(101, 1, 8);
    const CBytes mixed = Riff(Chunk("LIST", Text("INFOtool!")) + Chunk("data", pcm) +
                              Chunk("junk", Text("abc")) + Fmt() + Chunk("data", Pcm(50, 1, 8)));
    EXPECT_EQ(Copy(ParseWave(mixed).value().pcm), pcm);
}

TEST(WaveFile, RejectsWhatIsNotAPlainWave) {
    const CBytes data = Chunk("data", Pcm(100, 1, 8));
    const CBytes good = Riff(Fmt() + data);
    ASSERT_TRUE(ParseWave(good));
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
    const CBytes pcm = Pcm(64, 2, 16);
    const CBytes file = Riff(Fmt(2, 22050, 16) + Chunk("data", pcm));
    const std::size_t dataStart = file.size() - pcm.size();
    for (std::size_t size = 0; size < file.size(); ++size) { // none before a whole frame
        const auto sound = ParseWave(CByteView(file).first(size));
        EXPECT_EQ(sound ? std::optional(Copy(sound->pcm)) : std::nullopt,
                  size < dataStart + 4
                      ? std::nullopt
                      : std::optional(Copy(CByteView(pcm).first((size - dataStart) / 4 * 4))))
            << size;
    }
    const CBytes overclaimed = Riff(Fmt(2, 22050, 16) + Text("data") + Le(0xFFFFFFFFu, 4) + pcm);
    EXPECT_EQ(Copy(ParseWave(overclaimed).value().pcm), pcm);
}

std::map<unsigned, CBytes> TwoSounds() {
    return {{605, Riff(Fmt() + Chunk("data", Pcm(90, 1, 8)))},
            {623, Riff(Fmt(2, 22050, 16) + Chunk("data", Pcm(40, 2, 16)))}};
}

TEST(SoundModuleFormat, ReadsBackWhatWasPackedAndRejectsEveryCutOrDamagedCopy) {
    const CBytes module = BuildSoundModule(TwoSounds());
    const auto read = ParseSoundModule(module);
    ASSERT_TRUE(read);
    std::map<unsigned, CBytes> sounds;
    for (const auto& [name, wave] : read->sounds) {
        EXPECT_TRUE(Inside(wave, module)) << name;
        sounds.emplace(name, Copy(wave));
    }
    EXPECT_EQ(sounds, TwoSounds());
    // Whole or nothing: a copy cut anywhere is no module.
    for (std::size_t size = 0; size < module.size(); ++size)
        EXPECT_FALSE(ParseSoundModule(CByteView(module).first(size))) << size;
    // A changed header byte fails the check; any other change passes only
    // while every sound stays playable.
    for (std::size_t at = 0; at < module.size(); ++at) {
        CBytes damaged = module;
        damaged[at] ^= 0x5A;
        const auto result = ParseSoundModule(damaged);
        EXPECT_TRUE(at >= 12 || !result) << at;
        if (!result) continue;
        for (const auto& [name, wave] : result->sounds) EXPECT_TRUE(ParseWave(wave)) << at;
    }
}

TEST(SoundModuleFormat, RejectsHostileTables) {
    const CBytes good = BuildSoundModule(TwoSounds());
    const auto withEntry = [&](int entry, int field, std::uint32_t value) {
        CBytes m = good;
        const CBytes v = Le(value, field == 0 ? 2 : 4);
        std::copy(v.begin(), v.end(),
                  m.begin() + (12 + 12 * std::ptrdiff_t{entry} + 4 * std::ptrdiff_t{field}));
        return m;
    };
    CBytes noSounds = good, tooMany = good;
    noSounds[10] = noSounds[11] = 0;
    tooMany[10] = tooMany[11] = 0xFF;
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

TEST(SoundModuleFormat, OnlyARegularFileOfAtMostSixteenMebibytesIsRead) {
    const CScratchFolder scratch;
    const std::string path = scratch.Write("module", BuildSoundModule(TwoSounds()));
    EXPECT_TRUE(ReadSoundModuleFile(path));
    fs::resize_file(path, kMaxModuleBytes); // trailing zeros: still whole
    EXPECT_TRUE(ReadSoundModuleFile(path));
    fs::resize_file(path, kMaxModuleBytes + 1);
    EXPECT_FALSE(ReadSoundModuleFile(path));
    EXPECT_FALSE(ReadSoundModuleFile(scratch.m_dir)); // a folder
    const fs::path pipe = scratch.m_dir + "/pipe";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(ReadSoundModuleFile(pipe.string())); // no wait for a writer
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
    const CScratchFolder scratch;
    const CBytes good = BuildSoundModule(TwoSounds());
    const std::string cut = scratch.Write("cut", CBytes(good.begin(), good.end() - 1));
    const std::string whole = scratch.Write("whole", good);
    EXPECT_EQ(LoadSoundModuleFrom({"/nonexistent", scratch.m_dir, cut, whole}), g_soundModule);
    EXPECT_EQ(SoundModulePath(), whole);
    EXPECT_EQ(Copy(ModuleSound(0x10000u + 623)), TwoSounds()[623]);
    EXPECT_TRUE(ModuleSound(606).empty());
    // What was read stays as it was when the file is cut or replaced on disk.
    fs::resize_file(whole, 0);
    EXPECT_EQ(Copy(ModuleSound(623)), TwoSounds()[623]);
    scratch.Write("whole", CBytes(good.size(), 0));
    EXPECT_EQ(Copy(ModuleSound(623)), TwoSounds()[623]);
    EXPECT_EQ(LoadSoundModuleFrom({cut}), nullptr);
    EXPECT_EQ(g_soundModule, nullptr);
    EXPECT_TRUE(ModuleSound(623).empty());
}

} // namespace
