// Synthesises the program's alert sounds so no binary audio lives in the repo.
// Usage: gensounds OUTDIR
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
constexpr double kPeakDbfs = -3.0;
// Qt 6.4's QSoundEffect closes its PulseAudio stream as soon as the last sample is handed over,
// dropping what the server still holds (about 150 ms): that tail must be silence.
constexpr double kTrailingSilence = 0.3;

using Buffer = std::vector<double>;

std::size_t samplesFor(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * kRate));
}

double timeOf(std::size_t n) {
    return static_cast<double>(n) / kRate;
}

// Raised cosine rather than linear: a smooth edge keeps onsets free of clicks.
double ramp(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(kPi * x);
}

double gate(double t, double length, double attack, double release) {
    if (t < 0.0 || t >= length) return 0.0;
    return std::min(ramp(t / attack), ramp((length - t) / release));
}

// Harmonic series on a running phase, so frequency changes stay continuous.
struct Oscillator {
    std::vector<double> harmonics;
    double phase = 0.0;

    double next(double freq) {
        double v = 0.0;
        for (std::size_t k = 0; k < harmonics.size(); ++k)
            v += harmonics[k] * std::sin(static_cast<double>(k + 1) * phase);
        phase = std::fmod(phase + kTwoPi * freq / kRate, kTwoPi);
        return v;
    }
};

// Soft two-note chime; the inharmonic 2.76x partial is what makes it sound like a bell.
Buffer chime() {
    struct Strike {
        double start, freq, gain;
    };
    const Strike strikes[] = {{0.0, 1318.51, 1.0}, {0.17, 987.77, 0.85}};
    const double length = 1.2;
    Buffer out(samplesFor(length), 0.0);
    for (const Strike& s : strikes) {
        for (std::size_t n = samplesFor(s.start); n < out.size(); ++n) {
            const double t = timeOf(n) - s.start;
            const double attack = ramp(t / 0.004);
            const double body = std::exp(-t / 0.30) * std::sin(kTwoPi * s.freq * t);
            const double ring = 0.25 * std::exp(-t / 0.10) * std::sin(kTwoPi * 2.76 * s.freq * t);
            out[n] += s.gain * attack * (body + ring);
        }
    }
    // The decay is still audible at the end; cut it smoothly rather than abruptly.
    for (std::size_t n = 0; n < out.size(); ++n)
        out[n] *= ramp((length - timeOf(n)) / 0.15);
    return out;
}

// Three short rising beeps with gaps between them.
Buffer alert() {
    const double freqs[] = {783.99, 1046.50, 1318.51};
    const double beep = 0.15, period = 0.21;
    Buffer out(samplesFor(0.65), 0.0);
    for (std::size_t i = 0; i < 3; ++i) {
        const double start = period * static_cast<double>(i);
        Oscillator osc{{1.0, 0.25, 0.1}};
        for (std::size_t n = samplesFor(start); n < samplesFor(start + beep); ++n)
            out[n] += gate(timeOf(n) - start, beep, 0.005, 0.015) * osc.next(freqs[i]);
    }
    return out;
}

// Legato high-low-high-low with vibrato: continuous, unlike the gapped beeps of alert().
Buffer keytry() {
    const double notes[] = {1174.66, 880.0};
    const double note = 0.2, glide = 0.012;
    const double length = 4 * note + 0.05;
    Oscillator osc{{1.0, 0.0, 0.3}};
    Buffer out(samplesFor(length), 0.0);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = timeOf(n);
        const double pos = std::min(t / note, 3.999);
        const auto idx = static_cast<std::size_t>(pos);
        const double from = notes[(idx + 1) % 2];
        const double to = notes[idx % 2];
        const double base =
            idx == 0 ? to
                     : from + (to - from) * ramp((pos - static_cast<double>(idx)) * note / glide);
        const double freq = base * (1.0 + 0.025 * std::sin(kTwoPi * 16.0 * t));
        out[n] = gate(t, length, 0.008, 0.04) * osc.next(freq);
    }
    return out;
}

// Buzzy siren flipping between two tones every 70 ms; the 1/k harmonics give it bite.
Buffer keyhaw() {
    const double high = 960.0, low = 720.0, half = 0.07, glide = 0.003;
    const double length = 1.26;
    Oscillator osc{{1.0, 1.0 / 2, 1.0 / 3, 1.0 / 4, 1.0 / 5, 1.0 / 6, 1.0 / 7}};
    Buffer out(samplesFor(length), 0.0);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double t = timeOf(n);
        const double pos = t / half;
        const auto idx = static_cast<long>(pos);
        const double to = idx % 2 == 0 ? high : low;
        const double from = idx % 2 == 0 ? low : high;
        const double freq =
            idx == 0 ? to
                     : from + (to - from) * ramp((pos - static_cast<double>(idx)) * half / glide);
        out[n] = gate(t, length, 0.006, 0.03) * osc.next(freq);
    }
    return out;
}

std::vector<std::int16_t> toPcm(const Buffer& in) {
    double peak = 0.0;
    for (double v : in)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0.0 ? 32767.0 * std::pow(10.0, kPeakDbfs / 20.0) / peak : 0.0;
    std::vector<std::int16_t> out;
    out.reserve(in.size() + samplesFor(kTrailingSilence));
    for (double v : in)
        out.push_back(
            static_cast<std::int16_t>(std::clamp(std::lround(v * gain), -32767L, 32767L)));
    out.resize(out.size() + samplesFor(kTrailingSilence), 0);
    return out;
}

void put16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFFu));
    out.push_back(static_cast<char>(v >> 8));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xFFFFu));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

bool writeWav(const std::string& path, const std::vector<std::int16_t>& pcm) {
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, kRate);
    put32(out, kRate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (std::int16_t s : pcm)
        put16(out, static_cast<std::uint16_t>(s));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return file.good();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gensounds OUTDIR\n";
        return 2;
    }
    struct Sound {
        const char* name;
        Buffer (*make)();
    };
    const Sound sounds[] = {{"checkmsgs.wav", chime},
                            {"Alert.wav", alert},
                            {"Keytry.wav", keytry},
                            {"Keyhaw.wav", keyhaw}};

    int status = 0;
    for (const Sound& s : sounds) {
        const std::string path = std::string(argv[1]) + "/" + s.name;
        if (!writeWav(path, toPcm(s.make()))) {
            std::cerr << "gensounds: cannot write " << path << '\n';
            status = 1;
        }
    }
    return status;
}
