// The program's cue sounds and the per-colour sounds of the sound module.
#pragma once

#include <QByteArray>
#include <QStringList>
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

// Every rule the sounds break, one line each: clipping, a peak outside −6 to
// −1 dB, ends that click, cues of unequal loudness, module sounds over a
// second, colours whose select sounds share a pitch.
QStringList VerifySounds(const std::vector<Sound>& program, const std::vector<Sound>& module);
