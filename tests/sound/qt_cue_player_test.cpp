// The player on a machine without a sound server: the sound client is pointed
// at a socket that does not exist.
#include "sound/cue.h"
#include "sound/qt_cue_player.h"
#include "sound/sound_service.h"
#include "wave_builder.h"

#include <QElapsedTimer>
#include <QMap>
#include <QThread>
#include <array>
#include <atomic>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Every test here runs without a sound server, whatever the machine has.
class CNoSoundServer : public testing::Environment {
public:
    void SetUp() override { qputenv("PULSE_SERVER", "unix:/nonexistent/marbix-no-sound-server"); }
};
const testing::Environment* const g_noSoundServer =
    testing::AddGlobalTestEnvironment(new CNoSoundServer);

// Hands out fixed files and notes what was asked for.
struct CFakeSounds {
    QMap<unsigned, QByteArray> files;
    std::vector<std::pair<unsigned, bool>> requests;

    CQtCuePlayer::CWaveLoader Loader() {
        return [this](unsigned id, bool fromModule) {
            requests.emplace_back(id, fromModule);
            return fromModule ? QByteArray() : files.value(id);
        };
    }
};

// Counts what reaches the message log while it lives.
class CLogCounter {
public:
    CLogCounter() { s_count = 0, m_previous = qInstallMessageHandler(Count); }
    ~CLogCounter() { qInstallMessageHandler(m_previous); }
    static int Messages() { return s_count; }

private:
    static void Count(QtMsgType, const QMessageLogContext&, const QString&) { ++s_count; }
    static inline std::atomic<int> s_count{0};
    QtMessageHandler m_previous;
};

TEST(QtCuePlayer, HandsOverOnlyPlayableSoundsReadingEachOnceByItsLow16Bits) {
    CFakeSounds sounds;
    sounds.files[136] = SquareWave(11025, 8, 1, 0.1, 10);
    sounds.files[137] = "not a sound";
    sounds.files[140] = SquareWave(11025, 8, 1, 0.2, 10).left(40);
    CQtCuePlayer player(sounds.Loader());
    for (int i = 0; i < 2; ++i) {
        for (unsigned id : {137u, 140u, 141u}) player.PlaySound(id, false);
        player.PlaySound(140, true); // the fake module has nothing
        EXPECT_EQ(player.HandedOverCount(), 2 * i);
        player.PlaySound(136, false);
        player.PlaySound(0x10000 + 136, false); // the same sound
    }
    // A missing or broken sound is not looked for again.
    EXPECT_EQ(sounds.requests.size(), 5u);
    EXPECT_EQ(player.HandedOverCount(), 4);
}

TEST(QtCuePlayer, PreloadReadsEveryProgramCueAndModuleCuesOnlyWithAModule) {
    const std::vector<unsigned> program = {136, 137, 138, 140, 141, 147,
                                           149, 150, 151, 153, 154, 175};
    CFakeSounds sounds;
    for (unsigned id : program) sounds.files[id] = SquareWave(11025, 8, 1, 0.05, 10);
    {
        g_soundModule = nullptr;
        CQtCuePlayer player(sounds.Loader());
        player.Preload();
        std::vector<std::pair<unsigned, bool>> expected;
        for (unsigned id : program) expected.emplace_back(id, false);
        EXPECT_EQ(sounds.requests, expected);
        for (unsigned id : program) player.PlaySound(id, false);
        EXPECT_EQ(sounds.requests.size(), program.size()); // nothing read again
        EXPECT_EQ(player.HandedOverCount(), static_cast<int>(program.size()));
    }
    sounds.requests.clear();
    int module = 0;
    g_soundModule = &module;
    CQtCuePlayer player(sounds.Loader());
    player.Preload();
    g_soundModule = nullptr;
    std::vector<unsigned> fromModule;
    for (const auto& [id, inModule] : sounds.requests)
        if (inModule) fromModule.push_back(id);
    EXPECT_EQ(sounds.requests.size(), program.size() + 21);
    EXPECT_EQ(fromModule,
              (std::vector<unsigned>{605, 606, 607, 609, 610, 611, 613, 614, 615, 617, 618,
                                     619, 621, 622, 623, 625, 626, 627, 629, 630, 631}));
}

TEST(QtCuePlayer, NeverWaitsAndEndsPromptlyWithoutASoundServer) {
    CLogCounter log;
    CFakeSounds sounds;
    sounds.files[137] = SquareWave(11025, 8, 1, 3.1, 10);
    sounds.files[153] = SquareWave(11025, 16, 1, 3.5, 10);
    sounds.files[175] = SquareWave(22050, 8, 1, 1.0, 10);
    QElapsedTimer clock;
    {
        CQtCuePlayer player(sounds.Loader());
        player.Preload();
        clock.start();
        for (int i = 0; i < 90; ++i) player.PlaySound(std::array{137u, 153u, 175u}[i % 3], false);
        // Playing any of these in the caller would take seconds.
        EXPECT_LT(clock.elapsed(), 500);
        EXPECT_EQ(player.HandedOverCount(), 90);
        QThread::msleep(200); // let the sound thread try the device
        EXPECT_EQ(player.StartedCount(), 0);
        clock.restart();
    }
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(CLogCounter::Messages(), 0) << "a missing sound server must not fill the log";
}

} // namespace

namespace {

std::vector<std::pair<unsigned, bool>> g_pluginRequests;

QByteArray RecordingLoader(unsigned id, bool fromModule) {
    g_pluginRequests.emplace_back(id, fromModule);
    return {};
}

} // namespace

// The program reaches the player only through the plugin built beside it.
TEST(SoundPlugin, LoadsFromTheFirstFolderThatHoldsItAndReadsThroughTheProgram) {
    g_pluginRequests.clear();
    EXPECT_EQ(LoadSoundServiceFrom({QStringLiteral("/nonexistent")}, RecordingLoader), nullptr);
    auto service = LoadSoundServiceFrom(
        {QStringLiteral("/nonexistent"), QStringLiteral(MARBIX_PLUGIN_BUILD_DIR)}, RecordingLoader);
    ASSERT_NE(service, nullptr);
    service->Preload(false);
    EXPECT_EQ(g_pluginRequests.size(), 12u);
    service->PlaySound(136, false); // already known unplayable: not read again
    EXPECT_EQ(g_pluginRequests.size(), 12u);
    service->Preload(true);
    EXPECT_EQ(g_pluginRequests.size(), 12u + 21u);
}
