// Pictures and sounds looked up by identifier: the compiled-in ones and the
// built module's hold the committed files, and nothing else answers.
#include "engine/identifiers.h"
#include "platform/resources.h"
#include "sound/sound_module.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray FileBytes(const QString& relative) {
    QFile file(QStringLiteral(MARBIX_RES_DIR "/") + relative);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative.toStdString();
    return file.readAll();
}

QByteArray LoadWave(unsigned id, bool fromModule) {
    const CByteView bytes = WaveBytes(id, fromModule);
    return {reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())};
}

TEST(PictureLookup, FindsEveryPictureAtBothDensitiesAndNoOther) {
    std::vector<int> ids = {128, 132, 171, 176, 179, 182, 183};
    for (int i = 0; i < 32; ++i) ids.push_back(400 + i), ids.push_back(500 + i);
    for (int id : ids) {
        const QImage picture = LoadPicture(id, 1), twice = LoadPicture(id, 2);
        ASSERT_FALSE(picture.isNull()) << id;
        // Drawn for double density, the same size in the layout.
        EXPECT_EQ(std::tuple(twice.size(), twice.deviceIndependentSize()),
                  std::tuple(picture.size() * 2, QSizeF(picture.size())))
            << id;
    }
    for (int id : {-1, 0, 129, 399, 432, 499, 532, 600, 100000})
        EXPECT_TRUE(LoadPicture(id, 1).isNull()) << id;
}

TEST(WaveLookup, EachCueFromItsOwnSourceByTheLow16BitsOfItsIdentifier) {
    for (const Cue cue : kEveryProgramCue) {
        const auto id = static_cast<unsigned>(cue);
        EXPECT_EQ(LoadWave(id + 65536u, false), FileBytes(QStringLiteral("wave/%1.wav").arg(id)));
        EXPECT_TRUE(LoadWave(id, true).isEmpty()) << id;
    }
    EXPECT_TRUE(LoadWave(ColourCue(1, kBallMoved), true).isEmpty()) << "no module loaded yet";
    ASSERT_NE(LoadSoundModuleFrom({MARBIX_MODULE_FILE}), nullptr);
    for (unsigned id = ColourCue(0, 0); id < ColourCue(8, 0); ++id) {
        const bool sound = id % 4 != 0 && id >= ColourCue(1, 0); // three kinds, seven colours
        EXPECT_EQ(LoadWave(id, true),
                  sound ? FileBytes(QStringLiteral("module/%1.wav").arg(id)) : QByteArray())
            << id;
        EXPECT_TRUE(LoadWave(id, false).isEmpty()) << id;
    }
    for (unsigned id : {0u, 135u, 139u, 176u, 65535u}) EXPECT_TRUE(LoadWave(id, false).isEmpty());
}

} // namespace
