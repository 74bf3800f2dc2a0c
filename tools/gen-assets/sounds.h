// The program's cue sounds and the per-colour sounds of the sound module.
#pragma once

#include <QByteArray>
#include <vector>

struct Sound {
    unsigned id;
    int rate;
    int bits;
    QByteArray wav;
};

std::vector<Sound> ProgramSounds();
std::vector<Sound> ModuleSounds();

// A plain PCM mono WAVE file of the given samples (−1..1).
QByteArray EncodeWav(const std::vector<double>& samples, int rate, int bits);
