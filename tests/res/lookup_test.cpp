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

// A language's own pictures stand in for the English ones at every scale;
// a picture it has none of, or a language with none at all, shows English.
TEST(PictureLookup, PrefersThePictureLanguagesOwnPictures) {
    auto file = [](const QString& relative) {
        return QImage(QStringLiteral(MARBIX_RES_DIR "/bmp/") + relative)
            .convertToFormat(QImage::Format_RGB32);
    };
    auto loaded = [](int id, int scale) {
        return LoadPicture(id, scale).convertToFormat(QImage::Format_RGB32);
    };
    SetPictureLanguage(QStringLiteral("de"));
    for (int id : {171, 182}) {
        EXPECT_EQ(loaded(id, 1), file(QStringLiteral("de/%1.png").arg(id))) << id;
        EXPECT_EQ(loaded(id, 2), file(QStringLiteral("de/%1@2x.png").arg(id))) << id;
        EXPECT_EQ(LoadPicture(id, 2).devicePixelRatio(), 2.0) << id;
        EXPECT_NE(loaded(id, 1), file(QStringLiteral("%1.png").arg(id))) << id;
    }
    for (int k = 3; k <= 6; ++k) // the zoomed board's scales
        EXPECT_EQ(loaded(182, k), file(QStringLiteral("de/182@%1x.png").arg(k))) << k;
    EXPECT_EQ(loaded(183, 2), file(QStringLiteral("183@2x.png")));
    for (const QString& english : {QStringLiteral("xx"), QString()}) {
        SetPictureLanguage(english);
        EXPECT_EQ(loaded(171, 1), file(QStringLiteral("171.png"))) << english.toStdString();
        EXPECT_EQ(loaded(182, 2), file(QStringLiteral("182@2x.png"))) << english.toStdString();
    }
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
